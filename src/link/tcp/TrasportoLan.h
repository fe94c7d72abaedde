#pragma once
// The TCP transport of the link: the host listens, the guest connects, and the
// one connection then carries the lock-step messages, each echoed back by the
// receiver. Every wait resumes on a socket signal, a timer or an interruption;
// nothing polls.
//
// TCP has no message boundaries and the wire carries none, so a received
// message is everything that has arrived when the receiver reads. That is
// enough for the lock-step exchange: a side sends its next message only once
// the previous one has been echoed. The one place where two texts can arrive
// together is an echo followed at once by the peer's next message; a send
// therefore takes exactly as many bytes as it sent as its echo and leaves the
// rest for the next receive.

#include "base/Campanello.h"
#include "link/Rete.h"

#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QString>
#include <QCoro/QCoroTask>

class QTcpServer;
class QTcpSocket;

namespace orvento {

class TrasportoLan : public Trasporto {
    Q_OBJECT
public:
    static constexpr quint16 kPortaPredefinita = 1001;

    explicit TrasportoLan(QObject *parent = nullptr);
    ~TrasportoLan() override;

    // The program's transport, created on first use and registered with
    // Rete for Tipo 1; it lives as long as the application object.
    static TrasportoLan &istanza();

    // Port of both sides: BRISCOLA_LAN_PORT when set to 1..65535, else 1001.
    static quint16 portaIniziale();
    quint16 porta() const { return m_porta; }
    void setPorta(quint16 porta) { m_porta = porta; }
    // Where the host listens: every interface (the default) or, in tests,
    // the loopback only.
    void setIndirizzoAscolto(const QHostAddress &indirizzo) { m_indirizzo = indirizzo; }

    // A connection has been made by the current listen or connect.
    bool Connesso = false;
    // The last echo has left this side.
    bool Inviato = false;

    // Host: listens and waits for one peer (time-out in seconds, -1 none).
    // "CONNESSO", "TIMEOUT ERROR", or "break" when the port cannot be opened
    // (see erroreAscolto) or the wait was interrupted.
    QCoro::Task<QString> LANAscolta(int timeout);
    // Guest: connects to a computer name or address, one attempt every two
    // seconds until the host accepts. "CONNESSO", or "break" when interrupted.
    QCoro::Task<QString> LANConnetti(QString nome);
    // Sends a text and waits, without limit, for its echo: the echo, or
    // "break". An empty text sends nothing and answers the empty text.
    QCoro::Task<QString> LANInvia(QString testo);
    // Waits for a message and echoes it: the message, "TIMEOUT ERROR" or
    // "break".
    QCoro::Task<QString> LANRicevi(int timeout);

    QCoro::Task<QString> invia(QString testo, Scadenza scadenza) override;
    QCoro::Task<QString> ricevi(Scadenza scadenza) override;
    // Drops the connection or the listen; every wait in progress ends with
    // "break", and so does every later send or receive until a new connection.
    void interrompi() override;

    // Why the last listen could not start (empty when it did).
    QString erroreAscolto() const { return m_erroreAscolto; }

private:
    // Something a wait may be waiting for happened (data, a connection, a
    // write, an error, an interruption): every waiting coroutine resumes, on
    // the next pass of the event loop, and tests its condition again.
    void cambiato();

    QCoro::Task<QString> riceviFino(Scadenza scadenza);
    // Resumes on the next change, or after `secondi` paced seconds (< 0: no
    // limit).
    QCoro::Task<> attendiCambio(double secondi);
    bool collegato() const;
    void mostraStato(const QString &testo);
    void chiudi();
    void usaSocket(QTcpSocket *socket);
    void accetta();

    QTcpServer *m_server;
    QPointer<QTcpSocket> m_socket;
    quint16 m_porta;
    QHostAddress m_indirizzo{QHostAddress::Any};
    QString m_erroreAscolto;
    // Counts interruptions: a wait that sees it change has been interrupted.
    quint64 m_interruzioni = 0;
    Campanello m_campanello; // every change rings it; each wait resumes exactly once
};

} // namespace orvento
