#include "platform/LearnerDatabase.h"

#include "platform/Logging.h"
#include "platform/Saturating.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

// Each step takes the schema from the version before it to the next one.
const char *const migrations[] = {
    // 1: progress, settings, answers and review cards.
    "CREATE TABLE verb_progress(verb TEXT PRIMARY KEY, score INTEGER, learnt INTEGER)"
    " WITHOUT ROWID;"
    "CREATE INDEX verb_progress_ranking ON verb_progress(score DESC) WHERE score IS NOT NULL;"
    "CREATE TABLE setting(name TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE tense_switch(tense TEXT PRIMARY KEY, enabled INTEGER NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE quiz_score(quiz TEXT PRIMARY KEY, score INTEGER NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE answer(id INTEGER PRIMARY KEY, form TEXT NOT NULL, at INTEGER NOT NULL,"
    " right INTEGER NOT NULL, given TEXT NOT NULL, game TEXT NOT NULL DEFAULT '');"
    "CREATE INDEX answer_by_form ON answer(form, at);"
    "CREATE TABLE form_tally(form TEXT PRIMARY KEY, verb TEXT NOT NULL, tense TEXT NOT NULL,"
    " person INTEGER NOT NULL, right INTEGER NOT NULL, wrong INTEGER NOT NULL) WITHOUT ROWID;"
    "CREATE INDEX form_tally_by_cell ON form_tally(tense, person, right, wrong);"
    "CREATE TABLE review_card(form TEXT PRIMARY KEY, verb TEXT NOT NULL, due INTEGER NOT NULL,"
    " stability REAL NOT NULL, difficulty REAL NOT NULL, state INTEGER NOT NULL, step INTEGER NOT NULL,"
    " reps INTEGER NOT NULL, lapses INTEGER NOT NULL, last_review INTEGER NOT NULL) WITHOUT ROWID;"
    "CREATE INDEX review_card_by_due ON review_card(due);",
    // 2: answers per day (filled from the answers kept so far) and finished quizzes.
    "CREATE TABLE daily_activity(day TEXT PRIMARY KEY, answers INTEGER NOT NULL) WITHOUT ROWID;"
    "INSERT INTO daily_activity SELECT date(at / 1000, 'unixepoch', 'localtime'), count(*) FROM answer"
    " GROUP BY 1;"
    "CREATE TABLE quiz_activity(id INTEGER PRIMARY KEY, quiz TEXT NOT NULL, started_at INTEGER NOT NULL,"
    " finished_at INTEGER NOT NULL, percent INTEGER NOT NULL);",
    // 3: the due count reads an index alone, whatever the cards' states.
    "DROP INDEX review_card_by_due; CREATE INDEX review_card_by_due ON review_card(due, state);",
};
static_assert(std::size(migrations) == LearnerDatabase::schemaVersion);

const char *const tables[] = {"verb_progress", "setting", "tense_switch", "quiz_score", "answer", "form_tally",
    "review_card", "daily_activity", "quiz_activity"};

QString text(sqlite3_stmt *statement, int column)
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(bytes, sqlite3_column_bytes(statement, column));
}

// The first answer of a pragma; nothing when the file cannot answer it (not a database).
std::optional<QString> pragma(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    std::optional<QString> answer;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
        answer = text(statement, 0);
    sqlite3_finalize(statement);
    return answer;
}

} // namespace

