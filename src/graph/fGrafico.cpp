#include "fGrafico.h"

#include "Disposizione.h"
#include "EseguiPasso.h"
#include "IconeStrumenti.h"
#include "SeparatoriLocale.h"
#include "StatoProgramma.h"
#include "SuperficieDisegno.h"
#include "Twips.h"

#include <QAction>
#include <QFontMetrics>
#include <QWindowStateChangeEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Design positions and sizes, twips.
constexpr double AltoGrafico = 720;
constexpr double SinistraGrafico = 720;
constexpr double AltezzaBarra = 660;

struct VocePulsante {
    const char* chiave;
    const char* suggerimento;
    Qt::Key tasto;
};
// Left to right.
constexpr VocePulsante Pulsanti[] = {
    {"Cancella", "Cancella grafico", Qt::Key_Delete},
    {"Tracciatore", "Abilita/disabilita il collimatore", Qt::Key_T},
    {"Disegna", "Disegna in scala 1:1", Qt::Key_D},
    {"ZoomArea", "Zoom", Qt::Key_Z},
    {"AggiungiParticolari", "Aggiiungi particolari al grafico", Qt::Key_P},
    {"Differenza", "Differenza tra 2 punti", Qt::Key_F},
    {"Griglia", "Aggiungi / togli griglia", Qt::Key_G},
};

// What Qt's own size hint puts around seventeen 'x' of a box.
int IntornoTesto(const QLineEdit& e)
{
    return e.sizeHint().width() - QFontMetrics(e.font()).horizontalAdvance(u'x') * 17;
}

}  // namespace

fGrafico::fGrafico(StatoGrafico& grafico, const StatoProgramma& programma, Dialoghi* dialoghi,
                   QWidget* parent)
    : QWidget(parent), grafico_(grafico), programma_(programma), dialoghi_(dialoghi)
{
    setObjectName(QStringLiteral("fGrafico"));
    setWindowTitle(QStringLiteral("Grafico"));
    CreaControlli();
    strumenti_ = std::make_unique<StrumentiGrafico>(
        grafico_, programma_, *Picture1, *this, [this] { DisegnaZoom(); });
}

fGrafico::~fGrafico() = default;

