#pragma once
// How the media layer's one visible failure reaches the user: the error text
// of a failed "close all", in an OK-only message box titled "Zorvala" over the
// main window. Pass it to `sigla` and `chiudi`.

#include <QString>

namespace orvento {

void mostraErroreMedia(const QString &testo);

} // namespace orvento
