#include <QtTest>
class Prova : public QObject { Q_OBJECT };
QTEST_APPLESS_MAIN(Prova)
#include "test_numeritesto.moc"
