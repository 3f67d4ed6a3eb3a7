#include "frmMain.h"

#include "Costanti.h"
#include "Dialoghi.h"
#include "Disposizione.h"
#include "ImpostazioniFinestra.h"
#include "frmAbout.h"
#include "QtDialoghi.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QStatusBar>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QTime>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

static void InizializzaRisorse()
{
    Q_INIT_RESOURCE(icone_app);
}

frmMain::frmMain(StatoApplicazione& stato, QSettings& impostazioni, std::unique_ptr<Dialoghi> dialoghi)
    : stato_(stato), impostazioni_(impostazioni), dialoghi_(std::move(dialoghi))
{
    InizializzaRisorse();
    if (!dialoghi_)
        dialoghi_ = std::make_unique<QtDialoghi>(this);
    file_ = std::make_unique<ComandiFile>(*this, stato_);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(TitoloApplicazione));
    setWindowIcon(IconaApplicazione());

    CreaComandi();
    CreaStriscia();
    CreaBarraStato();
    DisponiControlli(DpiLogicoSchermo());

    connect(&orologio_, &QTimer::timeout, this, &frmMain::AggiornaOrologio);
    orologio_.start(1000);
}

frmMain::~frmMain() = default;

void frmMain::CreaStriscia()
{
    auto* centro = new QWidget(this);
    auto* colonna = new QVBoxLayout(centro);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);

    Picture1 = new QWidget(centro);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    // Alt+G reaches the box from any window of the frame, as Tab cannot leave a child window.
    Label1 = new QLabel(QStringLiteral("&Grado del polinomio approssimante"), Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    GradoPolinomio = new QLineEdit(Picture1);
    GradoPolinomio->setObjectName(QStringLiteral("GradoPolinomio"));
    Label1->setBuddy(GradoPolinomio);
    colonna->addWidget(Picture1);

    mdiArea_ = new QMdiArea(centro);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    colonna->addWidget(mdiArea_, 1);
    setCentralWidget(centro);
}

void frmMain::DisponiControlli(double dpi)
{
    tbToolBar->setMinimumHeight(PixelDaTwips(630, dpi));

    QRect etichetta = PosizionaTwips(Label1, 120, 120, 2655, 255, dpi);
    QRect casella = PosizionaTwips(GradoPolinomio, 2760, 120, 975, 285, dpi);
    // The designed label runs a little under the box, and a wide font makes
    // it run further: keep a gap, moving the box only when the text needs it.
    const int distacco = PixelDaTwips(60, dpi);
    const int spazio = casella.left() - distacco - etichetta.left();
    if (spazio >= Label1->sizeHint().width())
        etichetta.setWidth(std::min(etichetta.width(), spazio));
    else
        casella.moveLeft(etichetta.right() + 1 + distacco);
    Label1->setGeometry(etichetta);
    GradoPolinomio->setGeometry(casella);

    const int basso = std::max(etichetta.bottom(), casella.bottom()) + 1;
    Picture1->setFixedHeight(std::max(PixelDaTwips(615, dpi), basso + PixelDaTwips(120, dpi)));
}

void frmMain::CreaBarraStato()
{
    QStatusBar* barra = statusBar();
    barra->setObjectName(QStringLiteral("sbStatusBar"));
    auto pannello = [barra](const QString& nome, const QString& testo) {
        auto* l = new QLabel(testo, barra);
        l->setObjectName(nome);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMargin(1);
        return l;
    };
    pannelloStato_ = pannello(QStringLiteral("sbStato"), QStringLiteral("Stato"));
    pannelloData_ = pannello(QStringLiteral("sbData"), QString());
    pannelloOra_ = pannello(QStringLiteral("sbOra"), QString());
    barra->addWidget(pannelloStato_, 1);
    barra->addPermanentWidget(pannelloData_);
    barra->addPermanentWidget(pannelloOra_);
    AggiornaOrologio();
}

void frmMain::AggiornaOrologio()
{
    const QLocale locale;
    pannelloData_->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    pannelloOra_->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

void frmMain::MDIForm_Load()
{
    const double dpi = DpiLogicoSchermo();
    const ImpostazioniPrincipali v = LeggiImpostazioni(impostazioni_, QLocale(), dpi);
    move(PixelDaTwips(v.MainLeft, dpi), PixelDaTwips(v.MainTop, dpi));
    resize(PixelDaTwips(v.MainWidth, dpi), PixelDaTwips(v.MainHeight, dpi));
    stato_.programma.IntestazioneUtente = v.IntestazioneUtente.toStdString();
    ImpostaStatoComandi(2);
}

void frmMain::MDIForm_Unload()
{
    if (scaricata_)
        return;
    scaricata_ = true;
    if (windowState() & Qt::WindowMinimized)
        return;
    // Position of the frame, size of the window inside it: the pair that
    // move() and resize() take back at the next start.
    const double dpi = DpiLogicoSchermo();
    ImpostazioniPrincipali v;
    v.MainLeft = static_cast<float>(TwipsDaPixel(pos().x(), dpi));
    v.MainTop = static_cast<float>(TwipsDaPixel(pos().y(), dpi));
    v.MainWidth = static_cast<float>(TwipsDaPixel(width(), dpi));
    v.MainHeight = static_cast<float>(TwipsDaPixel(height(), dpi));
    v.IntestazioneUtente = QString::fromStdString(stato_.programma.IntestazioneUtente);
    ScriviImpostazioni(impostazioni_, v, QLocale());
}

void frmMain::closeEvent(QCloseEvent* evento)
{
    // The child windows close with the frame, each running its own close.
    ChiudiFinestre();
    MDIForm_Unload();
    orologio_.stop();
    evento->accept();
}

void frmMain::MostraMessaggioCalcolo(const std::string& testo)
{
    dialoghi_->Messaggio(QString::fromStdString(testo), QString::fromUtf8(TitoloApplicazione),
                         PulsantiMessaggio::Ok, IconaMessaggio::Nessuna);
}
