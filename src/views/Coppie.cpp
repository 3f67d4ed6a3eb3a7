#include "Coppie.h"

#include "CoppieTesto.h"
#include "Disposizione.h"
#include "Funzioni.h"
#include "Griglie.h"
#include "MySource.h"
#include "SeparatoriLocale.h"
#include "Twips.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// The window as designed, in twips.
constexpr double Sinistra = 100, Alto = 100, Larghezza = 4300, Altezza = 3900;
constexpr double AltoGriglia = 480;

} // namespace

MisureGriglia MisureGrigliaCoppie(double larghezzaFinestra, double altezzaFinestra)
{
    MisureGriglia m;
    m.larghezza = std::max(0.0, larghezzaFinestra - 100);
    m.altezza = std::max(0.0, altezzaFinestra - 800);
    m.colonnaFissa = 300;
    m.colonnaDati = std::max(0.0, std::nearbyint((m.larghezza - 700) / 2));
    return m;
}

Coppie::Coppie(MySource& punti, Dialoghi& dialoghi, QMenu* menuModifica, QWidget* genitore)
    : QWidget(genitore), punti_(punti), dialoghi_(dialoghi), menuModifica_(menuModifica)
{
    setObjectName(QStringLiteral("Coppie"));
    setWindowTitle(QStringLiteral("Coppie X - Y"));

    auto etichetta = [this](const char* nome, const char* testo) {
        auto* l = new QLabel(QString::fromLatin1(testo), this);
        l->setObjectName(QString::fromLatin1(nome));
        return l;
    };
    auto casella = [this](const char* nome) {
        auto* c = new QLineEdit(this);
        c->setObjectName(QString::fromLatin1(nome));
        c->installEventFilter(this);
        return c;
    };
    Label1 = etichetta("Label1", "X:");
    Text1 = casella("Text1");
    Label2 = etichetta("Label2", "Y:");
    Text2 = casella("Text2");
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);

    DataGrid1 = new QTableWidget(1, 2, this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setAccessibleName(QStringLiteral("Coppie X - Y"));
    // The header row and the fixed first column stay empty.
    DataGrid1->setHorizontalHeaderLabels({QString(), QString()});
    DataGrid1->setVerticalHeaderItem(0, new QTableWidgetItem);
    DataGrid1->horizontalHeader()->setSectionsClickable(false);
    DataGrid1->verticalHeader()->setSectionsClickable(false);
    PreparaGriglia(DataGrid1);
    misura_ = std::make_unique<MisuraCelle>(DataGrid1);
    // Cells change only through the boxes and a paste.
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A block of cells can be selected, for copying.
    DataGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DataGrid1->installEventFilter(this);
    DataGrid1->viewport()->installEventFilter(this);
    connect(DataGrid1->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int colonna, int, int larghezza) {
        if (!disponendo_ && colonna >= 0 && colonna < 2)
            sceltaUtente_[colonna] = larghezza;
    });
    connect(DataGrid1, &QTableWidget::cellClicked, this, &Coppie::DataGrid1_Click);
    connect(DataGrid1, &QTableWidget::cellDoubleClicked, this, &Coppie::DataGrid1_DblClick);

    const double dpi = DpiLogicoSchermo();
    int basso = 0;
    for (const QRect& r : {PosizionaTwips(Label1, 240, 120, 0, 0, dpi), PosizionaTwips(Text1, 600, 120, 975, 285, dpi),
                           PosizionaTwips(Label2, 1680, 120, 0, 0, dpi), PosizionaTwips(Text2, 2040, 120, 975, 285, dpi)})
        basso = std::max(basso, r.bottom() + 1);
    // Below the boxes, also when a large font makes them taller than designed.
    altoGriglia_ = std::max(PixelDaTwips(AltoGriglia, dpi), basso + PixelDaTwips(60, dpi));
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, DataGrid1);
    Text1->setFocus();
}

Coppie::~Coppie() = default;

