#include "Sigla.h"

#include "Mci.h"
#include "Percorsi.h"

namespace orvento {

namespace {
// "close all", then "open <percorso>"; the result of the open.
int chiudiEApri(const QString &percorso, const std::function<void(const QString &)> &mostraErrore)
{
    chiudi(mostraErrore);
    return mciSendString(QStringLiteral("open ") + percorso);
}
} // namespace

void chiudi(const std::function<void(const QString &)> &mostraErrore)
{
    const int codice = mciSendString(QStringLiteral("close all"));
    if (codice != mci::riuscito && mostraErrore)
        mostraErrore(mciGetErrorString(codice));
}

void sigla(const std::function<void(const QString &)> &mostraErrore)
{
    QString percorso = cartellaProgramma() + QStringLiteral("/music/Zorvala.mid");
    int codice = chiudiEApri(percorso, mostraErrore);
    if (codice == mci::fileNonTrovato) {
        // Right when the program folder already ends in a separator (the root).
        percorso = cartellaProgramma() + QStringLiteral("music/Zorvala.mid");
        codice = chiudiEApri(percorso, mostraErrore);
        if (codice == mci::fileNonTrovato)
            return; // no title song anywhere: start without one
    }
    // Other open failures are not reported; the play then fails silently.
    mciSendString(QStringLiteral("play ") + percorso);
}

} // namespace orvento
