#include "frmserver.h"

#include "AspettoLobby.h"
#include "base/Schermi.h"
#include "game/Globali.h"
#include "link/Rete.h"
#include "link/tcp/CodificaLan.h"
#include "link/tcp/TrasportoLan.h"
#include "opponents/Protocollo.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace orvento {

frmserver::frmserver(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmserver"));
    setWindowTitle(QStringLiteral("server TCP"));
    lobby::preparaSchermo(this, 407, 159);

    txtOutPut = new QLabel(QStringLiteral("No player is still connected on the network."), this);
    txtOutPut->setObjectName(QStringLiteral("txtOutPut"));
    txtOutPut->setGeometry(8, 8, 393, 97);
    lobby::preparaUscita(txtOutPut, 255);

    cmdPlay = new QPushButton(QStringLiteral("Play"), this);
    cmdPlay->setObjectName(QStringLiteral("cmdPlay"));
    cmdPlay->setGeometry(8, 112, 393, 41);
    cmdPlay->setFont(QFont(QStringLiteral("MS Sans Serif"), 24));
    cmdPlay->hide();
    connect(cmdPlay, &QPushButton::clicked, this, [this] { cmdplay_Click(); });
}

void frmserver::showEvent(QShowEvent *evento)
{
    QWidget::showEvent(evento);
    lobby::centra(this);
    if (!m_avviato) {
        m_avviato = true;
        Form_Activate();
    }
}

void frmserver::aggiungiRiga(const QString &riga)
{
    txtOutPut->setText(txtOutPut->text() + u'\n' + riga);
}

QCoro::Task<> frmserver::Form_Activate()
{
    // The screen may be closed (the program quitting) while a wait is on.
    QPointer<frmserver> io(this);
    Rete &rete = Rete::istanza();

    const QString r = co_await rete.LANAscolta(-1);
    if (!io)
        co_return;
    if (r != risultato::CONNESSO) {
        const QString errore = TrasportoLan::istanza().erroreAscolto();
        if (!errore.isEmpty()) {
            const QString porta = QString::number(TrasportoLan::istanza().porta());
            txtOutPut->setText(QStringLiteral("Cannot wait for players on port %1.").arg(porta));
            QMessageBox *box = lobby::avvisa(this, QStringLiteral(
                "Cannot wait for players on port %1: %2\n\n"
                "Another program, or another copy of this game, may be using the port: "
                "close it and try again. On Linux, a port below 1024 needs the permission "
                "to open it: see the notes on playing over the network.").arg(porta, errore));
            // Once the user has read it, the lobby goes: choosing the entry
            // again opens a new one, which tries the port again.
            connect(box, &QDialog::finished, this, &QWidget::close);
        }
        // Otherwise the wait was interrupted (Disconnect or quitting); showing
        // the screen again starts a new wait.
        m_avviato = false;
        co_return;
    }

    txtOutPut->setText(QStringLiteral("Connecting ..."));
    const QString ospite = co_await rete.Ricevi(-1);
    if (!io)
        co_return;
    if (ospite == risultato::BREAK) {
        // The guest went before saying who it was: "break" is no name.
        aggiungiRiga(QStringLiteral("The connection was lost."));
        co_return;
    }
    NomeClient = ospite;
    aggiungiRiga(QStringLiteral("with ") + NomeClient);

    const QString eco = co_await rete.Invia(NomeServer, -1);
    if (!io)
        co_return;
    // The echo is the name as it travelled, with any character the wire
    // cannot carry already replaced.
    if (eco != comeSulFilo(NomeServer))
        co_return;
    aggiungiRiga(QStringLiteral("Click 'Play' button to continue."));
    cmdPlay->show();
}

QCoro::Task<> frmserver::cmdplay_Click()
{
    if (m_playInCorso)
        co_return;
    m_playInCorso = true;
    QPointer<frmserver> io(this);
    // Whether it arrived or not, the table starts; a lost guest shows up at
    // its first deck send.
    co_await Rete::istanza().Invia(QString::fromLatin1(kPlay), -1);
    if (!io)
        co_return;
    if (Schermi::apriTavolo)
        Schermi::apriTavolo(QStringLiteral("server"));
    close();
}

} // namespace orvento
