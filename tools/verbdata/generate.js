#!/usr/bin/env node
// Builds resources/verbs.xml from the verb table (verbs.tsv), the lexicon
// corrections (corrections.tsv) and the morph-it lexicon of Italian inflected
// forms (npm package italian-verbs-dict; essere and avere, which that package
// leaves out, come from the companion package italian-verbs).
//
// Every Italian form is taken from the lexicon. The generator only
//   - strips clitics from the lexicon's gerund (it stores forms such as
//     "andandosi"), falling back to the gerund implied by the imperfect,
//   - builds the imperative's formal persons (Lei, Loro) from the present
//     subjunctive and its noi person from the present indicative,
//   - attaches the reflexive pronouns to the imperative of reflexive verbs,
//   - applies the reviewed corrections of corrections.tsv.
// Each verb's paradigm is then checked for internal consistency; a verb that
// is incomplete or inconsistent is reported and the run fails.
//
// Usage: node generate.js [--out PATH] [--report PATH]

'use strict';

const fs = require('fs');
const path = require('path');
const { rankVerbs, listVersion } = require('./frequency');

const HERE = __dirname;
const ROOT = path.resolve(HERE, '..', '..');

function argValue(name, fallback) {
  const i = process.argv.indexOf(name);
  return i >= 0 && i + 1 < process.argv.length ? process.argv[i + 1] : fallback;
}

const OUT_PATH = argValue('--out', path.join(ROOT, 'resources', 'verbs.xml'));
const REPORT_PATH = argValue('--report', path.join(HERE, 'report.txt'));

const THEMES = [
  'Holiday Verbs', 'Senses', 'Education', 'Travel', 'Feelings',
  'Health', 'Daily Routine', 'Communication', 'Hobbies', 'Work',
  'Crime and Conflict', 'Society and Politics', 'Money',
];
const GRAMMAR_SETS = ['Irregular', 'Reflexive', 'Top 100', 'Top 500'];
const TOP_SETS = [['Top 100', 100], ['Top 500', 500]];
const MIN_PER_THEME = 30;
// No theme may hold more than this share of the verbs: a set that holds everything teaches nothing.
const MAX_THEME_SHARE = 0.15;
const MIN_VERBS = 1500;

const PERSONS = ['fps', 'sps', 'tps', 'fpp', 'spp', 'tpp'];
const LEX_PERSONS = ['S1', 'S2', 'S3', 'P1', 'P2', 'P3'];
// XML tense element -> [lexicon mood, lexicon tense]
const TENSES = [
  ['ind_pres', 'ind', 'pres'],
  ['imp', 'ind', 'impf'],
  ['pret', 'ind', 'past'],
  ['fut', 'ind', 'fut'],
  ['cond', 'cond', 'pres'],
  ['sub_pres', 'sub', 'pres'],
  ['sub_imp', 'sub', 'impf'],
];
const REFLEXIVE_IMPERATIVE = [null, (f) => f + 'ti', (f) => 'si ' + f, (f) => f + 'ci', (f) => f + 'vi', (f) => 'si ' + f];

// Verbs whose infinitive is contracted: their stems come from the imperfect
// and the gerund, not from the infinitive.
const CONTRACTED_VERBS = new Set([
  'fare', 'rifare', 'soddisfare', 'disfare', 'dire', 'benedire', 'maledire', 'contraddire', 'disdire', 'predire', 'bere',
]);
const isContracted = (inf) => CONTRACTED_VERBS.has(inf) || inf.endsWith('rre');
// Second-person imperatives that differ from the indicative.
const SPECIAL_TU_IMPERATIVES = new Set(["va'", "fa'", "da'", "sta'", "di'", 'sii', 'abbi', 'sappi', 'vogli']);

// ---------------------------------------------------------------- input files

function readTsv(file) {
  const text = fs.readFileSync(file, 'utf8');
  const lines = text.split('\n').filter((l) => l.length > 0 && !l.startsWith('#'));
  const header = lines.shift().split('\t');
  return lines.map((line, i) => {
    const cells = line.split('\t');
    if (cells.length !== header.length) {
      throw new Error(`${path.basename(file)}: data line ${i + 1} has ${cells.length} cells, expected ${header.length}: ${line}`);
    }
    const row = {};
    header.forEach((h, j) => { row[h] = cells[j]; });
    return row;
  });
}

function readIrregularEnglish(file) {
  const map = new Map();
  for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
    if (!line.trim() || line.startsWith('#')) continue;
    const [base, past, participle] = line.trim().split(/\s+/);
    map.set(base, { past, participle });
  }
  return map;
}

function yesNo(value, what) {
  if (value === 'yes') return true;
  if (value === 'no') return false;
  throw new Error(`${what}: expected yes or no, found "${value}"`);
}

// ---------------------------------------------------------------- lexicon

function packageVersion(name) {
  return JSON.parse(fs.readFileSync(require.resolve(`${name}/package.json`, { paths: [HERE] }), 'utf8')).version;
}

function loadLexicon() {
  const lexicon = require(require.resolve('italian-verbs-dict/dist/verbs.json', { paths: [HERE] }));
  const helper = require(require.resolve('italian-verbs', { paths: [HERE] }));
  return {
    lookup(lemma) {
      try {
        return helper.getVerbInfo(lexicon, lemma);
      } catch (e) {
        return null;
      }
    },
  };
}

function plainText(v) {
  if (v == null) return '';
  if (typeof v === 'string') return v;
  if (typeof v === 'object' && typeof v[''] === 'string') return v[''];
  return '';
}

