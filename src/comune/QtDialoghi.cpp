#include "QtDialoghi.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

QMessageBox::Icon IconaQt(IconaMessaggio icona)
{
    switch (icona) {
    case IconaMessaggio::Informazione:
        return QMessageBox::Information;
    case IconaMessaggio::Esclamazione:
        return QMessageBox::Warning;
    case IconaMessaggio::Critica:
        return QMessageBox::Critical;
    case IconaMessaggio::Domanda:
        return QMessageBox::Question;
    case IconaMessaggio::Nessuna:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons PulsantiQt(PulsantiMessaggio pulsanti)
{
    switch (pulsanti) {
    case PulsantiMessaggio::OkAnnulla:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PulsantiMessaggio::SiNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PulsantiMessaggio::SiNoAnnulla:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PulsantiMessaggio::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

QtDialoghi::QtDialoghi(QWidget* proprietario) : proprietario_(proprietario) {}

std::unique_ptr<QMessageBox> CreaScatolaMessaggio(const QString& testo, const QString& titolo,
                                                  PulsantiMessaggio pulsanti, IconaMessaggio icona,
                                                  QWidget* proprietario)
{
    return std::make_unique<QMessageBox>(IconaQt(icona), titolo, testo, PulsantiQt(pulsanti),
                                         proprietario);
}

RispostaMessaggio QtDialoghi::Messaggio(const QString& testo, const QString& titolo,
                                        PulsantiMessaggio pulsanti, IconaMessaggio icona)
{
    const auto box = CreaScatolaMessaggio(testo, titolo, pulsanti, icona, proprietario_);
    switch (box->exec()) {
    case QMessageBox::Ok:
        return RispostaMessaggio::Ok;
    case QMessageBox::Yes:
        return RispostaMessaggio::Si;
    case QMessageBox::No:
        return RispostaMessaggio::No;
    default:
        // Closing the box is the same as its cancelling button.
        return pulsanti == PulsantiMessaggio::Ok     ? RispostaMessaggio::Ok
            : pulsanti == PulsantiMessaggio::SiNo ? RispostaMessaggio::No
                                                  : RispostaMessaggio::Annulla;
    }
}

QString QtDialoghi::NomeFileSalva(const QString& titolo, const QString& filtro,
                                  const QString& ultimoNome)
{
    // The program replaces a chosen file without asking again.
    return QFileDialog::getSaveFileName(proprietario_, titolo, ultimoNome, FiltroQt(filtro),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

QString QtDialoghi::NomeFileApri(const QString& titolo, const QString& filtro,
                                 const QString& ultimoNome)
{
    return QFileDialog::getOpenFileName(proprietario_, titolo, ultimoNome, FiltroQt(filtro));
}

bool QtDialoghi::DialogoStampante(QPrinter& stampante, const QString& titolo)
{
    QPrintDialog dialogo(&stampante, proprietario_);
    dialogo.setWindowTitle(titolo);
    dialogo.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialogo.exec() == QDialog::Accepted;
}

void QtDialoghi::AnteprimaStampa(QPrinter& stampante, const QString& titolo,
                                 const std::function<void(QPrinter&)>& disegna)
{
    QPrintPreviewDialog dialogo(&stampante, proprietario_);
    dialogo.setWindowTitle(titolo);
    // A page should be readable at once: most of the frame, not Qt's small default.
    if (proprietario_)
        dialogo.resize(proprietario_->window()->size() * 4 / 5);
    QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo,
                     [&disegna](QPrinter* pagine) { disegna(*pagine); });
    dialogo.exec();
}

QString FiltroQt(const QString& filtro)
{
    const QStringList parti = filtro.split(QLatin1Char('|'));
    QStringList scelte;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        QString descrizione = parti[i];
        while (descrizione.endsWith(QLatin1Char(' ')))
            descrizione.chop(1);
        const QString modello = parti[i + 1].trimmed();
        if (modello.isEmpty())
            continue;
        const QString tra = QLatin1Char('(') + modello + QLatin1Char(')');
        if (descrizione.endsWith(tra))
            descrizione.chop(tra.size());
        else if (!descrizione.isEmpty())
            descrizione += QLatin1Char(' ');
        descrizione += QLatin1Char('(') + modello.split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '))
            + QLatin1Char(')');
        scelte << descrizione;
    }
    return scelte.join(QStringLiteral(";;"));
}
