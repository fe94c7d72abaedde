#pragma once
// The program's own music and card sound, composed in code: six songs written
// as Standard MIDI Files (format 1, one track per instrument) and a short wave.
// Everything is deterministic, so every build writes the same bytes.

#include <cstdint>
#include <string>
#include <vector>

namespace orvento::musica {

struct Brano {
    std::string file;            // "Zorvala.MID", ...
    std::vector<std::uint8_t> dati;
};

// The six songs: Zorvala, Briscola, Chill1, Cool1, Amb_iant, Gd_vibes.
std::vector<Brano> componiTutti();

// carta.wav: a card laid down on the table (mono, 16-bit PCM, 44.1 kHz).
std::vector<std::uint8_t> suonoCarta();

} // namespace orvento::musica
