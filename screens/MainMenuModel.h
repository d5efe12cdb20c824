#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include "verbs/Verb.h"

class VerbDictionary;
class ReviewSchedule;
class MainQueue;

// The main menu's model: the verb on the random-verb card, picked anew each time the card is
// shown, and the seven activity entries with their texts, symbols and colours.
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

public:
    MainMenuModel(VerbDictionary &verbs, ReviewSchedule &schedule, const MainQueue &clock, QObject *parent = nullptr);

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

signals:
    void randomVerbChanged();
    void screenRequested(const QString &name, const QVariantMap &properties);
    void entriesChanged();

private:
    VerbDictionary &verbs_;
    ReviewSchedule &schedule_;
    const MainQueue &clock_;
    QPointer<Verb> randomVerb_;
};
