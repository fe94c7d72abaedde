#include "opponents/Protocollo.h"

#include <QTest>

using namespace orvento;

class TestProtocollo : public QObject {
    Q_OBJECT
private slots:
    // Host 1..40 arrives as 1, 21..39, 2..20, 40: the hand blocks exchanged.
    void bloccoScambiato()
    {
        Ordine host{};
        for (int p = 1; p <= 40; ++p)
            host[p] = Carta(p);
        const QStringList testi = testiMazzo(host);
        QCOMPARE(testi.size(), 40);
        QCOMPARE(testi.first(), QStringLiteral(" 1"));
        QCOMPARE(testi[1], QStringLiteral(" 21"));
        QCOMPARE(testi.last(), QStringLiteral(" 40"));

        const auto ospite = mazzoRicevuto(testi);
        QVERIFY(ospite);
        QCOMPARE((*ospite)[1], Carta(1));
        for (int p = 2; p <= 20; ++p)
            QCOMPARE((*ospite)[p], Carta(p + 19));
        for (int p = 21; p <= 39; ++p)
            QCOMPARE((*ospite)[p], Carta(p - 19));
        QCOMPARE((*ospite)[40], Carta(40));

        // Sending the guest's deck back would give the host's again.
        QCOMPARE(*mazzoRicevuto(testiMazzo(*ospite)), host);
    }

    void cartaDaTesto_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("carta"); // 0 = rejected
        QTest::newRow("deck text") << " 17" << 17;
        QTest::newRow("no blank") << "40" << 40;
        QTest::newRow("break") << "break" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("zero") << " 0" << 0;
        QTest::newRow("41") << " 41" << 0;
        QTest::newRow("negative") << "-3" << 0;
        QTest::newRow("huge") << "99999999999999999999" << 0;
    }
    void cartaDaTesto()
    {
        QFETCH(QString, testo);
        QFETCH(int, carta);
        QCOMPARE(orvento::cartaDaTesto(testo).value_or(0), Carta(carta));
    }

    void mazzoDifettoso()
    {
        Ordine host{};
        for (int p = 1; p <= 40; ++p)
            host[p] = Carta(p);
        QStringList testi = testiMazzo(host);
        testi[7] = QStringLiteral("break");
        QVERIFY(!mazzoRicevuto(testi));
        testi[7] = testi[8]; // a card twice
        QVERIFY(!mazzoRicevuto(testi));
        QVERIFY(!mazzoRicevuto(testi.mid(0, 39)));
    }

    void mosse_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("slot"); // -1 = rejected
        QTest::newRow("leftmost") << " 0" << 0;
        QTest::newRow("rightmost") << " 2" << 2;
        QTest::newRow("no blank") << "1" << 1;
        QTest::newRow("three") << " 3" << -1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("break") << "break" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("half rounds to even") << " 2.5" << 2;
    }
    void mosse()
    {
        QFETCH(QString, testo);
        QFETCH(int, slot);
        QCOMPARE(slotDaTesto(testo).value_or(-1), slot);
    }

    void slotDallaPosizione()
    {
        const double cx = 397.5;
        QCOMPARE(testoMossa(slotDaSinistra(262.5, cx)), QStringLiteral(" 0"));
        QCOMPARE(testoMossa(slotDaSinistra(347.5, cx)), QStringLiteral(" 1"));
        QCOMPARE(testoMossa(slotDaSinistra(432.5, cx)), QStringLiteral(" 2"));
    }
};

QTEST_APPLESS_MAIN(TestProtocollo)
#include "test_protocollo.moc"
