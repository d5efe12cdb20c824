#include "screens/MainMenuModel.h"

#include "verbs/VerbDictionary.h"

MainMenuModel::MainMenuModel(QObject *parent) : QObject(parent), randomVerb_(VerbDictionary::shared().randomVerb()) {}

void MainMenuModel::pickRandomVerb()
{
    randomVerb_ = VerbDictionary::shared().randomVerb();
    emit randomVerbChanged();
}
