#include "screens/Symbols.h"

#include "platform/Logging.h"
#include "platform/Resources.h"

#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QResource>

namespace {

const QString iconFamily = QStringLiteral("Material Icons");

// Symbol names of the screens and the Material Icons code point drawn for each.
const QHash<QString, char32_t> &symbolTable()
{
    static const QHash<QString, char32_t> table{
        // main menu and navigation
        {QStringLiteral("book.fill"), 0xe865}, // book
        {QStringLiteral("square.grid.3x3"), 0xe3ec}, // grid_on
        {QStringLiteral("list.bullet"), 0xe241}, // format_list_bulleted
        {QStringLiteral("greetingcard.fill"), 0xe41d}, // style
        {QStringLiteral("rectangle.and.pencil.and.ellipsis"), 0xe745}, // edit_note
        {QStringLiteral("questionmark.app.fill"), 0xf04c}, // quiz
        {QStringLiteral("mountain.2.fill"), 0xe564}, // terrain
        {QStringLiteral("info.circle.fill"), 0xe88e}, // info
        {QStringLiteral("gearshape.fill"), 0xe8b8}, // settings
        {QStringLiteral("chevron.left"), 0xe5cb}, // chevron_left
        {QStringLiteral("ellipsis.circle"), 0xe5d4}, // more_vert
        {QStringLiteral("arrow.up.arrow.down"), 0xe8d5}, // swap_vert
        {QStringLiteral("magnifyingglass"), 0xe8b6}, // search
        {QStringLiteral("xmark.circle.fill"), 0xe5cd}, // close
        {QStringLiteral("speaker.wave.2.fill"), 0xe050}, // volume_up
        // lists and rows
        {QStringLiteral("checkmark"), 0xe5ca}, // check
        {QStringLiteral("circle.fill"), 0xef4a}, // circle
        // the marks of the week's days
        {QStringLiteral("circle"), 0xe836}, // radio_button_unchecked
        {QStringLiteral("largecircle.fill.circle"), 0xe837}, // radio_button_checked
        {QStringLiteral("star.fill"), 0xe838}, // star
        {QStringLiteral("questionmark"), 0xe887}, // help
        // game set-up sheet
        {QStringLiteral("list.triangle"), 0xe896}, // list
        {QStringLiteral("figure.step.training"), 0xe536}, // directions_walk
        {QStringLiteral("list.clipboard.fill"), 0xe85d}, // assignment
        {QStringLiteral("sun.haze"), 0xe430}, // wb_sunny
        {QStringLiteral("eye.fill"), 0xe8f4}, // visibility
        {QStringLiteral("books.vertical.fill"), 0xe02f}, // library_books
        {QStringLiteral("car.fill"), 0xe531}, // directions_car
        {QStringLiteral("heart.fill"), 0xe87d}, // favorite
        {QStringLiteral("medical.thermometer.fill"), 0xf076}, // thermostat
        {QStringLiteral("clock.fill"), 0xe8b5}, // schedule
        {QStringLiteral("rectangle.3.group.bubble.left.fill"), 0xe0bf}, // forum
        {QStringLiteral("figure.pool.swim"), 0xeb48}, // pool
        {QStringLiteral("lamp.desk.fill"), 0xf8f4}, // desk
        {QStringLiteral("brain.head.profile"), 0xea4a}, // psychology
        {QStringLiteral("trophy.fill"), 0xea23}, // emoji_events
        // game screens
        {QStringLiteral("star"), 0xe83a}, // star_border
        {QStringLiteral("speaker.wave.2"), 0xe050}, // volume_up
        {QStringLiteral("checkmark.circle.fill"), 0xe86c}, // check_circle
        // quiz menu and quiz screen
        {QStringLiteral("list.bullet.clipboard.fill"), 0xe85d}, // assignment
        {QStringLiteral("square.and.pencil.circle.fill"), 0xe3c9}, // edit
        {QStringLiteral("checkmark.seal.fill"), 0xef76}, // verified
        {QStringLiteral("arrow.forward.circle"), 0xeaaa}, // arrow_circle_right
        {QStringLiteral("building.columns.fill"), 0xe84f}, // account_balance
        {QStringLiteral("hand.thumbsup.fill"), 0xe8dc}, // thumb_up
        {QStringLiteral("hand.thumbsdown.fill"), 0xe8db}, // thumb_down
        {QStringLiteral("bolt.fill"), 0xea0b}, // bolt
        {QStringLiteral("party.popper.fill"), 0xea65}, // celebration
        {QStringLiteral("face.dashed"), 0xe811}, // sentiment_dissatisfied
        {QStringLiteral("chart.bar.fill"), 0xe26b}, // insert_chart
    };
    return table;
}

// A font among the program's resources is read into memory once and drawn with from there; given
// its resource path instead, Qt would read it twice, to register it and again to draw with it.
// The resource gives its data in one piece of the font's size, where reading it as a file grows
// a buffer to twice that.
int registerFont(const QString &path)
{
    if (QFileInfo(path).isNativePath())
        return QFontDatabase::addApplicationFont(path);
    const QResource resource(path);
    return resource.isValid() ? QFontDatabase::addApplicationFontFromData(resource.uncompressedData()) : -1;
}

bool addFont(const QString &name)
{
    // The fonts are part of the app itself, whatever resource folder the verb data comes from.
    const QString path =
        Resources(Resources::defaultRoot() + QStringLiteral("/fonts")).path(name, QStringLiteral("ttf"));
    if (path.isEmpty() || registerFont(path) < 0) {
        qCWarning(lcApp).noquote() << QStringLiteral("cannot load the bundled font ") + name;
        return false;
    }
    return true;
}

}

Symbols::Symbols()
{
    installFonts();
}

bool Symbols::installFonts()
{
    static const bool installed = [] {
        const bool icons = addFont(QStringLiteral("MaterialIcons-Regular"));
        const bool rounded = addFont(QStringLiteral("Comfortaa-Bold"));
        // The title font is asked for by name; where the platform lacks it, the bundled
        // rounded font is drawn instead.
        if (!QFontDatabase::families().contains(roundedFontName))
            QFont::insertSubstitution(roundedFontName, QStringLiteral("Comfortaa"));
        return icons && rounded;
    }();
    return installed;
}

QString Symbols::fontFamily()
{
    return iconFamily;
}

QString Symbols::glyph(const QString &name)
{
    const char32_t code = symbolTable().value(name, symbolTable().value(QStringLiteral("questionmark")));
    return QString::fromUcs4(&code, 1);
}

bool Symbols::knows(const QString &name)
{
    return symbolTable().contains(name);
}

QStringList Symbols::names()
{
    return symbolTable().keys();
}

char32_t Symbols::codePoint(const QString &name)
{
    return symbolTable().value(name, 0);
}
