#include "ComboSemplice.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace orvento {

ComboSemplice::ComboSemplice(QWidget *parent)
    : QWidget(parent), m_riga(new QLineEdit(this)), m_lista(new QListWidget(this))
{
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Text, QColor(0, 255, 0));
    m_riga->setPalette(p);
    m_lista->setPalette(p);
    m_lista->setSelectionMode(QAbstractItemView::SingleSelection);

    m_riga->installEventFilter(this);
    connect(m_riga, &QLineEdit::textChanged, this, &ComboSemplice::Change);
    // Typing in the edit line leaves no entry picked.
    connect(m_riga, &QLineEdit::textEdited, this, [this] {
        const QSignalBlocker blocco(m_lista);
        m_lista->clearSelection();
        m_lista->setCurrentRow(-1);
    });
    // Picking an entry, by mouse or with the keys inside the list, copies it
    // into the edit line.
    connect(m_lista, &QListWidget::currentRowChanged, this, [this](int riga) {
        if (riga < 0)
            return;
        m_riga->setText(m_lista->item(riga)->text());
        emit Click();
    });
    connect(m_lista, &QListWidget::itemClicked, this, [this](QListWidgetItem *voce) {
        m_riga->setText(voce->text());
        emit Click();
    });
}

bool ComboSemplice::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == m_riga && evento->type() == QEvent::KeyPress
        && !static_cast<QKeyEvent *>(evento)->text().isEmpty())
        emit KeyPress();
    return QWidget::eventFilter(oggetto, evento);
}

void ComboSemplice::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    const int altezzaRiga = m_riga->sizeHint().height();
    m_riga->setGeometry(0, 0, width(), altezzaRiga);
    m_lista->setGeometry(0, altezzaRiga, width(), height() - altezzaRiga);
}

QString ComboSemplice::text() const { return m_riga->text(); }
void ComboSemplice::setText(const QString &testo) { m_riga->setText(testo); }
void ComboSemplice::addItem(const QString &voce) { m_lista->addItem(voce); }

void ComboSemplice::clear()
{
    {
        const QSignalBlocker blocco(m_lista);
        m_lista->clear();
    }
    m_riga->clear();
}

int ComboSemplice::count() const { return m_lista->count(); }
QString ComboSemplice::item(int indice) const
{
    const QListWidgetItem *voce = m_lista->item(indice);
    return voce ? voce->text() : QString();
}

int ComboSemplice::listIndex() const
{
    const QList<QListWidgetItem *> scelte = m_lista->selectedItems();
    return scelte.isEmpty() ? -1 : m_lista->row(scelte.first());
}

void ComboSemplice::setListIndex(int indice) { m_lista->setCurrentRow(indice); }

} // namespace orvento
