#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class SchoolWorkContext;

// Supplies the contexts a lookup finds missing.
class SchoolWorkDelegate
{
public:
    virtual ~SchoolWorkDelegate() = default;

    // A new context for identifier below parentContext (whose identifier path is given), or
    // nothing when the app has no such context.
    virtual std::unique_ptr<SchoolWorkContext> createContext(
        const QString &identifier, SchoolWorkContext &parentContext, const QStringList &parentIdentifierPath) = 0;
};
