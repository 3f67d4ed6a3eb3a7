#include "frmStampa.h"

#include "Dialoghi.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

frmStampa::frmStampa(Dialoghi& dialoghi, QPrinter& stampante, ListatiStampa listati, QWidget* proprietario)
    : QDialog(proprietario), dialoghi_(dialoghi), stampante_(stampante), listati_(std::move(listati))
{
    setObjectName(QStringLiteral("frmStampa"));
    setWindowTitle(QStringLiteral("Stampa"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    Frame1 = new QGroupBox(QStringLiteral("Selezionare il tipo di stampa da eseguire"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* caselle = new QVBoxLayout(Frame1);
    for (const char* testo : {"Coppie x - y", "Terne x - y - polinomio", "Coefficenti polinomio", "Statistiche"}) {
        auto* casella = new QCheckBox(QString::fromUtf8(testo), Frame1);
        casella->setObjectName(QStringLiteral("TipoStampa"));
        caselle->addWidget(casella);
        TipoStampa << casella;
    }

    auto* pulsanti = new QDialogButtonBox(this);
    PulsOK = pulsanti->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    PulsOK->setObjectName(QStringLiteral("PulsOK"));
    PulsCancel = pulsanti->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    PulsCancel->setObjectName(QStringLiteral("PulsCancel"));
    connect(PulsOK, &QPushButton::clicked, this, &frmStampa::PulsOK_Click);
    connect(PulsCancel, &QPushButton::clicked, this, &frmStampa::PulsCancel_Click);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Frame1);
    colonna->addWidget(pulsanti);
    setFixedSize(sizeHint());
}

void frmStampa::PulsOK_Click()
{
    std::array<bool, 4> scelti{};
    for (size_t i = 0; i < scelti.size(); ++i)
        scelti[i] = TipoStampa[static_cast<qsizetype>(i)]->isChecked();
    if (dialoghi_.DialogoStampante(stampante_, QStringLiteral("Stampa")) && scelti != std::array<bool, 4>{}
        && listati_)
        listati_(scelti);
    close();
}

void frmStampa::PulsCancel_Click()
{
    close();
}
