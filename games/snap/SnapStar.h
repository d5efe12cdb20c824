#pragma once

#include <QObject>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// One of the snap game's ten stars.
class SnapStar : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Stars belong to the snap game")
    Q_PROPERTY(QUuid id READ id CONSTANT)
    Q_PROPERTY(bool status READ status WRITE setStatus NOTIFY statusChanged)

public:
    explicit SnapStar(QObject *parent = nullptr)
        : QObject(parent)
    {}

    [[nodiscard]] const QUuid &id() const { return id_; }
    // Whether the star is lit.
    [[nodiscard]] bool status() const { return status_; }
    void setStatus(bool lit)
    {
        if (status_ == lit)
            return;
        status_ = lit;
        emit statusChanged();
    }

signals:
    void statusChanged();

private:
    const QUuid id_ = QUuid::createUuid();
    bool status_ = false;
};
