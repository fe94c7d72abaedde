#include "TrasportoLan.h"

#include "CodificaLan.h"
#include "base/Numeri.h"
#include "base/Orologio.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <coroutine>

namespace orvento {

TrasportoLan::TrasportoLan(QObject *parent)
    : Trasporto(parent), m_server(new QTcpServer(this)), m_porta(portaIniziale())
{
    connect(m_server, &QTcpServer::newConnection, this, &TrasportoLan::accetta);
    connect(m_server, &QTcpServer::acceptError, this, [this] {
        m_erroreAscolto = m_server->errorString();
        cambiato();
    });
}

TrasportoLan::~TrasportoLan()
{
    chiudi();
}

TrasportoLan &TrasportoLan::istanza()
{
    static QPointer<TrasportoLan> unico;
    if (!unico) {
        unico = new TrasportoLan(QCoreApplication::instance());
        Rete::istanza().setTrasporto(Rete::LAN, unico);
    }
    return *unico;
}

quint16 TrasportoLan::portaIniziale()
{
    const QString env = qEnvironmentVariable("BRISCOLA_LAN_PORT");
    if (const auto n = numeroInTesto(env); n && *n >= 1 && *n <= 65535)
        return quint16(arrotondaPari(*n));
    return kPortaPredefinita;
}

void TrasportoLan::cambiato() { m_campanello.suona(); }

QCoro::Task<> TrasportoLan::attendiCambio(double secondi)
{
    // A timed wait lasts at least one millisecond, so it never turns into a
    // spin.
    const int ms = secondi < 0 ? -1 : std::max(1, Orologio::millisecondiReali(secondi));
    co_await m_campanello.attendi(ms);
}

bool TrasportoLan::collegato() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void TrasportoLan::chiudi()
{
    m_server->close();
    if (m_socket) {
        QTcpSocket *vecchio = m_socket;
        m_socket = nullptr;
        // Its late signals must not count for the next connection.
        vecchio->disconnect(this);
        vecchio->abort();
        vecchio->deleteLater();
    }
}

void TrasportoLan::usaSocket(QTcpSocket *socket)
{
    m_socket = socket;
    // Messages are tiny and each waits for its echo: send them at once.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        if (socket != m_socket)
            return;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        Connesso = true;
        cambiato();
    });
    connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] {
        if (socket == m_socket && socket->bytesToWrite() == 0)
            Inviato = true;
        cambiato();
    });
    connect(socket, &QTcpSocket::readyRead, this, &TrasportoLan::cambiato);
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket == m_socket)
            mostraStato(QStringLiteral("Disconnected"));
        cambiato();
    });
    connect(socket, &QTcpSocket::errorOccurred, this, &TrasportoLan::cambiato);
}

// The first peer becomes the connection and the server stops listening, so no
// second peer can come in.
void TrasportoLan::accetta()
{
    QTcpSocket *nuovo = m_server->nextPendingConnection();
    m_server->close();
    while (QTcpSocket *altro = m_server->nextPendingConnection()) {
        altro->abort();
        altro->deleteLater();
    }
    if (!nuovo)
        return;
    if (m_socket) {
        m_socket->abort();
        m_socket->deleteLater();
    }
    nuovo->setParent(this);
    usaSocket(nuovo);
    Connesso = true;
    cambiato();
}

QCoro::Task<QString> TrasportoLan::LANAscolta(int timeout)
{
    const quint64 turno = m_interruzioni;
    chiudi();
    // A connection of an earlier listen or connect does not count.
    Connesso = false;
    m_erroreAscolto.clear();
    if (!m_server->listen(m_indirizzo, m_porta)) {
        m_erroreAscolto = m_server->errorString();
        co_return risultato::BREAK;
    }
    const Scadenza scadenza(timeout);
    while (!Connesso) {
        if (turno != m_interruzioni || !m_erroreAscolto.isEmpty())
            co_return risultato::BREAK;
        if (scadenza.scaduta()) {
            m_server->close();
            co_return risultato::TIMEOUT;
        }
        co_await attendiCambio(scadenza.infinita() ? -1.0 : scadenza.restante());
    }
    co_return risultato::CONNESSO;
}

