#pragma once

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include "screens/VerbSettings.h"

// The settings screen's model: a fresh VerbSettings of its own, whose switches are the very ones
// the games read, offered to the screen as rows.
class SettingsScreenModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the settings screen's model from ScreenModels")
    Q_PROPERTY(QVariantList tenseSettings READ tenseSettings CONSTANT)
    Q_PROPERTY(QVariantList displaySettings READ displaySettings CONSTANT)
    Q_PROPERTY(bool englishFirst READ englishFirst NOTIFY englishFirstChanged)
    Q_PROPERTY(QString explanation READ explanation CONSTANT)

public:
    explicit SettingsScreenModel(const VerbDictionary &verbs, QObject *parent = nullptr);

    [[nodiscard]] QVariantList tenseSettings() const;
    // How tables are shown: English names first, stress marks.
    [[nodiscard]] QVariantList displaySettings() const;
    [[nodiscard]] bool englishFirst() const;
    [[nodiscard]] static QString explanation();
    [[nodiscard]] const VerbSettings &settings() const { return settings_; }

    Q_INVOKABLE void toggleTense(TenseSetting *setting);

signals:
    void englishFirstChanged();

private:
    [[nodiscard]] QVariantList rows(bool display) const;

    VerbSettings settings_;
};