// The lexicon stores gerunds with clitics attached (andandosi, facendovi).
function stripClitics(gerund) {
  const i = gerund.lastIndexOf('ndo');
  return i < 0 ? '' : gerund.slice(0, i + 3);
}

// ---------------------------------------------------------------- Italian checks

const LETTERS = /^[a-zàèéìòù]+$/;

function infinitiveClass(inf) {
  if (inf === 'essere' || isContracted(inf)) return 'contracted';
  return inf.slice(-3); // are, ere, ire
}

function gerundFromImperfect(inf, imperfectFirst) {
  if (inf === 'essere') return 'essendo';
  if (imperfectFirst.endsWith('avo')) return imperfectFirst.slice(0, -3) + 'ando';
  if (imperfectFirst.endsWith('evo') || imperfectFirst.endsWith('ivo')) return imperfectFirst.slice(0, -3) + 'endo';
  return '';
}

// Joins an -are stem and an ending with the usual spelling changes
// (cerc+i -> cerchi, mangi+erò -> mangerò, studi+i -> studi).
// Verbs whose stem ends in a stressed i (scìo, spìo) keep it everywhere:
// scii, sciino, scierò (but sciamo, sciate).
const STRESSED_I = new Set(['sciare', 'spiare', 'inviare', 'avviare', 'deviare']);

function joinAre(stem, ending) {
  const e0 = ending[0];
  const stressedI = STRESSED_I.has(stem + 'are');
  if (/[cg]$/.test(stem) && (e0 === 'e' || e0 === 'i')) return [stem + 'h' + ending];
  if (stressedI) return [ending.startsWith('ia') ? stem.slice(0, -1) + ending : stem + ending];
  if (/[cg]i$/.test(stem) && !/gli$/.test(stem) && e0 === 'e') return [stem.slice(0, -1) + ending];
  if (stem.endsWith('i') && e0 === 'i') return [stem.slice(0, -1) + ending, stem + ending];
  return [stem + ending];
}

const REGULAR_ENDINGS = {
  are: {
    ind_pres: ['o', 'i', 'a', 'iamo', 'ate', 'ano'],
    imp: ['avo', 'avi', 'ava', 'avamo', 'avate', 'avano'],
    pret: ['ai', 'asti', 'ò', 'ammo', 'aste', 'arono'],
    fut: ['erò', 'erai', 'erà', 'eremo', 'erete', 'eranno'],
    cond: ['erei', 'eresti', 'erebbe', 'eremmo', 'ereste', 'erebbero'],
    sub_pres: ['i', 'i', 'i', 'iamo', 'iate', 'ino'],
    sub_imp: ['assi', 'assi', 'asse', 'assimo', 'aste', 'assero'],
    tu: ['a'], pp: ['ato'],
  },
  ere: {
    ind_pres: ['o', 'i', 'e', 'iamo', 'ete', 'ono'],
    imp: ['evo', 'evi', 'eva', 'evamo', 'evate', 'evano'],
    pret: ['ei|etti', 'esti', 'é|ette', 'emmo', 'este', 'erono|ettero'],
    fut: ['erò', 'erai', 'erà', 'eremo', 'erete', 'eranno'],
    cond: ['erei', 'eresti', 'erebbe', 'eremmo', 'ereste', 'erebbero'],
    sub_pres: ['a', 'a', 'a', 'iamo', 'iate', 'ano'],
    sub_imp: ['essi', 'essi', 'esse', 'essimo', 'este', 'essero'],
    tu: ['i'], pp: ['uto'],
  },
  ire: {
    ind_pres: ['o|isco', 'i|isci', 'e|isce', 'iamo', 'ite', 'ono|iscono'],
    imp: ['ivo', 'ivi', 'iva', 'ivamo', 'ivate', 'ivano'],
    pret: ['ii', 'isti', 'ì', 'immo', 'iste', 'irono'],
    fut: ['irò', 'irai', 'irà', 'iremo', 'irete', 'iranno'],
    cond: ['irei', 'iresti', 'irebbe', 'iremmo', 'ireste', 'irebbero'],
    sub_pres: ['a|isca', 'a|isca', 'a|isca', 'iamo', 'iate', 'ano|iscano'],
    sub_imp: ['issi', 'issi', 'isse', 'issimo', 'iste', 'issero'],
    tu: ['i|isci'], pp: ['ito'],
  },
};

function regularCandidates(cls, stem, endingSpec) {
  const out = [];
  for (const ending of endingSpec.split('|')) {
    if (cls === 'are') out.push(...joinAre(stem, ending));
    else out.push(stem + ending);
  }
  return out;
}

// True when some stored form differs from the regular model of its class.
function isIrregular(inf, forms) {
  const cls = infinitiveClass(inf);
  if (cls === 'contracted') return true;
  const model = REGULAR_ENDINGS[cls];
  const stem = inf.slice(0, -3);
  for (const [tense] of TENSES) {
    for (let i = 0; i < 6; i++) {
      if (!regularCandidates(cls, stem, model[tense][i]).includes(forms[tense][i])) return true;
    }
  }
  if (!regularCandidates(cls, stem, model.tu[0]).includes(forms.tu)) return true;
  if (!regularCandidates(cls, stem, model.pp[0]).includes(forms.pp)) return true;
  return false;
}

