#include "quizzes/QuizGamesMenu.h"

#include "quizzes/QuizGamesParser.h"

QuizGamesMenu::QuizGamesMenu(const QuizGamesParser &parser, QObject *parent)
    : QObject(parent)
    , quizzes_(parser.quizzes())
{}
