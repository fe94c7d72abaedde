#include "Modem.h"

#include <QDir>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace orvento::modem {

QByteArray Pulisci(QByteArray testo)
{
    testo.removeIf([](char c) { return c == '\0' || c == '\n' || c == '\r'; });
    return testo;
}

QString testoTrasmissibile(const QString &testo)
{
    QString r;
    r.reserve(testo.size());
    for (const QChar c : testo) {
        if (c == QChar(0) || c == QChar('\r') || c == QChar('\n'))
            continue;
        r += (c == QChar(kFine)) ? QChar(0x02DC) : c;
    }
    return r;
}

QByteArray cornice(const QString &testo)
{
    return testoTrasmissibile(testo).toUtf8() + kFine + "\r\n";
}

bool ecoArrivato(const QByteArray &accumulato, const QString &messaggio)
{
    return accumulato.endsWith(testoTrasmissibile(messaggio).toUtf8() + kFine);
}

qsizetype fineEco(const QByteArray &accumulato, const QString &messaggio)
{
    const QByteArray eco = testoTrasmissibile(messaggio).toUtf8() + kFine;
    const qsizetype i = accumulato.indexOf(eco);
    return i < 0 ? -1 : i + eco.size();
}

std::optional<QString> testoEvento(int codice)
{
    switch (codice) {
    case ErBreak: return QStringLiteral("Ricezione di un segnale di interruzione.");
    case ErCTSTO:
        return QStringLiteral("Durante la trasmissione di un carattere,la linea CTS non è risultata"
                              " attiva per l'intervallo specificato dal sistema.");
    case ErDSRTO:
        return QStringLiteral("Durante la trasmissione di un carattere, la linea DSR non è"
                              " risultata attiva per l'intervallo specificato dal sistema");
    case ErFrame: return QStringLiteral("L'hardware ha individuato un errore di frame.");
    case ErOverrun:
        return QStringLiteral("L'hardware non ha letto un carattere prima dell'arrivo del successivo"
                              " e il carattere è andato perduto.");
    case ErCDTO:
        return QStringLiteral("Durante la trasmissione di un carattere la linea CD non è risultata attiva "
                              "per l'intervallo specificato dal sistema.");
    case ErRxOver: return QStringLiteral("Spazio esaurito nel buffer di ricezione.");
    case ErRxParity: return QStringLiteral("È stato rilevato un errore di parità.");
    case ErTxFull:
        return QStringLiteral("Spazio esaurito nel buffer di trasmissione durante il tentativo di "
                              "inserimento di un carattere.");
    case ErDCB:
        return QStringLiteral("Errore imprevisto durante il recupero del DCB (Device Control Block) "
                              "della porta.");
    case EvSend:
        return QStringLiteral("Nel buffer di trasmissione è presente un numero di caratteri inferiore "
                              "a quello definito dalla proprietà Sthreshold.");
    case EvReceive: return QStringLiteral("Dati dal buffer di ricezione.");
    case EvCTS: return QStringLiteral("Modifica nella linea CTS (Clear To Send).");
    case EvDSR: return QStringLiteral("Modifica nella linea DSR (Data Set Ready). ");
    case EvCD: return QStringLiteral("Modifica nella linea CD (Carrier Detect).");
    case EvRing: return QStringLiteral("Individuato segnale telefonico.");
    case EvEOF:
        return QStringLiteral("Ricevuto carattere indicatore di fine file (carattere ASCII 26).");
    default: return std::nullopt;
    }
}

QString numeroComponibile(const QString &numero)
{
    static const QString ammessi = QStringLiteral("0123456789 ,WPT!@*#ABCD+-()");
    QString r;
    for (const QChar c : numero) {
        const QChar m = c.toUpper();
        if (m.unicode() < 128 && ammessi.contains(m))
            r += m;
    }
    return r;
}

namespace {
// 0 for ttyS, 1 for ttyUSB, 2 for ttyACM, 3 for anything else; then the number.
std::pair<int, int> chiave(const QString &percorso)
{
    static const QRegularExpression re(QStringLiteral("^/dev/tty(S|USB|ACM)(\\d+)$"));
    const auto m = re.match(percorso);
    if (!m.hasMatch())
        return {3, 0};
    const QString tipo = m.captured(1);
    const int gruppo = tipo == QLatin1String("S") ? 0 : tipo == QLatin1String("USB") ? 1 : 2;
    return {gruppo, m.captured(2).toInt()};
}
} // namespace

QStringList ordinaDispositivi(QStringList percorsi)
{
    std::stable_sort(percorsi.begin(), percorsi.end(),
                     [](const QString &a, const QString &b) { return chiave(a) < chiave(b); });
    return percorsi;
}

QStringList dispositiviDaVariabile(const QString &valore)
{
    return valore.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QStringList dispositiviCom()
{
    const QByteArray env = qgetenv(kVariabilePorte);
    if (!env.isEmpty())
        return dispositiviDaVariabile(QString::fromLocal8Bit(env));
    // QSerialPortInfo leaves out the ttyS entries with no UART behind them,
    // which would otherwise fill all fifteen numbers on a PC.
    QStringList percorsi;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const QString p = info.systemLocation();
        if (chiave(p).first < 3)
            percorsi += p;
    }
    return ordinaDispositivi(percorsi);
}

QString dispositivoCom(const QStringList &dispositivi, int n)
{
    return (n >= 1 && n <= dispositivi.size()) ? dispositivi.at(n - 1) : QString();
}

} // namespace orvento::modem
