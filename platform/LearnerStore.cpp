#include "platform/LearnerStore.h"

#include "platform/Logging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

bool readJson(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray bytes = device.readAll();
    if (bytes.trimmed().isEmpty())
        return true;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it)
        map.insert(it.key(), it.value().toVariant());
    return true;
}

bool writeJson(QIODevice &device, const QSettings::SettingsMap &map)
{
    QJsonObject object;
    for (auto it = map.begin(); it != map.end(); ++it)
        object.insert(it.key(), QJsonValue::fromVariant(it.value()));
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    return device.write(bytes) == bytes.size();
}

QSettings::Format jsonFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("json"), readJson, writeJson, Qt::CaseSensitive);
    return format;
}

QString statusText(QSettings::Status status)
{
    switch (status) {
    case QSettings::NoError:
        return QStringLiteral("no error");
    case QSettings::AccessError:
        return QStringLiteral("access error");
    case QSettings::FormatError:
        return QStringLiteral("format error");
    }
    return QStringLiteral("unknown error");
}

}

LearnerStore::LearnerStore(QString filePath) : filePath_(std::move(filePath))
{
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
    open();
}

LearnerStore::~LearnerStore() = default;

// QSettings guards every read and write with "<file>.lock". A process killed between creating
// that file and writing its owner into it leaves an empty lock that Qt only treats as stale after
// 30 seconds, so the next start would hang. The store has one user, so such a lock is dropped.
void LearnerStore::removeOwnerlessLock() const
{
    const QString lockPath = filePath_ + QStringLiteral(".lock");
    if (!QFileInfo::exists(lockPath))
        return;
    QLockFile lock(lockPath);
    qint64 pid = 0;
    QString hostName;
    QString appName;
    if (lock.getLockInfo(&pid, &hostName, &appName))
        return;
    if (QFile::remove(lockPath))
        qCDebug(lcSettings).noquote() << u"LearnerStore >> removed the ownerless lock " + lockPath;
}

void LearnerStore::open()
{
    removeOwnerlessLock();
    settings_ = std::make_unique<QSettings>(filePath_, jsonFormat());
    const QSettings::Status status = settings_->status();
    if (status == QSettings::NoError)
        return;

    settings_.reset();
    const QString aside = filePath_ + u".unreadable-"
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (QFile::rename(filePath_, aside)) {
        setAsidePath_ = aside;
        qCWarning(lcSettings).noquote() << u"LearnerStore >> could not read " + filePath_ + u" (" + statusText(status)
                       + u"), kept it as " + aside + u" and starting with defaults";
    } else {
        writable_ = false;
        qCWarning(lcSettings).noquote() << u"LearnerStore >> could not read " + filePath_ + u" (" + statusText(status)
                       + u") nor move it aside; starting with defaults and leaving the file untouched";
    }
    // When the file could not be moved, the values live in a scratch file that is thrown away,
    // so the learner's unreadable file is never replaced.
    QString path = filePath_;
    if (!writable_) {
        scratch_ = std::make_unique<QTemporaryDir>();
        path = scratch_->filePath(QStringLiteral("defaults.json"));
    }
    settings_ = std::make_unique<QSettings>(path, jsonFormat());
}

std::optional<QVariantMap> LearnerStore::dictionary(const QString &key) const
{
    const QVariant value = settings_->value(key);
    if (value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return value.toMap();
}

std::optional<QString> LearnerStore::text(const QString &key) const
{
    const QVariant value = settings_->value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

bool LearnerStore::contains(const QString &key) const
{
    return settings_->contains(key);
}

bool LearnerStore::set(const QString &key, const QVariant &value)
{
    settings_->setValue(key, value);
    return commit(key);
}

bool LearnerStore::remove(const QString &key)
{
    settings_->remove(key);
    return commit(key);
}

bool LearnerStore::commit(const QString &key)
{
    if (!writable_)
        return false;
    settings_->sync();
    const QSettings::Status status = settings_->status();
    if (status == QSettings::NoError)
        return true;
    qCWarning(lcSettings).noquote() << u"LearnerStore >> could not write " + key + u" to " + filePath_ + u": " + statusText(status);
    return false;
}
