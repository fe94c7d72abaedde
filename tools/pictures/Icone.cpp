// The small pictures: turn markers, the choice screen's buttons, the
// pointing hand and the program icon. All are drawn on a transparent
// 32 x 32 square (the icon on any size) in logical pixels.

#include "Arte.h"
#include "Disegni.h"
#include "Pennelli.h"

#include <QPainterPath>
#include <QtMath>

namespace orvento::disegni {

namespace {

QImage quadrato(int lato)
{
    QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QPen contorno(qreal spessore = 1.0, QColor colore = QColor(30, 30, 34))
{
    return QPen(colore, spessore, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void lampada(QPainter& p, QPointF c, QColor colore, bool accesa)
{
    if (accesa) {
        // A soft glow round the lit lamp, spilling onto the housing.
        QRadialGradient alone(c, 7.5);
        QColor forte = colore;
        forte.setAlpha(150);
        QColor nullo = colore;
        nullo.setAlpha(0);
        alone.setColorAt(0.45, forte);
        alone.setColorAt(1.0, nullo);
        p.setPen(Qt::NoPen);
        p.setBrush(alone);
        p.drawEllipse(c, 7.5, 7.5);
        QRadialGradient luce(c + QPointF(-1.0, -1.0), 4.2);
        luce.setColorAt(0.0, Qt::white);
        luce.setColorAt(0.35, colore.lighter(140));
        luce.setColorAt(1.0, colore);
        p.setBrush(luce);
    } else {
        QRadialGradient spenta(c + QPointF(-1.0, -1.0), 4.2);
        spenta.setColorAt(0.0, colore.darker(220));
        spenta.setColorAt(1.0, colore.darker(420));
        p.setBrush(spenta);
    }
    p.setPen(contorno(0.7, QColor(10, 10, 10)));
    p.drawEllipse(c, 3.5, 3.5);
}

// A monitor with a blue screen, x/y its top-left, w/h its outer size.
void monitor(QPainter& p, QRectF r)
{
    p.setPen(contorno(0.9));
    QLinearGradient plastica(r.topLeft(), r.bottomLeft());
    plastica.setColorAt(0, QColor(238, 234, 222));
    plastica.setColorAt(1, QColor(196, 190, 172));
    p.setBrush(plastica);
    p.drawRoundedRect(r, 1.8, 1.8);
    const qreal bordo = r.width() > 18 ? 2.8 : 2.0;
    const QRectF schermo = r.adjusted(bordo, bordo, -bordo, -bordo - (r.width() > 18 ? 1.0 : 0.6));
    QLinearGradient blu(schermo.topLeft(), schermo.bottomRight());
    blu.setColorAt(0, QColor(90, 160, 250));
    blu.setColorAt(1, QColor(16, 40, 130));
    p.setPen(contorno(0.6, QColor(40, 40, 50)));
    p.setBrush(blu);
    p.drawRect(schermo);
    // A highlight across the glass.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    QPainterPath riflesso;
    riflesso.moveTo(schermo.topLeft());
    riflesso.lineTo(schermo.left() + schermo.width() * 0.55, schermo.top());
    riflesso.lineTo(schermo.left(), schermo.top() + schermo.height() * 0.75);
    riflesso.closeSubpath();
    p.drawPath(riflesso);
}

void computer(QPainter& p)
{
    monitor(p, QRectF(4, 2.5, 24, 19));
    p.setPen(contorno(0.9));
    p.setBrush(QColor(180, 174, 156));
    p.drawRect(QRectF(13, 21.5, 6, 2.5));
    // Keyboard.
    p.setBrush(QColor(226, 222, 208));
    QPainterPath tastiera;
    tastiera.moveTo(6, 24.5);
    tastiera.lineTo(26, 24.5);
    tastiera.lineTo(29.5, 30);
    tastiera.lineTo(2.5, 30);
    tastiera.closeSubpath();
    p.drawPath(tastiera);
    p.setPen(contorno(0.9, QColor(120, 116, 104)));
    for (qreal y : {26.3, 28.3})
        for (qreal x = 7; x <= 25; x += 3)
            p.drawPoint(QPointF(x + (y - 26) * -0.6, y));
    // Power lamp.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 60));
    p.drawEllipse(QPointF(25.3, 19.8), 0.8, 0.8);
}

void dueComputer(QPainter& p)
{
    // The cable first, so the computers sit on its ends.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 34), 2.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath cavo(QPointF(8, 15));
    cavo.cubicTo(8, 28, 14, 18, 23, 27);
    p.drawPath(cavo);
    p.setPen(QPen(QColor(250, 160, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cavo);

    for (const QPointF& o : {QPointF(1, 1.5), QPointF(17, 15.5)}) {
        monitor(p, QRectF(o.x(), o.y(), 14, 11));
        p.setPen(contorno(0.8));
        p.setBrush(QColor(200, 194, 176));
        p.drawRect(QRectF(o.x() + 5, o.y() + 11, 4, 1.6));
        p.drawRoundedRect(QRectF(o.x() + 1.5, o.y() + 12.6, 11, 2.2), 0.8, 0.8);
    }
}

void telefono(QPainter& p)
{
    // Body.
    QPainterPath corpo;
    corpo.moveTo(8, 15);
    corpo.lineTo(24, 15);
    corpo.quadTo(27, 15, 28, 19);
    corpo.lineTo(30.5, 27);
    corpo.quadTo(31, 29.5, 28.5, 29.5);
    corpo.lineTo(3.5, 29.5);
    corpo.quadTo(1, 29.5, 1.5, 27);
    corpo.lineTo(4, 19);
    corpo.quadTo(5, 15, 8, 15);
    QLinearGradient rosso(QPointF(0, 15), QPointF(0, 30));
    rosso.setColorAt(0, QColor(236, 70, 60));
    rosso.setColorAt(1, QColor(150, 20, 20));
    p.setPen(contorno());
    p.setBrush(rosso);
    p.drawPath(corpo);
    // Dial with finger holes.
    p.setBrush(QColor(250, 244, 228));
    p.drawEllipse(QPointF(16, 22.5), 5.6, 5.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 40));
    for (int i = 0; i < 10; ++i) {
        const qreal a = qDegreesToRadians(-60.0 + i * 30.0);
        p.drawEllipse(QPointF(16 + 3.8 * qCos(a), 22.5 + 3.8 * qSin(a)), 0.85, 0.85);
    }
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(16, 22.5), 1.4, 1.4);
    // Cradle and handset.
    p.setPen(contorno());
    p.setBrush(QColor(150, 20, 20));
    p.drawRect(QRectF(7.5, 12, 3, 3.5));
    p.drawRect(QRectF(21.5, 12, 3, 3.5));
    QPainterPath cornetta;
    cornetta.moveTo(1.5, 11);
    cornetta.quadTo(1, 5, 6, 4.5);
    cornetta.quadTo(16, 2.5, 26, 4.5);
    cornetta.quadTo(31, 5, 30.5, 11);
    cornetta.quadTo(30.5, 13, 28, 13);
    cornetta.lineTo(22.5, 13);
    cornetta.quadTo(20.5, 13, 21, 10.5);
    cornetta.quadTo(16, 9, 11, 10.5);
    cornetta.quadTo(11.5, 13, 9.5, 13);
    cornetta.lineTo(4, 13);
    cornetta.quadTo(1.5, 13, 1.5, 11);
    QLinearGradient nero(QPointF(0, 3), QPointF(0, 13));
    nero.setColorAt(0, QColor(236, 80, 70));
    nero.setColorAt(1, QColor(140, 18, 18));
    p.setBrush(nero);
    p.drawPath(cornetta);
}

void clessidra(QPainter& p)
{
    const QColor legno(150, 95, 45);
    p.setPen(contorno(0.9, QColor(70, 40, 15)));
    p.setBrush(legno);
    p.drawRect(QRectF(8, 5, 2, 22));
    p.drawRect(QRectF(22, 5, 2, 22));
    // Glass bulbs.
    QPainterPath vetro;
    vetro.moveTo(10.5, 5);
    vetro.lineTo(21.5, 5);
    vetro.cubicTo(21.5, 11, 17.5, 13.5, 16.9, 16);
    vetro.cubicTo(17.5, 18.5, 21.5, 21, 21.5, 27);
    vetro.lineTo(10.5, 27);
    vetro.cubicTo(10.5, 21, 14.5, 18.5, 15.1, 16);
    vetro.cubicTo(14.5, 13.5, 10.5, 11, 10.5, 5);
    vetro.closeSubpath();
    p.setPen(contorno(0.8, QColor(60, 90, 120)));
    p.setBrush(QColor(210, 235, 255, 200));
    p.drawPath(vetro);
    // Sand: what is left above, the falling thread and the heap below.
    p.save();
    p.setClipPath(vetro);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 180, 70));
    QPainterPath sopra;
    sopra.moveTo(11, 10);
    sopra.lineTo(21, 10);
    sopra.lineTo(16, 16.5);
    sopra.closeSubpath();
    p.drawPath(sopra);
    QPainterPath sotto;
    sotto.moveTo(9, 27);
    sotto.quadTo(16, 17.5, 23, 27);
    sotto.closeSubpath();
    p.drawPath(sotto);
    p.setPen(QPen(QColor(232, 180, 70), 0.9));
    p.drawLine(QPointF(16, 16), QPointF(16, 23));
    p.restore();
    p.setPen(contorno(0.8, QColor(60, 90, 120)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(vetro);
    // Top and bottom plates.
    p.setPen(contorno(0.9, QColor(70, 40, 15)));
    p.setBrush(legno.lighter(115));
    p.drawRoundedRect(QRectF(5.5, 1.5, 21, 4), 1.2, 1.2);
    p.drawRoundedRect(QRectF(5.5, 26.5, 21, 4), 1.2, 1.2);
}

void calamita(QPainter& p)
{
    // A horseshoe opening upwards, red, with bare steel poles.
    QPainterPath ferro;
    ferro.moveTo(8.5, 8);
    ferro.lineTo(8.5, 17);
    ferro.arcTo(QRectF(8.5, 9.5, 15, 15), 180, 180);
    ferro.lineTo(23.5, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 10, 10), 9.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(ferro);
    p.setPen(QPen(QColor(214, 36, 36), 7.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(ferro);
    p.setPen(QPen(QColor(255, 140, 130), 1.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    QPainterPath luce;
    luce.moveTo(6.6, 9);
    luce.lineTo(6.6, 17);
    luce.arcTo(QRectF(6.6, 7.6, 18.8, 18.8), 180, 60);
    p.drawPath(luce);
    for (qreal x : {4.0, 19.0}) {
        QLinearGradient acciaio(QPointF(x, 0), QPointF(x + 9, 0));
        acciaio.setColorAt(0, QColor(150, 156, 170));
        acciaio.setColorAt(0.4, QColor(245, 248, 252));
        acciaio.setColorAt(1, QColor(120, 126, 140));
        p.setPen(contorno(0.9));
        p.setBrush(acciaio);
        p.drawRect(QRectF(x, 2.5, 9, 6));
    }
}

} // namespace

QImage segnaTurno(bool acceso, int scala)
{
    QImage img = quadrato(kLatoIcona * scala);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scala, scala);

    // Hoods over the lamps, then the housing.
    QLinearGradient scuro(QPointF(9, 0), QPointF(23, 0));
    scuro.setColorAt(0, QColor(70, 72, 78));
    scuro.setColorAt(0.5, QColor(44, 46, 50));
    scuro.setColorAt(1, QColor(18, 18, 20));
    p.setPen(contorno(0.8, QColor(8, 8, 8)));
    p.setBrush(scuro);
    for (qreal y : {4.0, 12.5, 21.0}) {
        QPainterPath visiera;
        visiera.moveTo(9.5, y);
        visiera.lineTo(5.5, y + 1.5);
        visiera.lineTo(9.5, y + 5.5);
        visiera.moveTo(22.5, y);
        visiera.lineTo(26.5, y + 1.5);
        visiera.lineTo(22.5, y + 5.5);
        p.drawPath(visiera);
    }
    p.drawRoundedRect(QRectF(9.5, 1.0, 13, 30), 3, 3);

    lampada(p, QPointF(16, 7.5), QColor(230, 30, 20), !acceso);
    lampada(p, QPointF(16, 16), QColor(240, 170, 20), false);
    lampada(p, QPointF(16, 24.5), QColor(30, 220, 60), acceso);
    return img;
}

QImage pulsante(int indice, int scala)
{
    QImage img = quadrato(kLatoIcona * scala);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scala, scala);
    switch (indice) {
    case 0: computer(p); break;
    case 1: dueComputer(p); break;
    case 2: telefono(p); break;
    case 3: clessidra(p); break;
    default: calamita(p); break;
    }
    return img;
}

QImage mano(int scala)
{
    QImage img = quadrato(kLatoIcona * scala);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scala, scala);

    // The index finger points straight up; its tip is the hotspot.
    const qreal dito = kManoHotspotX;
    QPainterPath sagoma;
    sagoma.addRoundedRect(QRectF(dito - 2.5, kManoHotspotY + 0.5, 5, 15), 2.5, 2.5);
    QPainterPath parti[4];
    parti[0].addRoundedRect(QRectF(dito + 2.5, 9, 4.6, 8), 2.2, 2.2);
    parti[1].addRoundedRect(QRectF(dito + 7.1, 10, 4.6, 7.5), 2.2, 2.2);
    parti[2].addRoundedRect(QRectF(dito + 11.7, 11.5, 4, 6.5), 2.0, 2.0);
    parti[3].addRoundedRect(QRectF(dito - 2.5, 13, 18.2, 12), 3.5, 3.5);
    QPainterPath pollice;
    pollice.moveTo(dito - 2, 14.5);
    pollice.quadTo(dito - 6.5, 14, dito - 7, 17);
    pollice.quadTo(dito - 6.8, 19.5, dito - 2, 21.5);
    pollice.closeSubpath();
    for (const QPainterPath& parte : parti)
        sagoma = sagoma.united(parte);
    sagoma = sagoma.united(pollice);

    p.setPen(contorno(1.0, Qt::black));
    p.setBrush(Qt::white);
    p.drawPath(sagoma);
    // Creases between the curled fingers.
    p.setPen(contorno(0.8, Qt::black));
    p.drawLine(QPointF(dito + 2.5, 13.5), QPointF(dito + 2.5, 16.5));
    p.drawLine(QPointF(dito + 7.1, 13.5), QPointF(dito + 7.1, 16.5));
    p.drawLine(QPointF(dito + 11.7, 14), QPointF(dito + 11.7, 17));
    // Cuff.
    p.setPen(contorno(1.0, Qt::black));
    p.setBrush(QColor(60, 100, 210));
    p.drawRect(QRectF(dito - 1, 25, 15, 5.5));
    return img;
}

QImage icona(int lato)
{
    QImage img = quadrato(lato);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lato / 32.0, lato / 32.0);
    const qreal tratto = lato <= 16 ? 1.2 : 0.8;

    // A card back leaning left, and the ace of coins in front leaning right.
    p.save();
    p.translate(12, 16.5);
    p.rotate(-14);
    p.setPen(QPen(QColor(40, 40, 40), tratto));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-7.5, -12, 15, 24), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 32, 112));
    p.drawRoundedRect(QRectF(-5.7, -10.2, 11.4, 20.4), 1, 1);
    p.setPen(QPen(Qt::white, lato <= 16 ? 1.4 : 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0, -7), QPointF(4, 0));
    p.drawLine(QPointF(4, 0), QPointF(0, 7));
    p.drawLine(QPointF(0, 7), QPointF(-4, 0));
    p.drawLine(QPointF(-4, 0), QPointF(0, -7));
    p.restore();

    p.save();
    p.translate(19.5, 16);
    p.rotate(10);
    p.setPen(QPen(QColor(40, 40, 40), tratto));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-8, -12.5, 16, 25), 2, 2);
    simbolo(p, 1, QPointF(0, 0), 13, 0, lato >= 48);
    p.restore();
    return img;
}

} // namespace orvento::disegni
