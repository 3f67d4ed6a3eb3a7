// The graph through the real frame: each "Grafico" opens one more window over
// the whole client area, and a person's session with its tools, by real mouse
// events, checked on the readouts, the shared state and the picture's pixels.
#include "test_app_supporto.h"
#include "test_grafico_supporto.h"

#include "Disposizione.h"
#include "Twips.h"
#include "fGrafico.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

fGrafico* Designato(ProgrammaDiProva& p)
{
    return qobject_cast<fGrafico*>(p.programma->Stato().fGrafico.data());
}

QList<fGrafico*> Grafici(frmMain& f)
{
    QList<fGrafico*> r;
    for (QMdiSubWindow* s : f.AreaFigli()->subWindowList(QMdiArea::CreationOrder))
        if (auto* g = qobject_cast<fGrafico*>(s->widget()))
            r << g;
    return r;
}

}  // namespace

class TestAppGrafico : public QObject {
    Q_OBJECT

    static void clicca(frmMain& f, const char* chiave)
    {
        QTest::mouseClick(f.tbToolBar->widgetForAction(f.PulsanteBarra(QString::fromLatin1(chiave))), Qt::LeftButton);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // Two presses, two windows, each titled with the degree text of its
    // press; the newest is the designated one and opens on the zoom the
    // first one left.
    void dueFinestre()
    {
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("2"));
        p.premi("Grafico");
        QPointer<fGrafico> prima = Designato(p);
        QVERIFY(prima);
        const StatoGrafico& g = p.programma->Stato().grafico;
        Mano m{prima, &g};
        m.premi("ZoomArea");
        m.clicca(2, 10);
        m.clicca(6, 4);
        QVERIFY(g.GraficoZoommato);
        const double xMin = g.XMin;

        p.f().GradoPolinomio->setText(QStringLiteral("abc"));
        p.premi("Grafico");
        fGrafico* seconda = Designato(p);
        QCOMPARE(Grafici(p.f()), (QList<fGrafico*>{prima.data(), seconda}));
        QVERIFY(Cornice(prima)->isVisible() && Cornice(seconda)->isVisible());
        QCOMPARE(prima->windowTitle() + u'|' + seconda->windowTitle(), QStringLiteral("Grado: 2|Grado: abc"));

        // Each window, frame included, covers the client area; its plot is laid out for its inner size.
        const QRect area(QPoint(0, 0), p.f().AreaFigli()->viewport()->size());
        const double dpi = DpiLogicoSchermo();
        for (fGrafico* f : {prima.data(), seconda}) {
            QCOMPARE(Cornice(f)->geometry(), area);
            QCOMPARE(f->Picture1->width(), PixelDaTwips(TwipsDaPixel(f->width(), dpi) - 3500, dpi));
            QCOMPARE(f->Picture1->height(), PixelDaTwips(TwipsDaPixel(f->height(), dpi) - 2000, dpi));
        }

        // The new window draws the zoomed region: no zoom within it, the point at X 4 inside, X 7 outside.
        Mano n{seconda, &g};
        QVERIFY(g.GraficoZoommato && std::abs(g.XMin - xMin) < 1e-4);
        QCOMPARE(n.accesi(), QStringLiteral("1110111"));
        QVERIFY(n.colore(4, 5, Qt::red) && g.VistaDestra < 7);
    }

