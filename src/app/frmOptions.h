#pragma once

#include <QDialog>
#include <QList>

#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// "Opzioni": edits the print header. Modal, owned by and centred on the main
// window; OK keeps the text, Annulla, Esc and the close box drop it.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(std::string& intestazione, QWidget* proprietario);

    // The selected tab, counted from 1.
    int SchedaSelezionata() const;
    // Places every control for the given logical DPI.
    void DisponiControlli(double dpi);
    // Ctrl+Tab and Ctrl+Shift+Tab move between tabs; true when handled.
    bool Form_KeyDown(int tasto, Qt::KeyboardModifiers modificatori);

    QTabWidget* tbsOptions = nullptr;
    QList<QWidget*> picOptions;
    QGroupBox* fraSample1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* TIntestUtente = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

public slots:
    void tbsOptions_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    // Sees the keys before the focused control does.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void SelezionaScheda(int numero);

    std::string& intestazione_;
    double dpi_ = 96;
};
