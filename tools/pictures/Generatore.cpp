// briscola-pictures: writes every picture the program embeds into a folder,
// and on request a contact sheet of the whole set.
//
//   briscola-pictures OUT_DIR
//   briscola-pictures --contact-sheet FILE.png
//   briscola-pictures OUT_DIR --contact-sheet FILE.png

#include "Disegni.h"
#include "Pennelli.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace orvento::disegni {

bool caricaCaratteri()
{
    // Loaded by path so the lettering never depends on what else the
    // machine has installed under the same family names.
    const QString cartella = QStringLiteral("/usr/share/fonts/truetype/liberation/");
    for (const char* file : {"LiberationSans-Bold.ttf", "LiberationSerif-Bold.ttf"}) {
        if (QFontDatabase::addApplicationFont(cartella + QLatin1String(file)) < 0) {
            std::fprintf(stderr, "briscola-pictures: cannot load %s%s (install fonts-liberation)\n",
                         qPrintable(cartella), file);
            return false;
        }
    }
    return true;
}

QFont carattereFisso(const QString& famiglia, int pixel, bool grassetto)
{
    QFont carattere(famiglia);
    carattere.setPixelSize(pixel);
    carattere.setBold(grassetto);
    carattere.setHintingPreference(QFont::PreferNoHinting);
    carattere.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    carattere.setKerning(true);
    return carattere;
}

QList<Immagine> tutte()
{
    QList<Immagine> elenco;
    for (int scala : {1, 2}) {
        const QString suffisso = scala == 1 ? QString() : QStringLiteral("@2x");
        auto aggiungi = [&](const QString& nome, const QString& estensione, const QImage& immagine) {
            elenco.append({nome + suffisso + estensione, immagine});
        };
        const QString png = QStringLiteral(".png");
        for (int n = 1; n <= 40; ++n)
            aggiungi(QStringLiteral("carta%1").arg(n, 2, 10, QLatin1Char('0')), png, faccia(n, scala));
        aggiungi(QStringLiteral("dorso"), png, dorso(scala));
        aggiungi(QStringLiteral("markon"), png, segnaTurno(true, scala));
        aggiungi(QStringLiteral("markoff"), png, segnaTurno(false, scala));
        for (int i = 0; i < 5; ++i)
            aggiungi(QStringLiteral("cmdcomp%1").arg(i), png, pulsante(i, scala));
        aggiungi(QStringLiteral("mano"), png, mano(scala));
        for (int lato : {16, 32, 48, 256})
            aggiungi(QStringLiteral("icona%1").arg(lato), png, icona(lato * scala));
        aggiungi(QStringLiteral("titolo"), QStringLiteral(".jpg"), titolo(scala));
    }
    return elenco;
}

QImage foglioProva()
{
    const int margine = 12;
    const int passoX = kLarghezzaCarta + 6;
    const int passoY = kAltezzaCarta + 8;
    const int larghezza = margine * 2 + 10 * passoX + 264;
    const int altezza = margine * 2 + 4 * passoY + kAltezzaCarta + 30;
    QImage foglio(larghezza, altezza, QImage::Format_RGB32);
    foglio.fill(kVerdeTavolo);
    QPainter p(&foglio);

    // Faces, one suit per row.
    for (int n = 1; n <= 40; ++n)
        p.drawImage(margine + ((n - 1) % 10) * passoX, margine + ((n - 1) / 10) * passoY, faccia(n, 1));

    // Bottom row: back, markers, buttons, pointer, small icons.
    const int y = margine + 4 * passoY + 10;
    int x = margine;
    p.drawImage(x, y, dorso(1));
    x += passoX + 6;
    for (bool acceso : {true, false}) {
        p.drawImage(x, y, segnaTurno(acceso, 1));
        x += 40;
    }
    x += 8;
    for (int i = 0; i < 5; ++i) {
        // Buttons on the grey of a push button, as the choice screen shows them.
        p.fillRect(x - 4, y - 2, 40, 36, QColor(224, 224, 224));
        p.drawImage(x, y, pulsante(i, 1));
        x += 46;
    }
    x += 6;
    p.fillRect(x - 2, y - 2, 36, 36, QColor(255, 255, 255));
    p.drawImage(x, y, mano(1));
    x += 48;
    for (int lato : {16, 32, 48}) {
        p.drawImage(x, y, icona(lato));
        x += lato + 10;
    }
    // The large icon at the right of the face rows.
    p.drawImage(margine + 10 * passoX + 4, margine, icona(256));
    return foglio;
}

} // namespace orvento::disegni

int main(int argc, char* argv[])
{
    using namespace orvento::disegni;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString cartella;
    QString foglio;
    const QStringList argomenti = app.arguments().mid(1);
    for (int i = 0; i < argomenti.size(); ++i) {
        if (argomenti[i] == QLatin1String("--contact-sheet") && i + 1 < argomenti.size())
            foglio = argomenti[++i];
        else if (!argomenti[i].startsWith(QLatin1Char('-')) && cartella.isEmpty())
            cartella = argomenti[i];
        else {
            cartella.clear();
            foglio.clear();
            break;
        }
    }
    if (cartella.isEmpty() && foglio.isEmpty()) {
        std::fprintf(stderr, "usage: briscola-pictures OUT_DIR [--contact-sheet FILE.png]\n"
                             "       briscola-pictures --contact-sheet FILE.png\n");
        return 2;
    }
    if (!caricaCaratteri())
        return 1;

    if (!cartella.isEmpty()) {
        QDir dir;
        if (!dir.mkpath(cartella)) {
            std::fprintf(stderr, "briscola-pictures: cannot create %s\n", qPrintable(cartella));
            return 1;
        }
        for (const Immagine& i : tutte()) {
            const QString percorso = QDir(cartella).filePath(i.nome);
            const bool jpeg = i.nome.endsWith(QLatin1String(".jpg"));
            if (!i.immagine.save(percorso, jpeg ? "JPG" : "PNG", jpeg ? 92 : -1)) {
                std::fprintf(stderr, "briscola-pictures: cannot write %s\n", qPrintable(percorso));
                return 1;
            }
        }
    }
    if (!foglio.isEmpty() && !foglioProva().save(foglio, "PNG")) {
        std::fprintf(stderr, "briscola-pictures: cannot write %s\n", qPrintable(foglio));
        return 1;
    }
    return 0;
}
