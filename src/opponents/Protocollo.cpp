#include "Protocollo.h"

#include "base/Numeri.h"

namespace orvento {

std::array<int, kCarte> ordineDiInvio()
{
    std::array<int, kCarte> pos{};
    int i = 0;
    pos[i++] = kPosBriscola;
    for (int p = 21; p <= 39; ++p)
        pos[i++] = p;
    for (int p = 2; p <= 20; ++p)
        pos[i++] = p;
    pos[i++] = kPosUltima;
    return pos;
}

QStringList testiMazzo(const Ordine &ordine)
{
    QStringList testi;
    testi.reserve(kCarte);
    for (int p : ordineDiInvio())
        testi << testoNumero(ordine[p]);
    return testi;
}

std::optional<Carta> cartaDaTesto(QStringView testo)
{
    const auto numero = numeroInTesto(testo);
    if (!numero)
        return std::nullopt;
    const auto n = intero16(*numero);
    if (!n || !cartaValida(*n))
        return std::nullopt;
    return Carta(*n);
}

std::optional<Ordine> mazzoRicevuto(const QStringList &testi)
{
    if (testi.size() != kCarte)
        return std::nullopt;
    Ordine ordine{};
    for (int p = 1; p <= kCarte; ++p) {
        const auto c = cartaDaTesto(testi[p - 1]);
        if (!c)
            return std::nullopt;
        ordine[p] = *c;
    }
    if (!ePermutazione(ordine))
        return std::nullopt;
    return ordine;
}

QString testoMossa(int slot) { return testoNumero(slot); }

std::optional<int> slotDaTesto(QStringView testo)
{
    const auto numero = numeroInTesto(testo);
    if (!numero)
        return std::nullopt;
    const int slot = arrotondaPari(*numero);
    if (slot < 0 || slot > 2)
        return std::nullopt;
    return slot;
}

int slotDaSinistra(double sinistra, double cx)
{
    return arrotondaPari((sinistra - cx + 220.0) / 85.0 - 1.0);
}

} // namespace orvento
