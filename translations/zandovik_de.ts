<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Best games</name>
    <message>
        <source>normal speed</source>
        <translation>normale Geschwindigkeit</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A game speed on a tab: %1 is 85 or 70 (per cent of the normal speed).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Beste Spiele</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ansehen</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Vergessen</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>checking...</source>
        <extracomment>The Verified column while the game is replayed to check it.</extracomment>
        <translation>wird geprüft...</translation>
    </message>
    <message>
        <source>No best games are kept yet. Turn on &quot;Keep scores and options on this computer&quot; in the menu.</source>
        <translation>Noch keine besten Spiele gespeichert. Schalte im Menü &quot;Punkte und Einstellungen auf diesem Computer behalten&quot; ein.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Vergessen</translation>
    </message>
    <message>
        <source>Forget this game and its recording?</source>
        <translation>Dieses Spiel und seine Aufzeichnung vergessen?</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>clear</source>
        <translation>leeren</translation>
    </message>
    <message>
        <source>paint %1</source>
        <translation>mit %1 malen</translation>
    </message>
    <message>
        <source>rename board %1</source>
        <translation>Spielfeld %1 umbenennen</translation>
    </message>
    <message>
        <source>delete board %1</source>
        <translation>Spielfeld %1 löschen</translation>
    </message>
    <message>
        <source>move board %1</source>
        <translation>Spielfeld %1 verschieben</translation>
    </message>
    <message numerus="yes">
        <source>A set holds at most %n boards.</source>
        <translation>
            <numerusform>Ein Satz hat höchstens %n Spielfeld.</numerusform>
            <numerusform>Ein Satz hat höchstens %n Spielfelder.</numerusform>
        </translation>
    </message>
    <message>
        <source>duplicate board</source>
        <translation>Spielfeld verdoppeln</translation>
    </message>
    <message>
        <source>add board</source>
        <translation>Spielfeld hinzufügen</translation>
    </message>
    <message>
        <source>A set keeps at least one board.</source>
        <translation>Ein Satz behält mindestens ein Spielfeld.</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>wiederherstellen</translation>
    </message>
    <message>
        <source>Not saved: board %1%2: %3</source>
        <translation>Nicht gespeichert: Spielfeld %1%2: %3</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>It was removed or renamed since the editor read it.</source>
        <translation>Sie wurde entfernt oder umbenannt, seit der Editor sie gelesen hat.</translation>
    </message>
    <message>
        <source>A file of that name was made since the editor began this set.</source>
        <translation>Eine Datei dieses Namens ist entstanden, seit der Editor diesen Satz begonnen hat.</translation>
    </message>
    <message>
        <source>Another program or editor changed it since the editor read or saved it (now %1 bytes, changed at %2).</source>
        <extracomment>%1: the file&apos;s size in bytes; %2: a date and time</extracomment>
        <translation>Ein anderes Programm oder ein anderer Editor hat sie geändert, seit der Editor sie gelesen oder gespeichert hat (jetzt %1 Bytes, geändert um %2).</translation>
    </message>
    <message>
        <source>Not saved: %1 changed on disk and is as the other program left it.</source>
        <translation>Nicht gespeichert: %1 wurde auf der Platte geändert und bleibt, wie das andere Programm sie hinterließ.</translation>
    </message>
    <message>
        <source>Not saved: the file&apos;s comments and blank lines are as they were.</source>
        <translation>Nicht gespeichert: Die Kommentare und Leerzeilen der Datei sind wie zuvor.</translation>
    </message>
    <message>
        <source>Not saved: %1: %2. The file on disk is as it was.</source>
        <translation>Nicht gespeichert: %1: %2. Die Datei auf der Platte ist wie zuvor.</translation>
    </message>
    <message>
        <source>The recovery copy cannot be written: %1: %2</source>
        <translation>Die Sicherungskopie kann nicht geschrieben werden: %1: %2</translation>
    </message>
    <message>
        <source>Cannot be saved or played yet: %1</source>
        <translation>Kann noch nicht gespeichert oder gespielt werden: %1</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Gespeichert.</translation>
    </message>
    <message>
        <source>Unsaved changes.</source>
        <translation>Ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Arrows&lt;/td&gt;&lt;td&gt;move the cursor&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;set the cell; the mouse paints it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Left drag&lt;/td&gt;&lt;td&gt;paint &amp;nbsp;·&amp;nbsp; Right drag: clear&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;PgDn / PgUp&lt;/td&gt;&lt;td&gt;next / previous board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N / Ctrl+D&lt;/td&gt;&lt;td&gt;add / duplicate a board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Del&lt;/td&gt;&lt;td&gt;delete the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+↑ / Ctrl+↓&lt;/td&gt;&lt;td&gt;move the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;rename (Enter keeps it)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;undo / redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;play the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Q&lt;/td&gt;&lt;td&gt;save / quit&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 is no brick, 1–8 the hits a brick takes, 9 the unbreakable “!”.&lt;/p&gt;</source>
        <extracomment>The keys, in a table: keep the HTML tags.</extracomment>
        <translation>&lt;b&gt;Tasten&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Pfeile&lt;/td&gt;&lt;td&gt;Cursor bewegen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;Zelle setzen; die Maus malt sie&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Links ziehen&lt;/td&gt;&lt;td&gt;malen &amp;nbsp;·&amp;nbsp; Rechts ziehen: leeren&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Bild↓ / Bild↑&lt;/td&gt;&lt;td&gt;nächstes / voriges Spielfeld&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+N / Strg+D&lt;/td&gt;&lt;td&gt;Spielfeld hinzufügen / verdoppeln&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+Entf&lt;/td&gt;&lt;td&gt;Spielfeld löschen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+↑ / Strg+↓&lt;/td&gt;&lt;td&gt;Spielfeld verschieben&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;umbenennen (Enter übernimmt)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+Z / Strg+Umschalt+Z&lt;/td&gt;&lt;td&gt;rückgängig / wiederholen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;Spielfeld spielen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+S / Strg+Q&lt;/td&gt;&lt;td&gt;speichern / beenden&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 ist kein Stein, 1–8 die Treffer, die ein Stein aushält, 9 der unzerstörbare „!“.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Add an empty board after this one</source>
        <translation>Ein leeres Spielfeld nach diesem hinzufügen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Duplicate this board</source>
        <translation>Dieses Spielfeld verdoppeln</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete this board</source>
        <translation>Dieses Spielfeld löschen</translation>
    </message>
    <message>
        <source>↑</source>
        <extracomment>A button: move the board up the list</extracomment>
        <translation>↑</translation>
    </message>
    <message>
        <source>Move this board up</source>
        <translation>Dieses Spielfeld nach oben</translation>
    </message>
    <message>
        <source>↓</source>
        <extracomment>A button: move the board down the list</extracomment>
        <translation>↓</translation>
    </message>
    <message>
        <source>Move this board down</source>
        <translation>Dieses Spielfeld nach unten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Shown in the empty name field: the board has no name</extracomment>
        <translation>(keiner)</translation>
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
        <source>&amp;Play the board</source>
        <translation>Spielfeld s&amp;pielen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
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
        <source>&amp;Board</source>
        <translation>&amp;Spielfeld</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächstes</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Voriges</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>Ver&amp;doppeln</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach unt&amp;en</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>%1[*] — zandovik board editor</source>
        <extracomment>The window&apos;s title: %1 is the file&apos;s name; keep [*]</extracomment>
        <translation>%1[*] — zandovik Spielfeld-Editor</translation>
    </message>
    <message>
        <source>&lt;b&gt;Board %1&lt;/b&gt; of %2 &amp;nbsp;·&amp;nbsp; cell %3, %4 &amp;nbsp;·&amp;nbsp; mouse paints %5</source>
        <translation>&lt;b&gt;Spielfeld %1&lt;/b&gt; von %2 &amp;nbsp;·&amp;nbsp; Zelle %3, %4 &amp;nbsp;·&amp;nbsp; Maus malt %5</translation>
    </message>
    <message>
        <source>Board %1 cannot be played: %2</source>
        <translation>Spielfeld %1 kann nicht gespielt werden: %2</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Datei auf der Platte geändert</translation>
    </message>
    <message>
        <source>%1 is not what the editor read or last saved.</source>
        <translation>%1 ist nicht, was der Editor gelesen oder zuletzt gespeichert hat.</translation>
    </message>
    <message>
        <source>Saving over it loses what the other program wrote.</source>
        <translation>Wer darüber speichert, verliert, was das andere Programm geschrieben hat.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Save elsewhere…</source>
        <translation>Anderswo speichern…</translation>
    </message>
    <message>
        <source>Save the set elsewhere</source>
        <translation>Den Satz anderswo speichern</translation>
    </message>
    <message>
        <source>Board sets (*.boards);;All files (*)</source>
        <translation>Spielfeldsätze (*.boards);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Comments are not kept</source>
        <translation>Kommentare werden nicht behalten</translation>
    </message>
    <message>
        <source>%1 has comments or blank lines of its own. The editor writes the boards alone, so saving drops them.</source>
        <translation>%1 hat eigene Kommentare oder Leerzeilen. Der Editor schreibt nur die Spielfelder, also gehen sie beim Speichern verloren.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The boards have changes that are not saved in %1.</source>
        <translation>Die Spielfelder haben Änderungen, die nicht in %1 gespeichert sind.</translation>
    </message>
    <message>
        <source>%1 is a link that leads round in a loop, so there is no file to open or to save to</source>
        <translation>%1 ist ein Verweis, der im Kreis führt; es gibt also keine Datei zum Öffnen oder Speichern</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist</source>
        <translation>%1 ist ein Verweis auf %2, das es nicht gibt</translation>
    </message>
    <message>
        <source>A new set: nothing is written until you save.</source>
        <translation>Ein neuer Satz: Nichts wird geschrieben, bis du speicherst.</translation>
    </message>
    <message numerus="yes">
        <source>%n board read from %1.</source>
        <translation>
            <numerusform>%n Spielfeld aus %1 gelesen.</numerusform>
            <numerusform>%n Spielfelder aus %1 gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n boards read from %1.</source>
        <translation>
            <numerusform>%n Spielfeld aus %1 gelesen.</numerusform>
            <numerusform>%n Spielfelder aus %1 gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Beside it: %1, left by a save that was interrupted (or a file of your own of that shape). %2 itself is whole; the editor leaves the rest to you.</source>
        <extracomment>%1: file names such as mine.boards.Ab12Cd; %2: the set&apos;s own file name</extracomment>
        <translation>Daneben: %1, übrig von einem unterbrochenen Speichern (oder eine eigene Datei dieser Form). %2 selbst ist vollständig; den Rest überlässt der Editor dir.</translation>
    </message>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1: Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Open a board set, or name a new one</source>
        <translation>Einen Spielfeldsatz öffnen oder einen neuen benennen</translation>
    </message>
    <message>
        <source>Board sets (*.boards)</source>
        <translation>Spielfeldsätze (*.boards)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>The file dialog&apos;s button that opens the chosen set</extracomment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>zandovik board editor</source>
        <translation>zandovik Spielfeld-Editor</translation>
    </message>
    <message>
        <source>Start a new set</source>
        <translation>Neuen Satz beginnen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Unsaved changes were kept</source>
        <translation>Ungespeicherte Änderungen wurden aufbewahrt</translation>
    </message>
    <message>
        <source>Changes to %1 were not saved when the editor ended. They were kept at %2.</source>
        <extracomment>%1: a file name; %2: a date and time</extracomment>
        <translation>Änderungen an %1 waren beim Ende des Editors nicht gespeichert. Sie wurden in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Restore them (they are unsaved until you save), or discard them and open the file as it is on disk?</source>
        <translation>Wiederherstellen (ungespeichert, bis du speicherst) oder verwerfen und die Datei so öffnen, wie sie auf der Platte ist?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>This is not a board file the game can read.</source>
        <translation>Das ist keine Spielfelddatei, die das Spiel lesen kann.</translation>
    </message>
    <message>
        <source>A new set: %1 could not be read and stays as it is unless you save.</source>
        <translation>Ein neuer Satz: %1 konnte nicht gelesen werden und bleibt, wie sie ist, solange du nicht speicherst.</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read and is left as it is: %1</source>
        <translation>Eine Sicherungskopie kann nicht gelesen werden und bleibt, wie sie ist: %1</translation>
    </message>
    <message>
        <source>Restored the changes kept at %1: unsaved until you save.</source>
        <translation>Die in %1 aufbewahrten Änderungen wurden wiederhergestellt: ungespeichert, bis du speicherst.</translation>
    </message>
    <message>
        <source>%1 is not a plain file, so it is not written over</source>
        <translation>%1 ist keine gewöhnliche Datei und wird daher nicht überschrieben</translation>
    </message>
    <message>
        <source>The game is open already: close it to play again.</source>
        <translation>Das Spiel ist schon offen: Schließe es, um erneut zu spielen.</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Kann nicht spielen: %1</translation>
    </message>
    <message>
        <source>Back from the game.</source>
        <translation>Zurück aus dem Spiel.</translation>
    </message>
    <message>
        <source>The game ended with status %1: its message is on standard error.</source>
        <translation>Das Spiel endete mit Status %1: Seine Meldung steht auf der Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Cannot start the game: %1</source>
        <translation>Das Spiel kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Playing board %1 in the game: Escape comes back.</source>
        <translation>Spielfeld %1 wird im Spiel gespielt: Escape kehrt zurück.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Spielfelder</translation>
    </message>
    <message>
        <source>&amp;Edit boards...</source>
        <translation>Spielfelder &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Best &amp;games...</source>
        <translation>Beste Spiel&amp;e...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Smooth &amp;motion</source>
        <translation>Fließende Be&amp;wegung</translation>
    </message>
    <message>
        <source>Game s&amp;peed</source>
        <translation>S&amp;pieltempo</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>Game speeds, per cent of the normal speed; &amp; marks the access key.</extracomment>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;85 %</source>
        <translation>&amp;85 %</translation>
    </message>
    <message>
        <source>&amp;70 %</source>
        <translation>&amp;70 %</translation>
    </message>
    <message>
        <source>&amp;Keep scores and options on this computer</source>
        <translation>Punkte und Einstellungen auf diesem &amp;Computer behalten</translation>
    </message>
    <message>
        <source>Keys and &amp;help</source>
        <translation>Tasten und &amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Built-in patterns</source>
        <translation>Eingebaute Muster</translation>
    </message>
    <message>
        <source>&amp;Open a board file...</source>
        <translation>Spielfelddatei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open a board file</source>
        <translation>Eine Spielfelddatei öffnen</translation>
    </message>
    <message>
        <source>Board files (*.boards)</source>
        <translation>Spielfelddateien (*.boards)</translation>
    </message>
    <message>
        <source>Edit boards</source>
        <translation>Spielfelder bearbeiten</translation>
    </message>
    <message>
        <source>The board editor could not be started.</source>
        <translation>Der Spielfeld-Editor konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Keys and help</source>
        <translation>Tasten und Hilfe</translation>
    </message>
    <message>
        <source>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left / Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move the paddle while held; the first move launches a resting ball&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Pointer, finger&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the paddle follows it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Gamepad&lt;/b&gt;&lt;/td&gt;&lt;td&gt;d-pad or left stick move; A clicks the button on show; Start pauses; Back opens this menu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pause; click &lt;b&gt;Pause&lt;/b&gt; to go on&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;next / previous brick pattern; clears the score&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;after a cleared board: one more life and the next pattern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;a new game; the best score is kept&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;full screen on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sound on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menu, right click&lt;/b&gt;&lt;/td&gt;&lt;td&gt;this menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Links / Rechts&lt;/b&gt;&lt;/td&gt;&lt;td&gt;bewegen den Schläger, solange gedrückt; die erste Bewegung startet einen ruhenden Ball&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Zeiger, Finger&lt;/b&gt;&lt;/td&gt;&lt;td&gt;der Schläger folgt ihm&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Gamepad&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Steuerkreuz oder linker Stick bewegen; A klickt die angezeigte Schaltfläche; Start hält an; Back öffnet dieses Menü&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;anhalten; &lt;b&gt;Pause&lt;/b&gt; klicken, um weiterzuspielen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;nächstes / voriges Steinmuster; setzt die Punkte zurück&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;nach einem geräumten Spielfeld: ein Leben mehr und das nächste Muster&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;ein neues Spiel; die beste Punktzahl bleibt&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Vollbild ein und aus&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Ton ein und aus&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menütaste, Rechtsklick&lt;/b&gt;&lt;/td&gt;&lt;td&gt;dieses Menü&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>About zandovik</source>
        <translation>Über zandovik</translation>
    </message>
    <message>
        <source>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;A brick-breaking game.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 the zandovik developers.&lt;br&gt;MIT licence.&lt;/p&gt;</source>
        <translation>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;Ein Mauerbrecher-Spiel.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 die Entwickler von zandovik.&lt;br&gt;MIT-Lizenz.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keep scores and options</source>
        <translation>Punkte und Einstellungen behalten</translation>
    </message>
    <message>
        <source>Forget the options and the best games kept on this computer? Your boards are kept either way.</source>
        <translation>Die auf diesem Computer behaltenen Einstellungen und besten Spiele vergessen? Deine Spielfelder bleiben in jedem Fall.</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Spielfelder</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The game does not start.</source>
        <translation>Das Spiel startet nicht.</translation>
    </message>
    <message>
        <source>Started as: %1
