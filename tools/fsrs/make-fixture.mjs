// Runs review histories through ts-fsrs with its default parameters (no fuzz) and writes, after
// every review, the card it gives. The C++ scheduler's tests replay the same histories.
//   npm ci && node make-fixture.mjs OUT.json
import { writeFileSync } from 'node:fs';
import { createEmptyCard, fsrs, generatorParameters, FSRSVersion, Rating } from 'ts-fsrs';

const minute = 60 * 1000;
const day = 24 * 60 * minute;
const start = Date.UTC(2026, 0, 5, 9, 0, 0);

// Each history: [minutes after start, "again" | "good"].
const histories = {
  'missed, then learnt the same day': [[0, 'again'], [60, 'good'], [75, 'good'], [3 * 1440, 'good'], [20 * 1440, 'good']],
  'missed twice, right the next day': [[0, 'again'], [5, 'again'], [1440 + 600, 'good'], [1440 + 620, 'good'], [9 * 1440, 'good']],
  'forgotten after graduating': [[0, 'again'], [2, 'good'], [15, 'good'], [4 * 1440, 'again'], [4 * 1440 + 12, 'good'], [30 * 1440, 'good']],
  'late review after a long gap': [[0, 'again'], [30, 'good'], [50, 'good'], [200 * 1440, 'good'], [200 * 1440 + 1, 'again']],
};

const scheduler = fsrs(generatorParameters({ enable_fuzz: false }));
const rating = { again: Rating.Again, good: Rating.Good };
const out = {
  generator: `ts-fsrs ${FSRSVersion}`,
  parameters: { w: [...scheduler.parameters.w], requestRetention: scheduler.parameters.request_retention,
    maximumInterval: scheduler.parameters.maximum_interval,
    learningStepsMinutes: [1, 10], relearningStepsMinutes: [10] },
  start,
  histories: [],
};
for (const [name, steps] of Object.entries(histories)) {
  let card = createEmptyCard(new Date(start));
  const reviews = [];
  for (const [minutes, grade] of steps) {
    const at = start + minutes * minute;
    card = scheduler.next(card, new Date(at), rating[grade]).card;
    reviews.push({ at, rating: grade, due: card.due.getTime(), stability: card.stability,
      difficulty: card.difficulty, state: card.state, step: card.learning_steps, reps: card.reps,
      lapses: card.lapses });
  }
  out.histories.push({ name, reviews });
}
writeFileSync(process.argv[2] ?? 'ts-fsrs-cases.json', JSON.stringify(out, null, 1) + '\n');
