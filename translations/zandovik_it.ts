<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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

Senza --boards, --record, --replay e --edit il gioco non legge né scrive alcun
file. Si apre sul display Wayland in WAYLAND_DISPLAY, altrimenti sul display X
in DISPLAY (o -display). Accetta anche le altre opzioni di Qt (-platform,
-style, ...).
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
