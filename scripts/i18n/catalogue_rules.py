"""Shared rules for the interface catalogues: reading the text tables and the
checks every translation must pass. Used by the catalogue generator and by
the catalogue test. Standard library only."""
import collections
import csv
import os
import re

# Sign characters that open a text (state marks, arrows, rules); a translation
# keeps them, and the spacing after them, exactly.
LEADING_SIGNS = '▶■✓✗⚠＋⇄─'
LEADING = re.compile('^([' + LEADING_SIGNS + r']+\s*)')
PLACEHOLDER = re.compile(r'%(?:\d+|n)')
# Things that are not words and must survive translation unchanged:
# file-dialog patterns, command-line options, the filter separator.
VERBATIM = re.compile(r'\(\*[^)]*\)|--[a-z][a-z-]*|;;')

CODES = ('hant', 'en', 'ja', 'ko', 'ru', 'de', 'fr', 'es', 'pt', 'ar', 'pl')
TS_LANGUAGE = {'hant': 'zh_TW', 'pt': 'pt_BR'}


def unescape(text):
    return text.replace('\\n', '\n').replace('\\t', '\t')


def read_table(path):
    """Rows of a tab-separated text table with a header line; \\n in a cell
    stands for a line feed."""
    with open(path, encoding='utf-8', newline='') as handle:
        reader = csv.reader(handle, delimiter='\t', quoting=csv.QUOTE_NONE)
        header = next(reader)
        rows = []
        for number, row in enumerate(reader, 2):
            if not row:
                continue
            if len(row) != len(header):
                raise ValueError(f'{path}:{number}: expected {len(header)} cells, got {len(row)}')
            rows.append([unescape(cell) for cell in row])
        return header, rows


def texts_dir(source_root):
    return os.path.join(source_root, 'resources', 'i18n', 'texts')


def source_texts(source_root):
    """Ordered list of (context, source, English)."""
    _, rows = read_table(os.path.join(texts_dir(source_root), 'source_texts.tsv'))
    return [tuple(row) for row in rows]


def leading_sign(text):
    match = LEADING.match(text)
    return match.group(1) if match else ''


def rule_violations(source, translation):
    """Why a translation breaks the rules, as short English phrases."""
    problems = []
    if not translation.strip():
        return ['empty translation']
    if collections.Counter(PLACEHOLDER.findall(source)) != collections.Counter(
            PLACEHOLDER.findall(translation)):
        problems.append('placeholders %s vs %s' % (sorted(PLACEHOLDER.findall(source)),
                                                   sorted(PLACEHOLDER.findall(translation))))
    if leading_sign(source) != leading_sign(translation):
        problems.append('leading sign %r vs %r' % (leading_sign(source), leading_sign(translation)))
    if source.count('\n') != translation.count('\n'):
        problems.append('%d line feeds vs %d' % (source.count('\n'), translation.count('\n')))
    if sorted(VERBATIM.findall(source)) != sorted(VERBATIM.findall(translation)):
        problems.append('verbatim parts %s vs %s' % (VERBATIM.findall(source),
                                                     VERBATIM.findall(translation)))
    return problems
