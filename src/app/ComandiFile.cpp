#include "ComandiFile.h"

#include "Coppie.h"
#include "Costanti.h"
#include "Dialoghi.h"
#include "Disposizione.h"
#include "EseguiPasso.h"
#include "Esportazione.h"
#include "FileDati.h"
#include "Funzioni.h"
#include "ScritturaSicura.h"
#include "SeparatoriLocale.h"
#include "StampanteQt.h"
#include "TabellaTesto.h"
#include "Tabella.h"
#include "Tabulati.h"
#include "fGrafico.h"
#include "frmMain.h"
#include "frmStampa.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPrinter>
#include <QUrl>

#include <exception>
#include <filesystem>
#include <iterator>

namespace {

const QString FiltroApri = QStringLiteral(
    "Accumulatore (*.cv)|*.cv|Tabelle di testo (*.csv;*.txt;*.tsv)|*.csv;*.txt;*.tsv| Tutti i file (*.*)|*.* ");
const QString FiltroDati = QStringLiteral("Accumulatore (*.cv)|*.cv| Tutti i file (*.*)|*.* ");
const QString FiltroTesto = QStringLiteral("Testo (*.txt)|*.txt| Tutti i file (*.*)|*.* ");
const QString FiltroBitmap = QStringLiteral("Bitmap (*.bmp)|*.bmp| Tutti i file (*.*)|*.* ");

const QString StampaNonRiuscita = QStringLiteral("Impossibile completare la stampa.");
const QString UnFileAllaVolta = QStringLiteral("Si può aprire un solo file alla volta: nessun file è stato aperto.");

// The listings of the "Stampa" window, in the order of its boxes.
void (*const Listati[])(Stampante&, const ContenutoStampa&) = {::StampaCoppie, ::StampaTerne, ::StampaCoeff,
                                                                      ::StampaStatistiche};
static_assert(std::size(Listati) == std::tuple_size_v<ScelteListati>);

QString Citato(const QString& formato, const QString& percorso)
{
    return formato.arg(QDir::toNativeSeparators(percorso));
}

std::filesystem::path PercorsoFile(const QString& percorso)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(percorso.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(percorso).toStdString());
#endif
}

// The files Open reads without asking what they are.
bool FileDaAprire(const QString& percorso)
{
    return QFileInfo(percorso).suffix().compare(QLatin1String("cv"), Qt::CaseInsensitive) == 0
        || ETabellaTesto(PercorsoFile(percorso));
}

QWidget* FiglioAttivo(const QMdiArea* area)
{
    // currentSubWindow, not activeSubWindow: it holds while a dialog has the focus.
    const QMdiSubWindow* s = area->currentSubWindow();
    return s ? s->widget() : nullptr;
}

// Many listings as one job, so that the preview and a PDF file hold them all.
void SuUnDocumento(Stampante& stampante, const std::function<void(Stampante&)>& lavoro)
{
    stampante.UnDocumento(true);
    lavoro(stampante);
    stampante.Termina();
}

} // namespace

ComandiFile::ComandiFile(frmMain& cornice, StatoApplicazione& stato) : cornice_(cornice), stato_(stato)
{
    cornice_.setAcceptDrops(true);
    cornice_.installEventFilter(this);
}

ComandiFile::~ComandiFile() = default;

bool ComandiFile::Riuscito(const QString& generico, const std::function<void()>& azione)
{
    QString testo = generico;
    try {
        azione();
        return true;
    } catch (const ErroreFileDati& e) {
        testo = QString::fromStdString(e.what());
    } catch (const ErroreScrittura& e) {
        testo = QString::fromStdString(e.what());
    } catch (const ErroreStampa& e) {
        testo = QString::fromStdString(e.what());
    } catch (const std::exception&) {
        // Not ours: its text is no message for the user.
    }
    Avviso(testo);
    return false;
}

void ComandiFile::Avviso(const QString& testo)
{
    cornice_.dialoghi().Messaggio(testo, QString::fromUtf8(TitoloApplicazione), PulsantiMessaggio::Ok,
                                  IconaMessaggio::Esclamazione);
}

QString ComandiFile::NomeFile(bool salva, const QString& titolo, const QString& filtro)
{
    Dialoghi& d = cornice_.dialoghi();
    const QString nome = salva ? d.NomeFileSalva(titolo, filtro, nomeDialogoFile_)
                               : d.NomeFileApri(titolo, filtro, nomeDialogoFile_);
    if (!nome.isEmpty())
        nomeDialogoFile_ = nome;
    return nome;
}

void ComandiFile::Apri()
{
    cornice_.mnuFileNew_Click();
    const QString percorso = NomeFile(false, QStringLiteral("Apri"), FiltroApri);
    if (!percorso.isEmpty())
        Leggi(percorso);
}

