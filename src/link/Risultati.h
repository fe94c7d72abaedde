#pragma once
// The texts the link operations answer with, compared literally (case
// included) by every caller. The same words in another case are ordinary
// message texts.

#include <QString>

namespace orvento::risultato {

inline const QString CONNESSO = QStringLiteral("CONNESSO");
inline const QString TIMEOUT = QStringLiteral("TIMEOUT ERROR");
inline const QString BREAK = QStringLiteral("break");
// No transport selected; also a successful send over a modem line.
inline const QString VUOTO;

} // namespace orvento::risultato
