#pragma once

#include "quizzes/Quiz.h"
#include "quizzes/SchoolWorkDelegate.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <memory>

class QQmlEngine;
class QJSEngine;
class SchoolWork;
class Services;

// Reads the quiz data file once, on first use, into the list of quizzes, gives each quiz its
// last stored score and registers the quizzes as school-work contexts, whose missing contexts
// it then makes on request.
// A file that cannot be read whole (see QuizDataReader) keeps the quizzes read before the fault
// and names the fault in loadError().
class QuizGamesParser : public QObject, public SchoolWorkDelegate
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QList<Quiz *> quizzes READ quizzes CONSTANT)

public:
    explicit QuizGamesParser(Services &services);
    ~QuizGamesParser() override;

    static QuizGamesParser &shared();
    static QuizGamesParser *create(QQmlEngine *, QJSEngine *);

    // In file order.
    [[nodiscard]] const QList<Quiz *> &quizzes() const { return quizzes_; }
    // The first quiz whose quizID is the given one, or nullptr.
    Q_INVOKABLE [[nodiscard]] Quiz *quizWithID(const QString &quizID) const;

    // Where the quiz file was read from, and whether it was read to its end.
    [[nodiscard]] const QString &dataPath() const { return dataPath_; }
    [[nodiscard]] bool readWhole() const { return readWhole_; }
    // Why the file could not be read whole, naming the file, line and column; empty when it was.
    [[nodiscard]] const QString &loadError() const { return loadError_; }

    std::unique_ptr<SchoolWorkContext> createContext(const QString &identifier, SchoolWorkContext &parentContext,
                                                     const QStringList &parentIdentifierPath) override;

    static inline const QString languageName = QStringLiteral("Italian");
    // The deep link of the quiz context named identifier: "tavelo-italian://" + identifier.
    static QString universalLinkText(const QString &identifier);

private:
    void readFile();
    bool parse(const QByteArray &xml);
    void documentEnded();
    void readLastScores();
    void registerQuizzes();

    Services &services_;
    SchoolWork *schoolWork_ = nullptr;
    QList<Quiz *> quizzes_;
    QString dataPath_;
    QString loadError_;
    bool readWhole_ = false;
};
