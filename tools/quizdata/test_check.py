#!/usr/bin/env python3
"""Tests for check.py: a valid quiz file passes, and each kind of fault in it
is caught.  Run: python3 tools/quizdata/test_check.py"""

import contextlib
import io
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check  # noqa: E402

VERBS = """<?xml version="1.0" encoding="UTF-8"?>
<verbs>
  <verb><infinitive>parlare</infinitive><reflexive>false</reflexive><ind_pres><tps>parla</tps></ind_pres></verb>
  <verb><infinitive>lavare</infinitive><reflexive>true</reflexive><ind_pres><fps>lavo</fps></ind_pres></verb>
  <verb><infinitive>Ricor|dare</infinitive><reflexive>false</reflexive><ind_pres><fps>ricordo</fps></ind_pres></verb>
</verbs>
"""


FORMS = {"parlare": "parla", "lavarsi": "lavo", "ricordare": "ricordo"}


def item(q, n, verb="parlare"):
    return (f"<item><question>Frase {q}-{n} con _____ qui.</question>"
            f"<answer>r{q}n{n} {FORMS[verb]}</answer><alt1>x{q}a{n}</alt1><alt2>x{q}b{n}</alt2>"
            f"<alt3>x{q}c{n}</alt3><clue>a clue</clue>"
            f"<explanation>Why it is so.</explanation>"
            f"<linked_verb>{verb}</linked_verb></item>\n")


def document(quizzes=15, items=12):
    parts = ['<?xml version="1.0" encoding="UTF-8"?>\n<quizzes>\n']
    for q in range(quizzes):
        parts.append(f"<quiz><id>quiz-{q}</id><title>Quiz {q}</title>"
                     f"<description>About point {q}.</description><level>B1</level>\n")
        for n in range(items):
            verb = ("lavarsi", "ricordare", "parlare")[n % 3]
            parts.append(item(q, n, verb=verb))
        parts.append("</quiz>\n")
    parts.append("</quizzes>\n")
    return "".join(parts)


VALID = document()
FIRST_ITEM = item(0, 0, verb="lavarsi")

# (name, transform of the valid document, text expected in the report)
FAULTS = [
    ("too few quizzes", lambda d: document(quizzes=14), "14 quizzes"),
    ("too few items", lambda d: document(items=11), "needs at least 12"),
    ("id not a slug", lambda d: d.replace("<id>quiz-3</id>", "<id>Quiz 3</id>"), "lower-case slug"),
    ("id with trailing hyphen", lambda d: d.replace("<id>quiz-3</id>", "<id>quiz-</id>"), "lower-case slug"),
    ("duplicate id", lambda d: d.replace("<id>quiz-3</id>", "<id>quiz-2</id>"), "not unique"),
    ("missing title", lambda d: d.replace("<title>Quiz 4</title>", ""), "<title>"),
    ("empty description", lambda d: d.replace("About point 4.", ""), "<description>"),
    ("no blank", lambda d: d.replace("Frase 0-0 con _____ qui.", "Frase 0-0 qui."), "exactly one blank"),
    ("two blanks", lambda d: d.replace("Frase 0-0 con _____ qui.", "_____ 0-0 _____."), "exactly one blank"),
    ("six underscores", lambda d: d.replace("Frase 0-0 con _____ qui.", "Frase 0-0 ______."), "exactly one blank"),
    ("empty answer", lambda d: d.replace("<answer>r0n0 lavo</answer>", "<answer></answer>"), "<answer>"),
    ("alternative equals answer", lambda d: d.replace("<alt2>x0b0</alt2>", "<alt2>r0n0 lavo</alt2>"), "equals the answer"),
    ("alternative is the answer in capitals", lambda d: d.replace("<alt2>x0b0</alt2>", "<alt2>R0N0 LAVO</alt2>"), "equals the answer"),
    ("alternatives repeat", lambda d: d.replace("<alt2>x0b0</alt2>", "<alt2>x0a0</alt2>"), "three distinct"),
    ("no alternatives", lambda d: d.replace("<alt1>x0a0</alt1><alt2>x0b0</alt2><alt3>x0c0</alt3>", ""), "three distinct"),
    ("a missing alternative", lambda d: d.replace("<alt3>x0c0</alt3>", ""), "three distinct"),
    ("an empty alternative", lambda d: d.replace("<alt1>x0a0</alt1>", "<alt1></alt1>"), "three distinct"),
    ("duplicate question", lambda d: d.replace("Frase 1-1 con", "Frase 0-0 con"), "repeats"),
    ("blank at end of leaf", lambda d: d.replace("<answer>r0n0 lavo</answer>", "<answer>r0n0 lavo </answer>"), "white space"),
    ("line break in leaf", lambda d: d.replace("<clue>a clue</clue>", "<clue>\n  a clue\n</clue>", 1), "white space"),
    ("unknown linked verb", lambda d: d.replace("<linked_verb>lavarsi</linked_verb>", "<linked_verb>lavare</linked_verb>", 1), "not a key"),
    ("missing explanation", lambda d: d.replace("<explanation>Why it is so.</explanation>", "", 1), "<explanation>"),
    ("unknown element", lambda d: d.replace("<clue>a clue</clue>", "<hint>a</hint><clue>a clue</clue>", 1), "unexpected element"),
    ("attribute", lambda d: d.replace("<answer>r0n0 lavo</answer>", '<answer lang="it">r0n0 lavo</answer>'), "attributes"),
    ("id inside an item", lambda d: d.replace("<clue>a clue</clue>", "<id>x</id><clue>a clue</clue>", 1), "unexpected element"),
    ("no level", lambda d: d.replace("<level>B1</level>", "", 1), "level must be one of"),
    ("unknown level", lambda d: d.replace("<level>B1</level>", "<level>C1</level>", 1), "level must be one of"),
    ("linked verb not in the answer", lambda d: d.replace("<answer>r0n0 lavo</answer>", "<answer>r0n0 parla</answer>"),
     "does not occur in the answer"),
    ("not well-formed", lambda d: d.replace("</quizzes>", ""), "cannot be read"),
    ("unescaped ampersand", lambda d: d.replace("a clue", "a & b", 1), "cannot be read"),
]


