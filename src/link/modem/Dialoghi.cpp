#include "Dialoghi.h"

namespace orvento {

namespace {
class Silenziosi : public Dialoghi {
public:
    void avviso(const QString &) override {}
    bool domanda(const QString &) override { return true; }
    QString chiediTesto(const QString &, const QString &) override { return {}; }
};
Silenziosi silenziosi;
Dialoghi *installati = nullptr;
} // namespace

Dialoghi &Dialoghi::attuali() { return installati ? *installati : silenziosi; }
void Dialoghi::imposta(Dialoghi *dialoghi) { installati = dialoghi; }
bool Dialoghi::impostati() { return installati != nullptr; }

} // namespace orvento
