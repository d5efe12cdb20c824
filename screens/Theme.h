#pragma once

#include "platform/EngineObjects.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

class LearnerDatabase;

// The one look of every screen: named colours for the light and the dark appearance, the type
// scale, spacing, corner radii and component sizes, and the rules that keep text readable and
// content at a comfortable width. It also holds the one parser of colour texts.
class Theme : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(Appearance appearance READ appearance WRITE setAppearance NOTIFY appearanceChanged)
    Q_PROPERTY(bool dark READ dark NOTIFY changed)

    // Named hues the screens are known by; they are the same in both appearances.
    Q_PROPERTY(QColor red READ red CONSTANT)
    Q_PROPERTY(QColor green READ green CONSTANT)
    Q_PROPERTY(QColor light READ light CONSTANT)
    Q_PROPERTY(QColor navy READ navy CONSTANT)
    Q_PROPERTY(QColor blue READ blue CONSTANT)
    Q_PROPERTY(QColor purple READ purple CONSTANT)
    Q_PROPERTY(QColor yellow READ yellow CONSTANT)
    Q_PROPERTY(QColor gold READ gold CONSTANT)
    Q_PROPERTY(QColor scrim READ scrim CONSTANT)
    Q_PROPERTY(QColor onColour READ onColour CONSTANT)

    // Colours that follow the appearance.
    Q_PROPERTY(QColor background READ background NOTIFY changed)
    Q_PROPERTY(QColor surface READ surface NOTIFY changed)
    Q_PROPERTY(QColor pressed READ pressed NOTIFY changed)
    Q_PROPERTY(QColor separator READ separator NOTIFY changed)
    Q_PROPERTY(QColor field READ field NOTIFY changed)
    Q_PROPERTY(QColor text READ text NOTIFY changed)
    Q_PROPERTY(QColor secondaryText READ secondaryText NOTIFY changed)
    Q_PROPERTY(QColor title READ title NOTIFY changed)
    Q_PROPERTY(QColor link READ link NOTIFY changed)
    Q_PROPERTY(QColor focus READ focus NOTIFY changed)
    Q_PROPERTY(QColor shadow READ shadow NOTIFY changed)
    Q_PROPERTY(QColor track READ track NOTIFY changed)

    // Type scale, in pixels.
    Q_PROPERTY(int caption READ caption CONSTANT)
    Q_PROPERTY(int subhead READ subhead CONSTANT)
    Q_PROPERTY(int body READ body CONSTANT)
    Q_PROPERTY(int title3 READ title3 CONSTANT)
    Q_PROPERTY(int title2 READ title2 CONSTANT)
    Q_PROPERTY(int title1 READ title1 CONSTANT)
    Q_PROPERTY(int largeTitle READ largeTitle CONSTANT)
    Q_PROPERTY(int display READ display CONSTANT)

    // Spacing, radii and sizes, in pixels.
    Q_PROPERTY(int gap READ gap CONSTANT)
    Q_PROPERTY(int spacing READ spacing CONSTANT)
    Q_PROPERTY(int margin READ margin CONSTANT)
    Q_PROPERTY(int wideMargin READ wideMargin CONSTANT)
    Q_PROPERTY(int smallRadius READ smallRadius CONSTANT)
    Q_PROPERTY(int radius READ radius CONSTANT)
    Q_PROPERTY(int cardRadius READ cardRadius CONSTANT)
    Q_PROPERTY(int tapSize READ tapSize CONSTANT)
    Q_PROPERTY(int rowHeight READ rowHeight CONSTANT)
    Q_PROPERTY(int fieldHeight READ fieldHeight CONSTANT)
    Q_PROPERTY(int buttonHeight READ buttonHeight CONSTANT)
    Q_PROPERTY(int barHeight READ barHeight CONSTANT)
    Q_PROPERTY(int focusWidth READ focusWidth CONSTANT)
    Q_PROPERTY(int maxContentWidth READ maxContentWidth CONSTANT)
    Q_PROPERTY(int wideWidth READ wideWidth CONSTANT)
    Q_PROPERTY(int listPaneWidth READ listPaneWidth CONSTANT)

