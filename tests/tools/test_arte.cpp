// The embedded pictures: every file is there at its exact size in both
// densities, the faces are what the table expects of them, and the markers
// and the pointer work on the table.

#include "Arte.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>

using namespace orvento;

namespace {

const QRgb kVerde = qRgb(0, 112, 0);

QString conDoppio(const QString& percorso)
{
    const int punto = percorso.lastIndexOf(QLatin1Char('.'));
    return percorso.left(punto) + QStringLiteral("@2x") + percorso.mid(punto);
}

// The picture as it shows on the table: composed over the table green.
QImage sulVerde(const QImage& immagine)
{
    QImage sopra = immagine;
    sopra.setDevicePixelRatio(1.0); // pixel for pixel, also for an @2x file
    QImage fondo(sopra.size(), QImage::Format_RGB32);
    fondo.fill(kVerde);
    QPainter p(&fondo);
    p.drawImage(0, 0, sopra);
    return fondo;
}

} // namespace

class TestArte : public QObject {
    Q_OBJECT

private slots:
    void dimensioni_data()
    {
        QTest::addColumn<QString>("percorso");
        QTest::addColumn<QSize>("misura");
        const QSize carta(68, 110);
        const QSize icona(32, 32);
        for (int n = 1; n <= 40; ++n)
            QTest::addRow("carta%02d", n) << percorsoCarta(n) << carta;
        QTest::newRow("dorso") << ":/art/dorso.png" << carta;
        QTest::newRow("markon") << ":/art/markon.png" << icona;
        QTest::newRow("markoff") << ":/art/markoff.png" << icona;
        for (int i = 0; i < 5; ++i)
            QTest::addRow("cmdcomp%d", i) << QStringLiteral(":/art/cmdcomp%1.png").arg(i) << icona;
        QTest::newRow("mano") << ":/art/mano.png" << icona;
        for (int lato : {16, 32, 48, 256})
            QTest::addRow("icona%d", lato) << QStringLiteral(":/art/icona%1.png").arg(lato) << QSize(lato, lato);
        QTest::newRow("titolo") << ":/art/titolo.jpg" << QSize(802, 600);
    }

    // Each picture and its @2x sibling load at their exact sizes; the @2x
    // file is read with device pixel ratio 2, so it lays out at the 1x size.
    void dimensioni()
    {
        QFETCH(QString, percorso);
        QFETCH(QSize, misura);
        const QImage semplice(percorso);
        QVERIFY2(!semplice.isNull(), qPrintable(percorso));
        QCOMPARE(semplice.size(), misura);
        const QImage doppia(conDoppio(percorso));
        QVERIFY2(!doppia.isNull(), qPrintable(conDoppio(percorso)));
        QCOMPARE(doppia.size(), misura * 2);
        QCOMPARE(doppia.devicePixelRatio(), 2.0);
        QCOMPARE(doppia.deviceIndependentSize().toSize(), misura);
    }

