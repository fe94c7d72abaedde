#include "Percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvento {

namespace {
QString &cartellaImpostata()
{
    static QString cartella;
    return cartella;
}
} // namespace

QString cartellaProgramma()
{
    if (!cartellaImpostata().isEmpty())
        return cartellaImpostata();
    return QCoreApplication::applicationDirPath();
}

void impostaCartellaProgramma(const QString &cartella)
{
    cartellaImpostata() = cartella;
}

QString risolviPercorso(const QString &percorso)
{
    if (percorso.isEmpty())
        return {};
    if (QFileInfo(percorso).isFile())
        return percorso;

    // Walk the path one component at a time, taking at each step the entry
    // whose name matches regardless of case. Empty components (a doubled "/")
    // and "." are skipped, ".." goes up, as the file system would do.
    const QString pulito = QDir::fromNativeSeparators(percorso);
    QString attuale = pulito.startsWith(u'/') ? QStringLiteral("/") : QDir::currentPath();
    const QStringList parti = pulito.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parti.size(); ++i) {
        const QString &parte = parti[i];
        if (parte == u".")
            continue;
        QDir dir(attuale);
        if (parte == u"..") {
            if (!dir.cdUp())
                return {};
            attuale = dir.absolutePath();
            continue;
        }
        const bool ultima = i == parti.size() - 1;
        QString trovato;
        if (QFileInfo(dir.filePath(parte)).exists()) {
            trovato = parte;
        } else {
            const auto filtri = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
            const QStringList voci = dir.entryList(filtri, QDir::Name);
            for (const QString &voce : voci) {
                if (voce.compare(parte, Qt::CaseInsensitive) == 0) {
                    trovato = voce;
                    break;
                }
            }
        }
        if (trovato.isEmpty())
            return {};
        attuale = dir.filePath(trovato);
        if (!ultima && !QFileInfo(attuale).isDir())
            return {};
    }
    return QFileInfo(attuale).isFile() ? attuale : QString();
}

QString trovaFile(const QString &relativo)
{
    QString cartella = cartellaProgramma();
    if (!cartella.endsWith(u'/'))
        cartella += u'/';
    return risolviPercorso(cartella + relativo);
}

} // namespace orvento
