#include "briscola.h"

#include "Arte.h"
#include "base/Casuale.h"
#include "base/Orologio.h"
#include "base/Schermi.h"
#include "game/Globali.h"
#include "link/Rete.h"
#include "opponents/Computer.h"
#include "opponents/Protocollo.h"

#include <QActionGroup>
#include <QCoro/QCoroSignal>
#include <QEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace orvento {

namespace {
const QColor kVerde(0, 112, 0);
const QColor kGiallo(255, 255, 0);
constexpr int kLarghezza = 795;
constexpr int kAltezza = 595;
constexpr int kCartaW = 68;
constexpr int kCartaH = 110;
// Where pictures wait outside the visible table until they are used.
constexpr double kParcheggioX = 900, kParcheggioY = 500;
constexpr double kParcheggioMarca = 1500;

QString testoInfo()
{
    return QString(26, QLatin1Char(' ')) + QStringLiteral("Zorvala ver 3.1.1") +
           QString(25, QLatin1Char(' ')) + QStringLiteral("\r\n") +
           QStringLiteral("   carte napoletane\r\n") + QString(20, QLatin1Char('-')) +
           QStringLiteral("\r\n");
}

void sfondoVerde(QLabel *l)
{
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, kVerde);
    p.setColor(QPalette::WindowText, kGiallo);
    l->setPalette(p);
}
} // namespace

Faccia::Faccia(int n, QWidget *parent) : QLabel(parent), numero(n)
{
    setPixmap(pixmapCarta(n));
    setFixedSize(kCartaW, kCartaH);
    Tag = tagPunti(n);
    setToolTip(toolTipPunti(n));
}

void Faccia::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        emit cliccata(numero);
}

Dorso::Dorso(QWidget *parent) : QLabel(parent)
{
    setPixmap(pixmapDorso());
    setFixedSize(kCartaW, kCartaH);
}

bool Dorso::event(QEvent *e)
{
    if (e->type() == QEvent::ToolTip && toolTipDinamico) {
        auto *he = static_cast<QHelpEvent *>(e);
        QToolTip::showText(he->globalPos(), toolTipDinamico(), this);
        return true;
    }
    return QLabel::event(e);
}

void Dorso::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        emit cliccato();
    else
        QLabel::mousePressEvent(e);
}

