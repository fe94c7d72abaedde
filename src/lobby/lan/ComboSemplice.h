#pragma once
// A "simple" combo box: an edit line with its list always open below it. It
// reports the three things the join screen reacts to: an entry picked from
// the list, a key typed into the edit line, and a change of the edit text.

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace orvento {

class ComboSemplice : public QWidget {
    Q_OBJECT
public:
    explicit ComboSemplice(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &testo);
    void addItem(const QString &voce);
    // Empties the list and the edit line.
    void clear();
    int count() const;
    QString item(int indice) const;
    // The selected entry, from 0; -1 when none is.
    int listIndex() const;
    void setListIndex(int indice);

    QLineEdit *riga() const { return m_riga; }
    QListWidget *lista() const { return m_lista; }

signals:
    void Click();
    void KeyPress();
    void Change();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    QLineEdit *m_riga;
    QListWidget *m_lista;
};

} // namespace orvento
