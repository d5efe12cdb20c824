#include "../games/GameTesting.h"

#include "games/conjugation/ConjQuiz.h"
#include "games/conjugation/ConjugationQuizAnswer.h"
#include "speech/TextToSpeech.h"
#include "speech/ThreadedSpeechSynthesizer.h"
#include "support/HangingSynthesizer.h"

#include <QElapsedTimer>
#include <QTest>

class StalledSpeechTest : public QObject
{
    Q_OBJECT

private slots:
    void tapsAnswerWhileTheEngineHangs()
    {
        auto hang = std::make_shared<HangingSynthesizer::Hang>();
        auto services = std::make_unique<GameServices>();
        services->audioEngines().useSynthesizer([hang] { return std::make_unique<HangingSynthesizer>(hang); });
        auto &speech = dynamic_cast<ThreadedSpeechSynthesizer &>(services->textToSpeech().speakTalk());
        QTRY_VERIFY(!speech.voiceLanguages().isEmpty());

        // The first phrase hangs; four seconds on, speech goes quiet.
        QTest::ignoreMessage(QtWarningMsg, "the speech engine does not answer; speech is off until it does");
        ConjQuiz game(services->gameContext());
        QElapsedTimer clock;
        clock.start();
        game.startGame();
        for (int turn = 0; turn < 4 && game.inPlay(); ++turn) {
            game.answerTapped(game.currentQuestion().alts.first());
            services->queue().advance(LearningGame::revealMs);
        }
        // Four turns of taps, each of which speaks, while the engine hangs in its first call.
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(game.currentTurn(), 4);
        QVERIFY(!speech.available());
        const int calls = hang->calls.loadRelaxed();
        game.answerTapped(game.currentQuestion().alts.first());
        services->queue().advance(ThreadedSpeechSynthesizer::defaultStallMs);
        QCOMPARE(hang->calls.loadRelaxed(), calls);

        // Closing does not wait for the engine.
        QTest::ignoreMessage(QtWarningMsg, "the speech engine does not answer; it is left behind");
        clock.restart();
        services.reset();
        QVERIFY2(clock.elapsed() < ThreadedSpeechSynthesizer::closeWaitMs + 500,
            qPrintable(QString::number(clock.elapsed())));
        hang->release.release(100);
    }
};

QTEST_GUILESS_MAIN(StalledSpeechTest)
#include "tst_stalledspeech.moc"
