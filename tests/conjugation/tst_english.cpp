#include "platform/Console.h"
#include "verbs/English.h"

#include <QTest>

namespace {

const QStringList pronouns{"I", "you (sng.)", "he/she", "we", "you (pl.)", "they"};
const QStringList blanks(6);

QStringList render(const QString &operation, const QString &argument, const QStringList &persons)
{
    if (operation == u"present")
        return English::presentRenderings(argument, persons);
    if (operation == u"imperfect")
        return English::imperfectRenderings(argument, persons);
    if (operation == u"pastHistoric")
        return English::pastHistoricRenderings(argument, persons);
    if (operation == u"future")
        return English::futureRenderings(argument, persons);
    if (operation == u"conditional")
        return English::conditionalRenderings(argument, persons);
    if (operation == u"perfect")
        return English::perfectRenderings(argument, persons);
    if (operation == u"futurePerfect")
        return English::futurePerfectRenderings(argument, persons);
    if (operation == u"conditionalPerfect")
        return English::conditionalPerfectRenderings(argument, persons);
    if (operation == u"presentSubjunctive")
        return English::presentSubjunctiveRenderings(argument, persons);
    if (operation == u"pastSubjunctive")
        return English::pastSubjunctiveRenderings(argument, persons);
    qFatal("unknown operation");
}

const QStringList operations{"present",       "imperfect",          "pastHistoric",       "future",
                             "conditional",   "perfect",            "futurePerfect",      "conditionalPerfect",
                             "presentSubjunctive", "pastSubjunctive"};

}

class TestEnglish : public QObject
{
    Q_OBJECT

private slots:
    void splitInfinitive_data();
    void splitInfinitive();
    void presentThirdPerson_data();
    void presentThirdPerson();
    void simplePast_data();
    void simplePast();
    void simplePastIsLogged();
    void ingForm_data();
    void ingForm();
    void renderings_data();
    void renderings();
    void glosses_data();
    void glosses();
    void oddInfinitivesStillRender_data();
    void oddInfinitivesStillRender();
    void perfectNeedsSixPronouns();
};

void TestEnglish::splitInfinitive_data()
{
    QTest::addColumn<QString>("infinitive");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("single word") << "speak" << QStringList{"speak", ""};
    QTest::newRow("be phrase keeps its blank") << "be late" << QStringList{"be", " late"};
    QTest::newRow("bare be") << "be" << QStringList{"be", ""};
    QTest::newRow("word starting with be") << "become" << QStringList{"become", ""};
    QTest::newRow("bar") << "look| at" << QStringList{"look", " at"};
    QTest::newRow("bar without blank") << "look|at" << QStringList{"look", "at"};
    QTest::newRow("trailing bar") << "look|" << QStringList{"look", ""};
    QTest::newRow("two bars") << "a|b|c" << QStringList{"a", "b", "c"};
    QTest::newRow("empty") << "" << QStringList{"", ""};
}

void TestEnglish::splitInfinitive()
{
    QFETCH(QString, infinitive);
    QFETCH(QStringList, parts);
    QCOMPARE(English::splitInfinitive(infinitive), parts);
}

void TestEnglish::presentThirdPerson_data()
{
    QTest::addColumn<QString>("infinitive");
    QTest::addColumn<QString>("slot2");
    QTest::newRow("make") << "make" << "he/she makes";
    QTest::newRow("study") << "study" << "he/she studies";
    QTest::newRow("play") << "play" << "he/she plays";
    QTest::newRow("go") << "go" << "he/she goes";
    QTest::newRow("fix") << "fix" << "he/she fixes";
    QTest::newRow("wash") << "wash" << "he/she washes";
    QTest::newRow("pass") << "pass" << "he/she passes";
    QTest::newRow("watch") << "watch" << "he/she watches";
    QTest::newRow("teach") << "teach" << "he/she teaches";
    QTest::newRow("be") << "be" << "he/she is";
    QTest::newRow("have") << "have" << "he/she has";
    QTest::newRow("can") << "can" << "he/she can";
    QTest::newRow("must") << "must" << "he/she must";
    QTest::newRow("bar phrase") << "look| at" << "he/she looks at";
    QTest::newRow("bar run together") << "look|at" << "he/she looksat";
    QTest::newRow("get up") << "get| up" << "he/she gets up";
}

