#pragma once
// A bell that wakes the coroutines waiting on it. A transport rings it on
// every change (data, a line event, an interruption); each waiter resumes
// exactly once, on the first ring or when its own timer runs out, and then
// tests its condition again. Awaiting a signal directly is not enough: a
// signal emitted twice before the waiter runs could reach it after it has
// gone, and a wake-up could be lost.

#include <QList>
#include <QObject>
#include <QCoro/QCoroTask>

namespace orvento {

class Campanello : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Campanello() override;

    // Wakes every coroutine waiting now (on the next pass of the event loop).
    void suona();

    // Resumes on the next ring, or after `millisecondi` real milliseconds
    // (negative: no limit).
    QCoro::Task<> attendi(int millisecondi);

    class Attesa;

private:
    QList<Attesa *> m_attese;
};

} // namespace orvento
