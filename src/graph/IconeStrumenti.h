#pragma once

#include <QIcon>
#include <QString>

// The graph toolbar's pictures, keyed as its buttons. They are drawn when
// asked for, at the size and device pixel ratio asked for, so they stay sharp
// on any screen. An unknown key gives an empty icon.
QIcon IconaStrumento(const QString& chiave);
