<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Best games</name>
    <message>
        <source>normal speed</source>
        <translation>velocidad normal</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A game speed on a tab: %1 is 85 or 70 (per cent of the normal speed).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Mejores partidas</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Olvidar</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificada</translation>
    </message>
    <message>
        <source>checking...</source>
        <extracomment>The Verified column while the game is replayed to check it.</extracomment>
        <translation>comprobando...</translation>
    </message>
    <message>
        <source>No best games are kept yet. Turn on &quot;Keep scores and options on this computer&quot; in the menu.</source>
        <translation>Aún no se guardan mejores partidas. Activa «Guardar puntuaciones y opciones en este equipo» en el menú.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificada</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>no verificada</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Olvidar</translation>
    </message>
    <message>
        <source>Forget this game and its recording?</source>
        <translation>¿Olvidar esta partida y su grabación?</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>clear</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>paint %1</source>
        <translation>pintar %1</translation>
    </message>
    <message>
        <source>rename board %1</source>
        <translation>renombrar el tablero %1</translation>
    </message>
    <message>
        <source>delete board %1</source>
        <translation>eliminar el tablero %1</translation>
    </message>
    <message>
        <source>move board %1</source>
        <translation>mover el tablero %1</translation>
    </message>
    <message numerus="yes">
        <source>A set holds at most %n boards.</source>
        <translation>
            <numerusform>Un conjunto tiene como mucho %n tablero.</numerusform>
            <numerusform>Un conjunto tiene como mucho %n tableros.</numerusform>
        </translation>
    </message>
    <message>
        <source>duplicate board</source>
        <translation>duplicar el tablero</translation>
    </message>
    <message>
        <source>add board</source>
        <translation>añadir un tablero</translation>
    </message>
    <message>
        <source>A set keeps at least one board.</source>
        <translation>Un conjunto conserva al menos un tablero.</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restaurar</translation>
    </message>
    <message>
        <source>Not saved: board %1%2: %3</source>
        <translation>No guardado: tablero %1%2: %3</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>It was removed or renamed since the editor read it.</source>
        <translation>Se eliminó o se renombró desde que el editor lo leyó.</translation>
    </message>
    <message>
        <source>A file of that name was made since the editor began this set.</source>
        <translation>Se creó un archivo con ese nombre desde que el editor empezó este conjunto.</translation>
    </message>
    <message>
        <source>Another program or editor changed it since the editor read or saved it (now %1 bytes, changed at %2).</source>
        <extracomment>%1: the file&apos;s size in bytes; %2: a date and time</extracomment>
        <translation>Otro programa u otro editor lo cambió desde que el editor lo leyó o guardó (ahora %1 bytes, cambiado el %2).</translation>
    </message>
    <message>
        <source>Not saved: %1 changed on disk and is as the other program left it.</source>
        <translation>No guardado: %1 cambió en el disco y queda como lo dejó el otro programa.</translation>
    </message>
    <message>
        <source>Not saved: the file&apos;s comments and blank lines are as they were.</source>
        <translation>No guardado: los comentarios y líneas en blanco del archivo siguen como estaban.</translation>
    </message>
    <message>
        <source>Not saved: %1: %2. The file on disk is as it was.</source>
        <translation>No guardado: %1: %2. El archivo en el disco sigue como estaba.</translation>
    </message>
    <message>
        <source>The recovery copy cannot be written: %1: %2</source>
        <translation>La copia de recuperación no se puede escribir: %1: %2</translation>
    </message>
    <message>
        <source>Cannot be saved or played yet: %1</source>
        <translation>Aún no se puede guardar ni jugar: %1</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Guardado.</translation>
    </message>
    <message>
        <source>Unsaved changes.</source>
        <translation>Cambios sin guardar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Arrows&lt;/td&gt;&lt;td&gt;move the cursor&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;set the cell; the mouse paints it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Left drag&lt;/td&gt;&lt;td&gt;paint &amp;nbsp;·&amp;nbsp; Right drag: clear&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;PgDn / PgUp&lt;/td&gt;&lt;td&gt;next / previous board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N / Ctrl+D&lt;/td&gt;&lt;td&gt;add / duplicate a board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Del&lt;/td&gt;&lt;td&gt;delete the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+↑ / Ctrl+↓&lt;/td&gt;&lt;td&gt;move the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;rename (Enter keeps it)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;undo / redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;play the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Q&lt;/td&gt;&lt;td&gt;save / quit&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 is no brick, 1–8 the hits a brick takes, 9 the unbreakable “!”.&lt;/p&gt;</source>
        <extracomment>The keys, in a table: keep the HTML tags.</extracomment>
        <translation>&lt;b&gt;Teclas&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Flechas&lt;/td&gt;&lt;td&gt;mover el cursor&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;fijar la celda; el ratón la pinta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Arrastrar con el izquierdo&lt;/td&gt;&lt;td&gt;pintar &amp;nbsp;·&amp;nbsp; con el derecho: borrar&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;AvPág / RePág&lt;/td&gt;&lt;td&gt;tablero siguiente / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N / Ctrl+D&lt;/td&gt;&lt;td&gt;añadir / duplicar un tablero&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Supr&lt;/td&gt;&lt;td&gt;eliminar el tablero&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+↑ / Ctrl+↓&lt;/td&gt;&lt;td&gt;mover el tablero&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;renombrar (Intro lo confirma)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Mayús+Z&lt;/td&gt;&lt;td&gt;deshacer / rehacer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;jugar el tablero&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Q&lt;/td&gt;&lt;td&gt;guardar / salir&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 es sin ladrillo, 1–8 los golpes que aguanta un ladrillo, 9 el «!» irrompible.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add an empty board after this one</source>
        <translation>Añadir un tablero vacío después de este</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Duplicate this board</source>
        <translation>Duplicar este tablero</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete this board</source>
        <translation>Eliminar este tablero</translation>
    </message>
    <message>
        <source>↑</source>
        <extracomment>A button: move the board up the list</extracomment>
        <translation>↑</translation>
    </message>
    <message>
        <source>Move this board up</source>
        <translation>Subir este tablero</translation>
    </message>
    <message>
        <source>↓</source>
        <extracomment>A button: move the board down the list</extracomment>
        <translation>↓</translation>
    </message>
    <message>
        <source>Move this board down</source>
        <translation>Bajar este tablero</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Shown in the empty name field: the board has no name</extracomment>
        <translation>(ninguno)</translation>
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
        <source>&amp;Play the board</source>
        <translation>&amp;Jugar el tablero</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
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
        <source>&amp;Board</source>
        <translation>&amp;Tablero</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>A&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplicar</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>%1[*] — zandovik board editor</source>
        <extracomment>The window&apos;s title: %1 is the file&apos;s name; keep [*]</extracomment>
        <translation>%1[*] — editor de tableros de zandovik</translation>
    </message>
    <message>
        <source>&lt;b&gt;Board %1&lt;/b&gt; of %2 &amp;nbsp;·&amp;nbsp; cell %3, %4 &amp;nbsp;·&amp;nbsp; mouse paints %5</source>
        <translation>&lt;b&gt;Tablero %1&lt;/b&gt; de %2 &amp;nbsp;·&amp;nbsp; celda %3, %4 &amp;nbsp;·&amp;nbsp; el ratón pinta %5</translation>
    </message>
    <message>
        <source>Board %1 cannot be played: %2</source>
        <translation>El tablero %1 no se puede jugar: %2</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Archivo cambiado en el disco</translation>
    </message>
    <message>
        <source>%1 is not what the editor read or last saved.</source>
        <translation>%1 no es lo que el editor leyó o guardó por última vez.</translation>
    </message>
    <message>
        <source>Saving over it loses what the other program wrote.</source>
        <translation>Guardar encima pierde lo que escribió el otro programa.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Save elsewhere…</source>
        <translation>Guardar en otro sitio…</translation>
    </message>
    <message>
        <source>Save the set elsewhere</source>
        <translation>Guardar el conjunto en otro sitio</translation>
    </message>
    <message>
        <source>Board sets (*.boards);;All files (*)</source>
        <translation>Conjuntos de tableros (*.boards);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Comments are not kept</source>
        <translation>Los comentarios no se conservan</translation>
    </message>
    <message>
        <source>%1 has comments or blank lines of its own. The editor writes the boards alone, so saving drops them.</source>
        <translation>%1 tiene comentarios o líneas en blanco propios. El editor solo escribe los tableros, así que al guardar se pierden.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>The boards have changes that are not saved in %1.</source>
        <translation>Los tableros tienen cambios que no están guardados en %1.</translation>
    </message>
    <message>
        <source>%1 is a link that leads round in a loop, so there is no file to open or to save to</source>
        <translation>%1 es un enlace que da vueltas en círculo: no hay archivo que abrir ni donde guardar</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist</source>
        <translation>%1 es un enlace a %2, que no existe</translation>
    </message>
    <message>
        <source>A new set: nothing is written until you save.</source>
        <translation>Un conjunto nuevo: no se escribe nada hasta que guardes.</translation>
    </message>
    <message numerus="yes">
        <source>%n board read from %1.</source>
        <translation>
            <numerusform>%n tablero leído de %1.</numerusform>
            <numerusform>%n tableros leídos de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n boards read from %1.</source>
        <translation>
            <numerusform>%n tablero leído de %1.</numerusform>
            <numerusform>%n tableros leídos de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Beside it: %1, left by a save that was interrupted (or a file of your own of that shape). %2 itself is whole; the editor leaves the rest to you.</source>
        <extracomment>%1: file names such as mine.boards.Ab12Cd; %2: the set&apos;s own file name</extracomment>
        <translation>Al lado: %1, restos de un guardado interrumpido (o un archivo tuyo con esa forma). %2 está completo; el editor te deja el resto a ti.</translation>
    </message>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1: no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Open a board set, or name a new one</source>
        <translation>Abrir un conjunto de tableros o nombrar uno nuevo</translation>
    </message>
    <message>
        <source>Board sets (*.boards)</source>
        <translation>Conjuntos de tableros (*.boards)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>The file dialog&apos;s button that opens the chosen set</extracomment>
        <translation>Editar</translation>
    </message>
    <message>
        <source>zandovik board editor</source>
        <translation>Editor de tableros de zandovik</translation>
    </message>
    <message>
        <source>Start a new set</source>
        <translation>Empezar un conjunto nuevo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Unsaved changes were kept</source>
        <translation>Se conservaron cambios sin guardar</translation>
    </message>
    <message>
        <source>Changes to %1 were not saved when the editor ended. They were kept at %2.</source>
        <extracomment>%1: a file name; %2: a date and time</extracomment>
        <translation>Los cambios en %1 no estaban guardados cuando el editor terminó. Se conservaron en %2.</translation>
    </message>
    <message>
        <source>Restore them (they are unsaved until you save), or discard them and open the file as it is on disk?</source>
        <translation>¿Restaurarlos (sin guardar hasta que guardes) o descartarlos y abrir el archivo tal como está en el disco?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>This is not a board file the game can read.</source>
        <translation>Este no es un archivo de tableros que el juego pueda leer.</translation>
    </message>
    <message>
        <source>A new set: %1 could not be read and stays as it is unless you save.</source>
        <translation>Un conjunto nuevo: %1 no se pudo leer y queda como está salvo que guardes.</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read and is left as it is: %1</source>
        <translation>Una copia de recuperación no se puede leer y queda como está: %1</translation>
    </message>
    <message>
        <source>Restored the changes kept at %1: unsaved until you save.</source>
        <translation>Se restauraron los cambios conservados en %1: sin guardar hasta que guardes.</translation>
    </message>
    <message>
        <source>%1 is not a plain file, so it is not written over</source>
        <translation>%1 no es un archivo normal, así que no se sobrescribe</translation>
    </message>
    <message>
        <source>The game is open already: close it to play again.</source>
        <translation>El juego ya está abierto: ciérralo para volver a jugar.</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>No se puede jugar: %1</translation>
    </message>
    <message>
        <source>Back from the game.</source>
        <translation>De vuelta del juego.</translation>
    </message>
    <message>
        <source>The game ended with status %1: its message is on standard error.</source>
        <translation>El juego terminó con el estado %1: su mensaje está en la salida de error.</translation>
    </message>
    <message>
        <source>Cannot start the game: %1</source>
        <translation>No se puede iniciar el juego: %1</translation>
    </message>
    <message>
        <source>Playing board %1 in the game: Escape comes back.</source>
        <translation>Jugando el tablero %1 en el juego: Escape vuelve aquí.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Tableros</translation>
    </message>
    <message>
        <source>&amp;Edit boards...</source>
        <translation>&amp;Editar tableros...</translation>
    </message>
    <message>
        <source>Best &amp;games...</source>
        <translation>&amp;Mejores partidas...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Smooth &amp;motion</source>
        <translation>Movimiento s&amp;uave</translation>
    </message>
    <message>
        <source>Game s&amp;peed</source>
        <translation>&amp;Velocidad del juego</translation>
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
        <translation>&amp;Guardar puntuaciones y opciones en este equipo</translation>
    </message>
    <message>
        <source>Keys and &amp;help</source>
        <translation>Teclas y a&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Built-in patterns</source>
        <translation>Patrones incluidos</translation>
    </message>
    <message>
        <source>&amp;Open a board file...</source>
        <translation>&amp;Abrir un archivo de tableros...</translation>
    </message>
    <message>
        <source>Open a board file</source>
        <translation>Abrir un archivo de tableros</translation>
    </message>
    <message>
        <source>Board files (*.boards)</source>
        <translation>Archivos de tableros (*.boards)</translation>
    </message>
    <message>
        <source>Edit boards</source>
        <translation>Editar tableros</translation>
    </message>
    <message>
        <source>The board editor could not be started.</source>
        <translation>No se pudo iniciar el editor de tableros.</translation>
    </message>
    <message>
        <source>Keys and help</source>
        <translation>Teclas y ayuda</translation>
    </message>
    <message>
        <source>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left / Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move the paddle while held; the first move launches a resting ball&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Pointer, finger&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the paddle follows it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Gamepad&lt;/b&gt;&lt;/td&gt;&lt;td&gt;d-pad or left stick move; A clicks the button on show; Start pauses; Back opens this menu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pause; click &lt;b&gt;Pause&lt;/b&gt; to go on&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;next / previous brick pattern; clears the score&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;after a cleared board: one more life and the next pattern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;a new game; the best score is kept&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;full screen on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sound on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menu, right click&lt;/b&gt;&lt;/td&gt;&lt;td&gt;this menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Izquierda / Derecha&lt;/b&gt;&lt;/td&gt;&lt;td&gt;mueven la pala mientras se pulsan; el primer movimiento lanza una bola en reposo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Puntero, dedo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;la pala lo sigue&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Mando&lt;/b&gt;&lt;/td&gt;&lt;td&gt;la cruceta o el stick izquierdo mueven; A pulsa el botón visible; Start pausa; Back abre este menú&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pausa; pulsa &lt;b&gt;Pause&lt;/b&gt; para seguir&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;patrón de ladrillos siguiente / anterior; pone los puntos a cero&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;tras un tablero limpio: una vida más y el patrón siguiente&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;una partida nueva; la mejor puntuación se conserva&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pantalla completa sí o no&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sonido sí o no&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menú, clic derecho&lt;/b&gt;&lt;/td&gt;&lt;td&gt;este menú&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>About zandovik</source>
        <translation>Acerca de zandovik</translation>
    </message>
    <message>
        <source>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;A brick-breaking game.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 the zandovik developers.&lt;br&gt;MIT licence.&lt;/p&gt;</source>
        <translation>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;Un juego de romper ladrillos.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 los desarrolladores de zandovik.&lt;br&gt;Licencia MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keep scores and options</source>
        <translation>Guardar puntuaciones y opciones</translation>
    </message>
    <message>
        <source>Forget the options and the best games kept on this computer? Your boards are kept either way.</source>
        <translation>¿Olvidar las opciones y las mejores partidas guardadas en este equipo? Tus tableros se conservan en cualquier caso.</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Tableros</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The game does not start.</source>
        <translation>El juego no se inicia.</translation>
    </message>
    <message>
        <source>Started as: %1
