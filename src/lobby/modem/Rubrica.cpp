#include "Rubrica.h"

#include "base/Numeri.h"

#include <QCoreApplication>
#include <QDir>

namespace orvento {

namespace {
QString cartellaProve;

QByteArray campo(const QString &testo, int larghezza)
{
    QByteArray b = testo.left(larghezza).toLatin1();
    b.replace('\0', ' ');
    return b.leftJustified(larghezza, ' ', true);
}
} // namespace

QByteArray Rubrica::record(int numero, const QString &nome, const QString &telefono)
{
    return campo(QString::number(numero).rightJustified(2, QLatin1Char(' ')), 2)
           + campo(nome, kNome) + campo(telefono, kNumero);
}

QString Rubrica::voce(const QByteArray &record)
{
    return QString::fromLatin1(record.left(2 + kNome));
}

QString Rubrica::telefono(const QByteArray &record)
{
    return QString::fromLatin1(record.mid(2 + kNome, kNumero)).trimmed();
}

QString Rubrica::percorsoPredefinito()
{
    const QString cartella =
        cartellaProve.isEmpty() ? QCoreApplication::applicationDirPath() : cartellaProve;
    return QDir(cartella).filePath(QStringLiteral("numbers.ini"));
}

void Rubrica::setCartella(const QString &cartella) { cartellaProve = cartella; }

Rubrica::Rubrica(QString percorso) : m_file(std::move(percorso)) {}

bool Rubrica::apri()
{
    if (!m_file.isOpen() && !m_file.open(QIODevice::ReadWrite))
        return false;
    m_prossimo = arrotondaPari(double(m_file.size()) / kLunghezza + 1);
    return true;
}

void Rubrica::chiudi() { m_file.close(); }

QStringList Rubrica::voci()
{
    QStringList r;
    if (!apri())
        return r;
    for (int n = 1; n < m_prossimo; ++n)
        if (const auto rec = leggi(n))
            r += voce(*rec);
    return r;
}

std::optional<QByteArray> Rubrica::leggi(int n)
{
    if (n < 1 || !apri() || qint64(n - 1) * kLunghezza >= m_file.size())
        return std::nullopt;
    if (!m_file.seek(qint64(n - 1) * kLunghezza))
        return std::nullopt;
    // A cut-short last record reads as if padded with blanks.
    return m_file.read(kLunghezza).leftJustified(kLunghezza, ' ');
}

bool Rubrica::aggiungi(const QString &nome, const QString &telefono)
{
    if (!apri() || m_prossimo > kMassimo)
        return false;
    const QByteArray rec = record(m_prossimo, nome, telefono);
    if (!m_file.seek(qint64(m_prossimo - 1) * kLunghezza) || m_file.write(rec) != kLunghezza
        || !m_file.flush())
        return false;
    ++m_prossimo;
    return true;
}

} // namespace orvento
