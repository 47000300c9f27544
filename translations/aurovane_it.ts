<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AdvisorDialog</name>
    <message>
        <source>Message from the Praetorian Prefect</source>
        <translation>Messaggio del prefetto del pretorio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The Praetorian Prefect</source>
        <translation>Il prefetto del pretorio</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Play the game of seed &lt;N&gt;.</source>
        <translation>Gioca la partita con il seme &lt;N&gt;.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>The Qt platform.</source>
        <translation>La piattaforma Qt.</translation>
    </message>
    <message>
        <source>A saved game or scenario to open.</source>
        <translation>Una partita salvata o uno scenario da aprire.</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 4294967295.</source>
        <translation>Il seme deve essere un numero intero da 0 a 4294967295.</translation>
    </message>
    <message>
        <source>Aurovane, a strategy game of the late Roman Empire (235-476 AD).</source>
        <translation>Aurovane, un gioco di strategia sul tardo Impero romano (235-476 d.C.).</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;: en, de, fr, it or es.</source>
        <translation>Usa la lingua &lt;code&gt;: en, de, fr, it o es.</translation>
    </message>
    <message>
        <source>no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the game window cannot open. The terminal edition, aurovane-cli, plays the same game without a window.</source>
        <translation>nessuno schermo disponibile (né DISPLAY né WAYLAND_DISPLAY sono impostati), quindi la finestra del gioco non può aprirsi. L’edizione per terminale, aurovane-cli, gioca la stessa partita senza finestra.</translation>
    </message>
</context>
<context>
    <name>FatalErrorApplication</name>
    <message>
        <source>%1 has met an internal error and must end:

%2

The game could not be saved.</source>
        <translation>%1 ha incontrato un errore interno e deve chiudersi:

%2

Non è stato possibile salvare la partita.</translation>
    </message>
    <message>
        <source>%1 has met an internal error and must end:

%2

The game was saved to: %3</source>
        <translation>%1 ha incontrato un errore interno e deve chiudersi:

%2

