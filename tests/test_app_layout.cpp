// Nothing clipped or overlapping at 96 DPI and at 144 DPI (twips at 10 a
// pixel, fonts half again as large, as a 150% Windows desktop draws them).
#include "test_app_supporto.h"

#include "Disposizione.h"
#include "frmOptions.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Whole texts (wrapped labels tall enough, other controls large enough) and
// inside their parent unless `soloSeparati`; apart from each other.
void Controlla(const QList<QWidget*>& fratelli, bool soloSeparati = false)
{
    for (int i = 0; i < fratelli.size(); ++i) {
        const QWidget* w = fratelli[i];
        const QByteArray nome = w->objectName().isEmpty() ? QByteArray(w->metaObject()->className()) : w->objectName().toUtf8();
        const auto* etichetta = qobject_cast<const QLabel*>(w);
        const QSize necessaria = etichetta && etichetta->wordWrap() ? QSize(0, etichetta->heightForWidth(w->width()))
                                                                    : DimensioneNecessaria(w);
        QVERIFY2(soloSeparati || (w->width() >= necessaria.width() && w->height() >= necessaria.height()), nome);
        QVERIFY2(soloSeparati || w->parentWidget()->rect().contains(w->geometry()), nome);
        for (int j = i + 1; j < fratelli.size(); ++j)
            QVERIFY2(!w->geometry().intersects(fratelli[j]->geometry()), nome + " / " + fratelli[j]->objectName().toUtf8());
    }
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

    QFont fontDiSistema_;

    double Prepara()
    {
        QFETCH_GLOBAL(double, dpi);
        QFont f = fontDiSistema_;
        f.setPointSizeF(fontDiSistema_.pointSizeF() * dpi / 96.0);
        QApplication::setFont(f);
        return dpi;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        fontDiSistema_ = QApplication::font();
    }
    void cleanup() { QApplication::setFont(fontDiSistema_); }

    void initTestCase_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::newRow("96 DPI") << 96.0;
        QTest::newRow("144 DPI") << 144.0;
    }

    // The frame, the pairs window and a results table as the commands open
    // them, and the options dialog.
    void finestre()
    {
        const double dpi = Prepara();
        ProgrammaDiProva p;
        frmMain& f = p.f();
        f.DisponiControlli(dpi);
        QCoreApplication::processEvents();  // the frame's layouts follow
        Controlla({f.Label1, f.GradoPolinomio});
        for (QAction* a : f.tbToolBar->actions())
            if (!a->isSeparator())
                Controlla({f.tbToolBar->widgetForAction(a)});
        p.esempioCalcolato(QStringLiteral("1"));
        p.premi("Tabella");
        Coppie* c = p.coppie();
        Controlla({c->Label1, c->Text1, c->Label2, c->Text2});
        Controlla({c->Text1, c->Text2, c->DataGrid1}, true);
        QVERIFY(c->rect().contains(c->DataGrid1->geometry()));
        Tabella* t = p.tabella();
        Controlla(QList<QWidget*>{t->Label3, t->LCoeff, t->Lterne, t->DataCoeff, t->DataTerna, t->LBonta, t->GradiF}
                  + QList<QWidget*>(t->NomiBonta.begin(), t->NomiBonta.end()) + QList<QWidget*>(t->ValoriBonta.begin(), t->ValoriBonta.end()));
        QVERIFY(t->rect().contains(t->DataTerna->geometry()));

        std::string intestazione = "Intestazione di prova";
        frmOptions d(intestazione, nullptr);
        d.DisponiControlli(dpi);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Controlla({d.tbsOptions, d.cmdOK, d.cmdCancel});
        Controlla({d.picOptions[0], d.cmdOK, d.cmdCancel}, true);
        Controlla({d.fraSample1});
        Controlla({d.Label1, d.TIntestUtente});
        // On the tab strip's page, below its tabs.
        const QRect schede = d.tbsOptions->geometry();
        QVERIFY(schede.contains(d.picOptions[0]->geometry()));
        QVERIFY(d.picOptions[0]->y() >= schede.top() + d.tbsOptions->tabBar()->height());
    }
};

QTEST_MAIN(TestLayout)
#include "test_app_layout.moc"