void ComandiFile::Leggi(const QString& percorso)
{
    AzzeraZoom(stato_.grafico);  // even a file read in part changed the data
    const int32_t prima = stato_.programma.punti.NumeroElementi();
    Riuscito(Citato(QStringLiteral("Impossibile aprire il file \"%1\"."), percorso), [&] {
        const std::filesystem::path file = PercorsoFile(percorso);
        if (ETabellaTesto(file))
            CaricaTabellaTesto(stato_.programma.punti, file, SeparatoriLocale());
        else
            CaricaFileDati(stato_.programma.punti, file, SeparatoriLocale(), [this](const std::string& testo) {
                cornice_.GradoPolinomio->setText(QString::fromStdString(testo));
            });
    });
    // New declined with the pairs window open: its grid is what the next
    // transfer copies back, so the points read must show there too or be lost.
    if (auto* coppie = qobject_cast<Coppie*>(stato_.Coppie.data()))
        RiempiGriglia(*coppie, prima);
}

void ComandiFile::ApriAllAvvio(const QStringList& argomenti)
{
    if (argomenti.size() > 1)
        Avviso(UnFileAllaVolta);
    else if (!argomenti.isEmpty())
        Leggi(argomenti.first());
}

bool ComandiFile::eventFilter(QObject* oggetto, QEvent* evento)
{
    const QEvent::Type tipo = evento->type();
    if (oggetto != &cornice_ || (tipo != QEvent::DragEnter && tipo != QEvent::DragMove && tipo != QEvent::Drop))
        return false;
    auto* rilascio = static_cast<QDropEvent*>(evento);
    if (!rilascio->mimeData()->hasUrls())
        return false;
    rilascio->acceptProposedAction();
    if (tipo == QEvent::Drop) {
        // Once the drop has returned: the source waits for it, and New asks first.
        const QList<QUrl> file = rilascio->mimeData()->urls();
        QMetaObject::invokeMethod(this, [this, file] { ApriTrascinati(file); }, Qt::QueuedConnection);
    }
    return true;
}

void ComandiFile::ApriTrascinati(const QList<QUrl>& file)
{
    if (file.size() > 1) {
        Avviso(UnFileAllaVolta);
        return;
    }
    const QString percorso = file.first().toLocalFile();
    // Checked before New's question: a stray drop must not cost the data.
    if (percorso.isEmpty() || !FileDaAprire(percorso)) {
        Avviso(QStringLiteral("Impossibile aprire \"%1\": si possono aprire solo file di dati (*.cv) e tabelle di "
                              "testo (*.csv, *.txt, *.tsv).")
                   .arg(percorso.isEmpty() ? file.first().toDisplayString() : QDir::toNativeSeparators(percorso)));
        return;
    }
    cornice_.mnuFileNew_Click();
    nomeDialogoFile_ = percorso;
    Leggi(percorso);
}

void ComandiFile::SalvaConNome(const QString& filtro, const std::function<void(const QString&)>& scrivi)
{
    const QString percorso = NomeFile(true, QStringLiteral("Salva con nome"), filtro);
    if (percorso.isEmpty())
        return;
    // A caption names a file that exists: it is set only once the write succeeded.
    const QPointer<QWidget> attiva = FiglioAttivo(cornice_.AreaFigli());
    if (Riuscito(Citato(QStringLiteral("Impossibile salvare il file \"%1\"."), percorso), [&] { scrivi(percorso); })
        && attiva)
        attiva->setWindowTitle(QDir::toNativeSeparators(percorso));
}

void ComandiFile::Salva()
{
    SalvaConNome(FiltroDati, [this](const QString& percorso) {
        const Polinomio* p = stato_.programma.polinomio.get();
        if (p && !PolinomioAdattato(p))
            throw ErroreScrittura(Citato(QStringLiteral("Impossibile salvare il file \"%1\": l'ultimo calcolo non ha "
                                                        "prodotto nessun polinomio. Ripetere \"Calcolo\" con un grado "
                                                        "valido."),
                                         percorso)
                                      .toStdString());
        SalvaFileDatiSicuro(stato_.programma, percorso);
    });
}

void ComandiFile::EsportaTabella()
{
    SalvaConNome(FiltroTesto, [this](const QString& percorso) {
        EsportaTesto(*stato_.registro, percorso, SeparatoriLocale());
    });
}

void ComandiFile::EsportaGrafico()
{
    SalvaConNome(FiltroBitmap, [this](const QString& percorso) {
        QImage immagine;  // none: no graph window is open
        if (auto* grafico = qobject_cast<fGrafico*>(stato_.fGrafico.data())) {
            QWidget* cornice = Cornice(grafico);
            cornice->show();
            cornice->raise();
            if (auto* s = qobject_cast<QMdiSubWindow*>(cornice))
                cornice_.AreaFigli()->setActiveSubWindow(s);
            // What it shows as of its last complete drawing.
            immagine = grafico->ImmaginePicture1();
        }
        EsportaBitmap(immagine, percorso);
    });
}

