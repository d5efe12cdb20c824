#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include "verbs/Verb.h"

class DailyGoal;
class VerbDictionary;
class ReviewSchedule;
class MainQueue;

// The main menu's model: the verb on the random-verb card, picked anew each time the card is
// shown, the daily goal's card (today's answers, the last seven days, the streak of weeks) and
// the seven activity entries with their texts, symbols and colours.
class MainMenuModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the main menu's model from ScreenModels")
    Q_PROPERTY(Verb *randomVerb READ randomVerb NOTIFY randomVerbChanged)
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QVariantList entries READ entries NOTIFY entriesChanged)
    Q_PROPERTY(QList<QColor> colours READ colours CONSTANT)
    Q_PROPERTY(QList<QColor> textColours READ textColours CONSTANT)
    Q_PROPERTY(int reviewDue READ reviewDue NOTIFY entriesChanged)
    Q_PROPERTY(int answersToday READ answersToday NOTIFY goalChanged)
    Q_PROPERTY(QString goalText READ goalText NOTIFY goalChanged)
    Q_PROPERTY(double goalFraction READ goalFraction NOTIFY goalChanged)
    Q_PROPERTY(QVariantList goalDays READ goalDays NOTIFY goalChanged)
    Q_PROPERTY(QString streakText READ streakText NOTIFY goalChanged)

public:
    MainMenuModel(VerbDictionary &verbs, ReviewSchedule &schedule, DailyGoal &goal, const MainQueue &clock,
        QObject *parent = nullptr);

    // The QML file of a screen by name: a menu entry's page, "settings", "info" or "table"; empty
    // for another name. Each screen is compiled when first opened, so the menu's first frame waits
    // for none of them.
    Q_INVOKABLE [[nodiscard]] static QString screenFile(const QString &name);
    // Asks the menu's screen to push the named screen (see screenFile) with the given initial
    // properties, as a tap on its entry does; false for a name that is not a screen.
    bool requestScreen(const QString &name, const QVariantMap &properties = {});

    static inline const QString language = QStringLiteral("Italian");

    [[nodiscard]] Verb *randomVerb() const { return randomVerb_; }
    [[nodiscard]] QString title() const { return language + QStringLiteral(" Flexio"); }

    // One map per entry: title, description, symbol, colour, textColour, page, the name of the
    // screen it opens ("dictionary", "match", "conjugation", "snap", "gapfill", "quizzes",
    // "progress", "review"), and quiet, true for the review entry while nothing is due.
    [[nodiscard]] QVariantList entries() const;
    // 19 background and 22 text colours; the entries use the first seven of each.
    [[nodiscard]] static QList<QColor> colours();
    [[nodiscard]] static QList<QColor> textColours();

    Q_INVOKABLE void pickRandomVerb();
    // The number of missed forms due for review now.
    [[nodiscard]] int reviewDue() const;
    // Time moves forms into due; the menu counts again each time it is shown.
    Q_INVOKABLE void refreshReview() { emit entriesChanged(); }

    [[nodiscard]] int answersToday() const;
    // "12 of 20 answers today", or "Goal met: 25 answers today".
    [[nodiscard]] QString goalText() const;
    // Today's share of the goal, at most 1.
    [[nodiscard]] double goalFraction() const;
    // The last seven days, today last: one map each with initial ("M"), mark ("met", "partly",
    // "none"), the symbol that draws the mark (a disc with a tick, a ring round a dot, a ring),
    // today, and name, the day in words for screen readers.
    [[nodiscard]] QVariantList goalDays() const;
    // "Streak: 3 weeks", or how to start one.
    [[nodiscard]] QString streakText() const;
    // A new day may have begun; the menu reads the goal again each time it is shown.
    Q_INVOKABLE void refreshGoal();

signals:
    void randomVerbChanged();
    void screenRequested(const QString &name, const QVariantMap &properties);
    void entriesChanged();
    void goalChanged();

private:
    VerbDictionary &verbs_;
    ReviewSchedule &schedule_;
    DailyGoal &goal_;
    const MainQueue &clock_;
    QPointer<Verb> randomVerb_;
};
