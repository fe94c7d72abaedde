#pragma once
// How screens reach one another without including each other: the shell fills
// these hooks at start-up, lower layers call them. Each is empty until set.

#include <QString>
#include <functional>

class QWidget;

namespace orvento::Schermi {

// The main window's client area: the parent of every child screen.
inline std::function<QWidget *()> contenitore;
// Loads the game table if needed, sets its role ("", "server", "client")
// and shows it; its activation starts a game.
inline std::function<void(const QString &ruolo)> apriTavolo;
// The choice screen's Quit/Back (`lblquit_Click`), for the modem lobbies
// when no modem answers.
inline std::function<void()> lblquit_Click;
// Unloads the main window: the orderly quit.
inline std::function<void()> esci;
// Ends the process at once, without unloading (a lost link).
inline std::function<void()> terminaSubito;

} // namespace orvento::Schermi
