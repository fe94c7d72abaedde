#include "Carte.h"

namespace orvento {

QString tagPunti(int n) { return QString::number(Punti(std::uint8_t(n))); }

QString toolTipPunti(int n) { return tagPunti(n) + QStringLiteral(" points"); }

EsitoPresa verifica(Carta locale, Carta avversario, int b, bool turno)
{
    const int s1 = seme(locale);
    const int s2 = seme(avversario);
    const int p1 = Punti(std::uint8_t(locale));
    const int p2 = Punti(std::uint8_t(avversario));

    char caso;
    if (s1 == b && s2 != b) {
        turno = true, caso = 'A';
    } else if (s2 == b && s1 != b) {
        turno = false, caso = 'B';
    } else if (s1 == s2 && p1 > p2) {
        turno = true, caso = 'C';
    } else if (s1 == s2 && p1 < p2) {
        turno = false, caso = 'D';
    } else if (s1 == s2) {
        // Equal points happen only between zero-point cards: the higher number wins.
        turno = locale > avversario, caso = 'E';
    } else {
        // Different suits and neither a briscola: the card that was led wins,
        // and `turno` already says who led.
        caso = 'F';
    }
    return {turno, p1 + p2, caso};
}

} // namespace orvento