void TestEnglish::presentThirdPerson()
{
    QFETCH(QString, infinitive);
    QFETCH(QString, slot2);
    const QStringList renderings = English::presentRenderings(infinitive, pronouns);
    QCOMPARE(renderings.size(), 6);
    QCOMPARE(renderings.at(2), slot2);
}

void TestEnglish::simplePast_data()
{
    QTest::addColumn<QString>("infinitive");
    QTest::addColumn<QString>("past");
    QTest::newRow("stop doubles") << "stop" << "stopped";
    QTest::newRow("open is an exception") << "open" << "opened";
    QTest::newRow("visit is an exception") << "visit" << "visited";
    QTest::newRow("travel doubles") << "travel" << "travelled";
    QTest::newRow("beat has a vowel pair") << "beat" << "beated";
    QTest::newRow("play") << "play" << "played";
    QTest::newRow("try") << "try" << "tried";
    QTest::newRow("bake") << "bake" << "baked";
    QTest::newRow("prefer doubles its stressed r") << "prefer" << "preferred";
    QTest::newRow("short head") << "ax" << "axed";
    QTest::newRow("be") << "be" << "was";
    QTest::newRow("be late") << "be late" << "was late";
    QTest::newRow("can") << "can" << "could";
    QTest::newRow("must") << "must" << "had to";
    QTest::newRow("get up") << "get| up" << "got up";
    QTest::newRow("go out") << "go| out" << "went out";
    QTest::newRow("become") << "become" << "became";
    QTest::newRow("bar phrase") << "look| at" << "looked at";
}

void TestEnglish::simplePast()
{
    QFETCH(QString, infinitive);
    QFETCH(QString, past);
    QCOMPARE(English::simplePast(infinitive), past);
}

void TestEnglish::simplePastIsLogged()
{
    ConsoleCapture console;
    (void)English::simplePast(QStringLiteral("stop"));
    QCOMPARE(console.lines(), QStringList{"English >> Creating simple past from infinitive: stop"});
}

void TestEnglish::ingForm_data()
{
    QTest::addColumn<QString>("infinitive");
    QTest::addColumn<QString>("ing");
    QTest::newRow("run") << "run" << "running";
    QTest::newRow("make") << "make" << "making";
    QTest::newRow("die") << "die" << "dying";
    QTest::newRow("untie") << "untie" << "untying";
    QTest::newRow("see") << "see" << "seeing";
    QTest::newRow("agree") << "agree" << "agreeing";
    QTest::newRow("listen") << "listen" << "listening";
    QTest::newRow("sharpen is an -ing exception") << "sharpen" << "sharpening";
    QTest::newRow("travel") << "travel" << "travelling";
    QTest::newRow("occur doubles its stressed r") << "occur" << "occurring";
    QTest::newRow("bar phrase") << "look| at" << "looking at";
    QTest::newRow("can") << "can" << "able to";
    QTest::newRow("be able to") << "be able to" << "able to";
    QTest::newRow("must") << "must" << "obliged to";
    QTest::newRow("be") << "be" << "";
    QTest::newRow("be late") << "be late" << "late";
    QTest::newRow("be born") << "be born" << "being born";
}

void TestEnglish::ingForm()
{
    QFETCH(QString, infinitive);
    QFETCH(QString, ing);
    QCOMPARE(English::ingForm(infinitive), ing);
}

