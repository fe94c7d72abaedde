#include "media/Audio.h"
#include "media/Midi.h"

#include "Compositore.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <set>

using namespace orvento;

namespace {
QByteArray byte(const std::vector<std::uint8_t> &v)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size()));
}
QByteArray leggi(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
quint32 le(const QByteArray &d, int i, int n)
{
    quint32 v = 0;
    for (int k = n - 1; k >= 0; --k)
        v = (v << 8) | quint8(d[i + k]);
    return v;
}
} // namespace

class TestMusica : public QObject {
    Q_OBJECT
    const QString cartella = QCoreApplication::applicationDirPath();

private slots:
    void initTestCase() { MotoreAudio::disattiva(); }

    void brani_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("batteria");
        QTest::newRow("Zorvala") << "Zorvala.MID" << true;
        QTest::newRow("Briscola") << "Briscola.MID" << false;
        QTest::newRow("Chill1") << "Chill1.MID" << true;
        QTest::newRow("Cool1") << "Cool1.MID" << true;
        QTest::newRow("Amb_iant") << "Amb_iant.MID" << false;
        QTest::newRow("Gd_vibes") << "Gd_vibes.MID" << true;
    }
    void brani()
    {
        QFETCH(QString, file);
        QFETCH(bool, batteria);
        // The build put the song beside the executable, as the generator writes it.
        const QByteArray dati = leggi(cartella + "/music/" + file);
        QVERIFY2(!dati.isEmpty(), qPrintable(file + " is missing beside the executable"));
        QByteArray composto;
        for (const auto &b : musica::componiTutti())
            if (QString::fromStdString(b.file) == file)
                composto = byte(b.dati);
        QCOMPARE(dati, composto);

        QString errore;
        const auto s = leggiMidi(dati, &errore);
        QVERIFY2(s, qPrintable(errore));
        QCOMPARE(s->formato, 1);
        QVERIFY(s->tracce >= 4); // tempo track and at least three instruments
        QVERIFY2(s->durata >= 30 && s->durata <= 90, qPrintable(QString::number(s->durata)));

        // Every note ends, and ends by the end of the song, so a loop leaves
        // nothing hanging; the percussion channel is used where the song has drums.
        std::map<int, int> aperte;
        std::set<int> canali;
        for (const EventoMidi &e : s->eventi) {
            const int tipo = e.stato & 0xF0, canale = e.stato & 0x0F;
            QVERIFY(e.secondi <= s->durata);
            if (tipo == 0x90 && e.dato2 > 0) {
                ++aperte[canale * 128 + e.dato1];
                canali.insert(canale);
            } else if (tipo == 0x80 || tipo == 0x90) {
                --aperte[canale * 128 + e.dato1];
            }
        }
        for (const auto &[nota, quante] : aperte)
            QVERIFY2(quante == 0, qPrintable(QString("note %1 left sounding").arg(nota)));
        QCOMPARE(canali.count(9) == 1, batteria);
        QVERIFY(canali.size() >= 3);
    }

    void suonoDellaCarta()
    {
        const QByteArray d = leggi(cartella + "/carta.wav");
        QCOMPARE(d, byte(musica::suonoCarta()));
        QVERIFY(d.size() > 44);
        QCOMPARE(d.left(4), QByteArray("RIFF"));
        QCOMPARE(le(d, 4, 4), quint32(d.size() - 8));
        QCOMPARE(d.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(le(d, 20, 2), 1u);  // PCM
        QCOMPARE(le(d, 34, 2), 16u); // bits
        const quint32 canali = le(d, 22, 2), frequenza = le(d, 24, 4);
        QCOMPARE(d.mid(36, 4), QByteArray("data"));
        const quint32 byteDati = le(d, 40, 4);
        QCOMPARE(byteDati, quint32(d.size() - 44));
        const double secondi = double(byteDati) / (canali * 2 * frequenza);
        QVERIFY2(secondi > 0.03 && secondi < 0.5, qPrintable(QString::number(secondi)));
        // Loud at the start, silent at the end (no click), never clipped.
        int piccoInizio = 0, ultimo = 0;
        for (quint32 i = 0; i < byteDati / 2; ++i) {
            const int v = qint16(le(d, int(44 + 2 * i), 2));
            if (i < frequenza / 50)
                piccoInizio = std::max(piccoInizio, std::abs(v));
            ultimo = v;
            QVERIFY(std::abs(v) < 32767);
        }
        QVERIFY(piccoInizio > 16000);
        QVERIFY(std::abs(ultimo) < 200);
        // The player's own decoder takes it.
        int codice = -1;
        const auto suono = Suono::apri(cartella + "/carta.wav", codice);
        QCOMPARE(codice, 0);
        QVERIFY(suono && suono->tipo() == Suono::Tipo::Wave);
        QVERIFY(qAbs(suono->durata() - secondi) < 0.002);
    }

    void paginaDelleRegole()
    {
        const QString pagina = QString::fromUtf8(leggi(cartella + "/default.htm"));
        QVERIFY(pagina.startsWith("<!DOCTYPE html>"));
        const QStringList chiavi = {
            "40-card", "coins", "cups", "batons", "swords", "120 points",
            "ace, three, king, knight, jack, seven, six, five, four, two",
            "<td>Ace</td><td class=\"num\">11</td>", "<td>Three</td><td class=\"num\">10</td>",
            "briscola", "no duty to follow suit", "leads the first trick", "highest briscola",
            "highest card of the suit that was led", "draws first", "17th trick",
            "last three tricks", "61 points", "60 to 60", "Rules", "Music", "Info", "Quit",
        };
        for (const QString &c : chiavi)
            QVERIFY2(pagina.contains(c, Qt::CaseInsensitive), qPrintable(c));
        // Nothing is fetched from elsewhere.
        QVERIFY(!pagina.contains("http:") && !pagina.contains("https:") && !pagina.contains("src="));
    }
};

QTEST_GUILESS_MAIN(TestMusica)
#include "test_musica.moc"
