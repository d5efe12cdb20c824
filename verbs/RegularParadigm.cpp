#include "verbs/RegularParadigm.h"

#include "verbs/Verb.h"

#include <QMap>

namespace {

// Regular endings by conjugation and tense, one slot per person; "|" separates the endings a
// regular verb may take in that slot.
const QMap<QString, QStringList> &regularEndings()
{
    static const QMap<QString, QStringList> endings{
        {"are PRES", {"o", "i", "a", "iamo", "ate", "ano"}},
        {"are IMP", {"avo", "avi", "ava", "avamo", "avate", "avano"}},
        {"are PASTHIST", {"ai", "asti", "ò", "ammo", "aste", "arono"}},
        {"are FUT", {"erò", "erai", "erà", "eremo", "erete", "eranno"}},
        {"are COND", {"erei", "eresti", "erebbe", "eremmo", "ereste", "erebbero"}},
        {"are SUBJ|PRES", {"i", "i", "i", "iamo", "iate", "ino"}},
        {"are SUBJ|IMP", {"assi", "assi", "asse", "assimo", "aste", "assero"}},
        {"are IMPER", {"", "a", "i", "iamo", "ate", "ino"}},
        {"are GER", {"ando"}},
        {"ere PRES", {"o", "i", "e", "iamo", "ete", "ono"}},
        {"ere IMP", {"evo", "evi", "eva", "evamo", "evate", "evano"}},
        {"ere PASTHIST", {"ei|etti", "esti", "é|ette", "emmo", "este", "erono|ettero"}},
        {"ere FUT", {"erò", "erai", "erà", "eremo", "erete", "eranno"}},
        {"ere COND", {"erei", "eresti", "erebbe", "eremmo", "ereste", "erebbero"}},
        {"ere SUBJ|PRES", {"a", "a", "a", "iamo", "iate", "ano"}},
        {"ere SUBJ|IMP", {"essi", "essi", "esse", "essimo", "este", "essero"}},
        {"ere IMPER", {"", "i", "a", "iamo", "ete", "ano"}},
        {"ere GER", {"endo"}},
        {"ire PRES", {"o|isco", "i|isci", "e|isce", "iamo", "ite", "ono|iscono"}},
        {"ire IMP", {"ivo", "ivi", "iva", "ivamo", "ivate", "ivano"}},
        {"ire PASTHIST", {"ii", "isti", "ì", "immo", "iste", "irono"}},
        {"ire FUT", {"irò", "irai", "irà", "iremo", "irete", "iranno"}},
        {"ire COND", {"irei", "iresti", "irebbe", "iremmo", "ireste", "irebbero"}},
        {"ire SUBJ|PRES", {"a|isca", "a|isca", "a|isca", "iamo", "iate", "ano|iscano"}},
        {"ire SUBJ|IMP", {"issi", "issi", "isse", "issimo", "iste", "issero"}},
        {"ire IMPER", {"", "i|isci", "a|isca", "iamo", "ite", "ano|iscano"}},
        {"ire GER", {"endo"}},
    };
    return endings;
}

const QMap<QString, QString> participleEndings{{"are", "ato"}, {"ere", "uto"}, {"ire", "ito"}};

} // namespace

RegularParadigm::RegularParadigm(const Verb &verb)
{
    const QString infinitive = verb.infinitive.toLower().remove(u'|');
    conjugation_ = infinitive.right(3);
    if (!participleEndings.contains(conjugation_)) {
        conjugation_.clear();
        return;
    }
    stem_ = infinitive.chopped(3);
    const QStringList present = verb.presentForms();
    withIsc_ = conjugation_ == u"ire" && present.value(0).endsWith(stem_ + QStringLiteral("isco"));
}

QString RegularParadigm::ending(const QString &conjugation, const QString &tense, int person, int choice)
{
    const QStringList perPerson = regularEndings().value(conjugation + u' ' + tense);
    return perPerson.value(person).split(u'|').value(choice);
}

QString RegularParadigm::participleEnding(const QString &conjugation)
{
    return participleEndings.value(conjugation);
}

QStringList RegularParadigm::joined(const QString &stem, const QString &ending)
{
    QStringList result{stem + ending};
    const bool soft = ending.startsWith(u'e') || ending.startsWith(u'i');
    if (soft && (stem.endsWith(u'c') || stem.endsWith(u'g')))
        result.append(stem + u'h' + ending);
    if (stem.endsWith(u'i')
        && (ending.startsWith(u'i') || stem.endsWith(QStringLiteral("ci")) || stem.endsWith(QStringLiteral("gi"))))
        result.append(stem.chopped(1) + ending);
    return result;
}

QStringList RegularParadigm::forms(const QString &tense, int person) const
{
    QStringList result;
    if (stem_.isEmpty())
        return result;
    const QStringList choices =
        regularEndings().value(conjugation_ + u' ' + tense).value(std::max(0, person)).split(u'|');
    // An -isc- verb takes the -isc- ending wherever there is one, another -ire verb the other.
    const bool split = choices.size() > 1 && conjugation_ == u"ire";
    for (const QString &choice : choices) {
        if (choice.isEmpty() || (split && choice.contains(QStringLiteral("isc")) != withIsc_))
            continue;
        result += joined(stem_, choice);
    }
    return result;
}

QString RegularParadigm::participle() const
{
    return stem_.isEmpty() ? QString() : stem_ + participleEndings.value(conjugation_);
}