// A prepared statement with its parameters bound in order, reset when it goes.
class LearnerDatabase::Statement
{
public:
    Statement(const LearnerDatabase &db, const char *sql)
        : statement_(db.prepared(sql))
    {}
    ~Statement()
    {
        if (statement_) {
            sqlite3_reset(statement_);
            sqlite3_clear_bindings(statement_);
        }
    }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    Statement &bind(const QString &value)
    {
        const QByteArray utf8 = value.toUtf8();
        if (statement_)
            sqlite3_bind_text(statement_, ++bound_, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement &bind(qint64 value)
    {
        if (statement_)
            sqlite3_bind_int64(statement_, ++bound_, value);
        return *this;
    }
    Statement &bind(int value) { return bind(qint64(value)); }
    Statement &bind(bool value) { return bind(qint64(value ? 1 : 0)); }
    Statement &bind(double value)
    {
        if (statement_)
            sqlite3_bind_double(statement_, ++bound_, value);
        return *this;
    }
    // The next row; false at the end or on a fault.
    bool next() { return statement_ && sqlite3_step(statement_) == SQLITE_ROW; }
    // Runs a statement that returns no rows.
    int step() { return statement_ ? sqlite3_step(statement_) : SQLITE_ERROR; }
    [[nodiscard]] QString text(int column) const { return ::text(statement_, column); }
    [[nodiscard]] qint64 integer(int column) const { return sqlite3_column_int64(statement_, column); }
    [[nodiscard]] double real(int column) const { return sqlite3_column_double(statement_, column); }
    [[nodiscard]] bool isNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
    [[nodiscard]] bool valid() const { return statement_ != nullptr; }

private:
    sqlite3_stmt *statement_;
    int bound_ = 0;
};

LearnerDatabase::LearnerDatabase(const QString &path)
    : path_(path)
{
    if (path_.isEmpty()) {
        openInMemory({});
        return;
    }
    existedBefore_ = QFileInfo(path_).size() > 0;
    // A start that changes nothing leaves no file behind: a new store is made at the first change.
    deferred_ = !QFileInfo::exists(path_);
    if (!deferred_)
        open();
}

void LearnerDatabase::open()
{
    deferred_ = false;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (checkedOpen(path_))
        return;
    if (!db_) {
        openInMemory(u"could not open " + path_);
        return;
    }
    // Damaged, or not a store of this app: kept as it is, beside the new one.
    setAside(QStringLiteral("is damaged or not a learner's store"));
    if (!checkedOpen(path_))
        openInMemory(u"could not make a new store at " + path_);
}

LearnerDatabase::~LearnerDatabase()
{
    if (backgroundCheck_.valid())
        backgroundCheck_.wait();
    close();
}

void LearnerDatabase::checkInBackground()
{
    if (inMemory_ || !db_ || backgroundCheck_.valid())
        return;
    backgroundCheck_ = std::async(std::launch::async, [path = path_, mark = damageMark()] {
        sqlite3 *db = nullptr;
        bool whole = false;
        if (sqlite3_open_v2(
                QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr)
            == SQLITE_OK) {
            sqlite3_busy_timeout(db, busyTimeoutMs);
            whole = pragma(db, "PRAGMA quick_check").value_or(QString()) == u"ok";
        }
        sqlite3_close(db);
        if (whole)
            return;
        QFile marker(mark);
        if (marker.open(QIODevice::WriteOnly))
            marker.write("damaged\n");
        qCWarning(lcStore).noquote() << path
                + u" is damaged; it will be kept aside and started afresh at the next start";
    });
}

void LearnerDatabase::close()
{
    for (sqlite3_stmt *statement : std::as_const(statements_))
        sqlite3_finalize(statement);
    statements_.clear();
    if (db_)
        sqlite3_close(db_);
    db_ = nullptr;
}

bool LearnerDatabase::openFile(const QString &path)
{
    close();
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr) != SQLITE_OK) {
        close();
        return false;
    }
    sqlite3_extended_result_codes(db_, 1);
    // A file from elsewhere may hold triggers and views: they must not run the app's functions.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_busy_timeout(db_, busyTimeoutMs);
    return true;
}

// Opens the file and brings its schema up to date; false when it is damaged or foreign (the
// connection then stays open for setAside) or could not be opened at all (no connection).
bool LearnerDatabase::checkedOpen(const QString &path)
{
    if (!openFile(path))
        return false;
    // A file that is not a database fails here, before any statement is kept. The whole file is
    // read only when a check after an earlier start found it damaged.
    const bool markedDamaged = QFileInfo::exists(damageMark());
    const std::optional<QString> answer = pragma(db_, markedDamaged ? "PRAGMA quick_check" : "PRAGMA schema_version");
    const bool whole = answer && (!markedDamaged || *answer == u"ok");
    if (markedDamaged)
        QFile::remove(damageMark());
    if (!whole || !migrate())
        return false;
    // WAL: readers never wait for the writer, and a commit is one append to the log.
    exec("PRAGMA journal_mode=WAL");
    exec("PRAGMA synchronous=NORMAL");
    return true;
}

void LearnerDatabase::openInMemory(const QString &why)
{
    close();
    inMemory_ = true;
    if (!why.isEmpty())
        qCWarning(lcStore).noquote() << why + u"; progress is kept only until the app closes";
    sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr);
    migrate();
}