briscola::briscola(QWidget *parent, MediaTavolo media) : QWidget(parent), m_media(std::move(media))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_sfondo = QPixmap(kLarghezza, kAltezza);
    m_sfondo.fill(kVerde);

    // On the table itself, below every face picture: card backs, piles, labels.
    for (int i = 0; i < 3; ++i) {
        m_dorso[i] = new Dorso(this);
        m_dorso[i]->hide();
    }
    m_mazzo = new Dorso(this);
    m_mazzo->toolTipDinamico = [this] { return toolTipMazzo(pesca); };
    m_mazzo->setToolTip(toolTipMazzo(pesca));
    connect(m_mazzo, &Dorso::cliccato, this, [this] {
        m_text4->hide();
        m_mazzo->setToolTip(toolTipMazzo(pesca));
    });
    m_image1 = new Dorso(this);
    m_image2 = new Dorso(this);
    m_image1->hide();
    m_image2->hide();
    for (int i = 0; i < 2; ++i) {
        m_score[i] = new QLabel(this);
        sfondoVerde(m_score[i]);
        m_score[i]->setTextFormat(Qt::PlainText);
        m_score[i]->resize(33, 25); // 492 x 372 twips
    }
    m_lblmenu = new QLabel(QStringLiteral("Menu"), this);
    sfondoVerde(m_lblmenu);
    QFont fm(QStringLiteral("Arial Black"));
    fm.setPointSizeF(10.2);
    fm.setItalic(true);
    fm.setWeight(QFont::Black);
    m_lblmenu->setFont(fm);
    m_lblmenu->setAlignment(Qt::AlignCenter);
    m_lblmenu->adjustSize();
    m_lblmenu->setCursor(Qt::PointingHandCursor);
    m_lblmenu->installEventFilter(this);
    m_lblmenu->hide();

    // Separate windows above the table: the faces and the turn markers.
    for (int n = 1; n <= kCarte; ++n) {
        m_carta[n] = new Faccia(n, this);
        m_carta[n]->hide();
        connect(m_carta[n], &Faccia::cliccata, this, &briscola::Carta_Click);
    }
    const QPixmap on = pixmapArte(QStringLiteral(":/art/markon.png"));
    const QPixmap off = pixmapArte(QStringLiteral(":/art/markoff.png"));
    for (int i = 0; i < 2; ++i) {
        m_markOn[i] = new QLabel(this);
        m_markOff[i] = new QLabel(this);
        for (QLabel *m : {m_markOn[i], m_markOff[i]}) {
            sfondoVerde(m);
            m->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            m->resize(32, 32);
            m->hide();
        }
        m_markOn[i]->setPixmap(on);
        m_markOff[i]->setPixmap(off);
    }

    // The information panel, in front of everything when shown.
    m_text4 = new QLabel(testoInfo(), this);
    m_text4->setTextFormat(Qt::PlainText);
    m_text4->setAlignment(Qt::AlignCenter);
    m_text4->setAutoFillBackground(true);
    {
        QPalette p = m_text4->palette();
        p.setColor(QPalette::Window, QColor(255, 255, 192));
        p.setColor(QPalette::WindowText, Qt::black);
        m_text4->setPalette(p);
    }
    m_text4->resize(217, 112); // 3252 x 1680 twips
    m_text4->installEventFilter(this);
    m_text4->hide();

    // The Game menu, opened as a pop-up by the "Menu" label.
    m_menu = new QMenu(QStringLiteral("&Game"), this);
    m_menu->addAction(QStringLiteral("&Rules"), this, &briscola::istruzioni_Click);
    m_menu->addSeparator();
    QMenu *suoni = m_menu->addMenu(QStringLiteral("&Music"));
    m_canzoni = new QActionGroup(this);
    m_canzoni->setExclusive(true);
    const QStringList titoli = {QStringLiteral("None"),     QStringLiteral("Briscola"),
                                QStringLiteral("Chill1"),   QStringLiteral("Cool1"),
                                QStringLiteral("Amb_iant"), QStringLiteral("Gd_vibes"),
                                QStringLiteral("Zorvala")};
    for (int i = 0; i < titoli.size(); ++i) {
        QAction *a = suoni->addAction(titoli[i]);
        a->setCheckable(true);
        a->setData(i);
        m_canzoni->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] {
            if (m_media.canzoni_Click)
                m_media.canzoni_Click(i);
            const int v = m_media.voceSpuntata ? m_media.voceSpuntata() : i;
            if (v >= 0 && v < m_canzoni->actions().size())
                m_canzoni->actions().at(v)->setChecked(true);
        });
    }
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("&Info"), this, &briscola::menu_about_Click);
    m_menu->addAction(QStringLiteral("&Quit"), this, &briscola::esci_Click);

    Form_Load();
}

briscola::~briscola()
{
    if (m_media.scarica)
        m_media.scarica();
}

void briscola::Form_Load()
{
    setGeometry(0, 0, kLarghezza, kAltezza);
    cx = float(width()) / 2;
    cy = double(height()) / 2;
    if (m_media.carica)
        m_media.carica();
    const int v = m_media.voceSpuntata ? m_media.voceSpuntata() : 1;
    if (v >= 0 && v < m_canzoni->actions().size())
        m_canzoni->actions().at(v)->setChecked(true);
}

void briscola::muovi(QWidget *w, double x, double y)
{
    // Table places may be fractional; the nearest pixel serves.
    w->move(int(std::floor(x + 0.5)), int(std::floor(y + 0.5)));
}

void briscola::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_sfondo);
}

void briscola::mousePressEvent(QMouseEvent *)
{
    m_text4->hide(); // a click on the table background closes the panel
}

