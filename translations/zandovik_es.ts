<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
                  patterns (a board file alone on the command line does the same)
  --boards NAME   play a set of boards that ships with the game: extra
  --record FILE   write the game into FILE, a new file, as it goes: every input
                  and its time, every seed drawn, and checksums of the state
  --replay FILE   play a recording back in the window, at the speed it was made;
                  prints &quot;replay matches&quot; at its end, or where it parted
  --draw-at-ticks draw the ball, the paddle and the logo only where the game&apos;s
                  ticks put them (40 and 20 times a second) instead of moving
                  them smoothly between ticks at the display&apos;s refresh rate
  --trial         with --boards: Escape closes the game (the editor&apos;s F5 uses it)
  --edit [FILE]   make boards: the board editor on FILE (a new set if it does not
                  exist); without FILE it asks for one

Without --boards, --record, --replay and --edit the game reads and writes no files.
It opens on the Wayland display in WAYLAND_DISPLAY, else on the X display in
DISPLAY (or -display). Qt&apos;s other options (-platform, -style, ...) are taken too.
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

Sin --boards, --record, --replay ni --edit el juego no lee ni escribe ningún
archivo. Se abre en la pantalla Wayland de WAYLAND_DISPLAY, si no en la
pantalla X de DISPLAY (o -display). También acepta las demás opciones de Qt
(-platform, -style, ...).
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
