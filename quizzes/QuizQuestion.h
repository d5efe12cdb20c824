#pragma once

#include "quizzes/QuizQuestionAnswer.h"

#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class Random;

// One question of a quiz: a text with a blank, the right answer and three wrong ones, with an
// optional clue, image, explanation and the verb it drills.
class QuizQuestion : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Questions come from the quiz reader")
    Q_PROPERTY(QString question MEMBER question CONSTANT)
    Q_PROPERTY(QString clue MEMBER clue CONSTANT)
    Q_PROPERTY(QString image_named MEMBER image_named CONSTANT)
    Q_PROPERTY(QString explanation MEMBER explanation CONSTANT)
    Q_PROPERTY(QString linkedVerb MEMBER linkedVerb CONSTANT)
    Q_PROPERTY(QList<QuizQuestionAnswer *> allAnswers READ allAnswers NOTIFY allAnswersChanged)

public:
    explicit QuizQuestion(Random &random, QObject *parent = nullptr);

    QString question;
    QString clue;
    QString image_named;
    QString explanation;
    QString linkedVerb;

    [[nodiscard]] QuizQuestionAnswer *answer() const { return answer_; }
    [[nodiscard]] QuizQuestionAnswer *alt1() const { return alt1_; }
    [[nodiscard]] QuizQuestionAnswer *alt2() const { return alt2_; }
    [[nodiscard]] QuizQuestionAnswer *alt3() const { return alt3_; }
    // Each setter takes ownership of the new answer; an answer already dealt into allAnswers is
    // replaced there in its place.
    void setAnswer(QuizQuestionAnswer *answer) { replace(answer_, answer); }
    void setAlt1(QuizQuestionAnswer *answer) { replace(alt1_, answer); }
    void setAlt2(QuizQuestionAnswer *answer) { replace(alt2_, answer); }
    void setAlt3(QuizQuestionAnswer *answer) { replace(alt3_, answer); }

    // The right answer and the three wrong ones, shuffled on the first read; the order then stays.
    [[nodiscard]] const QList<QuizQuestionAnswer *> &allAnswers();

signals:
    void allAnswersChanged();

private:
    void replace(QuizQuestionAnswer *&slot, QuizQuestionAnswer *fresh);

    Random &random_;
    QuizQuestionAnswer *answer_;
    QuizQuestionAnswer *alt1_;
    QuizQuestionAnswer *alt2_;
    QuizQuestionAnswer *alt3_;
    QList<QuizQuestionAnswer *> allAnswers_;
};
