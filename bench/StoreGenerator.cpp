// Writes the store of a learner who practised for a long time, through the app's own objects:
// FORMS practised forms (each missed at least once, so each a review card) and ANSWERS answers
// in all, spread over the year up to now, so that the cards fall due as the scheduler spread them.
// Usage: flexio-store-generator STORE_FILE [FORMS [ANSWERS]]
#include "platform/LearnerDatabase.h"
#include "platform/ManualMainQueue.h"
#include "progress/DrilledForm.h"
#include "progress/Fsrs.h"
#include "progress/MistakeLog.h"
#include "progress/ProgressManager.h"
#include "support/TestServices.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2)
        return 2;
    const int forms = arguments.value(2, QStringLiteral("20000")).toInt();
    const int answers = arguments.value(3, QStringLiteral("100000")).toInt();
    TestServices services(QStringLiteral(FLEXIO_SOURCE_DIR "/resources"), arguments.at(1));
    const QList<Verb *> &verbs = services.verbDictionary().verbs();
    QList<DrilledForm> practised;
    for (const QString &tense : DrilledForm::tenseCodes()) {
        for (int person = 0; person < 6 && tense != DrilledForm::infinitive; ++person) {
            for (qsizetype v = 0; v < verbs.size() && practised.size() < forms; ++v)
                practised.append({verbs.at(v)->key, tense, person});
        }
    }
    const qint64 stepMs = 365 * Fsrs::dayMs / std::max(1, answers);
    services.queue().advance(QDateTime::currentMSecsSinceEpoch() - 365 * Fsrs::dayMs);
    LearnerDatabase &store = services.learnerStore();
    store.write([&] {
        for (int i = 0; i < answers; ++i) {
            const DrilledForm &form = practised.at(i % practised.size());
            services.queue().advance(stepMs);
            services.mistakeLog().recordForm(form, QStringLiteral("risposta"), i >= practised.size() && i % 3 != 0);
            services.progressManager().addPoints(form.verbKey, i % 3 != 0 ? 1 : -1);
        }
        return true;
    });
    std::printf("%lld forms, %lld answers\n", static_cast<long long>(practised.size()),
        static_cast<long long>(store.answerCount()));
    return 0;
}
