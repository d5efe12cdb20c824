#pragma once

#include "platform/StrictXmlReader.h"
#include "quizzes/Quiz.h"

#include <QString>

#include <functional>
#include <memory>

class Random;

// Reads the quiz data file one event at a time: every `quiz` element becomes a Quiz (with its
// `item` questions) handed to onQuiz in file order; unknown elements are ignored. Besides the
// checks of every data file (see StrictXmlReader), a file without quizzes stops the reading. The
// quizzes completed before a fault are handed over.
class QuizDataReader : public StrictXmlReader
{
public:
    using QuizSink = std::function<void(Quiz *)>;

    QuizDataReader(Random &random, QuizSink onQuiz);
    ~QuizDataReader() override;

private:
    void elementStarted(const QString &name) override;
    void characters(QStringView text) override { str_ += text; }
    void elementEnded(const QString &name) override;
    [[nodiscard]] QString documentFault() const override;

    Random &random_;
    QuizSink onQuiz_;
    std::unique_ptr<Quiz> currentQuiz_;
    std::unique_ptr<QuizQuestion> currentQuestion_;
    int currentOrder_ = 0;
    QString str_;
};
