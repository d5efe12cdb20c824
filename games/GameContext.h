#pragma once

class LearnerDatabase;
class MainQueue;
class MistakeLog;
class ProgressManager;
class Random;
class ReviewSchedule;
class SoundEffects;
class TextToSpeech;
class VerbDictionary;

// What a game works with, handed in by whoever makes the game: the verbs it deals, where it
// scores and logs answers, its clock and dice, and its voice and sounds.
struct GameContext
{
    VerbDictionary &verbs;
    ProgressManager &progress;
    MistakeLog &mistakes;
    ReviewSchedule &schedule;
    LearnerDatabase &store;
    MainQueue &queue;
    Random &random;
    TextToSpeech &speech;
    SoundEffects &sounds;
};
