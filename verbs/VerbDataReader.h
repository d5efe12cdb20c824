#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Verb;

// Reads the verb data file with QXmlStreamReader, one event at a time: every `verb` element
// becomes a Verb handed to onVerb in file order. Element text is kept exactly as written (no
// trimming); CDATA contributes nothing; unknown elements are ignored. On malformed XML the
// reading stops at the fault and the verbs completed before it have already been handed over.
//
// The structure is checked as it is read, and a fault stops the reading like malformed XML: an
// element inside another of the same name (a verb inside a verb), elements nested deeper than
// maxDepth, a verb without an infinitive or without any tense table, and a file without verbs.
class VerbDataReader
{
public:
    using VerbSink = std::function<void(Verb *)>;

    static constexpr int maxDepth = 16;

    explicit VerbDataReader(VerbSink onVerb);
    ~VerbDataReader();

    // True when the document was read to its end.
    bool read(const QByteArray &xml);

    [[nodiscard]] const QString &errorText() const { return errorText_; }
    [[nodiscard]] qint64 errorLine() const { return errorLine_; }
    [[nodiscard]] qint64 errorColumn() const { return errorColumn_; }
    // True when the XML was well-formed but its structure was wrong.
    [[nodiscard]] bool structureError() const { return structureError_; }

private:
    // The fault of a starting or ending element, or empty when there is none.
    [[nodiscard]] QString startFault(const QString &name) const;
    [[nodiscard]] QString verbFault() const;
    void elementStarted(const QString &name);
    void characters(const QString &text) { str_ += text; }
    void elementEnded(const QString &name);
    bool storeLeaf(const QString &name);
    bool storeTense(const QString &name);
    void storePerson(const QString &name);

    VerbSink onVerb_;
    std::unique_ptr<Verb> currentVerb_;
    QStringList currentConjugation_;
    QString str_;
    QStringList openElements_;
    int tablesInVerb_ = 0;
    int verbCount_ = 0;
    bool structureError_ = false;
    QString errorText_;
    qint64 errorLine_ = 0;
    qint64 errorColumn_ = 0;
};
