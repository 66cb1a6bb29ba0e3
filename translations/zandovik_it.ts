<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Best games</name>
    <message>
        <source>normal speed</source>
        <translation>velocità normale</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A game speed on a tab: %1 is 85 or 70 (per cent of the normal speed).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Migliori partite</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Guarda</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Dimentica</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificata</translation>
    </message>
    <message>
        <source>checking...</source>
        <extracomment>The Verified column while the game is replayed to check it.</extracomment>
        <translation>verifica in corso...</translation>
    </message>
    <message>
        <source>No best games are kept yet. Turn on &quot;Keep scores and options on this computer&quot; in the menu.</source>
        <translation>Nessuna migliore partita è ancora conservata. Attiva «Conserva punteggi e opzioni su questo computer» nel menu.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificata</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non verificata</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Dimentica</translation>
    </message>
    <message>
        <source>Forget this game and its recording?</source>
        <translation>Dimenticare questa partita e la sua registrazione?</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>clear</source>
        <translation>svuota</translation>
    </message>
    <message>
        <source>paint %1</source>
        <translation>dipingi %1</translation>
    </message>
    <message>
        <source>rename board %1</source>
        <translation>rinomina lo schema %1</translation>
    </message>
    <message>
        <source>delete board %1</source>
        <translation>elimina lo schema %1</translation>
    </message>
    <message>
        <source>move board %1</source>
        <translation>sposta lo schema %1</translation>
    </message>
    <message numerus="yes">
        <source>A set holds at most %n boards.</source>
        <translation>
            <numerusform>Una raccolta contiene al massimo %n schema.</numerusform>
            <numerusform>Una raccolta contiene al massimo %n schemi.</numerusform>
        </translation>
    </message>
    <message>
        <source>duplicate board</source>
        <translation>duplica lo schema</translation>
    </message>
    <message>
        <source>add board</source>
        <translation>aggiungi uno schema</translation>
    </message>
    <message>
        <source>A set keeps at least one board.</source>
        <translation>Una raccolta conserva almeno uno schema.</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>ripristina</translation>
    </message>
    <message>
        <source>Not saved: board %1%2: %3</source>
        <translation>Non salvato: schema %1%2: %3</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non salvato: %1</translation>
    </message>
    <message>
        <source>It was removed or renamed since the editor read it.</source>
        <translation>È stato rimosso o rinominato da quando l’editor l’ha letto.</translation>
    </message>
    <message>
        <source>A file of that name was made since the editor began this set.</source>
        <translation>Un file con quel nome è stato creato da quando l’editor ha iniziato questa raccolta.</translation>
    </message>
    <message>
        <source>Another program or editor changed it since the editor read or saved it (now %1 bytes, changed at %2).</source>
        <extracomment>%1: the file&apos;s size in bytes; %2: a date and time</extracomment>
        <translation>Un altro programma o editor l’ha modificato da quando l’editor l’ha letto o salvato (ora %1 byte, modificato il %2).</translation>
    </message>
    <message>
        <source>Not saved: %1 changed on disk and is as the other program left it.</source>
        <translation>Non salvato: %1 è cambiato sul disco e resta come l’ha lasciato l’altro programma.</translation>
    </message>
    <message>
        <source>Not saved: the file&apos;s comments and blank lines are as they were.</source>
        <translation>Non salvato: i commenti e le righe vuote del file restano com’erano.</translation>
    </message>
    <message>
        <source>Not saved: %1: %2. The file on disk is as it was.</source>
        <translation>Non salvato: %1: %2. Il file sul disco resta com’era.</translation>
    </message>
    <message>
        <source>The recovery copy cannot be written: %1: %2</source>
        <translation>La copia di recupero non può essere scritta: %1: %2</translation>
    </message>
    <message>
        <source>Cannot be saved or played yet: %1</source>
        <translation>Non si può ancora salvare né giocare: %1</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Salvato.</translation>
    </message>
    <message>
        <source>Unsaved changes.</source>
        <translation>Modifiche non salvate.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Arrows&lt;/td&gt;&lt;td&gt;move the cursor&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;set the cell; the mouse paints it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Left drag&lt;/td&gt;&lt;td&gt;paint &amp;nbsp;·&amp;nbsp; Right drag: clear&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;PgDn / PgUp&lt;/td&gt;&lt;td&gt;next / previous board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N / Ctrl+D&lt;/td&gt;&lt;td&gt;add / duplicate a board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Del&lt;/td&gt;&lt;td&gt;delete the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+↑ / Ctrl+↓&lt;/td&gt;&lt;td&gt;move the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;rename (Enter keeps it)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;undo / redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;play the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Q&lt;/td&gt;&lt;td&gt;save / quit&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 is no brick, 1–8 the hits a brick takes, 9 the unbreakable “!”.&lt;/p&gt;</source>
        <extracomment>The keys, in a table: keep the HTML tags.</extracomment>
        <translation>&lt;b&gt;Tasti&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Frecce&lt;/td&gt;&lt;td&gt;spostano il cursore&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;impostano la cella; il mouse la dipinge&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Trascina a sinistra&lt;/td&gt;&lt;td&gt;dipinge &amp;nbsp;·&amp;nbsp; a destra: svuota&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;PagGiù / PagSu&lt;/td&gt;&lt;td&gt;schema successivo / precedente&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N / Ctrl+D&lt;/td&gt;&lt;td&gt;aggiungi / duplica uno schema&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Canc&lt;/td&gt;&lt;td&gt;elimina lo schema&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+↑ / Ctrl+↓&lt;/td&gt;&lt;td&gt;sposta lo schema&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;rinomina (Invio conferma)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Maiusc+Z&lt;/td&gt;&lt;td&gt;annulla / ripeti&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;gioca lo schema&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Q&lt;/td&gt;&lt;td&gt;salva / esci&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 è nessun mattone, 1–8 i colpi che un mattone regge, 9 il «!» indistruttibile.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Add an empty board after this one</source>
        <translation>Aggiungi uno schema vuoto dopo questo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Duplicate this board</source>
        <translation>Duplica questo schema</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete this board</source>
        <translation>Elimina questo schema</translation>
    </message>
    <message>
        <source>↑</source>
        <extracomment>A button: move the board up the list</extracomment>
        <translation>↑</translation>
    </message>
    <message>
        <source>Move this board up</source>
        <translation>Sposta su questo schema</translation>
    </message>
    <message>
        <source>↓</source>
        <extracomment>A button: move the board down the list</extracomment>
        <translation>↓</translation>
    </message>
    <message>
        <source>Move this board down</source>
        <translation>Sposta giù questo schema</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Shown in the empty name field: the board has no name</extracomment>
        <translation>(nessuno)</translation>
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
        <source>&amp;Play the board</source>
        <translation>&amp;Gioca lo schema</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
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
        <source>&amp;Board</source>
        <translation>&amp;Schema</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Successivo</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Precedente</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplica</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Sposta s&amp;u</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>%1[*] — zandovik board editor</source>
        <extracomment>The window&apos;s title: %1 is the file&apos;s name; keep [*]</extracomment>
        <translation>%1[*] — editor di schemi di zandovik</translation>
    </message>
    <message>
        <source>&lt;b&gt;Board %1&lt;/b&gt; of %2 &amp;nbsp;·&amp;nbsp; cell %3, %4 &amp;nbsp;·&amp;nbsp; mouse paints %5</source>
        <translation>&lt;b&gt;Schema %1&lt;/b&gt; di %2 &amp;nbsp;·&amp;nbsp; cella %3, %4 &amp;nbsp;·&amp;nbsp; il mouse dipinge %5</translation>
    </message>
    <message>
        <source>Board %1 cannot be played: %2</source>
        <translation>Lo schema %1 non si può giocare: %2</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>File cambiato sul disco</translation>
    </message>
    <message>
        <source>%1 is not what the editor read or last saved.</source>
        <translation>%1 non è ciò che l’editor ha letto o salvato per ultimo.</translation>
    </message>
    <message>
        <source>Saving over it loses what the other program wrote.</source>
        <translation>Salvarci sopra perde ciò che ha scritto l’altro programma.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Save elsewhere…</source>
        <translation>Salva altrove…</translation>
    </message>
    <message>
        <source>Save the set elsewhere</source>
        <translation>Salva la raccolta altrove</translation>
    </message>
    <message>
        <source>Board sets (*.boards);;All files (*)</source>
        <translation>Raccolte di schemi (*.boards);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Comments are not kept</source>
        <translation>I commenti non vengono conservati</translation>
    </message>
    <message>
        <source>%1 has comments or blank lines of its own. The editor writes the boards alone, so saving drops them.</source>
        <translation>%1 ha commenti o righe vuote propri. L’editor scrive solo gli schemi, quindi salvando si perdono.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <source>The boards have changes that are not saved in %1.</source>
        <translation>Gli schemi hanno modifiche non salvate in %1.</translation>
    </message>
    <message>
        <source>%1 is a link that leads round in a loop, so there is no file to open or to save to</source>
        <translation>%1 è un collegamento che gira in tondo: non c’è un file da aprire né in cui salvare</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist</source>
        <translation>%1 è un collegamento a %2, che non esiste</translation>
    </message>
    <message>
        <source>A new set: nothing is written until you save.</source>
        <translation>Una nuova raccolta: non si scrive nulla finché non salvi.</translation>
    </message>
    <message numerus="yes">
        <source>%n board read from %1.</source>
        <translation>
            <numerusform>%n schema letto da %1.</numerusform>
            <numerusform>%n schemi letti da %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n boards read from %1.</source>
        <translation>
            <numerusform>%n schema letto da %1.</numerusform>
            <numerusform>%n schemi letti da %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Beside it: %1, left by a save that was interrupted (or a file of your own of that shape). %2 itself is whole; the editor leaves the rest to you.</source>
        <extracomment>%1: file names such as mine.boards.Ab12Cd; %2: the set&apos;s own file name</extracomment>
        <translation>Accanto: %1, lasciato da un salvataggio interrotto (o un tuo file di quella forma). %2 è integro; l’editor lascia il resto a te.</translation>
    </message>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1: impossibile creare la cartella</translation>
    </message>
    <message>
        <source>Open a board set, or name a new one</source>
        <translation>Apri una raccolta di schemi o dai il nome a una nuova</translation>
    </message>
    <message>
        <source>Board sets (*.boards)</source>
        <translation>Raccolte di schemi (*.boards)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>The file dialog&apos;s button that opens the chosen set</extracomment>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>zandovik board editor</source>
        <translation>Editor di schemi di zandovik</translation>
    </message>
    <message>
        <source>Start a new set</source>
        <translation>Inizia una nuova raccolta</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Unsaved changes were kept</source>
        <translation>Sono state conservate modifiche non salvate</translation>
    </message>
    <message>
        <source>Changes to %1 were not saved when the editor ended. They were kept at %2.</source>
        <extracomment>%1: a file name; %2: a date and time</extracomment>
        <translation>Le modifiche a %1 non erano salvate quando l’editor si è chiuso. Sono state conservate in %2.</translation>
    </message>
    <message>
        <source>Restore them (they are unsaved until you save), or discard them and open the file as it is on disk?</source>
        <translation>Ripristinarle (non salvate finché non salvi) o scartarle e aprire il file com’è sul disco?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Scarta</translation>
    </message>
    <message>
        <source>This is not a board file the game can read.</source>
        <translation>Questo non è un file di schemi che il gioco sa leggere.</translation>
    </message>
    <message>
        <source>A new set: %1 could not be read and stays as it is unless you save.</source>
        <translation>Una nuova raccolta: %1 non è stato letto e resta com’è se non salvi.</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read and is left as it is: %1</source>
        <translation>Una copia di recupero non si può leggere e resta com’è: %1</translation>
    </message>
    <message>
        <source>Restored the changes kept at %1: unsaved until you save.</source>
        <translation>Ripristinate le modifiche conservate in %1: non salvate finché non salvi.</translation>
    </message>
    <message>
        <source>%1 is not a plain file, so it is not written over</source>
        <translation>%1 non è un file normale, quindi non viene sovrascritto</translation>
    </message>
    <message>
        <source>The game is open already: close it to play again.</source>
        <translation>Il gioco è già aperto: chiudilo per giocare di nuovo.</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Impossibile giocare: %1</translation>
    </message>
    <message>
        <source>Back from the game.</source>
        <translation>Di ritorno dal gioco.</translation>
    </message>
    <message>
        <source>The game ended with status %1: its message is on standard error.</source>
        <translation>Il gioco è terminato con lo stato %1: il suo messaggio è sullo standard error.</translation>
    </message>
    <message>
        <source>Cannot start the game: %1</source>
        <translation>Impossibile avviare il gioco: %1</translation>
    </message>
    <message>
        <source>Playing board %1 in the game: Escape comes back.</source>
        <translation>Si gioca lo schema %1 nel gioco: Esc torna qui.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Schemi</translation>
    </message>
    <message>
        <source>&amp;Edit boards...</source>
        <translation>&amp;Modifica schemi...</translation>
    </message>
    <message>
        <source>Best &amp;games...</source>
        <translation>Mi&amp;gliori partite...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>S&amp;uono</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
    <message>
        <source>Smooth &amp;motion</source>
        <translation>Movimento &amp;fluido</translation>
    </message>
    <message>
        <source>Game s&amp;peed</source>
        <translation>&amp;Velocità del gioco</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>Game speeds, per cent of the normal speed; &amp; marks the access key.</extracomment>
        <translation>&amp;Normale</translation>
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
        <translation>&amp;Conserva punteggi e opzioni su questo computer</translation>
    </message>
    <message>
        <source>Keys and &amp;help</source>
        <translation>Tasti e &amp;aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Inf&amp;ormazioni</translation>
    </message>
    <message>
        <source>Built-in patterns</source>
        <translation>Motivi incorporati</translation>
    </message>
    <message>
        <source>&amp;Open a board file...</source>
        <translation>&amp;Apri un file di schemi...</translation>
    </message>
    <message>
        <source>Open a board file</source>
        <translation>Apri un file di schemi</translation>
    </message>
    <message>
        <source>Board files (*.boards)</source>
        <translation>File di schemi (*.boards)</translation>
    </message>
    <message>
        <source>Edit boards</source>
        <translation>Modifica schemi</translation>
    </message>
    <message>
        <source>The board editor could not be started.</source>
        <translation>Impossibile avviare l’editor di schemi.</translation>
    </message>
    <message>
        <source>Keys and help</source>
        <translation>Tasti e aiuto</translation>
    </message>
    <message>
        <source>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left / Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move the paddle while held; the first move launches a resting ball&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Pointer, finger&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the paddle follows it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Gamepad&lt;/b&gt;&lt;/td&gt;&lt;td&gt;d-pad or left stick move; A clicks the button on show; Start pauses; Back opens this menu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pause; click &lt;b&gt;Pause&lt;/b&gt; to go on&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;next / previous brick pattern; clears the score&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;after a cleared board: one more life and the next pattern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;a new game; the best score is kept&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;full screen on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sound on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menu, right click&lt;/b&gt;&lt;/td&gt;&lt;td&gt;this menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Sinistra / Destra&lt;/b&gt;&lt;/td&gt;&lt;td&gt;muovono la racchetta finché premuti; il primo movimento lancia una palla ferma&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Puntatore, dito&lt;/b&gt;&lt;/td&gt;&lt;td&gt;la racchetta lo segue&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Gamepad&lt;/b&gt;&lt;/td&gt;&lt;td&gt;croce o levetta sinistra muovono; A clicca il pulsante visibile; Start mette in pausa; Back apre questo menu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pausa; clicca &lt;b&gt;Pause&lt;/b&gt; per continuare&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;motivo di mattoni successivo / precedente; azzera il punteggio&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;dopo uno schema ripulito: una vita in più e il motivo successivo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;una nuova partita; il miglior punteggio resta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;schermo intero sì o no&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;suono sì o no&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menu, clic destro&lt;/b&gt;&lt;/td&gt;&lt;td&gt;questo menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>About zandovik</source>
        <translation>Informazioni su zandovik</translation>
    </message>
    <message>
        <source>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;A brick-breaking game.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 the zandovik developers.&lt;br&gt;MIT licence.&lt;/p&gt;</source>
        <translation>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;Un gioco spaccamattoni.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 gli sviluppatori di zandovik.&lt;br&gt;Licenza MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keep scores and options</source>
        <translation>Conserva punteggi e opzioni</translation>
    </message>
    <message>
        <source>Forget the options and the best games kept on this computer? Your boards are kept either way.</source>
        <translation>Dimenticare le opzioni e le migliori partite conservate su questo computer? I tuoi schemi restano in ogni caso.</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Schemi</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The game does not start.</source>
        <translation>Il gioco non si avvia.</translation>
    </message>
    <message>
        <source>Started as: %1
