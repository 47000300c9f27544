<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdvisorDialog</name>
    <message>
        <source>Message from the Praetorian Prefect</source>
        <translation>Nachricht des Prätorianerpräfekten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The Praetorian Prefect</source>
        <translation>Der Prätorianerpräfekt</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Play the game of seed &lt;N&gt;.</source>
        <translation>Das Spiel mit dem Startwert &lt;N&gt; spielen.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>The Qt platform.</source>
        <translation>Die Qt-Plattform.</translation>
    </message>
    <message>
        <source>A saved game or scenario to open.</source>
        <translation>Ein gespeichertes Spiel oder Szenario, das geöffnet werden soll.</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 4294967295.</source>
        <translation>Der Startwert muss eine ganze Zahl von 0 bis 4294967295 sein.</translation>
    </message>
    <message>
        <source>Aurovane, a strategy game of the late Roman Empire (235-476 AD).</source>
        <translation>Aurovane, ein Strategiespiel über das späte Römische Reich (235–476 n. Chr.).</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;: en, de, fr, it or es.</source>
        <translation>In der Sprache &lt;code&gt; sprechen: en, de, fr, it oder es.</translation>
    </message>
    <message>
        <source>no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the game window cannot open. The terminal edition, aurovane-cli, plays the same game without a window.</source>
        <translation>kein Bildschirm verfügbar (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt), daher kann sich das Spielfenster nicht öffnen. Die Terminalausgabe aurovane-cli spielt dasselbe Spiel ohne Fenster.</translation>
    </message>
</context>
<context>
    <name>FatalErrorApplication</name>
    <message>
        <source>%1 has met an internal error and must end:

%2

The game could not be saved.</source>
        <translation>%1 ist auf einen internen Fehler gestoßen und muss beendet werden:

%2

Das Spiel konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 has met an internal error and must end:

%2

The game was saved to: %3</source>
        <translation>%1 ist auf einen internen Fehler gestoßen und muss beendet werden:

%2

