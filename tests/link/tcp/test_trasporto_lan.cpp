#include "base/Orologio.h"
#include "link/Rete.h"
#include "link/tcp/TrasportoLan.h"

#include <QTcpServer>
#include <QTcpSocket>
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

// What a raw socket has received once it holds n bytes, with the event loop
// running meanwhile (bounded).
QByteArray leggiAlmeno(QTcpSocket &s, int n)
{
    QByteArray dati;
    const bool arrivati = QTest::qWaitFor([&] {
        dati += s.readAll();
        return dati.size() >= n;
    }, 5000);
    Q_UNUSED(arrivati); // the caller compares what did arrive
    return dati;
}

// Two transports on the loopback, one listening and one connecting.
struct Coppia {
    quint16 porta = portaLibera();
    std::unique_ptr<TrasportoLan> host = std::make_unique<TrasportoLan>();
    std::unique_ptr<TrasportoLan> ospite = std::make_unique<TrasportoLan>();

    Coppia()
    {
        for (TrasportoLan *t : {host.get(), ospite.get()}) {
            t->setPorta(porta);
            t->setIndirizzoAscolto(QHostAddress::LocalHost);
        }
    }
    bool collega()
    {
        auto ascolto = host->LANAscolta(-1);
        const QString connesso = aspetta(ospite->LANConnetti(QStringLiteral("127.0.0.1")));
        return connesso == risultato::CONNESSO
            && aspetta(std::move(ascolto)) == risultato::CONNESSO;
    }
};

} // namespace

