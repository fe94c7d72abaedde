#include "lobby/lan/ListaServer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orvento;
namespace ls = orvento::listaserver;

namespace {
QByteArray contenuto(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
void scrivi(const QString &percorso, const QByteArray &dati)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(dati), dati.size());
}
} // namespace

class TestListaServer : public QObject {
    Q_OBJECT
private slots:
    void record_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("inizio");
        QTest::addColumn<QString>("letto");
        QTest::newRow("name") << QStringLiteral("SALOTTO-PC") << QByteArray("SALOTTO-PC")
                              << QStringLiteral("SALOTTO-PC");
        QTest::newRow("address") << QStringLiteral("192.168.1.20") << QByteArray("192.168.1.20")
                                 << QStringLiteral("192.168.1.20");
        QTest::newRow("blanks trimmed on reading") << QStringLiteral("  pc 2  ")
                                                   << QByteArray("  pc 2  ")
                                                   << QStringLiteral("pc 2");
        QTest::newRow("one byte per character") << QStringLiteral("Caffè")
                                                << QByteArray("Caff\xE8")
                                                << QStringLiteral("Caffè");
    }
    void record()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, inizio);
        QFETCH(QString, letto);
        const QByteArray r = ls::record(nome);
        QCOMPARE(r.size(), 260);
        QVERIFY(r.startsWith(inizio));
        QCOMPARE(r.mid(inizio.size()), QByteArray(260 - inizio.size(), '\0'));
        QCOMPARE(ls::nome(r), letto);
    }

    // A record with no NUL is read whole; a longer name is cut to fit.
    void recordPieno()
    {
        QByteArray pieno(260, 'a');
        pieno[0] = ' ';
        pieno[259] = ' ';
        QCOMPARE(ls::nome(pieno), QString(258, u'a'));
        const QByteArray lungo = ls::record(QString(300, u'b'));
        QCOMPARE(lungo, QByteArray(260, 'b'));
        // Bytes after the first NUL do not belong to the name.
        QByteArray sporco = ls::record(u"pc");
        sporco[10] = 'x';
        QCOMPARE(ls::nome(sporco), QStringLiteral("pc"));
    }

    void fileMancanteCreatoVuoto()
    {
        QTemporaryDir dir;
        const QString p = dir.filePath(QStringLiteral("server.ini"));
        const auto letti = ls::leggi(p);
        QVERIFY(letti && letti->isEmpty());
        QVERIFY(QFile::exists(p));
        QCOMPARE(contenuto(p), QByteArray());
    }

    void aggiungiERiscrivi()
    {
        QTemporaryDir dir;
        const QString p = dir.filePath(QStringLiteral("server.ini"));
        QCOMPARE(ls::aggiungi(p, ls::record(u"uno")), std::optional<int>(1));
        QCOMPARE(ls::aggiungi(p, ls::record(u"due")), std::optional<int>(2));
        QCOMPARE(ls::aggiungi(p, ls::record(u"tre")), std::optional<int>(3));
        QCOMPARE(contenuto(p), ls::record(u"uno") + ls::record(u"due") + ls::record(u"tre"));

        auto letti = ls::leggi(p);
        QVERIFY(letti);
        QCOMPARE(letti->size(), 3);
        letti->removeAt(1);
        QVERIFY(ls::riscrivi(p, *letti));
        QCOMPARE(contenuto(p), ls::record(u"uno") + ls::record(u"tre"));
        QVERIFY(ls::riscrivi(p, {}));
        QCOMPARE(contenuto(p), QByteArray());
    }

    // A record cut short at the end (an interrupted write) is not read as an
    // entry, and the next computer added takes its place instead of leaving
    // a gap of zeros that would read back as a bogus entry.
    void ultimoRecordCorto_data()
    {
        QTest::addColumn<int>("avanzo");
        QTest::newRow("short piece") << 100;
        QTest::newRow("long piece") << 200;
    }
    void ultimoRecordCorto()
    {
        QFETCH(int, avanzo);
        QTemporaryDir dir;
        const QString p = dir.filePath(QStringLiteral("server.ini"));
        scrivi(p, ls::record(u"uno") + QByteArray(avanzo, 'z'));
        const auto letti = ls::leggi(p);
        QVERIFY(letti);
        QCOMPARE(letti->size(), 1);
        QCOMPARE(ls::aggiungi(p, ls::record(u"due")), std::optional<int>(2));
        QCOMPARE(contenuto(p), ls::record(u"uno") + ls::record(u"due"));
    }
};

QTEST_GUILESS_MAIN(TestListaServer)
#include "test_lista_server.moc"
