#pragma once
// "server.ini", the join screen's list of computers, beside the executable: a
// plain run of 260-byte records, no header, no separators. Each record is one
// computer name, one byte per character (the network's code page), padded
// with NUL bytes. A record reads back as its bytes up to the first NUL with
// blanks trimmed, so a file written by any copy of the program reads the same.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace orvento::listaserver {

inline constexpr int kLunghezzaRecord = 260;
// The join screen keeps at most this many computers.
inline constexpr int kMassimo = 40;

// The file beside the executable.
QString percorsoPredefinito();

// One record for a name: its bytes (cut at 260), then NULs up to 260.
QByteArray record(QStringView nome);
// The name a record holds: up to the first NUL (all 260 bytes when there is
// none), leading and trailing blanks removed.
QString nome(QByteArrayView record);
// The whole records of a file's contents; a short piece at the end (a record
// cut off by an interrupted write) is not a record.
QList<QByteArray> records(QByteArrayView contenuto);

// Reads the records of the file, creating it empty when it is missing.
// Nothing when the file can be neither read nor created.
std::optional<QList<QByteArray>> leggi(const QString &percorso);
// Adds a record after the last whole one (a short piece at the end is
// overwritten) and answers its number, counted from 1; nothing on failure.
std::optional<int> aggiungi(const QString &percorso, const QByteArray &record);
// Replaces the whole file with these records, at once: a failure leaves the
// old file as it was.
bool riscrivi(const QString &percorso, const QList<QByteArray> &records);

} // namespace orvento::listaserver
