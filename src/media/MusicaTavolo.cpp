#include "MusicaTavolo.h"

#include "Percorsi.h"

namespace orvento {

MusicaTavolo::MusicaTavolo(QObject *parent) : QObject(parent)
{
    connect(&mmc1, &MMControl::Done, this, &MusicaTavolo::MMC1_Done);
    connect(&mmc1, &MMControl::StopCompleted, this, &MusicaTavolo::MMC1_StopCompleted);
}

MusicaTavolo::~MusicaTavolo()
{
    scarica();
}

QStringList MusicaTavolo::titoliCanzoni()
{
    return {QStringLiteral("None"), QStringLiteral("Briscola"), QStringLiteral("Chill1"),
            QStringLiteral("Cool1"), QStringLiteral("Amb_iant"), QStringLiteral("Gd_vibes"),
            QStringLiteral("Zorvala")};
}

void MusicaTavolo::carica(const std::function<void()> &chiudi)
{
    if (chiudi)
        chiudi();
    mmc1.setFileName(cartellaProgramma() + QStringLiteral("/music/briscola.mid"));
    mmc1.setNotify(true);
    mmc1.setCommand(QStringLiteral("Open"));
    spunta(1);
    mmcw.setFileName(cartellaProgramma() + QStringLiteral("/carta.wav"));
    mmcw.setNotify(true);
    mmcw.setCommand(QStringLiteral("Open"));
    mmc1.setCommand(QStringLiteral("Play"));
}

void MusicaTavolo::canzoni_Click(int index)
{
    const QStringList titoli = titoliCanzoni();
    if (index < 0 || index >= titoli.size())
        return;
    const QString cartella = cartellaProgramma();
    const QString separatore = cartella.endsWith(u'/') ? QString() : QStringLiteral("/");
    mmc1.setCommand(QStringLiteral("close"));
    if (index == 0) {
        spunta(0);
        return;
    }
    mmc1.setFileName(cartella + separatore + QStringLiteral("music/") + titoli[index] + QStringLiteral(".MID"));
    spunta(index);
    mmc1.setCommand(QStringLiteral("open"));
    mmc1.setFrom(0);
    mmc1.setCommand(QStringLiteral("play"));
}

void MusicaTavolo::suonaCarta()
{
    mmcw.setCommand(QStringLiteral("play"));
    mmcw.setFrom(0);
}

void MusicaTavolo::scarica()
{
    mmc1.setCommand(QStringLiteral("close"));
    mmcw.setCommand(QStringLiteral("close"));
}

void MusicaTavolo::MMC1_Done(int)
{
    // Only a song that played to its end starts again. An empty or failed
    // control also has position == length (both 0) and must not loop on itself.
    if (mmc1.isOpen() && mmc1.length() > 0 && mmc1.position() == mmc1.length()) {
        mmc1.setFrom(0);
        mmc1.setCommand(QStringLiteral("Play"));
    }
}

void MusicaTavolo::MMC1_StopCompleted(int)
{
    mmc1.setFrom(0);
}

void MusicaTavolo::spunta(int index)
{
    if (spuntata == index)
        return;
    spuntata = index;
    emit voceCambiata(index);
}

} // namespace orvento
