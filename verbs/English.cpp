#include "verbs/English.h"

namespace {

const QStringList doublingFinals{"b", "g", "l", "m", "n", "p", "s", "t"};
const QStringList vowelPairs{"ea", "ee", "oa", "ai", "oi", "ou", "io"};
const QStringList simplePastExceptions{"open", "lighten", "develop", "listen", "happen", "iron", "threaten", "awaken",
    "loosen", "abandon", "ruin", "visit", "glisten", "exit"};
const QStringList ingExceptions{"open", "lighten", "develop", "listen", "happen", "iron", "threaten", "awaken",
    "loosen", "exit", "visit", "abandon", "ruin", "glisten", "sharpen"};
// Heads stressed on a last syllable in -r double it: "preferring", "occurred".
const QStringList stressedFinalR{
    "prefer", "refer", "occur", "transfer", "confer", "infer", "deter", "recur", "incur", "concur", "defer"};
const QStringList complementPhrases{"be late", "be thirsty", "be hungry", "be sorry", "be dizzy", "be unjust"};
const QStringList perfectAuxiliaries{"have", "have", "has", "have", "have", "have"};

// The head word of an infinitive with its last two characters; a missing character reads as "",
// which is neither a vowel nor a doubling final.
struct Head
{
    explicit Head(const QString &infinitive)
    {
        const QStringList parts = English::splitInfinitive(infinitive);
        word = parts.at(0);
        rest = parts.at(1);
        last = word.right(1);
        penult = word.size() >= 2 ? word.mid(word.size() - 2, 1) : QString();
    }

    [[nodiscard]] QString withoutLast(qsizetype count) const
    {
        return word.left(std::max<qsizetype>(0, word.size() - count));
    }

    // The final consonant doubles before -ed and -ing: "stop" gives "stopped", "travel" "travelled".
    [[nodiscard]] bool doublesLast(const QStringList &exceptions) const
    {
        if (stressedFinalR.contains(word))
            return true;
        if (word.size() < 3)
            return false;
        const QString beforeLast = word.mid(word.size() - 3, 2);
        return doublingFinals.contains(last) && !vowelPairs.contains(beforeLast) && isVowel(penult) && !isVowel(last)
            && !exceptions.contains(word);
    }

    static bool isVowel(const QString &letter) { return English::vowels().contains(letter); }

    QString word;
    QString rest;
    QString last;
    QString penult;
};

bool singularWasSlot(qsizetype slot)
{
    return slot == 0 || slot == 2;
}

QString wasOrWere(qsizetype slot)
{
    return singularWasSlot(slot) ? QStringLiteral("was") : QStringLiteral("were");
}

QString withoutBars(QString text)
{
    return text.remove(u'|');
}

// pronoun + middle + phrase for every pronoun, with the bars of the phrase removed.
QStringList joined(const QStringList &pronouns, const QString &middle, const QString &phrase)
{
    QStringList renderings;
    renderings.reserve(pronouns.size());
    for (const QString &pronoun : pronouns)
        renderings.append(withoutBars(pronoun + middle + phrase));
    return renderings;
}

// Modal verbs have no infinitive of their own: after another auxiliary they become a phrase.
QString modalPhrase(const QString &infinitive)
{
    if (infinitive == u"can")
        return QStringLiteral("be able to");
    if (infinitive == u"must")
        return QStringLiteral("have to");
    if (infinitive == u"should")
        return QStringLiteral("be supposed to");
    return infinitive;
}

// The conditional and conditional perfect of the modals as English says them: "potrei" is "I
// could", "avrei dovuto" "I should have", "vorrei" "I would like". The texts replace "would" and
// the verb.
struct ModalConditional
{
    QStringView infinitive;
    QStringView conditional;
    QStringView perfect;
};
constexpr ModalConditional modalConditionals[]{
    {u"can", u"could", u"could have"},
    {u"must", u"should", u"should have"},
    {u"want", u"would like", u"would have liked"},
};

const ModalConditional *modalConditional(const QString &infinitive)
{
    for (const ModalConditional &modal : modalConditionals) {
        if (modal.infinitive == infinitive)
            return &modal;
    }
    return nullptr;
}

// A subjunctive reads as the clause after "che": "(that) I speak". With blank pronouns (a
// table's gloss) the rendering already starts with a blank.
QStringList thatClauses(QStringList renderings)
{
    for (QString &rendering : renderings)
        rendering.prepend(rendering.startsWith(u' ') ? QStringLiteral("(that)") : QStringLiteral("(that) "));
    return renderings;
}

}

