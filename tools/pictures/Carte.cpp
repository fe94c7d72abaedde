// Card faces and the card back.
//
// A face is drawn in card coordinates (68 x 110) and scaled as a whole. The
// suit symbols are drawn in a unit box (height 1, centred on the origin) and
// placed with translate/rotate/scale, so the same symbol serves a small pip,
// the large ace and the one a figure holds.

#include "Disegni.h"
#include "Pennelli.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <array>

namespace orvento::disegni {

namespace {

enum Seme { Denari = 1, Coppe = 2, Bastoni = 3, Spade = 4 };

// Colour of the corner numbers and of a figure's clothes, per suit.
QColor coloreSeme(int seme)
{
    switch (seme) {
    case Denari: return {176, 104, 0};
    case Coppe: return {190, 24, 24};
    case Bastoni: return {24, 112, 40};
    default: return {28, 64, 168};
    }
}

// ---- suit symbols, unit box ---------------------------------------------

// A golden disc with a ring and a red rosette in the middle.
void moneta(QPainter& p, qreal tratto, bool ornata)
{
    QRadialGradient oro(QPointF(-0.15, -0.18), 0.62);
    oro.setColorAt(0.0, QColor(255, 240, 150));
    oro.setColorAt(0.55, QColor(236, 176, 34));
    oro.setColorAt(1.0, QColor(168, 104, 8));
    p.setPen(QPen(QColor(104, 58, 0), tratto * 1.2));
    p.setBrush(oro);
    p.drawEllipse(QPointF(0, 0), 0.5, 0.5);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(128, 72, 0), tratto * 0.8));
    p.drawEllipse(QPointF(0, 0), 0.37, 0.37);

    if (ornata) {
        // A ring of small beads between the two circles.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 86, 0));
        for (int i = 0; i < 16; ++i) {
            const qreal a = i * M_PI / 8;
            p.drawEllipse(QPointF(0.435 * qCos(a), 0.435 * qSin(a)), 0.025, 0.025);
        }
    }

    // Eight-petal rosette.
    p.setPen(QPen(QColor(120, 10, 10), tratto * 0.5));
    p.setBrush(QColor(204, 36, 36));
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45.0);
        p.drawEllipse(QPointF(0, -0.15), 0.065, 0.13);
        p.restore();
    }
    p.setBrush(QColor(255, 214, 80));
    p.drawEllipse(QPointF(0, 0), 0.075, 0.075);
}

// A chalice: golden bowl with a red mouth, blue knot, golden foot.
void coppa(QPainter& p, qreal tratto)
{
    const QPen bordo(QColor(110, 60, 0), tratto);
    QLinearGradient oro(QPointF(-0.36, 0), QPointF(0.36, 0));
    oro.setColorAt(0.0, QColor(196, 128, 10));
    oro.setColorAt(0.35, QColor(255, 226, 120));
    oro.setColorAt(1.0, QColor(184, 116, 6));

    // Foot.
    QPainterPath piede;
    piede.moveTo(-0.06, 0.30);
    piede.cubicTo(-0.08, 0.40, -0.26, 0.42, -0.28, 0.50);
    piede.lineTo(0.28, 0.50);
    piede.cubicTo(0.26, 0.42, 0.08, 0.40, 0.06, 0.30);
    piede.closeSubpath();
    p.setPen(bordo);
    p.setBrush(oro);
    p.drawPath(piede);

    // Stem.
    p.drawRect(QRectF(-0.05, 0.06, 0.10, 0.26));

    // Bowl.
    QPainterPath ciotola;
    ciotola.moveTo(-0.36, -0.40);
    ciotola.cubicTo(-0.36, -0.06, -0.16, 0.06, -0.05, 0.08);
    ciotola.lineTo(0.05, 0.08);
    ciotola.cubicTo(0.16, 0.06, 0.36, -0.06, 0.36, -0.40);
    ciotola.closeSubpath();
    p.drawPath(ciotola);

    // A red band round the bowl.
    p.save();
    p.setClipPath(ciotola);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(-0.5, -0.22, 1.0, 0.09));
    p.restore();

    // Blue knot on the stem.
    p.setPen(QPen(QColor(14, 36, 100), tratto * 0.8));
    p.setBrush(QColor(48, 96, 200));
    p.drawEllipse(QPointF(0, 0.19), 0.10, 0.055);

    // Mouth: the red inside seen from above.
    p.setPen(bordo);
    p.setBrush(QColor(150, 18, 18));
    p.drawEllipse(QPointF(0, -0.41), 0.36, 0.07);
}

