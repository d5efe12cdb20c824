#include "progress/ProgressManager.h"
#include "screens/AnswerKeyboardModel.h"
#include "screens/InfoModel.h"
#include "screens/MainMenuModel.h"
#include "screens/ProgressViewerModel.h"
#include "screens/ShadowRings.h"
#include "screens/Symbols.h"
#include "screens/VerbDictionaryModel.h"
#include "screens/VerbListModel.h"
#include "screens/VerbTableModel.h"
#include "screens/VerbTableRowModel.h"
#include "speech/AudioEngines.h"
#include "speech/AudioRecording.h"
#include "speech/TextToSpeech.h"
#include "support/TestServices.h"
#include "verbs/VerbDictionary.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString screensFixture()
{
    return TestServices::fixture(QStringLiteral("screens"));
}

QStringList keys(const QList<Verb *> &verbs)
{
    QStringList result;
    for (const Verb *verb : verbs)
        result.append(verb->key);
    return result;
}

}

class ScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void searchMatches_data();
    void searchMatches();
    void sortingKeepsSearchesInDictionaryOrder();
    void verbListFollowsLearntMarks();
    void tableRowLayout_data();
    void tableRowLayout();
    void gearOnlyWhileAClipIsFetched_data();
    void gearOnlyWhileAClipIsFetched();
    void linkTargets_data();
    void linkTargets();
    void symbolsAreGlyphsOfTheIconFont();
    void progressRowsHideVerbsNoLongerInTheData();
    void answerKeysShowUnlessOnlyAHardwareKeyboard_data();
    void answerKeysShowUnlessOnlyAHardwareKeyboard();
    void shadowStretchesOnlyWhereItsRingsAreStraight_data();
    void shadowStretchesOnlyWhereItsRingsAreStraight();
};

// clang-format off
void ScreensTest::searchMatches_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two letters in any case") << "Ar" << QStringList{"alzarsi", "amare", "andare", "arrivare",
                                                                     "fare", "guardare", "lavarsi", "lavorare",
                                                                     "mangiare", "parlare", "partire"};
    QTest::newRow("extra only") << "go out" << QStringList{"uscire"};
    QTest::newRow("decomposed accent finds the composed one") << QString::fromUtf8("cafe\xcc\x81") << QStringList{"uscire"};
    QTest::newRow("accents ignored") << "cafe " << QStringList{"uscire"};
    QTest::newRow("the English as shown, without its bar") << "get up" << QStringList{"alzarsi"};
    QTest::newRow("a form") << "vado" << QStringList{"andare"};
}
// clang-format on

void ScreensTest::searchMatches()
{
    QFETCH(QString, search);
    QFETCH(QStringList, expected);
    TestServices services(screensFixture());
    VerbDictionaryModel model(services.verbDictionary(), services.progressManager());
    QSignalSpy counts(&model, &VerbDictionaryModel::countChanged);
    model.setSearchText(search);
    QStringList found = keys(model.filteredVerbs());
    found.sort();
    QCOMPARE(found, expected);
    QCOMPARE(counts.isEmpty(), expected.size() == services.verbDictionary().verbCount());
}

