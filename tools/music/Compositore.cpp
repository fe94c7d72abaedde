#include "Compositore.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>

namespace orvento::musica {

namespace {

constexpr int PPQ = 480; // ticks per quarter note
constexpr int BATTERIA = 9; // General MIDI percussion channel (channel 10)

// A small deterministic generator (xorshift): the same songs on every build
// and every standard library.
class Caso {
public:
    explicit Caso(std::uint32_t seme) : s(seme ? seme : 1u) {}
    std::uint32_t prossimo()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    int tra(int a, int b) { return a + int(prossimo() % std::uint32_t(b - a + 1)); }
    bool probabile(int percento) { return tra(0, 99) < percento; }

private:
    std::uint32_t s;
};

struct Nota {
    std::int64_t inizio;
    std::int64_t durata;
    int canale;
    int tasto;
    int vel;
};

struct Strumento {
    int canale;
    int programma; // General MIDI, 0-based; ignored on the percussion channel
    int volume;
    int pan;
    int riverbero;
    int chorus;
    std::string nome;
};

void vlq(std::vector<std::uint8_t> &o, std::uint32_t v)
{
    std::uint8_t b[5];
    int n = 0;
    b[n++] = v & 0x7F;
    while (v >>= 7)
        b[n++] = 0x80 | (v & 0x7F);
    while (n)
        o.push_back(b[--n]);
}

void be32(std::vector<std::uint8_t> &o, std::uint32_t v)
{
    for (int i = 3; i >= 0; --i)
        o.push_back(std::uint8_t(v >> (8 * i)));
}

// One song being written: its metre, tempo, instruments and notes.
class Partitura {
public:
    Partitura(int bpm, int numeratore, int denominatore)
        : bpm(bpm), num(numeratore), den(denominatore) {}

    std::int64_t battuta() const { return std::int64_t(num) * PPQ * 4 / den; }
    void strumento(const Strumento &s) { strumenti.push_back(s); }
    void nota(std::int64_t t, std::int64_t d, int canale, int tasto, int vel)
    {
        if (d <= 0 || tasto < 0 || tasto > 127)
            return;
        note.push_back({t, d, canale, tasto, std::clamp(vel, 1, 127)});
    }
    void colpo(std::int64_t t, int tasto, int vel) { nota(t, PPQ / 8, BATTERIA, tasto, vel); }
    void setFine(std::int64_t t) { fine = t; }

    std::vector<std::uint8_t> smf(const std::string &titolo) const;

private:
    struct Evento {
        std::int64_t tick;
        int ordine; // at the same tick: set-up, then note-offs, then note-ons
        std::vector<std::uint8_t> byte;
    };
    static void scriviTraccia(std::vector<std::uint8_t> &o, std::vector<Evento> eventi, std::int64_t fine);

