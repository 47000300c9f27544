<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AdvisorDialog</name>
    <message>
        <source>Message from the Praetorian Prefect</source>
        <translation>Mensaje del prefecto del pretorio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The Praetorian Prefect</source>
        <translation>El prefecto del pretorio</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Play the game of seed &lt;N&gt;.</source>
        <translation>Jugar la partida de semilla &lt;N&gt;.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>The Qt platform.</source>
        <translation>La plataforma Qt.</translation>
    </message>
    <message>
        <source>A saved game or scenario to open.</source>
        <translation>Una partida guardada o un escenario que abrir.</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 4294967295.</source>
        <translation>La semilla debe ser un número entero de 0 a 4294967295.</translation>
    </message>
    <message>
        <source>Aurovane, a strategy game of the late Roman Empire (235-476 AD).</source>
        <translation>Aurovane, un juego de estrategia sobre el Bajo Imperio romano (235-476 d. C.).</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;: en, de, fr, it or es.</source>
        <translation>Usar el idioma &lt;code&gt;: en, de, fr, it o es.</translation>
    </message>
    <message>
        <source>no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the game window cannot open. The terminal edition, aurovane-cli, plays the same game without a window.</source>
        <translation>no hay ninguna pantalla disponible (no está definida ni DISPLAY ni WAYLAND_DISPLAY), así que la ventana del juego no puede abrirse. La edición para terminal, aurovane-cli, juega la misma partida sin ventana.</translation>
    </message>
</context>
<context>
    <name>FatalErrorApplication</name>
    <message>
        <source>%1 has met an internal error and must end:

%2

The game could not be saved.</source>
        <translation>%1 ha sufrido un error interno y debe cerrarse:

%2

No se pudo guardar la partida.</translation>
    </message>
    <message>
        <source>%1 has met an internal error and must end:

%2

The game was saved to: %3</source>
        <translation>%1 ha sufrido un error interno y debe cerrarse:

%2

