#!/usr/bin/env python3
"""Checks the grammar quiz data file resources/quizzes.xml.

The app's quiz reader takes every element text verbatim (no trimming), plays
ten random questions of a quiz, fills the "_____" blank with the right answer,
and stores per-verb points under the question's linked verb key.  This script
enforces the rules the data has to follow for that to work:

  * the file is well-formed XML, made only of elements the reader knows;
  * at least 15 quizzes, each with at least 12 questions;
  * quiz ids are unique lower-case slugs (they are deep-link hosts and score
    keys), every quiz has a title and a description;
  * every question holds exactly one blank of five underscores, a non-empty
    answer, a clue, an explanation and a linked verb;
  * every question has three wrong alternatives, each non-empty, none equal
    to the answer and no two alike, so the four answer buttons always show
    four different choices;
  * no two questions share the same text;
  * no leaf text starts or ends with white space or holds a line break;
  * every quiz has a level, one of A1, A2, B1, B2 (the quiz menu groups by it);
  * every linked verb is a key of resources/verbs.xml (when that file exists),
    and one of its forms occurs in the answer (a compound form through its
    participle, a form with clitics through its stem), so that the point goes
    to the verb the learner used.

Usage: check.py [--quizzes PATH] [--verbs PATH] [--list-verbs] [--summary]
Exit status 0 when every check passes, 1 otherwise.  Python 3 stdlib only.
"""

import argparse
import os
import re
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DEFAULT_QUIZZES = os.path.join(ROOT, "resources", "quizzes.xml")
DEFAULT_VERBS = os.path.join(ROOT, "resources", "verbs.xml")

MIN_QUIZZES = 15
MIN_ITEMS = 12
BLANK = "_____"
SLUG = re.compile(r"^[a-z0-9]+(-[a-z0-9]+)*$")

QUIZ_LEAVES = ("id", "title", "description", "level")
LEVELS = ("A1", "A2", "B1", "B2")
ALTS = ("alt1", "alt2", "alt3")
ITEM_LEAVES = ("question", "answer", "alt1", "alt2", "alt3", "clue",
               "image_named", "explanation", "linked_verb")
ITEM_REQUIRED = ("question", "answer", "clue", "explanation", "linked_verb")


def verb_key(infinitive, reflexive):
    """Key under which the app stores a verb: reflexive verbs stored as
    'lavare' become 'lavarsi'; bar marks go; lower case."""
    key = infinitive
    if reflexive:
        key = key[:-1] + "si"
    return key.replace("|", "").lower()


FORM_ELEMENTS = ("ind_pres", "imp", "pret", "fut", "cond", "sub_pres", "sub_imp", "imperative")
WORD = re.compile(r"[a-zàèéìòù']+")


def verb_forms(verb):
    """Every form of a verb as words: its simple forms, the participle in its four endings, the
    gerund and the infinitive without its final e (farlo, andarci, sedersi)."""
    forms = set()
    for tense in FORM_ELEMENTS:
        for person in verb.findall(f"{tense}/*"):
            forms.update(WORD.findall((person.text or "").lower()))
    participle = (verb.findtext("past_participle") or "").lower()
    if participle:
        forms.update(participle[:-1] + ending for ending in "oaie")
    forms.update(WORD.findall((verb.findtext("gerund") or "").lower()))
    infinitive = (verb.findtext("infinitive") or "").replace("|", "").lower()
    forms.update({infinitive, infinitive[:-1]})
    return forms


def load_verb_keys(path):
    """Map of every verb key to the set of its forms."""
    tree = ET.parse(path)
    keys = {}
    for verb in tree.getroot().iter("verb"):
        infinitive = verb.findtext("infinitive") or ""
        reflexive = (verb.findtext("reflexive") or "") == "true"
        keys[verb_key(infinitive, reflexive)] = verb_forms(verb)
    return keys


CLITICS = re.compile(r"(mi|ti|si|ci|vi|me|te|se|ce|ve|gli|glie|lo|la|li|le|ne)+")


