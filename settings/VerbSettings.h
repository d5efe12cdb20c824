#pragma once

#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include "settings/LanguageSetting.h"
#include "settings/TenseSetting.h"

// The settings screen's model: the very switches the games read, not copies.
class VerbSettings : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QList<TenseSetting *> tenseSettings READ tenseSettings CONSTANT)
    Q_PROPERTY(QList<LanguageSetting *> languageSettings READ languageSettings CONSTANT)

public:
    explicit VerbSettings(QObject *parent = nullptr);

    [[nodiscard]] const QList<TenseSetting *> &tenseSettings() const { return tenseSettings_; }
    [[nodiscard]] const QList<LanguageSetting *> &languageSettings() const { return languageSettings_; }

    Q_INVOKABLE void toggleTense(TenseSetting *setting);
    Q_INVOKABLE void toggleLanguageSetting(LanguageSetting *setting);

private:
    QList<TenseSetting *> tenseSettings_;
    QList<LanguageSetting *> languageSettings_;
};
