#include "platform/LearnerDatabase.h"
#include "platform/ManualMainQueue.h"
#include "progress/DailyGoal.h"
#include "progress/MistakeLog.h"
#include "progress/ProgressDictionaryEntry.h"
#include "progress/ProgressManager.h"
#include "progress/ProgressTransfer.h"
#include "screens/VerbSettings.h"
#include "settings/DisplaySwitches.h"
#include "settings/TenseSetting.h"
#include "support/TestServices.h"
#include "verbs/Tense.h"
#include "verbs/VerbDictionary.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

// The stored switches: the tenses', then the display switches'.
const QStringList tenseNames = [] {
    QStringList names;
    for (const Tense &tense : Tense::all())
        names.append(tense.name);
    for (const DisplaySwitches::Switch &display : DisplaySwitches::all())
        names.append(display.name);
    return names;
}();

// Writes a JSON store holding the given dictionaries, as an earlier version of the app left it.
void seedStore(const QString &path, const QVariantMap &dictionaries)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(QJsonObject::fromVariantMap(dictionaries)).toJson());
}

// Services over the basic verbs that take in the JSON store at path.
TestServices::Options migrating(const QString &path)
{
    TestServices::Options options;
    options.resourceRoot = TestServices::fixture(QStringLiteral("basic"));
    options.jsonStorePath = path;
    return options;
}

// The names of the tenses switched on, sorted.
QStringList enabledTenses(VerbDictionary &dictionary)
{
    QStringList on;
    for (const TenseSetting *setting : dictionary.tenseSettings()) {
        if (setting->status())
            on.append(setting->tenseName());
    }
    on.sort();
    return on;
}

QVariantMap allTenses(const QStringList &on)
{
    QVariantMap map;
    for (const QString &name : tenseNames)
        map.insert(name, on.contains(name));
    return map;
}

QStringList ranking(ProgressManager &progress)
{
    QStringList rows;
    for (const ProgressDictionaryEntry *entry : progress.progressDictionaryEntries())
        rows.append(entry->verb()->displayInfinitive() + u'=' + QString::number(entry->score()));
    return rows;
}

}

class ProgressTest : public QObject
{
    Q_OBJECT

private slots:
    void tenseSwitchesAtStartUp_data();
    void tenseSwitchesAtStartUp();
    void pointsAndRanking();
    void wrongTypesAreSkipped();
    void valuesSurviveARestart();
    void weekStreak_data();
    void weekStreak();
    void goalFollowsTheStore();
};

// clang-format off
void ProgressTest::tenseSwitchesAtStartUp_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QStringList>("expectedOn");
    QTest::newRow("fresh install") << QVariantMap() << QStringList{"Present", "Stress Marks"};
    QTest::newRow("learner's choice") << allTenses({"Future", "Perfect"}) << QStringList{"Future", "Perfect"};
    QVariantMap otherNames;
    for (qsizetype i = 0; i < tenseNames.size(); ++i)
        otherNames.insert(u"Tense " + QString::number(i), true);
    // Names no tense has are left out, a tense the stored map lacks is off, and a display switch
    // it lacks keeps its default.
    QTest::newRow("other names read as off") << otherNames << QStringList{"Stress Marks"};
    QVariantMap ten = allTenses({"Future", "Conditional"});
    ten.remove(QStringLiteral("Past Subjunctive"));
    ten.insert(QStringLiteral("Present"), false);
    QTest::newRow("ten entries keep the stored choices") << ten << QStringList{"Conditional", "Future"};
    QVariantMap twelve = allTenses({"Imperfect", "Past Subjunctive"});
    twelve.insert(QStringLiteral("Gerund"), true);
    QTest::newRow("twelve entries drop the unknown name") << twelve << QStringList{"Imperfect", "Past Subjunctive"};
}
// clang-format on

