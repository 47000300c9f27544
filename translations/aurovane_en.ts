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
</context>
<context>
    <name>FatalErrorApplication</name>
    <message>
        <source>%1 has met an internal error and must end:

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The game could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The game was saved to:
%1</source>
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
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>Instructions:  Left-click and drag to move legions.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right click to advance the game turn</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>The Empire can support %1 legions</source>
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
        <source>Legion creation and tax collection is slowed!</source>
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
</context>
<context>
    <name>LessonDialog</name>
    <message>
        <source>History Lesson</source>
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
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue Last Game</source>
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
        <source>Princeps,

No audio device was found on this machine:
the game plays without sound and narration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill Level</source>
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
        <source>History Lessons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study Guide (Web Page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Quiz (Web Page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints from the Prefect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutorial (Web Page)</source>
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
        <source>Discard the current game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to discard the current game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome, Princeps

I am your advisor and I will be providing you with
information to help you guide the Roman Empire
through the &quot;Crisis of the Third Century.&quot;

Would you like a few hints on playing before we start?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your empire consists of provinces.  Each turn, your provinces
will pay taxes and create legions for you. Roman provinces are
shown in light-red.  Enemey-held provinces are other colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To move a legion, left-click and drag it where you want it to
go.  If there are enemy legions in the destination or any
provinces on the way, your legion will attack them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you have moved all your legions, your enemies will move
their legions.  If you dont want to move all your legions, 
just right-click the mouse to advance the game one turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your goal is to hold on to as many Roman provinces
as possible. To win, you must control at least one
province when the &quot;Crisis of the Third Century&quot; ends
in 285 AD - Good luck, Princeps!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If at any time you need help, you can refer to
the tutorial page under the Help menu.

Good luck, Princeps!</source>
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
        <source>Aurovane Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
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
        <source>&amp;Options</source>
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
        <source>Owner</source>
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
        <source>Aurovane Editor
Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to the map editor! You can use this tool to create
custom scenarios. To set the owner for a province or to add
legions to a province, right click on that province, then
select the appropriate menu choice.  Other game options
can be set from the &quot;Options&quot; choice on the &quot;Scenario&quot;
menu. When you have finished, save your scenario, then
open it using Aurovane executable.</source>
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
        <source>Right-click a province to choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>who holds it, and to add or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete its legions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The year, the treasury and the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plague: Scenario &gt; Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the scenario, then open it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the game with File &gt; Load.</source>
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
</context>
<context>
    <name>editor::OptionsDialog</name>
    <message>
        <source>Scenario Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plague</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year must be between 235 and 500.</source>
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
</context>
<context>
    <name>view</name>
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
        <source>The number next to an</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>icon indicates how many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>legions are in that</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>province</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
