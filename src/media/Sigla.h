#pragma once
// The main window's two multimedia routines.

#include <QString>
#include <functional>

namespace orvento {

// Opens and plays the title song music/Zorvala.mid. A failing "close all" is
// shown through `mostraErrore` (the main window: an OK-only box titled
// "Zorvala") and start-up goes on. When the song is not found, the second path
// form (program folder and "music/Zorvala.mid" joined without a separator) is
// tried once; after that the title song is given up silently. Returns at once:
// the song plays on its own.
void sigla(const std::function<void(const QString &)> &mostraErrore);

// Sends "close all", which stops the title song; a failure is shown through
// `mostraErrore`.
void chiudi(const std::function<void(const QString &)> &mostraErrore);

} // namespace orvento
