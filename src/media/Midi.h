#pragma once
// Reading a Standard MIDI File into one time-ordered list of channel events,
// with times in seconds (the tempo map already applied). The player sends the
// events to the synthesiser as the song's clock passes them; the length of the
// song is where its last track ends, so a song made to loop restarts on the beat.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvento {

struct EventoMidi {
    double secondi = 0;       // from the start of the song
    std::uint8_t stato = 0;   // channel message status byte (0x80..0xEF)
    std::uint8_t dato1 = 0;
    std::uint8_t dato2 = 0;
};

struct SequenzaMidi {
    int formato = 0;                 // 0, 1 or 2
    int tracce = 0;
    int divisione = 0;               // ticks per quarter note (or SMPTE, negative high byte)
    double durata = 0;               // seconds from the start to the end of the longest track
    std::vector<EventoMidi> eventi;  // channel messages only, sorted by time
};

// Parses the bytes of a MIDI file; nothing (and a reason in `errore`) when the
// data is not a well-formed Standard MIDI File. Never reads past the data.
std::optional<SequenzaMidi> leggiMidi(const QByteArray &dati, QString *errore = nullptr);

} // namespace orvento
