#pragma once

// The drawings behind every picture the program shows. Each function paints
// one picture with QPainter at a whole-number scale: scale 1 gives the logical
// size the screens lay out with, scale 2 the sharper copy stored as "@2x".
// Nothing here is random and the only fonts used are the Liberation files,
// loaded by path, so the same source always gives the same pixels.

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

namespace orvento::disegni {

// The table's green, also the colour outside a card's rounded corners.
inline const QColor kVerdeTavolo{0, 112, 0};

inline constexpr int kLarghezzaCarta = 68;
inline constexpr int kAltezzaCarta = 110;
inline constexpr int kLatoIcona = 32;
inline constexpr int kLarghezzaTitolo = 802;
inline constexpr int kAltezzaTitolo = 600;

// Loads the Liberation fonts from their files; false when one is missing.
bool caricaCaratteri();

// Card number n (1..40): 24-bit face, white with rounded corners on the green.
QImage faccia(int n, int scala);
// The one card back, limited to a 16-colour palette.
QImage dorso(int scala);
// The turn marker: a traffic light, green lamp lit (acceso) or red lamp lit.
QImage segnaTurno(bool acceso, int scala);
// The choice screen's button pictures, index 0..4 as `cmdcomp(index)`.
QImage pulsante(int indice, int scala);
// The pointing hand pointer; its fingertip is at kManoHotspotX/Y (Arte.h).
QImage mano(int scala);
// The program icon, a square of lato pixels.
QImage icona(int lato);
// The title picture: 3-D lettering on black.
QImage titolo(int scala);

struct Immagine {
    QString nome; // file name inside the resource folder, e.g. "carta01@2x.png"
    QImage immagine;
};

// Every picture file the program embeds, 1x and @2x.
QList<Immagine> tutte();
// All pictures at 100% on one sheet, for a person to review the set.
QImage foglioProva();

} // namespace orvento::disegni
