"""The English plural forms of one context of the window's English catalogue,
as a C++ table for the page's engine: the page fills its plural sentences with
the very words the window shows. A plural form of the sources without its
English forms in the catalogue stops the build.

    english_plurals.py CATALOGUE CONTEXT OUTPUT_HEADER SOURCE...
"""
import codecs
import re
import sys
import xml.etree.ElementTree as ET


def cpp(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def main(catalogue, context, output, *sources):
    rows = []
    english = set()
    for c in ET.parse(catalogue).getroot().iter('context'):
        if c.findtext('name') != context:
            continue
        for m in c.iter('message'):
            forms = [f.text or '' for f in m.iter('numerusform')]
            if m.get('numerus') == 'yes' and len(forms) == 2 and all(forms):
                rows.append(f'    {{{cpp(m.findtext("source"))}, {cpp(forms[0])}, {cpp(forms[1])}}},\n')
                english.add(m.findtext('source'))
    marked = re.compile(r'QT_TRANSLATE_N_NOOP\("' + re.escape(context) + r'",\s*"((?:[^"\\]|\\.)*)"\)')
    for source in sources:
        for form in marked.findall(open(source, encoding='utf-8').read()):
            if codecs.decode(form, 'unicode_escape') not in english:
                sys.exit(f'{catalogue}: no English plural forms for "{form}" ({source})')
    with open(output, 'w', encoding='utf-8') as out:
        out.write(f'// Made from {catalogue.split("/")[-1]} (context "{context}") by web/src/english_plurals.py.\n'
                  '#pragma once\n\nstruct EnglishPlural {\n    const char* source;\n    const char* one;\n'
                  '    const char* many;\n};\n\ninline constexpr EnglishPlural EnglishPlurals[] = {\n'
                  + ''.join(rows) + '};\n')


if __name__ == '__main__':
    main(*sys.argv[1:])
