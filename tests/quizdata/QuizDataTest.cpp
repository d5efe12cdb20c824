#include "support/TestServices.h"

#include "quizzes/QuizGame.h"
#include "quizzes/QuizGamesParser.h"
#include "verbs/Verb.h"
#include "verbs/VerbDataReader.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Checks the shipped quiz data file as the app reads it.
class QuizDataTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void fileIsReadWhole();
    void quizIdsAreUniqueSlugs();
    void quiz_data();
    void quiz();
    void questionTextsAreUnique();

private:
    const QList<Quiz *> &quizzes() const { return QuizGamesParser::shared().quizzes(); }

    std::unique_ptr<TestServices> services_;
    QSet<QString> verbKeys_;
};

void QuizDataTest::initTestCase()
{
    // Reading 700 verbs and every quiz writes thousands of lines that nobody reads here.
    TestServices::Options options;
    options.resourceRoot = QStringLiteral(FLEXIO_SOURCE_DIR "/resources");
    services_ = std::make_unique<TestServices>(options);

    QFile verbs(QStringLiteral(FLEXIO_SOURCE_DIR "/resources/verbs.xml"));
    QVERIFY(verbs.open(QIODevice::ReadOnly));
    VerbDataReader reader([this](Verb *verb) {
        verbKeys_.insert(verb->key);
        delete verb;
    });
    QVERIFY2(reader.read(verbs.readAll()), qPrintable(reader.errorText()));
    QVERIFY(!verbKeys_.isEmpty());
    QuizGamesParser::shared();
}

void QuizDataTest::cleanupTestCase()
{
    services_.reset();
}

void QuizDataTest::fileIsReadWhole()
{
    const QuizGamesParser &parser = QuizGamesParser::shared();
    QVERIFY(!parser.dataPath().isEmpty());
    QVERIFY(parser.readWhole());
    QVERIFY2(quizzes().size() >= 15, qPrintable(QString::number(quizzes().size())));
}

void QuizDataTest::quizIdsAreUniqueSlugs()
{
    const QRegularExpression slug(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
    QStringList faults;
    QSet<QString> seen;
    for (const Quiz *quiz : quizzes()) {
        if (!slug.match(quiz->identifier).hasMatch())
            faults.append(u"not a slug: \"" + quiz->identifier + u"\" (" + quiz->title + u')');
        if (quiz->quizID != quiz->identifier)
            faults.append(u"no id element: " + quiz->title);
        if (seen.contains(quiz->quizID))
            faults.append(u"repeated: " + quiz->quizID);
        seen.insert(quiz->quizID);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void QuizDataTest::quiz_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < quizzes().size(); ++i)
        QTest::newRow(qPrintable(quizzes().at(i)->quizID)) << i;
}

void QuizDataTest::quiz()
{
    QFETCH(int, index);
    const Quiz *quiz = quizzes().at(index);
    QVERIFY(!quiz->title.isEmpty());
    QVERIFY2(quiz->questions.size() >= 12, qPrintable(QString::number(quiz->questions.size())));

    QStringList faults;
    for (const QuizQuestion *question : quiz->questions) {
        const QString &text = question->question;
        const QString &answer = question->answer()->text;
        if (text.count(QuizGame::blank) != 1 || text.count(u'_') != QuizGame::blank.size())
            faults.append(u"not one blank: " + text);
        if (answer.trimmed().isEmpty())
            faults.append(u"no answer: " + text);
        for (const QuizQuestionAnswer *alternative : {question->alt1(), question->alt2(), question->alt3()}) {
            if (alternative->text == answer)
                faults.append(u"an alternative is the answer \"" + answer + u"\": " + text);
        }
        if (!question->linkedVerb.isEmpty() && !verbKeys_.contains(question->linkedVerb))
            faults.append(u"linked verb \"" + question->linkedVerb + u"\" is no verb key: " + text);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void QuizDataTest::questionTextsAreUnique()
{
    QHash<QString, QString> seen;
    QStringList faults;
    for (const Quiz *quiz : quizzes()) {
        for (const QuizQuestion *question : quiz->questions) {
            const QString text = question->question.simplified();
            if (seen.contains(text))
                faults.append(u"\"" + text + u"\" in " + seen.value(text) + u" and " + quiz->quizID);
            else
                seen.insert(text, quiz->quizID);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

QTEST_GUILESS_MAIN(QuizDataTest)
#include "QuizDataTest.moc"
