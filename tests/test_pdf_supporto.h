// Printed PDF files read back as text, and the example's listings as they read.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

// The pages as `pdftotext -layout` reads them, blanks collapsed, empty lines dropped
// (a picture's page has none); none without pdftotext, one empty page for no output.
inline QList<QStringList> PagineDelPdf(const QString& pdf)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QList<QStringList> pagine;
    if (pdftotext.isEmpty())
        return pagine;
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    QString testo = QString::fromUtf8(p.readAllStandardOutput());
    testo.chop(1);  // every page ends with a form feed
    for (const QString& pagina : testo.split(u'\f')) {
        pagine.append(QStringList());
        for (const QString& riga : pagina.split(u'\n'))
            if (!riga.trimmed().isEmpty())
                pagine.last() << riga.simplified();
    }
    return pagine;
}

// The example fitted at degree 2, in Italian, headed "Ditta Rossi": the pairs,
// the triples (P to 4 decimals), the coefficients (to 8) and the statistics (7 digits).
inline const QList<QStringList> EsempioStampato = {
    {"Ditta Rossi", "Grado del polinomio approssimante: 2", "X Y", "1 5", "2 3", "3 4", "4 5", "5 7", "6 9", "7 12",
     "8 7", "9 6"},
    {"Ditta Rossi", "Grado del polinomio approssimante: 2", "X Y P", "1 5 2,7515", "2 3 4,3212", "3 4 5,6139",
     "4 5 6,6294", "5 7 7,368", "6 9 7,8294", "7 12 8,0139", "8 7 7,9212", "9 6 7,5515"},
    {"Ditta Rossi", "P(X)=C(0) + C(1)*X + C(2)*X^2 + ... + C(GR)*X^GR", "C(0)= 0,9047619", "C(1)= 1,98528139",
     "C(2)= -0,13852814"},
    {"Ditta Rossi", "Grado del polinomio approssimante: 2", "C(i) Errore standard t", "C(0)= 0,9047619 2,971021 0,304529",
     "C(1)= 1,985281 1,364177 1,455296", "C(2)= -0,1385281 0,1330456 -1,041208", "Bontà dell'adattamento", "Punti 9",
     "Gradi di libertà 6", "R² 0,456817", "R² corretto 0,275756", "Deviazione standard dei residui 2,334941",
     "Somma dei quadrati dei residui 32,71169", "Somma dei quadrati totale 60,22222", "F con 2 e 6 gradi di libertà 2,523"},
};