In the folder: %2</source>
        <translation>Iniciado como: %1
En la carpeta: %2</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>cannot make the folder</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>cannot take the lock</source>
        <translation>no se puede tomar el bloqueo</translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>no se puede escribir</translation>
    </message>
    <message>
        <source>cannot make the folder; no best games are kept</source>
        <translation>no se puede crear la carpeta; no se guardan mejores partidas</translation>
    </message>
    <message>
        <source>cannot keep the game: %1</source>
        <translation>no se puede guardar la partida: %1</translation>
    </message>
</context>
<context>
    <name>fonts</name>
    <message>
        <source>no fonts are installed at all, so no text can be drawn (install fonts-liberation)</source>
        <translation>no hay ninguna fuente instalada, así que no se puede dibujar texto (instale fonts-liberation)</translation>
    </message>
    <message>
        <source>font &quot;%1&quot; and its free stand-ins (%2) are not installed; using &quot;%3&quot;</source>
        <extracomment>%1 is a font family the board is drawn in, %2 the free fonts that stand in for it, %3 the one drawn instead.</extracomment>
        <translation>la fuente «%1» y sus sustitutas libres (%2) no están instaladas; se usa «%3»</translation>
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
        <translation>Un juego de romper ladrillos en una ventana. Izquierda y Derecha mueven la