    // "Esempio", degree 2, "Calcolo", "Tabella", "Grafico", then the tracker,
    // a zoom, a difference, the grid and "Disegna", as a person does them.
    void dacapoAFondo()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        clicca(f, "Esempio");
        QTest::keyClicks(f.GradoPolinomio, QStringLiteral("2"));
        clicca(f, "Calcolo");
        clicca(f, "Tabella");
        const QString riga7 = Righe(p.tabella()->DataTerna).section(u'|', 6, 6);
        QCOMPARE(riga7, QStringLiteral("7;7;12;8,0139"));
        clicca(f, "Grafico");
        fGrafico* w = Designato(p);
        QVERIFY(w && Cornice(w)->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Grado: 2"));
        const StatoGrafico& g = p.programma->Stato().grafico;
        Mano m{w, &g};
        QCOMPARE(m.accesi(), QStringLiteral("1111111"));
        QVERIFY(g.ScalaX == 8.0f && m.colore(7, 12, Qt::red));

        // The tracker at the seventh point reads the table's P.
        m.premi("Tracciatore");
        QVERIFY(g.CollimatoreAttivo);
        m.muovi(7, 3);
        QVERIFY2(std::abs(Numero(w->Text1->text()) - 7) <= 0.5 / (g.ScalaX * w->Picture1->Mappa().PixelPerUnitaX()) + 1e-3,
                 qPrintable(w->Text1->text()));
        QVERIFY2(std::abs(Numero(w->Text2->text()) - Numero(riga7.section(u';', 3))) <= 0.0015,
                 qPrintable(w->Text2->text()));
        QVERIFY(m.colore(1, Numero(w->Text2->text()), Qt::black));

        // A zoom picked from the bottom right: the rectangle, no margins, no zoom within it.
        m.premi("ZoomArea");
        QVERIFY(!g.CollimatoreAttivo && g.ZoomRettangoloAttivo);
        m.clicca(6, 4);
        m.muovi(2, 10);
        QVERIFY(m.colore(4, 10, Qt::black) && std::abs(Numero(w->Text1->text()) - 2) < 0.05);
        m.clicca(2, 10);
        QVERIFY(g.GraficoZoommato && !g.ZoomRettangoloAttivo);
        QVERIFY(std::abs(g.XMin - 2) < 0.05 && std::abs(g.XMax - 6) < 0.05 && std::abs(g.YMin - 4) < 0.05
                && std::abs(g.YMax - 10) < 0.05);
        QCOMPARE(m.accesi(), QStringLiteral("1110111"));
        QVERIFY(m.colore(4, 5, Qt::red) && m.colore(5, 7, Qt::red));

        // The difference: the first point snaps to (3, 4), the second follows the curve.
        m.premi("Differenza");
        m.muovi(3.2, 9);
        QCOMPARE(m.differenze(), QStringLiteral("3|4|0|0|-3|-4"));
        m.clicca(3.2, 9);
        m.muovi(5, 9);
        const double x2 = Numero(w->DiffX2->text());
        const double y2 = Numero(w->DiffY2->text());
        QVERIFY(std::abs(x2 - 5) < 0.05 && std::abs(y2 - p.stato().polinomio->ValorePolinomio(x2)) <= 1e-3);
        QCOMPARE(Numero(w->DiffX->text()), x2 - 3);
        QCOMPARE(Numero(w->DiffY->text()), y2 - 4);
        m.clicca(5, 9);
        QVERIFY(!g.DifferenzaAttiva && w->Strumenti().Fase == 0);
        const QImage fissata = w->ImmaginePicture1();
        QVERIFY(ColoreIn(fissata, Pixel(*w->Picture1, g.ScalaX * 3, g.ScalaY * 9), Qt::red)
                && ColoreIn(fissata, Pixel(*w->Picture1, g.ScalaX * 5, g.ScalaY * 9), Qt::green));

        // The grid redraws the zoomed region: the cross-hairs go, dashed lines through the labels.
        m.premi("Griglia");
        QCOMPARE(g.Particolari, int16_t(2));
        QVERIFY(g.GraficoZoommato && !m.colore(3, 9, Qt::red) && !m.colore(5, 9, Qt::green));
        QVERIFY(m.colore(2.4, 7.5, Qt::black) && m.colore(3, 8.5, Qt::black));

        // "Disegna": the whole data at 1:1 again, grid kept, every tool off.
        m.premi("Disegna");
        QVERIFY(!g.GraficoZoommato && g.XMin == 1 && g.XMax == 9 && g.ScalaX == 8.0f);
        QCOMPARE(m.accesi(), QStringLiteral("1111111"));
        QVERIFY(m.colore(7, 12, Qt::red) && m.colore(1, 7.5, Qt::black));
        QVERIFY(p.dialoghi->Domande().isEmpty());
    }
};

QTEST_MAIN(TestAppGrafico)
#include "test_app_grafico.moc"