void TestEnglish::renderings_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("present be late") << "present" << "be late"
                                     << QStringList{"I am late", "you (sng.) are late", "he/she is late",
                                                    "we are late", "you (pl.) are late", "they are late"};
    QTest::newRow("present have") << "present" << "have"
                                  << QStringList{"I have", "you (sng.) have", "he/she has", "we have",
                                                 "you (pl.) have", "they have"};
    QTest::newRow("imperfect be late") << "imperfect" << "be late"
                                       << QStringList{"I was late", "you (sng.) were late", "he/she was late",
                                                      "we were late", "you (pl.) were late", "they were late"};
    QTest::newRow("imperfect run") << "imperfect" << "run"
                                   << QStringList{"I was running", "you (sng.) were running",
                                                  "he/she was running", "we were running",
                                                  "you (pl.) were running", "they were running"};
    QTest::newRow("imperfect can") << "imperfect" << "can"
                                   << QStringList{"I was able to", "you (sng.) were able to", "he/she was able to",
                                                  "we were able to", "you (pl.) were able to", "they were able to"};
    QTest::newRow("imperfect have to") << "imperfect" << "have to"
                                       << QStringList{"I had to", "you (sng.) had to", "he/she had to",
                                                      "we had to", "you (pl.) had to", "they had to"};
    QTest::newRow("imperfect must") << "imperfect" << "must"
                                    << QStringList{"I had to", "you (sng.) had to", "he/she had to", "we had to",
                                                   "you (pl.) had to", "they had to"};
    QTest::newRow("imperfect be") << "imperfect" << "be"
                                  << QStringList{"I was", "you (sng.) were", "he/she was", "we were",
                                                 "you (pl.) were", "they were"};
    QTest::newRow("past historic was late") << "pastHistoric" << "was late"
                                            << QStringList{"I was late", "you (sng.) were late",
                                                           "he/she was late", "we were late",
                                                           "you (pl.) were late", "they were late"};
    QTest::newRow("past historic was") << "pastHistoric" << "was"
                                       << QStringList{"I was", "you (sng.) were", "he/she was", "we were",
                                                      "you (pl.) were", "they were"};
    QTest::newRow("past historic spoke") << "pastHistoric" << "spoke"
                                         << QStringList{"I spoke", "you (sng.) spoke", "he/she spoke",
                                                        "we spoke", "you (pl.) spoke", "they spoke"};
    QTest::newRow("future can") << "future" << "can"
                                << QStringList{"I will be able to", "you (sng.) will be able to",
                                               "he/she will be able to", "we will be able to",
                                               "you (pl.) will be able to", "they will be able to"};
    QTest::newRow("future must") << "future" << "must"
                                 << QStringList{"I will have to", "you (sng.) will have to", "he/she will have to",
                                                "we will have to", "you (pl.) will have to", "they will have to"};
    QTest::newRow("future should") << "future" << "should"
                                   << QStringList{"I will be supposed to", "you (sng.) will be supposed to",
                                                  "he/she will be supposed to", "we will be supposed to",
                                                  "you (pl.) will be supposed to", "they will be supposed to"};
    QTest::newRow("future of a bar phrase") << "future" << "look| at"
                                            << QStringList{"I will look at", "you (sng.) will look at",
                                                           "he/she will look at", "we will look at",
                                                           "you (pl.) will look at", "they will look at"};
    QTest::newRow("future of a bar phrase without blank") << "future" << "look|at"
                                                          << QStringList{"I will lookat", "you (sng.) will lookat",
                                                                         "he/she will lookat", "we will lookat",
                                                                         "you (pl.) will lookat", "they will lookat"};
    QTest::newRow("conditional can") << "conditional" << "can"
                                     << QStringList{"I would be able to", "you (sng.) would be able to",
                                                    "he/she would be able to", "we would be able to",
                                                    "you (pl.) would be able to", "they would be able to"};
    QTest::newRow("conditional must") << "conditional" << "must"
                                      << QStringList{"I would have to", "you (sng.) would have to",
                                                     "he/she would have to", "we would have to",
                                                     "you (pl.) would have to", "they would have to"};
    QTest::newRow("conditional should") << "conditional" << "should"
                                        << QStringList{"I would be supposed to", "you (sng.) would be supposed to",
                                                       "he/she would be supposed to", "we would be supposed to",
                                                       "you (pl.) would be supposed to",
                                                       "they would be supposed to"};
    QTest::newRow("conditional of a bar phrase") << "conditional" << "get| up"
                                                 << QStringList{"I would get up", "you (sng.) would get up",
                                                                "he/she would get up", "we would get up",
                                                                "you (pl.) would get up", "they would get up"};
    QTest::newRow("perfect") << "perfect" << "spoken"
                             << QStringList{"I have spoken", "you (sng.) have spoken", "he/she has spoken",
                                            "we have spoken", "you (pl.) have spoken", "they have spoken"};
    QTest::newRow("future perfect") << "futurePerfect" << "spoken"
                                    << QStringList{"I will have spoken", "you (sng.) will have spoken",
                                                   "he/she will have spoken", "we will have spoken",
                                                   "you (pl.) will have spoken", "they will have spoken"};
    QTest::newRow("conditional perfect") << "conditionalPerfect" << "spoken"
                                         << QStringList{"I would have spoken", "you (sng.) would have spoken",
                                                        "he/she would have spoken", "we would have spoken",
                                                        "you (pl.) would have spoken", "they would have spoken"};
    QTest::newRow("present subjunctive can") << "presentSubjunctive" << "can"
                                             << QStringList{"I may be able to", "you (sng.) may be able to",
                                                            "he/she may be able to", "we may be able to",
                                                            "you (pl.) may be able to", "they may be able to"};
    QTest::newRow("present subjunctive must") << "presentSubjunctive" << "must"
                                              << QStringList{"I may have to", "you (sng.) may have to",
                                                             "he/she may have to", "we may have to",
                                                             "you (pl.) may have to", "they may have to"};
    QTest::newRow("present subjunctive of a bar phrase") << "presentSubjunctive" << "look| at"
                                                         << QStringList{"I may look at", "you (sng.) may look at",
                                                                        "he/she may look at", "we may look at",
                                                                        "you (pl.) may look at",
                                                                        "they may look at"};
    QTest::newRow("past subjunctive must") << "pastSubjunctive" << "must"
                                           << QStringList{"I might have to", "you (sng.) might have to",
                                                          "he/she might have to", "we might have to",
                                                          "you (pl.) might have to", "they might have to"};
    QTest::newRow("past subjunctive can") << "pastSubjunctive" << "can"
                                          << QStringList{"I might be able to", "you (sng.) might be able to",
                                                         "he/she might be able to", "we might be able to",
                                                         "you (pl.) might be able to", "they might be able to"};
}

