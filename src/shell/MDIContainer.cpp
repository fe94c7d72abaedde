#include "MDIContainer.h"

#include "Arte.h"
#include "base/Numeri.h"
#include "base/Orologio.h"
#include "base/Schermi.h"
#include "media/Media.h"
#include "game/briscola.h"
#include "link/FinestraRete.h"
#include "lobby/lan/frmclient.h"
#include "lobby/lan/frmserver.h"
#include "lobby/modem/frmmodcli.h"
#include "lobby/modem/frmmodser.h"
#include "opponents/frmscore.h"
#include "shell/frmmain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTime>
#include <QTimer>

namespace orvento {

MDIContainer::MDIContainer(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Orvento - Zorvala"));
    setWindowIcon(iconaProgramma());
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_titolo = pixmapArte(QStringLiteral(":/art/titolo.jpg"));

    Schermi::contenitore = [this]() -> QWidget * { return this; };
    Schermi::apriTavolo = [this](const QString &ruolo) { apriTavolo(ruolo); };
    Schermi::lblquit_Click = [this] {
        if (m_frmmain)
            m_frmmain->lblquit_Click();
    };
    // Quitting is queued: it is asked from inside click handlers of screens
    // that the unload deletes.
    Schermi::esci = [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); };
    Schermi::terminaSubito = [this] {
        m_chiuso = true;
        hide();
        if (fineProcesso)
            fineProcesso();
    };
    if (!fineProcesso)
        fineProcesso = [] { QCoreApplication::exit(0); };

    MDIForm_Load();
}

MDIContainer::~MDIContainer()
{
    Schermi::contenitore = nullptr;
    Schermi::apriTavolo = nullptr;
    Schermi::lblquit_Click = nullptr;
    Schermi::esci = nullptr;
    Schermi::terminaSubito = nullptr;
}

void MDIContainer::MDIForm_Load()
{
    setFixedSize(800, 600);
    // Centred on the screen when first shown.
    if (QScreen *s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.center() - rect().center());
    }
    // The title song plays on its own; the call returns at once.
    sigla([this](const QString &testo) { mostraErrore(testo); });
}

double MDIContainer::pausaIniziale(double t)
{
    return arrotondaPari(t + 2.0) - t;
}

void MDIContainer::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // The pause and the choice screen run once, at start.
    if (!m_attivato) {
        m_attivato = true;
        MDIForm_Activate();
    }
}

QCoro::Task<> MDIContainer::MDIForm_Activate()
{
    QPointer<MDIContainer> io(this);
    // Measured on the monotonic clock, so a start just before midnight still
    // waits about two seconds.
    const double giorno = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    co_await attendi(pausaIniziale(giorno));
    if (!io || m_chiuso)
        co_return;

    m_frmmain = new frmmain(this);
    frmmain::Azioni &a = m_frmmain->azioni;
    a.chiediNome = [this](const QString &titolo) {
        if (chiediNome)
            return chiediNome(this, titolo);
        bool ok = false;
        const QString nome = QInputDialog::getText(this, titolo, QStringLiteral("Type your name"),
                                                   QLineEdit::Normal, QString(), &ok);
        return ok ? nome : QString();
    };
    a.giocaComputer = [this] { giocaComputer(); };
    a.apriLobby = [this](int voce) { apriLobby(voce); };
    a.portaDavanti = [this](int voce) {
        if (QWidget *w = lobbySeAperta(voce))
            w->raise();
    };
    a.esci = [] { Schermi::esci(); };
    m_frmmain->show();
    emit sceltaMostrata();
}