void LearnerDatabase::setAside(const QString &why)
{
    close();
    const QString aside =
        path_ + u".unreadable-" + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (!QFile::rename(path_, aside)) {
        openInMemory(path_ + u' ' + why + u" and could not be moved aside");
        return;
    }
    for (const char *suffix : {"-wal", "-shm"}) {
        if (QFile::exists(path_ + QLatin1String(suffix)))
            QFile::rename(path_ + QLatin1String(suffix), aside + QLatin1String(suffix));
    }
    setAsidePath_ = aside;
    existedBefore_ = false;
    qCWarning(lcStore).noquote() << path_ + u' ' + why + u"; kept it as " + aside + u" and starting afresh";
}

// Under the write lock, so that two processes opening a new file make its tables once.
bool LearnerDatabase::migrate()
{
    if (!exec("BEGIN IMMEDIATE"))
        return false;
    const auto steps = [this] {
        // Read and let go before the steps: a statement under way locks the schema against DROP.
        const qint64 from = [this] {
            Statement version(*this, "PRAGMA user_version");
            return version.next() ? version.integer(0) : -1;
        }();
        if (from < 0 || from > schemaVersion)
            return false;
        if (from == 0) {
            Statement objects(*this, "SELECT count(*) FROM sqlite_master");
            if (!objects.next() || objects.integer(0) != 0)
                return false;
        }
        for (qint64 step = from; step < schemaVersion; ++step) {
            const QByteArray sql = migrations[step] + QByteArray("PRAGMA user_version=") + QByteArray::number(step + 1);
            if (!exec(sql.constData()))
                return false;
        }
        Statement known(*this,
            "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('verb_progress', 'setting',"
            " 'tense_switch', 'quiz_score', 'answer', 'form_tally', 'review_card', 'daily_activity', 'quiz_activity')");
        return known.next() && known.integer(0) == qint64(std::size(tables));
    };
    const bool current = steps();
    // The statements read the schema as it was: made again once it changed.
    for (sqlite3_stmt *statement : std::as_const(statements_))
        sqlite3_finalize(statement);
    statements_.clear();
    return exec(current ? "COMMIT" : "ROLLBACK") && current;
}

bool LearnerDatabase::exec(const char *sql) const
{
    if (!db_)
        return false;
    char *error = nullptr;
    const int status = sqlite3_exec(db_, sql, nullptr, nullptr, &error);
    if (status != SQLITE_OK)
        qCDebug(lcStore) << "statement failed:" << error;
    sqlite3_free(error);
    return status == SQLITE_OK;
}

sqlite3_stmt *LearnerDatabase::prepared(const char *sql) const
{
    const bool reads = qstrncmp(sql, "SELECT", 6) == 0 || qstrncmp(sql, "PRAGMA", 6) == 0;
    // Opening a store not made yet is no change to the learner's data, so reads may do it too.
    if (!db_ && deferred_ && (!reads || QFileInfo::exists(path_)))
        const_cast<LearnerDatabase *>(this)->open();
    if (!db_)
        return nullptr;
    if (sqlite3_stmt *cached = statements_.value(sql))
        return cached;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
        reportFailure(u"could not read the store " + path_ + u": " + QString::fromUtf8(sqlite3_errmsg(db_)));
        return nullptr;
    }
    statements_.insert(sql, statement);
    return statement;
}

void LearnerDatabase::reportFailure(const QString &what) const
{
    if (failureReported_)
        return;
    failureReported_ = true;
    qCWarning(lcStore).noquote() << what << "(later failures are not reported)";
}

bool LearnerDatabase::run(Statement &statement) const
{
    const int status = statement.step();
    if (status == SQLITE_DONE || status == SQLITE_ROW)
        return true;
    // Inside write(), one failed change undoes the whole transaction.
    failedInTransaction_ = true;
    if (db_)
        reportFailure(u"could not write the store " + path_ + u": " + QString::fromUtf8(sqlite3_errmsg(db_)));
    return false;
}

bool LearnerDatabase::write(const std::function<bool()> &changes)
{
    if (!db_ && !deferred_)
        return false;
    if (depth_ > 0) {
        const bool done = changes();
        failedInTransaction_ = failedInTransaction_ || !done;
        return done;
    }
    // IMMEDIATE takes the write lock first, so a read made inside sees what the write changes.
    Statement begin(*this, "BEGIN IMMEDIATE");
    if (!run(begin))
        return false;
    ++depth_;
    failedInTransaction_ = false;
    const bool done = changes() && !failedInTransaction_;
    --depth_;
    Statement end(*this, done ? "COMMIT" : "ROLLBACK");
    if (done && run(end))
        return true;
    if (done)
        exec("ROLLBACK");
    else
        run(end);
    return false;
}

