#include "Midi.h"

#include <algorithm>
#include <map>

namespace orvento {

namespace {

// A cursor over the file's bytes that refuses to run past the end.
class Lettore {
public:
    Lettore(const QByteArray &dati, qsizetype inizio, qsizetype fine)
        : d(dati), pos(inizio), fine(fine) {}
    bool finito() const { return pos >= fine; }
    bool byte(std::uint8_t &b)
    {
        if (pos >= fine)
            return false;
        b = static_cast<std::uint8_t>(d[pos++]);
        return true;
    }
    bool salta(std::uint32_t n)
    {
        if (n > static_cast<std::uint64_t>(fine - pos))
            return false;
        pos += n;
        return true;
    }
    // Variable-length quantity: at most four bytes.
    bool vlq(std::uint32_t &v)
    {
        v = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b;
            if (!byte(b))
                return false;
            v = (v << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
    qsizetype posizione() const { return pos; }

private:
    const QByteArray &d;
    qsizetype pos;
    qsizetype fine;
};

std::uint32_t be32(const QByteArray &d, qsizetype i)
{
    return (std::uint32_t(std::uint8_t(d[i])) << 24) | (std::uint32_t(std::uint8_t(d[i + 1])) << 16)
        | (std::uint32_t(std::uint8_t(d[i + 2])) << 8) | std::uint32_t(std::uint8_t(d[i + 3]));
}
std::uint16_t be16(const QByteArray &d, qsizetype i)
{
    return std::uint16_t((std::uint8_t(d[i]) << 8) | std::uint8_t(d[i + 1]));
}

struct Grezzo {
    std::uint64_t tick;
    int traccia;
    std::size_t ordine;
    EventoMidi evento;
};

bool fallisci(QString *errore, const char *motivo)
{
    if (errore)
        *errore = QString::fromLatin1(motivo);
    return false;
}

// Guards against files that would make the player hold an absurd amount.
constexpr std::size_t massimoEventi = 4'000'000;

} // namespace

std::optional<SequenzaMidi> leggiMidi(const QByteArray &dati, QString *errore)
{
    SequenzaMidi s;
    if (dati.size() < 14 || !dati.startsWith("MThd")) {
        fallisci(errore, "not a MIDI file");
        return std::nullopt;
    }
    const std::uint32_t lunghezzaTesta = be32(dati, 4);
    if (lunghezzaTesta < 6 || lunghezzaTesta > std::uint64_t(dati.size() - 8)) {
        fallisci(errore, "bad MIDI header");
        return std::nullopt;
    }
    s.formato = be16(dati, 8);
    s.tracce = be16(dati, 10);
    s.divisione = static_cast<std::int16_t>(be16(dati, 12));
    if (s.formato > 2 || s.tracce == 0 || s.divisione == 0) {
        fallisci(errore, "unsupported MIDI header");
        return std::nullopt;
    }

    std::vector<Grezzo> grezzi;
    std::map<std::uint64_t, std::uint32_t> tempi; // tick -> microseconds per quarter
    std::uint64_t tickFinale = 0;
    qsizetype pos = 8 + qsizetype(lunghezzaTesta);
    int letti = 0;
    while (letti < s.tracce && pos + 8 <= dati.size()) {
        const std::uint32_t lung = be32(dati, pos + 4);
        const bool traccia = dati.mid(pos, 4) == "MTrk";
        pos += 8;
        if (lung > std::uint64_t(dati.size() - pos)) {
            fallisci(errore, "truncated MIDI track");
            return std::nullopt;
        }
        if (!traccia) { // unknown chunks are skipped, as the format asks
            pos += lung;
            continue;
        }
        Lettore l(dati, pos, pos + lung);
        std::uint64_t tick = 0;
        std::uint8_t corrente = 0; // running status
        bool fineTraccia = false;
        while (!l.finito() && !fineTraccia) {
            std::uint32_t delta;
            std::uint8_t b;
            if (!l.vlq(delta) || !l.byte(b)) {
                fallisci(errore, "bad MIDI event");
                return std::nullopt;
            }
            tick += delta;
            if (b == 0xFF) {
                std::uint8_t tipo;
                std::uint32_t n;
                if (!l.byte(tipo) || !l.vlq(n)) {
                    fallisci(errore, "bad MIDI meta event");
                    return std::nullopt;
                }
                const qsizetype inizio = l.posizione();
                if (!l.salta(n)) {
                    fallisci(errore, "truncated MIDI meta event");
                    return std::nullopt;
                }
                if (tipo == 0x51 && n == 3) {
                    const std::uint32_t us = (std::uint32_t(std::uint8_t(dati[inizio])) << 16)
                        | (std::uint32_t(std::uint8_t(dati[inizio + 1])) << 8) | std::uint8_t(dati[inizio + 2]);
                    if (us > 0)
                        tempi[s.formato == 2 ? 0 : tick] = us;
                } else if (tipo == 0x2F) {
                    fineTraccia = true;
                }
                continue;
            }
            if (b == 0xF0 || b == 0xF7) {
                std::uint32_t n;
                if (!l.vlq(n) || !l.salta(n)) {
                    fallisci(errore, "bad MIDI system exclusive");
                    return std::nullopt;
                }
                continue;
            }
            std::uint8_t d1 = 0, d2 = 0;
            if (b & 0x80) {
                if (b >= 0xF0) { // other system messages have no place in a file
                    fallisci(errore, "bad MIDI status");
                    return std::nullopt;
                }
                corrente = b;
                if (!l.byte(d1)) {
                    fallisci(errore, "truncated MIDI event");
                    return std::nullopt;
                }
            } else {
                if (!corrente) {
                    fallisci(errore, "MIDI data without status");
                    return std::nullopt;
                }
                d1 = b;
            }
            const std::uint8_t tipo = corrente & 0xF0;
            if (tipo != 0xC0 && tipo != 0xD0 && !l.byte(d2)) {
                fallisci(errore, "truncated MIDI event");
                return std::nullopt;
            }
            if (grezzi.size() >= massimoEventi) {
                fallisci(errore, "too many MIDI events");
                return std::nullopt;
            }
            grezzi.push_back({tick, letti, grezzi.size(), {0, corrente, std::uint8_t(d1 & 0x7F), std::uint8_t(d2 & 0x7F)}});
        }
        tickFinale = std::max(tickFinale, tick);
        pos += lung;
        ++letti;
    }
    if (letti == 0) {
        fallisci(errore, "no MIDI track");
        return std::nullopt;
    }

    // Ticks to seconds through the tempo map (120 beats a minute until the
    // first tempo event); SMPTE division counts frames and sub-frames instead.
    struct Tratto {
        std::uint64_t tick;
        double secondi;
        std::uint32_t us;
    };
    std::vector<Tratto> tratti{{0, 0.0, 500000}};
    for (const auto &[tk, us] : tempi) {
        const Tratto &p = tratti.back();
        const double sec = p.secondi + double(tk - p.tick) * p.us / (1e6 * s.divisione);
        if (tk == p.tick)
            tratti.back().us = us;
        else
            tratti.push_back({tk, sec, us});
    }
    auto secondiDi = [&](std::uint64_t t) -> double {
        if (s.divisione < 0) {
            const int fps = -(s.divisione >> 8);
            const int sotto = s.divisione & 0xFF;
            const double fpsVeri = fps == 29 ? 29.97 : fps;
            return (fpsVeri > 0 && sotto > 0) ? t / (fpsVeri * sotto) : 0.0;
        }
        auto it = std::upper_bound(tratti.begin(), tratti.end(), t,
                                   [](std::uint64_t v, const Tratto &tr) { return v < tr.tick; });
        const Tratto &tr = *(it - 1);
        return tr.secondi + double(t - tr.tick) * tr.us / (1e6 * s.divisione);
    };

    std::stable_sort(grezzi.begin(), grezzi.end(), [](const Grezzo &a, const Grezzo &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.ordine < b.ordine;
    });
    s.eventi.reserve(grezzi.size());
    for (Grezzo &g : grezzi) {
        g.evento.secondi = secondiDi(g.tick);
        s.eventi.push_back(g.evento);
    }
    s.durata = secondiDi(tickFinale);
    return s;
}

} // namespace orvento