// A knotty club, thick end up, with a few lopped branch stubs.
void bastone(QPainter& p, qreal tratto)
{
    QPainterPath legno;
    legno.moveTo(-0.05, 0.50);
    legno.cubicTo(-0.07, 0.20, -0.11, -0.20, -0.10, -0.42);
    legno.cubicTo(-0.09, -0.52, 0.09, -0.52, 0.10, -0.42);
    legno.cubicTo(0.11, -0.20, 0.07, 0.20, 0.05, 0.50);
    legno.closeSubpath();

    QLinearGradient colore(QPointF(-0.11, 0), QPointF(0.11, 0));
    colore.setColorAt(0.0, QColor(110, 62, 20));
    colore.setColorAt(0.4, QColor(196, 136, 64));
    colore.setColorAt(1.0, QColor(96, 52, 16));

    // Stubs first so the trunk's outline covers their roots.
    const QPen bordo(QColor(64, 32, 8), tratto);
    p.setPen(bordo);
    p.setBrush(QColor(150, 92, 36));
    const std::array<std::pair<qreal, qreal>, 4> nodi{{{-1, -0.28}, {1, -0.10}, {-1, 0.10}, {1, 0.28}}};
    for (auto [lato, y] : nodi) {
        QPainterPath moncone;
        const qreal x = lato * 0.075;
        moncone.moveTo(x, y - 0.035);
        moncone.lineTo(x + lato * 0.075, y - 0.065);
        moncone.lineTo(x + lato * 0.085, y - 0.025);
        moncone.lineTo(x, y + 0.035);
        moncone.closeSubpath();
        p.drawPath(moncone);
    }
    p.setBrush(colore);
    p.drawPath(legno);

    // Knots: dark rings on the trunk.
    p.setBrush(QColor(84, 44, 12));
    p.setPen(Qt::NoPen);
    for (auto [lato, y] : nodi)
        p.drawEllipse(QPointF(lato * 0.035, y + 0.04), 0.03, 0.022);
    // Green leaves at the top, the batons' traditional sprouting wood.
    p.setBrush(QColor(40, 140, 50));
    p.setPen(QPen(QColor(16, 70, 20), tratto * 0.6));
    p.drawEllipse(QPointF(-0.09, -0.47), 0.07, 0.035);
    p.drawEllipse(QPointF(0.09, -0.47), 0.07, 0.035);
}

// A slightly curved blue-steel blade with a golden guard and a red grip.
void spada(QPainter& p, qreal tratto)
{
    QPainterPath lama;
    lama.moveTo(0.01, -0.50);
    lama.quadTo(0.10, -0.18, 0.055, 0.22);
    lama.lineTo(-0.055, 0.22);
    lama.quadTo(-0.06, -0.18, 0.01, -0.50);
    lama.closeSubpath();
    QLinearGradient acciaio(QPointF(-0.07, 0), QPointF(0.08, 0));
    acciaio.setColorAt(0.0, QColor(120, 150, 200));
    acciaio.setColorAt(0.45, QColor(226, 236, 250));
    acciaio.setColorAt(1.0, QColor(70, 100, 160));
    p.setPen(QPen(QColor(24, 36, 84), tratto));
    p.setBrush(acciaio);
    p.drawPath(lama);
    // Fuller down the middle.
    p.setPen(QPen(QColor(60, 86, 150), tratto * 0.6));
    p.drawLine(QPointF(0.01, -0.36), QPointF(0.0, 0.18));

    // Guard, grip and pommel.
    p.setPen(QPen(QColor(110, 60, 0), tratto));
    p.setBrush(QColor(236, 180, 40));
    p.drawRoundedRect(QRectF(-0.20, 0.21, 0.40, 0.06), 0.03, 0.03);
    p.setBrush(QColor(176, 30, 30));
    p.drawRect(QRectF(-0.035, 0.27, 0.07, 0.16));
    p.setBrush(QColor(236, 180, 40));
    p.drawEllipse(QPointF(0, 0.465), 0.045, 0.045);
}

} // namespace

