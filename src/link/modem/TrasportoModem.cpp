#include "TrasportoModem.h"

#include "Dialoghi.h"
#include "Modem.h"
#include "base/Orologio.h"
#include "base/Schermi.h"

#include <QCoreApplication>
#include <QCoro/QCoroSignal>
#include <chrono>

namespace orvento {

using namespace modem;

namespace {
const QString kNessunModem = QStringLiteral(
    "The program can't find your modem.\r\rTry to test it in control panel, please.");
const QString kSquillo = QStringLiteral("Detected a ring. Can I answer now ?");

QString testoProva(int n, const QString &dispositivo)
{
    if (dispositivo.isEmpty())
        return QStringLiteral("Testing serial port COM %1...").arg(n);
    return QStringLiteral("Testing serial port COM %1 (%2)...").arg(n).arg(dispositivo);
}

// Takes the complete lines (ended by CR or LF) off the front of `dati`;
// empty lines are skipped, an unfinished last line stays for the next read.
QList<QByteArray> estraiRighe(QByteArray &dati)
{
    QList<QByteArray> righe;
    qsizetype inizio = 0;
    for (qsizetype i = 0; i < dati.size(); ++i) {
        if (dati[i] == '\r' || dati[i] == '\n') {
            const QByteArray riga = Pulisci(dati.mid(inizio, i - inizio));
            if (!riga.isEmpty())
                righe += riga;
            inizio = i + 1;
        }
    }
    dati.remove(0, inizio);
    return righe;
}

// The first line of `dati` that starts with "CON" (the modem's connect
// report): the position just past its end, line breaks included; -1 if none.
qsizetype dopoConnessione(const QByteArray &dati)
{
    qsizetype inizio = 0;
    while (inizio < dati.size()) {
        qsizetype fine = inizio;
        while (fine < dati.size() && dati[fine] != '\r' && dati[fine] != '\n')
            ++fine;
        if (fine == dati.size())
            return -1; // the line is not complete yet
        if (dati.mid(inizio, fine - inizio).startsWith("CON")) {
            while (fine < dati.size() && (dati[fine] == '\r' || dati[fine] == '\n'))
                ++fine;
            return fine;
        }
        inizio = fine + 1;
    }
    return -1;
}
} // namespace

TrasportoModem::TrasportoModem(QObject *parent) : Trasporto(parent)
{
    m_porta.setBaudRate(QSerialPort::Baud9600);
    m_porta.setParity(QSerialPort::NoParity);
    m_porta.setDataBits(QSerialPort::Data8);
    m_porta.setStopBits(QSerialPort::OneStop);
    m_porta.setFlowControl(QSerialPort::NoFlowControl);
    connect(this, &TrasportoModem::sveglia, &m_campanello, &Campanello::suona);
    connect(&m_porta, &QSerialPort::readyRead, this, [this] {
        Modem_OnComm(EvReceive);
        emit sveglia();
    });
    connect(&m_porta, &QSerialPort::bytesWritten, this, &TrasportoModem::sveglia);
    connect(&m_porta, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        // Reading the status lines of a port without them reports an
        // unsupported operation: that is not a broken line.
        if (e == QSerialPort::ReadError || e == QSerialPort::WriteError
            || e == QSerialPort::ResourceError) {
            m_guasto = true;
            emit sveglia();
        }
    });
    m_linee.setInterval(250);
    connect(&m_linee, &QTimer::timeout, this, &TrasportoModem::controllaLinee);
    if (auto *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &TrasportoModem::interrompi);
}

TrasportoModem::~TrasportoModem()
{
    if (Rete::istanza().trasporto(Rete::Modem) == this)
        Rete::istanza().setTrasporto(Rete::Modem, nullptr);
}

TrasportoModem &TrasportoModem::istanza()
{
    // Owned by the application so that the port closes before Qt goes down.
    static TrasportoModem *unico = new TrasportoModem(QCoreApplication::instance());
    return *unico;
}

QString TrasportoModem::dispositivo() const
{
    return m_porta.isOpen() ? m_porta.portName() : QString();
}

void TrasportoModem::registra()
{
    Rete::istanza().Tipo = Rete::Modem;
    Rete::istanza().setTrasporto(Rete::Modem, this);
}

void TrasportoModem::Modem_OnComm(int codice)
{
    if (const auto testo = testoEvento(codice))
        EventoCom = *testo;
    Rete::istanza().setStato(EventoCom);
}

bool TrasportoModem::apri(const QString &dispositivo)
{
    chiudi();
    m_porta.setPortName(dispositivo);
    if (!m_porta.open(QIODevice::ReadWrite)) {
        m_porta.clearError();
        return false;
    }
    m_guasto = false;
    m_porta.clear();
    return true;
}

void TrasportoModem::chiudi()
{
    m_linee.stop();
    if (m_porta.isOpen())
        m_porta.close();
    m_porta.clearError();
    m_numero = 0;
    m_inLinea = false;
    m_lineaCaduta = false;
    m_resto.clear();
    m_riga.clear();
}

