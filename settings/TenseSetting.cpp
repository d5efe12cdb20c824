#include "settings/TenseSetting.h"

TenseSetting::TenseSetting(QString tenseName, bool status, QObject *parent)
    : QObject(parent)
    , tenseName_(std::move(tenseName))
    , status_(status)
{}

void TenseSetting::setStatus(bool status)
{
    const bool changed = status_ != status;
    status_ = status;
    if (changed)
        emit statusChanged();
    emit statusAssigned(tenseName_, status);
}

void TenseSetting::setNames(QString italian, QString english)
{
    italianName_ = std::move(italian);
    englishName_ = std::move(english);
}
