#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The credits screen's content: headings and links. A link whose address does not parse as a
// web address is left out; the rest stays.
class InfoModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString makerAddress MEMBER makerAddress_ NOTIFY sectionsChanged)
    Q_PROPERTY(QString iconSourceAddress MEMBER iconSourceAddress_ NOTIFY sectionsChanged)
    Q_PROPERTY(QString imagerySourceAddress MEMBER imagerySourceAddress_ NOTIFY sectionsChanged)
    Q_PROPERTY(QVariantList sections READ sections NOTIFY sectionsChanged)
    Q_PROPERTY(QString title READ title CONSTANT)

public:
    explicit InfoModel(QObject *parent = nullptr);

    [[nodiscard]] static QString title() { return QStringLiteral("Credits and Attribution"); }

    // One map per section: heading and links; each link has label, url and note (the licence
    // or what the source supplied, possibly empty).
    [[nodiscard]] QVariantList sections() const;
    // The address as a link target, or an invalid URL when it is not a web address.
    [[nodiscard]] static QUrl linkTarget(const QString &address);

signals:
    void sectionsChanged();

private:
    QString makerAddress_;
    QString iconSourceAddress_;
    QString imagerySourceAddress_;
};
