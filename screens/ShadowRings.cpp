#include "screens/ShadowRings.h"

#include <QPainter>
#include <QQuickWindow>
#include <QSGNinePatchNode>

#include <map>

namespace {

struct Ring
{
    int step;
    qreal strength;
};
constexpr Ring rings[] = {{1, 1}, {2, 0.7}, {3, 0.45}, {4, 0.25}, {5, 0.1}};

// The card inside the piece is two pixels longer than its corners reach on each side, so that
// every ring is straight where the piece stretches. The widest ring's top corners reach 2.5
// lower than the card's.
constexpr qreal stretched = 2;
constexpr qreal topCornerDrop = 3;

QSizeF cardSize(qreal radius)
{
    return {2 * (radius + 1) + stretched, 2 * (radius + 1) + topCornerDrop + stretched};
}

// The cards of a screen share a few kinds of corner, so each kind of piece is drawn once. Kept
// per thread: the scene graph may render on a thread of its own.
const QImage &sharedPiece(const std::tuple<qreal, QRgb, qreal> &kind)
{
    thread_local std::map<std::tuple<qreal, QRgb, qreal>, QImage> pieces;
    QImage &piece = pieces[kind];
    if (piece.isNull()) {
        const auto [radius, color, ratio] = kind;
        piece = ShadowRings::ringImage(radius, QColor::fromRgba(color), ratio);
    }
    return piece;
}

}

ShadowRings::ShadowRings(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

void ShadowRings::setRadius(qreal radius)
{
    if (qFuzzyCompare(radius_, radius))
        return;
    radius_ = radius;
    update();
    emit radiusChanged();
}

void ShadowRings::setColor(const QColor &color)
{
    if (color_ == color)
        return;
    color_ = color;
    update();
    emit colorChanged();
}

void ShadowRings::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        update();
}

QMarginsF ShadowRings::reach()
{
    return {5, 3, 5, 8};
}

QMarginsF ShadowRings::corners(qreal radius)
{
    // What lies between the corners stretches.
    const qreal corner = radius + 1;
    return reach() + QMarginsF(corner, corner + topCornerDrop, corner, corner);
}

QImage ShadowRings::ringImage(qreal radius, const QColor &color, qreal pixelRatio)
{
    const QMarginsF out = reach();
    const QSizeF card = cardSize(radius);
    const QSizeF size(card.width() + out.left() + out.right(), card.height() + out.top() + out.bottom());
    QImage image((size * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.translate(out.left(), out.top());
    for (const Ring &ring : rings) {
        // Each ring widens by its step to the sides, half of it upwards and one and a half times
        // it downwards, with a rounder corner; it lies on whole pixels, as a rectangle does.
        const qreal step = ring.step;
        const QRectF outline =
            QRectF(QRectF(-step, -step / 2, card.width() + 2 * step, card.height() + 2 * step).toRect());
        QColor shade = color;
        shade.setAlphaF(color.alphaF() * ring.strength);
        painter.setPen(QPen(shade, 1));
        const qreal corner = radius + step - 0.5;
        painter.drawRoundedRect(outline.adjusted(0.5, 0.5, -0.5, -0.5), corner, corner);
    }
    return image;
}

QSGNode *ShadowRings::updatePaintNode(QSGNode *old, UpdatePaintNodeData *)
{
    auto *patch = static_cast<QSGNinePatchNode *>(old);
    if (color_.alpha() == 0 || width() <= 0 || height() <= 0) {
        delete patch;
        return nullptr;
    }
    const bool fresh = !patch;
    if (fresh)
        patch = window()->createNinePatchNode();
    const qreal ratio = window()->effectiveDevicePixelRatio();
    const std::tuple<qreal, QRgb, qreal> piece{radius_, color_.rgba(), ratio};
    // The node owns its texture, and deletes the one it held when given another.
    if (fresh || piece != shownPiece_) {
        patch->setTexture(window()->createTextureFromImage(sharedPiece(piece)));
        shownPiece_ = piece;
    }
    const QMarginsF out = reach();
    const QMarginsF fixed = corners(radius_);
    patch->setDevicePixelRatio(ratio);
    patch->setPadding(fixed.left(), fixed.top(), fixed.right(), fixed.bottom());
    patch->setBounds(
        QRectF(-out.left(), -out.top(), width() + out.left() + out.right(), height() + out.top() + out.bottom()));
    patch->update();
    return patch;
}
