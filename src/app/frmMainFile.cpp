// The File commands: open and save the data file, the two exports, printing.
#include "frmMain.h"

#include "Coppie.h"
#include "Costanti.h"
#include "Dialoghi.h"
#include "Disposizione.h"
#include "EseguiPasso.h"
#include "Esportazione.h"
#include "FileDati.h"
#include "ScritturaSicura.h"
#include "SeparatoriLocale.h"
#include "StampanteQt.h"
#include "Tabella.h"
#include "Tabulati.h"
#include "fGrafico.h"
#include "frmStampa.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>

#include <filesystem>
#include <stdexcept>

namespace {

const QString FiltroDati = QStringLiteral("Accumulatore (*.cv)|*.cv| Tutti i file (*.*)|*.* ");
const QString FiltroTesto = QStringLiteral("Testo (*.txt)|*.txt| Tutti i file (*.*)|*.* ");
const QString FiltroBitmap = QStringLiteral("Bitmap (*.bmp)|*.bmp| Tutti i file (*.*)|*.* ");

// Runs a read or a write; its failure, an Italian message, goes to the message
// box. Returns whether it succeeded.
template <typename Azione>
bool ConMessaggio(Dialoghi& dialoghi, Azione&& azione)
{
    try {
        azione();
        return true;
    } catch (const std::runtime_error& e) {
        dialoghi.Messaggio(QString::fromStdString(e.what()), QString::fromUtf8(TitoloApplicazione),
                           PulsantiMessaggio::Ok, IconaMessaggio::Esclamazione);
        return false;
    }
}

QWidget* FiglioAttivo(const QMdiArea* area)
{
    // currentSubWindow, not activeSubWindow: it holds while a dialog has the focus.
    const QMdiSubWindow* s = area->currentSubWindow();
    return s ? s->widget() : nullptr;
}

std::filesystem::path PercorsoFile(const QString& percorso)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(percorso.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(percorso).toStdString());
#endif
}

ContenutoStampa Contenuto(const StatoProgramma& stato, const QLineEdit* grado)
{
    return ContenutoDa(stato, grado->text().toStdString(), SeparatoriLocale());
}

} // namespace

QString frmMain::NomeFile(bool salva, const QString& titolo, const QString& filtro)
{
    const QString nome = salva ? dialoghi_->NomeFileSalva(titolo, filtro, nomeDialogoFile_)
                               : dialoghi_->NomeFileApri(titolo, filtro, nomeDialogoFile_);
    if (!nome.isEmpty())
        nomeDialogoFile_ = nome;
    return nome;
}

void frmMain::SalvaConNome(const QString& filtro, const std::function<void(const QString&)>& scrivi)
{
    const QString percorso = NomeFile(true, QStringLiteral("Salva con nome"), filtro);
    if (percorso.isEmpty())
        return;
    // A caption names a file that exists: it is set only once the write succeeded.
    const QPointer<QWidget> attiva = FiglioAttivo(mdiArea_);
    if (ConMessaggio(*dialoghi_, [&] { scrivi(percorso); }) && attiva)
        attiva->setWindowTitle(QDir::toNativeSeparators(percorso));
}

void frmMain::mnuFileSave_Click()
{
    mnuFileSaveAs_Click();
}

void frmMain::mnuFileSaveAs_Click()
{
    SalvaConNome(FiltroDati, [this](const QString& percorso) {
        // A run that ended early leaves a polynomial without coefficients:
        // its P and C would be zeros, not a fit.
        const Polinomio* p = stato_.programma.polinomio.get();
        if (p && p->NumeroElementi() == 0)
            throw std::runtime_error(QStringLiteral("Impossibile salvare il file \"%1\": l'ultimo calcolo non ha "
                                                    "prodotto nessun polinomio. Ripetere \"Calcolo\" con un grado "
                                                    "valido.")
                                         .arg(QDir::toNativeSeparators(percorso))
                                         .toStdString());
        SalvaFileDatiSicuro(stato_.programma, percorso);
    });
}

void frmMain::mnuFileOpen_Click()
{
    // Whatever the answer to New: declined, the file's points go behind the current ones.
    mnuFileNew_Click();
    const QString percorso = NomeFile(false, QStringLiteral("Apri"), FiltroDati);
    if (percorso.isEmpty())
        return;
    AzzeraZoom();  // even a file read in part changed the data
    ConMessaggio(*dialoghi_, [&] {
        CaricaFileDati(stato_.programma.punti, PercorsoFile(percorso), SeparatoriLocale(),
                       [this](const std::string& testo) { GradoPolinomio->setText(QString::fromStdString(testo)); });
    });
}