In the folder: %2</source>
        <translation>Gestartet als: %1
Im Ordner: %2</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>cannot make the folder</source>
        <translation>Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot take the lock</source>
        <translation>Die Sperre kann nicht genommen werden</translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation>Ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot make the folder; no best games are kept</source>
        <translation>Der Ordner kann nicht angelegt werden; es werden keine besten Spiele behalten</translation>
    </message>
    <message>
        <source>cannot keep the game: %1</source>
        <translation>Das Spiel kann nicht behalten werden: %1</translation>
    </message>
</context>
<context>
    <name>fonts</name>
    <message>
        <source>no fonts are installed at all, so no text can be drawn (install fonts-liberation)</source>
        <translation>es sind gar keine Schriften installiert, also kann kein Text gezeichnet werden (installieren Sie fonts-liberation)</translation>
    </message>
    <message>
        <source>font &quot;%1&quot; and its free stand-ins (%2) are not installed; using &quot;%3&quot;</source>
        <extracomment>%1 is a font family the board is drawn in, %2 the free fonts that stand in for it, %3 the one drawn instead.</extracomment>
        <translation>die Schrift „%1“ und ihre freien Ersatzschriften (%2) sind nicht installiert; verwendet wird „%3“</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>A brick-breaking game in one window. Left and Right move the paddle, and so
