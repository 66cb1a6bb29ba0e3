<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>fonts</name>
    <message>
        <source>no fonts are installed at all, so no text can be drawn (install fonts-liberation)</source>
        <translation>aucune police n’est installée, aucun texte ne peut donc être dessiné (installez fonts-liberation)</translation>
    </message>
    <message>
        <source>font &quot;%1&quot; and its free stand-ins (%2) are not installed; using &quot;%3&quot;</source>
        <extracomment>%1 is a font family the board is drawn in, %2 the free fonts that stand in for it, %3 the one drawn instead.</extracomment>
        <translation>la police « %1 » et ses remplaçantes libres (%2) ne sont pas installées ; « %3 » est utilisée</translation>
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
        <translation>Un casse-briques dans une fenêtre. Gauche et Droite déplacent la raquette, de
même que le pointeur ou un doigt sur le plateau et la croix directionnelle ou
le stick gauche d’une manette ; le bouton A de la manette clique le bouton
affiché et Start met en pause. P met en pause, F1 et F2 choisissent le motif
de briques suivant ou précédent, F11 bascule le plein écran, M coupe et remet
le son.

  --boards FILE   jouer les plateaux d’un fichier de plateaux au lieu des trois
                  motifs intégrés (un fichier de plateaux seul sur la ligne de
                  commande fait de même)
  --boards NAME   jouer un jeu de plateaux fourni avec le jeu : extra
  --record FILE   écrire la partie dans FILE, un nouveau fichier, au fil du
                  jeu : chaque entrée et son instant, chaque graine tirée, et
                  des sommes de contrôle de l’état
  --replay FILE   rejouer un enregistrement dans la fenêtre, à la vitesse où il
                  a été fait ; affiche &quot;replay matches&quot; à la fin, ou l’endroit
                  où il a divergé
  --draw-at-ticks dessiner la balle, la raquette et le logo seulement là où les
                  tops du jeu les placent (40 et 20 fois par seconde) au lieu
                  de les déplacer en douceur entre les tops au rythme de
                  rafraîchissement de l’écran
  --trial         avec --boards : Échap ferme le jeu (F5 de l’éditeur s’en sert)
  --edit [FILE]   créer des plateaux : l’éditeur de plateaux sur FILE (un
                  nouveau jeu s’il n’existe pas) ; sans FILE, il en demande un

Sans --boards, --record, --replay et --edit, le jeu ne lit et n’écrit aucun
fichier. Il s’ouvre sur l’affichage Wayland de WAYLAND_DISPLAY, sinon sur
l’affichage X de DISPLAY (ou -display). Les autres options de Qt (-platform,
-style, ...) sont acceptées aussi.
</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>cannot write the output</source>
        <translation>impossible d’écrire la sortie</translation>
    </message>
</context>
<context>
    <name>modules</name>
    <message>
        <source>the module %1 is not installed</source>
        <translation>le module %1 n’est pas installé</translation>
    </message>
    <message>
        <source>the %1 module is of another version</source>
        <extracomment>%1 is what the module gives: sound, gamepads.</extracomment>
        <translation>le module %1 est d’une autre version</translation>
    </message>
    <message>
        <source>no %1: %2</source>
        <extracomment>What the game goes on without (%1: sound, gamepads), and why (%2).</extracomment>
        <translation>%1 indisponible : %2</translation>
    </message>
    <message>
        <source>gamepads</source>
        <translation>manettes</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>son</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>A ball is in play</source>
        <extracomment>Why the screen stays awake, as the desktop lists it.</extracomment>
        <translation>Une balle est en jeu</translation>
    </message>
</context>
</TS>
