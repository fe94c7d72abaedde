// The modem transport against the Hayes emulator, over real pseudo-terminals:
// finding the modem, the answer and the dial, messages with their echo both
// ways, and a hang-up.

#include "EmulatoreModem.h"
#include "base/Orologio.h"
#include "base/Schermi.h"
#include "link/modem/Dialoghi.h"
#include "link/modem/Modem.h"
#include "link/modem/TrasportoModem.h"

#include <QSignalSpy>
#include <QTest>
#include <QCoro/QCoroTask>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace orvento;
using orvento::emulatore::EmulatoreModem;

namespace {
// Answers the questions from a script and remembers every box.
class DialoghiProva : public Dialoghi {
public:
    QStringList avvisi;
    QStringList domande;
    QList<bool> risposte; // the next answers; Yes when none is left
    void avviso(const QString &t) override { avvisi += t; }
    bool domanda(const QString &t) override
    {
        domande += t;
        return risposte.isEmpty() ? true : risposte.takeFirst();
    }
    QString chiediTesto(const QString &, const QString &) override { return {}; }
};
} // namespace

class TestTrasportoModem : public QObject {
    Q_OBJECT
    DialoghiProva dialoghi;

private slots:
    void initTestCase()
    {
        Orologio::setVelocita(20);
        Dialoghi::imposta(&dialoghi);
    }
    void cleanupTestCase() { Dialoghi::imposta(nullptr); }
    void init() { dialoghi = DialoghiProva(); }

    // No port answers: every COM number is tried in turn, one notice at the
    // end, the choice screen goes back, and the lobby gets the empty text.
    void nessunModem()
    {
        const int muto = ::posix_openpt(O_RDWR | O_NOCTTY); // nobody answers on it
        QVERIFY(muto >= 0);
        QVERIFY(::grantpt(muto) == 0 && ::unlockpt(muto) == 0);
        const QString percorso = QString::fromLocal8Bit(::ptsname(muto));
        int indietro = 0;
        Schermi::lblquit_Click = [&] { ++indietro; };

        TrasportoModem linea;
        linea.setDispositivi({percorso, QStringLiteral("/dev/does-not-exist")});
        QSignalSpy stati(&Rete::istanza(), &Rete::statoCambiato);
        const QString r = QCoro::waitFor(linea.MODAscolta());

        QCOMPARE(r, QString());
        QVERIFY(!linea.ModemTrovato);
        QVERIFY(!linea.aperta());
        QCOMPARE(indietro, 1);
        QCOMPARE(dialoghi.avvisi, QStringList{QStringLiteral(
            "The program can't find your modem.\r\rTry to test it in control panel, please.")});
        QStringList visti;
        for (const auto &s : stati)
            visti += s.at(0).toString();
        QVERIFY(visti.contains(QStringLiteral("Testing serial port COM 1 (%1)...").arg(percorso)));
        for (int n = 3; n <= 15; ++n)
            QVERIFY2(visti.contains(QStringLiteral("Testing serial port COM %1...").arg(n)),
                     qPrintable(QString::number(n)));
        QCOMPARE(Rete::istanza().Tipo, int(Rete::Modem));
        Schermi::lblquit_Click = nullptr;
        ::close(muto);
    }

