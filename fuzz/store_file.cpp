// Any bytes as the learner's store file: opening it never crashes; a damaged or foreign file is
// set aside and the store works afresh; every query and a change run without fault.
#include "platform/LearnerDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("learner.sqlite"));
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
        QFile::remove(dir.filePath(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    LearnerDatabase store(path);
    (void)store.ranking();
    (void)store.learntFlags();
    (void)store.tenseSwitches();
    (void)store.cells();
    (void)store.dueForms(0);
    (void)store.answersPerDay(QDate(1970, 1, 1), QDate(2100, 1, 1));
    for (const QString &form : store.answeredForms())
        (void)store.latestAnswers(form, 12);
    const LearnerDatabase::Form form{
        QStringLiteral("parlare#PRES#0"), QStringLiteral("parlare"), QStringLiteral("PRES"), 0};
    store.addAnswer(form, {1, true, QStringLiteral("parlo"), {}});
    store.addPoints(QStringLiteral("parlare"), 1);
    return 0;
}