public:
    enum class Appearance { followSystem, alwaysLight, alwaysDark };
    Q_ENUM(Appearance)

    // The learner's chosen appearance is kept in store.
    explicit Theme(LearnerDatabase &store);
    // QML's instance: the one its engine was given (EngineObjects).
    static Theme *create(QQmlEngine *engine, QJSEngine *) { return EngineObjects::take<Theme>(engine); }
    ~Theme() override;

    [[nodiscard]] Appearance appearance() const { return appearance_; }
    // Chooses and stores the appearance.
    void setAppearance(Appearance appearance);
    // Chooses the appearance for this run only, as the screenshot option does.
    void useAppearance(Appearance appearance);
    [[nodiscard]] bool dark() const;

    // White space and line breaks around the text are trimmed and every "#" removed; six hex
    // digits give an opaque RGB colour, eight give RGB and opacity; anything else gives none.
    [[nodiscard]] static std::optional<QColor> colourFromHex(const QString &text);
    // The colour of a constant that is known to parse; transparent otherwise.
    [[nodiscard]] static QColor hex(const QString &text)
    {
        return colourFromHex(text).value_or(QColor(Qt::transparent));
    }

    [[nodiscard]] static QColor red() { return hex(QStringLiteral("#e74c3c")); }
    [[nodiscard]] static QColor green() { return hex(QStringLiteral("#27ae60")); }
    [[nodiscard]] static QColor light() { return hex(QStringLiteral("#ecf0f1")); }
    // The dark slate the menu's light entries write with.
    [[nodiscard]] static QColor navy() { return hex(QStringLiteral("#2c3e50")); }
    // The games' blue.
    [[nodiscard]] static QColor blue() { return hex(QStringLiteral("#0984e3")); }
    [[nodiscard]] static QColor purple() { return hex(QStringLiteral("#8e44ad")); }
    // The platform's yellow.
    [[nodiscard]] static QColor yellow() { return hex(QStringLiteral("#ffcc00")); }
    // The yellow of a game that was completed without a win or a loss.
    [[nodiscard]] static QColor gold() { return hex(QStringLiteral("#f1c40f")); }
    // The shade over a screen under a card.
    [[nodiscard]] static QColor scrim() { return QColor(0, 0, 0, 90); }
    // Text on a coloured fill.
    [[nodiscard]] static QColor onColour() { return QColor(Qt::white); }

    [[nodiscard]] QColor background() const;
    [[nodiscard]] QColor surface() const;
    [[nodiscard]] QColor pressed() const;
    [[nodiscard]] QColor separator() const;
    [[nodiscard]] QColor field() const;
    [[nodiscard]] QColor text() const;
    [[nodiscard]] QColor secondaryText() const;
    [[nodiscard]] QColor title() const;
    [[nodiscard]] QColor link() const;
    [[nodiscard]] QColor focus() const;
    [[nodiscard]] QColor shadow() const;
    [[nodiscard]] QColor track() const;

    [[nodiscard]] static int caption() { return 13; }
    [[nodiscard]] static int subhead() { return 15; }
    [[nodiscard]] static int body() { return 17; }
    [[nodiscard]] static int title3() { return 20; }
    [[nodiscard]] static int title2() { return 22; }
    [[nodiscard]] static int title1() { return 28; }
    [[nodiscard]] static int largeTitle() { return 34; }
    [[nodiscard]] static int display() { return 30; }

    [[nodiscard]] static int gap() { return 4; }
    [[nodiscard]] static int spacing() { return 8; }
    [[nodiscard]] static int margin() { return 16; }
    [[nodiscard]] static int wideMargin() { return 20; }
    [[nodiscard]] static int smallRadius() { return 8; }
    [[nodiscard]] static int radius() { return 12; }
    [[nodiscard]] static int cardRadius() { return 18; }
    [[nodiscard]] static int tapSize() { return 48; }
    [[nodiscard]] static int rowHeight() { return 48; }
    [[nodiscard]] static int fieldHeight() { return 48; }
    [[nodiscard]] static int buttonHeight() { return 50; }
    [[nodiscard]] static int barHeight() { return 48; }
    [[nodiscard]] static int focusWidth() { return 3; }
    [[nodiscard]] static int maxContentWidth() { return 720; }
    [[nodiscard]] static int wideWidth() { return 700; }
    [[nodiscard]] static int listPaneWidth() { return 340; }

    // The width content takes in a window of the given width: all of it on a phone, a centred
    // column no wider than maxContentWidth elsewhere.
    Q_INVOKABLE [[nodiscard]] static qreal contentWidth(qreal available);
    // Whether a window of this width shows lists and details side by side.
    Q_INVOKABLE [[nodiscard]] static bool isWide(qreal width) { return width >= wideWidth(); }
    // The contrast ratio of two colours (1 to 21), from their relative luminance; opacity is ignored.
    Q_INVOKABLE [[nodiscard]] static qreal contrast(const QColor &a, const QColor &b);
    // The colour seen where top is drawn at its opacity (times opacity) over an opaque bottom.
    Q_INVOKABLE [[nodiscard]] static QColor over(const QColor &top, const QColor &bottom, qreal opacity = 1);
    // fill with the same hue, darkened (under light text) or lightened (under dark text) just
    // enough for text drawn on it to reach ratio; fill itself when it already does.
    Q_INVOKABLE [[nodiscard]] static QColor readableFill(const QColor &fill, const QColor &text, qreal ratio = 4.5);

signals:
    void appearanceChanged();
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply(Appearance appearance);
    [[nodiscard]] static bool systemIsDark();
    [[nodiscard]] QColor pick(const char *lightHex, const char *darkHex) const;

    LearnerDatabase &store_;
    Appearance appearance_ = Appearance::followSystem;
    bool systemDark_ = false;
};
