#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>
#include <optional>

class QSettings;
class QTemporaryDir;

// The per-user key-value store: one whole value (a dictionary, a text) per key, kept in a JSON
// file through QSettings. Every write is synced and checked at once; QSettings replaces the file
// atomically, so a killed process leaves the store as it was before or after the last write.
// A file that cannot be read is renamed aside, never overwritten, and the store starts empty.
class LearnerStore
{
public:
    explicit LearnerStore(QString filePath);
    ~LearnerStore();
    LearnerStore(const LearnerStore &) = delete;
    LearnerStore &operator=(const LearnerStore &) = delete;

    // The dictionary stored under key; nothing when the key is absent or holds another kind of value.
    [[nodiscard]] std::optional<QVariantMap> dictionary(const QString &key) const;
    // The text stored under key; nothing when the key is absent or holds another kind of value.
    [[nodiscard]] std::optional<QString> text(const QString &key) const;
    [[nodiscard]] bool contains(const QString &key) const;

    // Stores value under key and writes the file. Returns false (with a console line) on failure.
    bool set(const QString &key, const QVariant &value);
    bool remove(const QString &key);

    [[nodiscard]] const QString &filePath() const { return filePath_; }
    // Where an unreadable file was moved at start, or empty.
    [[nodiscard]] const QString &setAsidePath() const { return setAsidePath_; }

private:
    void open();
    void removeOwnerlessLock() const;
    bool commit(const QString &key);

    QString filePath_;
    QString setAsidePath_;
    std::unique_ptr<QTemporaryDir> scratch_;
    std::unique_ptr<QSettings> settings_;
    bool writable_ = true;
};
