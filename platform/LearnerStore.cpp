#include "platform/LearnerStore.h"

#include "platform/FileLock.h"
#include "platform/Logging.h"
#include "platform/MainQueue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSaveFile>

namespace {

// Numbers compare by value whatever their type (3 read back from the file equals the 3 stored),
// and maps and lists entry by entry, without converting them to JSON first.
bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.isValid() != b.isValid())
        return false;
    return !a.isValid() || a == b;
}

// How often the main thread looks whether a background write is done.
constexpr int writePollMs = 20;

}

LearnerStore::LearnerStore(QString filePath, MainQueue *queue, int writeDelayMs)
    : filePath_(std::move(filePath))
    , queue_(queue)
    , writeDelayMs_(writeDelayMs)
{
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
    open();
}

LearnerStore::~LearnerStore()
{
    // A last attempt, with no retry scheduled on a queue that may outlive the store.
    queue_ = nullptr;
    flush();
}

void LearnerStore::open()
{
    if (readFile(filePath_, values_, stamp_))
        return;
    values_.clear();
    const QString aside =
        filePath_ + u".unreadable-" + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (QFile::rename(filePath_, aside)) {
        setAsidePath_ = aside;
        stamp_ = stampOf(filePath_);
        qCWarning(lcSettings).noquote() << QString(u"LearnerStore >> could not read " + filePath_
            + u" (format error), kept it as " + aside + u" and starting with defaults");
        return;
    }
    // The values then live in memory only, so the learner's unreadable file is never replaced.
    writable_ = false;
    qCWarning(lcSettings).noquote() << QString(u"LearnerStore >> could not read " + filePath_
        + u" (format error) nor move it aside; starting with defaults and leaving the file untouched");
}

LearnerStore::Stamp LearnerStore::stampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified()};
}

bool LearnerStore::readFile(const QString &path, QVariantMap &values, Stamp &stamp)
{
    values.clear();
    stamp = stampOf(path);
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty())
        return true;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    values = document.object().toVariantMap();
    return true;
}

// Another process may have written the file since it was last read. While a background write is
// under way the file may or may not hold its changes yet, so it is read again once that is done.
void LearnerStore::refresh() const
{
    if (!writable_ || backgroundWrite_.valid() || stampOf(filePath_) == stamp_)
        return;
    QVariantMap values;
    Stamp stamp;
    if (readFile(filePath_, values, stamp)) {
        // What this process has not written yet stays on top of what another one wrote.
        applyAll(values, pending_);
        values_ = values;
        stamp_ = stamp;
    }
}

void LearnerStore::reportFailure(const QString &what) const
{
    if (failureReported_)
        return;
    failureReported_ = true;
    qCWarning(lcStore).noquote() << "LearnerStore >>" << what << "(later failures are not reported)";
}

