// The title picture: the game's name and the three ways to play, in large
// extruded letters on black. The depth is a stack of ever darker copies of
// each word, offset down and to the right; the front face gets a vertical
// highlight gradient and a thin light edge.

#include "Disegni.h"
#include "Pennelli.h"

#include <QPainterPath>

namespace orvento::disegni {

namespace {

// Draws `testo` centred on x = centroX with its baseline at `base`, scaled
// down if needed so it is no wider than `massimo`.
void lettere3D(QPainter& p, const QString& testo, const QFont& carattere, qreal centroX, qreal base,
               qreal massimo, const QColor& colore, int profondita)
{
    QPainterPath percorso;
    percorso.addText(0, 0, carattere, testo);
    const QRectF r = percorso.boundingRect();
    const qreal riduzione = r.width() > massimo ? massimo / r.width() : 1.0;
    QTransform t;
    t.translate(centroX - r.center().x() * riduzione - profondita * 0.5, base);
    t.scale(riduzione, riduzione);
    percorso = t.map(percorso);

    p.setPen(Qt::NoPen);
    for (int k = profondita; k >= 1; --k) {
        // Far layers nearly black, near layers a deep shade of the colour.
        const qreal t01 = qreal(k) / profondita;
        QColor strato = colore.darker(int(180 + 420 * t01));
        p.setBrush(strato);
        p.drawPath(percorso.translated(k * 0.8, k * 0.8));
    }

    const QRectF fronte = percorso.boundingRect();
    QLinearGradient luce(fronte.topLeft(), fronte.bottomLeft());
    luce.setColorAt(0.0, colore.lighter(175));
    luce.setColorAt(0.45, colore);
    luce.setColorAt(0.55, colore.darker(118));
    luce.setColorAt(1.0, colore.lighter(110));
    p.setBrush(luce);
    p.setPen(QPen(colore.lighter(190), 1.2));
    p.drawPath(percorso);
}

} // namespace

QImage titolo(int scala)
{
    QImage img(kLarghezzaTitolo * scala, kAltezzaTitolo * scala, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scala, scala);

    const qreal centro = kLarghezzaTitolo / 2.0;
    lettere3D(p, QStringLiteral("Briscola"), carattereFisso(QStringLiteral("Liberation Serif"), 176, true), centro,
              230, 730, QColor(40, 200, 60), 16);

    const QFont parole = carattereFisso(QStringLiteral("Liberation Sans"), 76, true);
    lettere3D(p, QStringLiteral("alone"), parole, centro, 360, 700, QColor(236, 236, 236), 9);
    lettere3D(p, QStringLiteral("network"), parole, centro, 465, 700, QColor(40, 200, 60), 9);
    lettere3D(p, QStringLiteral("modem"), parole, centro, 570, 700, QColor(224, 40, 32), 9);
    return img;
}

} // namespace orvento::disegni
