#pragma once
// The host's modem lobby: waits for the guest's call, answers it, sends the
// host's name, shows the guest's, and starts the game with Play.

#include <QWidget>
#include <QCoro/QCoroTask>

class QLabel;
class QPushButton;

namespace orvento {

class frmmodser : public QWidget {
    Q_OBJECT
public:
    explicit frmmodser(QWidget *parent);

    QLabel *lblinfo;
    QPushButton *cmdplay;

protected:
    // Every activation centres the screen; the first one starts the call.
    void showEvent(QShowEvent *evento) override;

private:
    QCoro::Task<> Form_Activate();
    QCoro::Task<> cmdplay_Click();
    void centra();

    bool m_avviato = false;
};

} // namespace orvento
