#pragma once

// Small drawing helpers shared by the picture files of this generator.

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>

namespace orvento::disegni {

// One of the Liberation fonts at a pixel size, unhinted, so text drawn as a
// path is the same on every machine.
QFont carattereFisso(const QString& famiglia, int pixel, bool grassetto);

// The symbol of suit 1..4 centred on c, `misura` pixels high, turned by
// `angolo` degrees; `ornata` adds the finer detail used on large symbols.
void simbolo(QPainter& p, int seme, QPointF c, qreal misura, qreal angolo, bool ornata);

// The page (8), the knight (9) or the king (10) of a suit, in card coordinates.
void figura(QPainter& p, int rango, int seme);

} // namespace orvento::disegni
