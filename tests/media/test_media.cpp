#include "media/Audio.h"
#include "media/Media.h"
#include "media/Midi.h"

#include "Compositore.h"
#include "base/Orologio.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace orvento;

namespace {

// A format-0 MIDI file at 120 beats a minute holding one note `quarti`
// quarters long: half a second per quarter.
QByteArray midiBreve(int quarti)
{
    const int ticks = 480 * quarti;
    QByteArray traccia;
    traccia.append("\x00\xFF\x51\x03\x07\xA1\x20", 7);    // tempo 500000 us
    traccia.append("\x00\xC0\x00\x00\x90\x3C\x64", 7);    // program, note on
    QByteArray delta;                                      // variable-length ticks
    for (int v = ticks, primo = 1; primo || v; primo = 0, v >>= 7)
        delta.prepend(char((v & 0x7F) | (primo ? 0 : 0x80)));
    traccia.append(delta);
    traccia.append("\x80\x3C\x00\x00\xFF\x2F\x00", 7);    // note off, end
    QByteArray f("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0", 14);
    f.append("MTrk");
    const quint32 n = quint32(traccia.size());
    f.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
    return f + traccia;
}

void scrivi(const QString &percorso, const QByteArray &dati)
{
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dati);
}

QByteArray byte(const std::vector<std::uint8_t> &v)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size()));
}

class RicevitoreUrl : public QObject {
    Q_OBJECT
public:
    QList<QUrl> aperti;
public slots:
    void apri(const QUrl &url) { aperti << url; }
};

} // namespace

class TestMedia : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QString programma; // the program folder of the fixture