    // The whole call: the guest dials, the host is asked at each ring (No
    // once, then Yes), both connect, names go both ways with their echo, and
    // the exchange dropping the call turns the next receive into "break".
    void chiamata()
    {
        EmulatoreModem centrale;
        centrale.setIntervalloSquillo(50);
        const int h = centrale.aggiungiLinea(QStringLiteral("555 100"));
        const int g = centrale.aggiungiLinea(QStringLiteral("555 200"));
        QVERIFY(h >= 0 && g >= 0);
        dialoghi.risposte = {false, true};

        TrasportoModem host, guest;
        // The host's modem is the second COM number: the first is not there.
        host.setDispositivi({QStringLiteral("/dev/does-not-exist"), centrale.percorso(h)});
        guest.setDispositivi({centrale.percorso(g)});

        auto risposta = host.MODAscolta();
        // A number typed with a command in it still only dials.
        auto chiamata = guest.MODConnetti(QStringLiteral("555100\r\nATH"));
        QCOMPARE(QCoro::waitFor(chiamata), QStringLiteral("CONNESSO"));
        QCOMPARE(QCoro::waitFor(risposta), QStringLiteral("CONNESSO"));
        QCOMPARE(host.portaCom(), 2);
        QVERIFY(centrale.inLinea(h) && centrale.inLinea(g));
        QCOMPARE(dialoghi.domande.size(), 2);
        QCOMPARE(dialoghi.domande.first(), QStringLiteral("Detected a ring. Can I answer now ?"));

        // Host speaks first, as the lobby does, then the guest answers.
        auto ricevuto = guest.MODRicevi(Scadenza(-1));
        QCOMPARE(QCoro::waitFor(host.MODInvia(QStringLiteral("Anna"), Scadenza(-1))), QString());
        QCOMPARE(QCoro::waitFor(ricevuto), QStringLiteral("Anna"));

        auto perHost = host.MODRicevi(Scadenza(-1));
        QCOMPARE(QCoro::waitFor(guest.MODInvia(QStringLiteral("Bruno~x"), Scadenza(-1))), QString());
        QCOMPARE(QCoro::waitFor(perHost), QString::fromUtf8("Bruno\u02DCx"));

        for (const QString &m : {QStringLiteral(" 17"), QStringLiteral("Play"), QString()}) {
            auto r = guest.MODRicevi(Scadenza(-1));
            QCOMPARE(QCoro::waitFor(host.MODInvia(m, Scadenza(5))), QString());
            QCOMPARE(QCoro::waitFor(r), m);
        }

        // Nothing sent: a receive with a time-out ends with the time-out.
        QCOMPARE(QCoro::waitFor(guest.MODRicevi(Scadenza(1))), QStringLiteral("TIMEOUT ERROR"));

        // The call drops: the modem's report is the last receive event, and
        // the waiting receive ends with "break" instead of waiting forever.
        auto inAttesa = guest.MODRicevi(Scadenza(-1));
        centrale.riaggancia(h);
        QCOMPARE(QCoro::waitFor(inAttesa), QStringLiteral("break"));
        QCOMPARE(guest.EventoCom, QStringLiteral("Dati dal buffer di ricezione."));
        QCOMPARE(QCoro::waitFor(guest.MODInvia(QStringLiteral("x"), Scadenza(-1))),
                 QStringLiteral("break"));
    }

    // The link window's Disconnect (and the program's end) stops a host that
    // is still waiting for a call; afterwards sends fail with "break".
    void interrottoInAttesa()
    {
        EmulatoreModem centrale;
        const int h = centrale.aggiungiLinea(QStringLiteral("1"));
        TrasportoModem host;
        host.setDispositivi({centrale.percorso(h)});
        auto risposta = host.MODAscolta();
        QTRY_VERIFY(host.aperta());
        Rete::istanza().Interrompi();
        QCOMPARE(QCoro::waitFor(risposta), QStringLiteral("break"));
        QVERIFY(!host.aperta());
        QCOMPARE(QCoro::waitFor(Rete::istanza().Invia(QStringLiteral("x"))), QStringLiteral("break"));
    }

    // A stopped answer wait that wakes after a new one has started must
    // neither close the new call's port nor tell the user anything.
    void fermataVecchia()
    {
        const int muto = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(muto >= 0 && ::grantpt(muto) == 0 && ::unlockpt(muto) == 0);
        EmulatoreModem centrale;
        const int h = centrale.aggiungiLinea(QStringLiteral("1"));
        TrasportoModem linea;
        linea.setDispositivi({QString::fromLocal8Bit(::ptsname(muto))});
        auto vecchia = linea.MODAscolta(); // still probing the silent port
        linea.interrompi();
        linea.setDispositivi({centrale.percorso(h)});
        auto nuova = linea.MODAscolta();
        QCOMPARE(QCoro::waitFor(vecchia), QStringLiteral("break"));
        QTRY_VERIFY(linea.ModemTrovato);
        QVERIFY(linea.aperta());
        QVERIFY(dialoghi.avvisi.isEmpty());
        linea.interrompi();
        QCOMPARE(QCoro::waitFor(nuova), QStringLiteral("break"));
        ::close(muto);
    }

    // Unknown event codes leave the status text as it was.
    void eventoSconosciuto()
    {
        TrasportoModem linea;
        linea.Modem_OnComm(modem::EvCD);
        linea.Modem_OnComm(1005);
        QCOMPARE(linea.EventoCom, QStringLiteral("Modifica nella linea CD (Carrier Detect)."));
        QCOMPARE(Rete::istanza().stato(), linea.EventoCom);
    }
};

QTEST_GUILESS_MAIN(TestTrasportoModem)
#include "test_trasportomodem.moc"