def uses_verb(answer, forms):
    """Whether a word of the answer is a form of the verb, alone or with clitics after it (mettilo,
    alzati, facendolo, dirglielo, dimmi)."""
    short = [form for form in forms if form.endswith("'")]
    for word in re.findall(r"[a-zàèéìòù']+", answer.lower()):
        word = word.strip("'")
        if word in forms or any(w in forms for w in word.split("'")):
            return True
        for cut in range(1, len(word)):
            if not CLITICS.fullmatch(word[cut:]):
                continue
            bare = word[:cut]
            if bare in forms or bare + "e" in forms:
                return True
            # A short imperative doubles the clitic's consonant (di' + mi gives dimmi) but for gli
            # (digli).
            doubled = "" if word[cut:].startswith("gli") else word[cut]
            if any(bare == form[:-1] + doubled for form in short):
                return True
    return False


class Report:
    def __init__(self):
        self.errors = []

    def error(self, where, message):
        self.errors.append(f"{where}: {message}")


def leaf_text(element):
    """Text of a leaf element as the reader sees it (all character data)."""
    return "".join(element.itertext())


def check_leaf(report, where, element):
    if len(element):
        report.error(where, f"<{element.tag}> must not contain elements")
    if element.attrib:
        report.error(where, f"<{element.tag}> has attributes, which the reader ignores")
    text = leaf_text(element)
    if text != text.strip():
        report.error(where, f"<{element.tag}> text has white space at its ends: {text!r}")
    if "\n" in text or "\r" in text or "\t" in text:
        report.error(where, f"<{element.tag}> text holds a line break or tab")
    if "  " in text:
        report.error(where, f"<{element.tag}> text holds a double blank")
    return text


def single_children(report, where, parent, names):
    """Map of leaf name -> text for the direct children of parent; reports
    repeated and unknown children."""
    found = {}
    for child in parent:
        if child.tag not in names:
            continue
        if child.tag in found:
            report.error(where, f"<{child.tag}> appears more than once")
        found[child.tag] = check_leaf(report, where, child)
    return found


def check_item(report, where, item, seen_questions):
    for child in item:
        if child.tag not in ITEM_LEAVES:
            report.error(where, f"unexpected element <{child.tag}> in <item>")
    fields = single_children(report, where, item, ITEM_LEAVES)
    for name in ITEM_REQUIRED:
        if not fields.get(name):
            report.error(where, f"missing or empty <{name}>")

    question = fields.get("question", "")
    if question.count(BLANK) != 1 or question.count("_") != len(BLANK):
        report.error(where, f"question needs exactly one blank of five underscores: {question!r}")
    if question in seen_questions:
        report.error(where, f"question text repeats {seen_questions[question]}: {question!r}")
    else:
        seen_questions[question] = where

    # Options that differ only in capitals read as the same choice on a button.
    answer = fields.get("answer", "")
    alts = [fields[name] for name in ALTS if fields.get(name)]
    for name in ALTS:
        if fields.get(name) and fields[name].casefold() == answer.casefold():
            report.error(where, f"<{name}> equals the answer {answer!r}")
    distinct = {alt.casefold() for alt in alts}
    if len(distinct) != len(alts):
        report.error(where, f"alternatives repeat: {alts}")
    if len(distinct - {answer.casefold()}) < len(ALTS):
        report.error(where, "needs three distinct non-empty wrong alternatives")
    if "image_named" in fields:
        report.error(where, "<image_named> is not used by this data")

    explanation = fields.get("explanation", "")
    if explanation and explanation[-1] not in ".!?)":
        report.error(where, "explanation should end with a full stop")
    return fields