// Consistency of one verb's forms (before reflexive pronouns are attached).
// Returns a list of problems; empty when the paradigm hangs together.
function paradigmProblems(inf, f, impersonal) {
  const p = [];
  const need = (cond, msg) => { if (!cond) p.push(msg); };
  const cls = infinitiveClass(inf);
  const isEssere = inf === 'essere';

  for (const [tense] of TENSES) {
    f[tense].forEach((form, i) => {
      need(form !== '', `${tense}.${PERSONS[i]} is empty`);
      if (form === '') return;
      need(LETTERS.test(form), `${tense}.${PERSONS[i]} "${form}" has characters other than lower-case letters`);
      const accent = form.search(/[àèéìòù]/);
      if (accent >= 0) {
        need(accent === form.length - 1, `${tense}.${PERSONS[i]} "${form}" has an accent inside the word`);
        const ok = (tense === 'fut' && (i === 0 || i === 2)) || (tense === 'pret' && i === 2) ||
          (tense === 'ind_pres' && i === 2);
        need(ok, `${tense}.${PERSONS[i]} "${form}" ends in an accented vowel`);
      }
    });
  }
  if (p.length) return p;

  const pres = f.ind_pres;
  need(/o$/.test(pres[0]), `ind_pres.fps "${pres[0]}" does not end in -o`);
  need(/iamo$/.test(pres[3]), `ind_pres.fpp "${pres[3]}" does not end in -iamo`);
  need(/te$/.test(pres[4]), `ind_pres.spp "${pres[4]}" does not end in -te`);
  need(/no$/.test(pres[5]), `ind_pres.tpp "${pres[5]}" does not end in -no`);
  if (cls !== 'contracted') {
    need(pres[4] === inf.slice(0, -2) + 'te', `ind_pres.spp "${pres[4]}" is not ${inf.slice(0, -2)}te`);
  }

  if (!isEssere) {
    const imp = f.imp;
    const b = imp[0].slice(0, -2);
    need(imp[0].endsWith('vo'), `imp.fps "${imp[0]}" does not end in -vo`);
    ['vo', 'vi', 'va', 'vamo', 'vate', 'vano'].forEach((e, i) => need(imp[i] === b + e, `imp.${PERSONS[i]} "${imp[i]}" is not ${b}${e}`));
    if (cls !== 'contracted') need(imp[0] === inf.slice(0, -2) + 'vo', `imp.fps "${imp[0]}" is not ${inf.slice(0, -2)}vo`);

    const pret = f.pret;
    need(pret[1].endsWith('sti'), `pret.sps "${pret[1]}" does not end in -sti`);
    const y = pret[1].slice(0, -3);
    need(pret[3] === y + 'mmo', `pret.fpp "${pret[3]}" is not ${y}mmo`);
    need(pret[4] === y + 'ste', `pret.spp "${pret[4]}" is not ${y}ste`);
    const s1 = pret[0];
    let s3, p3;
    if (s1.endsWith('ai')) { s3 = s1.slice(0, -2) + 'ò'; p3 = [s1.slice(0, -2) + 'arono']; }
    else if (s1.endsWith('etti')) { s3 = s1.slice(0, -4) + 'ette'; p3 = [s1.slice(0, -4) + 'ettero']; }
    else if (s1.endsWith('ei') && s1.slice(0, -2) === y.slice(0, -1)) { s3 = s1.slice(0, -2) + 'é'; p3 = [s1.slice(0, -2) + 'erono']; }
    else if (s1.endsWith('ii') && s1.slice(0, -2) === y.slice(0, -1)) { s3 = s1.slice(0, -2) + 'ì'; p3 = [s1.slice(0, -2) + 'irono']; }
    else { s3 = s1.slice(0, -1) + 'e'; p3 = [s1.slice(0, -1) + 'ero']; }
    need(s1.endsWith('i'), `pret.fps "${s1}" does not end in -i`);
    need(pret[2] === s3, `pret.tps "${pret[2]}" does not match pret.fps "${s1}" (expected ${s3})`);
    need(p3.includes(pret[5]), `pret.tpp "${pret[5]}" does not match pret.fps "${s1}" (expected ${p3.join(' or ')})`);
    ['ssi', 'ssi', 'sse', 'ssimo', 'ste', 'ssero'].forEach((e, i) => need(f.sub_imp[i] === y + e, `sub_imp.${PERSONS[i]} "${f.sub_imp[i]}" is not ${y}${e}`));
  }

  const fut = f.fut;
  need(fut[0].endsWith('rò'), `fut.fps "${fut[0]}" does not end in -rò`);
  const r = fut[0].slice(0, -1);
  ['ò', 'ai', 'à', 'emo', 'ete', 'anno'].forEach((e, i) => need(fut[i] === r + e, `fut.${PERSONS[i]} "${fut[i]}" is not ${r}${e}`));
  ['ei', 'esti', 'ebbe', 'emmo', 'este', 'ebbero'].forEach((e, i) => need(f.cond[i] === r + e, `cond.${PERSONS[i]} "${f.cond[i]}" is not ${r}${e}`));
  if (cls === 'are' && !/^(andare|dare|fare|stare)$/.test(inf)) {
    const expected = joinAre(inf.slice(0, -3), 'erò');
    need(expected.includes(fut[0]), `fut.fps "${fut[0]}" is not ${expected.join(' or ')}`);
  }

  const sp = f.sub_pres;
  need(sp[0] === sp[1] && sp[1] === sp[2], `sub_pres singular persons differ: ${sp.slice(0, 3).join(' ')}`);
  need(sp[3] === pres[3], `sub_pres.fpp "${sp[3]}" is not ind_pres.fpp "${pres[3]}"`);
  need(sp[4] === pres[3].slice(0, -3) + 'ate', `sub_pres.spp "${sp[4]}" is not ${pres[3].slice(0, -3)}ate`);
  need(sp[5] === sp[2] + 'no', `sub_pres.tpp "${sp[5]}" is not ${sp[2]}no`);

  if (!f.noImperative) {
    const tu = f.tu;
    need(tu !== '', 'imperative.sps is empty');
    const tuOk = tu === (cls === 'are' ? pres[2] : pres[1]) || SPECIAL_TU_IMPERATIVES.has(tu);
    need(tuOk, `imperative.sps "${tu}" is neither the indicative form nor a known irregular imperative`);
    need(f.voi === pres[4] || f.voi === sp[4], `imperative.spp "${f.voi}" is neither ind_pres.spp nor sub_pres.spp`);
    if (f.lexNoi) need(f.lexNoi === pres[3], `lexicon imperative noi "${f.lexNoi}" differs from ind_pres.fpp "${pres[3]}"`);
  }

  need(/o$/.test(f.pp) && LETTERS.test(f.pp), `past_participle "${f.pp}" is not a masculine singular form`);
  need(/ndo$/.test(f.gerund) && LETTERS.test(f.gerund), `gerund "${f.gerund}" is not a plain gerund`);
  const g = isEssere ? 'essendo' : gerundFromImperfect(inf, f.imp[0]);
  need(f.gerundReviewed || f.gerund === g, `gerund "${f.gerund}" does not match the imperfect (expected ${g})`);
  void impersonal;
  return p;
}