briscola *MDIContainer::tavolo()
{
    if (!m_briscola) {
        // The table's music belongs to the table: its unload still uses it.
        auto *musica = new MusicaTavolo;
        MediaTavolo media;
        media.carica = [this, musica] { musica->carica([this] { chiudi(); }); };
        media.scarica = [musica] { musica->scarica(); };
        media.suonaCarta = [musica] { musica->suonaCarta(); };
        media.canzoni_Click = [musica](int i) { musica->canzoni_Click(i); };
        media.voceSpuntata = [musica] { return musica->voceSpuntata(); };
        media.apriRegole = [] { apriRegole(); };
        m_briscola = new briscola(this, media);
        musica->setParent(m_briscola);
        m_briscola->hide();
        m_briscola->mostraPunteggio = [this] { mostraPunteggio(); };
    }
    return m_briscola;
}

QCoro::Task<> MDIContainer::giocaComputer()
{
    QPointer<MDIContainer> io(this);
    co_await tavolo()->ritardo(2.0);
    if (!io || m_chiuso)
        co_return;
    apriTavolo(QString());
}

void MDIContainer::apriTavolo(const QString &ruolo)
{
    briscola *t = tavolo();
    t->Tag = ruolo;
    t->show();
    t->raise();
    // The activation runs after the handler that showed the table has returned.
    QTimer::singleShot(0, t, [t] { t->Form_Activate(); });
}

void MDIContainer::mostraPunteggio()
{
    if (m_frmscore)
        m_frmscore->deleteLater();
    m_frmscore = new frmscore(this, m_briscola ? m_briscola->Tag : QString());
    m_frmscore->setAttribute(Qt::WA_DeleteOnClose);
    m_frmscore->nuovaPartita = [this] {
        if (m_briscola)
            apriTavolo(m_briscola->Tag);
    };
    m_frmscore->show();
    m_frmscore->raise();
}

QWidget *MDIContainer::lobbySeAperta(int voce) const
{
    switch (voce) {
    case 3: return m_frmserver;
    case 4: return m_frmclient;
    case 5: return m_frmmodser;
    case 6: return m_frmmodcli;
    default: return nullptr;
    }
}

void MDIContainer::apriLobby(int voce)
{
    QPointer<QWidget> *posto = nullptr;
    switch (voce) {
    case 3: posto = &m_frmserver; break;
    case 4: posto = &m_frmclient; break;
    case 5: posto = &m_frmmodser; break;
    case 6: posto = &m_frmmodcli; break;
    default: return;
    }
    // The joining side watches its link in the small window, minimised.
    if (voce == 4 || voce == 6)
        FinestraRete::istanza().mostraMinimizzata();
    if (!*posto) {
        QWidget *w = nullptr;
        switch (voce) {
        case 3: w = new frmserver(this); break;
        case 4: w = new frmclient(this); break;
        case 5: w = new frmmodser(this); break;
        case 6: w = new frmmodcli(this); break;
        }
        *posto = w;
    }
    (*posto)->show();
    (*posto)->raise();
}

void MDIContainer::chiudi()
{
    orvento::chiudi([this](const QString &testo) { mostraErrore(testo); });
}

void MDIContainer::mostraErrore(const QString &testo)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zorvala"), testo, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MDIContainer::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!m_titolo.isNull()) {
        const QSize s = m_titolo.deviceIndependentSize().toSize();
        p.drawPixmap((width() - s.width()) / 2, (height() - s.height()) / 2, m_titolo);
    }
}

void MDIContainer::closeEvent(QCloseEvent *e)
{
    e->accept();
    if (m_chiuso)
        return;
    MDIForm_Unload();
}

void MDIContainer::MDIForm_Unload()
{
    m_chiuso = true;
    // The fixed order of the unload; screens never opened are not created.
    auto scarica = [](auto &p) {
        if (p)
            delete p.data();
    };
    scarica(m_briscola);
    scarica(m_frmclient);
    scarica(m_frmmain);
    scarica(m_frmmodcli);
    scarica(m_frmmodser);
    scarica(m_frmscore);
    scarica(m_frmserver);
    FinestraRete::scarica();
    hide();
    if (fineProcesso)
        fineProcesso();
}

} // namespace orvento
