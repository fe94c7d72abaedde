#pragma once
// The score screen that closes every game: the two players' names and the
// points each took in this game, with NEW GAME and QUIT. It covers the table.

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace orvento {

class frmscore : public QWidget {
    Q_OBJECT
public:
    // `ruolo` is the table role, which decides whose name is whose.
    frmscore(QWidget *parent, QString ruolo);

    QLabel *LBLtit = nullptr;
    QLabel *LBLdat(int i) const { return i == 3 ? m_dat3 : i == 4 ? m_dat4 : m_dat0; }
    QPushButton *Command1 = nullptr; // NEW GAME
    QPushButton *Command2 = nullptr; // QUIT

    // The names as drawn, left (local player) and right (opponent).
    QString nomeSinistra() const { return m_nomi[0]; }
    QString nomeDestra() const { return m_nomi[1]; }

    // NEW GAME shows the table again; the shell wires it.
    std::function<void()> nuovaPartita;

protected:
    void paintEvent(QPaintEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void Form_Load();
    void risultato();

    QString m_ruolo;
    QLabel *m_dat0 = nullptr;
    QLabel *m_dat3 = nullptr;
    QLabel *m_dat4 = nullptr;
    QString m_nomi[2];
    bool m_mostrato = false;
};

} // namespace orvento
