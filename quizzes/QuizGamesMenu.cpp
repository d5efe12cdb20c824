#include "quizzes/QuizGamesMenu.h"

#include "quizzes/QuizGamesParser.h"

QuizGamesMenu::QuizGamesMenu(QObject *parent) : QObject(parent), quizzes_(QuizGamesParser::shared().quizzes()) {}
