#include "DialoghiQt.h"

#include "base/Schermi.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace orvento {

namespace {
QWidget *genitore() { return Schermi::contenitore ? Schermi::contenitore() : nullptr; }
QString titolo() { return QGuiApplication::applicationDisplayName(); }
} // namespace

void DialoghiQt::avviso(const QString &testo)
{
    QMessageBox::information(genitore(), titolo(), testo);
}

bool DialoghiQt::domanda(const QString &testo)
{
    return QMessageBox::question(genitore(), titolo(), testo, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

QString DialoghiQt::chiediTesto(const QString &prompt, const QString &titoloBox)
{
    return QInputDialog::getText(genitore(), titoloBox, prompt);
}

void DialoghiQt::installaSeMancano()
{
    static DialoghiQt reali;
    if (!Dialoghi::impostati())
        Dialoghi::imposta(&reali);
}

} // namespace orvento