void fGrafico::CreaControlli()
{
    dpi_ = DpiLogicoSchermo();
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(16, 16));
    for (const VocePulsante& p : Pulsanti) {
        QAction* a = Toolbar1->addAction(IconaStrumento(QLatin1String(p.chiave)), QString::fromUtf8(p.suggerimento));
        a->setObjectName(QLatin1String(p.chiave));
        // Keys of this window only, wherever its focus is; a text box keeps
        // the printable keys and Delete for its own typing.
        a->setShortcut(QKeySequence(p.tasto));
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        a->setToolTip(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(p.suggerimento),
                                                     a->shortcut().toString(QKeySequence::NativeText)));
        addAction(a);
    }
    connect(Toolbar1, &QToolBar::actionTriggered, this, &fGrafico::Toolbar1_ButtonClick);

    auto superficie = [this](const char* nome, QPalette::ColorRole sfondo) {
        auto* s = new SuperficieDisegno(sfondo, this);
        s->setObjectName(QLatin1String(nome));
        return s;
    };
    // The plot shows the window-background colour, as a text box does.
    Picture1 = superficie("Picture1", QPalette::Base);
    PictValY = superficie("PictValY", QPalette::Window);
    PictValX = superficie("PictValX", QPalette::Window);
    Picture1->setGeometry(RettangoloDaTwips(SinistraGrafico, AltoGrafico, 6015, 4935, dpi_));
    PictValY->setGeometry(RettangoloDaTwips(0, AltoGrafico, LarghezzaValY, 4935, dpi_));
    PictValX->setGeometry(RettangoloDaTwips(SinistraGrafico, 5640, 6015, AltezzaValX, dpi_));
    // Made before the boxes, the plot comes first in the focus chain: it has
    // the keyboard when the window opens.
    Picture1->setFocusPolicy(Qt::StrongFocus);
    connect(Picture1, &SuperficieDisegno::MouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y) { Picture1_MouseMove(x, y); });
    connect(Picture1, &SuperficieDisegno::MouseDown, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, double x, double y) { Picture1_MouseDown(b, x, y); });
    connect(Picture1, &SuperficieDisegno::CursoreTastiera, this,
            [this](double x, double y) { EseguiPasso([&] { strumenti_->MostraCursore(x, y); }); });
    // Esc leaves the tool as "Disegna" does, but keeps the picture.
    connect(Picture1, &SuperficieDisegno::Esci, this,
            [this] { EseguiPasso([this] { strumenti_->AzzeraStrumenti(ModoStrumento::Nessuno); }); });

    auto cornice = [this](const char* nome, double l, double t, double w, double h) {
        auto* f = new QFrame(this);
        f->setObjectName(QLatin1String(nome));
        f->setFrameShape(QFrame::Box);
        f->setGeometry(RettangoloDaTwips(l, t, w, h, dpi_));
        return f;
    };
    Shape1 = cornice("Shape1", 7080, 840, 1575, 1095);
    Shape2 = cornice("Shape2", 7080, 2280, 2655, 1575);

    // Each box is its label's buddy, so that a screen reader names it.
    auto coppia = [this](const char* etichetta, const char* testo, const char* casella, const char* iniziale,
                         double l, double t, double larghezza) {
        auto* lab = new QLabel(QLatin1String(testo), this);
        lab->setObjectName(QLatin1String(etichetta));
        PosizionaTwips(lab, l, t, 495, 255, dpi_);
        auto* box = new QLineEdit(QLatin1String(iniziale), this);
        box->setObjectName(QLatin1String(casella));
        PosizionaTwips(box, l + 480, t, larghezza, 285, dpi_);
        lab->setBuddy(box);
        return std::pair{lab, box};
    };
    std::tie(Label1, Text1) = coppia("Label1", "X", "Text1", "", 7200, 960, 855);
    std::tie(Label2, Text2) = coppia("Label2", "Y", "Text2", "", 7200, 1440, 855);
    std::tie(Label3, DiffX1) = coppia("Label3", "X1", "DiffX1", "0", 7200, 2400, 615);
    std::tie(Label6, DiffY1) = coppia("Label6", "Y1", "DiffY1", "0", 8400, 2400, 615);
    std::tie(Label4, DiffX2) = coppia("Label4", "X2", "DiffX2", "0", 7200, 2880, 615);
    std::tie(Label5, DiffY2) = coppia("Label5", "Y2", "DiffY2", "0", 8400, 2880, 615);
    std::tie(Label7, DiffX) = coppia("Label7", "DX", "DiffX", "0", 7200, 3360, 615);
    std::tie(Label8, DiffY) = coppia("Label8", "DY", "DiffY", "0", 8400, 3360, 615);
    for (size_t i = 0; i < necessarie_.size(); ++i)
        connect(Caselle()[i], &QLineEdit::textChanged, this, [this, i] { CasellaCambiata(i); });
}

void fGrafico::Form_Load()
{
    caricato_ = false;
    AbilitaPulsanti(false, false, false);
    // In the frame's area the window, frame included, covers the whole client
    // area from its top-left corner. The size changes made here only lay out.
    auto* cornice = qobject_cast<QMdiSubWindow*>(Cornice(this));
    if (cornice && cornice->mdiArea()) {
        cornice->setGeometry(QRect(QPoint(0, 0), cornice->mdiArea()->viewport()->size()));
        // The frame hands its new size to the window now, not only once shown.
        if (QLayout* l = cornice->layout())
            l->activate();
    } else {
        resize(PixelDaTwips(10155, dpi_), PixelDaTwips(5970, dpi_));
    }
    Form_Resize();
    strumenti_->Fase = FaseStrumento::Inattiva;
    caricato_ = true;
}

