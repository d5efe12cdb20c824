#include "verbs/VerbDataReader.h"

#include "verbs/Verb.h"

namespace {

const QStringList tenseElements{"ind_pres", "imp", "pret", "fut", "cond", "sub_pres", "sub_imp", "imperative"};
const QStringList personElements{"fps", "sps", "tps", "fpp", "spp", "tpp"};

}

VerbDataReader::VerbDataReader(VerbSink onVerb)
    : onVerb_(std::move(onVerb))
{}

VerbDataReader::~VerbDataReader() = default;

void VerbDataReader::begin()
{
    currentVerb_ = std::make_unique<Verb>();
    currentConjugation_.clear();
    str_.clear();
    verbCount_ = 0;
}

void VerbDataReader::end()
{
    currentVerb_.reset();
}

QString VerbDataReader::endFault(const QString &name) const
{
    return name == u"verb" ? verbFault() : QString();
}

QString VerbDataReader::documentFault() const
{
    return verbCount_ == 0 ? QStringLiteral("the file holds no verbs") : QString();
}

QString VerbDataReader::verbFault() const
{
    if (currentVerb_->infinitive.trimmed().isEmpty())
        return QStringLiteral("a verb without an infinitive");
    if (tablesInVerb_ == 0)
        return u"the verb " + currentVerb_->infinitive + u" has no tense tables";
    return {};
}

void VerbDataReader::elementStarted(const QString &name)
{
    str_.clear();
    if (name == u"verb") {
        currentVerb_ = std::make_unique<Verb>();
        tablesInVerb_ = 0;
    } else if (tenseElements.contains(name)) {
        currentConjugation_ = QStringList(6);
        ++tablesInVerb_;
    }
}

void VerbDataReader::elementEnded(const QString &name)
{
    if (name == u"verb") {
        currentVerb_->computeKey();
        ++verbCount_;
        onVerb_(currentVerb_.release());
        // Stray elements after a verb must not change the verb already handed over.
        currentVerb_ = std::make_unique<Verb>();
    }
    storeLeaf(name);
    storeTense(name);
    if (!currentConjugation_.isEmpty())
        storePerson(name);
}

bool VerbDataReader::storeLeaf(const QString &name)
{
    Verb &verb = *currentVerb_;
    const bool isTrue = str_ == u"true";
    if (name == u"infinitive")
        verb.infinitive = str_;
    else if (name == u"reflexive")
        verb.reflexive = isTrue;
    else if (name == u"preposition")
        verb.preposition = str_;
    else if (name == u"english_inf")
        verb.englishInfinitive = str_;
    else if (name == u"english_simple_past")
        verb.englishSimplePast = str_;
    else if (name == u"english_past_participle")
        verb.englishPastParticiple = str_;
    else if (name == u"gloss")
        verb.gloss = str_;
    else if (name == u"english_past_shift")
        verb.englishPastShift = str_;
    else if (name == u"english_inf_extra")
        verb.englishInfinitiveExtra = str_;
    else if (name == u"notes")
        verb.notes = str_;
    else if (name == u"tags") {
        verb.tags = str_.split(u',', Qt::SkipEmptyParts);
    } else if (name == u"past_participle")
        verb.pastParticiple = str_;
    else if (name == u"gerund")
        verb.gerund = str_;
    else if (name == u"impersonal")
        verb.impersonal = isTrue;
    else if (name == u"perfect_essere")
        verb.perfectWithEssere = isTrue;
    else if (name == u"stative")
        verb.stative = isTrue;
    else if (name == u"either_auxiliary")
        verb.eitherAuxiliary = isTrue;
    else
        return false;
    return true;
}

bool VerbDataReader::storeTense(const QString &name)
{
    Verb &verb = *currentVerb_;
    if (name == u"ind_pres") {
        verb.presentTense = currentConjugation_;
    } else if (name == u"imp")
        verb.imperfectTense = currentConjugation_;
    else if (name == u"pret")
        verb.preteriteTense = currentConjugation_;
    else if (name == u"fut")
        verb.futureTense = currentConjugation_;
    else if (name == u"cond")
        verb.conditionalTense = currentConjugation_;
    else if (name == u"sub_pres")
        verb.subjunctivePresentTense = currentConjugation_;
    else if (name == u"sub_imp")
        verb.subjunctivePastTense = currentConjugation_;
    else if (name == u"imperative")
        verb.imperativeTense = currentConjugation_;
    else
        return false;
    return true;
}

void VerbDataReader::storePerson(const QString &name)
{
    const qsizetype slot = personElements.indexOf(name);
    if (slot >= 0)
        currentConjugation_[slot] = str_;
}
