#pragma once
// The program's frame, 800 x 600, black with the title picture behind the
// child screens. It starts the title song, pauses about two seconds, shows
// the opponent choice screen, and on closing unloads every screen in a fixed
// order and ends the program. It also creates every other screen on first use.

#include "game/briscola.h"
#include "opponents/frmscore.h"
#include "shell/frmmain.h"

#include <QCoro/QCoroTask>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace orvento {


class MDIContainer : public QWidget {
    Q_OBJECT
public:
    explicit MDIContainer(QWidget *parent = nullptr);
    ~MDIContainer() override;

    // Silences every multimedia device the program has open (the title song).
    void chiudi();

    // The screens, created on first use by these calls; the plain accessors
    // never create one.
    briscola *tavolo();
    frmmain *sceltaSeAperta() const { return m_frmmain; }
    briscola *tavoloSeAperto() const { return m_briscola; }
    frmscore *punteggioSeAperto() const { return m_frmscore; }
    QWidget *lobbySeAperta(int voce) const;

    // Shows the table in a role; its activation starts a game.
    void apriTavolo(const QString &ruolo);

    // How the process ends after the unload (tests replace it).
    static inline std::function<void()> fineProcesso;
    // How the name prompt asks (tests replace it).
    static inline std::function<QString(QWidget *, const QString &)> chiediNome;

    // Seconds of the start-up pause when started at `secondiDelGiorno` on the
    // clock of the day: until the whole second nearest to two seconds later.
    static double pausaIniziale(double secondiDelGiorno);

signals:
    void sceltaMostrata();

protected:
    void paintEvent(QPaintEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void MDIForm_Load();
    QCoro::Task<> MDIForm_Activate();
    void MDIForm_Unload();
    QCoro::Task<> giocaComputer();
    void apriLobby(int voce);
    void mostraPunteggio();
    void mostraErrore(const QString &testo);

    QPixmap m_titolo;
    bool m_attivato = false;
    bool m_chiuso = false;
    QPointer<briscola> m_briscola;
    QPointer<frmmain> m_frmmain;
    QPointer<frmscore> m_frmscore;
    QPointer<QWidget> m_frmserver, m_frmclient, m_frmmodser, m_frmmodcli;
};

} // namespace orvento
