#include "opponents/Computer.h"

#include <QTest>
#include <set>

using namespace orvento;

class TestComputer : public QObject {
    Q_OBJECT
private slots:
    void primaCarta_data()
    {
        QTest::addColumn<int>("c0");
        QTest::addColumn<int>("c1");
        QTest::addColumn<int>("c2");
        QTest::addColumn<int>("briscola");
        QTest::addColumn<int>("slot");
        QTest::newRow("plain non-briscola first") << 11 << 24 << 32 << 3 << 2;
        QTest::newRow("zero-point briscola before a king") << 10 << 12 << 1 << 2 << 1;
        QTest::newRow("first counting card in slot order") << 30 << 28 << 29 << 1 << 0;
        QTest::newRow("briscola counting card last") << 8 << 1 << 3 << 1 << 0;
        QTest::newRow("non-briscola counting before briscola one") << 9 << 18 << 1 << 1 << 1;
    }
    void primaCarta()
    {
        QFETCH(int, c0);
        QFETCH(int, c1);
        QFETCH(int, c2);
        QFETCH(int, briscola);
        QFETCH(int, slot);
        Casuale rnd(5);
        QCOMPARE(int(PrimaCarta(c0, c1, c2, briscola, rnd)), slot);
    }

    // Aces and threes only, or an empty slot: a uniform random slot (maybe empty).
    void primaCartaACaso()
    {
        Casuale rnd(9);
        std::set<int> visti, vistiVuoto;
        for (int i = 0; i < 300; ++i) {
            visti.insert(PrimaCarta(1, 3, 13, 1, rnd));
            vistiVuoto.insert(PrimaCarta(0, 5, 0, 1, rnd));
        }
        QCOMPARE(visti, (std::set<int>{0, 1, 2}));
        QCOMPARE(vistiVuoto, (std::set<int>{0, 1, 2}));
    }

    void secondaCarta_data()
    {
        QTest::addColumn<int>("c0");
        QTest::addColumn<int>("c1");
        QTest::addColumn<int>("c2");
        QTest::addColumn<int>("tavolo");
        QTest::addColumn<int>("briscola");
        QTest::addColumn<int>("slot");
        QTest::newRow("trump an ace with the cheapest briscola") << 3 << 12 << 30 << 1 << 2 << 1;
        QTest::newRow("king not worth trumping, lowest goes") << 12 << 30 << 39 << 10 << 2 << 0;
        QTest::newRow("follow suit with the best") << 16 << 20 << 5 << 15 << 1 << 1;
        QTest::newRow("equal points: later slot") << 16 << 17 << 30 << 15 << 1 << 1;
        QTest::newRow("briscola led: lowest, earlier slot") << 5 << 12 << 6 << 1 << 1 << 0;
        QTest::newRow("briscola led: lowest even a briscola") << 1 << 13 << 4 << 2 << 1 << 2;
        QTest::newRow("trump on equal points: earlier slot") << 2 << 24 << 5 << 33 << 1 << 0;
    }
    void secondaCarta()
    {
        QFETCH(int, c0);
        QFETCH(int, c1);
        QFETCH(int, c2);
        QFETCH(int, tavolo);
        QFETCH(int, briscola);
        QFETCH(int, slot);
        Casuale rnd(5);
        QCOMPARE(int(SecondaCarta(c0, c1, c2, tavolo, briscola, rnd)), slot);
    }

    // The empty slot's 4 points win the discard, then the redraw picks the
    // king or the ace with equal chance, never the empty slot.
    void secondaCartaMaiVuota()
    {
        Casuale rnd(11);
        int conteggio[3] = {};
        for (int i = 0; i < 2000; ++i)
            ++conteggio[SecondaCarta(0, 30, 31, 15, 1, rnd)];
        QCOMPARE(conteggio[0], 0);
        QVERIFY(conteggio[1] > 850 && conteggio[2] > 850);
        for (int i = 0; i < 200; ++i) {
            QCOMPARE(int(SecondaCarta(0, 0, 7, 15, 1, rnd)), 2);
            QCOMPARE(int(SecondaCarta(9, 0, 0, 35, 3, rnd)), 0);
        }
    }
};

QTEST_APPLESS_MAIN(TestComputer)
#include "test_computer.moc"
