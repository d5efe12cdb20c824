#!/usr/bin/env python3
"""Checks resources/verbs.xml against the rules of the verb data.

Structure (every element, six persons per tense, booleans, verbatim text),
keys, reflexive and imperative forms, auxiliaries, impersonal verbs, tags and
set sizes, a table of known Italian forms, and the English renderings the app
builds from english_inf, english_simple_past and english_past_participle
(present, imperfect, past historic, future, conditional, perfect, subjunctive).

Usage: check.py [PATH] [--show INFINITIVE ...]
Exit status 0 when every check passes, 1 otherwise.
"""

import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_XML = os.path.join(HERE, '..', '..', 'resources', 'verbs.xml')

THEMES = ['Holiday Verbs', 'Senses', 'Education', 'Travel', 'Feelings',
          'Health', 'Daily Routine', 'Communication', 'Hobbies', 'Work',
          'Crime and Conflict', 'Society and Politics', 'Money']
GRAMMAR_SETS = ['Irregular', 'Reflexive', 'Top 100', 'Top 500']
TOP_SETS = [('Top 100', 100), ('Top 500', 500)]
MIN_PER_THEME = 30
# No theme may hold more than this share of the verbs: a set that holds everything teaches nothing.
MAX_THEME_SHARE = 0.15
MIN_VERBS = 1500

LEAVES = ['infinitive', 'reflexive', 'preposition', 'english_inf', 'english_simple_past',
          'english_past_participle', 'english_inf_extra', 'gloss', 'english_past_shift', 'notes', 'tags',
          'past_participle', 'gerund', 'impersonal', 'perfect_essere', 'stative', 'either_auxiliary']
BOOLEANS = ['reflexive', 'impersonal', 'perfect_essere', 'stative', 'either_auxiliary']
TENSES = ['ind_pres', 'imp', 'pret', 'fut', 'cond', 'sub_pres', 'sub_imp', 'imperative']
PERSONS = ['fps', 'sps', 'tps', 'fpp', 'spp', 'tpp']

# Verbs without an imperative: all six slots stay empty. The modals, and verbs Italian does not
# command with (no one says basta! costa! piaci! as a command); others may join them in the data.
NO_IMPERATIVE = {'potere', 'dovere', 'volere', 'bastare', 'costare', 'valere', 'spettare', 'sembrare',
                 'parere', 'piacere', 'dispiacere'}

# Verbs of motion and change of state: their compound tenses take essere.
MUST_TAKE_ESSERE = set('''
andare venire arrivare partire uscire entrare tornare ritornare rientrare restare rimanere stare
essere nascere morire diventare cadere sembrare piacere dispiacere succedere accadere bastare
costare durare mancare apparire sparire scomparire comparire esistere dipendere svenire dimagrire
invecchiare scappare fuggire emigrare impazzire arrossire impallidire fiorire scivolare sopravvivere
intervenire risultare scadere tramontare sorgere riuscire occorrere
'''.split())
# Verbs where both auxiliaries are common: the file picks one and says so in the notes.
BOTH_AUXILIARIES = set('''
correre vivere piovere nevicare grandinare tuonare diluviare piovigginare gelare cominciare iniziare
ricominciare finire passare cambiare volare saltare aumentare diminuire migliorare peggiorare salire
scendere crescere guarire servire atterrare decollare appartenere avanzare ingrassare sbarcare
'''.split())
WEATHER_VERBS = {'piovere', 'nevicare', 'grandinare', 'tuonare', 'lampeggiare', 'diluviare',
                 'piovigginare', 'gelare', 'bisognare', 'occorrere'}

