#include "progress/StoreImport.h"

#include "platform/LearnerDatabase.h"
#include "progress/DailyGoal.h"
#include "progress/DrilledForm.h"
#include "progress/MistakeLog.h"
#include "progress/ReviewSchedule.h"
#include "progress/StoreSections.h"
#include "settings/DisplaySwitches.h"
#include "settings/SettingsManager.h"
#include "verbs/Tense.h"
#include "verbs/VerbDictionary.h"

#include <QVariantList>

#include <cmath>

namespace {

// A whole number within ±limit; nothing for texts, fractions and numbers out of range.
std::optional<qint64> wholeNumber(const QVariant &value, qint64 limit)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong: {
        const qint64 number = value.toLongLong();
        return number >= -limit && number <= limit ? std::optional<qint64>(number) : std::nullopt;
    }
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::trunc(number) != number || std::abs(number) > double(limit))
            return std::nullopt;
        return qint64(number);
    }
    default:
        return std::nullopt;
    }
}

bool saneText(const QString &text)
{
    return text.size() <= StoreImport::maxTextLength && !text.contains(QChar(0));
}

const QStringList appearances{QStringLiteral("system"), QStringLiteral("light"), QStringLiteral("dark")};

} // namespace

StoreImport::StoreImport(const VerbDictionary *verbs, bool skipFaults)
    : verbs_(verbs)
    , skipFaults_(skipFaults)
{}

bool StoreImport::refuse(const QString &part, const QString &why)
{
    if (skipFaults_) {
        ++skipped_;
        return true;
    }
    refusal_ = Refusal{part, why};
    return false;
}

std::optional<QString> StoreImport::verbFault(const QString &key) const
{
    if (!saneText(key) || key.isEmpty() || (verbs_ && !verbs_->verbForKey(key)))
        return u"no verb \"" + key.left(40) + u'"';
    return std::nullopt;
}

std::optional<QString> StoreImport::formFault(const QString &id) const
{
    const auto form = DrilledForm::fromId(id);
    if (!form || !saneText(id))
        return u"no form \"" + id.left(40) + u'"';
    return verbFault(form->verbKey);
}

bool StoreImport::readSection(const QVariantMap &store, const QString &part, const Check &check)
{
    const QVariant section = store.value(part);
    if (!section.isValid())
        return true;
    if (section.typeId() != QMetaType::QVariantMap)
        return refuse(part, QStringLiteral("not a dictionary"));
    const QVariantMap map = section.toMap();
    for (auto it = map.begin(); it != map.end(); ++it) {
        if (const auto fault = check(it.key(), it.value()); fault && !refuse(part, *fault))
            return false;
    }
    return true;
}

