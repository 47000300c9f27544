"""The words painted into the pictures, in the language being drawn.

Every word is written in pictures.py as translate("Pictures", "...") so that
lupdate files it in the catalogues (translations/aurovane_<lang>.ts); the
pictures of another language read its translations from there. A word with
no finished translation stops the build: no English is left in another
language's picture."""
import glob
import os
import sys
import xml.etree.ElementTree as ET

from common import ROOT

sys.path.insert(0, os.path.join(ROOT, "tools", "catalogue"))
import plain_catalogue  # noqa: E402  (the catalogues' one reader)

TRANSLATIONS = os.path.join(ROOT, "translations")
LANGUAGE = "en"
_words = {}


def languages():
    """The codes of the catalogues other than English."""
    codes = [os.path.basename(p)[len("aurovane_"):-len(".ts")]
             for p in glob.glob(os.path.join(TRANSLATIONS, "aurovane_*.ts"))]
    return sorted(c for c in codes if c != "en")


def catalogue(code, context):
    """source -> finished translation of one context of a catalogue."""
    root = ET.parse(os.path.join(TRANSLATIONS, "aurovane_%s.ts" % code)).getroot()
    return {source: forms[0] for name, source, forms, _ in plain_catalogue.entries(root) if name == context}


def set_language(code):
    global LANGUAGE, _words
    LANGUAGE = code
    _words = {} if code == "en" else catalogue(code, "Pictures")


def translate(context, text):
    assert context == "Pictures", context
    if LANGUAGE == "en":
        return text
    if text not in _words:
        raise KeyError("aurovane_%s.ts has no finished translation of %r" % (LANGUAGE, text))
    return _words[text]