class TestTrasportoLan : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Orologio::setVelocita(20.0); }

    void portaDaAmbiente()
    {
        qputenv("BRISCOLA_LAN_PORT", "4321");
        QCOMPARE(TrasportoLan::portaIniziale(), quint16(4321));
        qputenv("BRISCOLA_LAN_PORT", "nonsense");
        QCOMPARE(TrasportoLan::portaIniziale(), quint16(1001));
        qunsetenv("BRISCOLA_LAN_PORT");
        QCOMPARE(TrasportoLan::portaIniziale(), quint16(1001));
    }

    // Each message is received, echoed, and the echo returned to the sender,
    // in both directions and with characters beyond ASCII.
    void scambioConEco()
    {
        Coppia c;
        QVERIFY(c.collega());
        QVERIFY(c.host->Connesso && c.ospite->Connesso);
        const QStringList messaggi = {QStringLiteral("Gina"), QStringLiteral("Zoë €"),
                                      QStringLiteral(" 17"), QStringLiteral("Play")};
        for (const QString &m : messaggi) {
            auto ricevuto = c.host->LANRicevi(-1);
            QCOMPARE(aspetta(c.ospite->LANInvia(m)), m);
            QCOMPARE(aspetta(std::move(ricevuto)), m);
            QVERIFY(c.host->Inviato);

            auto indietro = c.ospite->LANRicevi(-1);
            QCOMPARE(aspetta(c.host->LANInvia(m)), m);
            QCOMPARE(aspetta(std::move(indietro)), m);
        }
    }

    // The peer's echo and its next message may reach this side in one
    // segment: the send takes only its own echo, the next receive the rest.
    // Two messages already waiting when a receive reads come back as one.
    void ecoSeguitoDalMessaggio()
    {
        const quint16 porta = portaLibera();
        QTcpServer grezzo;
        QVERIFY(grezzo.listen(QHostAddress::LocalHost, porta));
        TrasportoLan ospite;
        ospite.setPorta(porta);
        QCOMPARE(aspetta(ospite.LANConnetti(QStringLiteral("127.0.0.1"))), risultato::CONNESSO);
        QVERIFY(grezzo.hasPendingConnections() || grezzo.waitForNewConnection(2000));
        std::unique_ptr<QTcpSocket> pari(grezzo.nextPendingConnection());

        auto invio = ospite.LANInvia(QStringLiteral("Gina"));
        QCOMPARE(leggiAlmeno(*pari, 4), QByteArray("Gina"));
        pari->write("GinaHost");
        pari->flush();
        QCOMPARE(aspetta(std::move(invio)), QStringLiteral("Gina"));
        QCOMPARE(aspetta(ospite.LANRicevi(-1)), QStringLiteral("Host"));
        QCOMPARE(leggiAlmeno(*pari, 4), QByteArray("Host"));

        pari->write(" 1");
        pari->write(" 2");
        pari->flush();
        QTest::qWait(50);
        QCOMPARE(aspetta(ospite.LANRicevi(-1)), QStringLiteral(" 1 2"));
    }

    void peerChiudeDaBreak()
    {
        Coppia c;
        QVERIFY(c.collega());
        auto ricevuto = c.host->LANRicevi(-1);
        c.ospite.reset();
        QCOMPARE(aspetta(std::move(ricevuto)), risultato::BREAK);
        QCOMPARE(aspetta(c.host->LANInvia(QStringLiteral(" 0"))), risultato::BREAK);
    }

    // Disconnect on this side ends a wait in progress and every later use.
    void interrompiDaBreak()
    {
        Coppia c;
        QVERIFY(c.collega());
        auto ricevuto = c.ospite->LANRicevi(-1);
        c.ospite->interrompi();
        QCOMPARE(aspetta(std::move(ricevuto)), risultato::BREAK);
        QCOMPARE(aspetta(c.ospite->LANInvia(QStringLiteral("Play"))), risultato::BREAK);
        QCOMPARE(aspetta(c.ospite->LANRicevi(0)), risultato::BREAK);
        // The peer notices at its next operation.
        QCOMPARE(aspetta(c.host->LANRicevi(-1)), risultato::BREAK);
    }

    void riceviConScadenza()
    {
        Coppia c;
        QVERIFY(c.collega());
        QCOMPARE(aspetta(c.ospite->LANRicevi(1)), risultato::TIMEOUT);
        // The link is still good afterwards.
        auto ricevuto = c.host->LANRicevi(-1);
        QCOMPARE(aspetta(c.ospite->LANInvia(QStringLiteral("x"))), QStringLiteral("x"));
        QCOMPARE(aspetta(std::move(ricevuto)), QStringLiteral("x"));
    }

    // A connection made earlier never makes a later listen or connect
    // report "CONNESSO".
    void nessunConnessoRimasto()
    {
        Coppia c;
        QVERIFY(c.collega());
        QCOMPARE(aspetta(c.host->LANAscolta(1)), risultato::TIMEOUT);
        QVERIFY(!c.host->Connesso);

        c.ospite->setPorta(portaLibera()); // nobody listens there
        auto tentativo = c.ospite->LANConnetti(QStringLiteral("127.0.0.1"));
        QCoro::waitFor(attendi(5.0)); // two or three attempts
        QVERIFY(!tentativo.isReady());
        c.ospite->interrompi();
        QCOMPARE(aspetta(std::move(tentativo)), risultato::BREAK);
    }

    // Once a peer is in, nobody else can connect.
    void unSoloPari()
    {
        Coppia c;
        QVERIFY(c.collega());
        QTcpSocket secondo;
        secondo.connectToHost(QHostAddress::LocalHost, c.porta);
        QVERIFY(!secondo.waitForConnected(2000));
    }

    void ascoltoImpossibile()
    {
        const quint16 porta = portaLibera();
        QTcpServer occupante;
        QVERIFY(occupante.listen(QHostAddress::LocalHost, porta));
        TrasportoLan host;
        host.setPorta(porta);
        host.setIndirizzoAscolto(QHostAddress::LocalHost);
        QCOMPARE(aspetta(host.LANAscolta(-1)), risultato::BREAK);
        QVERIFY(!host.erroreAscolto().isEmpty());
    }

    // The lobby's way in: Rete selects TCP and dispatches to the program's
    // transport; an interrupted listen answers "break".
    void attraversoRete()
    {
        Rete &rete = Rete::istanza();
        TrasportoLan &lan = TrasportoLan::istanza();
        QCOMPARE(rete.trasporto(Rete::LAN), &lan);
        lan.setPorta(portaLibera());
        lan.setIndirizzoAscolto(QHostAddress::LocalHost);
        auto ascolto = rete.LANAscolta(-1);
        QCOMPARE(rete.Tipo, int(Rete::LAN));
        rete.Interrompi();
        QCOMPARE(aspetta(std::move(ascolto)), risultato::BREAK);
        QCOMPARE(aspetta(rete.Invia(QStringLiteral("Play"))), risultato::BREAK);

        // A connect that keeps failing says why in the link window's status.
        auto connessione = rete.LANConnetti(QStringLiteral("127.0.0.1"));
        QTRY_VERIFY(rete.stato().startsWith(QStringLiteral("127.0.0.1: ")));
        QVERIFY(rete.stato().endsWith(QStringLiteral("Trying again ...")));
        rete.Interrompi();
        QCOMPARE(aspetta(std::move(connessione)), risultato::BREAK);
    }
};

QTEST_GUILESS_MAIN(TestTrasportoLan)
#include "test_trasporto_lan.moc"
