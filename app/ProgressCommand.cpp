#include "app/ProgressCommand.h"

#include "app/Services.h"
#include "progress/ProgressTransfer.h"
#include "verbs/VerbDictionary.h"

#include <QFileInfo>
#include <QTextStream>
#include <QUrl>

ProgressCommand::ProgressCommand(Services &services, QTextStream &err)
    : services_(services)
    , err_(err)
{}

int ProgressCommand::run(const QStringList &arguments)
{
    const QString mode = arguments.value(0);
    if (arguments.size() != 2 || (mode != u"--export" && mode != u"--import")) {
        err_ << "usage: flexio progress --export FILE | --import FILE" << Qt::endl;
        return failed;
    }
    // An import is checked against the verbs the app knows.
    VerbDictionary &verbs = services_.verbDictionary();
    if (!verbs.loaded()) {
        err_ << "Flexio cannot start: " << verbs.loadError() << Qt::endl;
        return failed;
    }
    const QUrl file = QUrl::fromLocalFile(QFileInfo(arguments.at(1)).absoluteFilePath());
    ProgressTransfer &transfer = services_.progressTransfer();
    const bool done = mode == u"--export" ? transfer.exportToFile(file) : transfer.importFromFile(file);
    if (!done)
        err_ << transfer.message() << Qt::endl;
    return done ? 0 : failed;
}
