#pragma once

#include "platform/EngineObjects.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include "quizzes/Quiz.h"

class QuizGamesParser;

// The main menu's deep links: a "tavelo-italian://ID" link names a quiz by its ID. Opening one
// records the ID and asks the window to show the quiz screen for it: a link to the quiz on show
// does nothing, and a quiz screen on show is replaced rather than stacked upon.
class DeepLinkModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QStringList quizIDs READ quizIDs NOTIFY quizIDsChanged)

public:
    // How the window shows a linked quiz.
    enum class Placement { none, push, replace };
    Q_ENUM(Placement)

    // Only the latest IDs are remembered, so that a flood of links cannot grow memory.
    static constexpr qsizetype maxRememberedIDs = 64;

    // Links name quizzes of parser.
    explicit DeepLinkModel(const QuizGamesParser &parser);
    // QML's instance: the one its engine was given (EngineObjects).
    static DeepLinkModel *create(QQmlEngine *engine, QJSEngine *) { return EngineObjects::take<DeepLinkModel>(engine); }

    // "tavelo-" and the language name in lower case.
    static QString scheme();

    // The quiz IDs links have opened, oldest first (the latest maxRememberedIDs).
    [[nodiscard]] const QStringList &quizIDs() const { return quizIDs_; }

    // Pushes the link's percent-decoded host as a quiz ID when its scheme is exactly this app's
    // (case counts). The link is read as written: host and scheme keep their case and the host
    // is decoded once. Returns the pushed ID, or an empty text when the link is ignored.
    Q_INVOKABLE QString openDeepLink(const QString &url);
    // Whether a command-line argument is meant as one of this app's links.
    [[nodiscard]] static bool looksLikeLink(const QString &argument);

    // The quiz a pushed ID opens: the first quiz with that ID, else the first quiz of all;
    // nullptr, with a console line, when no quizzes are loaded.
    Q_INVOKABLE [[nodiscard]] Quiz *destination(const QString &quizID) const;

    // How to show quiz, given the quiz screen on show (if any).
    [[nodiscard]] Placement placement(Quiz *quiz) const;
    // The same by name ("none", "push", "replace"), for the window.
    Q_INVOKABLE [[nodiscard]] QString placementName(Quiz *quiz) const;
    // The quiz screens report when they come on show and when they leave.
    Q_INVOKABLE void quizShown(Quiz *quiz);
    Q_INVOKABLE void quizHidden(Quiz *quiz);

signals:
    void quizIDsChanged();
    void quizIDPushed(const QString &quizID);

private:
    const QuizGamesParser &parser_;
    QStringList quizIDs_;
    QPointer<Quiz> shownQuiz_;
};
