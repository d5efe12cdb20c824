#include "screens/Theme.h"

#include "platform/LearnerDatabase.h"
#include "settings/SettingsManager.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

const QString appearanceNames[] = {QStringLiteral("system"), QStringLiteral("light"), QStringLiteral("dark")};

// The relative luminance of an sRGB colour.
qreal luminance(const QColor &colour)
{
    const auto linear = [](qreal c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

}

Theme::Theme(LearnerDatabase &store)
    : store_(store)
    , systemDark_(systemIsDark())
{
    const QString stored = store_.setting(SettingsManager::appearanceSetting).value_or(QString());
    for (int i = 0; i < 3; ++i) {
        if (stored == appearanceNames[i])
            appearance_ = Appearance(i);
    }
    // The palette changes when the platform switches between its light and dark schemes.
    if (qApp)
        qApp->installEventFilter(this);
}

Theme::~Theme()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void Theme::setAppearance(Appearance appearance)
{
    store_.setSetting(SettingsManager::appearanceSetting, appearanceNames[int(appearance)]);
    apply(appearance);
}

void Theme::useAppearance(Appearance appearance)
{
    apply(appearance);
}

void Theme::apply(Appearance appearance)
{
    if (appearance == appearance_)
        return;
    const bool wasDark = dark();
    appearance_ = appearance;
    emit appearanceChanged();
    if (dark() != wasDark)
        emit changed();
}

bool Theme::dark() const
{
    return appearance_ == Appearance::alwaysDark || (appearance_ == Appearance::followSystem && systemDark_);
}

// Qt 6.4 has no colour-scheme query: a platform in its dark scheme hands out a dark window colour.
bool Theme::systemIsDark()
{
    if (!qApp)
        return false;
    return QGuiApplication::palette().color(QPalette::Window).lightnessF() < 0.5;
}

bool Theme::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
        const bool wasDark = dark();
        systemDark_ = systemIsDark();
        if (dark() != wasDark)
            emit changed();
    }
    return QObject::eventFilter(watched, event);
}

QColor Theme::pick(const char *lightHex, const char *darkHex) const
{
    return hex(QString::fromLatin1(dark() ? darkHex : lightHex));
}

QColor Theme::background() const
{
    return pick("f2f2f7", "000000");
}
QColor Theme::surface() const
{
    return pick("ffffff", "1c1c1e");
}
QColor Theme::pressed() const
{
    return pick("e5e5ea", "3a3a3c");
}
QColor Theme::separator() const
{
    return pick("d1d1d6", "38383a");
}
QColor Theme::field() const
{
    return pick("e3e3e8", "2c2c2e");
}
QColor Theme::text() const
{
    return pick("000000", "ffffff");
}
// Darker than the platform's grey, which reads at under 3:1 on white.
QColor Theme::secondaryText() const
{
    return pick("636366", "aeaeb2");
}
QColor Theme::title() const
{
    return pick("2c3e50", "ecf0f1");
}
QColor Theme::link() const
{
    return pick("0060c0", "4da3ff");
}
QColor Theme::focus() const
{
    return pick("0060c0", "4da3ff");
}
QColor Theme::shadow() const
{
    return dark() ? QColor(0, 0, 0, 0) : QColor(0, 0, 0, 40);
}
QColor Theme::track() const
{
    return pick("d1d1d6", "48484a");
}

qreal Theme::contentWidth(qreal available)
{
    return std::min(available, qreal(maxContentWidth()));
}

qreal Theme::contrast(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Theme::over(const QColor &top, const QColor &bottom, qreal opacity)
{
    const qreal a = std::clamp(top.alphaF() * opacity, 0.0, 1.0);
    const auto mix = [a](qreal t, qreal b) { return t * a + b * (1 - a); };
    return QColor::fromRgbF(float(mix(top.redF(), bottom.redF())), float(mix(top.greenF(), bottom.greenF())),
        float(mix(top.blueF(), bottom.blueF())));
}

QColor Theme::readableFill(const QColor &fill, const QColor &text, qreal ratio)
{
    if (contrast(fill, text) >= ratio)
        return fill;
    const bool darken = luminance(text) > luminance(fill);
    QColor result = fill.toHsl();
    for (int step = 0; step < 100 && contrast(result, text) < ratio; ++step) {
        const qreal lightness = result.lightnessF();
        const qreal next = std::clamp(lightness + (darken ? -0.01 : 0.01), 0.0, 1.0);
        result.setHslF(result.hslHueF(), result.hslSaturationF(), float(next), fill.alphaF());
    }
    return result.toRgb();
}

std::optional<QColor> Theme::colourFromHex(const QString &text)
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