std::optional<StoreImport::Refusal> StoreImport::read(const QVariantMap &store)
{
    for (auto it = store.begin(); it != store.end(); ++it) {
        if (!StoreSections::all().contains(it.key()) && !refuse(it.key().left(40), QStringLiteral("unknown part")))
            return refusal_;
    }
    const auto score = [this](qint64 limit, QMap<QString, qint64> &into, bool verbKeys) {
        return [this, limit, &into, verbKeys](const QString &key, const QVariant &value) -> std::optional<QString> {
            if (const auto fault =
                    verbKeys ? verbFault(key) : (saneText(key) ? std::nullopt : std::optional<QString>(key)))
                return fault;
            const auto number = wholeNumber(value, limit);
            if (!number || (!verbKeys && *number < 0))
                return u"a number out of range for \"" + key.left(40) + u'"';
            into.insert(key, *number);
            return std::nullopt;
        };
    };
    const auto flag = [](QMap<QString, bool> &into,
                          const std::function<std::optional<QString>(const QString &)> &keyFault) {
        return [&into, keyFault](const QString &key, const QVariant &value) -> std::optional<QString> {
            if (const auto fault = keyFault(key))
                return fault;
            if (value.typeId() != QMetaType::Bool)
                return u"not true or false for \"" + key.left(40) + u'"';
            into.insert(key, value.toBool());
            return std::nullopt;
        };
    };
    QMap<QString, bool> ignored;
    const bool read = readSection(store, StoreSections::scores, score(maxScore, scores_, true))
        && readSection(store, StoreSections::learnt, flag(learnt_, [this](const QString &k) { return verbFault(k); }))
        && readSection(store, StoreSections::quizScores, score(100, quizScores_, false))
        && readSection(store, StoreSections::tenseSwitches,
            flag(switches_,
                [](const QString &k) {
                    return Tense::named(k) || DisplaySwitches::isDisplaySwitch(k)
                        ? std::nullopt
                        : std::optional<QString>(u"no tense \"" + k.left(40) + u'"');
                }))
        && readSection(store, StoreSections::languages,
            flag(ignored,
                [](const QString &k) { return saneText(k) ? std::nullopt : std::optional<QString>(k.left(40)); }))
        && readSection(store, StoreSections::mistakes,
            [this](const QString &key, const QVariant &value) -> std::optional<QString> {
                if (const auto fault = formFault(key))
                    return fault;
                const auto record = MistakeRecord::fromVariant(value, maxAnswers - answers_);
                if (!record)
                    return u"an unreadable record for \"" + key.left(40) + u'"';
                answers_ += record->answers.size();
                records_.insert(key, *record);
                return std::nullopt;
            })
        && readSection(store, StoreSections::cards,
            [this](const QString &key, const QVariant &value) -> std::optional<QString> {
                if (const auto fault = formFault(key))
                    return fault;
                const auto card = FsrsCard::fromVariant(value);
                if (!card)
                    return u"an unreadable card for \"" + key.left(40) + u'"';
                cards_.insert(key, *card);
                return std::nullopt;
            })
        && readSettings(store) && readQuizActivities(store.value(StoreSections::quizActivity));
    if (!read)
        return refusal_;
    // The earlier versions read a tense missing from a stored map as switched off.
    if (!store.value(StoreSections::tenseSwitches).toMap().isEmpty()) {
        for (const Tense &tense : Tense::all())
            switches_.insert(tense.name, switches_.value(tense.name, false));
    }
    return std::nullopt;
}

