#include "screens/VerbListModel.h"

#include "verbs/Verb.h"

VerbListModel::VerbListModel(QObject *parent)
    : QAbstractListModel(parent)
{}

int VerbListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(verbs_.size());
}

QVariant VerbListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    Verb *verb = verbs_.at(index.row());
    switch (role) {
    case VerbRole:
        return QVariant::fromValue(verb);
    case Qt::DisplayRole:
    case DisplayInfinitiveRole:
        return verb->displayInfinitive();
    case EnglishRenderingRole:
        return englishRendering(*verb);
    case LearntRole:
        return verb->learnt();
    case FirstLineRole:
        return targetLanguageFirst_ ? verb->displayInfinitive() : englishRendering(*verb);
    case SecondLineRole:
        return targetLanguageFirst_ ? englishRendering(*verb) : verb->displayInfinitive();
    case WhereRole:
        return where_.value(index.row());
    default:
        return {};
    }
}

QHash<int, QByteArray> VerbListModel::roleNames() const
{
    return {{VerbRole, "verb"}, {DisplayInfinitiveRole, "displayInfinitive"},
        {EnglishRenderingRole, "englishRendering"}, {LearntRole, "learnt"}, {FirstLineRole, "firstLine"},
        {SecondLineRole, "secondLine"}, {WhereRole, "where"}};
}

QString VerbListModel::englishRendering(const Verb &verb)
{
    QString rendering = verb.englishDisplay();
    if (!verb.englishInfinitiveExtra.isEmpty())
        rendering += QStringLiteral(", ") + verb.englishInfinitiveExtra;
    return rendering;
}

void VerbListModel::setVerbs(QList<Verb *> verbs, QStringList where)
{
    // (Sizes first: comparing two empty lists hands null data to memcmp.)
    if (verbs.size() == verbs_.size() && (verbs.isEmpty() || verbs == verbs_) && where == where_)
        return;
    // Rows go and come rather than the model resetting, so that views drop the delegates they
    // are still making for the old rows.
    if (!verbs_.isEmpty()) {
        beginRemoveRows({}, 0, int(verbs_.size()) - 1);
        verbs_.clear();
        endRemoveRows();
    }
    if (!verbs.isEmpty()) {
        beginInsertRows({}, 0, int(verbs.size()) - 1);
        verbs_ = std::move(verbs);
        where_ = std::move(where);
        endInsertRows();
    } else {
        where_.clear();
    }
    for (const Verb *verb : std::as_const(verbs_)) {
        if (!watched_.contains(verb)) {
            watched_.insert(verb);
            connect(verb, &Verb::learntChanged, this, [this, verb] { learntChanged(verb); });
            connect(verb, &QObject::destroyed, this, [this, verb] { watched_.remove(verb); });
        }
    }
}

void VerbListModel::setTargetLanguageFirst(bool targetLanguageFirst)
{
    if (targetLanguageFirst == targetLanguageFirst_)
        return;
    targetLanguageFirst_ = targetLanguageFirst;
    if (!verbs_.isEmpty())
        emit dataChanged(index(0), index(int(verbs_.size()) - 1), {FirstLineRole, SecondLineRole});
}

void VerbListModel::learntChanged(const Verb *verb)
{
    for (qsizetype row = 0; row < verbs_.size(); ++row) {
        if (verbs_[row] == verb) {
            const QModelIndex changed = index(int(row));
            emit dataChanged(changed, changed, {LearntRole});
        }
    }
}
