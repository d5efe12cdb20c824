#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

class Services;
class QQmlEngine;
class QJSEngine;

// The app's named colours and the one parser of colour texts.
class Colours : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QColor red READ red CONSTANT)
    Q_PROPERTY(QColor green READ green CONSTANT)
    Q_PROPERTY(QColor light READ light CONSTANT)
    Q_PROPERTY(QColor dark READ dark CONSTANT)
    Q_PROPERTY(QColor secondary READ secondary CONSTANT)
    Q_PROPERTY(QColor background READ background CONSTANT)

public:
    explicit Colours(Services &services);

    static Colours &shared();
    static Colours *create(QQmlEngine *, QJSEngine *);

    // White space and line breaks around the text are trimmed and every "#" removed; six hex
    // digits give an opaque RGB colour, eight give RGB and opacity; anything else gives none.
    [[nodiscard]] static std::optional<QColor> colourFromHex(const QString &text);
    // The colour of a constant that is known to parse; transparent otherwise.
    [[nodiscard]] static QColor hex(const QString &text) { return colourFromHex(text).value_or(QColor(Qt::transparent)); }

    [[nodiscard]] static QColor red() { return hex(QStringLiteral("#e74c3c")); }
    [[nodiscard]] static QColor green() { return hex(QStringLiteral("#27ae60")); }
    [[nodiscard]] static QColor light() { return hex(QStringLiteral("#ecf0f1")); }
    [[nodiscard]] static QColor dark() { return hex(QStringLiteral("#2c3e50")); }
    // Secondary text and symbols, and the grouped background behind lists.
    [[nodiscard]] static QColor secondary() { return hex(QStringLiteral("#8a8a8e")); }
    [[nodiscard]] static QColor background() { return hex(QStringLiteral("#f2f2f7")); }
    // The platform's yellow.
    [[nodiscard]] static QColor yellow() { return hex(QStringLiteral("#ffcc00")); }
};
