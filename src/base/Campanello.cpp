#include "Campanello.h"

#include <QTimer>
#include <coroutine>

namespace orvento {

class Campanello::Attesa {
public:
    Attesa(Campanello *c, int ms) : m_campanello(c), m_ms(ms) {}

    struct Sospensione {
        Attesa *attesa;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> h) { attesa->sospendi(h); }
        void await_resume() const noexcept {}
    };

    void sospendi(std::coroutine_handle<> h)
    {
        m_chiamante = h;
        m_campanello->m_attese.append(this);
        if (m_ms >= 0) {
            m_timer.setSingleShot(true);
            m_timer.setTimerType(Qt::PreciseTimer);
            QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { sveglia(); });
            m_timer.start(m_ms);
        }
    }

    void sveglia()
    {
        m_timer.stop();
        m_campanello->m_attese.removeOne(this);
        // Resumed from the event loop, never from inside the caller of suona().
        QMetaObject::invokeMethod(
            m_campanello, [h = m_chiamante] { h.resume(); }, Qt::QueuedConnection);
    }

    void abbandona() { m_timer.stop(); }

private:
    Campanello *m_campanello;
    int m_ms;
    QTimer m_timer;
    std::coroutine_handle<> m_chiamante;
};

Campanello::~Campanello()
{
    // A wait still suspended here stays so for good: its timer must not reach
    // a bell that is gone.
    for (Attesa *a : std::as_const(m_attese))
        a->abbandona();
    m_attese.clear();
}

void Campanello::suona()
{
    const QList<Attesa *> attese = m_attese;
    for (Attesa *a : attese)
        a->sveglia();
}

QCoro::Task<> Campanello::attendi(int millisecondi)
{
    Attesa attesa(this, millisecondi);
    co_await Attesa::Sospensione{&attesa};
}

} // namespace orvento
