<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AdvisorDialog</name>
    <message>
        <source>Message from the Praetorian Prefect</source>
        <translation>Message du préfet du prétoire</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The Praetorian Prefect</source>
        <translation>Le préfet du prétoire</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Play the game of seed &lt;N&gt;.</source>
        <translation>Jouer la partie de graine &lt;N&gt;.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>The Qt platform.</source>
        <translation>La plateforme Qt.</translation>
    </message>
    <message>
        <source>A saved game or scenario to open.</source>
        <translation>Une partie sauvegardée ou un scénario à ouvrir.</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 4294967295.</source>
        <translation>La graine doit être un nombre entier de 0 à 4294967295.</translation>
    </message>
    <message>
        <source>Aurovane, a strategy game of the late Roman Empire (235-476 AD).</source>
        <translation>Aurovane, un jeu de stratégie sur l’Empire romain tardif (235-476 apr. J.-C.).</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;: en, de, fr, it or es.</source>
        <translation>Parler la langue &lt;code&gt;&#xa0;: en, de, fr, it ou es.</translation>
    </message>
    <message>
        <source>no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the game window cannot open. The terminal edition, aurovane-cli, plays the same game without a window.</source>
        <translation>aucun écran n’est disponible (ni DISPLAY ni WAYLAND_DISPLAY n’est défini)&#xa0;: la fenêtre du jeu ne peut pas s’ouvrir. L’édition pour terminal, aurovane-cli, joue la même partie sans fenêtre.</translation>
    </message>
</context>
<context>
    <name>FatalErrorApplication</name>
    <message>
        <source>%1 has met an internal error and must end:

%2

The game could not be saved.</source>
        <translation>%1 a rencontré une erreur interne et doit s’arrêter&#xa0;:

%2

La partie n’a pas pu être sauvegardée.</translation>
    </message>
    <message>
        <source>%1 has met an internal error and must end:

%2

The game was saved to: %3</source>
        <translation>%1 a rencontré une erreur interne et doit s’arrêter&#xa0;:

%2

La partie a été sauvegardée dans&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>Unable to open file</source>
        <translation>Impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <source>Unable to open file: you are not allowed to read it.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: vous n’avez pas le droit de le lire.</translation>
    </message>
    <message>
        <source>Unable to open file: the name is too long.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: le nom est trop long.</translation>
    </message>
    <message>
        <source>Unable to open file: a part of the path is not a folder.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: une partie du chemin n’est pas un dossier.</translation>
    </message>
    <message>
        <source>Unable to open file: the path has too many links.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: le chemin comporte trop de liens.</translation>
    </message>
    <message>
        <source>Unable to open file: %1.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Unable to open file: the disk is full; free some space or save elsewhere.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: le disque est plein&#xa0;; libérez de la place ou enregistrez ailleurs.</translation>
    </message>
    <message>
        <source>Unable to open file: the folder does not exist.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: le dossier n’existe pas.</translation>
    </message>
    <message>
        <source>Unable to open file: you are not allowed to write in that folder.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: vous n’avez pas le droit d’écrire dans ce dossier.</translation>
    </message>
    <message>
        <source>Unable to open file: the disk is read-only.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: le disque est en lecture seule.</translation>
    </message>
    <message>
        <source>Unable to open file: a folder has that name.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: un dossier porte ce nom.</translation>
    </message>
    <message>
        <source>Unable to open file: it is not an ordinary file (a pipe, a device or a socket).</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: ce n’est pas un fichier ordinaire (un tube, un périphérique ou un socket).</translation>
    </message>
    <message>
        <source>Unable to open file: it is far too large to be a saved game.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: il est bien trop volumineux pour être une partie sauvegardée.</translation>
    </message>
    <message>
        <source>Unable to open file: the file is read-only; save under another name.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: le fichier est en lecture seule&#xa0;; enregistrez sous un autre nom.</translation>
    </message>
    <message>
        <source>Unable to load file: the file is UTF-32 text; save it as plain text (UTF-8) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier est du texte UTF-32&#xa0;; enregistrez-le en texte brut (UTF-8) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file is UTF-16 text; save it as plain text (UTF-8) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier est du texte UTF-16&#xa0;; enregistrez-le en texte brut (UTF-8) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a carriage return inside a line (lines must end with a line feed) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: un retour chariot au milieu d’une ligne (les lignes doivent finir par un saut de ligne) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a NUL byte: this is not a text file (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: un octet NUL&#xa0;: ce n’est pas un fichier texte (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a control character (code %2) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: un caractère de contrôle (code %2) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a character that is not UTF-8 text (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: un caractère qui n’est pas du texte UTF-8 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the line is longer than %2 characters (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: la ligne dépasse %2 caractères (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot;: only comments may hold letters beyond ASCII (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;»&#xa0;: seuls les commentaires peuvent contenir des lettres hors ASCII (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a province of the map (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas une province de la carte (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: expected the line &quot;%2&quot;, found &quot;%3&quot; (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: la ligne «&#xa0;%2&#xa0;» était attendue, «&#xa0;%3&#xa0;» a été trouvé (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file was written by a later Aurovane (its %2 section is of version %3; this one reads version %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier a été écrit par une version plus récente d’Aurovane (sa section %2 est en version %3&#xa0;; celle-ci lit la version %4) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: expected the end of the file or the line &quot;%2&quot; after the last legion section, found &quot;%3&quot; (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: la fin du fichier ou la ligne «&#xa0;%2&#xa0;» était attendue après la dernière section des légions, «&#xa0;%3&#xa0;» a été trouvé (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: there is more after the briefing (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: il reste du texte après le briefing (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is not listed, but the Sassanids always hold it (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: %2 ne figure dans aucune liste, mais appartient toujours aux Sassanides (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is not listed, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: %2 ne figure dans aucune liste, mais appartient toujours aux Tribus germaniques (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Romans, but the Sassanids always hold it (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: %2 figure dans la liste des Romains, mais appartient toujours aux Sassanides (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Germanic Tribes, but the Sassanids always hold it (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: %2 figure dans la liste des Tribus germaniques, mais appartient toujours aux Sassanides (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Rebelling Legions, but the Sassanids always hold it (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: %2 figure dans la liste des Légions rebelles, mais appartient toujours aux Sassanides (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Romans, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: %2 figure dans la liste des Romains, mais appartient toujours aux Tribus germaniques (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Sassanids, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: %2 figure dans la liste des Sassanides, mais appartient toujours aux Tribus germaniques (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: %2 is listed for the Rebelling Legions, but the Germanic Tribes always hold it (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: %2 figure dans la liste des Légions rebelles, mais appartient toujours aux Tribus germaniques (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the turn (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le tour (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the turn) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le tour) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the turn %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le tour vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the treasury (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le trésor (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the treasury) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le trésor) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the treasury %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le trésor vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the plague flag (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant l’indicateur de peste (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the plague flag) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: l’indicateur de peste) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the plague flag %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: l’indicateur de peste vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the plague counter (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le compteur de peste (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the plague counter) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le compteur de peste) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the plague counter %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le compteur de peste vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a tribe countdown (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant un compte à rebours de tribu (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected a tribe countdown) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: un compte à rebours de tribu) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a tribe countdown %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: un compte à rebours de tribu vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of provinces (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le nombre de provinces (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of provinces) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le nombre de provinces) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of provinces %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le nombre de provinces vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a province name (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant un nom de province (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of legions (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le nombre de légions (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of legions) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le nombre de légions) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of legions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le nombre de légions vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s province (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant la province d’une légion (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s route flag (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant l’indicateur de marche d’une légion (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected a legion&apos;s route flag) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: l’indicateur de marche d’une légion) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a legion&apos;s route flag %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: l’indicateur de marche d’une légion vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a legion&apos;s destination (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant la destination d’une légion (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of invasions (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le nombre d’invasions (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of invasions) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le nombre d’invasions) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of invasions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le nombre d’invasions vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of plagues (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le nombre d’épidémies de peste (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of plagues) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le nombre d’épidémies de peste) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of plagues %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le nombre d’épidémies de peste vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of rebellions (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le nombre de révoltes (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of rebellions) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le nombre de révoltes) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of rebellions %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le nombre de révoltes vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before last year&apos;s tax revenue (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le revenu fiscal de l’année passée (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected last year&apos;s tax revenue) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le revenu fiscal de l’année passée) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: last year&apos;s tax revenue %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le revenu fiscal de l’année passée vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before last year&apos;s legion cost (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le coût des légions de l’année passée (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected last year&apos;s legion cost) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le coût des légions de l’année passée) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: last year&apos;s legion cost %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le coût des légions de l’année passée vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the line &quot;%2&quot; (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant la ligne «&#xa0;%2&#xa0;» (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the news (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le nombre de lignes des nouvelles (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the news) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le nombre de lignes des nouvelles) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the news %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le nombre de lignes des nouvelles vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the news (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant une ligne des nouvelles (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the news (they begin with &gt; or +) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas une ligne des nouvelles (elles commencent par &gt; ou +) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the news goes on (+) from no line before it (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: une ligne des nouvelles prolonge (+) une ligne qui n’existe pas (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 lines in the news (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: plus de %2 lignes dans les nouvelles (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the news may hold only ASCII letters (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: les nouvelles ne peuvent contenir que des lettres ASCII (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the news is longer than %2 characters (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: une ligne des nouvelles dépasse %2 caractères (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the news is longer than %2 characters (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: les nouvelles dépassent %2 caractères (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the title (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le nombre de lignes du titre (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the title) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le nombre de lignes du titre) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the title %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le nombre de lignes du titre vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the title (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant une ligne du titre (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the title (they begin with &gt; or +) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas une ligne du titre (elles commencent par &gt; ou +) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the title goes on (+) from no line before it (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: une ligne du titre prolonge (+) une ligne qui n’existe pas (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 line in the title (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: plus de %2 ligne dans le titre (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the title is longer than %2 characters (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: une ligne du titre dépasse %2 caractères (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the title is longer than %2 characters (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le titre dépasse %2 caractères (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before the number of lines of the briefing (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant le nombre de lignes du briefing (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a number (expected the number of lines of the briefing) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre (attendu&#xa0;: le nombre de lignes du briefing) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the number of lines of the briefing %2 is out of range (%3 to %4) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le nombre de lignes du briefing vaut %2, hors de l’intervalle de %3 à %4 (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the file ends before a line of the briefing (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le fichier s’arrête avant une ligne du briefing (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: &quot;%2&quot; is not a line of the briefing (they begin with &gt; or +) (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: «&#xa0;%2&#xa0;» n’est pas une ligne du briefing (elles commencent par &gt; ou +) (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the briefing goes on (+) from no line before it (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: une ligne du briefing prolonge (+) une ligne qui n’existe pas (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: more than %2 lines in the briefing (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: plus de %2 lignes dans le briefing (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: a line of the briefing is longer than %2 characters (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: une ligne du briefing dépasse %2 caractères (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to load file: the briefing is longer than %2 characters (line %1).</source>
        <translation>Impossible de charger le fichier&#xa0;: le briefing dépasse %2 caractères (ligne %1).</translation>
    </message>
    <message>
        <source>Unable to open file: the folder for kept games cannot be made.</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: le dossier des parties conservées ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Save Game</source>
        <translation>Sauvegarder la partie</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Aurovane games (*.avn *.AVN)</source>
        <translation>Parties Aurovane (*.avn *.AVN)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Scenario</source>
        <translation>Sauvegarder le scénario</translation>
    </message>
    <message>
        <source>Open Scenario</source>
        <translation>Ouvrir un scénario</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>%1 AD</source>
        <translation>%1 apr. J.-C.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Auparavant</translation>
    </message>
    <message>
        <source>(scroll for more)</source>
        <translation>(faire défiler pour la suite)</translation>
    </message>
    <message>
        <source>%1 has gone over to the rebels</source>
        <translation>%1&#xa0;: la province est passée aux rebelles</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>%1 will be spoken from the next start of the program.</source>
        <translation>La langue %1 sera utilisée au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>%1 (%2% translated)</source>
        <translation>%1 (traduit à %2 %)</translation>
    </message>
