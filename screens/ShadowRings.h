#pragma once

#include <QColor>
#include <QImage>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

#include <tuple>

// A soft shadow under a rounded card: five widening rings of fading shade, offset downwards,
// drawn as one stretched image instead of five outlined rectangles. The rings reach past the
// item's own rectangle: 5 to each side, 3 above and 8 below.
class ShadowRings : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    explicit ShadowRings(QQuickItem *parent = nullptr);

    [[nodiscard]] qreal radius() const { return radius_; }
    void setRadius(qreal radius);
    [[nodiscard]] QColor color() const { return color_; }
    void setColor(const QColor &color);

    // The rings of a card with corners of the given radius, on a piece just big enough to be
    // stretched between its corners; pixel (0, 0) lies at (-reach().left(), -reach().top()) of
    // the card.
    [[nodiscard]] static QImage ringImage(qreal radius, const QColor &color, qreal pixelRatio);
    // How far the rings reach out of the card on each side.
    [[nodiscard]] static QMarginsF reach();
    // The parts of the piece that keep their size: the corners, with every ring's bend.
    [[nodiscard]] static QMarginsF corners(qreal radius);

signals:
    void radiusChanged();
    void colorChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *old, UpdatePaintNodeData *) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    qreal radius_ = 0;
    QColor color_ = Qt::transparent;
    // The corner radius, colour and pixel ratio of the piece the node shows. The ratio changes
    // when the window moves to another screen.
    std::tuple<qreal, QRgb, qreal> shownPiece_;
};