    int bpm, num, den;
    std::vector<Strumento> strumenti;
    std::vector<Nota> note;
    std::int64_t fine = 0;
};

void Partitura::scriviTraccia(std::vector<std::uint8_t> &o, std::vector<Evento> eventi, std::int64_t fine)
{
    std::stable_sort(eventi.begin(), eventi.end(), [](const Evento &a, const Evento &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.ordine < b.ordine;
    });
    std::vector<std::uint8_t> corpo;
    std::int64_t ultimo = 0;
    for (const Evento &e : eventi) {
        vlq(corpo, std::uint32_t(e.tick - ultimo));
        corpo.insert(corpo.end(), e.byte.begin(), e.byte.end());
        ultimo = e.tick;
    }
    // Every track ends exactly at the song's end, so the song loops on the beat.
    vlq(corpo, std::uint32_t(fine - ultimo));
    corpo.insert(corpo.end(), {0xFF, 0x2F, 0x00});
    o.insert(o.end(), {'M', 'T', 'r', 'k'});
    be32(o, std::uint32_t(corpo.size()));
    o.insert(o.end(), corpo.begin(), corpo.end());
}

std::vector<std::uint8_t> Partitura::smf(const std::string &titolo) const
{
    std::vector<std::uint8_t> o = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    const int tracce = 1 + int(strumenti.size());
    o.push_back(std::uint8_t(tracce >> 8));
    o.push_back(std::uint8_t(tracce));
    o.push_back(PPQ >> 8);
    o.push_back(PPQ & 0xFF);

    auto testo = [](std::uint8_t tipo, const std::string &t) {
        std::vector<std::uint8_t> b = {0xFF, tipo};
        vlq(b, std::uint32_t(t.size()));
        b.insert(b.end(), t.begin(), t.end());
        return b;
    };

    // Tempo track: title, metre, tempo.
    const std::uint32_t us = std::uint32_t(std::lround(60e6 / bpm));
    int log2den = 0;
    while ((1 << log2den) < den)
        ++log2den;
    std::vector<Evento> conduttore = {
        {0, 0, testo(0x03, titolo)},
        {0, 0, {0xFF, 0x58, 0x04, std::uint8_t(num), std::uint8_t(log2den), 24, 8}},
        {0, 0, {0xFF, 0x51, 0x03, std::uint8_t(us >> 16), std::uint8_t(us >> 8), std::uint8_t(us)}},
    };
    scriviTraccia(o, conduttore, fine);

    for (const Strumento &s : strumenti) {
        const std::uint8_t c = std::uint8_t(s.canale);
        std::vector<Evento> ev = {{0, 0, testo(0x03, s.nome)}};
        if (s.canale != BATTERIA)
            ev.push_back({0, 0, {std::uint8_t(0xC0 | c), std::uint8_t(s.programma)}});
        ev.push_back({0, 0, {std::uint8_t(0xB0 | c), 7, std::uint8_t(s.volume)}});
        ev.push_back({0, 0, {std::uint8_t(0xB0 | c), 10, std::uint8_t(s.pan)}});
        ev.push_back({0, 0, {std::uint8_t(0xB0 | c), 91, std::uint8_t(s.riverbero)}});
        ev.push_back({0, 0, {std::uint8_t(0xB0 | c), 93, std::uint8_t(s.chorus)}});
        for (const Nota &n : note) {
            if (n.canale != s.canale || n.inizio >= fine)
                continue;
            const std::int64_t termine = std::min(fine, n.inizio + n.durata);
            ev.push_back({n.inizio, 2, {std::uint8_t(0x90 | c), std::uint8_t(n.tasto), std::uint8_t(n.vel)}});
            ev.push_back({termine, 1, {std::uint8_t(0x80 | c), std::uint8_t(n.tasto), 0}});
        }
        scriviTraccia(o, ev, fine);
    }
    return o;
}

// ---------------------------------------------------------------- harmony

struct Accordo {
    int radice = 0;               // pitch class 0..11
    std::vector<int> intervalli;  // semitones above the root
    bool contiene(int pc) const
    {
        for (int i : intervalli)
            if ((radice + i) % 12 == ((pc % 12) + 12) % 12)
                return true;
        return false;
    }
};

// "Am", "E7", "Cmaj7", "F#m7", "Bb6", "Gsus4", "Dm9", "G13", "Bdim"
Accordo accordo(const std::string &nome)
{
    static const std::map<char, int> lettere = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
    static const std::map<std::string, std::vector<int>> qualita = {
        {"", {0, 4, 7}},          {"m", {0, 3, 7}},           {"7", {0, 4, 7, 10}},
        {"maj7", {0, 4, 7, 11}},  {"m7", {0, 3, 7, 10}},      {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},     {"9", {0, 4, 7, 10, 14}},   {"m9", {0, 3, 7, 10, 14}},
        {"maj9", {0, 4, 7, 11, 14}}, {"13", {0, 4, 10, 14, 21}}, {"sus4", {0, 5, 7}},
        {"sus2", {0, 2, 7}},      {"add9", {0, 4, 7, 14}},    {"dim", {0, 3, 6}},
        {"m7b5", {0, 3, 6, 10}},  {"7sus4", {0, 5, 7, 10}},
    };
    Accordo a;
    a.radice = lettere.at(nome.at(0));
    std::size_t i = 1;
    if (i < nome.size() && (nome[i] == '#' || nome[i] == 'b')) {
        a.radice = (a.radice + (nome[i] == '#' ? 1 : 11)) % 12;
        ++i;
    }
    a.intervalli = qualita.at(nome.substr(i));
    return a;
}

// A progression, one text per bar; a bar may hold two chords ("Dm7 G7"),
// each taking half of it.
class Giro {
public:
    Giro(std::initializer_list<const char *> battute)
    {
        for (const char *b : battute) {
            std::istringstream in(b);
            std::vector<Accordo> v;
            std::string nome;
            while (in >> nome)
                v.push_back(accordo(nome));
            misure.push_back(v);
        }
    }
    int battute() const { return int(misure.size()); }
    const Accordo &a(int battuta, std::int64_t dentro, std::int64_t lunghezza) const
    {
        const auto &v = misure.at(std::size_t(battuta));
        const std::size_t k = std::min(v.size() - 1, std::size_t(dentro * std::int64_t(v.size()) / lunghezza));
        return v[k];
    }
    Giro &operator+=(const Giro &altro)
    {
        misure.insert(misure.end(), altro.misure.begin(), altro.misure.end());
        return *this;
    }

private:
    std::vector<std::vector<Accordo>> misure;
};

// The chord's tones placed nearest to a centre pitch: a close, smooth voicing.
std::vector<int> voci(const Accordo &a, int centro, int quante = 4)
{
    std::vector<int> v;
    for (int k = 0; k < int(a.intervalli.size()) && int(v.size()) < quante; ++k) {
        int p = a.radice + a.intervalli[std::size_t(k)];
        while (p < centro - 6)
            p += 12;
        while (p >= centro + 6)
            p -= 12;
        if (std::find(v.begin(), v.end(), p) == v.end())
            v.push_back(p);
    }
    std::sort(v.begin(), v.end());
    return v;
}

// The chord's root in the bass register: C2 up to F#2, G1 up to B1 below it.
int basso(const Accordo &a, int ottava = 36) { return ottava + a.radice - (a.radice > 6 ? 12 : 0); }
int quinta(const Accordo &a, int ottava = 36)
{
    const int r = basso(a, ottava);
    return a.contiene(a.radice + 6) && !a.contiene(a.radice + 7) ? r + 6 : r + 7;
}

// ---------------------------------------------------------------- melody

struct Scala {
    int tonica;
    std::vector<int> gradi;
};
const std::vector<int> MAGGIORE = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> MINORE = {0, 2, 3, 5, 7, 8, 10};
const std::vector<int> DORICO = {0, 2, 3, 5, 7, 9, 10};

// Pitches a melody may use over a chord: the scale, with a scale tone bent to
// the chord's own tone a semitone away (G to G# over E7 in A minor).
std::vector<int> altezze(const Scala &s, const Accordo &a, int basso, int alto)
{
    std::vector<int> pcs;
    for (int g : s.gradi) {
        int pc = (s.tonica + g) % 12;
        if (!a.contiene(pc)) {
            for (int d : {1, -1})
                if (a.contiene(pc + d) && !a.contiene(pc)) {
                    bool inScala = false;
                    for (int h : s.gradi)
                        inScala |= (s.tonica + h) % 12 == ((pc + d) % 12 + 12) % 12;
                    if (!inScala)
                        pc = ((pc + d) % 12 + 12) % 12;
                }
        }
        pcs.push_back(pc);
    }
    std::vector<int> v;
    for (int p = basso; p <= alto; ++p)
        if (std::find(pcs.begin(), pcs.end(), p % 12) != pcs.end())
            v.push_back(p);
    return v;
}

struct Ritmo {
    std::vector<std::pair<int, int>> note; // (start, length) in ticks within the bar
};

struct Voce {
    int canale;
    int basso, alto;   // range
    int vel;
    bool tremolo = false;             // mandolin-like re-struck long notes
    std::vector<Ritmo> ritmi;         // chosen bar by bar
    Ritmo cadenza;                    // last bar of each four-bar phrase
    int battito = PPQ;                // strong beats fall on multiples of this
};

// Writes a melody over `giro` from `inizio`. Phrases of four bars rise and
// fall; strong beats take chord tones, the others move by step. The same seed
// over the same chords gives the same tune, which is how sections repeat.
void melodia(Partitura &p, std::uint32_t seme, const Giro &giro, std::int64_t inizio, const Scala &scala,
             const Voce &v)
{
    Caso caso(seme);
    const std::int64_t bt = p.battuta();
    int precedente = (v.basso + v.alto) / 2;
    for (int b = 0; b < giro.battute(); ++b) {
        const bool fineFrase = b % 4 == 3;
        const Ritmo &r = fineFrase ? v.cadenza : v.ritmi[std::size_t(caso.tra(0, int(v.ritmi.size()) - 1))];
        for (std::size_t k = 0; k < r.note.size(); ++k) {
            const auto [t, d] = r.note[k];
            const Accordo &a = giro.a(b, t, bt);
            const double pos = ((b % 4) * bt + t) / double(4 * bt);
            const int meta = v.basso + int((v.alto - v.basso) * (0.35 + 0.45 * std::sin(3.14159 * pos)));
            const bool forte = t % v.battito == 0 || d >= v.battito;
            const bool ultima = fineFrase && k + 1 == r.note.size();
            std::vector<int> candidati;
            for (int q : altezze(scala, a, v.basso, v.alto))
                if (!forte || a.contiene(q))
                    candidati.push_back(q);
            if (ultima) { // phrases end on the chord's root where it lies in range
                std::vector<int> radici;
                for (int q : candidati)
                    if (q % 12 == a.radice)
                        radici.push_back(q);
                if (!radici.empty())
                    candidati = radici;
            }
            int scelta = precedente;
            double migliore = 1e9;
            for (int q : candidati) {
                const int salto = std::abs(q - precedente);
                double punteggio = std::abs(q - meta) * 0.35 + salto * (forte ? 0.6 : 1.2)
                    + (salto == 0 ? 5.0 : 0) + (!forte && salto > 4 ? 6 : 0) + caso.tra(0, 30) / 10.0;
                if (punteggio < migliore) {
                    migliore = punteggio;
                    scelta = q;
                }
            }
            precedente = scelta;
            const int vel = v.vel + (forte ? 8 : 0) + caso.tra(-6, 6);
            const std::int64_t at = inizio + b * bt + t;
            if (v.tremolo && d >= PPQ) {
                for (int s = 0; s < d; s += PPQ / 4)
                    p.nota(at + s, std::min(PPQ / 4, d - s) - 10, v.canale, scelta, vel - (s ? 18 : 0) + caso.tra(-4, 4));
            } else {
                p.nota(at, d - 12, v.canale, scelta, vel);
            }
        }
    }
}

Ritmo ritmo(std::initializer_list<std::pair<int, int>> note) { return Ritmo{note}; }

// ---------------------------------------------------------------- the songs

// Zorvala: the title tune, a tarantella in A minor. Mandolin-like plucked
// melody, accordion off-beats, bass on the two beats, tambourine and claves.
Brano zorvala()
{
    Partitura p(189, 6, 8); // dotted quarter = 126
    const int E = PPQ / 2;  // one eighth
    p.strumento({0, 25, 110, 70, 40, 10, "Mandolin"});
    p.strumento({1, 21, 88, 52, 50, 30, "Accordion"});
    p.strumento({2, 32, 100, 64, 20, 0, "Bass"});
    p.strumento({BATTERIA, 0, 90, 64, 30, 0, "Tambourine"});
    const Scala la{9, MINORE};

    Giro intro{"Am", "E7"};
    Giro a{"Am", "Am", "E7", "E7", "E7", "E7", "Am", "Am"};
    Giro a2{"Dm", "Dm", "Am", "Am", "E7", "E7", "Am", "Am"};
    Giro b{"C", "C", "G7", "G7", "G7", "G7", "C", "E7"};
    Giro b2{"F", "F", "C", "C", "Dm E7", "E7", "Am", "Am"};
    Giro fine{"E7", "Am"};

    Giro tutto = intro;
    tutto += a; tutto += a2; tutto += b; tutto += b2; tutto += a; tutto += a2; tutto += fine;

    Voce mandolino{0, 64, 86, 92, true, {}, {}, 3 * E};
    mandolino.ritmi = {
        ritmo({{0, E}, {E, E}, {2 * E, E}, {3 * E, E}, {4 * E, E}, {5 * E, E}}),
        ritmo({{0, 2 * E}, {2 * E, E}, {3 * E, 2 * E}, {5 * E, E}}),
        ritmo({{0, E}, {E, E}, {2 * E, E}, {3 * E, 3 * E}}),
        ritmo({{0, 2 * E}, {2 * E, E}, {3 * E, E}, {4 * E, E}, {5 * E, E}}),
    };
    mandolino.cadenza = ritmo({{0, 2 * E}, {2 * E, E}, {3 * E, 3 * E}});

    const std::int64_t bt = p.battuta();
    const std::int64_t inizioMelodia = 2 * bt;
    // The sections that repeat share their seed, so the tune comes back.
    std::int64_t t = inizioMelodia;
    melodia(p, 11, a, t, la, mandolino); t += 8 * bt;
    melodia(p, 12, a2, t, la, mandolino); t += 8 * bt;
    melodia(p, 21, b, t, la, mandolino); t += 8 * bt;
    melodia(p, 22, b2, t, la, mandolino); t += 8 * bt;
    melodia(p, 11, a, t, la, mandolino); t += 8 * bt;
    melodia(p, 12, a2, t, la, mandolino); t += 8 * bt;
    // Final flourish: a run down to the tonic and the last chord held.
    const int corsa[] = {76, 74, 72, 71, 69, 68};
    for (int i = 0; i < 6; ++i)
        p.nota(t + i * E, E - 12, 0, corsa[i], 96);
    p.nota(t + bt, bt - 40, 0, 69, 100);
    p.nota(t + bt, bt - 40, 0, 57, 90);

    Caso caso(5);
    for (int battuta = 0; battuta < tutto.battute(); ++battuta) {
        const std::int64_t inizio = battuta * bt;
        const bool ultima = battuta == tutto.battute() - 1;
        for (int meta = 0; meta < 2; ++meta) {
            const std::int64_t m = inizio + meta * 3 * E;
            const Accordo &acc = tutto.a(battuta, meta * 3 * E, bt);
            // Bass: root on the first beat, fifth on the second.
            p.nota(m, 2 * E, 2, meta == 0 ? basso(acc) : quinta(acc), 100);
            if (ultima) {
                if (meta == 0)
                    for (int q : voci(acc, 62))
                        p.nota(m, bt - 40, 1, q, 84);
            } else {
                // Accordion: "oom-pah-pah", the chord on the two off-eighths.
                for (int q : voci(acc, 62, 3)) {
                    p.nota(m + E, E - 30, 1, q, 70 + caso.tra(-4, 4));
                    p.nota(m + 2 * E, E - 30, 1, q, 62 + caso.tra(-4, 4));
                }
            }
            // Tambourine on every eighth, accented on the beat; claves on it too.
            if (!ultima) {
                for (int k = 0; k < 3; ++k)
                    p.colpo(m + k * E, 54, k == 0 ? 96 : 60 + caso.tra(-6, 6));
                p.colpo(m, meta == 0 ? 36 : 75, meta == 0 ? 92 : 70);
            } else if (meta == 0) {
                p.colpo(m, 36, 100);
                p.colpo(m, 49, 90);
            }
        }
    }
    p.setFine(tutto.battute() * bt);
    return {"Zorvala.MID", p.smf("Zorvala")};
}

// Briscola: the table's song. Calm, in F, nylon guitar arpeggios under a
// flute, soft strings; its last bar is a C7 that leads back to the first F,
// so it loops without a seam.
Brano briscola()
{
    Partitura p(84, 4, 4);
    const int Q = PPQ, E = PPQ / 2;
    p.strumento({0, 73, 92, 74, 60, 20, "Flute"});
    p.strumento({1, 24, 100, 50, 45, 10, "Guitar"});
    p.strumento({2, 48, 60, 64, 80, 40, "Strings"});
    p.strumento({3, 32, 92, 64, 30, 0, "Bass"});
    const Scala fa{5, MAGGIORE};
    Giro a{"F", "Dm", "Bb", "C", "F", "Am", "Bb C", "F"};
    Giro a2{"F", "Dm", "Bb", "C", "Dm", "Bb", "Gm7 C7", "F"};
    Giro b{"Bb", "C", "Am", "Dm", "Gm7", "C", "Bb", "C7"};
    Giro tutto = a;
    tutto += a2;
    tutto += b;

    Voce flauto{0, 65, 84, 78, false, {}, {}, 2 * Q};
    flauto.ritmi = {
        ritmo({{0, Q + E}, {Q + E, E}, {2 * Q, Q}, {3 * Q, Q}}),
        ritmo({{0, Q}, {Q, Q}, {2 * Q, 2 * Q}}),
        ritmo({{0, 2 * Q}, {2 * Q, E}, {2 * Q + E, E}, {3 * Q, Q}}),
        ritmo({{E, E}, {Q, Q}, {2 * Q, Q + E}, {3 * Q + E, E}}),
    };
    flauto.cadenza = ritmo({{0, Q}, {Q, 3 * Q}});
    const std::int64_t bt = p.battuta();
    melodia(p, 31, a, 0, fa, flauto);
    melodia(p, 31, a2, 8 * bt, fa, flauto);
    melodia(p, 37, b, 16 * bt, fa, flauto);

    Caso caso(9);
    for (int battuta = 0; battuta < tutto.battute(); ++battuta) {
        const std::int64_t inizio = battuta * bt;
        for (int mezzo = 0; mezzo < 2; ++mezzo) {
            const Accordo &acc = tutto.a(battuta, mezzo * 2 * Q, bt);
            const std::int64_t m = inizio + mezzo * 2 * Q;
            p.nota(m, 2 * Q - 20, 3, basso(acc), 88);
            // Guitar: broken chord in eighths, root-fifth-third-fifth.
            const std::vector<int> v = voci(acc, 57, 3);
            const int figura[] = {0, 2, 1, 2};
            for (int k = 0; k < 4; ++k)
                p.nota(m + k * E, 2 * E, 1, v[std::size_t(figura[k]) % v.size()], 66 + (k == 0 ? 10 : 0) + caso.tra(-5, 5));
        }
        // Strings: one soft sustained chord per bar, two when the harmony moves.
        const Accordo &primo = tutto.a(battuta, 0, bt), &secondo = tutto.a(battuta, 2 * Q, bt);
        const bool cambia = primo.radice != secondo.radice || primo.intervalli != secondo.intervalli;
        for (int q : voci(primo, 60))
            p.nota(inizio, (cambia ? bt / 2 : bt) - 10, 2, q, 48);
        if (cambia)
            for (int q : voci(secondo, 60))
                p.nota(inizio + bt / 2, bt / 2 - 10, 2, q, 48);
    }
    p.setFine(tutto.battute() * bt);
    return {"Briscola.MID", p.smf("Briscola")};
}

// Chill1: slow, laid-back; electric piano seventh chords, warm pad, a round
// bass and a soft swung beat, a vibraphone on top.
Brano chill1()
{
    Partitura p(76, 4, 4);
    const int Q = PPQ, E = PPQ / 2;
    const int S = E * 2 / 3; // swing: the off-eighth comes late
    p.strumento({0, 11, 84, 80, 70, 30, "Vibraphone"});
    p.strumento({1, 4, 90, 50, 50, 40, "Electric piano"});
    p.strumento({2, 89, 56, 64, 90, 60, "Warm pad"});
    p.strumento({3, 33, 100, 64, 20, 0, "Bass"});
    p.strumento({BATTERIA, 0, 84, 64, 40, 0, "Drums"});
    const Scala re{2, DORICO};
    Giro a{"Dm9", "G13", "Dm9", "G13", "Bbmaj7", "Am7", "Gm7", "A7sus4"};
    Giro b{"Fmaj7", "Em7 A7", "Dm9", "Cmaj7", "Bbmaj7", "Am7", "Gm7", "A7sus4"};
    Giro tutto = a;
    tutto += b;
    Giro coda{"Dm9", "G13", "Bbmaj7", "A7sus4"};
    tutto += coda;

    Voce vibra{0, 62, 81, 70, false, {}, {}, 2 * Q};
    vibra.ritmi = {
        ritmo({{0, Q + E}, {2 * Q, E}, {2 * Q + E + S - E, Q}}),
        ritmo({{E + S - E, E}, {Q, Q}, {3 * Q, Q}}),
        ritmo({{0, 2 * Q}, {2 * Q + E, E}, {3 * Q, Q}}),
    };
    vibra.cadenza = ritmo({{0, 3 * Q}});
    const std::int64_t bt = p.battuta();
    melodia(p, 41, a, 0, re, vibra);
    melodia(p, 43, b, 8 * bt, re, vibra);
    melodia(p, 41, coda, 16 * bt, re, vibra);

    Caso caso(13);
    for (int battuta = 0; battuta < tutto.battute(); ++battuta) {
        const std::int64_t inizio = battuta * bt;
        for (int mezzo = 0; mezzo < 2; ++mezzo) {
            const Accordo &acc = tutto.a(battuta, mezzo * 2 * Q, bt);
            const std::int64_t m = inizio + mezzo * 2 * Q;
            // Electric piano: the chord on the beat and again just after "two and".
            for (int q : voci(acc, 60, 4)) {
                p.nota(m, Q + E, 1, q, 62 + caso.tra(-4, 4));
                p.nota(m + Q + S, E, 1, q, 50 + caso.tra(-4, 4));
            }
            p.nota(m, Q + E, 3, basso(acc), 92);
            p.nota(m + Q + S, E, 3, basso(acc) + (mezzo ? 12 : 7), 76);
        }
        for (int q : voci(tutto.a(battuta, 0, bt), 55, 3))
            p.nota(inizio, bt, 2, q, 50);
        // Beat: kick on one and "three and", side stick on two and four,
        // swung hats.
        p.colpo(inizio, 36, 88);
        p.colpo(inizio + 2 * Q + S, 36, 70);
        p.colpo(inizio + Q, 37, 74);
        p.colpo(inizio + 3 * Q, 37, 78);
        for (int k = 0; k < 4; ++k) {
            p.colpo(inizio + k * Q, 42, 56 + caso.tra(-6, 6));
            p.colpo(inizio + k * Q + S, 42, 40 + caso.tra(-6, 6));
        }
    }
    p.setFine(tutto.battute() * bt);
    return {"Chill1.MID", p.smf("Chill1")};
}

// Cool1: cool jazz in B-flat, swung: walking bass, ride cymbal, piano comping
// and a muted trumpet.
Brano cool1()
{
    Partitura p(112, 4, 4);
    const int Q = PPQ;
    const int L = PPQ * 2 / 3, B = PPQ / 3; // swung eighths: long, short
    p.strumento({0, 59, 96, 76, 50, 10, "Muted trumpet"});
    p.strumento({1, 0, 80, 48, 40, 10, "Piano"});
    p.strumento({2, 32, 108, 64, 20, 0, "Walking bass"});
    p.strumento({BATTERIA, 0, 80, 70, 40, 0, "Drums"});
    const Scala sib{10, MAGGIORE};
    Giro a{"Cm7", "F7", "Bbmaj7", "Gm7", "Cm7", "F7", "Bbmaj7", "Bbmaj7"};
    Giro b{"Ebmaj7", "Ab7", "Bbmaj7", "Gm7", "Cm7", "F7", "Dm7 G7", "Cm7 F7"};
    Giro tutto = a;
    tutto += a;
    tutto += b;
    tutto += a;

    Voce tromba{0, 62, 82, 84, false, {}, {}, 2 * Q};
    tromba.ritmi = {
        ritmo({{0, L}, {L, B}, {Q, L}, {Q + L, B + Q}, {3 * Q, Q}}),
        ritmo({{L, B}, {Q, Q}, {2 * Q + L, B}, {3 * Q, L}, {3 * Q + L, B}}),
        ritmo({{0, 2 * Q}, {2 * Q + L, B}, {3 * Q, Q}}),
        ritmo({{0, L}, {L, B}, {Q, L}, {Q + L, B}, {2 * Q, Q + L}}),
    };
    tromba.cadenza = ritmo({{0, Q + L}, {Q + L, 2 * Q + B}});
    const std::int64_t bt = p.battuta();
    melodia(p, 51, a, 0, sib, tromba);
    melodia(p, 52, a, 8 * bt, sib, tromba);
    melodia(p, 57, b, 16 * bt, sib, tromba);
    melodia(p, 51, a, 24 * bt, sib, tromba);

    Caso caso(17);
    for (int battuta = 0; battuta < tutto.battute(); ++battuta) {
        const std::int64_t inizio = battuta * bt;
        // Walking bass: root, a chord tone, a scale step, then a half step
        // into the next bar's root.
        const Accordo &ora = tutto.a(battuta, 0, bt);
        const Accordo &dopo = tutto.a((battuta + 1) % tutto.battute(), 0, bt);
        const int r = basso(ora, 36);
        const int prossima = basso(dopo, 36);
        const int terza = r + ora.intervalli[1];
        int passi[4] = {r, terza, r + 7, prossima + (prossima > r + 7 ? -1 : 1)};
        if (tutto.a(battuta, 2 * Q, bt).radice != ora.radice) {
            const Accordo &seconda = tutto.a(battuta, 2 * Q, bt);
            passi[2] = basso(seconda, 36);
            passi[3] = passi[2] + 7 - 12 * (passi[2] + 7 > 52);
        }
        for (int k = 0; k < 4; ++k)
            p.nota(inizio + k * Q, Q - 30, 2, passi[k], 92 + (k % 2 ? -6 : 4) + caso.tra(-4, 4));
        // Piano: short chords on "two and" and sometimes "four".
        for (int mezzo = 0; mezzo < 2; ++mezzo) {
            const Accordo &acc = tutto.a(battuta, mezzo * 2 * Q, bt);
            const std::int64_t m = inizio + mezzo * 2 * Q;
            const std::int64_t quando = mezzo == 0 ? m + L : m + (caso.probabile(50) ? 0 : Q + L);
            for (int q : voci(acc, 60, 4))
                p.nota(quando, B + 60, 1, q, 58 + caso.tra(-5, 5));
        }
        // Ride: "ding, ding-a ding, ding-a"; hi-hat foot on two and four.
        for (int k = 0; k < 4; ++k) {
            p.colpo(inizio + k * Q, 51, 66 + caso.tra(-5, 5));
            if (k % 2) {
                p.colpo(inizio + k * Q + L, 51, 50 + caso.tra(-5, 5));
                p.colpo(inizio + k * Q, 44, 62);
            }
        }
        if (battuta % 8 == 7)
            p.colpo(inizio + 3 * Q + L, 38, 60);
    }
    p.setFine(tutto.battute() * bt);
    return {"Cool1.MID", p.smf("Cool1")};
}

// Amb_iant: slow-moving pads in C with a lydian colour, bell notes drifting
// over them, no beat.
Brano ambiente()
{
    Partitura p(60, 4, 4);
    const int Q = PPQ;
    p.strumento({0, 9, 76, 84, 100, 40, "Glockenspiel"});
    p.strumento({1, 88, 80, 40, 110, 70, "New age pad"});
    p.strumento({2, 91, 64, 88, 120, 80, "Space voice"});
    p.strumento({3, 32, 70, 64, 60, 0, "Bass"});
    const Scala lidio{0, {0, 2, 4, 6, 7, 9, 11}};
    Giro a{"Cmaj7", "D", "Em7", "Cmaj9", "Am7", "D", "Gmaj7", "Dsus4"};
    Giro b{"Cmaj9", "Bm7", "Am7", "D", "Em7", "Cmaj7", "Am7", "Dsus4"};
    Giro tutto = a;
    tutto += b;

    Voce campane{0, 72, 91, 56, false, {}, {}, 2 * Q};
    campane.ritmi = {
        ritmo({{Q, 2 * Q}, {3 * Q, Q}}),
        ritmo({{0, Q}, {2 * Q + Q / 2, Q + Q / 2}}),
        ritmo({{Q / 2, Q}, {2 * Q, Q}}),
        ritmo({}),
    };
    campane.cadenza = ritmo({{0, 4 * Q}});
    const std::int64_t bt = p.battuta();
    melodia(p, 61, a, 0, lidio, campane);
    melodia(p, 67, b, 8 * bt, lidio, campane);

    for (int battuta = 0; battuta < tutto.battute(); ++battuta) {
        const std::int64_t inizio = battuta * bt;
        const Accordo &acc = tutto.a(battuta, 0, bt);
        for (int q : voci(acc, 60, 4))
            p.nota(inizio, bt, 1, q, 60);
        // The voices breathe in on the second beat and hold across the bar.
        for (int q : voci(acc, 67, 3))
            p.nota(inizio + Q, 3 * Q, 2, q, 44);
        p.nota(inizio, bt, 3, basso(acc, 36), 62);
    }
    p.setFine(tutto.battute() * bt);
    return {"Amb_iant.MID", p.smf("Amb_iant")};
}

// Gd_vibes: bright and bouncy in G; syncopated bass, guitar chops on the
// off-beats, brass stabs, a sax tune and a full pop beat.
Brano buoneVibrazioni()
{
    Partitura p(104, 4, 4);
    const int Q = PPQ, E = PPQ / 2, S = PPQ / 4;
    p.strumento({0, 65, 96, 70, 50, 10, "Alto sax"});
    p.strumento({1, 27, 84, 36, 40, 30, "Clean guitar"});
    p.strumento({2, 61, 78, 92, 50, 10, "Brass"});
    p.strumento({3, 33, 106, 64, 10, 0, "Bass"});
    p.strumento({4, 4, 70, 60, 50, 30, "Electric piano"});
    p.strumento({BATTERIA, 0, 96, 64, 30, 0, "Drums"});
    const Scala sol{7, MAGGIORE};
    Giro a{"G", "D", "Em", "C", "G", "D", "C", "D"};
    Giro b{"C", "D", "Bm7", "Em", "Am7", "D", "G", "D7"};
    Giro tutto = a;
    tutto += a;
    tutto += b;
    Giro fine{"C", "D", "G", "G"};
    tutto += fine;

    Voce sax{0, 62, 81, 86, false, {}, {}, Q};
    sax.ritmi = {
        ritmo({{0, E}, {E, E}, {Q, E}, {Q + E, Q}, {3 * Q, E}, {3 * Q + E, E}}),
        ritmo({{E, Q}, {Q + E, E}, {2 * Q, Q}, {3 * Q + E, E}}),
        ritmo({{0, Q}, {Q + E, E}, {2 * Q, E}, {2 * Q + E, E}, {3 * Q, Q}}),
    };
    sax.cadenza = ritmo({{0, E}, {E, Q}, {Q + E, 2 * Q}});
    const std::int64_t bt = p.battuta();
    // The sax rests for the first eight bars: the band sets the groove.
    melodia(p, 71, a, 8 * bt, sol, sax);
    melodia(p, 77, b, 16 * bt, sol, sax);
    melodia(p, 71, fine, 24 * bt, sol, sax);

    Caso caso(23);
    for (int battuta = 0; battuta < tutto.battute(); ++battuta) {
        const std::int64_t inizio = battuta * bt;
        const Accordo &acc = tutto.a(battuta, 0, bt);
        const bool ultima = battuta == tutto.battute() - 1;
        const int r = basso(acc, 36);
        if (ultima) {
            p.nota(inizio, 2 * Q, 3, r, 100);
            for (int q : voci(acc, 64, 4)) {
                p.nota(inizio, 2 * Q, 2, q, 90);
                p.nota(inizio, 2 * Q, 4, q, 70);
            }
            p.colpo(inizio, 36, 110);
            p.colpo(inizio, 49, 100);
            continue;
        }
        // Bass: one, the "and" of two with the octave, three, a pickup.
        const int figura[][3] = {{0, E + S, 0}, {Q + E, E, 12}, {2 * Q, E, 0}, {2 * Q + E + S, S, 7}, {3 * Q, E, 12}, {3 * Q + E, E, 10}};
        for (const auto &f : figura)
            p.nota(inizio + f[0], f[1] - 10, 3, r + (f[2] == 10 ? (acc.contiene(acc.radice + 10) ? 10 : 9) : f[2]), 96 + caso.tra(-6, 6));
        // Guitar chops on every off-beat eighth.
        for (int k = 0; k < 4; ++k)
            for (int q : voci(acc, 67, 3))
                p.nota(inizio + k * Q + E, S, 1, q, 64 + caso.tra(-5, 5));
        // Electric piano holds the chord softly.
        for (int q : voci(acc, 60, 4))
            p.nota(inizio, bt - 20, 4, q, 44);
        // Brass stabs where the sax is silent and at each phrase turn.
        if (battuta < 8 || battuta % 4 == 3)
            for (int q : voci(acc, 70, 3)) {
                p.nota(inizio + Q + E, S + 40, 2, q, 84);
                p.nota(inizio + 3 * Q, E, 2, q, 90);
            }
        // Beat: kick on one, "two and", three; snare on two and four; eighth hats.
        p.colpo(inizio, 36, 104);
        p.colpo(inizio + Q + E, 36, 80);
        p.colpo(inizio + 2 * Q, 36, 98);
        p.colpo(inizio + Q, 38, 96);
        p.colpo(inizio + 3 * Q, 38, 100);
        for (int k = 0; k < 8; ++k)
            p.colpo(inizio + k * E, k == 7 ? 46 : 42, (k % 2 ? 52 : 72) + caso.tra(-6, 6));
        if (battuta % 8 == 0)
            p.colpo(inizio, 49, 92);
    }
    p.setFine(tutto.battute() * bt);
    return {"Gd_vibes.MID", p.smf("Gd_vibes")};
}

void le16(std::vector<std::uint8_t> &o, std::uint32_t v)
{
    o.push_back(std::uint8_t(v));
    o.push_back(std::uint8_t(v >> 8));
}
void le32(std::vector<std::uint8_t> &o, std::uint32_t v)
{
    le16(o, v & 0xFFFF);
    le16(o, v >> 16);
}

} // namespace

std::vector<Brano> componiTutti()
{
    return {zorvala(), briscola(), chill1(), cool1(), ambiente(), buoneVibrazioni()};
}

std::vector<std::uint8_t> suonoCarta()
{
    // A card slapped on the cloth: a bright burst of noise that dies within a
    // few milliseconds (the edge of the card), under a short low thump (the
    // table), with a soft tail of filtered noise.
    constexpr int frequenza = 44100;
    constexpr int campioni = frequenza * 14 / 100; // 0.14 s
    Caso caso(2024);
    std::vector<double> s(campioni);
    double basso = 0, precedente = 0;
    for (int i = 0; i < campioni; ++i) {
        const double t = double(i) / frequenza;
        const double attacco = std::min(1.0, t / 0.0008);
        const double rumore = (caso.tra(0, 65535) / 32767.5) - 1.0;
        // High-passed noise for the crisp edge, low-passed noise for the tail.
        const double acuto = rumore - precedente;
        precedente = rumore;
        basso += (rumore - basso) * 0.12;
        const double colpo = std::sin(2 * 3.14159265 * (95 - 300 * t) * t) * std::exp(-t / 0.022);
        s[std::size_t(i)] = attacco * (0.55 * acuto * std::exp(-t / 0.006) + 0.9 * basso * std::exp(-t / 0.03)
                                       + 0.7 * colpo);
    }
    double picco = 0;
    for (double v : s)
        picco = std::max(picco, std::abs(v));
    std::vector<std::uint8_t> dati;
    for (double v : s) {
        const int x = int(std::lround(v / picco * 0.85 * 32767));
        le16(dati, std::uint16_t(std::int16_t(std::clamp(x, -32768, 32767))));
    }
    // The last 2 ms fade to zero so the sound stops without a click.
    const int dissolvenza = frequenza / 500;
    for (int i = 0; i < dissolvenza; ++i) {
        const std::size_t k = std::size_t(campioni - dissolvenza + i) * 2;
        const auto v = std::int16_t(dati[k] | (dati[k + 1] << 8));
        const auto w = std::int16_t(std::lround(v * double(dissolvenza - i) / dissolvenza));
        dati[k] = std::uint8_t(w);
        dati[k + 1] = std::uint8_t(std::uint16_t(w) >> 8);
    }

    std::vector<std::uint8_t> o = {'R', 'I', 'F', 'F'};
    le32(o, std::uint32_t(36 + dati.size()));
    o.insert(o.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    le32(o, 16);
    le16(o, 1);             // PCM
    le16(o, 1);             // mono
    le32(o, frequenza);
    le32(o, frequenza * 2); // bytes per second
    le16(o, 2);             // block align
    le16(o, 16);            // bits per sample
    o.insert(o.end(), {'d', 'a', 't', 'a'});
    le32(o, std::uint32_t(dati.size()));
    o.insert(o.end(), dati.begin(), dati.end());
    return o;
}

} // namespace orvento::musica
