"""Reads the lesson texts in texts/, the one source for pictures, narrations and lessons.json."""

import copy
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
TEXTS = os.path.join(HERE, "texts")
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
RESOURCES = os.path.join(ROOT, "game", "resources")

INTRO_PICTURE = 266

# The languages the lessons are told in besides English: texts/<lang>/ holds
# each lesson's title, dates line and text (same file names as texts/) and
# words.txt the words drawn in the pictures.
LANGUAGES = ["de", "fr", "it", "es"]


def read_text(path):
    """A header of `key: value` lines, a blank line, the text (one paragraph).
    Only plain spaces and line breaks separate words: a no-break space keeps
    "n. Chr." or "d. C." on one line."""
    with open(path, encoding="utf-8") as f:
        head, _, body = f.read().partition("\n\n")
    fields = {}
    for line in head.splitlines():
        key, sep, value = line.partition(":")
        if not sep:
            raise ValueError("%s: header line without a colon: %r" % (path, line))
        fields[key.strip()] = value.strip(" \t")
    text = " ".join(w for w in re.split(r"[ \t\r\n]+", body) if w)
    if not text:
        raise ValueError(path + ": no text")
    return fields, text


class Lesson:
    def __init__(self, path):
        fields, self.text = read_text(path)
        self.path = path
        self.language = "en"
        self.picture = int(fields["picture"])
        self.title = fields["title"]
        self.year = int(fields["year"])
        self.dates = fields.get("dates", "")
        self.command = int(fields["command"]) if "command" in fields else None
        self.narration = fields.get("narration")

    def translated(self, language):
        """The same lesson told in another language (its picture, year, command
        and narration name are the English lesson's)."""
        path = os.path.join(TEXTS, language, os.path.basename(self.path))
        fields, text = read_text(path)
        other = copy.copy(self)
        other.path, other.language, other.text = path, language, text
        other.title, other.dates = fields["title"], fields.get("dates", "")
        return other

    @property
    def is_intro(self):
        return self.picture == INTRO_PICTURE


def load_all(language="en"):
    """All lessons in file-name order: the introduction first, then the menu order."""
    names = sorted(n for n in os.listdir(TEXTS) if n.endswith(".txt"))
    lessons = [Lesson(os.path.join(TEXTS, n)) for n in names]
    return lessons if language == "en" else [l.translated(language) for l in lessons]


def picture_words(language):
    """English words of the pictures -> the language's (texts/<lang>/words.txt)."""
    words = {}
    with open(os.path.join(TEXTS, language, "words.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            english, sep, theirs = line.partition(" | ")
            if not sep:
                raise ValueError("words.txt of %s: no ' | ' in %r" % (language, line))
            words[english] = theirs
    return words


# Spellings that make the synthetic voices say Roman and Gothic names the way
# historians do; the pictures and lessons.json keep the real spelling.
SPOKEN = [
    (r"\b(Constantine|Theodosius) I\b", r"\1 the First"),
    (r"\bAD\b", "A D"),
    (r"\b1453\b", "fourteen fifty-three"),  # a year, not a number
    (r"\bMaximinus\b", "Maximynus"),
    (r"\bThrax\b", "Thracks"),
    (r"\bSeverus\b", "Sevv-erus"),
    (r"\bOdaenathus\b", "Oh-den-nay-thus"),
    (r"\bZenobia\b", "Zeh-no-bia"),
    (r"\bGallienus\b", "Gally-enus"),
    (r"\bPostumus\b", "Post-umus"),
    (r"\bValerian\b", "Va-leerian"),
    (r"\bShapur\b", "Sha-poor"),
    (r"\bEdessa\b", "Eh-dessa"),
    (r"\bJuthungi\b", "Yoo-thung-ghee"),
    (r"\bAlamanni\b", "Ala-manni"),
    (r"\bImmae\b", "Im-my"),
    (r"\bEmesa\b", "Emma-sa"),
    (r"\bTetricus\b", "Tet-rickus"),
    (r"\bChalons\b", "Shah-lon"),
    (r"\bAurelian\b", "Aw-reelian"),
    (r"\bDiocletian\b", "Dye-o-klee-shun"),
    (r"\bCarinus\b", "Ka-rye-nus"),
    (r"\bMargus\b", "Mar-gus"),
    (r"\bMaximian\b", "Max-imian"),
    (r"\bAugusti\b", "Au-gus-tye"),
    (r"\bCaesar\b", "Seezer"),
    (r"\bGalerius\b", "Ga-leerius"),
    (r"\bTetrarchy\b", "Tet-rarky"),
    (r"\bNicomedia\b", "Nicko-meedia"),
    (r"\bSirmium\b", "Sir-mium"),
    (r"\bMaxentius\b", "Max-en-shus"),
    (r"\bLicinius\b", "Lie-sinnius"),
    (r"\bMilvian\b", "Mil-vian"),
    (r"\bTervingi\b", "Ter-vin-ghee"),
    (r"\bFritigern\b", "Fritty-gern"),
    (r"\bValens\b", "Vay-lenz"),
    (r"\bAdrianople\b", "Ay-drian-opel"),
    (r"\bTheodosius\b", "Thee-o-doe-shus"),
    (r"\bNicene\b", "Nye-seen"),
    (r"\bFrigidus\b", "Fridge-idus"),
    (r"\bArcadius\b", "Ar-kay-dius"),
    (r"\bHonorius\b", "Ho-noarius"),
    (r"\bAlaric\b", "Alla-rick"),
    (r"\bVisigoth\b", "Vizzy-goth"),
    (r"\bStilicho\b", "Stilly-ko"),
    (r"\bSalarian\b", "Sa-lairian"),
    (r"\bBusento\b", "Boo-zento"),
    (r"\bGaiseric\b", "Guy-zerick"),
    (r"\bValentinian\b", "Valen-tinnian"),
    (r"\bPetronius\b", "Pe-tronius"),
    (r"\bEudoxia\b", "You-doxia"),
    (r"\bOrestes\b", "O-rest-eez"),
    (r"\bNepos\b", "Nee-poss"),
    (r"\bAugustulus\b", "Au-gust-ulus"),
    (r"\bOdoacer\b", "Oh-doe-ay-ser"),
    (r"\bPiacenza\b", "Pya-chenza"),
    (r"\bregalia\b", "re-gay-lia"),
    (r"\bAquileia\b", "Ack-wi-laya"),
    (r"\bSarmatians\b", "Sar-may-shuns"),
]


def spoken_table(language):
    """(pattern, respelling) pairs for the language's voice: SPOKEN for English,
    texts/<lang>/spoken.txt (`regular expression | what the voice reads`) for the others."""
    if language == "en":
        return SPOKEN
    table = []
    with open(os.path.join(TEXTS, language, "spoken.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                pattern, sep, repl = line.partition(" | ")
                if not sep:
                    raise ValueError("spoken.txt of %s: no ' | ' in %r" % (language, line))
                table.append((pattern, repl))
    return table


def spoken_text(lesson):
    """What the narrator reads: the title, then the text, with names respelt."""
    text = (lesson.title + ". " + lesson.text).replace("\u00a0", " ")
    for pattern, repl in spoken_table(lesson.language):
        text = re.sub(pattern, repl, text)
    return text
