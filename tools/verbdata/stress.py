#!/usr/bin/env python3
"""Writes resources/stress.tsv: the forms of each verb whose stress falls before the
next-to-last syllable and that carry no written accent, with a grave accent on the stressed
vowel (telefonano: telèfonano).

Where the stress falls comes from espeak-ng's Italian phonemes ('tel'efonano': the ' precedes
the stressed syllable), read here only; the app never runs espeak. stress_exceptions.tsv
overrides espeak where it is wrong.

A form gets a mark when, from its stressed vowel to its end, espeak hears three or more vowels.
The phoneme vowels are then laid against the written vowels from the end: an i or u next to
another vowel may be silent or a glide (mangiano, studiano, seguono) and is skipped when the
phonemes have no vowel for it; a form where the stressed vowel could sit at two written places
is left unmarked and listed. Participles and gerunds never take a mark (their stress is on
the next-to-last syllable: agito as a participle of agire is not the àgito of agitare).

Output: one line per verb that has marked forms, its key (reflexive verbs with -si) and its
marked forms, tab-separated. The plain form is the marked one without its accent.

Usage: stress.py [VERBS_XML] [OUT_TSV]
"""

import os
import subprocess
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, '..', '..')
TENSES = ['ind_pres', 'imp', 'pret', 'fut', 'cond', 'sub_pres', 'sub_imp', 'imperative']
PHONEME_VOWELS = {'a': 'a', 'e': 'e', 'E': 'e', 'i': 'i', 'I': 'i', 'o': 'o', 'O': 'o', 'u': 'u', 'U': 'u'}
GRAVE = {'a': 'à', 'e': 'è', 'i': 'ì', 'o': 'ò', 'u': 'ù'}
ACCENTED = set('àèéìíòóùú')


def verb_key(verb):
    infinitive = verb.findtext('infinitive')
    return infinitive[:-1] + 'si' if verb.findtext('reflexive') == 'true' else infinitive


def verb_words(verb):
    """The single words of the verb's tense forms (imperatives such as "si lavino" hold two)."""
    words = []
    for tense in TENSES:
        element = verb.find(tense)
        for person in element if element is not None else []:
            for word in (person.text or '').split():
                if word not in words:
                    words.append(word)
    return words


def transcribe(words):
    """espeak-ng's phonemes for each word, one clause per word."""
    text = ''.join(word + '.\n' for word in words)
    out = subprocess.run(['espeak-ng', '-v', 'it', '-q', '-x'], input=text, capture_output=True, text=True,
                         check=True).stdout
    lines = [line.strip() for line in out.splitlines() if line.strip()]
    if len(lines) != len(words):
        sys.exit(f'espeak-ng gave {len(lines)} lines for {len(words)} words')
    return dict(zip(words, lines))


def phoneme_vowels(phonemes):
    """The vowels espeak hears, and the index of the stressed one (None when there is none)."""
    phonemes = phonemes.replace('@-', '')
    vowels, stressed = [], None
    for ch in phonemes:
        if ch == "'":
            stressed = len(vowels)
        elif ch in PHONEME_VOWELS:
            vowels.append(PHONEME_VOWELS[ch])
    return vowels, stressed if stressed is not None and stressed < len(vowels) else None


def stressed_letter(form, phonemes, before_penultimate=True):
    """Index in form of the stressed vowel, None when it takes no mark, or 'ambiguous'; with
    before_penultimate false, of any stressed vowel."""
    if any(ch in ACCENTED for ch in form) or not form.isalpha():
        return None
    vowels, stressed = phoneme_vowels(phonemes)
    if stressed is None or (before_penultimate and len(vowels) - stressed < 3):
        return None
    letters = [i for i, ch in enumerate(form) if ch in 'aeiou']

    def optional(i):
        return form[i] in 'iu' and any(0 <= j < len(form) and form[j] in 'aeiou' for j in (i - 1, i + 1))

    # Every way of laying the phoneme vowels on the written ones, from the end.
    places = set()

    def align(li, pi, mark):
        if pi < 0:
            if all(optional(letters[k]) for k in range(li + 1)):
                places.add(mark)
            return
        if li < 0:
            return
        if form[letters[li]] == vowels[pi]:
            align(li - 1, pi - 1, letters[li] if pi == stressed else mark)
        if optional(letters[li]):
            align(li - 1, pi, mark)

    align(len(letters) - 1, len(vowels) - 1, None)
    if len(places) != 1 or None in places:
        return 'ambiguous'
    return places.pop()


