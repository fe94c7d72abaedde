#include "frmscore.h"

#include "base/Schermi.h"
#include "game/Globali.h"

#include <QPainter>

namespace orvento {

namespace {
QLabel *etichetta(QWidget *parent, const QColor &sfondo, const QColor &testo, const QFont &f)
{
    auto *l = new QLabel(parent);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, sfondo);
    p.setColor(QPalette::WindowText, testo);
    l->setPalette(p);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setTextFormat(Qt::PlainText);
    return l;
}
QFont sansSerif(int punti, bool grassetto = false)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(punti);
    f.setBold(grassetto);
    return f;
}
} // namespace

frmscore::frmscore(QWidget *parent, QString ruolo) : QWidget(parent), m_ruolo(std::move(ruolo))
{
    setWindowTitle(QStringLiteral("Orvento - Briscola"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 112, 0));
    setPalette(p);

    LBLtit = etichetta(this, QColor(255, 255, 192), QColor(192, 0, 0), sansSerif(18, true));
    LBLtit->setText(QStringLiteral("SCORES"));
    LBLtit->setGeometry(8, 16, 441, 33);
    m_dat0 = etichetta(this, QColor(255, 192, 128), Qt::black, sansSerif(12));
    m_dat0->setGeometry(8, 48, 441, 16);
    m_dat0->hide();

    Command1 = new QPushButton(QStringLiteral("NEW GAME"), this);
    Command1->setGeometry(120, 400, 120, 17);
    Command2 = new QPushButton(QStringLiteral("QUIT"), this);
    Command2->setGeometry(400, 400, 120, 17);
    connect(Command1, &QPushButton::clicked, this, [this] {
        auto nuova = nuovaPartita;
        close();
        deleteLater();
        if (nuova)
            nuova();
    });
    connect(Command2, &QPushButton::clicked, this, [] {
        if (Schermi::esci)
            Schermi::esci();
    });

    Form_Load();
}

void frmscore::Form_Load()
{
    setGeometry(0, 0, 795, 595);
    LBLtit->setGeometry(20, 10, width() - 40, LBLtit->height());
}

void frmscore::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Filled once per showing; the screen is made anew for every game.
    if (!m_mostrato) {
        m_mostrato = true;
        risultato();
    }
}

void frmscore::risultato()
{
    const double W = width();
    const double H = LBLtit->height();
    auto copia = [this] {
        QLabel *l = etichetta(this, m_dat0->palette().color(QPalette::Window),
                              m_dat0->palette().color(QPalette::WindowText), m_dat0->font());
        return l;
    };
    m_dat3 = copia();
    m_dat3->setGeometry(20, qRound(H + 80), qRound(W / 2 - 40), 30);
    m_dat4 = copia();
    m_dat4->setGeometry(qRound(W / 2 + 20), qRound(H + 80), qRound(W / 2 - 40), 30);

    m_nomi[0] = nomeLocale(m_ruolo);
    m_nomi[1] = nomeAvversario(m_ruolo);
    update();

    m_dat3->setText(QString::number(puntiGiocatore));
    m_dat4->setText(QString::number(puntiAvversario));
    m_dat3->show();
    m_dat4->show();
}

void frmscore::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_dat3)
        return;
    QFont f = font();
    f.setPointSize(12);
    p.setFont(f);
    p.setPen(Qt::white);
    const double top = LBLtit->height() + 15;
    // Drawn text is never interpreted as markup, whatever the names contain.
    p.drawText(QRectF(m_dat3->x(), top, m_dat3->width() + 20, 40), Qt::AlignLeft | Qt::AlignTop,
               m_nomi[0]);
    p.drawText(QRectF(m_dat4->x(), top, m_dat4->width() + 20, 40), Qt::AlignLeft | Qt::AlignTop,
               m_nomi[1]);
}

} // namespace orvento