La partida se guardó en: %3</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>Unable to open file</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <source>Unable to open file: you are not allowed to read it.</source>
        <translation>No se puede abrir el archivo: no tiene permiso para leerlo.</translation>
    </message>
    <message>
        <source>Unable to open file: the name is too long.</source>
        <translation>No se puede abrir el archivo: el nombre es demasiado largo.</translation>
    </message>
    <message>
        <source>Unable to open file: a part of the path is not a folder.</source>
        <translation>No se puede abrir el archivo: una parte de la ruta no es una carpeta.</translation>
    </message>
    <message>
        <source>Unable to open file: the path has too many links.</source>
        <translation>No se puede abrir el archivo: la ruta tiene demasiados enlaces.</translation>
    </message>
    <message>
        <source>Unable to open file: %1.</source>
        <translation>No se puede abrir el archivo: %1.</translation>
    </message>
    <message>
        <source>Unable to open file: the disk is full; free some space or save elsewhere.</source>
        <translation>No se puede abrir el archivo: el disco está lleno; libere espacio o guarde en otro lugar.</translation>
    </message>
    <message>
        <source>Unable to open file: the folder does not exist.</source>
        <translation>No se puede abrir el archivo: la carpeta no existe.</translation>
    </message>
    <message>
        <source>Unable to open file: you are not allowed to write in that folder.</source>
        <translation>No se puede abrir el archivo: no tiene permiso para escribir en esa carpeta.</translation>
    </message>
    <message>
        <source>Unable to open file: the disk is read-only.</source>
        <translation>No se puede abrir el archivo: el disco es de solo lectura.</translation>
    </message>
    <message>
        <source>Unable to open file: a folder has that name.</source>
        <translation>No se puede abrir el archivo: una carpeta tiene ese nombre.</translation>
    </message>
    <message>
        <source>Unable to open file: it is not an ordinary file (a pipe, a device or a socket).</source>
        <translation>No se puede abrir el archivo: no es un archivo normal (una tubería, un dispositivo o un socket).</translation>
    </message>
    <message>
        <source>Unable to open file: it is far too large to be a saved game.</source>
        <translation>No se puede abrir el archivo: es demasiado grande para ser una partida guardada.</translation>
    </message>
    <message>
        <source>Unable to open file: the file is read-only; save under another name.</source>
        <translation>No se puede abrir el archivo: el archivo es de solo lectura; guarde con otro nombre.</translation>
    </message>
    <message>
        <source>Unable to load file: the file is UTF-32 text; save it as plain text (UTF-8) (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo es texto UTF-32; guárdelo como texto sin formato (UTF-8) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file is UTF-16 text; save it as plain text (UTF-8) (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo es texto UTF-16; guárdelo como texto sin formato (UTF-8) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a carriage return inside a line (lines must end with a line feed) (line %1).</source>
        <translation>No se puede cargar el archivo: un retorno de carro dentro de una línea (las líneas deben terminar con un salto de línea) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a NUL byte: this is not a text file (line %1).</source>
        <translation>No se puede cargar el archivo: un byte NUL: esto no es un archivo de texto (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a control character (code %2) (line %1).</source>
        <translation>No se puede cargar el archivo: un carácter de control (código %2) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a character that is not UTF-8 text (line %1).</source>
        <translation>No se puede cargar el archivo: un carácter que no es texto UTF-8 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the line is longer than %2 characters (line %1).</source>
        <translation>No se puede cargar el archivo: la línea supera los %2 caracteres (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot;: only comments may hold letters beyond ASCII (line %1).</source>
        <translation>No se puede cargar el archivo: «%2»: solo los comentarios pueden contener letras fuera de ASCII (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a province of the map (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es una provincia del mapa (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: expected the line &quot;%2&quot;, found &quot;%3&quot; (line %1).</source>
        <translation>No se puede cargar el archivo: se esperaba la línea «%2» y se encontró «%3» (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file was written by a later Aurovane (its %2 section is of version %3; this one reads version %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo lo escribió una versión más reciente de Aurovane (su sección %2 es de la versión %3; esta lee la versión %4) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: expected the end of the file or the line &quot;%2&quot; after the last legion section, found &quot;%3&quot; (line %1).</source>
        <translation>No se puede cargar el archivo: tras la última sección de legiones se esperaba el final del archivo o la línea «%2» y se encontró «%3» (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: there is more after the briefing (line %1).</source>
        <translation>No se puede cargar el archivo: hay más texto después de las instrucciones (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is not listed, but the Sassanids always hold it (line %1).</source>
        <translation>No se puede cargar el archivo: %2 no figura en ninguna lista, pero siempre pertenece a los sasánidas (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is not listed, but the Germanic Tribes always hold it (line %1).</source>
        <translation>No se puede cargar el archivo: %2 no figura en ninguna lista, pero siempre pertenece a las tribus germánicas (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Romans, but the Sassanids always hold it (line %1).</source>
        <translation>No se puede cargar el archivo: %2 figura en la lista de los romanos, pero siempre pertenece a los sasánidas (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Germanic Tribes, but the Sassanids always hold it (line %1).</source>
        <translation>No se puede cargar el archivo: %2 figura en la lista de las tribus germánicas, pero siempre pertenece a los sasánidas (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Rebelling Legions, but the Sassanids always hold it (line %1).</source>
        <translation>No se puede cargar el archivo: %2 figura en la lista de las legiones sublevadas, pero siempre pertenece a los sasánidas (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Romans, but the Germanic Tribes always hold it (line %1).</source>
        <translation>No se puede cargar el archivo: %2 figura en la lista de los romanos, pero siempre pertenece a las tribus germánicas (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Sassanids, but the Germanic Tribes always hold it (line %1).</source>
        <translation>No se puede cargar el archivo: %2 figura en la lista de los sasánidas, pero siempre pertenece a las tribus germánicas (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Rebelling Legions, but the Germanic Tribes always hold it (line %1).</source>
        <translation>No se puede cargar el archivo: %2 figura en la lista de las legiones sublevadas, pero siempre pertenece a las tribus germánicas (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the turn (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del turno (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the turn) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el turno) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the turn %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el turno vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the treasury (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del tesoro (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the treasury) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el tesoro) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the treasury %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el tesoro vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the plague flag (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del indicador de peste (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the plague flag) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el indicador de peste) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the plague flag %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el indicador de peste vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the plague counter (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del contador de peste (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the plague counter) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el contador de peste) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the plague counter %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el contador de peste vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a tribe countdown (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes de una cuenta atrás de tribu (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected a tribe countdown) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba una cuenta atrás de tribu) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a tribe countdown %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: una cuenta atrás de tribu vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of provinces (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del número de provincias (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of provinces) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el número de provincias) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of provinces %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el número de provincias vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a province name (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes de un nombre de provincia (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of legions (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del número de legiones (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of legions) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el número de legiones) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of legions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el número de legiones vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s province (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes de la provincia de una legión (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s route flag (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del indicador de marcha de una legión (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected a legion&apos;s route flag) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el indicador de marcha de una legión) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a legion&apos;s route flag %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el indicador de marcha de una legión vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s destination (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del destino de una legión (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of invasions (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del número de invasiones (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of invasions) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el número de invasiones) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of invasions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el número de invasiones vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of plagues (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del número de pestes (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of plagues) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el número de pestes) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of plagues %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el número de pestes vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of rebellions (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del número de rebeliones (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of rebellions) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el número de rebeliones) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of rebellions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el número de rebeliones vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before last year&apos;s tax revenue (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes de la recaudación del año pasado (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected last year&apos;s tax revenue) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba la recaudación del año pasado) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: last year&apos;s tax revenue %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: la recaudación del año pasado vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before last year&apos;s legion cost (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del coste de las legiones del año pasado (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected last year&apos;s legion cost) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el coste de las legiones del año pasado) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: last year&apos;s legion cost %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el coste de las legiones del año pasado vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the line &quot;%2&quot; (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes de la línea «%2» (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the news (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del número de líneas de las noticias (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the news) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el número de líneas de las noticias) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the news %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el número de líneas de las noticias vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the news (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes de una línea de las noticias (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the news (they begin with &gt; or +) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es una línea de las noticias (empiezan por &gt; o +) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the news goes on (+) from no line before it (line %1).</source>
        <translation>No se puede cargar el archivo: una línea de las noticias continúa (+) sin ninguna línea anterior (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 lines in the news (line %1).</source>
        <translation>No se puede cargar el archivo: más de %2 líneas en las noticias (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the news may hold only ASCII letters (line %1).</source>
        <translation>No se puede cargar el archivo: las noticias solo pueden contener letras ASCII (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the news is longer than %2 characters (line %1).</source>
        <translation>No se puede cargar el archivo: una línea de las noticias supera los %2 caracteres (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the news is longer than %2 characters (line %1).</source>
        <translation>No se puede cargar el archivo: las noticias superan los %2 caracteres (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the title (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del número de líneas del título (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the title) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el número de líneas del título) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the title %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el número de líneas del título vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the title (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes de una línea del título (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the title (they begin with &gt; or +) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es una línea del título (empiezan por &gt; o +) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the title goes on (+) from no line before it (line %1).</source>
        <translation>No se puede cargar el archivo: una línea del título continúa (+) sin ninguna línea anterior (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 line in the title (line %1).</source>
        <translation>No se puede cargar el archivo: más de %2 línea en el título (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the title is longer than %2 characters (line %1).</source>
        <translation>No se puede cargar el archivo: una línea del título supera los %2 caracteres (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the title is longer than %2 characters (line %1).</source>
        <translation>No se puede cargar el archivo: el título supera los %2 caracteres (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the briefing (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes del número de líneas de las instrucciones (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the briefing) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es un número (se esperaba el número de líneas de las instrucciones) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the briefing %2 is out of range (%3 to %4) (line %1).</source>
        <translation>No se puede cargar el archivo: el número de líneas de las instrucciones vale %2, fuera del intervalo de %3 a %4 (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the briefing (line %1).</source>
        <translation>No se puede cargar el archivo: el archivo termina antes de una línea de las instrucciones (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the briefing (they begin with &gt; or +) (line %1).</source>
        <translation>No se puede cargar el archivo: «%2» no es una línea de las instrucciones (empiezan por &gt; o +) (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the briefing goes on (+) from no line before it (line %1).</source>
        <translation>No se puede cargar el archivo: una línea de las instrucciones continúa (+) sin ninguna línea anterior (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 lines in the briefing (line %1).</source>
        <translation>No se puede cargar el archivo: más de %2 líneas en las instrucciones (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the briefing is longer than %2 characters (line %1).</source>
        <translation>No se puede cargar el archivo: una línea de las instrucciones supera los %2 caracteres (línea %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the briefing is longer than %2 characters (line %1).</source>
        <translation>No se puede cargar el archivo: las instrucciones superan los %2 caracteres (línea %1).</translation>
    </message>
    <message>
        <source>Unable to open file: the folder for kept games cannot be made.</source>
        <translation>No se puede abrir el archivo: no se puede crear la carpeta de las partidas conservadas.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Aurovane games (*.avn *.AVN)</source>
        <translation>Partidas de Aurovane (*.avn *.AVN)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save Scenario</source>
        <translation>Guardar escenario</translation>
    </message>
    <message>
        <source>Open Scenario</source>
        <translation>Abrir escenario</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>%1 AD</source>
        <translation>%1 d. C.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>(scroll for more)</source>
        <translation>(desplázate para ver más)</translation>
    </message>
    <message>
        <source>%1 has gone over to the rebels</source>
        <translation>%1: la provincia se ha pasado a los rebeldes</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>%1 will be spoken from the next start of the program.</source>
        <translation>El idioma %1 se usará a partir del próximo inicio del programa.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>%1 (%2% translated)</source>
        <translation>%1 (traducido al %2 %)</translation>
    </message>
</context>
<context>
    <name>LessonDialog</name>
    <message>
        <source>History Lesson</source>
        <translation>Lección de historia</translation>
    </message>
    <message>
        <source>No sound device: the narration cannot play</source>
        <translation>No hay dispositivo de sonido: la narración no puede reproducirse</translation>
    </message>
    <message>
        <source>&amp;Stop narration</source>
        <translation>&amp;Detener la narración</translation>
    </message>
    <message>
        <source>&amp;Play narration</source>
        <translation>&amp;Escuchar la narración</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>Maximinus Thrax</source>
        <translation>Maximino el Tracio</translation>
    </message>
    <message>
        <source>Three Empires</source>
        <translation>Tres imperios</translation>
    </message>
    <message>
        <source>Aurelian</source>
        <translation>Aureliano</translation>
    </message>
    <message>
        <source>Diocletian</source>
        <translation>Diocleciano</translation>
    </message>
    <message>
        <source>Constantine I</source>
        <translation>Constantino I</translation>
    </message>
    <message>
        <source>Battle of Adrianople</source>
        <translation>Batalla de Adrianópolis</translation>
    </message>
    <message>
        <source>Theodosius I</source>
        <translation>Teodosio I</translation>
    </message>
    <message>
        <source>Sack of 410 AD</source>
        <translation>El saqueo de Roma de 410</translation>
    </message>
    <message>
        <source>Sack of 455 AD</source>
        <translation>El saqueo de Roma de 455</translation>
    </message>
    <message>
        <source>Romulus Augustulus</source>
        <translation>Rómulo Augústulo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Continue Last Game</source>
        <translation>Continuar la ú&amp;ltima partida</translation>
    </message>
    <message>
        <source>There is no game to continue yet: a game is kept at the end of every turn.</source>
        <translation>Todavía no hay ninguna partida que continuar: se conserva una al final de cada turno.</translation>
    </message>
    <message>
        <source>Aurovane</source>
        <translation>Aurovane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Acerca de ...</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation>Acerca de Aurovane</translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation>Partida guardada</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: it is missing from this installation.</source>
        <translation>No se pudo mostrar la página %1: falta en esta instalación.</translation>
    </message>
    <message>
        <source>Princeps,

Would you like to hear the hints on playing again?</source>
        <translation>Princeps,

¿quieres volver a escuchar los consejos de juego?</translation>
    </message>
    <message>
        <source>The legions put down.</source>
        <translation>Las legiones han sido depositadas.</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>S&amp;kill Level</source>
        <translation>&amp;Nivel de dificultad</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>N&amp;ormal</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Year&apos;s News</source>
        <translation>Noticias del &amp;año</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>&amp;Texto más grande</translation>
    </message>
    <message>
        <source>S&amp;cenarios</source>
        <translation>&amp;Escenarios</translation>
    </message>
    <message>
        <source>&amp;Valerian (260 AD)</source>
        <translation>&amp;Valeriano (260 d. C.)</translation>
    </message>
    <message>
        <source>&amp;Constantine (306 AD)</source>
        <translation>&amp;Constantino (306 d. C.)</translation>
    </message>
    <message>
        <source>H&amp;onorius (409 AD)</source>
        <translation>&amp;Honorio (409 d. C.)</translation>
    </message>
    <message>
        <source>Valentinian &amp;III (454 AD)</source>
        <translation>Valentiniano &amp;III (454 d. C.)</translation>
    </message>
    <message>
        <source>Hi&amp;story</source>
        <translation>&amp;Historia</translation>
    </message>
    <message>
        <source>History &amp;Lessons</source>
        <translation>&amp;Lecciones de historia</translation>
    </message>
    <message>
        <source>Study &amp;Guide</source>
        <translation>&amp;Guía de estudio</translation>
    </message>
    <message>
        <source>Take &amp;Quiz</source>
        <translation>Hacer el &amp;cuestionario</translation>
    </message>
    <message>
        <source>&amp;Hints from the Prefect</source>
        <translation>&amp;Consejos del prefecto</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>Princeps,

No audio device was found on this machine: the game plays without sound and narration.</source>
        <translation>Princeps,

no se ha encontrado ningún dispositivo de sonido en este equipo: el juego sigue sin sonido ni narración.</translation>
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

todas las unidades de esta provincia ya se han movido. Fíjate en que el icono de la legión aparece en gris. Podrás volver a mover las legiones grises en el próximo turno.</translation>
    </message>
    <message>
        <source>The Romans believed the Tigris river was the<byte value="xd"/>
&quot;natural&quot; border of the empire. Roman<byte value="xd"/>
troops will not cross it unless there is an<byte value="xd"/>
immediate military threat.</source>
        <translation>Los romanos consideraban el Tigris la frontera «natural» del imperio. Las tropas romanas no lo cruzarán salvo ante una amenaza militar inmediata.</translation>
    </message>
    <message>
        <source>In 9 AD, a Roman army of 15,000 men was ambushed<byte value="xd"/>
and massacred in the Teutoburg Forest of Germania.<byte value="xd"/>
Consequently, Roman troops will not enter that <byte value="xd"/>
territory unless there are barbarians to attack.</source>
        <translation>En el año 9 d. C., un ejército romano de 15 000 hombres cayó en una emboscada y fue masacrado en el bosque de Teutoburgo, en Germania. Por eso las tropas romanas no entrarán en ese territorio si no hay bárbaros a los que atacar.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
Our enemies have reached Rome and plundered<byte value="xd"/>
the Imperial treasury!</source>
        <translation>Princeps,

¡nuestros enemigos han llegado a Roma y han saqueado el tesoro imperial!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
We are running out of money!<byte value="xd"/>
We should conquer new provinces to increase our tax base.</source>
        <translation>Princeps,

¡nos estamos quedando sin dinero! Deberíamos conquistar nuevas provincias para ampliar nuestra base tributaria.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The treasury is empty! The legions are starting to disband.</source>
        <translation>Princeps,

¡el tesoro está vacío! Las legiones empiezan a disolverse.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The number of legions we can raise depends on<byte value="xd"/>
how many provinces we control.  To increase<byte value="xd"/>
the maximum number of legions we can recruit,<byte value="xd"/>
we must conquer more provinces.</source>
        <translation>Princeps,

el número de legiones que podemos levantar depende de cuántas provincias controlamos. Para poder reclutar más legiones, debemos conquistar más provincias.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The empire has been hit by a plague!  This is will<byte value="xd"/>
reduce tax revenue and slow the creation of new<byte value="xd"/>
legions.</source>
        <translation>Princeps,

¡una peste ha azotado el imperio! Reducirá la recaudación de impuestos y frenará la creación de nuevas legiones.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The plague has finally ended.</source>
        <translation>Princeps,

la peste por fin ha terminado.</translation>
    </message>
    <message>
        <source>Hint: Egypt was strategically important to<byte value="xd"/>
the Romans because it produced much of the grain which was <byte value="xd"/>
dispensed for free to Rome&apos;s huge number of urban poor.<byte value="xd"/>
<byte value="xd"/>
In this game, this province will pay three times the tax<byte value="xd"/>
and allow you to put two extra legions in the field.</source>
        <translation>Consejo: Egipto tenía una importancia estratégica para los romanos, porque producía buena parte del grano que se repartía gratis entre la enorme plebe pobre de Roma.

En este juego, esta provincia paga el triple de impuestos y te permite poner en campaña dos legiones más.</translation>
    </message>
    <message>
        <source>Hint: Britannia was a valuable province.  It<byte value="xd"/>
produced huge amounts of lead, which was used<byte value="xd"/>
the way plastics are used today.<byte value="xd"/>
<byte value="xd"/>
Britannia will pay twice the standard tax amount,<byte value="xd"/>
but may rebel if no legions are stationed there.<byte value="xd"/>
</source>
        <translation>Consejo: Britania era una provincia valiosa. Producía enormes cantidades de plomo, que se usaba como hoy se usa el plástico.

Britania paga el doble del impuesto normal, pero puede rebelarse si no hay legiones acantonadas allí.</translation>
    </message>
    <message>
        <source>Hint:  Dacia was the only part of the Roman Empire<byte value="xd"/>
on the far side of the Danube river, and defending<byte value="xd"/>
it against the Goths became increasingly expensive.<byte value="xd"/>
The Romans abandonned it in either 271 or 275 AD.<byte value="xd"/>
<byte value="xd"/>
In this game, Dacia pays half the normal tax<byte value="xd"/>
and does not raise legions.</source>
        <translation>Consejo: Dacia era la única parte del Imperio romano al otro lado del Danubio, y defenderla de los godos resultaba cada vez más caro. Los romanos la abandonaron en el año 271 o en el 275 d. C.

En este juego, Dacia paga la mitad del impuesto normal y no levanta legiones.</translation>
    </message>
    <message>
        <source>Hint:  The North African provinces produced<byte value="xd"/>
most of Rome&apos;s grain supply.<byte value="xd"/>
<byte value="xd"/>
Not controlling at least one North African<byte value="xd"/>
province will result in food riots in Rome.</source>
        <translation>Consejo: las provincias del norte de África producían la mayor parte del grano de Roma.

Si no controlas al menos una provincia del norte de África, estallarán motines de hambre en Roma.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
We do not have that much in the treasury.</source>
        <translation>Princeps,

no tenemos tanto en el tesoro.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The troops have backed down from their demands.</source>
        <translation>Princeps,

las tropas han renunciado a sus exigencias.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The %1 have rebelled! They have<byte value="xd"/>
proclaimed their commander the new Emperor and are<byte value="xd"/>
marching on Rome!</source>
        <translation>Princeps,

¡las %1 se han sublevado! Han proclamado a su comandante nuevo emperador y marchan sobre Roma.</translation>
    </message>
    <message>
        <source>When a province rebels it is shown in white, and any legions<byte value="xd"/>
in it are shown in red.  You no longer control rebelling<byte value="xd"/>
legions.  To regain control of a rebelling province you<byte value="xd"/>
must move a non-rebelling legion into it.</source>
        <translation>Cuando una provincia se subleva aparece en blanco, y sus legiones en rojo. Ya no controlas las legiones sublevadas. Para recuperar una provincia sublevada debes hacer entrar en ella una legión leal.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The tribes of Britannia have rebelled against Roman rule!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

¡las tribus de Britania se han sublevado contra el dominio romano!

Deberíamos enviar allí una legión para restablecer el orden.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The people of Aegyptus have rebelled against Roman rule!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

¡el pueblo de Egipto se ha sublevado contra el dominio romano!

Deberíamos enviar allí una legión para restablecer el orden.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The people of Italia are rioting over the lack of grain!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

¡el pueblo de Italia se amotina por la falta de grano!

Deberíamos enviar allí una legión para restablecer el orden.</translation>
    </message>
    <message>
        <source>Palestina has been overthrown by the<byte value="xd"/>
People&apos;s Front of Judea (the PFJ)!</source>
        <translation>¡Palestina ha sido derrocada por el Frente Popular de Judea (el FPJ)!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The eastern and western ends of the empire<byte value="xd"/>
have rebelled!</source>
        <translation>Princeps,

¡el oriente y el occidente del imperio se han sublevado!</translation>
    </message>
    <message>
        <source>The governor of Britannia, Marcus Carausius, has rebelled<byte value="xd"/>
and several provinces in Gaul have joined him!</source>
        <translation>¡El gobernador de Britania, Marco Carausio, se ha sublevado y varias provincias de la Galia se han unido a él!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
The Egyptians have rebelled!</source>
        <translation>Princeps, ¡los egipcios se han sublevado!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The eastern emperor Licinius is trying to claim<byte value="xd"/>
the whole empire for himself. He is marching on <byte value="xd"/>
Rome with 3 legions!</source>
        <translation>Princeps,

el emperador de Oriente, Licinio, quiere adueñarse de todo el imperio. ¡Marcha sobre Roma con 3 legiones!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
A usurper in Britannia calling himself Constantine III,<byte value="xd"/>
has rebelled, and is marching in Gaul!</source>
        <translation>Princeps,

¡un usurpador de Britania que se hace llamar Constantino III se ha sublevado y marcha por la Galia!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Visigoth king Aleric is marching on Rome!</source>
        <translation>Princeps,

¡el rey visigodo Alarico marcha sobre Roma!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Saxons are preparing to attack Britannia!</source>
        <translation>Princeps,

¡los sajones se preparan para atacar Britania!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
A tribe called the Vandals is crossing the Rhine river!</source>
        <translation>Princeps,

¡un pueblo llamado los vándalos está cruzando el Rin!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Huns have massed a large army across the Rhine!</source>
        <translation>Princeps,

¡los hunos han reunido un gran ejército al otro lado del Rin!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
An army of %1 has been sighted on the frontier!</source>
        <translation>Princeps,

¡se ha avistado un ejército de %1 en la frontera!</translation>
    </message>
    <message>
        <source>The %1 have crossed the frontier!</source>
        <translation>¡Los %1 han cruzado la frontera!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Sassanids are massing troops across the Tigris River!</source>
        <translation>Princeps,

¡los sasánidas están concentrando tropas al otro lado del Tigris!</translation>
    </message>
    <message>
        <source>The Sassanids have crossed the Tigris!</source>
        <translation>¡Los sasánidas han cruzado el Tigris!</translation>
    </message>
    <message>
        <source>Our attack on %1 failed</source>
        <translation>%1: nuestro ataque ha fracasado</translation>
    </message>
    <message>
        <source>Enemy legion in %1 defeated</source>
        <translation>%1: legión enemiga derrotada</translation>
    </message>
    <message>
        <source>Our raid into %1 was successful</source>
        <translation>%1: nuestra incursión ha tenido éxito</translation>
    </message>
    <message>
        <source>We have reconquered %1</source>
        <translation>%1: provincia reconquistada</translation>
    </message>
    <message>
        <source>%1 has been overrun</source>
        <translation>%1: provincia arrasada por el enemigo</translation>
    </message>
    <message>
        <source>%1 has rebelled</source>
        <translation>%1: la provincia se ha sublevado</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The legions are demanding a bonus of %1 sesterces.<byte value="xd"/>
<byte value="xd"/>
Do you wish to pay them?</source>
        <translation>Princeps,

las legiones exigen un donativo de %1 sestercios.

¿Quieres pagárselo?</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The %1 are offering peace for %2 years <byte value="xd"/>
in exchange for %3 sesterces.<byte value="xd"/>
<byte value="xd"/>
Do you accept their offer?</source>
        <translation>Princeps,

los %1 ofrecen la paz durante %2 años a cambio de %3 sestercios.

¿Aceptas su oferta?</translation>
    </message>
    <message>
        <source>A tribe from across the Rhine is asking to settle in<byte value="xd"/>
%1.  Should we settle them as farmers to<byte value="xd"/>
increase tax revenue, or press them into military service?<byte value="xd"/>
<byte value="xd"/>
[Settling them as farmers will put 5,000 sesterces into<byte value="xd"/>
the treasury]</source>
        <translation>Una tribu de más allá del Rin pide establecerse en esta provincia: %1. ¿Los asentamos como campesinos para aumentar la recaudación, o los reclutamos para el servicio militar?

[Asentados como campesinos, aportarán 5000 sestercios al tesoro]</translation>
    </message>
    <message>
        <source>Farmers</source>
        <translation>Campesinos</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldados</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
Our empire has been defeated.<byte value="xd"/>
<byte value="xd"/>
Tentate Iterum? (Would you like to play again?)</source>
        <translation>Princeps,

nuestro imperio ha sido derrotado.

¿Tentate iterum? (¿Quieres volver a jugar?)</translation>
    </message>
    <message>
        <source>Congratulations!<byte value="xd"/>
<byte value="xd"/>
You have survived Rome&apos;s &quot;Crisis of the Third Century&quot;<byte value="xd"/>
Do you want to keep playing until 476 AD?</source>
        <translation>¡Enhorabuena!

Has superado la «crisis del siglo III» de Roma. ¿Quieres seguir jugando hasta el año 476 d. C.?</translation>
    </message>
    <message>
        <source>Congratulations! You have outlasted the Western<byte value="xd"/>
Roman Empire.<byte value="xd"/>
<byte value="xd"/>
Do you wish to play again?<byte value="xd"/>
</source>
        <translation>¡Enhorabuena! Has sobrevivido al Imperio romano de Occidente.

¿Quieres volver a jugar?</translation>
    </message>
    <message>
        <source>Welcome, Princeps<byte value="xd"/>
<byte value="xd"/>
I am your advisor and I will be providing you with<byte value="xd"/>
information to help you guide the Roman Empire<byte value="xd"/>
through the &quot;Crisis of the Third Century.&quot;<byte value="xd"/>
<byte value="xd"/>
Would you like a few hints on playing before we start?</source>
        <translation>Bienvenido, Princeps

Soy tu consejero y te daré información para ayudarte a guiar el Imperio romano a través de la «crisis del siglo III».

¿Quieres unos consejos de juego antes de empezar?</translation>
    </message>
    <message>
        <source>Your empire consists of provinces.  Each turn, your provinces<byte value="xd"/>
will pay taxes and create legions for you. Roman provinces are<byte value="xd"/>
shown in light-red.  Enemey-held provinces are other colors</source>
        <translation>Tu imperio se compone de provincias. En cada turno, tus provincias pagan impuestos y crean legiones para ti. Las provincias romanas aparecen en rojo claro; las del enemigo, en otros colores.</translation>
    </message>
    <message>
        <source>To move a legion, left-click and drag it where you want it to<byte value="xd"/>
go.  If there are enemy legions in the destination or any<byte value="xd"/>
provinces on the way, your legion will attack them</source>
        <translation>Para mover una legión, haz clic con el botón izquierdo y arrástrala adonde quieras que vaya. Si hay legiones enemigas en el destino o en alguna provincia del camino, tu legión las atacará.</translation>
    </message>
    <message>
        <source>When you have moved all your legions, your enemies will move<byte value="xd"/>
their legions.  If you dont want to move all your legions, <byte value="xd"/>
just right-click the mouse to advance the game one turn.</source>
        <translation>Cuando hayas movido todas tus legiones, tus enemigos moverán las suyas. Si no quieres mover todas tus legiones, basta con hacer clic derecho para pasar al turno siguiente.</translation>
    </message>
    <message>
        <source>Your goal is to hold on to as many Roman provinces<byte value="xd"/>
as possible. To win, you must control at least one<byte value="xd"/>
province when the &quot;Crisis of the Third Century&quot; ends<byte value="xd"/>
in 285 AD - Good luck, Princeps!<byte value="xd"/>
</source>
        <translation>Tu objetivo es conservar tantas provincias romanas como puedas. Para ganar, debes controlar al menos una provincia cuando la «crisis del siglo III» termine, en el año 285 d. C. ¡Buena suerte, Princeps!</translation>
    </message>
    <message>
        <source>If at any time you need help, you can refer to<byte value="xd"/>
the video tutorial under the Help menu.<byte value="xd"/>
<byte value="xd"/>
Good luck, Princeps!</source>
        <translation>Si en algún momento necesitas ayuda, consulta el tutorial en el menú Ayuda.

¡Buena suerte, Princeps!</translation>
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
        <translation>Alto Rin</translation>
    </message>
    <message>
        <source>Mauretania</source>
        <translation>Mauritania</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>África</translation>
    </message>
    <message>
        <source>Aegyptus</source>
        <translation>Egipto</translation>
    </message>
    <message>
        <source>Dalmatia</source>
        <translation>Dalmacia</translation>
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
        <translation>Sarmacia</translation>
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
        <translation>Panonia</translation>
    </message>
    <message>
        <source>Britannia</source>
        <translation>Britania</translation>
    </message>
    <message>
        <source>Thracia</source>
        <translation>Tracia</translation>
    </message>
    <message>
        <source>Belgica</source>
        <translation>Bélgica</translation>
    </message>
    <message>
        <source>Lower Rhine</source>
        <translation>Bajo Rin</translation>
    </message>
    <message>
        <source>Lower Danube</source>
        <translation>Bajo Danubio</translation>
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
        <translation>Recia</translation>
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
        <translation>Capadocia</translation>
    </message>
    <message>
        <source>Rebellious. Supports 2 legions</source>
        <translation>Rebelde. Mantiene 2 legiones</translation>
    </message>
    <message>
        <source>Rebellious. Supports 3 legions</source>
        <translation>Rebelde. Mantiene 3 legiones</translation>
    </message>
    <message>
        <source>Does not raise or support legions</source>
        <translation>No levanta ni mantiene legiones</translation>
    </message>
    <message>
        <source>Saxon territory</source>
        <translation>Territorio sajón</translation>
    </message>
    <message>
        <source>Sassanid territory</source>
        <translation>Territorio sasánida</translation>
    </message>
    <message>
        <source>Goth territory</source>
        <translation>Territorio godo</translation>
    </message>
    <message>
        <source>Vandal, Frankish territory</source>
        <translation>Territorio vándalo y franco</translation>
    </message>
    <message>
        <source>Marcommani territory</source>
        <translation>Territorio marcomano</translation>
    </message>
    <message>
        <source>Supports 1 legion</source>
        <translation>Mantiene 1 legión</translation>
    </message>
    <message>
        <source>Romans</source>
        <translation>Romanos</translation>
    </message>
    <message>
        <source>Germanic Tribes</source>
        <translation>Tribus germánicas</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sasánidas</translation>
    </message>
    <message>
        <source>Rebelling Legions</source>
        <translation>Legiones sublevadas</translation>
    </message>
    <message>
        <source>Saxons</source>
        <translation>sajones</translation>
    </message>
    <message>
        <source>Franks</source>
        <translation>francos</translation>
    </message>
    <message>
        <source>Marcomanni</source>
        <translation>marcomanos</translation>
    </message>
    <message>
        <source>Goths</source>
        <translation>godos</translation>
    </message>
    <message>
        <source>Vandals</source>
        <translation>vándalos</translation>
    </message>
    <message>
        <source>Ostrogoths</source>
        <translation>ostrogodos</translation>
    </message>
    <message>
        <source>Visigoths</source>
        <translation>visigodos</translation>
    </message>
    <message>
        <source>Rhine legions</source>
        <translation>legiones del Rin</translation>
    </message>
    <message>
        <source>Danube legions</source>
        <translation>legiones del Danubio</translation>
    </message>
    <message>
        <source>Eastern legions</source>
        <translation>legiones de Oriente</translation>
    </message>
    <message>
        <source>North african legions</source>
        <translation>legiones del norte de África</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Tap a province on the map, or choose it here.</source>
        <translation>Toca una provincia en el mapa o elígela aquí.</translation>
    </message>
    <message>
        <source>Held by</source>
        <translation>En manos de</translation>
    </message>
    <message>
        <source>Legions</source>
        <translation>Legiones</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
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
        <translation>Años de peste</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Loading the editor…</source>
        <translation>Cargando el editor…</translation>
    </message>
    <message>
        <source>New Scenario</source>
        <translation>Nuevo escenario</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Share as a Link</source>
        <translation>Compartir como enlace</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Back to the game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Anyone who opens this link plays your scenario:</source>
        <translation>Quien abra este enlace jugará tu escenario:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The map: tap a province to edit it</source>
        <translation>El mapa: toca una provincia para editarla</translation>
    </message>
    <message>
        <source>One legion fewer</source>
        <translation>Una legión menos</translation>
    </message>
    <message>
        <source>One legion more</source>
        <translation>Una legión más</translation>
    </message>
    <message>
        <source>Share as a link</source>
        <translation>Compartir como enlace</translation>
    </message>
    <message>
        <source>The link</source>
        <translation>El enlace</translation>
    </message>
    <message>
        <source>The Praetorian Prefect</source>
        <translation>El prefecto del pretorio</translation>
    </message>
    <message>
        <source>Aurovane Scenario Editor</source>
        <translation>Editor de escenarios de Aurovane</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>End Year</source>
        <translation>Terminar el año</translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Provincias</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Loading Aurovane…</source>
        <translation>Cargando Aurovane…</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Continue Last Game</source>
        <translation>Continuar la última partida</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Open in the Editor</source>
        <translation>Abrir en el editor</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Escenarios</translation>
    </message>
    <message>
        <source>Valerian (260 AD)</source>
        <translation>Valeriano (260 d. C.)</translation>
    </message>
    <message>
        <source>Constantine (308 AD)</source>
        <translation>Constantino (308 d. C.)</translation>
    </message>
    <message>
        <source>Honorius (410 AD)</source>
        <translation>Honorio (410 d. C.)</translation>
    </message>
    <message>
        <source>Valentinian III (455 AD)</source>
        <translation>Valentiniano III (455 d. C.)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Study Guide</source>
        <translation>Guía de estudio</translation>
    </message>
    <message>
        <source>Take Quiz</source>
        <translation>Hacer el cuestionario</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>About …</source>
        <translation>Acerca de …</translation>
    </message>
    <message>
        <source>The map of the Roman Empire</source>
        <translation>El mapa del Imperio romano</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Nivel de dificultad</translation>
    </message>
    <message>
        <source>Aurovane</source>
        <translation>Aurovane</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Untitled scenario</source>
        <translation>Escenario sin título</translation>
    </message>
    <message>
        <source>%1 AD</source>
        <translation>%1 d. C.</translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation>Acerca de Aurovane</translation>
    </message>
    <message>
        <source>Year&apos;s News</source>
        <translation>Noticias del año</translation>
    </message>
    <message>
        <source>The year&apos;s news</source>
        <translation>Las noticias del año</translation>
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
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Un juego de estrategia educativo sobre el Bajo Imperio romano, del 235 al 476 d. C.</translation>
    </message>
    <message>
        <source>Design, rules and programming: the Aurovane team.</source>
        <translation>Diseño, reglas y programación: el equipo de Aurovane.</translation>
    </message>
    <message>
        <source>Pictures: drawn by our own generators, every figure made in code.</source>
        <translation>Imágenes: dibujadas por nuestros propios generadores, cada figura hecha en código.</translation>
    </message>
    <message>
        <source>Sounds and narration: made for this game by the Aurovane team.</source>
        <translation>Sonidos y narración: hechos para este juego por el equipo de Aurovane.</translation>
    </message>
    <message>
        <source>Typeface: EB Garamond by Georg Duffner, SIL Open Font License 1.1.</source>
        <translation>Tipografía: EB Garamond de Georg Duffner, SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Version 1.0. Vale, Princeps!</source>
        <translation>Versión 1.0. ¡Vale, Princeps!</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>COMPUTER TURN</source>
        <translation>TURNO DEL ORDENADOR</translation>
    </message>
    <message>
        <source>235 – 476 AD</source>
        <translation>235 – 476 d. C.</translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire</source>
        <translation>Un juego de estrategia educativo sobre el Bajo Imperio romano</translation>
    </message>
    <message>
        <source>Hold the frontiers, keep the treasury, learn how Rome endured and fell</source>
        <translation>Defiende las fronteras, guarda el tesoro, descubre cómo Roma resistió y cayó</translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire, 235 – 476 AD</source>
        <translation>Un juego de estrategia educativo sobre el Bajo Imperio romano, 235 – 476 d. C.</translation>
    </message>
    <message>
        <source>DESIGN, RULES AND PROGRAMMING</source>
        <translation>DISEÑO, REGLAS Y PROGRAMACIÓN</translation>
    </message>
    <message>
        <source>The Aurovane team</source>
        <translation>El equipo de Aurovane</translation>
    </message>
    <message>
        <source>PICTURES</source>
        <translation>IMÁGENES</translation>
    </message>
    <message>
        <source>Drawn by our own generators, every figure made in code</source>
        <translation>Dibujadas por nuestros propios generadores, cada figura hecha en código</translation>
    </message>
    <message>
        <source>SOUNDS AND NARRATION</source>
        <translation>SONIDOS Y NARRACIÓN</translation>
    </message>
    <message>
        <source>Made for this game by the Aurovane team</source>
        <translation>Hechos para este juego por el equipo de Aurovane</translation>
    </message>
    <message>
        <source>TYPEFACE</source>
        <translation>TIPOGRAFÍA</translation>
    </message>
    <message>
        <source>EB Garamond by Georg Duffner, SIL Open Font License 1.1</source>
        <translation>EB Garamond de Georg Duffner, SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>Vale, Princeps!</source>
        <translation>¡Vale, Princeps!</translation>
    </message>
    <message>
        <source>RESULTS</source>
        <translation>RESULTADOS</translation>
    </message>
    <message>
        <source>YOU SURVIVED:</source>
        <translation>HAS SUPERADO:</translation>
    </message>
    <message>
        <source>INVASIONS</source>
        <translation>INVASIONES</translation>
    </message>
    <message>
        <source>PLAGUES</source>
        <translation>PESTES</translation>
    </message>
    <message>
        <source>REBELLIONS</source>
        <translation>SUBLEVACIONES</translation>
    </message>
    <message>
        <source>WELL DONE, PRINCEPS</source>
        <translation>BIEN HECHO, PRINCEPS</translation>
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
        <translation>Acerca de Aurovane</translation>
    </message>
</context>
<context>
    <name>QuizDialog</name>
    <message>
        <source>Quiz: the Late Roman Empire</source>
        <translation>Cuestionario: el Bajo Imperio romano</translation>
    </message>
    <message>
        <source>Check my answers</source>
        <translation>Comprobar mis respuestas</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ScreenAccessible</name>
    <message>
        <source>The map of the Roman Empire</source>
        <translation>El mapa del Imperio romano</translation>
    </message>
    <message>
        <source>The provinces are a list; arrow keys or a name&apos;s first letters move the highlight, Enter takes the legions there up and Enter again sends them, Escape puts them down, E or Space ends the year.</source>
        <translation>Las provincias forman una lista: las flechas o las primeras letras de un nombre mueven el resaltado, Intro toma las legiones que hay allí y otro Intro las envía, Escape las deja, E o Espacio terminan el año.</translation>
    </message>
    <message>
        <source>End the year</source>
        <translation>Terminar el año</translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Provincias</translation>
    </message>
    <message>
        <source>Legend.</source>
        <translation>Leyenda.</translation>
    </message>
    <message>
        <source>Information line: no province shown.</source>
        <translation>Línea de información: ninguna provincia mostrada.</translation>
    </message>
    <message>
        <source>No year&apos;s news shown.</source>
        <translation>No se muestran noticias del año.</translation>
    </message>
</context>
<context>
    <name>ScreenText</name>
    <message>
        <source>YEAR: %1 AD</source>
        <translation>AÑO: %1 d. C.</translation>
    </message>
    <message>
        <source>ECONOMIC REPORT</source>
        <translation>INFORME ECONÓMICO</translation>
    </message>
    <message>
        <source>Tax Revenue: %1</source>
        <translation>Recaudación: %1</translation>
    </message>
    <message>
        <source>Legion Cost: %1</source>
        <translation>Coste de las legiones: %1</translation>
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
        <translation>El Imperio se ha quedado sin dinero:</translation>
    </message>
    <message>
        <source>The legions are disbanding!</source>
        <translation>¡las legiones se disuelven!</translation>
    </message>
    <message>
        <source>The Empire is suffering from a plague.</source>
        <translation>Una peste azota el Imperio.</translation>
    </message>
    <message>
        <source>Taxes are being collected</source>
        <translation>Se recaudan los impuestos</translation>
    </message>
    <message>
        <source>Legions are being paid</source>
        <translation>Se paga a las legiones</translation>
    </message>
    <message>
        <source>MILITARY REPORT</source>
        <translation>INFORME MILITAR</translation>
    </message>
    <message>
        <source>Province:</source>
        <translation>Provincia:</translation>
    </message>
    <message>
        <source>Tax value:</source>
        <translation>Valor fiscal:</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Rasgos:</translation>
    </message>
    <message>
        <source>Province: %1</source>
        <translation>Provincia: %1</translation>
    </message>
    <message>
        <source>Attributes: %1</source>
        <translation>Rasgos: %1</translation>
    </message>
    <message>
        <source>Roman Legion</source>
        <translation>Legión romana</translation>
    </message>
    <message>
        <source>Barbarians</source>
        <translation>Bárbaros</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sasánidas</translation>
    </message>
    <message>
        <source>Rebelling Legion</source>
        <translation>Legión sublevada</translation>
    </message>
    <message>
        <source>Discard the current game?</source>
        <translation>¿Abandonar la partida actual?</translation>
    </message>
    <message>
        <source>Are you sure you want to discard the current game?</source>
        <translation>¿Seguro que quieres abandonar la partida actual?</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>A legion moved from %1 to %2.</source>
        <translation>Una legión se ha movido: %1 → %2.</translation>
    </message>
    <message>
        <source>A legion occupied %1: no enemy defended it.</source>
        <translation>%1: una legión la ha ocupado; ningún enemigo la defendía.</translation>
    </message>
    <message>
        <source>Victory: %1 is ours.</source>
        <translation>Victoria: la provincia es nuestra (%1).</translation>
    </message>
    <message>
        <source>Our raid into %1 won the battle; the legion returns to %2.</source>
        <translation>%1: nuestra incursión ha ganado la batalla; la legión vuelve a su base (%2).</translation>
    </message>
    <message>
        <source>We won the battle in %1, but enemy legions still hold it.</source>
        <translation>%1: hemos ganado la batalla, pero las legiones enemigas aún la ocupan.</translation>
    </message>
    <message>
        <source>Our attack on %1 failed: one legion lost.</source>
        <translation>%1: nuestro ataque ha fracasado; una legión perdida.</translation>
    </message>
    <message>
        <source>A legion marches from %1 to %2.</source>
        <translation>Una legión está en marcha: %1 → %2.</translation>
    </message>
    <message>
        <source>No order: no Roman legion in %1 can go.</source>
        <translation>Sin orden: ninguna legión romana puede partir (%1).</translation>
    </message>
    <message>
        <source>No order: the legions in %1 are already marching.</source>
        <translation>Sin orden: las legiones ya están en marcha (%1).</translation>
    </message>
    <message>
        <source>No order: the legions in %1 have already moved this year.</source>
        <translation>Sin orden: las legiones ya se han movido este año (%1).</translation>
    </message>
    <message>
        <source>No order: the legions already stand in %1. Choose another province.</source>
        <translation>Sin orden: las legiones ya están allí (%1). Elige otra provincia.</translation>
    </message>
    <message>
        <source>Frontier closed: our legions enter %1 only to attack an enemy army there.</source>
        <translation>Frontera cerrada: nuestras legiones solo entran en este territorio (%1) para atacar a un ejército enemigo.</translation>
    </message>
    <message>
        <source>Too far: %1 can be attacked only from a province next to it.</source>
        <translation>Demasiado lejos: este territorio (%1) solo puede atacarse desde una provincia vecina.</translation>
    </message>
    <message>
        <source>No route: no way leads from %1 to %2.</source>
        <translation>Sin ruta: no hay camino para %1 → %2.</translation>
    </message>
    <message>
        <source>No order: press on one of your legions, then drag it to a province.</source>
        <translation>Sin orden: pulsa sobre una de tus legiones y arrástrala hasta una provincia.</translation>
    </message>
    <message>
        <source>No order: there is no province there. Drop the legion on a province.</source>
        <translation>Sin orden: ahí no hay ninguna provincia. Suelta la legión sobre una provincia.</translation>
    </message>
    <message>
        <source>Undo the order from %1 to %2</source>
        <translation>Deshacer la orden %1 → %2</translation>
    </message>
    <message>
        <source>Order taken back: the legion sent from %1 to %2 stands in %1 again.</source>
        <translation>Orden retirada: la legión enviada (%1 → %2) ha vuelto a su punto de partida (%1).</translation>
    </message>
    <message>
        <source>No order of this year is left to take back.</source>
        <translation>No queda ninguna orden de este año que retirar.</translation>
    </message>
    <message>
        <source>The last order cannot be taken back: its battle has been fought.</source>
        <translation>La última orden no puede retirarse: su batalla ya se ha librado.</translation>
    </message>
    <message>
        <source>The last order cannot be taken back: the advisor has told you what it brought.</source>
        <translation>La última orden no puede retirarse: el consejero ya te ha contado lo que trajo.</translation>
    </message>
    <message>
        <source>The game goes on from the newest one that loads, %1 AD.</source>
        <translation>La partida sigue desde la más reciente que se carga, %1 d. C.</translation>
    </message>
    <message>
        <source>Quit now? The orders you gave this year will be lost.</source>
        <translation>¿Salir ahora? Las órdenes que diste este año se perderán.</translation>
    </message>
    <message>
        <source>The game could not be saved.</source>
        <translation>No se pudo guardar la partida.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>No se pudo abrir el archivo.</translation>
    </message>
    <message>
        <source>This is not an Aurovane saved game.</source>
        <translation>Esto no es una partida guardada de Aurovane.</translation>
    </message>
    <message>
        <source>This saved game is cut short: its end is missing.</source>
        <translation>Esta partida guardada está incompleta: le falta el final.</translation>
    </message>
    <message>
        <source>This saved game is damaged and cannot be loaded.</source>
        <translation>Esta partida guardada está dañada y no puede cargarse.</translation>
    </message>
    <message>
        <source>YOUR REIGN SAW:</source>
        <translation>TU REINADO VIO:</translation>
    </message>
    <message>
        <source>THE EMPIRE HAS FALLEN</source>
        <translation>EL IMPERIO HA CAÍDO</translation>
    </message>
    <message>
        <source>Legion creation and tax collection are slowed!</source>
        <translation>¡La leva de legiones y la recaudación de impuestos se han ralentizado!</translation>
    </message>
    <message>
        <source>Free land, held by no one.</source>
        <translation>Tierra libre, de nadie.</translation>
    </message>
    <message>
        <source>Held by Rome.</source>
        <translation>En manos de Roma.</translation>
    </message>
    <message>
        <source>Held by the barbarians.</source>
        <translation>En manos de los bárbaros.</translation>
    </message>
    <message>
        <source>Held by the Sassanids.</source>
        <translation>En manos de los sasánidas.</translation>
    </message>
    <message>
        <source>Held by the rebels.</source>
        <translation>En manos de los rebeldes.</translation>
    </message>
    <message>
        <source>Roman legions: %1 ready of %2.</source>
        <translation>Legiones romanas: %1 listas de %2.</translation>
    </message>
    <message>
        <source>Barbarian legions: %1.</source>
        <translation>Legiones bárbaras: %1.</translation>
    </message>
    <message>
        <source>Sassanid legions: %1.</source>
        <translation>Legiones sasánidas: %1.</translation>
    </message>
    <message>
        <source>Rebel legions: %1.</source>
        <translation>Legiones sublevadas: %1.</translation>
    </message>
    <message>
        <source>No legions.</source>
        <translation>Sin legiones.</translation>
    </message>
    <message>
        <source>No tax.</source>
        <translation>Sin impuestos.</translation>
    </message>
    <message>
        <source>Tax value: %1 of 4.</source>
        <translation>Valor fiscal: %1 de 4.</translation>
    </message>
    <message>
        <source>Attributes: %1.</source>
        <translation>Rasgos: %1.</translation>
    </message>
    <message>
        <source>Marches to: %1.</source>
        <translation>Lleva a: %1.</translation>
    </message>
    <message>
        <source>Rome&apos;s provinces: the plain map.</source>
        <translation>Provincias de Roma: el mapa sin trama.</translation>
    </message>
    <message>
        <source>Free land: white, with dots.</source>
        <translation>Tierra libre: blanco, con puntos.</translation>
    </message>
    <message>
        <source>Barbarians: yellow, with lines rising to the right.</source>
        <translation>Bárbaros: amarillo, con líneas que suben hacia la derecha.</translation>
    </message>
    <message>
        <source>Sassanids: purple, with crossed lines.</source>
        <translation>Sasánidas: morado, con líneas cruzadas.</translation>
    </message>
    <message>
        <source>Rebels: white, with level stripes.</source>
        <translation>Rebeldes: blanco, con franjas horizontales.</translation>
    </message>
    <message>
        <source>The number next to a legion figure tells how many legions are in that province; ready/total when some Roman legions there have moved.</source>
        <translation>El número junto a una figura de legión indica cuántas legiones hay en esa provincia; listas/total cuando algunas legiones romanas ya se han movido allí.</translation>
    </message>
    <message>
        <source>You survived the crisis. Your reign saw:</source>
        <translation>Has superado la crisis. Tu reinado vio:</translation>
    </message>
    <message>
        <source>Invasions: %1.</source>
        <translation>Invasiones: %1.</translation>
    </message>
    <message>
        <source>Plagues: %1.</source>
        <translation>Pestes: %1.</translation>
    </message>
    <message>
        <source>Rebellions: %1.</source>
        <translation>Sublevaciones: %1.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Bien hecho!</translation>
    </message>
    <message>
        <source>Free land</source>
        <translation>Tierra libre</translation>
    </message>
    <message>
        <source>The legions of %1 taken up: choose where they march; Escape puts them down.</source>
        <translation>Legiones tomadas (%1): elige adónde marchan; Escape las deja.</translation>
    </message>
    <message>
        <source>Attributes: %1 (friendly).</source>
        <translation>Rasgos: %1 (amistoso).</translation>
    </message>
    <message>
        <source>Attributes: %1 (hostile).</source>
        <translation>Rasgos: %1 (hostil).</translation>
    </message>
    <message>
        <source>Attributes: %1 (friendly)</source>
        <translation>Rasgos: %1 (amistoso)</translation>
    </message>
    <message>
        <source>Attributes: %1 (hostile)</source>
        <translation>Rasgos: %1 (hostil)</translation>
    </message>
    <message>
        <source>The number next to an icon indicates how many legions are in that province</source>
        <translation>El número junto a un icono indica cuántas legiones hay en esa provincia</translation>
    </message>
    <message>
        <source>Instructions: Left-click and drag to move legions. Right click to advance the game turn</source>
        <translation>Instrucciones: haz clic izquierdo y arrastra para mover las legiones. Clic derecho para pasar al turno siguiente.</translation>
    </message>
    <message>
        <source>CONSTANTINOPLE</source>
        <translation>CONSTANTINOPLA</translation>
    </message>
    <message>
        <source>LEGEND</source>
        <translation>LEYENDA</translation>
    </message>
    <message>
        <source>Instructions: Drag a legion, or long press it and tap where it goes. Tap End Year to advance the game turn</source>
        <translation>Instrucciones: arrastra una legión, o mantenla pulsada y toca su destino. «Terminar el año» hace avanzar el turno.</translation>
    </message>
    <message numerus="yes">
        <source>The %n newest kept games could not be loaded:</source>
        <translation>
            <numerusform>No se pudo cargar la partida conservada más reciente:</numerusform>
            <numerusform>No se pudieron cargar las %n partidas conservadas más recientes:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n kept games can be loaded; the current game goes on:</source>
        <translation>
            <numerusform>La partida conservada no puede cargarse; la partida actual continúa:</numerusform>
            <numerusform>Ninguna de las %n partidas conservadas puede cargarse; la partida actual continúa:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The Empire can support %n legions</source>
        <translation>
            <numerusform>El Imperio puede mantener %n legión</numerusform>
            <numerusform>El Imperio puede mantener %n legiones</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message numerus="yes">
        <source>%n Roman legion(s)</source>
        <translation>
            <numerusform>%n legión romana</numerusform>
            <numerusform>%n legiones romanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Germanic legion(s)</source>
        <translation>
            <numerusform>%n legión germánica</numerusform>
            <numerusform>%n legiones germánicas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Sassanid legion(s)</source>
        <translation>
            <numerusform>%n legión sasánida</numerusform>
            <numerusform>%n legiones sasánidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rebel legion(s)</source>
        <translation>
            <numerusform>%n legión rebelde</numerusform>
            <numerusform>%n legiones rebeldes</numerusform>
        </translation>
    </message>
    <message>
        <source>move or attack with one legion from FROM into TO, or send it marching</source>
        <translation>mover o atacar con una legión de FROM a TO, o enviarla en marcha</translation>
    </message>
    <message>
        <source>take back the last order of this year, when it fought no battle</source>
        <translation>retirar la última orden de este año, si no libró ninguna batalla</translation>
    </message>
    <message>
        <source>end the turn (also: e)</source>
        <translation>terminar el turno (también: e)</translation>
    </message>
    <message>
        <source>every province: its holder, legions and neighbours (also: provinces)</source>
        <translation>todas las provincias: quién las tiene, sus legiones y sus vecinas (también: provinces)</translation>
    </message>
    <message>
        <source>the year, the treasury and the latest news</source>
        <translation>el año, el tesoro y las últimas noticias</translation>
    </message>
    <message>
        <source>start a new game in 235 AD</source>
        <translation>empezar una nueva partida en el 235 d. C.</translation>
    </message>
    <message>
        <source>start a scenario: 260, 308, 410 or 455</source>
        <translation>empezar un escenario: 260, 308, 410 o 455</translation>
    </message>
    <message>
        <source>0 easy, 1 normal, 2 hard</source>
        <translation>0 fácil, 1 normal, 2 difícil</translation>
    </message>
    <message>
        <source>save the game; load FILE loads one</source>
        <translation>guardar la partida; load FILE carga una</translation>
    </message>
    <message>
        <source>the People&apos;s Front of Judea rises in Palestina</source>
        <translation>el Frente del Pueblo de Judea se alza en Palestina</translation>
    </message>
    <message>
        <source>the whole position as one line of JSON</source>
        <translation>toda la posición en una línea de JSON</translation>
    </message>
    <message>
        <source>this list; quit ends the program</source>
        <translation>esta lista; quit cierra el programa</translation>
    </message>
    <message>
        <source>Orders (province names in any case; a unique beginning is enough; &apos;_&apos; for blanks):</source>
        <translation>Órdenes (nombres de provincia en mayúsculas o minúsculas; basta un comienzo inequívoco; &apos;_&apos; en lugar de espacios):</translation>
    </message>
    <message>
        <source> (%1 ready)</source>
        <translation> (listas: %1)</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nadie</translation>
    </message>
    <message>
        <source>no legions</source>
        <translation>ninguna legión</translation>
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
        <translation>limita con %1</translation>
    </message>
    <message>
        <source>Year %1 AD. Treasury %2 sesterces; last year&apos;s taxes %3, upkeep %4.</source>
        <translation>Año %1 d. C. Tesoro: %2 sestercios; impuestos del año pasado %3, mantenimiento %4.</translation>
    </message>
    <message>
        <source>The empire holds %1 and %2; it can support %3.</source>
        <translation>El Imperio tiene %1 y %2; puede mantener %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n province(s)</source>
        <translation>
            <numerusform>%n provincia</numerusform>
            <numerusform>%n provincias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s)</source>
        <translation>
            <numerusform>%n legión</numerusform>
            <numerusform>%n legiones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Plague! It will last %n more year(s).</source>
        <translation>
            <numerusform>¡Peste! Durará %n año más.</numerusform>
            <numerusform>¡Peste! Durará %n años más.</numerusform>
        </translation>
    </message>
    <message>
        <source>News:</source>
        <translation>Noticias:</translation>
    </message>
    <message>
        <source>Answer y (yes) or n (no): </source>
        <translation>Responde y (sí) o n (no): </translation>
    </message>
    <message>
        <source>Answer y for %1 or n for %2: </source>
        <translation>Responde y para «%1» o n para «%2»: </translation>
    </message>
    <message>
        <source>Yes.</source>
        <translation>Sí.</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Battle: troops from %1 attack %2.</source>
        <translation>Batalla: tropas de %1 atacan %2.</translation>
    </message>
    <message>
        <source>We lost a legion in %1.</source>
        <translation>%1: hemos perdido una legión.</translation>
    </message>
    <message>
        <source>The %1 lost a legion in %2.</source>
        <translation>%2: %1 pierden una legión.</translation>
    </message>
    <message>
        <source>News: %1</source>
        <translation>Noticia: %1</translation>
    </message>
    <message>
        <source>History lesson: %1 (%2)</source>
        <translation>Lección de historia: %1 (%2)</translation>
    </message>
    <message>
        <source>You survived %1, %2 and %3. Well done, Princeps.</source>
        <translation>Has sobrevivido a %1, %2 y %3. Bien hecho, Princeps.</translation>
    </message>
    <message numerus="yes">
        <source>%n invasion(s)</source>
        <translation>
            <numerusform>%n invasión</numerusform>
            <numerusform>%n invasiones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plague(s)</source>
        <translation>
            <numerusform>%n peste</numerusform>
            <numerusform>%n pestes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rebellion(s)</source>
        <translation>
            <numerusform>%n rebelión</numerusform>
            <numerusform>%n rebeliones</numerusform>
        </translation>
    </message>
    <message>
        <source>A new game begins in 235 AD.</source>
        <translation>Una nueva partida empieza en el 235 d. C.</translation>
    </message>
    <message>
        <source>Vale, Princeps.</source>
        <translation>Vale, Princeps.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>ese archivo no existe.</translation>
    </message>
    <message>
        <source>Error: could not save &quot;%1&quot;: %2</source>
        <translation>Error: no se pudo guardar «%1»: %2</translation>
    </message>
    <message>
        <source>Error: could not load &quot;%1&quot;: %2</source>
        <translation>Error: no se pudo cargar «%1»: %2</translation>
    </message>
    <message>
        <source>%1: we won and took it.</source>
        <translation>%1: vencimos y tomamos la provincia.</translation>
    </message>
    <message>
        <source>%1: we won and took it from the %2.</source>
        <translation>%1: vencimos y tomamos la provincia (antes: %2).</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it.</source>
        <translation>%1: %2 vencieron y tomaron la provincia.</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it from us.</source>
        <translation>%1: %2 vencieron y nos arrebataron la provincia.</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it from the %3.</source>
        <translation>%1: %2 vencieron y tomaron la provincia (antes: %3).</translation>
    </message>
    <message>
        <source>%1: we won, but nobody still hold it.</source>
        <translation>%1: vencimos, pero la provincia sigue sin dueño.</translation>
    </message>
    <message>
        <source>%1: we won, but the %2 still hold it.</source>
        <translation>%1: vencimos, pero %2 aún conservan la provincia.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but nobody still hold it.</source>
        <translation>%1: %2 vencieron, pero la provincia sigue sin dueño.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but we still hold it.</source>
        <translation>%1: %2 vencieron, pero aún conservamos la provincia.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but the %3 still hold it.</source>
        <translation>%1: %2 vencieron, pero %3 aún conservan la provincia.</translation>
    </message>
    <message>
        <source>%1: we won and threw back the %2.</source>
        <translation>%1: vencimos y rechazamos el ataque (%2).</translation>
    </message>
    <message>
        <source>%1: nobody won and threw back the %2.</source>
        <translation>%1: el ataque fue rechazado (%2).</translation>
    </message>
    <message>
        <source>%1: the %2 won and threw back us.</source>
        <translation>%1: %2 vencieron y nos rechazaron.</translation>
    </message>
    <message>
        <source>%1: the %2 won and threw back the %3.</source>
        <translation>%1: %2 vencieron y rechazaron el ataque (%3).</translation>
    </message>
    <message>
        <source>Battles as the year ended:</source>
        <translation>Batallas al final del año:</translation>
    </message>
    <message>
        <source>Game saved.</source>
        <translation>Partida guardada.</translation>
    </message>
    <message>
        <source>%1 AD &gt; </source>
        <translation>%1 d. C. &gt; </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 could be %2</source>
        <translation>%1 puede ser %2</translation>
    </message>
    <message>
        <source>no province called %1</source>
        <translation>ninguna provincia se llama %1</translation>
    </message>
    <message>
        <source>no province called %1; did you mean %2?</source>
        <translation>ninguna provincia se llama %1; ¿querías decir %2?</translation>
    </message>
    <message>
        <source>Ave, Princeps! It is 235 AD. Type help for the list of orders.</source>
        <translation>¡Ave, Princeps! Es el año 235 d. C. Escribe help para ver la lista de órdenes.</translation>
    </message>
    <message>
        <source>Incomplete order: type %1.</source>
        <translation>Orden incompleta: escribe %1.</translation>
    </message>
    <message>
        <source>Unknown order: %1 (type help for the list)</source>
        <translation>Orden desconocida: %1 (escribe help para ver la lista)</translation>
    </message>
    <message>
        <source>There is no scenario %1: try 260, 308, 410 or 455.</source>
        <translation>No hay ningún escenario %1: prueba 260, 308, 410 o 455.</translation>
    </message>
    <message>
        <source>There is no skill level %1: type skill 0 (easy), 1 (normal) or 2 (hard).</source>
        <translation>No hay ningún nivel %1: escribe skill 0 (fácil), 1 (normal) o 2 (difícil).</translation>
    </message>
    <message>
        <source>Please answer y or n: </source>
        <translation>Responde y o n, por favor: </translation>
    </message>
    <message>
        <source>paragraphs and prompts for a person (the default at a terminal)</source>
        <translation>párrafos e indicaciones para una persona (por defecto en un terminal)</translation>
    </message>
    <message>
        <source>one line per event, for scripts (the default otherwise)</source>
        <translation>una línea por evento, para scripts (por defecto en los demás casos)</translation>
    </message>
    <message>
        <source>the language of --plain (the default: LC_ALL, LC_MESSAGES or LANG); --protocol is always English</source>
        <translation>el idioma de --plain (por defecto: LC_ALL, LC_MESSAGES o LANG); --protocol siempre está en inglés</translation>
    </message>
    <message>
        <source>%1 (friendly)</source>
        <translation>%1 (amistoso)</translation>
    </message>
    <message>
        <source>%1 (hostile)</source>
        <translation>%1 (hostil)</translation>
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
        <translation>los rebeldes</translation>
    </message>
    <message>
        <source>the Germanic tribes</source>
        <translation>las tribus germánicas</translation>
    </message>
    <message>
        <source>the Sassanids</source>
        <translation>los sasánidas</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nadie</translation>
    </message>
    <message>
        <source>The year %1 AD</source>
        <translation>El año %1 d. C.</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message numerus="yes">
        <source>%n invasion(s) cross the frontier</source>
        <translation>
            <numerusform>%n invasión cruza la frontera</numerusform>
            <numerusform>%n invasiones cruzan la frontera</numerusform>
        </translation>
    </message>
    <message>
        <source>Plague breaks out in the Empire</source>
        <translation>Estalla una peste en el Imperio</translation>
    </message>
    <message>
        <source>The plague still rages</source>
        <translation>La peste sigue haciendo estragos</translation>
    </message>
    <message numerus="yes">
        <source>%n province(s) revolt</source>
        <translation>
            <numerusform>%n provincia se subleva</numerusform>
            <numerusform>%n provincias se sublevan</numerusform>
        </translation>
    </message>
    <message>
        <source>Battles</source>
        <translation>Batallas</translation>
    </message>
    <message>
        <source>%1: taken by %2 from %3</source>
        <translation>%1: conquistada por: %2 (antes: %3)</translation>
    </message>
    <message>
        <source>%1: %2 beat %3, who hold on</source>
        <translation>%1: vencedores: %2; defensores aún en su sitio: %3</translation>
    </message>
    <message>
        <source>%1: %2 threw back %3</source>
        <translation>%1: asalto rechazado por: %2 (atacantes: %3)</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more battle(s)</source>
        <translation>
            <numerusform>… y %n batalla más</numerusform>
            <numerusform>… y %n batallas más</numerusform>
        </translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Provincias</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Ganadas: %1</translation>
    </message>
    <message>
        <source>Lost: %1</source>
        <translation>Perdidas: %1</translation>
    </message>
    <message>
        <source>Legions</source>
        <translation>Legiones</translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) raised.</source>
        <translation>
            <numerusform>%n legión reclutada.</numerusform>
            <numerusform>%n legiones reclutadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) fell in battle.</source>
        <translation>
            <numerusform>%n legión cayó en combate.</numerusform>
            <numerusform>%n legiones cayeron en combate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) disbanded or deserted.</source>
        <translation>
            <numerusform>%n legión disuelta o desertora.</numerusform>
            <numerusform>%n legiones disueltas o desertoras.</numerusform>
        </translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Sin cambios.</translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) under arms.</source>
        <translation>
            <numerusform>%n legión en armas.</numerusform>
            <numerusform>%n legiones en armas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Tesoro</translation>
    </message>
    <message>
        <source>Taxes %1</source>
        <translation>Impuestos %1</translation>
    </message>
    <message>
        <source>Settlers %1</source>
        <translation>Colonos %1</translation>
    </message>
    <message>
        <source>Legions&apos; pay %1</source>
        <translation>Paga de las legiones %1</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Donativo %1</translation>
    </message>
    <message>
        <source>Tribute for peace %1</source>
        <translation>Tributo por la paz %1</translation>
    </message>
    <message>
        <source>Plundered %1</source>
        <translation>Saqueado %1</translation>
    </message>
    <message>
        <source>Treasury %1 (%2)</source>
        <translation>Tesoro %1 (%2)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Noticias</translation>
    </message>
    <message>
        <source>Click or press a key to go on — Options &gt; Year&apos;s News switches this off</source>
        <translation>Haz clic o pulsa una tecla para seguir — Opciones &gt; Noticias del año lo desactiva</translation>
    </message>
</context>
<context>
    <name>editor::BriefingDialog</name>
    <message>
        <source>Title and Briefing</source>
        <translation>Título e instrucciones</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Briefing:</source>
        <translation>&amp;Instrucciones:</translation>
    </message>
    <message>
        <source>The Prefect reads the briefing to the player when the scenario is opened in the game. Leave it empty for none.</source>
        <translation>El prefecto lee las instrucciones al jugador cuando se abre el escenario en el juego. Déjalo vacío si no quieres ninguna.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The briefing is %1 characters long; it may hold at most %2.</source>
        <translation>Las instrucciones tienen %1 caracteres; pueden tener como máximo %2.</translation>
    </message>
</context>
<context>
    <name>editor::EditorWindow</name>
    <message>
        <source>Romans</source>
        <translation>Romanos</translation>
    </message>
    <message>
        <source>Barbarians</source>
        <translation>Bárbaros</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sasánidas</translation>
    </message>
    <message>
        <source>Rebelling Legions</source>
        <translation>Legiones sublevadas</translation>
    </message>
    <message>
        <source>No one</source>
        <translation>Nadie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Scenario</source>
        <translation>E&amp;scenario</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Acerca de ...</translation>
    </message>
    <message>
        <source>Add Legion</source>
        <translation>Añadir legión</translation>
    </message>
    <message>
        <source>Delete Legion</source>
        <translation>Eliminar legión</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Scenario saved</source>
        <translation>Escenario guardado</translation>
    </message>
    <message>
        <source>About Aurovane Editor</source>
        <translation>Acerca del editor de Aurovane</translation>
    </message>
    <message>
        <source>Year: %1 AD</source>
        <translation>Año: %1 d. C.</translation>
    </message>
    <message>
        <source>Treasury: %1</source>
        <translation>Tesoro: %1</translation>
    </message>
    <message>
        <source>Revenue: %1</source>
        <translation>Ingresos: %1</translation>
    </message>
    <message>
        <source>Expenses: %1</source>
        <translation>Gastos: %1</translation>
    </message>
    <message>
        <source>Net: %1</source>
        <translation>Saldo: %1</translation>
    </message>
    <message>
        <source>SCENARIO EDITOR</source>
        <translation>EDITOR DE ESCENARIOS</translation>
    </message>
    <message>
        <source>Province: %1    Held by: %2    Legions: %3</source>
        <translation>Provincia: %1    En manos de: %2    Legiones: %3</translation>
    </message>
    <message>
        <source>The Aurovane scenario editor.</source>
        <translation>El editor de escenarios de Aurovane.</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Cargar...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar co&amp;mo...</translation>
    </message>
    <message>
        <source>&amp;Play this Scenario</source>
        <translation>&amp;Jugar este escenario</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>No seleccionar &amp;nada</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;Title and Briefing...</source>
        <translation>&amp;Título e instrucciones...</translation>
    </message>
    <message>
        <source>Editor &amp;Help</source>
        <translation>A&amp;yuda del editor</translation>
    </message>
    <message>
        <source>Change of Holder</source>
        <translation>Cambio de dueño</translation>
    </message>
    <message>
        <source>Add Legions</source>
        <translation>Añadir legiones</translation>
    </message>
    <message>
        <source>Remove Legions</source>
        <translation>Quitar legiones</translation>
    </message>
    <message>
        <source>&amp;Owner</source>
        <translation>&amp;Dueño</translation>
    </message>
    <message>
        <source>&amp;Add Legion</source>
        <translation>&amp;Añadir legión</translation>
    </message>
    <message>
        <source>&amp;Delete Legion</source>
        <translation>&amp;Eliminar legión</translation>
    </message>
    <message>
        <source>%1[*] - Aurovane Editor</source>
        <translation>%1[*] - Editor de Aurovane</translation>
    </message>
    <message>
        <source>New scenario</source>
        <translation>Escenario nuevo</translation>
    </message>
    <message>
        <source>The scenario has changes that are not saved. Throw them away?</source>
        <translation>El escenario tiene cambios sin guardar. ¿Descartarlos?</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Seguir editando</translation>
    </message>
    <message>
        <source>Play this Scenario</source>
        <translation>Jugar este escenario</translation>
    </message>
    <message>
        <source>The game program was not found beside the editor (looked for %1). Save the scenario and open it in the game with File &gt; Load.</source>
        <translation>No se encontró el programa del juego junto al editor (se buscó %1). Guarda el escenario y ábrelo en el juego con Archivo &gt; Cargar.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>The game program %1 could not be started.</source>
        <translation>No se pudo iniciar el programa del juego %1.</translation>
    </message>
    <message>
        <source>Scenario Options</source>
        <translation>Opciones del escenario</translation>
    </message>
    <message>
        <source>Title and Briefing</source>
        <translation>Título e instrucciones</translation>
    </message>
    <message>
        <source>Arrow keys move the highlighted province; Shift with an arrow adds the next one to the selection. R, B, S, L and N give the selection to Rome, the barbarians, the Sassanids, the rebelling legions or no one; + and - add or remove a legion; the menu key opens the selection&apos;s menu.</source>
        <translation>Las flechas mueven la provincia resaltada; Mayús con una flecha añade la siguiente a la selección. R, B, S, L y N dan la selección a Roma, a los bárbaros, a los sasánidas, a las legiones sublevadas o a nadie; + y - añaden o quitan una legión; la tecla Menú abre el menú de la selección.</translation>
    </message>
    <message>
        <source>Map: %1</source>
        <translation>Mapa: %1</translation>
    </message>
    <message>
        <source>Map: no province selected</source>
        <translation>Mapa: ninguna provincia seleccionada</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message numerus="yes">
        <source>%n province(s)</source>
        <translation>
            <numerusform>%n provincia</numerusform>
            <numerusform>%n provincias</numerusform>
        </translation>
    </message>
    <message>
        <source>Aurovane Editor, version 1.0.</source>
        <translation>Editor de Aurovane, versión 1.0.</translation>
    </message>
    <message>
        <source>Welcome to the map editor! You can use this tool to create custom scenarios. To set the owner for a province or to add legions to a province, right-click on that province, then choose from its menu. Other game options can be set from Options in the Scenario menu. When you have finished, save your scenario, then open it in the game.</source>
        <translation>¡Bienvenido al editor de mapas! Con esta herramienta puedes crear tus propios escenarios. Para elegir el dueño de una provincia o añadirle legiones, haz clic derecho sobre ella y elige en su menú. Las demás opciones de juego se fijan en Opciones, en el menú Escenario. Cuando termines, guarda tu escenario y ábrelo en el juego.</translation>
    </message>
    <message>
        <source>Click a province to select it; Shift- or Ctrl-click, or drag a band, to select more.</source>
        <translation>Haz clic en una provincia para seleccionarla; con Mayús-clic o Ctrl-clic, o arrastrando un recuadro, seleccionas más.</translation>
    </message>
    <message>
        <source>Right-click, or use the panel, to set their holder and legions.</source>
        <translation>Con clic derecho, o desde el panel, fijas su dueño y sus legiones.</translation>
    </message>
    <message>
        <source>Year, treasury and plague, title and briefing: the Scenario menu.</source>
        <translation>Año, tesoro y peste, título e instrucciones: el menú Escenario.</translation>
    </message>
    <message>
        <source>F5 plays the scenario in the game. F1 for help; Ctrl+Z undoes.</source>
        <translation>F5 juega el escenario en el juego. F1 para la ayuda; Ctrl+Z deshace.</translation>
    </message>
    <message>
        <source>no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the editor window cannot open.</source>
        <translation>no hay ninguna pantalla disponible (no está definida ni DISPLAY ni WAYLAND_DISPLAY), así que la ventana del editor no puede abrirse.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;: en, de, fr, it or es.</source>
        <translation>Usar el idioma &lt;code&gt;: en, de, fr, it o es.</translation>
    </message>
</context>
<context>
    <name>editor::HelpDialog</name>
    <message>
        <source>&lt;h2&gt;The Aurovane scenario editor&lt;/h2&gt;&lt;p&gt;A scenario is a starting position for the game: who holds each province, how many legions stand where, the year, the treasury and the plague, with a title and a briefing for the player.&lt;/p&gt;&lt;h3&gt;Choosing provinces&lt;/h3&gt;&lt;p&gt;Click a province to select it. Shift-click or Ctrl-click adds a province to the selection or takes it out. Drag across the map to select every province the band touches (with Shift or Ctrl, they are added). Click the sea to select nothing. The list on the right selects too: use the arrow keys, Shift and Ctrl as in any list. Edit &amp;gt; Select All (Ctrl+A) takes every province.&lt;/p&gt;&lt;h3&gt;Holders and legions&lt;/h3&gt;&lt;p&gt;Choose the holder on the right and press &lt;b&gt;Set holder&lt;/b&gt;, or right-click a selected province and use the Owner menu: every selected province changes hands at once. A province that changes hands loses the legions of its old holder. The seven frontier lands beyond the Rhine, the Danube and the Euphrates keep their holders.&lt;/p&gt;&lt;p&gt;Set the number of legions and press &lt;b&gt;Add&lt;/b&gt; or &lt;b&gt;Remove&lt;/b&gt;: each selected province gains or loses that many legions of its holder (at most %1 at a time). A province without a holder takes no legions.&lt;/p&gt;&lt;h3&gt;The year, the treasury and the plague&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Options. The year may be from %2 to %3 AD: the game decides the fate of the West as 476 begins, so a scenario must start before it. The treasury must be above 0.&lt;/p&gt;&lt;h3&gt;Title and briefing&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Title and Briefing. When the scenario is opened in the game, the Prefect reads the briefing to the player.&lt;/p&gt;&lt;h3&gt;Undo&lt;/h3&gt;&lt;p&gt;Edit &amp;gt; Undo (Ctrl+Z) takes back the last change; Edit &amp;gt; Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. The title bar shows an asterisk while there are changes not yet saved.&lt;/p&gt;&lt;h3&gt;Saving and trying&lt;/h3&gt;&lt;p&gt;File &amp;gt; Save (Ctrl+S) and Save As (Ctrl+Shift+S) write the scenario; open it in the game with File &amp;gt; Load. File &amp;gt; Play this Scenario (F5) starts the game with the scenario as it stands, saved or not.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;El editor de escenarios de Aurovane&lt;/h2&gt;&lt;p&gt;Un escenario es una posición de partida para el juego: quién tiene cada provincia, cuántas legiones hay y dónde, el año, el tesoro y la peste, con un título y unas instrucciones para el jugador.&lt;/p&gt;&lt;h3&gt;Elegir provincias&lt;/h3&gt;&lt;p&gt;Haz clic en una provincia para seleccionarla. Mayús-clic o Ctrl-clic añade una provincia a la selección o la quita. Arrastra sobre el mapa para seleccionar todas las provincias que toque el recuadro (con Mayús o Ctrl se añaden). Haz clic en el mar para no seleccionar nada. La lista de la derecha también selecciona: usa las flechas, Mayús y Ctrl como en cualquier lista. Editar &amp;gt; Seleccionar todo (Ctrl+A) toma todas las provincias.&lt;/p&gt;&lt;h3&gt;Dueños y legiones&lt;/h3&gt;&lt;p&gt;Elige el dueño a la derecha y pulsa &lt;b&gt;Fijar dueño&lt;/b&gt;, o haz clic derecho sobre una provincia seleccionada y usa el menú Dueño: todas las provincias seleccionadas cambian de manos a la vez. Una provincia que cambia de manos pierde las legiones de su antiguo dueño. Las siete tierras fronterizas más allá del Rin, el Danubio y el Éufrates conservan sus dueños.&lt;/p&gt;&lt;p&gt;Fija el número de legiones y pulsa &lt;b&gt;Añadir&lt;/b&gt; o &lt;b&gt;Quitar&lt;/b&gt;: cada provincia seleccionada gana o pierde esas legiones de su dueño (como máximo %1 a la vez). Una provincia sin dueño no recibe legiones.&lt;/p&gt;&lt;h3&gt;El año, el tesoro y la peste&lt;/h3&gt;&lt;p&gt;Escenario &amp;gt; Opciones. El año puede ir del %2 al %3 d. C.: el juego decide la suerte de Occidente al empezar el 476, así que un escenario debe comenzar antes. El tesoro debe ser mayor que 0.&lt;/p&gt;&lt;h3&gt;Título e instrucciones&lt;/h3&gt;&lt;p&gt;Escenario &amp;gt; Título e instrucciones. Cuando se abre el escenario en el juego, el prefecto lee las instrucciones al jugador.&lt;/p&gt;&lt;h3&gt;Deshacer&lt;/h3&gt;&lt;p&gt;Editar &amp;gt; Deshacer (Ctrl+Z) retira el último cambio; Editar &amp;gt; Rehacer (Ctrl+Mayús+Z o Ctrl+Y) lo vuelve a hacer. La barra de título muestra un asterisco mientras haya cambios sin guardar.&lt;/p&gt;&lt;h3&gt;Guardar y probar&lt;/h3&gt;&lt;p&gt;Archivo &amp;gt; Guardar (Ctrl+S) y Guardar como (Ctrl+Mayús+S) escriben el escenario; ábrelo en el juego con Archivo &amp;gt; Cargar. Archivo &amp;gt; Jugar este escenario (F5) inicia el juego con el escenario tal como está, guardado o no.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Aurovane Editor Help</source>
        <translation>Ayuda del editor de Aurovane</translation>
    </message>
</context>
<context>
    <name>editor::OptionsDialog</name>
    <message>
        <source>Scenario Options</source>
        <translation>Opciones del escenario</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Treasury must be greater than 0.</source>
        <translation>El tesoro debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Plague years must be between 1 and 20.</source>
        <translation>Los años de peste deben estar entre 1 y 20.</translation>
    </message>
    <message>
        <source>Year must be between 235 and 475.</source>
        <translation>El año debe estar entre 235 y 475.</translation>
    </message>
    <message>
        <source>&amp;Plague</source>
        <translation>&amp;Peste</translation>
    </message>
    <message>
        <source>years &amp;left</source>
        <translation>años &amp;restantes</translation>
    </message>
    <message>
        <source>&amp;Treasury:</source>
        <translation>&amp;Tesoro:</translation>
    </message>
    <message>
        <source>&amp;Year (%1 to %2):</source>
        <translation>&amp;Año (de %1 a %2):</translation>
    </message>
</context>
<context>
    <name>editor::SelectionPanel</name>
    <message>
        <source>P&amp;rovinces (Shift or Ctrl for more):</source>
        <translation>P&amp;rovincias (Mayús o Ctrl para más):</translation>
    </message>
    <message>
        <source>Se&amp;t holder</source>
        <translation>&amp;Fijar dueño</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Hol&amp;der:</source>
        <translation>&amp;Dueño:</translation>
    </message>
    <message>
        <source>Le&amp;gions to add or remove in each:</source>
        <translation>&amp;Legiones que añadir o quitar en cada una:</translation>
    </message>
    <message>
        <source>Gives every selected province to this holder. The frontier lands beyond the Rhine, the Danube and the Euphrates keep theirs.</source>
        <translation>Da cada provincia seleccionada a este dueño. Las tierras fronterizas más allá del Rin, el Danubio y el Éufrates conservan el suyo.</translation>
    </message>
    <message>
        <source>Adds this many legions of its holder to every selected province that has one.</source>
        <translation>Añade este número de legiones de su dueño a cada provincia seleccionada que tenga uno.</translation>
    </message>
    <message>
        <source>Removes up to this many legions of its holder from every selected province.</source>
        <translation>Quita hasta este número de legiones de su dueño de cada provincia seleccionada.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n legion(s)</source>
        <translation>
            <numerusform>%1: %2, %n legión</numerusform>
            <numerusform>%1: %2, %n legiones</numerusform>
        </translation>
    </message>
</context>
</TS>
