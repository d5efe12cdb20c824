#include "games/conjugation/ConjQuiz.h"
#include "games/review/MistakeClassifier.h"
#include "games/review/ReviewDrill.h"
#include "platform/ManualMainQueue.h"
#include "progress/Fsrs.h"
#include "progress/MistakeLog.h"
#include "progress/ReviewSchedule.h"
#include "screens/AccuracyGrid.h"
#include "speech/AudioEngines.h"
#include "support/TestServices.h"
#include "verbs/VerbDictionary.h"

#include <algorithm>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

QJsonArray histories()
{
    QFile file(TestServices::fixture(QStringLiteral("fsrs/ts-fsrs-cases.json")));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object().value("histories").toArray();
}

class ReviewTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        services_ = std::make_unique<TestServices>(QStringLiteral(FLEXIO_SOURCE_DIR "/resources"));
        services_->audioEngines().useRecorders();
        services_->queue().runPending();
    }
    void cleanup() { services_.reset(); }

    // clang-format off
    void schedulerMatchesReference_data()
    {
        QTest::addColumn<QJsonArray>("reviews");
        for (const QJsonValue &h : histories())
            QTest::newRow(qPrintable(h["name"].toString())) << h["reviews"].toArray();
    }
    // clang-format on
    void schedulerMatchesReference()
    {
        QFETCH(QJsonArray, reviews);
        const Fsrs scheduler;
        FsrsCard card;
        for (const QJsonValue &review : reviews) {
            const bool good = review["rating"].toString() == u"good";
            card = scheduler.review(
                card, good ? Fsrs::Rating::good : Fsrs::Rating::again, qint64(review["at"].toDouble()));
            QCOMPARE(card.due, qint64(review["due"].toDouble()));
            QVERIFY(qAbs(card.stability - review["stability"].toDouble()) < 1e-7);
            QVERIFY(qAbs(card.difficulty - review["difficulty"].toDouble()) < 1e-7);
            QCOMPARE(int(card.state), review["state"].toInt());
            QCOMPARE(card.step, review["step"].toInt());
            QCOMPARE(card.lapses, review["lapses"].toInt());
        }
    }

    // clang-format off
    void mistakeKinds_data()
    {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<MistakeKind>("kind");
        const QList<std::tuple<const char *, const char *, const char *, MistakeKind>> rows{
            {"andare", "PERF|1PS|SING", "ho andato", MistakeKind::auxiliary},
            {"parlare", "PERF|1PS|SING", "sono parlato", MistakeKind::auxiliary},
            {"andare", "PERF|1PS|PLUR", "siamo andato", MistakeKind::agreement},
            {"parlare", "PERF|1PS|SING", "ho parlata", MistakeKind::agreement},
            {"andare", "PRES|2PS|PLUR", "andiamo", MistakeKind::person},
            {"andare", "PASTHIST|1PS|SING", "andavo", MistakeKind::tense},
            {"andare", "PERF|1PS|SING", "ero andato", MistakeKind::tense},
            {"prendere", "PASTHIST|1PS|SING", "prendei", MistakeKind::stem},
            {"prendere", "PASTHIST|1PS|PLUR", "presemmo", MistakeKind::stem},
            {"andare", "FUT|1PS|SING", "anderò", MistakeKind::stem},
            {"parlare", "PASTHIST|3PS|SING", "parlo", MistakeKind::accent},
            {"parlare", "PRES|1PS|PLUR", "parlaimo", MistakeKind::spelling},
            {"dispiacere", "PERF|3PS|SING", "è dispiacuto", MistakeKind::spelling},
            {"parlare", "PRES|1PS|PLUR", "mangiamo", MistakeKind::other},
            {"andare", "PERF|1PS|PLUR", "siamo andate", MistakeKind::none},
            {"andare", "PRES|1PS|SING", "io vado", MistakeKind::none},
            // Verbs that take either auxiliary in the sense drilled.
            {"vivere", "PERF|1PS|SING", "sono vissuta", MistakeKind::none},
            {"piovere", "PLUP|3PS|SING", "aveva piovuto", MistakeKind::none},
            {"correre", "PERF|3PS|PLUR", "sono corse", MistakeKind::none},
        };
        for (const auto &[verb, code, answer, kind] : rows)
            QTest::addRow("%s %s", verb, answer) << verb << code << answer << kind;
    }
    // clang-format on
    void mistakeKinds()
    {
        QFETCH(QString, verb);
        QFETCH(QString, code);
        QFETCH(QString, answer);
        QFETCH(MistakeKind, kind);
        Verb *found = services_->verbDictionary().verbForKey(verb);
        QVERIFY(found);
        QCOMPARE(MistakeClassifier(*found).classify(*DrilledForm::fromCode(verb, code), answer), kind);
    }

    // Three forms missed in a game are the review at once (their learning step falls due within
    // the sitting); a right review moves the form on as the reference scheduler does, a wrong one
    // rates Again and asks the form again at the end of the sitting, and the result lists it.
    void gameMissesComeBackForReview()
    {
        QStringList missed;
        {
            ConjQuiz game(services_->gameContext());
            game.startGame();
            for (int turn = 0; turn < 3; ++turn) {
                const ConjugationQuestion question = game.currentQuestion();
                missed.append(DrilledForm::fromCode(game.currentVerb()->key, question.tags.join(u'|'))->id());
                game.answerTapped(*std::ranges::find(question.alts, false, &ConjugationQuizAnswer::correct));
                game.answerTapped(*std::ranges::find(question.alts, true, &ConjugationQuizAnswer::correct));
                services_->queue().advance(LearningGame::revealMs);
            }
            QCOMPARE(game.result()->missedIds(), missed);
        }
        ReviewDrill drill(services_->gameContext());
        drill.start();
        QStringList offered;
        for (const DrilledForm &form : drill.forms())
            offered.append(form.id());
        QCOMPARE(QSet<QString>(offered.begin(), offered.end()), QSet<QString>(missed.begin(), missed.end()));
        services_->queue().advance(10 * Fsrs::minuteMs);

        // Again in the game, then Good: the reference's second step.
        const QJsonObject graduated = histories().at(0)["reviews"][1].toObject();
        const DrilledForm first = drill.forms().at(0);
        drill.answer(VerbForms::variants(drill.rightForm()).last());
        QVERIFY(drill.answeredRight());
        const qint64 now = services_->queue().now();
        const FsrsCard card = *services_->reviewSchedule().card(first);
        QCOMPARE(card.due - now, qint64(graduated["due"].toDouble() - graduated["at"].toDouble()));
        QVERIFY(qAbs(card.stability - graduated["stability"].toDouble()) < 1e-7);

        drill.next();
        const DrilledForm second = drill.forms().at(1);
        drill.answer(QStringLiteral("zzz"));
        QCOMPARE(drill.mistake(), MistakeKind::other);
        QVERIFY(!drill.explanation().isEmpty());
        QCOMPARE(services_->reviewSchedule().card(second)->due, now + Fsrs::minuteMs);
        QCOMPARE(drill.forms().constLast(), second);
        drill.next();
        drill.answer(VerbForms::variants(drill.rightForm()).last());
        drill.next();
        drill.answer(VerbForms::variants(drill.rightForm()).last());
        drill.next();
        QVERIFY(drill.finished() && drill.result()->shown());
        QCOMPARE(drill.result()->missedIds(), QStringList{second.id()});
        QCOMPARE(drill.result()->score(), QStringLiteral("3 of 4"));
    }

    // An answer right but for an accent scores half, says which accent, and rates Hard; with
    // nothing due, practice drills the forms most often missed, and a result's ids drill exactly
    // those forms.
    void accentSlipAndPractice()
    {
        const DrilledForm form{QStringLiteral("parlare"), QStringLiteral("PASTHIST"), 2};
        ReviewDrill drill(services_->gameContext());
        drill.startWith({form});
        drill.answer(QStringLiteral("parlo"));
        QCOMPARE(drill.explanation(),
            QStringLiteral("parlò, not parlo: the accent marks the passato remoto (past historic)."));
        QCOMPARE(services_->reviewSchedule().card(form)->difficulty,
            Fsrs().review(FsrsCard{}, Fsrs::Rating::hard, services_->queue().now()).difficulty);
        QCOMPARE(services_->mistakeLog().record(form)->answers.last().game, QStringLiteral("Review"));
        drill.next();
        drill.answer(QStringLiteral("parlò"));
        drill.next();
        QCOMPARE(drill.result()->score(), QStringLiteral("1.5 of 2"));

        const DrilledForm often{QStringLiteral("andare"), QStringLiteral("PRES"), 0};
        for (bool right : {false, false, true})
            services_->mistakeLog().recordForm(often, QString(), right);
        services_->mistakeLog().recordForm({QStringLiteral("fare"), QStringLiteral("PRES"), 1}, QString(), true);
        drill.practiseWeakest();
        QCOMPARE(drill.forms(), (QList<DrilledForm>{often, form}));
        drill.startForms({often.id(), QStringLiteral("no such form")});
        QCOMPARE(drill.forms(), QList<DrilledForm>{often});
    }

    void logKeepsEveryAnswerAndSurvivesRestart()
    {
        const DrilledForm form{QStringLiteral("parlare"), QStringLiteral("PRES"), 0};
        for (int i = 0; i < 20; ++i)
            services_->mistakeLog().recordForm(form, QString::number(i), i % 4 == 0);
        services_->restart();
        const MistakeRecord record = *services_->mistakeLog().record(form);
        QCOMPARE(record.right + record.wrong, 20);
        QCOMPARE(record.right, 5);
        QCOMPARE(record.answers.size(), MistakeRecord::keptAnswers);
        QCOMPARE(services_->mistakeLog().records().value(form.id()).answers.size(), 20);
        QCOMPARE(record.answers.last().given, QStringLiteral("19"));

        const QVariantMap cell =
            AccuracyGrid(services_->mistakeLog()).rows().at(0).toMap()["cells"].toList().at(0).toMap();
        QCOMPARE(cell["total"].toInt(), 20);
        QCOMPARE(cell["percent"].toInt(), 25);
    }

private:
    std::unique_ptr<TestServices> services_;
};

QTEST_GUILESS_MAIN(ReviewTest)
#include "tst_review.moc"
