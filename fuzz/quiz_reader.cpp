// Any bytes as the quiz data file: the reader ends on a fault or at the end and never crashes;
// a file read whole holds at least one quiz.
#include "platform/Random.h"
#include "quizzes/QuizDataReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Random random(1);
    int quizzes = 0;
    QuizDataReader reader(random, [&quizzes](Quiz *quiz) {
        ++quizzes;
        delete quiz;
    });
    const bool whole = reader.read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (whole && quizzes == 0)
        std::abort();
    return 0;
}