void ScreensTest::sortingKeepsSearchesInDictionaryOrder()
{
    TestServices services(screensFixture());
    Verb leaveA;
    leaveA.englishInfinitive = QStringLiteral("leave");
    Verb leaveB;
    leaveB.englishInfinitive = QStringLiteral("le|ave");
    // Equal English (bars aside) is no order either way, so a stable sort keeps the order it had.
    QVERIFY(!VerbDictionaryModel::verbOrder(leaveA, leaveB, false)
        && !VerbDictionaryModel::verbOrder(leaveB, leaveA, false));

    VerbDictionaryModel model(services.verbDictionary(), services.progressManager());
    QAbstractItemModelTester tester(&model.listModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setSortOrder(false);
    const QStringList byEnglish = keys(model.filteredVerbs());
    QCOMPARE(byEnglish.first(), QStringLiteral("arrivare"));
    QCOMPARE(byEnglish.indexOf(QStringLiteral("partire")) + 1, byEnglish.indexOf(QStringLiteral("uscire")));
    // Found verbs come best first (infinitives beginning with the text, then English), not re-sorted.
    model.setSearchText(QStringLiteral("ve"));
    QCOMPARE(keys(model.filteredVerbs()).mid(0, 2), (QStringList{"vedere", "venire"}));
    model.sortFilteredVerbs();
    QCOMPARE(keys(model.filteredVerbs()),
        (QStringList{"arrivare", "venire", "avere", "partire", "uscire", "amare", "piovere", "vedere"}));
    model.setSearchText(QString());
    model.setSortOrder(false);
    QCOMPARE(keys(model.filteredVerbs()), byEnglish);
    model.setSortOrder(true);
    QCOMPARE(model.filteredVerbs(), services.verbDictionary().verbs());
}

void ScreensTest::verbListFollowsLearntMarks()
{
    TestServices services(screensFixture());
    VerbDictionaryModel model(services.verbDictionary(), services.progressManager());
    VerbListModel &list = model.listModel();
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    const auto rowOfAmare = [&model, &services] {
        return int(model.filteredVerbs().indexOf(services.verbDictionary().verbForKey(QStringLiteral("amare"))));
    };
    const int row = rowOfAmare();
    model.toggleLearnt(row);
    // Rows out of range do nothing; the store's side is driven from the dictionary screen.
    model.toggleLearnt(-1);
    model.toggleLearnt(model.count());
    QVERIFY(list.data(list.index(row), VerbListModel::LearntRole).toBool());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).value<QModelIndex>().row(), row);
    QCOMPARE(services.progressManager().learntFlags().value(QStringLiteral("amare")), true);

    model.setSortOrder(false);
    const int moved = rowOfAmare();
    QCOMPARE(list.data(list.index(moved), VerbListModel::FirstLineRole).toString(), QStringLiteral("love"));
    QCOMPARE(list.data(list.index(moved), VerbListModel::SecondLineRole).toString(), QStringLiteral("amare"));
}

// clang-format off
void ScreensTest::tableRowLayout_data()
{
    QTest::addColumn<bool>("verbFirst");
    QTest::addColumn<bool>("needed");
    QTest::addColumn<bool>("incorporated");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<double>("opacity");
    QTest::newRow("pronoun first") << false << true << false << true << 1.0;
    QTest::newRow("pronoun first, flags of verb-first rows ignored") << false << false << true << true << 1.0;
    QTest::newRow("verb first") << true << true << false << true << 1.0;
    QTest::newRow("verb first, pronoun not needed") << true << false << false << true << 0.25;
    QTest::newRow("verb first, pronoun in the form") << true << true << true << false << 1.0;
}
// clang-format on

void ScreensTest::tableRowLayout()
{
    QFETCH(bool, verbFirst);
    QFETCH(bool, needed);
    QFETCH(bool, incorporated);
    QFETCH(bool, shown);
    QFETCH(double, opacity);
    ConjugationPart part;
    part.pronoun = QStringLiteral("tu");
    part.text = QStringLiteral("parla");
    part.isVerbFirst = verbFirst;
    part.pronounNeeded = needed;
    part.pronounIncorporated = incorporated;
    const QVariantMap row = VerbTableModel::row(part);
    QCOMPARE(row.value(QStringLiteral("pronounShown")).toBool(), shown);
    QCOMPARE(row.value(QStringLiteral("pronounOpacity")).toDouble(), opacity);
    QCOMPARE(row.value(QStringLiteral("isVerbFirst")).toBool(), verbFirst);
    // A row without a pronoun never draws one.
    part.pronoun.clear();
    QVERIFY(!VerbTableModel::row(part).value(QStringLiteral("pronounShown")).toBool());
}

