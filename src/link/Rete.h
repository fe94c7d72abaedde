#pragma once
// The one link to the other copy of the program: lock-step text messages, each
// echoed back by the receiver. `Tipo` picks the transport (0 none, 1 TCP,
// 2 modem); with none, a game against the computer goes through the same sends
// and receives and they return the empty text at once.

#include "Risultati.h"
#include "Scadenza.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QCoro/QCoroTask>

namespace orvento {

// What a line carries: "send a text, wait for its echo" and "receive a text,
// echo it". The TCP and the modem transports implement it.
class Trasporto : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The echo (TCP) or the empty text (modem); "break", "TIMEOUT ERROR".
    virtual QCoro::Task<QString> invia(QString testo, Scadenza scadenza) = 0;
    // The message; "break", "TIMEOUT ERROR".
    virtual QCoro::Task<QString> ricevi(Scadenza scadenza) = 0;
    // Drops the line (the link window's Disconnect); later sends and
    // receives answer "break".
    virtual void interrompi() {}
};

class Rete : public QObject {
    Q_OBJECT
public:
    enum : int { Nessuno = 0, LAN = 1, Modem = 2 };

    static Rete &istanza();

    int Tipo = Nessuno;

    // A transport for Tipo 1 or 2; Rete does not own it.
    void setTrasporto(int tipo, Trasporto *trasporto);
    Trasporto *trasporto(int tipo) const;

    QCoro::Task<QString> Invia(QString testo, int timeout = -1);
    QCoro::Task<QString> Ricevi(int timeout = -1);

    // The local network: select TCP (Tipo 1) and listen for one peer, or
    // connect to a computer, through the program's TCP transport. "CONNESSO";
    // "TIMEOUT ERROR" from a listen with a time-out; "break" when the listen
    // cannot start (the transport tells why) or Interrompi ends the wait.
    QCoro::Task<QString> LANAscolta(int timeout = -1);
    QCoro::Task<QString> LANConnetti(QString nome);

    // Drops the connection of the active transport, if any.
    void Interrompi();

    // The status line of the link window (`lblbar`); transports set it.
    QString stato() const { return m_stato; }
    void setStato(const QString &testo);

signals:
    void statoCambiato(const QString &testo);

private:
    QString m_stato;
    QPointer<Trasporto> m_lan;
    QPointer<Trasporto> m_modem;
};

} // namespace orvento
