#pragma once
// What the two LAN lobby screens share: their look and their place in the
// main window.

#include <QString>

class QLabel;
class QMessageBox;
class QWidget;

namespace orvento::lobby {

// A borderless child screen on the dark-green table colour.
void preparaSchermo(QWidget *schermo, int larghezza, int altezza);
// A bordered black label with centred text in the given green, showing its
// text as plain text (it carries names users typed).
void preparaUscita(QLabel *label, int verde);
// Centres the screen in the main window (its outer size), in the
// coordinates of the screen's parent.
void centra(QWidget *schermo);
// A message box with the application's title, over the screen, that does not
// hold up the caller; it deletes itself when dismissed.
QMessageBox *avvisa(QWidget *schermo, const QString &testo);

} // namespace orvento::lobby