bool StoreImport::readSettings(const QVariantMap &store)
{
    const QVariant verbSet = store.value(SettingsManager::verbSetSetting);
    if (verbSet.isValid()) {
        const QString name = verbSet.toString();
        const bool known = verbs_ ? verbs_->verbSetNames().contains(name) : saneText(name);
        if (verbSet.typeId() == QMetaType::QString && known)
            settings_.insert(SettingsManager::verbSetSetting, verbSet.toString());
        else if (!refuse(SettingsManager::verbSetSetting, QStringLiteral("no such verb set")))
            return false;
    }
    const QVariant appearance = store.value(SettingsManager::appearanceSetting);
    if (appearance.isValid()) {
        if (appearance.typeId() == QMetaType::QString && appearances.contains(appearance.toString()))
            settings_.insert(SettingsManager::appearanceSetting, appearance.toString());
        else if (!refuse(SettingsManager::appearanceSetting, QStringLiteral("no such appearance")))
            return false;
    }
    const QVariant choices = store.value(SettingsManager::reviewChoicesSetting);
    if (choices.isValid()) {
        const QVariant chosen = choices.toMap().value(QStringLiteral("choices"));
        if (choices.typeId() == QMetaType::QVariantMap && chosen.typeId() == QMetaType::Bool)
            settings_.insert(SettingsManager::reviewChoicesSetting,
                chosen.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
        else if (!refuse(SettingsManager::reviewChoicesSetting, QStringLiteral("not a choice")))
            return false;
    }
    for (const QString &name : SettingsManager::yesNoSettings) {
        const QVariant value = store.value(name);
        if (!value.isValid())
            continue;
        if (value.typeId() == QMetaType::Bool)
            settings_.insert(name, value.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
        else if (!refuse(name, QStringLiteral("not yes or no")))
            return false;
    }
    const QVariant goal = store.value(SettingsManager::dailyGoalSetting);
    if (goal.isValid()) {
        const auto target = wholeNumber(goal, DailyGoal::maxTarget);
        if (target && *target >= DailyGoal::minTarget)
            settings_.insert(SettingsManager::dailyGoalSetting, QString::number(*target));
        else if (!refuse(SettingsManager::dailyGoalSetting, QStringLiteral("a daily goal out of range")))
            return false;
    }
    return true;
}

bool StoreImport::readQuizActivities(const QVariant &list)
{
    if (!list.isValid())
        return true;
    const QString part = StoreSections::quizActivity;
    if (list.typeId() != QMetaType::QVariantList)
        return refuse(part, QStringLiteral("not a list"));
    const QVariantList items = list.toList();
    if (items.size() > maxQuizActivities)
        return refuse(part, QStringLiteral("too many entries"));
    for (const QVariant &item : items) {
        const QVariantMap map = item.toMap();
        const QString quiz = map.value(QStringLiteral("quiz")).toString();
        const auto started = wholeNumber(map.value(QStringLiteral("startedAt")), StoreSections::maxTimeMs);
        const auto finished = wholeNumber(map.value(QStringLiteral("finishedAt")), StoreSections::maxTimeMs);
        const auto percent = wholeNumber(map.value(QStringLiteral("percent")), 100);
        if (quiz.isEmpty() || !saneText(quiz) || !started || !finished || !percent || *percent < 0) {
            if (!refuse(part, QStringLiteral("an unreadable entry")))
                return false;
            continue;
        }
        quizActivities_.append({quiz, *started, *finished, int(*percent)});
    }
    return true;
}

bool StoreImport::writeTo(LearnerDatabase &store, MistakeLog &log, ReviewSchedule &schedule) const
{
    const bool committed = store.write([&] {
        bool written = true;
        for (auto it = scores_.begin(); it != scores_.end(); ++it)
            written = written && store.raiseScore(it.key(), it.value());
        const QMap<QString, bool> learnt = store.learntFlags();
        for (auto it = learnt_.begin(); it != learnt_.end(); ++it)
            written = written && store.setLearnt(it.key(), it.value() || learnt.value(it.key()));
        for (auto it = quizScores_.begin(); it != quizScores_.end(); ++it)
            written = written && store.raiseQuizScore(it.key(), it.value());
        for (auto it = switches_.begin(); it != switches_.end(); ++it)
            written = written && store.setTenseSwitchIfAbsent(it.key(), it.value());
        for (auto it = settings_.begin(); it != settings_.end(); ++it)
            written = written && store.setSettingIfAbsent(it.key(), it.value());
        for (auto it = records_.begin(); it != records_.end(); ++it)
            written = written && log.merge(*DrilledForm::fromId(it.key()), it.value());
        for (auto it = cards_.begin(); it != cards_.end(); ++it)
            written = written && schedule.merge(*DrilledForm::fromId(it.key()), it.value());
        const QList<LearnerDatabase::QuizActivity> kept = store.quizActivities();
        for (const LearnerDatabase::QuizActivity &activity : quizActivities_) {
            const bool known = std::any_of(kept.begin(), kept.end(), [&activity](const auto &mine) {
                return mine.quiz == activity.quiz && mine.finishedAt == activity.finishedAt;
            });
            written = written && (known || store.addQuizActivity(activity));
        }
        return written;
    });
    // Told once, after the commit: a screen that recounts on a change does so once, not per form.
    if (committed && !records_.isEmpty())
        log.mergeDone();
    if (committed && !cards_.isEmpty())
        schedule.mergeDone();
    return committed;
}
