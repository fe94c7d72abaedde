#include "opponents/AutoGioco.h"

#include <QTest>

using namespace orvento;

class TestAutoGioco : public QObject {
    Q_OBJECT
private slots:
    // A traced game follows the rules line by line: 20 tricks, each card once,
    // the winner of a trick leads the next, the points add up to 120.
    void partitaTracciata()
    {
        Casuale rnd(42);
        QStringList righe;
        const auto e = autoGioca(rnd, 1, [&](const QString &r) { righe << r; });
        QVERIFY2(e.regolare, qPrintable(e.errore));
        QCOMPARE(righe.size(), 22);
        QVERIFY(righe.first().startsWith(QStringLiteral("game 1 deck ")));
        QCOMPARE(righe.first().split(' ').size(), 43);
        QCOMPARE(righe.last(), QStringLiteral("end %1 %2").arg(e.puntiA).arg(e.puntiB));

        QChar chiPrende = QLatin1Char('B');
        int somma = 0;
        for (int k = 1; k <= 20; ++k) {
            const QStringList t = righe[k].split(' ');
            QCOMPARE(t[0], QStringLiteral("trick"));
            QCOMPARE(t[1].toInt(), k);
            QCOMPARE(t[3].at(0), chiPrende); // the first lead is B's, then the winner's
            chiPrende = t[7].at(0);
            somma += t[9].toInt();
        }
        QCOMPARE(somma, 120);
    }

    void stessoSemeStessaPartita()
    {
        Casuale a(99), b(99);
        QStringList ra, rb;
        autoGioca(a, 1, [&](const QString &r) { ra << r; });
        autoGioca(b, 1, [&](const QString &r) { rb << r; });
        QCOMPARE(ra, rb);
    }
};

QTEST_APPLESS_MAIN(TestAutoGioco)
#include "test_autogioco.moc"
