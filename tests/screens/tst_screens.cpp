#include "progress/ProgressManager.h"
#include "screens/InfoModel.h"
#include "screens/MainMenuModel.h"
#include "screens/ProgressViewerModel.h"
#include "screens/Symbols.h"
#include "screens/Theme.h"
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
#include <QGuiApplication>
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

ConjugationPart part(bool verbFirst, bool needed, bool incorporated, const QString &pronoun = QStringLiteral("tu"))
{
    ConjugationPart p;
    p.pronoun = pronoun;
    p.text = QStringLiteral("parla");
    p.isVerbFirst = verbFirst;
    p.pronounNeeded = needed;
    p.pronounIncorporated = incorporated;
    return p;
}

}

class ScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void colourFromHex_data();
    void colourFromHex();
    void scoreColour_data();
    void scoreColour();
    void menuColourLists();
    void menuCountsNoVerbs();
    void searchMatches_data();
    void searchMatches();
    void searchKeepsDictionaryOrderAfterASort();
    void englishOrderIsStable();
    void verbListFollowsLearntMarks();
    void tableRowLayout_data();
    void tableRowLayout();
    void cardColours();
    void gearWhileAClipIsFetched();
    void gearNeverShownWithAVoice();
    void gearGoesWhenNoFetchStarts();
    void linkTargets_data();
    void linkTargets();
    void symbolsAreGlyphsOfTheIconFont();
    void progressRowsHideVerbsNoLongerInTheData();
};

void ScreensTest::colourFromHex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("six digits with #") << "#e74c3c" << true << QColor(0xe7, 0x4c, 0x3c);
    QTest::newRow("six digits without #") << "4a69bd" << true << QColor(0x4a, 0x69, 0xbd);
    QTest::newRow("white space and line breaks") << " \n#2ecc71\t\n" << true << QColor(0x2e, 0xcc, 0x71);
    QTest::newRow("every # removed") << "#27#ae60#" << true << QColor(0x27, 0xae, 0x60);
    QTest::newRow("eight digits: opacity last") << "ff000080" << true << QColor(0xff, 0x00, 0x00, 0x80);
    QTest::newRow("five digits") << "#12345" << false << QColor();
    QTest::newRow("not hex") << "#gg0000" << false << QColor();
    QTest::newRow("hex prefix") << "0x1234" << false << QColor();
    QTest::newRow("inner space") << "12 3456" << false << QColor();
    QTest::newRow("empty") << "" << false << QColor();
}

void ScreensTest::colourFromHex()
{
    QFETCH(QString, text);
    QFETCH(bool, parses);
    QFETCH(QColor, colour);
    const std::optional<QColor> parsed = Theme::colourFromHex(text);
    QCOMPARE(parsed.has_value(), parses);
    if (parses)
        QCOMPARE(parsed->rgba(), colour.rgba());
}

void ScreensTest::scoreColour_data()
{
    QTest::addColumn<qint64>("score");
    QTest::addColumn<double>("red");
    QTest::addColumn<double>("green");
    QTest::addColumn<double>("blue");
    QTest::newRow("-5 pure red") << qint64(-5) << 1.0 << 0.0 << 0.0;
    QTest::newRow("-1") << qint64(-1) << 1.0 << 0.4 << 0.4;
    QTest::newRow("0 yellow") << qint64(0) << 1.0 << 0.8 << 0.0;
    QTest::newRow("2") << qint64(2) << 0.3 << 1.0 << 0.3;
    QTest::newRow("5 pure green") << qint64(5) << 0.0 << 1.0 << 0.0;
    QTest::newRow("-12 held at red") << qint64(-12) << 1.0 << 0.0 << 0.0;
    QTest::newRow("40 held at green") << qint64(40) << 0.0 << 1.0 << 0.0;
}

void ScreensTest::scoreColour()
{
    QFETCH(qint64, score);
    QFETCH(double, red);
    QFETCH(double, green);
    QFETCH(double, blue);
    const QColor colour = ProgressViewerModel::scoreColour(score);
    QVERIFY(colour.isValid());
    QVERIFY2(qAbs(colour.redF() - red) < 0.01, qPrintable(colour.name()));
    QVERIFY2(qAbs(colour.greenF() - green) < 0.01, qPrintable(colour.name()));
    QVERIFY2(qAbs(colour.blueF() - blue) < 0.01, qPrintable(colour.name()));
    QCOMPARE(colour.alphaF(), 1.0f);
}

