#include "Mazzo.h"

#include "base/Numeri.h"

namespace orvento {

Ordine mescola(Casuale &rnd)
{
    std::array<Carta, kCarte + 1> libere{};
    for (int n = 1; n <= kCarte; ++n)
        libere[n] = Carta(n);

    Ordine ordine{};
    for (int i = 1; i <= kCarte; ++i) {
        for (;;) {
            // k = Int(r * 41): 0..40; 0 and placed cards are drawn again.
            const int k = rnd.intero(kCarte + 1);
            if (libere[k] == 0)
                continue;
            ordine[i] = libere[k];
            libere[k] = 0;
            break;
        }
    }
    return ordine;
}

bool ePermutazione(const Ordine &ordine)
{
    std::array<bool, kCarte + 1> vista{};
    for (int p = 1; p <= kCarte; ++p) {
        const int c = ordine[p];
        if (!cartaValida(c) || vista[c])
            return false;
        vista[c] = true;
    }
    return true;
}

Pescata pescata(int pesca, bool localeHaPreso)
{
    if (pesca <= 20)
        return {pesca, pesca + 19};
    if (pesca == 21) // after trick 17: the winner takes the last covered card
        return localeHaPreso ? Pescata{kPosUltima, kPosBriscola} : Pescata{kPosBriscola, kPosUltima};
    return {0, 0};
}

QString toolTipMazzo(int pesca)
{
    if (pesca == 20)
        return QStringLiteral("Last card");
    const int n = carteCoperte(pesca);
    return testoNumero(n < 0 ? 0 : n) + QStringLiteral(" cards");
}

} // namespace orvento
