<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>fonts</name>
    <message>
        <source>no fonts are installed at all, so no text can be drawn (install fonts-liberation)</source>
        <translation>nenhuma fonte está instalada, então nenhum texto pode ser desenhado (instale fonts-liberation)</translation>
    </message>
    <message>
        <source>font &quot;%1&quot; and its free stand-ins (%2) are not installed; using &quot;%3&quot;</source>
        <extracomment>%1 is a font family the board is drawn in, %2 the free fonts that stand in for it, %3 the one drawn instead.</extracomment>
        <translation>a fonte &quot;%1&quot; e suas substitutas livres (%2) não estão instaladas; usando &quot;%3&quot;</translation>
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
        <translation>Um jogo de quebrar tijolos em uma janela. Esquerda e Direita movem a raquete,
assim como o ponteiro ou um dedo sobre o tabuleiro e o direcional ou o
analógico esquerdo de um controle; o botão A do controle clica o botão
mostrado e Start pausa. P pausa, F1 e F2 escolhem o padrão de tijolos seguinte
ou anterior, F11 alterna a tela cheia, M desliga e religa o som.

  --boards FILE   jogar os tabuleiros de um arquivo de tabuleiros em vez dos
                  três padrões embutidos (um arquivo de tabuleiros sozinho na
                  linha de comando faz o mesmo)
  --boards NAME   jogar um conjunto de tabuleiros que vem com o jogo: extra
  --record FILE   gravar a partida em FILE, um arquivo novo, enquanto ela
                  acontece: cada entrada e seu instante, cada semente sorteada
                  e somas de verificação do estado
  --replay FILE   reproduzir uma gravação na janela, na velocidade em que foi
                  feita; imprime &quot;replay matches&quot; no fim, ou onde ela divergiu
  --draw-at-ticks desenhar a bola, a raquete e o logotipo só onde os passos do
                  jogo os colocam (40 e 20 vezes por segundo) em vez de
                  movê-los suavemente entre os passos na taxa de atualização
                  da tela
  --trial         com --boards: Esc fecha o jogo (o F5 do editor o usa)
  --edit [FILE]   criar tabuleiros: o editor de tabuleiros em FILE (um conjunto
                  novo se ele não existir); sem FILE ele pede um

Sem --boards, --record, --replay e --edit o jogo não lê nem grava nenhum
arquivo. Ele abre na tela Wayland de WAYLAND_DISPLAY, senão na tela X de
DISPLAY (ou -display). As outras opções do Qt (-platform, -style, ...) também
são aceitas.
</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>cannot write the output</source>
        <translation>não foi possível escrever a saída</translation>
    </message>
</context>
<context>
    <name>modules</name>
    <message>
        <source>the module %1 is not installed</source>
        <translation>o módulo %1 não está instalado</translation>
    </message>
    <message>
        <source>the %1 module is of another version</source>
        <extracomment>%1 is what the module gives: sound, gamepads.</extracomment>
        <translation>o módulo de %1 é de outra versão</translation>
    </message>
    <message>
        <source>no %1: %2</source>
        <extracomment>What the game goes on without (%1: sound, gamepads), and why (%2).</extracomment>
        <translation>sem %1: %2</translation>
    </message>
    <message>
        <source>gamepads</source>
        <translation>controles</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>som</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>A ball is in play</source>
        <extracomment>Why the screen stays awake, as the desktop lists it.</extracomment>
        <translation>Uma bola está em jogo</translation>
    </message>
</context>
</TS>
