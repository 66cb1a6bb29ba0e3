<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>fonts</name>
    <message>
        <source>no fonts are installed at all, so no text can be drawn (install fonts-liberation)</source>
        <translation>nie zainstalowano żadnych czcionek, więc nie da się rysować tekstu (zainstaluj fonts-liberation)</translation>
    </message>
    <message>
        <source>font &quot;%1&quot; and its free stand-ins (%2) are not installed; using &quot;%3&quot;</source>
        <extracomment>%1 is a font family the board is drawn in, %2 the free fonts that stand in for it, %3 the one drawn instead.</extracomment>
        <translation>czcionka „%1” i jej wolne zamienniki (%2) nie są zainstalowane; używana jest „%3”</translation>
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
        <translation>Gra w rozbijanie cegieł w jednym oknie. Strzałki w lewo i w prawo przesuwają
paletkę, podobnie jak wskaźnik lub palec nad planszą oraz krzyżak lub lewa
gałka pada; przycisk A pada klika widoczny przycisk, a Start wstrzymuje grę.
P wstrzymuje grę, F1 i F2 wybierają następny lub poprzedni układ cegieł, F11
przełącza pełny ekran, M wyłącza i włącza dźwięk.

  --boards FILE   grać na planszach z pliku plansz zamiast trzech wbudowanych
                  układów (sam plik plansz w wierszu poleceń działa tak samo)
  --boards NAME   grać zestaw plansz dostarczony z grą: extra
  --record FILE   zapisywać grę na bieżąco do FILE, nowego pliku: każde
                  wejście i jego czas, każde wylosowane ziarno i sumy
                  kontrolne stanu
  --replay FILE   odtworzyć nagranie w oknie, z szybkością, z jaką powstało;
                  na końcu wypisuje &quot;replay matches&quot; albo miejsce rozbieżności
  --draw-at-ticks rysować piłkę, paletkę i logo tylko tam, gdzie stawiają je
                  takty gry (40 i 20 razy na sekundę), zamiast płynnie
                  przesuwać je między taktami z częstotliwością odświeżania
                  ekranu
  --trial         z --boards: Escape zamyka grę (używa tego F5 w edytorze)
  --edit [FILE]   tworzyć plansze: edytor plansz dla FILE (nowy zestaw, jeśli
                  plik nie istnieje); bez FILE pyta o plik

Bez --boards, --record, --replay i --edit gra nie czyta ani nie zapisuje
żadnych plików. Otwiera się na ekranie Wayland z WAYLAND_DISPLAY, a w
przeciwnym razie na ekranie X z DISPLAY (lub -display). Pozostałe opcje Qt
(-platform, -style, ...) też są przyjmowane.
</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>cannot write the output</source>
        <translation>nie można zapisać wyjścia</translation>
    </message>
</context>
<context>
    <name>modules</name>
    <message>
        <source>the module %1 is not installed</source>
        <translation>moduł %1 nie jest zainstalowany</translation>
    </message>
    <message>
        <source>the %1 module is of another version</source>
        <extracomment>%1 is what the module gives: sound, gamepads.</extracomment>
        <translation>moduł %1 jest w innej wersji</translation>
    </message>
    <message>
        <source>no %1: %2</source>
        <extracomment>What the game goes on without (%1: sound, gamepads), and why (%2).</extracomment>
        <translation>%1 niedostępne: %2</translation>
    </message>
    <message>
        <source>gamepads</source>
        <translation>pady</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>dźwięk</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>A ball is in play</source>
        <extracomment>Why the screen stays awake, as the desktop lists it.</extracomment>
        <translation>Piłka jest w grze</translation>
    </message>
</context>
</TS>
