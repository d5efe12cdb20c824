// How common each verb of the table is, from published frequency lists of Italian word forms.
//
// The lists are those of the npm package @zxcvbn-ts/language-it: its common-word list (about
// 19,500 word forms ordered by how often they occur in the Italian subtitles of the OpenSubtitles
// 2018 corpus, from Hermit Dave's FrequencyWords) and its Wikipedia list (about 45,000 word forms
// ordered by frequency in the Italian Wikipedia). They give ranks, not counts, so a form of rank r
// weighs 1/r (Zipf's law). A verb's score on a list is the sum of the weights of its forms:
//   - every form the lexicon gives the lemma (all simple tenses and the imperative, the past
//     participle in its four endings, the gerund, the infinitive), the infinitive and gerund with a
//     clitic attached (lavarsi, lavandolo) and the reflexive imperatives (alzatevi);
//   - a form that is also a noun or an adjective of the same lexicon (porta, parte, fatto) counts
//     for nothing: the lists cannot tell the readings apart;
//   - a form shared by several verbs (detto: dire and dettare) is shared out in proportion to the
//     scores the verbs get from the forms they do not share.
// Where the table holds a verb both plain and reflexive (lavare, lavarsi), the forms with "si" and
// the reflexive imperatives count for the reflexive verb, the bare infinitive and the forms with an
// object clitic (lo, la, li, le, ne, gli) for the plain one, and every other form is shared out in
// the proportion of those two counts (equally when neither occurs).

'use strict';

const OBJECT_CLITICS = ['lo', 'la', 'li', 'le', 'ne', 'gli'];
const OTHER_CLITICS = ['mi', 'ti', 'ci', 'vi'];

function resolve(name, here) {
  return require(require.resolve(name, { paths: [here] }));
}

function plain(v) {
  if (typeof v === 'string') return v;
  if (v && typeof v === 'object' && typeof v[''] === 'string') return v[''];
  return '';
}

// Every word form of a lexicon entry, split into the forms of any reading, those that mark the
// reflexive reading (lavarsi, lavandosi) and those that mark the plain one (lavare, lavarlo).
function formsOf(lemma, info) {
  const any = new Set();
  const refl = new Set();
  const trans = new Set([lemma]);
  const walk = (node) => {
    if (typeof node === 'string') { if (/^[a-zàèéìòù]+$/.test(node)) any.add(node); return; }
    if (node && typeof node === 'object') for (const k of Object.keys(node)) walk(node[k]);
  };
  for (const mood of ['ind', 'sub', 'cond', 'impr']) walk(info[mood]);
  walk(((info.part || {}).past) || {});
  const stem = lemma.slice(0, lemma.endsWith('rre') ? -2 : -1); // lavar-si, por-si
  const gerundText = plain((info.ger || {}).pres);
  const i = gerundText.lastIndexOf('ndo');
  const gerund = i < 0 ? '' : gerundText.slice(0, i + 3);
  const bases = gerund ? [stem, gerund] : [stem];
  if (gerund) any.add(gerund);
  // Reflexive imperatives (alzati, alziamoci, alzatevi), unless they are also plain forms (alzati
  // is a participle too).
  const impr = (info.impr || {}).pres || {};
  for (const [person, clitic] of [['S2', 'ti'], ['P1', 'ci'], ['P2', 'vi']]) {
    const form = plain(impr[person]);
    if (form && !any.has(form + clitic)) refl.add(form + clitic);
  }
  for (const b of bases) {
    refl.add(b + 'si');
    for (const c of OBJECT_CLITICS) trans.add(b + c);
    for (const c of OTHER_CLITICS) any.add(b + c);
  }
  return { any, refl, trans };
}

