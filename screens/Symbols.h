#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The symbols the screens name ("book.fill", "gearshape.fill", ...) drawn as glyphs of the one
// bundled icon font, and the app's fonts: the icon font and the rounded title font, which stands
// in for "Arial Rounded MT Bold" where that font is not installed.
class Symbols : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString fontFamily READ fontFamily CONSTANT)
    Q_PROPERTY(QString roundedFamily READ roundedFamily CONSTANT)

public:
    // Installs the fonts when QML first asks for the symbols.
    Symbols();

    // Adds the bundled fonts to the application's font database once per process; the rounded
    // font becomes the substitute of "Arial Rounded MT Bold". False when a font could not be read.
    static bool installFonts();

    static inline const QString roundedFontName = QStringLiteral("Arial Rounded MT Bold");

    [[nodiscard]] static QString fontFamily();
    [[nodiscard]] static QString roundedFamily() { return roundedFontName; }

    // The glyph of a symbol name; the glyph of "questionmark" for a name the table lacks.
    Q_INVOKABLE [[nodiscard]] static QString glyph(const QString &name);
    [[nodiscard]] static bool knows(const QString &name);
    // Every symbol name of the table.
    [[nodiscard]] static QStringList names();
    // The code point of a name's glyph in the icon font (0 when the table lacks it).
    [[nodiscard]] static char32_t codePoint(const QString &name);
};