bool fGrafico::Minimizzata() const
{
    return isMinimized() || (parentWidget() && parentWidget()->isMinimized());
}

void fGrafico::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    EseguiPasso([this] { Form_Resize(); });
}

void fGrafico::changeEvent(QEvent* evento)
{
    QWidget::changeEvent(evento);
    // Restoring a minimised window lays it out and redraws even when its size is unchanged.
    if (evento->type() == QEvent::WindowStateChange
        && (static_cast<QWindowStateChangeEvent*>(evento)->oldState() & Qt::WindowMinimized) && !Minimizzata())
        EseguiPasso([this] { Form_Resize(); });
    // Another font measures the labels and the boxes anew.
    if (evento->type() == QEvent::FontChange && caricato_) {
        etichetteValY_.clear();
        EseguiPasso([this] { Form_Resize(); });
    }
}

void fGrafico::Form_Resize()
{
    if (Minimizzata())
        return;
    const double W = TwipsDaPixel(width(), dpi_);
    const double H = TwipsDaPixel(height(), dpi_);
    auto pixel = [this](double twips) { return PixelDaTwips(twips, dpi_); };

    Toolbar1->setGeometry(0, 0, width(), std::max(pixel(AltezzaBarra), Toolbar1->sizeHint().height()));
    // Below the margins' size the plot keeps a size of zero.
    larghezzaGrafico_ = std::max(0.0, W - 3500);
    altezzaGrafico_ = std::max(0.0, H - 2000);
    DisponiGrafico();
    intorno_ = IntornoTesto(*Text1);
    misuraCaselle_ = MisuraTesto(Text1->font());
    for (size_t i = 0; i < necessarie_.size(); ++i)
        necessarie_[i] = Necessaria(*Caselle()[i]);
    DisponiCaselle();
    if (caricato_)
        Ridisegna();
}

void fGrafico::DisponiGrafico()
{
    auto pixel = [this](double twips) { return PixelDaTwips(twips, dpi_); };
    const int sinistra = pixel(SinistraGrafico) + allargamentoValY_;
    const int larghezza = std::max(0, pixel(larghezzaGrafico_) - allargamentoValY_);
    Picture1->setGeometry(sinistra, pixel(AltoGrafico), larghezza, pixel(altezzaGrafico_));
    PictValX->setGeometry(sinistra, pixel(AltoGrafico + altezzaGrafico_), larghezza, pixel(AltezzaValX));
    PictValY->setGeometry(0, pixel(AltoGrafico), pixel(LarghezzaValY) + allargamentoValY_, pixel(altezzaGrafico_));
}

void fGrafico::AllargaValY(double yDa, double yA)
{
    // The Y strip as wide as its widest label, so that no label is cut; the
    // plot gives up what the strip takes.
    const QStringList etichette = EtichetteY(yDa, yA, SeparatoriLocale());
    if (etichette == etichetteValY_)  // a redraw of the same data measures nothing
        return;
    etichetteValY_ = etichette;
    const int allargamento = LarghezzaStrisciaY(*PictValY, etichette, dpi_) - PixelDaTwips(LarghezzaValY, dpi_);
    if (allargamento != allargamentoValY_) {
        allargamentoValY_ = allargamento;
        DisponiGrafico();
    }
}

std::array<QLineEdit*, 8> fGrafico::Caselle() const
{
    return {Text1, Text2, DiffX1, DiffY1, DiffX2, DiffY2, DiffX, DiffY};
}

int fGrafico::Necessaria(const QLineEdit& e)
{
    // The text and the cursor after it, measured at every move of the mouse;
    // a pixel more for the kerning MisuraTesto leaves out.
    return intorno_ + static_cast<int>(std::ceil(misuraCaselle_.Larghezza(e.text()))) + 2;
}