bool LearnerDatabase::addPoints(const QString &verb, qint64 points)
{
    return write([&] {
        const qint64 sum = Saturating::add(score(verb).value_or(0), points);
        Statement change(*this,
            "INSERT INTO verb_progress(verb, score) VALUES(?, ?) ON CONFLICT(verb) DO UPDATE SET score = "
            "excluded.score");
        change.bind(verb).bind(sum);
        return run(change);
    });
}

bool LearnerDatabase::raiseScore(const QString &verb, qint64 score)
{
    Statement change(*this,
        "INSERT INTO verb_progress(verb, score) VALUES(?, ?) ON CONFLICT(verb) DO UPDATE"
        " SET score = max(coalesce(score, excluded.score), excluded.score)");
    change.bind(verb).bind(score);
    return run(change);
}

std::optional<qint64> LearnerDatabase::score(const QString &verb) const
{
    Statement query(*this, "SELECT score FROM verb_progress WHERE verb = ? AND score IS NOT NULL");
    query.bind(verb);
    if (!query.next())
        return std::nullopt;
    return query.integer(0);
}

QMap<QString, qint64> LearnerDatabase::scores() const
{
    QMap<QString, qint64> result;
    Statement query(*this, "SELECT verb, score FROM verb_progress WHERE score IS NOT NULL");
    while (query.next())
        result.insert(query.text(0), query.integer(1));
    return result;
}

QList<std::pair<QString, qint64>> LearnerDatabase::ranking() const
{
    QList<std::pair<QString, qint64>> result;
    Statement query(*this, "SELECT verb, score FROM verb_progress WHERE score IS NOT NULL ORDER BY score DESC");
    while (query.next())
        result.append({query.text(0), query.integer(1)});
    return result;
}

bool LearnerDatabase::setLearnt(const QString &verb, bool learnt)
{
    Statement change(*this,
        "INSERT INTO verb_progress(verb, learnt) VALUES(?, ?) ON CONFLICT(verb) DO UPDATE SET learnt = "
        "excluded.learnt");
    change.bind(verb).bind(learnt);
    return run(change);
}

QMap<QString, bool> LearnerDatabase::learntFlags() const
{
    QMap<QString, bool> result;
    // A verb only scored has never been marked either way.
    Statement query(*this, "SELECT verb, learnt FROM verb_progress WHERE learnt IS NOT NULL");
    while (query.next())
        result.insert(query.text(0), query.integer(1) != 0);
    return result;
}

bool LearnerDatabase::setQuizScore(const QString &quiz, qint64 score)
{
    Statement change(*this, "INSERT OR REPLACE INTO quiz_score(quiz, score) VALUES(?, ?)");
    change.bind(quiz).bind(score);
    return run(change);
}

bool LearnerDatabase::raiseQuizScore(const QString &quiz, qint64 score)
{
    Statement change(*this,
        "INSERT INTO quiz_score(quiz, score) VALUES(?, ?) ON CONFLICT(quiz) DO UPDATE"
        " SET score = max(score, excluded.score)");
    change.bind(quiz).bind(score);
    return run(change);
}

QMap<QString, qint64> LearnerDatabase::quizScores() const
{
    QMap<QString, qint64> result;
    Statement query(*this, "SELECT quiz, score FROM quiz_score");
    while (query.next())
        result.insert(query.text(0), query.integer(1));
    return result;
}

bool LearnerDatabase::addQuizActivity(const QuizActivity &activity)
{
    Statement change(*this, "INSERT INTO quiz_activity(quiz, started_at, finished_at, percent) VALUES(?, ?, ?, ?)");
    change.bind(activity.quiz).bind(activity.startedAt).bind(activity.finishedAt).bind(activity.percent);
    return run(change);
}

QList<LearnerDatabase::QuizActivity> LearnerDatabase::quizActivities() const
{
    QList<QuizActivity> result;
    Statement query(*this, "SELECT quiz, started_at, finished_at, percent FROM quiz_activity ORDER BY id");
    while (query.next())
        result.append({query.text(0), query.integer(1), query.integer(2), int(query.integer(3))});
    return result;
}

std::optional<QString> LearnerDatabase::setting(const QString &name) const
{
    Statement query(*this, "SELECT value FROM setting WHERE name = ?");
    query.bind(name);
    if (!query.next())
        return std::nullopt;
    return query.text(0);
}

bool LearnerDatabase::setSetting(const QString &name, const QString &value)
{
    Statement change(*this, "INSERT OR REPLACE INTO setting(name, value) VALUES(?, ?)");
    change.bind(name).bind(value);
    return run(change);
}