void ScreensTest::menuColourLists()
{
    const QList<QColor> colours = MainMenuModel::colours();
    const QList<QColor> text = MainMenuModel::textColours();
    QCOMPARE(colours.size(), 19);
    QCOMPARE(text.size(), 22);
    QCOMPARE(colours.at(13), Theme::red());
    QCOMPARE(colours.at(18), Theme::light());
    QCOMPARE(text.at(9), Theme::navy());
    QCOMPARE(text.at(14), Theme::light());
    QCOMPARE(text.at(21), QColor(Qt::white));
}

void ScreensTest::menuCountsNoVerbs()
{
    QTemporaryDir empty;
    QFile file(empty.filePath(QStringLiteral("verbs.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<verbs>\n</verbs>\n");
    file.close();
    TestServices services(empty.path());
    MainMenuModel menu;
    const QVariantList entries = menu.entries();
    QCOMPARE(entries.size(), 8);
    QCOMPARE(entries.first().toMap().value(QStringLiteral("description")).toString(),
             QStringLiteral("Browse and revise 0 essential Italian verbs"));
    // The card shows a blank verb rather than nothing at all.
    QVERIFY(menu.randomVerb());
    QCOMPARE(menu.randomVerb()->displayInfinitive(), QString());
}

void ScreensTest::searchMatches_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two letters in any case") << "Ar" << QStringList{"alzarsi", "amare", "andare", "arrivare",
                                                                     "fare", "guardare", "lavarsi", "lavorare",
                                                                     "mangiare", "parlare", "partire"};
    QTest::newRow("extra only") << "go out" << QStringList{"uscire"};
    QTest::newRow("decomposed accent finds the composed one") << QString::fromUtf8("cafe\xcc\x81") << QStringList{"uscire"};
    QTest::newRow("accents count") << "cafe " << QStringList{};
    QTest::newRow("stored English with its bar") << "t| u" << QStringList{"alzarsi"};
    QTest::newRow("bar removed from the shown English is not searched") << "get up" << QStringList{};
}

void ScreensTest::searchMatches()
{
    QFETCH(QString, search);
    QFETCH(QStringList, expected);
    TestServices services(screensFixture());
    VerbDictionaryModel model;
    QSignalSpy counts(&model, &VerbDictionaryModel::countChanged);
    model.setSearchText(search);
    QCOMPARE(keys(model.filteredVerbs()), expected);
    QCOMPARE(counts.isEmpty(), expected.size() == VerbDictionary::shared().verbCount());
}

void ScreensTest::searchKeepsDictionaryOrderAfterASort()
{
    TestServices services(screensFixture());
    VerbDictionaryModel model;
    QAbstractItemModelTester tester(&model.listModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setSortOrder(false);
    QCOMPARE(model.filteredVerbs().first()->key, QStringLiteral("arrivare"));
    model.setSearchText(QStringLiteral("ve"));
    // Found verbs come in dictionary order, not re-sorted.
    QCOMPARE(keys(model.filteredVerbs()),
             (QStringList{"amare", "arrivare", "avere", "partire", "piovere", "uscire", "vedere", "venire"}));
    model.sortFilteredVerbs();
    QCOMPARE(keys(model.filteredVerbs()),
             (QStringList{"arrivare", "venire", "avere", "partire", "uscire", "amare", "piovere", "vedere"}));
    model.setSearchText(QString());
    QCOMPARE(model.count(), VerbDictionary::shared().verbCount());
}

void ScreensTest::englishOrderIsStable()
{
    TestServices services(screensFixture());
    Verb leaveA;
    leaveA.key = QStringLiteral("zeta");
    leaveA.englishInfinitive = QStringLiteral("leave");
    Verb leaveB;
    leaveB.key = QStringLiteral("alfa");
    leaveB.englishInfinitive = QStringLiteral("le|ave");
    // Equal English (bars aside) is no order either way, so a stable sort keeps the order it had.
    QVERIFY(!VerbDictionaryModel::verbOrder(leaveA, leaveB, false));
    QVERIFY(!VerbDictionaryModel::verbOrder(leaveB, leaveA, false));
    QVERIFY(VerbDictionaryModel::verbOrder(leaveB, leaveA, true));

    VerbDictionaryModel model;
    model.setSortOrder(false);
    const QStringList sorted = keys(model.filteredVerbs());
    QVERIFY(sorted.indexOf(QStringLiteral("partire")) + 1 == sorted.indexOf(QStringLiteral("uscire")));
    // Sorting again by English, and back by Italian, gives the same lists.
    model.setSortOrder(false);
    QCOMPARE(keys(model.filteredVerbs()), sorted);
    model.setSortOrder(true);
    QCOMPARE(model.filteredVerbs(), VerbDictionary::shared().verbs());
}

void ScreensTest::verbListFollowsLearntMarks()
{
    TestServices services(screensFixture());
    VerbDictionaryModel model;
    VerbListModel &list = model.listModel();
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    const int row = int(model.filteredVerbs().indexOf(VerbDictionary::shared().verbForKey(QStringLiteral("amare"))));
    QVERIFY(row >= 0);
    model.toggleLearnt(row);
    QVERIFY(list.data(list.index(row), VerbListModel::LearntRole).toBool());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).value<QModelIndex>().row(), row);
    QCOMPARE(ProgressManager::shared().learntFlags().value(QStringLiteral("amare")), true);
    model.toggleLearnt(row);
    QVERIFY(!list.data(list.index(row), VerbListModel::LearntRole).toBool());
    QCOMPARE(ProgressManager::shared().learntFlags().value(QStringLiteral("amare")), false);
    // Rows out of range do nothing.
    model.toggleLearnt(-1);
    model.toggleLearnt(model.count());
    QCOMPARE(changed.size(), 2);

    model.setSortOrder(false);
    const int moved = int(model.filteredVerbs().indexOf(VerbDictionary::shared().verbForKey(QStringLiteral("amare"))));
    QCOMPARE(list.data(list.index(moved), VerbListModel::FirstLineRole).toString(), QStringLiteral("love"));
    QCOMPARE(list.data(list.index(moved), VerbListModel::SecondLineRole).toString(), QStringLiteral("amare"));
}

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

