#pragma once
// The computer player: a fixed list of rules over its three hand slots, the
// card on the table and the briscola suit. It remembers nothing between calls.
// Both routines return a hand slot 0..2; 0 as a card number is an empty slot.

#include "base/Casuale.h"

#include <cstdint>

namespace orvento {

// The computer leads. May name an empty slot when one is empty: the caller
// asks again until the slot holds a card.
std::int16_t PrimaCarta(std::int16_t c0, std::int16_t c1, std::int16_t c2,
                        std::int16_t semeBriscola, Casuale &rnd);

// The computer answers card `tavolo`. Always names a slot holding a card.
std::uint8_t SecondaCarta(std::uint8_t c0, std::uint8_t c1, std::uint8_t c2,
                          std::uint8_t tavolo, std::uint8_t semeBriscola, Casuale &rnd);

} // namespace orvento
