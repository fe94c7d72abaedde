#include "Casuale.h"

#include <chrono>

namespace orvento {

namespace {
std::uint64_t splitmix(std::uint64_t &x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
std::uint64_t adesso()
{
    return std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

Casuale::Casuale(std::uint64_t seme)
{
    m_s[0] = splitmix(seme);
    m_s[1] = splitmix(seme);
}

Casuale Casuale::dallOrologio()
{
    Casuale c(adesso());
    c.m_orologio = true;
    return c;
}

// xoroshiro128+: small, fast and plenty uniform for choosing among 40 cards.
std::uint64_t Casuale::prossimo()
{
    const std::uint64_t s0 = m_s[0];
    std::uint64_t s1 = m_s[1];
    const std::uint64_t r = s0 + s1;
    s1 ^= s0;
    m_s[0] = ((s0 << 24) | (s0 >> 40)) ^ s1 ^ (s1 << 16);
    m_s[1] = (s1 << 37) | (s1 >> 27);
    return r;
}

double Casuale::rnd() { return double(prossimo() >> 11) * 0x1.0p-53; }

int Casuale::intero(int n)
{
    const int k = int(rnd() * n);
    return k < n ? k : n - 1;
}

void Casuale::rimescolaDallOrologio()
{
    if (!m_orologio)
        return;
    std::uint64_t t = adesso() ^ m_s[0];
    m_s[0] ^= splitmix(t);
    if (m_s[0] == 0 && m_s[1] == 0)
        m_s[1] = 1;
}

} // namespace orvento
