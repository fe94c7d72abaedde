#pragma once
// The modem phone book "numbers.ini", beside the executable: fixed records
// of 48 bytes, no header, one byte per character (Latin-1; a character it
// cannot hold is stored as "?"):
//   bytes  1-2   the record number, right-aligned (" 1".."99")
//   bytes  3-24  the name, left-aligned, cut to 22 characters
//   bytes 25-48  the phone number, left-aligned
// Records are only appended. Record n starts at byte (n - 1) * 48.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvento {

class Rubrica {
public:
    static constexpr int kLunghezza = 48;
    static constexpr int kNome = 22;
    static constexpr int kNumero = 24;
    // The two-character number field holds at most 99.
    static constexpr int kMassimo = 99;

    // One record's 48 bytes.
    static QByteArray record(int numero, const QString &nome, const QString &telefono);
    // What the list shows for a stored record: its first 24 characters.
    static QString voce(const QByteArray &record);
    // The phone number of a record, blanks around it removed.
    static QString telefono(const QByteArray &record);

    // "numbers.ini" in the executable's folder (or in the folder tests set).
    static QString percorsoPredefinito();
    static void setCartella(const QString &cartella);

    explicit Rubrica(QString percorso = percorsoPredefinito());

    // Opens the file for record access, creating it empty if missing, and
    // reads how many records it holds. Reopens by itself when needed.
    bool apri();
    void chiudi();
    bool aperta() const { return m_file.isOpen(); }

    // The number the next saved record gets: file length / 48 + 1, rounded.
    int ProssimoRecord() const { return m_prossimo; }
    // The list entries of records 1 .. ProssimoRecord - 1.
    QStringList voci();
    // Record n (1-based) as stored; nothing when the file has no such record.
    std::optional<QByteArray> leggi(int n);
    // Appends a record as number ProssimoRecord; false when the book is full
    // (99 records) or the file cannot be written.
    bool aggiungi(const QString &nome, const QString &telefono);

private:
    QFile m_file;
    int m_prossimo = 1;
};

} // namespace orvento
