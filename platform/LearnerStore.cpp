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

}

LearnerStore::LearnerStore(QString filePath, MainQueue *queue, int writeDelayMs)
    : filePath_(std::move(filePath)), queue_(queue), writeDelayMs_(writeDelayMs)
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
    if (readFile(values_, stamp_))
        return;
    values_.clear();
    const QString aside =
        filePath_ + u".unreadable-" + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (QFile::rename(filePath_, aside)) {
        setAsidePath_ = aside;
        stamp_ = currentStamp();
        qCWarning(lcSettings).noquote() << QString(u"LearnerStore >> could not read " + filePath_ + u" (format error), kept it as " + aside
                       + u" and starting with defaults");
        return;
    }
    // The values then live in memory only, so the learner's unreadable file is never replaced.
    writable_ = false;
    qCWarning(lcSettings).noquote() << QString(u"LearnerStore >> could not read " + filePath_
                   + u" (format error) nor move it aside; starting with defaults and leaving the file untouched");
}

LearnerStore::Stamp LearnerStore::currentStamp() const
{
    const QFileInfo info(filePath_);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified()};
}

bool LearnerStore::readFile(QVariantMap &values, Stamp &stamp) const
{
    values.clear();
    stamp = currentStamp();
    QFile file(filePath_);
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

bool LearnerStore::writeFile(const QVariantMap &values)
{
    QSaveFile file(filePath_);
    const QByteArray bytes = QJsonDocument(QJsonObject::fromVariantMap(values)).toJson(QJsonDocument::Indented);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        reportFailure(u"could not write " + filePath_ + u": " + file.errorString());
        return false;
    }
    ++writeCount_;
    return true;
}

// Another process may have written the file since it was last read.
void LearnerStore::refresh() const
{
    if (!writable_ || currentStamp() == stamp_)
        return;
    QVariantMap values;
    Stamp stamp;
    if (readFile(values, stamp)) {
        // What this process has not written yet stays on top of what another one wrote.
        for (const auto &[key, change] : pending_)
            apply(values, key, change);
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

bool LearnerStore::update(const QString &key, const Change &change)
{
    if (!queue_ || !writable_) {
        if (writeChanges({{key, change}}))
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
        flush();
    });
}

bool LearnerStore::flush()
{
    if (scheduledFlush_) {
        scheduledFlush_->invalidate();
        scheduledFlush_.reset();
    }
    if (pending_.empty())
        return true;
    auto changes = std::exchange(pending_, {});
    if (writeChanges(changes))
        return true;
    // Kept, in order, for the next attempt; they are in the values read already.
    changes.insert(changes.end(), std::make_move_iterator(pending_.begin()), std::make_move_iterator(pending_.end()));
    pending_ = std::move(changes);
    if (queue_ && writable_)
        scheduleFlush();
    return false;
}

bool LearnerStore::writeChanges(const std::vector<std::pair<QString, Change>> &changes)
{
    if (!writable_)
        return false;
    const FileLock lock(filePath_ + QStringLiteral(".lock"));
    if (!lock.locked()) {
        reportFailure(u"could not lock " + filePath_);
        return false;
    }
    QVariantMap values;
    Stamp stamp;
    if (!readFile(values, stamp)) {
        // Someone put an unreadable file in place meanwhile: it is not overwritten.
        reportFailure(u"could not read " + filePath_ + u" before writing; the change stays in memory");
        return false;
    }
    bool changed = false;
    for (const auto &[key, change] : changes)
        changed = apply(values, key, change) || changed;
    const bool written = !changed || writeFile(values);
    if (written) {
        values_ = values;
        stamp_ = changed ? currentStamp() : stamp;
    }
    return written;
}
