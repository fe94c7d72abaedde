#include "frmmodser.h"

#include "DialoghiQt.h"
#include "base/Schermi.h"
#include "game/Globali.h"
#include "link/Rete.h"
#include "link/modem/TrasportoModem.h"
#include "opponents/Protocollo.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace orvento {

frmmodser::frmmodser(QWidget *parent) : QWidget(parent)
{
    DialoghiQt::installaSeMancano();
    setWindowTitle(QStringLiteral("modem server"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, QColor(0, 112, 0));
    setPalette(sfondo);
    resize(378, 85);

    lblinfo = new QLabel(QStringLiteral("No data available"), this);
    lblinfo->setObjectName(QStringLiteral("lblinfo"));
    lblinfo->setGeometry(8, 8, 361, 17);
    lblinfo->setAlignment(Qt::AlignCenter);
    lblinfo->setAutoFillBackground(true);
    QPalette info = lblinfo->palette();
    info.setColor(QPalette::Window, Qt::black);
    info.setColor(QPalette::WindowText, QColor(0, 192, 0));
    lblinfo->setPalette(info);

    cmdplay = new QPushButton(QStringLiteral("Play"), this);
    cmdplay->setObjectName(QStringLiteral("cmdplay"));
    cmdplay->setGeometry(8, 32, 361, 41);
    cmdplay->setFont(QFont(QStringLiteral("MS Sans Serif"), 24));
    cmdplay->hide();
    connect(cmdplay, &QPushButton::clicked, this, [this] { cmdplay_Click(); });
}

void frmmodser::centra()
{
    if (!parentWidget())
        return;
    const QSize esterno = parentWidget()->window()->frameGeometry().size();
    move((esterno.width() - width()) / 2, (esterno.height() - height()) / 2);
}

void frmmodser::showEvent(QShowEvent *evento)
{
    QWidget::showEvent(evento);
    centra();
    // One answer wait per opening of the screen: a later activation (the
    // user clicking back into it) must not start a second probe.
    if (!m_avviato) {
        m_avviato = true;
        Form_Activate();
    }
}

QCoro::Task<> frmmodser::Form_Activate()
{
    QPointer<frmmodser> self(this);
    const QString r = co_await TrasportoModem::istanza().MODAscolta();
    if (!self)
        co_return;
    if (r != risultato::CONNESSO) {
        // No modem (the choice screen has gone back to its first choices)
        // or the link stopped: there is no call to go on with.
        if (r.isEmpty())
            close();
        co_return;
    }
    lblinfo->setText(risultato::CONNESSO);
    co_await Rete::istanza().Invia(NomeServer, -1);
    if (!self)
        co_return;
    const QString g = co_await Rete::istanza().Ricevi(-1);
    if (!self)
        co_return;
    lblinfo->setText(QStringLiteral("with ") + g);
    // A lost line gives no guest to play with.
    if (g == risultato::BREAK || g == risultato::TIMEOUT)
        co_return;
    NomeClient = g;
    cmdplay->show();
}

QCoro::Task<> frmmodser::cmdplay_Click()
{
    QPointer<frmmodser> self(this);
    // A second click while "Play" travels would send it twice and put the
    // two copies out of step.
    cmdplay->setEnabled(false);
    co_await Rete::istanza().Invia(QString::fromLatin1(kPlay), -1);
    if (!self)
        co_return;
    if (Schermi::apriTavolo)
        Schermi::apriTavolo(QStringLiteral("server"));
    close();
}

} // namespace orvento
