#pragma once

#include <QQuickPaintedItem>
#include <QSvgRenderer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// One of the app's SVG pictures (the cog, the flag, the back button), drawn straight from its
// vector data at whatever size the item has, its aspect ratio kept and centred.
class SvgIcon : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(bool valid READ valid NOTIFY sourceChanged)

public:
    explicit SvgIcon(QQuickItem *parent = nullptr);

    [[nodiscard]] const QUrl &source() const { return source_; }
    void setSource(const QUrl &source);
    [[nodiscard]] bool valid() const { return renderer_.isValid(); }

    void paint(QPainter *painter) override;

signals:
    void sourceChanged();

private:
    QUrl source_;
    QSvgRenderer renderer_;
};
