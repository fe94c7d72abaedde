#pragma once
// The guest's modem lobby: a phone book kept in "numbers.ini", a number box
// that saves a number under a name on Enter, and Call, which dials the chosen
// entry, exchanges the names and waits for the host's Play.

#include "Rubrica.h"

#include <QWidget>
#include <QCoro/QCoroTask>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace orvento {

// The number box: a "simple" combo box, an edit line with its list always
// open below it.
class ComboNumeri : public QWidget {
    Q_OBJECT
public:
    explicit ComboNumeri(QWidget *parent);
    QLineEdit *riga;
    QListWidget *lista;
};

class frmmodcli : public QWidget {
    Q_OBJECT
public:
    explicit frmmodcli(QWidget *parent);

    ComboNumeri *txtnumber;
    QPushButton *cmdCall;
    QLabel *lblinfo;

    // The number of the entry last chosen (what Call dials).
    QString Numero;
    int ProssimoRecord() const { return m_rubrica.ProssimoRecord(); }

private:
    void Form_Load();
    void txtNumber_Change(const QString &testo);
    void txtnumber_KeyPress_Invio();
    void txtnumber_Click(QListWidgetItem *voce);
    QCoro::Task<> cmdCall_Click();

    Rubrica m_rubrica;
    bool m_inChiamata = false;
};

} // namespace orvento
