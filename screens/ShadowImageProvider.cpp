#include "screens/ShadowImageProvider.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

ShadowImageProvider::ShadowImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{}

QImage ShadowImageProvider::requestImage(const QString &id, QSize *size, const QSize &)
{
    const qsizetype slash = id.indexOf(u'/');
    bool known = false;
    const int radius = id.left(slash).toInt(&known);
    const QColor shade = QColor::fromString(QStringView(id).mid(slash + 1));
    const QImage image = known && radius >= 0 && radius <= 200 && shade.isValid() ? draw(radius, shade) : QImage();
    if (size)
        *size = image.size();
    return image;
}

// Ring k (1 to rings) lies k pixels beyond the card at the sides, half that above and one and a
// half times that below, as light falls from above; the outer rings fade.
QImage ShadowImageProvider::draw(int radius, const QColor &shade)
{
    static constexpr std::array<qreal, rings> strength{1, 0.7, 0.45, 0.25, 0.1};
    const int side = 2 * corner(radius) + 1;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(margin, margin, side - 2 * margin, side - 2 * margin);
    for (int k = 1; k <= rings; ++k) {
        QColor colour = shade;
        colour.setAlphaF(shade.alphaF() * strength[k - 1]);
        painter.setPen(QPen(colour, 1));
        // A border of one pixel drawn inside the ring's edge, as a bordered rectangle draws it.
        const QRectF ring = card.adjusted(-k, -k / 2.0, k, k * 1.5).adjusted(0.5, 0.5, -0.5, -0.5);
        const qreal corner = radius + k - 0.5;
        painter.drawRoundedRect(ring, corner, corner);
    }
    return image;
}
