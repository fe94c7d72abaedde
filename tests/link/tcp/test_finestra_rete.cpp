#include "link/FinestraRete.h"
#include "link/Rete.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace orvento;

namespace {
// Records whether the link was dropped.
class TrasportoFinto : public Trasporto {
public:
    int interruzioni = 0;
    QCoro::Task<QString> invia(QString, Scadenza) override { co_return QString(); }
    QCoro::Task<QString> ricevi(Scadenza) override { co_return QString(); }
    void interrompi() override { ++interruzioni; }
};
} // namespace

class TestFinestraRete : public QObject {
    Q_OBJECT
private slots:
    void statoNellaBarraENelTitolo()
    {
        Rete &rete = Rete::istanza();
        FinestraRete &f = FinestraRete::istanza();
        QCOMPARE(f.windowTitle(), QStringLiteral("Connessione ..."));
        QCOMPARE(f.size(), QSize(500, 150));

        // Names typed by users are shown as they are, never as markup.
        rete.setStato(QStringLiteral("Connected to <b>pc</b>"));
        QCOMPARE(f.lblbar->text(), QStringLiteral("Connected to <b>pc</b>"));
        QCOMPARE(f.lblbar->textFormat(), Qt::PlainText);
        QCOMPARE(f.windowTitle(), QStringLiteral("Connessione ..."));

        f.mostraMinimizzata();
        QVERIFY(f.isMinimized());
        QCOMPARE(f.windowTitle(), QStringLiteral("Connected to <b>pc</b>"));
        rete.setStato(QStringLiteral("Testing serial port COM 1..."));
        QCOMPARE(f.windowTitle(), QStringLiteral("Testing serial port COM 1..."));

        f.showNormal();
        QCOMPARE(f.windowTitle(), QStringLiteral("Connessione ..."));
        QCOMPARE(f.Command1->geometry(), QRect(500 - 149, 1, 148, 149));
        QCOMPARE(f.lblbar->geometry(), QRect(1, 1, 350, 149));
    }

    // Disconnect drops the active transport's line and unloads the window;
    // the next use loads a fresh one.
    void disconnectInterrompe()
    {
        TrasportoFinto finto;
        Rete &rete = Rete::istanza();
        rete.setTrasporto(Rete::LAN, &finto);
        rete.Tipo = Rete::LAN;
        QPointer<FinestraRete> f = &FinestraRete::istanza();
        f->show();
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        QCOMPARE(finto.interruzioni, 1);
        QTRY_VERIFY(!f);
        QVERIFY(!FinestraRete::istanza().isVisible());

        // Closing the program stops the link even when the window never
        // showed (the hosting side).
        FinestraRete::scarica();
        QVERIFY(finto.interruzioni >= 2);
        rete.setTrasporto(Rete::LAN, nullptr);
        rete.Tipo = Rete::Nessuno;
    }
};

QTEST_MAIN(TestFinestraRete)
#include "test_finestra_rete.moc"
