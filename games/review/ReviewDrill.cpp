#include "games/review/ReviewDrill.h"

#include "games/AnswerKeys.h"
#include "games/review/MistakeClassifier.h"
#include "games/review/VerbForms.h"
#include "platform/LearnerDatabase.h"
#include "platform/MainQueue.h"
#include "platform/Random.h"
#include "progress/Fsrs.h"
#include "progress/MistakeLog.h"
#include "progress/ReviewSchedule.h"
#include "settings/SettingsManager.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

ReviewDrill::ReviewDrill(const GameContext &context, QObject *parent)
    : QObject(parent)
    , context_(context)
    , result_(new SessionResult(this))
{}

void ReviewDrill::startForms(const QStringList &ids)
{
    QList<DrilledForm> forms;
    for (const QString &id : ids) {
        if (const auto form = DrilledForm::fromId(id))
            forms.append(*form);
    }
    startWith(forms);
}

void ReviewDrill::practiseWeakest()
{
    // The share of wrong answers ranks the forms, the total of wrong answers breaks ties.
    const QMap<QString, MistakeRecord> records = context_.mistakes.records();
    QList<std::pair<double, QString>> ranked;
    for (auto it = records.begin(); it != records.end(); ++it) {
        const MistakeRecord &record = it.value();
        if (record.wrong > 0)
            ranked.append({double(record.wrong) / (record.right + record.wrong) + record.wrong * 1e-6, it.key()});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QStringList ids;
    for (qsizetype i = 0; i < ranked.size() && i < practiceSize; ++i)
        ids.append(ranked.at(i).second);
    startForms(ids);
}

void ReviewDrill::start()
{
    startWith(context_.schedule.dueForms(context_.queue.now()));
}

void ReviewDrill::startCell(const QString &tense, int person)
{
    startWith(context_.mistakes.missedForms(tense, person));
}

void ReviewDrill::startWith(const QList<DrilledForm> &forms)
{
    // Forms of verbs no longer in the verb data cannot be asked.
    forms_.clear();
    for (const DrilledForm &form : forms) {
        Verb *verb = context_.verbs.verbForKey(form.verbKey);
        if (verb && !VerbForms(*verb).form(form).isEmpty())
            forms_.append(form);
    }
    current_ = 0;
    rightCount_ = 0;
    accentSlips_ = 0;
    answers_ = 0;
    result_->begin(context_.queue.now());
    showForm();
}

Verb *ReviewDrill::currentVerb() const
{
    return finished() ? nullptr : context_.verbs.verbForKey(forms_.at(current_).verbKey);
}

void ReviewDrill::showForm()
{
    answered_ = false;
    mistake_ = MistakeKind::none;
    rightForm_.clear();
    english_.clear();
    choices_.clear();
    if (Verb *verb = currentVerb()) {
        const VerbForms forms(*verb);
        rightForm_ = forms.form(forms_.at(current_));
        english_ = forms.english(forms_.at(current_));
        choices_ = makeChoices(*verb, forms_.at(current_));
    }
    setTyped({});
    emit formChanged();
    emit answerChanged();
}

// The right form and three of the verb's own forms a learner confuses with it:
// other persons of the tense, the same person in other tenses, and for a
// compound tense the other auxiliary.
QStringList ReviewDrill::makeChoices(Verb &verb, const DrilledForm &form) const
{
    const VerbForms forms(verb);
    const QString right = forms.form(form);
    QStringList candidates;
    const QStringList sameTense = forms.forms(form.tense);
    for (qsizetype person = 0; person < sameTense.size(); ++person)
        candidates.append(sameTense.at(person));
    for (const QString &tense : DrilledForm::tenseCodes())
        candidates.append(forms.forms(tense).value(std::max(0, form.person)));
    Random &random = context_.random;
    random.shuffle(candidates);
    QStringList chosen{right};
    for (const QString &candidate : std::as_const(candidates)) {
        if (chosen.size() == 4)
            break;
        const bool taken = std::any_of(
            chosen.begin(), chosen.end(), [&candidate](const QString &c) { return VerbForms::accepts(c, candidate); });
        if (!candidate.isEmpty() && !taken)
            chosen.append(candidate);
    }
    random.shuffle(chosen);
    return chosen;
}

QString ReviewDrill::verbName() const
{
    Verb *verb = currentVerb();
    return verb ? verb->displayInfinitive() : QString();
}

QString ReviewDrill::formLabel() const
{
    return finished() ? QString() : forms_.at(current_).label();
}

bool ReviewDrill::choiceMode() const
{
    return context_.store.setting(SettingsManager::reviewChoicesSetting) == u"true";
}

void ReviewDrill::setChoiceMode(bool choices)
{
    if (choices == choiceMode())
        return;
    context_.store.setSetting(
        SettingsManager::reviewChoicesSetting, choices ? QStringLiteral("true") : QStringLiteral("false"));
    emit choiceModeChanged();
}

void ReviewDrill::setTyped(const QString &typed)
{
    if (typed_ == typed)
        return;
    typed_ = typed;
    emit typedChanged();
}

void ReviewDrill::typeKey(const QString &key)
{
    if (!answered_ && !finished())
        setTyped(AnswerKeys::typed(typed_, key));
}

void ReviewDrill::backspace()
{
    if (!answered_ && !typed_.isEmpty())
        setTyped(typed_.chopped(1));
}

void ReviewDrill::submit()
{
    if (!typed_.trimmed().isEmpty())
        answer(typed_);
}

void ReviewDrill::choose(const QString &choice)
{
    if (choices_.contains(choice))
        answer(choice);
}

void ReviewDrill::answer(const QString &given)
{
    Verb *verb = currentVerb();
    if (answered_ || !verb)
        return;
    const DrilledForm &form = forms_.at(current_);
    const MistakeClassifier classifier(*verb);
    lastGiven_ = given;
    mistake_ = classifier.classify(form, given);
    answered_ = true;
    ++answers_;
    const bool right = mistake_ == MistakeKind::none;
    rightCount_ += right ? 1 : 0;
    accentSlips_ += mistake_ == MistakeKind::accent ? 1 : 0;
    const Fsrs::Rating rating = right     ? Fsrs::Rating::good
        : mistake_ == MistakeKind::accent ? Fsrs::Rating::hard
                                          : Fsrs::Rating::again;
    context_.mistakes.recordForm(form, given.simplified(), right, rating, QStringLiteral("Review"));
    if (!right) {
        result_->addMiss({form, rightForm_, english_, classifier.note(form, given)});
        if (forms_.count(form) <= maxRepeats)
            forms_.append(form);
    }
    emit answerChanged();
}

void ReviewDrill::next()
{
    if (finished() || !answered_)
        return;
    ++current_;
    showForm();
    finishIfDone();
}

void ReviewDrill::finishIfDone()
{
    if (finished() && answers_ > 0)
        result_->finish(rightCount_ + 0.5 * accentSlips_, answers_, context_.queue.now());
}

QString ReviewDrill::verdict() const
{
    if (!answered_)
        return {};
    if (mistake_ == MistakeKind::none)
        return QStringLiteral("Right!");
    return mistake_ == MistakeKind::accent ? QStringLiteral("Half right: mind the accent.")
                                           : QStringLiteral("Not quite.");
}

QString ReviewDrill::explanation() const
{
    if (!answered_ || mistake_ == MistakeKind::none)
        return {};
    Verb *verb = currentVerb();
    const QString note = verb ? MistakeClassifier(*verb).note(forms_.at(current_), lastGiven_) : QString();
    return note.isEmpty() ? MistakeClassifier::describe(mistake_) : note;
}
