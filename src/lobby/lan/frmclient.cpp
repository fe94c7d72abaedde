#include "frmclient.h"

#include "AspettoLobby.h"
#include "ComboSemplice.h"
#include "ListaServer.h"
#include "base/Schermi.h"
#include "game/Globali.h"
#include "link/Rete.h"
#include "link/tcp/CodificaLan.h"
#include "opponents/Protocollo.h"

#include <QInputDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace orvento {

namespace {
QString chiediConDialogo(QWidget *genitore)
{
    bool ok = false;
    const QString testo = QInputDialog::getText(
        genitore, QStringLiteral("Add computer"),
        QStringLiteral("Name or address of the computer that starts the game:"),
        QLineEdit::Normal, QString(), &ok);
    return ok ? testo : QString();
}
} // namespace

frmclient::frmclient(QWidget *parent)
    : QWidget(parent), percorsoLista(listaserver::percorsoPredefinito()),
      chiediComputer(chiediConDialogo)
{
    setObjectName(QStringLiteral("frmclient"));
    setWindowTitle(QStringLiteral("client TCP"));
    lobby::preparaSchermo(this, 448, 202);

    txtserver = new ComboSemplice(this);
    txtserver->setObjectName(QStringLiteral("txtserver"));
    txtserver->setGeometry(8, 16, 225, 176);

    cmdBrowse = new QPushButton(QStringLiteral("Add computer"), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setGeometry(240, 16, 99, 33);

    cmdDel = new QPushButton(QStringLiteral("Remove computer"), this);
    cmdDel->setObjectName(QStringLiteral("cmdDel"));
    cmdDel->setGeometry(344, 16, 99, 33);

    txtoutput = new QLabel(QStringLiteral("No data available"), this);
    txtoutput->setObjectName(QStringLiteral("txtoutput"));
    txtoutput->setGeometry(240, 56, 201, 97);
    lobby::preparaUscita(txtoutput, 192);

    cmdconnect = new QPushButton(QStringLiteral("Connect"), this);
    cmdconnect->setObjectName(QStringLiteral("cmdconnect"));
    cmdconnect->setGeometry(240, 160, 201, 33);
    cmdconnect->setEnabled(false);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmclient::cmdBrowse_Click);
    connect(cmdDel, &QPushButton::clicked, this, &frmclient::cmdDel_Click);
    connect(cmdconnect, &QPushButton::clicked, this, [this] { cmdconnect_Click(); });
    connect(txtserver, &ComboSemplice::Change, this, &frmclient::txtserver_Change);
    connect(txtserver, &ComboSemplice::Click, this, &frmclient::txtserver_Click);
    connect(txtserver, &ComboSemplice::KeyPress, this, &frmclient::txtserver_KeyPress);
}

void frmclient::showEvent(QShowEvent *evento)
{
    QWidget::showEvent(evento);
    if (!m_caricato) {
        m_caricato = true;
        Form_Load();
    }
}

void frmclient::Form_Load()
{
    lobby::centra(this);
    caricaLista();
}

void frmclient::caricaLista()
{
    txtserver->clear();
    m_lista = listaserver::leggi(percorsoLista).value_or(QList<QByteArray>());
    for (const QByteArray &r : m_lista)
        txtserver->addItem(listaserver::nome(r));
}

// Only a computer picked from the list can be connected to: typing in the
// edit line disables Connect until an entry is picked again.
void frmclient::txtserver_Click() { cmdconnect->setEnabled(true); }
void frmclient::txtserver_KeyPress() { cmdconnect->setEnabled(false); }
void frmclient::txtserver_Change()
{
    if (txtserver->text().isEmpty())
        cmdconnect->setEnabled(false);
}

void frmclient::cmdBrowse_Click()
{
    if (m_lista.size() >= listaserver::kMassimo) {
        lobby::avvisa(this, QStringLiteral("The list already holds %1 computers: "
                                           "remove one before adding another.")
                                .arg(listaserver::kMassimo));
        return;
    }
    // The dialog runs its own event loop: the screen may be gone after it.
    QPointer<frmclient> io(this);
    const QString scelto = chiediComputer ? chiediComputer(this) : QString();
    if (!io)
        return;
    const QByteArray r = listaserver::record(scelto);
    const QString nome = listaserver::nome(r);
    if (nome.isEmpty())
        return;
    if (!listaserver::aggiungi(percorsoLista, r)) {
        lobby::avvisa(this, QStringLiteral("Cannot write the list of computers (%1).")
                                .arg(percorsoLista));
        return;
    }
    m_lista.append(r);
    txtserver->addItem(nome);
}

void frmclient::cmdDel_Click()
{
    const int scelto = txtserver->listIndex();
    if (scelto < 0 || scelto >= m_lista.size())
        return;
    QList<QByteArray> restanti = m_lista;
    restanti.removeAt(scelto);
    if (!listaserver::riscrivi(percorsoLista, restanti)) {
        lobby::avvisa(this, QStringLiteral("Cannot write the list of computers (%1).")
                                .arg(percorsoLista));
        return;
    }
    caricaLista();
}

void frmclient::aggiungiRiga(const QString &riga)
{
    txtoutput->setText(txtoutput->text() + u'\n' + riga);
}

QCoro::Task<> frmclient::cmdconnect_Click()
{
    // One handshake at a time; a second click while one runs does nothing.
    if (m_inCorso)
        co_return;
    m_inCorso = true;
    QPointer<frmclient> io(this);
    Rete &rete = Rete::istanza();

    const QString r = co_await rete.LANConnetti(txtserver->text());
    if (!io)
        co_return;
    if (r != risultato::CONNESSO) {
        // Interrupted (Disconnect): Connect can be tried again.
        m_inCorso = false;
        co_return;
    }
    txtoutput->setText(QStringLiteral("Connecting ..."));
    const QString eco = co_await rete.Invia(NomeClient, -1);
    if (!io)
        co_return;
    if (eco == comeSulFilo(NomeClient)) {
        const QString ospite = co_await rete.Ricevi(-1);
        if (!io)
            co_return;
        if (ospite == risultato::BREAK) {
            // The host went before saying who it was: "break" is no name.
            aggiungiRiga(QStringLiteral("The connection was lost."));
            m_inCorso = false;
            co_return;
        }
        NomeServer = ospite;
        aggiungiRiga(QStringLiteral("with ") + NomeServer);
    }
    aggiungiRiga(QStringLiteral("Wait please ..."));

    const QString m = co_await rete.Ricevi(-1);
    if (!io)
        co_return;
    if (m == QLatin1String(kPlay)) {
        if (Schermi::apriTavolo)
            Schermi::apriTavolo(QStringLiteral("client"));
        close();
        co_return;
    }
    m_inCorso = false;
}

} // namespace orvento
