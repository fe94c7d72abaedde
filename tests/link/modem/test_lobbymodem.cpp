// The two modem lobbies, offscreen, each against the other side played by a
// modem line driven from the test, over the Hayes emulator.

#include "EmulatoreModem.h"
#include "base/Orologio.h"
#include "base/Schermi.h"
#include "game/Globali.h"
#include "link/modem/Dialoghi.h"
#include "link/modem/TrasportoModem.h"
#include "lobby/modem/frmmodcli.h"
#include "lobby/modem/frmmodser.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QCoro/QCoroTask>
#include <functional>

using namespace orvento;
using orvento::emulatore::EmulatoreModem;

namespace {
class DialoghiProva : public Dialoghi {
public:
    QString nome = QStringLiteral("Anna");
    QStringList prompt, avvisi;
    std::function<void()> allaDomanda;
    void avviso(const QString &t) override { avvisi += t; }
    bool domanda(const QString &) override
    {
        if (allaDomanda)
            allaDomanda();
        return true;
    }
    QString chiediTesto(const QString &p, const QString &titolo) override
    {
        prompt += p + QLatin1Char('|') + titolo;
        return nome;
    }
};
} // namespace

class TestLobbyModem : public QObject {
    Q_OBJECT
    DialoghiProva dialoghi;
    QTemporaryDir cartella;
    QWidget *principale = nullptr;
    QStringList tavoli;
    int indietro = 0;

    QListWidgetItem *voce(frmmodcli &f, int riga) { return f.txtnumber->lista->item(riga); }

private slots:
    void initTestCase()
    {
        Orologio::setVelocita(20);
        Dialoghi::imposta(&dialoghi);
        Rubrica::setCartella(cartella.path());
        Schermi::apriTavolo = [this](const QString &ruolo) { tavoli += ruolo; };
        Schermi::lblquit_Click = [this] { ++indietro; };
    }
    void init()
    {
        dialoghi = DialoghiProva();
        tavoli.clear();
        indietro = 0;
        QFile::remove(Rubrica::percorsoPredefinito());
        principale = new QWidget;
        principale->resize(800, 600);
        principale->show();
    }
    void cleanup()
    {
        TrasportoModem::istanza().interrompi();
        delete principale;
    }

    // Saving numbers, picking one, and the 24-character number box.
    void rubrica()
    {
        auto *f = new frmmodcli(principale);
        f->show();
        QCOMPARE(f->txtnumber->lista->count(), 0);
        QCOMPARE(f->ProssimoRecord(), 1);
        QCOMPARE(f->lblinfo->text(), QStringLiteral("No data available"));

        QLineEdit *riga = f->txtnumber->riga;
        QTest::keyClicks(riga, QStringLiteral("0612345"));
        QTest::keyClick(riga, Qt::Key_Return);
        QCOMPARE(dialoghi.prompt, QStringList{QStringLiteral(
            "Digitare il nome da associare a questo numero di telefono|Salvataggio numero telefonico")});
        dialoghi.nome = QStringLiteral("Un nome molto lungo di trenta c");
        riga->setText(QStringLiteral("777"));
        QTest::keyClick(riga, Qt::Key_Return);
        QCOMPARE(f->txtnumber->lista->count(), 2);
        QCOMPARE(voce(*f, 0)->text(), QStringLiteral(" 1Anna"));
        QCOMPARE(voce(*f, 1)->text(), QStringLiteral(" 2Un nome molto lungo di trenta c"));

        // Picking the long entry puts its first 24 characters in the box
        // and its stored number in the label.
        QTest::mouseClick(f->txtnumber->lista->viewport(), Qt::LeftButton, {},
                          f->txtnumber->lista->visualItemRect(voce(*f, 1)).center());
        QCOMPARE(riga->text(), QStringLiteral(" 2Un nome molto lungo di"));
        QCOMPARE(f->Numero, QStringLiteral("777"));
        QCOMPARE(f->lblinfo->text(), QStringLiteral("777"));

        riga->clear();
        QTest::keyClicks(riga, QStringLiteral("1234567890123456789012345"));
        QCOMPARE(riga->text(), QStringLiteral("123456789012345678901234"));

        // A new screen reads the same book back, one entry per record.
        delete f;
        frmmodcli again(principale);
        QCOMPARE(again.txtnumber->lista->count(), 2);
        QCOMPARE(again.txtnumber->lista->item(1)->text(), QStringLiteral(" 2Un nome molto lungo di"));
        QCOMPARE(again.ProssimoRecord(), 3);
    }

