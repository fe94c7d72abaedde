#include "Orologio.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QCoro/QCoroSignal>
#include <cmath>

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
    return static_cast<int>(std::lround(ms)); // waits far below a millisecond become "next turn of the loop"
}

QCoro::Task<> attendi(double secondi)
{
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(Orologio::millisecondiReali(secondi));
    co_await qCoro(&timer, &QTimer::timeout);
}

} // namespace orvento
