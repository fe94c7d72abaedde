#include "AspettoLobby.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QWidget>

namespace orvento::lobby {

void preparaSchermo(QWidget *schermo, int larghezza, int altezza)
{
    schermo->setWindowFlags(Qt::Widget | Qt::FramelessWindowHint);
    schermo->setAutoFillBackground(true);
    QPalette p = schermo->palette();
    p.setColor(QPalette::Window, QColor(0, 112, 0));
    schermo->setPalette(p);
    schermo->setFixedSize(larghezza, altezza);
    // A lobby closes itself when it hands over to the game table.
    schermo->setAttribute(Qt::WA_DeleteOnClose);
}

void preparaUscita(QLabel *label, int verde)
{
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, QColor(0, verde, 0));
    label->setPalette(p);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
}

void centra(QWidget *schermo)
{
    QWidget *genitore = schermo->parentWidget();
    if (!genitore)
        return;
    const QSize principale = genitore->window()->frameGeometry().size();
    schermo->move((principale.width() - schermo->width()) / 2,
                  (principale.height() - schermo->height()) / 2);
}

QMessageBox *avvisa(QWidget *schermo, const QString &testo)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                                testo, QMessageBox::Ok, schermo);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

} // namespace orvento::lobby