Das Spiel wurde gespeichert unter: %3</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>Unable to open file</source>
        <translation>Die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Unable to open file: you are not allowed to read it.</source>
        <translation>Die Datei lässt sich nicht öffnen: Du darfst sie nicht lesen.</translation>
    </message>
    <message>
        <source>Unable to open file: the name is too long.</source>
        <translation>Die Datei lässt sich nicht öffnen: Der Name ist zu lang.</translation>
    </message>
    <message>
        <source>Unable to open file: a part of the path is not a folder.</source>
        <translation>Die Datei lässt sich nicht öffnen: Ein Teil des Pfads ist kein Ordner.</translation>
    </message>
    <message>
        <source>Unable to open file: the path has too many links.</source>
        <translation>Die Datei lässt sich nicht öffnen: Der Pfad enthält zu viele Verknüpfungen.</translation>
    </message>
    <message>
        <source>Unable to open file: %1.</source>
        <translation>Die Datei lässt sich nicht öffnen: %1.</translation>
    </message>
    <message>
        <source>Unable to open file: the disk is full; free some space or save elsewhere.</source>
        <translation>Die Datei lässt sich nicht öffnen: Der Datenträger ist voll; schaffe Platz oder speichere an einem anderen Ort.</translation>
    </message>
    <message>
        <source>Unable to open file: the folder does not exist.</source>
        <translation>Die Datei lässt sich nicht öffnen: Der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>Unable to open file: you are not allowed to write in that folder.</source>
        <translation>Die Datei lässt sich nicht öffnen: Du darfst in diesem Ordner nicht schreiben.</translation>
    </message>
    <message>
        <source>Unable to open file: the disk is read-only.</source>
        <translation>Die Datei lässt sich nicht öffnen: Der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Unable to open file: a folder has that name.</source>
        <translation>Die Datei lässt sich nicht öffnen: Ein Ordner trägt diesen Namen.</translation>
    </message>
    <message>
        <source>Unable to open file: it is not an ordinary file (a pipe, a device or a socket).</source>
        <translation>Die Datei lässt sich nicht öffnen: Sie ist keine gewöhnliche Datei (eine Pipe, ein Gerät oder ein Socket).</translation>
    </message>
    <message>
        <source>Unable to open file: it is far too large to be a saved game.</source>
        <translation>Die Datei lässt sich nicht öffnen: Sie ist viel zu groß für einen Spielstand.</translation>
    </message>
    <message>
        <source>Unable to open file: the file is read-only; save under another name.</source>
        <translation>Die Datei lässt sich nicht öffnen: Die Datei ist schreibgeschützt; speichere unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>Unable to load file: the file is UTF-32 text; save it as plain text (UTF-8) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei ist UTF-32-Text; speichere sie als reinen Text (UTF-8) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file is UTF-16 text; save it as plain text (UTF-8) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei ist UTF-16-Text; speichere sie als reinen Text (UTF-8) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a carriage return inside a line (lines must end with a line feed) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Ein Wagenrücklauf mitten in einer Zeile (Zeilen müssen mit einem Zeilenvorschub enden) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a NUL byte: this is not a text file (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Ein NUL-Byte: Das ist keine Textdatei (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a control character (code %2) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Ein Steuerzeichen (Code %2) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a character that is not UTF-8 text (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Ein Zeichen, das kein UTF-8-Text ist (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the line is longer than %2 characters (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Zeile ist länger als %2 Zeichen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot;: only comments may hold letters beyond ASCII (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“: Nur Kommentare dürfen Buchstaben außerhalb von ASCII enthalten (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a province of the map (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Provinz der Karte (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: expected the line &quot;%2&quot;, found &quot;%3&quot; (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Erwartet wurde die Zeile „%2“, gefunden wurde „%3“ (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file was written by a later Aurovane (its %2 section is of version %3; this one reads version %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei stammt von einem neueren Aurovane (ihr Abschnitt %2 hat Version %3; diese Fassung liest Version %4) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: expected the end of the file or the line &quot;%2&quot; after the last legion section, found &quot;%3&quot; (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Nach dem letzten Legionsabschnitt wurde das Dateiende oder die Zeile „%2“ erwartet, gefunden wurde „%3“ (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: there is more after the briefing (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Nach dem Lagebericht folgt noch etwas (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is not listed, but the Sassanids always hold it (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: %2 steht in keiner Liste, gehört aber immer den Sassaniden (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is not listed, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: %2 steht in keiner Liste, gehört aber immer den Germanischen Stämmen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Romans, but the Sassanids always hold it (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: %2 steht in der Liste der Römer, gehört aber immer den Sassaniden (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Germanic Tribes, but the Sassanids always hold it (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: %2 steht in der Liste der Germanischen Stämme, gehört aber immer den Sassaniden (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Rebelling Legions, but the Sassanids always hold it (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: %2 steht in der Liste der Aufständischen Legionen, gehört aber immer den Sassaniden (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Romans, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: %2 steht in der Liste der Römer, gehört aber immer den Germanischen Stämmen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Sassanids, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: %2 steht in der Liste der Sassaniden, gehört aber immer den Germanischen Stämmen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Rebelling Legions, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: %2 steht in der Liste der Aufständischen Legionen, gehört aber immer den Germanischen Stämmen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the turn (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Runde (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the turn) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: die Runde) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the turn %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Runde liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the treasury (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Staatskasse (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the treasury) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: die Staatskasse) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the treasury %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Staatskasse liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the plague flag (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor dem Seuchenkennzeichen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the plague flag) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: das Seuchenkennzeichen) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the plague flag %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Das Seuchenkennzeichen liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the plague counter (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor dem Seuchenzähler (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the plague counter) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: der Seuchenzähler) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the plague counter %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Der Seuchenzähler liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a tribe countdown (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor einem Stammeszähler (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected a tribe countdown) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: ein Stammeszähler) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a tribe countdown %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Ein Stammeszähler liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of provinces (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Zahl der Provinzen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of provinces) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: die Zahl der Provinzen) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of provinces %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Zahl der Provinzen liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a province name (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor einem Provinznamen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of legions (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Zahl der Legionen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of legions) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: die Zahl der Legionen) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of legions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Zahl der Legionen liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s province (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Provinz einer Legion (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s route flag (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor dem Marschkennzeichen einer Legion (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected a legion&apos;s route flag) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: das Marschkennzeichen einer Legion) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a legion&apos;s route flag %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Das Marschkennzeichen einer Legion liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s destination (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor dem Ziel einer Legion (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of invasions (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Zahl der Invasionen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of invasions) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: die Zahl der Invasionen) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of invasions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Zahl der Invasionen liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of plagues (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Zahl der Seuchen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of plagues) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: die Zahl der Seuchen) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of plagues %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Zahl der Seuchen liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of rebellions (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Zahl der Aufstände (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of rebellions) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: die Zahl der Aufstände) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of rebellions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Zahl der Aufstände liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before last year&apos;s tax revenue (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor dem Steuerertrag des Vorjahres (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected last year&apos;s tax revenue) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: der Steuerertrag des Vorjahres) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: last year&apos;s tax revenue %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Der Steuerertrag des Vorjahres liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before last year&apos;s legion cost (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor dem Unterhalt der Legionen im Vorjahr (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected last year&apos;s legion cost) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: der Unterhalt der Legionen im Vorjahr) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: last year&apos;s legion cost %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Der Unterhalt der Legionen im Vorjahr liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the line &quot;%2&quot; (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Zeile „%2“ (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the news (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Zahl der Zeilen der Nachrichten (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the news) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: die Zahl der Zeilen der Nachrichten) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the news %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Zahl der Zeilen der Nachrichten liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the news (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor einer Zeile der Nachrichten (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the news (they begin with &gt; or +) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zeile der Nachrichten (diese beginnen mit &gt; oder +) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the news goes on (+) from no line before it (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Eine Zeile der Nachrichten setzt mit (+) fort, doch davor steht keine Zeile (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 lines in the news (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Mehr als %2 Zeilen in den Nachrichten (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the news may hold only ASCII letters (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Nachrichten dürfen nur ASCII-Buchstaben enthalten (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the news is longer than %2 characters (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Eine Zeile der Nachrichten ist länger als %2 Zeichen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the news is longer than %2 characters (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Nachrichten sind länger als %2 Zeichen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the title (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Zahl der Zeilen des Titels (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the title) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: die Zahl der Zeilen des Titels) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the title %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Zahl der Zeilen des Titels liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the title (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor einer Zeile des Titels (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the title (they begin with &gt; or +) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zeile des Titels (diese beginnen mit &gt; oder +) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the title goes on (+) from no line before it (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Eine Zeile des Titels setzt mit (+) fort, doch davor steht keine Zeile (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 line in the title (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Mehr als %2 Zeile im Titel (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the title is longer than %2 characters (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Eine Zeile des Titels ist länger als %2 Zeichen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the title is longer than %2 characters (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Der Titel ist länger als %2 Zeichen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the briefing (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor der Zahl der Zeilen des Lageberichts (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the briefing) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zahl (erwartet: die Zahl der Zeilen des Lageberichts) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the briefing %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Zahl der Zeilen des Lageberichts liegt mit %2 außerhalb des Bereichs von %3 bis %4 (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the briefing (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Die Datei endet vor einer Zeile des Lageberichts (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the briefing (they begin with &gt; or +) (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: „%2“ ist keine Zeile des Lageberichts (diese beginnen mit &gt; oder +) (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the briefing goes on (+) from no line before it (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Eine Zeile des Lageberichts setzt mit (+) fort, doch davor steht keine Zeile (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 lines in the briefing (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Mehr als %2 Zeilen im Lagebericht (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the briefing is longer than %2 characters (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Eine Zeile des Lageberichts ist länger als %2 Zeichen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the briefing is longer than %2 characters (line %1).</source>
        <translation>Die Datei lässt sich nicht laden: Der Lagebericht ist länger als %2 Zeichen (Zeile %1).</translation>
    </message>
    <message>
        <source>Unable to open file: the folder for kept games cannot be made.</source>
        <translation>Die Datei lässt sich nicht öffnen: Der Ordner für aufbewahrte Spiele lässt sich nicht anlegen.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Aurovane games (*.avn *.AVN)</source>
        <translation>Aurovane-Spiele (*.avn *.AVN)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Scenario</source>
        <translation>Szenario speichern</translation>
    </message>
    <message>
        <source>Open Scenario</source>
        <translation>Szenario öffnen</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>%1 AD</source>
        <translation>%1 n. Chr.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Zuvor</translation>
    </message>
    <message>
        <source>(scroll for more)</source>
        <translation>(für mehr blättern)</translation>
    </message>
    <message>
        <source>%1 has gone over to the rebels</source>
        <translation>Provinz %1 ist zu den Aufständischen übergelaufen</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>%1 will be spoken from the next start of the program.</source>
        <translation>Ab dem nächsten Programmstart wird %1 gesprochen.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>%1 (%2% translated)</source>
        <translation>%1 (%2 % übersetzt)</translation>
    </message>
</context>
<context>
    <name>LessonDialog</name>
    <message>
        <source>History Lesson</source>
        <translation>Geschichtsstunde</translation>
    </message>
    <message>
        <source>No sound device: the narration cannot play</source>
        <translation>Kein Audiogerät: Die Erzählung kann nicht abgespielt werden</translation>
    </message>
    <message>
        <source>&amp;Stop narration</source>
        <translation>Erzählung &amp;anhalten</translation>
    </message>
    <message>
        <source>&amp;Play narration</source>
        <translation>Erzählung &amp;abspielen</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>Maximinus Thrax</source>
        <translation>Maximinus Thrax</translation>
    </message>
    <message>
        <source>Three Empires</source>
        <translation>Drei Reiche</translation>
    </message>
    <message>
        <source>Aurelian</source>
        <translation>Aurelian</translation>
    </message>
    <message>
        <source>Diocletian</source>
        <translation>Diokletian</translation>
    </message>
    <message>
        <source>Constantine I</source>
        <translation>Konstantin I.</translation>
    </message>
    <message>
        <source>Battle of Adrianople</source>
        <translation>Schlacht von Adrianopel</translation>
    </message>
    <message>
        <source>Theodosius I</source>
        <translation>Theodosius I.</translation>
    </message>
    <message>
        <source>Sack of 410 AD</source>
        <translation>Plünderung Roms 410 n. Chr.</translation>
    </message>
    <message>
        <source>Sack of 455 AD</source>
        <translation>Plünderung Roms 455 n. Chr.</translation>
    </message>
    <message>
        <source>Romulus Augustulus</source>
        <translation>Romulus Augustulus</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Continue Last Game</source>
        <translation>Letztes Spiel &amp;fortsetzen</translation>
    </message>
    <message>
        <source>There is no game to continue yet: a game is kept at the end of every turn.</source>
        <translation>Es gibt noch kein Spiel zum Fortsetzen: Am Ende jeder Runde wird ein Spiel aufbewahrt.</translation>
    </message>
    <message>
        <source>Aurovane</source>
        <translation>Aurovane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Über ...</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation>Über Aurovane</translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation>Spiel gespeichert</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: it is missing from this installation.</source>
        <translation>Die Seite %1 konnte nicht angezeigt werden: Sie fehlt in dieser Installation.</translation>
    </message>
    <message>
        <source>Princeps,

Would you like to hear the hints on playing again?</source>
        <translation>Princeps,

möchtest du die Spielhinweise noch einmal hören?</translation>
    </message>
    <message>
        <source>The legions put down.</source>
        <translation>Die Legionen wurden abgesetzt.</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>S&amp;kill Level</source>
        <translation>Schwierig&amp;keitsgrad</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Schwer</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Year&apos;s News</source>
        <translation>&amp;Jahresbericht</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>&amp;Größere Schrift</translation>
    </message>
    <message>
        <source>S&amp;cenarios</source>
        <translation>S&amp;zenarien</translation>
    </message>
    <message>
        <source>&amp;Valerian (260 AD)</source>
        <translation>&amp;Valerian (260 n. Chr.)</translation>
    </message>
    <message>
        <source>&amp;Constantine (306 AD)</source>
        <translation>&amp;Konstantin (306 n. Chr.)</translation>
    </message>
    <message>
        <source>H&amp;onorius (409 AD)</source>
        <translation>H&amp;onorius (409 n. Chr.)</translation>
    </message>
    <message>
        <source>Valentinian &amp;III (454 AD)</source>
        <translation>Valentinian &amp;III. (454 n. Chr.)</translation>
    </message>
    <message>
        <source>Hi&amp;story</source>
        <translation>&amp;Geschichte</translation>
    </message>
    <message>
        <source>History &amp;Lessons</source>
        <translation>&amp;Geschichtsstunden</translation>
    </message>
    <message>
        <source>Study &amp;Guide</source>
        <translation>&amp;Lernhilfe</translation>
    </message>
    <message>
        <source>Take &amp;Quiz</source>
        <translation>&amp;Quiz machen</translation>
    </message>
    <message>
        <source>&amp;Hints from the Prefect</source>
        <translation>&amp;Hinweise des Präfekten</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Einführung</translation>
    </message>
    <message>
        <source>Princeps,

No audio device was found on this machine: the game plays without sound and narration.</source>
        <translation>Princeps,

auf diesem Rechner wurde kein Audiogerät gefunden: Das Spiel läuft ohne Ton und Erzählung.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
All the units in the province have already moved.<byte value="xd"/>
Notice how the legion icon appears grayed out.  You will be<byte value="xd"/>
able to move grayed out legions again next turn.</source>
        <translation>Princeps,

alle Einheiten dieser Provinz sind bereits gezogen. Achte darauf, dass das Legionssymbol dann grau erscheint. Graue Legionen kannst du in der nächsten Runde wieder bewegen.</translation>
    </message>
    <message>
        <source>The Romans believed the Tigris river was the<byte value="xd"/>
&quot;natural&quot; border of the empire. Roman<byte value="xd"/>
troops will not cross it unless there is an<byte value="xd"/>
immediate military threat.</source>
        <translation>Die Römer hielten den Tigris für die „natürliche“ Grenze des Reiches. Römische Truppen überschreiten ihn nur, wenn eine unmittelbare militärische Bedrohung besteht.</translation>
    </message>
    <message>
        <source>In 9 AD, a Roman army of 15,000 men was ambushed<byte value="xd"/>
and massacred in the Teutoburg Forest of Germania.<byte value="xd"/>
Consequently, Roman troops will not enter that <byte value="xd"/>
territory unless there are barbarians to attack.</source>
        <translation>Im Jahr 9 n. Chr. geriet ein römisches Heer von 15.000 Mann im Teutoburger Wald in Germanien in einen Hinterhalt und wurde niedergemacht. Deshalb betreten römische Truppen dieses Gebiet nur, wenn es dort Barbaren anzugreifen gilt.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
Our enemies have reached Rome and plundered<byte value="xd"/>
the Imperial treasury!</source>
        <translation>Princeps,

unsere Feinde haben Rom erreicht und die kaiserliche Staatskasse geplündert!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
We are running out of money!<byte value="xd"/>
We should conquer new provinces to increase our tax base.</source>
        <translation>Princeps,

uns geht das Geld aus! Wir sollten neue Provinzen erobern, um unsere Steuereinnahmen zu erhöhen.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The treasury is empty! The legions are starting to disband.</source>
        <translation>Princeps,

die Staatskasse ist leer! Die Legionen beginnen sich aufzulösen.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The number of legions we can raise depends on<byte value="xd"/>
how many provinces we control.  To increase<byte value="xd"/>
the maximum number of legions we can recruit,<byte value="xd"/>
we must conquer more provinces.</source>
        <translation>Princeps,

wie viele Legionen wir aufstellen können, hängt davon ab, wie viele Provinzen wir beherrschen. Um mehr Legionen ausheben zu können, müssen wir weitere Provinzen erobern.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The empire has been hit by a plague!  This is will<byte value="xd"/>
reduce tax revenue and slow the creation of new<byte value="xd"/>
legions.</source>
        <translation>Princeps,

eine Seuche hat das Reich heimgesucht! Sie wird die Steuereinnahmen schmälern und die Aufstellung neuer Legionen verlangsamen.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The plague has finally ended.</source>
        <translation>Princeps,

die Seuche ist endlich vorüber.</translation>
    </message>
    <message>
        <source>Hint: Egypt was strategically important to<byte value="xd"/>
the Romans because it produced much of the grain which was <byte value="xd"/>
dispensed for free to Rome&apos;s huge number of urban poor.<byte value="xd"/>
<byte value="xd"/>
In this game, this province will pay three times the tax<byte value="xd"/>
and allow you to put two extra legions in the field.</source>
        <translation>Hinweis: Ägypten war für die Römer von strategischer Bedeutung, denn es lieferte einen Großteil des Getreides, das kostenlos an die vielen Armen der Stadt Rom verteilt wurde.

In diesem Spiel zahlt diese Provinz den dreifachen Steuerbetrag und erlaubt dir, zwei zusätzliche Legionen ins Feld zu schicken.</translation>
    </message>
    <message>
        <source>Hint: Britannia was a valuable province.  It<byte value="xd"/>
produced huge amounts of lead, which was used<byte value="xd"/>
the way plastics are used today.<byte value="xd"/>
<byte value="xd"/>
Britannia will pay twice the standard tax amount,<byte value="xd"/>
but may rebel if no legions are stationed there.<byte value="xd"/>
</source>
        <translation>Hinweis: Britannien war eine wertvolle Provinz. Es förderte gewaltige Mengen Blei, das man damals so verwendete wie heute Kunststoff.

Britannien zahlt den doppelten Steuerbetrag, kann sich aber erheben, wenn dort keine Legionen stehen.</translation>
    </message>
    <message>
        <source>Hint:  Dacia was the only part of the Roman Empire<byte value="xd"/>
on the far side of the Danube river, and defending<byte value="xd"/>
it against the Goths became increasingly expensive.<byte value="xd"/>
The Romans abandonned it in either 271 or 275 AD.<byte value="xd"/>
<byte value="xd"/>
In this game, Dacia pays half the normal tax<byte value="xd"/>
and does not raise legions.</source>
        <translation>Hinweis: Dakien war der einzige Teil des Römischen Reiches jenseits der Donau, und seine Verteidigung gegen die Goten wurde immer kostspieliger. Die Römer gaben es 271 oder 275 n. Chr. auf.

In diesem Spiel zahlt Dakien die Hälfte der üblichen Steuer und stellt keine Legionen auf.</translation>
    </message>
    <message>
        <source>Hint:  The North African provinces produced<byte value="xd"/>
most of Rome&apos;s grain supply.<byte value="xd"/>
<byte value="xd"/>
Not controlling at least one North African<byte value="xd"/>
province will result in food riots in Rome.</source>
        <translation>Hinweis: Die nordafrikanischen Provinzen lieferten den größten Teil des Getreides für Rom.

Beherrschst du keine einzige nordafrikanische Provinz, kommt es in Rom zu Hungeraufständen.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
We do not have that much in the treasury.</source>
        <translation>Princeps,

so viel haben wir nicht in der Staatskasse.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The troops have backed down from their demands.</source>
        <translation>Princeps,

die Truppen haben ihre Forderungen zurückgenommen.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The %1 have rebelled! They have<byte value="xd"/>
proclaimed their commander the new Emperor and are<byte value="xd"/>
marching on Rome!</source>
        <translation>Princeps,

die %1 haben sich erhoben! Sie haben ihren Befehlshaber zum neuen Kaiser ausgerufen und marschieren auf Rom!</translation>
    </message>
    <message>
        <source>When a province rebels it is shown in white, and any legions<byte value="xd"/>
in it are shown in red.  You no longer control rebelling<byte value="xd"/>
legions.  To regain control of a rebelling province you<byte value="xd"/>
must move a non-rebelling legion into it.</source>
        <translation>Erhebt sich eine Provinz, wird sie weiß dargestellt und ihre Legionen rot. Aufständische Legionen gehorchen dir nicht mehr. Um eine aufständische Provinz zurückzugewinnen, musst du eine treue Legion hineinführen.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The tribes of Britannia have rebelled against Roman rule!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

die Stämme Britanniens haben sich gegen die römische Herrschaft erhoben!

Wir sollten eine Legion dorthin schicken, um die Ordnung wiederherzustellen.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The people of Aegyptus have rebelled against Roman rule!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

das Volk Ägyptens hat sich gegen die römische Herrschaft erhoben!

Wir sollten eine Legion dorthin schicken, um die Ordnung wiederherzustellen.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The people of Italia are rioting over the lack of grain!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

das Volk Italiens rebelliert wegen des Getreidemangels!

Wir sollten eine Legion dorthin schicken, um die Ordnung wiederherzustellen.</translation>
    </message>
    <message>
        <source>Palestina has been overthrown by the<byte value="xd"/>
People&apos;s Front of Judea (the PFJ)!</source>
        <translation>Palästina wurde von der Volksfront von Judäa (der VFJ) gestürzt!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The eastern and western ends of the empire<byte value="xd"/>
have rebelled!</source>
        <translation>Princeps,

der Osten und der Westen des Reiches haben sich erhoben!</translation>
    </message>
    <message>
        <source>The governor of Britannia, Marcus Carausius, has rebelled<byte value="xd"/>
and several provinces in Gaul have joined him!</source>
        <translation>Der Statthalter Britanniens, Marcus Carausius, hat sich erhoben, und mehrere Provinzen Galliens haben sich ihm angeschlossen!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
The Egyptians have rebelled!</source>
        <translation>Princeps, die Ägypter haben sich erhoben!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The eastern emperor Licinius is trying to claim<byte value="xd"/>
the whole empire for himself. He is marching on <byte value="xd"/>
Rome with 3 legions!</source>
        <translation>Princeps,

der Kaiser des Ostens, Licinius, will das ganze Reich für sich beanspruchen. Er marschiert mit 3 Legionen auf Rom!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
A usurper in Britannia calling himself Constantine III,<byte value="xd"/>
has rebelled, and is marching in Gaul!</source>
        <translation>Princeps,

ein Usurpator in Britannien, der sich Konstantin III. nennt, hat sich erhoben und marschiert in Gallien ein!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Visigoth king Aleric is marching on Rome!</source>
        <translation>Princeps,

der Westgotenkönig Alarich marschiert auf Rom!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Saxons are preparing to attack Britannia!</source>
        <translation>Princeps,

die Sachsen rüsten zum Angriff auf Britannien!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
A tribe called the Vandals is crossing the Rhine river!</source>
        <translation>Princeps,

ein Stamm namens Vandalen überquert den Rhein!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Huns have massed a large army across the Rhine!</source>
        <translation>Princeps,

die Hunnen haben jenseits des Rheins ein großes Heer zusammengezogen!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
An army of %1 has been sighted on the frontier!</source>
        <translation>Princeps,

an der Grenze wurde ein Heer der %1 gesichtet!</translation>
    </message>
    <message>
        <source>The %1 have crossed the frontier!</source>
        <translation>Die %1 haben die Grenze überschritten!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Sassanids are massing troops across the Tigris River!</source>
        <translation>Princeps,

die Sassaniden ziehen jenseits des Tigris Truppen zusammen!</translation>
    </message>
    <message>
        <source>The Sassanids have crossed the Tigris!</source>
        <translation>Die Sassaniden haben den Tigris überschritten!</translation>
    </message>
    <message>
        <source>Our attack on %1 failed</source>
        <translation>Unser Angriff auf die Provinz %1 ist gescheitert</translation>
    </message>
    <message>
        <source>Enemy legion in %1 defeated</source>
        <translation>Feindliche Legion in der Provinz %1 besiegt</translation>
    </message>
    <message>
        <source>Our raid into %1 was successful</source>
        <translation>Unser Vorstoß in die Provinz %1 war erfolgreich</translation>
    </message>
    <message>
        <source>We have reconquered %1</source>
        <translation>Wir haben die Provinz %1 zurückerobert</translation>
    </message>
    <message>
        <source>%1 has been overrun</source>
        <translation>Die Provinz %1 wurde überrannt</translation>
    </message>
    <message>
        <source>%1 has rebelled</source>
        <translation>Die Provinz %1 hat sich erhoben</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The legions are demanding a bonus of %1 sesterces.<byte value="xd"/>
<byte value="xd"/>
Do you wish to pay them?</source>
        <translation>Princeps,

die Legionen verlangen eine Sonderzahlung von %1 Sesterzen.

Willst du sie bezahlen?</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The %1 are offering peace for %2 years <byte value="xd"/>
in exchange for %3 sesterces.<byte value="xd"/>
<byte value="xd"/>
Do you accept their offer?</source>
        <translation>Princeps,

die %1 bieten Frieden für %2 Jahre gegen %3 Sesterzen an.

Nimmst du ihr Angebot an?</translation>
    </message>
    <message>
        <source>A tribe from across the Rhine is asking to settle in<byte value="xd"/>
%1.  Should we settle them as farmers to<byte value="xd"/>
increase tax revenue, or press them into military service?<byte value="xd"/>
<byte value="xd"/>
[Settling them as farmers will put 5,000 sesterces into<byte value="xd"/>
the treasury]</source>
        <translation>Ein Stamm von jenseits des Rheins bittet darum, sich in der Provinz %1 niederlassen zu dürfen. Sollen wir ihn als Bauern ansiedeln, um die Steuereinnahmen zu erhöhen, oder zum Kriegsdienst verpflichten?

[Als Bauern angesiedelt, bringen sie der Staatskasse 5.000 Sesterzen]</translation>
    </message>
    <message>
        <source>Farmers</source>
        <translation>Bauern</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldaten</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
Our empire has been defeated.<byte value="xd"/>
<byte value="xd"/>
Tentate Iterum? (Would you like to play again?)</source>
        <translation>Princeps,

unser Reich ist besiegt.

Tentate iterum? (Möchtest du noch einmal spielen?)</translation>
    </message>
    <message>
        <source>Congratulations!<byte value="xd"/>
<byte value="xd"/>
You have survived Rome&apos;s &quot;Crisis of the Third Century&quot;<byte value="xd"/>
Do you want to keep playing until 476 AD?</source>
        <translation>Glückwunsch!

Du hast die „Reichskrise des 3. Jahrhunderts“ überstanden. Möchtest du bis 476 n. Chr. weiterspielen?</translation>
    </message>
    <message>
        <source>Congratulations! You have outlasted the Western<byte value="xd"/>
Roman Empire.<byte value="xd"/>
<byte value="xd"/>
Do you wish to play again?<byte value="xd"/>
</source>
        <translation>Glückwunsch! Du hast das Weströmische Reich überdauert.

Möchtest du noch einmal spielen?</translation>
    </message>
    <message>
        <source>Welcome, Princeps<byte value="xd"/>
<byte value="xd"/>
I am your advisor and I will be providing you with<byte value="xd"/>
information to help you guide the Roman Empire<byte value="xd"/>
through the &quot;Crisis of the Third Century.&quot;<byte value="xd"/>
<byte value="xd"/>
Would you like a few hints on playing before we start?</source>
        <translation>Willkommen, Princeps

Ich bin dein Berater und werde dich mit Nachrichten versorgen, damit du das Römische Reich durch die „Reichskrise des 3. Jahrhunderts“ führen kannst.

Möchtest du vor dem Beginn ein paar Spielhinweise?</translation>
    </message>
    <message>
        <source>Your empire consists of provinces.  Each turn, your provinces<byte value="xd"/>
will pay taxes and create legions for you. Roman provinces are<byte value="xd"/>
shown in light-red.  Enemey-held provinces are other colors</source>
        <translation>Dein Reich besteht aus Provinzen. In jeder Runde zahlen deine Provinzen Steuern und stellen Legionen für dich auf. Römische Provinzen sind hellrot dargestellt, feindliche Provinzen in anderen Farben.</translation>
    </message>
    <message>
        <source>To move a legion, left-click and drag it where you want it to<byte value="xd"/>
go.  If there are enemy legions in the destination or any<byte value="xd"/>
provinces on the way, your legion will attack them</source>
        <translation>Um eine Legion zu bewegen, klicke sie mit der linken Maustaste an und ziehe sie an ihr Ziel. Stehen am Ziel oder in einer Provinz auf dem Weg feindliche Legionen, greift deine Legion sie an.</translation>
    </message>
    <message>
        <source>When you have moved all your legions, your enemies will move<byte value="xd"/>
their legions.  If you dont want to move all your legions, <byte value="xd"/>
just right-click the mouse to advance the game one turn.</source>
        <translation>Wenn du alle deine Legionen bewegt hast, ziehen deine Feinde mit ihren Legionen. Willst du nicht alle Legionen bewegen, klicke einfach mit der rechten Maustaste, um das Spiel eine Runde weiterzuführen.</translation>
    </message>
    <message>
        <source>Your goal is to hold on to as many Roman provinces<byte value="xd"/>
as possible. To win, you must control at least one<byte value="xd"/>
province when the &quot;Crisis of the Third Century&quot; ends<byte value="xd"/>
in 285 AD - Good luck, Princeps!<byte value="xd"/>
</source>
        <translation>Dein Ziel ist es, so viele römische Provinzen wie möglich zu halten. Um zu gewinnen, musst du noch mindestens eine Provinz beherrschen, wenn die „Reichskrise des 3. Jahrhunderts“ 285 n. Chr. endet. Viel Glück, Princeps!</translation>
    </message>
    <message>
        <source>If at any time you need help, you can refer to<byte value="xd"/>
the video tutorial under the Help menu.<byte value="xd"/>
<byte value="xd"/>
Good luck, Princeps!</source>
        <translation>Wenn du irgendwann Hilfe brauchst, findest du die Einführung im Menü „Hilfe“.

Viel Glück, Princeps!</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Italia</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Aquitania</source>
        <translation>Aquitanien</translation>
    </message>
    <message>
        <source>Terraconensis</source>
        <translation>Tarraconensis</translation>
    </message>
    <message>
        <source>Upper Rhine</source>
        <translation>Oberrhein</translation>
    </message>
    <message>
        <source>Mauretania</source>
        <translation>Mauretanien</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Africa</translation>
    </message>
    <message>
        <source>Aegyptus</source>
        <translation>Ägypten</translation>
    </message>
    <message>
        <source>Dalmatia</source>
        <translation>Dalmatien</translation>
    </message>
    <message>
        <source>Macedonia</source>
        <translation>Makedonien</translation>
    </message>
    <message>
        <source>Pontus</source>
        <translation>Pontus</translation>
    </message>
    <message>
        <source>Palestina</source>
        <translation>Palästina</translation>
    </message>
    <message>
        <source>Armenia</source>
        <translation>Armenien</translation>
    </message>
    <message>
        <source>Sarmatia</source>
        <translation>Sarmatien</translation>
    </message>
    <message>
        <source>Syria</source>
        <translation>Syrien</translation>
    </message>
    <message>
        <source>Dacia</source>
        <translation>Dakien</translation>
    </message>
    <message>
        <source>Pannonia</source>
        <translation>Pannonien</translation>
    </message>
    <message>
        <source>Britannia</source>
        <translation>Britannien</translation>
    </message>
    <message>
        <source>Thracia</source>
        <translation>Thrakien</translation>
    </message>
    <message>
        <source>Belgica</source>
        <translation>Belgica</translation>
    </message>
    <message>
        <source>Lower Rhine</source>
        <translation>Niederrhein</translation>
    </message>
    <message>
        <source>Lower Danube</source>
        <translation>Untere Donau</translation>
    </message>
    <message>
        <source>Mesopotamia</source>
        <translation>Mesopotamien</translation>
    </message>
    <message>
        <source>Upper Danube</source>
        <translation>Obere Donau</translation>
    </message>
    <message>
        <source>Lusitania</source>
        <translation>Lusitanien</translation>
    </message>
    <message>
        <source>Lugdunensis</source>
        <translation>Lugdunensis</translation>
    </message>
    <message>
        <source>Narbonensis</source>
        <translation>Narbonensis</translation>
    </message>
    <message>
        <source>Raetia</source>
        <translation>Rätien</translation>
    </message>
    <message>
        <source>Lydia</source>
        <translation>Lydien</translation>
    </message>
    <message>
        <source>Phrygia</source>
        <translation>Phrygien</translation>
    </message>
    <message>
        <source>Cappadocia</source>
        <translation>Kappadokien</translation>
    </message>
    <message>
        <source>Rebellious. Supports 2 legions</source>
        <translation>Aufrührerisch. Unterhält 2 Legionen</translation>
    </message>
    <message>
        <source>Rebellious. Supports 3 legions</source>
        <translation>Aufrührerisch. Unterhält 3 Legionen</translation>
    </message>
    <message>
        <source>Does not raise or support legions</source>
        <translation>Stellt keine Legionen auf und unterhält keine</translation>
    </message>
    <message>
        <source>Saxon territory</source>
        <translation>Gebiet der Sachsen</translation>
    </message>
    <message>
        <source>Sassanid territory</source>
        <translation>Gebiet der Sassaniden</translation>
    </message>
    <message>
        <source>Goth territory</source>
        <translation>Gebiet der Goten</translation>
    </message>
    <message>
        <source>Vandal, Frankish territory</source>
        <translation>Gebiet der Vandalen und Franken</translation>
    </message>
    <message>
        <source>Marcommani territory</source>
        <translation>Gebiet der Markomannen</translation>
    </message>
    <message>
        <source>Supports 1 legion</source>
        <translation>Unterhält 1 Legion</translation>
    </message>
    <message>
        <source>Romans</source>
        <translation>Römer</translation>
    </message>
    <message>
        <source>Germanic Tribes</source>
        <translation>Germanische Stämme</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sassaniden</translation>
    </message>
    <message>
        <source>Rebelling Legions</source>
        <translation>Aufständische Legionen</translation>
    </message>
    <message>
        <source>Saxons</source>
        <translation>Sachsen</translation>
    </message>
    <message>
        <source>Franks</source>
        <translation>Franken</translation>
    </message>
    <message>
        <source>Marcomanni</source>
        <translation>Markomannen</translation>
    </message>
    <message>
        <source>Goths</source>
        <translation>Goten</translation>
    </message>
    <message>
        <source>Vandals</source>
        <translation>Vandalen</translation>
    </message>
    <message>
        <source>Ostrogoths</source>
        <translation>Ostgoten</translation>
    </message>
    <message>
        <source>Visigoths</source>
        <translation>Westgoten</translation>
    </message>
    <message>
        <source>Rhine legions</source>
        <translation>Rheinlegionen</translation>
    </message>
    <message>
        <source>Danube legions</source>
        <translation>Donaulegionen</translation>
    </message>
    <message>
        <source>Eastern legions</source>
        <translation>Ostlegionen</translation>
    </message>
    <message>
        <source>North african legions</source>
        <translation>nordafrikanischen Legionen</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Provinz</translation>
    </message>
    <message>
        <source>Tap a province on the map, or choose it here.</source>
        <translation>Tippe auf eine Provinz der Karte oder wähle sie hier.</translation>
    </message>
    <message>
        <source>Held by</source>
        <translation>Gehalten von</translation>
    </message>
    <message>
        <source>Legions</source>
        <translation>Legionen</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Staatskasse</translation>
    </message>
    <message>
        <source>Plague</source>
        <translation>Seuche</translation>
    </message>
    <message>
        <source>Plague years</source>
        <translation>Jahre der Seuche</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Lagebericht</translation>
    </message>
    <message>
        <source>Loading the editor…</source>
        <translation>Der Editor wird geladen…</translation>
    </message>
    <message>
        <source>New Scenario</source>
        <translation>Neues Szenario</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Datei öffnen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Share as a Link</source>
        <translation>Als Link teilen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Back to the game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Anyone who opens this link plays your scenario:</source>
        <translation>Wer diesen Link öffnet, spielt dein Szenario:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The map: tap a province to edit it</source>
        <translation>Die Karte: Tippe auf eine Provinz, um sie zu bearbeiten</translation>
    </message>
    <message>
        <source>One legion fewer</source>
        <translation>Eine Legion weniger</translation>
    </message>
    <message>
        <source>One legion more</source>
        <translation>Eine Legion mehr</translation>
    </message>
    <message>
        <source>Share as a link</source>
        <translation>Als Link teilen</translation>
    </message>
    <message>
        <source>The link</source>
        <translation>Der Link</translation>
    </message>
    <message>
        <source>The Praetorian Prefect</source>
        <translation>Der Prätorianerpräfekt</translation>
    </message>
    <message>
        <source>Aurovane Scenario Editor</source>
        <translation>Aurovane-Szenarioeditor</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>End Year</source>
        <translation>Jahr beenden</translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Provinzen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Loading Aurovane…</source>
        <translation>Aurovane wird geladen…</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Continue Last Game</source>
        <translation>Letztes Spiel fortsetzen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Open in the Editor</source>
        <translation>Im Editor öffnen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Szenarien</translation>
    </message>
    <message>
        <source>Valerian (260 AD)</source>
        <translation>Valerian (260 n. Chr.)</translation>
    </message>
    <message>
        <source>Constantine (308 AD)</source>
        <translation>Konstantin (308 n. Chr.)</translation>
    </message>
    <message>
        <source>Honorius (410 AD)</source>
        <translation>Honorius (410 n. Chr.)</translation>
    </message>
    <message>
        <source>Valentinian III (455 AD)</source>
        <translation>Valentinian III. (455 n. Chr.)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschichte</translation>
    </message>
    <message>
        <source>Study Guide</source>
        <translation>Lernhilfe</translation>
    </message>
    <message>
        <source>Take Quiz</source>
        <translation>Zum Quiz</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>About …</source>
        <translation>Über …</translation>
    </message>
    <message>
        <source>The map of the Roman Empire</source>
        <translation>Die Karte des Römischen Reiches</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Aurovane</source>
        <translation>Aurovane</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Untitled scenario</source>
        <translation>Szenario ohne Titel</translation>
    </message>
    <message>
        <source>%1 AD</source>
        <translation>%1 n. Chr.</translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation>Über Aurovane</translation>
    </message>
    <message>
        <source>Year&apos;s News</source>
        <translation>Jahresbericht</translation>
    </message>
    <message>
        <source>The year&apos;s news</source>
        <translation>Die Nachrichten des Jahres</translation>
    </message>
</context>
<context>
    <name>PageViewer</name>
    <message>
        <source>Aurovane</source>
        <translation>Aurovane</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>Aurovane.</source>
        <translation>Aurovane.</translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire, 235 to 476 AD.</source>
        <translation>Ein lehrreiches Strategiespiel über das späte Römische Reich, 235 bis 476 n. Chr.</translation>
    </message>
    <message>
        <source>Design, rules and programming: the Aurovane team.</source>
        <translation>Entwurf, Regeln und Programmierung: das Aurovane-Team.</translation>
    </message>
    <message>
        <source>Pictures: drawn by our own generators, every figure made in code.</source>
        <translation>Bilder: von unseren eigenen Generatoren gezeichnet, jede Figur im Code entstanden.</translation>
    </message>
    <message>
        <source>Sounds and narration: made for this game by the Aurovane team.</source>
        <translation>Klänge und Erzählung: vom Aurovane-Team für dieses Spiel geschaffen.</translation>
    </message>
    <message>
        <source>Typeface: EB Garamond by Georg Duffner, SIL Open Font License 1.1.</source>
        <translation>Schrift: EB Garamond von Georg Duffner, SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Version 1.0. Vale, Princeps!</source>
        <translation>Version 1.0. Vale, Princeps!</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>COMPUTER TURN</source>
        <translation>ZUG DES COMPUTERS</translation>
    </message>
    <message>
        <source>235 – 476 AD</source>
        <translation>235 – 476 n. Chr.</translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire</source>
        <translation>Ein lehrreiches Strategiespiel über das späte Römische Reich</translation>
    </message>
    <message>
        <source>Hold the frontiers, keep the treasury, learn how Rome endured and fell</source>
        <translation>Halte die Grenzen, hüte den Staatsschatz, erfahre, wie Rom bestand und fiel</translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire, 235 – 476 AD</source>
        <translation>Ein lehrreiches Strategiespiel über das späte Römische Reich, 235 – 476 n. Chr.</translation>
    </message>
    <message>
        <source>DESIGN, RULES AND PROGRAMMING</source>
        <translation>ENTWURF, REGELN UND PROGRAMMIERUNG</translation>
    </message>
    <message>
        <source>The Aurovane team</source>
        <translation>Das Aurovane-Team</translation>
    </message>
    <message>
        <source>PICTURES</source>
        <translation>BILDER</translation>
    </message>
    <message>
        <source>Drawn by our own generators, every figure made in code</source>
        <translation>Von unseren eigenen Generatoren gezeichnet, jede Figur im Code entstanden</translation>
    </message>
    <message>
        <source>SOUNDS AND NARRATION</source>
        <translation>KLÄNGE UND ERZÄHLUNG</translation>
    </message>
    <message>
        <source>Made for this game by the Aurovane team</source>
        <translation>Vom Aurovane-Team für dieses Spiel geschaffen</translation>
    </message>
    <message>
        <source>TYPEFACE</source>
        <translation>SCHRIFT</translation>
    </message>
    <message>
        <source>EB Garamond by Georg Duffner, SIL Open Font License 1.1</source>
        <translation>EB Garamond von Georg Duffner, SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Vale, Princeps!</source>
        <translation>Vale, Princeps!</translation>
    </message>
    <message>
        <source>RESULTS</source>
        <translation>ERGEBNISSE</translation>
    </message>
    <message>
        <source>YOU SURVIVED:</source>
        <translation>DU HAST ÜBERSTANDEN:</translation>
    </message>
    <message>
        <source>INVASIONS</source>
        <translation>EINFÄLLE</translation>
    </message>
    <message>
        <source>PLAGUES</source>
        <translation>SEUCHEN</translation>
    </message>
    <message>
        <source>REBELLIONS</source>
        <translation>AUFSTÄNDE</translation>
    </message>
    <message>
        <source>WELL DONE, PRINCEPS</source>
        <translation>GUT GEMACHT, PRINCEPS</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Aurovane</source>
        <translation>Aurovane</translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation>Über Aurovane</translation>
    </message>
</context>
<context>
    <name>QuizDialog</name>
    <message>
        <source>Quiz: the Late Roman Empire</source>
        <translation>Quiz: Das späte Römische Reich</translation>
    </message>
    <message>
        <source>Check my answers</source>
        <translation>Antworten prüfen</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ScreenAccessible</name>
    <message>
        <source>The map of the Roman Empire</source>
        <translation>Die Karte des Römischen Reiches</translation>
    </message>
    <message>
        <source>The provinces are a list; arrow keys or a name&apos;s first letters move the highlight, Enter takes the legions there up and Enter again sends them, Escape puts them down, E or Space ends the year.</source>
        <translation>Die Provinzen bilden eine Liste: Pfeiltasten oder die ersten Buchstaben eines Namens bewegen die Markierung, die Eingabetaste nimmt die Legionen dort auf und schickt sie beim zweiten Drücken los, Escape setzt sie wieder ab, E oder die Leertaste beendet das Jahr.</translation>
    </message>
    <message>
        <source>End the year</source>
        <translation>Das Jahr beenden</translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Provinzen</translation>
    </message>
    <message>
        <source>Legend.</source>
        <translation>Legende.</translation>
    </message>
    <message>
        <source>Information line: no province shown.</source>
        <translation>Infozeile: keine Provinz angezeigt.</translation>
    </message>
    <message>
        <source>No year&apos;s news shown.</source>
        <translation>Kein Jahresbericht angezeigt.</translation>
    </message>
</context>
<context>
    <name>ScreenText</name>
    <message>
        <source>YEAR: %1 AD</source>
        <translation>JAHR: %1 n. Chr.</translation>
    </message>
    <message>
        <source>ECONOMIC REPORT</source>
        <translation>WIRTSCHAFTSBERICHT</translation>
    </message>
    <message>
        <source>Tax Revenue: %1</source>
        <translation>Steuereinnahmen: %1</translation>
    </message>
    <message>
        <source>Legion Cost: %1</source>
        <translation>Legionskosten: %1</translation>
    </message>
    <message>
        <source>Net: %1%2</source>
        <translation>Saldo: %1%2</translation>
    </message>
    <message>
        <source>Treasury: %1</source>
        <translation>Staatskasse: %1</translation>
    </message>
    <message>
        <source>The Empire is out of money:</source>
        <translation>Das Reich hat kein Geld mehr:</translation>
    </message>
    <message>
        <source>The legions are disbanding!</source>
        <translation>Die Legionen lösen sich auf!</translation>
    </message>
    <message>
        <source>The Empire is suffering from a plague.</source>
        <translation>Eine Seuche sucht das Reich heim.</translation>
    </message>
    <message>
        <source>Taxes are being collected</source>
        <translation>Die Steuern werden eingezogen</translation>
    </message>
    <message>
        <source>Legions are being paid</source>
        <translation>Die Legionen werden besoldet</translation>
    </message>
    <message>
        <source>MILITARY REPORT</source>
        <translation>MILITÄRBERICHT</translation>
    </message>
    <message>
        <source>Province:</source>
        <translation>Provinz:</translation>
    </message>
    <message>
        <source>Tax value:</source>
        <translation>Steuerwert:</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Merkmale:</translation>
    </message>
    <message>
        <source>Province: %1</source>
        <translation>Provinz: %1</translation>
    </message>
    <message>
        <source>Attributes: %1</source>
        <translation>Merkmale: %1</translation>
    </message>
    <message>
        <source>Roman Legion</source>
        <translation>Römische Legion</translation>
    </message>
    <message>
        <source>Barbarians</source>
        <translation>Barbaren</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sassaniden</translation>
    </message>
    <message>
        <source>Rebelling Legion</source>
        <translation>Aufständische Legion</translation>
    </message>
    <message>
        <source>Discard the current game?</source>
        <translation>Das laufende Spiel verwerfen?</translation>
    </message>
    <message>
        <source>Are you sure you want to discard the current game?</source>
        <translation>Willst du das laufende Spiel wirklich verwerfen?</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>A legion moved from %1 to %2.</source>
        <translation>Eine Legion ist gezogen: %1 → %2.</translation>
    </message>
    <message>
        <source>A legion occupied %1: no enemy defended it.</source>
        <translation>Eine Legion hat die Provinz %1 besetzt: Kein Feind hat sie verteidigt.</translation>
    </message>
    <message>
        <source>Victory: %1 is ours.</source>
        <translation>Sieg: Die Provinz %1 gehört uns.</translation>
    </message>
    <message>
        <source>Our raid into %1 won the battle; the legion returns to %2.</source>
        <translation>Unser Vorstoß in die Provinz %1 hat die Schlacht gewonnen; die Legion kehrt in die Provinz %2 zurück.</translation>
    </message>
    <message>
        <source>We won the battle in %1, but enemy legions still hold it.</source>
        <translation>Wir haben die Schlacht in der Provinz %1 gewonnen, doch feindliche Legionen halten sie noch.</translation>
    </message>
    <message>
        <source>Our attack on %1 failed: one legion lost.</source>
        <translation>Unser Angriff auf die Provinz %1 ist gescheitert: eine Legion verloren.</translation>
    </message>
    <message>
        <source>A legion marches from %1 to %2.</source>
        <translation>Eine Legion marschiert: %1 → %2.</translation>
    </message>
    <message>
        <source>No order: no Roman legion in %1 can go.</source>
        <translation>Kein Befehl: Keine römische Legion in der Provinz %1 kann ausrücken.</translation>
    </message>
    <message>
        <source>No order: the legions in %1 are already marching.</source>
        <translation>Kein Befehl: Die Legionen in der Provinz %1 sind schon auf dem Marsch.</translation>
    </message>
    <message>
        <source>No order: the legions in %1 have already moved this year.</source>
        <translation>Kein Befehl: Die Legionen in der Provinz %1 sind in diesem Jahr schon gezogen.</translation>
    </message>
    <message>
        <source>No order: the legions already stand in %1. Choose another province.</source>
        <translation>Kein Befehl: Die Legionen stehen bereits in der Provinz %1. Wähle eine andere Provinz.</translation>
    </message>
    <message>
        <source>Frontier closed: our legions enter %1 only to attack an enemy army there.</source>
        <translation>Grenze geschlossen: Unsere Legionen betreten das Gebiet %1 nur, um dort ein feindliches Heer anzugreifen.</translation>
    </message>
    <message>
        <source>Too far: %1 can be attacked only from a province next to it.</source>
        <translation>Zu weit: Das Gebiet %1 kann nur von einer angrenzenden Provinz aus angegriffen werden.</translation>
    </message>
    <message>
        <source>No route: no way leads from %1 to %2.</source>
        <translation>Kein Weg: Von %1 führt kein Weg nach %2.</translation>
    </message>
    <message>
        <source>No order: press on one of your legions, then drag it to a province.</source>
        <translation>Kein Befehl: Drücke auf eine deiner Legionen und ziehe sie dann in eine Provinz.</translation>
    </message>
    <message>
        <source>No order: there is no province there. Drop the legion on a province.</source>
        <translation>Kein Befehl: Dort ist keine Provinz. Lass die Legion über einer Provinz los.</translation>
    </message>
    <message>
        <source>Undo the order from %1 to %2</source>
        <translation>Befehl %1 → %2 zurücknehmen</translation>
    </message>
    <message>
        <source>Order taken back: the legion sent from %1 to %2 stands in %1 again.</source>
        <translation>Befehl zurückgenommen: Die Legion, die von %1 nach %2 geschickt wurde, steht wieder in der Provinz %1.</translation>
    </message>
    <message>
        <source>No order of this year is left to take back.</source>
        <translation>Kein Befehl dieses Jahres ist mehr zurückzunehmen.</translation>
    </message>
    <message>
        <source>The last order cannot be taken back: its battle has been fought.</source>
        <translation>Der letzte Befehl kann nicht zurückgenommen werden: Seine Schlacht ist geschlagen.</translation>
    </message>
    <message>
        <source>The last order cannot be taken back: the advisor has told you what it brought.</source>
        <translation>Der letzte Befehl kann nicht zurückgenommen werden: Der Berater hat dir bereits berichtet, was er brachte.</translation>
    </message>
    <message>
        <source>The game goes on from the newest one that loads, %1 AD.</source>
        <translation>Das Spiel geht mit dem neuesten ladbaren weiter, %1 n. Chr.</translation>
    </message>
    <message>
        <source>Quit now? The orders you gave this year will be lost.</source>
        <translation>Jetzt beenden? Die Befehle, die du in diesem Jahr gegeben hast, gehen verloren.</translation>
    </message>
    <message>
        <source>The game could not be saved.</source>
        <translation>Das Spiel konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>This is not an Aurovane saved game.</source>
        <translation>Dies ist kein gespeichertes Aurovane-Spiel.</translation>
    </message>
    <message>
        <source>This saved game is cut short: its end is missing.</source>
        <translation>Dieses gespeicherte Spiel ist unvollständig: Sein Ende fehlt.</translation>
    </message>
    <message>
        <source>This saved game is damaged and cannot be loaded.</source>
        <translation>Dieses gespeicherte Spiel ist beschädigt und kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>YOUR REIGN SAW:</source>
        <translation>DEINE HERRSCHAFT ERLEBTE:</translation>
    </message>
    <message>
        <source>THE EMPIRE HAS FALLEN</source>
        <translation>DAS REICH IST GEFALLEN</translation>
    </message>
    <message>
        <source>Legion creation and tax collection are slowed!</source>
        <translation>Aushebung und Steuereinzug sind verlangsamt!</translation>
    </message>
    <message>
        <source>Free land, held by no one.</source>
        <translation>Freies Land, niemandem untertan.</translation>
    </message>
    <message>
        <source>Held by Rome.</source>
        <translation>Im Besitz Roms.</translation>
    </message>
    <message>
        <source>Held by the barbarians.</source>
        <translation>Im Besitz der Barbaren.</translation>
    </message>
    <message>
        <source>Held by the Sassanids.</source>
        <translation>Im Besitz der Sassaniden.</translation>
    </message>
    <message>
        <source>Held by the rebels.</source>
        <translation>Im Besitz der Aufständischen.</translation>
    </message>
    <message>
        <source>Roman legions: %1 ready of %2.</source>
        <translation>Römische Legionen: %1 von %2 bereit.</translation>
    </message>
    <message>
        <source>Barbarian legions: %1.</source>
        <translation>Barbarische Legionen: %1.</translation>
    </message>
    <message>
        <source>Sassanid legions: %1.</source>
        <translation>Sassanidische Legionen: %1.</translation>
    </message>
    <message>
        <source>Rebel legions: %1.</source>
        <translation>Aufständische Legionen: %1.</translation>
    </message>
    <message>
        <source>No legions.</source>
        <translation>Keine Legionen.</translation>
    </message>
    <message>
        <source>No tax.</source>
        <translation>Keine Steuer.</translation>
    </message>
    <message>
        <source>Tax value: %1 of 4.</source>
        <translation>Steuerwert: %1 von 4.</translation>
    </message>
    <message>
        <source>Attributes: %1.</source>
        <translation>Merkmale: %1.</translation>
    </message>
    <message>
        <source>Marches to: %1.</source>
        <translation>Marschiert nach: %1.</translation>
    </message>
    <message>
        <source>Rome&apos;s provinces: the plain map.</source>
        <translation>Roms Provinzen: die schlichte Karte.</translation>
    </message>
    <message>
        <source>Free land: white, with dots.</source>
        <translation>Freies Land: weiß, gepunktet.</translation>
    </message>
    <message>
        <source>Barbarians: yellow, with lines rising to the right.</source>
        <translation>Barbaren: gelb, mit nach rechts steigenden Linien.</translation>
    </message>
    <message>
        <source>Sassanids: purple, with crossed lines.</source>
        <translation>Sassaniden: violett, mit gekreuzten Linien.</translation>
    </message>
    <message>
        <source>Rebels: white, with level stripes.</source>
        <translation>Aufständische: weiß, mit waagrechten Streifen.</translation>
    </message>
    <message>
        <source>The number next to a legion figure tells how many legions are in that province; ready/total when some Roman legions there have moved.</source>
        <translation>Die Zahl neben einer Legionsfigur gibt an, wie viele Legionen in dieser Provinz stehen; bereit/gesamt, wenn dort schon römische Legionen gezogen sind.</translation>
    </message>
    <message>
        <source>You survived the crisis. Your reign saw:</source>
        <translation>Du hast die Krise überstanden. Deine Herrschaft erlebte:</translation>
    </message>
    <message>
        <source>Invasions: %1.</source>
        <translation>Einfälle: %1.</translation>
    </message>
    <message>
        <source>Plagues: %1.</source>
        <translation>Seuchen: %1.</translation>
    </message>
    <message>
        <source>Rebellions: %1.</source>
        <translation>Aufstände: %1.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Free land</source>
        <translation>Freies Land</translation>
    </message>
    <message>
        <source>The legions of %1 taken up: choose where they march; Escape puts them down.</source>
        <translation>Die Legionen der Provinz %1 aufgenommen: Wähle, wohin sie marschieren; Escape setzt sie wieder ab.</translation>
    </message>
    <message>
        <source>Attributes: %1 (friendly).</source>
        <translation>Merkmale: %1 (freundlich).</translation>
    </message>
    <message>
        <source>Attributes: %1 (hostile).</source>
        <translation>Merkmale: %1 (feindlich).</translation>
    </message>
    <message>
        <source>Attributes: %1 (friendly)</source>
        <translation>Merkmale: %1 (freundlich)</translation>
    </message>
    <message>
        <source>Attributes: %1 (hostile)</source>
        <translation>Merkmale: %1 (feindlich)</translation>
    </message>
    <message>
        <source>The number next to an icon indicates how many legions are in that province</source>
        <translation>Die Zahl neben einem Symbol gibt an, wie viele Legionen in dieser Provinz stehen</translation>
    </message>
    <message>
        <source>Instructions: Left-click and drag to move legions. Right click to advance the game turn</source>
        <translation>Anleitung: Mit der linken Maustaste klicken und ziehen, um Legionen zu bewegen. Rechtsklick beendet die Runde.</translation>
    </message>
    <message>
        <source>CONSTANTINOPLE</source>
        <translation>KONSTANTINOPEL</translation>
    </message>
    <message>
        <source>LEGEND</source>
        <translation>LEGENDE</translation>
    </message>
    <message>
        <source>Instructions: Drag a legion, or long press it and tap where it goes. Tap End Year to advance the game turn</source>
        <translation>Anleitung: Ziehe eine Legion, oder halte sie gedrückt und tippe auf ihr Ziel. „Jahr beenden“ beendet die Runde.</translation>
    </message>
    <message numerus="yes">
        <source>The %n newest kept games could not be loaded:</source>
        <translation>
            <numerusform>Das neueste aufbewahrte Spiel konnte nicht geladen werden:</numerusform>
            <numerusform>Die %n neuesten aufbewahrten Spiele konnten nicht geladen werden:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n kept games can be loaded; the current game goes on:</source>
        <translation>
            <numerusform>Das aufbewahrte Spiel kann nicht geladen werden; das laufende Spiel geht weiter:</numerusform>
            <numerusform>Keines der %n aufbewahrten Spiele kann geladen werden; das laufende Spiel geht weiter:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The Empire can support %n legions</source>
        <translation>
            <numerusform>Das Reich kann %n Legion unterhalten</numerusform>
            <numerusform>Das Reich kann %n Legionen unterhalten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message numerus="yes">
        <source>%n Roman legion(s)</source>
        <translation>
            <numerusform>%n römische Legion</numerusform>
            <numerusform>%n römische Legionen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Germanic legion(s)</source>
        <translation>
            <numerusform>%n germanische Legion</numerusform>
            <numerusform>%n germanische Legionen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Sassanid legion(s)</source>
        <translation>
            <numerusform>%n sassanidische Legion</numerusform>
            <numerusform>%n sassanidische Legionen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rebel legion(s)</source>
        <translation>
            <numerusform>%n aufständische Legion</numerusform>
            <numerusform>%n aufständische Legionen</numerusform>
        </translation>
    </message>
    <message>
        <source>move or attack with one legion from FROM into TO, or send it marching</source>
        <translation>mit einer Legion von FROM nach TO ziehen oder angreifen oder sie auf den Marsch schicken</translation>
    </message>
    <message>
        <source>take back the last order of this year, when it fought no battle</source>
        <translation>den letzten Befehl dieses Jahres zurücknehmen, wenn er keine Schlacht geschlagen hat</translation>
    </message>
    <message>
        <source>end the turn (also: e)</source>
        <translation>die Runde beenden (auch: e)</translation>
    </message>
    <message>
        <source>every province: its holder, legions and neighbours (also: provinces)</source>
        <translation>alle Provinzen: wer sie hält, ihre Legionen und Nachbarn (auch: provinces)</translation>
    </message>
    <message>
        <source>the year, the treasury and the latest news</source>
        <translation>das Jahr, die Staatskasse und die neuesten Nachrichten</translation>
    </message>
    <message>
        <source>start a new game in 235 AD</source>
        <translation>ein neues Spiel im Jahr 235 n. Chr. beginnen</translation>
    </message>
    <message>
        <source>start a scenario: 260, 308, 410 or 455</source>
        <translation>ein Szenario beginnen: 260, 308, 410 oder 455</translation>
    </message>
    <message>
        <source>0 easy, 1 normal, 2 hard</source>
        <translation>0 leicht, 1 normal, 2 schwer</translation>
    </message>
    <message>
        <source>save the game; load FILE loads one</source>
        <translation>das Spiel speichern; load FILE lädt eines</translation>
    </message>
    <message>
        <source>the People&apos;s Front of Judea rises in Palestina</source>
        <translation>die Volksfront von Judäa erhebt sich in Palästina</translation>
    </message>
    <message>
        <source>the whole position as one line of JSON</source>
        <translation>die ganze Stellung als eine Zeile JSON</translation>
    </message>
    <message>
        <source>this list; quit ends the program</source>
        <translation>diese Liste; quit beendet das Programm</translation>
    </message>
    <message>
        <source>Orders (province names in any case; a unique beginning is enough; &apos;_&apos; for blanks):</source>
        <translation>Befehle (Provinznamen in beliebiger Groß- und Kleinschreibung; ein eindeutiger Anfang genügt; &apos;_&apos; statt Leerzeichen):</translation>
    </message>
    <message>
        <source> (%1 ready)</source>
        <translation> (%1 bereit)</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>niemand</translation>
    </message>
    <message>
        <source>no legions</source>
        <translation>keine Legionen</translation>
    </message>
    <message>
        <source>%1: %2; %3.</source>
        <translation>%1: %2; %3.</translation>
    </message>
    <message>
        <source>%1: %2; %3; %4</source>
        <translation>%1: %2; %3; %4</translation>
    </message>
    <message>
        <source>next to %1</source>
        <translation>grenzt an %1</translation>
    </message>
    <message>
        <source>Year %1 AD. Treasury %2 sesterces; last year&apos;s taxes %3, upkeep %4.</source>
        <translation>Jahr %1 n. Chr. Staatskasse %2 Sesterzen; Steuern des Vorjahres %3, Unterhalt %4.</translation>
    </message>
    <message>
        <source>The empire holds %1 and %2; it can support %3.</source>
        <translation>Das Reich umfasst %1 und %2; es kann %3 unterhalten.</translation>
    </message>
    <message numerus="yes">
        <source>%n province(s)</source>
        <translation>
            <numerusform>%n Provinz</numerusform>
            <numerusform>%n Provinzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s)</source>
        <translation>
            <numerusform>%n Legion</numerusform>
            <numerusform>%n Legionen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Plague! It will last %n more year(s).</source>
        <translation>
            <numerusform>Seuche! Sie wütet noch %n Jahr.</numerusform>
            <numerusform>Seuche! Sie wütet noch %n Jahre.</numerusform>
        </translation>
    </message>
    <message>
        <source>News:</source>
        <translation>Nachrichten:</translation>
    </message>
    <message>
        <source>Answer y (yes) or n (no): </source>
        <translation>Antworte y (ja) oder n (nein): </translation>
    </message>
    <message>
        <source>Answer y for %1 or n for %2: </source>
        <translation>Antworte y für „%1“ oder n für „%2“: </translation>
    </message>
    <message>
        <source>Yes.</source>
        <translation>Ja.</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nein.</translation>
    </message>
    <message>
        <source>Battle: troops from %1 attack %2.</source>
        <translation>Schlacht: Truppen aus %1 greifen %2 an.</translation>
    </message>
    <message>
        <source>We lost a legion in %1.</source>
        <translation>Wir haben in %1 eine Legion verloren.</translation>
    </message>
    <message>
        <source>The %1 lost a legion in %2.</source>
        <translation>%2: %1 verlieren eine Legion.</translation>
    </message>
    <message>
        <source>News: %1</source>
        <translation>Nachricht: %1</translation>
    </message>
    <message>
        <source>History lesson: %1 (%2)</source>
        <translation>Geschichtsstunde: %1 (%2)</translation>
    </message>
    <message>
        <source>You survived %1, %2 and %3. Well done, Princeps.</source>
        <translation>Du hast %1, %2 und %3 überstanden. Gut gemacht, Princeps.</translation>
    </message>
    <message numerus="yes">
        <source>%n invasion(s)</source>
        <translation>
            <numerusform>%n Invasion</numerusform>
            <numerusform>%n Invasionen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plague(s)</source>
        <translation>
            <numerusform>%n Seuche</numerusform>
            <numerusform>%n Seuchen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rebellion(s)</source>
        <translation>
            <numerusform>%n Aufstand</numerusform>
            <numerusform>%n Aufstände</numerusform>
        </translation>
    </message>
    <message>
        <source>A new game begins in 235 AD.</source>
        <translation>Ein neues Spiel beginnt im Jahr 235 n. Chr.</translation>
    </message>
    <message>
        <source>Vale, Princeps.</source>
        <translation>Vale, Princeps.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>Error: could not save &quot;%1&quot;: %2</source>
        <translation>Fehler: „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Error: could not load &quot;%1&quot;: %2</source>
        <translation>Fehler: „%1“ konnte nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>%1: we won and took it.</source>
        <translation>%1: Wir siegten und nahmen die Provinz ein.</translation>
    </message>
    <message>
        <source>%1: we won and took it from the %2.</source>
        <translation>%1: Wir siegten und nahmen die Provinz ein (bisher: %2).</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it.</source>
        <translation>%1: %2 siegten und nahmen die Provinz ein.</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it from us.</source>
        <translation>%1: %2 siegten und entrissen uns die Provinz.</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it from the %3.</source>
        <translation>%1: %2 siegten und nahmen die Provinz ein (bisher: %3).</translation>
    </message>
    <message>
        <source>%1: we won, but nobody still hold it.</source>
        <translation>%1: Wir siegten, doch die Provinz bleibt herrenlos.</translation>
    </message>
    <message>
        <source>%1: we won, but the %2 still hold it.</source>
        <translation>%1: Wir siegten, doch %2 halten die Provinz noch.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but nobody still hold it.</source>
        <translation>%1: %2 siegten, doch die Provinz bleibt herrenlos.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but we still hold it.</source>
        <translation>%1: %2 siegten, doch wir halten die Provinz noch.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but the %3 still hold it.</source>
        <translation>%1: %2 siegten, doch %3 halten die Provinz noch.</translation>
    </message>
    <message>
        <source>%1: we won and threw back the %2.</source>
        <translation>%1: Wir siegten und schlugen den Angriff zurück (%2).</translation>
    </message>
    <message>
        <source>%1: nobody won and threw back the %2.</source>
        <translation>%1: Der Angriff wurde zurückgeschlagen (%2).</translation>
    </message>
    <message>
        <source>%1: the %2 won and threw back us.</source>
        <translation>%1: %2 siegten und schlugen uns zurück.</translation>
    </message>
    <message>
        <source>%1: the %2 won and threw back the %3.</source>
        <translation>%1: %2 siegten und schlugen den Angriff zurück (%3).</translation>
    </message>
    <message>
        <source>Battles as the year ended:</source>
        <translation>Schlachten zum Jahresende:</translation>
    </message>
    <message>
        <source>Game saved.</source>
        <translation>Spiel gespeichert.</translation>
    </message>
    <message>
        <source>%1 AD &gt; </source>
        <translation>%1 n. Chr. &gt; </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 could be %2</source>
        <translation>%1 kann %2 sein</translation>
    </message>
    <message>
        <source>no province called %1</source>
        <translation>keine Provinz namens %1</translation>
    </message>
    <message>
        <source>no province called %1; did you mean %2?</source>
        <translation>keine Provinz namens %1; meintest du %2?</translation>
    </message>
    <message>
        <source>Ave, Princeps! It is 235 AD. Type help for the list of orders.</source>
        <translation>Ave, Princeps! Wir schreiben das Jahr 235 n. Chr. Gib help ein, um die Befehle zu sehen.</translation>
    </message>
    <message>
        <source>Incomplete order: type %1.</source>
        <translation>Unvollständiger Befehl: gib %1 ein.</translation>
    </message>
    <message>
        <source>Unknown order: %1 (type help for the list)</source>
        <translation>Unbekannter Befehl: %1 (help zeigt die Liste)</translation>
    </message>
    <message>
        <source>There is no scenario %1: try 260, 308, 410 or 455.</source>
        <translation>Es gibt kein Szenario %1: versuche 260, 308, 410 oder 455.</translation>
    </message>
    <message>
        <source>There is no skill level %1: type skill 0 (easy), 1 (normal) or 2 (hard).</source>
        <translation>Es gibt keine Stufe %1: gib skill 0 (leicht), 1 (normal) oder 2 (schwer) ein.</translation>
    </message>
    <message>
        <source>Please answer y or n: </source>
        <translation>Bitte antworte mit y oder n: </translation>
    </message>
    <message>
        <source>paragraphs and prompts for a person (the default at a terminal)</source>
        <translation>Absätze und Eingabeaufforderungen für einen Menschen (Standard an einem Terminal)</translation>
    </message>
    <message>
        <source>one line per event, for scripts (the default otherwise)</source>
        <translation>eine Zeile je Ereignis, für Skripte (sonst der Standard)</translation>
    </message>
    <message>
        <source>the language of --plain (the default: LC_ALL, LC_MESSAGES or LANG); --protocol is always English</source>
        <translation>die Sprache von --plain (Standard: LC_ALL, LC_MESSAGES oder LANG); --protocol ist immer Englisch</translation>
    </message>
    <message>
        <source>%1 (friendly)</source>
        <translation>%1 (freundlich)</translation>
    </message>
    <message>
        <source>%1 (hostile)</source>
        <translation>%1 (feindlich)</translation>
    </message>
</context>
<context>
    <name>YearSummary</name>
    <message>
        <source>Rome</source>
        <translation>Rom</translation>
    </message>
    <message>
        <source>the rebels</source>
        <translation>die Aufständischen</translation>
    </message>
    <message>
        <source>the Germanic tribes</source>
        <translation>die germanischen Stämme</translation>
    </message>
    <message>
        <source>the Sassanids</source>
        <translation>die Sassaniden</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>niemand</translation>
    </message>
    <message>
        <source>The year %1 AD</source>
        <translation>Das Jahr %1 n. Chr.</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarm</translation>
    </message>
    <message numerus="yes">
        <source>%n invasion(s) cross the frontier</source>
        <translation>
            <numerusform>Ein Einfall über die Grenze</numerusform>
            <numerusform>%n Einfälle über die Grenze</numerusform>
        </translation>
    </message>
    <message>
        <source>Plague breaks out in the Empire</source>
        <translation>Im Reich bricht eine Seuche aus</translation>
    </message>
    <message>
        <source>The plague still rages</source>
        <translation>Die Seuche wütet weiter</translation>
    </message>
    <message numerus="yes">
        <source>%n province(s) revolt</source>
        <translation>
            <numerusform>Eine Provinz erhebt sich</numerusform>
            <numerusform>%n Provinzen erheben sich</numerusform>
        </translation>
    </message>
    <message>
        <source>Battles</source>
        <translation>Schlachten</translation>
    </message>
    <message>
        <source>%1: taken by %2 from %3</source>
        <translation>%1: erobert – neuer Herr: %2, bisher: %3</translation>
    </message>
    <message>
        <source>%1: %2 beat %3, who hold on</source>
        <translation>%1: Sieger: %2, doch %3 halten stand</translation>
    </message>
    <message>
        <source>%1: %2 threw back %3</source>
        <translation>%1: abgewehrt – Verteidiger: %2, Angreifer: %3</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more battle(s)</source>
        <translation>
            <numerusform>… und eine weitere Schlacht</numerusform>
            <numerusform>… und %n weitere Schlachten</numerusform>
        </translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Provinzen</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gewonnen: %1</translation>
    </message>
    <message>
        <source>Lost: %1</source>
        <translation>Verloren: %1</translation>
    </message>
    <message>
        <source>Legions</source>
        <translation>Legionen</translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) raised.</source>
        <translation>
            <numerusform>Eine Legion ausgehoben.</numerusform>
            <numerusform>%n Legionen ausgehoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) fell in battle.</source>
        <translation>
            <numerusform>Eine Legion fiel in der Schlacht.</numerusform>
            <numerusform>%n Legionen fielen in der Schlacht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) disbanded or deserted.</source>
        <translation>
            <numerusform>Eine Legion aufgelöst oder desertiert.</numerusform>
            <numerusform>%n Legionen aufgelöst oder desertiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Keine Veränderung.</translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) under arms.</source>
        <translation>
            <numerusform>%n Legion unter Waffen.</numerusform>
            <numerusform>%n Legionen unter Waffen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Staatskasse</translation>
    </message>
    <message>
        <source>Taxes %1</source>
        <translation>Steuern %1</translation>
    </message>
    <message>
        <source>Settlers %1</source>
        <translation>Siedler %1</translation>
    </message>
    <message>
        <source>Legions&apos; pay %1</source>
        <translation>Sold der Legionen %1</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Sonderzahlung %1</translation>
    </message>
    <message>
        <source>Tribute for peace %1</source>
        <translation>Tribut für den Frieden %1</translation>
    </message>
    <message>
        <source>Plundered %1</source>
        <translation>Geplündert %1</translation>
    </message>
    <message>
        <source>Treasury %1 (%2)</source>
        <translation>Staatskasse %1 (%2)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Click or press a key to go on — Options &gt; Year&apos;s News switches this off</source>
        <translation>Zum Fortfahren klicken oder eine Taste drücken — Optionen &gt; Jahresbericht schaltet dies ab</translation>
    </message>
</context>
<context>
    <name>editor::BriefingDialog</name>
    <message>
        <source>Title and Briefing</source>
        <translation>Titel und Lagebericht</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Briefing:</source>
        <translation>&amp;Lagebericht:</translation>
    </message>
    <message>
        <source>The Prefect reads the briefing to the player when the scenario is opened in the game. Leave it empty for none.</source>
        <translation>Der Präfekt liest dem Spieler den Lagebericht vor, wenn das Szenario im Spiel geöffnet wird. Leer lassen, wenn es keinen geben soll.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The briefing is %1 characters long; it may hold at most %2.</source>
        <translation>Der Lagebericht ist %1 Zeichen lang; er darf höchstens %2 haben.</translation>
    </message>
</context>
<context>
    <name>editor::EditorWindow</name>
    <message>
        <source>Romans</source>
        <translation>Römer</translation>
    </message>
    <message>
        <source>Barbarians</source>
        <translation>Barbaren</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sassaniden</translation>
    </message>
    <message>
        <source>Rebelling Legions</source>
        <translation>Aufständische Legionen</translation>
    </message>
    <message>
        <source>No one</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Scenario</source>
        <translation>&amp;Szenario</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Über ...</translation>
    </message>
    <message>
        <source>Add Legion</source>
        <translation>Legion hinzufügen</translation>
    </message>
    <message>
        <source>Delete Legion</source>
        <translation>Legion löschen</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Scenario saved</source>
        <translation>Szenario gespeichert</translation>
    </message>
    <message>
        <source>About Aurovane Editor</source>
        <translation>Über den Aurovane-Editor</translation>
    </message>
    <message>
        <source>Year: %1 AD</source>
        <translation>Jahr: %1 n. Chr.</translation>
    </message>
    <message>
        <source>Treasury: %1</source>
        <translation>Staatskasse: %1</translation>
    </message>
    <message>
        <source>Revenue: %1</source>
        <translation>Einnahmen: %1</translation>
    </message>
    <message>
        <source>Expenses: %1</source>
        <translation>Ausgaben: %1</translation>
    </message>
    <message>
        <source>Net: %1</source>
        <translation>Saldo: %1</translation>
    </message>
    <message>
        <source>SCENARIO EDITOR</source>
        <translation>SZENARIO-EDITOR</translation>
    </message>
    <message>
        <source>Province: %1    Held by: %2    Legions: %3</source>
        <translation>Provinz: %1    Besitzer: %2    Legionen: %3</translation>
    </message>
    <message>
        <source>The Aurovane scenario editor.</source>
        <translation>Der Szenario-Editor von Aurovane.</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden ...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>&amp;Play this Scenario</source>
        <translation>Dieses Szenario s&amp;pielen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>&amp;Nichts auswählen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen ...</translation>
    </message>
    <message>
        <source>&amp;Title and Briefing...</source>
        <translation>&amp;Titel und Lagebericht ...</translation>
    </message>
    <message>
        <source>Editor &amp;Help</source>
        <translation>&amp;Hilfe zum Editor</translation>
    </message>
    <message>
        <source>Change of Holder</source>
        <translation>Besitzerwechsel</translation>
    </message>
    <message>
        <source>Add Legions</source>
        <translation>Legionen hinzufügen</translation>
    </message>
    <message>
        <source>Remove Legions</source>
        <translation>Legionen entfernen</translation>
    </message>
    <message>
        <source>&amp;Owner</source>
        <translation>&amp;Besitzer</translation>
    </message>
    <message>
        <source>&amp;Add Legion</source>
        <translation>Legion &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Legion</source>
        <translation>Legion &amp;löschen</translation>
    </message>
    <message>
        <source>%1[*] - Aurovane Editor</source>
        <translation>%1[*] – Aurovane-Editor</translation>
    </message>
    <message>
        <source>New scenario</source>
        <translation>Neues Szenario</translation>
    </message>
    <message>
        <source>The scenario has changes that are not saved. Throw them away?</source>
        <translation>Das Szenario hat ungespeicherte Änderungen. Sollen sie verworfen werden?</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Play this Scenario</source>
        <translation>Dieses Szenario spielen</translation>
    </message>
    <message>
        <source>The game program was not found beside the editor (looked for %1). Save the scenario and open it in the game with File &gt; Load.</source>
        <translation>Das Spielprogramm wurde neben dem Editor nicht gefunden (gesucht: %1). Speichere das Szenario und öffne es im Spiel mit Datei &gt; Laden.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>The game program %1 could not be started.</source>
        <translation>Das Spielprogramm %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Scenario Options</source>
        <translation>Szenario-Optionen</translation>
    </message>
    <message>
        <source>Title and Briefing</source>
        <translation>Titel und Lagebericht</translation>
    </message>
    <message>
        <source>Arrow keys move the highlighted province; Shift with an arrow adds the next one to the selection. R, B, S, L and N give the selection to Rome, the barbarians, the Sassanids, the rebelling legions or no one; + and - add or remove a legion; the menu key opens the selection&apos;s menu.</source>
        <translation>Die Pfeiltasten bewegen die markierte Provinz; Umschalt mit einem Pfeil fügt die nächste zur Auswahl hinzu. R, B, S, L und N geben die Auswahl an Rom, die Barbaren, die Sassaniden, die aufständischen Legionen oder niemanden; + und - fügen eine Legion hinzu oder entfernen sie; die Menütaste öffnet das Menü der Auswahl.</translation>
    </message>
    <message>
        <source>Map: %1</source>
        <translation>Karte: %1</translation>
    </message>
    <message>
        <source>Map: no province selected</source>
        <translation>Karte: keine Provinz ausgewählt</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message numerus="yes">
        <source>%n province(s)</source>
        <translation>
            <numerusform>%n Provinz</numerusform>
            <numerusform>%n Provinzen</numerusform>
        </translation>
    </message>
    <message>
        <source>Aurovane Editor, version 1.0.</source>
        <translation>Aurovane-Editor, Version 1.0.</translation>
    </message>
    <message>
        <source>Welcome to the map editor! You can use this tool to create custom scenarios. To set the owner for a province or to add legions to a province, right-click on that province, then choose from its menu. Other game options can be set from Options in the Scenario menu. When you have finished, save your scenario, then open it in the game.</source>
        <translation>Willkommen im Karteneditor! Mit diesem Werkzeug kannst du eigene Szenarien erstellen. Um den Besitzer einer Provinz festzulegen oder ihr Legionen hinzuzufügen, klicke mit der rechten Maustaste auf die Provinz und wähle aus ihrem Menü. Weitere Spieloptionen findest du unter Optionen im Menü Szenario. Wenn du fertig bist, speichere dein Szenario und öffne es im Spiel.</translation>
    </message>
    <message>
        <source>Click a province to select it; Shift- or Ctrl-click, or drag a band, to select more.</source>
        <translation>Klicke auf eine Provinz, um sie auszuwählen; mit Umschalt- oder Strg-Klick oder durch Aufziehen eines Rahmens wählst du weitere aus.</translation>
    </message>
    <message>
        <source>Right-click, or use the panel, to set their holder and legions.</source>
        <translation>Mit Rechtsklick oder über die Leiste legst du Besitzer und Legionen fest.</translation>
    </message>
    <message>
        <source>Year, treasury and plague, title and briefing: the Scenario menu.</source>
        <translation>Jahr, Staatskasse und Seuche, Titel und Lagebericht: das Menü Szenario.</translation>
    </message>
    <message>
        <source>F5 plays the scenario in the game. F1 for help; Ctrl+Z undoes.</source>
        <translation>F5 spielt das Szenario im Spiel. F1 öffnet die Hilfe; Strg+Z macht rückgängig.</translation>
    </message>
    <message>
        <source>no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the editor window cannot open.</source>
        <translation>kein Bildschirm verfügbar (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt), daher kann sich das Editorfenster nicht öffnen.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;: en, de, fr, it or es.</source>
        <translation>In der Sprache &lt;code&gt; sprechen: en, de, fr, it oder es.</translation>
    </message>
</context>
<context>
    <name>editor::HelpDialog</name>
    <message>
        <source>&lt;h2&gt;The Aurovane scenario editor&lt;/h2&gt;&lt;p&gt;A scenario is a starting position for the game: who holds each province, how many legions stand where, the year, the treasury and the plague, with a title and a briefing for the player.&lt;/p&gt;&lt;h3&gt;Choosing provinces&lt;/h3&gt;&lt;p&gt;Click a province to select it. Shift-click or Ctrl-click adds a province to the selection or takes it out. Drag across the map to select every province the band touches (with Shift or Ctrl, they are added). Click the sea to select nothing. The list on the right selects too: use the arrow keys, Shift and Ctrl as in any list. Edit &amp;gt; Select All (Ctrl+A) takes every province.&lt;/p&gt;&lt;h3&gt;Holders and legions&lt;/h3&gt;&lt;p&gt;Choose the holder on the right and press &lt;b&gt;Set holder&lt;/b&gt;, or right-click a selected province and use the Owner menu: every selected province changes hands at once. A province that changes hands loses the legions of its old holder. The seven frontier lands beyond the Rhine, the Danube and the Euphrates keep their holders.&lt;/p&gt;&lt;p&gt;Set the number of legions and press &lt;b&gt;Add&lt;/b&gt; or &lt;b&gt;Remove&lt;/b&gt;: each selected province gains or loses that many legions of its holder (at most %1 at a time). A province without a holder takes no legions.&lt;/p&gt;&lt;h3&gt;The year, the treasury and the plague&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Options. The year may be from %2 to %3 AD: the game decides the fate of the West as 476 begins, so a scenario must start before it. The treasury must be above 0.&lt;/p&gt;&lt;h3&gt;Title and briefing&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Title and Briefing. When the scenario is opened in the game, the Prefect reads the briefing to the player.&lt;/p&gt;&lt;h3&gt;Undo&lt;/h3&gt;&lt;p&gt;Edit &amp;gt; Undo (Ctrl+Z) takes back the last change; Edit &amp;gt; Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. The title bar shows an asterisk while there are changes not yet saved.&lt;/p&gt;&lt;h3&gt;Saving and trying&lt;/h3&gt;&lt;p&gt;File &amp;gt; Save (Ctrl+S) and Save As (Ctrl+Shift+S) write the scenario; open it in the game with File &amp;gt; Load. File &amp;gt; Play this Scenario (F5) starts the game with the scenario as it stands, saved or not.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Der Szenario-Editor von Aurovane&lt;/h2&gt;&lt;p&gt;Ein Szenario ist eine Ausgangslage für das Spiel: wem jede Provinz gehört, wie viele Legionen wo stehen, das Jahr, die Staatskasse und die Seuche, dazu ein Titel und ein Lagebericht für den Spieler.&lt;/p&gt;&lt;h3&gt;Provinzen auswählen&lt;/h3&gt;&lt;p&gt;Klicke auf eine Provinz, um sie auszuwählen. Umschalt-Klick oder Strg-Klick fügt eine Provinz zur Auswahl hinzu oder nimmt sie heraus. Ziehe über die Karte, um jede Provinz auszuwählen, die der Rahmen berührt (mit Umschalt oder Strg werden sie hinzugefügt). Ein Klick aufs Meer hebt die Auswahl auf. Auch die Liste rechts wählt aus: Pfeiltasten, Umschalt und Strg wirken wie in jeder Liste. Bearbeiten &amp;gt; Alles auswählen (Strg+A) nimmt jede Provinz.&lt;/p&gt;&lt;h3&gt;Besitzer und Legionen&lt;/h3&gt;&lt;p&gt;Wähle rechts den Besitzer und drücke &lt;b&gt;Besitzer setzen&lt;/b&gt;, oder klicke mit der rechten Maustaste auf eine ausgewählte Provinz und nutze das Menü Besitzer: Jede ausgewählte Provinz wechselt auf einmal den Besitzer. Eine Provinz, die den Besitzer wechselt, verliert die Legionen ihres alten Besitzers. Die sieben Grenzgebiete jenseits von Rhein, Donau und Euphrat behalten ihre Besitzer.&lt;/p&gt;&lt;p&gt;Stelle die Zahl der Legionen ein und drücke &lt;b&gt;Hinzufügen&lt;/b&gt; oder &lt;b&gt;Entfernen&lt;/b&gt;: Jede ausgewählte Provinz gewinnt oder verliert so viele Legionen ihres Besitzers (höchstens %1 auf einmal). Eine Provinz ohne Besitzer nimmt keine Legionen auf.&lt;/p&gt;&lt;h3&gt;Das Jahr, die Staatskasse und die Seuche&lt;/h3&gt;&lt;p&gt;Szenario &amp;gt; Optionen. Das Jahr kann von %2 bis %3 n. Chr. reichen: Das Spiel entscheidet das Schicksal des Westens zu Beginn des Jahres 476, also muss ein Szenario davor beginnen. Die Staatskasse muss über 0 liegen.&lt;/p&gt;&lt;h3&gt;Titel und Lagebericht&lt;/h3&gt;&lt;p&gt;Szenario &amp;gt; Titel und Lagebericht. Wird das Szenario im Spiel geöffnet, liest der Präfekt dem Spieler den Lagebericht vor.&lt;/p&gt;&lt;h3&gt;Rückgängig&lt;/h3&gt;&lt;p&gt;Bearbeiten &amp;gt; Rückgängig (Strg+Z) nimmt die letzte Änderung zurück; Bearbeiten &amp;gt; Wiederholen (Strg+Umschalt+Z oder Strg+Y) führt sie erneut aus. Die Titelleiste zeigt ein Sternchen, solange es ungespeicherte Änderungen gibt.&lt;/p&gt;&lt;h3&gt;Speichern und Ausprobieren&lt;/h3&gt;&lt;p&gt;Datei &amp;gt; Speichern (Strg+S) und Speichern unter (Strg+Umschalt+S) schreiben das Szenario; öffne es im Spiel mit Datei &amp;gt; Laden. Datei &amp;gt; Dieses Szenario spielen (F5) startet das Spiel mit dem Szenario, wie es gerade ist, gespeichert oder nicht.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Aurovane Editor Help</source>
        <translation>Hilfe zum Aurovane-Editor</translation>
    </message>
</context>
<context>
    <name>editor::OptionsDialog</name>
    <message>
        <source>Scenario Options</source>
        <translation>Szenario-Optionen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Treasury must be greater than 0.</source>
        <translation>Die Staatskasse muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Plague years must be between 1 and 20.</source>
        <translation>Die Seuchenjahre müssen zwischen 1 und 20 liegen.</translation>
    </message>
    <message>
        <source>Year must be between 235 and 475.</source>
        <translation>Das Jahr muss zwischen 235 und 475 liegen.</translation>
    </message>
    <message>
        <source>&amp;Plague</source>
        <translation>S&amp;euche</translation>
    </message>
    <message>
        <source>years &amp;left</source>
        <translation>verbleibende &amp;Jahre</translation>
    </message>
    <message>
        <source>&amp;Treasury:</source>
        <translation>&amp;Staatskasse:</translation>
    </message>
    <message>
        <source>&amp;Year (%1 to %2):</source>
        <translation>Ja&amp;hr (%1 bis %2):</translation>
    </message>
</context>
<context>
    <name>editor::SelectionPanel</name>
    <message>
        <source>P&amp;rovinces (Shift or Ctrl for more):</source>
        <translation>P&amp;rovinzen (Umschalt oder Strg für mehrere):</translation>
    </message>
    <message>
        <source>Se&amp;t holder</source>
        <translation>Besitzer &amp;setzen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Hol&amp;der:</source>
        <translation>&amp;Besitzer:</translation>
    </message>
    <message>
        <source>Le&amp;gions to add or remove in each:</source>
        <translation>&amp;Legionen, die jeweils hinzugefügt oder entfernt werden:</translation>
    </message>
    <message>
        <source>Gives every selected province to this holder. The frontier lands beyond the Rhine, the Danube and the Euphrates keep theirs.</source>
        <translation>Gibt jede ausgewählte Provinz diesem Besitzer. Die Grenzgebiete jenseits von Rhein, Donau und Euphrat behalten ihre.</translation>
    </message>
    <message>
        <source>Adds this many legions of its holder to every selected province that has one.</source>
        <translation>Fügt jeder ausgewählten Provinz mit Besitzer so viele Legionen ihres Besitzers hinzu.</translation>
    </message>
    <message>
        <source>Removes up to this many legions of its holder from every selected province.</source>
        <translation>Entfernt aus jeder ausgewählten Provinz bis zu so viele Legionen ihres Besitzers.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n legion(s)</source>
        <translation>
            <numerusform>%1: %2, %n Legion</numerusform>
            <numerusform>%1: %2, %n Legionen</numerusform>
        </translation>
    </message>
</context>
</TS>
