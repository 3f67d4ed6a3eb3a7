// Shared by the shell's tests: a program started on a throw-away settings
// file with scripted dialogs, and a way through real modal dialogs.
#pragma once

#include "DialoghiScriptati.h"
#include "Module1.h"
#include "frmMain.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

struct ProgrammaDiProva {
    QTemporaryDir cartella;
    std::unique_ptr<QSettings> impostazioni;
    DialoghiScriptati* dialoghi = nullptr;
    std::unique_ptr<Applicazione> programma;

    explicit ProgrammaDiProva(bool avvia = true)
    {
        impostazioni = std::make_unique<QSettings>(cartella.filePath(QStringLiteral("curvello.ini")),
                                                   QSettings::IniFormat);
        if (avvia)
            Avvia();
    }
    ~ProgrammaDiProva() { programma.reset(); }

    void Avvia()
    {
        auto d = std::make_unique<DialoghiScriptati>();
        dialoghi = d.get();
        programma = Main(*impostazioni, std::move(d));
    }

    frmMain& f() { return programma->FinestraPrincipale(); }
    StatoProgramma& stato() { return programma->Stato().programma; }
    QAction* voce(const char* nome) { return f().findChild<QAction*>(QString::fromLatin1(nome)); }
    void premi(const char* chiave) { f().tbToolBar_ButtonClick(f().PulsanteBarra(QString::fromLatin1(chiave))); }
    QStringList messaggi() const
    {
        QStringList r;
        for (const DomandaDialogo& d : dialoghi->Domande())
            r << d.testo;
        return r;
    }
};

// Runs azione on the modal window as soon as one is up; gives up after five
// seconds so that a test can fail instead of hanging.
inline void QuandoModale(std::function<void(QWidget*)> azione)
{
    auto* timer = new QTimer;
    auto tentativi = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, azione, tentativi] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w && ++*tentativi < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (w)
            azione(w);
    });
    timer->start(10);
}

inline void LocaleItaliano()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

#define CURVELLO_TEST_MAIN(Classe)                                  \
    int main(int argc, char** argv)                                 \
    {                                                               \
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); \
        QApplication app(argc, argv);                               \
        Classe t;                                                   \
        return QTest::qExec(&t, argc, argv);                        \
    }
