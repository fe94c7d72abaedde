// briscola-selfplay: whole games of the computer against itself on the real
// game state, as a tool (how does the computer fare, how fast is the core) and
// as a test (every game must obey the rules).

#include "base/Casuale.h"
#include "game/Mazzo.h"
#include "opponents/AutoGioco.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>

using namespace orvento;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("briscola-selfplay"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays N whole games of briscola, computer against computer."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("N"), QStringLiteral("games to play (default 1000)"));
    const QCommandLineOption seedOpt(QStringLiteral("seed"),
                                     QStringLiteral("seed of the generator, for a repeatable run"),
                                     QStringLiteral("S"));
    const QCommandLineOption traceOpt(QStringLiteral("trace"), QStringLiteral("print every game"));
    const QCommandLineOption shuffleOpt(QStringLiteral("shuffle-only"),
                                        QStringLiteral("only shuffle N decks (a baseline for benchmarks)"));
    parser.addOption(seedOpt);
    parser.addOption(shuffleOpt);
    parser.addOption(traceOpt);
    parser.process(app);

    long long partite = 1000;
    if (!parser.positionalArguments().isEmpty()) {
        bool ok = false;
        partite = parser.positionalArguments().first().toLongLong(&ok);
        if (!ok || partite < 0) {
            std::fprintf(stderr, "briscola-selfplay: N must be a whole number >= 0\n");
            return 2;
        }
    }
    Casuale rnd = Casuale::dallOrologio();
    if (parser.isSet(seedOpt)) {
        bool ok = false;
        const qulonglong seme = parser.value(seedOpt).toULongLong(&ok);
        if (!ok) {
            std::fprintf(stderr, "briscola-selfplay: --seed needs a whole number\n");
            return 2;
        }
        rnd = Casuale(seme);
    }
    const bool traccia = parser.isSet(traceOpt);

    QTextStream out(stdout);
    std::function<void(const QString &)> scrivi;
    if (traccia)
        scrivi = [&out](const QString &riga) { out << riga << '\n'; };

    if (parser.isSet(shuffleOpt)) {
        QElapsedTimer t;
        t.start();
        long long controllo = 0;
        for (long long i = 0; i < partite; ++i)
            controllo += mescola(rnd)[1];
        const double sec = t.nsecsElapsed() / 1e9;
        out << QStringLiteral("shuffles per second %1 (check %2)\n")
                   .arg(sec > 0 ? partite / sec : 0.0, 0, 'f', 0)
                   .arg(controllo);
        return 0;
    }

    long long totA = 0, totB = 0, irregolari = 0;
    QElapsedTimer tempo;
    tempo.start();
    for (long long i = 1; i <= partite; ++i) {
        const EsitoAutoGioco e = autoGioca(rnd, int(i), scrivi);
        totA += e.puntiA;
        totB += e.puntiB;
        if (!e.regolare) {
            ++irregolari;
            std::fprintf(stderr, "game %lld: %s\n", i, qPrintable(e.errore));
        }
    }
    const double secondi = tempo.nsecsElapsed() / 1e9;

    const double n = partite > 0 ? double(partite) : 1.0;
    out << QStringLiteral("games %1\n").arg(partite);
    out << QStringLiteral("games per second %1\n")
               .arg(secondi > 0 ? partite / secondi : 0.0, 0, 'f', 0);
    out << QStringLiteral("mean points A %1 B %2\n")
               .arg(totA / n, 0, 'f', 2)
               .arg(totB / n, 0, 'f', 2);
    out << QStringLiteral("all totals 120: %1\n").arg(irregolari == 0 ? "yes" : "no");
    out.flush();
    return irregolari == 0 ? 0 : 1;
}