# Forms a learner must see exactly so (person slots io, tu, lui/lei, noi, voi, loro).
KNOWN_FORMS = {
    ('essere', 'ind_pres'): 'sono sei è siamo siete sono',
    ('essere', 'pret'): 'fui fosti fu fummo foste furono',
    ('essere', 'sub_pres'): 'sia sia sia siamo siate siano',
    ('essere', 'imperative'): '- sii sia siamo siate siano',
    ('avere', 'ind_pres'): 'ho hai ha abbiamo avete hanno',
    ('avere', 'fut'): 'avrò avrai avrà avremo avrete avranno',
    ('avere', 'imperative'): '- abbi abbia abbiamo abbiate abbiano',
    ('andare', 'ind_pres'): 'vado vai va andiamo andate vanno',
    ('andare', 'fut'): 'andrò andrai andrà andremo andrete andranno',
    ('andare', 'imperative'): "- va' vada andiamo andate vadano",
    ('fare', 'ind_pres'): 'faccio fai fa facciamo fate fanno',
    ('fare', 'imp'): 'facevo facevi faceva facevamo facevate facevano',
    ('fare', 'pret'): 'feci facesti fece facemmo faceste fecero',
    ('dire', 'ind_pres'): 'dico dici dice diciamo dite dicono',
    ('dire', 'imperative'): "- di' dica diciamo dite dicano",
    ('dare', 'ind_pres'): 'do dai dà diamo date danno',
    ('dare', 'pret'): 'diedi desti diede demmo deste diedero',
    ('stare', 'pret'): 'stetti stesti stette stemmo steste stettero',
    ('stare', 'sub_imp'): 'stessi stessi stesse stessimo steste stessero',
    ('venire', 'ind_pres'): 'vengo vieni viene veniamo venite vengono',
    ('venire', 'fut'): 'verrò verrai verrà verremo verrete verranno',
    ('tenere', 'ind_pres'): 'tengo tieni tiene teniamo tenete tengono',
    ('porre', 'ind_pres'): 'pongo poni pone poniamo ponete pongono',
    ('porre', 'pret'): 'posi ponesti pose ponemmo poneste posero',
    ('tradurre', 'ind_pres'): 'traduco traduci traduce traduciamo traducete traducono',
    ('tradurre', 'fut'): 'tradurrò tradurrai tradurrà tradurremo tradurrete tradurranno',
    ('bere', 'ind_pres'): 'bevo bevi beve beviamo bevete bevono',
    ('bere', 'fut'): 'berrò berrai berrà berremo berrete berranno',
    ('togliere', 'ind_pres'): 'tolgo togli toglie togliamo togliete tolgono',
    ('sedere', 'ind_pres'): 'siedo siedi siede sediamo sedete siedono',
    ('sedere', 'imp'): 'sedevo sedevi sedeva sedevamo sedevate sedevano',
    ('sedersi', 'imperative'): '- siediti si sieda sediamoci sedetevi si siedano',
    ('lavare', 'ind_pres'): 'lavo lavi lava laviamo lavate lavano',
    ('lavarsi', 'imperative'): '- lavati si lavi laviamoci lavatevi si lavino',
    ('potere', 'ind_pres'): 'posso puoi può possiamo potete possono',
    ('potere', 'imperative'): '- - - - - -',
    ('dovere', 'ind_pres'): 'devo devi deve dobbiamo dovete devono',
    ('volere', 'ind_pres'): 'voglio vuoi vuole vogliamo volete vogliono',
    ('sapere', 'ind_pres'): 'so sai sa sappiamo sapete sanno',
    ('sapere', 'imperative'): '- sappi sappia sappiamo sappiate sappiano',
    ('morire', 'ind_pres'): 'muoio muori muore moriamo morite muoiono',
    ('uscire', 'ind_pres'): 'esco esci esce usciamo uscite escono',
    ('piacere', 'ind_pres'): 'piaccio piaci piace piacciamo piacete piacciono',
    ('cuocere', 'pret'): 'cossi cuocesti cosse cuocemmo cuoceste cossero',
    ('godere', 'fut'): 'godrò godrai godrà godremo godrete godranno',
    ('sciare', 'ind_pres'): 'scio scii scia sciamo sciate sciano',
    ('sciare', 'fut'): 'scierò scierai scierà scieremo scierete scieranno',
    ('mangiare', 'fut'): 'mangerò mangerai mangerà mangeremo mangerete mangeranno',
    ('cercare', 'sub_pres'): 'cerchi cerchi cerchi cerchiamo cerchiate cerchino',
}
KNOWN_PARTICIPLES = {
    'essere': 'stato', 'avere': 'avuto', 'fare': 'fatto', 'dire': 'detto', 'vedere': 'visto',
    'prendere': 'preso', 'mettere': 'messo', 'scrivere': 'scritto', 'leggere': 'letto',
    'aprire': 'aperto', 'morire': 'morto', 'nascere': 'nato', 'vivere': 'vissuto', 'bere': 'bevuto',
    'porre': 'posto', 'tradurre': 'tradotto', 'rimanere': 'rimasto', 'chiedere': 'chiesto',
    'rispondere': 'risposto', 'scegliere': 'scelto', 'discutere': 'discusso', 'venire': 'venuto',
}
KNOWN_GERUNDS = {'essere': 'essendo', 'fare': 'facendo', 'dire': 'dicendo', 'bere': 'bevendo',
                 'porre': 'ponendo', 'tradurre': 'traducendo', 'andare': 'andando', 'sedere': 'sedendo'}

# ---------------------------------------------------------------- shared stems

