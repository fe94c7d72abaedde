#pragma once
// Uniform random numbers for the shuffle and the computer player. The program
// seeds from the clock; tests and the self-play tool pass a fixed seed so that
// a run can be repeated exactly.

#include <cstdint>

namespace orvento {

class Casuale {
public:
    explicit Casuale(std::uint64_t seme);
    // A generator seeded from the clock, as the game uses it.
    static Casuale dallOrologio();

    // Uniform in [0, 1).
    double rnd();
    // Uniform whole number 0 .. n-1, the `Int(rnd * n)` of the game.
    int intero(int n);

    // Mixes the clock into the state. The computer player calls it before each
    // draw; unlike a plain re-seed from the clock it never repeats a draw when
    // the clock has not moved, so retry loops always make progress.
    void rimescolaDallOrologio();
    bool daOrologio() const { return m_orologio; }

private:
    std::uint64_t prossimo();
    std::uint64_t m_s[2];
    bool m_orologio = false;
};

} // namespace orvento
