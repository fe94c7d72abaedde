#include "ListaServer.h"

#include "link/tcp/CodificaLan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace orvento::listaserver {

namespace {
QString senzaBlanchi(const QString &s)
{
    qsizetype inizio = 0;
    qsizetype fine = s.size();
    while (inizio < fine && s.at(inizio) == u' ')
        ++inizio;
    while (fine > inizio && s.at(fine - 1) == u' ')
        --fine;
    return s.mid(inizio, fine - inizio);
}
} // namespace

QString percorsoPredefinito()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("server.ini"));
}

QByteArray record(QStringView nome)
{
    QByteArray r = codificaLan(nome).left(kLunghezzaRecord);
    r.append(kLunghezzaRecord - r.size(), '\0');
    return r;
}

QString nome(QByteArrayView r)
{
    const qsizetype nul = r.indexOf('\0');
    return senzaBlanchi(decodificaLan(nul < 0 ? r : r.first(nul)));
}

QList<QByteArray> records(QByteArrayView contenuto)
{
    QList<QByteArray> lista;
    for (qsizetype da = 0; da + kLunghezzaRecord <= contenuto.size(); da += kLunghezzaRecord)
        lista.append(contenuto.sliced(da, kLunghezzaRecord).toByteArray());
    return lista;
}

std::optional<QList<QByteArray>> leggi(const QString &percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadWrite))
        return std::nullopt;
    return records(file.readAll());
}

std::optional<int> aggiungi(const QString &percorso, const QByteArray &r)
{
    if (r.size() != kLunghezzaRecord)
        return std::nullopt;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadWrite))
        return std::nullopt;
    const qint64 interi = file.size() / kLunghezzaRecord;
    const qint64 da = interi * kLunghezzaRecord;
    if (!file.seek(da) || file.write(r) != r.size() || !file.resize(da + r.size()))
        return std::nullopt;
    if (!file.flush())
        return std::nullopt;
    return int(interi + 1);
}

bool riscrivi(const QString &percorso, const QList<QByteArray> &lista)
{
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &r : lista) {
        if (r.size() != kLunghezzaRecord || file.write(r) != r.size()) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

} // namespace orvento::listaserver