// ---------------------------------------------------------------- checking corrections

const FUT_ENDINGS = ['ò', 'ai', 'à', 'emo', 'ete', 'anno'];
const COND_ENDINGS = ['ei', 'esti', 'ebbe', 'emmo', 'este', 'ebbero'];
const IMP_ENDINGS = ['vo', 'vi', 'va', 'vamo', 'vate', 'vano'];
const SUB_IMP_ENDINGS = ['ssi', 'ssi', 'sse', 'ssimo', 'ste', 'ssero'];

// The forms the other persons of the same tense (or the tenses built on the same stem) predict
// for one slot of a finished paradigm.
function ownPattern(inf, f, el, i) {
  const other = (list, endings) => {
    const j = i === 1 ? 2 : 1;
    return list[j].endsWith(endings[j]) ? [list[j].slice(0, -endings[j].length) + endings[i]] : [];
  };
  const y = f.pret[1].slice(0, -3);
  switch (el) {
    case 'fut': return [...other(f.fut, FUT_ENDINGS), f.cond[0].slice(0, -2) + FUT_ENDINGS[i]];
    case 'cond': return [...other(f.cond, COND_ENDINGS), f.fut[1].slice(0, -2) + COND_ENDINGS[i]];
    case 'imp': return other(f.imp, IMP_ENDINGS);
    case 'sub_imp': return [y + SUB_IMP_ENDINGS[i]];
    case 'sub_pres': return [[f.sub_pres[1]], [f.sub_pres[2]], [f.sub_pres[0]], [f.ind_pres[3]],
      [f.ind_pres[3].slice(0, -3) + 'ate'], [f.sub_pres[2] + 'no']][i];
    case 'ind_pres': return i === 3 ? [f.sub_pres[3]] : i === 4 ? [inf.slice(0, -2) + 'te'] : [];
    case 'pret': {
      const s1 = f.pret[0];
      const s3 = f.pret[2];
      if (i === 3) return [y + 'mmo'];
      if (i === 4) return [y + 'ste'];
      if (i === 0) return s3.endsWith('ette') ? [s3.slice(0, -4) + 'etti'] : [s3.slice(0, -1) + 'i'];
      if (i === 2) return s1.endsWith('etti') ? [s1.slice(0, -4) + 'ette'] : s1.endsWith('ei') ? [s1.slice(0, -2) + 'é'] : [s1.slice(0, -1) + 'e'];
      if (i === 5) return s1.endsWith('etti') ? [s1.slice(0, -4) + 'ettero'] : [s1.slice(0, -1) + 'ero', s1.slice(0, -2) + 'erono'];
      return [];
    }
    case 'imperative': return i === 4 ? [f.ind_pres[4], f.sub_pres[4]] : i === 1 ? [inf.endsWith('are') ? f.ind_pres[2] : f.ind_pres[1]] : [];
    case 'gerund': return [gerundFromImperfect(inf, f.imp[0])];
    // A strong past historic in -si gives its participle (concessi, concesso; discussi, discusso).
    case 'past_participle': return f.pret[0].endsWith('si') ? [f.pret[0].slice(0, -1) + 'o'] : [];
    default: return [];
  }
}

