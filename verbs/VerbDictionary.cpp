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
    QObject owner;
    QList<Verb *> verbs;
    VerbDataReader reader([&](Verb *verb) {
        verb->setParent(&owner);
        verbs.append(verb);
    });
    if (!reader.read(file.readAll())) {
        QString reason = reader.errorText();
        if (reason.endsWith(u'.'))
            reason.chop(1);
        const QString kind = reader.structureError() ? QStringLiteral("verb data") : QStringLiteral("XML");
        loadError_ = QStringLiteral("%1 is not valid %2: %3 (line %4, column %5)")
                         .arg(dataPath_, kind, reason)
                         .arg(reader.errorLine())
                         .arg(reader.errorColumn());
        // The verbs read before the fault stay, in file order, but are not published.
        hold(verbs);
        return;
    }
    sortVerbs(verbs);
    hold(verbs);
    publish();
}

void VerbDictionary::hold(const QList<Verb *> &verbs)
{
    // Held like the packed data, so that every verb is read one way.
    hold(VerbPack::open(VerbPack::retain(VerbPack::pack(verbs))));
}

void VerbDictionary::hold(std::shared_ptr<const VerbPackSource> rows)
{
    rows_ = std::move(rows);
    made_.fill(nullptr, rows_ ? rows_->verbCount : 0);
}

bool VerbDictionary::readPack()
{
    const QString path = sources_.resources.path(QStringLiteral("verbs"), QStringLiteral("pack"));
    if (path.isEmpty())
        return false;
    std::shared_ptr<const VerbPackSource> rows = VerbPack::open(VerbPack::retain(path));
    if (!rows)
        return false;
    // Packed in dictionary order: nothing to sort.
    dataPath_ = path;
    hold(std::move(rows));
    publish();
    return true;
}

void VerbDictionary::sortVerbs(QList<Verb *> &verbs)
{
    const Collation &italian = Collation::italian();
    std::stable_sort(verbs.begin(), verbs.end(),
        [&italian](const Verb *a, const Verb *b) { return italian.lessThan(a->infinitive, b->infinitive); });
}

void VerbDictionary::publish()
{
    loaded_ = true;
    emit verbsChanged();
    qCDebug(lcVerbs).noquote() << QString::number(verbCount()) + u" verbs added from " + dataPath_ + u'.';
    sources_.queue.post([this] { loadLearntAndTenseFlags(); });
}

Verb *VerbDictionary::verbAt(qsizetype row) const
{
    Verb *&verb = made_[row];
    if (!verb) {
        // Made on behalf of a const caller; the dictionary owns what it makes.
        verb = VerbPack::make(rows_, row, const_cast<VerbDictionary *>(this));
        verb->setLearnt(learntKeys_.contains(verb->key));
    }
    return verb;
}

bool VerbDictionary::learntAt(qsizetype row) const
{
    if (const Verb *verb = made_.at(row))
        return verb->learnt();
    return !learntKeys_.isEmpty() && learntKeys_.contains(VerbPack::row(*rows_, row).key);
}

bool VerbDictionary::inSet(qsizetype row, const QString &name) const
{
    if (name == allVerbs)
        return !std::binary_search(rows_->asideRows, rows_->asideRows + rows_->asideCount, quint32(row));
    if (name == learntVerbsName)
        return learntAt(row);
    return VerbPack::row(*rows_, row).tags.contains(name);
}

qsizetype VerbDictionary::eligibleCount() const
{
    return rows_ ? verbCount() - rows_->asideCount : 0;
}

qsizetype VerbDictionary::eligibleRow(qsizetype index) const
{
    // The rows set aside are few and in order: each one at or before the row found so far moves it on.
    qsizetype row = index;
    for (qsizetype i = 0; i < rows_->asideCount && rows_->asideRows[i] <= row; ++i)
        ++row;
    return row;
}

const QList<Verb *> &VerbDictionary::verbs() const
{
    if (all_.size() != verbCount()) {
        all_.clear();
        all_.reserve(verbCount());
        for (qsizetype row = 0; row < verbCount(); ++row)
            all_.append(verbAt(row));
    }
    return all_;
}

Verb *VerbDictionary::verbForKey(const QString &key) const
{
    if (!rowByKey_) {
        rowByKey_.emplace();
        rowByKey_->reserve(verbCount());
        // Backwards, so that of two verbs with one key the first in dictionary order stays.
        for (qsizetype row = verbCount() - 1; row >= 0; --row)
            rowByKey_->insert(VerbPack::row(*rows_, row).key, row);
    }
    const auto found = rowByKey_->constFind(key);
    return found == rowByKey_->cend() ? nullptr : verbAt(*found);
}

void VerbDictionary::loadLearntAndTenseFlags()
{
    // One read serves every verb: nothing writes the flags while this step runs.
    const auto learnt = sources_.learntFlags();
    learntKeys_.clear();
    for (auto it = learnt.cbegin(); it != learnt.cend(); ++it) {
        if (it.value())
            learntKeys_.insert(it.key());
    }
    for (Verb *verb : std::as_const(made_)) {
        if (verb)
            verb->setLearnt(learntKeys_.contains(verb->key));
    }
    // Only a switch that differs from the stored one is set, so reading the store writes nothing.
    const QMap<QString, bool> flags = SettingsManager(sources_.store, tenseSettings_).getFlagDictionary();
    for (TenseSetting *setting : tenseSettings_) {
        if (setting->status() != flags.value(setting->tenseName()))
            setting->setStatus(flags.value(setting->tenseName()));
    }
}

int VerbDictionary::enabledTenseCount() const
{
    return int(std::count_if(tenseSettings_.begin(), tenseSettings_.end(),
        [](const TenseSetting *setting) { return setting->status() && Tense::named(setting->tenseName()); }));
}

QStringList VerbDictionary::verbSetNames() const
{
    QStringList names;
    for (qsizetype row = 0; row < verbCount(); ++row) {
        for (const QString &tag : VerbPack::row(*rows_, row).tags) {
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
    for (qsizetype row = 0; row < verbCount(); ++row) {
        if (inSet(row, name))
            result.append(verbAt(row));
    }
    return result;
}

QList<Verb *> VerbDictionary::learntVerbs() const
{
    return verbsInSet(learntVerbsName);
}

Verb *VerbDictionary::randomVerb() const
{
    if (eligibleCount() == 0) {
        if (!blankVerb_)
            blankVerb_ = new Verb(const_cast<VerbDictionary *>(this));
        return blankVerb_;
    }
    return verbAt(eligibleRow(sources_.random.index(eligibleCount())));
}

const FormIndex &VerbDictionary::formIndex()
{
    if (!formIndex_) {
        const QString path = sources_.resources.path(QStringLiteral("verbs"), QStringLiteral("index"));
        const QByteArrayView packed = path.isEmpty() ? QByteArrayView() : VerbPack::retain(path);
        formIndex_.emplace(QByteArray::fromRawData(packed.data(), packed.size()), verbs());
        if (!formIndex_->isValid()) {
            qCDebug(lcVerbs) << "indexing the forms of" << verbs().size() << "verbs";
            formIndex_.emplace(FormIndex::build(verbs()), verbs());
        }
    }
    return *formIndex_;
}
