#pragma once
// One game of 20 tricks as pure state: the deck, both hands by slot, the trick
// on the table, the draw counter and the scores. The game table drives its
// pictures from this state, and the self-play tool runs whole games on it, so
// both go through the same dealing, judging and drawing.
//
// Seats: this instance's player (the local seat, bottom of the table, deck
// positions 2..20) and the opponent (positions 21..39).

#include "Carte.h"
#include "Mazzo.h"

#include <array>

namespace orvento {

enum Posto : int { Locale = 0, Avversario = 1 };

class Partita {
public:
    // The deal: briscola turned up, hands from positions 2, 3, 4 and 21, 22, 23.
    void inizia(const Ordine &ordine);

    const Ordine &ordine() const { return m_ordine; }
    Carta briscola() const { return m_ordine[kPosBriscola]; }
    int semeBriscola() const { return m_semeBriscola; }
    int pesca() const { return m_pesca; }
    int prese() const { return m_prese; }
    bool finita() const { return m_prese == 20; }

    Carta mano(Posto posto, int slot) const { return m_mani[posto][slot]; }
    std::array<Carta, 3> mano(Posto posto) const { return m_mani[posto]; }

    // giocata(1) and giocata(2): the trick cards of the local seat and of the opponent.
    Carta giocata(Posto posto) const { return m_giocata[posto]; }
    int slotGiocato(Posto posto) const { return m_slot[posto]; }

    // Puts the card of this slot on the table. False when the slot is empty,
    // out of range, or the seat has already played in this trick.
    bool gioca(Posto posto, int slot);

    // Both cards on the table: judge the trick (`verifica`), add its points.
    // `turno` is true when the local seat led.
    EsitoPresa chiudiPresa(bool turno);

    // After the gather: advance `pesca` and refill the slots played from,
    // following the fixed deck positions and the trick-17 rule.
    Pescata pesca(bool localeHaPreso);

    int punti(Posto posto) const { return m_punti[posto]; }

private:
    Ordine m_ordine{};
    std::array<std::array<Carta, 3>, 2> m_mani{};
    std::array<Carta, 2> m_giocata{};
    std::array<int, 2> m_slot{-1, -1};
    std::array<int, 2> m_punti{};
    int m_pesca = 0;
    int m_prese = 0;
    int m_semeBriscola = 0;
};

} // namespace orvento
