#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <optional>

// The per-user key-value store: one whole value (a dictionary, a text) per key, kept in a JSON
// file. Reads come from a copy that is read again whenever the file changes on disk.
//
// Every change is made under a lock file against what is on disk at that moment, so two
// processes writing the same store each keep the other's changes; a change that leaves the file
// as it is writes nothing. The file is replaced atomically, so a killed process leaves the store
// as it was before or after the last write. A file that cannot be read is renamed aside, never
// overwritten, and the store starts empty. A store that cannot be written is reported once.
class LearnerStore
{
public:
    // Gets the value on disk (invalid when absent) and returns the value to store (invalid to remove).
    using Change = std::function<QVariant(const QVariant &stored)>;

    explicit LearnerStore(QString filePath);
    ~LearnerStore();
    LearnerStore(const LearnerStore &) = delete;
    LearnerStore &operator=(const LearnerStore &) = delete;

    // The dictionary stored under key; nothing when the key is absent or holds another kind of value.
    [[nodiscard]] std::optional<QVariantMap> dictionary(const QString &key) const;
    // The text stored under key; nothing when the key is absent or holds another kind of value.
    [[nodiscard]] std::optional<QString> text(const QString &key) const;
    [[nodiscard]] bool contains(const QString &key) const;

    // Stores value under key and writes the file. False on failure.
    bool set(const QString &key, const QVariant &value);
    bool remove(const QString &key);
    // Applies change to the value of key as it is on disk now, under the store's lock.
    bool update(const QString &key, const Change &change);
    // The same for one entry of the dictionary under key (an absent or other value counts as an
    // empty dictionary).
    bool updateEntry(const QString &key, const QString &entry, const Change &change);

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

    void open();
    // Reads the file into values; false when it exists but is not a JSON object.
    bool readFile(QVariantMap &values, Stamp &stamp) const;
    bool writeFile(const QVariantMap &values);
    [[nodiscard]] Stamp currentStamp() const;
    void refresh() const;
    void reportFailure(const QString &what) const;

    QString filePath_;
    QString setAsidePath_;
    mutable QVariantMap values_;
    mutable Stamp stamp_;
    bool writable_ = true;
    mutable bool failureReported_ = false;
    int writeCount_ = 0;
};