La partita è stata salvata in: %3</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>Unable to open file</source>
        <translation>Impossibile aprire il file</translation>
    </message>
    <message>
        <source>Unable to open file: you are not allowed to read it.</source>
        <translation>Impossibile aprire il file: non si ha il permesso di leggerlo.</translation>
    </message>
    <message>
        <source>Unable to open file: the name is too long.</source>
        <translation>Impossibile aprire il file: il nome è troppo lungo.</translation>
    </message>
    <message>
        <source>Unable to open file: a part of the path is not a folder.</source>
        <translation>Impossibile aprire il file: una parte del percorso non è una cartella.</translation>
    </message>
    <message>
        <source>Unable to open file: the path has too many links.</source>
        <translation>Impossibile aprire il file: il percorso contiene troppi collegamenti.</translation>
    </message>
    <message>
        <source>Unable to open file: %1.</source>
        <translation>Impossibile aprire il file: %1.</translation>
    </message>
    <message>
        <source>Unable to open file: the disk is full; free some space or save elsewhere.</source>
        <translation>Impossibile aprire il file: il disco è pieno; liberare spazio o salvare altrove.</translation>
    </message>
    <message>
        <source>Unable to open file: the folder does not exist.</source>
        <translation>Impossibile aprire il file: la cartella non esiste.</translation>
    </message>
    <message>
        <source>Unable to open file: you are not allowed to write in that folder.</source>
        <translation>Impossibile aprire il file: non si ha il permesso di scrivere in quella cartella.</translation>
    </message>
    <message>
        <source>Unable to open file: the disk is read-only.</source>
        <translation>Impossibile aprire il file: il disco è di sola lettura.</translation>
    </message>
    <message>
        <source>Unable to open file: a folder has that name.</source>
        <translation>Impossibile aprire il file: una cartella ha questo nome.</translation>
    </message>
    <message>
        <source>Unable to open file: it is not an ordinary file (a pipe, a device or a socket).</source>
        <translation>Impossibile aprire il file: non è un file normale (una pipe, un dispositivo o un socket).</translation>
    </message>
    <message>
        <source>Unable to open file: it is far too large to be a saved game.</source>
        <translation>Impossibile aprire il file: è decisamente troppo grande per essere una partita salvata.</translation>
    </message>
    <message>
        <source>Unable to open file: the file is read-only; save under another name.</source>
        <translation>Impossibile aprire il file: il file è di sola lettura; salvare con un altro nome.</translation>
    </message>
    <message>
        <source>Unable to load file: the file is UTF-32 text; save it as plain text (UTF-8) (line %1).</source>
        <translation>Impossibile caricare il file: il file è testo UTF-32; salvarlo come testo semplice (UTF-8) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file is UTF-16 text; save it as plain text (UTF-8) (line %1).</source>
        <translation>Impossibile caricare il file: il file è testo UTF-16; salvarlo come testo semplice (UTF-8) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a carriage return inside a line (lines must end with a line feed) (line %1).</source>
        <translation>Impossibile caricare il file: un ritorno a capo all’interno di una riga (le righe devono terminare con un avanzamento di riga) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a NUL byte: this is not a text file (line %1).</source>
        <translation>Impossibile caricare il file: un byte NUL: questo non è un file di testo (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a control character (code %2) (line %1).</source>
        <translation>Impossibile caricare il file: un carattere di controllo (codice %2) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a character that is not UTF-8 text (line %1).</source>
        <translation>Impossibile caricare il file: un carattere che non è testo UTF-8 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the line is longer than %2 characters (line %1).</source>
        <translation>Impossibile caricare il file: la riga supera i %2 caratteri (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot;: only comments may hold letters beyond ASCII (line %1).</source>
        <translation>Impossibile caricare il file: «%2»: solo i commenti possono contenere lettere non ASCII (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a province of the map (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è una provincia della mappa (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: expected the line &quot;%2&quot;, found &quot;%3&quot; (line %1).</source>
        <translation>Impossibile caricare il file: era attesa la riga «%2», trovato «%3» (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file was written by a later Aurovane (its %2 section is of version %3; this one reads version %4) (line %1).</source>
        <translation>Impossibile caricare il file: il file è stato scritto da una versione più recente di Aurovane (la sua sezione %2 è alla versione %3; questa legge la versione %4) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: expected the end of the file or the line &quot;%2&quot; after the last legion section, found &quot;%3&quot; (line %1).</source>
        <translation>Impossibile caricare il file: dopo l’ultima sezione delle legioni era attesa la fine del file o la riga «%2», trovato «%3» (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: there is more after the briefing (line %1).</source>
        <translation>Impossibile caricare il file: c’è altro dopo le istruzioni (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is not listed, but the Sassanids always hold it (line %1).</source>
        <translation>Impossibile caricare il file: %2 non compare in nessun elenco, ma appartiene sempre ai Sasanidi (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is not listed, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Impossibile caricare il file: %2 non compare in nessun elenco, ma appartiene sempre alle Tribù germaniche (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Romans, but the Sassanids always hold it (line %1).</source>
        <translation>Impossibile caricare il file: %2 compare nell’elenco dei Romani, ma appartiene sempre ai Sasanidi (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Germanic Tribes, but the Sassanids always hold it (line %1).</source>
        <translation>Impossibile caricare il file: %2 compare nell’elenco delle Tribù germaniche, ma appartiene sempre ai Sasanidi (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Rebelling Legions, but the Sassanids always hold it (line %1).</source>
        <translation>Impossibile caricare il file: %2 compare nell’elenco delle Legioni ribelli, ma appartiene sempre ai Sasanidi (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Romans, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Impossibile caricare il file: %2 compare nell’elenco dei Romani, ma appartiene sempre alle Tribù germaniche (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Sassanids, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Impossibile caricare il file: %2 compare nell’elenco dei Sasanidi, ma appartiene sempre alle Tribù germaniche (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Rebelling Legions, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Impossibile caricare il file: %2 compare nell’elenco delle Legioni ribelli, ma appartiene sempre alle Tribù germaniche (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the turn (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del turno (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the turn) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il turno) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the turn %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il turno vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the treasury (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del tesoro (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the treasury) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il tesoro) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the treasury %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il tesoro vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the plague flag (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima dell’indicatore di pestilenza (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the plague flag) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: l’indicatore di pestilenza) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the plague flag %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: l’indicatore di pestilenza vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the plague counter (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del contatore della pestilenza (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the plague counter) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il contatore della pestilenza) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the plague counter %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il contatore della pestilenza vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a tribe countdown (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima di un conto alla rovescia di una tribù (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected a tribe countdown) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: un conto alla rovescia di una tribù) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a tribe countdown %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: un conto alla rovescia di una tribù vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of provinces (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del numero di province (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of provinces) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il numero di province) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of provinces %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il numero di province vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a province name (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima di un nome di provincia (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of legions (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del numero di legioni (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of legions) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il numero di legioni) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of legions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il numero di legioni vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s province (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima della provincia di una legione (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s route flag (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima dell’indicatore di marcia di una legione (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected a legion&apos;s route flag) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: l’indicatore di marcia di una legione) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a legion&apos;s route flag %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: l’indicatore di marcia di una legione vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s destination (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima della destinazione di una legione (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of invasions (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del numero di invasioni (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of invasions) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il numero di invasioni) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of invasions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il numero di invasioni vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of plagues (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del numero di pestilenze (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of plagues) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il numero di pestilenze) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of plagues %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il numero di pestilenze vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of rebellions (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del numero di rivolte (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of rebellions) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il numero di rivolte) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of rebellions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il numero di rivolte vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before last year&apos;s tax revenue (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del gettito fiscale dell’anno scorso (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected last year&apos;s tax revenue) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il gettito fiscale dell’anno scorso) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: last year&apos;s tax revenue %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il gettito fiscale dell’anno scorso vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before last year&apos;s legion cost (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del costo delle legioni dell’anno scorso (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected last year&apos;s legion cost) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il costo delle legioni dell’anno scorso) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: last year&apos;s legion cost %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il costo delle legioni dell’anno scorso vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the line &quot;%2&quot; (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima della riga «%2» (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the news (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del numero di righe delle notizie (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the news) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il numero di righe delle notizie) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the news %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il numero di righe delle notizie vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the news (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima di una riga delle notizie (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the news (they begin with &gt; or +) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è una riga delle notizie (le righe iniziano con &gt; o +) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the news goes on (+) from no line before it (line %1).</source>
        <translation>Impossibile caricare il file: una riga delle notizie prosegue (+) senza alcuna riga prima (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 lines in the news (line %1).</source>
        <translation>Impossibile caricare il file: più di %2 righe nelle notizie (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the news may hold only ASCII letters (line %1).</source>
        <translation>Impossibile caricare il file: le notizie possono contenere solo lettere ASCII (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the news is longer than %2 characters (line %1).</source>
        <translation>Impossibile caricare il file: una riga delle notizie supera i %2 caratteri (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the news is longer than %2 characters (line %1).</source>
        <translation>Impossibile caricare il file: le notizie superano i %2 caratteri (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the title (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del numero di righe del titolo (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the title) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il numero di righe del titolo) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the title %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il numero di righe del titolo vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the title (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima di una riga del titolo (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the title (they begin with &gt; or +) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è una riga del titolo (le righe iniziano con &gt; o +) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the title goes on (+) from no line before it (line %1).</source>
        <translation>Impossibile caricare il file: una riga del titolo prosegue (+) senza alcuna riga prima (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 line in the title (line %1).</source>
        <translation>Impossibile caricare il file: più di %2 riga nel titolo (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the title is longer than %2 characters (line %1).</source>
        <translation>Impossibile caricare il file: una riga del titolo supera i %2 caratteri (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the title is longer than %2 characters (line %1).</source>
        <translation>Impossibile caricare il file: il titolo supera i %2 caratteri (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the briefing (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima del numero di righe delle istruzioni (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the briefing) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è un numero (atteso: il numero di righe delle istruzioni) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the briefing %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossibile caricare il file: il numero di righe delle istruzioni vale %2, fuori dall’intervallo da %3 a %4 (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the briefing (line %1).</source>
        <translation>Impossibile caricare il file: il file finisce prima di una riga delle istruzioni (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the briefing (they begin with &gt; or +) (line %1).</source>
        <translation>Impossibile caricare il file: «%2» non è una riga delle istruzioni (le righe iniziano con &gt; o +) (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the briefing goes on (+) from no line before it (line %1).</source>
        <translation>Impossibile caricare il file: una riga delle istruzioni prosegue (+) senza alcuna riga prima (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 lines in the briefing (line %1).</source>
        <translation>Impossibile caricare il file: più di %2 righe nelle istruzioni (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the briefing is longer than %2 characters (line %1).</source>
        <translation>Impossibile caricare il file: una riga delle istruzioni supera i %2 caratteri (riga %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the briefing is longer than %2 characters (line %1).</source>
        <translation>Impossibile caricare il file: le istruzioni superano i %2 caratteri (riga %1).</translation>
    </message>
    <message>
        <source>Unable to open file: the folder for kept games cannot be made.</source>
        <translation>Impossibile aprire il file: non è possibile creare la cartella delle partite conservate.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Save Game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Aurovane games (*.avn *.AVN)</source>
        <translation>Partite di Aurovane (*.avn *.AVN)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Save Scenario</source>
        <translation>Salva scenario</translation>
    </message>
    <message>
        <source>Open Scenario</source>
        <translation>Apri scenario</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>%1 AD</source>
        <translation>%1 d.C.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>In precedenza</translation>
    </message>
    <message>
        <source>(scroll for more)</source>
        <translation>(scorri per altro)</translation>
    </message>
    <message>
        <source>%1 has gone over to the rebels</source>
        <translation>%1: la provincia è passata ai ribelli</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>%1 will be spoken from the next start of the program.</source>
        <translation>La lingua %1 sarà usata dal prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Lin&amp;gua</translation>
    </message>
    <message>
        <source>%1 (%2% translated)</source>
        <translation>%1 (tradotto al %2%)</translation>
    </message>
</context>
<context>
    <name>LessonDialog</name>
    <message>
        <source>History Lesson</source>
        <translation>Lezione di storia</translation>
    </message>
    <message>
        <source>No sound device: the narration cannot play</source>
        <translation>Nessun dispositivo audio: la narrazione non può essere riprodotta</translation>
    </message>
    <message>
        <source>&amp;Stop narration</source>
        <translation>&amp;Ferma la narrazione</translation>
    </message>
    <message>
        <source>&amp;Play narration</source>
        <translation>&amp;Ascolta la narrazione</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>Maximinus Thrax</source>
        <translation>Massimino il Trace</translation>
    </message>
    <message>
        <source>Three Empires</source>
        <translation>Tre imperi</translation>
    </message>
    <message>
        <source>Aurelian</source>
        <translation>Aureliano</translation>
    </message>
    <message>
        <source>Diocletian</source>
        <translation>Diocleziano</translation>
    </message>
    <message>
        <source>Constantine I</source>
        <translation>Costantino I</translation>
    </message>
    <message>
        <source>Battle of Adrianople</source>
        <translation>Battaglia di Adrianopoli</translation>
    </message>
    <message>
        <source>Theodosius I</source>
        <translation>Teodosio I</translation>
    </message>
    <message>
        <source>Sack of 410 AD</source>
        <translation>Il sacco di Roma del 410</translation>
    </message>
    <message>
        <source>Sack of 455 AD</source>
        <translation>Il sacco di Roma del 455</translation>
    </message>
    <message>
        <source>Romulus Augustulus</source>
        <translation>Romolo Augustolo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Continue Last Game</source>
        <translation>Continua l’&amp;ultima partita</translation>
    </message>
    <message>
        <source>There is no game to continue yet: a game is kept at the end of every turn.</source>
        <translation>Non c’è ancora una partita da continuare: una partita viene conservata alla fine di ogni turno.</translation>
    </message>
    <message>
        <source>Aurovane</source>
        <translation>Aurovane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Informazioni ...</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation>Informazioni su Aurovane</translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation>Partita salvata</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: it is missing from this installation.</source>
        <translation>Non è stato possibile mostrare la pagina %1: manca in questa installazione.</translation>
    </message>
    <message>
        <source>Princeps,

Would you like to hear the hints on playing again?</source>
        <translation>Princeps,

vuoi riascoltare i consigli di gioco?</translation>
    </message>
    <message>
        <source>The legions put down.</source>
        <translation>Le legioni sono state deposte.</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>S&amp;kill Level</source>
        <translation>&amp;Livello di difficoltà</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>&amp;Year&apos;s News</source>
        <translation>&amp;Notizie dell’anno</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>&amp;Testo più grande</translation>
    </message>
    <message>
        <source>S&amp;cenarios</source>
        <translation>S&amp;cenari</translation>
    </message>
    <message>
        <source>&amp;Valerian (260 AD)</source>
        <translation>&amp;Valeriano (260 d.C.)</translation>
    </message>
    <message>
        <source>&amp;Constantine (306 AD)</source>
        <translation>&amp;Costantino (306 d.C.)</translation>
    </message>
    <message>
        <source>H&amp;onorius (409 AD)</source>
        <translation>&amp;Onorio (409 d.C.)</translation>
    </message>
    <message>
        <source>Valentinian &amp;III (454 AD)</source>
        <translation>Valentiniano &amp;III (454 d.C.)</translation>
    </message>
    <message>
        <source>Hi&amp;story</source>
        <translation>S&amp;toria</translation>
    </message>
    <message>
        <source>History &amp;Lessons</source>
        <translation>&amp;Lezioni di storia</translation>
    </message>
    <message>
        <source>Study &amp;Guide</source>
        <translation>&amp;Guida allo studio</translation>
    </message>
    <message>
        <source>Take &amp;Quiz</source>
        <translation>Fai il &amp;quiz</translation>
    </message>
    <message>
        <source>&amp;Hints from the Prefect</source>
        <translation>&amp;Consigli del prefetto</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Esercitazione</translation>
    </message>
    <message>
        <source>Princeps,

No audio device was found on this machine: the game plays without sound and narration.</source>
        <translation>Princeps,

su questo computer non è stato trovato alcun dispositivo audio: il gioco procede senza suoni né narrazione.</translation>
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

tutte le unità di questa provincia si sono già mosse. Nota come l’icona della legione appaia grigia. Potrai muovere di nuovo le legioni grigie al prossimo turno.</translation>
    </message>
    <message>
        <source>The Romans believed the Tigris river was the<byte value="xd"/>
&quot;natural&quot; border of the empire. Roman<byte value="xd"/>
troops will not cross it unless there is an<byte value="xd"/>
immediate military threat.</source>
        <translation>I Romani consideravano il Tigri il confine «naturale» dell’impero. Le truppe romane non lo attraverseranno se non in caso di una minaccia militare immediata.</translation>
    </message>
    <message>
        <source>In 9 AD, a Roman army of 15,000 men was ambushed<byte value="xd"/>
and massacred in the Teutoburg Forest of Germania.<byte value="xd"/>
Consequently, Roman troops will not enter that <byte value="xd"/>
territory unless there are barbarians to attack.</source>
        <translation>Nel 9 d.C. un esercito romano di 15.000 uomini cadde in un’imboscata e fu massacrato nella selva di Teutoburgo, in Germania. Per questo le truppe romane non entreranno in quel territorio se non ci sono barbari da attaccare.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
Our enemies have reached Rome and plundered<byte value="xd"/>
the Imperial treasury!</source>
        <translation>Princeps,

i nostri nemici hanno raggiunto Roma e saccheggiato il tesoro imperiale!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
We are running out of money!<byte value="xd"/>
We should conquer new provinces to increase our tax base.</source>
        <translation>Princeps,

stiamo esaurendo il denaro! Dovremmo conquistare nuove province per ampliare la nostra base fiscale.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The treasury is empty! The legions are starting to disband.</source>
        <translation>Princeps,

il tesoro è vuoto! Le legioni cominciano a sciogliersi.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The number of legions we can raise depends on<byte value="xd"/>
how many provinces we control.  To increase<byte value="xd"/>
the maximum number of legions we can recruit,<byte value="xd"/>
we must conquer more provinces.</source>
        <translation>Princeps,

il numero di legioni che possiamo arruolare dipende da quante province controlliamo. Per poterne reclutare di più dobbiamo conquistare altre province.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The empire has been hit by a plague!  This is will<byte value="xd"/>
reduce tax revenue and slow the creation of new<byte value="xd"/>
legions.</source>
        <translation>Princeps,

una pestilenza ha colpito l’impero! Ridurrà le entrate fiscali e rallenterà la formazione di nuove legioni.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The plague has finally ended.</source>
        <translation>Princeps,

la pestilenza è finalmente finita.</translation>
    </message>
    <message>
        <source>Hint: Egypt was strategically important to<byte value="xd"/>
the Romans because it produced much of the grain which was <byte value="xd"/>
dispensed for free to Rome&apos;s huge number of urban poor.<byte value="xd"/>
<byte value="xd"/>
In this game, this province will pay three times the tax<byte value="xd"/>
and allow you to put two extra legions in the field.</source>
        <translation>Consiglio: l’Egitto era strategicamente importante per i Romani perché produceva gran parte del grano distribuito gratuitamente all’enorme plebe povera di Roma.

In questo gioco la provincia paga il triplo delle tasse e ti permette di schierare due legioni in più.</translation>
    </message>
    <message>
        <source>Hint: Britannia was a valuable province.  It<byte value="xd"/>
produced huge amounts of lead, which was used<byte value="xd"/>
the way plastics are used today.<byte value="xd"/>
<byte value="xd"/>
Britannia will pay twice the standard tax amount,<byte value="xd"/>
but may rebel if no legions are stationed there.<byte value="xd"/>
</source>
        <translation>Consiglio: la Britannia era una provincia preziosa. Produceva enormi quantità di piombo, usato come oggi si usa la plastica.

La Britannia paga il doppio delle tasse normali, ma può ribellarsi se non vi sono legioni di stanza.</translation>
    </message>
    <message>
        <source>Hint:  Dacia was the only part of the Roman Empire<byte value="xd"/>
on the far side of the Danube river, and defending<byte value="xd"/>
it against the Goths became increasingly expensive.<byte value="xd"/>
The Romans abandonned it in either 271 or 275 AD.<byte value="xd"/>
<byte value="xd"/>
In this game, Dacia pays half the normal tax<byte value="xd"/>
and does not raise legions.</source>
        <translation>Consiglio: la Dacia era l’unica parte dell’Impero romano oltre il Danubio, e difenderla dai Goti divenne sempre più costoso. I Romani la abbandonarono nel 271 o nel 275 d.C.

In questo gioco la Dacia paga metà delle tasse normali e non arruola legioni.</translation>
    </message>
    <message>
        <source>Hint:  The North African provinces produced<byte value="xd"/>
most of Rome&apos;s grain supply.<byte value="xd"/>
<byte value="xd"/>
Not controlling at least one North African<byte value="xd"/>
province will result in food riots in Rome.</source>
        <translation>Consiglio: le province nordafricane fornivano la maggior parte del grano di Roma.

Se non controlli almeno una provincia nordafricana, a Roma scoppieranno rivolte per la fame.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
We do not have that much in the treasury.</source>
        <translation>Princeps,

non abbiamo così tanto nel tesoro.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The troops have backed down from their demands.</source>
        <translation>Princeps,

le truppe hanno rinunciato alle loro richieste.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The %1 have rebelled! They have<byte value="xd"/>
proclaimed their commander the new Emperor and are<byte value="xd"/>
marching on Rome!</source>
        <translation>Princeps,

le %1 si sono ribellate! Hanno proclamato il loro comandante nuovo imperatore e marciano su Roma!</translation>
    </message>
    <message>
        <source>When a province rebels it is shown in white, and any legions<byte value="xd"/>
in it are shown in red.  You no longer control rebelling<byte value="xd"/>
legions.  To regain control of a rebelling province you<byte value="xd"/>
must move a non-rebelling legion into it.</source>
        <translation>Quando una provincia si ribella appare in bianco e le sue legioni in rosso. Non controlli più le legioni ribelli. Per riprendere una provincia ribelle devi farvi entrare una legione rimasta fedele.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The tribes of Britannia have rebelled against Roman rule!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

le tribù della Britannia si sono ribellate al dominio romano!

Dovremmo mandarvi una legione per ristabilire l’ordine.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The people of Aegyptus have rebelled against Roman rule!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

il popolo d’Egitto si è ribellato al dominio romano!

Dovremmo mandarvi una legione per ristabilire l’ordine.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The people of Italia are rioting over the lack of grain!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

il popolo d’Italia è in rivolta per la mancanza di grano!

Dovremmo mandarvi una legione per ristabilire l’ordine.</translation>
    </message>
    <message>
        <source>Palestina has been overthrown by the<byte value="xd"/>
People&apos;s Front of Judea (the PFJ)!</source>
        <translation>La Palestina è stata rovesciata dal Fronte Popolare della Giudea (il FPG)!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The eastern and western ends of the empire<byte value="xd"/>
have rebelled!</source>
        <translation>Princeps,

l’oriente e l’occidente dell’impero si sono ribellati!</translation>
    </message>
    <message>
        <source>The governor of Britannia, Marcus Carausius, has rebelled<byte value="xd"/>
and several provinces in Gaul have joined him!</source>
        <translation>Il governatore della Britannia, Marco Carausio, si è ribellato e diverse province della Gallia si sono unite a lui!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
The Egyptians have rebelled!</source>
        <translation>Princeps, gli Egiziani si sono ribellati!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The eastern emperor Licinius is trying to claim<byte value="xd"/>
the whole empire for himself. He is marching on <byte value="xd"/>
Rome with 3 legions!</source>
        <translation>Princeps,

l’imperatore d’Oriente Licinio vuole prendersi l’intero impero. Marcia su Roma con 3 legioni!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
A usurper in Britannia calling himself Constantine III,<byte value="xd"/>
has rebelled, and is marching in Gaul!</source>
        <translation>Princeps,

un usurpatore in Britannia che si fa chiamare Costantino III si è ribellato e marcia in Gallia!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Visigoth king Aleric is marching on Rome!</source>
        <translation>Princeps,

il re visigoto Alarico marcia su Roma!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Saxons are preparing to attack Britannia!</source>
        <translation>Princeps,

i Sassoni si preparano ad attaccare la Britannia!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
A tribe called the Vandals is crossing the Rhine river!</source>
        <translation>Princeps,

un popolo chiamato Vandali sta attraversando il Reno!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Huns have massed a large army across the Rhine!</source>
        <translation>Princeps,

gli Unni hanno radunato un grande esercito oltre il Reno!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
An army of %1 has been sighted on the frontier!</source>
        <translation>Princeps,

un esercito di %1 è stato avvistato al confine!</translation>
    </message>
    <message>
        <source>The %1 have crossed the frontier!</source>
        <translation>Un’orda di %1 ha varcato il confine!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Sassanids are massing troops across the Tigris River!</source>
        <translation>Princeps,

i Sasanidi stanno ammassando truppe oltre il Tigri!</translation>
    </message>
    <message>
        <source>The Sassanids have crossed the Tigris!</source>
        <translation>I Sasanidi hanno varcato il Tigri!</translation>
    </message>
    <message>
        <source>Our attack on %1 failed</source>
        <translation>%1: il nostro attacco è fallito</translation>
    </message>
    <message>
        <source>Enemy legion in %1 defeated</source>
        <translation>%1: legione nemica sconfitta</translation>
    </message>
    <message>
        <source>Our raid into %1 was successful</source>
        <translation>%1: la nostra incursione è riuscita</translation>
    </message>
    <message>
        <source>We have reconquered %1</source>
        <translation>%1: provincia riconquistata</translation>
    </message>
    <message>
        <source>%1 has been overrun</source>
        <translation>%1: provincia travolta dal nemico</translation>
    </message>
    <message>
        <source>%1 has rebelled</source>
        <translation>%1: la provincia si è ribellata</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The legions are demanding a bonus of %1 sesterces.<byte value="xd"/>
<byte value="xd"/>
Do you wish to pay them?</source>
        <translation>Princeps,

le legioni chiedono un donativo di %1 sesterzi.

Vuoi pagarli?</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The %1 are offering peace for %2 years <byte value="xd"/>
in exchange for %3 sesterces.<byte value="xd"/>
<byte value="xd"/>
Do you accept their offer?</source>
        <translation>Princeps,

i %1 offrono la pace per %2 anni in cambio di %3 sesterzi.

Accetti la loro offerta?</translation>
    </message>
    <message>
        <source>A tribe from across the Rhine is asking to settle in<byte value="xd"/>
%1.  Should we settle them as farmers to<byte value="xd"/>
increase tax revenue, or press them into military service?<byte value="xd"/>
<byte value="xd"/>
[Settling them as farmers will put 5,000 sesterces into<byte value="xd"/>
the treasury]</source>
        <translation>Una tribù d’oltre Reno chiede di stabilirsi in questa provincia: %1. Dobbiamo insediarli come contadini per aumentare le entrate fiscali, o arruolarli nell’esercito?

[Insediati come contadini, porteranno 5.000 sesterzi nel tesoro]</translation>
    </message>
    <message>
        <source>Farmers</source>
        <translation>Contadini</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldati</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
Our empire has been defeated.<byte value="xd"/>
<byte value="xd"/>
Tentate Iterum? (Would you like to play again?)</source>
        <translation>Princeps,

il nostro impero è stato sconfitto.

Tentate iterum? (Vuoi giocare ancora?)</translation>
    </message>
    <message>
        <source>Congratulations!<byte value="xd"/>
<byte value="xd"/>
You have survived Rome&apos;s &quot;Crisis of the Third Century&quot;<byte value="xd"/>
Do you want to keep playing until 476 AD?</source>
        <translation>Congratulazioni!

Hai superato la «crisi del III secolo» di Roma. Vuoi continuare a giocare fino al 476 d.C.?</translation>
    </message>
    <message>
        <source>Congratulations! You have outlasted the Western<byte value="xd"/>
Roman Empire.<byte value="xd"/>
<byte value="xd"/>
Do you wish to play again?<byte value="xd"/>
</source>
        <translation>Congratulazioni! Sei sopravvissuto all’Impero romano d’Occidente.

Vuoi giocare ancora?</translation>
    </message>
    <message>
        <source>Welcome, Princeps<byte value="xd"/>
<byte value="xd"/>
I am your advisor and I will be providing you with<byte value="xd"/>
information to help you guide the Roman Empire<byte value="xd"/>
through the &quot;Crisis of the Third Century.&quot;<byte value="xd"/>
<byte value="xd"/>
Would you like a few hints on playing before we start?</source>
        <translation>Benvenuto, Princeps

Sono il tuo consigliere e ti fornirò le informazioni per aiutarti a guidare l’Impero romano attraverso la «crisi del III secolo».

Vuoi qualche consiglio di gioco prima di cominciare?</translation>
    </message>
    <message>
        <source>Your empire consists of provinces.  Each turn, your provinces<byte value="xd"/>
will pay taxes and create legions for you. Roman provinces are<byte value="xd"/>
shown in light-red.  Enemey-held provinces are other colors</source>
        <translation>Il tuo impero è formato da province. A ogni turno le tue province pagano le tasse e creano legioni per te. Le province romane sono in rosso chiaro, quelle nemiche in altri colori.</translation>
    </message>
    <message>
        <source>To move a legion, left-click and drag it where you want it to<byte value="xd"/>
go.  If there are enemy legions in the destination or any<byte value="xd"/>
provinces on the way, your legion will attack them</source>
        <translation>Per muovere una legione, fai clic con il tasto sinistro e trascinala dove vuoi che vada. Se nella destinazione o in una provincia lungo il cammino ci sono legioni nemiche, la tua legione le attaccherà.</translation>
    </message>
    <message>
        <source>When you have moved all your legions, your enemies will move<byte value="xd"/>
their legions.  If you dont want to move all your legions, <byte value="xd"/>
just right-click the mouse to advance the game one turn.</source>
        <translation>Quando hai mosso tutte le tue legioni, i nemici muovono le loro. Se non vuoi muovere tutte le legioni, fai semplicemente clic con il tasto destro per passare al turno successivo.</translation>
    </message>
    <message>
        <source>Your goal is to hold on to as many Roman provinces<byte value="xd"/>
as possible. To win, you must control at least one<byte value="xd"/>
province when the &quot;Crisis of the Third Century&quot; ends<byte value="xd"/>
in 285 AD - Good luck, Princeps!<byte value="xd"/>
</source>
        <translation>Il tuo obiettivo è conservare quante più province romane possibile. Per vincere devi controllare almeno una provincia quando la «crisi del III secolo» finisce, nel 285 d.C. Buona fortuna, Princeps!</translation>
    </message>
    <message>
        <source>If at any time you need help, you can refer to<byte value="xd"/>
the video tutorial under the Help menu.<byte value="xd"/>
<byte value="xd"/>
Good luck, Princeps!</source>
        <translation>Se in qualsiasi momento ti serve aiuto, consulta l’esercitazione nel menu Aiuto.

Buona fortuna, Princeps!</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Italia</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Aquitania</source>
        <translation>Aquitania</translation>
    </message>
    <message>
        <source>Terraconensis</source>
        <translation>Tarraconense</translation>
    </message>
    <message>
        <source>Upper Rhine</source>
        <translation>Alto Reno</translation>
    </message>
    <message>
        <source>Mauretania</source>
        <translation>Mauretania</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Africa</translation>
    </message>
    <message>
        <source>Aegyptus</source>
        <translation>Egitto</translation>
    </message>
    <message>
        <source>Dalmatia</source>
        <translation>Dalmazia</translation>
    </message>
    <message>
        <source>Macedonia</source>
        <translation>Macedonia</translation>
    </message>
    <message>
        <source>Pontus</source>
        <translation>Ponto</translation>
    </message>
    <message>
        <source>Palestina</source>
        <translation>Palestina</translation>
    </message>
    <message>
        <source>Armenia</source>
        <translation>Armenia</translation>
    </message>
    <message>
        <source>Sarmatia</source>
        <translation>Sarmazia</translation>
    </message>
    <message>
        <source>Syria</source>
        <translation>Siria</translation>
    </message>
    <message>
        <source>Dacia</source>
        <translation>Dacia</translation>
    </message>
    <message>
        <source>Pannonia</source>
        <translation>Pannonia</translation>
    </message>
    <message>
        <source>Britannia</source>
        <translation>Britannia</translation>
    </message>
    <message>
        <source>Thracia</source>
        <translation>Tracia</translation>
    </message>
    <message>
        <source>Belgica</source>
        <translation>Gallia Belgica</translation>
    </message>
    <message>
        <source>Lower Rhine</source>
        <translation>Basso Reno</translation>
    </message>
    <message>
        <source>Lower Danube</source>
        <translation>Basso Danubio</translation>
    </message>
    <message>
        <source>Mesopotamia</source>
        <translation>Mesopotamia</translation>
    </message>
    <message>
        <source>Upper Danube</source>
        <translation>Alto Danubio</translation>
    </message>
    <message>
        <source>Lusitania</source>
        <translation>Lusitania</translation>
    </message>
    <message>
        <source>Lugdunensis</source>
        <translation>Lugdunense</translation>
    </message>
    <message>
        <source>Narbonensis</source>
        <translation>Narbonense</translation>
    </message>
    <message>
        <source>Raetia</source>
        <translation>Rezia</translation>
    </message>
    <message>
        <source>Lydia</source>
        <translation>Lidia</translation>
    </message>
    <message>
        <source>Phrygia</source>
        <translation>Frigia</translation>
    </message>
    <message>
        <source>Cappadocia</source>
        <translation>Cappadocia</translation>
    </message>
    <message>
        <source>Rebellious. Supports 2 legions</source>
        <translation>Ribelle. Mantiene 2 legioni</translation>
    </message>
    <message>
        <source>Rebellious. Supports 3 legions</source>
        <translation>Ribelle. Mantiene 3 legioni</translation>
    </message>
    <message>
        <source>Does not raise or support legions</source>
        <translation>Non arruola né mantiene legioni</translation>
    </message>
    <message>
        <source>Saxon territory</source>
        <translation>Territorio sassone</translation>
    </message>
    <message>
        <source>Sassanid territory</source>
        <translation>Territorio sasanide</translation>
    </message>
    <message>
        <source>Goth territory</source>
        <translation>Territorio goto</translation>
    </message>
    <message>
        <source>Vandal, Frankish territory</source>
        <translation>Territorio vandalo e franco</translation>
    </message>
    <message>
        <source>Marcommani territory</source>
        <translation>Territorio marcomanno</translation>
    </message>
    <message>
        <source>Supports 1 legion</source>
        <translation>Mantiene 1 legione</translation>
    </message>
    <message>
        <source>Romans</source>
        <translation>Romani</translation>
    </message>
    <message>
        <source>Germanic Tribes</source>
        <translation>Tribù germaniche</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sasanidi</translation>
    </message>
    <message>
        <source>Rebelling Legions</source>
        <translation>Legioni ribelli</translation>
    </message>
    <message>
        <source>Saxons</source>
        <translation>Sassoni</translation>
    </message>
    <message>
        <source>Franks</source>
        <translation>Franchi</translation>
    </message>
    <message>
        <source>Marcomanni</source>
        <translation>Marcomanni</translation>
    </message>
    <message>
        <source>Goths</source>
        <translation>Goti</translation>
    </message>
    <message>
        <source>Vandals</source>
        <translation>Vandali</translation>
    </message>
    <message>
        <source>Ostrogoths</source>
        <translation>Ostrogoti</translation>
    </message>
    <message>
        <source>Visigoths</source>
        <translation>Visigoti</translation>
    </message>
    <message>
        <source>Rhine legions</source>
        <translation>legioni del Reno</translation>
    </message>
    <message>
        <source>Danube legions</source>
        <translation>legioni del Danubio</translation>
    </message>
    <message>
        <source>Eastern legions</source>
        <translation>legioni d’Oriente</translation>
    </message>
    <message>
        <source>North african legions</source>
        <translation>legioni nordafricane</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Tap a province on the map, or choose it here.</source>
        <translation>Tocca una provincia sulla mappa, o sceglila qui.</translation>
    </message>
    <message>
        <source>Held by</source>
        <translation>Tenuta da</translation>
    </message>
    <message>
        <source>Legions</source>
        <translation>Legioni</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Tesoro</translation>
    </message>
    <message>
        <source>Plague</source>
        <translation>Peste</translation>
    </message>
    <message>
        <source>Plague years</source>
        <translation>Anni di peste</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Briefing</translation>
    </message>
    <message>
        <source>Loading the editor…</source>
        <translation>Caricamento dell’editor…</translation>
    </message>
    <message>
        <source>New Scenario</source>
        <translation>Nuovo scenario</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Share as a Link</source>
        <translation>Condividi come link</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Back to the game</source>
        <translation>Torna al gioco</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Anyone who opens this link plays your scenario:</source>
        <translation>Chi apre questo link gioca il tuo scenario:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The map: tap a province to edit it</source>
        <translation>La mappa: tocca una provincia per modificarla</translation>
    </message>
    <message>
        <source>One legion fewer</source>
        <translation>Una legione in meno</translation>
    </message>
    <message>
        <source>One legion more</source>
        <translation>Una legione in più</translation>
    </message>
    <message>
        <source>Share as a link</source>
        <translation>Condividi come link</translation>
    </message>
    <message>
        <source>The link</source>
        <translation>Il link</translation>
    </message>
    <message>
        <source>The Praetorian Prefect</source>
        <translation>Il prefetto del pretorio</translation>
    </message>
    <message>
        <source>Aurovane Scenario Editor</source>
        <translation>Editor di scenari di Aurovane</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>End Year</source>
        <translation>Fine dell’anno</translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapporti</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Loading Aurovane…</source>
        <translation>Caricamento di Aurovane…</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Continue Last Game</source>
        <translation>Riprendi l’ultima partita</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Open in the Editor</source>
        <translation>Apri nell’editor</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Scenari</translation>
    </message>
    <message>
        <source>Valerian (260 AD)</source>
        <translation>Valeriano (260 d.C.)</translation>
    </message>
    <message>
        <source>Constantine (308 AD)</source>
        <translation>Costantino (308 d.C.)</translation>
    </message>
    <message>
        <source>Honorius (410 AD)</source>
        <translation>Onorio (410 d.C.)</translation>
    </message>
    <message>
        <source>Valentinian III (455 AD)</source>
        <translation>Valentiniano III (455 d.C.)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Storia</translation>
    </message>
    <message>
        <source>Study Guide</source>
        <translation>Guida allo studio</translation>
    </message>
    <message>
        <source>Take Quiz</source>
        <translation>Fai il quiz</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>About …</source>
        <translation>Informazioni …</translation>
    </message>
    <message>
        <source>The map of the Roman Empire</source>
        <translation>La mappa dell’Impero romano</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Livello di difficoltà</translation>
    </message>
    <message>
        <source>Aurovane</source>
        <translation>Aurovane</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Untitled scenario</source>
        <translation>Scenario senza titolo</translation>
    </message>
    <message>
        <source>%1 AD</source>
        <translation>%1 d.C.</translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation>Informazioni su Aurovane</translation>
    </message>
    <message>
        <source>Year&apos;s News</source>
        <translation>Notizie dell’anno</translation>
    </message>
    <message>
        <source>The year&apos;s news</source>
        <translation>Le notizie dell’anno</translation>
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
        <translation>Continua</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Un gioco di strategia educativo sul tardo Impero romano, dal 235 al 476 d.C.</translation>
    </message>
    <message>
        <source>Design, rules and programming: the Aurovane team.</source>
        <translation>Progetto, regole e programmazione: la squadra di Aurovane.</translation>
    </message>
    <message>
        <source>Pictures: drawn by our own generators, every figure made in code.</source>
        <translation>Immagini: disegnate dai nostri generatori, ogni figura creata nel codice.</translation>
    </message>
    <message>
        <source>Sounds and narration: made for this game by the Aurovane team.</source>
        <translation>Suoni e narrazione: realizzati per questo gioco dalla squadra di Aurovane.</translation>
    </message>
    <message>
        <source>Typeface: EB Garamond by Georg Duffner, SIL Open Font License 1.1.</source>
        <translation>Carattere: EB Garamond di Georg Duffner, SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Version 1.0. Vale, Princeps!</source>
        <translation>Versione 1.0. Vale, Princeps!</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>COMPUTER TURN</source>
        <translation>TURNO DEL COMPUTER</translation>
    </message>
    <message>
        <source>235 – 476 AD</source>
        <translation>235 – 476 d.C.</translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire</source>
        <translation>Un gioco di strategia educativo sul tardo Impero romano</translation>
    </message>
    <message>
        <source>Hold the frontiers, keep the treasury, learn how Rome endured and fell</source>
        <translation>Difendi i confini, custodisci l’erario, scopri come Roma resistette e cadde</translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire, 235 – 476 AD</source>
        <translation>Un gioco di strategia educativo sul tardo Impero romano, 235 – 476 d.C.</translation>
    </message>
    <message>
        <source>DESIGN, RULES AND PROGRAMMING</source>
        <translation>PROGETTO, REGOLE E PROGRAMMAZIONE</translation>
    </message>
    <message>
        <source>The Aurovane team</source>
        <translation>La squadra di Aurovane</translation>
    </message>
    <message>
        <source>PICTURES</source>
        <translation>IMMAGINI</translation>
    </message>
    <message>
        <source>Drawn by our own generators, every figure made in code</source>
        <translation>Disegnate dai nostri generatori, ogni figura creata nel codice</translation>
    </message>
    <message>
        <source>SOUNDS AND NARRATION</source>
        <translation>SUONI E NARRAZIONE</translation>
    </message>
    <message>
        <source>Made for this game by the Aurovane team</source>
        <translation>Realizzati per questo gioco dalla squadra di Aurovane</translation>
    </message>
    <message>
        <source>TYPEFACE</source>
        <translation>CARATTERE</translation>
    </message>
    <message>
        <source>EB Garamond by Georg Duffner, SIL Open Font License 1.1</source>
        <translation>EB Garamond di Georg Duffner, SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versione 1.0</translation>
    </message>
    <message>
        <source>Vale, Princeps!</source>
        <translation>Vale, Princeps!</translation>
    </message>
    <message>
        <source>RESULTS</source>
        <translation>RISULTATI</translation>
    </message>
    <message>
        <source>YOU SURVIVED:</source>
        <translation>HAI SUPERATO:</translation>
    </message>
    <message>
        <source>INVASIONS</source>
        <translation>INVASIONI</translation>
    </message>
    <message>
        <source>PLAGUES</source>
        <translation>PESTILENZE</translation>
    </message>
    <message>
        <source>REBELLIONS</source>
        <translation>RIBELLIONI</translation>
    </message>
    <message>
        <source>WELL DONE, PRINCEPS</source>
        <translation>BEN FATTO, PRINCEPS</translation>
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
        <translation>Informazioni su Aurovane</translation>
    </message>
</context>
<context>
    <name>QuizDialog</name>
    <message>
        <source>Quiz: the Late Roman Empire</source>
        <translation>Quiz: il tardo Impero romano</translation>
    </message>
    <message>
        <source>Check my answers</source>
        <translation>Verifica le risposte</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>ScreenAccessible</name>
    <message>
        <source>The map of the Roman Empire</source>
        <translation>La mappa dell’Impero romano</translation>
    </message>
    <message>
        <source>The provinces are a list; arrow keys or a name&apos;s first letters move the highlight, Enter takes the legions there up and Enter again sends them, Escape puts them down, E or Space ends the year.</source>
        <translation>Le province formano un elenco: i tasti freccia o le prime lettere di un nome spostano l’evidenziazione, Invio prende le legioni che vi si trovano e un secondo Invio le invia, Esc le depone, E o Spazio concludono l’anno.</translation>
    </message>
    <message>
        <source>End the year</source>
        <translation>Concludi l’anno</translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>Legend.</source>
        <translation>Legenda.</translation>
    </message>
    <message>
        <source>Information line: no province shown.</source>
        <translation>Riga informativa: nessuna provincia mostrata.</translation>
    </message>
    <message>
        <source>No year&apos;s news shown.</source>
        <translation>Nessuna notizia dell’anno mostrata.</translation>
    </message>
</context>
<context>
    <name>ScreenText</name>
    <message>
        <source>YEAR: %1 AD</source>
        <translation>ANNO: %1 d.C.</translation>
    </message>
    <message>
        <source>ECONOMIC REPORT</source>
        <translation>RAPPORTO ECONOMICO</translation>
    </message>
    <message>
        <source>Tax Revenue: %1</source>
        <translation>Entrate fiscali: %1</translation>
    </message>
    <message>
        <source>Legion Cost: %1</source>
        <translation>Costo delle legioni: %1</translation>
    </message>
    <message>
        <source>Net: %1%2</source>
        <translation>Saldo: %1%2</translation>
    </message>
    <message>
        <source>Treasury: %1</source>
        <translation>Tesoro: %1</translation>
    </message>
    <message>
        <source>The Empire is out of money:</source>
        <translation>L’Impero è senza denaro:</translation>
    </message>
    <message>
        <source>The legions are disbanding!</source>
        <translation>le legioni si stanno sciogliendo!</translation>
    </message>
    <message>
        <source>The Empire is suffering from a plague.</source>
        <translation>Una pestilenza colpisce l’Impero.</translation>
    </message>
    <message>
        <source>Taxes are being collected</source>
        <translation>Le tasse vengono riscosse</translation>
    </message>
    <message>
        <source>Legions are being paid</source>
        <translation>Le legioni vengono pagate</translation>
    </message>
    <message>
        <source>MILITARY REPORT</source>
        <translation>RAPPORTO MILITARE</translation>
    </message>
    <message>
        <source>Province:</source>
        <translation>Provincia:</translation>
    </message>
    <message>
        <source>Tax value:</source>
        <translation>Valore fiscale:</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Caratteristiche:</translation>
    </message>
    <message>
        <source>Province: %1</source>
        <translation>Provincia: %1</translation>
    </message>
    <message>
        <source>Attributes: %1</source>
        <translation>Caratteristiche: %1</translation>
    </message>
    <message>
        <source>Roman Legion</source>
        <translation>Legione romana</translation>
    </message>
    <message>
        <source>Barbarians</source>
        <translation>Barbari</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sasanidi</translation>
    </message>
    <message>
        <source>Rebelling Legion</source>
        <translation>Legione ribelle</translation>
    </message>
    <message>
        <source>Discard the current game?</source>
        <translation>Abbandonare la partita in corso?</translation>
    </message>
    <message>
        <source>Are you sure you want to discard the current game?</source>
        <translation>Vuoi davvero abbandonare la partita in corso?</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>A legion moved from %1 to %2.</source>
        <translation>Una legione si è spostata: %1 → %2.</translation>
    </message>
    <message>
        <source>A legion occupied %1: no enemy defended it.</source>
        <translation>%1: una legione l’ha occupata, nessun nemico la difendeva.</translation>
    </message>
    <message>
        <source>Victory: %1 is ours.</source>
        <translation>Vittoria: la provincia è nostra (%1).</translation>
    </message>
    <message>
        <source>Our raid into %1 won the battle; the legion returns to %2.</source>
        <translation>%1: la nostra incursione ha vinto la battaglia; la legione torna alla base (%2).</translation>
    </message>
    <message>
        <source>We won the battle in %1, but enemy legions still hold it.</source>
        <translation>%1: abbiamo vinto la battaglia, ma legioni nemiche tengono ancora la provincia.</translation>
    </message>
    <message>
        <source>Our attack on %1 failed: one legion lost.</source>
        <translation>%1: il nostro attacco è fallito, una legione perduta.</translation>
    </message>
    <message>
        <source>A legion marches from %1 to %2.</source>
        <translation>Una legione è in marcia: %1 → %2.</translation>
    </message>
    <message>
        <source>No order: no Roman legion in %1 can go.</source>
        <translation>Nessun ordine: nessuna legione romana può partire (%1).</translation>
    </message>
    <message>
        <source>No order: the legions in %1 are already marching.</source>
        <translation>Nessun ordine: le legioni sono già in marcia (%1).</translation>
    </message>
    <message>
        <source>No order: the legions in %1 have already moved this year.</source>
        <translation>Nessun ordine: le legioni si sono già mosse quest’anno (%1).</translation>
    </message>
    <message>
        <source>No order: the legions already stand in %1. Choose another province.</source>
        <translation>Nessun ordine: le legioni si trovano già lì (%1). Scegli un’altra provincia.</translation>
    </message>
    <message>
        <source>Frontier closed: our legions enter %1 only to attack an enemy army there.</source>
        <translation>Confine chiuso: le nostre legioni entrano in questo territorio (%1) solo per attaccarvi un esercito nemico.</translation>
    </message>
    <message>
        <source>Too far: %1 can be attacked only from a province next to it.</source>
        <translation>Troppo lontano: questo territorio (%1) può essere attaccato solo da una provincia confinante.</translation>
    </message>
    <message>
        <source>No route: no way leads from %1 to %2.</source>
        <translation>Nessun percorso: non c’è strada per %1 → %2.</translation>
    </message>
    <message>
        <source>No order: press on one of your legions, then drag it to a province.</source>
        <translation>Nessun ordine: premi su una delle tue legioni, poi trascinala su una provincia.</translation>
    </message>
    <message>
        <source>No order: there is no province there. Drop the legion on a province.</source>
        <translation>Nessun ordine: lì non c’è alcuna provincia. Rilascia la legione su una provincia.</translation>
    </message>
    <message>
        <source>Undo the order from %1 to %2</source>
        <translation>Annulla l’ordine %1 → %2</translation>
    </message>
    <message>
        <source>Order taken back: the legion sent from %1 to %2 stands in %1 again.</source>
        <translation>Ordine annullato: la legione inviata (%1 → %2) è tornata al punto di partenza (%1).</translation>
    </message>
    <message>
        <source>No order of this year is left to take back.</source>
        <translation>Non resta alcun ordine di quest’anno da annullare.</translation>
    </message>
    <message>
        <source>The last order cannot be taken back: its battle has been fought.</source>
        <translation>L’ultimo ordine non può essere annullato: la sua battaglia è stata combattuta.</translation>
    </message>
    <message>
        <source>The last order cannot be taken back: the advisor has told you what it brought.</source>
        <translation>L’ultimo ordine non può essere annullato: il consigliere ti ha già detto che cosa ha portato.</translation>
    </message>
    <message>
        <source>The game goes on from the newest one that loads, %1 AD.</source>
        <translation>La partita riprende dalla più recente che si carica, %1 d.C.</translation>
    </message>
    <message>
        <source>Quit now? The orders you gave this year will be lost.</source>
        <translation>Uscire ora? Gli ordini dati quest’anno andranno persi.</translation>
    </message>
    <message>
        <source>The game could not be saved.</source>
        <translation>Non è stato possibile salvare la partita.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Non è stato possibile aprire il file.</translation>
    </message>
    <message>
        <source>This is not an Aurovane saved game.</source>
        <translation>Questa non è una partita salvata di Aurovane.</translation>
    </message>
    <message>
        <source>This saved game is cut short: its end is missing.</source>
        <translation>Questa partita salvata è incompleta: ne manca la fine.</translation>
    </message>
    <message>
        <source>This saved game is damaged and cannot be loaded.</source>
        <translation>Questa partita salvata è danneggiata e non può essere caricata.</translation>
    </message>
    <message>
        <source>YOUR REIGN SAW:</source>
        <translation>IL TUO REGNO HA VISTO:</translation>
    </message>
    <message>
        <source>THE EMPIRE HAS FALLEN</source>
        <translation>L’IMPERO È CADUTO</translation>
    </message>
    <message>
        <source>Legion creation and tax collection are slowed!</source>
        <translation>La leva delle legioni e la riscossione delle tasse sono rallentate!</translation>
    </message>
    <message>
        <source>Free land, held by no one.</source>
        <translation>Terra libera, di nessuno.</translation>
    </message>
    <message>
        <source>Held by Rome.</source>
        <translation>In mano a Roma.</translation>
    </message>
    <message>
        <source>Held by the barbarians.</source>
        <translation>In mano ai barbari.</translation>
    </message>
    <message>
        <source>Held by the Sassanids.</source>
        <translation>In mano ai Sasanidi.</translation>
    </message>
    <message>
        <source>Held by the rebels.</source>
        <translation>In mano ai ribelli.</translation>
    </message>
    <message>
        <source>Roman legions: %1 ready of %2.</source>
        <translation>Legioni romane: %1 pronte su %2.</translation>
    </message>
    <message>
        <source>Barbarian legions: %1.</source>
        <translation>Legioni barbare: %1.</translation>
    </message>
    <message>
        <source>Sassanid legions: %1.</source>
        <translation>Legioni sasanidi: %1.</translation>
    </message>
    <message>
        <source>Rebel legions: %1.</source>
        <translation>Legioni ribelli: %1.</translation>
    </message>
    <message>
        <source>No legions.</source>
        <translation>Nessuna legione.</translation>
    </message>
    <message>
        <source>No tax.</source>
        <translation>Nessuna tassa.</translation>
    </message>
    <message>
        <source>Tax value: %1 of 4.</source>
        <translation>Valore fiscale: %1 su 4.</translation>
    </message>
    <message>
        <source>Attributes: %1.</source>
        <translation>Caratteristiche: %1.</translation>
    </message>
    <message>
        <source>Marches to: %1.</source>
        <translation>Porta verso: %1.</translation>
    </message>
    <message>
        <source>Rome&apos;s provinces: the plain map.</source>
        <translation>Province di Roma: la mappa senza motivo.</translation>
    </message>
    <message>
        <source>Free land: white, with dots.</source>
        <translation>Terra libera: bianco, a puntini.</translation>
    </message>
    <message>
        <source>Barbarians: yellow, with lines rising to the right.</source>
        <translation>Barbari: giallo, con linee che salgono verso destra.</translation>
    </message>
    <message>
        <source>Sassanids: purple, with crossed lines.</source>
        <translation>Sasanidi: viola, con linee incrociate.</translation>
    </message>
    <message>
        <source>Rebels: white, with level stripes.</source>
        <translation>Ribelli: bianco, con strisce orizzontali.</translation>
    </message>
    <message>
        <source>The number next to a legion figure tells how many legions are in that province; ready/total when some Roman legions there have moved.</source>
        <translation>Il numero accanto a una figura di legione indica quante legioni si trovano nella provincia; pronte/totale quando alcune legioni romane vi si sono già mosse.</translation>
    </message>
    <message>
        <source>You survived the crisis. Your reign saw:</source>
        <translation>Hai superato la crisi. Il tuo regno ha visto:</translation>
    </message>
    <message>
        <source>Invasions: %1.</source>
        <translation>Invasioni: %1.</translation>
    </message>
    <message>
        <source>Plagues: %1.</source>
        <translation>Pestilenze: %1.</translation>
    </message>
    <message>
        <source>Rebellions: %1.</source>
        <translation>Ribellioni: %1.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Ben fatto!</translation>
    </message>
    <message>
        <source>Free land</source>
        <translation>Terra libera</translation>
    </message>
    <message>
        <source>The legions of %1 taken up: choose where they march; Escape puts them down.</source>
        <translation>Legioni prese (%1): scegli dove marciano; Esc le depone.</translation>
    </message>
    <message>
        <source>Attributes: %1 (friendly).</source>
        <translation>Caratteristiche: %1 (amichevole).</translation>
    </message>
    <message>
        <source>Attributes: %1 (hostile).</source>
        <translation>Caratteristiche: %1 (ostile).</translation>
    </message>
    <message>
        <source>Attributes: %1 (friendly)</source>
        <translation>Caratteristiche: %1 (amichevole)</translation>
    </message>
    <message>
        <source>Attributes: %1 (hostile)</source>
        <translation>Caratteristiche: %1 (ostile)</translation>
    </message>
    <message>
        <source>The number next to an icon indicates how many legions are in that province</source>
        <translation>Il numero accanto a un’icona indica quante legioni si trovano nella provincia</translation>
    </message>
    <message>
        <source>Instructions: Left-click and drag to move legions. Right click to advance the game turn</source>
        <translation>Istruzioni: fai clic con il tasto sinistro e trascina per muovere le legioni. Clic destro per passare al turno successivo.</translation>
    </message>
    <message>
        <source>CONSTANTINOPLE</source>
        <translation>COSTANTINOPOLI</translation>
    </message>
    <message>
        <source>LEGEND</source>
        <translation>LEGENDA</translation>
    </message>
    <message>
        <source>Instructions: Drag a legion, or long press it and tap where it goes. Tap End Year to advance the game turn</source>
        <translation>Istruzioni: trascina una legione, oppure tienila premuta e tocca la sua meta. «Fine dell’anno» fa avanzare il turno.</translation>
    </message>
    <message numerus="yes">
        <source>The %n newest kept games could not be loaded:</source>
        <translation>
            <numerusform>Non è stato possibile caricare la partita conservata più recente:</numerusform>
            <numerusform>Non è stato possibile caricare le %n partite conservate più recenti:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n kept games can be loaded; the current game goes on:</source>
        <translation>
            <numerusform>La partita conservata non può essere caricata; la partita in corso continua:</numerusform>
            <numerusform>Nessuna delle %n partite conservate può essere caricata; la partita in corso continua:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The Empire can support %n legions</source>
        <translation>
            <numerusform>L’Impero può mantenere %n legione</numerusform>
            <numerusform>L’Impero può mantenere %n legioni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message numerus="yes">
        <source>%n Roman legion(s)</source>
        <translation>
            <numerusform>%n legione romana</numerusform>
            <numerusform>%n legioni romane</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Germanic legion(s)</source>
        <translation>
            <numerusform>%n legione germanica</numerusform>
            <numerusform>%n legioni germaniche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Sassanid legion(s)</source>
        <translation>
            <numerusform>%n legione sasanide</numerusform>
            <numerusform>%n legioni sasanidi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rebel legion(s)</source>
        <translation>
            <numerusform>%n legione ribelle</numerusform>
            <numerusform>%n legioni ribelli</numerusform>
        </translation>
    </message>
    <message>
        <source>move or attack with one legion from FROM into TO, or send it marching</source>
        <translation>muovere una legione da FROM a TO o attaccare con essa, oppure mandarla in marcia</translation>
    </message>
    <message>
        <source>take back the last order of this year, when it fought no battle</source>
        <translation>ritirare l’ultimo ordine di quest’anno, se non ha combattuto battaglie</translation>
    </message>
    <message>
        <source>end the turn (also: e)</source>
        <translation>finire il turno (anche: e)</translation>
    </message>
    <message>
        <source>every province: its holder, legions and neighbours (also: provinces)</source>
        <translation>tutte le province: chi le tiene, le legioni e le confinanti (anche: provinces)</translation>
    </message>
    <message>
        <source>the year, the treasury and the latest news</source>
        <translation>l’anno, il tesoro e le ultime notizie</translation>
    </message>
    <message>
        <source>start a new game in 235 AD</source>
        <translation>iniziare una nuova partita nel 235 d.C.</translation>
    </message>
    <message>
        <source>start a scenario: 260, 308, 410 or 455</source>
        <translation>iniziare uno scenario: 260, 308, 410 o 455</translation>
    </message>
    <message>
        <source>0 easy, 1 normal, 2 hard</source>
        <translation>0 facile, 1 normale, 2 difficile</translation>
    </message>
    <message>
        <source>save the game; load FILE loads one</source>
        <translation>salvare la partita; load FILE ne carica una</translation>
    </message>
    <message>
        <source>the People&apos;s Front of Judea rises in Palestina</source>
        <translation>il Fronte del Popolo di Giudea insorge in Palestina</translation>
    </message>
    <message>
        <source>the whole position as one line of JSON</source>
        <translation>l’intera posizione in una riga di JSON</translation>
    </message>
    <message>
        <source>this list; quit ends the program</source>
        <translation>questo elenco; quit chiude il programma</translation>
    </message>
    <message>
        <source>Orders (province names in any case; a unique beginning is enough; &apos;_&apos; for blanks):</source>
        <translation>Ordini (nomi di provincia in maiuscolo o minuscolo; basta un inizio univoco; &apos;_&apos; al posto degli spazi):</translation>
    </message>
    <message>
        <source> (%1 ready)</source>
        <translation> (pronte: %1)</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>no legions</source>
        <translation>nessuna legione</translation>
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
        <translation>confina con %1</translation>
    </message>
    <message>
        <source>Year %1 AD. Treasury %2 sesterces; last year&apos;s taxes %3, upkeep %4.</source>
        <translation>Anno %1 d.C. Tesoro %2 sesterzi; tasse dell’anno scorso %3, mantenimento %4.</translation>
    </message>
    <message>
        <source>The empire holds %1 and %2; it can support %3.</source>
        <translation>L’Impero conta %1 e %2; può mantenerne %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n province(s)</source>
        <translation>
            <numerusform>%n provincia</numerusform>
            <numerusform>%n province</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s)</source>
        <translation>
            <numerusform>%n legione</numerusform>
            <numerusform>%n legioni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Plague! It will last %n more year(s).</source>
        <translation>
            <numerusform>Peste! Durerà ancora %n anno.</numerusform>
            <numerusform>Peste! Durerà ancora %n anni.</numerusform>
        </translation>
    </message>
    <message>
        <source>News:</source>
        <translation>Notizie:</translation>
    </message>
    <message>
        <source>Answer y (yes) or n (no): </source>
        <translation>Rispondi y (sì) o n (no): </translation>
    </message>
    <message>
        <source>Answer y for %1 or n for %2: </source>
        <translation>Rispondi y per «%1» o n per «%2»: </translation>
    </message>
    <message>
        <source>Yes.</source>
        <translation>Sì.</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Battle: troops from %1 attack %2.</source>
        <translation>Battaglia: truppe da %1 attaccano %2.</translation>
    </message>
    <message>
        <source>We lost a legion in %1.</source>
        <translation>%1: abbiamo perso una legione.</translation>
    </message>
    <message>
        <source>The %1 lost a legion in %2.</source>
        <translation>%2: %1 perdono una legione.</translation>
    </message>
    <message>
        <source>News: %1</source>
        <translation>Notizia: %1</translation>
    </message>
    <message>
        <source>History lesson: %1 (%2)</source>
        <translation>Lezione di storia: %1 (%2)</translation>
    </message>
    <message>
        <source>You survived %1, %2 and %3. Well done, Princeps.</source>
        <translation>Sei sopravvissuto a %1, %2 e %3. Ben fatto, Princeps.</translation>
    </message>
    <message numerus="yes">
        <source>%n invasion(s)</source>
        <translation>
            <numerusform>%n invasione</numerusform>
            <numerusform>%n invasioni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plague(s)</source>
        <translation>
            <numerusform>%n pestilenza</numerusform>
            <numerusform>%n pestilenze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rebellion(s)</source>
        <translation>
            <numerusform>%n ribellione</numerusform>
            <numerusform>%n ribellioni</numerusform>
        </translation>
    </message>
    <message>
        <source>A new game begins in 235 AD.</source>
        <translation>Una nuova partita inizia nel 235 d.C.</translation>
    </message>
    <message>
        <source>Vale, Princeps.</source>
        <translation>Vale, Princeps.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>questo file non esiste.</translation>
    </message>
    <message>
        <source>Error: could not save &quot;%1&quot;: %2</source>
        <translation>Errore: impossibile salvare «%1»: %2</translation>
    </message>
    <message>
        <source>Error: could not load &quot;%1&quot;: %2</source>
        <translation>Errore: impossibile caricare «%1»: %2</translation>
    </message>
    <message>
        <source>%1: we won and took it.</source>
        <translation>%1: abbiamo vinto e preso la provincia.</translation>
    </message>
    <message>
        <source>%1: we won and took it from the %2.</source>
        <translation>%1: abbiamo vinto e preso la provincia (finora: %2).</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it.</source>
        <translation>%1: %2 hanno vinto e preso la provincia.</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it from us.</source>
        <translation>%1: %2 hanno vinto e ci hanno tolto la provincia.</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it from the %3.</source>
        <translation>%1: %2 hanno vinto e preso la provincia (finora: %3).</translation>
    </message>
    <message>
        <source>%1: we won, but nobody still hold it.</source>
        <translation>%1: abbiamo vinto, ma la provincia resta senza padrone.</translation>
    </message>
    <message>
        <source>%1: we won, but the %2 still hold it.</source>
        <translation>%1: abbiamo vinto, ma %2 tengono ancora la provincia.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but nobody still hold it.</source>
        <translation>%1: %2 hanno vinto, ma la provincia resta senza padrone.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but we still hold it.</source>
        <translation>%1: %2 hanno vinto, ma teniamo ancora la provincia.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but the %3 still hold it.</source>
        <translation>%1: %2 hanno vinto, ma %3 tengono ancora la provincia.</translation>
    </message>
    <message>
        <source>%1: we won and threw back the %2.</source>
        <translation>%1: abbiamo vinto e respinto l’attacco (%2).</translation>
    </message>
    <message>
        <source>%1: nobody won and threw back the %2.</source>
        <translation>%1: l’attacco è stato respinto (%2).</translation>
    </message>
    <message>
        <source>%1: the %2 won and threw back us.</source>
        <translation>%1: %2 hanno vinto e ci hanno respinti.</translation>
    </message>
    <message>
        <source>%1: the %2 won and threw back the %3.</source>
        <translation>%1: %2 hanno vinto e respinto l’attacco (%3).</translation>
    </message>
    <message>
        <source>Battles as the year ended:</source>
        <translation>Battaglie di fine anno:</translation>
    </message>
    <message>
        <source>Game saved.</source>
        <translation>Partita salvata.</translation>
    </message>
    <message>
        <source>%1 AD &gt; </source>
        <translation>%1 d.C. &gt; </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 could be %2</source>
        <translation>%1 può essere %2</translation>
    </message>
    <message>
        <source>no province called %1</source>
        <translation>nessuna provincia si chiama %1</translation>
    </message>
    <message>
        <source>no province called %1; did you mean %2?</source>
        <translation>nessuna provincia si chiama %1; intendevi %2?</translation>
    </message>
    <message>
        <source>Ave, Princeps! It is 235 AD. Type help for the list of orders.</source>
        <translation>Ave, Princeps! È il 235 d.C. Scrivi help per l’elenco degli ordini.</translation>
    </message>
    <message>
        <source>Incomplete order: type %1.</source>
        <translation>Ordine incompleto: scrivi %1.</translation>
    </message>
    <message>
        <source>Unknown order: %1 (type help for the list)</source>
        <translation>Ordine sconosciuto: %1 (scrivi help per l’elenco)</translation>
    </message>
    <message>
        <source>There is no scenario %1: try 260, 308, 410 or 455.</source>
        <translation>Non esiste lo scenario %1: prova 260, 308, 410 o 455.</translation>
    </message>
    <message>
        <source>There is no skill level %1: type skill 0 (easy), 1 (normal) or 2 (hard).</source>
        <translation>Non esiste il livello %1: scrivi skill 0 (facile), 1 (normale) o 2 (difficile).</translation>
    </message>
    <message>
        <source>Please answer y or n: </source>
        <translation>Rispondi y o n, per favore: </translation>
    </message>
    <message>
        <source>paragraphs and prompts for a person (the default at a terminal)</source>
        <translation>paragrafi e richieste per una persona (predefinito in un terminale)</translation>
    </message>
    <message>
        <source>one line per event, for scripts (the default otherwise)</source>
        <translation>una riga per evento, per gli script (predefinito altrimenti)</translation>
    </message>
    <message>
        <source>the language of --plain (the default: LC_ALL, LC_MESSAGES or LANG); --protocol is always English</source>
        <translation>la lingua di --plain (predefinita: LC_ALL, LC_MESSAGES o LANG); --protocol è sempre in inglese</translation>
    </message>
    <message>
        <source>%1 (friendly)</source>
        <translation>%1 (amichevole)</translation>
    </message>
    <message>
        <source>%1 (hostile)</source>
        <translation>%1 (ostile)</translation>
    </message>
</context>
<context>
    <name>YearSummary</name>
    <message>
        <source>Rome</source>
        <translation>Roma</translation>
    </message>
    <message>
        <source>the rebels</source>
        <translation>i ribelli</translation>
    </message>
    <message>
        <source>the Germanic tribes</source>
        <translation>le tribù germaniche</translation>
    </message>
    <message>
        <source>the Sassanids</source>
        <translation>i Sasanidi</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>The year %1 AD</source>
        <translation>L’anno %1 d.C.</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Allarmi</translation>
    </message>
    <message numerus="yes">
        <source>%n invasion(s) cross the frontier</source>
        <translation>
            <numerusform>%n invasione varca il confine</numerusform>
            <numerusform>%n invasioni varcano il confine</numerusform>
        </translation>
    </message>
    <message>
        <source>Plague breaks out in the Empire</source>
        <translation>Scoppia una pestilenza nell’Impero</translation>
    </message>
    <message>
        <source>The plague still rages</source>
        <translation>La pestilenza infuria ancora</translation>
    </message>
    <message numerus="yes">
        <source>%n province(s) revolt</source>
        <translation>
            <numerusform>%n provincia si ribella</numerusform>
            <numerusform>%n province si ribellano</numerusform>
        </translation>
    </message>
    <message>
        <source>Battles</source>
        <translation>Battaglie</translation>
    </message>
    <message>
        <source>%1: taken by %2 from %3</source>
        <translation>%1: conquistata da: %2 (prima: %3)</translation>
    </message>
    <message>
        <source>%1: %2 beat %3, who hold on</source>
        <translation>%1: vincitori: %2; difensori ancora al loro posto: %3</translation>
    </message>
    <message>
        <source>%1: %2 threw back %3</source>
        <translation>%1: assalto respinto da: %2 (assalitori: %3)</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more battle(s)</source>
        <translation>
            <numerusform>… e %n altra battaglia</numerusform>
            <numerusform>… e altre %n battaglie</numerusform>
        </translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Conquistate: %1</translation>
    </message>
    <message>
        <source>Lost: %1</source>
        <translation>Perdute: %1</translation>
    </message>
    <message>
        <source>Legions</source>
        <translation>Legioni</translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) raised.</source>
        <translation>
            <numerusform>%n legione arruolata.</numerusform>
            <numerusform>%n legioni arruolate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) fell in battle.</source>
        <translation>
            <numerusform>%n legione è caduta in battaglia.</numerusform>
            <numerusform>%n legioni sono cadute in battaglia.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) disbanded or deserted.</source>
        <translation>
            <numerusform>%n legione sciolta o disertata.</numerusform>
            <numerusform>%n legioni sciolte o disertate.</numerusform>
        </translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Nessun cambiamento.</translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) under arms.</source>
        <translation>
            <numerusform>%n legione in armi.</numerusform>
            <numerusform>%n legioni in armi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Tesoro</translation>
    </message>
    <message>
        <source>Taxes %1</source>
        <translation>Tasse %1</translation>
    </message>
    <message>
        <source>Settlers %1</source>
        <translation>Coloni %1</translation>
    </message>
    <message>
        <source>Legions&apos; pay %1</source>
        <translation>Paga delle legioni %1</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Donativo %1</translation>
    </message>
    <message>
        <source>Tribute for peace %1</source>
        <translation>Tributo per la pace %1</translation>
    </message>
    <message>
        <source>Plundered %1</source>
        <translation>Saccheggiato %1</translation>
    </message>
    <message>
        <source>Treasury %1 (%2)</source>
        <translation>Tesoro %1 (%2)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Notizie</translation>
    </message>
    <message>
        <source>Click or press a key to go on — Options &gt; Year&apos;s News switches this off</source>
        <translation>Fai clic o premi un tasto per continuare — Opzioni &gt; Notizie dell’anno lo disattiva</translation>
    </message>
</context>
<context>
    <name>editor::BriefingDialog</name>
    <message>
        <source>Title and Briefing</source>
        <translation>Titolo e istruzioni</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Briefing:</source>
        <translation>&amp;Istruzioni:</translation>
    </message>
    <message>
        <source>The Prefect reads the briefing to the player when the scenario is opened in the game. Leave it empty for none.</source>
        <translation>Il prefetto legge le istruzioni al giocatore quando lo scenario viene aperto nel gioco. Lascia vuoto per non averne.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The briefing is %1 characters long; it may hold at most %2.</source>
        <translation>Le istruzioni sono lunghe %1 caratteri; possono contenerne al massimo %2.</translation>
    </message>
</context>
<context>
    <name>editor::EditorWindow</name>
    <message>
        <source>Romans</source>
        <translation>Romani</translation>
    </message>
    <message>
        <source>Barbarians</source>
        <translation>Barbari</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sasanidi</translation>
    </message>
    <message>
        <source>Rebelling Legions</source>
        <translation>Legioni ribelli</translation>
    </message>
    <message>
        <source>No one</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Scenario</source>
        <translation>&amp;Scenario</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Informazioni ...</translation>
    </message>
    <message>
        <source>Add Legion</source>
        <translation>Aggiungi legione</translation>
    </message>
    <message>
        <source>Delete Legion</source>
        <translation>Elimina legione</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Scenario saved</source>
        <translation>Scenario salvato</translation>
    </message>
    <message>
        <source>About Aurovane Editor</source>
        <translation>Informazioni sull’editor di Aurovane</translation>
    </message>
    <message>
        <source>Year: %1 AD</source>
        <translation>Anno: %1 d.C.</translation>
    </message>
    <message>
        <source>Treasury: %1</source>
        <translation>Tesoro: %1</translation>
    </message>
    <message>
        <source>Revenue: %1</source>
        <translation>Entrate: %1</translation>
    </message>
    <message>
        <source>Expenses: %1</source>
        <translation>Uscite: %1</translation>
    </message>
    <message>
        <source>Net: %1</source>
        <translation>Saldo: %1</translation>
    </message>
    <message>
        <source>SCENARIO EDITOR</source>
        <translation>EDITOR DI SCENARI</translation>
    </message>
    <message>
        <source>Province: %1    Held by: %2    Legions: %3</source>
        <translation>Provincia: %1    In mano a: %2    Legioni: %3</translation>
    </message>
    <message>
        <source>The Aurovane scenario editor.</source>
        <translation>L’editor di scenari di Aurovane.</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Carica...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Sal&amp;va con nome...</translation>
    </message>
    <message>
        <source>&amp;Play this Scenario</source>
        <translation>&amp;Gioca questo scenario</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>Seleziona &amp;niente</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>&amp;Title and Briefing...</source>
        <translation>&amp;Titolo e istruzioni...</translation>
    </message>
    <message>
        <source>Editor &amp;Help</source>
        <translation>&amp;Guida dell’editor</translation>
    </message>
    <message>
        <source>Change of Holder</source>
        <translation>Cambio di padrone</translation>
    </message>
    <message>
        <source>Add Legions</source>
        <translation>Aggiungi legioni</translation>
    </message>
    <message>
        <source>Remove Legions</source>
        <translation>Togli legioni</translation>
    </message>
    <message>
        <source>&amp;Owner</source>
        <translation>&amp;Padrone</translation>
    </message>
    <message>
        <source>&amp;Add Legion</source>
        <translation>&amp;Aggiungi legione</translation>
    </message>
    <message>
        <source>&amp;Delete Legion</source>
        <translation>&amp;Elimina legione</translation>
    </message>
    <message>
        <source>%1[*] - Aurovane Editor</source>
        <translation>%1[*] - Editor di Aurovane</translation>
    </message>
    <message>
        <source>New scenario</source>
        <translation>Nuovo scenario</translation>
    </message>
    <message>
        <source>The scenario has changes that are not saved. Throw them away?</source>
        <translation>Lo scenario ha modifiche non salvate. Vuoi scartarle?</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Continua a modificare</translation>
    </message>
    <message>
        <source>Play this Scenario</source>
        <translation>Gioca questo scenario</translation>
    </message>
    <message>
        <source>The game program was not found beside the editor (looked for %1). Save the scenario and open it in the game with File &gt; Load.</source>
        <translation>Il programma del gioco non è stato trovato accanto all’editor (cercato: %1). Salva lo scenario e aprilo nel gioco con File &gt; Carica.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>The game program %1 could not be started.</source>
        <translation>Non è stato possibile avviare il programma del gioco %1.</translation>
    </message>
    <message>
        <source>Scenario Options</source>
        <translation>Opzioni dello scenario</translation>
    </message>
    <message>
        <source>Title and Briefing</source>
        <translation>Titolo e istruzioni</translation>
    </message>
    <message>
        <source>Arrow keys move the highlighted province; Shift with an arrow adds the next one to the selection. R, B, S, L and N give the selection to Rome, the barbarians, the Sassanids, the rebelling legions or no one; + and - add or remove a legion; the menu key opens the selection&apos;s menu.</source>
        <translation>I tasti freccia spostano la provincia evidenziata; Maiusc con una freccia aggiunge la successiva alla selezione. R, B, S, L e N danno la selezione a Roma, ai barbari, ai Sasanidi, alle legioni ribelli o a nessuno; + e - aggiungono o tolgono una legione; il tasto Menu apre il menu della selezione.</translation>
    </message>
    <message>
        <source>Map: %1</source>
        <translation>Mappa: %1</translation>
    </message>
    <message>
        <source>Map: no province selected</source>
        <translation>Mappa: nessuna provincia selezionata</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message numerus="yes">
        <source>%n province(s)</source>
        <translation>
            <numerusform>%n provincia</numerusform>
            <numerusform>%n province</numerusform>
        </translation>
    </message>
    <message>
        <source>Aurovane Editor, version 1.0.</source>
        <translation>Editor di Aurovane, versione 1.0.</translation>
    </message>
    <message>
        <source>Welcome to the map editor! You can use this tool to create custom scenarios. To set the owner for a province or to add legions to a province, right-click on that province, then choose from its menu. Other game options can be set from Options in the Scenario menu. When you have finished, save your scenario, then open it in the game.</source>
        <translation>Benvenuto nell’editor della mappa! Con questo strumento puoi creare scenari personalizzati. Per scegliere il padrone di una provincia o aggiungervi legioni, fai clic destro sulla provincia e scegli dal suo menu. Le altre opzioni di gioco si impostano da Opzioni nel menu Scenario. Quando hai finito, salva lo scenario e aprilo nel gioco.</translation>
    </message>
    <message>
        <source>Click a province to select it; Shift- or Ctrl-click, or drag a band, to select more.</source>
        <translation>Fai clic su una provincia per selezionarla; con Maiusc-clic o Ctrl-clic, o trascinando un riquadro, ne selezioni altre.</translation>
    </message>
    <message>
        <source>Right-click, or use the panel, to set their holder and legions.</source>
        <translation>Con il clic destro, o dal pannello, imposti padrone e legioni.</translation>
    </message>
    <message>
        <source>Year, treasury and plague, title and briefing: the Scenario menu.</source>
        <translation>Anno, tesoro e pestilenza, titolo e istruzioni: il menu Scenario.</translation>
    </message>
    <message>
        <source>F5 plays the scenario in the game. F1 for help; Ctrl+Z undoes.</source>
        <translation>F5 gioca lo scenario nel gioco. F1 per la guida; Ctrl+Z annulla.</translation>
    </message>
    <message>
        <source>no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the editor window cannot open.</source>
        <translation>nessuno schermo disponibile (né DISPLAY né WAYLAND_DISPLAY sono impostati), quindi la finestra dell’editor non può aprirsi.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;: en, de, fr, it or es.</source>
        <translation>Usa la lingua &lt;code&gt;: en, de, fr, it o es.</translation>
    </message>
</context>
<context>
    <name>editor::HelpDialog</name>
    <message>
        <source>&lt;h2&gt;The Aurovane scenario editor&lt;/h2&gt;&lt;p&gt;A scenario is a starting position for the game: who holds each province, how many legions stand where, the year, the treasury and the plague, with a title and a briefing for the player.&lt;/p&gt;&lt;h3&gt;Choosing provinces&lt;/h3&gt;&lt;p&gt;Click a province to select it. Shift-click or Ctrl-click adds a province to the selection or takes it out. Drag across the map to select every province the band touches (with Shift or Ctrl, they are added). Click the sea to select nothing. The list on the right selects too: use the arrow keys, Shift and Ctrl as in any list. Edit &amp;gt; Select All (Ctrl+A) takes every province.&lt;/p&gt;&lt;h3&gt;Holders and legions&lt;/h3&gt;&lt;p&gt;Choose the holder on the right and press &lt;b&gt;Set holder&lt;/b&gt;, or right-click a selected province and use the Owner menu: every selected province changes hands at once. A province that changes hands loses the legions of its old holder. The seven frontier lands beyond the Rhine, the Danube and the Euphrates keep their holders.&lt;/p&gt;&lt;p&gt;Set the number of legions and press &lt;b&gt;Add&lt;/b&gt; or &lt;b&gt;Remove&lt;/b&gt;: each selected province gains or loses that many legions of its holder (at most %1 at a time). A province without a holder takes no legions.&lt;/p&gt;&lt;h3&gt;The year, the treasury and the plague&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Options. The year may be from %2 to %3 AD: the game decides the fate of the West as 476 begins, so a scenario must start before it. The treasury must be above 0.&lt;/p&gt;&lt;h3&gt;Title and briefing&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Title and Briefing. When the scenario is opened in the game, the Prefect reads the briefing to the player.&lt;/p&gt;&lt;h3&gt;Undo&lt;/h3&gt;&lt;p&gt;Edit &amp;gt; Undo (Ctrl+Z) takes back the last change; Edit &amp;gt; Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. The title bar shows an asterisk while there are changes not yet saved.&lt;/p&gt;&lt;h3&gt;Saving and trying&lt;/h3&gt;&lt;p&gt;File &amp;gt; Save (Ctrl+S) and Save As (Ctrl+Shift+S) write the scenario; open it in the game with File &amp;gt; Load. File &amp;gt; Play this Scenario (F5) starts the game with the scenario as it stands, saved or not.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;L’editor di scenari di Aurovane&lt;/h2&gt;&lt;p&gt;Uno scenario è una posizione di partenza per il gioco: chi possiede ogni provincia, quante legioni si trovano dove, l’anno, il tesoro e la pestilenza, con un titolo e delle istruzioni per il giocatore.&lt;/p&gt;&lt;h3&gt;Scegliere le province&lt;/h3&gt;&lt;p&gt;Fai clic su una provincia per selezionarla. Maiusc-clic o Ctrl-clic aggiunge una provincia alla selezione o la toglie. Trascina sulla mappa per selezionare ogni provincia toccata dal riquadro (con Maiusc o Ctrl vengono aggiunte). Fai clic sul mare per non selezionare nulla. Anche l’elenco a destra seleziona: usa i tasti freccia, Maiusc e Ctrl come in qualsiasi elenco. Modifica &amp;gt; Seleziona tutto (Ctrl+A) prende ogni provincia.&lt;/p&gt;&lt;h3&gt;Padroni e legioni&lt;/h3&gt;&lt;p&gt;Scegli il padrone a destra e premi &lt;b&gt;Imposta padrone&lt;/b&gt;, oppure fai clic destro su una provincia selezionata e usa il menu Padrone: ogni provincia selezionata cambia mano in una volta. Una provincia che cambia mano perde le legioni del vecchio padrone. Le sette terre di confine oltre il Reno, il Danubio e l’Eufrate conservano i loro padroni.&lt;/p&gt;&lt;p&gt;Imposta il numero di legioni e premi &lt;b&gt;Aggiungi&lt;/b&gt; o &lt;b&gt;Togli&lt;/b&gt;: ogni provincia selezionata guadagna o perde altrettante legioni del suo padrone (al massimo %1 alla volta). Una provincia senza padrone non riceve legioni.&lt;/p&gt;&lt;h3&gt;L’anno, il tesoro e la pestilenza&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Opzioni. L’anno può andare dal %2 al %3 d.C.: il gioco decide la sorte dell’Occidente all’inizio del 476, quindi uno scenario deve cominciare prima. Il tesoro deve essere superiore a 0.&lt;/p&gt;&lt;h3&gt;Titolo e istruzioni&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Titolo e istruzioni. Quando lo scenario viene aperto nel gioco, il prefetto legge le istruzioni al giocatore.&lt;/p&gt;&lt;h3&gt;Annulla&lt;/h3&gt;&lt;p&gt;Modifica &amp;gt; Annulla (Ctrl+Z) ritira l’ultima modifica; Modifica &amp;gt; Ripeti (Ctrl+Maiusc+Z o Ctrl+Y) la rifà. La barra del titolo mostra un asterisco finché ci sono modifiche non salvate.&lt;/p&gt;&lt;h3&gt;Salvare e provare&lt;/h3&gt;&lt;p&gt;File &amp;gt; Salva (Ctrl+S) e Salva con nome (Ctrl+Maiusc+S) scrivono lo scenario; aprilo nel gioco con File &amp;gt; Carica. File &amp;gt; Gioca questo scenario (F5) avvia il gioco con lo scenario così com’è, salvato o no.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Aurovane Editor Help</source>
        <translation>Guida dell’editor di Aurovane</translation>
    </message>
</context>
<context>
    <name>editor::OptionsDialog</name>
    <message>
        <source>Scenario Options</source>
        <translation>Opzioni dello scenario</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Treasury must be greater than 0.</source>
        <translation>Il tesoro deve essere maggiore di 0.</translation>
    </message>
    <message>
        <source>Plague years must be between 1 and 20.</source>
        <translation>Gli anni di pestilenza devono essere tra 1 e 20.</translation>
    </message>
    <message>
        <source>Year must be between 235 and 475.</source>
        <translation>L’anno deve essere tra 235 e 475.</translation>
    </message>
    <message>
        <source>&amp;Plague</source>
        <translation>&amp;Pestilenza</translation>
    </message>
    <message>
        <source>years &amp;left</source>
        <translation>anni &amp;rimanenti</translation>
    </message>
    <message>
        <source>&amp;Treasury:</source>
        <translation>&amp;Tesoro:</translation>
    </message>
    <message>
        <source>&amp;Year (%1 to %2):</source>
        <translation>&amp;Anno (da %1 a %2):</translation>
    </message>
</context>
<context>
    <name>editor::SelectionPanel</name>
    <message>
        <source>P&amp;rovinces (Shift or Ctrl for more):</source>
        <translation>P&amp;rovince (Maiusc o Ctrl per più d’una):</translation>
    </message>
    <message>
        <source>Se&amp;t holder</source>
        <translation>&amp;Imposta padrone</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>T&amp;ogli</translation>
    </message>
    <message>
        <source>Hol&amp;der:</source>
        <translation>Pa&amp;drone:</translation>
    </message>
    <message>
        <source>Le&amp;gions to add or remove in each:</source>
        <translation>&amp;Legioni da aggiungere o togliere in ciascuna:</translation>
    </message>
    <message>
        <source>Gives every selected province to this holder. The frontier lands beyond the Rhine, the Danube and the Euphrates keep theirs.</source>
        <translation>Dà ogni provincia selezionata a questo padrone. Le terre di confine oltre il Reno, il Danubio e l’Eufrate conservano il loro.</translation>
    </message>
    <message>
        <source>Adds this many legions of its holder to every selected province that has one.</source>
        <translation>Aggiunge questo numero di legioni del suo padrone a ogni provincia selezionata che ne ha uno.</translation>
    </message>
    <message>
        <source>Removes up to this many legions of its holder from every selected province.</source>
        <translation>Toglie fino a questo numero di legioni del suo padrone da ogni provincia selezionata.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n legion(s)</source>
        <translation>
            <numerusform>%1: %2, %n legione</numerusform>
            <numerusform>%1: %2, %n legioni</numerusform>
        </translation>
    </message>
</context>
</TS>