def check_quiz(report, index, quiz, seen_ids, seen_questions):
    where = f"quiz #{index + 1}"
    for child in quiz:
        if child.tag not in QUIZ_LEAVES and child.tag != "item":
            report.error(where, f"unexpected element <{child.tag}> in <quiz>")
    fields = single_children(report, where, quiz, QUIZ_LEAVES)
    quiz_id = fields.get("id", "")
    if quiz_id:
        where = f"quiz {quiz_id}"
    if not SLUG.match(quiz_id):
        report.error(where, f"id must be a lower-case slug: {quiz_id!r}")
    if quiz_id in seen_ids:
        report.error(where, "id is not unique")
    seen_ids.add(quiz_id)
    for name in ("title", "description"):
        if not fields.get(name):
            report.error(where, f"missing or empty <{name}>")
    if fields.get("level") not in LEVELS:
        report.error(where, f"level must be one of {', '.join(LEVELS)}: {fields.get('level')!r}")

    items = quiz.findall("item")
    if len(items) < MIN_ITEMS:
        report.error(where, f"has {len(items)} questions, needs at least {MIN_ITEMS}")
    # Elements the reader would pick up from anywhere inside the quiz.
    for element in quiz.iter():
        if element.tag == "id" and element not in list(quiz):
            report.error(where, "<id> inside an item would override the quiz id")

    parsed = []
    for number, item in enumerate(items, 1):
        parsed.append(check_item(report, f"{where} item {number}", item, seen_questions))

    return quiz_id, fields, parsed


def main(argv=None):
    parser = argparse.ArgumentParser(description="Check the grammar quiz data file.")
    parser.add_argument("--quizzes", default=DEFAULT_QUIZZES)
    parser.add_argument("--verbs", default=DEFAULT_VERBS)
    parser.add_argument("--list-verbs", action="store_true",
                        help="print every linked verb key used, with its count")
    parser.add_argument("--summary", action="store_true",
                        help="print each quiz with its question count")
    args = parser.parse_args(argv)

    report = Report()
    try:
        tree = ET.parse(args.quizzes)
    except (ET.ParseError, OSError) as exc:
        print(f"{args.quizzes}: cannot be read as XML: {exc}")
        return 1

    with open(args.quizzes, "rb") as handle:
        raw = handle.read()
    try:
        raw.decode("utf-8")
    except UnicodeDecodeError as exc:
        report.error(args.quizzes, f"not UTF-8: {exc}")

    root = tree.getroot()
    quizzes = root.findall("quiz")
    for element in root.iter():
        if element.tag not in ("quiz", "item", root.tag) + QUIZ_LEAVES + ITEM_LEAVES:
            report.error(args.quizzes, f"unknown element <{element.tag}>")
        if element.tag == "quiz" and element not in quizzes:
            report.error(args.quizzes, "<quiz> must sit directly under the root element")
    if len(quizzes) < MIN_QUIZZES:
        report.error(args.quizzes, f"{len(quizzes)} quizzes, needs at least {MIN_QUIZZES}")

    seen_ids = set()
    seen_questions = {}
    linked = {}
    summary = []
    for index, quiz in enumerate(quizzes):
        quiz_id, fields, items = check_quiz(report, index, quiz, seen_ids, seen_questions)
        summary.append((quiz_id, fields.get("title", ""), len(items)))
        for number, item in enumerate(items, 1):
            verb = item.get("linked_verb", "")
            if verb:
                linked.setdefault(verb, []).append((f"{quiz_id} item {number}", item.get("answer", "")))

    if os.path.exists(args.verbs):
        try:
            keys = load_verb_keys(args.verbs)
        except ET.ParseError as exc:
            report.error(args.verbs, f"cannot be parsed: {exc}")
            keys = None
        if keys is not None:
            for verb, places in sorted(linked.items()):
                if verb not in keys:
                    report.error(places[0][0], f"linked verb {verb!r} is not a key of "
                                 f"{os.path.basename(args.verbs)} (used {len(places)}x)")
                    continue
                for where, answer in places:
                    if not uses_verb(answer, keys[verb]):
                        report.error(where, f"linked verb {verb!r} does not occur in the answer {answer!r}")
            print(f"linked verbs checked against {len(keys)} verb keys of {args.verbs}")
    else:
        print(f"note: {args.verbs} not found, linked verbs not checked")

    if args.summary:
        for quiz_id, title, count in summary:
            print(f"{quiz_id:32} {count:3}  {title}")
    if args.list_verbs:
        for verb, places in sorted(linked.items()):
            print(f"{verb} {len(places)}")

    total = sum(count for _, _, count in summary)
    if report.errors:
        for line in report.errors:
            print(line)
        print(f"FAILED: {len(report.errors)} problem(s)")
        return 1
    print(f"OK: {len(quizzes)} quizzes, {total} questions, {len(linked)} linked verbs")
    return 0


if __name__ == "__main__":
    sys.exit(main())