void fGrafico::CasellaCambiata(size_t i)
{
    // A text as wide as the one before leaves the layout as it is: the
    // tracker writes two boxes at every move of the mouse.
    const int n = Necessaria(*Caselle()[i]);
    if (n != necessarie_[i]) {
        necessarie_[i] = n;
        DisponiCaselle();
    } else {
        MostraInizio(*Caselle()[i], n);
    }
}

void fGrafico::MostraInizio(QLineEdit& e, int necessaria)
{
    // A text still too long for its box shows its leading digits, and whole in the tooltip.
    const bool lunga = necessaria > e.width();
    const QString suggerimento = lunga ? e.text() : QString();
    if (e.toolTip() != suggerimento)
        e.setToolTip(suggerimento);
    if (lunga && !e.hasFocus())
        e.setCursorPosition(0);
}

void fGrafico::DisponiCaselle()
{
    auto pixel = [this](double twips) { return PixelDaTwips(twips, dpi_); };
    auto metti = [](QWidget* w, int sinistra, int alto, int larghezza, int altezza) {
        const QRect r(sinistra, alto, larghezza, altezza);
        if (w->geometry() != r)
            w->setGeometry(r);
    };
    auto necessaria = [this](size_t da, size_t a) {
        return *std::max_element(necessarie_.begin() + static_cast<std::ptrdiff_t>(da),
                                 necessarie_.begin() + static_cast<std::ptrdiff_t>(a));
    };
    // The boxes grow to their texts, their design widths at least, as far as
    // the window reaches; the frames widen with them.
    const double s1Sinistra = larghezzaGrafico_ + 850;
    const int spazio = width() - pixel(s1Sinistra);
    const int sinistra = pixel(s1Sinistra);

    const double s1Alto = AltoGrafico;
    const int lettura = std::max(pixel(855), std::min(necessaria(0, 2), spazio - pixel(1575 - 855)));
    metti(Shape1, sinistra, pixel(s1Alto), pixel(1575) + lettura - pixel(855), Shape1->height());
    const double l1Alto = s1Alto + 300;
    metti(Label1, pixel(s1Sinistra + 150), pixel(l1Alto), Label1->width(), Label1->height());
    metti(Label2, pixel(s1Sinistra + 150), pixel(l1Alto + 800), Label2->width(), Label2->height());
    metti(Text1, pixel(s1Sinistra + 500), pixel(l1Alto), lettura, Text1->height());
    metti(Text2, pixel(s1Sinistra + 500), pixel(l1Alto + 800), lettura, Text2->height());

    // The difference group in its two columns while its texts fit them; else
    // in one, X1, Y1, X2, Y2 in the frame and DX, DY below it, as wide as the
    // window lets it be and within the window's design height.
    const double s2Alto = s1Alto + 2500;
    const std::pair<QLabel*, QLineEdit*> gruppo[6] = {{Label3, DiffX1}, {Label6, DiffY1}, {Label4, DiffX2},
                                                      {Label5, DiffY2}, {Label7, DiffX},  {Label8, DiffY}};
    const int larghezza = necessaria(2, 8);
    const bool dueColonne = larghezza <= pixel(615);
    const int casella = dueColonne ? pixel(615) : std::max(pixel(615), std::min(larghezza, spazio - pixel(600 + 150)));
    for (int i = 0; i < 6; ++i) {
        const double alto = dueColonne ? s2Alto + 300 + 800 * (i / 2) : s2Alto + 300 + 360 * i + (i >= 4 ? 260 : 0);
        const double l = s1Sinistra + 150 + (dueColonne ? 1200 * (i % 2) : 0);
        QLabel* etichetta = gruppo[i].first;
        metti(etichetta, pixel(l), pixel(alto), etichetta->width(), etichetta->height());
        metti(gruppo[i].second, pixel(l + 450), pixel(alto), casella, gruppo[i].second->height());
    }
    metti(Shape2, sinistra, pixel(s2Alto), dueColonne ? pixel(2655) : pixel(600 + 150) + casella,
          pixel(dueColonne ? 1575 : 1800));

    for (size_t i = 0; i < necessarie_.size(); ++i)
        MostraInizio(*Caselle()[i], necessarie_[i]);
}

