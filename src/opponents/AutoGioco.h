#pragma once
// Whole games of computer against computer on the real game state: the same
// dealing, hand slots, trick judgement and draw order the table uses. Seat A
// is the table's local seat (deck positions 2..20), seat B the opponent
// (21..39), who leads the first trick as the computer does.

#include "base/Casuale.h"
#include "game/Partita.h"

#include <QString>
#include <functional>

namespace orvento {

struct EsitoAutoGioco {
    int puntiA = 0;
    int puntiB = 0;
    bool regolare = true; // every card played once, from the hand that held it, totals 120
    QString errore;
};

// One game from a fresh shuffle. `traccia`, when given, receives the lines
// "game N deck ...", "trick K lead X a b won Y points P" and "end PA PB".
EsitoAutoGioco autoGioca(Casuale &rnd, int numero,
                         const std::function<void(const QString &)> &traccia = {});

} // namespace orvento