bool LearnerDatabase::setSettingIfAbsent(const QString &name, const QString &value)
{
    Statement change(*this, "INSERT OR IGNORE INTO setting(name, value) VALUES(?, ?)");
    change.bind(name).bind(value);
    return run(change);
}

QMap<QString, bool> LearnerDatabase::tenseSwitches() const
{
    QMap<QString, bool> result;
    Statement query(*this, "SELECT tense, enabled FROM tense_switch");
    while (query.next())
        result.insert(query.text(0), query.integer(1) != 0);
    return result;
}

bool LearnerDatabase::setTenseSwitch(const QString &tense, bool on)
{
    Statement change(*this, "INSERT OR REPLACE INTO tense_switch(tense, enabled) VALUES(?, ?)");
    change.bind(tense).bind(on);
    return run(change);
}

bool LearnerDatabase::setTenseSwitchIfAbsent(const QString &tense, bool on)
{
    Statement change(*this, "INSERT OR IGNORE INTO tense_switch(tense, enabled) VALUES(?, ?)");
    change.bind(tense).bind(on);
    return run(change);
}

bool LearnerDatabase::addAnswer(const Form &form, const Answer &answer)
{
    return write([&] {
        Statement row(*this, "INSERT INTO answer(form, at, right, given, game) VALUES(?, ?, ?, ?, ?)");
        row.bind(form.id).bind(answer.at).bind(answer.right).bind(answer.given).bind(answer.game);
        Statement tally(*this,
            "INSERT INTO form_tally(form, verb, tense, person, right, wrong) VALUES(?, ?, ?, ?, ?, ?)"
            " ON CONFLICT(form) DO UPDATE SET right = right + (excluded.right AND right < 9223372036854775807),"
            " wrong = wrong + (excluded.wrong AND wrong < 9223372036854775807)");
        tally.bind(form.id).bind(form.verb).bind(form.tense).bind(form.person).bind(answer.right).bind(!answer.right);
        Statement day(*this,
            "INSERT INTO daily_activity(day, answers) VALUES(date(? / 1000, 'unixepoch', 'localtime'), 1)"
            " ON CONFLICT(day) DO UPDATE SET answers = answers + 1");
        day.bind(answer.at);
        return run(row) && run(tally) && run(day);
    });
}

bool LearnerDatabase::mergeAnswers(const Form &form, const QList<Answer> &answers, const Tally &totals)
{
    return write([&] {
        const Tally before = tally(form.id).value_or(Tally{});
        const QList<Answer> kept = this->answers(form.id);
        Tally inRows;
        for (const Answer &answer : kept)
            ++(answer.right ? inRows.right : inRows.wrong);
        Tally added;
        for (const Answer &answer : answers) {
            const bool known = std::any_of(kept.begin(), kept.end(), [&answer](const Answer &mine) {
                return mine.at == answer.at && mine.right == answer.right && mine.given == answer.given;
            });
            if (known || !addAnswer(form, answer))
                continue;
            ++(answer.right ? added.right : added.wrong);
        }
        // The answers only counted (older than any kept row) are the larger of both sides' counts.
        auto merged = [](qint64 mine, qint64 rows, qint64 added, qint64 theirs, qint64 theirRows) {
            return Saturating::add(Saturating::add(rows, added), std::max(mine - rows, theirs - theirRows));
        };
        qint64 theirRight = 0;
        for (const Answer &answer : answers)
            theirRight += answer.right ? 1 : 0;
        Statement change(*this, "UPDATE form_tally SET right = ?, wrong = ? WHERE form = ?");
        change.bind(merged(before.right, inRows.right, added.right, totals.right, theirRight))
            .bind(merged(before.wrong, inRows.wrong, added.wrong, totals.wrong, answers.size() - theirRight))
            .bind(form.id);
        if (!tally(form.id)) {
            Statement fresh(
                *this, "INSERT INTO form_tally(form, verb, tense, person, right, wrong) VALUES(?, ?, ?, ?, 0, 0)");
            fresh.bind(form.id).bind(form.verb).bind(form.tense).bind(form.person);
            if (!run(fresh))
                return false;
        }
        return run(change);
    });
}

QList<LearnerDatabase::Answer> LearnerDatabase::latestAnswers(const QString &formId, int count) const
{
    QList<Answer> result;
    Statement query(
        *this, "SELECT at, right, given, game FROM answer WHERE form = ? ORDER BY at DESC, id DESC LIMIT ?");
    query.bind(formId).bind(count);
    while (query.next())
        result.prepend({query.integer(0), query.integer(1) != 0, query.text(2), query.text(3)});
    return result;
}