In the folder: %2</source>
        <translation>Avviato come: %1
Nella cartella: %2</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>cannot make the folder</source>
        <translation>impossibile creare la cartella</translation>
    </message>
    <message>
        <source>cannot take the lock</source>
        <translation>impossibile prendere il blocco</translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation>impossibile creare la sua cartella</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>non può essere scritto</translation>
    </message>
    <message>
        <source>cannot make the folder; no best games are kept</source>
        <translation>impossibile creare la cartella; non si conservano migliori partite</translation>
    </message>
    <message>
        <source>cannot keep the game: %1</source>
        <translation>impossibile conservare la partita: %1</translation>
    </message>
</context>
<context>
    <name>fonts</name>
    <message>
        <source>no fonts are installed at all, so no text can be drawn (install fonts-liberation)</source>
        <translation>non è installato alcun carattere, quindi nessun testo può essere disegnato (installare fonts-liberation)</translation>
    </message>
    <message>
        <source>font &quot;%1&quot; and its free stand-ins (%2) are not installed; using &quot;%3&quot;</source>
        <extracomment>%1 is a font family the board is drawn in, %2 the free fonts that stand in for it, %3 the one drawn instead.</extracomment>
        <translation>il carattere «%1» e i suoi sostituti liberi (%2) non sono installati; si usa «%3»</translation>
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
        <translation>Un gioco spaccamattoni in una finestra. Sinistra e Destra muovono la
