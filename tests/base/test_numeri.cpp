#include "base/Numeri.h"

#include <QTest>
#include <cfloat>

using namespace orvento;

class TestNumeri : public QObject {
    Q_OBJECT
private slots:
    void leggiNumero_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("atteso");
        QTest::newRow("deck text") << " 17" << 17.0;
        QTest::newRow("blanks then junk") << "  17abc" << 17.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks only") << "    " << 0.0;
        QTest::newRow("break") << "break" << 0.0;
        QTest::newRow("minus") << "-5" << -5.0;
        QTest::newRow("plus") << "+3" << 3.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("inner blank stops") << " 1 2" << 1.0;
        QTest::newRow("decimal") << " 2.5x" << 2.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("dangling exponent") << "7e" << 7.0;
        QTest::newRow("tab and newline") << "\t\n9" << 9.0;
        QTest::newRow("huge") << QString(400, QLatin1Char('9')) << DBL_MAX;
        QTest::newRow("huge exponent") << "1e99999999" << DBL_MAX;
        QTest::newRow("tiny exponent") << "1e-99999999" << 0.0;
        QTest::newRow("comma is no point") << "3,7" << 3.0;
    }
    void leggiNumero()
    {
        QFETCH(QString, testo);
        QFETCH(double, atteso);
        QCOMPARE(orvento::leggiNumero(testo), atteso);
    }

    void arrotondamento_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("atteso");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("1.49") << 1.49 << 1;
        QTest::newRow("start-up target 2.4+2") << 4.4 << 4;
        QTest::newRow("huge saturates") << 1e300 << INT_MAX;
        QTest::newRow("huge negative saturates") << -1e300 << INT_MIN;
    }
    void arrotondamento()
    {
        QFETCH(double, x);
        QFETCH(int, atteso);
        QCOMPARE(arrotondaPari(x), atteso);
    }

    void intero16_limiti()
    {
        QCOMPARE(intero16(32767.4).value(), std::int16_t(32767));
        QVERIFY(!intero16(32767.5)); // rounds to 32768: does not fit
        QCOMPARE(intero16(-32768.0).value(), std::int16_t(-32768));
        QVERIFY(!intero16(DBL_MAX));
        QCOMPARE(intero16(orvento::leggiNumero(u" 40")).value(), std::int16_t(40));
    }

    void testoNumero()
    {
        QCOMPARE(orvento::testoNumero(7), QStringLiteral(" 7"));
        QCOMPARE(orvento::testoNumero(0), QStringLiteral(" 0"));
        QCOMPARE(orvento::testoNumero(40), QStringLiteral(" 40"));
        QCOMPARE(orvento::testoNumero(-3), QStringLiteral("-3"));
    }
};

QTEST_APPLESS_MAIN(TestNumeri)
#include "test_numeri.moc"