REGULAR = {
    'ere': {'ind_pres': ['o', 'i', 'e', 'iamo', 'ete', 'ono'], 'pret': ['ei', 'esti', 'é', 'emmo', 'este', 'erono'],
            'fut': ['erò', 'erai', 'erà', 'eremo', 'erete', 'eranno']},
    'ire': {'ind_pres': ['o', 'i', 'e', 'iamo', 'ite', 'ono'], 'pret': ['ii', 'isti', 'ì', 'immo', 'iste', 'irono'],
            'fut': ['irò', 'irai', 'irà', 'iremo', 'irete', 'iranno']},
}
# Verbs whose forms the stem rules below do not describe (suppletive or contracted stems).
STEM_EXCEPTIONS = {'essere', 'avere', 'sapere', 'dovere', 'potere', 'volere', 'fare', 'dire', 'bere', 'dare',
                   'stare', 'andare', 'uscire', 'riuscire', 'morire', 'udire', 'sedere', 'possedere'}
# -ere verbs with a strong participle beside a weak past historic, or the other way round, as the
# grammars give them.
STRONG_PARTICIPLE_WEAK_PAST = {'esigere'}
WEAK_PARTICIPLE_STRONG_PAST = {'dolere'}


def regular_form(inf, tense, i):
    """The regular -ere or -ire form (without -isc-, or with the weak past historic in -etti)."""
    endings = REGULAR.get(inf[-3:], {}).get(tense)
    if not endings:
        return []
    stem = inf[:-3]
    # A stem in -i drops it before -i (togli, not toglii) and a stem in -gli or -pi keeps it
    # before -e (toglie, riempie).
    extra = {1: [stem] if stem.endswith('i') else [], 2: [stem + 'ie']}.get(i, []) if tense == 'ind_pres' else []
    return [stem + endings[i]] + extra


def stem_problems(v):
    """Forms at odds with the other forms built on the same stem."""
    inf = v['infinitive']
    if inf in STEM_EXCEPTIONS or inf.endswith('rre') or inf[-3:] not in ('ere', 'ire') or v['reflexive'] == 'true':
        return []
    p = []
    pres, sub = v['ind_pres'], v['sub_pres']
    # The present subjunctive is built on the io and loro forms of the present (dolgo: dolga,
    # dolgono: dolgano; finisco: finisca).
    if pres[0].endswith('o') and sub[0] != pres[0][:-1] + 'a':
        p.append(f'sub_pres.fps "{sub[0]}" is not built on ind_pres.fps "{pres[0]}" ({pres[0][:-1]}a)')
    if pres[5].endswith('ono') and sub[5] != pres[5][:-3] + 'ano':
        p.append(f'sub_pres.tpp "{sub[5]}" is not built on ind_pres.tpp "{pres[5]}" ({pres[5][:-3]}ano)')
    # -isc- is in all four stressed persons of the present or in none.
    if inf.endswith('ire'):
        isc = [pres[i].endswith(e) for i, e in ((0, 'isco'), (1, 'isci'), (2, 'isce'), (5, 'iscono'))]
        if any(isc) and not all(isc):
            p.append('ind_pres mixes forms with and without -isc-: ' + ' '.join(pres[i] for i in (0, 1, 2, 5)))
    # Persons that share a stem are regular together or irregular together: io and loro of the
    # present (dolgo, dolgono), tu and lui (duoli, duole); the strong persons of the past historic
    # (dolsi, dolse, dolsero); all six of the future.
    groups = [('ind_pres', (0, 5)), ('ind_pres', (1, 2)), ('pret', (0, 2, 5)), ('fut', range(6))]
    for tense, persons in groups:
        regular = [v[tense][i] in regular_form(inf, tense, i) + ([inf[:-3] + 'etti', inf[:-3] + 'ette',
                   inf[:-3] + 'ettero'] if tense == 'pret' and inf.endswith('ere') else []) for i in persons]
        if any(regular) and not all(regular):
            forms = ' '.join(v[tense][i] for i in persons)
            p.append(f'{tense}: regular-looking and irregular forms where one stem is shared ({forms})')
    # A past historic in -lsi of an -lere verb shares its stem with a present in -lgo and a
    # future in -rrò (valsi, valgo, varrò; dolsi, dolgo, dorrò).
    if inf.endswith('lere') and v['pret'][0] == inf[:-4] + 'lsi':
        if not pres[0].endswith('lgo') or not v['fut'][0].endswith('rrò'):
            p.append(f'past historic "{v["pret"][0]}" wants a present in -lgo and a future in -rrò, '
                     f'found "{pres[0]}", "{v["fut"][0]}"')
    # A strong participle (chiuso, redatto, espanso) goes with a strong past historic (chiusi, redassi).
    pp = v['past_participle']
    if (inf.endswith('ere') and not pp.endswith(('uto', 'ito')) and inf not in STRONG_PARTICIPLE_WEAK_PAST
            and v['pret'][0] in (inf[:-3] + 'ei', inf[:-3] + 'etti')):
        p.append(f'participle "{pp}" is strong but the past historic "{v["pret"][0]}" is weak')
    # A past historic in -si after a single consonant (espansi, chiusi) has a strong participle.
    s1 = v['pret'][0]
    if (inf.endswith('ere') and pp.endswith('uto') and s1.endswith('si') and not s1.endswith('ssi')
            and inf not in WEAK_PARTICIPLE_STRONG_PAST):
        p.append(f'participle "{pp}" is weak but the past historic "{s1}" is strong')
    return p