QCoro::Task<QString> TrasportoLan::LANConnetti(QString nome)
{
    const quint64 turno = m_interruzioni;
    Connesso = false;
    for (;;) {
        chiudi();
        auto *socket = new QTcpSocket(this);
        usaSocket(socket);
        socket->connectToHost(nome, m_porta);
        // One attempt every two seconds: a refused or failed attempt waits
        // out its two seconds before the next, so an absent host is not
        // hammered.
        const double fine = double(arrotondaPari(Orologio::secondi() + 2.0));
        while (!Connesso && turno == m_interruzioni) {
            const double resto = fine - Orologio::secondi();
            if (resto <= 0)
                break;
            co_await attendiCambio(resto);
        }
        if (turno != m_interruzioni)
            co_return risultato::BREAK;
        if (Connesso)
            co_return risultato::CONNESSO;
        // Nothing stops the retries, but the link window's title tells why
        // this one failed (a misspelt name, a host not started yet).
        if (m_socket && m_socket->error() != QAbstractSocket::UnknownSocketError)
            mostraStato(QStringLiteral("%1: %2. Trying again ...").arg(nome, m_socket->errorString()));
    }
}

QCoro::Task<QString> TrasportoLan::LANInvia(QString testo)
{
    const quint64 turno = m_interruzioni;
    const QByteArray dati = codificaLan(testo);
    if (!collegato())
        co_return risultato::BREAK;
    if (dati.isEmpty())
        co_return QString();
    if (m_socket->write(dati) != dati.size())
        co_return risultato::BREAK;
    QByteArray eco;
    for (;;) {
        // Bytes already received are taken even when the peer has closed.
        if (m_socket)
            eco += m_socket->read(dati.size() - eco.size());
        if (eco.size() == dati.size())
            co_return decodificaLan(eco);
        if (turno != m_interruzioni || !collegato())
            co_return risultato::BREAK;
        co_await attendiCambio(-1.0);
    }
}

QCoro::Task<QString> TrasportoLan::LANRicevi(int timeout)
{
    return riceviFino(Scadenza(timeout));
}

QCoro::Task<QString> TrasportoLan::riceviFino(Scadenza scadenza)
{
    const quint64 turno = m_interruzioni;
    QByteArray dati;
    for (;;) {
        if (m_socket)
            dati = m_socket->readAll();
        if (!dati.isEmpty())
            break;
        if (turno != m_interruzioni || !collegato())
            co_return risultato::BREAK;
        if (scadenza.scaduta())
            co_return risultato::TIMEOUT;
        co_await attendiCambio(scadenza.infinita() ? -1.0 : scadenza.restante());
    }
    // The echo: the very bytes received, so the sender gets back exactly what
    // it sent whatever their characters.
    if (!collegato() || m_socket->write(dati) != dati.size())
        co_return risultato::BREAK;
    Inviato = false;
    while (m_socket && m_socket->bytesToWrite() > 0) {
        if (turno != m_interruzioni || !collegato())
            co_return risultato::BREAK;
        co_await attendiCambio(-1.0);
    }
    if (!m_socket)
        co_return risultato::BREAK;
    Inviato = true;
    co_return decodificaLan(dati);
}

QCoro::Task<QString> TrasportoLan::invia(QString testo, Scadenza)
{
    // The echo is waited for without limit, whatever the time-out.
    return LANInvia(std::move(testo));
}

QCoro::Task<QString> TrasportoLan::ricevi(Scadenza scadenza)
{
    return riceviFino(scadenza);
}

void TrasportoLan::mostraStato(const QString &testo)
{
    // Only the program's own transport speaks in the link window.
    if (Rete::istanza().trasporto(Rete::LAN) == this)
        Rete::istanza().setStato(testo);
}

void TrasportoLan::interrompi()
{
    if (m_socket || m_server->isListening())
        mostraStato(QStringLiteral("Disconnected"));
    ++m_interruzioni;
    chiudi();
    cambiato();
}

} // namespace orvento
