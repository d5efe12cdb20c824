#include "verbs/VerbDictionary.h"

#include "platform/Collation.h"
#include "platform/Logging.h"
#include "platform/MainQueue.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "settings/SettingsManager.h"
#include "settings/TenseSetting.h"
#include "verbs/Tense.h"
#include "verbs/VerbDataReader.h"
#include "verbs/VerbPack.h"

#include <QFile>

VerbDictionary::VerbDictionary(Sources sources)
    : sources_(std::move(sources))
    , tenseSettings_(sources_.tenses)
    , languageSettings_(sources_.languages)
    , blankVerb_(new Verb(this))
{
    readFile();
}

VerbDictionary::~VerbDictionary() = default;

void VerbDictionary::readFile()
{
    if (readPack())
        return;
    dataPath_ = sources_.resources.path(QStringLiteral("verbs"), QStringLiteral("xml"));
    QFile file(dataPath_);
    if (dataPath_.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        loadError_ = QStringLiteral("the verb data file verbs.xml was not found");
        return;
    }
    VerbDataReader reader([this](Verb *verb) { append(verb); });
    if (!reader.read(file.readAll())) {
        QString reason = reader.errorText();
        if (reason.endsWith(u'.'))
            reason.chop(1);
        const QString kind = reader.structureError() ? QStringLiteral("verb data") : QStringLiteral("XML");
        loadError_ = QStringLiteral("%1 is not valid %2: %3 (line %4, column %5)")
                         .arg(dataPath_, kind, reason)
                         .arg(reader.errorLine())
                         .arg(reader.errorColumn());
        return;
    }
    finishReading();
}

bool VerbDictionary::readPack()
{
    const QString path = sources_.resources.path(QStringLiteral("verbs"), QStringLiteral("pack"));
    if (path.isEmpty())
        return false;
    bool ok = false;
    QList<Verb *> verbs = VerbPack::unpack(VerbPack::retain(path), this, &ok);
    if (!ok)
        return false;
    // Packed in dictionary order: nothing to sort.
    dataPath_ = path;
    verbs_ = std::move(verbs);
    publish();
    return true;
}

void VerbDictionary::append(Verb *verb)
{
    verb->setParent(this);
    verbs_.append(verb);
    byKey_.insert(verb->key, verb);
    emit verbsChanged();
}

void VerbDictionary::sortVerbs(QList<Verb *> &verbs)
{
    const Collation &italian = Collation::italian();
    std::stable_sort(verbs.begin(), verbs.end(),
        [&italian](const Verb *a, const Verb *b) { return italian.lessThan(a->infinitive, b->infinitive); });
}

void VerbDictionary::finishReading()
{
    sortVerbs(verbs_);
    publish();
}

void VerbDictionary::publish()
{
    byKey_.clear();
    byKey_.reserve(verbs_.size());
    for (Verb *verb : std::as_const(verbs_)) {
        if (!byKey_.contains(verb->key))
            byKey_.insert(verb->key, verb);
    }
    loaded_ = true;
    emit verbsChanged();
    qCDebug(lcVerbs).noquote() << QString::number(verbs_.size()) + u" verbs added.";
    sources_.queue.post([this] { loadLearntAndTenseFlags(); });
}

void VerbDictionary::loadLearntAndTenseFlags()
{
    // One read serves every verb: nothing writes the flags while this step runs.
    const auto learnt = sources_.learntFlags();
    for (Verb *verb : std::as_const(verbs_))
        verb->setLearnt(learnt.value(verb->key, false));
    for (TenseSetting *setting : tenseSettings_)
        setting->setStatus(SettingsManager(sources_.store, tenseSettings_).getFlag(setting->tenseName()));
}

int VerbDictionary::enabledTenseCount() const
{
    return int(std::count_if(tenseSettings_.begin(), tenseSettings_.end(),
        [](const TenseSetting *setting) { return setting->status() && Tense::named(setting->tenseName()); }));
}

QStringList VerbDictionary::verbSetNames() const
{
    QStringList names;
    for (const Verb *verb : verbs_) {
        for (const QString &tag : verb->tags) {
            if (!names.contains(tag))
                names.append(tag);
        }
    }
    names.append(allVerbs);
    std::sort(
        names.begin(), names.end(), [](const QString &a, const QString &b) { return QString::compare(a, b) < 0; });
    if (!learntVerbs().isEmpty())
        names.append(learntVerbsName);
    return names;
}

QList<Verb *> VerbDictionary::verbsInSet(const QString &name) const
{
    QList<Verb *> result;
    for (Verb *verb : verbs_) {
        const bool member = name == allVerbs ? eligibleForAllVerbs(verb)
            : name == learntVerbsName        ? verb->learnt()
                                             : verb->tags.contains(name);
        if (member)
            result.append(verb);
    }
    return result;
}

QList<Verb *> VerbDictionary::learntVerbs() const
{
    return verbsInSet(learntVerbsName);
}

Verb *VerbDictionary::randomVerb() const
{
    const QList<Verb *> eligible = verbsInSet(allVerbs);
    if (eligible.isEmpty())
        return blankVerb_;
    return eligible.at(sources_.random.index(eligible.size()));
}

const FormIndex &VerbDictionary::formIndex()
{
    if (!formIndex_) {
        const QString path = sources_.resources.path(QStringLiteral("verbs"), QStringLiteral("index"));
        const QByteArrayView packed = path.isEmpty() ? QByteArrayView() : VerbPack::retain(path);
        formIndex_.emplace(QByteArray::fromRawData(packed.data(), packed.size()), verbs_);
        if (!formIndex_->isValid()) {
            qCDebug(lcVerbs) << "indexing the forms of" << verbs_.size() << "verbs";
            formIndex_.emplace(FormIndex::build(verbs_), verbs_);
        }
    }
    return *formIndex_;
}