# ---------------------------------------------------------------- English rules

VOWELS = ['a', 'e', 'i', 'o', 'u']
DOUBLING_FINALS = ['b', 'g', 'l', 'm', 'n', 'p', 's', 't']
VOWEL_PAIRS = ['ea', 'ee', 'oa', 'ai', 'oi', 'ou', 'io']
PAST_EXCEPTIONS = ['open', 'lighten', 'develop', 'listen', 'happen', 'iron', 'threaten', 'awaken',
                   'loosen', 'abandon', 'ruin', 'visit', 'glisten', 'exit']
ING_EXCEPTIONS = ['open', 'lighten', 'develop', 'listen', 'happen', 'iron', 'threaten', 'awaken',
                  'loosen', 'exit', 'visit', 'abandon', 'ruin', 'glisten', 'sharpen']
COMPLEMENT_PHRASES = ['be late', 'be thirsty', 'be hungry', 'be sorry', 'be dizzy', 'be unjust']
PRONOUNS = ['I', 'you (sng.)', 'he/she', 'we', 'you (pl.)', 'they']

# Heads where the doubling rule doubles the final consonant; each was checked to be
# right in British spelling (stressed last syllable, or -l after a single vowel).
DOUBLING_ACCEPTED = set('''
admit ban bet chat commit control drag drop enrol equip fit get grab hug jog kidnap log marvel nag plan
quit regret rob rub run set ship shop sip sit skip slip snap spit split stop swim tap travel trim
upset win wrap unwrap cancel beg dig hit cut put shut let forget begin knit spin step stir sob
spot rip wet drug slam pop grip
'''.split())

# Heads stressed on a last syllable in -r: the rules double the r (preferring, preferred).
STRESSED_FINAL_R = set('''
prefer refer occur transfer confer infer deter recur incur concur defer
'''.split())

# Heads whose last syllable is stressed and ends in a consonant the rules never
# double: their -ing and -ed forms would be misspelt (forbiding, prefered).
UNDOUBLED_STRESSED = set('''
forbid outbid
'''.split())


def split_infinitive(s):
    if len(s) >= 3 and s.startswith('be '):
        return ['be', s[2:]]
    parts = s.split('|')
    if len(parts) == 1:
        parts.append('')
    return parts


def doubles(head, exceptions):
    if head in STRESSED_FINAL_R:
        return True
    if len(head) < 3:
        return False
    last, penult = head[-1], head[-2]
    return (last in DOUBLING_FINALS and head[-3:-1] not in VOWEL_PAIRS and penult in VOWELS
            and last not in VOWELS and head not in exceptions)


def simple_past(infinitive):
    head, rest = split_infinitive(infinitive)[:2]
    last = head[-1:] or ''
    penult = head[-2:-1] or ''
    if last == 'e':
        past = head + 'd'
    elif last == 'y' and penult not in VOWELS:
        past = head[:-1] + 'ied'
    elif len(head) < 3:
        past = head + 'ed'
    elif doubles(head, PAST_EXCEPTIONS):
        past = head + last + 'ed'
    else:
        past = head + 'ed'
    result = past + rest
    if infinitive == 'can':
        result = 'could'
    if infinitive == 'must':
        result = 'had to'
    if head == 'get':
        result = 'got' + rest
    if head == 'be':
        result = 'was' + rest
    if head == 'become':
        result = 'became' + rest
    if head == 'go':
        result = 'went' + rest
    return result


def ing_form(infinitive):
    head, rest = split_infinitive(infinitive)[:2]
    last = head[-1:] or ''
    penult = head[-2:-1] or ''
    if last == 'e' and len(head) >= 3:
        if infinitive == 'agree':
            ing = 'agreeing'
        elif penult == 'i':
            ing = head[:-2] + 'ying'
        else:
            ing = head[:-1] + 'ing'
    elif len(head) >= 3:
        ing = head + last + 'ing' if doubles(head, ING_EXCEPTIONS) else head + 'ing'
    else:
        ing = head + 'ing'
    result = ing + rest
    if infinitive in ('can', 'be able to'):
        result = 'able to'
    if infinitive == 'must':
        result = 'obliged to'
    if infinitive == 'see':
        result = 'seeing'
    if infinitive == 'be':
        result = ''
    if infinitive in COMPLEMENT_PHRASES:
        result = infinitive[3:]
    return result


