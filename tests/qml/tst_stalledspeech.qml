import QtQuick
import QtTest
import Flexio

// A speech engine that hangs in every call: taps and screen changes still answer at once.
ScreenCase {
    name: "StalledSpeech"

    function initTestCase() {
        probe.hangSpeech()
        tryVerify(() => probe.speechReady(), 5000, "the voices are listed")
    }

    function cleanupTestCase() {
        probe.releaseSpeech()
    }

    function test_tapsAnswerWhileSpeechHangs() {
        ignoreWarning("the speech engine does not answer; speech is off until it does")
        const started = Date.now()
        const page = startGame("conjugation", "levelMedium")
        for (let turn = 1; turn <= 3; ++turn) {
            compare(findChild(page, "turnCounter").text, turn + "/10")
            const alts = page.game.currentQuestion.alts
            mouseClick(findChild(page, "answer" + alts.findIndex(answer => !answer.correct)))
            // Moves on from the shown answer.
            mouseClick(findChild(page, "missReveal"))
        }
        compare(findChild(page, "turnCounter").text, "4/10")
        probe.advance(5000)
        stack.pop()
        tryCompare(stack, "busy", false)
        compare(stack.depth, 1)
        open("dictionary")
        compare(stack.depth, 2)
        // The engine's first call alone hangs for five seconds.
        verify(Date.now() - started < 4500, "took " + (Date.now() - started) + " ms")
    }
}
