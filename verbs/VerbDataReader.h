#pragma once

#include "platform/StrictXmlReader.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Verb;

// Reads the verb data file one event at a time: every `verb` element
// becomes a Verb handed to onVerb in file order. Element text is kept exactly as written (no
// trimming); CDATA contributes nothing; unknown elements are ignored. On malformed XML the
// reading stops at the fault and the verbs completed before it have already been handed over.
//
// Besides the checks of every data file (see StrictXmlReader), a verb without an infinitive or
// without any tense table and a file without verbs stop the reading.
class VerbDataReader : public StrictXmlReader
{
public:
    using VerbSink = std::function<void(Verb *)>;

    explicit VerbDataReader(VerbSink onVerb);
    ~VerbDataReader() override;

private:
    void begin() override;
    void end() override;
    void elementStarted(const QString &name) override;
    void characters(QStringView text) override { str_ += text; }
    [[nodiscard]] QString endFault(const QString &name) const override;
    void elementEnded(const QString &name) override;
    [[nodiscard]] QString documentFault() const override;
    [[nodiscard]] QString verbFault() const;
    bool storeLeaf(const QString &name);
    bool storeTense(const QString &name);
    void storePerson(const QString &name);

    VerbSink onVerb_;
    std::unique_ptr<Verb> currentVerb_;
    QStringList currentConjugation_;
    QString str_;
    int tablesInVerb_ = 0;
    int verbCount_ = 0;
};