bool TrasportoModem::guasta() const
{
    return !m_porta.isOpen() || m_guasto || m_lineaCaduta;
}

void TrasportoModem::scrivi(const QByteArray &dati)
{
    if (m_porta.isOpen() && m_porta.write(dati) != dati.size())
        m_guasto = true;
}

QByteArray TrasportoModem::leggi()
{
    QByteArray dati = m_resto + (m_porta.isOpen() ? m_porta.readAll() : QByteArray());
    m_resto.clear();
    if (m_inLinea) {
        // Without a carrier-detect line, the modem's "NO CARRIER" report is
        // the only sign that the call went down. A message can never form
        // that line: it always ends with "~" before its CR LF.
        for (const char c : std::as_const(dati)) {
            if (c == '\r' || c == '\n') {
                if (m_riga == "NO CARRIER")
                    m_lineaCaduta = true;
                m_riga.clear();
            } else if (m_riga.size() < 32) {
                m_riga += c;
            }
        }
    }
    return dati;
}

QCoro::Task<> TrasportoModem::attendi(double secondi)
{
    const int ms = secondi >= 1e8 ? -1 : Orologio::millisecondiReali(secondi);
    co_await m_campanello.attendi(ms);
}

void TrasportoModem::avviaLinee()
{
    bool ok = m_porta.isOpen();
    if (ok) {
        m_porta.clearError();
        m_pin = m_porta.pinoutSignals();
        ok = m_porta.error() == QSerialPort::NoError;
        m_porta.clearError();
    }
    if (ok)
        m_linee.start();
}

void TrasportoModem::controllaLinee()
{
    if (!m_porta.isOpen()) {
        m_linee.stop();
        return;
    }
    const auto pin = m_porta.pinoutSignals();
    if (m_porta.error() != QSerialPort::NoError) {
        m_porta.clearError();
        m_linee.stop();
        return;
    }
    const auto cambiati = pin ^ m_pin;
    m_pin = pin;
    if (cambiati & QSerialPort::ClearToSendSignal)
        Modem_OnComm(EvCTS);
    if (cambiati & QSerialPort::DataSetReadySignal)
        Modem_OnComm(EvDSR);
    if (cambiati & QSerialPort::RingIndicatorSignal)
        Modem_OnComm(EvRing);
    if (cambiati & QSerialPort::DataCarrierDetectSignal) {
        Modem_OnComm(EvCD);
        ++m_cambiCD;
        if (m_inLinea && !(pin & QSerialPort::DataCarrierDetectSignal))
            m_lineaCaduta = true;
    }
    if (cambiati)
        emit sveglia();
}

QCoro::Task<> TrasportoModem::CercaModem()
{
    co_await sonda(++m_generazione);
}

QCoro::Task<> TrasportoModem::sonda(int g)
{
    ModemTrovato = false;
    const QStringList dispositivi = m_dispositivi ? *m_dispositivi : dispositiviCom();
    for (int n = 1; n <= kPorteCom && !fermata(g); ++n) {
        const QString d = dispositivoCom(dispositivi, n);
        Rete::istanza().setStato(testoProva(n, d));
        if (d.isEmpty() || !apri(d))
            continue;
        m_numero = n;
        scrivi("ATC1\r");
        const Scadenza limite(kAttesaProva);
        for (;;) {
            const QByteArray letto = leggi();
            Rete::istanza().setStato(testoProva(n, d));
            if (!letto.isEmpty()) {
                ModemTrovato = true;
                co_return;
            }
            if (limite.scaduta() || fermata(g) || guasta())
                break;
            co_await attendi(limite.restante());
        }
        if (fermata(g))
            co_return; // the port may already belong to the operation that stopped this one
        chiudi();
    }
    if (fermata(g))
        co_return;
    chiudi();
    Dialoghi::attuali().avviso(kNessunModem);
}

QCoro::Task<std::optional<QString>> TrasportoModem::cercaPerChiamata(int g)
{
    registra();
    co_await sonda(g);
    if (ModemTrovato)
        co_return std::nullopt;
    if (fermata(g))
        co_return risultato::BREAK;
    // No modem: the choice screen goes back, and the lobby stops.
    if (Schermi::lblquit_Click)
        Schermi::lblquit_Click();
    co_return risultato::VUOTO;
}

