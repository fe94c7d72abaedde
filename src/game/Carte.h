#pragma once
// What a card is: the number 1..40 names it, and its suit, rank and points
// follow from that number. One points table serves the computer player
// (`Punti`), the face pictures' Tag and tool-tip texts and the trick judgement.

#include <QString>
#include <cstdint>

namespace orvento {

using Carta = std::int16_t; // 1..40; 0 means no card

constexpr int kCarte = 40;
constexpr int kPuntiMazzo = 120;

// Suits by card number: 1..10 coins, 11..20 cups, 21..30 batons, 31..40 swords.
enum Seme : int { Nessuno = 0, Denari = 1, Coppe = 2, Bastoni = 3, Spade = 4 };

constexpr bool cartaValida(int n) { return n >= 1 && n <= kCarte; }

// Suit: floor((n - 1) / 10) + 1; card 0 gives 0, which matches no real suit.
constexpr int seme(int n) { return n <= 0 ? 0 : (n - 1) / 10 + 1; }

// Rank within the suit, 1 (ace) .. 10 (king).
constexpr int rango(int n) { return ((n - 1) % 10 + 10) % 10 + 1; }

// Points by the last decimal digit of the number; 0 (an empty slot) gives 4,
// which the computer player relies on.
constexpr int puntiDaResiduo(int residuo)
{
    constexpr int tabella[10] = {4, 11, 0, 10, 0, 0, 0, 0, 2, 3};
    return tabella[residuo];
}

// The points routine of the computer player: any 0..255 is accepted.
constexpr std::uint8_t Punti(std::uint8_t n) { return std::uint8_t(puntiDaResiduo(n % 10)); }

// The face picture texts: Tag "11" and tool-tip "11 points".
QString tagPunti(int n);
QString toolTipPunti(int n);

// The decision of one trick. `locale` is the card of this seat (giocata(1)),
// `avversario` the opponent's (giocata(2)), `turno` true when this seat led.
struct EsitoPresa {
    bool turno;  // true when this seat took the trick
    int punti;   // the points of both cards
    char caso;   // 'A'..'F', which rule decided
};
EsitoPresa verifica(Carta locale, Carta avversario, int semeBriscola, bool turno);

} // namespace orvento
