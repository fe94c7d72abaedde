#pragma once
// A Hayes modem and a telephone exchange, on pseudo-terminals: each line is a
// pseudo-terminal whose device a program opens as its serial port, with a
// phone number of its own. In command mode a line answers AT commands the way
// a Hayes modem does (echo, "OK", "ERROR", "RING", "CONNECT 9600", "NO
// CARRIER"); when one line dials another's number the other rings, and once
// it answers ("ATA") the two data streams are joined until one side escapes
// with "+++" and hangs up, or the exchange drops the call.
//
// Commands understood after "AT" (several may follow one another): A, D
// (with T or P and the number; only its digits are compared), E0/E1, H, O,
// Z, I, S<n>=<v>, S<n>?, and C, V, Q, X, L, M, B, &<letter> with their
// digits, accepted and ignored. "AT" anywhere in the line starts the
// commands, so "ATE0ATA" turns echo off and answers.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace orvento::emulatore {

class EmulatoreModem : public QObject {
    Q_OBJECT
public:
    explicit EmulatoreModem(QObject *parent = nullptr);
    ~EmulatoreModem() override;

    // A new line with the given number; its index, or -1 if no
    // pseudo-terminal could be made.
    int aggiungiLinea(const QString &numero);
    int linee() const { return int(m_linee.size()); }
    // The device path a program opens for line i (e.g. /dev/pts/5).
    QString percorso(int i) const;
    QString numero(int i) const;
    bool inLinea(int i) const;

    // The exchange drops the call of line i: both ends read "NO CARRIER".
    void riaggancia(int i);
    // Milliseconds between two "RING" reports of a called line (default 3000).
    void setIntervalloSquillo(int ms);

signals:
    // Line i has joined line j (after an answer).
    void connesse(int i, int j);
    // Line i's call ended.
    void chiusa(int i);

private:
    enum class Stato { Comando, Chiama, Squilla, Dati, DatiSospesi };
    struct Linea {
        int master = -1;
        int slave = -1; // kept open so the line never reads a hang-up
        QString percorso;
        QString numero;
        QByteArray comando;
        bool eco = true;
        Stato stato = Stato::Comando;
        int altra = -1;
        qint64 ultimoDato = 0;
        std::unique_ptr<QSocketNotifier> lettore;
        std::unique_ptr<QTimer> squillo;
    };

    void leggi(int i);
    void eseguiRiga(int i, const QByteArray &riga);
    void componi(int i, const QByteArray &numero);
    void rispondi(int i);
    void chiudiChiamata(int i, bool avvisaQuesta);
    void scrivi(int i, const QByteArray &dati);
    void risultato(int i, const char *testo);

    std::vector<std::unique_ptr<Linea>> m_linee;
    int m_intervallo = 3000;
};

} // namespace orvento::emulatore
