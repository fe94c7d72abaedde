#pragma once
// The real message boxes behind `Dialoghi`: modal, with the application's
// title, parented to the screens' container.

#include "link/modem/Dialoghi.h"

namespace orvento {

class DialoghiQt : public Dialoghi {
public:
    void avviso(const QString &testo) override;
    bool domanda(const QString &testo) override;
    QString chiediTesto(const QString &prompt, const QString &titolo) override;

    // Installs the real boxes unless some are installed already (tests).
    static void installaSeMancano();
};

} // namespace orvento
