#pragma once
// How a text travels on the local network: one byte per character in the
// Windows-1252 code page, with no terminator and no length. Any copy of the
// program reads the same bytes back into the same text. A character the code
// page lacks travels as one '?', so a message never grows or splits: the
// receiver's byte count is the sender's character count.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace orvento {

// The bytes of a text (a character outside Windows-1252 becomes '?').
QByteArray codificaLan(QStringView testo);
// The text of received bytes; every byte value maps to one character.
QString decodificaLan(QByteArrayView dati);
// The text as the other side will read it: what an echo of it returns.
QString comeSulFilo(QStringView testo);

} // namespace orvento
