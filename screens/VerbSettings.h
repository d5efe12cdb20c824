#pragma once

#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include "settings/TenseSetting.h"

class VerbDictionary;

// The settings screen's model: the very switches the games read, not copies.
class VerbSettings : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The settings screen's model holds the switches")
    Q_PROPERTY(QList<TenseSetting *> tenseSettings READ tenseSettings CONSTANT)

public:
    explicit VerbSettings(const VerbDictionary &verbs, QObject *parent = nullptr);

    [[nodiscard]] const QList<TenseSetting *> &tenseSettings() const { return tenseSettings_; }

    Q_INVOKABLE void toggleTense(TenseSetting *setting);

private:
    QList<TenseSetting *> tenseSettings_;
};
