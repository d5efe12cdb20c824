#include "quizzes/QuizDataReader.h"

#include "platform/Random.h"

QuizDataReader::QuizDataReader(Random &random, QuizSink onQuiz)
    : random_(random)
    , onQuiz_(std::move(onQuiz))
    , currentQuiz_(std::make_unique<Quiz>())
    , currentQuestion_(std::make_unique<QuizQuestion>(random))
{}

QuizDataReader::~QuizDataReader() = default;

QString QuizDataReader::documentFault() const
{
    return currentOrder_ == 0 ? QStringLiteral("the file holds no quizzes") : QString();
}

void QuizDataReader::elementStarted(const QString &name)
{
    str_.clear();
    if (name == u"quiz") {
        currentQuiz_ = std::make_unique<Quiz>();
    } else if (name == u"item") {
        currentQuestion_ = std::make_unique<QuizQuestion>(random_);
    }
}

void QuizDataReader::elementEnded(const QString &name)
{
    Quiz &quiz = *currentQuiz_;
    QuizQuestion &question = *currentQuestion_;
    if (name == u"id") {
        quiz.quizID = str_;
        quiz.identifier = str_;
    } else if (name == u"title") {
        quiz.title = str_;
    } else if (name == u"description") {
        quiz.description = str_;
    } else if (name == u"level") {
        quiz.level = str_;
    } else if (name == u"question") {
        question.question = str_;
    } else if (name == u"clue") {
        question.clue = str_;
    } else if (name == u"image_named") {
        question.image_named = str_;
    } else if (name == u"explanation") {
        question.explanation = str_;
    } else if (name == u"linked_verb") {
        question.linkedVerb = str_;
    } else if (name == u"answer") {
        question.setAnswer(new QuizQuestionAnswer(str_, true));
    } else if (name == u"alt1") {
        question.setAlt1(new QuizQuestionAnswer(str_, false));
    } else if (name == u"alt2") {
        question.setAlt2(new QuizQuestionAnswer(str_, false));
    } else if (name == u"alt3") {
        question.setAlt3(new QuizQuestionAnswer(str_, false));
    } else if (name == u"item") {
        QuizQuestion *finished = currentQuestion_.release();
        finished->setParent(&quiz);
        quiz.questions.append(finished);
        // Stray elements after an item must not change the question already handed over.
        currentQuestion_ = std::make_unique<QuizQuestion>(random_);
    } else if (name == u"quiz") {
        if (quiz.quizID.isEmpty())
            quiz.quizID = quiz.title;
        quiz.order = currentOrder_;
        currentOrder_ += 1;
        Quiz *finished = currentQuiz_.release();
        onQuiz_(finished);
        currentQuiz_ = std::make_unique<Quiz>();
    }
}