private slots:
    void initTestCase()
    {
        MotoreAudio::disattiva();
        QVERIFY(tmp.isValid());
        // Song files spelled as the build writes them; Cool1 is missing.
        programma = tmp.filePath("prog");
        scrivi(programma + "/music/Briscola.MID", midiBreve(1));   // 0.5 s
        scrivi(programma + "/music/Chill1.MID", midiBreve(120));   // 60 s
        scrivi(programma + "/music/Zorvala.MID", midiBreve(4));
        scrivi(programma + "/carta.wav", byte(musica::suonoCarta()));
        scrivi(programma + "/default.htm", "<html></html>");
        scrivi(programma + "/music/Rotto.MID", "MThd garbage");
    }
    void init()
    {
        impostaCartellaProgramma(programma);
        Orologio::setVelocita(1);
    }
    void cleanup()
    {
        mciSendString("close all");
        impostaCartellaProgramma({});
    }

    void trovaFile_data()
    {
        QTest::addColumn<QString>("relativo");
        QTest::addColumn<QString>("atteso"); // below the program folder; "" = not found
        QTest::newRow("exact") << "music/Briscola.MID" << "music/Briscola.MID";
        QTest::newRow("lower case") << "music/briscola.mid" << "music/Briscola.MID";
        QTest::newRow("every component") << "MUSIC/zorvala.Mid" << "music/Zorvala.MID";
        QTest::newRow("doubled separator") << "music//Chill1.mid" << "music/Chill1.MID";
        QTest::newRow("missing") << "music/Cool1.MID" << "";
        QTest::newRow("a folder is no file") << "Music" << "";
        QTest::newRow("through a file") << "carta.wav/x" << "";
    }
    void trovaFile()
    {
        QFETCH(QString, relativo);
        QFETCH(QString, atteso);
        const QString trovato = orvento::trovaFile(relativo);
        QCOMPARE(trovato.isEmpty() ? QString() : QDir(programma).relativeFilePath(trovato), atteso);
    }

    void trovaFilePreferisceIlNomeEsatto()
    {
        scrivi(programma + "/x/nota.txt", "piccolo");
        scrivi(programma + "/x/NOTA.txt", "grande");
        QCOMPARE(orvento::trovaFile("x/NOTA.txt"), programma + "/x/NOTA.txt");
        QCOMPARE(orvento::trovaFile("x/nota.txt"), programma + "/x/nota.txt");
    }

    void comandi_data()
    {
        QTest::addColumn<QStringList>("comandi"); // %1 = program folder
        QTest::addColumn<QList<int>>("codici");
        QTest::newRow("open, play, close")
            << QStringList{"open %1/music/zorvala.mid", "play %1/music/zorvala.mid", "close %1/music/zorvala.mid"}
            << QList<int>{0, 0, 0};
        QTest::newRow("missing file") << QStringList{"open %1/music/Cool1.MID"} << QList<int>{275};
        QTest::newRow("missing folder") << QStringList{"open %1/nowhere/Zorvala.mid"} << QList<int>{275};
        QTest::newRow("not a song") << QStringList{"open %1/music/Rotto.MID"} << QList<int>{296};
        QTest::newRow("unknown command") << QStringList{"frobnicate %1/music/Zorvala.mid"} << QList<int>{261};
        QTest::newRow("empty command") << QStringList{""} << QList<int>{261};
        QTest::newRow("no path") << QStringList{"open"} << QList<int>{273};
        QTest::newRow("play unopened") << QStringList{"play %1/music/Zorvala.mid"} << QList<int>{263};
        QTest::newRow("opened twice")
            << QStringList{"open %1/music/Zorvala.mid", "OPEN %1/MUSIC/ZORVALA.MID"} << QList<int>{0, 288};
        QTest::newRow("close all closes")
            << QStringList{"open %1/music/Zorvala.mid", "close all", "play %1/music/Zorvala.mid"}
            << QList<int>{0, 0, 263};
        QTest::newRow("close all with nothing open") << QStringList{"close all"} << QList<int>{0};
    }
    void comandi()
    {
        QFETCH(QStringList, comandi);
        QFETCH(QList<int>, codici);
        for (qsizetype i = 0; i < comandi.size(); ++i) {
            const int codice = mciSendString(QString(comandi[i]).replace("%1", programma));
            QCOMPARE(codice, codici[i]);
            const QString testo = mciGetErrorString(codice);
            QVERIFY(!testo.isEmpty());
        }
    }

    void testiDiErroreDistinti()
    {
        QVERIFY(mciGetErrorString(275) != mciGetErrorString(261));
        QVERIFY(mciGetErrorString(275).contains("find", Qt::CaseInsensitive));
        QVERIFY(!mciGetErrorString(12345).isEmpty());
    }

    void statoDelDispositivo()
    {
        const QString nome = programma + "/music/Zorvala.mid";
        QCOMPARE(mciSendString("open " + nome), 0);
        QString r;
        QCOMPARE(mciSendString("status " + nome + " length", &r), 0);
        QCOMPARE(r, QString("2000"));
        QCOMPARE(mciSendString("status " + nome + " mode", &r), 0);
        QCOMPARE(r, QString("stopped"));
        Orologio::setVelocita(50);
        QCOMPARE(mciSendString("play " + nome), 0);
        QCOMPARE(mciSendString("status " + nome + " mode", &r), 0);
        QCOMPARE(r, QString("playing"));
        // The title song plays once: at its end it stops and stays there.
        QTRY_VERIFY(mciSendString("status " + nome + " mode", &r) == 0 && r == "stopped");
        QCOMPARE(mciSendString("status " + nome + " position", &r), 0);
        QCOMPARE(r, QString("2000"));
    }

    void sigla_data()
    {
        QTest::addColumn<QString>("cartella");    // program folder, below tmp
        QTest::addColumn<QString>("suonata");     // device that plays, "" none
        // First form: folder + "/music/Zorvala.mid".
        QTest::newRow("first form") << "prog" << "prog/music/Zorvala.mid";
        // The first form is not found; the second joins the folder and
        // "music" without a separator, as for a folder that ends in one.
        QTest::newRow("second form") << "radice/prog_" << "radice/prog_music/Zorvala.mid";
        // The path goes on to the end of the command, spaces and all.
        QTest::newRow("folder with spaces") << "con spazi" << "con spazi/music/Zorvala.mid";
        // Neither: the title song is given up and start-up goes on.
        QTest::newRow("neither") << "vuota" << "";
    }
    void sigla()
    {
        QFETCH(QString, cartella);
        QFETCH(QString, suonata);
        scrivi(tmp.filePath("radice/prog_music/ZORVALA.MID"), midiBreve(4));
        scrivi(tmp.filePath("con spazi/music/Zorvala.MID"), midiBreve(4));
        QDir().mkpath(tmp.filePath("vuota"));
        impostaCartellaProgramma(tmp.filePath(cartella));
        QStringList errori;
        orvento::sigla([&](const QString &e) { errori << e; });
        QVERIFY(errori.isEmpty());
        const QString primo = tmp.filePath(cartella) + "/music/Zorvala.mid";
        const QString secondo = tmp.filePath(cartella) + "music/Zorvala.mid";
        QString r;
        if (suonata.isEmpty()) {
            QCOMPARE(mciSendString("status " + primo + " mode", &r), 263);
            QCOMPARE(mciSendString("status " + secondo + " mode", &r), 263);
            return;
        }
        QCOMPARE(mciSendString("status " + tmp.filePath(suonata) + " mode", &r), 0);
        QCOMPARE(r, QString("playing"));

        // The game table's load stops it.
        orvento::chiudi([&](const QString &e) { errori << e; });
        QVERIFY(errori.isEmpty());
        QCOMPARE(mciSendString("status " + tmp.filePath(suonata) + " mode", &r), 263);
    }

    void caricaDelTavolo()
    {
        MusicaTavolo musica;
        QCOMPARE(musica.voceSpuntata(), -1);
        int chiamate = 0;
        musica.carica([&] {
            ++chiamate;
            QVERIFY(!musica.MMC1()->isOpen()); // the title song stops before the table's song opens
        });
        QCOMPARE(chiamate, 1);
        QCOMPARE(musica.voceSpuntata(), 1);
        QVERIFY(musica.MMC1()->isPlaying());
        QVERIFY(QFileInfo(musica.MMC1()->fileName()).fileName() == "briscola.mid");
        QVERIFY(musica.MMCw()->isOpen());
        QVERIFY(!musica.MMCw()->isPlaying());
        musica.scarica();
        QVERIFY(!musica.MMC1()->isOpen());
        QVERIFY(!musica.MMCw()->isOpen());
    }

    void canzoni_Click_data()
    {
        QTest::addColumn<int>("voce");
        QTest::addColumn<int>("spuntata");
        QTest::addColumn<bool>("suona");
        QTest::newRow("None") << 0 << 0 << false;
        QTest::newRow("Chill1") << 2 << 2 << true;
        QTest::newRow("Cool1, file missing") << 3 << 3 << false;
        QTest::newRow("Zorvala") << 6 << 6 << true;
        QTest::newRow("no such entry") << 7 << 1 << true;
        QTest::newRow("negative") << -1 << 1 << true;
    }
    void canzoni_Click()
    {
        QFETCH(int, voce);
        QFETCH(int, spuntata);
        QFETCH(bool, suona);
        MusicaTavolo musica;
        musica.carica({});
        QSignalSpy cambi(&musica, &MusicaTavolo::voceCambiata);
        musica.canzoni_Click(voce);
        QCOMPARE(musica.voceSpuntata(), spuntata);
        QCOMPARE(musica.MMC1()->isPlaying(), suona);
        QCOMPARE(cambi.size(), spuntata == 1 ? 0 : 1);
        if (spuntata != 1)
            QCOMPARE(cambi.first().first().toInt(), spuntata);
        if (voce == 0)
            QVERIFY(!musica.MMC1()->isOpen());
        // Whatever came before, another entry then plays normally.
        musica.canzoni_Click(2);
        QCOMPARE(musica.voceSpuntata(), 2);
        QVERIFY(musica.MMC1()->isPlaying());
    }

    void menuConCartellaRadice()
    {
        // A folder given with its trailing separator: no doubled separator.
        impostaCartellaProgramma(programma + "/");
        MusicaTavolo musica;
        musica.canzoni_Click(2);
        QCOMPARE(musica.MMC1()->fileName(), programma + "/music/Chill1.MID");
        QVERIFY(musica.MMC1()->isPlaying());
    }

    void laVoceInCorsoRicomincia()
    {
        MusicaTavolo musica;
        musica.carica({});
        musica.canzoni_Click(2); // 60 s
        QTRY_VERIFY(musica.MMC1()->position() >= 300);
        musica.canzoni_Click(2);
        QVERIFY(musica.MMC1()->isPlaying());
        QVERIFY(musica.MMC1()->position() < 300);
    }

    void ilBranoRicominciaAllaFine()
    {
        Orologio::setVelocita(20); // the 0.5 s song ends every 25 ms
        MusicaTavolo musica;
        QSignalSpy fatti(musica.MMC1(), &MMControl::Done);
        // Looked at right after the table's own handler has answered each
        // end, so a slow machine cannot let the song end again in between.
        QList<bool> ripartito;
        connect(musica.MMC1(), &MMControl::Done, this, [&] {
            ripartito << (musica.MMC1()->isPlaying()
                          && musica.MMC1()->position() < musica.MMC1()->length());
        });
        musica.carica({});
        for (int giro = 1; giro <= 3; ++giro) {
            QTRY_VERIFY(fatti.size() >= giro);
            QCOMPARE(fatti.at(giro - 1).first().toInt(), int(MMControl::NotificaRiuscita));
            // Started again from its beginning.
            QVERIFY(ripartito.value(giro - 1));
        }
        // "None" silences at once and the song does not come back.
        musica.canzoni_Click(0);
        QVERIFY(!musica.MMC1()->isPlaying());
        const qsizetype prima = fatti.size();
        QTest::qWait(100);
        for (qsizetype i = prima; i < fatti.size(); ++i)
            QVERIFY(fatti.at(i).first().toInt() != MMControl::NotificaRiuscita);
        QVERIFY(!musica.MMC1()->isOpen());
    }

    void unBranoMancanteNonGiraSuSeStesso()
    {
        // An empty control has position == length (both 0); it must not
        // answer its own failure with another play, forever.
        MusicaTavolo musica;
        musica.carica({});
        musica.canzoni_Click(0);
        QSignalSpy fatti(musica.MMC1(), &MMControl::Done);
        musica.canzoni_Click(3);
        auto quante = [&](int codice) {
            return std::count_if(fatti.cbegin(), fatti.cend(),
                                 [codice](const QList<QVariant> &a) { return a.first().toInt() == codice; });
        };
        QTRY_COMPARE(quante(MMControl::NotificaFallita), 1);
        QTest::qWait(50);
        QCOMPARE(quante(MMControl::NotificaFallita), 1);
        QCOMPARE(quante(MMControl::NotificaRiuscita), 0);
        QVERIFY(!musica.MMC1()->isPlaying());
        QVERIFY(musica.MMC1()->error() != 0); // kept, never shown
    }

    void fermatoRiavvolge()
    {
        MusicaTavolo musica;
        musica.carica({});
        QSignalSpy fermi(musica.MMC1(), &MMControl::StopCompleted);
        QTRY_VERIFY(musica.MMC1()->position() > 0);
        musica.MMC1()->setCommand("Stop");
        QVERIFY(!musica.MMC1()->isPlaying());
        QTRY_COMPARE(fermi.size(), 1);
        QCOMPARE(musica.MMC1()->from(), 0);
        musica.MMC1()->setCommand("play");
        QVERIFY(musica.MMC1()->position() < 100);
    }

    void suonoDellaCarta()
    {
        MusicaTavolo musica;
        musica.carica({});
        MMControl *w = musica.MMCw();
        QVERIFY(w->length() > 0 && w->length() < 500);
        musica.suonaCarta();
        QVERIFY(w->isPlaying());
        QCOMPARE(w->from(), 0);
        // A second card soon after starts the sound again from its beginning.
        QTRY_VERIFY(w->position() >= 40);
        musica.suonaCarta();
        QVERIFY(w->isPlaying());
        QVERIFY(w->position() < 40);
        // And once it has played out, the next card still sounds.
        QTRY_VERIFY(!w->isPlaying());
        QCOMPARE(w->position(), w->length());
        musica.suonaCarta();
        QVERIFY(w->isPlaying());
    }

    void comandiDelControllo()
    {
        MMControl c;
        c.setCommand("Play");
        QCOMPARE(c.error(), 263);
        c.setCommand("Rewind now");
        QCOMPARE(c.error(), 261);
        c.setFileName(programma + "/MUSIC/briscola.mid");
        c.setCommand("OPEN");
        QCOMPARE(c.error(), 0);
        QCOMPARE(c.length(), 500);
        c.setFileName(programma + "/music/Rotto.MID");
        c.setCommand("open");
        QCOMPARE(c.error(), 296);
        QVERIFY(!c.isOpen());
        QVERIFY(!c.errorMessage().isEmpty());
    }

    void regole()
    {
        RicevitoreUrl ricevitore;
        QDesktopServices::setUrlHandler("file", &ricevitore, "apri");
        apriRegole();
        QCOMPARE(ricevitore.aperti.size(), 1);
        QCOMPARE(ricevitore.aperti.first(), QUrl::fromLocalFile(programma + "/default.htm"));
        // Without the page nothing happens.
        impostaCartellaProgramma(tmp.filePath("vuota"));
        QDir().mkpath(tmp.filePath("vuota"));
        apriRegole();
        QCOMPARE(ricevitore.aperti.size(), 1);
        QDesktopServices::unsetUrlHandler("file");
    }

    void midiConCambioDiTempo()
    {
        // 480 ticks at 120 bpm (0.5 s), then 60 bpm for 480 ticks (1 s).
        QByteArray t("\x00\xFF\x51\x03\x07\xA1\x20"
                     "\x00\x90\x3C\x64"
                     "\x83\x60\xFF\x51\x03\x0F\x42\x40"
                     "\x83\x60\x3C\x00"          // running status: note on, velocity 0
                     "\x00\xFF\x2F\x00", 27);
        QByteArray f("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0MTrk\x00\x00\x00", 21);
        f.append(char(t.size())).append(t);
        QString errore;
        const auto s = leggiMidi(f, &errore);
        QVERIFY2(s, qPrintable(errore));
        QCOMPARE(s->durata, 1.5);
        QCOMPARE(s->eventi.size(), size_t(2));
        QCOMPARE(s->eventi[1].secondi, 1.5);
    }

    void midiMalformati_data()
    {
        QTest::addColumn<QByteArray>("dati");
        const QByteArray testa("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0", 14);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << testa;
        QTest::newRow("track longer than file") << testa + QByteArray("MTrk\x7F\x00\x00\x00\x00\x90", 10);
        QTest::newRow("data without status") << testa + QByteArray("MTrk\x00\x00\x00\x03\x00\x3C\x64", 11);
        QTest::newRow("endless length") << testa + QByteArray("MTrk\x00\x00\x00\x04\xFF\xFF\xFF\xFF", 12);
        QTest::newRow("cut meta event") << testa + QByteArray("MTrk\x00\x00\x00\x04\x00\xFF\x51\x7F", 12);
        QTest::newRow("no tracks") << QByteArray("MThd\x00\x00\x00\x06\x00\x00\x00\x00\x01\xE0", 14);
    }
    void midiMalformati()
    {
        QFETCH(QByteArray, dati);
        QVERIFY(!leggiMidi(dati));
    }
};

QTEST_MAIN(TestMedia)
#include "test_media.moc"
