#pragma once

#include <QString>
#include <QStringList>

// English verb phrases built by rule from a bare English infinitive: a single head word
// ("speak"), a head word, a bar and a remainder kept after the conjugated head ("look| at"),
// or a phrase beginning with "be " ("be late"). Every list operation returns one rendering per
// pronoun, in pronoun order; slots 0 and 2 take "was", slot 2 alone the third-person -s.
class English
{
public:
    English() = delete;

    static const QStringList &vowels();

    // Head word and remainder; at least two texts.
    [[nodiscard]] static QStringList splitInfinitive(const QString &infinitive);
    [[nodiscard]] static QString simplePast(const QString &infinitive);
    [[nodiscard]] static QString ingForm(const QString &infinitive);

    [[nodiscard]] static QStringList presentRenderings(const QString &infinitive, const QStringList &pronouns);
    [[nodiscard]] static QStringList imperfectRenderings(const QString &infinitive, const QStringList &pronouns);
    [[nodiscard]] static QStringList pastHistoricRenderings(const QString &simplePast, const QStringList &pronouns);
    [[nodiscard]] static QStringList futureRenderings(const QString &infinitive, const QStringList &pronouns);
    [[nodiscard]] static QStringList conditionalRenderings(const QString &infinitive, const QStringList &pronouns);
    // Empty unless given exactly six pronouns.
    [[nodiscard]] static QStringList perfectRenderings(const QString &pastParticiple, const QStringList &pronouns);
    [[nodiscard]] static QStringList futurePerfectRenderings(
        const QString &pastParticiple, const QStringList &pronouns);
    // The modals (can, must, want) say "could have", "should have", "would have liked".
    [[nodiscard]] static QStringList conditionalPerfectRenderings(
        const QString &infinitive, const QString &pastParticiple, const QStringList &pronouns);
    // The subjunctives read as the clause after "che", without a modal Italian does not have
    // there: "(that) I speak", "(that) I spoke" ("voglio che tu venga": I want you to come).
    [[nodiscard]] static QStringList presentSubjunctiveRenderings(
        const QString &infinitive, const QStringList &pronouns);
    [[nodiscard]] static QStringList pastSubjunctiveRenderings(const QString &simplePast, const QStringList &pronouns);

    // The command an imperative table is titled with: "speak!".
    [[nodiscard]] static QString imperativeGloss(const QString &infinitive);
    // One command per person ("speak!", "let's speak!", "speak! (formal pl.)"); slot 0 stays
    // empty, as Italian has no first-person singular imperative.
    [[nodiscard]] static QStringList imperativeRenderings(const QString &infinitive);
};
