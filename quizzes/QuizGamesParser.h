#pragma once

#include "quizzes/Quiz.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <future>
#include <memory>

class ProgressManager;
class QThread;
class Random;
class Resources;

// Reads the quiz data file into the list of quizzes and gives each quiz its last stored score.
// Nothing is read at construction: startReading() reads the file on a worker thread, and the
// first question asked of the parser starts the reading if need be, waits for it and takes it
// over.
// A file that cannot be read whole (see QuizDataReader) keeps the quizzes read before the fault
// and names the fault in loadError().
class QuizGamesParser : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The app reads the one quiz file")
    Q_PROPERTY(QList<Quiz *> quizzes READ quizzes CONSTANT)

public:
    QuizGamesParser(const Resources &resources, Random &random, ProgressManager &progress);
    ~QuizGamesParser() override;

    // Starts reading the quiz file of resources on a worker thread; once only.
    void startReading();
    // Waits for the reading and takes it over: the quizzes are then scored. Every
    // question below does this first.
    void finishReading() const;

    // In file order.
    [[nodiscard]] const QList<Quiz *> &quizzes() const
    {
        finishReading();
        return quizzes_;
    }
    // The first quiz whose quizID is the given one, or nullptr.
    Q_INVOKABLE [[nodiscard]] Quiz *quizWithID(const QString &quizID) const;

    // Whether the quiz file was read to its end.
    [[nodiscard]] bool readWhole() const
    {
        finishReading();
        return readWhole_;
    }
    static inline const QString languageName = QStringLiteral("Italian");

    // Why the file could not be read whole, naming the file, line and column; empty when it was.
    [[nodiscard]] const QString &loadError() const
    {
        finishReading();
        return loadError_;
    }

private:
    // What the worker thread read: the quizzes (already handed to home's thread) and any fault.
    struct Reading
    {
        bool opened = false;
        bool whole = false;
        QList<Quiz *> quizzes;
        QString error;
    };

    // Touches no member, so that it can run on a worker thread.
    static Reading read(const QString &path, Random &random, QThread *home);
    void takeOver(Reading reading);
    void readLastScores();

    const Resources &resources_;
    Random &random_;
    ProgressManager &progress_;
    QList<Quiz *> quizzes_;
    QString loadError_;
    bool readWhole_ = false;
    bool started_ = false;
    std::future<Reading> reading_;
};
