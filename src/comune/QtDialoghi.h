#pragma once

#include "Dialoghi.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QMessageBox;

// The program's own answers: real message boxes and the platform's dialogs.
class QtDialoghi : public Dialoghi {
public:
    explicit QtDialoghi(QWidget* proprietario);

    RispostaMessaggio Messaggio(const QString& testo, const QString& titolo,
                                PulsantiMessaggio pulsanti, IconaMessaggio icona) override;
    QString NomeFileSalva(const QString& titolo, const QString& filtro,
                          const QString& ultimoNome) override;
    QString NomeFileApri(const QString& titolo, const QString& filtro,
                         const QString& ultimoNome) override;
    bool DialogoStampante(QPrinter& stampante, const QString& titolo) override;
    void AnteprimaStampa(QPrinter& stampante, const QString& titolo,
                         const std::function<void(QPrinter&)>& disegna) override;

private:
    QPointer<QWidget> proprietario_;
};

// "Testo (*.txt)|*.txt| Tutti i file (*.*)|*.* " becomes the file dialog's
// "Testo (*.txt);; Tutti i file (*.*)": a description that does not end with
// its pattern in brackets gets it appended, since Qt reads the pattern there,
// and several patterns split by ';' are split by blanks, as Qt reads them.
QString FiltroQt(const QString& filtro);

// The message box Messaggio shows, before it is shown.
std::unique_ptr<QMessageBox> CreaScatolaMessaggio(const QString& testo, const QString& titolo,
                                                  PulsantiMessaggio pulsanti, IconaMessaggio icona,
                                                  QWidget* proprietario);
