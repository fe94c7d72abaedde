#include "EmulatoreModem.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSocketNotifier>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace orvento::emulatore {

namespace {
qint64 adessoMs()
{
    static QElapsedTimer t = [] { QElapsedTimer e; e.start(); return e; }();
    return t.elapsed();
}

// BRISCOLA_MODEM_TRACE=1 prints every chunk each line receives and sends.
bool traccia()
{
    static const bool si = qEnvironmentVariableIsSet("BRISCOLA_MODEM_TRACE");
    return si;
}

void stampa(int i, const char *verso, const QByteArray &dati)
{
    QByteArray t = dati;
    t.replace("\r", "\\r").replace("\n", "\\n");
    fprintf(stderr, "line %d %s %s\n", i, verso, t.constData());
}

QByteArray soloCifre(const QByteArray &testo)
{
    QByteArray r;
    for (char c : testo)
        if (c >= '0' && c <= '9')
            r += c;
    return r;
}
} // namespace

EmulatoreModem::EmulatoreModem(QObject *parent) : QObject(parent) {}

EmulatoreModem::~EmulatoreModem()
{
    for (auto &l : m_linee) {
        l->lettore.reset();
        l->squillo.reset();
        if (l->slave >= 0)
            ::close(l->slave);
        if (l->master >= 0)
            ::close(l->master);
    }
}

int EmulatoreModem::aggiungiLinea(const QString &numero)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return -1;
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        ::close(master);
        return -1;
    }
    const char *nome = ::ptsname(master);
    const int slave = nome ? ::open(nome, O_RDWR | O_NOCTTY | O_NONBLOCK) : -1;
    if (slave < 0) {
        ::close(master);
        return -1;
    }
    // A modem line passes bytes unchanged: no echo, no line editing, no
    // CR/LF translation on the terminal side, whoever opens it.
    termios t{};
    ::tcgetattr(slave, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(slave, TCSANOW, &t);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

    auto l = std::make_unique<Linea>();
    l->master = master;
    l->slave = slave;
    l->percorso = QString::fromLocal8Bit(nome);
    l->numero = numero;
    const int i = int(m_linee.size());
    l->lettore = std::make_unique<QSocketNotifier>(master, QSocketNotifier::Read);
    connect(l->lettore.get(), &QSocketNotifier::activated, this, [this, i] { leggi(i); });
    l->squillo = std::make_unique<QTimer>();
    connect(l->squillo.get(), &QTimer::timeout, this, [this, i] { risultato(i, "RING"); });
    m_linee.push_back(std::move(l));
    return i;
}

QString EmulatoreModem::percorso(int i) const { return m_linee.at(i)->percorso; }
QString EmulatoreModem::numero(int i) const { return m_linee.at(i)->numero; }
bool EmulatoreModem::inLinea(int i) const
{
    const Stato s = m_linee.at(i)->stato;
    return s == Stato::Dati || s == Stato::DatiSospesi;
}

void EmulatoreModem::setIntervalloSquillo(int ms) { m_intervallo = ms; }

void EmulatoreModem::scrivi(int i, const QByteArray &dati)
{
    if (traccia())
        stampa(i, "<-", dati);
    // The program may not be reading (port closed): what does not fit in the
    // terminal's buffer is lost, as on a line nobody listens to.
    qsizetype fatto = 0;
    while (fatto < dati.size()) {
        const auto n = ::write(m_linee[i]->master, dati.constData() + fatto, dati.size() - fatto);
        if (n <= 0)
            return;
        fatto += n;
    }
}

void EmulatoreModem::risultato(int i, const char *testo)
{
    scrivi(i, QByteArray("\r\n") + testo + "\r\n");
}

void EmulatoreModem::leggi(int i)
{
    Linea &l = *m_linee[i];
    char buf[512];
    const auto n = ::read(l.master, buf, sizeof buf);
    if (n <= 0)
        return;
    const QByteArray dati(buf, n);
    if (traccia())
        stampa(i, "->", dati);
    const qint64 adesso = adessoMs();

    if (l.stato == Stato::Dati) {
        // "+++" alone after a second of silence returns to command mode with
        // the call kept up.
        if (dati == "+++" && adesso - l.ultimoDato >= 1000) {
            l.stato = Stato::DatiSospesi;
            risultato(i, "OK");
        } else if (l.altra >= 0) {
            scrivi(l.altra, dati);
        }
        l.ultimoDato = adesso;
        return;
    }
    l.ultimoDato = adesso;
    for (char c : dati) {
        if (m_linee[i]->stato == Stato::Dati) // a command put the line online
            break;
        if (l.eco)
            scrivi(i, QByteArray(1, c));
        if (c == '\r') {
            const QByteArray riga = l.comando;
            l.comando.clear();
            eseguiRiga(i, riga);
        } else if (c == '\b') {
            l.comando.chop(1);
        } else if (c != '\n' && l.comando.size() < 256) {
            l.comando += c;
        }
    }
}

