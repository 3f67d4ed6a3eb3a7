// Grids and point sets as one line of text, and typing into the pairs window.
#pragma once

#include "Coppie.h"
#include "DialoghiScriptati.h"
#include "MySource.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

// "x;y|x;y": the rows of a grid, cell by cell.
inline QString Righe(const QTableWidget* g)
{
    QStringList r;
    for (int i = 0; i < g->rowCount(); ++i) {
        r << QString();
        for (int c = 0; c < g->columnCount(); ++c)
            r.last() += (c ? ";" : "") + (g->item(i, c) ? g->item(i, c)->text() : QString());
    }
    return r.join(u'|');
}

// Every cell and head shows its whole text on one line, in columns the user can widen.
inline void TestiInteri(const QTableWidget* g)
{
    QVERIFY(!g->wordWrap() && g->horizontalHeader()->sectionResizeMode(0) == QHeaderView::Interactive);
    for (int c = 0; c < g->columnCount(); ++c)
        QVERIFY2(std::max(static_cast<const QAbstractItemView*>(g)->sizeHintForColumn(c),
                          g->horizontalHeader()->sectionSizeHint(c)) <= g->columnWidth(c),
                 qPrintable(g->objectName() + QString::number(c)));
}

// "x;y|x;y": the pairs of a point set.
inline QString Righe(const MySource& p)
{
    QStringList r;
    for (int i = 0; i < p.NumeroElementi(); ++i)
        r << QString::number(p.X(i)) + u';' + QString::number(p.Y(i));
    return r.join(u'|');
}

// Types a pair into the pairs window as a person does: X, Enter, Y, Enter.
inline void ScriviCoppia(Coppie* c, const QString& x, const QString& y)
{
    for (auto [casella, testo] : {std::pair{c->Text1, x}, {c->Text2, y}}) {
        QTest::keyClicks(casella, testo);
        QTest::keyClick(casella, Qt::Key_Return);
    }
}

// Each question asked so far as "title|text".
inline QStringList Messaggi(const DialoghiScriptati& dialoghi)
{
    QStringList r;
    for (const DomandaDialogo& d : dialoghi.Domande())
        r << d.titolo + u'|' + d.testo;
    return r;
}
