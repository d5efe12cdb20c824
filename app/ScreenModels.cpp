#include "app/ScreenModels.h"

#include "app/Services.h"
#include "games/GameCatalog.h"
#include "quizzes/QuizGamesParser.h"
#include "verbs/VerbDictionary.h"

#include <QJSEngine>

ScreenModels::ScreenModels(Services &services)
    : services_(services)
{}

// The screen item owns what it asked for; QML's collector leaves it alone.
template <typename Model> Model *ScreenModels::ownedBy(Model *model)
{
    QJSEngine::setObjectOwnership(model, QJSEngine::CppOwnership);
    emit made(model);
    return model;
}

MainMenuModel *ScreenModels::mainMenu(QObject *owner)
{
    return ownedBy(new MainMenuModel(
        services_.verbDictionary(), services_.reviewSchedule(), services_.dailyGoal(), services_.mainQueue(), owner));
}

VerbDictionaryModel *ScreenModels::dictionary(QObject *owner)
{
    return ownedBy(new VerbDictionaryModel(services_.verbDictionary(), services_.progressManager(), owner));
}

VerbTableModel *ScreenModels::verbTable(QObject *owner)
{
    return ownedBy(new VerbTableModel(services_.textToSpeech(), services_.verbDictionary().verbs(),
        services_.tenseSettings(), services_.stressMarks(), owner));
}

VerbTableRowModel *ScreenModels::verbTableRow(QObject *owner)
{
    return ownedBy(new VerbTableRowModel(services_.textToSpeech(), owner));
}

GameSheetModel *ScreenModels::gameSheet(QObject *owner)
{
    return ownedBy(new GameSheetModel(services_.verbDictionary(), owner));
}

ProgressViewerModel *ScreenModels::progressViewer(QObject *owner)
{
    return ownedBy(new ProgressViewerModel(services_.progressManager(), owner));
}

AccuracyGrid *ScreenModels::accuracyGrid(QObject *owner)
{
    return ownedBy(new AccuracyGrid(services_.mistakeLog(), owner));
}

SettingsScreenModel *ScreenModels::settings(QObject *owner)
{
    return ownedBy(new SettingsScreenModel(services_.verbDictionary(), services_.dailyGoal(), owner));
}

QuizGamesMenu *ScreenModels::quizMenu(QObject *owner)
{
    return ownedBy(new QuizGamesMenu(services_.quizGamesParser(), owner));
}

QuizGame *ScreenModels::quizGame(QObject *owner)
{
    return ownedBy(new QuizGame(services_.random(), services_.progressManager(), services_.mainQueue(), owner));
}

LearningGame *ScreenModels::game(const QString &page, QObject *owner)
{
    const GameEntry *entry = GameCatalog::onPage(page);
    return entry ? ownedBy(entry->make(services_.gameContext(), owner)) : nullptr;
}

AnswerKeyboardModel *ScreenModels::answerKeyboard(QObject *owner)
{
    return ownedBy(new AnswerKeyboardModel(services_.learnerStore(), AnswerKeyboardModel::systemDevices(), owner));
}

ReviewDrill *ScreenModels::reviewDrill(QObject *owner)
{
    return ownedBy(new ReviewDrill(services_.gameContext(), owner));
}
