#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <optional>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

// The learner's own data in one SQLite file: verb scores and learnt flags, settings, tense
// switches, quiz scores and finished quizzes, one row per answer with a tally per form, one row
// per review card and the answers per day. The only code that knows a table or a column.
//
// Every change is its own transaction, committed before the call returns (the write-ahead log
// is synced at checkpoints, see the README); write(), nested or not, makes one transaction of
// many changes. Two processes share the file through SQLite's locking, waiting at most
// busyTimeoutMs for each other. A file that is damaged or not a store is renamed aside and the
// store starts empty; a store that cannot be written is reported once and the app goes on.
class LearnerDatabase
{
public:
    // One form asked, with its identity split for the queries by tense and person.
    struct Form
    {
        QString id;
        QString verb;
        QString tense;
        int person = -1;
    };
    struct Answer
    {
        qint64 at = 0;
        bool right = false;
        QString given;
        QString game;
    };
    struct Tally
    {
        qint64 right = 0;
        qint64 wrong = 0;
    };
    // A form's answers by tense and person, and how many of its forms were ever missed.
    struct Cell
    {
        QString tense;
        int person = -1;
        Tally tally;
        qint64 missedForms = 0;
    };
    struct Card
    {
        qint64 due = 0;
        double stability = 0;
        double difficulty = 0;
        int state = 0;
        qint64 step = 0;
        qint64 reps = 0;
        qint64 lapses = 0;
        qint64 lastReview = 0;
    };
    struct QuizActivity
    {
        QString quiz;
        qint64 startedAt = 0;
        qint64 finishedAt = 0;
        int percent = 0;
    };

    static constexpr int schemaVersion = 3;
    static constexpr int busyTimeoutMs = 5000;

    // Opens (or makes) the store at path; an empty path or one that cannot be opened gives a
    // store in memory.
    explicit LearnerDatabase(const QString &path);
    ~LearnerDatabase();
    LearnerDatabase(const LearnerDatabase &) = delete;
    LearnerDatabase &operator=(const LearnerDatabase &) = delete;

    // Runs changes as one transaction; false (and nothing kept) when changes returns false or
    // a write fails. Inside another write() it joins that one.
    bool write(const std::function<bool()> &changes);
    // Closes the file (after which every call does nothing); the destructor does it too.
    void close();

    [[nodiscard]] const QString &path() const { return path_; }
    // Where a damaged or foreign file was moved at open, or empty.
    [[nodiscard]] const QString &setAsidePath() const { return setAsidePath_; }
    // Whether the file existed (and was kept) when the store was opened.
    [[nodiscard]] bool existedBefore() const { return existedBefore_; }

    // Opening reads only the file's header and schema; the whole file is checked here, on a
    // worker thread with a connection of its own, once the app has started. A damaged file is
    // marked, and set aside at the next start. The destructor waits for the check.
    void checkInBackground();
    // The mark a damaged file leaves beside itself.
    [[nodiscard]] QString damageMark() const { return path_ + QStringLiteral(".damaged"); }
    [[nodiscard]] bool inMemory() const { return inMemory_; }

    // Verb scores and learnt flags.
    bool addPoints(const QString &verb, qint64 points);
    bool raiseScore(const QString &verb, qint64 score);
    [[nodiscard]] std::optional<qint64> score(const QString &verb) const;
    [[nodiscard]] QMap<QString, qint64> scores() const;
    // The scored verbs with their scores, highest first.
    [[nodiscard]] QList<std::pair<QString, qint64>> ranking() const;
    bool setLearnt(const QString &verb, bool learnt);
    [[nodiscard]] QMap<QString, bool> learntFlags() const;

    // Quiz scores, and one row per finished quiz.
    bool setQuizScore(const QString &quiz, qint64 score);
    bool raiseQuizScore(const QString &quiz, qint64 score);
    [[nodiscard]] QMap<QString, qint64> quizScores() const;
    bool addQuizActivity(const QuizActivity &activity);
    [[nodiscard]] QList<QuizActivity> quizActivities() const;

    // Named settings (texts) and the tense switches by tense name.
    [[nodiscard]] std::optional<QString> setting(const QString &name) const;
    bool setSetting(const QString &name, const QString &value);
    bool setSettingIfAbsent(const QString &name, const QString &value);
    [[nodiscard]] QMap<QString, bool> tenseSwitches() const;
    bool setTenseSwitch(const QString &tense, bool on);
    bool setTenseSwitchIfAbsent(const QString &tense, bool on);

    // Answers: one row each, with the form's tally and the day's count kept beside.
    bool addAnswer(const Form &form, const Answer &answer);
    // Adds the answers the form lacks (same time, verdict and text) and raises its tally to
    // hold them and at least the given totals; for imports.
    bool mergeAnswers(const Form &form, const QList<Answer> &answers, const Tally &totals);
    // The form's latest answers, oldest first.
    [[nodiscard]] QList<Answer> latestAnswers(const QString &formId, int count) const;
    [[nodiscard]] QList<Answer> answers(const QString &formId) const;
    [[nodiscard]] std::optional<Tally> tally(const QString &formId) const;
    [[nodiscard]] QStringList answeredForms() const;
    [[nodiscard]] QList<Cell> cells() const;
    [[nodiscard]] QStringList missedForms(const QString &tense, int person) const;
    [[nodiscard]] qint64 answerCount() const;
    // Answers given on each local day from first to last, days without any left out.
    [[nodiscard]] QMap<QDate, qint64> answersPerDay(const QDate &first, const QDate &last) const;

    // Review cards by form id.
    [[nodiscard]] std::optional<Card> card(const QString &formId) const;
    bool putCard(const Form &form, const Card &card);
    [[nodiscard]] QStringList cardForms() const;
    // The forms due at nowMs, the longest overdue first. A card in its learning steps (stored
    // state 1 or 3) counts as due learningAheadMs before its time.
    [[nodiscard]] QStringList dueForms(qint64 nowMs, qint64 learningAheadMs = 0) const;
    // Counts no further than atMost, so that the count costs the same whatever the backlog.
    [[nodiscard]] qint64 dueCount(qint64 nowMs, qint64 learningAheadMs = 0, qint64 atMost = -1) const;

    // The file's own check, for tests and tools: "ok" when whole.
    [[nodiscard]] QString integrityCheck() const;

private:
    class Statement;

    void open();
    bool openFile(const QString &path);
    bool checkedOpen(const QString &path);
    void openInMemory(const QString &why);
    bool migrate();
    bool exec(const char *sql) const;
    void setAside(const QString &why);
    [[nodiscard]] sqlite3_stmt *prepared(const char *sql) const;
    bool run(Statement &statement) const;
    void reportFailure(const QString &what) const;

    QString path_;
    QString setAsidePath_;
    bool existedBefore_ = false;
    bool inMemory_ = false;
    std::future<void> backgroundCheck_;
    bool deferred_ = false;
    sqlite3 *db_ = nullptr;
    int depth_ = 0;
    mutable bool failedInTransaction_ = false;
    mutable bool failureReported_ = false;
    mutable QMap<const char *, sqlite3_stmt *> statements_;
};
