#pragma once
// The guest's LAN lobby: the list of known computers ("server.ini"), adding
// and removing entries, connecting to the chosen one, exchanging the names,
// and waiting for the host's Play to open the game table as the guest.

#include <QByteArray>
#include <QList>
#include <QWidget>
#include <QCoro/QCoroTask>
#include <functional>

class QLabel;
class QPushButton;

namespace orvento {

class ComboSemplice;

class frmclient : public QWidget {
    Q_OBJECT
public:
    explicit frmclient(QWidget *parent);

    ComboSemplice *txtserver;
    QPushButton *cmdBrowse;
    QPushButton *cmdDel;
    QLabel *txtoutput;
    QPushButton *cmdconnect;

    // The list file; "server.ini" beside the executable unless changed
    // before the screen is first shown.
    QString percorsoLista;
    // Asks for a computer name or address; the empty text when cancelled.
    std::function<QString(QWidget *)> chiediComputer;

    // The records as read from or written to the file (the join screen's
    // ListaServer), one per entry of the list, in order.
    const QList<QByteArray> &ListaServer() const { return m_lista; }

protected:
    // The list is loaded the first time the screen is shown.
    void showEvent(QShowEvent *evento) override;

private:
    void Form_Load();
    void caricaLista();
    void cmdBrowse_Click();
    void cmdDel_Click();
    QCoro::Task<> cmdconnect_Click();
    void txtserver_Change();
    void txtserver_Click();
    void txtserver_KeyPress();
    void aggiungiRiga(const QString &riga);

    QList<QByteArray> m_lista;
    bool m_caricato = false;
    bool m_inCorso = false;
};

} // namespace orvento
