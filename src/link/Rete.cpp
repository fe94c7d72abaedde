#include "Rete.h"

#include "tcp/TrasportoLan.h"

namespace orvento {

Rete &Rete::istanza()
{
    static Rete rete;
    return rete;
}

void Rete::setTrasporto(int tipo, Trasporto *t)
{
    if (tipo == LAN)
        m_lan = t;
    else if (tipo == Modem)
        m_modem = t;
}

Trasporto *Rete::trasporto(int tipo) const
{
    if (tipo == LAN)
        return m_lan;
    if (tipo == Modem)
        return m_modem;
    return nullptr;
}

void Rete::Interrompi()
{
    if (Trasporto *t = trasporto(Tipo))
        t->interrompi();
}

void Rete::setStato(const QString &testo)
{
    if (testo == m_stato)
        return;
    m_stato = testo;
    emit statoCambiato(testo);
}

QCoro::Task<QString> Rete::Invia(QString testo, int timeout)
{
    if (Tipo != LAN && Tipo != Modem)
        co_return risultato::VUOTO;
    Trasporto *t = trasporto(Tipo);
    if (!t) // the transport is gone: the line is as good as broken
        co_return risultato::BREAK;
    co_return co_await t->invia(std::move(testo), Scadenza(timeout));
}

QCoro::Task<QString> Rete::Ricevi(int timeout)
{
    if (Tipo != LAN && Tipo != Modem)
        co_return risultato::VUOTO;
    Trasporto *t = trasporto(Tipo);
    if (!t)
        co_return risultato::BREAK;
    co_return co_await t->ricevi(Scadenza(timeout));
}

QCoro::Task<QString> Rete::LANAscolta(int timeout)
{
    TrasportoLan &lan = TrasportoLan::istanza();
    Tipo = LAN;
    co_return co_await lan.LANAscolta(timeout);
}

QCoro::Task<QString> Rete::LANConnetti(QString nome)
{
    TrasportoLan &lan = TrasportoLan::istanza();
    Tipo = LAN;
    setStato(QStringLiteral("Connecting to %1 ...").arg(nome));
    const QString esito = co_await lan.LANConnetti(nome);
    if (esito == risultato::CONNESSO)
        setStato(QStringLiteral("Connected to %1").arg(nome));
    co_return esito;
}

} // namespace orvento
