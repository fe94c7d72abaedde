#include "Regole.h"

#include "Percorsi.h"

#include <QDesktopServices>
#include <QUrl>

namespace orvento {

void apriRegole()
{
    const QString pagina = trovaFile(QStringLiteral("default.htm"));
    if (pagina.isEmpty())
        return;
    // The opener starts the viewer detached; what it reports is its own business.
    QDesktopServices::openUrl(QUrl::fromLocalFile(pagina));
}

} // namespace orvento
