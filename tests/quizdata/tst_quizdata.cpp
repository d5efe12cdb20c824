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
    void initTestCase()
    {
        services_ = std::make_unique<TestServices>(QStringLiteral(FLEXIO_SOURCE_DIR "/resources"));
        QFile verbs(QStringLiteral(FLEXIO_SOURCE_DIR "/resources/verbs.xml"));
        QVERIFY(verbs.open(QIODevice::ReadOnly));
        VerbDataReader reader([this](Verb *verb) {
            verbKeys_.insert(verb->key);
            delete verb;
        });
        QVERIFY2(reader.read(verbs.readAll()), qPrintable(reader.errorText()));
        QVERIFY(!verbKeys_.isEmpty());
    }
    void cleanupTestCase() { services_.reset(); }

    // Every quiz has a slug of its own and twelve questions or more, each with one blank, an
    // answer, alternatives other than the answer and a real linked verb; no question is asked twice.
    void everyQuizAndQuestion()
    {
        QVERIFY(services_->quizGamesParser().readWhole());
        QVERIFY2(quizzes().size() >= 15, qPrintable(QString::number(quizzes().size())));
        const QRegularExpression slug(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
        QStringList faults;
        QSet<QString> ids;
        QHash<QString, QString> texts;
        for (const Quiz *quiz : quizzes()) {
            if (!slug.match(quiz->identifier).hasMatch() || quiz->quizID != quiz->identifier)
                faults.append(u"not an id slug: \"" + quiz->identifier + u"\" (" + quiz->title + u')');
            if (ids.contains(quiz->quizID))
                faults.append(u"repeated: " + quiz->quizID);
            ids.insert(quiz->quizID);
            if (quiz->title.isEmpty() || quiz->questions.size() < 12)
                faults.append(u"no title or under twelve questions: " + quiz->quizID);
            for (const QuizQuestion *question : quiz->questions)
                faults.append(questionFaults(*question, quiz->quizID, texts));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

private:
    QStringList questionFaults(
        const QuizQuestion &question, const QString &quizID, QHash<QString, QString> &texts) const
    {
        QStringList faults;
        const QString &text = question.question;
        const QString &answer = question.answer()->text;
        if (text.count(QuizGame::blank) != 1 || text.count(u'_') != QuizGame::blank.size())
            faults.append(u"not one blank: " + text);
        if (answer.trimmed().isEmpty())
            faults.append(u"no answer: " + text);
        for (const QuizQuestionAnswer *alternative : {question.alt1(), question.alt2(), question.alt3()}) {
            if (alternative->text == answer)
                faults.append(u"an alternative is the answer \"" + answer + u"\": " + text);
        }
        if (!question.linkedVerb.isEmpty() && !verbKeys_.contains(question.linkedVerb))
            faults.append(u"linked verb \"" + question.linkedVerb + u"\" is no verb key: " + text);
        const QString simplified = text.simplified();
        if (texts.contains(simplified))
            faults.append(u"\"" + simplified + u"\" in " + texts.value(simplified) + u" and " + quizID);
        texts.insert(simplified, quizID);
        return faults;
    }

    const QList<Quiz *> &quizzes() { return services_->quizGamesParser().quizzes(); }

    std::unique_ptr<TestServices> services_;
    QSet<QString> verbKeys_;
};

QTEST_GUILESS_MAIN(QuizDataTest)
#include "tst_quizdata.moc"