ContestoGrafico fGrafico::Contesto()
{
    return {grafico_, *Picture1, *PictValX, *PictValY, SeparatoriLocale()};
}

void fGrafico::AbilitaPulsanti(bool tracciatore, bool zoom, bool cancella)
{
    Pulsante(QStringLiteral("Tracciatore"))->setEnabled(tracciatore);
    Pulsante(QStringLiteral("ZoomArea"))->setEnabled(zoom);
    Pulsante(QStringLiteral("Cancella"))->setEnabled(cancella);
}

QAction* fGrafico::Pulsante(const QString& chiave) const
{
    return Toolbar1->findChild<QAction*>(chiave, Qt::FindDirectChildrenOnly);
}

void fGrafico::ConsolidaSuperfici()
{
    Picture1->Consolida();
    PictValX->Consolida();
    PictValY->Consolida();
}

void fGrafico::DisegnaGrafico()
{
    CancellaGrafico();
    const Polinomio* pol = PolinomioAdattato(programma_.polinomio.get());
    FinestraCompleta(grafico_, *programma_.terne, pol);
    grafico_.GraficoZoommato = false;
    AllargaValY(grafico_.YMin, grafico_.YMax);
    ContestoGrafico c = Contesto();
    ImpostaScala(c);
    // The view's edges: the data window with its margins, within the double range.
    const double da = grafico_.VistaSinistra();
    const double a = grafico_.VistaDestra();
    DisegnaPunti(c, *programma_.terne, da, a, grafico_.YMin, grafico_.YMax);
    if (pol)
        DisegnaCurva(c, *pol, da, a);
    ConsolidaSuperfici();
    AbilitaPulsanti(true, true, true);
    Picture1->AbilitaMouse(true);
}

void fGrafico::DisegnaZoom()
{
    StrumentiGrafico& s = *strumenti_;
    if (s.Angolo1X > s.Angolo2X)
        std::swap(s.Angolo1X, s.Angolo2X);
    if (s.Angolo1Y > s.Angolo2Y)
        std::swap(s.Angolo1Y, s.Angolo2Y);
    grafico_.XMax = s.Angolo2X;
    grafico_.XMin = s.Angolo1X;
    grafico_.YMax = s.Angolo2Y;
    grafico_.YMin = s.Angolo1Y;
    // Two clicks on one spot pick an empty rectangle.
    AllargaIntervallo(grafico_.XMin, grafico_.XMax);
    AllargaIntervallo(grafico_.YMin, grafico_.YMax);
    CalcolaScale(grafico_);
    grafico_.GraficoZoommato = true;
    CancellaGrafico();
    AllargaValY(grafico_.YMin, grafico_.YMax);
    ContestoGrafico c = Contesto();
    ImpostaScala(c);
    DisegnaPunti(c, *programma_.terne, grafico_.XMin, grafico_.XMax, grafico_.YMin, grafico_.YMax);
    if (const Polinomio* pol = PolinomioAdattato(programma_.polinomio.get()))
        DisegnaCurva(c, *pol, grafico_.XMin, grafico_.XMax);
    ConsolidaSuperfici();
    AbilitaPulsanti(true, false, true);
    Picture1->AbilitaMouse(true);
}

void fGrafico::Ridisegna()
{
    if (grafico_.GraficoZoommato) {
        StrumentiGrafico& s = *strumenti_;
        s.Angolo1X = grafico_.VistaSinistra();
        s.Angolo1Y = grafico_.VistaAlto();
        s.Angolo2X = grafico_.VistaDestra();
        s.Angolo2Y = grafico_.VistaBasso();
        DisegnaZoom();
    } else {
        DisegnaGrafico();
    }
}

