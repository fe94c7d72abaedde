#include "Riproduzione.h"

#include "base/Orologio.h"

#include <algorithm>
#include <cmath>

namespace orvento {

Riproduzione::Riproduzione(std::shared_ptr<const Suono> s, QObject *parent)
    : QObject(parent), suono(std::move(s))
{
    fine.setSingleShot(true);
    connect(&fine, &QTimer::timeout, this, &Riproduzione::allaFine);
}

Riproduzione::~Riproduzione()
{
    ferma();
}

qint64 Riproduzione::lunghezza() const
{
    return suono ? std::llround(suono->durata() * 1000) : 0;
}

qint64 Riproduzione::posizione() const
{
    if (!suonando)
        return partenzaMs;
    const double trascorsi = (Orologio::secondi() - partenzaOrologio) * 1000;
    return std::min(lunghezza(), partenzaMs + std::llround(std::max(0.0, trascorsi)));
}

void Riproduzione::suona(qint64 daMs)
{
    ferma();
    partenzaMs = std::clamp<qint64>(daMs, 0, lunghezza());
    partenzaOrologio = Orologio::secondi();
    suonando = true;
    voce = MotoreAudio::istanza().suona(suono, partenzaMs / 1000.0);
    fine.start(Orologio::millisecondiReali((lunghezza() - partenzaMs) / 1000.0));
}

void Riproduzione::ferma()
{
    if (!suonando)
        return;
    partenzaMs = posizione();
    suonando = false;
    fine.stop();
    MotoreAudio::istanza().ferma(voce);
    voce = 0;
}

void Riproduzione::allaFine()
{
    // The timer fires no earlier than the clock reaches the end; the position
    // is set to the length exactly, which is how the owner tells an end.
    suonando = false;
    partenzaMs = lunghezza();
    voce = 0;
    emit finita();
}

} // namespace orvento
