#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class MainQueue;
class QueueHandle;

// The per-user key-value store: one whole value (a dictionary, a text) per key, kept in a JSON
// file. Reads come from a copy that is read again whenever the file changes on disk.
//
// Every change is made under a lock file against what is on disk at that moment, so two
// processes writing the same store each keep the other's changes; a change that leaves the file
// as it is writes nothing. The file is replaced atomically, so a killed process leaves the store
// as it was before or after the last write. A file that cannot be read is renamed aside, never
// overwritten, and the store starts empty. A store that cannot be written is reported once.
//
// Given a queue, changes are seen by reads at once and written together writeDelayMs later on a
// worker thread (or at once by flush(), and when the store goes), so a burst of taps costs one
// write and no tap waits for the disk; each change is then made again against the file as it is
// at that moment, which keeps the two-process merge. Without a queue, every change is written
// before the call returns.
class LearnerStore
{
public:
    // Gets the value on disk (invalid when absent) and returns the value to store (invalid to
    // remove). A deferred change runs later, so it holds copies, never references.
    using Change = std::function<QVariant(const QVariant &stored)>;
    static constexpr int defaultWriteDelayMs = 1000;

    explicit LearnerStore(QString filePath, MainQueue *queue = nullptr, int writeDelayMs = defaultWriteDelayMs);
    ~LearnerStore();
    LearnerStore(const LearnerStore &) = delete;
    LearnerStore &operator=(const LearnerStore &) = delete;

    // The dictionary stored under key; nothing when the key is absent or holds another kind of value.
    [[nodiscard]] std::optional<QVariantMap> dictionary(const QString &key) const;
    // The text stored under key; nothing when the key is absent or holds another kind of value.
    [[nodiscard]] std::optional<QString> text(const QString &key) const;
    [[nodiscard]] bool contains(const QString &key) const;

    // Stores value under key and writes the file (now, or with the next batch when deferred).
    // False when the change could not be or will not be written.
    bool set(const QString &key, const QVariant &value);
    bool remove(const QString &key);
    // Applies change to the value of key as it is on disk now, under the store's lock.
    bool update(const QString &key, const Change &change);
    // The same for one entry of the dictionary under key (an absent or other value counts as an
    // empty dictionary).
    bool updateEntry(const QString &key, const QString &entry, const Change &change);

    // Writes the changes made since the last write now, after any write under way. False when
    // they could not be written.
    bool flush();
    [[nodiscard]] bool hasPendingChanges() const { return !pending_.empty() || !writing_.empty(); }

    [[nodiscard]] const QString &filePath() const { return filePath_; }
    // Where an unreadable file was moved at start, or empty.
    [[nodiscard]] const QString &setAsidePath() const { return setAsidePath_; }
    // How many times the file has been written by this object.
    [[nodiscard]] int writeCount() const { return writeCount_; }

private:
    struct Stamp
    {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp &) const = default;
    };
    using Changes = std::vector<std::pair<QString, Change>>;
    // What one read-merge-write of the file left: the values on disk after it, or why it failed.
    struct Written
    {
        bool changedFile = false;
        QString failure;
        QVariantMap values;
        Stamp stamp;
    };

    void open();
    // Applies change to values; false when it leaves them as they were.
    static bool apply(QVariantMap &values, const QString &key, const Change &change);
    static void applyAll(QVariantMap &values, const Changes &changes);
    // Under the lock: reads the file, applies changes and writes it when they changed it. Touches
    // no member, so it can run on a worker thread.
    static Written writeChanges(const QString &path, const Changes &changes);
    // Takes over the outcome of a write of changes; a failed batch is kept for the next attempt
    // when retry is set.
    bool adopt(const Written &written, Changes changes, bool retry);
    void scheduleFlush();
    void startBackgroundWrite();
    // Takes over the background write's outcome once it is done (at once when wait is set).
    void collectBackgroundWrite(bool wait);
    // Reads the file at path into values; false when it exists but is not a JSON object.
    static bool readFile(const QString &path, QVariantMap &values, Stamp &stamp);
    static Stamp stampOf(const QString &path);
    void refresh() const;
    void reportFailure(const QString &what) const;

    QString filePath_;
    QString setAsidePath_;
    mutable QVariantMap values_;
    mutable Stamp stamp_;
    bool writable_ = true;
    mutable bool failureReported_ = false;
    int writeCount_ = 0;
    MainQueue *queue_ = nullptr;
    int writeDelayMs_ = 0;
    // Changes made in memory and not yet written, in the order they were made.
    Changes pending_;
    // The changes the background write is making, and its outcome.
    Changes writing_;
    std::future<Written> backgroundWrite_;
    std::shared_ptr<QueueHandle> scheduledFlush_;
    std::shared_ptr<QueueHandle> writePoll_;
};
