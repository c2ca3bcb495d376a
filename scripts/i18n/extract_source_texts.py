#!/usr/bin/env python3
"""Pull (context, Chinese source, English text) triples out of the design
document so the catalogue data can be reviewed against it.

The document quotes every user-visible text as its Chinese source followed by
the English catalogue text in one of a few shapes:
    "中文" (English catalogue: "English")      "中文" ("English")
    "中文" / "English"                         "中文", "English"
    | "中文" | "English" |   (table rows)
The translation context is named per chapter; a line that names a context in
backticks right after a text overrides it.

Output: TSV (context, source, English) on stdout, line feeds written as \\n;
texts quoted without an English partner go to stderr for review.
Standard library only.
"""
import re
import sys

CJK = re.compile(r'[\u3000-\u9fff\uff00-\uffef]')
HAN = re.compile(r'[\u4e00-\u9fff]')
QUOTED = re.compile(r'"([^"\n]*)"')
CONTEXTS = ('PackGuiWindow', 'PackSession', 'UiLangRow', 'UpdateChecker',
            'UpdateUi', 'ReferencesGui', 'ThirdPartyGui')

# Chapter title -> translation context of the texts it quotes. The start-up
# chapter wires widgets of several contexts and names the context on each
# line; the references chapter names it in a table column.
CHAPTER_CONTEXTS = {
    'Pack job and engine command line': 'PackGuiWindow',
    'Engine location': 'PackGuiWindow',
    'Job run control': 'PackGuiWindow',
    'Unattended runs': 'PackGuiWindow',
    'Window layout and form': 'PackGuiWindow',
    'Track list': 'PackGuiWindow',
    'CUE sheet and cover picture': 'PackGuiWindow',
    'Run log panel and log file': 'PackGuiWindow',
    'Session interface and child-process session': 'PackSession',
    'In-process session': 'PackSession',
    'Interface language': 'UiLangRow',
    'Update manifest and check': 'UpdateChecker',
    'Update download and install': 'UpdateChecker',
    'Update dialogs': 'UpdateUi',
}
PER_LINE_CONTEXT_CHAPTER = 'Application start-up'
CHAPTER_HEADING = re.compile(r'^# \w+ [\d.]+: (.+)$')

# Texts quoted in a chapter other than the one whose context they belong to.
CONTEXT_OVERRIDES = {
    # The session chapter quotes the window's stop notice.
    ('In-process session', '打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。'): 'PackGuiWindow',
}

# What may sit between a source text and its English partner.
PARTNER = re.compile(
    r'\s*(?:\(English catalogue: |\(|/ |, |\| )"([^"\n]*)"')
EXPLICIT_CONTEXT = re.compile(r'context `?"?(' + '|'.join(CONTEXTS) + r')')


def unescape(text):
    return text.replace('\\n', '\n')


def extract(lines):
    chapter = None
    triples = []
    unpaired = []
    for number, line in enumerate(lines, 1):
        heading = CHAPTER_HEADING.match(line)
        if heading:
            chapter = heading.group(1).strip()
            continue
        if line.startswith('# '):
            chapter = None
        if chapter is None:
            continue
        row_context = None
        cells = [c.strip() for c in line.split('|')]
        for cell in cells:
            if cell.strip('`') in CONTEXTS:
                row_context = cell.strip('`')
        for match in QUOTED.finditer(line):
            source = match.group(1)
            if not CJK.search(source):
                continue
            partner = PARTNER.match(line, match.end())
            if (not partner or HAN.search(partner.group(1))
                    or not re.search('[A-Za-z]', partner.group(1))):
                unpaired.append((number, source))
                continue
            context = row_context or CHAPTER_CONTEXTS.get(chapter)
            explicit = EXPLICIT_CONTEXT.search(line)
            if explicit and chapter == PER_LINE_CONTEXT_CHAPTER:
                context = explicit.group(1)
            context = CONTEXT_OVERRIDES.get((chapter, source), context)
            triples.append((number, context, unescape(source),
                            unescape(partner.group(1))))
    return triples, unpaired


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: extract_source_texts.py DESIGN_DOCUMENT.md > texts.tsv')
    path = sys.argv[1]
    with open(path, encoding='utf-8') as handle:
        lines = handle.read().split('\n')
    triples, unpaired = extract(lines)
    seen = {}
    for number, context, source, english in triples:
        key = (context, source)
        if key in seen:
            if seen[key] != english:
                print(f'line {number}: conflicting English for {source!r}: '
                      f'{seen[key]!r} vs {english!r}', file=sys.stderr)
            continue
        seen[key] = english
        print('\t'.join(t.replace('\n', '\\n')
                        for t in (context or '?', source, english)))
    paired = {source for _, source in seen}
    for number, source in unpaired:
        if HAN.search(source) and unescape(source) not in paired:
            print(f'line {number}: no English partner: {source!r}', file=sys.stderr)


if __name__ == '__main__':
    main()
