import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The conjugation quiz, the gap-fill game and the snap game played through their screens.
ScreenCase {
    name: "GameScreens"

    // The time bar's fill is the share of its track, to the pixel.
    function barAt(page, share) {
        const fill = findChild(page, "timeBarFill"), track = findChild(page, "timeBarTrack")
        verify(Math.abs(fill.width - track.width * share) <= 1, fill.width + " of " + track.width)
    }

    // The control is filled with the readable form of the colour.
    function filled(item, colour) {
        return Qt.colorEqual(item.background.color, Theme.readableFill(colour, "white"))
    }

    function answerItem(page, answer) {
        return findChild(page, "answer" + page.game.currentQuestion.alts.indexOf(answer))
    }

    function allBlue(page) {
        return page.game.currentQuestion.alts.every(answer => filled(answerItem(page, answer), "#0984e3"))
    }

    // A wrong answer turns red, shows the right one in green with its form and English below, and
    // scores the verb down; a tap on the shown form moves on. A right answer turns green.
    function test_answerWrongThenRight() {
        const menu = stack.get(0).menu, before = menu.answersToday
        const page = startGame("conjugation", "levelMedium"), game = page.game
        compare([findChild(page, "turnCounter").text, findChild(page, "accuracy").text, findChild(page, "prompt").text,
                 findChild(page, "hint").visible],
                ["1/10", "", game.currentQuestion.question, game.currentQuestion.questionHint.length > 0])
        const alts = game.currentQuestion.alts
        verify(alts.length >= 2 && allBlue(page))
        const right = alts.find(answer => answer.correct), wrong = alts.find(answer => !answer.correct)
        const key = game.currentVerb.key

        mouseClick(answerItem(page, wrong))
        verify(filled(answerItem(page, wrong), "#e74c3c") && filled(answerItem(page, right), "#27ae60"))
        const reveal = findChild(page, "missReveal")
        compare([findChild(page, "accuracy").text, probe.stored("progressDictionary", key), reveal.visible,
                 findChild(page, "revealEnglish").text.length > 0],
                ["Accuracy: 0%", -1, true, true])
        mouseClick(reveal)
        compare([reveal.visible, findChild(page, "turnCounter").text], [false, "2/10"])

        const next = game.currentQuestion.alts.find(answer => answer.correct)
        mouseClick(answerItem(page, next))
        verify(filled(answerItem(page, next), "#27ae60"))
        compare(findChild(page, "accuracy").text, "Accuracy: 50%")
        // The menu underneath counts both answers towards today's goal, and marks today as
        // partly met: a ring round a dot.
        compare([findChild(stack.get(0), "goalText").text, findChild(stack.get(0), "goalDay6").children[0].text],
                [(before + 2) + " of 20 answers today", Symbols.glyph("largecircle.fill.circle")])
        // The next turn follows 1.5 seconds later.
        probe.advance(1500)
        compare(findChild(page, "turnCounter").text, "3/10")
        verify(allBlue(page))
    }

    function test_timeBarAtHalfTheAllowance_data() {
        return [{tag: "easy", level: "levelEasy", increment: 0.000675},
                {tag: "hard", level: "levelHard", increment: 0.0025}]
    }

    // The allowance is 1/increment ticks of 25 ms; a full bar misses the turn and shows its answer.
    function test_timeBarAtHalfTheAllowance(data) {
        const page = startGame("conjugation", data.level)
        compare(findChild(page, "timeBarFill").width, 0)
        probe.advance(Math.round(25 / data.increment / 2))
        barAt(page, 0.5)
        probe.advance(Math.round(25 / data.increment / 2) + 100)
        compare([page.game.inPlay, page.game.revealing, findChild(page, "accuracy").text], [true, true, "Accuracy: 0%"])
    }

    function keyFor(page, letter) {
        const index = page.game.letters.findIndex(key => key.letter === letter)
        return findChild(page, "key" + index) ?? fail("no key for " + letter)
    }

    // The letter that fills the first gap.
    function nextLetter(game) {
        return game.currentGapFillTurn.phrase.charAt(game.gapped.indexOf("-")).toLowerCase()
    }

    // Fills the gaps, typing the plain letters when asked; returns the right taps made.
    function spell(page, typing) {
        const game = page.game, before = game.correctClicks
        for (let taps = 0; !game.turnWon && taps < 60; ++taps) {
            const letter = nextLetter(game)
            if (typing && /^[a-z]$/.test(letter))
                keyClick(letter)
            else
                mouseClick(keyFor(page, letter))
        }
        verify(game.turnWon)
        return game.correctClicks - before
    }

    function test_spellByTappingThenTyping() {
        const page = startGame("gapfill", "levelEasy"), game = page.game
        compare([findChild(page, "turnCounter").text, findChild(page, "hint").text, findChild(page, "gapped").text],
                ["1/10", game.currentGapFillTurn.hint, game.gapped])
        verify(game.gapped.indexOf("-") >= 0 && !findChild(page, "checkMark").visible)

        // A wrong key turns red and costs accuracy; a right key turns green.
        const wrong = game.letters.find(key => key.letter !== nextLetter(game))
        if (wrong) {
            mouseClick(keyFor(page, wrong.letter))
            verify(filled(keyFor(page, wrong.letter), "#e74c3c"))
            compare(findChild(page, "accuracy").text, "Accuracy: 0%")
        }
        const first = nextLetter(game)
        mouseClick(keyFor(page, first))
        verify(filled(keyFor(page, first), "#27ae60"))

        spell(page, false)
        compare([findChild(page, "gapped").text, findChild(page, "checkMark").visible,
                 findChild(page, "accuracy").text],
                [game.currentGapFillTurn.phrase, true, "Accuracy: " + game.accuracy + "%"])
        // The next verb follows two seconds later, three with its form shown after a miss.
        probe.advance(wrong ? 3000 : 2000)
        compare([findChild(page, "turnCounter").text, findChild(page, "checkMark").visible], ["2/10", false])

        // The next verb by typing; a letter that is not on the keyboard is no tap.
        const total = game.totalClicks
        keyClick("abcdefghijklmnopqrstuvwxyz".split("").find(l => !game.letters.some(key => key.letter === l)))
        compare(game.totalClicks, total)
        const spelled = spell(page, true)
        verify(spelled > 0 && game.totalClicks === total + spelled, spelled + " of " + (game.totalClicks - total))
        verify(findChild(page, "checkMark").visible)
    }

    function litStars(page) {
        return [...Array(10).keys()].filter(i => findChild(page, "star" + i).lit).length
    }

    // Ten right answers light ten stars; the sheet comes back with the result in the won colour.
    function test_winWithTenRightAnswers() {
        const page = startGame("snap", "levelMedium"), game = page.game
        const up = findChild(page, "thumbsUp"), down = findChild(page, "thumbsDown")
        for (let turn = 1; turn <= 10; ++turn) {
            compare([game.canClick, game.snapCards.length], [true, 2])
            verify(Qt.colorEqual(up.background.color, "#0984e3") && Qt.colorEqual(down.background.color, "#0984e3"))
            const right = game.currentPairIsAMatch ? up : down, wrong = right === up ? down : up
            mouseClick(right)
            compare([game.status, litStars(page)], [SnapAnswerState.SnapAnswerState.correct, turn])
            verify(Qt.colorEqual(right.background.color, "#27ae60") && Qt.colorEqual(wrong.background.color, "#e74c3c"))
            // Taps while the answer shows are ignored.
            mouseClick(wrong)
            compare([game.status, litStars(page)], [SnapAnswerState.SnapAnswerState.correct, turn])
            probe.advance(1500)
        }
        compare([game.inPlay, game.gameState], [false, LearningGameState.LearningGameState.won])
        tryCompare(page.sheet, "y", 0)
        const message = findChild(page.sheet, "sheetMessage").text
        verify(message.startsWith("You made 10 snaps in "), message)
        verify(message.endsWith("with an accuracy of 100%. Not one mistake: excellent!"), message)
        tryVerify(() => Qt.colorEqual(findChild(page.sheet, "sheetBanner").color, Theme.readableFill("#27ae60", "white")))
    }

    // A wrong answer shows the wrong card struck through over the right one, in red.
    function test_wrongAnswerStrikesTheCardThrough() {
        const page = startGame("snap", "levelHard"), game = page.game
        // Answer right until a pair that does not match is dealt.
        for (let turns = 0; game.currentPairIsAMatch && turns < 50; ++turns) {
            mouseClick(findChild(page, "thumbsUp"))
            probe.advance(1500)
        }
        verify(!game.currentPairIsAMatch, "a pair that does not match was dealt")
        mouseClick(findChild(page, "thumbsUp"))
        const answerCard = findChild(page, "snapCard1")
        compare([game.status, answerCard.card], [SnapAnswerState.SnapAnswerState.incorrect, game.snapCards[1]])
        const struck = findChild(answerCard, "struckText")
        compare([struck.visible, struck.font.strikeout, struck.text, findChild(answerCard, "cardText").text],
                [true, true, game.snapCards[1].text, game.snapCards[1].correctAnswer])
        tryVerify(() => Qt.colorEqual(answerCard.color, Theme.readableFill("#e74c3c", "white")))
        tryVerify(() => Qt.colorEqual(findChild(page, "timeBarFill").color, "#e74c3c"))
    }

    // The pair's time runs down from a full bar; the speaker says the prompt; leaving the screen
    // stops the game.
    function test_timeBarSpeakerAndLeaving() {
        probe.setVoices(["it-IT", "en-GB"])
        const page = startGame("snap", "levelEasy"), game = page.game
        barAt(page, 1)
        verify(Qt.colorEqual(findChild(page, "timeBarFill").color, "#0984e3"))
        // An easy pair has 1.5 units of 800 ticks of 25 ms.
        probe.advance(1.5 * 800 * 25 / 2)
        barAt(page, 0.5)

        const before = probe.said().length
        mouseClick(findChild(page, "speakerButton"))
        compare(probe.said().slice(before), [game.snapCards[0].text])
        // Checked at once: the popped page and its game are deleted soon after.
        stack.pop(null, StackView.Immediate)
        verify(!game.inPlay && game.message.startsWith("Well done! You reached "), game.message)
    }
}
