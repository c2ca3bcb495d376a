#!/usr/bin/env python3
"""The catalogue check must catch what it exists for: a text the code uses
but a catalogue lacks, an unfinished entry, a lost leading sign and a
catalogue that drifted from its text table. Runs the check on a scratch
copy of the tree with those faults planted."""
import os
import shutil
import subprocess
import sys
import tempfile

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'check_catalogues.py')


def run_check(root, lupdate):
    result = subprocess.run([sys.executable, CHECK, '--source-root', root, '--lupdate', lupdate],
                            capture_output=True, text=True)
    return result.returncode, result.stdout + result.stderr


def replace_in(path, old, new):
    with open(path, encoding='utf-8') as handle:
        text = handle.read()
    assert old in text, (path, old)
    with open(path, 'w', encoding='utf-8') as handle:
        handle.write(text.replace(old, new, 1))


def main():
    source_root, lupdate = sys.argv[1], sys.argv[2]
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        shutil.copytree(os.path.join(source_root, 'scripts'), os.path.join(scratch, 'scripts'))
        shutil.copytree(os.path.join(source_root, 'resources'), os.path.join(scratch, 'resources'))
        os.makedirs(os.path.join(scratch, 'app'))
        with open(os.path.join(scratch, 'app', 'uses.cpp'), 'w', encoding='utf-8') as handle:
            handle.write('#include <QCoreApplication>\n'
                         'void useTexts() {\n'
                         '    QCoreApplication::translate("UiLangRow", "语言");\n'
                         '    QCoreApplication::translate("PackGuiWindow", "▶  开始打包");\n'
                         '}\n')

        code, output = run_check(scratch, lupdate)
        if code != 0:
            failures.append('clean copy should pass:\n' + output)

        with open(os.path.join(scratch, 'app', 'more.cpp'), 'w', encoding='utf-8') as handle:
            handle.write('#include <QCoreApplication>\n'
                         'void more() { QCoreApplication::translate("PackGuiWindow", "没有的文本 %1"); }\n')
        i18n = os.path.join(scratch, 'resources', 'i18n')
        replace_in(os.path.join(i18n, 'en.ts'), '<translation>Language</translation>',
                   '<translation type="unfinished">Language</translation>')
        replace_in(os.path.join(i18n, 'es.ts'), '▶  Iniciar empaquetado', '▶ Iniciar empaquetado')
        code, output = run_check(scratch, lupdate)
        expected = [
            'text table resources/i18n/texts/source_texts.tsv lacks PackGuiWindow: "没有的文本 %1"',
            'pl.ts lacks PackGuiWindow: "没有的文本 %1"',
            'en.ts: unfinished entry UiLangRow: "语言"',
            "es.ts: PackGuiWindow: \"▶  开始打包\": leading sign '▶  ' vs '▶ '",
            'es.ts differs from its text table at PackGuiWindow: "▶  开始打包"',
        ]
        if code == 0:
            failures.append('planted faults were not reported')
        for line in expected:
            if line not in output:
                failures.append('missing report: ' + line)
        if 'de.ts: ' in output:
            failures.append('untouched catalogue reported:\n' + output)
    if failures:
        print('\n'.join(failures))
        return 1
    print('catalogue check reports planted faults')
    return 0


if __name__ == '__main__':
    sys.exit(main())
