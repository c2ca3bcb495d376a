#!/usr/bin/env python3
"""Write resources/i18n/<code>.ts from the reviewed text tables in
resources/i18n/texts/: source_texts.tsv (context, Chinese source, English)
and one <code>.tsv per other language (context, source, translation).

Refuses to write anything when a table lacks a source text, has one the
source table does not know, or breaks a rule of catalogue_rules.
Usage: make_catalogues.py [source-root]   (default: the repository)"""
import os
import sys
from xml.sax.saxutils import escape

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import catalogue_rules as rules  # noqa: E402


def translations_for(root, code, sources):
    if code == 'en':
        return {(c, s): e for c, s, e in sources}, []
    path = os.path.join(rules.texts_dir(root), code + '.tsv')
    if not os.path.exists(path):
        return {}, [f'{code}: no text table {path}']
    _, rows = rules.read_table(path)
    table = {}
    errors = []
    for context, source, translation in rows:
        if (context, source) in table:
            errors.append(f'{code}: duplicate {context} {source!r}')
        table[(context, source)] = translation
    known = {(c, s) for c, s, _ in sources}
    for key in table.keys() - known:
        errors.append(f'{code}: unknown source text {key[0]} {key[1]!r}')
    return table, errors


def render(code, sources, table):
    language = rules.TS_LANGUAGE.get(code, code)
    out = ['<?xml version="1.0" encoding="utf-8"?>', '<!DOCTYPE TS>',
           f'<TS version="2.1" language="{language}" sourcelanguage="zh_CN">']
    contexts = []
    for context, _, _ in sources:
        if context not in contexts:
            contexts.append(context)
    for context in contexts:
        out += ['<context>', f'    <name>{context}</name>']
        for c, source, _ in sources:
            if c != context:
                continue
            out += ['    <message>',
                    f'        <source>{escape(source)}</source>',
                    f'        <translation>{escape(table[(c, source)])}</translation>',
                    '    </message>']
        out.append('</context>')
    out.append('</TS>')
    return '\n'.join(out) + '\n'


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', '..')
    sources = rules.source_texts(root)
    errors = []
    catalogues = {}
    for code in rules.CODES:
        table, table_errors = translations_for(root, code, sources)
        errors += table_errors
        for context, source, _ in sources:
            translation = table.get((context, source))
            if translation is None:
                errors.append(f'{code}: missing {context} {source!r}')
                continue
            for problem in rules.rule_violations(source, translation):
                errors.append(f'{code}: {context} {source!r}: {problem}')
        catalogues[code] = render(code, sources, table) if not table_errors else None
    if errors:
        print('\n'.join(errors), file=sys.stderr)
        return 1
    for code, text in catalogues.items():
        with open(os.path.join(root, 'resources', 'i18n', code + '.ts'), 'w',
                  encoding='utf-8', newline='\n') as handle:
            handle.write(text)
    print(f'{len(catalogues)} catalogues, {len(sources)} texts each')
    return 0


if __name__ == '__main__':
    sys.exit(main())
