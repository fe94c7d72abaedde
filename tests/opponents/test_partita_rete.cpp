// Whole games between two copies of the game table, each in its own process,
// over a real link: TCP on the loopback, and a modem line through the
// emulated telephone exchange. This process is the host; it starts a second
// copy of itself as the guest. Both click their cards the way a player does,
// with the pacing clock sped up.

#include "base/Orologio.h"
#include "base/Schermi.h"
#include "game/Globali.h"
#include "game/briscola.h"
#include "link/Rete.h"
#include "link/modem/TrasportoModem.h"
#include "link/tcp/TrasportoLan.h"
#include "shell/Caratteri.h"
#include "EmulatoreModem.h"

#include <QApplication>
#include <QCoro/QCoroTask>
#include <QProcess>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace orvento;

namespace {

QString riga(const QString &chi, const briscola &t)
{
    QString s = chi + QStringLiteral(" %1 %2 deck").arg(puntiGiocatore).arg(puntiAvversario);
    for (int p = 1; p <= 40; ++p)
        s += QLatin1Char(' ') + QString::number(t.ordine[p]);
    return s;
}

// Clicks a hand card whenever the table takes one.
void giocaDaSolo(briscola *t, QObject *contesto)
{
    auto *timer = new QTimer(contesto);
    QObject::connect(timer, &QTimer::timeout, t, [t] {
        if (t->occupato || !(t->giocata[2] != 0 || t->turno))
            return;
        for (int s = 0; s < 3; ++s)
            if (Carta c = t->stato().mano(Locale, s)) {
                QTest::mouseClick(t->carta(c), Qt::LeftButton, {}, QPoint(5, 5));
                return;
            }
    });
    timer->start(1);
}

// The guest: joins, plays two games, prints each result and leaves.
int ospite(const QStringList &args)
{
    // The connection at the real pace (its waits are modem and network
    // time-outs), the games sped up.
    Orologio::setVelocita(1);
    QString esito;
    if (args.value(0) == QLatin1String("lan")) {
        TrasportoLan::istanza().setPorta(quint16(args.value(1).toUInt()));
        esito = QCoro::waitFor(Rete::istanza().LANConnetti(QStringLiteral("127.0.0.1")));
    } else {
        TrasportoModem::istanza().setDispositivi({args.value(1)});
        esito = QCoro::waitFor(TrasportoModem::istanza().MODConnetti(QStringLiteral("100")));
    }
    if (esito != QLatin1String("CONNESSO")) {
        std::printf("NOLINK %s\n", qPrintable(esito));
        return 2;
    }
    if (qEnvironmentVariableIsSet("BRISCOLA_DEBUG_GUEST"))
        std::fprintf(stderr, "guest connected, Tipo %d\n", Rete::istanza().Tipo);
    Orologio::setVelocita(2000);
    NomeClient = QStringLiteral("Bruno");
    NomeServer = QStringLiteral("Anna");
    QWidget finestra;
    finestra.resize(800, 600);
    auto *t = new briscola(&finestra);
    t->Tag = QStringLiteral("client");
    briscola::avviso = [](QWidget *, const QString &testo) {
        std::printf("LOST %s\n", qPrintable(testo));
        std::fflush(stdout);
        std::_Exit(3);
    };
    int partite = 0;
    t->mostraPunteggio = [&] {
        std::printf("%s\n", qPrintable(riga(QStringLiteral("GUEST"), *t)));
        std::fflush(stdout);
        if (++partite < 2)
            QTimer::singleShot(0, t, [t] { t->Form_Activate(); });
        else
            QCoreApplication::exit(0);
    };
    finestra.show();
    giocaDaSolo(t, &finestra);
    t->Form_Activate();
    return QApplication::exec();
}

} // namespace

class TestPartitaRete : public QObject {
    Q_OBJECT

    // Plays as host against a guest process; returns the guest's output.
    void partite(const QString &tipo, const QStringList &argsOspite,
                 const std::function<QString()> &connetti,
                 const std::function<void()> &ospiteUscito = {})
    {
        QProcess guest;
        // When the guest's program ends, its line goes down (a modem hangs
        // up when the port's DTR drops; a socket closes by itself).
        if (ospiteUscito)
            connect(&guest, &QProcess::finished, this, [&] { ospiteUscito(); });
        guest.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (qEnvironmentVariableIsSet("BRISCOLA_DEBUG_GUEST"))
            guest.setProcessChannelMode(QProcess::ForwardedChannels);
        QStringList args = {QStringLiteral("--ospite"), tipo};
        args << argsOspite;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("BRISCOLA_AUDIO"), QStringLiteral("0"));
        guest.setProcessEnvironment(env);
        guest.start(QCoreApplication::applicationFilePath(), args);
        QVERIFY(guest.waitForStarted());

