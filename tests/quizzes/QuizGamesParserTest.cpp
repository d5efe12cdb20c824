#include "support/TestServices.h"

#include "platform/ManualMainQueue.h"
#include "progress/ProgressManager.h"
#include "quizzes/QuizGamesParser.h"
#include "quizzes/SchoolWork.h"

#include <QTest>

class QuizGamesParserTest : public QObject
{
    Q_OBJECT

private slots:
    void quizzesComeInFileOrder();
    void quizIdentity_data();
    void quizIdentity();
    void elementTextKeepsLineBreaks();
    void questionFields();
    void missingAlternativeReadsAsEmptyAnswer();
    void allAnswersKeepsItsOrder();
    void lastScoresComeFromTheStore();
    void missingFileLeavesNoQuizzes();
    void malformedFileKeepsEarlierQuizzes();

private:
    static TestServices::Options fixture(const QString &name)
    {
        TestServices::Options options;
        options.resourceRoot = TestServices::fixture(name);
        return options;
    }
};

void QuizGamesParserTest::quizzesComeInFileOrder()
{
    TestServices services(fixture(QStringLiteral("quizzes")));
    const QList<Quiz *> &quizzes = QuizGamesParser::shared().quizzes();

    QCOMPARE(quizzes.size(), 3);
    for (int i = 0; i < quizzes.size(); ++i) {
        QCOMPARE(quizzes.at(i)->order, i);
    }
}

void QuizGamesParserTest::quizIdentity_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("quizID");
    QTest::addColumn<QString>("identifier");

    QTest::newRow("id element") << 0 << "Present Tense" << "present-tense" << "present-tense";
    QTest::newRow("id inside an item") << 1 << "Inner Id" << "inner-id" << "inner-id";
    QTest::newRow("no id: the title") << 2 << "No Id" << "No Id" << "";
}

void QuizGamesParserTest::quizIdentity()
{
    QFETCH(int, index);
    QFETCH(QString, title);
    QFETCH(QString, quizID);
    QFETCH(QString, identifier);
    TestServices services(fixture(QStringLiteral("quizzes")));
    Quiz *quiz = QuizGamesParser::shared().quizzes().at(index);

    QCOMPARE(quiz->title, title);
    QCOMPARE(quiz->quizID, quizID);
    QCOMPARE(quiz->identifier, identifier);
    QCOMPARE(quiz->contextIdentifier(), identifier);
    QCOMPARE(quiz->questions.size(), index == 0 ? 2 : 1);
    QCOMPARE(QuizGamesParser::shared().quizWithID(quizID), quiz);
}

void QuizGamesParserTest::elementTextKeepsLineBreaks()
{
    TestServices services(fixture(QStringLiteral("quizzes")));
    QCOMPARE(QuizGamesParser::shared().quizzes().at(0)->description,
             QStringLiteral("\n      Line one\n      line two\n    "));
}

void QuizGamesParserTest::questionFields()
{
    TestServices services(fixture(QStringLiteral("quizzes")));
    const QuizQuestion *question = QuizGamesParser::shared().quizzes().at(0)->questions.at(0);

    QCOMPARE(question->question, QStringLiteral("Io _____ italiano."));
    QCOMPARE(question->answer()->text, QStringLiteral("parlo"));
    QVERIFY(question->answer()->correct);
    const QList<QuizQuestionAnswer *> alternatives{question->alt1(), question->alt2(), question->alt3()};
    QCOMPARE(alternatives.at(0)->text, QStringLiteral("parla"));
    QCOMPARE(alternatives.at(1)->text, QStringLiteral("parli"));
    QCOMPARE(alternatives.at(2)->text, QStringLiteral("parlano"));
    for (const QuizQuestionAnswer *alternative : alternatives) {
        QVERIFY(!alternative->correct);
        QCOMPARE(alternative->state(), QuizQuestionAnswerState::undefined);
    }
    QCOMPARE(question->clue, QStringLiteral("parlare, io"));
    QCOMPARE(question->image_named, QStringLiteral("speech"));
    QCOMPARE(question->explanation, QStringLiteral("The io form ends in -o."));
    QCOMPARE(question->linkedVerb, QStringLiteral("parlare"));
}

void QuizGamesParserTest::missingAlternativeReadsAsEmptyAnswer()
{
    TestServices services(fixture(QStringLiteral("quizzes")));
    QuizQuestion *question = QuizGamesParser::shared().quizzes().at(0)->questions.at(1);

    QVERIFY(question->alt2()->text.isEmpty());
    QVERIFY(!question->alt2()->correct);
    const auto answers = question->allAnswers();
    QCOMPARE(answers.size(), 4);
    QVERIFY(answers.contains(question->alt2()));
    QCOMPARE(std::count_if(answers.begin(), answers.end(), [](const auto *a) { return a->correct; }), 1);
}

void QuizGamesParserTest::allAnswersKeepsItsOrder()
{
    TestServices services(fixture(QStringLiteral("quizzes")));
    QuizQuestion *question = QuizGamesParser::shared().quizzes().at(0)->questions.at(0);

    const QList<QuizQuestionAnswer *> first = question->allAnswers();
    QCOMPARE(question->allAnswers(), first);
    QList<QuizQuestionAnswer *> expected{question->answer(), question->alt1(), question->alt2(), question->alt3()};
    QList<QuizQuestionAnswer *> dealt = first;
    std::sort(expected.begin(), expected.end());
    std::sort(dealt.begin(), dealt.end());
    QCOMPARE(dealt, expected);
}

void QuizGamesParserTest::lastScoresComeFromTheStore()
{
    TestServices services(fixture(QStringLiteral("quizzes")));
    ProgressManager::shared().setQuizScore(QStringLiteral("present-tense"), 80);
    ProgressManager::shared().setQuizScore(QStringLiteral("No Id"), 45);
    const QList<Quiz *> &quizzes = QuizGamesParser::shared().quizzes();

    QCOMPARE(quizzes.at(0)->lastScore(), 80);
    QCOMPARE(quizzes.at(1)->lastScore(), 0);
    QCOMPARE(quizzes.at(2)->lastScore(), 45);
}

void QuizGamesParserTest::missingFileLeavesNoQuizzes()
{
    TestServices services(fixture(QStringLiteral("basic")));
    QVERIFY(QuizGamesParser::shared().quizzes().isEmpty());
    services.queue().runPending();
    QCOMPARE(SchoolWork::shared().mainAppContext().childCount(), 0);
}

void QuizGamesParserTest::malformedFileKeepsEarlierQuizzes()
{
    // The fault sits on line 15 of the fixture.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not well-formed: .* at line 15, column ")));
    TestServices services(fixture(QStringLiteral("quizzes_malformed")));
    QuizGamesParser &parser = QuizGamesParser::shared();

    QVERIFY(!parser.readWhole());
    QCOMPARE(parser.quizzes().size(), 1);
    QCOMPARE(parser.quizzes().at(0)->quizID, QStringLiteral("kept"));
    QCOMPARE(parser.quizzes().at(0)->questions.size(), 1);
}

QTEST_GUILESS_MAIN(QuizGamesParserTest)
#include "QuizGamesParserTest.moc"
