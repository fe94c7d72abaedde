#pragma once
// The pure rules of the modem line: how a message is framed and cleaned, the
// status text of each serial-port event, which characters may reach the
// modem's dial command, and which device stands behind each COM number.
// Nothing here touches a port, so all of it is tested without one.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvento::modem {

// The character that ends a message on the line.
inline constexpr char kFine = '~';

// `Pulisci`: the text without its NUL, LF and CR characters.
QByteArray Pulisci(QByteArray testo);

// A message as it can travel: NUL, CR and LF cannot cross the line (the
// receiver drops them) and a "~" would end the message early, so the first
// three are left out and each "~" becomes the look-alike U+02DC. Any other
// text, plain ASCII included, is unchanged.
QString testoTrasmissibile(const QString &testo);

// The bytes of one message on the line: the text in UTF-8, "~", CR, LF.
QByteArray cornice(const QString &testo);

// True when the text gathered by a sender ends with the echo of its message.
bool ecoArrivato(const QByteArray &accumulato, const QString &messaggio);

// Where the echo of the message ends in the gathered text, or -1 while it has
// not come. What follows it is already the peer's next message (a quick peer
// answers right behind its echo) and must be kept for the next receive.
qsizetype fineEco(const QByteArray &accumulato, const QString &messaggio);

// The serial events the program tells apart, by their classic codes.
enum CodiceEvento : int {
    EvSend = 1, EvReceive = 2, EvCTS = 3, EvDSR = 4, EvCD = 5, EvRing = 6, EvEOF = 7,
    ErBreak = 1001, ErCTSTO = 1002, ErDSRTO = 1003, ErFrame = 1004, ErOverrun = 1006,
    ErCDTO = 1007, ErRxOver = 1008, ErRxParity = 1009, ErTxFull = 1010, ErDCB = 1011,
};
// The Italian status text of an event code; nothing for an unknown code.
std::optional<QString> testoEvento(int codice);

// The dial string with everything a modem could take for a command removed:
// only digits, blanks, the dial modifiers , W P T ! @ * # and the tones
// A B C D (in capitals), and the punctuation + - ( ) that modems skip are
// kept. A CR or LF (end of the command line) or a ";" (back to command mode)
// typed into a number therefore never lets the rest reach the modem as a
// command.
QString numeroComponibile(const QString &numero);

// The COM numbers. COM1..COM15 are, in this order, the real serial ports
// /dev/ttyS<n> by number, then /dev/ttyUSB<n>, then /dev/ttyACM<n>. The
// environment variable BRISCOLA_COM_PORTS, a ':'-separated list of device
// paths, replaces the whole list (adapters with other names, pseudo-terminals
// in tests): its first path is COM1.
inline constexpr int kPorteCom = 15;
inline constexpr auto kVariabilePorte = "BRISCOLA_COM_PORTS";
// Orders device paths as above; other names keep their place after them.
QStringList ordinaDispositivi(QStringList percorsi);
// The device list from the variable's value (empty parts skipped).
QStringList dispositiviDaVariabile(const QString &valore);
// This machine's list: the variable when set, else the serial ports found.
QStringList dispositiviCom();
// The device of COM n (1-based), or an empty text.
QString dispositivoCom(const QStringList &dispositivi, int n);

} // namespace orvento::modem