void frmMain::mnuFileEsporta_Click()
{
    SalvaConNome(FiltroTesto, [this](const QString& percorso) {
        EsportaTesto(*stato_.registro, percorso, SeparatoriLocale());
    });
}

void frmMain::mnuFileEsportaGrafico_Click()
{
    SalvaConNome(FiltroBitmap, [this](const QString& percorso) {
        QImage immagine;  // none: no graph window is open
        if (auto* grafico = qobject_cast<fGrafico*>(stato_.fGrafico.data())) {
            QWidget* cornice = Cornice(grafico);
            cornice->show();
            cornice->raise();
            if (auto* s = qobject_cast<QMdiSubWindow*>(cornice))
                mdiArea_->setActiveSubWindow(s);
            // What it shows as of its last complete drawing.
            immagine = grafico->ImmaginePicture1();
        }
        EsportaBitmap(immagine, percorso);
    });
}

void frmMain::mnuFilePrint_Click()
{
    // Every step may fail without a word; the command goes on with the next.
    const QPointer<QWidget> figlio = FiglioAttivo(mdiArea_);
    if (!figlio)
        return;
    if (qobject_cast<Tabella*>(figlio)) {
        EseguiPasso([this] {
            for (frmStampa* aperta : findChildren<frmStampa*>(QString(), Qt::FindDirectChildrenOnly))
                if (aperta->isVisible()) {
                    aperta->raise();
                    aperta->activateWindow();
                    return;
                }
            (new frmStampa(*dialoghi_, Printer(), [this](std::array<bool, 4> scelti) { StampaListati(scelti); }, this))
                ->show();
        });
        return;
    }
    if (!dialoghi_->DialogoStampante(Printer(), QStringLiteral("Stampa")))
        return;
    if (qobject_cast<Coppie*>(figlio))
        EseguiPasso([this] { StampaCoppie(); });
    else if (qobject_cast<fGrafico*>(figlio))
        EseguiPasso([this] { StampaGrafico(); });
}

QPrinter& frmMain::Printer()
{
    if (!printer_)
        printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void frmMain::ImpostaFabbricaStampante(std::function<std::shared_ptr<Stampante>()> fabbrica)
{
    fabbricaStampante_ = std::move(fabbrica);
}

std::shared_ptr<Stampante> frmMain::NuovaStampante()
{
    // A new device for every job: a job that failed midway leaves nothing behind.
    if (fabbricaStampante_)
        return fabbricaStampante_();
    return std::make_shared<StampanteQt>(Printer());
}

void frmMain::StampaCoppie()
{
    ::StampaCoppie(*NuovaStampante(), Contenuto(stato_.programma, GradoPolinomio));
}

void frmMain::StampaTerne()
{
    ::StampaTerne(*NuovaStampante(), Contenuto(stato_.programma, GradoPolinomio));
}

void frmMain::StampaCoeff()
{
    ::StampaCoeff(*NuovaStampante(), Contenuto(stato_.programma, GradoPolinomio));
}

void frmMain::StampaStatistiche()
{
    ::StampaStatistiche(*NuovaStampante(), Contenuto(stato_.programma, GradoPolinomio));
}

void frmMain::StampaListati(std::array<bool, 4> scelti)
{
    const std::shared_ptr<Stampante> stampante = NuovaStampante();
    stampante->UnDocumento(true);
    const ContenutoStampa contenuto = Contenuto(stato_.programma, GradoPolinomio);
    void (*const listati[])(Stampante&, const ContenutoStampa&) = {::StampaCoppie, ::StampaTerne, ::StampaCoeff,
                                                                       ::StampaStatistiche};
    for (size_t i = 0; i < scelti.size(); ++i)
        if (scelti[i])
            listati[i](*stampante, contenuto);
    stampante->Termina();
}

void frmMain::StampaGrafico()
{
    auto* grafico = qobject_cast<fGrafico*>(stato_.fGrafico.data());
    if (!grafico)
        throw ErroreStampa("Non c'è nessun grafico da stampare: aprire prima un grafico con \"Grafico\".");
    ::StampaGrafico(*NuovaStampante(), grafico->ImmagineStampa());
}
