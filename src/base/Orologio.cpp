#include "Orologio.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cmath>
#include <coroutine>

namespace orvento {

namespace {
struct Stato {
    QElapsedTimer reale;
    double fattore = 1.0;
    double baseReale = 0.0;  // real seconds at the last change of speed
    double basePaced = 0.0;  // paced seconds at the last change of speed
    Stato()
    {
        reale.start();
        const QByteArray env = qgetenv("BRISCOLA_PACE");
        bool ok = false;
        const double f = env.toDouble(&ok);
        if (ok && f > 0)
            fattore = f;
    }
    double adessoReale() const { return reale.nsecsElapsed() / 1e9; }
};

Stato &stato()
{
    static Stato s;
    return s;
}
} // namespace

double Orologio::secondi()
{
    Stato &s = stato();
    return s.basePaced + (s.adessoReale() - s.baseReale) * s.fattore;
}

void Orologio::setVelocita(double fattore)
{
    if (!(fattore > 0))
        return;
    Stato &s = stato();
    s.basePaced = secondi();
    s.baseReale = s.adessoReale();
    s.fattore = fattore;
}

double Orologio::velocita() { return stato().fattore; }

int Orologio::millisecondiReali(double secondi)
{
    if (!(secondi > 0))
        return 0;
    const double ms = secondi * 1000.0 / stato().fattore;
    if (ms > 2e9)
        return 2000000000;
    return static_cast<int>(std::ceil(ms)); // never 0 for a real wait: a 0 ms timer is no wait at all
}

namespace {
// Resumes the waiting coroutine from a one-shot timer.
struct AttesaTimer {
    int millisecondi;
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> chiamante) const
    {
        QTimer::singleShot(millisecondi, Qt::PreciseTimer, [chiamante] { chiamante.resume(); });
    }
    void await_resume() const noexcept {}
};
} // namespace

QCoro::Task<> attendi(double secondi)
{
    // A pause far below a real millisecond (a sped-up animation step) becomes
    // "the next turn of the event loop" rather than a whole millisecond.
    const double reali = secondi > 0 ? secondi * 1000.0 / Orologio::velocita() : 0.0;
    co_await AttesaTimer{reali < 0.5 ? 0 : Orologio::millisecondiReali(secondi)};
}

} // namespace orvento