        Orologio::setVelocita(1);
        QCOMPARE(connetti(), QStringLiteral("CONNESSO"));
        Orologio::setVelocita(2000);

        NomeServer = QStringLiteral("Anna");
        NomeClient = QStringLiteral("Bruno");
        QWidget finestra;
        finestra.resize(800, 600);
        auto *t = new briscola(&finestra);
        t->Tag = QStringLiteral("server");
        QStringList mie;
        QString perso;
        briscola::avviso = [&](QWidget *, const QString &testo) { perso = testo; };
        bool terminato = false;
        Schermi::terminaSubito = [&] { terminato = true; };
        t->mostraPunteggio = [&] {
            mie << riga(QStringLiteral("HOST"), *t);
            // NEW GAME after each game; the third one finds the guest gone.
            QTimer::singleShot(0, t, [t] { t->Form_Activate(); });
        };
        finestra.show();
        giocaDaSolo(t, &finestra);
        t->Form_Activate();

        QTRY_VERIFY_WITH_TIMEOUT(terminato, 60000);
        Schermi::terminaSubito = nullptr;
        briscola::avviso = nullptr;
        const bool finito = guest.state() == QProcess::NotRunning || guest.waitForFinished(10000);
        if (!finito)
            qWarning("guest said: %s", guest.readAllStandardOutput().constData());
        QVERIFY(finito);
        QCOMPARE(guest.exitCode(), 0);
        const QStringList sue = QString::fromLocal8Bit(guest.readAllStandardOutput())
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);

        // The guest left after two games: the host's next deck send fails and
        // the host is told, naming the guest.
        QCOMPARE(perso, QStringLiteral("Bruno no more on line."));
        QCOMPARE(mie.size(), 2);
        QCOMPARE(sue.size(), 2);
        for (int g = 0; g < 2; ++g) {
            const QStringList h = mie[g].split(' ');
            const QStringList o = sue[g].split(' ');
            QCOMPARE(o[0], QStringLiteral("GUEST"));
            // The same two totals, seen from opposite seats.
            QCOMPARE(h[1], o[2]);
            QCOMPARE(h[2], o[1]);
            QCOMPARE(h[1].toInt() + h[2].toInt(), 120);
            // The guest holds the host's deck with the hand blocks exchanged.
            auto pos = [](const QStringList &r, int p) { return r[3 + p].toInt(); };
            QCOMPARE(pos(o, 1), pos(h, 1));
            QCOMPARE(pos(o, 40), pos(h, 40));
            for (int p = 2; p <= 20; ++p) {
                QCOMPARE(pos(o, p), pos(h, p + 19));
                QCOMPARE(pos(o, p + 19), pos(h, p));
            }
        }
        QVERIFY(mie[0] != mie[1]); // a fresh shuffle for the second game
        delete t;
    }

private slots:
    void initTestCase()
    {
        registraCaratteri();
        Orologio::setVelocita(2000);
    }

    void perLaRete()
    {
        // A free loopback port for this run.
        QTcpServer sonda;
        QVERIFY(sonda.listen(QHostAddress::LocalHost, 0));
        const quint16 porta = sonda.serverPort();
        sonda.close();
        TrasportoLan::istanza().setPorta(porta);
        TrasportoLan::istanza().setIndirizzoAscolto(QHostAddress::LocalHost);
        partite(QStringLiteral("lan"), {QString::number(porta)},
                [] { return QCoro::waitFor(Rete::istanza().LANAscolta(30)); });
    }

    void perModem()
    {
        emulatore::EmulatoreModem centrale;
        centrale.setIntervalloSquillo(50);
        const int h = centrale.aggiungiLinea(QStringLiteral("100"));
        const int g = centrale.aggiungiLinea(QStringLiteral("200"));
        if (h < 0 || g < 0)
            QSKIP("no pseudo-terminals here");
        TrasportoModem::istanza().setDispositivi({centrale.percorso(h)});
        partite(QStringLiteral("modem"), {centrale.percorso(g)},
                [] { return QCoro::waitFor(TrasportoModem::istanza().MODAscolta()); },
                [&] { centrale.riaggancia(g); });
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int i = args.indexOf(QStringLiteral("--ospite"));
    if (i >= 0) {
        registraCaratteri();
        return ospite(args.mid(i + 1));
    }
    TestPartitaRete test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_partita_rete.moc"