// clang-format off
void ScreensTest::gearOnlyWhileAClipIsFetched_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("voices");
    QTest::addColumn<bool>("gear");
    QTest::newRow("spoken by a voice") << "it-IT" << true << false;
    QTest::newRow("no voice and no clips: nothing fetched") << "it-IT" << false << false;
    QTest::newRow("clips fetched from the service") << "cy-GB" << false << true;
}
// clang-format on

void ScreensTest::gearOnlyWhileAClipIsFetched()
{
    QFETCH(QString, locale);
    QFETCH(bool, voices);
    QFETCH(bool, gear);
    TestServices services(screensFixture());
    AudioRecording &recording = services.audioEngines().useRecorders();
    if (!voices)
        recording.voiceLanguages.clear();
    TextToSpeech &tts = services.textToSpeech();
    // A closed port: the fetch fails at once, as a dead network does.
    tts.setServiceEndpoint(QStringLiteral("http://127.0.0.1:9"));
    VerbTableRowModel row(services.textToSpeech());
    row.setProperty("ttsPhrase", QStringLiteral("io parlo"));
    row.setProperty("locale", locale);
    row.speakPart();
    QCOMPARE(row.gearShown(), gear);
    QCOMPARE(tts.downloadDone(), !gear);
    QCOMPARE(recording.said.size(), voices ? 1 : 0);
    QTRY_VERIFY_WITH_TIMEOUT(tts.downloadDone(), 10000);
    QVERIFY(!row.gearShown());
    QCOMPARE(row.loadedAlready(), gear);
    // Once loaded, the row never shows the gear again; switched off, it says nothing.
    row.speakPart();
    QVERIFY(!row.gearShown());
    QTRY_VERIFY_WITH_TIMEOUT(tts.downloadDone(), 10000);
    row.setProperty("ttsEnabled", false);
    row.speakPart();
    QCOMPARE(recording.said.size(), voices ? 2 : 0);
}

// clang-format off
void ScreensTest::linkTargets_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("valid");
    QTest::newRow("https") << "https://fonts.google.com/icons" << true;
    QTest::newRow("http with path and query") << "http://example.org/a?b=c" << true;
    QTest::newRow("space in the host") << "https://exa mple.com" << false;
    QTest::newRow("unclosed bracket") << "http://[::1" << false;
    QTest::newRow("no scheme") << "fonts.google.com/icons" << false;
    QTest::newRow("not a web scheme") << "javascript:alert(1)" << false;
    QTest::newRow("file") << "file:///etc/passwd" << false;
}
// clang-format on

void ScreensTest::linkTargets()
{
    QFETCH(QString, address);
    QFETCH(bool, valid);
    InfoModel model;
    model.setProperty("imagerySourceAddress", address);
    QCOMPARE(model.sections().at(1).toMap().value(QStringLiteral("links")).toList().size(), valid ? 2 : 1);
}

void ScreensTest::symbolsAreGlyphsOfTheIconFont()
{
    QVERIFY(Symbols::installFonts());
    QVERIFY(QFontDatabase::families().contains(Symbols::fontFamily()));
    const QRawFont font(QStringLiteral(":/flexio/fonts/MaterialIcons-Regular.ttf"), 24);
    QVERIFY(font.isValid());
    for (const QString &name : Symbols::names())
        QVERIFY2(font.supportsCharacter(Symbols::codePoint(name)),
            qPrintable(name + u" is not in the shipped icon font: run tools/fonts/subset-icons.py"));
    // The symbols the screens name.
    for (const char *name : {"book.fill", "square.grid.3x3", "list.bullet", "greetingcard.fill",
             "rectangle.and.pencil.and.ellipsis", "questionmark.app.fill", "mountain.2.fill", "info.circle.fill",
             "gearshape.fill", "checkmark", "circle.fill", "star.fill"})
        QVERIFY2(Symbols::knows(QString::fromLatin1(name)), name);
    QCOMPARE(Symbols::glyph(QStringLiteral("no.such.symbol")), Symbols::glyph(QStringLiteral("questionmark")));
    // The rounded title font is asked for by name and drawn with a bundled one where missing.
    const QFontInfo title(QFont(Symbols::roundedFamily()));
    QVERIFY2(title.family() == Symbols::roundedFamily() || title.family() == u"Comfortaa", qPrintable(title.family()));
}