def present(infinitive):
    head, rest = split_infinitive(infinitive)[:2]
    last = head[-1:] or ''
    penult = head[-2:-1] or ''
    out = []
    for i, pronoun in enumerate(PRONOUNS):
        verb = head
        if i == 2:
            if last == 'e':
                verb = head + 's'
            elif last == 'y' and penult not in VOWELS:
                verb = head[:-1] + 'ies'
            elif last in ('o', 'x') or head.endswith('sh') or head.endswith('ss') or head.endswith('ch'):
                verb = head + 'es'
            else:
                verb = head + 's'
        if head == 'be':
            verb = 'am' if i == 0 else 'is' if i == 2 else 'are'
        if head == 'have':
            verb = 'has' if i == 2 else 'have'
        if infinitive in ('can', 'shall', 'must', 'should'):
            verb = infinitive
        out.append(pronoun + ' ' + verb + rest)
    return out


def imperfect(infinitive):
    out = []
    for i, pronoun in enumerate(PRONOUNS):
        was = 'was' if i in (0, 2) else 'were'
        r = pronoun + ' ' + was + ' ' + ing_form(infinitive)
        if infinitive in ('can', 'be able to'):
            r = pronoun + ' ' + was + ' able to'
        if infinitive in ('must', 'have to', 'be obliged to'):
            r = pronoun + ' had to'
        if infinitive == 'be':
            r = pronoun + ' ' + was
        out.append(r)
    return out


def past_historic(past):
    out = []
    for i, pronoun in enumerate(PRONOUNS):
        was = 'was' if i in (0, 2) else 'were'
        r = pronoun + ' ' + past
        if len(past) >= 4 and past.startswith('was '):
            r = pronoun + ' ' + was + ' ' + past[4:]
        if past == 'was':
            r = pronoun + ' ' + was
        out.append(r)
    return out


def future(infinitive):
    x = {'can': 'be able to', 'must': 'have to', 'should': 'be supposed to'}.get(infinitive, infinitive)
    return [(p + ' will ' + x).replace('|', '') for p in PRONOUNS]


def conditional(infinitive):
    x = {'can': 'could', 'must': 'should', 'want': 'would like'}.get(infinitive, 'would ' + infinitive)
    return [(p + ' ' + x).replace('|', '') for p in PRONOUNS]


def conditional_perfect(infinitive, participle):
    x = {'can': 'could have', 'must': 'should have', 'want': 'would have liked'}.get(
        infinitive, 'would have ' + participle)
    return [p + ' ' + x for p in PRONOUNS]


def perfect(participle):
    aux = ['have', 'have', 'has', 'have', 'have', 'have']
    return [p + ' ' + a + ' ' + participle for p, a in zip(PRONOUNS, aux)]


def subjunctives(infinitive, past):
    return ['(that) ' + r for r in present(infinitive) + past_historic(past)]


def read_irregular_english():
    table = {}
    with open(os.path.join(HERE, 'irregular_english.txt'), encoding='utf-8') as f:
        for line in f:
            if not line.strip() or line.startswith('#'):
                continue
            base, past, participle = line.split()
            table[base] = (past, participle)
    return table


