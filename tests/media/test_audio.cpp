#include "media/Audio.h"
#include "media/MMControl.h"
#include "media/Percorsi.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace orvento;

// The whole sound path, device included: SDL's "disk" driver stands in for a
// sound card and writes what it is given to a file, in real time.
class TestAudio : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QString uscita;

private slots:
    void initTestCase()
    {
        uscita = tmp.filePath("uscita.raw");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(uscita));
        if (!QFile::exists("/usr/share/sounds/sf2/FluidR3_GM.sf2"))
            QSKIP("the General MIDI soundfont is not installed");
    }

    void laCanzoneSiSente()
    {
        const QString cartella = QCoreApplication::applicationDirPath();
        MMControl mmc;
        mmc.setFileName(cartella + "/music/briscola.mid");
        mmc.setCommand("Open");
        QCOMPARE(mmc.error(), 0);
        QElapsedTimer orologio;
        orologio.start();
        mmc.setCommand("Play");
        // Starting the engine must not hold the caller up.
        QVERIFY(orologio.elapsed() < 200);
        QTRY_VERIFY_WITH_TIMEOUT(MotoreAudio::istanza().stato() != MotoreAudio::Stato::Avvio, 15000);
        if (MotoreAudio::istanza().stato() == MotoreAudio::Stato::Muto)
            QSKIP("SDL has no disk audio driver here");

        // The device renders the song: the file grows and holds sound.
        auto campioni = [this] {
            QFile f(uscita);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        };
        QTRY_VERIFY_WITH_TIMEOUT(campioni().size() > 44100 * 8, 15000); // over half a second of stereo float
        const QByteArray d = campioni();
        const float *v = reinterpret_cast<const float *>(d.constData());
        double energia = 0;
        bool finito = true;
        for (qsizetype i = 0; i < d.size() / qsizetype(sizeof(float)); ++i) {
            energia += double(v[i]) * v[i];
            finito = finito && std::isfinite(v[i]) && std::abs(v[i]) <= 1.0f;
        }
        QVERIFY(finito);
        QVERIFY2(energia > 1.0, qPrintable(QString::number(energia)));
        mmc.setCommand("Close");
    }
};

QTEST_GUILESS_MAIN(TestAudio)
#include "test_audio.moc"
