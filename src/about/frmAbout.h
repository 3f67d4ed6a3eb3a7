#pragma once

#include <QDialog>
#include <QIcon>

class QLabel;
class QPushButton;

// "Versione 4.0.0": each number as a plain whole number, joined by ".".
QString TestoVersione(int maggiore, int minore, int revisione);

// The program's own icon, in the sizes it was drawn at.
QIcon IconaApplicazione();

// "Informazioni su Progetto1": title, version, the firm and its (unknown)
// contacts. Modal, owned by the main window; OK or the close box end it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* proprietario);

    QLabel* Picture1 = nullptr;
    QLabel* PicIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* cmdOK = nullptr;

public slots:
    void cmdOK_Click();

private:
    void Form_Load();
};