QCoro::Task<QString> TrasportoModem::MODAscolta()
{
    const int g = ++m_generazione;
    if (const auto fine = co_await cercaPerChiamata(g))
        co_return *fine;
    scrivi("ATE0");
    avviaLinee();
    bool risposto = false; // "ATA" sent and not yet refused by the modem
    QByteArray righe;      // the modem's text, judged one whole line at a time
    for (;;) {
        if (fermata(g) || guasta())
            co_return risultato::BREAK;
        // Whatever arrived is read, even when a line change has replaced the
        // receive text in `EventoCom` since: the connect report and the
        // carrier come together, and the report must not wait for more data.
        if (m_porta.bytesAvailable() == 0) {
            co_await attendi(1e9);
            continue;
        }
        // The modem's reports are judged by lines, not by reads: the echo of
        // "ATA" and "CONNECT" often arrive in one read, and a report may be
        // split over two.
        righe += leggi();
        bool connesso = false;
        for (const QByteArray &riga : estraiRighe(righe)) {
            if (riga == "NO CARRIER" || riga == "ERROR")
                risposto = false;
            if (riga == "RING" && !risposto && Dialoghi::attuali().domanda(kSquillo)) {
                if (fermata(g) || guasta())
                    co_return risultato::BREAK;
                scrivi("ATA\r\n");
                risposto = true;
            }
            if (riga.startsWith("CON")) {
                connesso = true;
                break;
            }
        }
        if (connesso)
            break;
    }
    m_porta.clear();
    m_resto.clear();
    m_riga.clear();
    m_inLinea = true;
    co_return risultato::CONNESSO;
}

QCoro::Task<QString> TrasportoModem::MODConnetti(QString numero)
{
    const int g = ++m_generazione;
    if (const auto fine = co_await cercaPerChiamata(g))
        co_return *fine;
    scrivi("ATDT " + numeroComponibile(numero).toLatin1() + "\r\n");
    avviaLinee();
    // Only a change that happens during this dial counts as the carrier.
    const int cambiPrima = m_cambiCD;
    QByteArray ricevuto;
    bool riportoVisto = false;
    for (;;) {
        if (fermata(g) || guasta())
            co_return risultato::BREAK;
        if (m_cambiCD != cambiPrima)
            break;
        ricevuto += leggi();
        // A line without a carrier-detect signal (a pseudo-terminal, many
        // USB adapters) tells of the call only by the "CONNECT" report.
        const qsizetype dopo = dopoConnessione(ricevuto);
        if (dopo >= 0) {
            m_resto = ricevuto.mid(dopo); // already the host's data
            riportoVisto = true;
            break;
        }
        co_await attendi(1e9);
    }
    // With echo off from here on. Written as the carrier is up, it is dropped
    // with the rest of the pending output.
    scrivi("ATE0");
    m_porta.clear(QSerialPort::Output);
    if (!riportoVisto) {
        // The report may still be on its way; it is not a message.
        m_porta.clear(QSerialPort::Input);
        m_resto.clear();
    }
    m_riga.clear();
    m_inLinea = true;
    co_return risultato::CONNESSO;
}

QCoro::Task<QString> TrasportoModem::MODInvia(QString testo, Scadenza scadenza)
{
    const int g = m_generazione;
    // Stale input goes before the message is written, never after: the echo
    // may already be on its way once it is. Reading it (rather than flushing
    // it) also notices a "NO CARRIER" that came in meanwhile.
    (void)leggi();
    if (guasta())
        co_return risultato::BREAK;
    scrivi(cornice(testo));
    QByteArray accumulato;
    for (;;) {
        const qsizetype fine = fineEco(accumulato, testo);
        if (fine >= 0) {
            m_resto = accumulato.mid(fine);
            co_return risultato::VUOTO;
        }
        if (scadenza.scaduta())
            co_return risultato::TIMEOUT;
        if (guasta() || fermata(g))
            co_return risultato::BREAK;
        if (m_porta.bytesAvailable() == 0)
            co_await attendi(scadenza.restante());
        accumulato = Pulisci(accumulato + leggi());
    }
}

QCoro::Task<QString> TrasportoModem::MODRicevi(Scadenza scadenza)
{
    const int g = m_generazione;
    if (guasta())
        co_return risultato::BREAK;
    QByteArray accumulato = Pulisci(leggi());
    while (!accumulato.endsWith(kFine)) {
        if (scadenza.scaduta())
            co_return risultato::TIMEOUT;
        if (guasta() || fermata(g))
            co_return risultato::BREAK;
        if (m_porta.bytesAvailable() == 0)
            co_await attendi(scadenza.restante());
        accumulato = Pulisci(accumulato + leggi());
    }
    if (guasta())
        co_return risultato::BREAK;
    const QString messaggio = QString::fromUtf8(accumulato.chopped(1));
    m_porta.clear(QSerialPort::Output);
    scrivi(accumulato + "\r\n");
    // The echo leaves the output buffer before the caller goes on.
    while (m_porta.isOpen() && m_porta.bytesToWrite() > 0 && !guasta() && !fermata(g))
        co_await attendi(1e9);
    if (guasta() || fermata(g))
        co_return risultato::BREAK;
    co_return messaggio;
}

QCoro::Task<QString> TrasportoModem::invia(QString testo, Scadenza scadenza)
{
    return MODInvia(std::move(testo), scadenza);
}

QCoro::Task<QString> TrasportoModem::ricevi(Scadenza scadenza)
{
    return MODRicevi(scadenza);
}

void TrasportoModem::interrompi()
{
    ++m_generazione;
    chiudi();
    emit sveglia();
}

} // namespace orvento
