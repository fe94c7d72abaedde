#pragma once
// The game table: every game is played here, whatever the opponent. It holds
// the 40 face pictures (parked off the table until dealt), the opponent's three
// card backs, the deck, the two won-tricks piles, the scores, the turn markers,
// the "Menu" label and the information panel, and it runs one whole game per
// activation: shuffle and deal, 20 tricks, then the score screen.
//
// The game state keeps the names of the game's design (`ordine`, `giocata`,
// `pesca`, `turno`, `occupato`, ...). The hands live in `partita`, the same
// state the self-play tool uses, and the pictures follow it.

#include "game/Partita.h"

#include <QCoro/QCoroTask>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QMenu;
class QActionGroup;

namespace orvento {

// A face picture: a separate window above the card backs, clickable.
class Faccia : public QLabel {
    Q_OBJECT
public:
    Faccia(int numero, QWidget *parent);
    const int numero;
    QString Tag; // the card's points as text
    bool abilitata = true; // the face-up briscola takes no clicks until it is drawn
signals:
    void cliccata(int numero);
protected:
    void mousePressEvent(QMouseEvent *e) override;
};

// A card-back image (`dorso`, `Mazzo`, `Image1`, `Image2`); its Tag holds the
// card number of an opponent's card back, "0" when empty.
class Dorso : public QLabel {
    Q_OBJECT
public:
    explicit Dorso(QWidget *parent);
    QString Tag = QStringLiteral("0");
    std::function<QString()> toolTipDinamico; // the deck counts its cards
signals:
    void cliccato();
protected:
    bool event(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
};

// What the table needs from the media layer; the shell fills it.
struct MediaTavolo {
    std::function<void()> carica;           // table load: stop the title song, start the background song
    std::function<void()> scarica;          // table unload
    std::function<void()> suonaCarta;       // a card put on the table
    std::function<void(int)> canzoni_Click; // the Music menu
    std::function<int()> voceSpuntata;      // the Music entry with the check mark
    std::function<void()> apriRegole;       // the Rules entry
};

class briscola : public QWidget {
    Q_OBJECT
public:
    explicit briscola(QWidget *parent, MediaTavolo media = {});
    ~briscola() override;

    // The table role: "" against the computer, "server" hosting, "client" joining.
    QString Tag;

    // The table becomes the active screen: set up and play one whole game,
    // unless a game is already running on it.
    void Form_Activate();
    bool inGioco() const { return m_inGioco; }

    // A pause that keeps the program live, on the pacing clock.
    QCoro::Task<> ritardo(double tempo);

    // How the table tells the player that the opponent is gone (an OK-only
    // box titled "Zorvala"); tests replace it.
    static inline std::function<void(QWidget *, const QString &)> avviso;

    // Opened after the 20th trick; the shell shows the score screen.
    std::function<void()> mostraPunteggio;

    // Controls, by their names, for the screens' tests.
    Faccia *carta(int n) const { return m_carta[n]; }
    Dorso *dorso(int i) const { return m_dorso[i]; }
    Dorso *Mazzo() const { return m_mazzo; }
    Dorso *Image1() const { return m_image1; }
    Dorso *Image2() const { return m_image2; }
    QLabel *score(int i) const { return m_score[i]; }
    QLabel *MarkOn(int i) const { return m_markOn[i]; }
    QLabel *MarkOff(int i) const { return m_markOff[i]; }
    QLabel *lblmenu() const { return m_lblmenu; }
    QLabel *Text4() const { return m_text4; }
    QMenu *partita() const { return m_menu; }

    // Game state.
    Ordine ordine{};
    std::array<Carta, 3> giocata{};
    int pesca = 0;
    int semeBriscola = 0;
    bool turno = false;
    bool verso = false;
    bool occupato = false;
    int postoAvversario = 0;
    int passo = 0;
    float vuotoX = 0, vuotoY = 0;
    float cx = 0;
    double cy = 0;
    const Partita &stato() const { return m_partita; }

    // The gather animation's step period (paced seconds): 295 steps of it make
    // the slide to the winner's pile.
    static constexpr double kPeriodoPasso = 0.0125;

    // The Game menu's entries.
    void istruzioni_Click();
    void menu_about_Click();
    void esci_Click();

signals:
    void mossaLocale();     // the local player's card is on the table and sent
    void partitaFinita();   // the 20th trick is over, the score screen opened

protected:
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    QCoro::Task<> attiva();
    QCoro::Task<> Mescola();
    QCoro::Task<> gioco();
    QCoro::Task<> gioco2();
    QCoro::Task<> muovicarte();
    QCoro::Task<> invioMossa(int slot);
    void Carta_Click(int Index);
    void verifica();
    void lblmenu_Click();
    void Form_Load();
    void linkPerso();
    void muovi(QWidget *w, double x, double y);
    QWidget *cartaInMano(int slot) const;

    MediaTavolo m_media;
    Partita m_partita;
    bool m_inGioco = false;
    QPixmap m_sfondo; // persistent drawing: the title line stays across games

    std::array<Faccia *, kCarte + 1> m_carta{};
    std::array<Dorso *, 3> m_dorso{};
    Dorso *m_mazzo = nullptr;
    Dorso *m_image1 = nullptr;
    Dorso *m_image2 = nullptr;
    std::array<QLabel *, 2> m_score{};
    std::array<QLabel *, 2> m_markOn{};
    std::array<QLabel *, 2> m_markOff{};
    QLabel *m_lblmenu = nullptr;
    QLabel *m_text4 = nullptr;
    QMenu *m_menu = nullptr;
    QActionGroup *m_canzoni = nullptr;
};

} // namespace orvento
