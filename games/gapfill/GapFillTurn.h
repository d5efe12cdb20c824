#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// One spelling turn: the Italian form to spell, its English rendering and the parts of its code.
class GapFillTurn : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Turns are made by the gap-fill game")
    Q_PROPERTY(QString phrase READ phrase NOTIFY changed)
    Q_PROPERTY(QString hint READ hint NOTIFY changed)
    Q_PROPERTY(QStringList tags READ tags NOTIFY changed)

public:
    explicit GapFillTurn(QObject *parent = nullptr)
        : QObject(parent)
    {}
    GapFillTurn(QString phrase, QString hint, QStringList tags, QObject *parent = nullptr)
        : QObject(parent)
        , phrase_(std::move(phrase))
        , hint_(std::move(hint))
        , tags_(std::move(tags))
    {}

    [[nodiscard]] const QString &phrase() const { return phrase_; }
    [[nodiscard]] const QString &hint() const { return hint_; }
    [[nodiscard]] const QStringList &tags() const { return tags_; }

signals:
    void changed();

private:
    QString phrase_;
    QString hint_;
    QStringList tags_;
};