paleta, y también el puntero o un dedo sobre el tablero y la cruceta o la
palanca izquierda de un mando; el botón A del mando pulsa el botón que se
muestra y Start pausa. P pausa, F1 y F2 eligen el patrón de ladrillos
siguiente o anterior, F11 alterna la pantalla completa, M apaga y enciende el
sonido.

  --boards FILE   jugar los tableros de un archivo de tableros en lugar de los
                  tres patrones incorporados (un archivo de tableros solo en la
                  línea de órdenes hace lo mismo)
  --boards NAME   jugar un conjunto de tableros que viene con el juego: extra
  --record FILE   escribir la partida en FILE, un archivo nuevo, sobre la
                  marcha: cada entrada y su momento, cada semilla sacada y sumas
                  de comprobación del estado
  --replay FILE   reproducir una grabación en la ventana, a la velocidad con que
                  se hizo; muestra &quot;replay matches&quot; al final, o dónde se apartó
  --draw-at-ticks dibujar la bola, la paleta y el logotipo solo donde los pasos
                  del juego los ponen (40 y 20 veces por segundo) en lugar de
                  moverlos con suavidad entre pasos a la frecuencia de
                  refresco de la pantalla
  --trial         con --boards: Escape cierra el juego (lo usa F5 del editor)
  --edit [FILE]   crear tableros: el editor de tableros sobre FILE (un conjunto
                  nuevo si no existe); sin FILE pide uno
  --desktop       iniciado desde el escritorio, donde nadie lee la salida de
                  error: un archivo de tableros, una grabación o un conjunto que
                  no se puede jugar se avisa también en un diálogo antes de que
                  el juego termine
  --best          mostrar las mejores partidas guardadas (Guardar puntuaciones
                  y opciones), una por línea: conjunto, velocidad %, puesto,
                  puntos, nivel, nombre, fecha y hora, y si su grabación
                  reproduce sus puntos (verified)

