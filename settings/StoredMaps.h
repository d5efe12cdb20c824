#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QVariantMap>

#include <optional>

class TenseSetting;
class LanguageSetting;

// Conversions between the store's dictionaries and typed maps, and their console renderings.
// Entries whose stored value has another type than expected are skipped.
class StoredMaps
{
public:
    // A stored whole number; nothing for texts, fractions and other kinds.
    static std::optional<qint64> integer(const QVariant &value);
    static QMap<QString, bool> boolMap(const QVariantMap &stored);
    static QMap<QString, qint64> integerMap(const QVariantMap &stored);

    static QVariantMap toVariantMap(const QMap<QString, bool> &map);
    static QVariantMap toVariantMap(const QMap<QString, qint64> &map);

    static QString render(const QMap<QString, bool> &map);
    static QString render(const QMap<QString, qint64> &map);
    static QString render(const QList<TenseSetting *> &settings);
    static QString render(const QList<LanguageSetting *> &settings);
};