racchetta, come pure il puntatore o un dito sul tabellone e la croce
direzionale o la levetta sinistra di un gamepad; il tasto A del gamepad preme
il pulsante mostrato e Start mette in pausa. P mette in pausa, F1 e F2
scelgono lo schema di mattoni successivo o precedente, F11 attiva o disattiva
lo schermo intero, M spegne e riaccende il suono.

  --boards FILE   gioca i tabelloni di un file di tabelloni invece dei tre
                  schemi incorporati (un file di tabelloni da solo sulla riga
                  di comando fa lo stesso)
  --boards NAME   gioca una serie di tabelloni fornita con il gioco: extra
  --record FILE   scrive la partita in FILE, un file nuovo, mentre si svolge:
                  ogni input con il suo istante, ogni seme estratto e somme di
                  controllo dello stato
  --replay FILE   riproduce una registrazione nella finestra, alla velocità in
                  cui è stata fatta; stampa &quot;replay matches&quot; alla fine, o dove
                  si è discostata
  --draw-at-ticks disegna la palla, la racchetta e il logo solo dove i tick del
                  gioco li mettono (40 e 20 volte al secondo) invece di
                  muoverli in modo fluido tra un tick e l’altro alla frequenza
                  di aggiornamento dello schermo
  --trial         con --boards: Esc chiude il gioco (lo usa F5 dell’editor)
  --edit [FILE]   crea tabelloni: l’editor di tabelloni su FILE (una serie
                  nuova se non esiste); senza FILE ne chiede uno
  --desktop       avviato dal desktop, dove nessuno legge lo standard error:
                  un file di schemi, una registrazione o una raccolta che non
                  si possono giocare vengono segnalati anche in una finestra
                  prima che il gioco termini
  --best          stampa le migliori partite conservate (Conserva punteggi e
                  opzioni), una per riga: raccolta, velocità %, posizione,
                  punti, livello, nome, data e ora, e se la sua registrazione
                  riproduce il punteggio (verified)