void simbolo(QPainter& p, int seme, QPointF c, qreal misura, qreal angolo, bool ornata)
{
    p.save();
    p.translate(c);
    p.rotate(angolo);
    // Long symbols get slimmer as they grow, or a full-length baton would be
    // as fat as a tree trunk.
    const qreal snellezza = (seme >= Bastoni && misura > 40) ? qSqrt(40 / misura) : 1.0;
    p.scale(misura * snellezza, misura);
    const qreal tratto = 0.8 / misura; // about 0.8 px whatever the size
    switch (seme) {
    case Denari: moneta(p, tratto, ornata); break;
    case Coppe: coppa(p, tratto); break;
    case Bastoni: bastone(p, tratto); break;
    default: spada(p, tratto); break;
    }
    p.restore();
}

namespace {

struct Posto {
    qreal x, y, misura, angolo;
};

// Round symbols (coins, cups): the usual columns and diagonals.
QList<Posto> postiTondi(int rango, int seme)
{
    const qreal grande = seme == Coppe ? 28 : 24;
    const qreal medio = seme == Coppe ? 25 : 21;
    const qreal piccolo = seme == Coppe ? 22 : 19;
    switch (rango) {
    case 2: return {{34, 31, grande + 2, 0}, {34, 79, grande + 2, 0}};
    case 3: return {{19, 27, grande, 0}, {34, 55, grande, 0}, {49, 83, grande, 0}};
    case 4: return {{20, 32, medio, 0}, {48, 32, medio, 0}, {20, 78, medio, 0}, {48, 78, medio, 0}};
    case 5:
        return {{19, 28, medio, 0}, {49, 28, medio, 0}, {34, 55, medio, 0},
                {19, 82, medio, 0}, {49, 82, medio, 0}};
    case 6:
        return {{20, 27, piccolo + 1, 0}, {48, 27, piccolo + 1, 0}, {20, 55, piccolo + 1, 0},
                {48, 55, piccolo + 1, 0}, {20, 83, piccolo + 1, 0}, {48, 83, piccolo + 1, 0}};
    default:
        return {{18, 25, piccolo - 1, 0}, {50, 25, piccolo - 1, 0}, {34, 40, piccolo - 1, 0},
                {18, 55, piccolo - 1, 0}, {50, 55, piccolo - 1, 0}, {18, 85, piccolo - 1, 0},
                {50, 85, piccolo - 1, 0}};
    }
}

// Long symbols (batons, swords): crossed pairs, leaning columns and one long
// upright piece in the middle for the odd counts.
QList<Posto> postiLunghi(int rango)
{
    QList<Posto> posti;
    if (rango == 2 || rango == 3) {
        posti << Posto{34, 55, 84, -30} << Posto{34, 55, 84, 30};
        if (rango == 3)
            posti << Posto{34, 55, 86, 0};
        return posti;
    }
    const int righe = rango >= 6 ? 3 : 2;
    const qreal lunghezza = righe == 3 ? 28 : 42;
    for (int r = 0; r < righe; ++r) {
        const qreal y = righe == 3 ? 27 + 28 * r : 33 + 44 * r;
        posti << Posto{17, y, lunghezza, -14} << Posto{51, y, lunghezza, 14};
    }
    if (rango % 2 == 1)
        posti << Posto{34, 55, 86, 0};
    return posti;
}

QPainterPath testoPercorso(const QString& testo, const QFont& carattere, QPointF base)
{
    QPainterPath percorso;
    percorso.addText(base, carattere, testo);
    return percorso;
}

// The rank in the top-left corner and, turned round, in the bottom-right.
void numeriAngolo(QPainter& p, int rango, int seme)
{
    const QFont carattere = carattereFisso(QStringLiteral("Liberation Sans"), 10, true);
    const QString testo = QString::number(rango);
    const QPainterPath percorso = testoPercorso(testo, carattere, QPointF(0, 0));
    const QRectF r = percorso.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(coloreSeme(seme));
    for (int volta = 0; volta < 2; ++volta) {
        p.save();
        if (volta == 1) {
            p.translate(kLarghezzaCarta, kAltezzaCarta);
            p.rotate(180);
        }
        // Centred in a 9-pixel column so "10" and "7" sit alike.
        p.translate(7.5 - r.center().x(), 4.5 - r.top());
        p.drawPath(percorso);
        p.restore();
    }
}

void asso(QPainter& p, int seme)
{
    const QPointF centro(34, 55);
    switch (seme) {
    case Denari: {
        // A sunburst of red and gold rays behind a large ornate coin.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 24; ++i) {
            p.save();
            p.translate(centro);
            p.rotate(i * 15.0);
            QPainterPath raggio;
            raggio.moveTo(-2.0, -23);
            raggio.lineTo(0, i % 2 ? -27.5 : -30.5);
            raggio.lineTo(2.0, -23);
            raggio.closeSubpath();
            p.setBrush(i % 2 ? QColor(232, 168, 30) : QColor(200, 34, 34));
            p.drawPath(raggio);
            p.restore();
        }
        simbolo(p, seme, centro, 46, 0, true);
        break;
    }
    case Coppe:
        // Two blue scrolls either side of a tall chalice.
        p.setPen(QPen(QColor(28, 64, 168), 1.6));
        p.setBrush(Qt::NoBrush);
        for (int lato : {-1, 1}) {
            QPainterPath ricciolo;
            ricciolo.moveTo(34 + lato * 6, 90);
            ricciolo.cubicTo(34 + lato * 26, 92, 34 + lato * 28, 70, 34 + lato * 20, 66);
            ricciolo.cubicTo(34 + lato * 14, 63, 34 + lato * 12, 72, 34 + lato * 18, 73);
            p.drawPath(ricciolo);
        }
        simbolo(p, seme, QPointF(34, 52), 72, 0, true);
        break;
    case Bastoni: {
        // A large upright club sprouting leaves on both sides.
        const std::array<std::pair<qreal, qreal>, 6> foglie{{{-1, 30}, {1, 40}, {-1, 52}, {1, 63}, {-1, 74}, {1, 84}}};
        p.setPen(QPen(QColor(16, 80, 24), 0.7));
        for (auto [lato, y] : foglie) {
            QPainterPath rametto(QPointF(34 + lato * 3, y + 3));
            rametto.quadTo(34 + lato * 9, y, 34 + lato * 15, y - 5);
            p.setBrush(Qt::NoBrush);
            p.drawPath(rametto);
            p.setBrush(QColor(48, 150, 56));
            for (int f = 0; f < 2; ++f) {
                p.save();
                p.translate(34 + lato * (9 + 6 * f), y - 1 - 4 * f);
                p.rotate(lato * (f ? 60 : -25));
                p.drawEllipse(QPointF(0, -3.2), 2.0, 3.8);
                p.restore();
            }
        }
        simbolo(p, seme, centro, 90, 0, true);
        break;
    }
    default:
        // A large upright sword between two laurel sprays.
        p.setPen(QPen(QColor(20, 90, 30), 1.2));
        for (int lato : {-1, 1}) {
            QPainterPath ramo;
            ramo.moveTo(34, 98);
            ramo.quadTo(34 + lato * 26, 86, 34 + lato * 22, 40);
            p.setBrush(Qt::NoBrush);
            p.drawPath(ramo);
            p.setBrush(QColor(48, 150, 60));
            for (int f = 1; f < 7; ++f) {
                const qreal t = f / 7.0;
                const QPointF punto = ramo.pointAtPercent(t);
                p.save();
                p.translate(punto);
                p.rotate(-lato * (20 + 60 * t) + (lato > 0 ? 180 : 0));
                p.drawEllipse(QPointF(3.2, 0), 3.4, 1.5);
                p.restore();
            }
        }
        simbolo(p, seme, centro, 92, 0, true);
        break;
    }
}

} // namespace

