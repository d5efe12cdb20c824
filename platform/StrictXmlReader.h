#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

// Reads a data file with QXmlStreamReader, one event at a time, for a reader of one kind of
// data, and checks the structure every data file shares as it goes: no element inside another of
// the same name, and nesting at most maxDepth deep. A fault the data reader reports (an element
// that ends incomplete, a document without data) stops the reading like malformed XML, at the
// place it was found. CDATA contributes nothing.
class StrictXmlReader
{
public:
    static constexpr int maxDepth = 16;

    virtual ~StrictXmlReader() = default;

    // True when the document was read to its end.
    bool read(const QByteArray &xml);

    [[nodiscard]] const QString &errorText() const { return errorText_; }
    [[nodiscard]] qint64 errorLine() const { return errorLine_; }
    [[nodiscard]] qint64 errorColumn() const { return errorColumn_; }
    // True when the XML was well-formed but its structure was wrong.
    [[nodiscard]] bool structureError() const { return structureError_; }

protected:
    // Called before the first event and after the last one.
    virtual void begin() {}
    virtual void end() {}
    virtual void elementStarted(const QString &name) = 0;
    virtual void characters(QStringView text) = 0;
    // What is wrong with the element ending, checked before elementEnded(); empty when nothing.
    virtual QString endFault(const QString &) const { return {}; }
    virtual void elementEnded(const QString &name) = 0;
    // What is wrong with the whole document once read; empty when nothing.
    virtual QString documentFault() const = 0;

private:
    [[nodiscard]] QString startFault(const QString &name) const;

    QStringList openElements_;
    bool structureError_ = false;
    QString errorText_;
    qint64 errorLine_ = 0;
    qint64 errorColumn_ = 0;
};