    // Faces are 24-bit without alpha, their corners lie on the table green,
    // and no two cards share a picture (at either density).
    void facce()
    {
        for (const bool doppia : {false, true}) {
            QList<QImage> viste;
            for (int n = 1; n <= 40; ++n) {
                const QString percorso = doppia ? conDoppio(percorsoCarta(n)) : percorsoCarta(n);
                const QImage faccia(percorso);
                QVERIFY2(!faccia.hasAlphaChannel(), qPrintable(percorso));
                QCOMPARE(faccia.depth() >= 24, true);
                const int w = faccia.width() - 1, h = faccia.height() - 1;
                for (const QPoint angolo : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
                    QCOMPARE(faccia.pixel(angolo), kVerde);
                // The middle of the card is white paper or drawing, never green.
                QVERIFY(faccia.pixel(w / 2, 2) != kVerde);
                const QImage confronto = faccia.convertToFormat(QImage::Format_RGB32);
                for (int m = 0; m < viste.size(); ++m)
                    QVERIFY2(confronto != viste[m], qPrintable(QStringLiteral("%1 equals card %2").arg(percorso).arg(m + 1)));
                viste.append(confronto);
            }
        }
    }

    // The back uses at most 16 colours and sits on the table green too.
    void dorso()
    {
        for (const QString& percorso : {QStringLiteral(":/art/dorso.png"), QStringLiteral(":/art/dorso@2x.png")}) {
            const QImage dorso(percorso);
            QSet<QRgb> colori;
            for (int y = 0; y < dorso.height(); ++y)
                for (int x = 0; x < dorso.width(); ++x)
                    colori.insert(dorso.pixel(x, y));
            QVERIFY2(colori.size() <= 16, qPrintable(QString::number(colori.size())));
            QCOMPARE(dorso.pixel(0, 0), kVerde);
            QCOMPARE(dorso.pixel(dorso.width() - 1, dorso.height() - 1), kVerde);
            QVERIFY(!(QImage(percorso) == QImage(percorsoCarta(1))));
        }
    }

    // On the table the markers' transparent parts show the green; the "on"
    // marker lights its bottom (green) lamp, the "off" marker its top (red).
    void segnaTurno()
    {
        for (const bool doppia : {false, true}) {
            const QString on = doppia ? QStringLiteral(":/art/markon@2x.png") : QStringLiteral(":/art/markon.png");
            const QString off = doppia ? QStringLiteral(":/art/markoff@2x.png") : QStringLiteral(":/art/markoff.png");
            const int k = doppia ? 2 : 1;
            for (const QString& percorso : {on, off}) {
                const QImage marcatore(percorso);
                QVERIFY(marcatore.hasAlphaChannel());
                const QImage tavolo = sulVerde(marcatore);
                int trasparenti = 0;
                for (int y = 0; y < marcatore.height(); ++y)
                    for (int x = 0; x < marcatore.width(); ++x)
                        if (qAlpha(marcatore.pixel(x, y)) == 0) {
                            ++trasparenti;
                            QCOMPARE(tavolo.pixel(x, y), kVerde);
                        }
                QVERIFY(trasparenti > marcatore.width() * marcatore.height() / 4);
            }
            // Lamp centres: red on top, green at the bottom.
            const QPoint rossa(16 * k, 7 * k), verde(16 * k, 24 * k);
            const QImage acceso(on), spento(off);
            QVERIFY(qGreen(acceso.pixel(verde)) > qGreen(spento.pixel(verde)) + 80);
            QVERIFY(qRed(spento.pixel(rossa)) > qRed(acceso.pixel(rossa)) + 80);
            QVERIFY(qGreen(acceso.pixel(verde)) > qRed(acceso.pixel(verde)));
            QVERIFY(qRed(spento.pixel(rossa)) > qGreen(spento.pixel(rossa)));
        }
    }

    // The pointer's hotspot is the fingertip: an opaque pixel, with nothing
    // of the hand above it.
    void mano()
    {
        const QImage mano(QStringLiteral(":/art/mano.png"));
        QVERIFY(qAlpha(mano.pixel(kManoHotspotX, kManoHotspotY)) > 128);
        for (int y = 0; y < kManoHotspotY; ++y)
            for (int x = 0; x < mano.width(); ++x)
                QVERIFY(qAlpha(mano.pixel(x, y)) < 128);

        const QCursor cursore = cursoreMano();
        QCOMPARE(cursore.hotSpot(), QPoint(kManoHotspotX, kManoHotspotY));
        QCOMPARE(cursore.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    }

    void aiutanti()
    {
        QVERIFY(pixmapCarta(0).isNull());
        QVERIFY(pixmapCarta(41).isNull());
        QCOMPARE(pixmapCarta(40).size(), QSize(68, 110));
        QCOMPARE(pixmapDorso().size(), QSize(68, 110));
        const QList<QSize> misure = iconaProgramma().availableSizes();
        for (int lato : {16, 32, 48, 256})
            QVERIFY(misure.contains(QSize(lato, lato)));
    }
};

QTEST_MAIN(TestArte)
#include "test_arte.moc"