do the pointer or a finger over the board and a gamepad&apos;s d-pad or left stick;
the pad&apos;s A clicks the button on show and Start pauses. P pauses, F1 and F2
choose the next or previous brick pattern, F11 toggles full screen, M turns
the sound off and on.

  --boards FILE   play the boards of a board file instead of the three built-in
                  patterns (a board file alone on the command line does the
                  same)
  --boards NAME   play a set of boards that ships with the game: extra
  --record FILE   write the game into FILE, a new file, as it goes: every input
                  and its time, every seed drawn, and checksums of the state
  --replay FILE   play a recording back in the window, at the speed it was made;
                  prints &quot;replay matches&quot; at its end, or where it parted
  --draw-at-ticks draw the ball, the paddle and the logo only where the game&apos;s
                  ticks put them (40 and 20 times a second) instead of moving
                  them smoothly between ticks at the display&apos;s refresh rate
  --trial         with --boards: Escape closes the game (the editor&apos;s F5 uses
                  it)
  --edit [FILE]   make boards: the board editor on FILE (a new set if it does
                  not exist); without FILE it asks for one
  --desktop       started from the desktop, where no one reads standard error:
                  a board file, a recording or a set that cannot be played is
                  said in a dialog too before the game ends
  --best          print the best games kept (Keep scores and options), one a
                  line: set, speed %, rank, score, level, name, date and time,
                  and whether its recording replays to its score (verified)

