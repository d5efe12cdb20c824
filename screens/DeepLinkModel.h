#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class Quiz;
class Services;
class QQmlEngine;
class QJSEngine;

// The main menu's deep links: a "tavelo-italian://ID" link names a quiz by its ID. Opening one
// records the ID and asks the window to push the quiz screen for it.
class DeepLinkModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QStringList quizIDs READ quizIDs NOTIFY quizIDsChanged)

public:
    explicit DeepLinkModel(Services &services);

    static DeepLinkModel &shared();
    static DeepLinkModel *create(QQmlEngine *, QJSEngine *);

    // "tavelo-" and the language name in lower case.
    static QString scheme();

    // Every quiz ID a link has opened, oldest first.
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

signals:
    void quizIDsChanged();
    void quizIDPushed(const QString &quizID);

private:
    QStringList quizIDs_;
};
