#include "Partita.h"

namespace orvento {

void Partita::inizia(const Ordine &ordine)
{
    m_ordine = ordine;
    m_pesca = 1;
    for (int slot = 0; slot < 3; ++slot) {
        ++m_pesca;
        m_mani[Locale][slot] = m_ordine[m_pesca];
        m_mani[Avversario][slot] = m_ordine[m_pesca + 19];
    }
    m_giocata = {0, 0};
    m_slot = {-1, -1};
    m_punti = {0, 0};
    m_prese = 0;
    m_semeBriscola = seme(briscola());
}

bool Partita::gioca(Posto posto, int slot)
{
    if (slot < 0 || slot > 2 || m_giocata[posto] != 0)
        return false;
    const Carta c = m_mani[posto][slot];
    if (c == 0)
        return false;
    m_giocata[posto] = c;
    m_slot[posto] = slot;
    m_mani[posto][slot] = 0;
    return true;
}

EsitoPresa Partita::chiudiPresa(bool turno)
{
    const EsitoPresa esito =
        verifica(m_giocata[Locale], m_giocata[Avversario], m_semeBriscola, turno);
    m_punti[esito.turno ? Locale : Avversario] += esito.punti;
    ++m_prese;
    return esito;
}

Pescata Partita::pesca(bool localeHaPreso)
{
    ++m_pesca;
    const Pescata p = pescata(m_pesca, localeHaPreso);
    if (p.locale)
        m_mani[Locale][m_slot[Locale]] = m_ordine[p.locale];
    if (p.avversario)
        m_mani[Avversario][m_slot[Avversario]] = m_ordine[p.avversario];
    m_giocata = {0, 0};
    return p;
}

} // namespace orvento
