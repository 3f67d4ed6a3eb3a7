// Draws the program's own images once; the PNG files it writes are committed
// and shipped as resources or installed as the desktop icon. Build target
// curvello_disegna_icone (not built by default); run it with the repository
// root as argument.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage Tela(int lato)
{
    QImage img(lato, lato, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

QImage Nuovo()
{
    QImage img = Tela(16);
    QPainter p(&img);
    QPolygon foglio({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)});
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawPolygon(foglio);
    p.setBrush(QColor(210, 210, 210));
    p.drawPolygon(QPolygon({QPoint(10, 1), QPoint(10, 4), QPoint(13, 4)}));
    return img;
}

QImage Apri()
{
    QImage img = Tela(16);
    QPainter p(&img);
    p.setPen(QColor(120, 90, 20));
    p.setBrush(QColor(235, 200, 90));
    p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(5, 4), QPoint(6, 5), QPoint(12, 5), QPoint(12, 13),
                            QPoint(1, 13)}));
    p.setBrush(QColor(250, 225, 130));
    p.drawPolygon(QPolygon({QPoint(3, 8), QPoint(15, 8), QPoint(12, 13), QPoint(1, 13)}));
    return img;
}

QImage Salva()
{
    QImage img = Tela(16);
    QPainter p(&img);
    p.setPen(QColor(20, 40, 90));
    p.setBrush(QColor(50, 90, 170));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 2, 7, 5);
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(4, 10, 7, 4);
    p.fillRect(8, 11, 2, 2, QColor(20, 40, 90));
    return img;
}

QImage Stampa()
{
    QImage img = Tela(16);
    QPainter p(&img);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(1, 6, 13, 6);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 5);
    p.fillRect(11, 8, 2, 1, QColor(40, 160, 40));
    return img;
}

// A rising curve through scattered points: what the program does.
// dist/icone/curvello.svg draws the same shapes by hand; change both together.
QImage Icona(int lato)
{
    QImage img = Tela(lato);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = lato / 32.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(30, 60, 120), 1.5));
    p.setBrush(QColor(245, 248, 255));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawLine(QPointF(5, 27), QPointF(28, 27));
    p.drawLine(QPointF(5, 27), QPointF(5, 4));
    QPainterPath curva(QPointF(5, 24));
    curva.cubicTo(QPointF(13, 24), QPointF(17, 6), QPointF(28, 5));
    p.setPen(QPen(QColor(200, 40, 40), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curva);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 120));
    for (QPointF c : {QPointF(9, 21), QPointF(14, 19), QPointF(18, 11), QPointF(24, 8)})
        p.drawEllipse(c, 2.0, 2.0);
    return img;
}

// The firm's mark: a blue square with a white curve and a point on it.
QImage Logo()
{
    QImage img = Tela(64);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sfondo(0, 0, 64, 64);
    sfondo.setColorAt(0, QColor(40, 90, 170));
    sfondo.setColorAt(1, QColor(15, 40, 95));
    p.setPen(Qt::NoPen);
    p.setBrush(sfondo);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    QPainterPath onda(QPointF(10, 46));
    onda.cubicTo(QPointF(22, 10), QPointF(40, 60), QPointF(54, 16));
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(onda);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 190, 40));
    p.drawEllipse(QPointF(32, 36), 5, 5);
    return img;
}

bool Scrivi(const QImage& img, const QString& percorso)
{
    if (img.save(percorso, "PNG"))
        return true;
    std::fprintf(stderr, "non scritto: %s\n", qPrintable(percorso));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QDir radice(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const QString app_ = radice.filePath(QStringLiteral("src/app/risorse/"));
    const QString about = radice.filePath(QStringLiteral("src/about/risorse/"));
    const QString desktop = radice.filePath(QStringLiteral("dist/icone/"));
    bool ok = Scrivi(Nuovo(), app_ + "New.png") && Scrivi(Apri(), app_ + "Open.png")
        && Scrivi(Salva(), app_ + "Save.png") && Scrivi(Stampa(), app_ + "Print.png")
        && Scrivi(Icona(16), about + "icona16.png") && Scrivi(Icona(32), about + "icona32.png")
        && Scrivi(Icona(64), about + "icona64.png") && Scrivi(Logo(), about + "logo.png");
    // The desktop's larger sizes; 16, 32 and 64 are installed from the ones above.
    for (int lato : {48, 128, 256})
        ok = ok && Scrivi(Icona(lato), desktop + QStringLiteral("curvello%1.png").arg(lato));
    return ok ? 0 : 1;
}
