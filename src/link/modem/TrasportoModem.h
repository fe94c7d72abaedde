#pragma once
// The modem line: finds a Hayes modem on COM1..COM15, answers a call (host)
// or dials one (guest), then carries the lock-step messages framed as
// text "~" CR LF. Every serial event becomes an Italian status text in
// `EventoCom` and in the link window's status line.
//
// Waiting is event-driven: a wait resumes on the port's data, a line-state
// change, the stop of the link, or its time-out. The modem status lines are
// read on a timer only while a call is being made or is up, and only on ports
// that have them (a pseudo-terminal has none).

#include "base/Campanello.h"
#include "link/Rete.h"

#include <QByteArray>
#include <QSerialPort>
#include <QTimer>
#include <optional>

namespace orvento {

class TrasportoModem : public Trasporto {
    Q_OBJECT
public:
    explicit TrasportoModem(QObject *parent = nullptr);
    ~TrasportoModem() override;

    // The program's modem line, created on first use.
    static TrasportoModem &istanza();

    // A modem answered the last probe.
    bool ModemTrovato = false;
    // The status text of the last serial event (empty at start).
    QString EventoCom;

    // Probes COM1..COM15 with "ATC1"; the first port that sends anything
    // back stays open as the modem's. Tells the user once when none does.
    QCoro::Task<> CercaModem();
    // Host: waits for "RING", asks the user, answers with "ATA", and returns
    // "CONNESSO" on the modem's connect report; "break" when the link is
    // stopped first; the empty text when no modem was found (the choice
    // screen has then been sent back).
    QCoro::Task<QString> MODAscolta();
    // Guest: dials the number (dialling characters only) and returns
    // "CONNESSO" on a carrier-detect change or the modem's connect report;
    // "break" and the empty text as for `MODAscolta`.
    QCoro::Task<QString> MODConnetti(QString numero);
    // Sends a message and waits for its echo: the empty text, "TIMEOUT
    // ERROR" or "break".
    QCoro::Task<QString> MODInvia(QString testo, Scadenza scadenza);
    // Receives a message up to its "~" and echoes it: the message, "TIMEOUT
    // ERROR" or "break".
    QCoro::Task<QString> MODRicevi(Scadenza scadenza);

    QCoro::Task<QString> invia(QString testo, Scadenza scadenza) override;
    QCoro::Task<QString> ricevi(Scadenza scadenza) override;
    // Closes the port and ends every wait of the line (the link window's
    // Disconnect, the program's end).
    void interrompi() override;

    // A serial event by its classic code: `EventoCom` and the status line
    // take its text; an unknown code changes nothing.
    void Modem_OnComm(int codice);

    // The COM number and device of the open port (0 and empty when closed).
    int portaCom() const { return m_numero; }
    QString dispositivo() const;
    bool aperta() const { return m_porta.isOpen(); }

    // Replaces this machine's COM list (see `modem::dispositiviCom`) for
    // this line only: two lines in one process, as in the tests.
    void setDispositivi(QStringList dispositivi) { m_dispositivi = std::move(dispositivi); }

    // How long the probe waits for an answer on each port (2 seconds).
    static constexpr int kAttesaProva = 2;

signals:
    // Something a wait may be waiting for happened.
    void sveglia();

private:
    bool apri(const QString &dispositivo);
    void chiudi();
    QByteArray leggi();
    void scrivi(const QByteArray &dati);
    bool guasta() const;
    QCoro::Task<> attendi(double secondi);
    QCoro::Task<> sonda(int generazione);
    // The probe before a call: nothing when a modem answered, otherwise the
    // result the call returns at once ("break" when stopped, "" for no modem).
    QCoro::Task<std::optional<QString>> cercaPerChiamata(int generazione);
    bool fermata(int generazione) const { return generazione != m_generazione; }
    void avviaLinee();
    void controllaLinee();
    void registra();

    std::optional<QStringList> m_dispositivi;
    QSerialPort m_porta;
    int m_numero = 0;
    // Bumped by every stop and every new call: a wait that finds it changed
    // belongs to an operation that was stopped, and ends.
    int m_generazione = 0;
    bool m_guasto = false;       // a read or write failed since the port opened
    bool m_inLinea = false;      // a call is up
    bool m_lineaCaduta = false;  // the call went down during play
    int m_cambiCD = 0;           // carrier-detect changes seen, to judge a dial
    QByteArray m_resto;          // data that followed the connect report
    QByteArray m_riga;           // the line being received, to spot "NO CARRIER"
    QTimer m_linee;
    QSerialPort::PinoutSignals m_pin;
    Campanello m_campanello;     // every `sveglia` rings it; the waits sleep on it
};

} // namespace orvento