F10, il tasto Menu, un clic destro o il Back di un gamepad aprono il menu del
gioco. Finché lì non si attiva «Conserva punteggi e opzioni su questo
computer», il gioco non scrive altri file che quelli nominati sopra; legge il
suo file di opzioni solo per saperlo. Si apre sul display Wayland in
WAYLAND_DISPLAY, altrimenti sul display X in DISPLAY (o -display). Accetta
anche le altre opzioni di Qt (-platform, -style, ...).
</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>cannot write the output</source>
        <translation>impossibile scrivere l’output</translation>
    </message>
</context>
<context>
    <name>modules</name>
    <message>
        <source>the module %1 is not installed</source>
        <translation>il modulo %1 non è installato</translation>
    </message>
    <message>
        <source>the %1 module is of another version</source>
        <extracomment>%1 is what the module gives: sound, gamepads.</extracomment>
        <translation>il modulo %1 è di un’altra versione</translation>
    </message>
    <message>
        <source>no %1: %2</source>
        <extracomment>What the game goes on without (%1: sound, gamepads), and why (%2).</extracomment>
        <translation>%1 non disponibile: %2</translation>
    </message>
    <message>
        <source>gamepads</source>
        <translation>gamepad</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>suono</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>A ball is in play</source>
        <extracomment>Why the screen stays awake, as the desktop lists it.</extracomment>
        <translation>Una palla è in gioco</translation>
    </message>
</context>
</TS>