void Coppie::Form_Load()
{
    const double dpi = DpiLogicoSchermo();
    Cornice(this)->setGeometry(RettangoloDaTwips(Sinistra, Alto, Larghezza, Altezza, dpi));
    totaleRighe_ = 0;
    rigaCorrente_ = 0;
    inModifica_ = false;
    if (punti_.NumeroElementi() > 0)
        RiempiGriglia();
    Form_Resize();
}

void Coppie::RiempiGriglia()
{
    // One repaint for the whole grid, not one for each of up to 301 rows.
    DataGrid1->setUpdatesEnabled(false);
    ::RiempiGriglia(*this);
    DataGrid1->setUpdatesEnabled(true);
}

void Coppie::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    Form_Resize();
}

void Coppie::Form_Resize()
{
    const double dpi = DpiLogicoSchermo();
    const QSize esterna = Cornice(this)->size();
    const MisureGriglia m = MisureGrigliaCoppie(TwipsDaPixel(esterna.width(), dpi),
                                                TwipsDaPixel(esterna.height(), dpi));
    const int alto = altoGriglia_;
    // Within the window's own area whatever its frame takes.
    const int larghezza = std::min(PixelDaTwips(m.larghezza, dpi), width());
    const int altezza = std::clamp(PixelDaTwips(m.altezza, dpi), 0, std::max(0, height() - alto));
    DataGrid1->setGeometry(0, alto, larghezza, altezza);
    DataGrid1->verticalHeader()->setFixedWidth(PixelDaTwips(m.colonnaFissa, dpi));
    for (int c = 0; c < 2; ++c)
        ImpostaColonna(c, sceltaUtente_[c] > 0 ? sceltaUtente_[c] : PixelDaTwips(m.colonnaDati, dpi));
}

void Coppie::ImpostaColonna(int colonna, int larghezza)
{
    disponendo_ = true;
    DataGrid1->setColumnWidth(colonna, std::max(larghezza, contenuto_[colonna]));
    disponendo_ = false;
}

void Coppie::closeEvent(QCloseEvent* evento)
{
    evento->setAccepted(TrasferisciCoppie(*this, true));
}

void Coppie::ChiudiComunque()
{
    chiusuraForzata_ = true;
    Cornice(this)->close();
}

int Coppie::RigheDati() const
{
    return DataGrid1->rowCount();
}

QString Coppie::TestoCella(int riga, int colonna) const
{
    const QTableWidgetItem* cella = DataGrid1->item(riga - 1, colonna - 1);
    return cella ? cella->text() : QString();
}

void Coppie::ScriviCella(int riga, int colonna, const QString& testo)
{
    DataGrid1->setItem(riga - 1, colonna - 1, new QTableWidgetItem(testo));
    int& necessaria = contenuto_[colonna - 1];
    const int larghezza = misura_->Larghezza(testo);
    if (larghezza > necessaria) {
        necessaria = larghezza;
        if (larghezza > DataGrid1->columnWidth(colonna - 1))
            ImpostaColonna(colonna - 1, larghezza);
    }
}

void Coppie::AccodaRigaVuota()
{
    const int riga = DataGrid1->rowCount();
    DataGrid1->insertRow(riga);
    DataGrid1->setVerticalHeaderItem(riga, new QTableWidgetItem);
}

void Coppie::AggiungiCoppia(const QString& x, const QString& y)
{
    if (totaleRighe_ > 0)
        AccodaRigaVuota();
    ++totaleRighe_;
    rigaCorrente_ = totaleRighe_;
    ScriviCella(totaleRighe_, 1, x);
    ScriviCella(totaleRighe_, 2, y);
}

void Coppie::Incolla()
{
    const QString testo = QGuiApplication::clipboard()->text();
    if (!testo.isEmpty())
        Incolla(testo);
}

