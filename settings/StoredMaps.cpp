#include "settings/StoredMaps.h"

#include "platform/Logging.h"
#include "settings/LanguageSetting.h"
#include "settings/TenseSetting.h"

#include <QStringList>

#include <cmath>

namespace {

// Whole numbers only: a stored text or a fraction is not a score.
std::optional<qint64> storedInteger(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toLongLong();
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (std::isfinite(number) && std::trunc(number) == number && std::abs(number) < 9.0e15)
            return qint64(number);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

template <typename Map, typename Format> QString renderMap(const Map &map, Format format)
{
    QStringList entries;
    for (auto it = map.begin(); it != map.end(); ++it)
        entries.append(u'"' + it.key() + QStringLiteral("\": ") + format(it.value()));
    return u'[' + entries.join(QStringLiteral(", ")) + u']';
}

template <typename Setting, typename Name> QString renderSettings(const QList<Setting *> &settings, Name name)
{
    QStringList entries;
    for (const Setting *setting : settings)
        entries.append(name(setting) + QStringLiteral(": ") + Logging::boolText(setting->status()));
    return u'[' + entries.join(QStringLiteral(", ")) + u']';
}

}

std::optional<qint64> StoredMaps::integer(const QVariant &value)
{
    return storedInteger(value);
}

QMap<QString, bool> StoredMaps::boolMap(const QVariantMap &stored)
{
    QMap<QString, bool> map;
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        if (it.value().typeId() == QMetaType::Bool)
            map.insert(it.key(), it.value().toBool());
    }
    return map;
}

QMap<QString, qint64> StoredMaps::integerMap(const QVariantMap &stored)
{
    QMap<QString, qint64> map;
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        if (const auto number = storedInteger(it.value()))
            map.insert(it.key(), *number);
    }
    return map;
}

QVariantMap StoredMaps::toVariantMap(const QMap<QString, bool> &map)
{
    QVariantMap result;
    for (auto it = map.begin(); it != map.end(); ++it)
        result.insert(it.key(), it.value());
    return result;
}

QVariantMap StoredMaps::toVariantMap(const QMap<QString, qint64> &map)
{
    QVariantMap result;
    for (auto it = map.begin(); it != map.end(); ++it)
        result.insert(it.key(), it.value());
    return result;
}

QString StoredMaps::render(const QMap<QString, bool> &map)
{
    return renderMap(map, [](bool value) { return Logging::boolText(value); });
}

QString StoredMaps::render(const QMap<QString, qint64> &map)
{
    return renderMap(map, [](qint64 value) { return QString::number(value); });
}

QString StoredMaps::render(const QList<TenseSetting *> &settings)
{
    return renderSettings(settings, [](const TenseSetting *s) { return s->tenseName(); });
}

QString StoredMaps::render(const QList<LanguageSetting *> &settings)
{
    return renderSettings(settings, [](const LanguageSetting *s) { return s->settingName(); });
}
