#pragma once
// The message boxes of the modem line and its lobbies, behind a small
// interface: the screens install one that shows real boxes, tests install one
// that answers at once. Without any, notices are dropped and questions are
// answered Yes (the core has no widgets to ask with).

#include <QString>

namespace orvento {

class Dialoghi {
public:
    virtual ~Dialoghi() = default;
    // A notice with one OK button and the application's title.
    virtual void avviso(const QString &testo) = 0;
    // A Yes/No question; true for Yes.
    virtual bool domanda(const QString &testo) = 0;
    // A one-line input box; the empty text when cancelled.
    virtual QString chiediTesto(const QString &prompt, const QString &titolo) = 0;

    // The boxes in use (never null) and the way to replace them; null puts
    // back the silent ones. The caller keeps ownership.
    static Dialoghi &attuali();
    static void imposta(Dialoghi *dialoghi);
    static bool impostati();
};

} // namespace orvento