F10, the Menu key, a right click or a pad&apos;s Back open the game&apos;s menu. Unless
&quot;Keep scores and options on this computer&quot; is turned on there, the game writes
no files but those named above; it reads its options file only to learn that.
It opens on the Wayland display in WAYLAND_DISPLAY, else on the X display in
DISPLAY (or -display). Qt&apos;s other options (-platform, -style, ...) are taken
too.
</source>
        <extracomment>The text of zandovik --help, after the usage line. Keep the option names (--boards, --record, ...), the key names, FILE, NAME, DISPLAY, the set&apos;s name extra, &quot;replay matches&quot; and the variables as they are, and keep the lines under 80 characters.</extracomment>
        <translation>Ein Mauerbrecher-Spiel in einem Fenster. Links und Rechts bewegen den Schläger,
ebenso der Zeiger oder ein Finger über dem Spielfeld und das Steuerkreuz oder
der linke Stick eines Gamepads; die A-Taste des Pads klickt die angezeigte
Schaltfläche, Start hält an. P hält an, F1 und F2 wählen das nächste oder das
vorige Steinmuster, F11 schaltet den Vollbildmodus um, M schaltet den Ton aus
und wieder ein.

  --boards FILE   die Spielfelder einer Spielfelddatei statt der drei
                  eingebauten Muster spielen (eine Spielfelddatei allein auf der
                  Befehlszeile tut dasselbe)
  --boards NAME   einen mitgelieferten Satz Spielfelder spielen: extra
  --record FILE   das Spiel laufend in FILE schreiben, eine neue Datei: jede
                  Eingabe mit ihrer Zeit, jeden gezogenen Startwert und
                  Prüfsummen des Zustands
  --replay FILE   eine Aufzeichnung im Fenster abspielen, im Tempo ihrer
                  Aufnahme; gibt am Ende &quot;replay matches&quot; aus, oder wo sie
                  abwich
  --draw-at-ticks Ball, Schläger und Logo nur dort zeichnen, wo die Takte des
                  Spiels sie hinsetzen (40- und 20-mal pro Sekunde), statt sie
                  mit der Bildrate der Anzeige fließend zwischen den Takten zu
                  bewegen
  --trial         mit --boards: Escape schließt das Spiel (für F5 im Editor)
  --edit [FILE]   Spielfelder bauen: der Spielfeld-Editor für FILE (ein neuer
                  Satz, falls es sie nicht gibt); ohne FILE fragt er nach einer
  --desktop       vom Desktop gestartet, wo niemand die Standardfehlerausgabe
                  liest: eine Spielfelddatei, eine Aufzeichnung oder ein Satz,
                  die sich nicht spielen lassen, werden vor dem Ende des Spiels
                  auch in einem Dialog gemeldet
  --best          die behaltenen besten Spiele ausgeben (Punkte und
                  Einstellungen behalten), eines pro Zeile: Satz, Tempo %, Rang,
                  Punkte, Level, Name, Datum und Uhrzeit, und ob die
                  Aufzeichnung die Punktzahl nachspielt (verified)

