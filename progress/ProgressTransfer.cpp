#include "progress/ProgressTransfer.h"

#include "platform/LearnerDatabase.h"
#include "platform/Logging.h"
#include "progress/DailyGoal.h"
#include "progress/MistakeLog.h"
#include "progress/ProgressManager.h"
#include "progress/ReviewSchedule.h"
#include "progress/StoreImport.h"
#include "progress/StoreSections.h"
#include "settings/SettingsManager.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>

namespace {

template <typename Map> QJsonObject jsonOf(const Map &map)
{
    QJsonObject object;
    for (auto it = map.begin(); it != map.end(); ++it)
        object.insert(it.key(), QJsonValue::fromVariant(QVariant::fromValue(it.value())));
    return object;
}

template <typename Map> QJsonObject jsonOfVariants(const Map &map)
{
    QJsonObject object;
    for (auto it = map.begin(); it != map.end(); ++it)
        object.insert(it.key(), QJsonObject::fromVariantMap(it.value().toVariant()));
    return object;
}

QString stamp()
{
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
}

} // namespace

ProgressTransfer::ProgressTransfer(LearnerDatabase &store, ProgressManager &progress, MistakeLog &log,
    ReviewSchedule &schedule, const VerbDictionary &verbs)
    : store_(store)
    , progress_(progress)
    , log_(log)
    , schedule_(schedule)
    , verbs_(verbs)
{}

QByteArray ProgressTransfer::exportJson() const
{
    QJsonObject saved{{StoreSections::scores, jsonOf(store_.scores())},
        {StoreSections::learnt, jsonOf(store_.learntFlags())}, {StoreSections::quizScores, jsonOf(store_.quizScores())},
        {StoreSections::tenseSwitches, jsonOf(store_.tenseSwitches())},
        {StoreSections::mistakes, jsonOfVariants(log_.records())},
        {StoreSections::cards, jsonOfVariants(schedule_.cards())}};
    QJsonArray quizzes;
    for (const LearnerDatabase::QuizActivity &activity : store_.quizActivities())
        quizzes.append(QJsonObject{{"quiz", activity.quiz}, {"startedAt", activity.startedAt},
            {"finishedAt", activity.finishedAt}, {"percent", activity.percent}});
    saved.insert(StoreSections::quizActivity, quizzes);
    for (const QString &name : {SettingsManager::verbSetSetting, SettingsManager::appearanceSetting}) {
        if (const auto value = store_.setting(name))
            saved.insert(name, *value);
    }
    if (const auto choices = store_.setting(SettingsManager::reviewChoicesSetting))
        saved.insert(SettingsManager::reviewChoicesSetting, QJsonObject{{"choices", *choices == u"true"}});
    for (const QString &name : SettingsManager::yesNoSettings) {
        if (const auto value = store_.setting(name))
            saved.insert(name, *value == u"true");
    }
    if (const auto goal = DailyGoal::targetFrom(store_.setting(SettingsManager::dailyGoalSetting).value_or(QString())))
        saved.insert(SettingsManager::dailyGoalSetting, *goal);
    const QJsonObject file{{"format", formatName}, {"version", formatVersion}, {"store", saved}};
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

QString ProgressTransfer::importJson(const QByteArray &json)
{
    if (json.size() > maxFileBytes)
        return QStringLiteral("This file is far larger than any progress file, so nothing was imported.");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return QStringLiteral("This file is damaged (it is not complete JSON), so nothing was imported.");
    const QJsonObject file = document.object();
    if (file.value("format").toString() != formatName)
        return QStringLiteral("This is not a progress file of this app, so nothing was imported.");
    const QJsonValue version = file.value("version");
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || std::trunc(number) != number)
        return QStringLiteral("This progress file is damaged (its version is unreadable), so nothing was imported.");
    if (number > formatVersion)
        return QStringLiteral(
            "This progress file comes from a newer version of the app. Update the app to import it; nothing was "
            "imported.");
    if (!file.value("store").isObject())
        return QStringLiteral("This progress file is damaged (it holds no progress), so nothing was imported.");
    StoreImport import(&verbs_, false);
    if (const auto refusal = import.read(file.value("store").toObject().toVariantMap()))
        return u"This progress file is damaged (its part \"" + refusal->part + u"\" holds " + refusal->why
            + u"), so nothing was imported.";
    const bool written = import.writeTo(store_, log_, schedule_);
    refreshAfterImport();
    if (!written)
        return QStringLiteral("The progress was read but could not be saved on this device; nothing was imported.");
    return {};
}

bool ProgressTransfer::migrateJsonStore(LearnerDatabase &store, MainQueue &queue, const QString &path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.size() <= maxFileBytes ? in.readAll() : QByteArray();
    in.close();
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject() && !bytes.trimmed().isEmpty()) {
        const QString aside = path + u".unreadable-" + stamp();
        QFile::rename(path, aside);
        qCWarning(lcStore).noquote() << u"could not read " + path + u" (format error), kept it as " + aside
                + u" and starting with defaults";
        return true;
    }
    StoreImport import(nullptr, true);
    import.read(document.object().toVariantMap());
    ReviewSchedule schedule(store);
    MistakeLog log(store, queue, schedule);
    if (!import.writeTo(store, log, schedule)) {
        qCWarning(lcStore).noquote() << u"could not move the progress of " + path + u" into the store";
        return false;
    }
    if (import.skipped() > 0)
        qCWarning(lcStore).noquote() << import.skipped() << "entries of" << path << "could not be kept";
    QFile::rename(path, path + u".migrated-" + stamp());
    return true;
}

void ProgressTransfer::refreshAfterImport()
{
    const QMap<QString, bool> learnt = progress_.learntFlags();
    for (Verb *verb : verbs_.verbs())
        verb->setLearnt(learnt.value(verb->key, false));
    progress_.scoresReplaced();
}

bool ProgressTransfer::exportToFile(const QUrl &file)
{
    QSaveFile out(file.isLocalFile() ? file.toLocalFile() : file.toString());
    const QByteArray json = exportJson();
    if (!out.open(QIODevice::WriteOnly) || out.write(json) != json.size() || !out.commit()) {
        setMessage(u"The progress could not be saved to " + out.fileName() + u": " + out.errorString());
        return false;
    }
    setMessage(u"Your progress was saved to " + out.fileName() + u'.');
    return true;
}

bool ProgressTransfer::importFromFile(const QUrl &file)
{
    QFile in(file.isLocalFile() ? file.toLocalFile() : file.toString());
    if (!in.open(QIODevice::ReadOnly)) {
        setMessage(u"The file " + in.fileName() + u" could not be read, so nothing was imported.");
        return false;
    }
    const QString refusal = in.size() > maxFileBytes
        ? QStringLiteral("This file is far larger than any progress file, so nothing was imported.")
        : importJson(in.readAll());
    setMessage(refusal.isEmpty() ? u"The progress in " + in.fileName() + u" was added to yours." : refusal);
    return refusal.isEmpty();
}

void ProgressTransfer::setMessage(const QString &message)
{
    if (message_ == message)
        return;
    message_ = message;
    emit messageChanged();
}
