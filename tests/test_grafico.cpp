// The graph's parts on their own, then the window and the tracker on data far from zero;
// a person's session with the tools is tested through the frame.
#include "Curvello.h"
#include "DialoghiScriptati.h"
#include "MappaScala.h"
#include "Twips.h"
#include "test_grafico_supporto.h"

#include <QBitmap>
#include <QLabel>

namespace {

using Punti = QList<QPointF>;

bool Vicino(double a, double b, double tolleranza = 1e-9)
{
    return (std::isnan(a) && std::isnan(b)) || std::abs(a - b) <= tolleranza * std::max(1.0, std::abs(b));
}

const Numeri Esempio2 = {19.0 / 21, 2293.0 / 1155, -32.0 / 231};

// A graph window on the example fitted by the engine (or on other points),
// or on triples and a polynomial given as they are.
struct Banco : Mano {
    StatoGrafico g;
    StatoProgramma s;
    DialoghiScriptati d;
    std::unique_ptr<fGrafico> f;

    explicit Banco(const char* grado = "2", const Punti& punti = {})
    {
        if (punti.isEmpty())
            s.punti.RiempiEsempio();
        for (const QPointF& p : punti)
            s.punti.Add(p.x(), p.y());
        Curvello(s, CanaliCalcolo{}).CalcolaPolinomio(grado, Separatori::Italiani());
    }
    Banco(const Punti& punti, const Numeri& coefficienti)
    {
        s.polinomio = coefficienti.isEmpty() ? nullptr : Polinomiale(coefficienti);
        for (const QPointF& p : punti)
            s.terne->Add(p.x(), p.y(), s.polinomio ? s.polinomio->ValorePolinomio(p.x()) : 0.0);
    }
    // Created and loaded, then shown at this size; an empty size leaves it hidden.
    bool apri(QSize dimensioni = {800, 600})
    {
        f = std::make_unique<fGrafico>(g, s, &d);
        f->Form_Load();
        fin = f.get();
        sg = &g;
        if (dimensioni.isEmpty())
            return true;
        f->resize(dimensioni);
        f->show();
        return QTest::qWaitForWindowExposed(f.get());
    }
};

}  // namespace