def english_problems(v, irregular):
    """Problems of one verb's English renderings, and the renderings themselves."""
    p = []
    eng = v['english_inf']
    past = v['english_simple_past'] or simple_past(eng)
    participle = v['english_past_participle'] or past
    head, rest = split_infinitive(eng)[:2]
    renderings = {
        'present': present(eng),
        'imperfect': past_historic(past) if v['stative'] == 'true' else imperfect(eng),
        'past historic': past_historic(v['english_past_shift'] or past),
        'future': future(eng),
        'conditional': conditional(eng),
        'perfect': past_historic(v['english_past_shift']) if v['english_past_shift'] else perfect(participle),
        'conditional perfect': conditional_perfect(eng, participle),
        'subjunctive': subjunctives(eng, past),
    }

    if not re.fullmatch(r"[a-z][a-z' -]*(\|[ a-z' -]+)?", eng):
        p.append(f'english_inf "{eng}" is not a bare infinitive (head, optional "|" and remainder)')
    if eng.startswith('to '):
        p.append(f'english_inf "{eng}" starts with "to"')
    if '|' in eng and not rest.startswith(' '):
        p.append(f'english_inf "{eng}": the remainder after "|" must start with a blank')
    if ' ' in head:
        p.append(f'english_inf "{eng}": the head "{head}" holds a blank; put "|" after the head word')

    # Irregular heads carry their forms; a derived -ed form would be made up.
    if eng == 'can':
        if past != 'could' or participle != 'been able to':
            p.append('can: expects simple past "could" and participle "been able to"')
    elif eng == 'must':
        if past != 'had to' or participle != 'had to':
            p.append('must: expects simple past and participle "had to"')
    elif head in irregular:
        want_past, want_part = irregular[head][0] + rest, irregular[head][1] + rest
        if past != want_past:
            p.append(f'simple past "{past}" of irregular "{head}" should be "{want_past}"')
        if participle != want_part:
            p.append(f'past participle "{participle}" of irregular "{head}" should be "{want_part}"')
        if not v['english_simple_past'] or not v['english_past_participle']:
            p.append(f'irregular head "{head}": english_simple_past and english_past_participle must be given')
    else:
        derived = simple_past(eng)
        if past == derived and head[-1:] == 'c':
            p.append(f'simple past "{past}" is misspelt (final c)')

    # Spelling traps of the rules themselves.
    slot2 = renderings['present'][2]
    if eng not in ('can', 'must') and head not in ('be', 'have'):
        if head.endswith('z') or (head.endswith('s') and not head.endswith('ss')):
            p.append(f'present "{slot2}" is misspelt: the rules add only -s to a final s or z')
    if head != 'be' and eng not in ('see', 'agree') and re.search(r'(ee|ye|oe)$', head):
        p.append(f'-ing form "{ing_form(eng)}" is misspelt: the rules drop the final e')
    if head != 'be' and eng not in ('can', 'must'):
        doubled_ing = doubles(head, ING_EXCEPTIONS) and len(head) >= 3 and head[-1] != 'e'
        doubled_past = not v['english_simple_past'] and doubles(head, PAST_EXCEPTIONS) and head[-1] != 'e'
        if (doubled_ing or doubled_past) and head not in DOUBLING_ACCEPTED | STRESSED_FINAL_R:
            p.append(f'"{head}" gets a doubled final consonant ({ing_form(eng)}, {simple_past(eng)}); '
                     f'check the spelling and add the head to DOUBLING_ACCEPTED if it is right')
    if head != 'be' and re.search(r'(^|[^aeiou])[aeiou][dfrvcz]$', head):
        one_syllable = len(re.findall(r'[aeiouy]+', head)) == 1
        if one_syllable or head in UNDOUBLED_STRESSED or head.endswith('c'):
            p.append(f'"{head}" needs a doubled final consonant the rules do not give ({ing_form(eng)})')
    # Italian's subjunctive has no modal in it; only a modal verb's own English says may or might.
    if eng not in ('can', 'may'):
        for r in renderings['subjunctive']:
            if re.search(r'\b(may|might)\b', r):
                p.append(f'subjunctive rendering "{r}" teaches a modal the Italian does not have')
    for name, rows in renderings.items():
        for r in rows:
            if '  ' in r or r != r.strip() or '|' in r:
                p.append(f'{name} rendering "{r}" has stray blanks or bars')
    return p, renderings


# ---------------------------------------------------------------- file checks

