// The three figures: the page (a slim standing youth, legs showing), the
// knight (a rider on a brown horse) and the king (a crowned, bearded man in a
// long wide robe). Their outlines differ so they are told apart before the
// detail is seen; each holds the symbol of its suit.

#include "Disegni.h"
#include "Pennelli.h"

#include <QPainterPath>
#include <QtMath>

namespace orvento::disegni {

namespace {

const QColor kPelle(246, 208, 172);
const QColor kContorno(48, 32, 24);

QColor abito(int seme)
{
    switch (seme) {
    case 1: return {200, 44, 44};
    case 2: return {44, 88, 190};
    case 3: return {36, 130, 60};
    default: return {112, 56, 160};
    }
}

QColor rifinitura(int seme)
{
    switch (seme) {
    case 1: return {44, 88, 190};
    case 2: return {236, 184, 40};
    case 3: return {220, 150, 30};
    default: return {236, 184, 40};
    }
}

QPen penna(qreal spessore = 0.8)
{
    QPen pen(kContorno, spessore);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QBrush stoffa(const QColor& colore, qreal alto, qreal basso)
{
    QLinearGradient g(QPointF(0, alto), QPointF(0, basso));
    g.setColorAt(0.0, colore.lighter(130));
    g.setColorAt(1.0, colore.darker(115));
    return g;
}

// An arm as a thick stroke with an outline, ending in a hand.
void braccio(QPainter& p, const QList<QPointF>& punti, const QColor& manica)
{
    QPainterPath linea(punti.first());
    for (int i = 1; i < punti.size(); ++i)
        linea.lineTo(punti[i]);
    QPen fuori(kContorno, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(fuori);
    p.drawPath(linea);
    QPen dentro(manica, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(dentro);
    p.drawPath(linea);
    p.setPen(penna(0.6));
    p.setBrush(kPelle);
    p.drawEllipse(punti.last(), 2.1, 2.1);
}

// A face: skin, two eyes and a mouth; the head is r pixels round.
void viso(QPainter& p, QPointF c, qreal r)
{
    p.setPen(penna());
    p.setBrush(kPelle);
    p.drawEllipse(c, r * 0.88, r);
    p.setPen(Qt::NoPen);
    p.setBrush(kContorno);
    p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.05), 0.6, 0.6);
    p.drawEllipse(c + QPointF(r * 0.35, -r * 0.05), 0.6, 0.6);
    p.setPen(QPen(QColor(170, 60, 50), 0.6));
    p.drawLine(c + QPointF(-r * 0.22, r * 0.5), c + QPointF(r * 0.22, r * 0.5));
}

// Puts the suit symbol in a hand: round symbols sit above the hand, long
// ones are gripped near their lower end and lean by `angolo` degrees.
void simboloInMano(QPainter& p, int seme, QPointF mano, qreal tondo, qreal lungo, qreal angolo)
{
    if (seme == 1 || seme == 2) {
        simbolo(p, seme, mano + QPointF(0, -tondo * 0.5 - 1), tondo, 0, false);
        return;
    }
    const qreal a = qDegreesToRadians(angolo);
    const QPointF su(qSin(a), -qCos(a));
    simbolo(p, seme, mano + su * (lungo * 0.35), lungo, angolo, false);
}

void fante(QPainter& p, int seme)
{
    const QColor colore = abito(seme);
    const QColor calze = rifinitura(seme);
    const bool lungo = seme >= 3;
    const QPointF mano = lungo ? QPointF(50, 68) : QPointF(50, 50);

    // A long symbol stands behind the figure, gripped at the side.
    if (lungo)
        simboloInMano(p, seme, mano, 0, 62, seme == 3 ? 10 : 0);

    // Legs in hose, and shoes.
    p.setPen(penna());
    p.setBrush(calze);
    p.drawRoundedRect(QRectF(26.5, 75, 5, 22), 2, 2);
    p.drawRoundedRect(QRectF(36.5, 75, 5, 22), 2, 2);
    p.setBrush(QColor(40, 30, 30));
    p.drawEllipse(QPointF(28.2, 97.5), 4.2, 1.9);
    p.drawEllipse(QPointF(40.8, 97.5), 4.2, 1.9);

    // Tunic flaring to the knees, with a belt.
    QPainterPath tunica;
    tunica.moveTo(26, 45);
    tunica.lineTo(42, 45);
    tunica.cubicTo(44, 58, 47, 70, 49, 79);
    tunica.quadTo(34, 83, 19, 79);
    tunica.cubicTo(21, 70, 24, 58, 26, 45);
    tunica.closeSubpath();
    p.setBrush(stoffa(colore, 45, 80));
    p.drawPath(tunica);
    p.setBrush(QColor(90, 50, 20));
    p.drawRect(QRectF(23.5, 60, 21, 3));
    p.setBrush(QColor(236, 184, 40));
    p.drawRect(QRectF(32.5, 59.5, 3, 4));

    // The left arm hangs, the right one holds the symbol.
    braccio(p, {{26, 48}, {22, 57}, {20.5, 66}}, colore.darker(110));
    if (lungo)
        braccio(p, {{42, 48}, {47, 58}, mano}, colore.darker(110));
    else
        braccio(p, {{42, 48}, {49, 57}, mano}, colore.darker(110));

    // Neck, head with a bob of hair, a beret with a feather.
    p.setPen(penna());
    p.setBrush(kPelle);
    p.drawRect(QRectF(32, 40, 4, 6));
    p.setBrush(QColor(150, 90, 40));
    p.drawEllipse(QPointF(34, 35.5), 7, 6.5);
    viso(p, QPointF(34, 37), 5.2);
    p.setBrush(calze);
    p.drawEllipse(QPointF(34, 30.5), 8, 3);
    p.setPen(QPen(QColor(200, 30, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath piuma(QPointF(38, 29));
    piuma.cubicTo(42, 26, 41, 20, 46, 17);
    p.drawPath(piuma);

    if (!lungo)
        simboloInMano(p, seme, mano, seme == 1 ? 15 : 17, 0, 0);
}

void cavallo(QPainter& p, int seme)
{
    const QColor colore = abito(seme);
    const QColor manto(150, 94, 52);
    const QColor crine(70, 40, 20);

    // Tail and legs behind the body; the near front leg is raised.
    QPen zampa(kContorno, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen zampaDentro(manto, 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QList<QList<QPointF>> zampe{
        {{20, 78}, {16, 88}, {17, 96}}, {{26, 80}, {26, 96}}, {{43, 80}, {45, 96}}, {{48, 78}, {55, 85}, {53, 91}}};
    for (const auto& z : zampe) {
        QPainterPath linea(z.first());
        for (int i = 1; i < z.size(); ++i)
            linea.lineTo(z[i]);
        p.setBrush(Qt::NoBrush);
        p.setPen(zampa);
        p.drawPath(linea);
        p.setPen(zampaDentro);
        p.drawPath(linea);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 30, 30));
        p.drawEllipse(z.last(), 2.2, 1.4);
    }
    QPen coda(crine, 3.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(coda);
    QPainterPath codaPath(QPointF(15, 70));
    codaPath.cubicTo(8, 74, 8, 84, 11, 92);
    p.drawPath(codaPath);

    // Body, neck and head.
    QPainterPath cavalloPath;
    cavalloPath.addEllipse(QPointF(32, 74), 18.5, 9.5);
    QPainterPath collo;
    collo.moveTo(41, 70);
    collo.cubicTo(44, 62, 47, 55, 52, 50);
    collo.lineTo(55, 47.5);
    collo.cubicTo(58, 50, 61, 55, 63, 59);
    collo.quadTo(62, 62.5, 59, 62);
    collo.lineTo(55, 58);
    collo.cubicTo(53, 64, 51, 70, 49, 76);
    collo.closeSubpath();
    cavalloPath = cavalloPath.united(collo);
    p.setPen(penna());
    QRadialGradient lucido(QPointF(30, 70), 22);
    lucido.setColorAt(0, manto.lighter(125));
    lucido.setColorAt(1, manto.darker(110));
    p.setBrush(lucido);
    p.drawPath(cavalloPath);
    // Ear, mane, eye.
    p.setBrush(manto);
    QPainterPath orecchio;
    orecchio.moveTo(52.5, 49);
    orecchio.lineTo(53, 44);
    orecchio.lineTo(55.5, 48);
    p.drawPath(orecchio);
    p.setPen(QPen(crine, 2.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath criniera(QPointF(52, 49));
    criniera.cubicTo(47, 54, 44, 61, 41.5, 68);
    p.drawPath(criniera);
    p.setPen(Qt::NoPen);
    p.setBrush(kContorno);
    p.drawEllipse(QPointF(56.5, 52), 0.8, 0.8);
    // Saddle cloth and rein.
    p.setPen(penna());
    p.setBrush(stoffa(rifinitura(seme), 64, 80));
    QPainterPath gualdrappa;
    gualdrappa.moveTo(24, 66);
    gualdrappa.lineTo(40, 66);
    gualdrappa.lineTo(38, 81);
    gualdrappa.quadTo(31, 83, 25, 81);
    gualdrappa.closeSubpath();
    p.drawPath(gualdrappa);
    p.setPen(QPen(QColor(60, 30, 10), 0.7));
    p.drawLine(QPointF(59, 58), QPointF(38, 60));

    // The rider: leg, body, raised arm, head with a wide hat.
    p.setPen(penna());
    p.setBrush(QColor(60, 40, 30));
    QPainterPath gamba;
    gamba.moveTo(30, 63);
    gamba.lineTo(37, 65);
    gamba.lineTo(38, 80);
    gamba.lineTo(40, 83);
    gamba.lineTo(34, 83);
    gamba.lineTo(33, 70);
    gamba.closeSubpath();
    p.drawPath(gamba);
    QPainterPath busto;
    busto.moveTo(27, 47);
    busto.lineTo(37, 47);
    busto.lineTo(39, 66);
    busto.lineTo(26, 66);
    busto.closeSubpath();
    p.setBrush(stoffa(colore, 47, 66));
    p.drawPath(busto);
    // A long symbol is held up clear of the hat and the corner number.
    const QPointF mano = seme >= 3 ? QPointF(19, 42) : QPointF(24, 40);
    braccio(p, {{36, 50}, {40, 58}, {37, 61}}, colore.darker(110));
    if (seme >= 3)
        simboloInMano(p, seme, mano, 0, seme == 3 ? 30 : 33, seme == 3 ? -6 : -12);
    braccio(p, {{28, 50}, {23, 47}, mano}, colore.darker(110));
    viso(p, QPointF(32, 41), 5);
    p.setPen(penna());
    p.setBrush(rifinitura(seme));
    p.drawEllipse(QPointF(32, 35.5), 8.5, 2.2);
    p.drawRoundedRect(QRectF(28, 30, 8, 5.5), 2, 2);
    if (seme <= 2)
        simboloInMano(p, seme, mano, seme == 1 ? 14 : 16, 0, 0);
}

void re(QPainter& p, int seme)
{
    const QColor colore = abito(seme);
    const bool lungo = seme >= 3;
    const QPointF mano = lungo ? QPointF(48, 66) : QPointF(48, 58);

    if (lungo)
        simboloInMano(p, seme, mano, 0, 58, seme == 3 ? 8 : 0);

    // A robe down to the floor, wide at the hem, with an ermine front and hem.
    QPainterPath manto;
    manto.moveTo(26, 45);
    manto.lineTo(42, 45);
    manto.cubicTo(48, 62, 54, 84, 56, 99);
    manto.lineTo(12, 99);
    manto.cubicTo(14, 84, 20, 62, 26, 45);
    manto.closeSubpath();
    p.setPen(penna());
    p.setBrush(stoffa(colore, 45, 99));
    p.drawPath(manto);
    p.save();
    p.setClipPath(manto);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(31.5, 46, 5, 54));
    p.drawRect(QRectF(0, 94, 68, 6));
    p.setBrush(QColor(30, 30, 30));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(i % 2 ? 33 : 35, 51 + 8 * i), 0.7, 1.1);
    for (int x = 16; x <= 52; x += 6)
        p.drawEllipse(QPointF(x, 96.8), 0.7, 1.1);
    p.restore();
    p.setPen(penna());
    p.setBrush(Qt::NoBrush);
    p.drawPath(manto);
    // Golden collar.
    p.setBrush(QColor(236, 184, 40));
    p.drawRoundedRect(QRectF(25, 43.5, 18, 4), 2, 2);

    braccio(p, {{27, 49}, {22, 58}, {25, 66}}, colore.darker(110));
    braccio(p, {{41, 49}, {47, 56}, mano}, colore.darker(110));

    // Head: grey hair, full beard, a golden crown with red jewels.
    p.setPen(penna());
    p.setBrush(QColor(200, 200, 205));
    p.drawEllipse(QPointF(34, 36), 7, 6.5);
    viso(p, QPointF(34, 36.5), 5.4);
    QPainterPath barba;
    barba.moveTo(28.8, 37.5);
    barba.quadTo(29.5, 47, 34, 48.5);
    barba.quadTo(38.5, 47, 39.2, 37.5);
    barba.quadTo(36.5, 41.5, 34, 40.5);
    barba.quadTo(31.5, 41.5, 28.8, 37.5);
    p.setBrush(QColor(210, 210, 215));
    p.drawPath(barba);
    QPainterPath corona;
    corona.moveTo(27.5, 32);
    corona.lineTo(27, 23.5);
    corona.lineTo(30.7, 27.5);
    corona.lineTo(34, 21);
    corona.lineTo(37.3, 27.5);
    corona.lineTo(41, 23.5);
    corona.lineTo(40.5, 32);
    corona.closeSubpath();
    QLinearGradient oro(QPointF(27, 0), QPointF(41, 0));
    oro.setColorAt(0, QColor(200, 130, 10));
    oro.setColorAt(0.4, QColor(255, 230, 120));
    oro.setColorAt(1, QColor(190, 120, 10));
    p.setPen(QPen(QColor(110, 60, 0), 0.7));
    p.setBrush(oro);
    p.drawPath(corona);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 20, 30));
    p.drawEllipse(QPointF(34, 29.5), 1.2, 1.2);
    p.setBrush(QColor(40, 90, 210));
    p.drawEllipse(QPointF(30.3, 30), 0.9, 0.9);
    p.drawEllipse(QPointF(37.7, 30), 0.9, 0.9);

    if (!lungo)
        simboloInMano(p, seme, mano, seme == 1 ? 16 : 18, 0, 0);
}

} // namespace

void figura(QPainter& p, int rango, int seme)
{
    if (rango == 8)
        fante(p, seme);
    else if (rango == 9)
        cavallo(p, seme);
    else
        re(p, seme);
}

} // namespace orvento::disegni
