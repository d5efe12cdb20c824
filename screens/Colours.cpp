#include "screens/Colours.h"

#include "app/Services.h"

#include <QQmlEngine>

#include <cctype>

Colours::Colours(Services &) {}

Colours &Colours::shared()
{
    return Services::current().object<Colours>();
}

Colours *Colours::create(QQmlEngine *, QJSEngine *)
{
    Colours *instance = &shared();
    QQmlEngine::setObjectOwnership(instance, QQmlEngine::CppOwnership);
    return instance;
}

std::optional<QColor> Colours::colourFromHex(const QString &text)
{
    QString digits = text.trimmed();
    digits.remove(u'#');
    if (digits.size() != 6 && digits.size() != 8)
        return std::nullopt;
    // Only hex digits: toUInt would also take a sign or a "0x" prefix.
    for (const QChar c : std::as_const(digits)) {
        if (c.unicode() > 0x7f || !std::isxdigit(c.unicode()))
            return std::nullopt;
    }
    bool ok = false;
    const quint32 value = digits.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    if (digits.size() == 6)
        return QColor::fromRgb((value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff);
    return QColor::fromRgb((value >> 24) & 0xff, (value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff);
}