const QStringList &English::vowels()
{
    static const QStringList list{"a", "e", "i", "o", "u"};
    return list;
}

QStringList English::splitInfinitive(const QString &infinitive)
{
    if (infinitive.size() >= 3 && infinitive.startsWith(u"be "))
        return {QStringLiteral("be"), infinitive.mid(2)};
    QStringList parts = infinitive.split(u'|', Qt::KeepEmptyParts);
    if (parts.size() == 1)
        parts.append(QString());
    return parts;
}

QString English::simplePast(const QString &infinitive)
{
    const Head head(infinitive);
    QString past;
    if (head.last == u"e")
        past = head.word + u'd';
    else if (head.last == u"y" && !Head::isVowel(head.penult))
        past = head.withoutLast(1) + u"ied";
    else if (head.doublesLast(simplePastExceptions))
        past = head.word + head.last + u"ed";
    else
        past = head.word + u"ed";
    past += head.rest;

    if (infinitive == u"can")
        past = QStringLiteral("could");
    if (infinitive == u"must")
        past = QStringLiteral("had to");
    if (head.word == u"get")
        past = u"got" + head.rest;
    if (head.word == u"be")
        past = u"was" + head.rest;
    if (head.word == u"become")
        past = u"became" + head.rest;
    if (head.word == u"go")
        past = u"went" + head.rest;
    return past;
}

QString English::ingForm(const QString &infinitive)
{
    const Head head(infinitive);
    QString ing;
    if (head.last == u"e" && head.word.size() >= 3) {
        if (infinitive == u"agree")
            ing = QStringLiteral("agreeing");
        else if (head.penult == u"i")
            ing = head.withoutLast(2) + u"ying";
        else
            ing = head.withoutLast(1) + u"ing";
    } else if (head.doublesLast(ingExceptions)) {
        ing = head.word + head.last + u"ing";
    } else {
        ing = head.word + u"ing";
    }
    ing += head.rest;

    if (infinitive == u"can" || infinitive == u"be able to")
        ing = QStringLiteral("able to");
    if (infinitive == u"must")
        ing = QStringLiteral("obliged to");
    if (infinitive == u"see")
        ing = QStringLiteral("seeing");
    if (infinitive == u"be")
        ing = QString();
    if (complementPhrases.contains(infinitive))
        ing = infinitive.mid(3);
    return ing;
}

QStringList English::presentRenderings(const QString &infinitive, const QStringList &pronouns)
{
    const Head head(infinitive);
    QString thirdPerson;
    if (head.last == u"e")
        thirdPerson = head.word + u's';
    else if (head.last == u"y" && !Head::isVowel(head.penult))
        thirdPerson = head.withoutLast(1) + u"ies";
    else if (head.last == u"o" || head.last == u"x" || head.word.endsWith(u"sh") || head.word.endsWith(u"ss")
        || head.word.endsWith(u"ch"))
        thirdPerson = head.word + u"es";
    else
        thirdPerson = head.word + u's';

    const bool modal =
        infinitive == u"can" || infinitive == u"shall" || infinitive == u"must" || infinitive == u"should";
    QStringList renderings;
    renderings.reserve(pronouns.size());
    for (qsizetype slot = 0; slot < pronouns.size(); ++slot) {
        QString verb = slot == 2 ? thirdPerson : head.word;
        if (head.word == u"be")
            verb = slot == 0 ? QStringLiteral("am") : slot == 2 ? QStringLiteral("is") : QStringLiteral("are");
        if (head.word == u"have")
            verb = slot == 2 ? QStringLiteral("has") : QStringLiteral("have");
        if (modal)
            verb = infinitive;
        renderings.append(pronouns.at(slot) + u' ' + verb + head.rest);
    }
    return renderings;
}