QImage faccia(int n, int scala)
{
    const int seme = (n - 1) / 10 + 1;
    const int rango = (n - 1) % 10 + 1;

    QImage img(kLarghezzaCarta * scala, kAltezzaCarta * scala, QImage::Format_RGB32);
    img.fill(kVerdeTavolo);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scala, scala);

    // The card: white with a thin grey edge and curved corners.
    p.setPen(QPen(QColor(70, 70, 70), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, kLarghezzaCarta - 1, kAltezzaCarta - 1), 5.5, 5.5);

    if (rango == 1)
        asso(p, seme);
    else if (rango <= 7) {
        const QList<Posto> posti = (seme == Denari || seme == Coppe) ? postiTondi(rango, seme) : postiLunghi(rango);
        for (const Posto& posto : posti)
            simbolo(p, seme, QPointF(posto.x, posto.y), posto.misura, posto.angolo, false);
    } else
        figura(p, rango, seme);

    numeriAngolo(p, rango, seme);
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

// The back is drawn in full colour and antialiased, then mapped onto a fixed
// 16-colour palette: the table green, white, dark blue, the blends between
// them that the soft edges need, and the grey of the card's edge.
QImage dorso(int scala)
{
    QImage img(kLarghezzaCarta * scala, kAltezzaCarta * scala, QImage::Format_RGB32);
    img.fill(kVerdeTavolo);
    const QColor blu(16, 32, 112);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scala, scala);
        p.setPen(QPen(QColor(70, 70, 70), 1.0));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(0.5, 0.5, kLarghezzaCarta - 1, kAltezzaCarta - 1), 5.5, 5.5);

        const QRectF campo(5, 5, kLarghezzaCarta - 10, kAltezzaCarta - 10);
        p.setPen(Qt::NoPen);
        p.setBrush(blu);
        p.drawRoundedRect(campo, 2.5, 2.5);

        // A faint diamond lattice over the field, centred so it stays symmetric.
        const QPointF centro(kLarghezzaCarta / 2.0, kAltezzaCarta / 2.0);
        p.save();
        p.setClipRect(campo.adjusted(3, 3, -3, -3));
        p.setPen(QPen(QColor(56, 72, 140), 0.8));
        for (int k = -24; k <= 24; ++k) {
            const qreal d = k * 7.0;
            p.drawLine(centro + QPointF(d - 80, -80), centro + QPointF(d + 80, 80));
            p.drawLine(centro + QPointF(d + 80, -80), centro + QPointF(d - 80, 80));
        }
        p.restore();

        // The ornament: one quarter drawn four times, mirrored about the centre.
        for (int sx : {-1, 1}) {
            for (int sy : {-1, 1}) {
                p.save();
                p.translate(centro);
                p.scale(sx, sy);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(Qt::white, 1.2));
                // Inner frame line.
                p.drawLine(QPointF(0, 47), QPointF(20, 47));
                p.drawLine(QPointF(26, 0), QPointF(26, 41));
                p.drawArc(QRectF(14, 35, 12, 12), 0, -90 * 16);
                // Lozenge round the centre.
                p.drawLine(QPointF(0, -0.0 + 24), QPointF(15, 0));
                p.drawLine(QPointF(0, 18), QPointF(10.5, 0));
                // A curl from the lozenge's tip towards the corner.
                QPainterPath riccio;
                riccio.moveTo(0, 24);
                riccio.cubicTo(2, 32, 12, 30, 14, 36);
                riccio.cubicTo(15.5, 40, 11, 42, 9.5, 39);
                p.drawPath(riccio);
                // Corner fan.
                p.setBrush(Qt::white);
                p.setPen(Qt::NoPen);
                QPainterPath ventaglio;
                ventaglio.moveTo(22, 43);
                ventaglio.lineTo(15, 43);
                ventaglio.quadTo(20, 39, 22, 36);
                ventaglio.closeSubpath();
                p.drawPath(ventaglio);
                // Dots along the side.
                for (int i = 0; i < 3; ++i)
                    p.drawEllipse(QPointF(21, 9 + 9 * i), 1.3, 1.3);
                p.drawEllipse(QPointF(6, 40), 1.3, 1.3);
                p.restore();
            }
        }
        // Centre rosette.
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(centro);
            p.rotate(45 + 90 * i);
            p.drawEllipse(QPointF(0, -4.6), 2.2, 4.0);
            p.restore();
        }
        p.setBrush(blu);
        p.drawEllipse(centro, 1.8, 1.8);
    }

    QList<QRgb> tavolozza;
    const QColor grigio(70, 70, 70);
    auto misto = [](QColor a, QColor b, qreal t) {
        return qRgb(qRound(a.red() * (1 - t) + b.red() * t), qRound(a.green() * (1 - t) + b.green() * t),
                    qRound(a.blue() * (1 - t) + b.blue() * t));
    };
    tavolozza << kVerdeTavolo.rgb() << qRgb(255, 255, 255) << blu.rgb() << grigio.rgb();
    for (int i = 1; i <= 7; ++i)
        tavolozza << misto(blu, Qt::white, i / 8.0);
    for (int i = 1; i <= 2; ++i)
        tavolozza << misto(grigio, Qt::white, i / 3.0);
    for (int i = 1; i <= 3; ++i)
        tavolozza << misto(kVerdeTavolo, grigio, i / 4.0);
    return img.convertToFormat(QImage::Format_Indexed8, tavolozza, Qt::ThresholdDither);
}

} // namespace orvento::disegni
