#pragma once
// The program-wide state that several screens share: the two players' names
// and the points of the game being played.

#include <QString>
#include <cstdint>

namespace orvento {

// The player in the joining seat (the human against the computer) and the
// player in the hosting seat ("Computer" against the computer).
inline QString NomeClient;
inline QString NomeServer;

// This copy's player's points and the opponent's, in the current game.
inline std::int16_t puntiGiocatore = 0;
inline std::int16_t puntiAvversario = 0;

// The local player's own name and the opponent's, by the table role.
inline QString nomeLocale(const QString &ruolo)
{
    return ruolo == QLatin1String("server") ? NomeServer : NomeClient;
}
inline QString nomeAvversario(const QString &ruolo)
{
    return ruolo == QLatin1String("server") ? NomeClient : NomeServer;
}

} // namespace orvento