F10, la tecla Menú, un clic derecho o el Back de un mando abren el menú del
juego. Mientras no se active allí «Guardar puntuaciones y opciones en este
equipo», el juego no escribe más archivos que los nombrados arriba; lee su
archivo de opciones solo para saberlo. Se abre en la pantalla Wayland de
WAYLAND_DISPLAY, si no en la pantalla X de DISPLAY (o -display). También acepta
las demás opciones de Qt (-platform, -style, ...).
</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>cannot write the output</source>
        <translation>no se puede escribir la salida</translation>
    </message>
</context>
<context>
    <name>modules</name>
    <message>
        <source>the module %1 is not installed</source>
        <translation>el módulo %1 no está instalado</translation>
    </message>
    <message>
        <source>the %1 module is of another version</source>
        <extracomment>%1 is what the module gives: sound, gamepads.</extracomment>
        <translation>el módulo de %1 es de otra versión</translation>
    </message>
    <message>
        <source>no %1: %2</source>
        <extracomment>What the game goes on without (%1: sound, gamepads), and why (%2).</extracomment>
        <translation>sin %1: %2</translation>
    </message>
    <message>
        <source>gamepads</source>
        <translation>mandos</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>sonido</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>A ball is in play</source>
        <extracomment>Why the screen stays awake, as the desktop lists it.</extracomment>
        <translation>Hay una bola en juego</translation>
    </message>
</context>
</TS>