void ScreensTest::progressRowsHideVerbsNoLongerInTheData()
{
    TestServices services(screensFixture());
    services.progressManager().addPoints(QStringLiteral("parlare"), 1);
    services.progressManager().addPoints(QStringLiteral("gonevere"), 3);
    ProgressViewerModel model(services.progressManager());
    const QVariantList rows = model.rows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).toMap().value(QStringLiteral("shown")).toBool(), false);
    QCOMPARE(rows.at(1).toMap().value(QStringLiteral("displayInfinitive")).toString(), QStringLiteral("parlare"));
    QCOMPARE(rows.at(1).toMap().value(QStringLiteral("shown")).toBool(), true);
    QSignalSpy changed(&model, &ProgressViewerModel::rowsChanged);
    services.progressManager().addPoints(QStringLiteral("parlare"), -1);
    QCOMPARE(changed.size(), 1);
}

QTEST_MAIN(ScreensTest)

void ScreensTest::answerKeysShowUnlessOnlyAHardwareKeyboard_data()
{
    QTest::addColumn<bool>("touchScreen");
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<bool>("shown");
    QTest::newRow("phone") << true << false << true;
    QTest::newRow("tablet with a keyboard cover") << true << true << true;
    QTest::newRow("desktop") << false << true << false;
    QTest::newRow("nothing reported") << false << false << true;
}

// The learner's choice, once made, wins over the devices and outlives the screen.
void ScreensTest::answerKeysShowUnlessOnlyAHardwareKeyboard()
{
    QFETCH(bool, touchScreen);
    QFETCH(bool, keyboard);
    QFETCH(bool, shown);
    TestServices services(screensFixture());
    AnswerKeyboardModel model(services.learnerStore(), {touchScreen, keyboard});
    QCOMPARE(model.shown(), shown);
    model.setShown(!shown);
    QCOMPARE(AnswerKeyboardModel(services.learnerStore(), {touchScreen, keyboard}).shown(), !shown);
}

void ScreensTest::shadowStretchesOnlyWhereItsRingsAreStraight_data()
{
    QTest::addColumn<qreal>("radius");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("card") << 18.0 << 1.0;
    QTest::newRow("menu entry, high density") << 14.0 << 2.0;
    QTest::newRow("small corners, fractional density") << 4.0 << 1.5;
}

// The shadow's piece is stretched between its corners: a bend that reached into the stretched
// part would be smeared along the card's edge.
void ScreensTest::shadowStretchesOnlyWhereItsRingsAreStraight()
{
    QFETCH(qreal, radius);
    QFETCH(qreal, ratio);
    const QImage piece = ShadowRings::ringImage(radius, QColor(0, 0, 0, 40), ratio);
    const QMarginsF fixed = ShadowRings::corners(radius) * ratio;
    const int left = qFloor(fixed.left()) - 1;
    const int right = piece.width() - qCeil(fixed.right());
    const int top = qFloor(fixed.top()) - 1;
    const int bottom = piece.height() - qCeil(fixed.bottom());
    QVERIFY2(left < right && top < bottom, "the piece has no part to stretch");
    for (int x = left; x <= right; ++x)
        QCOMPARE(piece.copy(x, 0, 1, piece.height()), piece.copy(left, 0, 1, piece.height()));
    for (int y = top; y <= bottom; ++y)
        QCOMPARE(piece.copy(0, y, piece.width(), 1), piece.copy(0, top, piece.width(), 1));
    // The shade lies round the card, widest under it, and not inside it.
    const int centre = (left + right) / 2;
    QVERIFY(qAlpha(piece.pixel(centre, piece.height() - qCeil(ShadowRings::reach().bottom() * ratio))) > 0);
    QCOMPARE(qAlpha(piece.pixel(centre, piece.height() / 2)), 0);
}

#include "tst_screens.moc"