class TestGrafico : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void mappa_data()
    {
        QTest::addColumn<Numeri>("bordi");  // left, top, right, bottom, device width and height
        QTest::addColumn<QPointF>("utente");
        QTest::addColumn<QPointF>("pixel");  // NaN: the map is not valid
        QTest::newRow("Y verso l'alto") << Numeri{0, 10, 80, 0, 400, 200} << QPointF(20, 7.5) << QPointF(100, 50);
        QTest::newRow("Y verso il basso, sinistra negativa") << Numeri{-10, 0, 10, 10, 100, 100} << QPointF(2.5, 7.5) << QPointF(62.5, 75);
        QTest::newRow("larghezza nulla") << Numeri{5, 1, 5, 0, 0, 100} << QPointF(5, 0) << QPointF(qQNaN(), qQNaN());
    }

    void mappa()
    {
        QFETCH(Numeri, bordi);
        QFETCH(QPointF, utente);
        QFETCH(QPointF, pixel);
        const MappaScala m(bordi[0], bordi[1], bordi[2], bordi[3], QSizeF(bordi[4], bordi[5]));
        QCOMPARE(m.Valida(), !std::isnan(pixel.x()));
        const QPointF d = m.VersoDispositivo(utente.x(), utente.y());
        const QPointF u = m.VersoUtente(pixel);
        QVERIFY(Vicino(d.x(), pixel.x()) && Vicino(d.y(), pixel.y()));
        QVERIFY(m.Valida() ? Vicino(u.x(), utente.x()) && Vicino(u.y(), utente.y()) : std::isnan(m.VersoUtenteX(1)));
    }

    void campionamento_data()
    {
        QTest::addColumn<Numeri>("coefficienti");
        QTest::addColumn<Numeri>("intervallo");
        QTest::addColumn<double>("massimo");
        QTest::addColumn<double>("minimo");
        QTest::newRow("tutto entro 0,1: solo P(da)") << Numeri{0, 1} << Numeri{1, 1.05} << 1.0 << 1.0;
        QTest::newRow("125000 unità: un milione di passi") << Numeri{0, -1} << Numeri{-25000, 1e5} << 25000.0 << -99999.875;
        QTest::newRow("P infinito saltato") << Numeri{0, 0, 1e308} << Numeri{0, 3} << 1.69e308 << 0.0;
        QTest::newRow("un passo che non avanza") << Numeri{0, 1} << Numeri{1e20, 1e20 + 1e6} << 1e20 << 1e20;
        QTest::newRow("nessun valore finito, ai limiti del double") << Numeri{qInf()} << Numeri{-1e308, 1e308} << qQNaN() << qQNaN();
    }

    void campionamento()
    {
        QFETCH(Numeri, coefficienti);
        QFETCH(Numeri, intervallo);
        QFETCH(double, massimo);
        QFETCH(double, minimo);
        double mx = 0, mn = 0;
        MassimoPolinomio(*Polinomiale(coefficienti), intervallo[0], intervallo[1], 0.1f, mx);
        MinimoPolinomio(*Polinomiale(coefficienti), intervallo[0], intervallo[1], 0.1f, mn);
        QVERIFY(Vicino(mx, massimo, 1e-6) && Vicino(mn, minimo, 1e-6));
    }

    void finestra_data()
    {
        QTest::addColumn<Punti>("punti");
        QTest::addColumn<Numeri>("coefficienti");  // none: no polynomial
        QTest::addColumn<Numeri>("attesi");  // XMin, XMax, YMin, YMax, ScalaX, ScalaY, VistaSinistra, VistaDestra
        QTest::newRow("esempio, grado 2") << Punti{{1, 5}, {2, 3}, {3, 4}, {4, 5}, {5, 7}, {6, 9}, {7, 12}, {8, 7}, {9, 6}}
            << Esempio2 << Numeri{1, 9, 2.751515151515152, 12, 8, 80 / 14.751515151515152, 0, 10};
        QTest::newRow("X più grande 0") << Punti{{-4, 1}, {-2, 2}, {0, 3}} << Numeri{3, 0.5} << Numeri{-4, 10, 1, 3, 80.0 / 14, 20, -5.75, 11.75};
        QTest::newRow("il polinomio alza YMax") << Punti{{0, 0}, {2, 0}} << Numeri{0, 10, -5} << Numeri{0, 2, 0, 5, 40, 16, -0.25, 2.25};
        QTest::newRow("X tutte uguali") << Punti{{3, 1}, {3, 2}, {3, 4}} << Numeri{} << Numeri{2.7, 3.3, 1, 4, 80 / 6.0, 16, 2.625, 3.375};
        QTest::newRow("|XMin| + XMax nullo") << Punti{{-5, 1}, {-5, 2}} << Numeri{} << Numeri{-5.5, -4.5, 1, 2, 80, 80.0 / 3, -5.625, -4.375};
        QTest::newRow("Y e P costanti") << Punti{{1, 4}, {2, 4}, {3, 4}} << Numeri{4} << Numeri{1, 3, 3.6, 4.4, 20, 10, 0.75, 3.25};
    }

    void finestra()
    {
        QFETCH(Punti, punti);
        QFETCH(Numeri, coefficienti);
        QFETCH(Numeri, attesi);
        Banco b(punti, coefficienti);
        QVERIFY(b.apri());
        const StatoGrafico& g = b.g;
        const Numeri letti = {g.XMin, g.XMax, g.YMin, g.YMax, g.ScalaX, g.ScalaY, g.VistaSinistra, g.VistaDestra};
        for (int i = 0; i < attesi.size(); ++i)
            QVERIFY2(Vicino(letti[i], attesi[i], 1e-6), qPrintable(QString("%1: %2").arg(i).arg(letti[i], 0, 'g', 17)));
    }

    void etichette_data()
    {
        QTest::addColumn<Numeri>("limiti");  // da, a, yDa, yA
        QTest::addColumn<Numeri>("y");
        QTest::addColumn<QStringList>("x");
        QTest::newRow("esempio, vista intera") << Numeri{0, 10, 2.751515151515152, 12} << Numeri{2.8, 5.1, 7.4, 9.7, 12}
            << QStringList{" 1 ", " 3,5 ", " 6 ", " 8,5 ", " 11 "};
        // Each label comes from the rounded one before it; below 1 with the leading zero.
        QTest::newRow("arrotondamento che si porta avanti") << Numeri{0.004, 0.564, 0.06, 0.62} << Numeri{0.1, 0.2, 0.3, 0.4, 0.5}
            << QStringList{" 0,1 ", " 0,2 ", " 0,3 ", " 0,4 ", " 0,5 "};
    }

    void etichette()
    {
        QFETCH(Numeri, limiti);
        QFETCH(Numeri, y);
        QFETCH(QStringList, x);
        const auto p = PosizioniEtichette(limiti[0], limiti[1], limiti[2], limiti[3]);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(QString::fromStdString(TestoEtichettaX(p[i].x, Separatori::Italiani())), x[i]);
            QVERIFY2(Vicino(p[i].y, y[i]), qPrintable(QString::number(p[i].y, 'g', 17)));
        }
    }

    void disegnoEsempio()
    {
        Banco b;
        QVERIFY(b.apri());
        const float sx = b.g.ScalaX;
        const XYPoli& t = *b.s.terne;
        for (int i = 0; i < t.NumeroElementi(); ++i)
            QVERIFY(b.colore(t.X(i), t.Y(i), Qt::red));
        QVERIFY(b.colore(5, b.s.polinomio->ValorePolinomio(5), Qt::black));
        // The curve ends at the last sample below the right edge, near 9,9.
        QVERIFY(b.f->Picture1->CorrenteX / sx > 9.85 && b.f->Picture1->CorrenteX / sx < 10);
        // Each visible X label is text just right of its value, on the X strip.
        const QImage x = b.f->PictValX->Immagine();
        const QRegion testo(QBitmap::fromImage(x.createMaskFromColor(b.f->PictValX->ColoreSfondo().rgb())));
        for (double v : {1.0, 3.5, 6.0, 8.5})
            QVERIFY(testo.intersects(QRect(Pixel(*b.f->PictValX, sx * v, 0).x(), 0, 16 * x.devicePixelRatio(), x.height())));
        // The marker test is strict: points on the given edges get none.
        ContestoGrafico c{b.g, *b.f->Picture1, *b.f->PictValX, *b.f->PictValY, Separatori::Italiani()};
        b.f->Picture1->Cancella();
        DisegnaPunti(c, t, 1, 9, b.g.YMin, b.g.YMax);
        QVERIFY(!b.colore(1, 5, Qt::red) && !b.colore(9, 6, Qt::red) && b.colore(8, 7, Qt::red));
        // A range within one step: one segment, to one step past the start.
        DisegnaCurva(c, *b.s.polinomio, 4, 4.05);
        QVERIFY(Vicino(b.f->Picture1->CorrenteX, sx * (4 + double(0.1f))));
    }

    // Loaded hidden: the controls, nothing drawn yet. Shown: the layout. Minimised: a new fit
    // waits for the restore. Below the layout's margins: sizes of zero.
    void carica()
    {
        Banco b;
        QVERIFY(b.apri(QSize()));
        fGrafico& f = *b.f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Grafico"));
        QStringList pulsanti;
        for (QAction* a : f.Toolbar1->actions())
            pulsanti << a->objectName() + '|' + a->toolTip();
        QCOMPARE(pulsanti, QStringList({"Cancella|Cancella grafico", "Tracciatore|Abilita/disabilita il collimatore",
                                        "Disegna|Disegna in scala 1:1", "ZoomArea|Zoom",
                                        "AggiungiParticolari|Aggiiungi particolari al grafico",
                                        "Differenza|Differenza tra 2 punti", "Griglia|Aggiungi / togli griglia"}));
        // Each box is its label's buddy, so that a screen reader names it after the label.
        QStringList caselle;
        for (const QLabel* l : f.findChildren<QLabel*>())
            if (const auto* e = qobject_cast<const QLineEdit*>(l->buddy()))
                caselle << l->text() + u'=' + e->objectName() + u':' + e->text();
        QCOMPARE(caselle, QStringList({"X=Text1:", "Y=Text2:", "X1=DiffX1:0", "Y1=DiffY1:0", "X2=DiffX2:0",
                                       "Y2=DiffY2:0", "DX=DiffX:0", "DY=DiffY:0"}));
        QVERIFY(b.accesi() == "0010111" && f.Caricato() && b.g.ScalaX == 1.0f);

        f.resize(800, 600);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const double dpi = DpiLogicoSchermo();
        auto px = [dpi](double tw) { return PixelDaTwips(tw, dpi); };
        const double w = TwipsDaPixel(800, dpi) - 3500, h = TwipsDaPixel(600, dpi) - 2000;
        QCOMPARE(f.Picture1->geometry(), QRect(px(720), px(720), px(w), px(h)));
        QCOMPARE(f.DiffY->pos(), QPoint(px(w + 850 + 150 + 1200 + 450), px(720 + 2500 + 300 + 1600)));

        // The example and two more points, X up to 19.
        b.s.punti.Add(10, 1);
        b.s.punti.Add(19, 2);
        Curvello(b.s, CanaliCalcolo{}).CalcolaPolinomio("2", Separatori::Italiani());
        f.showMinimized();
        f.resize(700, 500);
        QVERIFY(b.g.ScalaX == 8.0f && f.Picture1->width() == px(w));
        f.showNormal();
        QTRY_COMPARE(b.g.ScalaX, 4.0f);  // 80 / (|1| + 19)
        f.resize(150, 100);
        QTRY_COMPARE(f.Picture1->geometry(), QRect(px(720), px(720), 0, 0));
    }

    void anni()
    {
        Punti punti;
        for (int anno = 1990; anno <= 2020; ++anno)
            punti << QPointF(anno, 100 + 10 * std::sin((anno - 1990) / 5.0) + (anno - 1990) * 0.5);
        Banco b("8", punti);
        QVERIFY(b.apri(QSize(700, 500)));  // within the offscreen screen, or the mouse would not reach it
        const XYPoli& t = *b.s.terne;
        // No spikes: the sampled curve stays near the data, through each point's P.
        QVERIFY(b.g.YMax < 130 && b.g.YMin > 80);
        for (int i = 0; i < t.NumeroElementi(); i += 5)
            QVERIFY(b.colore(t.X(i), t.P(i), Qt::black));
        const double pixel = (b.g.VistaDestra - b.g.VistaSinistra) / b.f->Picture1->width();
        b.premi("Tracciatore");
        for (int i = 0; i < t.NumeroElementi(); i += 5) {
            // The tracker reads what the table says: X within two pixels (a scaled screen rounds
            // twice), Y the polynomial there to 3 decimals (the curve rises at most 4 a year).
            b.muovi(t.X(i), t.Y(i));
            const double x = Numero(b.f->Text1->text()), y = Numero(b.f->Text2->text());
            QVERIFY2(std::abs(x - t.X(i)) <= 2 * pixel, qPrintable(b.f->Text1->text()));
            QVERIFY(std::abs(y - b.s.polinomio->ValorePolinomio(x)) < 0.0005 + 4 * 0.0005 && std::abs(y - t.P(i)) < 0.2);
        }
    }
};

QTEST_MAIN(TestGrafico)
#include "test_grafico.moc"
