#include "frmmain.h"

#include "Arte.h"
#include "game/Globali.h"

#include <QEvent>
#include <QMouseEvent>

namespace orvento {

namespace {
const QColor kVerde(0, 112, 0);
const QColor kGiallo(255, 255, 0);

QFont timesGrassetto(double punti)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(punti);
    f.setBold(true);
    return f;
}

void colori(QLabel *l, const QColor &testo)
{
    QPalette p = l->palette();
    p.setColor(QPalette::Window, kVerde);
    p.setColor(QPalette::WindowText, testo);
    l->setPalette(p);
}

const char *const kDidascalie[7] = {
    "Computer",
    "A player on your local network",
    "A player via modem",
    "Start a game on my local network.",
    "Join to another player on my local network.",
    "Start a game via modem.",
    "Join to another player via modem.",
};
} // namespace

frmmain::frmmain(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kVerde);
    setPalette(p);
    setMouseTracking(true);

    LBLtit = new QLabel(this);
    LBLtit->setFont(timesGrassetto(12));
    LBLtit->setWordWrap(true);
    LBLtit->setAutoFillBackground(true);
    colori(LBLtit, Qt::white);
    LBLtit->setTextFormat(Qt::PlainText);
    LBLtit->setMouseTracking(true);
    LBLtit->installEventFilter(this);

    for (int i = 0; i < 3; ++i)
        creaVoce(i);

    const char *suggerimenti[5] = {"Computer", "A player on your local network",
                                   "A player via modem", "Start a game and wait",
                                   "Join another player"};
    for (int i = 0; i < 5; ++i) {
        auto *b = new QToolButton(this);
        b->setIcon(QIcon(QStringLiteral(":/art/cmdcomp%1.png").arg(i)));
        b->setIconSize(QSize(32, 32));
        b->setFixedSize(49, 41); // 732 x 612 twips
        b->setAutoRaise(false);
        b->setToolTip(QString::fromLatin1(suggerimenti[i]));
        b->setCursor(cursoreMano());
        connect(b, &QToolButton::clicked, this, [this, i] { cmdcomp_Click(i); });
        b->setVisible(i < 3);
        b->installEventFilter(this);
        m_cmd[i] = b;
    }

    lblquit = new QLabel(QStringLiteral("Quit"), this);
    lblquit->setFont(timesGrassetto(12));
    lblquit->setAutoFillBackground(true);
    colori(lblquit, kGiallo);
    lblquit->adjustSize();
    lblquit->setMouseTracking(true);
    lblquit->setCursor(cursoreMano());
    lblquit->installEventFilter(this);

    Form_Load();
}

QLabel *frmmain::creaVoce(int index)
{
    if (m_scelta[index])
        return m_scelta[index];
    auto *l = new QLabel(QString::fromLatin1(kDidascalie[index]), this);
    l->setFont(timesGrassetto(13.8));
    l->setAutoFillBackground(true);
    colori(l, kGiallo);
    l->adjustSize();
    l->setMouseTracking(true);
    l->setCursor(cursoreMano());
    l->installEventFilter(this);
    l->setVisible(index < 3);
    m_scelta[index] = l;
    return l;
}

void frmmain::Form_Load()
{
    QWidget *main = parentWidget() ? parentWidget()->window() : nullptr;
    const int w = main ? main->width() : 800;
    const int h = main ? main->height() : 600;
    // The main window's outer size less 48 twips (3.2 pixels) each way.
    setGeometry(0, 0, qRound(w - 3.2), qRound(h - 3.2));

    m_livello = 0;
    for (int i = 0; i < 3; ++i) {
        QLabel *l = creaVoce(i);
        l->move(80, 25 + 70 * (i + 1));
        l->show();
        m_cmd[i]->move(10, 70 * (i + 1));
        m_cmd[i]->show();
    }
    LBLtit->setText(QStringLiteral("Choose your opponent."));
    LBLtit->setGeometry(10, 1, width() - 20, LBLtit->heightForWidth(width() - 20));
    lblquit->adjustSize();
    lblquit->move(width() - 2 * lblquit->width(), height() - 3 * lblquit->height());
}

void frmmain::cmdcomp_Click(int index)
{
    // On the modem level the hourglass and the magnet stand for entries 5 and 6.
    if (m_livello == 2 && (index == 3 || index == 4))
        index += 2;
    lblscelta_Click(index);
}

