// The two LAN lobbies, each against a scripted peer on the loopback that
// speaks the wire the way another copy of the program does.

#include "base/Orologio.h"
#include "base/Schermi.h"
#include "game/Globali.h"
#include "link/FinestraRete.h"
#include "link/Rete.h"
#include "link/tcp/TrasportoLan.h"
#include "lobby/lan/ComboSemplice.h"
#include "lobby/lan/ListaServer.h"
#include "lobby/lan/frmclient.h"
#include "lobby/lan/frmserver.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QCoro/QCoroTask>
#include <memory>

using namespace orvento;

namespace {

quint16 portaLibera()
{
    QTcpServer prova;
    prova.listen(QHostAddress::LocalHost, 0);
    return prova.serverPort();
}

template <typename T>
T aspetta(QCoro::Task<T> task)
{
    return QCoro::waitFor(std::move(task));
}

void scegli(ComboSemplice *combo, int riga)
{
    QListWidget *lista = combo->lista();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(lista->item(riga)).center());
}

QByteArray contenuto(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestLobbyLan : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> m_principale;
    QString m_ruolo;
    QTemporaryDir m_dir;

    // The peer: a second transport on the same port as the program's own.
    void preparaPari(TrasportoLan &pari)
    {
        pari.setPorta(TrasportoLan::istanza().porta());
        pari.setIndirizzoAscolto(QHostAddress::LocalHost);
    }

private slots:
    void initTestCase()
    {
        Orologio::setVelocita(20.0);
        m_principale = std::make_unique<QWidget>();
        m_principale->resize(800, 600);
        m_principale->show();
        Schermi::apriTavolo = [this](const QString &ruolo) { m_ruolo = ruolo; };
        TrasportoLan::istanza().setIndirizzoAscolto(QHostAddress::LocalHost);
    }

    void init()
    {
        m_ruolo.clear();
        TrasportoLan::istanza().setPorta(portaLibera());
    }

    void cleanup() { Rete::istanza().Interrompi(); }

    void ospiteConnessoEPlay()
    {
        NomeServer = QStringLiteral("Oste <i>");
        NomeClient.clear();
        QPointer<frmserver> s = new frmserver(m_principale.get());
        QCOMPARE(s->txtOutPut->text(), QStringLiteral("No player is still connected on the network."));
        s->show();
        // Centred on the main window's outer size, frame included.
        const QSize fuori = m_principale->frameGeometry().size();
        QCOMPARE(s->geometry(),
                 QRect((fuori.width() - 407) / 2, (fuori.height() - 159) / 2, 407, 159));
        QVERIFY(!s->cmdPlay->isVisible());

        TrasportoLan ospite;
        preparaPari(ospite);
        QCOMPARE(aspetta(ospite.LANConnetti(QStringLiteral("127.0.0.1"))), risultato::CONNESSO);
        QCOMPARE(aspetta(ospite.LANInvia(QStringLiteral("Gina"))), QStringLiteral("Gina"));
        QCOMPARE(aspetta(ospite.LANRicevi(-1)), QStringLiteral("Oste <i>"));
        QTRY_VERIFY(s->cmdPlay->isVisible());
        QCOMPARE(s->txtOutPut->text(),
                 QStringLiteral("Connecting ...\nwith Gina\nClick 'Play' button to continue."));
        QCOMPARE(s->txtOutPut->textFormat(), Qt::PlainText);
        QCOMPARE(NomeClient, QStringLiteral("Gina"));
        QVERIFY(m_ruolo.isEmpty());

        auto play = ospite.LANRicevi(-1);
        QTest::mouseClick(s->cmdPlay, Qt::LeftButton);
        QCOMPARE(aspetta(std::move(play)), QStringLiteral("Play"));
        QTRY_COMPARE(m_ruolo, QStringLiteral("server"));
        QTRY_VERIFY(!s);
    }

    // The guest connects only to a computer picked from the list, sends its
    // name, takes the host's, and opens its table when "Play" arrives.
    void connessioneDallaListaEPlay()
    {
        const QString p = m_dir.filePath(QStringLiteral("connetti.ini"));
        QVERIFY(listaserver::riscrivi(p, {listaserver::record(u"127.0.0.1"),
                                           listaserver::record(u"  altro-pc")}));
        NomeClient = QStringLiteral("Gina");
        NomeServer.clear();
        QPointer<frmclient> c = new frmclient(m_principale.get());
        c->percorsoLista = p;
        c->show();
        QCOMPARE(c->txtserver->count(), 2);
        QCOMPARE(c->txtserver->item(1), QStringLiteral("altro-pc"));
        QCOMPARE(c->txtoutput->text(), QStringLiteral("No data available"));

        QVERIFY(!c->cmdconnect->isEnabled());
        scegli(c->txtserver, 1);
        QVERIFY(c->cmdconnect->isEnabled());
        QCOMPARE(c->txtserver->text(), QStringLiteral("altro-pc"));
        QTest::keyClick(c->txtserver->riga(), Qt::Key_X);
        QVERIFY(!c->cmdconnect->isEnabled());
        QCOMPARE(c->txtserver->listIndex(), -1);
        scegli(c->txtserver, 0);
        QVERIFY(c->cmdconnect->isEnabled());
        c->txtserver->riga()->clear();
        QVERIFY(!c->cmdconnect->isEnabled());
        scegli(c->txtserver, 0);
        QCOMPARE(c->txtserver->text(), QStringLiteral("127.0.0.1"));

        TrasportoLan host;
        preparaPari(host);
        auto ascolto = host.LANAscolta(-1);
        QTest::mouseClick(c->cmdconnect, Qt::LeftButton);
        QCOMPARE(aspetta(std::move(ascolto)), risultato::CONNESSO);
        QCOMPARE(aspetta(host.LANRicevi(-1)), QStringLiteral("Gina"));
        QCOMPARE(aspetta(host.LANInvia(QStringLiteral("Oste"))), QStringLiteral("Oste"));
        QTRY_COMPARE(c->txtoutput->text(),
                     QStringLiteral("Connecting ...\nwith Oste\nWait please ..."));
        QCOMPARE(NomeServer, QStringLiteral("Oste"));
        QVERIFY(m_ruolo.isEmpty());

        QCOMPARE(aspetta(host.LANInvia(QStringLiteral("Play"))), QStringLiteral("Play"));
        QTRY_COMPARE(m_ruolo, QStringLiteral("client"));
        QTRY_VERIFY(!c);
    }

    void aggiungiERimuoviComputer()
    {
        const QString p = m_dir.filePath(QStringLiteral("modifica.ini"));
        QVERIFY(!QFile::exists(p));
        frmclient c(m_principale.get());
        c.percorsoLista = p;
        c.show();
        QCOMPARE(c.txtserver->count(), 0);
        QVERIFY(QFile::exists(p));

        QString risposta = QStringLiteral("  nuovo-pc ");
        c.chiediComputer = [&risposta](QWidget *) { return risposta; };
        QTest::mouseClick(c.cmdBrowse, Qt::LeftButton);
        risposta = QStringLiteral("  "); // nothing typed: nothing added
        QTest::mouseClick(c.cmdBrowse, Qt::LeftButton);
        risposta.clear(); // cancelled
        QTest::mouseClick(c.cmdBrowse, Qt::LeftButton);
        QCOMPARE(c.txtserver->count(), 1);
        QCOMPARE(c.txtserver->item(0), QStringLiteral("nuovo-pc"));
        QCOMPARE(contenuto(p), listaserver::record(u"  nuovo-pc "));

        QTest::mouseClick(c.cmdDel, Qt::LeftButton); // nothing selected
        QCOMPARE(c.txtserver->count(), 1);
        scegli(c.txtserver, 0);
        QTest::mouseClick(c.cmdDel, Qt::LeftButton);
        QCOMPARE(c.txtserver->count(), 0);
        QCOMPARE(contenuto(p), QByteArray());
        QVERIFY(!c.cmdconnect->isEnabled());
    }

    // The list keeps at most 40 computers: the 41st is refused with a word
    // to the user, and the file stays as it was.
    void listaPiena()
    {
        const QString p = m_dir.filePath(QStringLiteral("piena.ini"));
        QList<QByteArray> quaranta;
        for (int i = 1; i <= 40; ++i)
            quaranta.append(listaserver::record(QStringLiteral("pc%1").arg(i)));
        QVERIFY(listaserver::riscrivi(p, quaranta));
        frmclient c(m_principale.get());
        c.percorsoLista = p;
        c.chiediComputer = [](QWidget *) { return QStringLiteral("uno-di-troppo"); };
        c.show();
        QTest::mouseClick(c.cmdBrowse, Qt::LeftButton);
        QCOMPARE(c.txtserver->count(), 40);
        QCOMPARE(contenuto(p).size(), 40 * 260);
        QVERIFY(c.findChild<QMessageBox *>());
    }

    void portaOccupata()
    {
        QTcpServer occupante;
        QVERIFY(occupante.listen(QHostAddress::LocalHost, TrasportoLan::istanza().porta()));
        QPointer<frmserver> s = new frmserver(m_principale.get());
        s->show();
        QTRY_VERIFY(s->txtOutPut->text().startsWith(QStringLiteral("Cannot wait for players on port")));
        auto *avviso = s->findChild<QMessageBox *>();
        QVERIFY(avviso);
        QVERIFY(avviso->text().contains(QStringLiteral("close it and try again")));
        QVERIFY(!s->cmdPlay->isVisible());
        // Read and dismissed: the lobby goes, so choosing the entry again
        // opens a new one.
        avviso->accept();
        QTRY_VERIFY(!s);
    }

    // Quitting while the host waits: the screen goes first, then the link
    // stops; the wait ends without touching the screen and the port is free.
    void chiusuraDuranteLAttesa()
    {
        const quint16 porta = TrasportoLan::istanza().porta();
        auto *s = new frmserver(m_principale.get());
        s->show();
        QTcpServer prova;
        QVERIFY(!prova.listen(QHostAddress::LocalHost, porta)); // the lobby listens
        delete s;
        FinestraRete::scarica();
        QTest::qWait(20);
        QVERIFY(prova.listen(QHostAddress::LocalHost, porta));
    }
};

QTEST_MAIN(TestLobbyLan)
#include "test_lobby_lan.moc"