void fGrafico::CancellaGrafico()
{
    Picture1->AbilitaMouse(false);
    Picture1->Cancella();
    PictValX->Cancella();
    PictValY->Cancella();
    Picture1->ColoreDisegno = Qt::black;
    AbilitaPulsanti(false, false, false);
}

void fGrafico::ControlloParticolari()
{
    EseguiPasso([this] { Ridisegna(); });
}

QImage fGrafico::ImmaginePicture1() const
{
    return Picture1->Sfondo();
}

QImage fGrafico::ImmagineStampa()
{
    Picture1->Consolida();
    const SuperficieDisegno* superfici[] = {PictValY, Picture1, PictValX};
    QRect area;
    for (const SuperficieDisegno* s : superfici)
        area |= s->geometry();
    const qreal rapporto = Picture1->Sfondo().isNull() ? devicePixelRatioF() : Picture1->Sfondo().devicePixelRatio();
    QImage immagine((QSizeF(area.size()) * rapporto).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    immagine.setDevicePixelRatio(rapporto);
    immagine.fill(palette().color(QPalette::Window));
    QPainter p(&immagine);
    for (const SuperficieDisegno* s : superfici) {
        const QImage sfondo = s->Sfondo();
        if (!sfondo.isNull() && !s->size().isEmpty())
            p.drawImage(QRectF(s->geometry().translated(-area.topLeft())), sfondo);
    }
    return immagine;
}

void fGrafico::Toolbar1_ButtonClick(QAction* pulsante)
{
    if (!pulsante)
        return;
    const QString chiave = pulsante->objectName();
    StrumentiGrafico& s = *strumenti_;
    // Each step on its own: one that fails is skipped and the next one runs.
    if (chiave == QLatin1String("Cancella")) {
        EseguiPasso([&] { CancellaGrafico(); });
    } else if (chiave == QLatin1String("Disegna")) {
        EseguiPasso([&] { s.AzzeraStrumenti(ModoStrumento::Nessuno); });
        EseguiPasso([&] { DisegnaGrafico(); });
    } else if (chiave == QLatin1String("Tracciatore")) {
        EseguiPasso([&] { s.AzzeraStrumenti(ModoStrumento::Collimatore); });
        EseguiPasso([&] { s.CambiaCollimatore(); });
    } else if (chiave == QLatin1String("ZoomArea")) {
        EseguiPasso([&] { Picture1->Pulisci(); });
        // Every tool off, a zoom already picking too: this one starts afresh.
        EseguiPasso([&] { s.AzzeraStrumenti(ModoStrumento::Nessuno); });
        s.Fase = FaseStrumento::PrimoClic;
        grafico_.Strumento = ModoStrumento::ZoomRettangolo;
    } else if (chiave == QLatin1String("Differenza")) {
        EseguiPasso([&] { s.AzzeraStrumenti(ModoStrumento::CollimatoreDifferenza); });
        s.Fase = FaseStrumento::PrimoClic;
        EseguiPasso([&] { Ridisegna(); });
        EseguiPasso([&] { s.CambiaDifferenza(); });
    } else if (chiave == QLatin1String("Griglia")) {
        grafico_.Particolari = static_cast<int16_t>(grafico_.Particolari & ParticolareGriglia
                                                        ? grafico_.Particolari - ParticolareGriglia
                                                        : grafico_.Particolari + ParticolareGriglia);
        EseguiPasso([&] { Ridisegna(); });
    }
    // "AggiungiParticolari" offers nothing yet.
}

void fGrafico::Picture1_MouseMove(double X, double Y)
{
    EseguiPasso([&] { strumenti_->MouseMove(X, Y); });
}

void fGrafico::Picture1_MouseDown(Qt::MouseButton pulsante, double X, double Y)
{
    EseguiPasso([&] { strumenti_->MouseDown(pulsante, X, Y); });
}
