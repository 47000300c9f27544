<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AdvisorDialog</name>
    <message>
        <source>Message from the Praetorian Prefect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Praetorian Prefect</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Play the game of seed &lt;N&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Qt platform.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A saved game or scenario to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 4294967295.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aurovane, a strategy game of the late Roman Empire (235-476 AD).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;: en, de, fr, it or es.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the game window cannot open. The terminal edition, aurovane-cli, plays the same game without a window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FatalErrorApplication</name>
    <message>
        <source>%1 has met an internal error and must end:

%2

The game could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has met an internal error and must end:

%2

The game was saved to: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>Unable to open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: you are not allowed to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: the name is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: a part of the path is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: the path has too many links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: the disk is full; free some space or save elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: the folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: you are not allowed to write in that folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: the disk is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: a folder has that name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: it is not an ordinary file (a pipe, a device or a socket).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: it is far too large to be a saved game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: the file is read-only; save under another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file is UTF-32 text; save it as plain text (UTF-8) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file is UTF-16 text; save it as plain text (UTF-8) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a carriage return inside a line (lines must end with a line feed) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a NUL byte: this is not a text file (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a control character (code %2) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a character that is not UTF-8 text (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the line is longer than %2 characters (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot;: only comments may hold letters beyond ASCII (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a province of the map (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: expected the line &quot;%2&quot;, found &quot;%3&quot; (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file was written by a later Aurovane (its %2 section is of version %3; this one reads version %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: expected the end of the file or the line &quot;%2&quot; after the last legion section, found &quot;%3&quot; (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: there is more after the briefing (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: %2 is not listed, but the Sassanids always hold it (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: %2 is not listed, but the Germanic Tribes always hold it (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Romans, but the Sassanids always hold it (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Germanic Tribes, but the Sassanids always hold it (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Rebelling Legions, but the Sassanids always hold it (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Romans, but the Germanic Tribes always hold it (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Sassanids, but the Germanic Tribes always hold it (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Rebelling Legions, but the Germanic Tribes always hold it (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the turn (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the turn) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the turn %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the treasury (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the treasury) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the treasury %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the plague flag (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the plague flag) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the plague flag %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the plague counter (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the plague counter) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the plague counter %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a tribe countdown (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected a tribe countdown) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a tribe countdown %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of provinces (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of provinces) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the number of provinces %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a province name (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of legions (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of legions) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the number of legions %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s province (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s route flag (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected a legion&apos;s route flag) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a legion&apos;s route flag %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s destination (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of invasions (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of invasions) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the number of invasions %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of plagues (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of plagues) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the number of plagues %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of rebellions (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of rebellions) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the number of rebellions %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before last year&apos;s tax revenue (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected last year&apos;s tax revenue) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: last year&apos;s tax revenue %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before last year&apos;s legion cost (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected last year&apos;s legion cost) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: last year&apos;s legion cost %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the line &quot;%2&quot; (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the news (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the news) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the news %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the news (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the news (they begin with &gt; or +) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a line of the news goes on (+) from no line before it (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 lines in the news (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the news may hold only ASCII letters (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a line of the news is longer than %2 characters (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the news is longer than %2 characters (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the title (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the title) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the title %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the title (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the title (they begin with &gt; or +) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a line of the title goes on (+) from no line before it (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 line in the title (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a line of the title is longer than %2 characters (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the title is longer than %2 characters (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the briefing (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the briefing) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the briefing %2 is out of range (%3 to %4) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the briefing (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the briefing (they begin with &gt; or +) (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a line of the briefing goes on (+) from no line before it (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 lines in the briefing (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: a line of the briefing is longer than %2 characters (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: the briefing is longer than %2 characters (line %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file: the folder for kept games cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Save Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aurovane games (*.avn *.AVN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Scenario</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>%1 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(scroll for more)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has gone over to the rebels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>%1 will be spoken from the next start of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2% translated)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonDialog</name>
    <message>
        <source>History Lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound device: the narration cannot play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop narration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play narration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>Maximinus Thrax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Empires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aurelian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diocletian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constantine I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battle of Adrianople</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theodosius I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sack of 410 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sack of 455 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romulus Augustulus</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Continue Last Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no game to continue yet: a game is kept at the end of every turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aurovane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page %1 could not be shown: it is missing from this installation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,

Would you like to hear the hints on playing again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The legions put down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;kill Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year&apos;s News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;cenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Valerian (260 AD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Constantine (306 AD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;onorius (409 AD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valentinian &amp;III (454 AD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi&amp;story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History &amp;Lessons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study &amp;Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take &amp;Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hints from the Prefect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,

No audio device was found on this machine: the game plays without sound and narration.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Romans believed the Tigris river was the<byte value="xd"/>
&quot;natural&quot; border of the empire. Roman<byte value="xd"/>
troops will not cross it unless there is an<byte value="xd"/>
immediate military threat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 9 AD, a Roman army of 15,000 men was ambushed<byte value="xd"/>
and massacred in the Teutoburg Forest of Germania.<byte value="xd"/>
Consequently, Roman troops will not enter that <byte value="xd"/>
territory unless there are barbarians to attack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
Our enemies have reached Rome and plundered<byte value="xd"/>
the Imperial treasury!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
We are running out of money!<byte value="xd"/>
We should conquer new provinces to increase our tax base.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The treasury is empty! The legions are starting to disband.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The number of legions we can raise depends on<byte value="xd"/>
how many provinces we control.  To increase<byte value="xd"/>
the maximum number of legions we can recruit,<byte value="xd"/>
we must conquer more provinces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The empire has been hit by a plague!  This is will<byte value="xd"/>
reduce tax revenue and slow the creation of new<byte value="xd"/>
legions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The plague has finally ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: Egypt was strategically important to<byte value="xd"/>
the Romans because it produced much of the grain which was <byte value="xd"/>
dispensed for free to Rome&apos;s huge number of urban poor.<byte value="xd"/>
<byte value="xd"/>
In this game, this province will pay three times the tax<byte value="xd"/>
and allow you to put two extra legions in the field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: Britannia was a valuable province.  It<byte value="xd"/>
produced huge amounts of lead, which was used<byte value="xd"/>
the way plastics are used today.<byte value="xd"/>
<byte value="xd"/>
Britannia will pay twice the standard tax amount,<byte value="xd"/>
but may rebel if no legions are stationed there.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint:  Dacia was the only part of the Roman Empire<byte value="xd"/>
on the far side of the Danube river, and defending<byte value="xd"/>
it against the Goths became increasingly expensive.<byte value="xd"/>
The Romans abandonned it in either 271 or 275 AD.<byte value="xd"/>
<byte value="xd"/>
In this game, Dacia pays half the normal tax<byte value="xd"/>
and does not raise legions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint:  The North African provinces produced<byte value="xd"/>
most of Rome&apos;s grain supply.<byte value="xd"/>
<byte value="xd"/>
Not controlling at least one North African<byte value="xd"/>
province will result in food riots in Rome.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
We do not have that much in the treasury.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The troops have backed down from their demands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The %1 have rebelled! They have<byte value="xd"/>
proclaimed their commander the new Emperor and are<byte value="xd"/>
marching on Rome!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a province rebels it is shown in white, and any legions<byte value="xd"/>
in it are shown in red.  You no longer control rebelling<byte value="xd"/>
legions.  To regain control of a rebelling province you<byte value="xd"/>
must move a non-rebelling legion into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The tribes of Britannia have rebelled against Roman rule!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The people of Aegyptus have rebelled against Roman rule!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The people of Italia are rioting over the lack of grain!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palestina has been overthrown by the<byte value="xd"/>
People&apos;s Front of Judea (the PFJ)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The eastern and western ends of the empire<byte value="xd"/>
have rebelled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The governor of Britannia, Marcus Carausius, has rebelled<byte value="xd"/>
and several provinces in Gaul have joined him!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
The Egyptians have rebelled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The eastern emperor Licinius is trying to claim<byte value="xd"/>
the whole empire for himself. He is marching on <byte value="xd"/>
Rome with 3 legions!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
A usurper in Britannia calling himself Constantine III,<byte value="xd"/>
has rebelled, and is marching in Gaul!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Visigoth king Aleric is marching on Rome!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Saxons are preparing to attack Britannia!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
A tribe called the Vandals is crossing the Rhine river!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Huns have massed a large army across the Rhine!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
An army of %1 has been sighted on the frontier!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 have crossed the frontier!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Sassanids are massing troops across the Tigris River!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sassanids have crossed the Tigris!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our attack on %1 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enemy legion in %1 defeated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our raid into %1 was successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We have reconquered %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been overrun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has rebelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The legions are demanding a bonus of %1 sesterces.<byte value="xd"/>
<byte value="xd"/>
Do you wish to pay them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The %1 are offering peace for %2 years <byte value="xd"/>
in exchange for %3 sesterces.<byte value="xd"/>
<byte value="xd"/>
Do you accept their offer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tribe from across the Rhine is asking to settle in<byte value="xd"/>
%1.  Should we settle them as farmers to<byte value="xd"/>
increase tax revenue, or press them into military service?<byte value="xd"/>
<byte value="xd"/>
[Settling them as farmers will put 5,000 sesterces into<byte value="xd"/>
the treasury]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farmers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
Our empire has been defeated.<byte value="xd"/>
<byte value="xd"/>
Tentate Iterum? (Would you like to play again?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!<byte value="xd"/>
<byte value="xd"/>
You have survived Rome&apos;s &quot;Crisis of the Third Century&quot;<byte value="xd"/>
Do you want to keep playing until 476 AD?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations! You have outlasted the Western<byte value="xd"/>
Roman Empire.<byte value="xd"/>
<byte value="xd"/>
Do you wish to play again?<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome, Princeps<byte value="xd"/>
<byte value="xd"/>
I am your advisor and I will be providing you with<byte value="xd"/>
information to help you guide the Roman Empire<byte value="xd"/>
through the &quot;Crisis of the Third Century.&quot;<byte value="xd"/>
<byte value="xd"/>
Would you like a few hints on playing before we start?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your empire consists of provinces.  Each turn, your provinces<byte value="xd"/>
will pay taxes and create legions for you. Roman provinces are<byte value="xd"/>
shown in light-red.  Enemey-held provinces are other colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To move a legion, left-click and drag it where you want it to<byte value="xd"/>
go.  If there are enemy legions in the destination or any<byte value="xd"/>
provinces on the way, your legion will attack them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you have moved all your legions, your enemies will move<byte value="xd"/>
their legions.  If you dont want to move all your legions, <byte value="xd"/>
just right-click the mouse to advance the game one turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your goal is to hold on to as many Roman provinces<byte value="xd"/>
as possible. To win, you must control at least one<byte value="xd"/>
province when the &quot;Crisis of the Third Century&quot; ends<byte value="xd"/>
in 285 AD - Good luck, Princeps!<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If at any time you need help, you can refer to<byte value="xd"/>
the video tutorial under the Help menu.<byte value="xd"/>
<byte value="xd"/>
Good luck, Princeps!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Italia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquitania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terraconensis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Rhine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mauretania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Africa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aegyptus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalmatia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macedonia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pontus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palestina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sarmatia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dacia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pannonia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Britannia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thracia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belgica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Rhine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Danube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesopotamia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Danube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lusitania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lugdunensis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narbonensis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raetia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lydia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrygia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cappadocia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebellious. Supports 2 legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebellious. Supports 3 legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not raise or support legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saxon territory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sassanid territory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goth territory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vandal, Frankish territory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marcommani territory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supports 1 legion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germanic Tribes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebelling Legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saxons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Franks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marcomanni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vandals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ostrogoths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visigoths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rhine legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Danube legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North african legions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tap a province on the map, or choose it here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Held by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plague</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plague years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading the editor…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share as a Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anyone who opens this link plays your scenario:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map: tap a province to edit it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One legion fewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One legion more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share as a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Praetorian Prefect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aurovane Scenario Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Aurovane…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue Last Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in the Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valerian (260 AD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constantine (308 AD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Honorius (410 AD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valentinian III (455 AD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map of the Roman Empire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aurovane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year&apos;s News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The year&apos;s news</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageViewer</name>
    <message>
        <source>Aurovane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>Aurovane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire, 235 to 476 AD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design, rules and programming: the Aurovane team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures: drawn by our own generators, every figure made in code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds and narration: made for this game by the Aurovane team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typeface: EB Garamond by Georg Duffner, SIL Open Font License 1.1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0. Vale, Princeps!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>COMPUTER TURN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>235 – 476 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold the frontiers, keep the treasury, learn how Rome endured and fell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire, 235 – 476 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESIGN, RULES AND PROGRAMMING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Aurovane team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PICTURES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn by our own generators, every figure made in code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOUNDS AND NARRATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made for this game by the Aurovane team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TYPEFACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EB Garamond by Georg Duffner, SIL Open Font License 1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vale, Princeps!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESULTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOU SURVIVED:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INVASIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLAGUES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REBELLIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WELL DONE, PRINCEPS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Aurovane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuizDialog</name>
    <message>
        <source>Quiz: the Late Roman Empire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check my answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenAccessible</name>
    <message>
        <source>The map of the Roman Empire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The provinces are a list; arrow keys or a name&apos;s first letters move the highlight, Enter takes the legions there up and Enter again sends them, Escape puts them down, E or Space ends the year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information line: no province shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No year&apos;s news shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenText</name>
    <message>
        <source>YEAR: %1 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ECONOMIC REPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Revenue: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legion Cost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net: %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treasury: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Empire is out of money:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The legions are disbanding!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Empire is suffering from a plague.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxes are being collected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legions are being paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MILITARY REPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Province:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Province: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roman Legion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barbarians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebelling Legion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard the current game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to discard the current game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A legion moved from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A legion occupied %1: no enemy defended it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Victory: %1 is ours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our raid into %1 won the battle; the legion returns to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We won the battle in %1, but enemy legions still hold it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our attack on %1 failed: one legion lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A legion marches from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No order: no Roman legion in %1 can go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No order: the legions in %1 are already marching.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No order: the legions in %1 have already moved this year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No order: the legions already stand in %1. Choose another province.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frontier closed: our legions enter %1 only to attack an enemy army there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too far: %1 can be attacked only from a province next to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No route: no way leads from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No order: press on one of your legions, then drag it to a province.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No order: there is no province there. Drop the legion on a province.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the order from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order taken back: the legion sent from %1 to %2 stands in %1 again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No order of this year is left to take back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last order cannot be taken back: its battle has been fought.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last order cannot be taken back: the advisor has told you what it brought.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game goes on from the newest one that loads, %1 AD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit now? The orders you gave this year will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not an Aurovane saved game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This saved game is cut short: its end is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This saved game is damaged and cannot be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOUR REIGN SAW:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THE EMPIRE HAS FALLEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legion creation and tax collection are slowed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free land, held by no one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Held by Rome.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Held by the barbarians.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Held by the Sassanids.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Held by the rebels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roman legions: %1 ready of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barbarian legions: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sassanid legions: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebel legions: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No legions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tax.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax value: %1 of 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marches to: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rome&apos;s provinces: the plain map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free land: white, with dots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barbarians: yellow, with lines rising to the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sassanids: purple, with crossed lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebels: white, with level stripes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number next to a legion figure tells how many legions are in that province; ready/total when some Roman legions there have moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You survived the crisis. Your reign saw:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invasions: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plagues: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebellions: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free land</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The legions of %1 taken up: choose where they march; Escape puts them down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes: %1 (friendly).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes: %1 (hostile).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes: %1 (friendly)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes: %1 (hostile)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number next to an icon indicates how many legions are in that province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions: Left-click and drag to move legions. Right click to advance the game turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONSTANTINOPLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEGEND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions: Drag a legion, or long press it and tap where it goes. Tap End Year to advance the game turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The %n newest kept games could not be loaded:</source>
        <translation>
            <numerusform>The newest kept game could not be loaded:</numerusform>
            <numerusform>The %n newest kept games could not be loaded:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n kept games can be loaded; the current game goes on:</source>
        <translation>
            <numerusform>The kept game cannot be loaded; the current game goes on:</numerusform>
            <numerusform>None of the %n kept games can be loaded; the current game goes on:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The Empire can support %n legions</source>
        <translation>
            <numerusform>The Empire can support %n legion</numerusform>
            <numerusform>The Empire can support %n legions</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message numerus="yes">
        <source>%n Roman legion(s)</source>
        <translation>
            <numerusform>%n Roman legion</numerusform>
            <numerusform>%n Roman legions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Germanic legion(s)</source>
        <translation>
            <numerusform>%n Germanic legion</numerusform>
            <numerusform>%n Germanic legions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Sassanid legion(s)</source>
        <translation>
            <numerusform>%n Sassanid legion</numerusform>
            <numerusform>%n Sassanid legions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rebel legion(s)</source>
        <translation>
            <numerusform>%n rebel legion</numerusform>
            <numerusform>%n rebel legions</numerusform>
        </translation>
    </message>
    <message>
        <source>move or attack with one legion from FROM into TO, or send it marching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>take back the last order of this year, when it fought no battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end the turn (also: e)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every province: its holder, legions and neighbours (also: provinces)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the year, the treasury and the latest news</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start a new game in 235 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start a scenario: 260, 308, 410 or 455</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 easy, 1 normal, 2 hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the game; load FILE loads one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the People&apos;s Front of Judea rises in Palestina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the whole position as one line of JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this list; quit ends the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orders (province names in any case; a unique beginning is enough; &apos;_&apos; for blanks):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 ready)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nobody</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; %3; %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year %1 AD. Treasury %2 sesterces; last year&apos;s taxes %3, upkeep %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The empire holds %1 and %2; it can support %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n province(s)</source>
        <translation>
            <numerusform>%n province</numerusform>
            <numerusform>%n provinces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s)</source>
        <translation>
            <numerusform>%n legion</numerusform>
            <numerusform>%n legions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Plague! It will last %n more year(s).</source>
        <translation>
            <numerusform>Plague! It will last %n more year.</numerusform>
            <numerusform>Plague! It will last %n more years.</numerusform>
        </translation>
    </message>
    <message>
        <source>News:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer y (yes) or n (no): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer y for %1 or n for %2: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battle: troops from %1 attack %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We lost a legion in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 lost a legion in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History lesson: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You survived %1, %2 and %3. Well done, Princeps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n invasion(s)</source>
        <translation>
            <numerusform>%n invasion</numerusform>
            <numerusform>%n invasions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plague(s)</source>
        <translation>
            <numerusform>%n plague</numerusform>
            <numerusform>%n plagues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rebellion(s)</source>
        <translation>
            <numerusform>%n rebellion</numerusform>
            <numerusform>%n rebellions</numerusform>
        </translation>
    </message>
    <message>
        <source>A new game begins in 235 AD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vale, Princeps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: could not save &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: could not load &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: we won and took it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: we won and took it from the %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 won and took it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 won and took it from us.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 won and took it from the %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: we won, but nobody still hold it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: we won, but the %2 still hold it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 won, but nobody still hold it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 won, but we still hold it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 won, but the %3 still hold it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: we won and threw back the %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nobody won and threw back the %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 won and threw back us.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 won and threw back the %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battles as the year ended:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 AD &gt; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could be %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no province called %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no province called %1; did you mean %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ave, Princeps! It is 235 AD. Type help for the list of orders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incomplete order: type %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown order: %1 (type help for the list)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no scenario %1: try 260, 308, 410 or 455.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no skill level %1: type skill 0 (easy), 1 (normal) or 2 (hard).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please answer y or n: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paragraphs and prompts for a person (the default at a terminal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one line per event, for scripts (the default otherwise)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the language of --plain (the default: LC_ALL, LC_MESSAGES or LANG); --protocol is always English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (friendly)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (hostile)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YearSummary</name>
    <message>
        <source>Rome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rebels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Germanic tribes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Sassanids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nobody</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The year %1 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n invasion(s) cross the frontier</source>
        <translation>
            <numerusform>An invasion crosses the frontier</numerusform>
            <numerusform>%n invasions cross the frontier</numerusform>
        </translation>
    </message>
    <message>
        <source>Plague breaks out in the Empire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plague still rages</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n province(s) revolt</source>
        <translation>
            <numerusform>A province revolts</numerusform>
            <numerusform>%n provinces revolt</numerusform>
        </translation>
    </message>
    <message>
        <source>Battles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: taken by %2 from %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 beat %3, who hold on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 threw back %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>… and %n more battle(s)</source>
        <translation>
            <numerusform>… and %n more battle</numerusform>
            <numerusform>… and %n more battles</numerusform>
        </translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) raised.</source>
        <translation>
            <numerusform>%n legion raised.</numerusform>
            <numerusform>%n legions raised.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) fell in battle.</source>
        <translation>
            <numerusform>%n legion fell in battle.</numerusform>
            <numerusform>%n legions fell in battle.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) disbanded or deserted.</source>
        <translation>
            <numerusform>%n legion disbanded or deserted.</numerusform>
            <numerusform>%n legions disbanded or deserted.</numerusform>
        </translation>
    </message>
    <message>
        <source>No change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) under arms.</source>
        <translation>
            <numerusform>%n legion under arms.</numerusform>
            <numerusform>%n legions under arms.</numerusform>
        </translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxes %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settlers %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legions&apos; pay %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tribute for peace %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plundered %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treasury %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or press a key to go on — Options &gt; Year&apos;s News switches this off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::BriefingDialog</name>
    <message>
        <source>Title and Briefing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Briefing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Prefect reads the briefing to the player when the scenario is opened in the game. Leave it empty for none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The briefing is %1 characters long; it may hold at most %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::EditorWindow</name>
    <message>
        <source>Romans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barbarians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebelling Legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Legion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Legion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Aurovane Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year: %1 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treasury: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revenue: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCENARIO EDITOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Province: %1    Held by: %2    Legions: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Aurovane scenario editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play this Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title and Briefing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change of Holder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Legions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Legion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Legion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1[*] - Aurovane Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario has changes that are not saved. Throw them away?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play this Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game program was not found beside the editor (looked for %1). Save the scenario and open it in the game with File &gt; Load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game program %1 could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title and Briefing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys move the highlighted province; Shift with an arrow adds the next one to the selection. R, B, S, L and N give the selection to Rome, the barbarians, the Sassanids, the rebelling legions or no one; + and - add or remove a legion; the menu key opens the selection&apos;s menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map: no province selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n province(s)</source>
        <translation>
            <numerusform>%n province</numerusform>
            <numerusform>%n provinces</numerusform>
        </translation>
    </message>
    <message>
        <source>Aurovane Editor, version 1.0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to the map editor! You can use this tool to create custom scenarios. To set the owner for a province or to add legions to a province, right-click on that province, then choose from its menu. Other game options can be set from Options in the Scenario menu. When you have finished, save your scenario, then open it in the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a province to select it; Shift- or Ctrl-click, or drag a band, to select more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click, or use the panel, to set their holder and legions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year, treasury and plague, title and briefing: the Scenario menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F5 plays the scenario in the game. F1 for help; Ctrl+Z undoes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the editor window cannot open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;: en, de, fr, it or es.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::HelpDialog</name>
    <message>
        <source>&lt;h2&gt;The Aurovane scenario editor&lt;/h2&gt;&lt;p&gt;A scenario is a starting position for the game: who holds each province, how many legions stand where, the year, the treasury and the plague, with a title and a briefing for the player.&lt;/p&gt;&lt;h3&gt;Choosing provinces&lt;/h3&gt;&lt;p&gt;Click a province to select it. Shift-click or Ctrl-click adds a province to the selection or takes it out. Drag across the map to select every province the band touches (with Shift or Ctrl, they are added). Click the sea to select nothing. The list on the right selects too: use the arrow keys, Shift and Ctrl as in any list. Edit &amp;gt; Select All (Ctrl+A) takes every province.&lt;/p&gt;&lt;h3&gt;Holders and legions&lt;/h3&gt;&lt;p&gt;Choose the holder on the right and press &lt;b&gt;Set holder&lt;/b&gt;, or right-click a selected province and use the Owner menu: every selected province changes hands at once. A province that changes hands loses the legions of its old holder. The seven frontier lands beyond the Rhine, the Danube and the Euphrates keep their holders.&lt;/p&gt;&lt;p&gt;Set the number of legions and press &lt;b&gt;Add&lt;/b&gt; or &lt;b&gt;Remove&lt;/b&gt;: each selected province gains or loses that many legions of its holder (at most %1 at a time). A province without a holder takes no legions.&lt;/p&gt;&lt;h3&gt;The year, the treasury and the plague&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Options. The year may be from %2 to %3 AD: the game decides the fate of the West as 476 begins, so a scenario must start before it. The treasury must be above 0.&lt;/p&gt;&lt;h3&gt;Title and briefing&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Title and Briefing. When the scenario is opened in the game, the Prefect reads the briefing to the player.&lt;/p&gt;&lt;h3&gt;Undo&lt;/h3&gt;&lt;p&gt;Edit &amp;gt; Undo (Ctrl+Z) takes back the last change; Edit &amp;gt; Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. The title bar shows an asterisk while there are changes not yet saved.&lt;/p&gt;&lt;h3&gt;Saving and trying&lt;/h3&gt;&lt;p&gt;File &amp;gt; Save (Ctrl+S) and Save As (Ctrl+Shift+S) write the scenario; open it in the game with File &amp;gt; Load. File &amp;gt; Play this Scenario (F5) starts the game with the scenario as it stands, saved or not.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aurovane Editor Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::OptionsDialog</name>
    <message>
        <source>Scenario Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treasury must be greater than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plague years must be between 1 and 20.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year must be between 235 and 475.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plague</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years &amp;left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Treasury:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year (%1 to %2):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::SelectionPanel</name>
    <message>
        <source>P&amp;rovinces (Shift or Ctrl for more):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;t holder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hol&amp;der:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le&amp;gions to add or remove in each:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives every selected province to this holder. The frontier lands beyond the Rhine, the Danube and the Euphrates keep theirs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds this many legions of its holder to every selected province that has one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes up to this many legions of its holder from every selected province.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n legion(s)</source>
        <translation>
            <numerusform>%1: %2, %n legion</numerusform>
            <numerusform>%1: %2, %n legions</numerusform>
        </translation>
    </message>
</context>
</TS>