</context>
<context>
    <name>LessonDialog</name>
    <message>
        <source>History Lesson</source>
        <translation>Leçon d’histoire</translation>
    </message>
    <message>
        <source>No sound device: the narration cannot play</source>
        <translation>Aucun périphérique audio&#xa0;: la narration ne peut pas être lue</translation>
    </message>
    <message>
        <source>&amp;Stop narration</source>
        <translation>&amp;Arrêter la narration</translation>
    </message>
    <message>
        <source>&amp;Play narration</source>
        <translation>&amp;Écouter la narration</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>Maximinus Thrax</source>
        <translation>Maximin le Thrace</translation>
    </message>
    <message>
        <source>Three Empires</source>
        <translation>Trois empires</translation>
    </message>
    <message>
        <source>Aurelian</source>
        <translation>Aurélien</translation>
    </message>
    <message>
        <source>Diocletian</source>
        <translation>Dioclétien</translation>
    </message>
    <message>
        <source>Constantine I</source>
        <translation>Constantin Ier</translation>
    </message>
    <message>
        <source>Battle of Adrianople</source>
        <translation>Bataille d’Andrinople</translation>
    </message>
    <message>
        <source>Theodosius I</source>
        <translation>Théodose Ier</translation>
    </message>
    <message>
        <source>Sack of 410 AD</source>
        <translation>Sac de Rome en 410</translation>
    </message>
    <message>
        <source>Sack of 455 AD</source>
        <translation>Sac de Rome en 455</translation>
    </message>
    <message>
        <source>Romulus Augustulus</source>
        <translation>Romulus Augustule</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Continue Last Game</source>
        <translation>&amp;Continuer la dernière partie</translation>
    </message>
    <message>
        <source>There is no game to continue yet: a game is kept at the end of every turn.</source>
        <translation>Il n’y a pas encore de partie à continuer&#xa0;: une partie est conservée à la fin de chaque tour.</translation>
    </message>
    <message>
        <source>Aurovane</source>
        <translation>Aurovane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos ...</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation>À propos d’Aurovane</translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation>Partie sauvegardée</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: it is missing from this installation.</source>
        <translation>La page %1 n’a pas pu être affichée&#xa0;: elle manque dans cette installation.</translation>
    </message>
    <message>
        <source>Princeps,

Would you like to hear the hints on playing again?</source>
        <translation>Princeps,

voulez-vous réentendre les conseils de jeu&#xa0;?</translation>
    </message>
    <message>
        <source>The legions put down.</source>
        <translation>Les légions sont reposées.</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sauvegarder</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>C&amp;harger</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>S&amp;kill Level</source>
        <translation>&amp;Niveau de difficulté</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Year&apos;s News</source>
        <translation>Nouvelles de l’&amp;année</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>&amp;Texte agrandi</translation>
    </message>
    <message>
        <source>S&amp;cenarios</source>
        <translation>S&amp;cénarios</translation>
    </message>
    <message>
        <source>&amp;Valerian (260 AD)</source>
        <translation>&amp;Valérien (260 apr. J.-C.)</translation>
    </message>
    <message>
        <source>&amp;Constantine (306 AD)</source>
        <translation>&amp;Constantin (306 apr. J.-C.)</translation>
    </message>
    <message>
        <source>H&amp;onorius (409 AD)</source>
        <translation>H&amp;onorius (409 apr. J.-C.)</translation>
    </message>
    <message>
        <source>Valentinian &amp;III (454 AD)</source>
        <translation>Valentinien &amp;III (454 apr. J.-C.)</translation>
    </message>
    <message>
        <source>Hi&amp;story</source>
        <translation>&amp;Histoire</translation>
    </message>
    <message>
        <source>History &amp;Lessons</source>
        <translation>&amp;Leçons d’histoire</translation>
    </message>
    <message>
        <source>Study &amp;Guide</source>
        <translation>&amp;Guide d’étude</translation>
    </message>
    <message>
        <source>Take &amp;Quiz</source>
        <translation>Faire le &amp;quiz</translation>
    </message>
    <message>
        <source>&amp;Hints from the Prefect</source>
        <translation>&amp;Conseils du préfet</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutoriel</translation>
    </message>
    <message>
        <source>Princeps,

No audio device was found on this machine: the game plays without sound and narration.</source>
        <translation>Princeps,

aucun périphérique audio n’a été trouvé sur cette machine&#xa0;: le jeu se déroule sans son ni narration.</translation>
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

toutes les unités de cette province ont déjà bougé. Remarquez que l’icône de la légion apparaît grisée. Vous pourrez de nouveau déplacer les légions grisées au prochain tour.</translation>
    </message>
    <message>
        <source>The Romans believed the Tigris river was the<byte value="xd"/>
&quot;natural&quot; border of the empire. Roman<byte value="xd"/>
troops will not cross it unless there is an<byte value="xd"/>
immediate military threat.</source>
        <translation>Les Romains considéraient le Tigre comme la frontière «&#xa0;naturelle&#xa0;» de l’empire. Les troupes romaines ne le franchiront qu’en cas de menace militaire immédiate.</translation>
    </message>
    <message>
        <source>In 9 AD, a Roman army of 15,000 men was ambushed<byte value="xd"/>
and massacred in the Teutoburg Forest of Germania.<byte value="xd"/>
Consequently, Roman troops will not enter that <byte value="xd"/>
territory unless there are barbarians to attack.</source>
        <translation>En l’an 9, une armée romaine de 15 000 hommes tomba dans une embuscade et fut massacrée dans la forêt de Teutobourg, en Germanie. C’est pourquoi les troupes romaines n’entreront sur ce territoire que s’il s’y trouve des barbares à attaquer.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
Our enemies have reached Rome and plundered<byte value="xd"/>
the Imperial treasury!</source>
        <translation>Princeps,

nos ennemis ont atteint Rome et pillé le trésor impérial&#xa0;!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
We are running out of money!<byte value="xd"/>
We should conquer new provinces to increase our tax base.</source>
        <translation>Princeps,

nous manquons d’argent&#xa0;! Nous devrions conquérir de nouvelles provinces pour élargir notre assiette fiscale.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The treasury is empty! The legions are starting to disband.</source>
        <translation>Princeps,

le trésor est vide&#xa0;! Les légions commencent à se disperser.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The number of legions we can raise depends on<byte value="xd"/>
how many provinces we control.  To increase<byte value="xd"/>
the maximum number of legions we can recruit,<byte value="xd"/>
we must conquer more provinces.</source>
        <translation>Princeps,

le nombre de légions que nous pouvons lever dépend du nombre de provinces que nous contrôlons. Pour pouvoir en recruter davantage, nous devons conquérir d’autres provinces.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The empire has been hit by a plague!  This is will<byte value="xd"/>
reduce tax revenue and slow the creation of new<byte value="xd"/>
legions.</source>
        <translation>Princeps,

une épidémie de peste frappe l’empire&#xa0;! Elle réduira les recettes fiscales et ralentira la levée de nouvelles légions.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The plague has finally ended.</source>
        <translation>Princeps,

la peste a enfin pris fin.</translation>
    </message>
    <message>
        <source>Hint: Egypt was strategically important to<byte value="xd"/>
the Romans because it produced much of the grain which was <byte value="xd"/>
dispensed for free to Rome&apos;s huge number of urban poor.<byte value="xd"/>
<byte value="xd"/>
In this game, this province will pay three times the tax<byte value="xd"/>
and allow you to put two extra legions in the field.</source>
        <translation>Conseil&#xa0;: l’Égypte avait une importance stratégique pour les Romains, car elle produisait une grande partie du blé distribué gratuitement à l’immense plèbe pauvre de Rome.

Dans ce jeu, cette province paie le triple de l’impôt et vous permet d’aligner deux légions supplémentaires.</translation>
    </message>
    <message>
        <source>Hint: Britannia was a valuable province.  It<byte value="xd"/>
produced huge amounts of lead, which was used<byte value="xd"/>
the way plastics are used today.<byte value="xd"/>
<byte value="xd"/>
Britannia will pay twice the standard tax amount,<byte value="xd"/>
but may rebel if no legions are stationed there.<byte value="xd"/>
</source>
        <translation>Conseil&#xa0;: la Bretagne était une province précieuse. Elle produisait d’énormes quantités de plomb, utilisé comme on utilise aujourd’hui le plastique.

La Bretagne paie le double de l’impôt normal, mais peut se révolter si aucune légion n’y stationne.</translation>
    </message>
    <message>
        <source>Hint:  Dacia was the only part of the Roman Empire<byte value="xd"/>
on the far side of the Danube river, and defending<byte value="xd"/>
it against the Goths became increasingly expensive.<byte value="xd"/>
The Romans abandonned it in either 271 or 275 AD.<byte value="xd"/>
<byte value="xd"/>
In this game, Dacia pays half the normal tax<byte value="xd"/>
and does not raise legions.</source>
        <translation>Conseil&#xa0;: la Dacie était la seule partie de l’Empire romain située au-delà du Danube, et la défendre contre les Goths coûtait de plus en plus cher. Les Romains l’abandonnèrent en 271 ou en 275.

Dans ce jeu, la Dacie paie la moitié de l’impôt normal et ne lève pas de légions.</translation>
    </message>
    <message>
        <source>Hint:  The North African provinces produced<byte value="xd"/>
most of Rome&apos;s grain supply.<byte value="xd"/>
<byte value="xd"/>
Not controlling at least one North African<byte value="xd"/>
province will result in food riots in Rome.</source>
        <translation>Conseil&#xa0;: les provinces d’Afrique du Nord fournissaient l’essentiel du blé de Rome.

Si vous ne contrôlez aucune province d’Afrique du Nord, des émeutes de la faim éclateront à Rome.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
We do not have that much in the treasury.</source>
        <translation>Princeps,

nous n’avons pas autant dans le trésor.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The troops have backed down from their demands.</source>
        <translation>Princeps,

les troupes ont renoncé à leurs exigences.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The %1 have rebelled! They have<byte value="xd"/>
proclaimed their commander the new Emperor and are<byte value="xd"/>
marching on Rome!</source>
        <translation>Princeps,

les %1 se sont révoltées&#xa0;! Elles ont proclamé leur commandant nouvel empereur et marchent sur Rome&#xa0;!</translation>
    </message>
    <message>
        <source>When a province rebels it is shown in white, and any legions<byte value="xd"/>
in it are shown in red.  You no longer control rebelling<byte value="xd"/>
legions.  To regain control of a rebelling province you<byte value="xd"/>
must move a non-rebelling legion into it.</source>
        <translation>Une province révoltée apparaît en blanc et ses légions en rouge. Vous ne commandez plus les légions rebelles. Pour reprendre une province révoltée, vous devez y faire entrer une légion restée fidèle.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The tribes of Britannia have rebelled against Roman rule!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

les tribus de Bretagne se sont soulevées contre la domination romaine&#xa0;!

Nous devrions y envoyer une légion pour rétablir l’ordre.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The people of Aegyptus have rebelled against Roman rule!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

