#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include "screens/VerbListModel.h"

class Verb;

class VerbDictionary;
class ProgressManager;

// The verb dictionary screen's model: every verb, narrowed by the search text and sorted by
// either language; rows is the list the screen shows.
class VerbDictionaryModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the dictionary's model from ScreenModels")
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(bool targetLanguageFirst READ targetLanguageFirst NOTIFY targetLanguageFirstChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(QString language READ language CONSTANT)
    Q_PROPERTY(QObject *rows READ rows CONSTANT)
    // Infinitives near a search text that found nothing: "Did you mean andare, ...?", or empty.
    Q_PROPERTY(QString closest READ closestText NOTIFY closestChanged)

public:
    VerbDictionaryModel(VerbDictionary &verbs, ProgressManager &progress, QObject *parent = nullptr);

    [[nodiscard]] const QString &searchText() const { return searchText_; }
    // Every change runs applySearch.
    void setSearchText(const QString &text);
    [[nodiscard]] bool targetLanguageFirst() const { return targetLanguageFirst_; }
    [[nodiscard]] int count() const { return int(filteredVerbs().size()); }
    [[nodiscard]] const QList<Verb *> &filteredVerbs() const { return rows_.verbs(); }
    [[nodiscard]] static QString language();
    [[nodiscard]] QObject *rows() { return &rows_; }
    [[nodiscard]] VerbListModel &listModel() { return rows_; }

    // Whether a comes before b: by key in Italian, or by English infinitive, ignoring diacritics.
    [[nodiscard]] static bool verbOrder(const Verb &a, const Verb &b, bool targetLanguageFirst);

    // Sorts the listed verbs by the current order; verbs that compare equal keep their order.
    Q_INVOKABLE void sortFilteredVerbs();
    Q_INVOKABLE void setSortOrder(bool targetLanguageFirst);
    // The listed verbs become the verbs the search text finds, best first (see FormIndex::search);
    // a text that finds nothing offers the nearest infinitives instead.
    Q_INVOKABLE void applySearch();
    [[nodiscard]] const QStringList &closest() const { return closest_; }
    [[nodiscard]] QString closestText() const;
    static constexpr qsizetype closestCount = 3;
    Q_INVOKABLE void toggleLearnt(int row);
    Q_INVOKABLE [[nodiscard]] Verb *verbAt(int row) const;

signals:
    void searchTextChanged();
    void targetLanguageFirstChanged();
    void countChanged();
    void closestChanged();

private:
    VerbDictionary &verbs_;
    ProgressManager &progress_;
    void setFilteredVerbs(QList<Verb *> verbs, QStringList where = {});

    QString searchText_;
    QStringList closest_;
    bool targetLanguageFirst_ = true;
    VerbListModel rows_;
};
