#include "Arte.h"

#include <QGuiApplication>

namespace orvento {

QString percorsoCarta(int n)
{
    return QStringLiteral(":/art/carta%1.png").arg(n, 2, 10, QLatin1Char('0'));
}

QPixmap pixmapArte(const QString& percorso)
{
    // QPixmap does not look for "@2x" files by itself (QIcon does); the
    // reader marks a "@2x" file with device pixel ratio 2, so the pixmap
    // keeps its logical size.
    const qreal rapporto = qApp ? qApp->devicePixelRatio() : 1.0;
    return QPixmap(qt_findAtNxFile(percorso, rapporto));
}

QPixmap pixmapCarta(int n)
{
    if (n < 1 || n > 40)
        return {};
    return pixmapArte(percorsoCarta(n));
}

QPixmap pixmapDorso()
{
    return pixmapArte(QStringLiteral(":/art/dorso.png"));
}

QIcon iconaProgramma()
{
    QIcon icona;
    for (int lato : {16, 32, 48, 256})
        icona.addFile(QStringLiteral(":/art/icona%1.png").arg(lato), QSize(lato, lato));
    return icona;
}

QCursor cursoreMano()
{
    return QCursor(pixmapArte(QStringLiteral(":/art/mano.png")), kManoHotspotX, kManoHotspotY);
}

} // namespace orvento
