#pragma once

#include "quizzes/Quiz.h"
#include "quizzes/SchoolWorkDelegate.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <future>
#include <memory>

class LearnerStore;
class ProgressManager;
class QThread;
class Random;
class Resources;
class SchoolWork;

// Reads the quiz data file into the list of quizzes, gives each quiz its last stored score and
// registers the quizzes as school-work contexts, whose missing contexts it then makes on request.
// The file is read on a worker thread from construction on; the first question asked of the
// parser waits for that reading and takes it over.
// A file that cannot be read whole (see QuizDataReader) keeps the quizzes read before the fault
// and names the fault in loadError().
class QuizGamesParser : public QObject, public SchoolWorkDelegate
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The app reads the one quiz file")
    Q_PROPERTY(QList<Quiz *> quizzes READ quizzes CONSTANT)

public:
    // Starts reading the quiz file of resources; the quizzes become contexts of schoolWork, which
    // must outlive the parser.
    QuizGamesParser(const Resources &resources, Random &random, ProgressManager &progress, LearnerStore &store,
        SchoolWork &schoolWork);
    ~QuizGamesParser() override;

    [[nodiscard]] SchoolWork &schoolWork() const { return schoolWork_; }

    // Waits for the reading and takes it over: the quizzes are then scored and registered. Every
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

    // Where the quiz file was read from, and whether it was read to its end.
    [[nodiscard]] const QString &dataPath() const { return dataPath_; }
    [[nodiscard]] bool readWhole() const
    {
        finishReading();
        return readWhole_;
    }
    // Why the file could not be read whole, naming the file, line and column; empty when it was.
    [[nodiscard]] const QString &loadError() const
    {
        finishReading();
        return loadError_;
    }

    std::unique_ptr<SchoolWorkContext> createContext(
        const QString &identifier, SchoolWorkContext &parentContext, const QStringList &parentIdentifierPath) override;

    static inline const QString languageName = QStringLiteral("Italian");
    // The deep link of the quiz context named identifier: "tavelo-italian://" + identifier.
    static QString universalLinkText(const QString &identifier);

private:
    // What the worker thread read: the quizzes (already handed to home's thread) and any fault.
    struct Reading
    {
        bool opened = false;
        bool whole = false;
        QList<Quiz *> quizzes;
        QString error;
        QString warning;
    };

    void startReading();
    // Touches no member, so that it can run on a worker thread.
    static Reading read(const QString &path, Random &random, QThread *home);
    void takeOver(Reading reading);
    void documentEnded();
    void readLastScores();
    void registerQuizzes();

    const Resources &resources_;
    Random &random_;
    ProgressManager &progress_;
    LearnerStore &store_;
    SchoolWork &schoolWork_;
    QList<Quiz *> quizzes_;
    QString dataPath_;
    QString loadError_;
    bool readWhole_ = false;
    std::future<Reading> reading_;
};
