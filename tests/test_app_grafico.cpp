// A person's session with the graph through the real frame, every tool used by real
// mouse events, checked on the readouts, the state and the pixels.
#include "test_app_supporto.h"
#include "test_grafico_supporto.h"

#include "Disposizione.h"

#include <QMdiArea>

class TestAppGrafico : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // "Esempio", degree 2, "Calcolo", "Tabella", "Grafico", a zoom, a second
    // "Grafico", a difference, the grid, "Cancella", "Disegna", a zoom picked from its other corner.
    void dacapoAFondo()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        p.premi("Esempio");
        QTest::keyClicks(f.GradoPolinomio, QStringLiteral("2"));
        p.premi("Calcolo");
        p.premi("Tabella");
        f.activateWindow();  // the fit's progress window took it
        QVERIFY(QTest::qWaitForWindowActive(&f));
        p.premi("Grafico");
        auto designato = [&p] { return qobject_cast<fGrafico*>(p.programma->Stato().fGrafico.data()); };
        const QRect area(QPoint(), f.AreaFigli()->viewport()->size());
        fGrafico* w = designato();
        QVERIFY(w && Cornice(w)->isVisible() && Cornice(w)->geometry() == area);
        const StatoGrafico& g = p.programma->Stato().grafico;
        Mano m{w, &g};
        QVERIFY(m.accesi() == "1111111" && g.ScalaX() == 8.0 && m.colore(7, 12, Qt::red));
        QCOMPARE(QApplication::focusWidget(), w->Picture1);  // the keys reach the plot at once

        // A zoom: right and middle presses do nothing, the rubber band follows the mouse;
        // the rectangle shown without margins, no zoom within it, kept across a resize.
        auto sulloZoom = [&g] {
            return std::max({std::abs(g.XMin - 2), std::abs(g.XMax - 6), std::abs(g.YMin - 4), std::abs(g.YMax - 10)}) < 0.04;
        };
        m.premi("ZoomArea");
        m.clicca(2, 10, Qt::RightButton);
        m.clicca(2, 10, Qt::MiddleButton);
        QVERIFY(w->Strumenti().Fase == FaseStrumento::PrimoClic);
        m.clicca(2, 10);
        m.muovi(6, 4);
        QVERIFY(m.colore(4, 4, Qt::black) && std::abs(Numero(w->Text2->text()) - 4) < 0.04);
        m.clicca(6, 4);
        QVERIFY(g.GraficoZoommato && g.Strumento == ModoStrumento::Nessuno && w->Strumenti().Fase == FaseStrumento::Inattiva);
        QVERIFY(sulloZoom() && g.VistaSinistra() == g.XMin);
        QCOMPARE(m.accesi(), QStringLiteral("1110111"));
        const double xMin = g.XMin;
        Cornice(w)->resize(Cornice(w)->size() - QSize(40, 30));
        QVERIFY(g.GraficoZoommato && std::abs(g.XMin - xMin) < 1e-4 && m.colore(4, 5, Qt::red));

        // One more window over the client area, titled with the degree text as it now
        // stands: the designated one, on the same zoom. The session goes on there.
        f.GradoPolinomio->setText(QStringLiteral("abc"));
        p.premi("Grafico");
        m.fin = designato();
        QVERIFY(m.fin != w && Cornice(w)->isVisible() && f.findChildren<fGrafico*>().size() == 2);
        QCOMPARE(w->windowTitle() + u'|' + m.fin->windowTitle(), QStringLiteral("Grado: 2|Grado: abc"));
        w = m.fin;
        QVERIFY(Cornice(w)->geometry() == area && g.GraficoZoommato && std::abs(g.XMin - xMin) < 1e-4);
        QVERIFY(m.accesi() == "1110111" && m.colore(4, 5, Qt::red) && !m.colore(7, 12, Qt::red));
        const QImage zoomata = w->Picture1->Immagine();

        // The difference: the first point snaps to the nearest data point, the
        // second follows the curve; each cross-hair kept on the picture.
        // Its key, with two graph windows open: only the one that has the focus takes it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F);
        m.muovi(3.2, 9);
        QCOMPARE(m.differenze(), QStringLiteral("3|4|0|0|-3|-4"));
        m.clicca(3.2, 9);
        m.muovi(5, 9);
        // A box typed into by hand: its difference is empty, the other stands.
        w->DiffX1->setText(QStringLiteral("abc"));
        m.muovi(5.1, 9);
        QVERIFY(w->DiffX->text().isEmpty() && !w->DiffY->text().isEmpty());
        m.clicca(5.1, 9);
        QVERIFY(g.Strumento == ModoStrumento::Nessuno && w->Strumenti().Fase == FaseStrumento::Inattiva && w->Picture1->ColoreDisegno == Qt::black);
        const QImage fissata = w->ImmaginePicture1();
        QVERIFY(ColoreIn(fissata, m.pixel(3, 9), Qt::red) && ColoreIn(fissata, m.pixel(5.1, 9), Qt::green));
        m.premi("Differenza");
        m.premi("Differenza");
        QVERIFY(g.Strumento == ModoStrumento::Nessuno);  // twice: off

        // The grid of the zoomed region through its labels; pressed again, the picture as it was.
        m.premi("Griglia");
        QVERIFY(g.Particolari == 2 && m.colore(2.4, 7.5, Qt::black) && m.colore(3, 8.5, Qt::black));
        m.premi("Griglia");
        QVERIFY(g.Particolari == 0 && w->Picture1->Immagine() == zoomata);

        // "Cancella": the plot ignores the mouse, three buttons off until the next drawing.
        m.premi("Tracciatore");
        const QString lettura = w->Text1->text();
        m.premi("Cancella");
        QVERIFY(m.accesi() == "0010111" && !w->Picture1->MouseAbilitato() && w->ImmaginePicture1().isNull());
        m.muovi(4, 5);
        QCOMPARE(w->Text1->text(), lettura);

        // "Disegna": the whole data at 1:1 again, every tool off.
        m.premi("Disegna");
        QVERIFY(!g.GraficoZoommato && g.Strumento == ModoStrumento::Nessuno && g.XMin == 1 && g.XMax == 9 && g.ScalaX() == 8.0);
        QVERIFY(m.accesi() == "1111111" && m.colore(7, 12, Qt::red));
        m.premi("ZoomArea");
        m.clicca(6, 4);
        m.clicca(2, 10);
        QVERIFY(sulloZoom());
    }
};

QTEST_MAIN(TestAppGrafico)
#include "test_app_grafico.moc"
