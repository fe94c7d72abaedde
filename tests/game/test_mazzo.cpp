#include "game/Mazzo.h"
#include "game/Partita.h"

#include <QTest>

using namespace orvento;

class TestMazzo : public QObject {
    Q_OBJECT
private slots:
    void mescolaEUnaPermutazione()
    {
        Casuale rnd(1);
        std::array<int, 41> primaPosizione{};
        for (int i = 0; i < 2000; ++i) {
            const Ordine o = mescola(rnd);
            QVERIFY(ePermutazione(o));
            ++primaPosizione[o[1]];
        }
        // Every card turns up as the briscola now and then (2000 / 40 = 50 each).
        for (int n = 1; n <= 40; ++n)
            QVERIFY2(primaPosizione[n] > 15, qPrintable(QString::number(n)));
    }

    // A seeded shuffle pinned to a known order: any change to the shuffle or
    // the generator shows up here.
    void mescolaConSemeFisso()
    {
        Casuale rnd(2026);
        const Ordine o = mescola(rnd);
        QString s;
        for (int p = 1; p <= 40; ++p)
            s += QString::number(o[p]) + QLatin1Char(' ');
        QCOMPARE(s.trimmed(), QStringLiteral("13 23 36 6 38 22 12 37 35 9 26 25 5 34 1 4 28 18 27 31 19 32 33 29 20 10 39 3 30 15 14 21 7 17 16 40 2 11 24 8"));
    }

    void permutazioneRifiutata()
    {
        Ordine o{};
        for (int p = 1; p <= 40; ++p)
            o[p] = Carta(p);
        QVERIFY(ePermutazione(o));
        o[5] = 6;
        QVERIFY(!ePermutazione(o));
        o[5] = 41;
        QVERIFY(!ePermutazione(o));
    }

    void pescata_data()
    {
        QTest::addColumn<int>("pesca");
        QTest::addColumn<bool>("localePrende");
        QTest::addColumn<int>("locale");
        QTest::addColumn<int>("avversario");
        QTest::newRow("after trick 1") << 5 << false << 5 << 24;
        QTest::newRow("after trick 16") << 20 << true << 20 << 39;
        QTest::newRow("trick 17 local wins") << 21 << true << 40 << 1;
        QTest::newRow("trick 17 opponent wins") << 21 << false << 1 << 40;
        QTest::newRow("after trick 18") << 22 << true << 0 << 0;
        QTest::newRow("after trick 20") << 24 << false << 0 << 0;
    }
    void pescata()
    {
        QFETCH(int, pesca);
        QFETCH(bool, localePrende);
        QFETCH(int, locale);
        QFETCH(int, avversario);
        const Pescata p = orvento::pescata(pesca, localePrende);
        QCOMPARE(p.locale, locale);
        QCOMPARE(p.avversario, avversario);
    }

    void toolTipDelMazzo()
    {
        QCOMPARE(toolTipMazzo(4), QStringLiteral(" 33 cards"));
        QCOMPARE(toolTipMazzo(5), QStringLiteral(" 31 cards"));
        QCOMPARE(toolTipMazzo(19), QStringLiteral(" 3 cards"));
        QCOMPARE(toolTipMazzo(20), QStringLiteral("Last card"));
    }

    // The deal and the draws put the right positions into the right slots.
    void distribuzioneEPescate()
    {
        Ordine o{};
        for (int p = 1; p <= 40; ++p)
            o[p] = Carta(p); // card number = position, so slots show positions
        Partita partita;
        partita.inizia(o);
        QCOMPARE(partita.pesca(), 4);
        QCOMPARE(partita.semeBriscola(), 1);
        QCOMPARE(partita.mano(Locale), (std::array<Carta, 3>{2, 3, 4}));
        QCOMPARE(partita.mano(Avversario), (std::array<Carta, 3>{21, 22, 23}));

        QVERIFY(partita.gioca(Avversario, 1));
        QVERIFY(!partita.gioca(Avversario, 0)); // one card per trick
        QVERIFY(partita.gioca(Locale, 2));
        partita.chiudiPresa(false);
        partita.pesca(true);
        QCOMPARE(partita.mano(Locale), (std::array<Carta, 3>{2, 3, 5}));
        QCOMPARE(partita.mano(Avversario), (std::array<Carta, 3>{21, 24, 23}));
        QVERIFY(!partita.gioca(Locale, 3));
    }
};

QTEST_APPLESS_MAIN(TestMazzo)
#include "test_mazzo.moc"
