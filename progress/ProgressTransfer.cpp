#include "progress/ProgressTransfer.h"

#include "platform/LearnerStore.h"
#include "platform/Logging.h"
#include "progress/MistakeLog.h"
#include "progress/ProgressManager.h"
#include "progress/ReviewSchedule.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <functional>
#include <optional>

namespace {

const QString scoresKey = QStringLiteral("progressDictionary");
const QString learntKey = QStringLiteral("learntDictionary");
const QString quizKey = QStringLiteral("quizScoresDictionary");
const QString flagKey = QStringLiteral("flagDictionary");
const QString miscKey = QStringLiteral("miscSettingsDictionary");
const QString verbSetKey = QStringLiteral("LastSelectedVerbSet");

const QStringList dictionaryKeys{
    scoresKey, learntKey, quizKey, flagKey, miscKey, MistakeLog::storeKey, ReviewSchedule::storeKey};

bool isInteger(const QVariant &value)
{
    if (value.typeId() == QMetaType::Double) {
        const double number = value.toDouble();
        return std::isfinite(number) && std::trunc(number) == number && std::abs(number) < 9.0e15;
    }
    return value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int;
}

bool isBool(const QVariant &value)
{
    return value.typeId() == QMetaType::Bool;
}

// Every value of the section passes the check; a section that is absent counts
// as empty.
bool sectionValid(const QVariant &section, const std::function<bool(const QString &, const QVariant &)> &check)
{
    if (!section.isValid())
        return true;
    if (section.typeId() != QMetaType::QVariantMap)
        return false;
    const QVariantMap map = section.toMap();
    for (auto it = map.begin(); it != map.end(); ++it) {
        if (!check(it.key(), it.value()))
            return false;
    }
    return true;
}

// The name of the first section of the file that does not hold what it should,
// or nothing.
std::optional<QString> invalidSection(const QVariantMap &store)
{
    const auto integers = [](const QString &, const QVariant &v) { return isInteger(v); };
    const auto flags = [](const QString &, const QVariant &v) { return isBool(v); };
    const QList<std::pair<QString, std::function<bool(const QString &, const QVariant &)>>> checks{
        {scoresKey, integers},
        {learntKey, flags},
        {quizKey, integers},
        {flagKey, flags},
        {miscKey, flags},
        {MistakeLog::storeKey,
            [](const QString &k, const QVariant &v) {
                return DrilledForm::fromId(k).has_value() && MistakeRecord::fromVariant(v).has_value();
            }},
        {ReviewSchedule::storeKey,
            [](const QString &k, const QVariant &v) {
                return DrilledForm::fromId(k).has_value() && FsrsCard::fromVariant(v).has_value();
            }},
    };
    for (const auto &[key, check] : checks) {
        if (!sectionValid(store.value(key), check))
            return key;
    }
    if (store.contains(verbSetKey) && store.value(verbSetKey).typeId() != QMetaType::QString)
        return verbSetKey;
    return std::nullopt;
}

QVariantMap mergedNumbers(QVariantMap current, const QVariantMap &incoming, bool isFlag)
{
    for (auto it = incoming.begin(); it != incoming.end(); ++it) {
        const QVariant mine = current.value(it.key());
        if (isFlag)
            current.insert(it.key(), (isBool(mine) && mine.toBool()) || it.value().toBool());
        else if (!isInteger(mine) || it.value().toLongLong() > mine.toLongLong())
            current.insert(it.key(), it.value().toLongLong());
    }
    return current;
}

} // namespace

ProgressTransfer::ProgressTransfer(LearnerStore &store, ProgressManager &progress, MistakeLog &log,
    ReviewSchedule &schedule, const VerbDictionary &verbs)
    : store_(store)
    , progress_(progress)
    , log_(log)
    , schedule_(schedule)
    , verbs_(verbs)
{}