// How a corrected form was checked: against the regular model of its conjugation, against the
// other forms of its paradigm, or against the same form of the verb it is built on (prevedere on
// vedere). Forms none of these confirm are irregular forms taken from the reviewed corrections.
function verification(inf, slot, value, finished) {
  const f = finished.get(inf);
  if (!f) return 'verb not written';
  if (slot === 'imperative') return value === '' ? 'no imperative (modal verb)' : 'regular imperative: tu and voi from the present indicative';
  const [el, person] = slot.split('.');
  const i = PERSONS.indexOf(person);
  const cls = infinitiveClass(inf);
  if (cls !== 'contracted') {
    const model = REGULAR_ENDINGS[cls];
    const spec = el === 'past_participle' ? model.pp[0] : el === 'imperative' && i === 1 ? model.tu[0] : el === 'imperative' ? null : (model[el] || [])[i];
    if (spec && regularCandidates(cls, inf.slice(0, -3), spec).includes(value)) return `regular -${cls} pattern`;
  }
  if (ownPattern(inf, f, el, i).includes(value)) return 'the pattern of its own paradigm';
  if (el === 'imperative' && i === 1 && SPECIAL_TU_IMPERATIVES.has(value)) return `one of the short imperatives of the grammars (${[...SPECIAL_TU_IMPERATIVES].join(' ')})`;
  for (const [base, g] of finished) {
    if (base === inf || !inf.endsWith(base)) continue;
    const prefix = inf.slice(0, -base.length);
    const baseForm = el === 'past_participle' ? g.pp : el === 'gerund' ? g.gerund : el === 'imperative' ? (i === 1 ? g.tu : g.voi) : (g[el] || [])[i];
    if (baseForm && prefix + baseForm === value) return `as ${base} (${baseForm})`;
  }
  return 'irregular form, reviewed';
}

// ---------------------------------------------------------------- English checks

function splitEnglish(s) {
  if (s.length >= 3 && s.startsWith('be ')) return ['be', s.slice(2)];
  const parts = s.split('|');
  return [parts[0], parts.length > 1 ? parts.slice(1).join('') : ''];
}

function englishProblems(row, irregular) {
  const p = [];
  const eng = row.english_inf;
  const [head, rest] = splitEnglish(eng);
  if (!eng) p.push('english_inf is empty');
  if (/^to /.test(eng)) p.push(`english_inf "${eng}" starts with "to"`);
  if ((eng.match(/\|/g) || []).length > 1) p.push(`english_inf "${eng}" has more than one bar`);
  if (eng.includes('|') && !rest.startsWith(' ')) p.push(`english_inf "${eng}": the part after the bar must start with a blank`);
  if (/\s/.test(head)) p.push(`english_inf "${eng}": head "${head}" has a blank; use a bar after the head word`);
  if (eng !== eng.trim()) p.push(`english_inf "${eng}" has surrounding blanks`);
  const irr = irregular.get(head);
  if (eng === 'can') {
    if (row.english_simple_past !== 'could') p.push('can: english_simple_past must be "could"');
    if (!row.english_past_participle) p.push('can: english_past_participle is needed');
  } else if (eng === 'must') {
    if (row.english_simple_past !== 'had to') p.push('must: english_simple_past must be "had to"');
    if (!row.english_past_participle) p.push('must: english_past_participle is needed');
  } else if (irr) {
    if (row.english_simple_past !== irr.past + rest) p.push(`english_simple_past "${row.english_simple_past}" should be "${irr.past + rest}"`);
    if (row.english_past_participle !== irr.participle + rest) p.push(`english_past_participle "${row.english_past_participle}" should be "${irr.participle + rest}"`);
  }
  return p;
}

// ---------------------------------------------------------------- XML output

