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
class VerbDataReader
{
public:
    using VerbSink = std::function<void(Verb *)>;

    explicit VerbDataReader(VerbSink onVerb);
    ~VerbDataReader();

    // True when the document was read to its end.
    bool read(const QByteArray &xml);

    [[nodiscard]] const QString &errorText() const { return errorText_; }
    [[nodiscard]] qint64 errorLine() const { return errorLine_; }
    [[nodiscard]] qint64 errorColumn() const { return errorColumn_; }

private:
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
    QString errorText_;
    qint64 errorLine_ = 0;
    qint64 errorColumn_ = 0;
};