void ScreensTest::tableRowLayout()
{
    QFETCH(bool, verbFirst);
    QFETCH(bool, needed);
    QFETCH(bool, incorporated);
    QFETCH(bool, shown);
    QFETCH(double, opacity);
    const QVariantMap row = VerbTableModel::row(part(verbFirst, needed, incorporated));
    QCOMPARE(row.value(QStringLiteral("pronounShown")).toBool(), shown);
    QCOMPARE(row.value(QStringLiteral("pronounOpacity")).toDouble(), opacity);
    QCOMPARE(row.value(QStringLiteral("isVerbFirst")).toBool(), verbFirst);
    // A row without a pronoun never draws one.
    QVERIFY(!VerbTableModel::row(part(verbFirst, needed, incorporated, QString()))
                 .value(QStringLiteral("pronounShown"))
                 .toBool());
}

void ScreensTest::cardColours()
{
    TestServices services(screensFixture());
    VerbTableModel model;
    model.setVerb(VerbDictionary::shared().verbForKey(QStringLiteral("piovere")));
    const QVariantList tables = model.tables();
    QCOMPARE(tables.size(), 12);
    for (const QVariant &table : tables) {
        const QVariantMap map = table.toMap();
        const QColor expected(map.value(QStringLiteral("rows")).toList().size() < 2 ? QStringLiteral("#4a69bd")
                                                                                     : QStringLiteral("#4b7bec"));
        QCOMPARE(map.value(QStringLiteral("colour")).value<QColor>(), expected);
    }
    QCOMPARE(model.notes(), QStringLiteral("Also with avere in everyday speech."));
    QCOMPARE(model.caption(), QStringLiteral("Tap Italian to listen"));
    model.setVerb(nullptr);
    QVERIFY(model.tables().isEmpty());
    QCOMPARE(model.title(), QString());
}

void ScreensTest::gearWhileAClipIsFetched()
{
    TestServices services(screensFixture());
    AudioRecording &recording = AudioEngines::shared().useRecorders();
    recording.voiceLanguages.clear();
    TextToSpeech &tts = TextToSpeech::shared();
    // A closed port: the fetch fails at once, as a dead network does.
    tts.setServiceEndpoint(QStringLiteral("http://127.0.0.1:9"));
    // A locale served by clips from the service.
    VerbTableRowModel row;
    row.setProperty("ttsPhrase", QStringLiteral("bore da"));
    row.setProperty("locale", QStringLiteral("cy-GB"));
    row.speakPart();
    QVERIFY(row.gearShown());
    QVERIFY(!tts.downloadDone());
    QTRY_VERIFY_WITH_TIMEOUT(tts.downloadDone(), 10000);
    QVERIFY(!row.gearShown());
    QVERIFY(row.loadedAlready());
    // Once loaded, the row never shows the gear again.
    row.speakPart();
    QVERIFY(!row.gearShown());
    QTRY_VERIFY_WITH_TIMEOUT(tts.downloadDone(), 10000);
}

