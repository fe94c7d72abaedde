#include "AutoGioco.h"

#include "Computer.h"

#include <array>

namespace orvento {

namespace {
int sceltaAttacco(const Partita &p, Posto posto, Casuale &rnd)
{
    const auto m = p.mano(posto);
    for (;;) {
        const int slot = PrimaCarta(m[0], m[1], m[2], std::int16_t(p.semeBriscola()), rnd);
        if (m[slot] != 0)
            return slot;
    }
}
int sceltaRisposta(const Partita &p, Posto posto, Carta tavolo, Casuale &rnd)
{
    const auto m = p.mano(posto);
    return SecondaCarta(std::uint8_t(m[0]), std::uint8_t(m[1]), std::uint8_t(m[2]),
                        std::uint8_t(tavolo), std::uint8_t(p.semeBriscola()), rnd);
}
} // namespace

EsitoAutoGioco autoGioca(Casuale &rnd, int numero,
                         const std::function<void(const QString &)> &traccia)
{
    EsitoAutoGioco esito;
    Partita p;
    p.inizia(mescola(rnd));

    if (traccia) {
        QString riga = QStringLiteral("game %1 deck").arg(numero);
        for (int pos = 1; pos <= kCarte; ++pos)
            riga += QLatin1Char(' ') + QString::number(p.ordine()[pos]);
        traccia(riga);
    }

    std::array<bool, kCarte + 1> giocata{};
    auto fallisci = [&](const QString &perche) {
        esito.regolare = false;
        if (esito.errore.isEmpty())
            esito.errore = perche;
    };
    auto segna = [&](Carta c) {
        if (!cartaValida(c))
            fallisci(QStringLiteral("no card played"));
        else if (giocata[c])
            fallisci(QStringLiteral("card %1 played twice").arg(c));
        else
            giocata[c] = true;
    };

    bool turno = false; // the opponent seat leads the first trick
    for (int k = 1; k <= 20; ++k) {
        const Posto primo = turno ? Locale : Avversario;
        const Posto secondo = turno ? Avversario : Locale;
        if (!p.gioca(primo, sceltaAttacco(p, primo, rnd)))
            fallisci(QStringLiteral("trick %1: lead from an empty slot").arg(k));
        if (!p.gioca(secondo, sceltaRisposta(p, secondo, p.giocata(primo), rnd)))
            fallisci(QStringLiteral("trick %1: answer from an empty slot").arg(k));
        const Carta a = p.giocata(Locale);
        const Carta b = p.giocata(Avversario);
        segna(a);
        segna(b);

        const EsitoPresa presa = p.chiudiPresa(turno);
        if (traccia)
            traccia(QStringLiteral("trick %1 lead %2 %3 %4 won %5 points %6")
                        .arg(k)
                        .arg(turno ? 'A' : 'B')
                        .arg(a)
                        .arg(b)
                        .arg(presa.turno ? 'A' : 'B')
                        .arg(presa.punti));
        turno = presa.turno;
        p.pesca(turno);
    }

    for (int slot = 0; slot < 3; ++slot)
        if (p.mano(Locale, slot) != 0 || p.mano(Avversario, slot) != 0)
            fallisci(QStringLiteral("cards left in a hand"));
    esito.puntiA = p.punti(Locale);
    esito.puntiB = p.punti(Avversario);
    if (esito.puntiA + esito.puntiB != kPuntiMazzo)
        fallisci(QStringLiteral("totals %1 + %2 are not 120").arg(esito.puntiA).arg(esito.puntiB));
    if (traccia)
        traccia(QStringLiteral("end %1 %2").arg(esito.puntiA).arg(esito.puntiB));
    return esito;
}

} // namespace orvento
