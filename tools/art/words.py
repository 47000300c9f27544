"""The words painted into the pictures, in the language being drawn.

Every word is written in pictures.py as translate("Pictures", "...") so that
lupdate files it in the catalogues (translations/aurovane_<lang>.ts); the
pictures of another language read its translations from there. A word with
no finished translation stops the build: no English is left in another
language's picture."""
import glob
import html
import os
import re

from common import ROOT

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
    text = open(os.path.join(TRANSLATIONS, "aurovane_%s.ts" % code), encoding="utf-8").read()
    out = {}
    for block in re.findall(r"<context>(.*?)</context>", text, re.S):
        name = re.search(r"<name>(.*?)</name>", block, re.S)
        if not name or html.unescape(name.group(1)) != context:
            continue
        for source, attrs, translation in re.findall(
                r"<source>(.*?)</source>.*?<translation([^>]*)>(.*?)</translation>", block, re.S):
            if "type=" not in attrs and translation:
                out[html.unescape(source)] = html.unescape(translation)
    return out


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
