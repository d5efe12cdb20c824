#pragma once

#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include "settings/LanguageSetting.h"
#include "settings/TenseSetting.h"

class VerbDictionary;

// The settings screen's model: the very switches the games read, not copies.
class VerbSettings : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The settings screen's model holds the switches")
    Q_PROPERTY(QList<TenseSetting *> tenseSettings READ tenseSettings CONSTANT)
    Q_PROPERTY(QList<LanguageSetting *> languageSettings READ languageSettings CONSTANT)

public:
    explicit VerbSettings(const VerbDictionary &verbs, QObject *parent = nullptr);

    [[nodiscard]] const QList<TenseSetting *> &tenseSettings() const { return tenseSettings_; }
    [[nodiscard]] const QList<LanguageSetting *> &languageSettings() const { return languageSettings_; }

    Q_INVOKABLE void toggleTense(TenseSetting *setting);
    Q_INVOKABLE void toggleLanguageSetting(LanguageSetting *setting);

private:
    QList<TenseSetting *> tenseSettings_;
    QList<LanguageSetting *> languageSettings_;
};