QStringList English::imperfectRenderings(const QString &infinitive, const QStringList &pronouns)
{
    const QString ing = ingForm(infinitive);
    const bool able = infinitive == u"can" || infinitive == u"be able to";
    const bool obliged = infinitive == u"must" || infinitive == u"have to" || infinitive == u"be obliged to";
    QStringList renderings;
    renderings.reserve(pronouns.size());
    for (qsizetype slot = 0; slot < pronouns.size(); ++slot) {
        const QString &pronoun = pronouns.at(slot);
        QString rendering = pronoun + u' ' + wasOrWere(slot) + u' ' + ing;
        if (able)
            rendering = pronoun + u' ' + wasOrWere(slot) + u" able to";
        if (obliged)
            rendering = pronoun + u" had to";
        if (infinitive == u"be")
            rendering = pronoun + u' ' + wasOrWere(slot);
        renderings.append(rendering);
    }
    return renderings;
}

QStringList English::pastHistoricRenderings(const QString &simplePast, const QStringList &pronouns)
{
    QStringList renderings;
    renderings.reserve(pronouns.size());
    for (qsizetype slot = 0; slot < pronouns.size(); ++slot) {
        const QString &pronoun = pronouns.at(slot);
        QString rendering = pronoun + u' ' + simplePast;
        if (simplePast.size() >= 4 && simplePast.startsWith(u"was "))
            rendering = pronoun + u' ' + wasOrWere(slot) + u' ' + simplePast.mid(4);
        if (simplePast == u"was")
            rendering = pronoun + u' ' + wasOrWere(slot);
        renderings.append(rendering);
    }
    return renderings;
}

QStringList English::futureRenderings(const QString &infinitive, const QStringList &pronouns)
{
    return joined(pronouns, QStringLiteral(" will "), modalPhrase(infinitive));
}

QStringList English::conditionalRenderings(const QString &infinitive, const QStringList &pronouns)
{
    if (const ModalConditional *modal = modalConditional(infinitive))
        return joined(pronouns, QStringLiteral(" "), modal->conditional.toString());
    return joined(pronouns, QStringLiteral(" would "), infinitive);
}

QStringList English::perfectRenderings(const QString &pastParticiple, const QStringList &pronouns)
{
    if (pronouns.size() != perfectAuxiliaries.size())
        return {};
    QStringList renderings;
    renderings.reserve(pronouns.size());
    for (qsizetype slot = 0; slot < pronouns.size(); ++slot)
        renderings.append(pronouns.at(slot) + u' ' + perfectAuxiliaries.at(slot) + u' ' + pastParticiple);
    return renderings;
}

QStringList English::futurePerfectRenderings(const QString &pastParticiple, const QStringList &pronouns)
{
    QStringList renderings;
    renderings.reserve(pronouns.size());
    for (const QString &pronoun : pronouns)
        renderings.append(pronoun + u" will have " + pastParticiple);
    return renderings;
}

QStringList English::conditionalPerfectRenderings(
    const QString &infinitive, const QString &pastParticiple, const QStringList &pronouns)
{
    const ModalConditional *modal = modalConditional(infinitive);
    const QString phrase = modal ? modal->perfect.toString() : u"would have " + pastParticiple;
    QStringList renderings;
    renderings.reserve(pronouns.size());
    for (const QString &pronoun : pronouns)
        renderings.append(pronoun + u' ' + phrase);
    return renderings;
}

QStringList English::presentSubjunctiveRenderings(const QString &infinitive, const QStringList &pronouns)
{
    return thatClauses(presentRenderings(infinitive, pronouns));
}

QStringList English::pastSubjunctiveRenderings(const QString &simplePast, const QStringList &pronouns)
{
    return thatClauses(pastHistoricRenderings(simplePast, pronouns));
}

QString English::imperativeGloss(const QString &infinitive)
{
    return withoutBars(infinitive) + u'!';
}

QStringList English::imperativeRenderings(const QString &infinitive)
{
    const QString command = imperativeGloss(infinitive);
    return {QString(), command, command + u" (formal)", u"let's " + command, command + u" (pl.)",
        command + u" (formal pl.)"};
}
