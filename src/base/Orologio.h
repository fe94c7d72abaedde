#pragma once
// The pacing clock: one monotonic clock behind every pause, animation step and
// time-out of the program. Tests speed it up so that whole games run in a
// fraction of a second without changing any of the game's own figures.

#include <QCoro/QCoroTask>

namespace orvento {

class Orologio {
public:
    // Paced seconds since the program started; never jumps back, never wraps.
    static double secondi();

    // How many paced seconds pass per real second (1 in play, more in tests).
    static void setVelocita(double fattore);
    static double velocita();

    // Real milliseconds a timer must wait to let `secondi` paced seconds pass.
    static int millisecondiReali(double secondi);
};

// Waits the given paced seconds while the event loop runs.
QCoro::Task<> attendi(double secondi);

} // namespace orvento