le peuple d’Égypte s’est soulevé contre la domination romaine&#xa0;!

Nous devrions y envoyer une légion pour rétablir l’ordre.</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The people of Italia are rioting over the lack of grain!<byte value="xd"/>
<byte value="xd"/>
We should send a legion there to restore order.</source>
        <translation>Princeps,

le peuple d’Italie se soulève faute de blé&#xa0;!

Nous devrions y envoyer une légion pour rétablir l’ordre.</translation>
    </message>
    <message>
        <source>Palestina has been overthrown by the<byte value="xd"/>
People&apos;s Front of Judea (the PFJ)!</source>
        <translation>La Palestine a été renversée par le Front populaire de Judée (le FPJ)&#xa0;!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The eastern and western ends of the empire<byte value="xd"/>
have rebelled!</source>
        <translation>Princeps,

l’est et l’ouest de l’empire se sont révoltés&#xa0;!</translation>
    </message>
    <message>
        <source>The governor of Britannia, Marcus Carausius, has rebelled<byte value="xd"/>
and several provinces in Gaul have joined him!</source>
        <translation>Le gouverneur de Bretagne, Marcus Carausius, s’est révolté et plusieurs provinces de Gaule l’ont rejoint&#xa0;!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
The Egyptians have rebelled!</source>
        <translation>Princeps, les Égyptiens se sont révoltés&#xa0;!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The eastern emperor Licinius is trying to claim<byte value="xd"/>
the whole empire for himself. He is marching on <byte value="xd"/>
Rome with 3 legions!</source>
        <translation>Princeps,

l’empereur d’Orient Licinius veut s’emparer de tout l’empire. Il marche sur Rome avec 3 légions&#xa0;!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
A usurper in Britannia calling himself Constantine III,<byte value="xd"/>
has rebelled, and is marching in Gaul!</source>
        <translation>Princeps,

un usurpateur de Bretagne qui se fait appeler Constantin III s’est révolté et marche sur la Gaule&#xa0;!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Visigoth king Aleric is marching on Rome!</source>
        <translation>Princeps,

le roi wisigoth Alaric marche sur Rome&#xa0;!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Saxons are preparing to attack Britannia!</source>
        <translation>Princeps,

les Saxons s’apprêtent à attaquer la Bretagne&#xa0;!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
A tribe called the Vandals is crossing the Rhine river!</source>
        <translation>Princeps,

un peuple appelé les Vandales franchit le Rhin&#xa0;!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Huns have massed a large army across the Rhine!</source>
        <translation>Princeps,

les Huns ont massé une grande armée au-delà du Rhin&#xa0;!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
An army of %1 has been sighted on the frontier!</source>
        <translation>Princeps,

une armée ennemie a été aperçue à la frontière&#xa0;: les %1&#xa0;!</translation>
    </message>
    <message>
        <source>The %1 have crossed the frontier!</source>
        <translation>Les %1 ont franchi la frontière&#xa0;!</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The Sassanids are massing troops across the Tigris River!</source>
        <translation>Princeps,

les Sassanides massent des troupes au-delà du Tigre&#xa0;!</translation>
    </message>
    <message>
        <source>The Sassanids have crossed the Tigris!</source>
        <translation>Les Sassanides ont franchi le Tigre&#xa0;!</translation>
    </message>
    <message>
        <source>Our attack on %1 failed</source>
        <translation>%1&#xa0;: notre attaque a échoué</translation>
    </message>
    <message>
        <source>Enemy legion in %1 defeated</source>
        <translation>%1&#xa0;: légion ennemie vaincue</translation>
    </message>
    <message>
        <source>Our raid into %1 was successful</source>
        <translation>%1&#xa0;: notre raid a réussi</translation>
    </message>
    <message>
        <source>We have reconquered %1</source>
        <translation>%1&#xa0;: province reconquise</translation>
    </message>
    <message>
        <source>%1 has been overrun</source>
        <translation>%1&#xa0;: province submergée par l’ennemi</translation>
    </message>
    <message>
        <source>%1 has rebelled</source>
        <translation>%1&#xa0;: la province s’est révoltée</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The legions are demanding a bonus of %1 sesterces.<byte value="xd"/>
<byte value="xd"/>
Do you wish to pay them?</source>
        <translation>Princeps,

les légions réclament une prime de %1 sesterces.

Voulez-vous la leur verser&#xa0;?</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
The %1 are offering peace for %2 years <byte value="xd"/>
in exchange for %3 sesterces.<byte value="xd"/>
<byte value="xd"/>
Do you accept their offer?</source>
        <translation>Princeps,

les %1 offrent la paix pour %2 ans en échange de %3 sesterces.

Acceptez-vous leur offre&#xa0;?</translation>
    </message>
    <message>
        <source>A tribe from across the Rhine is asking to settle in<byte value="xd"/>
%1.  Should we settle them as farmers to<byte value="xd"/>
increase tax revenue, or press them into military service?<byte value="xd"/>
<byte value="xd"/>
[Settling them as farmers will put 5,000 sesterces into<byte value="xd"/>
the treasury]</source>
        <translation>Une tribu d’outre-Rhin demande à s’établir dans la province suivante&#xa0;: %1. Faut-il l’installer comme paysans pour accroître les recettes fiscales, ou l’enrôler dans l’armée&#xa0;?

[Installés comme paysans, ils rapporteront 5 000 sesterces au trésor]</translation>
    </message>
    <message>
        <source>Farmers</source>
        <translation>Paysans</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldats</translation>
    </message>
    <message>
        <source>Princeps,<byte value="xd"/>
<byte value="xd"/>
Our empire has been defeated.<byte value="xd"/>
<byte value="xd"/>
Tentate Iterum? (Would you like to play again?)</source>
        <translation>Princeps,

notre empire est vaincu.

Tentate iterum&#xa0;? (Voulez-vous rejouer&#xa0;?)</translation>
    </message>
    <message>
        <source>Congratulations!<byte value="xd"/>
<byte value="xd"/>
You have survived Rome&apos;s &quot;Crisis of the Third Century&quot;<byte value="xd"/>
Do you want to keep playing until 476 AD?</source>
        <translation>Félicitations&#xa0;!

Vous avez surmonté la «&#xa0;crise du IIIe siècle&#xa0;». Voulez-vous continuer à jouer jusqu’en 476&#xa0;?</translation>
    </message>
    <message>
        <source>Congratulations! You have outlasted the Western<byte value="xd"/>
Roman Empire.<byte value="xd"/>
<byte value="xd"/>
Do you wish to play again?<byte value="xd"/>
</source>
        <translation>Félicitations&#xa0;! Vous avez survécu à l’Empire romain d’Occident.

Voulez-vous rejouer&#xa0;?</translation>
    </message>
    <message>
        <source>Welcome, Princeps<byte value="xd"/>
<byte value="xd"/>
I am your advisor and I will be providing you with<byte value="xd"/>
information to help you guide the Roman Empire<byte value="xd"/>
through the &quot;Crisis of the Third Century.&quot;<byte value="xd"/>
<byte value="xd"/>
Would you like a few hints on playing before we start?</source>
        <translation>Bienvenue, Princeps

Je suis votre conseiller et je vous fournirai des informations pour vous aider à guider l’Empire romain à travers la «&#xa0;crise du IIIe siècle&#xa0;».

Souhaitez-vous quelques conseils de jeu avant de commencer&#xa0;?</translation>
    </message>
    <message>
        <source>Your empire consists of provinces.  Each turn, your provinces<byte value="xd"/>
will pay taxes and create legions for you. Roman provinces are<byte value="xd"/>
shown in light-red.  Enemey-held provinces are other colors</source>
        <translation>Votre empire se compose de provinces. À chaque tour, vos provinces paient l’impôt et lèvent des légions pour vous. Les provinces romaines sont en rouge clair, celles de l’ennemi dans d’autres couleurs.</translation>
    </message>
    <message>
        <source>To move a legion, left-click and drag it where you want it to<byte value="xd"/>
go.  If there are enemy legions in the destination or any<byte value="xd"/>
provinces on the way, your legion will attack them</source>
        <translation>Pour déplacer une légion, cliquez dessus avec le bouton gauche et faites-la glisser jusqu’à sa destination. Si des légions ennemies s’y trouvent, ou dans une province sur le chemin, votre légion les attaquera.</translation>
    </message>
    <message>
        <source>When you have moved all your legions, your enemies will move<byte value="xd"/>
their legions.  If you dont want to move all your legions, <byte value="xd"/>
just right-click the mouse to advance the game one turn.</source>
        <translation>Quand vous avez déplacé toutes vos légions, vos ennemis déplacent les leurs. Si vous ne voulez pas déplacer toutes vos légions, faites simplement un clic droit pour passer au tour suivant.</translation>
    </message>
    <message>
        <source>Your goal is to hold on to as many Roman provinces<byte value="xd"/>
as possible. To win, you must control at least one<byte value="xd"/>
province when the &quot;Crisis of the Third Century&quot; ends<byte value="xd"/>
in 285 AD - Good luck, Princeps!<byte value="xd"/>
</source>
        <translation>Votre but est de conserver le plus possible de provinces romaines. Pour gagner, vous devez contrôler au moins une province quand la «&#xa0;crise du IIIe siècle&#xa0;» prend fin en 285. Bonne chance, Princeps&#xa0;!</translation>
    </message>
    <message>
        <source>If at any time you need help, you can refer to<byte value="xd"/>
the video tutorial under the Help menu.<byte value="xd"/>
<byte value="xd"/>
Good luck, Princeps!</source>
        <translation>Si vous avez besoin d’aide, consultez à tout moment le tutoriel dans le menu Aide.

