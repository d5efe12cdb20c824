#pragma once

#include "games/GameContext.h"
#include "games/review/MistakeKind.h"
#include "progress/DrilledForm.h"
#include "progress/SessionResult.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class Verb;

// The review drill: the forms the learner missed that are due now (or the
// missed forms of one tense and person, or of one game), typed on a keyboard
// or chosen from four. Every answer is logged and rated in the review schedule
// (a form right but for an accent scores half and rates Hard); a wrong one is
// followed by the right form, its English and the kind of mistake, and the form
// is asked again at the end of the sitting.
class ReviewDrill : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the review drill from ScreenModels")
    Q_PROPERTY(int total READ total NOTIFY formChanged)
    Q_PROPERTY(int position READ position NOTIFY formChanged)
    Q_PROPERTY(bool finished READ finished NOTIFY formChanged)
    Q_PROPERTY(QString verbName READ verbName NOTIFY formChanged)
    Q_PROPERTY(QString formLabel READ formLabel NOTIFY formChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY formChanged)
    Q_PROPERTY(QStringList choices READ choices NOTIFY formChanged)
    Q_PROPERTY(QString typed READ typed NOTIFY typedChanged)
    Q_PROPERTY(bool choiceMode READ choiceMode WRITE setChoiceMode NOTIFY choiceModeChanged)
    Q_PROPERTY(bool answered READ answered NOTIFY answerChanged)
    Q_PROPERTY(bool answeredRight READ answeredRight NOTIFY answerChanged)
    Q_PROPERTY(QString rightForm READ rightForm NOTIFY formChanged)
    Q_PROPERTY(QString english READ english NOTIFY formChanged)
    Q_PROPERTY(MistakeKinds::MistakeKind mistake READ mistake NOTIFY answerChanged)
    Q_PROPERTY(QString explanation READ explanation NOTIFY answerChanged)
    Q_PROPERTY(int rightCount READ rightCount NOTIFY answerChanged)
    Q_PROPERTY(QString verdict READ verdict NOTIFY answerChanged)
    Q_PROPERTY(SessionResult *result READ result CONSTANT)

public:
    explicit ReviewDrill(const GameContext &context, QObject *parent = nullptr);

    // The due forms, the longest overdue first.
    Q_INVOKABLE void start();
    // The forms of one tense and person the learner has missed, whether due or
    // not.
    Q_INVOKABLE void startCell(const QString &tense, int person);
    void startWith(const QList<DrilledForm> &forms);
    // The forms of the given ids, as a game's result lists them.
    Q_INVOKABLE void startForms(const QStringList &ids);
    // With nothing due: the forms most often missed, at most practiceSize of them.
    Q_INVOKABLE void practiseWeakest();
    static constexpr int practiceSize = 10;
    // A form missed is asked again at most this many times in one sitting.
    static constexpr int maxRepeats = 2;

    Q_INVOKABLE void typeKey(const QString &key);
    Q_INVOKABLE void backspace();
    Q_INVOKABLE void submit();
    Q_INVOKABLE void choose(const QString &choice);
    Q_INVOKABLE void next();
    // The answer to the form on screen, typed or chosen.
    void answer(const QString &given);

    [[nodiscard]] int total() const { return int(forms_.size()); }
    [[nodiscard]] int position() const { return current_; }
    [[nodiscard]] bool finished() const { return current_ >= forms_.size(); }
    [[nodiscard]] QString verbName() const;
    [[nodiscard]] QString formLabel() const;
    [[nodiscard]] const QString &prompt() const { return english_; }
    [[nodiscard]] const QStringList &choices() const { return choices_; }
    [[nodiscard]] const QString &typed() const { return typed_; }
    [[nodiscard]] bool choiceMode() const;
    void setChoiceMode(bool choices);
    [[nodiscard]] bool answered() const { return answered_; }
    [[nodiscard]] bool answeredRight() const { return answered_ && mistake_ == MistakeKind::none; }
    [[nodiscard]] const QString &rightForm() const { return rightForm_; }
    [[nodiscard]] const QString &english() const { return english_; }
    [[nodiscard]] MistakeKind mistake() const { return mistake_; }
    [[nodiscard]] QString explanation() const;
    [[nodiscard]] int rightCount() const { return rightCount_; }
    // "Right!", "Half right: mind the accent." or "Not quite."; empty before the answer.
    [[nodiscard]] QString verdict() const;
    [[nodiscard]] SessionResult *result() const { return result_; }
    [[nodiscard]] QList<DrilledForm> forms() const { return forms_; }

signals:
    void formChanged();
    void typedChanged();
    void answerChanged();
    void choiceModeChanged();

private:
    void showForm();
    void setTyped(const QString &typed);
    [[nodiscard]] Verb *currentVerb() const;
    [[nodiscard]] QStringList makeChoices(Verb &verb, const DrilledForm &form) const;
    void finishIfDone();

    GameContext context_;
    QList<DrilledForm> forms_;
    qsizetype current_ = 0;
    QString typed_;
    QString lastGiven_;
    QString rightForm_;
    QString english_;
    QStringList choices_;
    bool answered_ = false;
    MistakeKind mistake_ = MistakeKind::none;
    int rightCount_ = 0;
    int accentSlips_ = 0;
    int answers_ = 0;
    SessionResult *result_;
};
