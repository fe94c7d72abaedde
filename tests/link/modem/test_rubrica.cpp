// The phone book "numbers.ini": the exact 48-byte records, the list it gives,
// and a file that outlives the screen.

#include "lobby/modem/Rubrica.h"

#include <QTemporaryDir>
#include <QTest>

using namespace orvento;

class TestRubrica : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;
    QString percorso() const { return cartella.filePath(QStringLiteral("numbers.ini")); }

private slots:
    void init() { QFile::remove(percorso()); }

    void record_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("telefono");
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("first") << 1 << "Anna" << "0612345"
            << QByteArray(" 1Anna                  0612345                 ");
        QTest::newRow("two digits") << 10 << "" << ""
            << QByteArray("10") + QByteArray(46, ' ');
        QTest::newRow("long name cut, number intact") << 3 << "Bartolomeo Dal Pozzo Rossi" << "+39 06 1234 5678 90"
            << QByteArray(" 3Bartolomeo Dal Pozzo R+39 06 1234 5678 90     ");
        QTest::newRow("full number field") << 99 << "Zeta" << "123456789012345678901234"
            << QByteArray("99Zeta                  123456789012345678901234");
        QTest::newRow("accent, one byte") << 4 << QString::fromUtf8("Niccolò") << "1"
            << QByteArray(" 4Niccol\xF2               1                       ");
    }
    void record()
    {
        QFETCH(int, numero);
        QFETCH(QString, nome);
        QFETCH(QString, telefono);
        QFETCH(QByteArray, byte);
        const QByteArray r = Rubrica::record(numero, nome, telefono);
        QCOMPARE(r.size(), Rubrica::kLunghezza);
        QCOMPARE(r, byte);
        QCOMPARE(Rubrica::telefono(r), telefono.trimmed());
        QCOMPARE(Rubrica::voce(r), QString::fromLatin1(byte.left(24)));
    }

    // A missing file is created empty; appended records come back in order
    // from a fresh opening, duplicates included, and record 10 on reads as
    // its two-digit number.
    void fileAndataRitorno()
    {
        {
            Rubrica rubrica(percorso());
            QVERIFY(rubrica.apri());
            QVERIFY(QFile::exists(percorso()));
            QCOMPARE(rubrica.ProssimoRecord(), 1);
            QVERIFY(rubrica.voci().isEmpty());
            for (int i = 1; i <= 11; ++i)
                QVERIFY(rubrica.aggiungi(i == 2 ? QStringLiteral("Anna") : QStringLiteral("N%1").arg(i),
                                         i == 2 ? QStringLiteral("555") : QStringLiteral("%1").arg(i * 111)));
            QVERIFY(rubrica.aggiungi(QStringLiteral("Anna"), QStringLiteral("555")));
            QCOMPARE(rubrica.ProssimoRecord(), 13);
        }
        QFile f(percorso());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray tutto = f.readAll();
        QCOMPARE(tutto.size(), 12 * Rubrica::kLunghezza);
        QCOMPARE(tutto.mid(9 * 48, 48), Rubrica::record(10, QStringLiteral("N10"), QStringLiteral("1110")));

        Rubrica di_nuovo(percorso());
        const QStringList voci = di_nuovo.voci();
        QCOMPARE(voci.size(), 12);
        QCOMPARE(voci.at(0), QStringLiteral(" 1N1").leftJustified(24));
        QCOMPARE(voci.at(9), QStringLiteral("10N10").leftJustified(24));
        QCOMPARE(voci.at(1).mid(2), voci.at(11).mid(2)); // the same entry twice
        QCOMPARE(Rubrica::telefono(*di_nuovo.leggi(10)), QStringLiteral("1110"));
        QCOMPARE(Rubrica::telefono(*di_nuovo.leggi(12)), QStringLiteral("555"));
        QVERIFY(!di_nuovo.leggi(13));
        QVERIFY(!di_nuovo.leggi(0));
    }

    // The two-character number field ends the book at 99 records: a 100th
    // would be stored as "10" and found as record 10.
    void pieno()
    {
        QFile f(percorso());
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 99; ++i)
            f.write(Rubrica::record(i, QStringLiteral("x"), QStringLiteral("1")));
        f.close();
        Rubrica rubrica(percorso());
        QVERIFY(rubrica.apri());
        QCOMPARE(rubrica.ProssimoRecord(), 100);
        QVERIFY(!rubrica.aggiungi(QStringLiteral("y"), QStringLiteral("2")));
        QCOMPARE(QFileInfo(percorso()).size(), 99 * 48);
    }

    // A file cut inside a record: the count rounds to the nearest, and the
    // cut record reads as padded with blanks.
    void tagliato()
    {
        QFile f(percorso());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Rubrica::record(1, QStringLiteral("a"), QStringLiteral("1")));
        f.write(" 2b");
        f.close();
        Rubrica rubrica(percorso());
        QVERIFY(rubrica.apri());
        QCOMPARE(rubrica.ProssimoRecord(), 2);
        QCOMPARE(rubrica.leggi(2)->size(), 48);
        QVERIFY(rubrica.aggiungi(QStringLiteral("c"), QStringLiteral("3")));
        QCOMPARE(Rubrica(percorso()).voci().last(), QStringLiteral(" 2c").leftJustified(24));
    }
};

QTEST_GUILESS_MAIN(TestRubrica)
#include "test_rubrica.moc"
