#!/usr/bin/env python3
"""The window's translation catalogues (translations/aurovane_<lang>.ts) in the
plain form the page and the terminal read with client/Catalogue.h.

  plain_catalogue.py plain TS OUT          the finished entries of one catalogue
  plain_catalogue.py source OUT TS...      the same, compiled in as C++ (the terminal)
  plain_catalogue.py pseudo TS OUT         every entry marked and made 40 % longer
  plain_catalogue.py languages OUT TS...   the windows' languages, names and completion, as a C++ header

The plain form is UTF-8 text, one line each:
  aurovane-catalogue 1
  language <code>
  plural one | zero-one        (which count takes the singular, as Qt's rules say)
  numbers <separator> <least>  (thousands as QLocale writes them; no separator: none)
  list <last separator>        (what QLocale's createSeparatedList puts before the last name)
  m<TAB>context<TAB>source<TAB>translation
  n<TAB>context<TAB>source<TAB>form<TAB>form...
with backslash, tab, line feed and carriage return written \\\\ \\t \\n \\r.
"""
import os
import sys
import xml.etree.ElementTree as ET

# What a language needs besides its catalogue: Qt's plural rule and the
# thousands QLocale writes (its group separator and the fewest digits a group
# needs in front of it), the word before the last of a list of names and the
# language's own name. The window speaks English in the rules' own digits.
LANGUAGES = {
    "en": ("one", "", 1, " and ", "English"),
    "de": ("one", ".", 1, " und ", "Deutsch"),
    "fr": ("zero-one", "\u202f", 1, " et ", "Fran\u00e7ais"),
    "it": ("one", ".", 1, " e ", "Italiano"),
    "es": ("one", ".", 2, " y ", "Espa\u00f1ol"),
}

# The pseudo language's marks, those of the window's pseudo-language test.
OPEN, CLOSE = "\u27e6", "\u27e7"


def escaped(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


def language_of(root, path):
    code = (root.get("language") or "")[:2].lower()
    if code not in LANGUAGES:
        sys.exit(f"{path}: no plural rule or number format known for language '{code}' (add it to LANGUAGES)")
    return code


def text_of(element):
    """An element's text; lupdate writes a carriage return as <byte value="xd"/>."""
    if element is None:
        return ""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value", "x0")[1:], 16))
        text += child.tail or ""
    return text


def entries(root, finished_only=True):
    """(context, source, [forms], numerus) of each entry."""
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            if translation is None:
                continue
            if finished_only and translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            numerus = message.get("numerus") == "yes"
            forms = [text_of(f) for f in translation.iter("numerusform")] if numerus else [text_of(translation)]
            if finished_only and not any(forms):
                continue
            yield name, source, forms, numerus


def completion(path):
    """The share of the entries translated and finished, as Options > Language counts it."""
    messages = list(ET.parse(path).getroot().iter("message"))
    done = [m for m in messages if m.find("translation") is not None
            and m.find("translation").get("type") not in ("unfinished", "vanished", "obsolete")]
    return 100 * len(done) // len(messages) if messages else 0


def header(code):
    rule, separator, least, last, _ = LANGUAGES[code]
    return (f"aurovane-catalogue 1\nlanguage {code}\nplural {rule}\nnumbers {escaped(separator)} {least}\n"
            f"list {escaped(last)}\n")


def line(context, source, forms, numerus):
    return "\t".join(["n" if numerus else "m", escaped(context), escaped(source)] + [escaped(f) for f in forms]) + "\n"


def plain(path):
    root = ET.parse(path).getroot()
    code = language_of(root, path)
    return header(code) + "".join(line(*e) for e in entries(root))


def longer(text):
    """The text marked and 40 % longer, its %1 and %n places kept. The added
    length comes in words of four, as a longer language's does: a wrapped line
    may break between them."""
    added = (len(text) * 2 + 4) // 5
    return OPEN + text + "".join(" " if i % 5 == 4 else "~" for i in range(added)) + CLOSE


def pseudo(path):
    root = ET.parse(path).getroot()
    out = header("de")
    for context, source, forms, numerus in entries(root, finished_only=False):
        out += line(context, source, [longer(source)] * (2 if numerus else 1), numerus)
    return out


def write(path, text):
    # A fresh build tree has none of the generated folders yet.
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def source(out, paths):
    # Bytes, not a string literal: a catalogue may hold any delimiter a raw literal could use.
    arrays, lookups = "", ""
    for i, path in enumerate(sorted(paths)):
        code = language_of(ET.parse(path).getroot(), path)
        arrays += f"constexpr unsigned char Catalogue{i}[] = {{{','.join(str(b) for b in plain(path).encode('utf-8'))}}};\n"
        lookups += f'    if (code == "{code}") return {{reinterpret_cast<const char*>(Catalogue{i}), sizeof Catalogue{i}}};\n'
    write(out, "// Generated by tools/catalogue/plain_catalogue.py from translations/aurovane_*.ts.\n"
               "#include \"client/BuiltInCatalogues.h\"\n\nnamespace {\n" + arrays + "}  // namespace\n\n"
               "std::string_view builtInCatalogue(std::string_view code) {\n" + lookups + "    return {};\n}\n")


def languages(out, paths):
    """The window's table of languages: English first, then each catalogue's
    in the order of LANGUAGES, with its own name and its completion."""
    done = {language_of(ET.parse(p).getroot(), p): completion(p) for p in paths}
    done["en"] = 100
    rows = "".join(f'    {{"{code}", "{LANGUAGES[code][4]}", {done[code]}}},\n' for code in LANGUAGES if code in done)
    write(out, "// Generated by tools/catalogue/plain_catalogue.py from translations/aurovane_*.ts.\n#pragma once\n\n"
               "struct CatalogueLanguage {\n    const char* code;\n    const char* nativeName;  // UTF-8\n"
               "    int percentDone;\n};\n\ninline constexpr CatalogueLanguage CatalogueLanguages[] = {\n" + rows + "};\n")


def main(argv):
    if len(argv) >= 4 and argv[1] == "plain":
        write(argv[3], plain(argv[2]))
    elif len(argv) >= 4 and argv[1] == "pseudo":
        write(argv[3], pseudo(argv[2]))
    elif len(argv) >= 4 and argv[1] == "source":
        source(argv[2], argv[3:])
    elif len(argv) >= 4 and argv[1] == "languages":
        languages(argv[2], argv[3:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