bool briscola::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        if (o == m_lblmenu) {
            lblmenu_Click();
            return true;
        }
        if (o == m_text4) {
            m_text4->hide();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void briscola::lblmenu_Click() { m_menu->popup(QCursor::pos()); }

void briscola::istruzioni_Click()
{
    if (m_media.apriRegole)
        m_media.apriRegole();
}

void briscola::menu_about_Click()
{
    if (m_text4->isVisible()) {
        m_text4->hide();
        return;
    }
    m_text4->show();
    m_text4->raise();
}

void briscola::esci_Click()
{
    if (Schermi::esci)
        Schermi::esci();
}

QCoro::Task<> briscola::ritardo(double tempo)
{
    co_await attendi(tempo);
}

void briscola::Form_Activate()
{
    // A game runs to its end; showing the table again in the middle of one
    // (switching screens) must not deal a new game over it.
    if (m_inGioco)
        return;
    m_inGioco = true;
    attiva();
}

QCoro::Task<> briscola::attiva()
{
    QPointer<briscola> io(this);
    muovi(m_text4, 0, 0);
    for (int i = 0; i < 2; ++i) {
        muovi(m_markOn[i], kParcheggioMarca, kParcheggioMarca);
        muovi(m_markOff[i], kParcheggioMarca, kParcheggioMarca);
    }
    muovi(m_lblmenu, 10, 10);
    m_lblmenu->hide();
    puntiGiocatore = 0;
    m_score[0]->clear();
    puntiAvversario = 0;
    m_score[1]->clear();
    for (int n = 1; n <= kCarte; ++n) {
        muovi(m_carta[n], kParcheggioX, kParcheggioY);
        m_carta[n]->show();
        m_carta[n]->abilitata = true;
    }
    m_image1->hide();
    m_image2->hide();
    muovi(m_image1, cx - 295, cy + 80);
    muovi(m_image2, cx - 295, cy - 190);
    muovi(m_score[0], m_image1->x() - m_score[0]->width(), m_image1->y() + 20);
    muovi(m_score[1], m_image2->x() - m_score[0]->width(), m_image2->y() + 20);
    muovi(m_mazzo, cx + 240, cy - kCartaH / 2.0);
    for (int i = 0; i < 3; ++i) {
        muovi(m_dorso[i], kParcheggioX, kParcheggioY);
        m_dorso[i]->show();
    }
    m_mazzo->show();
    m_lblmenu->show();

    co_await Mescola();
    if (io)
        m_inGioco = false;
}

QCoro::Task<> briscola::Mescola()
{
    QPointer<briscola> io(this);
    Rete &rete = Rete::istanza();
    if (Tag.isEmpty() || Tag == QLatin1String("server")) {
        Casuale rnd = Casuale::dallOrologio();
        ordine = mescola(rnd);
        // Against the computer there is no transport and each send returns at once.
        for (const QString &testo : testiMazzo(ordine)) {
            const QString r = co_await rete.Invia(testo);
            if (!io)
                co_return;
            if (r == risultato::BREAK) {
                linkPerso();
                co_return;
            }
        }
    } else {
        QStringList testi;
        for (int i = 0; i < kCarte; ++i) {
            const QString r = co_await rete.Ricevi();
            if (!io)
                co_return;
            if (r == risultato::BREAK) {
                linkPerso();
                co_return;
            }
            testi << r;
        }
        const auto ricevuto = mazzoRicevuto(testi);
        if (!ricevuto) { // not a whole deck: nothing sensible can be played with it
            linkPerso();
            co_return;
        }
        ordine = *ricevuto;
    }

    // The deal: briscola face up, three cards to each hand. No animation.
    m_partita.inizia(ordine);
    pesca = m_partita.pesca();
    muovi(m_carta[ordine[kPosBriscola]], cx + 170, cy - kCartaH / 2.0);
    for (int i = 1; i <= 3; ++i) {
        const double sinistra = (cx - 220) + 85.0 * i;
        muovi(m_carta[m_partita.mano(Locale, i - 1)], sinistra, cy + 80);
        muovi(m_dorso[i - 1], sinistra, cy - 190);
        m_dorso[i - 1]->Tag = QString::number(m_partita.mano(Avversario, i - 1));
    }
    co_await gioco();
}

QWidget *briscola::cartaInMano(int slot) const
{
    const Carta c = m_partita.mano(Locale, slot);
    return c ? m_carta[c] : nullptr;
}

QCoro::Task<> briscola::gioco()
{
    QPointer<briscola> io(this);
    const Carta cartaBriscola = ordine[kPosBriscola];
    const int L = m_carta[cartaBriscola]->x();
    for (int i = 0; i < 2; ++i) {
        m_markOff[i]->show();
        m_markOn[i]->show();
    }
    // Each pair lies exactly on top of each other, as wide as a card; which
    // one shows is decided by bringing it to the front.
    for (QLabel *m : {m_markOff[0], m_markOn[0]}) {
        muovi(m, L, cy - 145);
        m->resize(kCartaW, m->height());
    }
    for (QLabel *m : {m_markOff[1], m_markOn[1]}) {
        muovi(m, L, cy + 110);
        m->resize(kCartaW, m->height());
    }

    {
        QPainter p(&m_sfondo);
        QFont f = font();
        f.setPointSize(10);
        p.setFont(f);
        p.setPen(kGiallo);
        p.drawText(QRectF(cx - 80, 5, kLarghezza, 40), Qt::AlignLeft | Qt::AlignTop,
                   NomeClient + QStringLiteral(" vs ") + NomeServer);
        update();
    }

    puntiGiocatore = 0;
    puntiAvversario = 0;
    m_carta[cartaBriscola]->abilitata = false;
    semeBriscola = seme(cartaBriscola);

    if (Tag == QLatin1String("client")) {
        turno = true; // the joining side leads the first trick
    } else {
        turno = false;
        giocata = {0, 0, 0};
        co_await gioco2();
        if (!io)
            co_return;
    }

    for (;;) {
        occupato = false;
        m_markOn[1]->raise();
        m_markOff[0]->raise();
        giocata[1] = 0;
        co_await qCoro(this, &briscola::mossaLocale);
        if (!io)
            co_return;
        occupato = true;
        co_await ritardo(1.0);
        if (!io)
            co_return;
        if (turno) {
            co_await gioco2();
            if (!io)
                co_return;
        }
        verifica();
        co_await ritardo(2.0);
        if (!io)
            co_return;
        co_await muovicarte();
        if (!io)
            co_return;
        occupato = true;
        co_await ritardo(1.0);
        if (!io)
            co_return;

        const Pescata p = m_partita.pesca(turno);
        pesca = m_partita.pesca();
        if (pesca == 21) {
            // The last draw: the briscola card goes into a hand, the deck is empty.
            m_carta[cartaBriscola]->abilitata = true;
            m_mazzo->hide();
            if (p.locale == kPosBriscola)
                muovi(m_carta[cartaBriscola], vuotoX, vuotoY);
            else
                muovi(m_carta[cartaBriscola], kParcheggioX, kParcheggioY);
        }
        if (p.locale && p.locale != kPosBriscola)
            muovi(m_carta[ordine[p.locale]], vuotoX, vuotoY);
        if (p.avversario) {
            m_dorso[postoAvversario]->Tag = QString::number(ordine[p.avversario]);
            m_dorso[postoAvversario]->show();
        } else {
            m_dorso[postoAvversario]->Tag = QStringLiteral("0");
        }

        if (pesca == 24) {
            emit partitaFinita();
            if (mostraPunteggio)
                mostraPunteggio();
            co_return;
        }
        if (turno)
            continue;
        giocata[1] = 0;
        co_await ritardo(1.0);
        if (!io)
            co_return;
        co_await gioco2();
        if (!io)
            co_return;
    }
}

void briscola::Carta_Click(int Index)
{
    if (giocata[2] == 0 && !turno)
        return; // the opponent is to lead and has not played yet
    if (occupato)
        return;
    int slot = -1;
    for (int s = 0; s < 3; ++s)
        if (m_partita.mano(Locale, s) == Index)
            slot = s;
    Faccia *f = m_carta[Index];
    if (slot < 0 || !f->abilitata)
        return;
    occupato = true; // no second card in the same turn

    giocata[1] = Carta(Index);
    vuotoX = f->x();
    vuotoY = f->y();
    muovi(f, cx - 10, cy - 55);
    if (m_media.suonaCarta)
        m_media.suonaCarta();
    m_partita.gioca(Locale, slot);
    invioMossa(slotDaSinistra(vuotoX, cx));
}

QCoro::Task<> briscola::invioMossa(int slot)
{
    QPointer<briscola> io(this);
    const QString r = co_await Rete::istanza().Invia(testoMossa(slot));
    if (!io)
        co_return;
    if (r == risultato::BREAK) {
        linkPerso();
        co_return;
    }
    emit mossaLocale();
}

QCoro::Task<> briscola::gioco2()
{
    QPointer<briscola> io(this);
    m_markOn[0]->raise();
    m_markOff[1]->raise();
    co_await ritardo(1.0);
    if (!io)
        co_return;

    const bool attacca = giocata[1] == 0;
    int slot = 0;
    const auto mano = m_partita.mano(Avversario);
    if (!Tag.isEmpty()) {
        const QString r = co_await Rete::istanza().Ricevi();
        if (!io)
            co_return;
        const auto s = slotDaTesto(r);
        // "break", or a move that names no card back holding a card: the link
        // is no longer trustworthy.
        if (r == risultato::BREAK || !s || mano[*s] == 0) {
            linkPerso();
            co_return;
        }
        slot = *s;
    } else {
        Casuale rnd = Casuale::dallOrologio();
        if (attacca) {
            do
                slot = PrimaCarta(mano[0], mano[1], mano[2], std::int16_t(semeBriscola), rnd);
            while (mano[slot] == 0);
        } else {
            slot = SecondaCarta(std::uint8_t(mano[0]), std::uint8_t(mano[1]), std::uint8_t(mano[2]),
                                std::uint8_t(giocata[1]), std::uint8_t(semeBriscola), rnd);
        }
    }

    const Carta c = mano[slot];
    m_partita.gioca(Avversario, slot);
    giocata[2] = c;
    postoAvversario = slot;
    m_dorso[slot]->hide();
    muovi(m_carta[c], cx - 95, cy - 55);
    m_carta[c]->raise();
    if (m_media.suonaCarta)
        m_media.suonaCarta();
}

void briscola::verifica()
{
    const EsitoPresa e = m_partita.chiudiPresa(turno);
    turno = e.turno;
    passo = 2;
    if (turno) {
        puntiGiocatore = std::int16_t(m_partita.punti(Locale));
        m_score[0]->setText(QString::number(puntiGiocatore));
    } else {
        puntiAvversario = std::int16_t(m_partita.punti(Avversario));
        m_score[1]->setText(QString::number(puntiAvversario));
    }
}

QCoro::Task<> briscola::muovicarte()
{
    QPointer<briscola> io(this);
    Faccia *mia = m_carta[giocata[1]];
    Faccia *sua = m_carta[giocata[2]];
    mia->raise();
    sua->raise();
    for (passo = 0; passo <= 159; ++passo) {
        muovi(mia, (cx - 10) - passo * 285.0 / 160.0, cy - 55);
        muovi(sua, (cx - 95) - passo * 200.0 / 160.0, cy - 55);
        co_await ritardo(kPeriodoPasso);
        if (!io)
            co_return;
    }
    verso = turno;
    const double s = verso ? -1.0 : 1.0;
    for (passo = 1; passo <= 135; ++passo) {
        muovi(mia, cx - 295, (cy - 55) - passo * s);
        muovi(sua, cx - 295, (cy - 55) - passo * s);
        co_await ritardo(kPeriodoPasso);
        if (!io)
            co_return;
    }
    mia->hide();
    sua->hide();
    (turno ? m_image1 : m_image2)->show();
}

void briscola::linkPerso()
{
    const QString testo = nomeAvversario(Tag) + QStringLiteral(" no more on line.");
    if (avviso) {
        avviso(this, testo);
    } else {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zorvala"), testo, QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    if (Schermi::terminaSubito)
        Schermi::terminaSubito();
}

} // namespace orvento
