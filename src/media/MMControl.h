#pragma once
// The media-player control the game table holds for the background song
// (`MMC1`) and the card sound (`MMCw`). It is driven the way such a control is:
// set `FileName`, then send commands by name ("Open", "Play", "Stop", "Close",
// in any letter case). Positions are milliseconds. `From` is the start position
// of the next play only; without it a play goes on from the current position.
//
// With `Notify` on, every play reports its end through `Done`: success when it
// reached the end of the sound, aborted when a stop or close cut it short,
// superseded when another play replaced it, failure when it could not start.
// `StopCompleted` follows every stop. Both signals arrive from the event loop,
// never from inside the command that caused them, except `Done` at a natural end,
// which is itself an event.
//
// Failures are kept in `Error`/`ErrorMessage` and never shown: a missing or
// unplayable file means silence.

#include <QObject>
#include <QString>
#include <memory>

namespace orvento {

class Riproduzione;

class MMControl : public QObject {
    Q_OBJECT
public:
    // Notification codes passed to `Done`.
    enum Notifica {
        NotificaRiuscita = 1,
        NotificaSostituita = 2,
        NotificaInterrotta = 4,
        NotificaFallita = 8,
    };

    explicit MMControl(QObject *parent = nullptr);
    ~MMControl() override;

    QString fileName() const { return nomeFile; }
    void setFileName(const QString &nome) { nomeFile = nome; }
    bool notify() const { return notifica; }
    void setNotify(bool attiva) { notifica = attiva; }
    // Start position of the next play; -1 when none is set.
    qint64 from() const { return da; }
    void setFrom(qint64 ms) { da = ms < 0 ? -1 : ms; }

    // Sends a command; unknown names set `error` and do nothing else.
    void setCommand(const QString &comando);
    QString command() const { return ultimoComando; }

    bool isOpen() const;
    bool isPlaying() const;
    qint64 position() const; // 0 when nothing is open
    qint64 length() const;   // 0 when nothing is open
    int error() const { return errore; }
    QString errorMessage() const;

signals:
    void Done(int codiceNotifica);
    void StopCompleted(int codiceErrore);

private:
    void apri();
    void suona();
    void fermaSuono();
    void chiudi();
    void notificaPiuTardi(int codice);

    QString nomeFile;
    QString ultimoComando;
    bool notifica = false;
    qint64 da = -1;
    int errore = 0;
    std::unique_ptr<Riproduzione> riproduzione;
};

} // namespace orvento