// Returns, for a word list, a function giving the score of a table verb (infinitive, reflexive).
// Forms that are also nouns or adjectives count for nothing, or, with shareHomographs, half.
function scorer(words, lexicon, other, both, shareHomographs) {
  const rank = new Map();
  words.forEach((w, i) => { if (!rank.has(w)) rank.set(w, i + 1); });
  const weight = (w) => (!rank.has(w) ? 0 : !other.has(w) ? 1 / rank.get(w) : shareHomographs ? 0.5 / rank.get(w) : 0);
  const owners = new Map(); // form -> lemmas having it
  for (const [lemma, f] of lexicon) {
    for (const w of new Set([...f.any, ...f.refl, ...f.trans])) {
      if (!owners.has(w)) owners.set(w, []);
      owners.get(w).push(lemma);
    }
  }
  // A form shared by several verbs is shared out in proportion to what their own forms score.
  const own = new Map();
  for (const [lemma, f] of lexicon) {
    let sum = 0;
    for (const w of new Set([...f.any, ...f.refl, ...f.trans])) if (owners.get(w).length === 1) sum += weight(w);
    own.set(lemma, sum);
  }
  const share = (w, lemma) => {
    const list = owners.get(w);
    if (list.length === 1) return weight(w);
    const total = list.reduce((s, l) => s + own.get(l), 0);
    return weight(w) * (total > 0 ? own.get(lemma) / total : 1 / list.length);
  };
  return (inf, reflexive) => {
    const f = lexicon.get(inf);
    if (!f) return 0;
    const sum = (set) => [...set].reduce((s, w) => s + share(w, inf), 0);
    const refl = sum(f.refl);
    const trans = sum(f.trans);
    const shared = sum(f.any);
    if (!both.has(inf)) return shared + refl + trans;
    const part = refl + trans > 0 ? (reflexive ? refl : trans) / (refl + trans) : 0.5;
    return shared * part + (reflexive ? refl : trans);
  };
}

function nonVerbForms(here) {
  const other = new Set();
  const nouns = resolve('italian-words-dict/dist/words.json', here);
  for (const [lemma, e] of Object.entries(nouns)) {
    other.add(lemma);
    if (e && typeof e.P === 'string') other.add(e.P);
  }
  const adjectives = resolve('italian-adjectives-dict/dist/adjectives.json', here);
  for (const [lemma, e] of Object.entries(adjectives)) {
    other.add(lemma);
    for (const v of Object.values(e || {})) if (typeof v === 'string') other.add(v);
  }
  return other;
}

// The forms of every verb of the lexicon; a lemma the lexicon lists with -si (accorgersi) is
// merged into its plain lemma (accorgere) when that exists.
function verbForms(lookup, lemmas) {
  const out = new Map();
  for (const lemma of lemmas) {
    const info = lookup(lemma);
    if (info) out.set(lemma, formsOf(lemma, info));
  }
  for (const lemma of lemmas) {
    if (!lemma.endsWith('si') || !out.has(lemma)) continue;
    const base = [lemma.slice(0, -2) + 'e', lemma.slice(0, -2) + 're'].find((b) => b !== lemma && out.has(b));
    if (!base) continue;
    const from = out.get(lemma);
    const to = out.get(base);
    for (const k of ['any', 'refl', 'trans']) for (const w of from[k]) to[k].add(w);
    out.delete(lemma);
  }
  return out;
}

// Ranks the table's verbs in tiers: by their score on the subtitle list; verbs it does not reach
// by their score on the Wikipedia list of the same package; verbs neither reaches except through
// forms that are also nouns or adjectives by the subtitle list and then the Wikipedia list with
// such forms at half weight; the rest by key. Within a tier higher scores come first, ties by key.
// Returns a map from key to { rank, tier, score }.
function rankVerbs(here, lookup, table) {
  const pkg = resolve('@zxcvbn-ts/language-it', here).dictionary;
  const all = resolve('italian-verbs-dict/dist/verbs.json', here);
  const lexicon = verbForms(lookup, [...Object.keys(all).sort(), 'essere', 'avere']);
  const other = nonVerbForms(here);
  const both = new Set();
  const seen = new Map();
  for (const row of table) {
    if (seen.has(row.infinitive) && seen.get(row.infinitive) !== row.reflexive) both.add(row.infinitive);
    seen.set(row.infinitive, row.reflexive);
  }
  const lists = [
    scorer(pkg.commonWords, lexicon, other, both, false),
    scorer(pkg.wikipedia, lexicon, other, both, false),
    scorer(pkg.commonWords, lexicon, other, both, true),
    scorer(pkg.wikipedia, lexicon, other, both, true),
  ];
  const rows = table.map((row) => {
    const refl = row.reflexive === 'yes';
    const scores = lists.map((score) => score(row.infinitive, refl));
    const tier = scores.findIndex((x) => x > 0);
    return { key: row.key, tier: tier < 0 ? lists.length : tier, score: tier < 0 ? 0 : scores[tier] };
  });
  rows.sort((a, b) => (a.tier - b.tier) || (b.score - a.score) || (a.key < b.key ? -1 : a.key > b.key ? 1 : 0));
  return new Map(rows.map((r, i) => [r.key, { rank: i + 1, tier: r.tier, score: r.score }]));
}

function listVersion(here) {
  return resolve('@zxcvbn-ts/language-it/package.json', here).version;
}

module.exports = { rankVerbs, listVersion };