void EmulatoreModem::eseguiRiga(int i, const QByteArray &riga)
{
    Linea &l = *m_linee[i];
    const qsizetype at = riga.toUpper().indexOf("AT");
    if (at < 0)
        return; // not a command: a modem ignores it
    const QByteArray cmd = riga.mid(at + 2);
    qsizetype p = 0;
    auto cifre = [&] {
        QByteArray d;
        while (p < cmd.size() && std::isdigit(static_cast<unsigned char>(cmd[p])))
            d += cmd[p++];
        return d;
    };
    while (p < cmd.size()) {
        const char c = char(std::toupper(static_cast<unsigned char>(cmd[p++])));
        switch (c) {
        case ' ':
            break;
        case 'A':
            if (p < cmd.size() && std::toupper(static_cast<unsigned char>(cmd[p])) == 'T') {
                ++p; // a further "AT" inside the line
                break;
            }
            rispondi(i);
            return;
        case 'D':
            componi(i, cmd.mid(p));
            return;
        case 'E':
            l.eco = cifre() != "0";
            break;
        case 'H':
            cifre();
            if (l.stato != Stato::Comando)
                chiudiChiamata(i, false);
            break;
        case 'O':
            cifre();
            if (l.stato == Stato::DatiSospesi) {
                l.stato = Stato::Dati;
                risultato(i, "CONNECT 9600");
                return;
            }
            risultato(i, "NO CARRIER");
            return;
        case 'Z':
            cifre();
            if (l.stato != Stato::Comando)
                chiudiChiamata(i, false);
            l.eco = true;
            break;
        case 'I':
            cifre();
            scrivi(i, "\r\nBriscola modem emulator\r\n");
            break;
        case 'S': {
            cifre();
            if (p < cmd.size() && cmd[p] == '=') {
                ++p;
                cifre();
            } else if (p < cmd.size() && cmd[p] == '?') {
                ++p;
                scrivi(i, "\r\n000\r\n");
            }
            break;
        }
        case '&':
            if (p < cmd.size())
                ++p;
            cifre();
            break;
        case 'C': case 'V': case 'Q': case 'X': case 'L': case 'M': case 'B': case 'T': case 'P':
            cifre();
            break;
        default:
            risultato(i, "ERROR");
            return;
        }
    }
    risultato(i, "OK");
}

void EmulatoreModem::componi(int i, const QByteArray &numero)
{
    Linea &l = *m_linee[i];
    const QByteArray cercato = soloCifre(numero);
    int altra = -1;
    for (int j = 0; j < linee(); ++j)
        if (j != i && !cercato.isEmpty() && soloCifre(m_linee[j]->numero.toLatin1()) == cercato)
            altra = j;
    if (altra < 0 || l.stato != Stato::Comando) {
        risultato(i, "NO CARRIER");
        return;
    }
    Linea &o = *m_linee[altra];
    if (o.stato != Stato::Comando) {
        risultato(i, "BUSY");
        return;
    }
    l.stato = Stato::Chiama;
    l.altra = altra;
    o.stato = Stato::Squilla;
    o.altra = i;
    risultato(altra, "RING");
    o.squillo->start(m_intervallo);
}

void EmulatoreModem::rispondi(int i)
{
    Linea &l = *m_linee[i];
    if (l.stato != Stato::Squilla || l.altra < 0) {
        risultato(i, "NO CARRIER");
        return;
    }
    Linea &o = *m_linee[l.altra];
    l.squillo->stop();
    l.stato = Stato::Dati;
    o.stato = Stato::Dati;
    l.ultimoDato = o.ultimoDato = adessoMs();
    risultato(l.altra, "CONNECT 9600");
    risultato(i, "CONNECT 9600");
    emit connesse(i, l.altra);
}

void EmulatoreModem::chiudiChiamata(int i, bool avvisaQuesta)
{
    Linea &l = *m_linee[i];
    const int j = l.altra;
    l.squillo->stop();
    l.stato = Stato::Comando;
    l.altra = -1;
    l.comando.clear();
    if (avvisaQuesta)
        risultato(i, "NO CARRIER");
    if (j >= 0) {
        Linea &o = *m_linee[j];
        o.squillo->stop();
        const bool eraInLinea = o.stato != Stato::Comando && o.stato != Stato::Squilla;
        o.stato = Stato::Comando;
        o.altra = -1;
        o.comando.clear();
        if (eraInLinea)
            risultato(j, "NO CARRIER");
        emit chiusa(j);
    }
    emit chiusa(i);
}

void EmulatoreModem::riaggancia(int i)
{
    if (m_linee.at(i)->stato != Stato::Comando)
        chiudiChiamata(i, true);
}

} // namespace orvento::emulatore
