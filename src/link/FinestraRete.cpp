#include "FinestraRete.h"

#include "Rete.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace orvento {

namespace {
const QString kTitolo = QStringLiteral("Connessione ...");
QPointer<FinestraRete> g_finestra;
} // namespace

FinestraRete &FinestraRete::istanza()
{
    if (!g_finestra)
        g_finestra = new FinestraRete();
    return *g_finestra;
}

void FinestraRete::scarica()
{
    if (g_finestra)
        g_finestra->close();
    Rete::istanza().Interrompi();
}

FinestraRete::FinestraRete()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTitolo);
    setFixedSize(500, 150);

    lblbar = new QLabel(this);
    lblbar->setObjectName(QStringLiteral("lblbar"));
    lblbar->setFrameStyle(QFrame::Box | QFrame::Plain);
    // Status texts can carry names a user typed: never read as markup.
    lblbar->setTextFormat(Qt::PlainText);
    lblbar->setWordWrap(true);
    lblbar->setText(Rete::istanza().stato());

    Command1 = new QPushButton(QStringLiteral("Disconnect"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    connect(Command1, &QPushButton::clicked, this, &FinestraRete::Command1_Click);

    connect(&Rete::istanza(), &Rete::statoCambiato, this, [this](const QString &testo) {
        lblbar->setText(testo);
        aggiornaTitolo();
    });
}

void FinestraRete::mostraMinimizzata()
{
    showMinimized();
    aggiornaTitolo();
}

void FinestraRete::aggiornaTitolo()
{
    setWindowTitle(isMinimized() ? lblbar->text() : kTitolo);
}

void FinestraRete::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    const int w = width();
    const int h = height();
    lblbar->setGeometry(1, 1, w - 150, h - 1);
    Command1->setGeometry(w - 149, 1, 148, h - 1);
    aggiornaTitolo();
}

void FinestraRete::changeEvent(QEvent *evento)
{
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::WindowStateChange)
        aggiornaTitolo();
}

// Closing the window, by Disconnect or its title bar, drops the link, as
// unloading it always has; the next use loads a fresh one.
void FinestraRete::closeEvent(QCloseEvent *evento)
{
    Rete::istanza().Interrompi();
    evento->accept();
}

void FinestraRete::Command1_Click() { close(); }

} // namespace orvento
