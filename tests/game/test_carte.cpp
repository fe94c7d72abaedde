#include "game/Carte.h"

#include <QTest>

using namespace orvento;

class TestCarte : public QObject {
    Q_OBJECT
private slots:
    void punti_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("punti");
        QTest::newRow("empty slot") << 0 << 4;
        QTest::newRow("ace of batons") << 21 << 11;
        QTest::newRow("jack of swords") << 38 << 2;
        QTest::newRow("king of swords") << 40 << 4;
        QTest::newRow("seven of batons") << 27 << 0;
        QTest::newRow("three of coins") << 3 << 10;
        QTest::newRow("knight of cups") << 19 << 3;
        QTest::newRow("out of range 255") << 255 << 0;
    }
    void punti()
    {
        QFETCH(int, n);
        QFETCH(int, punti);
        QCOMPARE(int(Punti(std::uint8_t(n))), punti);
    }

    // The face texts read from the same table as Punti, and the deck holds 120.
    void testiDeiVolti()
    {
        int totale = 0;
        for (int n = 1; n <= 40; ++n) {
            QCOMPARE(tagPunti(n), QString::number(Punti(std::uint8_t(n))));
            QCOMPARE(toolTipPunti(n), tagPunti(n) + QStringLiteral(" points"));
            totale += Punti(std::uint8_t(n));
        }
        QCOMPARE(totale, 120);
        QCOMPARE(toolTipPunti(1), QStringLiteral("11 points"));
        QCOMPARE(toolTipPunti(2), QStringLiteral("0 points"));
    }

    void semeERango()
    {
        QCOMPARE(seme(0), 0);
        QCOMPARE(seme(1), 1);
        QCOMPARE(seme(10), 1);
        QCOMPARE(seme(11), 2);
        QCOMPARE(seme(30), 3);
        QCOMPARE(seme(31), 4);
        QCOMPARE(seme(40), 4);
        QCOMPARE(rango(10), 10);
        QCOMPARE(rango(31), 1);
        // Strength order inside a suit, strongest first.
        const int ordine[] = {1, 3, 10, 9, 8, 7, 6, 5, 4, 2};
        for (int i = 0; i + 1 < 10; ++i) {
            const auto e = orvento::verifica(Carta(ordine[i]), Carta(ordine[i + 1]), 4, false);
            QVERIFY2(e.turno, qPrintable(QString("%1 beats %2").arg(ordine[i]).arg(ordine[i + 1])));
        }
    }

    void verifica_data()
    {
        QTest::addColumn<int>("locale");
        QTest::addColumn<int>("avversario");
        QTest::addColumn<int>("briscola");
        QTest::addColumn<bool>("turnoPrima");
        QTest::addColumn<bool>("turnoDopo");
        QTest::addColumn<int>("punti");
        QTest::addColumn<QChar>("caso");
        // Briscola coins: two of cups led, ace of swords answered: the leader takes it.
        QTest::newRow("F leader wins") << 12 << 31 << 1 << true << true << 11 << QChar('F');
        QTest::newRow("F opponent led") << 31 << 12 << 1 << false << false << 11 << QChar('F');
        QTest::newRow("B two of coins") << 12 << 2 << 1 << true << false << 0 << QChar('B');
        QTest::newRow("E equal points higher number") << 14 << 12 << 1 << false << true << 0 << QChar('E');
        QTest::newRow("E lower number loses") << 12 << 14 << 1 << true << false << 0 << QChar('E');
        QTest::newRow("D three beats king of briscola") << 10 << 3 << 1 << true << false << 14 << QChar('D');
        QTest::newRow("C same suit more points") << 3 << 10 << 1 << false << true << 14 << QChar('C');
        QTest::newRow("A two of briscola beats ace") << 22 << 1 << 3 << false << true << 11 << QChar('A');
    }
    void verifica()
    {
        QFETCH(int, locale);
        QFETCH(int, avversario);
        QFETCH(int, briscola);
        QFETCH(bool, turnoPrima);
        QFETCH(bool, turnoDopo);
        QFETCH(int, punti);
        QFETCH(QChar, caso);
        const auto e = orvento::verifica(Carta(locale), Carta(avversario), briscola, turnoPrima);
        QCOMPARE(e.turno, turnoDopo);
        QCOMPARE(e.punti, punti);
        QCOMPARE(QChar(e.caso), caso);
    }
};

QTEST_APPLESS_MAIN(TestCarte)
#include "test_carte.moc"