void ProgressTest::tenseSwitchesAtStartUp()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QStringList, expectedOn);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    if (!stored.isEmpty())
        seedStore(path, {{QStringLiteral("flagDictionary"), stored}});
    TestServices services(migrating(path));
    services.verbDictionary();
    services.queue().runPending();
    expectedOn.sort();
    QCOMPARE(enabledTenses(services.verbDictionary()), expectedOn);
    const auto tensesOn = std::count_if(
        expectedOn.begin(), expectedOn.end(), [](const QString &name) { return Tense::named(name) != nullptr; });
    QCOMPARE(services.verbDictionary().enabledTenseCount(), tensesOn);
}

void ProgressTest::pointsAndRanking()
{
    TestServices services;
    ProgressManager &progress = services.progressManager();
    QSignalSpy published(&progress, &ProgressManager::progressDictionaryEntriesChanged);

    for (int i = 0; i < 3; ++i)
        progress.addPoints(QStringLiteral("andare"), -1);
    progress.addPoints(QStringLiteral("parlare"), 2);
    progress.addPoints(QStringLiteral("lavarsi"), 2);
    progress.addPoints(QStringLiteral("mangiare"), 2);
    progress.addPoints(QStringLiteral("finire"), 0);
    progress.addPoints(QStringLiteral("gone"), 5);
    progress.addPoints(QString(), 1);
    QCOMPARE(published.count(), 8);

    // Equal scores in the order of the shown infinitive: lavarsi sorts by its -arsi form.
    QCOMPARE(ranking(progress), QStringList({"=5", "lavarsi=2", "mangiare=2", "parlare=2", "finire=0", "andare=-3"}));
    const QJsonObject saved = QJsonDocument::fromJson(services.progressTransfer().exportJson()).object();
    QCOMPARE(saved["store"]["progressDictionary"]["andare"].toInteger(), -3);
}

void ProgressTest::wrongTypesAreSkipped()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    QVariantMap flags = allTenses({"Future"});
    flags.insert(QStringLiteral("Present"), QStringLiteral("yes"));
    seedStore(path,
        {{QStringLiteral("progressDictionary"),
             QVariantMap{{"parlare", "ten"}, {"andare", 2.5}, {"bere", 3}, {"fare", QVariantList{1}}}},
            {QStringLiteral("learntDictionary"), QVariantMap{{"parlare", 1}, {"andare", true}}},
            {QStringLiteral("flagDictionary"), flags},
            {QStringLiteral("quizScoresDictionary"), QStringLiteral("not a map")}});

    // Each entry that cannot be kept is left out, with one warning for all.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^6 entries of .* could not be kept")));
    TestServices services(migrating(path));
    services.verbDictionary();
    services.queue().runPending();
    ProgressManager &progress = services.progressManager();
    QCOMPARE(progress.progressScores(), (QMap<QString, qint64>{{"bere", 3}}));
    QCOMPARE(progress.learntFlags(), (QMap<QString, bool>{{"andare", true}}));
    QVERIFY(progress.quizScores().isEmpty());
    QCOMPARE(enabledTenses(services.verbDictionary()), QStringList{"Future"});
    QCOMPARE(services.verbDictionary().learntVerbs().size(), 1);

    progress.addPoints(QStringLiteral("bere"), 1);
    QCOMPARE(progress.progressScores().value("bere"), 4);
}

void ProgressTest::valuesSurviveARestart()
{
    TestServices services;
    {
        ProgressManager &progress = services.progressManager();
        progress.addPoints(QStringLiteral("parlare"), 4);
        progress.setQuizScore(QStringLiteral("articles"), 90);
        progress.setQuizScore(QStringLiteral("articles"), 75);
        Verb *parlare = services.verbDictionary().verbForKey(QStringLiteral("parlare"));
        QSignalSpy learnt(parlare, &Verb::learntChanged);
        progress.toggleLearnt(parlare);
        progress.toggleLearnt(parlare);
        QCOMPARE(learnt.count(), 2);
        progress.toggleLearnt(services.verbDictionary().verbForKey(QStringLiteral("andare")));
        VerbSettings(services.verbDictionary()).toggleTense(services.verbDictionary().tenseSettings().at(9));
    }
    services.restart();
    VerbDictionary &dictionary = services.verbDictionary();
    services.queue().runPending();
    ProgressManager &progress = services.progressManager();
    QCOMPARE(progress.progressScores().value("parlare"), 4);
    QCOMPARE(progress.quizScores(), (QMap<QString, qint64>{{"articles", 75}}));
    QCOMPARE(progress.learntFlags(), (QMap<QString, bool>{{"andare", true}, {"parlare", false}}));
    QCOMPARE(dictionary.learntVerbs().size(), 1);
    QCOMPARE(dictionary.learntVerbs().first()->key, QStringLiteral("andare"));
    QVERIFY(dictionary.tenseSettings().at(9)->status());
    QCOMPARE(ranking(progress), QStringList({"parlare=4"}));
}