def syllables_after(form, at):
    """Written syllables after the stressed vowel at index at. An unstressed i before a vowel
    is a glide (stùdiano, pàio), as is u after q or g (sèguono); u after another consonant is a
    vowel of its own (contìnua), and so are a, e, o in a row (sottolìnea, crèano)."""
    count = 0
    for i in range(at + 1, len(form)):
        if form[i] not in 'aeiou':
            continue
        prev = form[i - 1]
        if prev not in 'aeiou' or i - 1 == at:
            count += 1
        elif prev == 'u':
            count += form[i - 2] not in 'qgaeiou'
        elif prev != 'i':
            count += form[i] not in 'iu'
    return count


# The persons stressed on the stem: in every verb they carry the stress on the same vowel where
# they share the letters up to it (telèfono, telèfoni, telèfona, telèfonano; vèngo, vèngono).
STEM_STRESSED = [('ind_pres', 'fps'), ('ind_pres', 'sps'), ('ind_pres', 'tps'), ('ind_pres', 'tpp'),
                 ('sub_pres', 'fps'), ('sub_pres', 'tpp'), ('imperative', 'sps')]


def stem_stress(verb, phonemes):
    """The stressed vowel of each stem-stressed form, by a vote of the forms that share it.
    espeak falls back on the next-to-last syllable for words it does not know (nevìcano for
    nevicano beside its right nèvica); the vote corrects that from the other persons. A third
    person plural heard on its ending does not vote."""
    forms = []
    for tense, person in STEM_STRESSED:
        form = verb.find(tense).findtext(person) if verb.find(tense) is not None else None
        if form and form.isalpha() and form not in forms:
            forms.append(form)
    heard = {form: stressed_letter(form, phonemes[form], False) for form in forms}
    loro = {verb.find(tense).findtext('tpp') for tense in ('ind_pres', 'sub_pres')}

    def weight(form, at):
        # A third person plural heard on its ending is espeak's fallback; heard on the stem, it
        # is a word espeak knows, which outweighs a singular.
        if form in loro:
            return 2 if syllables_after(form, at) >= 2 else 0
        return 1

    chosen = {}
    for form in forms:
        votes = {}
        for other, at in heard.items():
            if isinstance(at, int) and form[:at + 1] == other[:at + 1]:
                votes[at] = votes.get(at, 0) + weight(other, at)
        best = max(votes.values(), default=0)
        if best == 0:
            continue
        winners = [at for at, n in votes.items() if n == best]
        own = heard[form]
        chosen[form] = own if own in winners else winners[0] if len(winners) == 1 else 'ambiguous'
    return chosen


def read_exceptions():
    exceptions = {}
    with open(os.path.join(HERE, 'stress_exceptions.tsv'), encoding='utf-8') as f:
        for line in f.read().splitlines()[1:]:
            form, marked, _reason = line.split('\t')
            exceptions[form] = marked
    return exceptions


def marked_form(form, phonemes, exceptions, unplaced, stem):
    if form in exceptions:
        return exceptions[form]
    at = stem.get(form, stressed_letter(form, phonemes))
    if isinstance(at, int) and syllables_after(form, at) < 2:
        at = None
    if at == 'ambiguous':
        unplaced.add(form)
        return form
    return form if at is None else form[:at] + GRAVE[form[at]] + form[at + 1:]


def main():
    xml_path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, 'resources', 'verbs.xml')
    out_path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, 'resources', 'stress.tsv')
    verbs = ET.parse(xml_path).getroot().findall('verb')
    words = sorted({word for verb in verbs for word in verb_words(verb)})
    phonemes = transcribe(words)
    exceptions = read_exceptions()
    unused = set(exceptions) - set(words)
    if unused:
        sys.exit('exceptions for forms no verb has: ' + ', '.join(sorted(unused)))
    unplaced, lines, count = set(), [], 0
    for verb in verbs:
        unmarked = {verb.findtext('past_participle'), verb.findtext('gerund')}
        marked = []
        stem = stem_stress(verb, phonemes)
        for word in verb_words(verb):
            mark = marked_form(word, phonemes[word], exceptions, unplaced, stem)
            if mark != word and word not in unmarked:
                marked.append(mark)
        if marked:
            lines.append('\t'.join([verb_key(verb)] + marked))
            count += len(marked)
    with open(out_path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')
    print(f'{count} marked forms of {len(lines)} verbs written to {os.path.relpath(out_path)}')
    if unplaced:
        print('left unmarked, stressed vowel not placed: ' + ', '.join(sorted(unplaced)))


if __name__ == '__main__':
    main()
