#pragma once
// The multimedia command-string interface the main window uses for the title
// song: text commands naming a device by its file path, a numeric result (0 for
// success) and an error text for every other code.
//
// Commands (keywords in any letter case; the device name is the rest of the
// line, so paths with spaces work, and may be put in double quotes):
//   "open <path>"          opens a song or wave; the device is then named <path>
//   "play <path>"          plays an open device from where it stands
//   "stop <path>"          stops it, keeping the position
//   "close <path>"         closes it; "close all" closes every device opened here
//   "status <path> mode|position|length"  answers in `risposta`
// File names are matched regardless of letter case.

#include <QString>

namespace orvento {

namespace mci {
constexpr int riuscito = 0;
constexpr int comandoSconosciuto = 261;
constexpr int dispositivoNonAperto = 263;
constexpr int parametroMancante = 273;
constexpr int fileNonTrovato = 275;
constexpr int dispositivoGiaAperto = 288;
constexpr int fileNonValido = 296;
} // namespace mci

int mciSendString(const QString &comando);
int mciSendString(const QString &comando, QString *risposta);

// The error text of a result code (a text for 0 too); never empty.
QString mciGetErrorString(int codice);

} // namespace orvento
