#pragma once
// The game table's music: the background song control `MMC1` that loops the
// chosen song, the card sound control `MMCw`, and the Music menu's state.
// The table owns one, calls `carica` from its load, `canzoni_Click` from the
// Music entries, `suonaCarta` whenever a card is put down, and `scarica` from
// its unload. The menu shows the check mark where `voceSpuntata` says and
// follows `voceCambiata`.

#include "MMControl.h"

#include <QObject>
#include <QStringList>
#include <functional>

namespace orvento {

class MusicaTavolo : public QObject {
    Q_OBJECT
public:
    explicit MusicaTavolo(QObject *parent = nullptr);
    ~MusicaTavolo() override;

    // The seven Music captions, index 0 "None" to 6 "Zorvala".
    static QStringList titoliCanzoni();

    // Table load: calls `chiudi` (the main window's, which ends the title
    // song), opens music/briscola.mid and carta.wav, checks "Briscola" and
    // starts the song.
    void carica(const std::function<void()> &chiudi);
    // A Music entry: 0 silences, 1..6 plays that song from its start (the
    // entry already playing restarts). The check mark moves even when the file
    // is missing; indices outside 0..6 are ignored.
    void canzoni_Click(int index);
    // Index of the checked Music entry; -1 before `carica`.
    int voceSpuntata() const { return spuntata; }
    // The card sound, from its beginning each time.
    void suonaCarta();
    // Table unload: closes both controls.
    void scarica();

    MMControl *MMC1() { return &mmc1; }
    MMControl *MMCw() { return &mmcw; }

signals:
    void voceCambiata(int index);

private:
    void MMC1_Done(int codiceNotifica);
    void MMC1_StopCompleted(int codiceErrore);
    void spunta(int index);

    MMControl mmc1;
    MMControl mmcw;
    int spuntata = -1;
};

} // namespace orvento