void frmmain::lblscelta_Click(int index)
{
    UltimaScelta = index;
    for (auto &l : m_scelta)
        if (l)
            l->hide();
    for (auto *b : m_cmd)
        b->hide();

    auto nome = [this](const QString &titolo) {
        return azioni.chiediNome ? azioni.chiediNome(titolo) : QString();
    };
    auto consegna = [this](int voce, const QString &titolo) {
        LBLtit->setText(titolo);
        LBLtit->setGeometry(10, 1, width() - 20, LBLtit->heightForWidth(width() - 20));
        if (azioni.apriLobby)
            azioni.apriLobby(voce);
    };

    switch (index) {
    case 0:
        GiocaComputer();
        break;
    case 1:
        creaVoce(3);
        creaVoce(4);
        MenuLAN();
        break;
    case 2:
        for (int i = 3; i <= 6; ++i)
            creaVoce(i);
        MenuModem();
        break;
    case 3:
        NomeServer = nome(QStringLiteral("Log in.."));
        if (NomeServer.isEmpty())
            return MenuLAN();
        consegna(3, QStringLiteral("Wait please ....."));
        break;
    case 4:
        NomeClient = nome(QStringLiteral("Log in.."));
        if (NomeClient.isEmpty())
            return MenuLAN();
        consegna(4, QStringLiteral("Select a computer from the list below or click the 'add computer' "
                                   "button if the desired computer doesn't appear in the list."));
        break;
    case 5:
        NomeServer = nome(QStringLiteral("Log in.."));
        if (NomeServer.isEmpty())
            return MenuModem();
        consegna(5, QStringLiteral("Wait please ....."));
        break;
    case 6:
        NomeClient = nome(QStringLiteral("Log in.."));
        if (NomeClient.isEmpty())
            return MenuModem();
        consegna(6, QStringLiteral("Type phone number of your opponent."));
        break;
    default:
        break;
    }
}

void frmmain::GiocaComputer()
{
    NomeClient = azioni.chiediNome ? azioni.chiediNome(QStringLiteral("Log in")) : QString();
    if (NomeClient.isEmpty()) {
        Form_Load();
        return;
    }
    NomeServer = QStringLiteral("Computer");
    if (azioni.giocaComputer)
        azioni.giocaComputer();
}

void frmmain::menuSecondo(int primaVoce, const QString &a, const QString &b)
{
    lblquit->setText(QStringLiteral("Back"));
    lblquit->adjustSize();
    LBLtit->setText(QStringLiteral("Start a game or join to another player. Make your choice."));
    LBLtit->setGeometry(10, 1, width() - 20, LBLtit->heightForWidth(width() - 20));
    QLabel *x = creaVoce(primaVoce);
    x->setText(a);
    x->adjustSize();
    x->move(m_scelta[0]->pos());
    x->show();
    QLabel *y = creaVoce(primaVoce + 1);
    y->setText(b);
    y->adjustSize();
    y->move(m_scelta[1]->pos());
    y->show();
    m_cmd[3]->move(m_cmd[0]->x(), m_cmd[0]->y());
    m_cmd[3]->show();
    m_cmd[4]->move(m_cmd[0]->x(), m_cmd[1]->y());
    m_cmd[4]->show();
}

void frmmain::MenuLAN()
{
    m_livello = 1;
    menuSecondo(3, QString::fromLatin1(kDidascalie[3]), QString::fromLatin1(kDidascalie[4]));
}

void frmmain::MenuModem()
{
    m_livello = 2;
    menuSecondo(5, QString::fromLatin1(kDidascalie[5]), QString::fromLatin1(kDidascalie[6]));
}

void frmmain::lblquit_Click()
{
    if (lblquit->text() == QLatin1String("Quit")) {
        if (azioni.esci)
            azioni.esci();
        return;
    }
    lblquit->setText(QStringLiteral("Quit"));
    lblquit->adjustSize();
    for (int i = 3; i <= 6; ++i)
        if (m_scelta[i])
            delete m_scelta[i].data();
    m_cmd[3]->hide();
    m_cmd[4]->hide();
    Form_Load();
}

bool frmmain::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) {
        if (o == lblquit) {
            colori(lblquit, Qt::white);
            Evidenziato = true;
            return true; // handled here, not passed on to the background

        }
        for (int i = 0; i < 7; ++i) {
            if (m_scelta[i] && o == m_scelta[i]) {
                Evidenziato = true;
                for (auto &l : m_scelta)
                    if (l)
                        colori(l, kGiallo);
                colori(m_scelta[i], Qt::white);
                return true;
            }
        }
        if (o == LBLtit)
            Form_MouseMove();
    }
    if (e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
        if (o == lblquit) {
            lblquit_Click();
            return true;
        }
        for (int i = 0; i < 7; ++i)
            if (m_scelta[i] && o == m_scelta[i]) {
                lblscelta_Click(i);
                return true;
            }
    }
    return QWidget::eventFilter(o, e);
}

void frmmain::Form_MouseMove()
{
    if (!Evidenziato)
        return;
    for (auto &l : m_scelta)
        if (l)
            colori(l, kGiallo);
    colori(lblquit, kGiallo);
    Evidenziato = false;
}

void frmmain::mouseMoveEvent(QMouseEvent *) { Form_MouseMove(); }

void frmmain::mousePressEvent(QMouseEvent *)
{
    if (azioni.portaDavanti && (UltimaScelta == 3 || UltimaScelta == 4))
        azioni.portaDavanti(UltimaScelta);
}

} // namespace orvento
