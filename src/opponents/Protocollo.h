#pragma once
// The texts two copies of the program exchange: the deck at the start of every
// game and one move per card played. Numbers travel as decimal text with one
// leading blank (" 7"); the receiver reads them with `leggiNumero`.

#include "game/Mazzo.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace orvento {

inline constexpr auto kPlay = "Play";

// The host's send order of the deck positions: 1; 21..39; 2..20; 40. The guest
// stores them in arrival order, so it holds the host's deck with the two hand
// blocks exchanged and finds its own cards in positions 2..20, as the host does.
std::array<int, kCarte> ordineDiInvio();

// The 40 deck texts the host sends, in send order.
QStringList testiMazzo(const Ordine &ordine);

// A received deck text as a card number; nothing when it names no card (a
// "break", an empty text, a number outside 1..40).
std::optional<Carta> cartaDaTesto(QStringView testo);

// The guest's deck from the 40 texts in arrival order; nothing unless they
// form a whole deck.
std::optional<Ordine> mazzoRicevuto(const QStringList &testi);

// A move: the hand slot as " 0", " 1" or " 2".
QString testoMossa(int slot);
// A received move as a slot 0..2; nothing for any other text.
std::optional<int> slotDaTesto(QStringView testo);

// The hand slot of a card from its left edge: (left - cx + 220) / 85 - 1,
// rounded with halves to the even neighbour.
int slotDaSinistra(double sinistra, double cx);

} // namespace orvento
