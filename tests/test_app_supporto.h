// The shell's tests: a program on a throw-away INI file with scripted dialogs.
#pragma once

#include "Coppie.h"
#include "DialoghiScriptati.h"
#include "Module1.h"
#include "Tabella.h"
#include "test_viste_supporto.h"
#include "frmMain.h"

#include <QApplication>
#include <QToolBar>
#include <QtTest>

// Every toolbar key, then the hidden File entries the command state drives.
inline const QStringList Comandi = {"New", "Open", "Save", "Print", "Punti", "Calcolo", "Grafico", "Tabella", "Esempio",
                                    "mnuFileSave", "mnuFileSaveAs", "mnuFileEsporta", "mnuFileEsportaGrafico",
                                    "mnuFilePrint"};

struct ProgrammaDiProva {
    QTemporaryDir cartella;
    std::unique_ptr<QSettings> impostazioni =
        std::make_unique<QSettings>(cartella.filePath(QStringLiteral("curvello.ini")), QSettings::IniFormat);
    DialoghiScriptati* dialoghi = nullptr;
    std::unique_ptr<Applicazione> programma;
    bool esposta = false;  // the main window reached the screen

    explicit ProgrammaDiProva(bool avvia = true) { if (avvia) Avvia(); }

    void Avvia(const QStringList& argomenti = {})
    {
        auto d = std::make_unique<DialoghiScriptati>();
        dialoghi = d.get();
        programma = Main(*impostazioni, std::move(d), argomenti);
        esposta = QTest::qWaitForWindowExposed(&f());
    }

    frmMain& f() { return programma->FinestraPrincipale(); }
    QString letto(const char* chiave) { return impostazioni->value(QStringLiteral("Settings/") + QLatin1String(chiave)).toString(); }
    StatoProgramma& stato() { return programma->Stato().programma; }
    // A menu entry, or a toolbar button by its key; throws for no command.
    QAction* voce(const QString& nome) { return f().Comando(nome); }
    Coppie* coppie() { return qobject_cast<Coppie*>(programma->Stato().Coppie.data()); }
    Tabella* tabella() { return qobject_cast<Tabella*>(programma->Stato().Tabella.data()); }
    void premi(const char* chiave) { f().tbToolBar_ButtonClick(f().PulsanteBarra(QString::fromLatin1(chiave))); }
    // A toolbar button clicked with the mouse, as a person does.
    void clicca(const char* chiave) { QTest::mouseClick(f().tbToolBar->widgetForAction(f().PulsanteBarra(chiave)), Qt::LeftButton); }
    // The example fitted with this degree through the toolbar.
    void esempioCalcolato(const QString& grado) { premi("Esempio"); f().GradoPolinomio->setText(grado); premi("Calcolo"); }
    // '1' or '0' for each of Comandi, in that order.
    QString accesi()
    {
        QString r;
        for (const QString& nome : Comandi)
            r += voce(nome)->isEnabled() ? u'1' : u'0';
        return r;
    }
    // Each question asked so far as "title|text".
    QStringList messaggi() const { return Messaggi(*dialoghi); }
};

inline QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "<manca>";
}
inline bool Scrivi(const QString& percorso, const QByteArray& byte)
{
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(byte) == byte.size();
}

// Runs azione on the modal window once it is up; stops looking after 5 s.
inline void QuandoModale(std::function<void(QWidget*)> azione, int tentativi = 500)
{
    QTimer::singleShot(10, [azione, tentativi] {
        if (QWidget* w = QApplication::activeModalWidget())
            azione(w);
        else if (tentativi > 0)
            QuandoModale(azione, tentativi - 1);
    });
}