bool Coppie::Incolla(const QString& testo)
{
    const auto avvisa = [this](const QString& messaggio) {
        Avvisa(*this, messaggio);
        return false;
    };
    const std::string utf8 = testo.toStdString();
    const auto spazio = static_cast<size_t>(std::max(0, MySource::Capacita - totaleRighe_));
    LettoreCoppie lettore(RegolaAppunti(SeparatoriLocale()));
    std::vector<std::pair<QString, QString>> coppie;
    size_t trovate = 0;
    std::optional<LettoreCoppie::Intestazione> errata;
    PerRiga(utf8, [&](std::string_view riga) {
        switch (lettore.Leggi(riga)) {
        case LettoreCoppie::Esito::Saltata:
            break;
        case LettoreCoppie::Esito::NonCoppia:
            errata = LettoreCoppie::Intestazione{lettore.Riga(), std::string(riga)};
            return false;
        case LettoreCoppie::Esito::Coppia:
            // Counted to the end for the message, kept only while they fit.
            if (++trovate <= spazio)
                coppie.emplace_back(QString::fromUtf8(lettore.TestoX()), QString::fromUtf8(lettore.TestoY()));
            break;
        }
        return true;
    });
    // A header alone holds no pair: it is the line that is not one.
    if (!errata && trovate == 0)
        errata = lettore.IntestazioneSaltata();
    if (errata) {
        QString riga = QString::fromStdString(errata->testo).replace(u'\t', u' ');
        if (riga.size() > 40)
            riga = riga.left(40) + QStringLiteral("...");
        return avvisa(QStringLiteral("La riga %1 degli appunti non contiene una coppia di numeri: %2").arg(errata->riga).arg(riga));
    }
    if (trovate > spazio)
        return avvisa((trovate == 1 ? QStringLiteral("Gli appunti contengono 1 coppia")
                                    : QStringLiteral("Gli appunti contengono %1 coppie").arg(trovate))
                      + QStringLiteral(", ma la griglia può averne al massimo %1 e ne ha già %2: nessuna coppia è stata incollata")
                            .arg(MySource::Capacita)
                            .arg(totaleRighe_));
    DataGrid1->setUpdatesEnabled(false);
    for (const auto& [x, y] : coppie)
        AggiungiCoppia(x, y);
    DataGrid1->setUpdatesEnabled(true);
    DataGrid1->scrollToItem(DataGrid1->item(totaleRighe_ - 1, 0));
    return true;
}

void Coppie::Copia()
{
    const Separatori sep = SeparatoriLocale();
    CopiaCelle(DataGrid1, [&sep](const QString& testo) { return ValoreCella(testo, sep); });
}

void Coppie::ScriviCorrezione(QLineEdit* casella)
{
    const int riga = DataGrid1->currentRow();
    const int colonna = DataGrid1->currentColumn();
    if (riga >= 0 && colonna >= 0) {
        ScriviCella(riga + 1, colonna + 1, casella->text());
        // A value written into the single empty row makes it a pair, so that
        // the next transfer does not drop it.
        if (totaleRighe_ == 0 && !casella->text().isEmpty())
            totaleRighe_ = 1;
    }
    casella->clear();
    inModifica_ = false;
}

void Coppie::Text1_KeyPress(int tasto)
{
    if (tasto != Qt::Key_Return && tasto != Qt::Key_Enter)
        return;
    if (inModifica_)
        ScriviCorrezione(Text1);
    else
        Text2->setFocus();
}

void Coppie::Text2_KeyPress(int tasto)
{
    if (tasto != Qt::Key_Return && tasto != Qt::Key_Enter)
        return;
    if (inModifica_) {
        ScriviCorrezione(Text2);
        return;
    }
    AggiungiCoppia(Text1->text(), Text2->text());
    DataGrid1->scrollToItem(DataGrid1->item(totaleRighe_ - 1, 0));
    Text1->clear();
    Text2->clear();
    Text1->setFocus();
}

void Coppie::DataGrid1_Click()
{
    rigaCorrente_ = DataGrid1->currentRow() + 1;
}

void Coppie::DataGrid1_DblClick()
{
    inModifica_ = true;
    const int riga = DataGrid1->currentRow() + 1;
    switch (DataGrid1->currentColumn() + 1) {
    case 1:
        Text2->clear();
        Text1->setText(TestoCella(riga, 1));
        Text1->setFocus();
        break;
    case 2:
        Text1->clear();
        Text2->setText(TestoCella(riga, 2));
        Text2->setFocus();
        break;
    default:
        break;
    }
}