QList<LearnerDatabase::Answer> LearnerDatabase::answers(const QString &formId) const
{
    return latestAnswers(formId, -1);
}

std::optional<LearnerDatabase::Tally> LearnerDatabase::tally(const QString &formId) const
{
    Statement query(*this, "SELECT right, wrong FROM form_tally WHERE form = ?");
    query.bind(formId);
    if (!query.next())
        return std::nullopt;
    return Tally{query.integer(0), query.integer(1)};
}

QStringList LearnerDatabase::answeredForms() const
{
    QStringList result;
    Statement query(*this, "SELECT form FROM form_tally");
    while (query.next())
        result.append(query.text(0));
    return result;
}

QList<LearnerDatabase::Cell> LearnerDatabase::cells() const
{
    QList<Cell> result;
    Statement query(
        *this, "SELECT tense, person, sum(right), sum(wrong), sum(wrong > 0) FROM form_tally GROUP BY tense, person");
    while (query.next())
        result.append({query.text(0), int(query.integer(1)), {query.integer(2), query.integer(3)}, query.integer(4)});
    return result;
}

QStringList LearnerDatabase::missedForms(const QString &tense, int person) const
{
    QStringList result;
    Statement query(*this, "SELECT form FROM form_tally WHERE tense = ? AND person = ? AND wrong > 0");
    query.bind(tense).bind(person);
    while (query.next())
        result.append(query.text(0));
    return result;
}

qint64 LearnerDatabase::answerCount() const
{
    Statement query(*this, "SELECT coalesce(sum(right + wrong), 0) FROM form_tally");
    return query.next() ? query.integer(0) : 0;
}

QMap<QDate, qint64> LearnerDatabase::answersPerDay(const QDate &first, const QDate &last) const
{
    QMap<QDate, qint64> result;
    Statement query(*this, "SELECT day, answers FROM daily_activity WHERE day BETWEEN ? AND ?");
    query.bind(first.toString(Qt::ISODate)).bind(last.toString(Qt::ISODate));
    while (query.next())
        result.insert(QDate::fromString(query.text(0), Qt::ISODate), query.integer(1));
    return result;
}

std::optional<LearnerDatabase::Card> LearnerDatabase::card(const QString &formId) const
{
    Statement query(*this,
        "SELECT due, stability, difficulty, state, step, reps, lapses, last_review FROM review_card WHERE form = ?");
    query.bind(formId);
    if (!query.next())
        return std::nullopt;
    return Card{query.integer(0), query.real(1), query.real(2), int(query.integer(3)), query.integer(4),
        query.integer(5), query.integer(6), query.integer(7)};
}

bool LearnerDatabase::putCard(const Form &form, const Card &card)
{
    Statement change(*this,
        "INSERT OR REPLACE INTO review_card(form, verb, due, stability, difficulty, state, step, reps, lapses,"
        " last_review) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    change.bind(form.id).bind(form.verb).bind(card.due).bind(card.stability).bind(card.difficulty).bind(card.state);
    change.bind(card.step).bind(card.reps).bind(card.lapses).bind(card.lastReview);
    return run(change);
}

QStringList LearnerDatabase::cardForms() const
{
    QStringList result;
    Statement query(*this, "SELECT form FROM review_card");
    while (query.next())
        result.append(query.text(0));
    return result;
}

QStringList LearnerDatabase::dueForms(qint64 nowMs, qint64 learningAheadMs) const
{
    QStringList result;
    Statement query(
        *this, "SELECT form FROM review_card WHERE due <= ? AND (due <= ? OR state IN (1, 3)) ORDER BY due");
    query.bind(nowMs + learningAheadMs).bind(nowMs);
    while (query.next())
        result.append(query.text(0));
    return result;
}

qint64 LearnerDatabase::dueCount(qint64 nowMs, qint64 learningAheadMs, qint64 atMost) const
{
    Statement query(*this,
        "SELECT count(*) FROM (SELECT 1 FROM review_card WHERE due <= ? AND (due <= ? OR state IN (1, 3)) LIMIT ?)");
    query.bind(nowMs + learningAheadMs).bind(nowMs).bind(atMost);
    return query.next() ? query.integer(0) : 0;
}

QString LearnerDatabase::integrityCheck() const
{
    Statement query(*this, "PRAGMA integrity_check");
    return query.next() ? query.text(0) : QStringLiteral("no answer");
}
