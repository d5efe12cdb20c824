#pragma once

#include "verbs/Conjugation.h"
#include "verbs/Persons.h"

#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <memory>

class TenseSetting;

struct VerbPackSource;

// One Italian verb, filled from the verb data file and shared by reference between the
// dictionary, the games and the screens. Persons are six slots: io, tu, lui/lei, noi, voi, loro.
class Verb : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Verbs come from the verb dictionary")
    Q_PROPERTY(bool learnt READ learnt WRITE setLearnt NOTIFY learntChanged)
    Q_PROPERTY(QString key MEMBER key CONSTANT)
    Q_PROPERTY(QString infinitive MEMBER infinitive CONSTANT)
    Q_PROPERTY(QString displayInfinitive READ displayInfinitive CONSTANT)
    Q_PROPERTY(QString englishInfinitive MEMBER englishInfinitive CONSTANT)
    Q_PROPERTY(QString englishDisplay READ englishDisplay CONSTANT)
    Q_PROPERTY(QString englishInfinitiveExtra MEMBER englishInfinitiveExtra CONSTANT)
    Q_PROPERTY(QString notes MEMBER notes CONSTANT)
    Q_PROPERTY(QString locale MEMBER locale CONSTANT)
    Q_PROPERTY(QStringList tags MEMBER tags CONSTANT)
    Q_PROPERTY(bool reflexive MEMBER reflexive CONSTANT)
    Q_PROPERTY(bool impersonal MEMBER impersonal CONSTANT)

