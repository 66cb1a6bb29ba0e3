<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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

Ohne --boards, --record, --replay und --edit liest und schreibt das Spiel keine
Dateien. Es öffnet sich auf der Wayland-Anzeige in WAYLAND_DISPLAY, sonst auf
der X-Anzeige in DISPLAY (oder -display). Die übrigen Optionen von Qt
(-platform, -style, ...) werden ebenfalls angenommen.
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
