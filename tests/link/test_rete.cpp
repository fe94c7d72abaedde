#include "base/Orologio.h"
#include "link/Rete.h"

#include <QCoro/QCoroTask>
#include <QTest>

using namespace orvento;

namespace {
template <typename T>
T aspetta(QCoro::Task<T> task)
{
    return QCoro::waitFor(std::move(task));
}
} // namespace

class TestRete : public QObject {
    Q_OBJECT
private slots:
    void senzaTrasportoRitornaSubito()
    {
        Rete &rete = Rete::istanza();
        QCOMPARE(rete.Tipo, 0);
        const double prima = Orologio::secondi();
        QCOMPARE(aspetta(rete.Invia(QStringLiteral(" 7"))), QString());
        QCOMPARE(aspetta(rete.Ricevi()), QString());
        QCOMPARE(aspetta(rete.Invia(QStringLiteral("Play"), 5)), QString());
        QVERIFY(Orologio::secondi() - prima < 0.5);
    }

    void testiDeiRisultati()
    {
        QCOMPARE(risultato::CONNESSO, QStringLiteral("CONNESSO"));
        QCOMPARE(risultato::TIMEOUT, QStringLiteral("TIMEOUT ERROR"));
        QCOMPARE(risultato::BREAK, QStringLiteral("break"));
        QVERIFY(risultato::VUOTO.isEmpty());
        QVERIFY(QStringLiteral("Break") != risultato::BREAK);
    }

    void scadenza_data()
    {
        QTest::addColumn<int>("secondi");
        QTest::addColumn<double>("inizio");
        QTest::addColumn<double>("adesso");
        QTest::addColumn<bool>("scaduta");
        QTest::newRow("none never") << -1 << 10.0 << 1e9 << false;
        QTest::newRow("0 at once") << 0 << 10.0 << 10.01 << true;
        QTest::newRow("0 not yet at start") << 0 << 10.0 << 10.0 << false;
        QTest::newRow("exactly the limit") << 5 << 10.0 << 15.0 << false;
        QTest::newRow("just past the limit") << 5 << 10.0 << 15.001 << true;
        QTest::newRow("start rounded down") << 5 << 10.4 << 15.2 << true;
        QTest::newRow("start rounded up") << 5 << 10.6 << 15.9 << false;
        QTest::newRow("half to even") << 5 << 10.5 << 15.2 << true;
    }
    void scadenza()
    {
        QFETCH(int, secondi);
        QFETCH(double, inizio);
        QFETCH(double, adesso);
        QFETCH(bool, scaduta);
        QCOMPARE(Scadenza(secondi, inizio).scadutaA(adesso), scaduta);
    }

    // The pacing clock is monotonic and its pauses follow its speed.
    void orologioAccelerato()
    {
        Orologio::setVelocita(100.0);
        const double primaPaced = Orologio::secondi();
        QElapsedTimer reale;
        reale.start();
        QCoro::waitFor(attendi(2.0));
        QVERIFY(Orologio::secondi() - primaPaced >= 2.0);
        QVERIFY(reale.elapsed() < 1000);
        Orologio::setVelocita(1.0);
        QVERIFY(Orologio::secondi() >= primaPaced + 2.0);
    }
};

QTEST_GUILESS_MAIN(TestRete)
#include "test_rete.moc"