function xmlText(s) {
  return s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

function verbXml(v) {
  const lines = ['  <verb>'];
  const leaf = (name, value) => lines.push(`    <${name}>${xmlText(value)}</${name}>`);
  leaf('infinitive', v.infinitive);
  leaf('reflexive', String(v.reflexive));
  leaf('preposition', v.preposition);
  leaf('english_inf', v.english_inf);
  leaf('english_simple_past', v.english_simple_past);
  leaf('english_past_participle', v.english_past_participle);
  leaf('english_inf_extra', v.english_inf_extra);
  leaf('gloss', v.gloss);
  leaf('english_past_shift', v.english_past_shift);
  leaf('notes', v.notes);
  leaf('tags', v.tags.join(','));
  leaf('past_participle', v.pp);
  leaf('gerund', v.gerund);
  leaf('impersonal', String(v.impersonal));
  leaf('perfect_essere', String(v.perfect_essere));
  leaf('stative', String(v.stative));
  leaf('either_auxiliary', String(v.either_auxiliary));
  for (const tense of ['ind_pres', 'imp', 'pret', 'fut', 'cond', 'sub_pres', 'sub_imp', 'imperative']) {
    lines.push(`    <${tense}>`);
    v.tenses[tense].forEach((form, i) => lines.push(`      <${PERSONS[i]}>${xmlText(form)}</${PERSONS[i]}>`));
    lines.push(`    </${tense}>`);
  }
  lines.push('  </verb>');
  return lines.join('\n');
}

// ---------------------------------------------------------------- main

function main() {
  const rows = readTsv(path.join(HERE, 'verbs.tsv'));
  const corrections = readTsv(path.join(HERE, 'corrections.tsv'));
  const irregular = readIrregularEnglish(path.join(HERE, 'irregular_english.txt'));
  const lexicon = loadLexicon();
  rows.forEach((row, i) => {
    row.line = i + 2;
    row.key = row.reflexive === 'yes' ? row.infinitive.slice(0, -1) + 'si' : row.infinitive;
  });
  const ranks = rankVerbs(HERE, (lemma) => lexicon.lookup(lemma), rows);
  const table = [...rows].sort((a, b) => ranks.get(a.key).rank - ranks.get(b.key).rank || a.line - b.line);
  const versions = { 'italian-verbs-dict': packageVersion('italian-verbs-dict'), 'italian-verbs': packageVersion('italian-verbs') };

  const correctionsByVerb = new Map();
  for (const c of corrections) {
    if (!correctionsByVerb.has(c.verb)) correctionsByVerb.set(c.verb, []);
    correctionsByVerb.get(c.verb).push(c);
  }
  const usedCorrections = new Set();

  const unfilled = []; // [verb, problems]
  const problems = []; // table-level problems
  const derivedGerunds = [];
  const noCommands = [];
  const repairs = [];
  const finished = new Map(); // infinitive -> its forms, for checking corrections
  const verbs = [];
  const seenKeys = new Map();

  table.forEach((row, index) => {
    const inf = row.infinitive;
    const where = `verbs.tsv line ${row.line} (${inf})`;
    let reflexive, perfectEssere, impersonal, stative, commands, eitherAuxiliary;
    try {
      reflexive = yesNo(row.reflexive, `${where} reflexive`);
      perfectEssere = yesNo(row.perfect_essere, `${where} perfect_essere`);
      impersonal = yesNo(row.impersonal, `${where} impersonal`);
      stative = yesNo(row.stative, `${where} stative`);
      commands = yesNo(row.imperative, `${where} imperative`);
      eitherAuxiliary = yesNo(row.either_auxiliary, `${where} either_auxiliary`);
    } catch (e) {
      problems.push(e.message);
      return;
    }
    if (!/^[a-z]+(are|ere|ire|rre)$/.test(inf)) problems.push(`${where}: infinitive must be a plain -are, -ere, -ire or -rre infinitive`);
    if (reflexive && inf.endsWith('rre')) problems.push(`${where}: a reflexive -rre verb would get a wrong key; leave it out`);
    if (reflexive && !perfectEssere) problems.push(`${where}: a reflexive verb takes essere`);
    const key = (reflexive ? inf.slice(0, -1) + 'si' : inf).replace(/\|/g, '').toLowerCase();
    if (seenKeys.has(key)) problems.push(`${where}: key ${key} already used on line ${seenKeys.get(key)}`);
    seenKeys.set(key, row.line);

    const themes = row.themes.split(',');
    if (row.themes === '' || themes.some((t) => !THEMES.includes(t))) problems.push(`${where}: themes "${row.themes}" must be a comma-separated list of ${THEMES.join(', ')}`);
    if (new Set(themes).size !== themes.length) problems.push(`${where}: a theme is repeated`);
    for (const field of ['english_inf', 'english_inf_extra', 'gloss', 'english_past_shift', 'english_simple_past', 'english_past_participle', 'notes', 'preposition']) {
      if (row[field] !== row[field].trim()) problems.push(`${where}: ${field} has surrounding blanks`);
    }
    for (const msg of englishProblems(row, irregular)) problems.push(`${where}: ${msg}`);

    // ---- forms from the lexicon
    const info = lexicon.lookup(inf);
    if (!info) {
      unfilled.push([inf, ['not in the lexicon']]);
      return;
    }
    const pick = (mood, tense) => LEX_PERSONS.map((lp) => plainText(((info[mood] || {})[tense] || {})[lp]));
    const f = {};
    for (const [tense, mood, lexTense] of TENSES) f[tense] = pick(mood, lexTense);
    const impr = (info.impr || {}).pres || {};
    f.tu = plainText(impr.S2);
    f.voi = plainText(impr.P2);
    f.lexNoi = plainText(impr.P1);
    f.pp = plainText(((info.part || {}).past || {}).S);
    const lexGerund = stripClitics(plainText((info.ger || {}).pres));
    f.gerund = lexGerund;
    f.noImperative = false;

    // ---- repairs of the lexicon's systematic slips, each reported
    const repair = (slot, from, to, why) => { repairs.push({ inf, slot, from, to, why }); };
    if (f.fut[0] !== '' && f.fut[0] === f.fut[2] && f.fut[0].endsWith('à')) {
      const to = f.fut[0].slice(0, -1) + 'ò';
      repair('fut.fps', f.fut[0], to, 'the lexicon repeats the third person');
      f.fut[0] = to;
    }
    if (inf.endsWith('ere') && f.pret[2].endsWith('è')) {
      const to = f.pret[2].slice(0, -1) + 'é';
      repair('pret.tps', f.pret[2], to, 'the -ere past historic takes an acute accent');
      f.pret[2] = to;
    }
    if (inf.endsWith('ere')) {
      const stem = f.pret[1].slice(0, -4); // cred(e)sti
      if (f.pret[0] === stem + 'etti' && f.pret[2] === stem + 'é') {
        repair('pret.tps', f.pret[2], stem + 'ette', `matches pret.fps ${f.pret[0]}`);
        f.pret[2] = stem + 'ette';
      } else if (f.pret[0] === stem + 'ei' && f.pret[2] === stem + 'ette' && f.pret[5] === stem + 'ettero') {
        repair('pret.fps', f.pret[0], stem + 'etti', `matches pret.tps ${f.pret[2]}`);
        f.pret[0] = stem + 'etti';
      }
    }
    if (!info.impr) {
      const tu = inf.endsWith('are') ? f.ind_pres[2] : f.ind_pres[1];
      repair('imperative', '', `${tu}, ${f.ind_pres[4]}`, 'the lexicon has no imperative; taken from the present indicative');
      f.tu = tu;
      f.voi = f.ind_pres[4];
    }

    // ---- reviewed corrections
    for (const c of correctionsByVerb.get(inf) || []) {
      const value = c.form === '-' ? '' : c.form;
      const [el, person] = c.slot.split('.');
      const tenseIndex = PERSONS.indexOf(person);
      let old;
      if (f[el] && tenseIndex >= 0 && el !== 'imperative') { old = f[el][tenseIndex]; f[el][tenseIndex] = value; }
      else if (c.slot === 'imperative.sps') { old = f.tu; f.tu = value; }
      else if (c.slot === 'imperative.spp') { old = f.voi; f.voi = value; }
      else if (c.slot === 'imperative') { old = 'all persons'; f.noImperative = true; f.lexNoi = ''; }
      else if (c.slot === 'past_participle') { old = f.pp; f.pp = value; }
      else if (c.slot === 'gerund') { old = f.gerund; f.gerund = value; }
      else { problems.push(`corrections.tsv: unknown slot "${c.slot}" for ${inf}`); continue; }
      if (old === value) problems.push(`corrections.tsv: ${inf} ${c.slot} is already "${value}" in the lexicon; drop the line`);
      usedCorrections.add(c);
      c.old = old;
      if (c.slot === 'ind_pres.fpp') f.lexNoi = ''; // the lexicon's imperative repeats its own (corrected) form
      if (c.slot === 'gerund') f.gerundReviewed = true;
    }

    // A verb Italian does not command with (basta! costa! piaci!) has no imperative table.
    if (!commands) {
      if (f.noImperative) problems.push(`${where}: imperative "no" and a correction both remove the imperative`);
      noCommands.push(inf);
      f.noImperative = true;
      f.lexNoi = '';
    }

    // ---- gerund fallback: the lexicon's gerund is sometimes another form
    if (!/ndo$/.test(f.gerund)) {
      const g = inf === 'essere' ? 'essendo' : gerundFromImperfect(inf, f.imp[0]);
      if (g) {
        derivedGerunds.push(`${inf}: lexicon gerund "${plainText((info.ger || {}).pres)}", used ${g}`);
        f.gerund = g;
      }
    }

    const bad = paradigmProblems(inf, f, impersonal);
    if (bad.length) {
      unfilled.push([inf, bad]);
      return;
    }

    // ---- imperative: io empty, Lei and Loro from the present subjunctive
    let imperative;
    if (f.noImperative) {
      imperative = ['', '', '', '', '', ''];
    } else {
      imperative = ['', f.tu, f.sub_pres[2], f.ind_pres[3], f.voi, f.sub_pres[5]];
      if (reflexive) {
        if (/['àèéìòù]$/.test(f.tu)) {
          unfilled.push([inf, [`imperative.sps "${f.tu}" needs a doubled pronoun; add the reflexive imperative by hand`]]);
          return;
        }
        imperative = imperative.map((form, i) => (i === 0 ? '' : REFLEXIVE_IMPERATIVE[i](form)));
      }
    }

    const tags = [...themes];
    const irregularVerb = isIrregular(inf, f);
    if (irregularVerb) tags.push('Irregular');
    if (reflexive) tags.push('Reflexive');
    for (const [name, size] of TOP_SETS) if (index < size) tags.push(name);

    finished.set(inf, f);
    verbs.push({
      infinitive: inf,
      key,
      reflexive,
      preposition: row.preposition,
      english_inf: row.english_inf,
      english_simple_past: row.english_simple_past,
      english_past_participle: row.english_past_participle,
      english_inf_extra: row.english_inf_extra,
      gloss: row.gloss,
      english_past_shift: row.english_past_shift,
      notes: row.notes,
      tags,
      pp: f.pp,
      gerund: f.gerund,
      impersonal,
      perfect_essere: perfectEssere,
      stative,
      either_auxiliary: eitherAuxiliary,
      tenses: {
        ind_pres: f.ind_pres, imp: f.imp, pret: f.pret, fut: f.fut, cond: f.cond,
        sub_pres: f.sub_pres, sub_imp: f.sub_imp, imperative,
      },
    });
  });

  for (const c of corrections) {
    if (!usedCorrections.has(c)) problems.push(`corrections.tsv: ${c.verb} ${c.slot} applies to no verb of the table`);
  }

  // ---- model verbs: a compound conjugates like the verb it is built on (ottenere like tenere),
  // form for form; a verb with a model of another shape (dolere like valere) is read by hand.
  const modelled = [];
  for (const row of table) {
    if (!row.model || row.reflexive === 'yes') continue;
    const f = finished.get(row.infinitive);
    const g = finished.get(row.model);
    if (!f) continue;
    if (!g) { problems.push(`verbs.tsv line ${row.line} (${row.infinitive}): model ${row.model} is not a verb of the table`); continue; }
    if (!row.infinitive.endsWith(row.model)) { modelled.push(`${row.infinitive} like ${row.model} (a pattern, read by hand)`); continue; }
    const prefix = row.infinitive.slice(0, -row.model.length);
    const plain = (s) => s.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
    const differ = [];
    for (const [el] of TENSES) {
      f[el].forEach((form, i) => { if (plain(form) !== plain(prefix + g[el][i])) differ.push(`${el}.${PERSONS[i]} ${form} (${prefix}${g[el][i]})`); });
    }
    if (f.pp !== prefix + g.pp) differ.push(`past_participle ${f.pp} (${prefix}${g.pp})`);
    if (f.gerund !== prefix + g.gerund) differ.push(`gerund ${f.gerund} (${prefix}${g.gerund})`);
    if (differ.length) problems.push(`${row.infinitive} does not conjugate like its model ${row.model}: ${differ.join(', ')}`);
    else modelled.push(`${row.infinitive} like ${row.model}: every form`);
  }

  // ---- set sizes
  const setCounts = new Map([...THEMES, ...GRAMMAR_SETS].map((t) => [t, 0]));
  for (const v of verbs) for (const t of v.tags) setCounts.set(t, setCounts.get(t) + 1);
  for (const t of THEMES) {
    if (setCounts.get(t) < MIN_PER_THEME) problems.push(`theme ${t} has only ${setCounts.get(t)} verbs (at least ${MIN_PER_THEME} needed)`);
    if (setCounts.get(t) > MAX_THEME_SHARE * verbs.length) problems.push(`theme ${t} holds ${setCounts.get(t)} of ${verbs.length} verbs, more than ${MAX_THEME_SHARE * 100}%`);
  }
  if (!verbs.some((v) => v.infinitive === 'morire')) problems.push('morire is missing');
  if (verbs.length < MIN_VERBS) problems.push(`only ${verbs.length} verbs (at least ${MIN_VERBS} needed)`);

  // ---- report
  const r = [];
  r.push('Verb data report');
  r.push('================');
  r.push('');
  r.push(`Lexicon: italian-verbs-dict ${versions['italian-verbs-dict']} (morph-it), essere and avere from italian-verbs ${versions['italian-verbs']}`);
  r.push(`Order: word-form frequencies of @zxcvbn-ts/language-it ${listVersion(HERE)} (OpenSubtitles 2018 list, then the Wikipedia list); see frequency.js`);
  r.push(`Verbs in the table: ${table.length}`);
  r.push(`Verbs written: ${verbs.length}`);
  r.push('');
  r.push('Verbs per set:');
  for (const [t, n] of setCounts) r.push(`  ${t}: ${n}`);
  r.push('');
  r.push(`Verbs that could not be filled: ${unfilled.length}`);
  for (const [inf, msgs] of unfilled) {
    r.push(`  ${inf}`);
    for (const m of msgs) r.push(`    ${m}`);
  }
  r.push('');
  r.push(`Table problems: ${problems.length}`);
  for (const m of problems) r.push(`  ${m}`);
  r.push('');
  r.push(`Lexicon corrections applied: ${usedCorrections.size}`);
  for (const c of corrections) {
    if (usedCorrections.has(c)) r.push(`  ${c.verb} ${c.slot}: ${c.old || '(empty)'} -> ${c.form === '-' ? '(empty)' : c.form}: ${c.reason}; checked: ${verification(c.verb, c.slot, c.form === '-' ? '' : c.form, finished)}`);
  }
  r.push('');
  r.push(`Systematic lexicon slips repaired: ${repairs.length}`);
  for (const m of repairs) r.push(`  ${m.inf} ${m.slot}: ${m.from || '(empty)'} -> ${m.to} (${m.why}); checked: ${verification(m.inf, m.slot, m.to, finished)}`);
  r.push('');
  r.push(`Verbs read against their model verb (model in verbs.tsv): ${modelled.length}`);
  for (const m of modelled) r.push(`  ${m}`);
  r.push('');
  r.push(`Verbs without an imperative because Italian does not command with them (imperative "no" in verbs.tsv): ${noCommands.length}`);
  if (noCommands.length) r.push(`  ${noCommands.join(' ')}`);
  r.push('');
  r.push(`Gerunds taken from the imperfect (the lexicon's gerund was not a gerund): ${derivedGerunds.length}`);
  for (const m of derivedGerunds) r.push(`  ${m}`);
  r.push('');
  r.push('Frequency order (rank, key, tier, score; tiers: 0 subtitles, 1 Wikipedia, 2 and 3 the same');
  r.push('with noun and adjective homographs at half weight, 4 not reached, by key):');
  const tiers = [0, 0, 0, 0, 0];
  for (const row of table) tiers[ranks.get(row.key).tier] += 1;
  r.push(`  verbs per tier: ${tiers.join(', ')}`);
  for (const row of table) {
    const k = ranks.get(row.key);
    r.push(`  ${k.rank} ${row.key} ${k.tier} ${k.score.toExponential(3)}`);
  }
  r.push('');
  const report = r.join('\n') + '\n';
  fs.writeFileSync(REPORT_PATH, report);
  process.stdout.write(report);

  if (unfilled.length || problems.length) {
    process.stderr.write(`\nFAILED: ${unfilled.length} verbs could not be filled, ${problems.length} table problems. Nothing written to ${OUT_PATH}.\n`);
    process.exit(1);
  }

  const xml = [
    '<?xml version="1.0" encoding="UTF-8"?>',
    '<!-- Italian verb data. Generated by tools/verbdata/generate.js; do not edit by hand.',
    `     Italian forms from Morph-it! (italian-verbs-dict ${versions['italian-verbs-dict']}), (c) Marco Baroni and Eros Zanchetta,`,
    '     licensed under CC BY-SA 2.0 and the GNU LGPL; see tools/verbdata/LICENSE-morph-it.txt. -->',
    '<verbs>',
    ...verbs.map(verbXml),
    '</verbs>',
    '',
  ].join('\n');
  fs.mkdirSync(path.dirname(OUT_PATH), { recursive: true });
  fs.writeFileSync(OUT_PATH, xml);
  process.stdout.write(`Wrote ${verbs.length} verbs to ${path.relative(process.cwd(), OUT_PATH) || OUT_PATH}\n`);
}

main();