Bonne chance, Princeps&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Italia</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Aquitania</source>
        <translation>Aquitaine</translation>
    </message>
    <message>
        <source>Terraconensis</source>
        <translation>Tarraconaise</translation>
    </message>
    <message>
        <source>Upper Rhine</source>
        <translation>Rhin supérieur</translation>
    </message>
    <message>
        <source>Mauretania</source>
        <translation>Maurétanie</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrique</translation>
    </message>
    <message>
        <source>Aegyptus</source>
        <translation>Égypte</translation>
    </message>
    <message>
        <source>Dalmatia</source>
        <translation>Dalmatie</translation>
    </message>
    <message>
        <source>Macedonia</source>
        <translation>Macédoine</translation>
    </message>
    <message>
        <source>Pontus</source>
        <translation>Pont</translation>
    </message>
    <message>
        <source>Palestina</source>
        <translation>Palestine</translation>
    </message>
    <message>
        <source>Armenia</source>
        <translation>Arménie</translation>
    </message>
    <message>
        <source>Sarmatia</source>
        <translation>Sarmatie</translation>
    </message>
    <message>
        <source>Syria</source>
        <translation>Syrie</translation>
    </message>
    <message>
        <source>Dacia</source>
        <translation>Dacie</translation>
    </message>
    <message>
        <source>Pannonia</source>
        <translation>Pannonie</translation>
    </message>
    <message>
        <source>Britannia</source>
        <translation>Bretagne</translation>
    </message>
    <message>
        <source>Thracia</source>
        <translation>Thrace</translation>
    </message>
    <message>
        <source>Belgica</source>
        <translation>Belgique</translation>
    </message>
    <message>
        <source>Lower Rhine</source>
        <translation>Rhin inférieur</translation>
    </message>
    <message>
        <source>Lower Danube</source>
        <translation>Danube inférieur</translation>
    </message>
    <message>
        <source>Mesopotamia</source>
        <translation>Mésopotamie</translation>
    </message>
    <message>
        <source>Upper Danube</source>
        <translation>Danube supérieur</translation>
    </message>
    <message>
        <source>Lusitania</source>
        <translation>Lusitanie</translation>
    </message>
    <message>
        <source>Lugdunensis</source>
        <translation>Lyonnaise</translation>
    </message>
    <message>
        <source>Narbonensis</source>
        <translation>Narbonnaise</translation>
    </message>
    <message>
        <source>Raetia</source>
        <translation>Rhétie</translation>
    </message>
    <message>
        <source>Lydia</source>
        <translation>Lydie</translation>
    </message>
    <message>
        <source>Phrygia</source>
        <translation>Phrygie</translation>
    </message>
    <message>
        <source>Cappadocia</source>
        <translation>Cappadoce</translation>
    </message>
    <message>
        <source>Rebellious. Supports 2 legions</source>
        <translation>Rebelle. Entretient 2 légions</translation>
    </message>
    <message>
        <source>Rebellious. Supports 3 legions</source>
        <translation>Rebelle. Entretient 3 légions</translation>
    </message>
    <message>
        <source>Does not raise or support legions</source>
        <translation>Ne lève ni n’entretient de légions</translation>
    </message>
    <message>
        <source>Saxon territory</source>
        <translation>Territoire saxon</translation>
    </message>
    <message>
        <source>Sassanid territory</source>
        <translation>Territoire sassanide</translation>
    </message>
    <message>
        <source>Goth territory</source>
        <translation>Territoire goth</translation>
    </message>
    <message>
        <source>Vandal, Frankish territory</source>
        <translation>Territoire vandale et franc</translation>
    </message>
    <message>
        <source>Marcommani territory</source>
        <translation>Territoire marcoman</translation>
    </message>
    <message>
        <source>Supports 1 legion</source>
        <translation>Entretient 1 légion</translation>
    </message>
    <message>
        <source>Romans</source>
        <translation>Romains</translation>
    </message>
    <message>
        <source>Germanic Tribes</source>
        <translation>Tribus germaniques</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sassanides</translation>
    </message>
    <message>
        <source>Rebelling Legions</source>
        <translation>Légions rebelles</translation>
    </message>
    <message>
        <source>Saxons</source>
        <translation>Saxons</translation>
    </message>
    <message>
        <source>Franks</source>
        <translation>Francs</translation>
    </message>
    <message>
        <source>Marcomanni</source>
        <translation>Marcomans</translation>
    </message>
    <message>
        <source>Goths</source>
        <translation>Goths</translation>
    </message>
    <message>
        <source>Vandals</source>
        <translation>Vandales</translation>
    </message>
    <message>
        <source>Ostrogoths</source>
        <translation>Ostrogoths</translation>
    </message>
    <message>
        <source>Visigoths</source>
        <translation>Wisigoths</translation>
    </message>
    <message>
        <source>Rhine legions</source>
        <translation>légions du Rhin</translation>
    </message>
    <message>
        <source>Danube legions</source>
        <translation>légions du Danube</translation>
    </message>
    <message>
        <source>Eastern legions</source>
        <translation>légions d’Orient</translation>
    </message>
    <message>
        <source>North african legions</source>
        <translation>légions d’Afrique du Nord</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>Tap a province on the map, or choose it here.</source>
        <translation>Touchez une province sur la carte, ou choisissez-la ici.</translation>
    </message>
    <message>
        <source>Held by</source>
        <translation>Tenue par</translation>
    </message>
    <message>
        <source>Legions</source>
        <translation>Légions</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scénario</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Trésor</translation>
    </message>
    <message>
        <source>Plague</source>
        <translation>Peste</translation>
    </message>
    <message>
        <source>Plague years</source>
        <translation>Années de peste</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Briefing</translation>
    </message>
    <message>
        <source>Loading the editor…</source>
        <translation>Chargement de l’éditeur…</translation>
    </message>
    <message>
        <source>New Scenario</source>
        <translation>Nouveau scénario</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Share as a Link</source>
        <translation>Partager un lien</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Back to the game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Anyone who opens this link plays your scenario:</source>
        <translation>Quiconque ouvre ce lien joue votre scénario&#xa0;:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The map: tap a province to edit it</source>
        <translation>La carte&#xa0;: touchez une province pour la modifier</translation>
    </message>
    <message>
        <source>One legion fewer</source>
        <translation>Une légion de moins</translation>
    </message>
    <message>
        <source>One legion more</source>
        <translation>Une légion de plus</translation>
    </message>
    <message>
        <source>Share as a link</source>
        <translation>Partager un lien</translation>
    </message>
    <message>
        <source>The link</source>
        <translation>Le lien</translation>
    </message>
    <message>
        <source>The Praetorian Prefect</source>
        <translation>Le préfet du prétoire</translation>
    </message>
    <message>
        <source>Aurovane Scenario Editor</source>
        <translation>Éditeur de scénarios d’Aurovane</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>End Year</source>
        <translation>Finir l’année</translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Provinces</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Loading Aurovane…</source>
        <translation>Chargement d’Aurovane…</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Continue Last Game</source>
        <translation>Reprendre la dernière partie</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Open in the Editor</source>
        <translation>Ouvrir dans l’éditeur</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Scénarios</translation>
    </message>
    <message>
        <source>Valerian (260 AD)</source>
        <translation>Valérien (260 apr. J.-C.)</translation>
    </message>
    <message>
        <source>Constantine (308 AD)</source>
        <translation>Constantin (308 apr. J.-C.)</translation>
    </message>
    <message>
        <source>Honorius (410 AD)</source>
        <translation>Honorius (410 apr. J.-C.)</translation>
    </message>
    <message>
        <source>Valentinian III (455 AD)</source>
        <translation>Valentinien III (455 apr. J.-C.)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histoire</translation>
    </message>
    <message>
        <source>Study Guide</source>
        <translation>Guide d’étude</translation>
    </message>
    <message>
        <source>Take Quiz</source>
        <translation>Faire le quiz</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>About …</source>
        <translation>À propos …</translation>
    </message>
    <message>
        <source>The map of the Roman Empire</source>
        <translation>La carte de l’Empire romain</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Niveau de difficulté</translation>
    </message>
    <message>
        <source>Aurovane</source>
        <translation>Aurovane</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Untitled scenario</source>
        <translation>Scénario sans titre</translation>
    </message>
    <message>
        <source>%1 AD</source>
        <translation>%1 apr. J.-C.</translation>
    </message>
    <message>
        <source>About Aurovane</source>
        <translation>À propos d’Aurovane</translation>
    </message>
    <message>
        <source>Year&apos;s News</source>
        <translation>Nouvelles de l’année</translation>
    </message>
    <message>
        <source>The year&apos;s news</source>
        <translation>Les nouvelles de l’année</translation>
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
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Un jeu de stratégie éducatif sur l’Empire romain tardif, de 235 à 476 apr. J.-C.</translation>
    </message>
    <message>
        <source>Design, rules and programming: the Aurovane team.</source>
        <translation>Conception, règles et programmation&#xa0;: l’équipe Aurovane.</translation>
    </message>
    <message>
        <source>Pictures: drawn by our own generators, every figure made in code.</source>
        <translation>Images&#xa0;: dessinées par nos propres générateurs, chaque figure créée par le code.</translation>
    </message>
    <message>
        <source>Sounds and narration: made for this game by the Aurovane team.</source>
        <translation>Sons et narration&#xa0;: créés pour ce jeu par l’équipe Aurovane.</translation>
    </message>
    <message>
        <source>Typeface: EB Garamond by Georg Duffner, SIL Open Font License 1.1.</source>
        <translation>Police&#xa0;: EB Garamond de Georg Duffner, SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Version 1.0. Vale, Princeps!</source>
        <translation>Version 1.0. Vale, Princeps&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>COMPUTER TURN</source>
        <translation>TOUR DE L’ORDINATEUR</translation>
    </message>
    <message>
        <source>235 – 476 AD</source>
        <translation>235 – 476 apr. J.-C.</translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire</source>
        <translation>Un jeu de stratégie éducatif sur l’Empire romain tardif</translation>
    </message>
    <message>
        <source>Hold the frontiers, keep the treasury, learn how Rome endured and fell</source>
        <translation>Tenez les frontières, gardez le trésor, apprenez comment Rome a duré puis est tombée</translation>
    </message>
    <message>
        <source>An educational strategy game of the late Roman Empire, 235 – 476 AD</source>
        <translation>Un jeu de stratégie éducatif sur l’Empire romain tardif, 235 – 476 apr. J.-C.</translation>
    </message>
    <message>
        <source>DESIGN, RULES AND PROGRAMMING</source>
        <translation>CONCEPTION, RÈGLES ET PROGRAMMATION</translation>
    </message>
    <message>
        <source>The Aurovane team</source>
        <translation>L’équipe Aurovane</translation>
    </message>
    <message>
        <source>PICTURES</source>
        <translation>IMAGES</translation>
    </message>
    <message>
        <source>Drawn by our own generators, every figure made in code</source>
        <translation>Dessinées par nos propres générateurs, chaque figure créée par le code</translation>
    </message>
    <message>
        <source>SOUNDS AND NARRATION</source>
        <translation>SONS ET NARRATION</translation>
    </message>
    <message>
        <source>Made for this game by the Aurovane team</source>
        <translation>Créés pour ce jeu par l’équipe Aurovane</translation>
    </message>
    <message>
        <source>TYPEFACE</source>
        <translation>POLICE</translation>
    </message>
    <message>
        <source>EB Garamond by Georg Duffner, SIL Open Font License 1.1</source>
        <translation>EB Garamond de Georg Duffner, SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Vale, Princeps!</source>
        <translation>Vale, Princeps&#xa0;!</translation>
    </message>
    <message>
        <source>RESULTS</source>
        <translation>RÉSULTATS</translation>
    </message>
    <message>
        <source>YOU SURVIVED:</source>
        <translation>VOUS AVEZ SURMONTÉ&#xa0;:</translation>
    </message>
    <message>
        <source>INVASIONS</source>
        <translation>INVASIONS</translation>
    </message>
    <message>
        <source>PLAGUES</source>
        <translation>ÉPIDÉMIES</translation>
    </message>
    <message>
        <source>REBELLIONS</source>
        <translation>RÉVOLTES</translation>
    </message>
    <message>
        <source>WELL DONE, PRINCEPS</source>
        <translation>BRAVO, PRINCEPS</translation>
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
        <translation>À propos d’Aurovane</translation>
    </message>
</context>
<context>
    <name>QuizDialog</name>
    <message>
        <source>Quiz: the Late Roman Empire</source>
        <translation>Quiz&#xa0;: l’Empire romain tardif</translation>
    </message>
    <message>
        <source>Check my answers</source>
        <translation>Vérifier mes réponses</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ScreenAccessible</name>
    <message>
        <source>The map of the Roman Empire</source>
        <translation>La carte de l’Empire romain</translation>
    </message>
    <message>
        <source>The provinces are a list; arrow keys or a name&apos;s first letters move the highlight, Enter takes the legions there up and Enter again sends them, Escape puts them down, E or Space ends the year.</source>
        <translation>Les provinces forment une liste&#xa0;: les flèches ou les premières lettres d’un nom déplacent la sélection, Entrée prend les légions qui s’y trouvent et Entrée à nouveau les envoie, Échap les repose, E ou Espace termine l’année.</translation>
    </message>
    <message>
        <source>End the year</source>
        <translation>Terminer l’année</translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Provinces</translation>
    </message>
    <message>
        <source>Legend.</source>
        <translation>Légende.</translation>
    </message>
    <message>
        <source>Information line: no province shown.</source>
        <translation>Ligne d’information&#xa0;: aucune province affichée.</translation>
    </message>
    <message>
        <source>No year&apos;s news shown.</source>
        <translation>Aucune nouvelle de l’année affichée.</translation>
    </message>
