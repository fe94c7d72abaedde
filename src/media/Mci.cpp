#include "Mci.h"

#include "Riproduzione.h"

#include <QCoreApplication>

#include <map>
#include <memory>

namespace orvento {

namespace {

using Dispositivi = std::map<QString, std::unique_ptr<Riproduzione>>;

Dispositivi &dispositivi()
{
    // The engine is made first so that it outlives the devices that use it.
    MotoreAudio::istanza();
    static Dispositivi tabella;
    // Devices still open when the application object goes (the title song
    // playing at quit) are closed while their timers can still be stopped.
    static const bool pulizia = [] {
        if (QCoreApplication::instance())
            qAddPostRoutine([] { tabella.clear(); });
        return true;
    }();
    Q_UNUSED(pulizia);
    return tabella;
}

// Device names are compared as the file names are: without regard to case.
QString chiave(const QString &nome)
{
    return nome.toCaseFolded();
}

QString togliVirgolette(QString nome)
{
    nome = nome.trimmed();
    if (nome.size() >= 2 && nome.startsWith(u'"') && nome.endsWith(u'"'))
        nome = nome.mid(1, nome.size() - 2);
    return nome;
}

} // namespace

int mciSendString(const QString &comando)
{
    return mciSendString(comando, nullptr);
}

int mciSendString(const QString &comando, QString *risposta)
{
    if (risposta)
        risposta->clear();
    const QString testo = comando.trimmed();
    const qsizetype spazio = testo.indexOf(u' ');
    const QString verbo = (spazio < 0 ? testo : testo.left(spazio)).toLower();
    QString resto = spazio < 0 ? QString() : testo.mid(spazio + 1).trimmed();
    Dispositivi &tabella = dispositivi();

    if (verbo == u"status") {
        const qsizetype ultimo = resto.lastIndexOf(u' ');
        if (ultimo < 0)
            return mci::parametroMancante;
        const QString voce = resto.mid(ultimo + 1).toLower();
        auto it = tabella.find(chiave(togliVirgolette(resto.left(ultimo))));
        if (it == tabella.end())
            return mci::dispositivoNonAperto;
        const Riproduzione &r = *it->second;
        QString valore;
        if (voce == u"mode")
            valore = r.inCorso() ? QStringLiteral("playing") : QStringLiteral("stopped");
        else if (voce == u"position")
            valore = QString::number(r.posizione());
        else if (voce == u"length")
            valore = QString::number(r.lunghezza());
        else
            return mci::comandoSconosciuto;
        if (risposta)
            *risposta = valore;
        return mci::riuscito;
    }

    if (verbo != u"open" && verbo != u"play" && verbo != u"stop" && verbo != u"close")
        return mci::comandoSconosciuto;
    const QString nome = togliVirgolette(resto);
    if (nome.isEmpty())
        return mci::parametroMancante;

    if (verbo == u"close" && nome.compare(u"all", Qt::CaseInsensitive) == 0) {
        tabella.clear(); // each device stops as it goes
        return mci::riuscito;
    }
    if (verbo == u"open") {
        if (tabella.count(chiave(nome)))
            return mci::dispositivoGiaAperto;
        int codice = 0;
        auto suono = Suono::apri(nome, codice);
        if (!suono)
            return codice;
        tabella.emplace(chiave(nome), std::make_unique<Riproduzione>(std::move(suono)));
        return mci::riuscito;
    }

    auto it = tabella.find(chiave(nome));
    if (it == tabella.end())
        return mci::dispositivoNonAperto;
    Riproduzione &r = *it->second;
    if (verbo == u"play") {
        // A device at its end has nothing left to play; a stopped one goes on.
        if (!r.inCorso() && r.posizione() < r.lunghezza())
            r.suona(r.posizione());
    } else if (verbo == u"stop") {
        r.ferma();
    } else {
        tabella.erase(it);
    }
    return mci::riuscito;
}

QString mciGetErrorString(int codice)
{
    switch (codice) {
    case mci::riuscito:
        return QStringLiteral("The specified command was carried out.");
    case mci::comandoSconosciuto:
        return QStringLiteral("The specified command was not recognized.");
    case mci::dispositivoNonAperto:
        return QStringLiteral("The specified device is not open or is not recognized.");
    case mci::parametroMancante:
        return QStringLiteral("A required parameter is missing from the command.");
    case mci::fileNonTrovato:
        return QStringLiteral("Cannot find the specified file. Make sure the path and filename are correct.");
    case mci::dispositivoGiaAperto:
        return QStringLiteral("The specified device is already open.");
    case mci::fileNonValido:
        return QStringLiteral("The specified file cannot be played. It may be damaged or in an unsupported format.");
    default:
        return QStringLiteral("Unknown multimedia error %1.").arg(codice);
    }
}

} // namespace orvento
