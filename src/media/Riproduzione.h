#pragma once
// One opened sound and where it is: the clock behind both media interfaces.
// Position and length are in milliseconds and follow the pacing clock, so a
// song "ends" at the same moment with or without an audio device, and tests
// that speed the clock up see songs end in a fraction of a second.

#include "Audio.h"

#include <QObject>
#include <QTimer>
#include <memory>

namespace orvento {

class Riproduzione : public QObject {
    Q_OBJECT
public:
    explicit Riproduzione(std::shared_ptr<const Suono> suono, QObject *parent = nullptr);
    ~Riproduzione() override;

    qint64 lunghezza() const;
    qint64 posizione() const;
    bool inCorso() const { return suonando; }

    // Plays from `daMs` (clamped to the sound); a sound already playing restarts there.
    void suona(qint64 daMs);
    // Stops where it is; the position stays.
    void ferma();

signals:
    // The sound played to its end (not emitted for `ferma`).
    void finita();

private:
    void allaFine();

    std::shared_ptr<const Suono> suono;
    QTimer fine;
    bool suonando = false;
    qint64 partenzaMs = 0;      // position when the current play began, or the stopped position
    double partenzaOrologio = 0; // pacing clock at that moment
    quint64 voce = 0;
};

} // namespace orvento
