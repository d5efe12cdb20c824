#include "screens/VerbDictionaryModel.h"

#include "platform/Collation.h"
#include "progress/ProgressManager.h"
#include "screens/MainMenuModel.h"
#include "verbs/VerbDictionary.h"

#include <algorithm>

VerbDictionaryModel::VerbDictionaryModel(QObject *parent)
    : QAbstractListModel(parent), filteredVerbs_(VerbDictionary::shared().verbs())
{
    for (Verb *verb : VerbDictionary::shared().verbs())
        connect(verb, &Verb::learntChanged, this, [this, verb] { learntChanged(verb); });
}

int VerbDictionaryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant VerbDictionaryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Verb *verb = filteredVerbs_.at(index.row());
    switch (role) {
    case VerbRole:
        return QVariant::fromValue(filteredVerbs_.at(index.row()));
    case Qt::DisplayRole:
    case DisplayInfinitiveRole:
        return verb->displayInfinitive();
    case EnglishRenderingRole:
        return englishRendering(*verb);
    case LearntRole:
        return verb->learnt();
    default:
        return {};
    }
}

QHash<int, QByteArray> VerbDictionaryModel::roleNames() const
{
    return {{VerbRole, "verb"},
            {DisplayInfinitiveRole, "displayInfinitive"},
            {EnglishRenderingRole, "englishRendering"},
            {LearntRole, "learnt"}};
}

QString VerbDictionaryModel::language()
{
    return MainMenuModel::language;
}

void VerbDictionaryModel::setSearchText(const QString &text)
{
    if (text == searchText_)
        return;
    searchText_ = text;
    emit searchTextChanged();
    applySearch();
}

QString VerbDictionaryModel::englishRendering(const Verb &verb)
{
    QString rendering = verb.englishDisplay();
    if (!verb.englishInfinitiveExtra.isEmpty())
        rendering += QStringLiteral(", ") + verb.englishInfinitiveExtra;
    return rendering;
}

bool VerbDictionaryModel::verbOrder(const Verb &a, const Verb &b, bool targetLanguageFirst)
{
    if (targetLanguageFirst)
        return Collation::italian().lessThan(a.key, b.key);
    return Collation::english().lessThan(a.englishDisplay(), b.englishDisplay());
}

bool VerbDictionaryModel::matches(const Verb &verb, const QString &searchText)
{
    // Composed and decomposed accents are the same letter to the learner.
    const QString needle = searchText.normalized(QString::NormalizationForm_C);
    const auto has = [&needle](const QString &text) {
        return text.normalized(QString::NormalizationForm_C).contains(needle, Qt::CaseInsensitive);
    };
    return has(verb.displayInfinitive()) || has(verb.englishInfinitive) || has(verb.englishInfinitiveExtra);
}

void VerbDictionaryModel::sortFilteredVerbs()
{
    QList<Verb *> sorted = filteredVerbs_;
    const bool italianFirst = targetLanguageFirst_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [italianFirst](const Verb *a, const Verb *b) { return verbOrder(*a, *b, italianFirst); });
    setFilteredVerbs(std::move(sorted));
}

void VerbDictionaryModel::setSortOrder(bool targetLanguageFirst)
{
    if (targetLanguageFirst_ != targetLanguageFirst) {
        targetLanguageFirst_ = targetLanguageFirst;
        emit targetLanguageFirstChanged();
    }
    sortFilteredVerbs();
}

void VerbDictionaryModel::applySearch()
{
    const QList<Verb *> &all = VerbDictionary::shared().verbs();
    if (searchText_.isEmpty()) {
        setFilteredVerbs(all);
        return;
    }
    QList<Verb *> found;
    for (Verb *verb : all) {
        if (matches(*verb, searchText_))
            found.append(verb);
    }
    setFilteredVerbs(std::move(found));
}

void VerbDictionaryModel::toggleLearnt(int row)
{
    if (Verb *verb = verbAt(row))
        ProgressManager::shared().toggleLearnt(verb);
}

Verb *VerbDictionaryModel::verbAt(int row) const
{
    return row >= 0 && row < filteredVerbs_.size() ? filteredVerbs_.at(row) : nullptr;
}

void VerbDictionaryModel::setFilteredVerbs(QList<Verb *> verbs)
{
    if (verbs == filteredVerbs_)
        return;
    const bool sizeChanged = verbs.size() != filteredVerbs_.size();
    beginResetModel();
    filteredVerbs_ = std::move(verbs);
    endResetModel();
    if (sizeChanged)
        emit countChanged();
}

void VerbDictionaryModel::learntChanged(Verb *verb)
{
    for (qsizetype row = 0; row < filteredVerbs_.size(); ++row) {
        if (filteredVerbs_[row] == verb) {
            const QModelIndex changed = index(int(row));
            emit dataChanged(changed, changed, {LearntRole});
        }
    }
}
