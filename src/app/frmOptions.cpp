#include "frmOptions.h"

#include "Disposizione.h"
#include "Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

frmOptions::frmOptions(std::string& intestazione, QWidget* proprietario)
    : QDialog(proprietario, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                                | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      intestazione_(intestazione)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Opzioni"));
    setModal(true);

    tbsOptions = new QTabWidget(this);
    tbsOptions->setObjectName(QStringLiteral("tbsOptions"));
    tbsOptions->addTab(new QWidget(tbsOptions), QStringLiteral("Generali"));

    // The panels lie over the tab strip, one for each tab, as siblings.
    auto* pannello = new QWidget(this);
    pannello->setObjectName(QStringLiteral("picOptions"));
    picOptions << pannello;
    fraSample1 = new QGroupBox(QStringLiteral("Informazioni utente"), pannello);
    fraSample1->setObjectName(QStringLiteral("fraSample1"));
    Label1 = new QLabel(QStringLiteral("Intestazione stampe"), fraSample1);
    Label1->setObjectName(QStringLiteral("Label1"));
    TIntestUtente = new QLineEdit(fraSample1);
    TIntestUtente->setObjectName(QStringLiteral("TIntestUtente"));
    Label1->setBuddy(TIntestUtente);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Annulla"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    connect(tbsOptions, &QTabWidget::tabBarClicked, this, [this](int indice) {
        if (indice >= 0) {
            tbsOptions->setCurrentIndex(indice);
            tbsOptions_Click();
        }
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);

    installEventFilter(this);
    for (QWidget* figlio : findChildren<QWidget*>())
        figlio->installEventFilter(this);

    DisponiControlli(DpiLogicoSchermo());

    // Form_Load
    TIntestUtente->setText(QString::fromStdString(intestazione_));
    // Typing goes into the header, not into the tab strip.
    TIntestUtente->setFocus();
}

void frmOptions::DisponiControlli(double dpi)
{
    dpi_ = dpi;
    const QRect schede = PosizionaTwips(tbsOptions, 120, 120, 5895, 4245, dpi);
    QRect pannello = PosizionaTwips(picOptions[0], 240, 480, 5685, 3780, dpi);
    // The panel starts below the tabs whatever their font.
    const int sottoLeSchede = schede.top() + tbsOptions->tabBar()->sizeHint().height() + 2;
    if (pannello.top() < sottoLeSchede) {
        pannello.moveTop(sottoLeSchede);
        picOptions[0]->setGeometry(pannello);
    }
    PosizionaTwips(fraSample1, 120, 240, 5160, 2022, dpi);

    // The designed label reaches 15 twips into the box below it: keep them
    // apart, moving the box down only when the label's font needs it.
    QRect etichetta = PosizionaTwips(Label1, 240, 360, 2415, 255, dpi);
    QRect casella = PosizionaTwips(TIntestUtente, 240, 600, 4695, 285, dpi);
    const int altezzaTesto = Label1->sizeHint().height();
    if (casella.top() - etichetta.top() >= altezzaTesto)
        etichetta.setHeight(std::min(etichetta.height(), casella.top() - etichetta.top()));
    else
        casella.moveTop(etichetta.top() + altezzaTesto);
    // ... and below the frame's caption.
    const int titoloCornice = fraSample1->contentsRect().top();
    if (etichetta.top() < titoloCornice) {
        const int scarto = titoloCornice - etichetta.top();
        etichetta.translate(0, scarto);
        casella.translate(0, scarto);
    }
    Label1->setGeometry(etichetta);
    TIntestUtente->setGeometry(casella);

    // Buttons keep their right edges when a wide font makes them grow.
    QRect annulla = PosizionaTwips(cmdCancel, 4920, 4455, 1095, 375, dpi);
    QRect ok = PosizionaTwips(cmdOK, 3690, 4455, 1095, 375, dpi);
    annulla.moveRight(PixelDaTwips(4920 + 1095, dpi) - 1);
    const int distacco = PixelDaTwips(135, dpi);
    const int destraOk = std::min(PixelDaTwips(3690 + 1095, dpi), annulla.left() - distacco);
    ok.moveRight(destraOk - 1);
    cmdCancel->setGeometry(annulla);
    cmdOK->setGeometry(ok);

    QSize cliente(PixelDaTwips(6195, dpi), PixelDaTwips(4905, dpi));
    const int margine = PixelDaTwips(120, dpi);
    cliente = cliente.expandedTo(QSize(std::max(schede.right(), annulla.right()) + 1 + margine,
                                       std::max(schede.bottom(), annulla.bottom()) + 1 + margine));
    setFixedSize(cliente);
}

int frmOptions::SchedaSelezionata() const
{
    return tbsOptions->currentIndex() + 1;
}

void frmOptions::SelezionaScheda(int numero)
{
    tbsOptions->setCurrentIndex(numero - 1);
    // Selecting a tab from the keyboard is a click on it, also when it was
    // already the selected one.
    tbsOptions_Click();
}

void frmOptions::tbsOptions_Click()
{
    const int selezionato = SchedaSelezionata();
    for (int j = 0; j < picOptions.size(); ++j) {
        QWidget* p = picOptions[j];
        if (j == selezionato - 1) {
            p->move(PixelDaTwips(210, dpi_), p->y());
            p->setEnabled(true);
        } else {
            p->move(PixelDaTwips(-20000, dpi_), p->y());
            p->setEnabled(false);
        }
    }
}

bool frmOptions::Form_KeyDown(int tasto, Qt::KeyboardModifiers modificatori)
{
    const bool ctrl = modificatori & Qt::ControlModifier;
    const bool maiuscolo = (modificatori & Qt::ShiftModifier) || tasto == Qt::Key_Backtab;
    if (!ctrl || (tasto != Qt::Key_Tab && tasto != Qt::Key_Backtab))
        return false;
    const int i = SchedaSelezionata();
    const int ultima = tbsOptions->count();
    if (!maiuscolo)
        SelezionaScheda(i == ultima ? 1 : i + 1);
    else
        SelezionaScheda(i == 1 ? ultima : i - 1);
    return true;
}

bool frmOptions::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if (Form_KeyDown(tasto->key(), tasto->modifiers()))
            return true;
    } else if (evento->type() == QEvent::ShortcutOverride) {
        // Claim Ctrl+Tab before any control turns it into a shortcut.
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if ((tasto->modifiers() & Qt::ControlModifier)
            && (tasto->key() == Qt::Key_Tab || tasto->key() == Qt::Key_Backtab)) {
            evento->accept();
            return false;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

void frmOptions::showEvent(QShowEvent* evento)
{
    if (QWidget* p = parentWidget()) {
        QRect r = frameGeometry();
        r.moveCenter(p->frameGeometry().center());
        move(r.topLeft());
    }
    QDialog::showEvent(evento);
}

void frmOptions::cmdOK_Click()
{
    intestazione_ = TIntestUtente->text().toStdString();
    accept();
}

void frmOptions::cmdCancel_Click()
{
    reject();
}
