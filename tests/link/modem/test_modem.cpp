// The modem line's pure rules: cleaning and framing, the echo test, event
// texts, the dial-string filter and the COM device map.

#include "link/modem/Modem.h"

#include <QTest>

using namespace orvento::modem;

class TestModem : public QObject {
    Q_OBJECT
private slots:
    void pulisci_data()
    {
        QTest::addColumn<QByteArray>("dentro");
        QTest::addColumn<QByteArray>("fuori");
        QTest::newRow("plain") << QByteArray("Mario~") << QByteArray("Mario~");
        QTest::newRow("line ends") << QByteArray("\r\nRING\r\n") << QByteArray("RING");
        QTest::newRow("NUL inside") << QByteArray("Ma\0r\rio~\n", 9) << QByteArray("Mario~");
        QTest::newRow("only breaks") << QByteArray("\r\n\r\n") << QByteArray();
    }
    void pulisci()
    {
        QFETCH(QByteArray, dentro);
        QFETCH(QByteArray, fuori);
        QCOMPARE(Pulisci(dentro), fuori);
    }

    void cornice_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("linea");
        QTest::newRow("name") << QStringLiteral("Mario") << QByteArray("Mario~\r\n");
        QTest::newRow("number") << QStringLiteral(" 17") << QByteArray(" 17~\r\n");
        QTest::newRow("empty") << QString() << QByteArray("~\r\n");
        // A "~" would end the message early, breaking the lock-step; line
        // breaks and NUL would be dropped by the receiver and the echo
        // would never match.
        QTest::newRow("tilde") << QStringLiteral("a~b") << QByteArray("a\xCB\x9C" "b~\r\n");
        QTest::newRow("breaks and NUL") << QStringLiteral("a\r\nb") + QChar(0) << QByteArray("ab~\r\n");
        QTest::newRow("accent") << QStringLiteral("Niccolò") << QByteArray("Niccol\xC3\xB2~\r\n");
    }
    void cornice()
    {
        QFETCH(QString, testo);
        QFETCH(QByteArray, linea);
        QCOMPARE(orvento::modem::cornice(testo), linea);
        // What the receiver keeps of the frame is what the sender looks for
        // in the echo.
        QVERIFY(ecoArrivato(Pulisci(linea), testo));
    }

    void eco()
    {
        QVERIFY(ecoArrivato("ATE0Mario~", QStringLiteral("Mario")));
        QVERIFY(!ecoArrivato("Mario", QStringLiteral("Mario")));
        QVERIFY(!ecoArrivato("Mario~x", QStringLiteral("Mario")));
        QVERIFY(!ecoArrivato("ario~", QStringLiteral("Mario")));
    }

    void eventi_data()
    {
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("testo");
        QTest::newRow("receive") << 2 << QStringLiteral("Dati dal buffer di ricezione.");
        QTest::newRow("CD") << 5 << QStringLiteral("Modifica nella linea CD (Carrier Detect).");
        QTest::newRow("DSR keeps its blank") << 4
            << QStringLiteral("Modifica nella linea DSR (Data Set Ready). ");
        QTest::newRow("CTS time-out joined without blank") << 1002
            << QStringLiteral("Durante la trasmissione di un carattere,la linea CTS non è risultata attiva "
                              "per l'intervallo specificato dal sistema.");
        QTest::newRow("DSR time-out, no full stop") << 1003
            << QStringLiteral("Durante la trasmissione di un carattere, la linea DSR non è risultata "
                              "attiva per l'intervallo specificato dal sistema");
        QTest::newRow("parity") << 1009 << QStringLiteral("È stato rilevato un errore di parità.");
        QTest::newRow("EOF") << 7
            << QStringLiteral("Ricevuto carattere indicatore di fine file (carattere ASCII 26).");
    }
    void eventi()
    {
        QFETCH(int, codice);
        QFETCH(QString, testo);
        QCOMPARE(testoEvento(codice).value_or(QString()), testo);
    }
    void eventiSconosciuti()
    {
        for (int codice : {0, 8, 1005, 1012, -1})
            QVERIFY2(!testoEvento(codice), qPrintable(QString::number(codice)));
    }

    void numero_data()
    {
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("composto");
        QTest::newRow("plain") << "0612345678" << "0612345678";
        QTest::newRow("spaces kept") << "06 123 456" << "06 123 456";
        QTest::newRow("modifiers") << "9w,0612#*!@" << "9W,0612#*!@";
        QTest::newRow("punctuation") << "+39 (06) 12-34" << "+39 (06) 12-34";
        QTest::newRow("CR ends the command") << "123\rATH" << "123AT";
        QTest::newRow("LF and reset") << "123\nATZ" << "123AT";
        QTest::newRow("semicolon back to command mode") << "123;S0=1" << "12301";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("non-ASCII digits") << QString::fromUtf8("١٢٣") << "";
    }
    void numero()
    {
        QFETCH(QString, digitato);
        QFETCH(QString, composto);
        QCOMPARE(numeroComponibile(digitato), composto);
    }

    void ordine()
    {
        const QStringList trovati = {"/dev/ttyACM0", "/dev/ttyUSB1", "/dev/ttyS10", "/dev/ttyUSB0",
                                     "/dev/ttyS2", "/dev/ttyS0"};
        const QStringList atteso = {"/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0",
                                    "/dev/ttyUSB1", "/dev/ttyACM0"};
        QCOMPARE(ordinaDispositivi(trovati), atteso);
        QCOMPARE(dispositivoCom(atteso, 1), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(dispositivoCom(atteso, 4), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(dispositivoCom(atteso, 7), QString());
        QCOMPARE(dispositivoCom(atteso, 0), QString());
    }

    void variabile()
    {
        QCOMPARE(dispositiviDaVariabile(QStringLiteral("/dev/pts/5:/dev/pts/7")),
                 (QStringList{"/dev/pts/5", "/dev/pts/7"}));
        QCOMPARE(dispositiviDaVariabile(QStringLiteral(":/dev/pts/5::")), QStringList{"/dev/pts/5"});
        // The variable replaces the machine's list entirely, in its own order.
        qputenv(kVariabilePorte, "/dev/pts/9:/dev/ttyS0");
        QCOMPARE(dispositiviCom(), (QStringList{"/dev/pts/9", "/dev/ttyS0"}));
        qunsetenv(kVariabilePorte);
        for (const QString &d : dispositiviCom())
            QVERIFY2(d.startsWith(QLatin1String("/dev/tty")), qPrintable(d));
    }
};

QTEST_GUILESS_MAIN(TestModem)
#include "test_modem.moc"