void ScreensTest::gearNeverShownWithAVoice()
{
    TestServices services(screensFixture());
    AudioRecording &recording = AudioEngines::shared().useRecorders();
    VerbTableRowModel row;
    row.setProperty("ttsPhrase", QStringLiteral("io parlo"));
    row.setProperty("locale", QStringLiteral("it-IT"));
    QSignalSpy loading(&row, &VerbTableRowModel::loadingChanged);
    row.speakPart();
    QVERIFY(loading.isEmpty());
    QCOMPARE(recording.said.size(), 1);
    QCOMPARE(recording.said.first().text, QStringLiteral("io parlo"));

    row.setProperty("ttsEnabled", false);
    row.speakPart();
    QCOMPARE(recording.said.size(), 1);
}

void ScreensTest::gearGoesWhenNoFetchStarts()
{
    TestServices services(screensFixture());
    AudioRecording &recording = AudioEngines::shared().useRecorders();
    recording.voiceLanguages.clear();
    // No voice and no clip service for Italian: nothing will ever be fetched.
    VerbTableRowModel row;
    row.setProperty("ttsPhrase", QStringLiteral("io parlo"));
    row.setProperty("locale", QStringLiteral("it-IT"));
    row.speakPart();
    QVERIFY(!row.gearShown());
    QVERIFY(!row.waitingForSoundLoad());
    QVERIFY(TextToSpeech::shared().downloadDone());
}

void ScreensTest::linkTargets_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("valid");
    QTest::newRow("https") << "https://fonts.google.com/icons" << true;
    QTest::newRow("space in the host") << "https://exa mple.com" << false;
    QTest::newRow("no scheme") << "fonts.google.com/icons" << false;
    QTest::newRow("not a web scheme") << "javascript:alert(1)" << false;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("empty") << "" << false;
}

void ScreensTest::linkTargets()
{
    QFETCH(QString, address);
    QFETCH(bool, valid);
    QCOMPARE(InfoModel::linkTarget(address).isValid(), valid);
    InfoModel model;
    model.setProperty("imagerySourceAddress", address);
    const QVariantList links = model.sections().at(1).toMap().value(QStringLiteral("links")).toList();
    QCOMPARE(links.size(), valid ? 2 : 1);
}

void ScreensTest::symbolsAreGlyphsOfTheIconFont()
{
    QVERIFY(Symbols::installFonts());
    QVERIFY(QFontDatabase::families().contains(Symbols::fontFamily()));
    const QRawFont font(QStringLiteral(":/flexio/fonts/MaterialIcons-Regular.ttf"), 24);
    QVERIFY(font.isValid());
    const QStringList names = Symbols::names();
    for (const QString &name : names)
        QVERIFY2(font.supportsCharacter(Symbols::codePoint(name)), qPrintable(name));
    // The symbols the screens name.
    for (const char *name : {"book.fill", "square.grid.3x3", "list.bullet", "greetingcard.fill",
                             "rectangle.and.pencil.and.ellipsis", "questionmark.app.fill", "mountain.2.fill",
                             "info.circle.fill", "gearshape.fill", "checkmark", "circle.fill", "star.fill"})
        QVERIFY2(Symbols::knows(QString::fromLatin1(name)), name);
    QCOMPARE(Symbols::glyph(QStringLiteral("no.such.symbol")), Symbols::glyph(QStringLiteral("questionmark")));
    // The rounded title font is asked for by name and drawn with a bundled one where missing.
    const QFontInfo title(QFont(Symbols::roundedFamily()));
    QVERIFY2(title.family() == Symbols::roundedFamily() || title.family() == u"Comfortaa", qPrintable(title.family()));
}

void ScreensTest::progressRowsHideVerbsNoLongerInTheData()
{
    TestServices services(screensFixture());
    ProgressManager::shared().addPoints(QStringLiteral("parlare"), 1);
    ProgressManager::shared().addPoints(QStringLiteral("gonevere"), 3);
    ProgressViewerModel model;
    const QVariantList rows = model.rows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).toMap().value(QStringLiteral("shown")).toBool(), false);
    QCOMPARE(rows.at(1).toMap().value(QStringLiteral("displayInfinitive")).toString(), QStringLiteral("parlare"));
    QCOMPARE(rows.at(1).toMap().value(QStringLiteral("shown")).toBool(), true);
    QSignalSpy changed(&model, &ProgressViewerModel::rowsChanged);
    ProgressManager::shared().addPoints(QStringLiteral("parlare"), -1);
    QCOMPARE(changed.size(), 1);
    QVERIFY(!model.empty());
}

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
