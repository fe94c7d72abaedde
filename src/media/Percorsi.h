#pragma once
// Where the program's data files are: beside the executable. Names are looked
// up without regard to letter case, because the program asks for the same file
// under different spellings ("music/briscola.mid", "music/Briscola.MID") and a
// Linux file system tells them apart.

#include <QString>

namespace orvento {

// The folder of the executable, without a trailing "/" (except for "/").
QString cartellaProgramma();
// Tests point the program folder somewhere else; an empty text restores the
// executable's folder.
void impostaCartellaProgramma(const QString &cartella);

// The real path of a file below the program folder ("music/briscola.mid"),
// matching each path component regardless of letter case; empty when there is
// no such file. An exact match wins over a case-insensitive one.
QString trovaFile(const QString &relativo);

// The same case-insensitive lookup for an absolute path (or one relative to
// the current folder); empty when nothing matches.
QString risolviPercorso(const QString &percorso);

} // namespace orvento