public:
    explicit Verb(QObject *parent = nullptr);

    const QString locale = QStringLiteral("it-IT");
    QString key;
    QString infinitive;
    QStringList tags;
    bool impersonal = false;
    // A verb of state (know, want, cost): its English has no natural progressive, so the
    // imperfect reads as the simple past ("sapevo": "I knew").
    bool stative = false;
    // Takes avere and essere alike in the sense its English gives ("ho vissuto", "sono vissuto").
    bool eitherAuxiliary = false;
    QString englishInfinitive;
    // The dictionary's gloss where the English infinitive alone would not tell the verb from
    // another ("know (a fact)", "be pleasing (mi piace: I like)"); empty where it would.
    QString gloss;
    // The English simple past of the meaning a verb's past historic and perfect take where it
    // shifts ("seppi", "ho saputo": "I found out"; "conobbi": "I met"); empty for most verbs.
    QString englishPastShift;
    QString englishInfinitiveExtra;
    QString englishSimplePast;
    QString englishPastParticiple;
    QString notes;
    bool reflexive = false;
    // The forms of each simple tense as the data gives them. A verb from the packed data fills
    // these on first use (readPackedTenses()); read them through the *Forms() functions.
    QStringList presentTense;
    QStringList imperfectTense;
    QStringList preteriteTense;
    QStringList imperativeTense;
    QStringList futureTense;
    QStringList conditionalTense;
    QStringList subjunctivePresentTense;
    QStringList subjunctivePastTense;
    QString pastParticiple;
    QString gerund;
    bool perfectWithEssere = false;
    QString preposition;
    // Every verb starts with the same lists; sharing one copy of each keeps a verb small.
    QStringList pronouns = defaultLists().pronouns;
    QStringList pronounsEnglish = defaultLists().pronounsEnglish;
    QStringList reflexivePronouns = defaultLists().reflexivePronouns;
    const QStringList sensitiveTopics = defaultLists().sensitiveTopics;
    const QStringList moreSenseAsImpersonalVerbs = defaultLists().moreSenseAsImpersonalVerbs;

    [[nodiscard]] bool learnt() const { return learnt_; }
    void setLearnt(bool learnt);

    // Sets key from the final field values and logs it.
    void computeKey();
    // The infinitive as screens show and sort it: reflexive verbs end in "si", bars removed.
    [[nodiscard]] QString displayInfinitive() const;
    // The English the screens and the matching game show: the gloss, or else the English
    // infinitive without its bar marks.
    [[nodiscard]] QString englishDisplay() const;
    // Out of "All Verbs" and random picks.
    [[nodiscard]] bool isSensitive() const { return sensitiveTopics.contains(infinitive); }
    // Treated as impersonal by the drill items and the tables.
    [[nodiscard]] bool isImpersonalLike() const
    {
        return impersonal || moreSenseAsImpersonalVerbs.contains(infinitive);
    }
    [[nodiscard]] bool isBlank() const { return infinitive.isEmpty(); }
    // Equality of verbs is equality of infinitives.
    [[nodiscard]] bool sameVerb(const Verb &other) const { return infinitive == other.infinitive; }

    [[nodiscard]] QStringList presentForms() const;
    [[nodiscard]] QStringList imperfectForms() const { return simpleForms(imperfectTense); }
    [[nodiscard]] QStringList pastHistoricForms() const { return simpleForms(preteriteTense); }
    [[nodiscard]] QStringList futureForms() const { return simpleForms(futureTense); }
    [[nodiscard]] QStringList conditionalForms() const { return simpleForms(conditionalTense); }
    [[nodiscard]] QStringList presentSubjunctiveForms() const { return simpleForms(subjunctivePresentTense); }
    [[nodiscard]] QStringList pastSubjunctiveForms() const { return simpleForms(subjunctivePastTense); }
    // The gerund, one form: "parlando", for a reflexive verb "alzandosi".
    [[nodiscard]] QStringList gerundForms() const;
    // A compound tense's forms with the given auxiliary forms (see Tense): six, or one where a
    // single auxiliary form is given ("essendo", "avere"); they may store a participle derived
    // from the infinitive when none was given.
    [[nodiscard]] QStringList compoundForms(const QStringList &avere, const QStringList &essere);
    // The same forms with the auxiliary the verb does not take by default, for a verb that
    // takes either; empty for any other verb.
    [[nodiscard]] QStringList otherAuxiliaryForms(const QStringList &avere, const QStringList &essere);
    [[nodiscard]] QStringList imperativeForms() const;
    // False for verbs such as potere, whose imperative slots are all empty.
    [[nodiscard]] bool hasImperative() const;

    // Sets pastParticiple from the infinitive when the data gave none.
    void fillPastParticipleIfMissing();

    // Drill items for the games: one text per switched-on tense and person, with a parallel code
    // such as "PRES|1PS|SING". Italian and English lists of the same switches pair item for item.
    struct GameParts
    {
        QStringList texts;
        QStringList codes;
    };

    // The English past participle the compound tenses use; derived from the simple past (and
    // stored) when the data gave none.
    QString englishPastParticipleOrDerived();
    // The English simple past, derived from the English infinitive and stored when missing.
    const QString &englishSimplePastOrDerived();
    // The imperfect's English: "was speaking", or for a verb of state "knew".
    [[nodiscard]] QStringList englishImperfect(const QStringList &englishPronouns);
    // The past historic's and the perfect's English: "spoke", "have spoken", or the shifted
    // meaning said as a simple past ("found out") for both.
    [[nodiscard]] QStringList englishPastHistoric(const QStringList &englishPronouns);
    [[nodiscard]] QStringList englishPerfect(const QStringList &englishPronouns);
    // The drill items of the tenses switched on in the verb dictionary's tense switches.
    GameParts gameParts(const QList<TenseSetting *> &tenses, bool english);
    // The whole conjugation as titled tables, whatever the tense switches say: 13, or 12 for a
    // verb that has no imperative or is impersonal.
    QList<Conjugation> conjugationTables();

signals:
    void learntChanged();

private:
    [[nodiscard]] QStringList compoundFormsWith(const QStringList &avere, const QStringList &essere, bool withEssere);
    friend class VerbPack;

    // Fills the tense lists from the packed data the first time they are needed.
    void readPackedTenses() const;

    struct DefaultLists
    {
        QStringList pronouns = Persons::italian();
        QStringList pronounsEnglish = Persons::english();
        QStringList reflexivePronouns = Persons::reflexive();
        QStringList sensitiveTopics{QStringLiteral("morire")};
        QStringList moreSenseAsImpersonalVerbs{QStringLiteral("bedeuten"), QStringLiteral("geschehen")};
    };
    static const DefaultLists &defaultLists()
    {
        static const DefaultLists lists;
        return lists;
    }

    [[nodiscard]] QStringList simpleForms(const QStringList &tense) const;
    [[nodiscard]] QString withPreposition(const QString &form) const;

    bool learnt_ = false;
    // Where a verb from the packed data finds its tense lists until they are read.
    std::shared_ptr<const VerbPackSource> packedTenses_;
    qsizetype packedTensesAt_ = 0;
};
