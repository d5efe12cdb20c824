#include "progress/MistakeLog.h"

#include "platform/LearnerStore.h"
#include "platform/Logging.h"
#include "platform/MainQueue.h"
#include "progress/ReviewSchedule.h"

MistakeLog::MistakeLog(LearnerStore &store, MainQueue &queue, ReviewSchedule &schedule)
    : store_(store)
    , queue_(queue)
    , schedule_(schedule)
{}

void MistakeLog::record(const QString &verbKey, const QString &code, const QString &given, bool right)
{
    if (const auto form = DrilledForm::fromCode(verbKey, code))
        recordForm(*form, given, right);
    else
        qCDebug(lcReview) << "no form for" << verbKey << code;
}

void MistakeLog::recordInfinitive(const QString &verbKey, const QString &given, bool right)
{
    if (!verbKey.isEmpty())
        recordForm({verbKey, DrilledForm::infinitive, -1}, given, right);
}

void MistakeLog::recordForm(const DrilledForm &form, const QString &given, bool right)
{
    logAnswer(form, given, right);
    schedule_.rate(form, right, queue_.now());
}

void MistakeLog::recordForm(
    const DrilledForm &form, const QString &given, bool right, std::optional<Fsrs::Rating> rating)
{
    logAnswer(form, given, right);
    if (rating)
        schedule_.rate(form, *rating, queue_.now());
}

void MistakeLog::logAnswer(const DrilledForm &form, const QString &given, bool right)
{
    const qint64 now = queue_.now();
    // Only this form's record changes, made on the record as stored, so the answers another
    // process logs meanwhile stay.
    const MistakeRecord::Answer answer{now, right, given};
    store_.updateEntry(storeKey, form.id(), [answer](const QVariant &stored) {
        MistakeRecord record = MistakeRecord::fromVariant(stored).value_or(MistakeRecord());
        record.add(answer);
        return QVariant(record.toVariant());
    });
    emit changed();
    qCDebug(lcReview) << "answer to" << form.id() << given << (right ? "right" : "wrong");
}

QMap<QString, MistakeRecord> MistakeLog::records() const
{
    QMap<QString, MistakeRecord> result;
    const QVariantMap stored = store_.dictionary(storeKey).value_or(QVariantMap());
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        if (!DrilledForm::fromId(it.key()))
            continue;
        if (const auto record = MistakeRecord::fromVariant(it.value()))
            result.insert(it.key(), *record);
    }
    return result;
}

void MistakeLog::store(const QMap<QString, MistakeRecord> &records)
{
    QVariantMap stored;
    for (auto it = records.begin(); it != records.end(); ++it)
        stored.insert(it.key(), it.value().toVariant());
    store_.set(storeKey, stored);
    emit changed();
}
