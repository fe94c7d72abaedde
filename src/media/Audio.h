#pragma once
// The sound engine under the media controls: opened sound files (`Suono`) and
// one mixer (`MotoreAudio`) that plays them on the audio device, songs through
// a FluidSynth synthesiser with a General MIDI soundfont, waves as they are.
//
// Nothing here blocks the user-interface thread: the first sound played starts
// one short-lived worker thread that opens the SDL audio device and loads the
// soundfont (about a second for the Debian soundfont); until it is ready sounds
// are simply not heard. With no audio device the worker finds none, loads
// nothing and ends; every sound is then silent and nothing else changes. The
// device is paused whenever nothing sounds, so an idle program costs no CPU.
//
// The media controls keep time with the program's pacing clock, not with the
// audio device, so positions, lengths and end notifications are the same with
// or without sound.

#include "Midi.h"

#include <QString>
#include <memory>
#include <vector>

namespace orvento {

// One sound file read into memory, ready to play any number of times.
class Suono {
public:
    enum class Tipo { Midi, Wave };

    // Reads and decodes the file. `codice` receives 0, or the command-string
    // code for a missing file (275) or for a file that is no song or wave.
    static std::shared_ptr<const Suono> apri(const QString &percorso, int &codice);

    Tipo tipo() const { return tipo_; }
    double durata() const { return durata_; }           // seconds
    const SequenzaMidi &midi() const { return midi_; }  // songs only
    const std::vector<float> &campioni() const { return campioni_; } // waves: stereo at frequenza

    static constexpr int frequenza = 44100;

private:
    Tipo tipo_ = Tipo::Wave;
    double durata_ = 0;
    SequenzaMidi midi_;
    std::vector<float> campioni_;
};

class MotoreAudio {
public:
    static MotoreAudio &istanza();

    // Keeps the engine from ever opening an audio device (tests; also when the
    // environment has BRISCOLA_AUDIO=0). Call before the first sound.
    static void disattiva();

    // Starts a sound `daSecondi` into it and returns the voice that plays it.
    // Only one song sounds at a time: a new song takes the synthesiser over.
    quint64 suona(std::shared_ptr<const Suono> suono, double daSecondi);
    // Silences a voice (an ended or unknown voice is ignored).
    void ferma(quint64 voce);

    enum class Stato { Spento, Avvio, Pronto, Muto };
    Stato stato() const;

    ~MotoreAudio();

private:
    MotoreAudio();
    struct Dati;
    std::unique_ptr<Dati> d;
};

} // namespace orvento