void Coppie::DataGrid1_MouseDown(Qt::MouseButton pulsante, const QPoint& posizioneGlobale)
{
    if (pulsante == Qt::RightButton)
        ApriMenu(posizioneGlobale);
}

void Coppie::ApriMenu(const QPoint& posizioneGlobale)
{
    if (menuModifica_)
        menuModifica_->popup(posizioneGlobale);
}

bool Coppie::DataGrid1_KeyDown(const QKeyEvent& tasto)
{
    const int k = tasto.key();
    const Qt::KeyboardModifiers m = tasto.modifiers() & ~Qt::KeypadModifier;
    const bool correggi = m == Qt::NoModifier && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_F2);
    const bool elimina = m == Qt::NoModifier && k == Qt::Key_Delete;
    const bool menu = (m == Qt::NoModifier && k == Qt::Key_Menu) || (m == Qt::ShiftModifier && k == Qt::Key_F10);
    const bool copia = tasto.matches(QKeySequence::Copy), incolla = tasto.matches(QKeySequence::Paste);
    if (!correggi && !elimina && !menu && !copia && !incolla)
        return false;
    if (tasto.type() == QEvent::KeyPress && (copia || incolla))
        copia ? Copia() : Incolla();
    if (tasto.type() != QEvent::KeyPress || copia || incolla || !DataGrid1->currentIndex().isValid())
        return true;
    // The key acts on the current row, as a click on it would.
    DataGrid1_Click();
    if (correggi) {
        DataGrid1_DblClick();
    } else if (elimina) {
        EliminaRiga();
    } else {
        const QRect cella = DataGrid1->visualRect(DataGrid1->currentIndex());
        ApriMenu(DataGrid1->viewport()->mapToGlobal(cella.bottomLeft()));
    }
    return true;
}

bool Coppie::eventFilter(QObject* oggetto, QEvent* evento)
{
    // The boxes' and the grid's keys come before any shortcut of the frame's window.
    if (oggetto == DataGrid1) {
        if ((evento->type() == QEvent::KeyPress || evento->type() == QEvent::ShortcutOverride)
            && DataGrid1_KeyDown(*static_cast<QKeyEvent*>(evento))) {
            evento->accept();
            return true;
        }
        // The platform may deliver the Menu key as a context menu event instead.
        if (evento->type() == QEvent::ContextMenu
            && static_cast<QContextMenuEvent*>(evento)->reason() == QContextMenuEvent::Keyboard) {
            const QKeyEvent menu(QEvent::KeyPress, Qt::Key_Menu, Qt::NoModifier);
            return DataGrid1_KeyDown(menu);
        }
    } else if ((evento->type() == QEvent::KeyPress || evento->type() == QEvent::ShortcutOverride)
               && (oggetto == Text1 || oggetto == Text2)) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            if (evento->type() == QEvent::KeyPress)
                oggetto == Text1 ? Text1_KeyPress(tasto) : Text2_KeyPress(tasto);
            evento->accept();
            return true;
        }
    } else if (oggetto == DataGrid1->viewport()
               && (evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::MouseButtonRelease
                   || evento->type() == QEvent::MouseButtonDblClick)) {
        // The right button opens the menu and leaves the current cell where
        // the last click put it: that is the row the menu deletes.
        auto* mouse = static_cast<QMouseEvent*>(evento);
        if (mouse->button() == Qt::RightButton) {
            if (evento->type() == QEvent::MouseButtonPress)
                DataGrid1_MouseDown(mouse->button(), mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

void Coppie::EliminaRiga()
{
    if (rigaCorrente_ < 1 || rigaCorrente_ > DataGrid1->rowCount())
        return;
    DataGrid1->setCurrentCell(rigaCorrente_ - 1, std::max(0, DataGrid1->currentColumn()));
    if (totaleRighe_ < 2) {
        ScriviCella(rigaCorrente_, 1, QString());
        ScriviCella(rigaCorrente_, 2, QString());
        totaleRighe_ = 0;
    } else {
        DataGrid1->removeRow(rigaCorrente_ - 1);
        --totaleRighe_;
    }
}
