#pragma once
// The host's LAN lobby: waits for one player to connect, takes the guest's
// name, sends its own, and on Play opens the game table as the host.

#include <QWidget>
#include <QCoro/QCoroTask>

class QLabel;
class QPushButton;

namespace orvento {

class frmserver : public QWidget {
    Q_OBJECT
public:
    explicit frmserver(QWidget *parent);

    QLabel *txtOutPut;
    QPushButton *cmdPlay;

protected:
    // The handshake starts the first time the screen is shown; later
    // activations only centre it again, so a connection made is never
    // dropped by bringing the screen to the front. A listen that cannot start
    // is reported, and the screen closes when the user has read why.
    void showEvent(QShowEvent *evento) override;

private:
    QCoro::Task<> Form_Activate();
    QCoro::Task<> cmdplay_Click();
    void aggiungiRiga(const QString &riga);

    bool m_avviato = false;
    bool m_playInCorso = false;
};

} // namespace orvento
