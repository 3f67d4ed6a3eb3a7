// The graph's parts on their own, then the window: labels, tracker and keyboard on data far
// from zero; a person's session with the tools is tested through the frame.
#include "Curvello.h"
#include "DialoghiScriptati.h"
#include "MappaScala.h"
#include "TraduzioneQt.h"
#include "Twips.h"
#include "test_grafico_supporto.h"

#include <QLabel>
#include <QPainter>
#include <QSvgGenerator>

#include <cfloat>

namespace {

using Punti = QList<QPointF>;

bool Vicino(double a, double b, double tolleranza = 1e-9)
{
    return (std::isnan(a) && std::isnan(b)) || std::abs(a - b) <= tolleranza * std::max(1.0, std::abs(b));
}

// The years 1990 ... 2020, Y between 56 and 64.
Punti Anni()
{
    Punti p;
    for (int anno = 1990; anno <= 2020; ++anno)
        p << QPointF(anno, 59 + 4 * std::sin((anno - 1990) / 5.0) + (anno - 1990) * 0.05);
    return p;
}

// A graph window on the example fitted by the engine (or on other points),
// or on triples and a polynomial given as they are (none: one without
// coefficients, as a refused fit leaves it).
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
        s.polinomio = coefficienti.isEmpty() ? std::make_unique<Polinomio>() : Polinomiale(coefficienti);
        for (const QPointF& p : punti)
            s.terne->Add(p.x(), p.y(), 0.0);
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
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        InstallaTraduzioneQt();
    }

    // Y upwards; a range of zero maps nowhere (the whole double range: finestra).
    void mappa()
    {
        const MappaScala y = MappaScala(10, 0).SuDispositivo(200), nulla = MappaScala(5, 5).SuDispositivo(100);
        QVERIFY(y.Valida() && y.VersoDispositivo(7.5) == 50 && y.VersoValore(50) == 7.5);
        QVERIFY(!nulla.Valida() && std::isnan(nulla.VersoDispositivo(5)) && std::isnan(nulla.VersoValore(50)));
    }

    void campionamento_data()
    {
        QTest::addColumn<Numeri>("coefficienti");
        QTest::addColumn<Numeri>("intervallo");
        QTest::addColumn<Numeri>("estremi");  // the largest value, the smallest
        QTest::newRow("tutto entro 0,1: solo P(da)") << Numeri{0, 1} << Numeri{1, 1.05} << Numeri{1, 1};
        QTest::newRow("125000 unità: un milione di passi") << Numeri{0, -1} << Numeri{-25000, 1e5} << Numeri{25000, -99999.875};
        QTest::newRow("P infinito saltato") << Numeri{0, 0, 1e308} << Numeri{0, 3} << Numeri{1.69e308, 0};
        QTest::newRow("un passo che non avanza") << Numeri{0, 1} << Numeri{1e20, 1e20 + 1e6} << Numeri{1e20, 1e20};
        QTest::newRow("nessun valore finito, ai limiti del double") << Numeri{qInf()} << Numeri{-1e308, 1e308} << Numeri{qQNaN(), qQNaN()};
    }

    void campionamento()
    {
        QFETCH(Numeri, coefficienti);
        QFETCH(Numeri, intervallo);
        QFETCH(Numeri, estremi);
        double mx = 0, mn = 0;
        MassimoPolinomio(*Polinomiale(coefficienti), intervallo[0], intervallo[1], 0.1f, mx);
        MinimoPolinomio(*Polinomiale(coefficienti), intervallo[0], intervallo[1], 0.1f, mn);
        QVERIFY(Vicino(mx, estremi[0], 1e-6) && Vicino(mn, estremi[1], 1e-6));
    }

    void finestra_data()
    {
        QTest::addColumn<Punti>("punti");
        QTest::addColumn<Numeri>("coefficienti");  // none: a polynomial without coefficients
        QTest::addColumn<Numeri>("attesi");  // XMin, XMax, YMin, YMax, ScalaX, ScalaY, VistaSinistra, VistaDestra
        QTest::newRow("esempio, grado 2") << Punti{{1, 5}, {2, 3}, {3, 4}, {4, 5}, {5, 7}, {6, 9}, {7, 12}, {8, 7}, {9, 6}}
            << Numeri{19.0 / 21, 2293.0 / 1155, -32.0 / 231} << Numeri{1, 9, 2.751515151515152, 12, 8, 80 / 14.751515151515152, 0, 10};
        QTest::newRow("X più grande 0") << Punti{{-4, 1}, {-2, 2}, {0, 3}} << Numeri{3, 0.5} << Numeri{-4, 10, 1, 3, 80.0 / 14, 20, -5.75, 11.75};
        QTest::newRow("il polinomio alza YMax") << Punti{{0, 0}, {2, 0}} << Numeri{0, 10, -5} << Numeri{0, 2, 0, 5, 40, 16, -0.25, 2.25};
        QTest::newRow("X tutte uguali") << Punti{{3, 1}, {3, 2}, {3, 4}} << Numeri{} << Numeri{2.7, 3.3, 1, 4, 80 / 6.0, 16, 2.625, 3.375};
        QTest::newRow("|XMin| + XMax nullo") << Punti{{-5, 1}, {-5, 2}} << Numeri{} << Numeri{-5.5, -4.5, 1, 2, 80, 80.0 / 3, -5.625, -4.375};
        QTest::newRow("Y e P costanti") << Punti{{1, 4}, {2, 4}, {3, 4}} << Numeri{4} << Numeri{1, 3, 3.6, 4.4, 20, 10, 0.75, 3.25};
        QTest::newRow("oltre la precisione singola") << Punti{{0, 1e39}, {1, 0}} << Numeri{1e39, -1e39} << Numeri{0, 1, 0, 1e39, 80, 8e-38, -0.125, 1.125};
        QTest::newRow("tutto il double") << Punti{{-1.7e308, 1}, {1.7e308, 2}} << Numeri{} << Numeri{-1.7e308, 1.7e308, 1, 2, 1, 80.0 / 3, -DBL_MAX, DBL_MAX};
    }

    // The window and the view, every marker, the curve and the axes where they are in view;
    // a polynomial without coefficients is no fit: no curve, no P in the tracker.
    void finestra()
    {
        QFETCH(Punti, punti);
        QFETCH(Numeri, coefficienti);
        QFETCH(Numeri, attesi);
        Banco b(punti, coefficienti);
        QVERIFY(b.apri(QSize(700, 500)));
        const StatoGrafico& g = b.g;
        const Numeri letti = {g.XMin, g.XMax, g.YMin, g.YMax, g.ScalaX(), g.ScalaY(), g.VistaSinistra(), g.VistaDestra()};
        for (int i = 0; i < attesi.size(); ++i)
            QVERIFY2(Vicino(letti[i], attesi[i], 1e-6), qPrintable(QString("%1: %2").arg(i).arg(letti[i], 0, 'g', 17)));
        for (const QPointF& p : punti)
            QVERIFY(b.colore(p.x(), p.y(), Qt::red));
        QVERIFY(b.f->PictValX->Testi().size() == 4 && b.f->PictValY->Testi().size() == 5);
        const double xm = g.XMin / 2 + g.XMax / 2, ym = g.YMin / 2 + g.YMax / 2;
        const double x0 = punti[0].x();
        QVERIFY(coefficienti.isEmpty() || b.colore(x0, b.s.polinomio->ValorePolinomio(x0), Qt::black));
        QVERIFY(!(g.VistaBasso() < 0 && 0 < g.VistaAlto()) || b.colore(xm, 0, Qt::black));
        QVERIFY(!(g.VistaSinistra() < 0 && 0 < g.VistaDestra()) || b.colore(0, ym, Qt::black));
        // The curve, drawn last, leaves the plot's current point at its end.
        QCOMPARE(b.f->Picture1->CorrenteX == punti.last().x(), coefficienti.isEmpty());
        b.muovi(g.XMin, g.YMin);  // elsewhere first: a move to where the mouse is goes unseen
        b.premi("Tracciatore");
        b.muovi(xm, ym);
        QVERIFY(!b.f->Text1->text().isEmpty() && b.f->Text2->text().isEmpty() == coefficienti.isEmpty());
    }

    void etichette_data()
    {
        QTest::addColumn<Punti>("punti");  // none: the example
        QTest::addColumn<QString>("grado");
        QTest::addColumn<QRectF>("zoom");  // from the corner picked first to the second; none: the full view
        QTest::addColumn<QStringList>("x");  // the X labels and their left edges, pixels, when given
        QTest::addColumn<QStringList>("y");  // the Y labels, when given
        Punti e11;
        for (int i = 0; i <= 10; ++i)
            e11 << QPointF(1e11 + i, i * i % 7 + 1);
        QTest::newRow("esempio") << Punti{} << "2" << QRectF()
            << QStringList{" 1 @49.61", " 3,5 @191.36", " 6 @333.11", " 8,5 @474.86"} << QStringList{" 2,8 ", " 5,1 ", " 7,4 ", " 9,7 ", " 12 "};
        QTest::newRow("anni, grado 8") << Anni() << "8" << QRectF() << QStringList() << QStringList();
        QTest::newRow("anni, zoom") << Anni() << "8" << QRectF(QPointF(2000, 63), QPointF(2010, 56)) << QStringList() << QStringList();
        QTest::newRow("Y da 0,001 a 0,002") << Punti{{1, 0.001}, {2, 0.0015}, {3, 0.002}} << "1" << QRectF() << QStringList()
            << QStringList{" 0,001 ", " 0,00125 ", " 0,0015 ", " 0,00175 ", " 0,002 "};
        QTest::newRow("X = 1E+11 + i") << e11 << "2" << QRectF() << QStringList() << QStringList();
    }

    // Every label's text is its value to its decimals, stands whole on its strip where that value
    // is, and differs from its neighbours.
    void etichette()
    {
        QFETCH(Punti, punti);
        QFETCH(QString, grado);
        QFETCH(QRectF, zoom);
        QFETCH(QStringList, x);
        QFETCH(QStringList, y);
        Banco b(grado.toLatin1().constData(), punti);
        QVERIFY(b.apri());
        if (!zoom.isNull()) {
            b.premi("ZoomArea");
            b.clicca(zoom.left(), zoom.top());
            b.clicca(zoom.right(), zoom.bottom());
            QVERIFY(b.g.GraficoZoommato);
        }
        for (SuperficieDisegno* s : {b.f->PictValX, b.f->PictValY}) {
            const bool asseX = s == b.f->PictValX;
            QStringList testi;
            double prima = -qInf();
            for (const SuperficieDisegno::TestoDisegnato& t : s->Testi()) {
                const double v = Numero(t.testo), p = asseX ? s->VersoDispositivo(v, 0).x() : s->VersoDispositivo(0, v).y();
                const double da = asseX ? t.area.left() : t.area.top(), a = asseX ? t.area.right() : t.area.bottom();
                QVERIFY2(v > prima && da - 1 <= p && p <= a + 1 && QRectF(s->rect()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(t.area), qPrintable(t.testo));
                testi << (asseX && !x.isEmpty() ? QString("%1@%2").arg(t.testo).arg(t.area.left(), 0, 'f', 2) : t.testo);
                prima = v;
            }
            // A zoom's edge labels are left out where rounding takes them out of view.
            QVERIFY(asseX ? testi.size() == 4 : testi.size() == 5 || (!zoom.isNull() && testi.size() >= 3));
            QVERIFY((asseX ? x : y).isEmpty() || testi == (asseX ? x : y));
        }
    }

    // The example with its grid. The curve ends at the last sample below the right edge, near 9,9.
    // What a surface keeps as drawn paints its pixels again: lines (dashed too), colours, markers
    // and labels; of the difference's crosses the committed one, not the one cleared after it.
    void disegnoEsempio()
    {
        Banco b;
        b.g.Particolari = ParticolareGriglia;
        QVERIFY(b.apri());
        QVERIFY(b.f->Picture1->CorrenteX > 9.85 && b.f->Picture1->CorrenteX < 10);
        b.premi("Differenza");
        b.muovi(3, 5);
        b.clicca(3, 5);
        b.muovi(7, 8);
        b.premi("ZoomArea");
        b.f->ImmagineStampa();
        for (SuperficieDisegno* s : {b.f->Picture1, b.f->PictValX, b.f->PictValY}) {
            QImage rifatta(s->Sfondo().size(), QImage::Format_RGB32);
            rifatta.setDevicePixelRatio(s->Sfondo().devicePixelRatio());
            QPainter p(&rifatta);
            s->Dipingi(p);
            p.end();
            QCOMPARE(rifatta, s->Sfondo());
        }
        // Qt's SVG generator does not clip: the curve leaving the plot (bottom left) is cut to it by hand.
        QByteArray svg;
        QBuffer memoria(&svg);
        QSvgGenerator generatore;
        generatore.setOutputDevice(&memoria);
        QPainter p(&generatore);
        b.f->Picture1->Dipingi(p);
        p.end();
        const QRectF area = QRectF(b.f->Picture1->rect()).adjusted(-0.5, -0.5, 0, 0);
        for (const QRegularExpressionMatch& m : QRegularExpression("([-0-9.e]+),([-0-9.e]+) ").globalMatch(QString::fromUtf8(svg)))
            QVERIFY2(area.contains(m.captured(1).toDouble(), m.captured(2).toDouble()), qPrintable(m.captured()));
        // The marker test is strict: points on the given edges get none.
        ContestoGrafico c{b.g, *b.f->Picture1, *b.f->PictValX, *b.f->PictValY, Separatori::Italiani()};
        b.f->Picture1->Cancella();
        DisegnaPunti(c, *b.s.terne, 1, 9, b.g.YMin, b.g.YMax);
        QVERIFY(!b.colore(1, 5, Qt::red) && !b.colore(9, 6, Qt::red) && b.colore(8, 7, Qt::red));
        // A range within one step: one segment, to one step past the start.
        DisegnaCurva(c, *b.s.polinomio, 4, 4.05);
        QVERIFY(Vicino(b.f->Picture1->CorrenteX, 4 + double(0.1f)));
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
        QCOMPARE(pulsanti, QStringList({"Cancella|Cancella grafico (Canc)", "Tracciatore|Abilita/disabilita il collimatore (T)",
                                        "Disegna|Disegna in scala 1:1 (D)", "ZoomArea|Zoom (Z)",
                                        "AggiungiParticolari|Aggiiungi particolari al grafico (P)",
                                        "Differenza|Differenza tra 2 punti (F)", "Griglia|Aggiungi / togli griglia (G)"}));
        // Each box is its label's buddy, so that a screen reader names it after the label.
        QStringList caselle;
        for (const QLabel* l : f.findChildren<QLabel*>())
            if (const auto* e = qobject_cast<const QLineEdit*>(l->buddy()))
                caselle << l->text() + u'=' + e->objectName() + u':' + e->text();
        QCOMPARE(caselle, QStringList({"X=Text1:", "Y=Text2:", "X1=DiffX1:0", "Y1=DiffY1:0", "X2=DiffX2:0",
                                       "Y2=DiffY2:0", "DX=DiffX:0", "DY=DiffY:0"}));
        QVERIFY(b.accesi() == "0010111" && f.Caricato() && b.g.ScalaX() == 1.0);

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
        QVERIFY(b.g.ScalaX() == 8.0 && f.Picture1->width() == px(w));
        f.showNormal();
        QTRY_COMPARE(b.g.ScalaX(), 4.0);  // 80 / (|1| + 19)
        f.resize(150, 100);
        QTRY_COMPARE(f.Picture1->geometry(), QRect(px(720), px(720), 0, 0));
    }

    // The tools from the keys alone. The plot has the keyboard when the window opens; the
    // arrows move its cursor a pixel (ten with Shift), Enter picks, Esc leaves the tool, and the
    // readouts follow as with the mouse. A box keeps its typing and shows its whole text.
    void tastiera()
    {
        Banco b("8", Anni());
        QVERIFY(b.apri(QSize(700, 500)));
        fGrafico& f = *b.f;
        SuperficieDisegno& p = *f.Picture1;
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f) && QApplication::focusWidget() == &p);
        QPointF cursore(p.width() / 2, p.height() / 2);
        auto tasti = [&cursore](std::initializer_list<QKeyCombination> sequenza, int volte = 1) {
            for (int i = 0; i < volte; ++i)
                for (QKeyCombination k : sequenza) {
                    QTest::keyClick(QApplication::focusWidget(), k.key(), k.keyboardModifiers());
                    const double d = k.keyboardModifiers() & Qt::ShiftModifier ? 10 : 1;
                    cursore += QPointF(k.key() == Qt::Key_Right ? d : k.key() == Qt::Key_Left ? -d : 0,
                                       k.key() == Qt::Key_Down ? d : k.key() == Qt::Key_Up ? -d : 0);
                }
        };
        auto qui = [&] { return p.VersoUtente(cursore); };
        auto tre = [](double v) { return QString::fromStdString(FormaGenerale(Arrotonda(v, 3), Separatori::Italiani())); };
        auto lettura = [&](double x) { return tre(x) + u'|' + tre(b.s.polinomio->ValorePolinomio(x)); };

        tasti({Qt::Key_T, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::SHIFT | Qt::Key_Right});
        QCOMPARE(f.Text1->text() + u'|' + f.Text2->text(), lettura(qui().x()));
        QVERIFY(b.colore(qui().x(), Numero(f.Text2->text()), Qt::black));
        tasti({Qt::Key_Tab, Qt::Key_T, Qt::Key_Home, Qt::Key_Delete, Qt::SHIFT | Qt::Key_Backtab});
        QVERIFY(f.Text1->text().isEmpty() && b.g.Strumento == ModoStrumento::Collimatore && b.accesi() == "1111111");
        const QImage croce = p.Immagine();
        tasti({Qt::Key_Escape});
        QVERIFY(QApplication::focusWidget() == &p && b.g.Strumento == ModoStrumento::Nessuno && p.Immagine() == croce);

        tasti({Qt::Key_Z});
        tasti({Qt::SHIFT | Qt::Key_Left, Qt::SHIFT | Qt::Key_Left, Qt::SHIFT | Qt::Key_Up}, 5);
        const QPointF angolo = qui();
        QVERIFY(p.Immagine() != p.Sfondo());  // a cross-hair where the first corner will be
        tasti({Qt::Key_Return});
        tasti({Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Down}, 10);
        const QPointF opposto = qui();
        tasti({Qt::Key_Enter});
        QVERIFY(b.g.GraficoZoommato && Vicino(b.g.XMin, angolo.x()) && Vicino(b.g.XMax, opposto.x())
                && Vicino(b.g.YMin, opposto.y()) && Vicino(b.g.YMax, angolo.y()));

        tasti({Qt::Key_F, Qt::SHIFT | Qt::Key_Left});
        QCOMPARE(f.DiffX1->text(), QString::number(std::round(qui().x())));  // the nearest year
        tasti({Qt::Key_Return, Qt::SHIFT | Qt::Key_Right});
        QCOMPARE(f.DiffX2->text() + u'|' + f.DiffY2->text(), lettura(qui().x()));
        tasti({Qt::Key_Return});
        QVERIFY(b.g.Strumento == ModoStrumento::Nessuno && f.Strumenti().Fase == FaseStrumento::Inattiva);
        // Leading digits and the whole text in every box (a year with decimals in X2; a fifteen-digit
        // difference may need the tooltip for it); nothing overlaps.
        QList<QRect> aree;
        for (QLineEdit* e : f.findChildren<QLineEdit*>()) {
            e->grab();  // lays the text out as shown
            const bool intera = e->cursorPositionAt(QPoint(e->width() - 4, e->height() / 2)) == e->text().size();
            QVERIFY2(e->cursorPositionAt(QPoint(4, e->height() / 2)) == 0 && (intera || (e != f.DiffX2 && e->toolTip() == e->text())),
                     qPrintable(e->text()));
            aree << e->geometry();
        }
        for (const QLabel* l : f.findChildren<QLabel*>())
            aree << QRect(l->pos(), l->fontMetrics().size(0, l->text()));
        for (int i = 0; i < aree.size(); ++i)
            for (int j = i + 1; j < aree.size(); ++j)
                QVERIFY(!aree[i].intersects(aree[j]) && aree[i].right() < f.width());
        QVERIFY(f.Shape1->geometry().contains(f.Text1->geometry()) && f.Shape2->geometry().contains(f.DiffY2->geometry()));

        tasti({Qt::Key_Delete});
        QVERIFY(b.accesi() == "0010111" && f.ImmaginePicture1().isNull());
    }
};

QTEST_MAIN(TestGrafico)
#include "test_grafico.moc"
