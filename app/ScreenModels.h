#pragma once

#include "platform/EngineObjects.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The returned types are whole here: QML reads their properties.
#include "games/LearningGame.h"
#include "games/review/ReviewDrill.h"
#include "quizzes/QuizGame.h"
#include "quizzes/QuizGamesMenu.h"
#include "screens/AccuracyGrid.h"
#include "screens/AnswerKeyboardModel.h"
#include "screens/GameSheetModel.h"
#include "screens/MainMenuModel.h"
#include "screens/ProgressViewerModel.h"
#include "screens/SettingsScreenModel.h"
#include "screens/VerbDictionaryModel.h"
#include "screens/VerbTableModel.h"
#include "screens/VerbTableRowModel.h"

class Services;

// Makes the screens' models and games with what they use from the composition root. Each is
// owned by the given screen item and goes with it, and is announced as it is made (made()).
class ScreenModels : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit ScreenModels(Services &services);
    // QML's instance: the one its engine was given (EngineObjects).
    static ScreenModels *create(QQmlEngine *engine, QJSEngine *) { return EngineObjects::take<ScreenModels>(engine); }

    Q_INVOKABLE MainMenuModel *mainMenu(QObject *owner);
    Q_INVOKABLE VerbDictionaryModel *dictionary(QObject *owner);
    Q_INVOKABLE VerbTableModel *verbTable(QObject *owner);
    Q_INVOKABLE VerbTableRowModel *verbTableRow(QObject *owner);
    Q_INVOKABLE GameSheetModel *gameSheet(QObject *owner);
    Q_INVOKABLE ProgressViewerModel *progressViewer(QObject *owner);
    Q_INVOKABLE AccuracyGrid *accuracyGrid(QObject *owner);
    Q_INVOKABLE SettingsScreenModel *settings(QObject *owner);
    Q_INVOKABLE QuizGamesMenu *quizMenu(QObject *owner);
    Q_INVOKABLE QuizGame *quizGame(QObject *owner);

    // The game of the menu page (see GameCatalog), or nullptr for another page.
    Q_INVOKABLE LearningGame *game(const QString &page, QObject *owner);
    Q_INVOKABLE ReviewDrill *reviewDrill(QObject *owner);
    Q_INVOKABLE AnswerKeyboardModel *answerKeyboard(QObject *owner);

signals:
    // A model was made for a screen that is being built.
    void made(QObject *model);

private:
    template <typename Model> Model *ownedBy(Model *model);

    Services &services_;
};