def check(path, show):
    problems = []
    raw = open(path, 'rb').read()
    try:
        text = raw.decode('utf-8')
    except UnicodeDecodeError as e:
        return [f'file is not UTF-8: {e}'], 0
    if '&#' in text:
        problems.append('file uses numeric character references; write the characters themselves')
    if not text.startswith('<?xml version="1.0" encoding="UTF-8"?>'):
        problems.append('file does not start with an XML declaration naming UTF-8')
    root = ET.fromstring(raw)
    irregular = read_irregular_english()
    verbs = []
    for n, el in enumerate(root):
        where = f'verb {n + 1}'
        if el.tag != 'verb':
            problems.append(f'{where}: unexpected element <{el.tag}> under the root')
            continue
        names = [c.tag for c in el]
        for name in LEAVES + TENSES:
            if names.count(name) != 1:
                problems.append(f'{where}: <{name}> appears {names.count(name)} times')
        for name in names:
            if name not in LEAVES + TENSES:
                problems.append(f'{where}: unknown element <{name}>')
        v = {}
        for c in el:
            if c.tag in LEAVES:
                if len(c):
                    problems.append(f'{where}: <{c.tag}> has child elements')
                t = c.text or ''
                if t != t.strip() or '\n' in t:
                    problems.append(f'{where}: <{c.tag}> text "{t}" has blanks or line breaks around it')
                v[c.tag] = t
            elif c.tag in TENSES:
                if [p.tag for p in c] != PERSONS:
                    problems.append(f'{where}: <{c.tag}> children are {[p.tag for p in c]}, expected {PERSONS}')
                forms = [(p.text or '') for p in c]
                for f in forms:
                    if f != f.strip():
                        problems.append(f'{where}: <{c.tag}> form "{f}" has blanks around it')
                v[c.tag] = forms + [''] * (6 - len(forms))
        if all(k in v for k in LEAVES + TENSES):
            where = f'verb {n + 1} ({v["infinitive"]})'
            v['where'] = where
            verbs.append(v)

    keys, infinitives = {}, {}
    set_counts = {t: 0 for t in THEMES + GRAMMAR_SETS}
    english_seen = {}
    for i, v in enumerate(verbs):
        where, inf = v['where'], v['infinitive']
        for b in BOOLEANS:
            if v[b] not in ('true', 'false'):
                problems.append(f'{where}: <{b}> is "{v[b]}", expected true or false')
        refl = v['reflexive'] == 'true'
        essere = v['perfect_essere'] == 'true'
        impersonal = v['impersonal'] == 'true'

        if not re.fullmatch(r'[a-z]+(are|ere|ire|rre)', inf):
            problems.append(f'{where}: infinitive must be a plain -are, -ere, -ire or -rre infinitive')
        if refl and inf.endswith('rre'):
            problems.append(f'{where}: reflexive -rre verb; its key would be wrong')
        key = ((inf[:-1] + 'si') if refl else inf).replace('|', '').lower()
        if key in keys:
            problems.append(f'{where}: key {key} also used by verb {keys[key]}')
        keys[key] = i + 1
        v['key'] = key
        # A plain and a reflexive verb may share an infinitive (lavare, lavarsi); their keys differ.
        if (inf, refl) in infinitives:
            problems.append(f'{where}: infinitive also used by verb {infinitives[(inf, refl)]}')
        infinitives[(inf, refl)] = i + 1

        # ---- Italian forms
        for t in TENSES[:-1]:
            for p, f in zip(PERSONS, v[t]):
                if not re.fullmatch(r'[a-zàèéìòù]+', f):
                    problems.append(f'{where}: {t}.{p} "{f}" is empty or not a single plain word')
        if not re.fullmatch(r'[a-zàèéìòù]+o', v['past_participle']):
            problems.append(f'{where}: past_participle "{v["past_participle"]}" is not a masculine singular form')
        if not re.fullmatch(r'[a-z]+ndo', v['gerund']):
            problems.append(f'{where}: gerund "{v["gerund"]}" is not a plain gerund')
        imp = v['imperative']
        sub = v['sub_pres']
        if inf in NO_IMPERATIVE or not any(imp):
            if any(imp):
                problems.append(f'{where}: {inf} has no imperative; all six slots must be empty')
        else:
            if imp[0] != '':
                problems.append(f'{where}: imperative io slot must be empty')
            if refl:
                expect = {2: 'si ' + sub[2], 5: 'si ' + sub[5]}
                for s, e in expect.items():
                    if imp[s] != e:
                        problems.append(f'{where}: imperative.{PERSONS[s]} "{imp[s]}" should be "{e}"')
                for s, ending in ((1, 'ti'), (3, 'ci'), (4, 'vi')):
                    if not re.fullmatch(r"[a-zàèéìòù]+" + ending, imp[s]):
                        problems.append(f'{where}: imperative.{PERSONS[s]} "{imp[s]}" should end in the pronoun -{ending}')
                if imp[3] != v['ind_pres'][3] + 'ci':
                    problems.append(f'{where}: imperative.fpp "{imp[3]}" should be {v["ind_pres"][3]}ci')
            else:
                for s in (2, 5):
                    if imp[s] != sub[s]:
                        problems.append(f'{where}: imperative.{PERSONS[s]} "{imp[s]}" should be the subjunctive "{sub[s]}"')
                if imp[3] != v['ind_pres'][3]:
                    problems.append(f'{where}: imperative.fpp "{imp[3]}" should be "{v["ind_pres"][3]}"')
                for s in (1, 4):
                    if not re.fullmatch(r"[a-zàèéìòù]+'?", imp[s]):
                        problems.append(f'{where}: imperative.{PERSONS[s]} "{imp[s]}" is empty or not one word')
        for t in TENSES[:-1]:
            for f in v[t]:
                if re.match(r'(mi|ti|si|ci|vi) ', f):
                    problems.append(f'{where}: {t} form "{f}" carries a pronoun; store it without')

        problems.extend(f'{where}: {m}' for m in stem_problems(v))

        # ---- auxiliaries and impersonal verbs
        if refl and not essere:
            problems.append(f'{where}: reflexive verbs take essere')
        if inf in MUST_TAKE_ESSERE and not essere and not refl:
            problems.append(f'{where}: takes essere')
        if inf in BOTH_AUXILIARIES:
            other = 'avere' if essere else 'essere'
            if other not in v['notes'].lower():
                problems.append(f'{where}: both auxiliaries are in use; the notes must mention {other}')
        if inf in WEATHER_VERBS and not impersonal:
            problems.append(f'{where}: weather verbs are impersonal')

        # ---- tags
        tags_text = v['tags']
        if ', ' in tags_text or tags_text != tags_text.strip():
            problems.append(f'{where}: tags "{tags_text}" have blanks around a comma')
        tags = [t for t in tags_text.split(',') if t]
        for t in tags:
            if t not in THEMES + GRAMMAR_SETS:
                problems.append(f'{where}: unknown tag "{t}"')
            else:
                set_counts[t] += 1
        if len(set(tags)) != len(tags):
            problems.append(f'{where}: a tag is repeated')
        if not any(t in THEMES for t in tags):
            problems.append(f'{where}: no theme tag')
        if ('Reflexive' in tags) != refl:
            problems.append(f'{where}: the Reflexive tag must match <reflexive>')
        for name, size in TOP_SETS:
            if (name in tags) != (i < size):
                problems.append(f'{where}: {name} must tag exactly the first {size} verbs of the file')

        # ---- English
        eng_problems, renderings = english_problems(v, irregular)
        problems.extend(f'{where}: {m}' for m in eng_problems)
        english_seen.setdefault(v['gloss'] or v['english_inf'].replace('|', ''), []).append(v['key'])
        if inf in show:
            print(f'--- {inf} ({v["english_inf"]})')
            for name, rows in renderings.items():
                print(f'  {name}: ' + ' / '.join(rows))

    # ---- known forms
    # Looked up by key (lavarsi) or by infinitive (lavare: the plain verb where there is one).
    by_inf = {v['key']: v for v in verbs}
    for v in verbs:
        by_inf.setdefault(v['infinitive'], v)
    for (inf, tense), expected in KNOWN_FORMS.items():
        if inf not in by_inf:
            continue
        got = ' '.join(f if f else '-' for f in by_inf[inf][tense])
        if got != expected:
            problems.append(f'{inf}: {tense} is "{got}", expected "{expected}"')
    for inf, pp in KNOWN_PARTICIPLES.items():
        if inf in by_inf and by_inf[inf]['past_participle'] != pp:
            problems.append(f'{inf}: past participle is "{by_inf[inf]["past_participle"]}", expected "{pp}"')
    for inf, g in KNOWN_GERUNDS.items():
        if inf in by_inf and by_inf[inf]['gerund'] != g:
            problems.append(f'{inf}: gerund is "{by_inf[inf]["gerund"]}", expected "{g}"')
    for inf in ('essere', 'avere', 'andare', 'fare', 'dire', 'morire'):
        if inf not in by_inf:
            problems.append(f'{inf} is missing')
    for inf in ('essere', 'avere', 'andare', 'fare', 'dire', 'dare', 'stare', 'porre'):
        if inf in by_inf and 'Irregular' not in by_inf[inf]['tags'].split(','):
            problems.append(f'{inf} should carry the Irregular tag')
    for inf in ('parlare', 'credere', 'dormire', 'finire'):
        if inf in by_inf and 'Irregular' in by_inf[inf]['tags'].split(','):
            problems.append(f'{inf} is regular but carries the Irregular tag')

    for t in THEMES:
        if set_counts[t] < MIN_PER_THEME:
            problems.append(f'theme {t} has {set_counts[t]} verbs, at least {MIN_PER_THEME} needed')
        if set_counts[t] > MAX_THEME_SHARE * len(verbs):
            problems.append(f'theme {t} holds {set_counts[t]} of {len(verbs)} verbs, more than {MAX_THEME_SHARE:.0%}')
    if len(verbs) < MIN_VERBS:
        problems.append(f'{len(verbs)} verbs, at least {MIN_VERBS} needed')

    print(f'{len(verbs)} verbs')
    for t in THEMES + GRAMMAR_SETS:
        print(f'  {t}: {set_counts[t]}')
    # A game that matches verbs to their English needs each gloss once.
    for e, infs in sorted(english_seen.items()):
        if len(infs) > 1:
            problems.append(f'gloss "{e}" is shared by {", ".join(infs)}; tell them apart in <gloss>')
    return problems, len(verbs)


def main():
    args = sys.argv[1:]
    show = set()
    if '--show' in args:
        i = args.index('--show')
        show = set(args[i + 1:])
        args = args[:i]
    path = args[0] if args else DEFAULT_XML
    problems, _ = check(path, show)
    for p in problems:
        print('FAIL: ' + p)
    print(f'{0 if problems else 1} passed, {1 if problems else 0} failed ({len(problems)} problems)')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
