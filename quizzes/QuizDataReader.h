#pragma once

#include "quizzes/Quiz.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Random;

// Reads the quiz data file with QXmlStreamReader, one event at a time: every `quiz` element
// becomes a Quiz (with its `item` questions) handed to onQuiz in file order. CDATA contributes
// nothing; unknown elements are ignored.
//
// The structure is checked as it is read, and a fault stops the reading like malformed XML: an
// element inside another of the same name (a quiz inside a quiz), elements nested deeper than
// maxDepth, and a file without quizzes. The quizzes completed before a fault are handed over.
class QuizDataReader
{
public:
    using QuizSink = std::function<void(Quiz *)>;

    static constexpr int maxDepth = 16;

    QuizDataReader(Random &random, QuizSink onQuiz);
    ~QuizDataReader();

    // True when the document was read to its end.
    bool read(const QByteArray &xml);

    [[nodiscard]] const QString &errorText() const { return errorText_; }
    [[nodiscard]] qint64 errorLine() const { return errorLine_; }
    [[nodiscard]] qint64 errorColumn() const { return errorColumn_; }
    // True when the XML was well-formed but its structure was wrong.
    [[nodiscard]] bool structureError() const { return structureError_; }

private:
    [[nodiscard]] QString startFault(const QString &name) const;
    void elementStarted(const QString &name);
    void elementEnded(const QString &name);

    Random &random_;
    QuizSink onQuiz_;
    std::unique_ptr<Quiz> currentQuiz_;
    std::unique_ptr<QuizQuestion> currentQuestion_;
    int currentOrder_ = 0;
    QString str_;
    QStringList openElements_;
    QString errorText_;
    qint64 errorLine_ = 0;
    qint64 errorColumn_ = 0;
    bool structureError_ = false;
};
