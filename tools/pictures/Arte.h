#pragma once

// The program's pictures, embedded as Qt resources under ":/art/".
// Each picture has a sharper "@2x" sibling; the helpers below pick it on
// screens whose device pixel ratio calls for it, so callers always lay out
// with the logical sizes (faces and back 68 x 110, icons 32 x 32).

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace orvento {

// The fingertip of the pointing hand in ":/art/mano.png", in logical pixels.
inline constexpr int kManoHotspotX = 9;
inline constexpr int kManoHotspotY = 1;

// ":/art/carta01.png" .. ":/art/carta40.png" for card number n (1..40).
QString percorsoCarta(int n);

// Loads a picture by its 1x resource path, taking the @2x file when the
// screen's device pixel ratio is above 1.
QPixmap pixmapArte(const QString& percorso);

QPixmap pixmapCarta(int n);  // face of card number n; a null pixmap outside 1..40
QPixmap pixmapDorso();       // the card back
QIcon iconaProgramma();      // 16, 32, 48 and 256 pixels, each with its @2x
QCursor cursoreMano();       // the pointing hand, hotspot on the fingertip

} // namespace orvento
