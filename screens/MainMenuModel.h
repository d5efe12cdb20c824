#pragma once

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

#include "verbs/Verb.h"

// The main menu's model: the verb on the random-verb card, picked anew each time it is shown.
class MainMenuModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Verb *randomVerb READ randomVerb NOTIFY randomVerbChanged)
    Q_PROPERTY(QString title READ title CONSTANT)

public:
    explicit MainMenuModel(QObject *parent = nullptr);

    [[nodiscard]] Verb *randomVerb() const { return randomVerb_; }
    [[nodiscard]] QString title() const { return QStringLiteral("Italian Flexio"); }

    Q_INVOKABLE void pickRandomVerb();

signals:
    void randomVerbChanged();

private:
    QPointer<Verb> randomVerb_;
};