F10, die Menütaste, ein Rechtsklick oder Back am Pad öffnen das Menü des Spiels.
Solange dort &quot;Punkte und Einstellungen auf diesem Computer behalten&quot; nicht
eingeschaltet ist, schreibt das Spiel keine Dateien außer den oben genannten;
seine Einstellungsdatei liest es nur, um das zu erfahren. Es öffnet sich auf
der Wayland-Anzeige in WAYLAND_DISPLAY, sonst auf der X-Anzeige in DISPLAY
(oder -display). Die übrigen Optionen von Qt (-platform, -style, ...) werden
ebenfalls angenommen.
</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>cannot write the output</source>
        <translation>die Ausgabe kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>modules</name>
    <message>
        <source>the module %1 is not installed</source>
        <translation>das Modul %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>the %1 module is of another version</source>
        <extracomment>%1 is what the module gives: sound, gamepads.</extracomment>
        <translation>das Modul für %1 hat eine andere Version</translation>
    </message>
    <message>
        <source>no %1: %2</source>
        <extracomment>What the game goes on without (%1: sound, gamepads), and why (%2).</extracomment>
        <translation>%1 nicht verfügbar: %2</translation>
    </message>
    <message>
        <source>gamepads</source>
        <translation>Gamepads</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>Ton</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>A ball is in play</source>
        <extracomment>Why the screen stays awake, as the desktop lists it.</extracomment>
        <translation>Ein Ball ist im Spiel</translation>
    </message>
</context>
</TS>