std::optional<QVariantMap> LearnerStore::dictionary(const QString &key) const
{
    refresh();
    const QVariant value = values_.value(key);
    if (value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return value.toMap();
}

std::optional<QString> LearnerStore::text(const QString &key) const
{
    refresh();
    const QVariant value = values_.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

bool LearnerStore::contains(const QString &key) const
{
    refresh();
    return values_.contains(key);
}

bool LearnerStore::set(const QString &key, const QVariant &value)
{
    return update(key, [value](const QVariant &) { return value; });
}

bool LearnerStore::remove(const QString &key)
{
    return update(key, [](const QVariant &) { return QVariant(); });
}

bool LearnerStore::updateEntry(const QString &key, const QString &entry, const Change &change)
{
    return update(key, [entry, change](const QVariant &stored) {
        QVariantMap map = stored.typeId() == QMetaType::QVariantMap ? stored.toMap() : QVariantMap();
        const QVariant value = change(map.value(entry));
        if (value.isValid())
            map.insert(entry, value);
        else
            map.remove(entry);
        return QVariant(map);
    });
}

bool LearnerStore::apply(QVariantMap &values, const QString &key, const Change &change)
{
    const QVariant stored = values.value(key);
    const QVariant changed = change(stored);
    if (sameValue(stored, changed))
        return false;
    if (changed.isValid())
        values.insert(key, changed);
    else
        values.remove(key);
    return true;
}

void LearnerStore::applyAll(QVariantMap &values, const Changes &changes)
{
    for (const auto &[key, change] : changes)
        apply(values, key, change);
}

bool LearnerStore::update(const QString &key, const Change &change)
{
    if (!queue_ || !writable_) {
        Changes changes{{key, change}};
        if (writable_ && adopt(writeChanges(filePath_, changes), {}, false))
            return true;
        // What could not be written still reads back while the app runs.
        apply(values_, key, change);
        return false;
    }
    refresh();
    if (!apply(values_, key, change))
        return true;
    pending_.emplace_back(key, change);
    scheduleFlush();
    return true;
}

void LearnerStore::scheduleFlush()
{
    if (scheduledFlush_ && scheduledFlush_->isValid())
        return;
    scheduledFlush_ = queue_->after(writeDelayMs_, [this] {
        scheduledFlush_.reset();
        startBackgroundWrite();
    });
}

void LearnerStore::startBackgroundWrite()
{
    if (backgroundWrite_.valid()) {
        // One write at a time: these changes go with the next.
        scheduleFlush();
        return;
    }
    if (pending_.empty())
        return;
    writing_ = std::exchange(pending_, {});
    backgroundWrite_ = std::async(std::launch::async, &LearnerStore::writeChanges, filePath_, writing_);
    writePoll_ = queue_->after(writePollMs, [this] { collectBackgroundWrite(false); });
}

void LearnerStore::collectBackgroundWrite(bool wait)
{
    if (!backgroundWrite_.valid())
        return;
    if (!wait && backgroundWrite_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        writePoll_ = queue_->after(writePollMs, [this] { collectBackgroundWrite(false); });
        return;
    }
    if (writePoll_) {
        writePoll_->invalidate();
        writePoll_.reset();
    }
    const Written written = backgroundWrite_.get();
    adopt(written, std::exchange(writing_, {}), true);
}

bool LearnerStore::flush()
{
    if (scheduledFlush_) {
        scheduledFlush_->invalidate();
        scheduledFlush_.reset();
    }
    collectBackgroundWrite(true);
    if (pending_.empty())
        return true;
    Changes changes = std::exchange(pending_, {});
    const Written written = writeChanges(filePath_, changes);
    return adopt(written, std::move(changes), true);
}

bool LearnerStore::adopt(const Written &written, Changes changes, bool retry)
{
    if (!written.failure.isEmpty()) {
        reportFailure(written.failure);
        if (retry) {
            // Kept, in order, for the next attempt; they are in the values read already.
            changes.insert(
                changes.end(), std::make_move_iterator(pending_.begin()), std::make_move_iterator(pending_.end()));
            pending_ = std::move(changes);
            if (queue_)
                scheduleFlush();
        }
        return false;
    }
    if (written.changedFile)
        ++writeCount_;
    values_ = written.values;
    applyAll(values_, pending_);
    stamp_ = written.stamp;
    return true;
}

LearnerStore::Written LearnerStore::writeChanges(const QString &path, const Changes &changes)
{
    Written written;
    const FileLock lock(path + QStringLiteral(".lock"));
    if (!lock.locked()) {
        written.failure = u"could not lock " + path;
        return written;
    }
    if (!readFile(path, written.values, written.stamp)) {
        // Someone put an unreadable file in place meanwhile: it is not overwritten.
        written.failure = u"could not read " + path + u" before writing; the change stays in memory";
        return written;
    }
    for (const auto &[key, change] : changes)
        written.changedFile = apply(written.values, key, change) || written.changedFile;
    if (!written.changedFile)
        return written;
    QSaveFile file(path);
    const QByteArray bytes = QJsonDocument(QJsonObject::fromVariantMap(written.values)).toJson(QJsonDocument::Indented);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        written.failure = u"could not write " + path + u": " + file.errorString();
        return written;
    }
    written.stamp = stampOf(path);
    return written;
}