</context>
<context>
    <name>ScreenText</name>
    <message>
        <source>YEAR: %1 AD</source>
        <translation>ANNÉE&#xa0;: %1 apr. J.-C.</translation>
    </message>
    <message>
        <source>ECONOMIC REPORT</source>
        <translation>RAPPORT ÉCONOMIQUE</translation>
    </message>
    <message>
        <source>Tax Revenue: %1</source>
        <translation>Recettes fiscales&#xa0;: %1</translation>
    </message>
    <message>
        <source>Legion Cost: %1</source>
        <translation>Coût des légions&#xa0;: %1</translation>
    </message>
    <message>
        <source>Net: %1%2</source>
        <translation>Solde&#xa0;: %1%2</translation>
    </message>
    <message>
        <source>Treasury: %1</source>
        <translation>Trésor&#xa0;: %1</translation>
    </message>
    <message>
        <source>The Empire is out of money:</source>
        <translation>L’Empire n’a plus d’argent&#xa0;:</translation>
    </message>
    <message>
        <source>The legions are disbanding!</source>
        <translation>les légions se dispersent&#xa0;!</translation>
    </message>
    <message>
        <source>The Empire is suffering from a plague.</source>
        <translation>La peste frappe l’Empire.</translation>
    </message>
    <message>
        <source>Taxes are being collected</source>
        <translation>Les impôts sont perçus</translation>
    </message>
    <message>
        <source>Legions are being paid</source>
        <translation>Les légions sont payées</translation>
    </message>
    <message>
        <source>MILITARY REPORT</source>
        <translation>RAPPORT MILITAIRE</translation>
    </message>
    <message>
        <source>Province:</source>
        <translation>Province&#xa0;:</translation>
    </message>
    <message>
        <source>Tax value:</source>
        <translation>Valeur fiscale&#xa0;:</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Caractéristiques&#xa0;:</translation>
    </message>
    <message>
        <source>Province: %1</source>
        <translation>Province&#xa0;: %1</translation>
    </message>
    <message>
        <source>Attributes: %1</source>
        <translation>Caractéristiques&#xa0;: %1</translation>
    </message>
    <message>
        <source>Roman Legion</source>
        <translation>Légion romaine</translation>
    </message>
    <message>
        <source>Barbarians</source>
        <translation>Barbares</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sassanides</translation>
    </message>
    <message>
        <source>Rebelling Legion</source>
        <translation>Légion rebelle</translation>
    </message>
    <message>
        <source>Discard the current game?</source>
        <translation>Abandonner la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to discard the current game?</source>
        <translation>Voulez-vous vraiment abandonner la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>A legion moved from %1 to %2.</source>
        <translation>Une légion s’est déplacée&#xa0;: %1 → %2.</translation>
    </message>
    <message>
        <source>A legion occupied %1: no enemy defended it.</source>
        <translation>%1&#xa0;: une légion l’a occupée, aucun ennemi ne la défendait.</translation>
    </message>
    <message>
        <source>Victory: %1 is ours.</source>
        <translation>Victoire&#xa0;: la province est à nous (%1).</translation>
    </message>
    <message>
        <source>Our raid into %1 won the battle; the legion returns to %2.</source>
        <translation>%1&#xa0;: notre raid a remporté la bataille&#xa0;; la légion retourne à sa base (%2).</translation>
    </message>
    <message>
        <source>We won the battle in %1, but enemy legions still hold it.</source>
        <translation>%1&#xa0;: nous avons gagné la bataille, mais des légions ennemies tiennent toujours la province.</translation>
    </message>
    <message>
        <source>Our attack on %1 failed: one legion lost.</source>
        <translation>%1&#xa0;: notre attaque a échoué, une légion perdue.</translation>
    </message>
    <message>
        <source>A legion marches from %1 to %2.</source>
        <translation>Une légion est en marche&#xa0;: %1 → %2.</translation>
    </message>
    <message>
        <source>No order: no Roman legion in %1 can go.</source>
        <translation>Aucun ordre&#xa0;: aucune légion romaine ne peut partir (%1).</translation>
    </message>
    <message>
        <source>No order: the legions in %1 are already marching.</source>
        <translation>Aucun ordre&#xa0;: les légions sont déjà en marche (%1).</translation>
    </message>
    <message>
        <source>No order: the legions in %1 have already moved this year.</source>
        <translation>Aucun ordre&#xa0;: les légions ont déjà bougé cette année (%1).</translation>
    </message>
    <message>
        <source>No order: the legions already stand in %1. Choose another province.</source>
        <translation>Aucun ordre&#xa0;: les légions s’y trouvent déjà (%1). Choisissez une autre province.</translation>
    </message>
    <message>
        <source>Frontier closed: our legions enter %1 only to attack an enemy army there.</source>
        <translation>Frontière fermée&#xa0;: nos légions n’entrent sur ce territoire (%1) que pour y attaquer une armée ennemie.</translation>
    </message>
    <message>
        <source>Too far: %1 can be attacked only from a province next to it.</source>
        <translation>Trop loin&#xa0;: ce territoire (%1) ne peut être attaqué que depuis une province voisine.</translation>
    </message>
    <message>
        <source>No route: no way leads from %1 to %2.</source>
        <translation>Aucune route&#xa0;: impossible d’aller %1 → %2.</translation>
    </message>
    <message>
        <source>No order: press on one of your legions, then drag it to a province.</source>
        <translation>Aucun ordre&#xa0;: appuyez sur l’une de vos légions, puis faites-la glisser vers une province.</translation>
    </message>
    <message>
        <source>No order: there is no province there. Drop the legion on a province.</source>
        <translation>Aucun ordre&#xa0;: il n’y a pas de province à cet endroit. Déposez la légion sur une province.</translation>
    </message>
    <message>
        <source>Undo the order from %1 to %2</source>
        <translation>Annuler l’ordre %1 → %2</translation>
    </message>
    <message>
        <source>Order taken back: the legion sent from %1 to %2 stands in %1 again.</source>
        <translation>Ordre annulé&#xa0;: la légion envoyée (%1 → %2) est revenue à son point de départ (%1).</translation>
    </message>
    <message>
        <source>No order of this year is left to take back.</source>
        <translation>Il ne reste aucun ordre de cette année à annuler.</translation>
    </message>
    <message>
        <source>The last order cannot be taken back: its battle has been fought.</source>
        <translation>Le dernier ordre ne peut pas être annulé&#xa0;: sa bataille a été livrée.</translation>
    </message>
    <message>
        <source>The last order cannot be taken back: the advisor has told you what it brought.</source>
        <translation>Le dernier ordre ne peut pas être annulé&#xa0;: le conseiller vous en a déjà annoncé le résultat.</translation>
    </message>
    <message>
        <source>The game goes on from the newest one that loads, %1 AD.</source>
        <translation>La partie reprend à partir de la plus récente qui se charge, %1 apr. J.-C.</translation>
    </message>
    <message>
        <source>Quit now? The orders you gave this year will be lost.</source>
        <translation>Quitter maintenant&#xa0;? Les ordres donnés cette année seront perdus.</translation>
    </message>
    <message>
        <source>The game could not be saved.</source>
        <translation>La partie n’a pas pu être sauvegardée.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Le fichier n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>This is not an Aurovane saved game.</source>
        <translation>Ce n’est pas une partie sauvegardée d’Aurovane.</translation>
    </message>
    <message>
        <source>This saved game is cut short: its end is missing.</source>
        <translation>Cette partie sauvegardée est incomplète&#xa0;: sa fin manque.</translation>
    </message>
    <message>
        <source>This saved game is damaged and cannot be loaded.</source>
        <translation>Cette partie sauvegardée est endommagée et ne peut pas être chargée.</translation>
    </message>
    <message>
        <source>YOUR REIGN SAW:</source>
        <translation>VOTRE RÈGNE A CONNU&#xa0;:</translation>
    </message>
    <message>
        <source>THE EMPIRE HAS FALLEN</source>
        <translation>L’EMPIRE EST TOMBÉ</translation>
    </message>
    <message>
        <source>Legion creation and tax collection are slowed!</source>
        <translation>La levée des légions et la perception des impôts sont ralenties&#xa0;!</translation>
    </message>
    <message>
        <source>Free land, held by no one.</source>
        <translation>Terre libre, à personne.</translation>
    </message>
    <message>
        <source>Held by Rome.</source>
        <translation>Tenue par Rome.</translation>
    </message>
    <message>
        <source>Held by the barbarians.</source>
        <translation>Tenue par les barbares.</translation>
    </message>
    <message>
        <source>Held by the Sassanids.</source>
        <translation>Tenue par les Sassanides.</translation>
    </message>
    <message>
        <source>Held by the rebels.</source>
        <translation>Tenue par les rebelles.</translation>
    </message>
    <message>
        <source>Roman legions: %1 ready of %2.</source>
        <translation>Légions romaines&#xa0;: %1 prêtes sur %2.</translation>
    </message>
    <message>
        <source>Barbarian legions: %1.</source>
        <translation>Légions barbares&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Sassanid legions: %1.</source>
        <translation>Légions sassanides&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Rebel legions: %1.</source>
        <translation>Légions rebelles&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No legions.</source>
        <translation>Aucune légion.</translation>
    </message>
    <message>
        <source>No tax.</source>
        <translation>Aucun impôt.</translation>
    </message>
    <message>
        <source>Tax value: %1 of 4.</source>
        <translation>Valeur fiscale&#xa0;: %1 sur 4.</translation>
    </message>
    <message>
        <source>Attributes: %1.</source>
        <translation>Caractéristiques&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Marches to: %1.</source>
        <translation>Mène vers&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Rome&apos;s provinces: the plain map.</source>
        <translation>Provinces de Rome&#xa0;: la carte sans motif.</translation>
    </message>
    <message>
        <source>Free land: white, with dots.</source>
        <translation>Terre libre&#xa0;: blanc, à points.</translation>
    </message>
    <message>
        <source>Barbarians: yellow, with lines rising to the right.</source>
        <translation>Barbares&#xa0;: jaune, à lignes montant vers la droite.</translation>
    </message>
    <message>
        <source>Sassanids: purple, with crossed lines.</source>
        <translation>Sassanides&#xa0;: violet, à lignes croisées.</translation>
    </message>
    <message>
        <source>Rebels: white, with level stripes.</source>
        <translation>Rebelles&#xa0;: blanc, à rayures horizontales.</translation>
    </message>
    <message>
        <source>The number next to a legion figure tells how many legions are in that province; ready/total when some Roman legions there have moved.</source>
        <translation>Le nombre à côté d’une figure de légion indique combien de légions se trouvent dans la province&#xa0;; prêtes/total quand des légions romaines y ont déjà bougé.</translation>
    </message>
    <message>
        <source>You survived the crisis. Your reign saw:</source>
        <translation>Vous avez surmonté la crise. Votre règne a connu&#xa0;:</translation>
    </message>
    <message>
        <source>Invasions: %1.</source>
        <translation>Invasions&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Plagues: %1.</source>
        <translation>Épidémies&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Rebellions: %1.</source>
        <translation>Révoltes&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Free land</source>
        <translation>Terre libre</translation>
    </message>
    <message>
        <source>The legions of %1 taken up: choose where they march; Escape puts them down.</source>
        <translation>Légions prises (%1)&#xa0;: choisissez où elles marchent&#xa0;; Échap les repose.</translation>
    </message>
    <message>
        <source>Attributes: %1 (friendly).</source>
        <translation>Caractéristiques&#xa0;: %1 (amical).</translation>
    </message>
    <message>
        <source>Attributes: %1 (hostile).</source>
        <translation>Caractéristiques&#xa0;: %1 (hostile).</translation>
    </message>
    <message>
        <source>Attributes: %1 (friendly)</source>
        <translation>Caractéristiques&#xa0;: %1 (amical)</translation>
    </message>
    <message>
        <source>Attributes: %1 (hostile)</source>
        <translation>Caractéristiques&#xa0;: %1 (hostile)</translation>
    </message>
    <message>
        <source>The number next to an icon indicates how many legions are in that province</source>
        <translation>Le nombre à côté d’une icône indique combien de légions se trouvent dans la province</translation>
    </message>
    <message>
        <source>Instructions: Left-click and drag to move legions. Right click to advance the game turn</source>
        <translation>Instructions&#xa0;: cliquez-glissez avec le bouton gauche pour déplacer les légions. Clic droit pour passer au tour suivant.</translation>
    </message>
    <message>
        <source>CONSTANTINOPLE</source>
        <translation>CONSTANTINOPLE</translation>
    </message>
    <message>
        <source>LEGEND</source>
        <translation>LÉGENDE</translation>
    </message>
    <message>
        <source>Instructions: Drag a legion, or long press it and tap where it goes. Tap End Year to advance the game turn</source>
        <translation>Mode d’emploi&#xa0;: faites glisser une légion, ou appuyez longuement dessus puis touchez sa destination. «&#xa0;Finir l’année&#xa0;» fait avancer le tour.</translation>
    </message>
    <message numerus="yes">
        <source>The %n newest kept games could not be loaded:</source>
        <translation>
            <numerusform>La partie conservée la plus récente n’a pas pu être chargée&#xa0;:</numerusform>
            <numerusform>Les %n parties conservées les plus récentes n’ont pas pu être chargées&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n kept games can be loaded; the current game goes on:</source>
        <translation>
            <numerusform>La partie conservée ne peut pas être chargée&#xa0;; la partie en cours continue&#xa0;:</numerusform>
            <numerusform>Aucune des %n parties conservées ne peut être chargée&#xa0;; la partie en cours continue&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The Empire can support %n legions</source>
        <translation>
            <numerusform>L’Empire peut entretenir %n légion</numerusform>
            <numerusform>L’Empire peut entretenir %n légions</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message numerus="yes">
        <source>%n Roman legion(s)</source>
        <translation>
            <numerusform>%n légion romaine</numerusform>
            <numerusform>%n légions romaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Germanic legion(s)</source>
        <translation>
            <numerusform>%n légion germanique</numerusform>
            <numerusform>%n légions germaniques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Sassanid legion(s)</source>
        <translation>
            <numerusform>%n légion sassanide</numerusform>
            <numerusform>%n légions sassanides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rebel legion(s)</source>
        <translation>
            <numerusform>%n légion rebelle</numerusform>
            <numerusform>%n légions rebelles</numerusform>
        </translation>
    </message>
    <message>
        <source>move or attack with one legion from FROM into TO, or send it marching</source>
        <translation>déplacer une légion de FROM vers TO ou attaquer avec elle, ou l’envoyer en marche</translation>
    </message>
    <message>
        <source>take back the last order of this year, when it fought no battle</source>
        <translation>annuler le dernier ordre de l’année, s’il n’a livré aucune bataille</translation>
    </message>
    <message>
        <source>end the turn (also: e)</source>
        <translation>finir le tour (aussi&#xa0;: e)</translation>
    </message>
    <message>
        <source>every province: its holder, legions and neighbours (also: provinces)</source>
        <translation>toutes les provinces&#xa0;: qui les tient, leurs légions et leurs voisines (aussi&#xa0;: provinces)</translation>
    </message>
    <message>
        <source>the year, the treasury and the latest news</source>
        <translation>l’année, le trésor et les dernières nouvelles</translation>
    </message>
    <message>
        <source>start a new game in 235 AD</source>
        <translation>commencer une nouvelle partie en 235 apr. J.-C.</translation>
    </message>
    <message>
        <source>start a scenario: 260, 308, 410 or 455</source>
        <translation>commencer un scénario&#xa0;: 260, 308, 410 ou 455</translation>
    </message>
    <message>
        <source>0 easy, 1 normal, 2 hard</source>
        <translation>0 facile, 1 normal, 2 difficile</translation>
    </message>
    <message>
        <source>save the game; load FILE loads one</source>
        <translation>enregistrer la partie&#xa0;; load FILE en charge une</translation>
    </message>
    <message>
        <source>the People&apos;s Front of Judea rises in Palestina</source>
        <translation>le Front du peuple de Judée se soulève en Palestine</translation>
    </message>
    <message>
        <source>the whole position as one line of JSON</source>
        <translation>toute la position sur une ligne de JSON</translation>
    </message>
    <message>
        <source>this list; quit ends the program</source>
        <translation>cette liste&#xa0;; quit quitte le programme</translation>
    </message>
    <message>
        <source>Orders (province names in any case; a unique beginning is enough; &apos;_&apos; for blanks):</source>
        <translation>Ordres (noms de province en majuscules ou en minuscules&#xa0;; un début qui ne désigne qu’une province suffit&#xa0;; «&#xa0;_&#xa0;» pour les espaces)&#xa0;:</translation>
    </message>
    <message>
        <source> (%1 ready)</source>
        <translation> (prêtes&#xa0;: %1)</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>personne</translation>
    </message>
    <message>
        <source>no legions</source>
        <translation>aucune légion</translation>
    </message>
    <message>
        <source>%1: %2; %3.</source>
        <translation>%1&#xa0;: %2&#xa0;; %3.</translation>
    </message>
    <message>
        <source>%1: %2; %3; %4</source>
        <translation>%1&#xa0;: %2&#xa0;; %3&#xa0;; %4</translation>
    </message>
    <message>
        <source>next to %1</source>
        <translation>voisine de %1</translation>
    </message>
    <message>
        <source>Year %1 AD. Treasury %2 sesterces; last year&apos;s taxes %3, upkeep %4.</source>
        <translation>An %1 apr. J.-C. Trésor&#xa0;: %2 sesterces&#xa0;; impôts de l’an passé %3, entretien %4.</translation>
    </message>
    <message>
        <source>The empire holds %1 and %2; it can support %3.</source>
        <translation>L’Empire compte %1 et %2&#xa0;; il peut en entretenir %3.</translation>
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
            <numerusform>%n légion</numerusform>
            <numerusform>%n légions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Plague! It will last %n more year(s).</source>
        <translation>
            <numerusform>La peste&#xa0;! Elle sévira encore %n an.</numerusform>
            <numerusform>La peste&#xa0;! Elle sévira encore %n ans.</numerusform>
        </translation>
    </message>
    <message>
        <source>News:</source>
        <translation>Nouvelles&#xa0;:</translation>
    </message>
    <message>
        <source>Answer y (yes) or n (no): </source>
        <translation>Répondez y (oui) ou n (non)&#xa0;: </translation>
    </message>
    <message>
        <source>Answer y for %1 or n for %2: </source>
        <translation>Répondez y pour «&#xa0;%1&#xa0;» ou n pour «&#xa0;%2&#xa0;»&#xa0;: </translation>
    </message>
    <message>
        <source>Yes.</source>
        <translation>Oui.</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Non.</translation>
    </message>
    <message>
        <source>Battle: troops from %1 attack %2.</source>
        <translation>Bataille&#xa0;: des troupes venues de %1 attaquent %2.</translation>
    </message>
    <message>
        <source>We lost a legion in %1.</source>
        <translation>%1&#xa0;: nous avons perdu une légion.</translation>
    </message>
    <message>
        <source>The %1 lost a legion in %2.</source>
        <translation>%2&#xa0;: les %1 perdent une légion.</translation>
    </message>
    <message>
        <source>News: %1</source>
        <translation>Nouvelle&#xa0;: %1</translation>
    </message>
    <message>
        <source>History lesson: %1 (%2)</source>
        <translation>Leçon d’histoire&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>You survived %1, %2 and %3. Well done, Princeps.</source>
        <translation>Vous avez survécu à %1, %2 et %3. Bravo, Princeps.</translation>
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
            <numerusform>%n épidémie de peste</numerusform>
            <numerusform>%n épidémies de peste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rebellion(s)</source>
        <translation>
            <numerusform>%n rébellion</numerusform>
            <numerusform>%n rébellions</numerusform>
        </translation>
    </message>
    <message>
        <source>A new game begins in 235 AD.</source>
        <translation>Une nouvelle partie commence en 235 apr. J.-C.</translation>
    </message>
    <message>
        <source>Vale, Princeps.</source>
        <translation>Vale, Princeps.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>Error: could not save &quot;%1&quot;: %2</source>
        <translation>Erreur&#xa0;: impossible d’enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Error: could not load &quot;%1&quot;: %2</source>
        <translation>Erreur&#xa0;: impossible de charger «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: we won and took it.</source>
        <translation>%1&#xa0;: nous avons vaincu et pris la province.</translation>
    </message>
    <message>
        <source>%1: we won and took it from the %2.</source>
        <translation>%1&#xa0;: nous avons vaincu et pris la province aux %2.</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it.</source>
        <translation>%1&#xa0;: les %2 ont vaincu et pris la province.</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it from us.</source>
        <translation>%1&#xa0;: les %2 ont vaincu et nous ont pris la province.</translation>
    </message>
    <message>
        <source>%1: the %2 won and took it from the %3.</source>
        <translation>%1&#xa0;: les %2 ont vaincu et pris la province aux %3.</translation>
    </message>
    <message>
        <source>%1: we won, but nobody still hold it.</source>
        <translation>%1&#xa0;: nous avons vaincu, mais la province reste sans maître.</translation>
    </message>
    <message>
        <source>%1: we won, but the %2 still hold it.</source>
        <translation>%1&#xa0;: nous avons vaincu, mais les %2 tiennent toujours la province.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but nobody still hold it.</source>
        <translation>%1&#xa0;: les %2 ont vaincu, mais la province reste sans maître.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but we still hold it.</source>
        <translation>%1&#xa0;: les %2 ont vaincu, mais nous tenons toujours la province.</translation>
    </message>
    <message>
        <source>%1: the %2 won, but the %3 still hold it.</source>
        <translation>%1&#xa0;: les %2 ont vaincu, mais les %3 tiennent toujours la province.</translation>
    </message>
    <message>
        <source>%1: we won and threw back the %2.</source>
        <translation>%1&#xa0;: nous avons vaincu et repoussé les %2.</translation>
    </message>
    <message>
        <source>%1: nobody won and threw back the %2.</source>
        <translation>%1&#xa0;: l’attaque des %2 a été repoussée.</translation>
    </message>
    <message>
        <source>%1: the %2 won and threw back us.</source>
        <translation>%1&#xa0;: les %2 ont vaincu et nous ont repoussés.</translation>
    </message>
    <message>
        <source>%1: the %2 won and threw back the %3.</source>
        <translation>%1&#xa0;: les %2 ont vaincu et repoussé les %3.</translation>
    </message>
    <message>
        <source>Battles as the year ended:</source>
        <translation>Batailles de la fin de l’année&#xa0;:</translation>
    </message>
    <message>
        <source>Game saved.</source>
        <translation>Partie enregistrée.</translation>
    </message>
    <message>
        <source>%1 AD &gt; </source>
        <translation>%1 apr. J.-C. &gt; </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 could be %2</source>
        <translation>%1 peut désigner %2</translation>
    </message>
    <message>
        <source>no province called %1</source>
        <translation>aucune province ne s’appelle %1</translation>
    </message>
    <message>
        <source>no province called %1; did you mean %2?</source>
        <translation>aucune province ne s’appelle %1&#xa0;; vouliez-vous dire %2&#xa0;?</translation>
    </message>
    <message>
        <source>Ave, Princeps! It is 235 AD. Type help for the list of orders.</source>
        <translation>Ave, Princeps&#xa0;! Nous sommes en 235 apr. J.-C. Tapez help pour la liste des ordres.</translation>
    </message>
    <message>
        <source>Incomplete order: type %1.</source>
        <translation>Ordre incomplet&#xa0;: tapez %1.</translation>
    </message>
    <message>
        <source>Unknown order: %1 (type help for the list)</source>
        <translation>Ordre inconnu&#xa0;: %1 (tapez help pour la liste)</translation>
    </message>
    <message>
        <source>There is no scenario %1: try 260, 308, 410 or 455.</source>
        <translation>Il n’y a pas de scénario %1&#xa0;: essayez 260, 308, 410 ou 455.</translation>
    </message>
    <message>
        <source>There is no skill level %1: type skill 0 (easy), 1 (normal) or 2 (hard).</source>
        <translation>Il n’y a pas de niveau %1&#xa0;: tapez skill 0 (facile), 1 (normal) ou 2 (difficile).</translation>
    </message>
    <message>
        <source>Please answer y or n: </source>
        <translation>Répondez y ou n, s’il vous plaît&#xa0;: </translation>
    </message>
    <message>
        <source>paragraphs and prompts for a person (the default at a terminal)</source>
        <translation>des paragraphes et des invites pour une personne (par défaut dans un terminal)</translation>
    </message>
    <message>
        <source>one line per event, for scripts (the default otherwise)</source>
        <translation>une ligne par événement, pour les scripts (par défaut sinon)</translation>
    </message>
    <message>
        <source>the language of --plain (the default: LC_ALL, LC_MESSAGES or LANG); --protocol is always English</source>
        <translation>la langue de --plain (par défaut&#xa0;: LC_ALL, LC_MESSAGES ou LANG)&#xa0;; --protocol est toujours en anglais</translation>
    </message>
    <message>
        <source>%1 (friendly)</source>
        <translation>%1 (amical)</translation>
    </message>
    <message>
        <source>%1 (hostile)</source>
        <translation>%1 (hostile)</translation>
    </message>
</context>
<context>
    <name>YearSummary</name>
    <message>
        <source>Rome</source>
        <translation>Rome</translation>
    </message>
    <message>
        <source>the rebels</source>
        <translation>les rebelles</translation>
    </message>
    <message>
        <source>the Germanic tribes</source>
        <translation>les tribus germaniques</translation>
    </message>
    <message>
        <source>the Sassanids</source>
        <translation>les Sassanides</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>personne</translation>
    </message>
    <message>
        <source>The year %1 AD</source>
        <translation>L’an %1 apr. J.-C.</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alertes</translation>
    </message>
    <message numerus="yes">
        <source>%n invasion(s) cross the frontier</source>
        <translation>
            <numerusform>%n invasion franchit la frontière</numerusform>
            <numerusform>%n invasions franchissent la frontière</numerusform>
        </translation>
    </message>
    <message>
        <source>Plague breaks out in the Empire</source>
        <translation>La peste éclate dans l’Empire</translation>
    </message>
    <message>
        <source>The plague still rages</source>
        <translation>La peste fait toujours rage</translation>
    </message>
    <message numerus="yes">
        <source>%n province(s) revolt</source>
        <translation>
            <numerusform>%n province se révolte</numerusform>
            <numerusform>%n provinces se révoltent</numerusform>
        </translation>
    </message>
    <message>
        <source>Battles</source>
        <translation>Batailles</translation>
    </message>
    <message>
        <source>%1: taken by %2 from %3</source>
        <translation>%1&#xa0;: prise par %2 (auparavant&#xa0;: %3)</translation>
    </message>
    <message>
        <source>%1: %2 beat %3, who hold on</source>
        <translation>%1&#xa0;: bataille gagnée par %2&#xa0;; défenseurs maintenus&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: %2 threw back %3</source>
        <translation>%1&#xa0;: assaut repoussé par %2 (assaillants&#xa0;: %3)</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more battle(s)</source>
        <translation>
            <numerusform>… et %n autre bataille</numerusform>
            <numerusform>… et %n autres batailles</numerusform>
        </translation>
    </message>
    <message>
        <source>Provinces</source>
        <translation>Provinces</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gagnées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lost: %1</source>
        <translation>Perdues&#xa0;: %1</translation>
    </message>
    <message>
        <source>Legions</source>
        <translation>Légions</translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) raised.</source>
        <translation>
            <numerusform>%n légion levée.</numerusform>
            <numerusform>%n légions levées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) fell in battle.</source>
        <translation>
            <numerusform>%n légion est tombée au combat.</numerusform>
            <numerusform>%n légions sont tombées au combat.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) disbanded or deserted.</source>
        <translation>
            <numerusform>%n légion dissoute ou passée à l’ennemi.</numerusform>
            <numerusform>%n légions dissoutes ou passées à l’ennemi.</numerusform>
        </translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Aucun changement.</translation>
    </message>
    <message numerus="yes">
        <source>%n legion(s) under arms.</source>
        <translation>
            <numerusform>%n légion sous les armes.</numerusform>
            <numerusform>%n légions sous les armes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Trésor</translation>
    </message>
    <message>
        <source>Taxes %1</source>
        <translation>Impôts %1</translation>
    </message>
    <message>
        <source>Settlers %1</source>
        <translation>Colons %1</translation>
    </message>
    <message>
        <source>Legions&apos; pay %1</source>
        <translation>Solde des légions %1</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Prime %1</translation>
    </message>
    <message>
        <source>Tribute for peace %1</source>
        <translation>Tribut pour la paix %1</translation>
    </message>
    <message>
        <source>Plundered %1</source>
        <translation>Pillé %1</translation>
    </message>
    <message>
        <source>Treasury %1 (%2)</source>
        <translation>Trésor %1 (%2)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Click or press a key to go on — Options &gt; Year&apos;s News switches this off</source>
        <translation>Cliquez ou appuyez sur une touche pour continuer — Options &gt; Nouvelles de l’année désactive ce panneau</translation>
    </message>
</context>
<context>
    <name>editor::BriefingDialog</name>
    <message>
        <source>Title and Briefing</source>
        <translation>Titre et briefing</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Briefing:</source>
        <translation>&amp;Briefing&#xa0;:</translation>
    </message>
    <message>
        <source>The Prefect reads the briefing to the player when the scenario is opened in the game. Leave it empty for none.</source>
        <translation>Le préfet lit le briefing au joueur quand le scénario est ouvert dans le jeu. Laissez-le vide pour ne rien lire.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The briefing is %1 characters long; it may hold at most %2.</source>
        <translation>Le briefing compte %1 caractères&#xa0;; il peut en contenir au plus %2.</translation>
    </message>
</context>
<context>
    <name>editor::EditorWindow</name>
    <message>
        <source>Romans</source>
        <translation>Romains</translation>
    </message>
    <message>
        <source>Barbarians</source>
        <translation>Barbares</translation>
    </message>
    <message>
        <source>Sassanids</source>
        <translation>Sassanides</translation>
    </message>
    <message>
        <source>Rebelling Legions</source>
        <translation>Légions rebelles</translation>
    </message>
    <message>
        <source>No one</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sauvegarder</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Scenario</source>
        <translation>&amp;Scénario</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos ...</translation>
    </message>
    <message>
        <source>Add Legion</source>
        <translation>Ajouter une légion</translation>
    </message>
    <message>
        <source>Delete Legion</source>
        <translation>Supprimer une légion</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Scenario saved</source>
        <translation>Scénario sauvegardé</translation>
    </message>
    <message>
        <source>About Aurovane Editor</source>
        <translation>À propos de l’éditeur Aurovane</translation>
    </message>
    <message>
        <source>Year: %1 AD</source>
        <translation>Année&#xa0;: %1 apr. J.-C.</translation>
    </message>
    <message>
        <source>Treasury: %1</source>
        <translation>Trésor&#xa0;: %1</translation>
    </message>
    <message>
        <source>Revenue: %1</source>
        <translation>Recettes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Expenses: %1</source>
        <translation>Dépenses&#xa0;: %1</translation>
    </message>
    <message>
        <source>Net: %1</source>
        <translation>Solde&#xa0;: %1</translation>
    </message>
    <message>
        <source>SCENARIO EDITOR</source>
        <translation>ÉDITEUR DE SCÉNARIOS</translation>
    </message>
    <message>
        <source>Province: %1    Held by: %2    Legions: %3</source>
        <translation>Province&#xa0;: %1    Tenue par&#xa0;: %2    Légions&#xa0;: %3</translation>
    </message>
    <message>
        <source>The Aurovane scenario editor.</source>
        <translation>L’éditeur de scénarios d’Aurovane.</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Charger...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Sauvegarder s&amp;ous...</translation>
    </message>
    <message>
        <source>&amp;Play this Scenario</source>
        <translation>&amp;Jouer ce scénario</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>Ne rien sé&amp;lectionner</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Title and Briefing...</source>
        <translation>&amp;Titre et briefing...</translation>
    </message>
    <message>
        <source>Editor &amp;Help</source>
        <translation>&amp;Aide de l’éditeur</translation>
    </message>
    <message>
        <source>Change of Holder</source>
        <translation>Changement de détenteur</translation>
    </message>
    <message>
        <source>Add Legions</source>
        <translation>Ajouter des légions</translation>
    </message>
    <message>
        <source>Remove Legions</source>
        <translation>Retirer des légions</translation>
    </message>
    <message>
        <source>&amp;Owner</source>
        <translation>&amp;Détenteur</translation>
    </message>
    <message>
        <source>&amp;Add Legion</source>
        <translation>&amp;Ajouter une légion</translation>
    </message>
    <message>
        <source>&amp;Delete Legion</source>
        <translation>&amp;Supprimer une légion</translation>
    </message>
    <message>
        <source>%1[*] - Aurovane Editor</source>
        <translation>%1[*] - Éditeur Aurovane</translation>
    </message>
    <message>
        <source>New scenario</source>
        <translation>Nouveau scénario</translation>
    </message>
    <message>
        <source>The scenario has changes that are not saved. Throw them away?</source>
        <translation>Le scénario comporte des modifications non sauvegardées. Les abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Continuer l’édition</translation>
    </message>
    <message>
        <source>Play this Scenario</source>
        <translation>Jouer ce scénario</translation>
    </message>
    <message>
        <source>The game program was not found beside the editor (looked for %1). Save the scenario and open it in the game with File &gt; Load.</source>
        <translation>Le programme du jeu est introuvable à côté de l’éditeur (recherché&#xa0;: %1). Sauvegardez le scénario et ouvrez-le dans le jeu avec Fichier &gt; Charger.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>The game program %1 could not be started.</source>
        <translation>Le programme du jeu %1 n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Scenario Options</source>
        <translation>Options du scénario</translation>
    </message>
    <message>
        <source>Title and Briefing</source>
        <translation>Titre et briefing</translation>
    </message>
    <message>
        <source>Arrow keys move the highlighted province; Shift with an arrow adds the next one to the selection. R, B, S, L and N give the selection to Rome, the barbarians, the Sassanids, the rebelling legions or no one; + and - add or remove a legion; the menu key opens the selection&apos;s menu.</source>
        <translation>Les flèches déplacent la province en surbrillance&#xa0;; Maj avec une flèche ajoute la suivante à la sélection. R, B, S, L et N donnent la sélection à Rome, aux barbares, aux Sassanides, aux légions rebelles ou à personne&#xa0;; + et - ajoutent ou retirent une légion&#xa0;; la touche Menu ouvre le menu de la sélection.</translation>
    </message>
    <message>
        <source>Map: %1</source>
        <translation>Carte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Map: no province selected</source>
        <translation>Carte&#xa0;: aucune province sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
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
        <translation>Éditeur Aurovane, version 1.0.</translation>
    </message>
    <message>
        <source>Welcome to the map editor! You can use this tool to create custom scenarios. To set the owner for a province or to add legions to a province, right-click on that province, then choose from its menu. Other game options can be set from Options in the Scenario menu. When you have finished, save your scenario, then open it in the game.</source>
        <translation>Bienvenue dans l’éditeur de carte&#xa0;! Cet outil vous permet de créer vos propres scénarios. Pour choisir le détenteur d’une province ou y ajouter des légions, faites un clic droit sur la province, puis choisissez dans son menu. Les autres options de jeu se règlent dans Options du menu Scénario. Quand vous avez terminé, sauvegardez votre scénario, puis ouvrez-le dans le jeu.</translation>
    </message>
    <message>
        <source>Click a province to select it; Shift- or Ctrl-click, or drag a band, to select more.</source>
        <translation>Cliquez sur une province pour la sélectionner&#xa0;; Maj-clic, Ctrl-clic ou un cadre tiré à la souris en sélectionnent davantage.</translation>
    </message>
    <message>
        <source>Right-click, or use the panel, to set their holder and legions.</source>
        <translation>Clic droit, ou le panneau, pour fixer leur détenteur et leurs légions.</translation>
    </message>
    <message>
        <source>Year, treasury and plague, title and briefing: the Scenario menu.</source>
        <translation>Année, trésor et peste, titre et briefing&#xa0;: le menu Scénario.</translation>
    </message>
    <message>
        <source>F5 plays the scenario in the game. F1 for help; Ctrl+Z undoes.</source>
        <translation>F5 joue le scénario dans le jeu. F1 pour l’aide&#xa0;; Ctrl+Z annule.</translation>
    </message>
    <message>
        <source>no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the editor window cannot open.</source>
        <translation>aucun écran n’est disponible (ni DISPLAY ni WAYLAND_DISPLAY n’est défini)&#xa0;: la fenêtre de l’éditeur ne peut pas s’ouvrir.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;: en, de, fr, it or es.</source>
        <translation>Parler la langue &lt;code&gt;&#xa0;: en, de, fr, it ou es.</translation>
    </message>
</context>
<context>
    <name>editor::HelpDialog</name>
    <message>
        <source>&lt;h2&gt;The Aurovane scenario editor&lt;/h2&gt;&lt;p&gt;A scenario is a starting position for the game: who holds each province, how many legions stand where, the year, the treasury and the plague, with a title and a briefing for the player.&lt;/p&gt;&lt;h3&gt;Choosing provinces&lt;/h3&gt;&lt;p&gt;Click a province to select it. Shift-click or Ctrl-click adds a province to the selection or takes it out. Drag across the map to select every province the band touches (with Shift or Ctrl, they are added). Click the sea to select nothing. The list on the right selects too: use the arrow keys, Shift and Ctrl as in any list. Edit &amp;gt; Select All (Ctrl+A) takes every province.&lt;/p&gt;&lt;h3&gt;Holders and legions&lt;/h3&gt;&lt;p&gt;Choose the holder on the right and press &lt;b&gt;Set holder&lt;/b&gt;, or right-click a selected province and use the Owner menu: every selected province changes hands at once. A province that changes hands loses the legions of its old holder. The seven frontier lands beyond the Rhine, the Danube and the Euphrates keep their holders.&lt;/p&gt;&lt;p&gt;Set the number of legions and press &lt;b&gt;Add&lt;/b&gt; or &lt;b&gt;Remove&lt;/b&gt;: each selected province gains or loses that many legions of its holder (at most %1 at a time). A province without a holder takes no legions.&lt;/p&gt;&lt;h3&gt;The year, the treasury and the plague&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Options. The year may be from %2 to %3 AD: the game decides the fate of the West as 476 begins, so a scenario must start before it. The treasury must be above 0.&lt;/p&gt;&lt;h3&gt;Title and briefing&lt;/h3&gt;&lt;p&gt;Scenario &amp;gt; Title and Briefing. When the scenario is opened in the game, the Prefect reads the briefing to the player.&lt;/p&gt;&lt;h3&gt;Undo&lt;/h3&gt;&lt;p&gt;Edit &amp;gt; Undo (Ctrl+Z) takes back the last change; Edit &amp;gt; Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. The title bar shows an asterisk while there are changes not yet saved.&lt;/p&gt;&lt;h3&gt;Saving and trying&lt;/h3&gt;&lt;p&gt;File &amp;gt; Save (Ctrl+S) and Save As (Ctrl+Shift+S) write the scenario; open it in the game with File &amp;gt; Load. File &amp;gt; Play this Scenario (F5) starts the game with the scenario as it stands, saved or not.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;L’éditeur de scénarios d’Aurovane&lt;/h2&gt;&lt;p&gt;Un scénario est une position de départ pour le jeu&#xa0;: qui détient chaque province, combien de légions se trouvent où, l’année, le trésor et la peste, avec un titre et un briefing pour le joueur.&lt;/p&gt;&lt;h3&gt;Choisir des provinces&lt;/h3&gt;&lt;p&gt;Cliquez sur une province pour la sélectionner. Maj-clic ou Ctrl-clic ajoute une province à la sélection ou l’en retire. Tirez un cadre sur la carte pour sélectionner toutes les provinces qu’il touche (avec Maj ou Ctrl, elles sont ajoutées). Cliquez sur la mer pour ne rien sélectionner. La liste de droite sélectionne aussi&#xa0;: utilisez les flèches, Maj et Ctrl comme dans toute liste. Édition &amp;gt; Tout sélectionner (Ctrl+A) prend toutes les provinces.&lt;/p&gt;&lt;h3&gt;Détenteurs et légions&lt;/h3&gt;&lt;p&gt;Choisissez le détenteur à droite et appuyez sur &lt;b&gt;Fixer le détenteur&lt;/b&gt;, ou faites un clic droit sur une province sélectionnée et utilisez le menu Détenteur&#xa0;: toutes les provinces sélectionnées changent de mains d’un coup. Une province qui change de mains perd les légions de son ancien détenteur. Les sept territoires frontaliers au-delà du Rhin, du Danube et de l’Euphrate gardent leurs détenteurs.&lt;/p&gt;&lt;p&gt;Réglez le nombre de légions et appuyez sur &lt;b&gt;Ajouter&lt;/b&gt; ou &lt;b&gt;Retirer&lt;/b&gt;&#xa0;: chaque province sélectionnée gagne ou perd autant de légions de son détenteur (au plus %1 à la fois). Une province sans détenteur ne reçoit pas de légions.&lt;/p&gt;&lt;h3&gt;L’année, le trésor et la peste&lt;/h3&gt;&lt;p&gt;Scénario &amp;gt; Options. L’année peut aller de %2 à %3 apr. J.-C.&#xa0;: le jeu décide du sort de l’Occident au début de 476, un scénario doit donc commencer avant. Le trésor doit être supérieur à 0.&lt;/p&gt;&lt;h3&gt;Titre et briefing&lt;/h3&gt;&lt;p&gt;Scénario &amp;gt; Titre et briefing. Quand le scénario est ouvert dans le jeu, le préfet lit le briefing au joueur.&lt;/p&gt;&lt;h3&gt;Annuler&lt;/h3&gt;&lt;p&gt;Édition &amp;gt; Annuler (Ctrl+Z) revient sur la dernière modification&#xa0;; Édition &amp;gt; Rétablir (Ctrl+Maj+Z ou Ctrl+Y) la refait. La barre de titre affiche un astérisque tant qu’il reste des modifications non sauvegardées.&lt;/p&gt;&lt;h3&gt;Sauvegarder et essayer&lt;/h3&gt;&lt;p&gt;Fichier &amp;gt; Sauvegarder (Ctrl+S) et Sauvegarder sous (Ctrl+Maj+S) écrivent le scénario&#xa0;; ouvrez-le dans le jeu avec Fichier &amp;gt; Charger. Fichier &amp;gt; Jouer ce scénario (F5) lance le jeu avec le scénario tel qu’il est, sauvegardé ou non.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Aurovane Editor Help</source>
        <translation>Aide de l’éditeur Aurovane</translation>
    </message>
</context>
<context>
    <name>editor::OptionsDialog</name>
    <message>
        <source>Scenario Options</source>
        <translation>Options du scénario</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Treasury must be greater than 0.</source>
        <translation>Le trésor doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>Plague years must be between 1 and 20.</source>
        <translation>Les années de peste doivent être comprises entre 1 et 20.</translation>
    </message>
    <message>
        <source>Year must be between 235 and 475.</source>
        <translation>L’année doit être comprise entre 235 et 475.</translation>
    </message>
    <message>
        <source>&amp;Plague</source>
        <translation>&amp;Peste</translation>
    </message>
    <message>
        <source>years &amp;left</source>
        <translation>&amp;années restantes</translation>
    </message>
    <message>
        <source>&amp;Treasury:</source>
        <translation>&amp;Trésor&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Year (%1 to %2):</source>
        <translation>A&amp;nnée (%1 à %2)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>editor::SelectionPanel</name>
    <message>
        <source>P&amp;rovinces (Shift or Ctrl for more):</source>
        <translation>P&amp;rovinces (Maj ou Ctrl pour plusieurs)&#xa0;:</translation>
    </message>
    <message>
        <source>Se&amp;t holder</source>
        <translation>&amp;Fixer le détenteur</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;tirer</translation>
    </message>
    <message>
        <source>Hol&amp;der:</source>
        <translation>&amp;Détenteur&#xa0;:</translation>
    </message>
    <message>
        <source>Le&amp;gions to add or remove in each:</source>
        <translation>&amp;Légions à ajouter ou retirer dans chacune&#xa0;:</translation>
    </message>
    <message>
        <source>Gives every selected province to this holder. The frontier lands beyond the Rhine, the Danube and the Euphrates keep theirs.</source>
        <translation>Donne chaque province sélectionnée à ce détenteur. Les territoires frontaliers au-delà du Rhin, du Danube et de l’Euphrate gardent le leur.</translation>
    </message>
    <message>
        <source>Adds this many legions of its holder to every selected province that has one.</source>
        <translation>Ajoute ce nombre de légions de son détenteur à chaque province sélectionnée qui en a un.</translation>
    </message>
    <message>
        <source>Removes up to this many legions of its holder from every selected province.</source>
        <translation>Retire jusqu’à ce nombre de légions de son détenteur de chaque province sélectionnée.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n legion(s)</source>
        <translation>
            <numerusform>%1&#xa0;: %2, %n légion</numerusform>
            <numerusform>%1&#xa0;: %2, %n légions</numerusform>
        </translation>
    </message>
</context>
</TS>
