#include "AvanzamentoSimulazione.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

AvanzamentoSimulazione::AvanzamentoSimulazione(QWidget* proprietario)
    : QWidget(proprietario, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("AvanzamentoSimulazione"));
    setWindowTitle(QStringLiteral("Stato calcolo"));
    // Nothing to type here: the keyboard focus stays where the user left it.
    setAttribute(Qt::WA_ShowWithoutActivating);

    Label1 = new QLabel(QStringLiteral("avanzamento calcolo"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    BarraAvanzamentoSimulazione = new QProgressBar(this);
    BarraAvanzamentoSimulazione->setObjectName(QStringLiteral("BarraAvanzamentoSimulazione"));
    BarraAvanzamentoSimulazione->setRange(0, 100);
    BarraAvanzamentoSimulazione->setValue(0);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Label1);
    colonna->addWidget(BarraAvanzamentoSimulazione);
    const int larghezza = fontMetrics().averageCharWidth() * 45;
    BarraAvanzamentoSimulazione->setMinimumWidth(larghezza);
    setFixedSize(sizeHint());
}

void AvanzamentoSimulazione::Mostra()
{
    chiudibile_ = false;
    if (QWidget* p = parentWidget()) {
        QRect r = rect();
        r.moveCenter(p->frameGeometry().center());
        move(r.topLeft());
    }
    inAttesa_ = 0;
    BarraAvanzamentoSimulazione->setValue(0);
    ultimoDisegno_.invalidate();
    show();
    raise();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void AvanzamentoSimulazione::Avanza(float percentuale)
{
    if (!std::isfinite(percentuale))
        return;
    inAttesa_ = static_cast<int>(std::clamp(percentuale, 0.0f, 100.0f));
    if (inAttesa_ == BarraAvanzamentoSimulazione->value())
        return;
    if (ultimoDisegno_.isValid() && ultimoDisegno_.elapsed() < 15 && inAttesa_ > 0)
        return;
    BarraAvanzamentoSimulazione->setValue(inAttesa_);
    ultimoDisegno_.start();
}

void AvanzamentoSimulazione::Chiudi()
{
    // The bar ends where the run left it.
    BarraAvanzamentoSimulazione->setValue(inAttesa_);
    chiudibile_ = true;
    close();
}

void AvanzamentoSimulazione::closeEvent(QCloseEvent* evento)
{
    if (chiudibile_)
        evento->accept();
    else
        evento->ignore();
}

AscoltatoreFinestraAvanzamento::AscoltatoreFinestraAvanzamento(QWidget* proprietario)
    : proprietario_(proprietario)
{
}

AscoltatoreFinestraAvanzamento::~AscoltatoreFinestraAvanzamento()
{
    Chiudi();
}

void AscoltatoreFinestraAvanzamento::Mostra()
{
    Chiudi();
    finestra_ = new AvanzamentoSimulazione(proprietario_);
    finestra_->Mostra();
}

void AscoltatoreFinestraAvanzamento::Avanza(float percentuale)
{
    if (finestra_)
        finestra_->Avanza(percentuale);
}

void AscoltatoreFinestraAvanzamento::Chiudi()
{
    if (!finestra_)
        return;
    finestra_->Chiudi();
    delete finestra_;
}