void TestEnglish::renderings()
{
    QFETCH(QString, operation);
    QFETCH(QString, argument);
    QFETCH(QStringList, expected);
    QCOMPARE(render(operation, argument, pronouns), expected);
}

void TestEnglish::glosses_data()
{
    // Glosses are built with six empty pronouns: the rendering then starts with its separator.
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("gloss");
    QTest::newRow("present speak") << "present" << "speak" << " speaks";
    QTest::newRow("imperfect speak") << "imperfect" << "speak" << " was speaking";
    QTest::newRow("past historic spoke") << "pastHistoric" << "spoke" << " spoke";
    QTest::newRow("past historic was late") << "pastHistoric" << "was late" << " was late";
    QTest::newRow("future speak") << "future" << "speak" << " will speak";
    QTest::newRow("conditional speak") << "conditional" << "speak" << " would speak";
    QTest::newRow("perfect spoken") << "perfect" << "spoken" << " has spoken";
    QTest::newRow("future perfect spoken") << "futurePerfect" << "spoken" << " will have spoken";
    QTest::newRow("conditional perfect spoken") << "conditionalPerfect" << "spoken" << " would have spoken";
    QTest::newRow("present subjunctive speak") << "presentSubjunctive" << "speak" << " may speak";
    QTest::newRow("past subjunctive speak") << "pastSubjunctive" << "speak" << " might speak";
}

void TestEnglish::glosses()
{
    QFETCH(QString, operation);
    QFETCH(QString, argument);
    QFETCH(QString, gloss);
    const QStringList withBlanks = render(operation, argument, blanks);
    QCOMPARE(withBlanks.size(), 6);
    QCOMPARE(withBlanks.at(2), gloss);
}

void TestEnglish::oddInfinitivesStillRender_data()
{
    // Rules that look at the last letters of the head must cope with short and empty heads.
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("argument");
    for (const QString &operation : operations) {
        for (const char *odd : {"", "y", "e", "|", "be ", "a|b|c"}) {
            const QByteArray name = operation.toUtf8() + " of '" + odd + "'";
            QTest::newRow(name.constData()) << operation << QString::fromUtf8(odd);
        }
    }
}

void TestEnglish::oddInfinitivesStillRender()
{
    QFETCH(QString, operation);
    QFETCH(QString, argument);
    (void)English::simplePast(argument);
    (void)English::ingForm(argument);
    const QStringList withPronouns = render(operation, argument, pronouns);
    QCOMPARE(withPronouns.size(), 6);
    for (int slot = 0; slot < 6; ++slot)
        QVERIFY2(withPronouns.at(slot).startsWith(pronouns.at(slot)), qPrintable(withPronouns.at(slot)));
}

void TestEnglish::perfectNeedsSixPronouns()
{
    QVERIFY(English::perfectRenderings(QStringLiteral("spoken"), pronouns.mid(0, 5)).isEmpty());
    QVERIFY(English::perfectRenderings(QStringLiteral("spoken"), pronouns + QStringList{"it"}).isEmpty());
}

QTEST_GUILESS_MAIN(TestEnglish)
#include "tst_english.moc"
