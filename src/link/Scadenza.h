#pragma once
// The time-out rule of every wait of the link layer: time-outs are whole
// seconds, a negative one means none, and a wait has timed out when more than
// that many seconds have passed since its start, the start read off the pacing
// clock and rounded to the whole second. The clock is monotonic, so a wait
// that spans midnight ends on time.

namespace orvento {

class Scadenza {
public:
    explicit Scadenza(int secondi);
    // With an explicit start, for callers that have read the clock already.
    Scadenza(int secondi, double adesso);

    bool infinita() const { return m_secondi < 0; }
    bool scaduta() const;
    bool scadutaA(double adesso) const;
    // Paced seconds left until the wait times out (0 when it has; a large
    // number when there is no time-out). A timer set to it wakes the waiter.
    double restante() const;

private:
    int m_secondi;
    double m_inizio;
};

} // namespace orvento
