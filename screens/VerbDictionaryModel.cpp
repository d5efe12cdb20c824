#include "screens/VerbDictionaryModel.h"

#include "platform/Collation.h"
#include "progress/ProgressManager.h"
#include "screens/MainMenuModel.h"
#include "verbs/VerbDictionary.h"

#include <algorithm>

VerbDictionaryModel::VerbDictionaryModel(VerbDictionary &verbs, ProgressManager &progress, QObject *parent)
    : QObject(parent)
    , verbs_(verbs)
    , progress_(progress)
{
    rows_.setVerbs(verbs_.verbs());
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

bool VerbDictionaryModel::verbOrder(const Verb &a, const Verb &b, bool targetLanguageFirst)
{
    if (targetLanguageFirst)
        return Collation::italian().lessThan(a.key, b.key);
    return Collation::english().lessThan(a.englishDisplay(), b.englishDisplay());
}

void VerbDictionaryModel::sortFilteredVerbs()
{
    QList<Verb *> sorted = filteredVerbs();
    const bool italianFirst = targetLanguageFirst_;
    std::stable_sort(sorted.begin(), sorted.end(),
        [italianFirst](const Verb *a, const Verb *b) { return verbOrder(*a, *b, italianFirst); });
    setFilteredVerbs(std::move(sorted));
}

void VerbDictionaryModel::setSortOrder(bool targetLanguageFirst)
{
    if (targetLanguageFirst_ != targetLanguageFirst) {
        targetLanguageFirst_ = targetLanguageFirst;
        rows_.setTargetLanguageFirst(targetLanguageFirst);
        emit targetLanguageFirstChanged();
    }
    sortFilteredVerbs();
}

void VerbDictionaryModel::applySearch()
{
    const QList<Verb *> &all = verbs_.verbs();
    closest_.clear();
    if (searchText_.isEmpty()) {
        setFilteredVerbs(all);
        emit closestChanged();
        return;
    }
    const FormIndex &index = verbs_.formIndex();
    QList<Verb *> found;
    QStringList where;
    for (const FormIndex::Hit &hit : index.search(searchText_, all)) {
        found.append(all.at(hit.verb));
        where.append(hit.where);
    }
    if (found.isEmpty())
        closest_ = index.closest(searchText_, all, closestCount);
    setFilteredVerbs(std::move(found), std::move(where));
    emit closestChanged();
}

QString VerbDictionaryModel::closestText() const
{
    return closest_.isEmpty() ? QString() : u"Did you mean " + closest_.join(QStringLiteral(", ")) + u'?';
}

void VerbDictionaryModel::toggleLearnt(int row)
{
    if (Verb *verb = verbAt(row))
        progress_.toggleLearnt(verb);
}

Verb *VerbDictionaryModel::verbAt(int row) const
{
    return row >= 0 && row < count() ? filteredVerbs().at(row) : nullptr;
}

void VerbDictionaryModel::setFilteredVerbs(QList<Verb *> verbs, QStringList where)
{
    const qsizetype before = count();
    rows_.setVerbs(std::move(verbs), std::move(where));
    if (count() != before)
        emit countChanged();
}
