#pragma once

// Where an answer of the question on screen stands: not yet tapped, the right answer tapped,
// a wrong answer tapped, or a wrong answer set aside once the right one was found.
enum class QuizQuestionAnswerState { undefined, correct, incorrect, discarded };
