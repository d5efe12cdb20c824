#pragma once

#include <QQuickImageProvider>

// Draws the soft shadow under a rounded card once, as a nine-patch that a BorderImage stretches
// to the card's size: a few widening rings of fading shade. One small image per corner radius
// and shade replaces five bordered rectangles per card on every screen that shows cards.
//
// The image id is "RADIUS/COLOUR" (COLOUR as QColor names it, "#AARRGGBB"). The image covers
// the card's box grown by margin on every side, and its corners are corner() wide.
class ShadowImageProvider : public QQuickImageProvider
{
public:
    static constexpr int margin = 8;
    static constexpr int rings = 5;

    ShadowImageProvider();

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    static int corner(int radius) { return radius + margin; }
    static QImage draw(int radius, const QColor &shade);
};
