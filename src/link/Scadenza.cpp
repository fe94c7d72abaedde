#include "Scadenza.h"

#include "base/Numeri.h"
#include "base/Orologio.h"

namespace orvento {

Scadenza::Scadenza(int secondi) : Scadenza(secondi, Orologio::secondi()) {}

Scadenza::Scadenza(int secondi, double adesso)
    : m_secondi(secondi), m_inizio(double(arrotondaPari(adesso)))
{
}

bool Scadenza::scadutaA(double adesso) const
{
    return m_secondi >= 0 && adesso - m_inizio > double(m_secondi);
}

bool Scadenza::scaduta() const { return scadutaA(Orologio::secondi()); }

double Scadenza::restante() const
{
    if (infinita())
        return 1e9;
    const double r = m_inizio + m_secondi - Orologio::secondi();
    // "strictly greater": wake a hair after the limit itself.
    return r > 0 ? r + 0.001 : 0.0;
}

} // namespace orvento
