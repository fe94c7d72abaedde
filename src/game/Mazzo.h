#pragma once
// The deck: the shuffle, the fixed deck positions and which positions each side
// draws after each trick. The deck is not drawn from the top: position 1 is the
// briscola card, 2..20 feed this seat's hand, 21..39 the opponent's, and only
// the last two cards depend on who takes trick 17.

#include "Carte.h"
#include "base/Casuale.h"

#include <array>

namespace orvento {

// ordine(p) = the card at deck position p = 1..40; index 0 holds nothing.
using Ordine = std::array<Carta, kCarte + 1>;

constexpr int kPosBriscola = 1;
constexpr int kPosUltima = 40;
// Opening hands: slot k of this seat is position 2 + k, of the opponent 21 + k.
constexpr int posManoLocale(int slot) { return 2 + slot; }
constexpr int posManoAvversario(int slot) { return 21 + slot; }

// The shuffle of `Mescola`: rejection sampling over `libere`, so every order of
// the 40 cards has the same chance.
Ordine mescola(Casuale &rnd);

bool ePermutazione(const Ordine &ordine);

// Deck positions drawn after a trick, by the new value of `pesca` (5..24) and
// by who took the trick. 0 means no draw.
struct Pescata {
    int locale;
    int avversario;
};
Pescata pescata(int pesca, bool localeHaPreso);

// Covered cards left in the deck, as the deck's tool-tip counts them.
constexpr int carteCoperte(int pesca) { return 41 - 2 * pesca; }
// The deck's tool-tip: " 33 cards" after the deal, "Last card" when one is left.
QString toolTipMazzo(int pesca);

} // namespace orvento