    // The guest dials the chosen entry, hears the host's name, answers with
    // its own after the pause, and opens its table on "Play".
    void ospite()
    {
        EmulatoreModem centrale;
        const int h = centrale.aggiungiLinea(QStringLiteral("100"));
        const int g = centrale.aggiungiLinea(QStringLiteral("200"));
        TrasportoModem host;
        host.setDispositivi({centrale.percorso(h)});
        TrasportoModem::istanza().setDispositivi({centrale.percorso(g)});
        NomeClient = QStringLiteral("Bruno");
        NomeServer.clear();

        QPointer<frmmodcli> f = new frmmodcli(principale);
        f->show();
        f->txtnumber->riga->setText(QStringLiteral("100"));
        QTest::keyClick(f->txtnumber->riga, Qt::Key_Return);
        QTest::mouseClick(f->txtnumber->lista->viewport(), Qt::LeftButton, {},
                          f->txtnumber->lista->visualItemRect(voce(*f, 0)).center());
        QCOMPARE(f->Numero, QStringLiteral("100"));

        auto risposta = host.MODAscolta();
        QTest::mouseClick(f->cmdCall, Qt::LeftButton);
        QTest::mouseClick(f->cmdCall, Qt::LeftButton); // ignored: one call at a time
        QCOMPARE(QCoro::waitFor(risposta), QStringLiteral("CONNESSO"));

        QCOMPARE(QCoro::waitFor(host.MODInvia(QStringLiteral("Carla"), Scadenza(-1))), QString());
        const double inviato = Orologio::secondi();
        QTRY_COMPARE(f->lblinfo->text(), QStringLiteral("with Carla"));
        QCOMPARE(NomeServer, QStringLiteral("Carla"));
        QCOMPARE(QCoro::waitFor(host.MODRicevi(Scadenza(-1))), QStringLiteral("Bruno"));
        QVERIFY(Orologio::secondi() - inviato >= 4.5); // the guest's pause
        QVERIFY(tavoli.isEmpty());
        QCOMPARE(QCoro::waitFor(host.MODInvia(QStringLiteral("Play"), Scadenza(-1))), QString());
        QTRY_COMPARE(tavoli, QStringList{QStringLiteral("client")});
        QTRY_VERIFY(f.isNull());
    }

    // The host answers, sends its name first, shows the guest's and the Play
    // button, and Play opens its table after sending "Play".
    void padrone()
    {
        EmulatoreModem centrale;
        const int h = centrale.aggiungiLinea(QStringLiteral("100"));
        const int g = centrale.aggiungiLinea(QStringLiteral("200"));
        TrasportoModem guest;
        guest.setDispositivi({centrale.percorso(g)});
        TrasportoModem::istanza().setDispositivi({centrale.percorso(h)});
        NomeServer = QStringLiteral("Carla");
        NomeClient.clear();

        QPointer<frmmodser> f = new frmmodser(principale);
        f->show();
        const QSize esterno = principale->frameGeometry().size();
        QCOMPARE(f->pos(), QPoint((esterno.width() - f->width()) / 2, (esterno.height() - f->height()) / 2));
        QVERIFY(!f->cmdplay->isVisible());
        QTRY_VERIFY(TrasportoModem::istanza().aperta());
        // Both lines live in this process and the dial makes the test's line
        // the link's; by the time the host is asked to answer, the link must
        // go through the lobby's line again.
        dialoghi.allaDomanda = [] {
            Rete::istanza().setTrasporto(Rete::Modem, &TrasportoModem::istanza());
        };
        QCOMPARE(QCoro::waitFor(guest.MODConnetti(QStringLiteral("100"))), QStringLiteral("CONNESSO"));

        QCOMPARE(QCoro::waitFor(guest.MODRicevi(Scadenza(-1))), QStringLiteral("Carla"));
        QCOMPARE(f->lblinfo->text(), QStringLiteral("CONNESSO"));
        QCOMPARE(QCoro::waitFor(guest.MODInvia(QStringLiteral("Bruno"), Scadenza(-1))), QString());
        QTRY_VERIFY(f->cmdplay->isVisible());
        QCOMPARE(f->lblinfo->text(), QStringLiteral("with Bruno"));
        QCOMPARE(NomeClient, QStringLiteral("Bruno"));

        auto play = guest.MODRicevi(Scadenza(-1));
        QTest::mouseClick(f->cmdplay, Qt::LeftButton);
        QCOMPARE(QCoro::waitFor(play), QStringLiteral("Play"));
        QTRY_COMPARE(tavoli, QStringList{QStringLiteral("server")});
        QTRY_VERIFY(f.isNull());
    }

    // No modem: one notice, the choice screen goes back, the lobby closes
    // without sending or waiting for anything.
    void senzaModem_data()
    {
        QTest::addColumn<bool>("ospite");
        QTest::newRow("host") << false;
        QTest::newRow("guest") << true;
    }
    void senzaModem()
    {
        QFETCH(bool, ospite);
        TrasportoModem::istanza().setDispositivi({QStringLiteral("/dev/does-not-exist")});
        QPointer<QWidget> f;
        if (ospite) {
            auto *c = new frmmodcli(principale);
            f = c;
            c->show();
            QTest::mouseClick(c->cmdCall, Qt::LeftButton);
        } else {
            f = new frmmodser(principale);
            f->show();
        }
        QTRY_VERIFY(f.isNull());
        QCOMPARE(indietro, 1);
        QCOMPARE(dialoghi.avvisi.size(), 1);
        QVERIFY(tavoli.isEmpty());
    }
};

QTEST_MAIN(TestLobbyModem)
#include "test_lobbymodem.moc"
