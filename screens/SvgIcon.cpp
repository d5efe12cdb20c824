#include "screens/SvgIcon.h"

#include "platform/Logging.h"

#include <QPainter>
#include <QQmlContext>
#include <QQmlFile>

SvgIcon::SvgIcon(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

void SvgIcon::setSource(const QUrl &source)
{
    if (source == source_)
        return;
    source_ = source;
    const QQmlContext *context = qmlContext(this);
    const QUrl resolved = context ? context->resolvedUrl(source) : source;
    const QString file = QQmlFile::urlToLocalFileOrQrc(resolved);
    if (file.isEmpty() || !renderer_.load(file)) {
        renderer_.load(QByteArray());
        qCWarning(lcApp).noquote() << u"SvgIcon >> cannot draw " + resolved.toString();
    }
    setImplicitSize(renderer_.defaultSize().width(), renderer_.defaultSize().height());
    update();
    emit sourceChanged();
}

void SvgIcon::paint(QPainter *painter)
{
    if (!renderer_.isValid())
        return;
    QSizeF size = renderer_.defaultSize();
    size.scale(width(), height(), Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(), size.height());
    renderer_.render(painter, target);
}