void ComandiFile::Stampa()
{
    const QPointer<QWidget> figlio = FiglioAttivo(cornice_.AreaFigli());
    if (!figlio)
        return;
    if (qobject_cast<Tabella*>(figlio)) {
        EseguiPasso([this] {
            for (frmStampa* aperta : cornice_.findChildren<frmStampa*>(QString(), Qt::FindDirectChildrenOnly))
                if (aperta->isVisible()) {
                    aperta->raise();
                    aperta->activateWindow();
                    return;
                }
            (new frmStampa(cornice_.dialoghi(), Printer(), [this](ScelteListati scelti) { StampaListati(scelti); },
                           &cornice_))
                ->show();
        });
        return;
    }
    if (cornice_.dialoghi().DialogoStampante(Printer(), QStringLiteral("Stampa")))
        StampaLavoro([this, figlio] { return LavoroPer(figlio); });
}

void ComandiFile::Anteprima()
{
    Lavoro lavoro;
    if (!Riuscito(StampaNonRiuscita, [&] { lavoro = LavoroPer(FiglioAttivo(cornice_.AreaFigli())); }))
        return;
    if (!lavoro) {
        Avviso(QStringLiteral("Non c'è niente da mostrare in anteprima: attivare prima la finestra delle coppie, una "
                              "tabella o un grafico."));
        return;
    }
    cornice_.dialoghi().AnteprimaStampa(Printer(), QStringLiteral("Anteprima di stampa"), [&](QPrinter& pagine) {
        Riuscito(StampaNonRiuscita, [&] {
            StampanteQt stampante(pagine);
            SuUnDocumento(stampante, lavoro);
        });
    });
}

QPrinter& ComandiFile::Printer()
{
    if (!printer_)
        printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void ComandiFile::ImpostaFabbricaStampante(std::function<std::shared_ptr<Stampante>()> fabbrica)
{
    fabbricaStampante_ = std::move(fabbrica);
}

std::shared_ptr<Stampante> ComandiFile::NuovaStampante()
{
    // A new device for every job: a job that failed midway leaves nothing behind.
    if (fabbricaStampante_)
        return fabbricaStampante_();
    return std::make_shared<StampanteQt>(Printer());
}

ComandiFile::Lavoro ComandiFile::LavoroListati(ScelteListati scelti) const
{
    return [contenuto = ContenutoDa(stato_.programma, cornice_.GradoPolinomio->text().toStdString(),
                                    SeparatoriLocale()),
            scelti](Stampante& stampante) {
        for (size_t i = 0; i < scelti.size(); ++i)
            if (scelti[i])
                Listati[i](stampante, contenuto);
    };
}

ComandiFile::Lavoro ComandiFile::LavoroGrafico() const
{
    auto* grafico = qobject_cast<fGrafico*>(stato_.fGrafico.data());
    if (!grafico)
        throw ErroreStampa("Non c'è nessun grafico da stampare: aprire prima un grafico con \"Grafico\".");
    return [immagine = grafico->ImmagineStampa()](Stampante& stampante) { ::StampaGrafico(stampante, immagine); };
}

ComandiFile::Lavoro ComandiFile::LavoroPer(const QWidget* figlio) const
{
    if (qobject_cast<const Coppie*>(figlio))
        return LavoroListati({true});
    if (qobject_cast<const fGrafico*>(figlio))
        return LavoroGrafico();
    if (qobject_cast<const Tabella*>(figlio)) {
        ScelteListati tutti;
        tutti.fill(true);
        return LavoroListati(tutti);
    }
    return {};
}

void ComandiFile::StampaLavoro(const std::function<Lavoro()>& prepara)
{
    Riuscito(StampaNonRiuscita, [&] {
        if (const Lavoro lavoro = prepara())
            SuUnDocumento(*NuovaStampante(), lavoro);
    });
}

void ComandiFile::StampaCoppie()
{
    StampaLavoro([this] { return LavoroListati({true, false, false, false}); });
}

void ComandiFile::StampaTerne()
{
    StampaLavoro([this] { return LavoroListati({false, true, false, false}); });
}

void ComandiFile::StampaCoeff()
{
    StampaLavoro([this] { return LavoroListati({false, false, true, false}); });
}

void ComandiFile::StampaStatistiche()
{
    StampaLavoro([this] { return LavoroListati({false, false, false, true}); });
}

void ComandiFile::StampaListati(ScelteListati scelti)
{
    StampaLavoro([this, scelti] { return LavoroListati(scelti); });
}

void ComandiFile::StampaGrafico()
{
    StampaLavoro([this] { return LavoroGrafico(); });
}
