#include "MMControl.h"

#include "Mci.h"
#include "Riproduzione.h"

namespace orvento {

MMControl::MMControl(QObject *parent) : QObject(parent)
{
    MotoreAudio::istanza(); // the engine must outlive every control
}

MMControl::~MMControl() = default;

void MMControl::setCommand(const QString &comando)
{
    ultimoComando = comando;
    const QString nome = comando.trimmed().toLower();
    errore = mci::riuscito;
    if (nome == u"open")
        apri();
    else if (nome == u"play")
        suona();
    else if (nome == u"stop")
        fermaSuono();
    else if (nome == u"close")
        chiudi();
    else
        errore = mci::comandoSconosciuto;
}

bool MMControl::isOpen() const { return riproduzione != nullptr; }
bool MMControl::isPlaying() const { return riproduzione && riproduzione->inCorso(); }
qint64 MMControl::position() const { return riproduzione ? riproduzione->posizione() : 0; }
qint64 MMControl::length() const { return riproduzione ? riproduzione->lunghezza() : 0; }

QString MMControl::errorMessage() const
{
    return errore ? mciGetErrorString(errore) : QString();
}

void MMControl::notificaPiuTardi(int codice)
{
    if (!notifica)
        return;
    QMetaObject::invokeMethod(this, [this, codice] { emit Done(codice); }, Qt::QueuedConnection);
}

void MMControl::apri()
{
    chiudi(); // a control holds one file at a time
    errore = mci::riuscito;
    int codice = 0;
    auto suono = Suono::apri(nomeFile, codice);
    if (!suono) {
        errore = codice;
        return;
    }
    riproduzione = std::make_unique<Riproduzione>(std::move(suono));
    connect(riproduzione.get(), &Riproduzione::finita, this, [this] {
        if (notifica)
            emit Done(NotificaRiuscita);
    });
}

void MMControl::suona()
{
    if (!riproduzione) {
        errore = mci::dispositivoNonAperto;
        notificaPiuTardi(NotificaFallita);
        return;
    }
    const qint64 inizio = da >= 0 ? da : riproduzione->posizione();
    da = -1;
    if (riproduzione->inCorso())
        notificaPiuTardi(NotificaSostituita);
    if (inizio >= riproduzione->lunghezza()) {
        // Nothing left to play: the play is over as soon as it starts.
        riproduzione->ferma();
        notificaPiuTardi(NotificaRiuscita);
        return;
    }
    riproduzione->suona(inizio);
}

void MMControl::fermaSuono()
{
    if (!riproduzione) {
        errore = mci::dispositivoNonAperto;
        return;
    }
    if (riproduzione->inCorso()) {
        riproduzione->ferma();
        notificaPiuTardi(NotificaInterrotta);
    }
    QMetaObject::invokeMethod(this, [this] { emit StopCompleted(0); }, Qt::QueuedConnection);
}

void MMControl::chiudi()
{
    if (!riproduzione)
        return;
    if (riproduzione->inCorso())
        notificaPiuTardi(NotificaInterrotta);
    riproduzione.reset();
}

} // namespace orvento
