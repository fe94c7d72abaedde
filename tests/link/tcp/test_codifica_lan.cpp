#include "link/tcp/CodificaLan.h"

#include <QTest>

using namespace orvento;

class TestCodificaLan : public QObject {
    Q_OBJECT
private slots:
    void codifica_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("plain name") << QStringLiteral("Anna") << QByteArray("Anna");
        QTest::newRow("deck text") << QStringLiteral(" 17") << QByteArray(" 17");
        QTest::newRow("latin-1 letters") << QStringLiteral("Zoë Niño")
                                         << QByteArray("Zo\xEB Ni\xF1o");
        QTest::newRow("euro and quotes") << QStringLiteral("€ “x”")
                                         << QByteArray("\x80 \x93x\x94");
        QTest::newRow("outside the code page") << QStringLiteral("日本") << QByteArray("??");
        // A character beyond the basic plane is two UTF-16 units: still one byte.
        QTest::newRow("emoji is one byte") << QStringLiteral("a😀b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void codifica()
    {
        QFETCH(QString, testo);
        QFETCH(QByteArray, byte);
        QCOMPARE(codificaLan(testo), byte);
        QCOMPARE(comeSulFilo(testo), decodificaLan(byte));
    }

    // Every byte a peer may send reads as one character and goes back out as
    // the same byte, the five unused code points included.
    void ogniByteTornaUguale()
    {
        QByteArray tutti;
        for (int b = 0; b < 256; ++b)
            tutti.append(char(b));
        const QString testo = decodificaLan(tutti);
        QCOMPARE(testo.size(), 256);
        QCOMPARE(codificaLan(testo), tutti);
        QCOMPARE(testo.at(0x80), QChar(0x20AC));
        QCOMPARE(testo.at(0x81), QChar(0x81));
    }
};

QTEST_GUILESS_MAIN(TestCodificaLan)
#include "test_codifica_lan.moc"
