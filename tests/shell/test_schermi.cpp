// The screens played the way a person plays them: offscreen, with the pacing
// clock sped up so a whole game takes a fraction of a second.

#include "base/Orologio.h"
#include "game/Globali.h"
#include "game/briscola.h"
#include "opponents/frmscore.h"
#include "shell/Caratteri.h"
#include "shell/MDIContainer.h"
#include "shell/frmmain.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

using namespace orvento;

class TestSchermi : public QObject {
    Q_OBJECT

    MDIContainer *finestra = nullptr;
    int fini = 0;
    QString nomeDaDare = QStringLiteral("Ada");
    QStringList titoliChiesti;

    frmmain *scelta()
    {
        if (!finestra->sceltaSeAperta()) {
            QSignalSpy spy(finestra, &MDIContainer::sceltaMostrata);
            spy.wait(5000);
        }
        return finestra->sceltaSeAperta();
    }

    void clicca(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
    void passa(QWidget *w)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    // Waits until the table takes a click of the local player.
    bool attendiTurno(briscola *t)
    {
        for (int i = 0; i < 20000; ++i) {
            if (finestra->punteggioSeAperto())
                return false;
            if (!t->occupato && (t->giocata[2] != 0 || t->turno))
                return true;
            QTest::qWait(1);
        }
        return false;
    }

    // A hand card in its slot, as the player sees it.
    Faccia *cartaInMano(briscola *t)
    {
        for (int s = 0; s < 3; ++s)
            if (Carta c = t->stato().mano(Locale, s))
                return t->carta(c);
        return nullptr;
    }

    briscola *iniziaControComputer()
    {
        clicca(scelta()->lblscelta(0));
        (void)QTest::qWaitFor([&] { return finestra->tavoloSeAperto() && finestra->tavoloSeAperto()->inGioco(); }, 5000);
        return finestra->tavoloSeAperto();
    }

    frmscore *giocaFinoAllaFine(briscola *t)
    {
        while (attendiTurno(t)) {
            Faccia *f = cartaInMano(t);
            if (!f)
                break;
            clicca(f);
        }
        (void)QTest::qWaitFor([&] { return finestra->punteggioSeAperto() != nullptr; }, 10000);
        return finestra->punteggioSeAperto();
    }

private slots:
    void initTestCase()
    {
        registraCaratteri();
        Orologio::setVelocita(2000.0);
        MDIContainer::fineProcesso = [this] { ++fini; };
        MDIContainer::chiediNome = [this](QWidget *, const QString &titolo) {
            titoliChiesti << titolo;
            return nomeDaDare;
        };
    }

    void init()
    {
        fini = 0;
        nomeDaDare = QStringLiteral("Ada");
        titoliChiesti.clear();
        finestra = new MDIContainer;
        finestra->show();
    }

    void cleanup()
    {
        delete finestra;
        finestra = nullptr;
    }

    void pausaIniziale_data()
    {
        QTest::addColumn<double>("ora");
        QTest::addColumn<double>("pausa");
        QTest::newRow("0.4 into a second") << 100.4 << 1.6;
        QTest::newRow("0.6 into a second") << 100.6 << 2.4;
        QTest::newRow("half to even") << 100.5 << 1.5;
        QTest::newRow("just before midnight") << 86399.9 << 2.1;
    }
    void pausaIniziale()
    {
        QFETCH(double, ora);
        QFETCH(double, pausa);
        QVERIFY(qAbs(MDIContainer::pausaIniziale(ora) - pausa) < 1e-6);
    }

    void primoLivello()
    {
        frmmain *s = scelta();
        QVERIFY(s);
        QCOMPARE(s->LBLtit->text(), QStringLiteral("Choose your opponent."));
        QCOMPARE(s->lblscelta(0)->text(), QStringLiteral("Computer"));
        QCOMPARE(s->lblscelta(0)->pos(), QPoint(80, 95));
        QCOMPARE(s->lblscelta(2)->pos(), QPoint(80, 235));
        QCOMPARE(s->cmdcomp(1)->geometry(), QRect(10, 140, 49, 41));
        QCOMPARE(s->lblquit->text(), QStringLiteral("Quit"));
        QCOMPARE(s->geometry(), QRect(0, 0, 797, 597));
        QVERIFY(!finestra->tavoloSeAperto());
    }

    void livelliEAnnulla()
    {
        frmmain *s = scelta();
        // Cancelled name after "Computer": the first level again.
        nomeDaDare.clear();
        clicca(s->lblscelta(0));
        QCOMPARE(titoliChiesti, QStringList{QStringLiteral("Log in")});
        QCOMPARE(s->LBLtit->text(), QStringLiteral("Choose your opponent."));
        QVERIFY(s->lblscelta(1)->isVisible());
        QVERIFY(NomeClient.isEmpty());

        // Modem level, the hourglass cancelled: back on the modem level, NomeServer empty.
        clicca(s->lblscelta(2));
        QCOMPARE(s->livello(), 2);
        QCOMPARE(s->lblscelta(5)->text(), QStringLiteral("Start a game via modem."));
        QCOMPARE(s->lblquit->text(), QStringLiteral("Back"));
        s->cmdcomp_Click(3);
        QCOMPARE(titoliChiesti.last(), QStringLiteral("Log in.."));
        QCOMPARE(s->UltimaScelta, 5);
        QVERIFY(NomeServer.isEmpty());
        QVERIFY(s->lblscelta(5)->isVisible());

        // Back, then the network: exactly two second-level entries.
        clicca(s->lblquit);
        QCOMPARE(s->lblquit->text(), QStringLiteral("Quit"));
        QVERIFY(!s->lblscelta(5));
        clicca(s->lblscelta(1));
        QCOMPARE(s->livello(), 1);
        QVERIFY(s->lblscelta(3) && s->lblscelta(4));
        QVERIFY(!s->lblscelta(5) && !s->lblscelta(6));
        QCOMPARE(s->lblscelta(3)->pos(), QPoint(80, 95));
        QCOMPARE(s->cmdcomp(4)->pos(), QPoint(10, 140));
        QCOMPARE(fini, 0);
    }

    void evidenziazione()
    {
        frmmain *s = scelta();
        passa(s->lblscelta(1));
        QCOMPARE(s->lblscelta(1)->palette().color(QPalette::WindowText), QColor(Qt::white));
        passa(s->lblquit);
        // Straight onto Quit: the entry stays white until the background.
        QCOMPARE(s->lblscelta(1)->palette().color(QPalette::WindowText), QColor(Qt::white));
        passa(s);
        QCOMPARE(s->lblscelta(1)->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(s->lblquit->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QVERIFY(!s->Evidenziato);
    }

    void esceDallaSceltaSenzaCreareSchermi()
    {
        clicca(scelta()->lblquit);
        QTRY_COMPARE(fini, 1);
        QVERIFY(!finestra->tavoloSeAperto());
        QVERIFY(!finestra->punteggioSeAperto());
    }

    void chiusuraDuranteLaPausa()
    {
        finestra->close();
        QCOMPARE(fini, 1);
        QTest::qWait(50); // the pause ends: no choice screen appears
        QVERIFY(!finestra->sceltaSeAperta());
    }

    void tavoloDopoLaDistribuzione()
    {
        briscola *t = iniziaControComputer();
        QCOMPARE(NomeServer, QStringLiteral("Computer"));
        QCOMPARE(t->geometry(), QRect(0, 0, 795, 595));
        QCOMPARE(t->cx, 397.5f);
        QCOMPARE(t->Mazzo()->pos(), QPoint(638, 243));
        QCOMPARE(t->carta(t->ordine[1])->pos(), QPoint(568, 243));
        for (int s = 0; s < 3; ++s)
            QCOMPARE(t->carta(t->stato().mano(Locale, s))->pos(), QPoint(263 + 85 * s, 378));
        QCOMPARE(t->dorso(0)->pos(), QPoint(263, 108));
        QCOMPARE(t->Image1()->pos(), QPoint(103, 378));
        QCOMPARE(t->Image2()->pos(), QPoint(103, 108));
        QCOMPARE(t->score(0)->pos(), QPoint(70, 398));
        QCOMPARE(t->score(1)->pos(), QPoint(70, 128));
        QCOMPARE(t->MarkOn(0)->pos(), QPoint(568, 153));
        QCOMPARE(t->MarkOff(1)->pos(), QPoint(568, 408));
        QCOMPARE(t->lblmenu()->pos(), QPoint(10, 10));
        QCOMPARE(t->carta(1)->toolTip(), QStringLiteral("11 points"));
        QCOMPARE(t->score(0)->text(), QString());
        QCOMPARE(t->pesca, 4);
        QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), t->Mazzo()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(t->Mazzo(), &tip);
        QCOMPARE(QToolTip::text(), QStringLiteral(" 33 cards"));
    }

    void clicNonAmmessi()
    {
        briscola *t = iniziaControComputer();
        // The computer leads the first trick: a click before its card is ignored.
        Faccia *f = cartaInMano(t);
        clicca(f);
        QCOMPARE(t->giocata[1], Carta(0));
        // The opponent's card lying in the trick is not ours to play.
        QTRY_VERIFY_WITH_TIMEOUT(t->giocata[2] != 0, 5000);
        QVERIFY(attendiTurno(t));
        clicca(t->carta(t->giocata[2]));
        QCOMPARE(t->giocata[1], Carta(0));
        // Two quick clicks: only the first card goes on the table.
        Faccia *a = t->carta(t->stato().mano(Locale, 0));
        Faccia *b = t->carta(t->stato().mano(Locale, 1));
        clicca(a);
        clicca(b);
        QCOMPARE(t->giocata[1], Carta(a->numero));
        QCOMPARE(b->pos(), QPoint(348, 378));
        QCOMPARE(a->pos(), QPoint(388, 243));
        // During the pauses and the gather, clicks change nothing.
        const Carta inMano = t->stato().mano(Locale, 1);
        for (int i = 0; i < 20 && !t->Image1()->isVisible() && !t->Image2()->isVisible(); ++i) {
            clicca(t->carta(inMano));
            QCOMPARE(t->stato().mano(Locale, 1), inMano);
            QTest::qWait(2);
        }
    }

    void partitaIntera()
    {
        nomeDaDare = QStringLiteral("<b>x</b>");
        briscola *t = iniziaControComputer();
        frmscore *s = giocaFinoAllaFine(t);
        QVERIFY(s);
        QTRY_VERIFY(s->LBLdat(4) && s->LBLdat(4)->isVisible());
        QCOMPARE(s->LBLdat(3)->text().toInt() + s->LBLdat(4)->text().toInt(), 120);
        QCOMPARE(s->LBLdat(3)->text().toInt(), int(puntiGiocatore));
        QCOMPARE(s->nomeSinistra(), QStringLiteral("<b>x</b>"));
        QCOMPARE(s->nomeDestra(), QStringLiteral("Computer"));
        QCOMPARE(s->LBLtit->geometry(), QRect(20, 10, 755, 33));
        QCOMPARE(s->LBLdat(3)->geometry(), QRect(20, 113, 358, 30));
        QVERIFY(!t->Mazzo()->isVisible());
        for (int sl = 0; sl < 3; ++sl)
            QCOMPARE(t->stato().mano(Locale, sl), Carta(0));

        // NEW GAME: a fresh deal; the second game's points only.
        clicca(s->Command1);
        QTRY_VERIFY_WITH_TIMEOUT(!finestra->punteggioSeAperto() && t->inGioco(), 5000);
        QCOMPARE(t->pesca, 4);
        QCOMPARE(t->score(0)->text(), QString());
        frmscore *s2 = giocaFinoAllaFine(t);
        QTRY_VERIFY(s2->LBLdat(4) && s2->LBLdat(4)->isVisible());
        QCOMPARE(s2->LBLdat(3)->text().toInt() + s2->LBLdat(4)->text().toInt(), 120);

        // QUIT ends the program.
        clicca(s2->Command2);
        QTRY_COMPARE(fini, 1);
        QVERIFY(!finestra->tavoloSeAperto());
    }

    void menuDelGioco()
    {
        briscola *t = iniziaControComputer();
        QVERIFY(t->lblmenu()->isVisible());
        const QStringList attese = {QStringLiteral("&Rules"), QString(), QStringLiteral("&Music"),
                                    QString(), QStringLiteral("&Info"), QStringLiteral("&Quit")};
        QStringList viste;
        for (QAction *a : t->partita()->actions())
            viste << a->text();
        QCOMPARE(viste, attese);
        // Info twice: shown in front, then hidden; a click on the deck hides it too.
        t->menu_about_Click();
        QVERIFY(t->Text4()->isVisible());
        QVERIFY(t->Text4()->text().startsWith(QString(26, ' ') + "Zorvala ver 3.1.1"));
        t->menu_about_Click();
        QVERIFY(!t->Text4()->isVisible());
        t->menu_about_Click();
        clicca(t->Mazzo());
        QVERIFY(!t->Text4()->isVisible());
        // Quit in the middle of a game unloads every screen.
        t->partita()->actions().last()->trigger();
        QTRY_COMPARE(fini, 1);
        QVERIFY(!finestra->tavoloSeAperto());
        QTest::qWait(20); // suspended waits of the game end quietly
    }
};

QTEST_MAIN(TestSchermi)
#include "test_schermi.moc"
