#include "progress/MistakeLog.h"

#include "platform/LearnerDatabase.h"
#include "platform/Logging.h"
#include "platform/MainQueue.h"
#include "progress/ReviewSchedule.h"

MistakeLog::MistakeLog(LearnerDatabase &store, MainQueue &queue, ReviewSchedule &schedule)
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
    recordForm(form, given, right, right ? Fsrs::Rating::good : Fsrs::Rating::again, QString());
}

void MistakeLog::recordForm(
    const DrilledForm &form, const QString &given, bool right, std::optional<Fsrs::Rating> rating, const QString &game)
{
    const qint64 now = queue_.now();
    // The answer, its tally and the card's review are kept together or not at all.
    store_.write([&] {
        return store_.addAnswer(ReviewSchedule::storedForm(form), {now, right, given, game})
            && (!rating || schedule_.rate(form, *rating, now));
    });
    emit changed();
}

std::optional<MistakeRecord> MistakeLog::record(const DrilledForm &form) const
{
    const auto tally = store_.tally(form.id());
    if (!tally)
        return std::nullopt;
    MistakeRecord record;
    record.right = tally->right;
    record.wrong = tally->wrong;
    for (const LearnerDatabase::Answer &answer : store_.latestAnswers(form.id(), MistakeRecord::keptAnswers))
        record.answers.append({answer.at, answer.right, answer.given, answer.game});
    return record;
}

QMap<QString, MistakeRecord> MistakeLog::records() const
{
    QMap<QString, MistakeRecord> result;
    for (const QString &id : store_.answeredForms()) {
        const auto form = DrilledForm::fromId(id);
        const auto tally = store_.tally(id);
        if (!form || !tally)
            continue;
        MistakeRecord record;
        record.right = tally->right;
        record.wrong = tally->wrong;
        for (const LearnerDatabase::Answer &answer : store_.answers(id))
            record.answers.append({answer.at, answer.right, answer.given, answer.game});
        result.insert(id, record);
    }
    return result;
}

bool MistakeLog::merge(const DrilledForm &form, const MistakeRecord &record)
{
    QList<LearnerDatabase::Answer> answers;
    answers.reserve(record.answers.size());
    for (const MistakeRecord::Answer &answer : record.answers)
        answers.append({answer.at, answer.right, answer.given, answer.game});
    return store_.mergeAnswers(ReviewSchedule::storedForm(form), answers, {record.right, record.wrong});
}

QMap<std::pair<QString, int>, MistakeLog::Cell> MistakeLog::cells() const
{
    QMap<std::pair<QString, int>, Cell> result;
    for (const LearnerDatabase::Cell &cell : store_.cells())
        result.insert({cell.tense, cell.person}, {cell.tally.right, cell.tally.wrong, cell.missedForms});
    return result;
}

QList<DrilledForm> MistakeLog::missedForms(const QString &tense, int person) const
{
    QList<DrilledForm> forms;
    for (const QString &id : store_.missedForms(tense, person)) {
        if (const auto form = DrilledForm::fromId(id))
            forms.append(*form);
    }
    return forms;
}

qint64 MistakeLog::answerCount() const
{
    return store_.answerCount();
}