class CheckTest(unittest.TestCase):
    def run_check(self, text):
        with tempfile.TemporaryDirectory() as tmp:
            quizzes = os.path.join(tmp, "quizzes.xml")
            verbs = os.path.join(tmp, "verbs.xml")
            with open(quizzes, "w", encoding="utf-8") as handle:
                handle.write(text)
            with open(verbs, "w", encoding="utf-8") as handle:
                handle.write(VERBS)
            out = io.StringIO()
            with contextlib.redirect_stdout(out):
                status = check.main(["--quizzes", quizzes, "--verbs", verbs])
            return status, out.getvalue()

    def test_valid_document_passes(self):
        status, out = self.run_check(VALID)
        self.assertEqual(status, 0, out)
        self.assertIn("OK: 15 quizzes, 180 questions", out)

    def test_each_fault_is_reported(self):
        for name, transform, expected in FAULTS:
            with self.subTest(name):
                text = transform(VALID)
                self.assertNotEqual(text, VALID, "transform changed nothing")
                status, out = self.run_check(text)
                self.assertEqual(status, 1, out)
                self.assertIn(expected, out)

    def test_a_verb_is_found_in_its_forms_with_clitics(self):
        forms = {"metti", "di'", "dire", "dir", "è", "iscritto", "fidare", "fidar"}
        cases = [("Mettilo", True), ("mettitele", True), ("dimmi", True), ("digli", True), ("dirglielo", True),
                 ("c'è", True), ("si è iscritto a", True), ("fidarti di", True), ("parla", False), ("mi", False),
                 ("dillo", True), ("mettono", False)]
        for answer, found in cases:
            with self.subTest(answer):
                self.assertEqual(check.uses_verb(answer, forms), found)

    def test_verb_keys(self):
        cases = [
            ("lavare", True, "lavarsi"),
            ("parlare", False, "parlare"),
            ("Ricor|dare", False, "ricordare"),
            ("sede|re", True, "sedersi"),
        ]
        for infinitive, reflexive, key in cases:
            with self.subTest(infinitive):
                self.assertEqual(check.verb_key(infinitive, reflexive), key)


if __name__ == "__main__":
    unittest.main()
