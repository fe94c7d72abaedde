#pragma once
// The opponent choice screen: the computer, a player on the local network or
// a player via modem; for the last two a second level asks whether to start a
// game or join one. Every final choice asks for the player's name.

#include <QLabel>
#include <QPointer>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>

namespace orvento {

class frmmain : public QWidget {
    Q_OBJECT
public:
    explicit frmmain(QWidget *parent);

    // What the screen asks of the rest of the program; the shell fills these.
    struct Azioni {
        // The name prompt: returns the typed text, empty when cancelled.
        std::function<QString(const QString &titolo)> chiediNome;
        // Against the computer: load the table (stops the title song), wait
        // two seconds live, show the table.
        std::function<void()> giocaComputer;
        // Entries 3..6: open that lobby (and the link window for 4 and 6).
        std::function<void(int voce)> apriLobby;
        // A click on the background brings that lobby to the front.
        std::function<void(int voce)> portaDavanti;
        std::function<void()> esci;
    };
    Azioni azioni;

    void Form_Load();
    void lblscelta_Click(int index);
    void cmdcomp_Click(int index);
    void lblquit_Click();

    QLabel *LBLtit = nullptr;
    QLabel *lblquit = nullptr;
    QLabel *lblscelta(int i) const { return m_scelta[i]; }
    QToolButton *cmdcomp(int i) const { return m_cmd[i]; }
    int UltimaScelta = 0;
    bool Evidenziato = false;
    // Which second level is shown: 0 none, 1 LAN, 2 modem.
    int livello() const { return m_livello; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    void GiocaComputer();
    void MenuLAN();
    void MenuModem();
    void menuSecondo(int primaVoce, const QString &a, const QString &b);
    QLabel *creaVoce(int index);
    void Form_MouseMove();

    std::array<QPointer<QLabel>, 7> m_scelta{};
    std::array<QToolButton *, 5> m_cmd{};
    int m_livello = 0;
};

} // namespace orvento