QByteArray ProgressTransfer::exportJson() const
{
    LearnerStore &store = store_;
    QJsonObject saved;
    for (const QString &key : dictionaryKeys) {
        if (const auto dictionary = store.dictionary(key))
            saved.insert(key, QJsonObject::fromVariantMap(*dictionary));
    }
    if (const auto verbSet = store.text(verbSetKey))
        saved.insert(verbSetKey, *verbSet);
    const QJsonObject file{{"format", formatName}, {"version", formatVersion}, {"store", saved}};
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

QString ProgressTransfer::importJson(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return QStringLiteral("This file is damaged (it is not complete JSON), so "
                              "nothing was imported.");
    const QVariantMap file = document.object().toVariantMap();
    if (file.value("format").toString() != formatName)
        return QStringLiteral("This is not a progress file of this app, so nothing was imported.");
    if (!isInteger(file.value("version")) || file.value("version").toLongLong() < 1)
        return QStringLiteral("This progress file is damaged (its version is "
                              "unreadable), so nothing was imported.");
    if (file.value("version").toLongLong() > formatVersion)
        return QStringLiteral("This progress file comes from a newer version of "
                              "the app. Update the app to "
                              "import it; nothing was imported.");
    const QVariant section = file.value("store");
    if (section.typeId() != QMetaType::QVariantMap)
        return QStringLiteral("This progress file is damaged (it holds no "
                              "progress), so nothing was imported.");
    const QVariantMap incoming = section.toMap();
    if (const auto bad = invalidSection(incoming))
        return u"This progress file is damaged (its part \"" + *bad
            + u"\" is not as expected), so nothing was imported.";

    LearnerStore &store = store_;
    auto current = [&store](const QString &key) { return store.dictionary(key).value_or(QVariantMap()); };
    store.set(scoresKey, mergedNumbers(current(scoresKey), incoming.value(scoresKey).toMap(), false));
    store.set(learntKey, mergedNumbers(current(learntKey), incoming.value(learntKey).toMap(), true));
    store.set(quizKey, mergedNumbers(current(quizKey), incoming.value(quizKey).toMap(), false));
    for (const QString &key : {flagKey, miscKey}) {
        if (!store.dictionary(key) && incoming.contains(key))
            store.set(key, incoming.value(key).toMap());
    }
    if (!store.text(verbSetKey) && incoming.contains(verbSetKey))
        store.set(verbSetKey, incoming.value(verbSetKey).toString());

    MistakeLog &log = log_;
    QMap<QString, MistakeRecord> records = log.records();
    const QVariantMap loggedAnswers = incoming.value(MistakeLog::storeKey).toMap();
    for (auto it = loggedAnswers.begin(); it != loggedAnswers.end(); ++it)
        records[it.key()] = records.value(it.key()).mergedWith(*MistakeRecord::fromVariant(it.value()));
    log.store(records);

    ReviewSchedule &schedule = schedule_;
    QMap<QString, FsrsCard> cards = schedule.cards();
    const QVariantMap scheduled = incoming.value(ReviewSchedule::storeKey).toMap();
    for (auto it = scheduled.begin(); it != scheduled.end(); ++it) {
        const FsrsCard card = *FsrsCard::fromVariant(it.value());
        if (!cards.contains(it.key()) || cards.value(it.key()).lastReview < card.lastReview)
            cards.insert(it.key(), card);
    }
    schedule.store(cards);
    refreshAfterImport();
    // An import is written at once rather than with the next batch of changes.
    if (!store.flush())
        return QStringLiteral("The progress was read but could not be saved on this device.");
    return {};
}

void ProgressTransfer::refreshAfterImport()
{
    ProgressManager &progress = progress_;
    const QMap<QString, bool> learnt = progress.learntFlags();
    for (Verb *verb : verbs_.verbs())
        verb->setLearnt(learnt.value(verb->key, false));
    progress.scoresReplaced();
}

bool ProgressTransfer::exportToFile(const QUrl &file)
{
    QSaveFile out(file.isLocalFile() ? file.toLocalFile() : file.toString());
    const QByteArray json = exportJson();
    if (!out.open(QIODevice::WriteOnly) || out.write(json) != json.size() || !out.commit()) {
        qCWarning(lcReview) << "could not export to" << out.fileName() << out.errorString();
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
    const QString refusal = importJson(in.readAll());
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
