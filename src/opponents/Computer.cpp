#include "Computer.h"

#include "game/Carte.h"

namespace orvento {

namespace {
// Plain cards worth nothing: two, four, five, six, seven.
bool liscia(int n)
{
    const int r = n % 10;
    return r == 2 || r == 4 || r == 5 || r == 6 || r == 7;
}
// Low counting cards: jack, knight, king.
bool carico(int n)
{
    const int r = n % 10;
    return r == 8 || r == 9 || r == 0;
}
int slotACaso(Casuale &rnd)
{
    rnd.rimescolaDallOrologio();
    return rnd.intero(3);
}
} // namespace

std::int16_t PrimaCarta(std::int16_t c0, std::int16_t c1, std::int16_t c2,
                        std::int16_t b, Casuale &rnd)
{
    const int c[3] = {c0, c1, c2};
    if (c[0] == 0 || c[1] == 0 || c[2] == 0)
        return std::int16_t(slotACaso(rnd));

    for (int i = 0; i < 3; ++i)
        if (liscia(c[i]) && seme(c[i]) != b)
            return std::int16_t(i);
    for (int i = 0; i < 3; ++i)
        if (liscia(c[i]))
            return std::int16_t(i);
    for (int i = 0; i < 3; ++i)
        if (carico(c[i]) && seme(c[i]) != b)
            return std::int16_t(i);
    for (int i = 0; i < 3; ++i)
        if (carico(c[i]))
            return std::int16_t(i);
    return std::int16_t(slotACaso(rnd)); // only aces and threes
}

std::uint8_t SecondaCarta(std::uint8_t c0, std::uint8_t c1, std::uint8_t c2,
                          std::uint8_t t, std::uint8_t b, Casuale &rnd)
{
    struct Riga {
        int carta, seme, punti;
    };
    const Riga righe[4] = {
        {c0, seme(c0), Punti(c0)},
        {c1, seme(c1), Punti(c1)},
        {c2, seme(c2), Punti(c2)},
        {t, seme(t), Punti(t)},
    };
    const Riga &tavolo = righe[3];

    int scelta = -1;
    auto scartaLaPiuBassa = [&] {
        int min = 12;
        for (int i = 0; i < 3; ++i)
            if (righe[i].punti < min) {
                min = righe[i].punti;
                scelta = i;
            }
    };

    if (tavolo.seme == b) {
        scartaLaPiuBassa(); // never tries to beat a briscola lead
    } else {
        int best = 0;
        int rispostaInSeme = -1;
        for (int i = 0; i < 3; ++i)
            if (righe[i].seme == tavolo.seme && righe[i].punti >= best) {
                best = righe[i].punti;
                rispostaInSeme = i;
            }
        if (rispostaInSeme >= 0 && best >= tavolo.punti) {
            scelta = rispostaInSeme;
        } else {
            bool haBriscola = false;
            for (int i = 0; i < 3; ++i)
                haBriscola |= righe[i].seme == b;
            if (haBriscola && tavolo.punti > 4) {
                int min = 12;
                for (int i = 0; i < 3; ++i)
                    if (righe[i].seme == b && righe[i].punti < min) {
                        min = righe[i].punti;
                        scelta = i;
                    }
            } else {
                scartaLaPiuBassa();
            }
        }
    }

    // An empty slot can win the discard with its 4 points: draw again until a
    // slot with a card comes up. With no card at all there is nothing to draw.
    if (righe[0].carta == 0 && righe[1].carta == 0 && righe[2].carta == 0)
        return std::uint8_t(scelta);
    while (righe[scelta].carta == 0)
        scelta = slotACaso(rnd);
    return std::uint8_t(scelta);
}

} // namespace orvento