// clang-format off
void ProgressTest::weekStreak_data()
{
    // One letter a day from a Monday three weeks back to today: the goal met (1), one answer
    // short of it (p), or nothing answered (0).
    QTest::addColumn<QString>("days");
    QTest::addColumn<int>("weeks");
    QTest::newRow("a missed day a week still counts") << "1111110 1101111 0111111 111" << 3;
    QTest::newRow("four days met do not count") << "1111111 1111111 1111ppp 111" << 0;
    QTest::newRow("this week counts from its fifth day") << "0000000 1111100 1111100 11111" << 3;
    QTest::newRow("this week, short so far, breaks nothing") << "1111100 1111100 0011111 00" << 3;
    QTest::newRow("a week short ends the streak") << "1111100 0000000 1111100 1" << 1;
    QTest::newRow("one answer short is not met") << "ppppppp 1111100 1111100 p" << 2;
    QTest::newRow("nothing answered") << "0" << 0;
}
// clang-format on

void ProgressTest::weekStreak()
{
    QFETCH(QString, days);
    QFETCH(int, weeks);
    constexpr int target = 20;
    QMap<QDate, qint64> perDay;
    QDate day(2024, 2, 19); // a Monday
    for (const QChar letter : days.remove(u' ')) {
        if (letter != u'0')
            perDay.insert(day, letter == u'1' ? target : target - 1);
        day = day.addDays(1);
    }
    QCOMPARE(DailyGoal::weekStreak(perDay, day.addDays(-1), target), weeks);
}

void ProgressTest::goalFollowsTheStore()
{
    TestServices services;
    const QDateTime today(QDate(2024, 3, 13), QTime(12, 0)); // a Wednesday, in UTC as the tests run
    services.queue().advance(today.toMSecsSinceEpoch());
    DailyGoal &goal = services.dailyGoal();
    goal.setTarget(2);
    goal.setTarget(DailyGoal::maxTarget + 1);
    // Twelve whole weeks on target (more than the first reading holds), then Monday on target
    // with exactly two answers, one answer yesterday and none today.
    LearnerDatabase &store = services.learnerStore();
    const auto answer = [&store, &today](int daysBack, int count) {
        for (int i = 0; i < count; ++i)
            store.addAnswer({"parlare#PRES#0", "parlare", "PRES", 0},
                {today.addDays(-daysBack).toMSecsSinceEpoch() + i, true, "parlo", {}});
    };
    store.write([&answer] {
        for (int back = 86; back >= 2; --back)
            answer(back, 2);
        answer(1, 1);
        return true;
    });
    goal.refresh();
    const auto marks = [&goal] {
        QString letters;
        for (const DailyGoal::Day &day : goal.lastWeek())
            letters += QLatin1String("npm").at(int(day.mark));
        return letters;
    };
    QCOMPARE(goal.target(), 2);
    QCOMPARE(goal.weekStreak(), 12);
    QCOMPARE(marks(), QStringLiteral("mmmmmpn"));

    QSignalSpy changed(&goal, &DailyGoal::changed);
    services.mistakeLog().record(QStringLiteral("parlare"), QStringLiteral("PRES|1PS|SING"), "parlo", true);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(goal.answersToday(), 1);
    QCOMPARE(marks(), QStringLiteral("mmmmmpp"));
    services.restart();
    QCOMPARE(services.dailyGoal().target(), 2);
}

QTEST_GUILESS_MAIN(ProgressTest)
#include "tst_progress.moc"
