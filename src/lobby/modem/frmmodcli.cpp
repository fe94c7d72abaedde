#include "frmmodcli.h"

#include "DialoghiQt.h"
#include "base/Numeri.h"
#include "base/Orologio.h"
#include "base/Schermi.h"
#include "game/Globali.h"
#include "link/Rete.h"
#include "link/modem/TrasportoModem.h"
#include "opponents/Protocollo.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvento {

namespace {
const QString kPrompt = QStringLiteral("Digitare il nome da associare a questo numero di telefono");
const QString kTitolo = QStringLiteral("Salvataggio numero telefonico");

void colori(QWidget *w, const QColor &sfondo, const QColor &testo)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, sfondo);
    p.setColor(QPalette::Base, sfondo);
    p.setColor(QPalette::Button, sfondo);
    p.setColor(QPalette::WindowText, testo);
    p.setColor(QPalette::Text, testo);
    p.setColor(QPalette::ButtonText, testo);
    w->setPalette(p);
}
} // namespace

ComboNumeri::ComboNumeri(QWidget *parent) : QWidget(parent)
{
    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    riga = new QLineEdit(this);
    lista = new QListWidget(this);
    colonna->addWidget(riga);
    colonna->addWidget(lista, 1);
}

frmmodcli::frmmodcli(QWidget *parent) : QWidget(parent)
{
    DialoghiQt::installaSeMancano();
    setWindowTitle(QStringLiteral("modem client"));
    setAttribute(Qt::WA_DeleteOnClose);
    colori(this, QColor(0, 112, 0), Qt::white);
    resize(352, 169);

    txtnumber = new ComboNumeri(this);
    txtnumber->setObjectName(QStringLiteral("txtnumber"));
    txtnumber->setGeometry(8, 8, 201, 150);
    colori(txtnumber->riga, Qt::black, QColor(0, 255, 0));
    colori(txtnumber->lista, Qt::black, QColor(0, 255, 0));

    cmdCall = new QPushButton(QStringLiteral("Call"), this);
    cmdCall->setObjectName(QStringLiteral("cmdCall"));
    cmdCall->setGeometry(224, 8, 121, 26);
    QFont times(QStringLiteral("Times New Roman"), 12);
    times.setBold(true);
    cmdCall->setFont(times);
    colori(cmdCall, QColor(0, 192, 0), Qt::black);

    lblinfo = new QLabel(QStringLiteral("No data available"), this);
    lblinfo->setObjectName(QStringLiteral("lblinfo"));
    lblinfo->setGeometry(224, 40, 121, 113);
    lblinfo->setAlignment(Qt::AlignCenter);
    lblinfo->setWordWrap(true);
    colori(lblinfo, Qt::black, QColor(0, 192, 0));

    connect(txtnumber->riga, &QLineEdit::textChanged, this, &frmmodcli::txtNumber_Change);
    connect(txtnumber->riga, &QLineEdit::returnPressed, this, &frmmodcli::txtnumber_KeyPress_Invio);
    connect(txtnumber->lista, &QListWidget::itemClicked, this, &frmmodcli::txtnumber_Click);
    connect(cmdCall, &QPushButton::clicked, this, [this] { cmdCall_Click(); });

    Form_Load();
}

void frmmodcli::Form_Load()
{
    if (parentWidget()) {
        const QSize esterno = parentWidget()->window()->frameGeometry().size();
        move((esterno.width() - width()) / 2, (esterno.height() - height()) / 2);
    }
    m_rubrica.apri();
    txtnumber->lista->addItems(m_rubrica.voci());
}

void frmmodcli::txtNumber_Change(const QString &testo)
{
    if (testo.size() >= Rubrica::kNumero + 1)
        txtnumber->riga->setText(testo.left(Rubrica::kNumero));
}

void frmmodcli::txtnumber_KeyPress_Invio()
{
    QString nome = Dialoghi::attuali().chiediTesto(kPrompt, kTitolo);
    // A name is one line of the list: line breaks and NUL have no place in it.
    nome.remove(QChar(0)).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    const int numero = m_rubrica.ProssimoRecord();
    if (!m_rubrica.aggiungi(nome, txtnumber->riga->text().left(Rubrica::kNumero))) {
        // The record number has two characters: a 100th entry would be
        // found as the 10th.
        Dialoghi::attuali().avviso(numero > Rubrica::kMassimo
                                       ? QStringLiteral("The phone book is full.")
                                       : QStringLiteral("The phone book cannot be written."));
        return;
    }
    txtnumber->lista->addItem(QString::number(numero).rightJustified(2, QLatin1Char(' ')) + nome);
}

void frmmodcli::txtnumber_Click(QListWidgetItem *voce)
{
    if (!voce)
        return;
    txtnumber->riga->setText(voce->text());
    const int n = arrotondaPari(leggiNumero(txtnumber->riga->text().left(2)));
    if (n == 0)
        return;
    const auto record = m_rubrica.leggi(n);
    if (!record)
        return;
    Numero = Rubrica::telefono(*record);
    lblinfo->setText(Numero);
}

QCoro::Task<> frmmodcli::cmdCall_Click()
{
    // One call at a time: a second probe would close the port of the first.
    if (m_inChiamata)
        co_return;
    m_inChiamata = true;
    QPointer<frmmodcli> self(this);
    const QString r = co_await TrasportoModem::istanza().MODConnetti(Numero);
    if (!self)
        co_return;
    if (r != risultato::CONNESSO) {
        // No modem: the choice screen has gone back, and this screen goes.
        m_inChiamata = false;
        if (r.isEmpty())
            close();
        co_return;
    }
    lblinfo->setText(risultato::CONNESSO);
    const QString h = co_await Rete::istanza().Ricevi(-1);
    if (!self)
        co_return;
    lblinfo->setText(QStringLiteral("with ") + h);
    if (h == risultato::BREAK || h == risultato::TIMEOUT) {
        m_inChiamata = false;
        co_return;
    }
    NomeServer = h;
    // The host waits for the name only after showing its own; the pause
    // ends on the whole second, as the clock shows it.
    const double adesso = Orologio::secondi();
    co_await attendi(arrotondaPari(adesso + 5) - adesso);
    if (!self)
        co_return;
    co_await Rete::istanza().Invia(NomeClient, -1);
    if (!self)
        co_return;
    const QString m = co_await Rete::istanza().Ricevi(-1);
    if (!self)
        co_return;
    m_rubrica.chiudi();
    m_inChiamata = false;
    if (m == QLatin1String(kPlay)) {
        if (Schermi::apriTavolo)
            Schermi::apriTavolo(QStringLiteral("client"));
        close();
    }
}

} // namespace orvento
