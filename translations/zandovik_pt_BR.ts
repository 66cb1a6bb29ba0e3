<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Best games</name>
    <message>
        <source>normal speed</source>
        <translation>velocidade normal</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A game speed on a tab: %1 is 85 or 70 (per cent of the normal speed).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Melhores partidas</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Assistir</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Esquecer</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
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
        <translation>Verificada</translation>
    </message>
    <message>
        <source>checking...</source>
        <extracomment>The Verified column while the game is replayed to check it.</extracomment>
        <translation>verificando...</translation>
    </message>
    <message>
        <source>No best games are kept yet. Turn on &quot;Keep scores and options on this computer&quot; in the menu.</source>
        <translation>Ainda não há melhores partidas guardadas. Ative &quot;Guardar pontuações e opções neste computador&quot; no menu.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificada</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>não verificada</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Esquecer</translation>
    </message>
    <message>
        <source>Forget this game and its recording?</source>
        <translation>Esquecer esta partida e sua gravação?</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>clear</source>
        <translation>limpar</translation>
    </message>
    <message>
        <source>paint %1</source>
        <translation>pintar %1</translation>
    </message>
    <message>
        <source>rename board %1</source>
        <translation>renomear o tabuleiro %1</translation>
    </message>
    <message>
        <source>delete board %1</source>
        <translation>excluir o tabuleiro %1</translation>
    </message>
    <message>
        <source>move board %1</source>
        <translation>mover o tabuleiro %1</translation>
    </message>
    <message numerus="yes">
        <source>A set holds at most %n boards.</source>
        <translation>
            <numerusform>Um conjunto tem no máximo %n tabuleiro.</numerusform>
            <numerusform>Um conjunto tem no máximo %n tabuleiros.</numerusform>
        </translation>
    </message>
    <message>
        <source>duplicate board</source>
        <translation>duplicar o tabuleiro</translation>
    </message>
    <message>
        <source>add board</source>
        <translation>adicionar tabuleiro</translation>
    </message>
    <message>
        <source>A set keeps at least one board.</source>
        <translation>Um conjunto mantém pelo menos um tabuleiro.</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restaurar</translation>
    </message>
    <message>
        <source>Not saved: board %1%2: %3</source>
        <translation>Não salvo: tabuleiro %1%2: %3</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Não salvo: %1</translation>
    </message>
    <message>
        <source>It was removed or renamed since the editor read it.</source>
        <translation>Ele foi removido ou renomeado desde que o editor o leu.</translation>
    </message>
    <message>
        <source>A file of that name was made since the editor began this set.</source>
        <translation>Um arquivo com esse nome foi criado desde que o editor começou este conjunto.</translation>
    </message>
    <message>
        <source>Another program or editor changed it since the editor read or saved it (now %1 bytes, changed at %2).</source>
        <extracomment>%1: the file&apos;s size in bytes; %2: a date and time</extracomment>
        <translation>Outro programa ou editor o alterou desde que o editor o leu ou salvou (agora %1 bytes, alterado em %2).</translation>
    </message>
    <message>
        <source>Not saved: %1 changed on disk and is as the other program left it.</source>
        <translation>Não salvo: %1 mudou no disco e fica como o outro programa o deixou.</translation>
    </message>
    <message>
        <source>Not saved: the file&apos;s comments and blank lines are as they were.</source>
        <translation>Não salvo: os comentários e as linhas em branco do arquivo continuam como estavam.</translation>
    </message>
    <message>
        <source>Not saved: %1: %2. The file on disk is as it was.</source>
        <translation>Não salvo: %1: %2. O arquivo no disco continua como estava.</translation>
    </message>
    <message>
        <source>The recovery copy cannot be written: %1: %2</source>
        <translation>A cópia de recuperação não pode ser gravada: %1: %2</translation>
    </message>
    <message>
        <source>Cannot be saved or played yet: %1</source>
        <translation>Ainda não pode ser salvo nem jogado: %1</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Salvo.</translation>
    </message>
    <message>
        <source>Unsaved changes.</source>
        <translation>Alterações não salvas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Arrows&lt;/td&gt;&lt;td&gt;move the cursor&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;set the cell; the mouse paints it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Left drag&lt;/td&gt;&lt;td&gt;paint &amp;nbsp;·&amp;nbsp; Right drag: clear&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;PgDn / PgUp&lt;/td&gt;&lt;td&gt;next / previous board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N / Ctrl+D&lt;/td&gt;&lt;td&gt;add / duplicate a board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Del&lt;/td&gt;&lt;td&gt;delete the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+↑ / Ctrl+↓&lt;/td&gt;&lt;td&gt;move the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;rename (Enter keeps it)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;undo / redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;play the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Q&lt;/td&gt;&lt;td&gt;save / quit&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 is no brick, 1–8 the hits a brick takes, 9 the unbreakable “!”.&lt;/p&gt;</source>
        <extracomment>The keys, in a table: keep the HTML tags.</extracomment>
        <translation>&lt;b&gt;Teclas&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Setas&lt;/td&gt;&lt;td&gt;movem o cursor&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;definem a célula; o mouse a pinta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Arrastar com o esquerdo&lt;/td&gt;&lt;td&gt;pinta &amp;nbsp;·&amp;nbsp; com o direito: limpa&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;PgDn / PgUp&lt;/td&gt;&lt;td&gt;tabuleiro seguinte / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N / Ctrl+D&lt;/td&gt;&lt;td&gt;adicionar / duplicar um tabuleiro&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Del&lt;/td&gt;&lt;td&gt;excluir o tabuleiro&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+↑ / Ctrl+↓&lt;/td&gt;&lt;td&gt;mover o tabuleiro&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;renomear (Enter confirma)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;desfazer / refazer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;jogar o tabuleiro&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Q&lt;/td&gt;&lt;td&gt;salvar / sair&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 é nenhum tijolo, 1–8 os golpes que um tijolo aguenta, 9 o “!” inquebrável.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add an empty board after this one</source>
        <translation>Adicionar um tabuleiro vazio depois deste</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Duplicate this board</source>
        <translation>Duplicar este tabuleiro</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete this board</source>
        <translation>Excluir este tabuleiro</translation>
    </message>
    <message>
        <source>↑</source>
        <extracomment>A button: move the board up the list</extracomment>
        <translation>↑</translation>
    </message>
    <message>
        <source>Move this board up</source>
        <translation>Mover este tabuleiro para cima</translation>
    </message>
    <message>
        <source>↓</source>
        <extracomment>A button: move the board down the list</extracomment>
        <translation>↓</translation>
    </message>
    <message>
        <source>Move this board down</source>
        <translation>Mover este tabuleiro para baixo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Shown in the empty name field: the board has no name</extracomment>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Play the board</source>
        <translation>&amp;Jogar o tabuleiro</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Tabuleiro</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Seguinte</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Ante&amp;rior</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplicar</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Mover para &amp;cima</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Mover para &amp;baixo</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Re&amp;nomear</translation>
    </message>
    <message>
        <source>%1[*] — zandovik board editor</source>
        <extracomment>The window&apos;s title: %1 is the file&apos;s name; keep [*]</extracomment>
        <translation>%1[*] — editor de tabuleiros do zandovik</translation>
    </message>
    <message>
        <source>&lt;b&gt;Board %1&lt;/b&gt; of %2 &amp;nbsp;·&amp;nbsp; cell %3, %4 &amp;nbsp;·&amp;nbsp; mouse paints %5</source>
        <translation>&lt;b&gt;Tabuleiro %1&lt;/b&gt; de %2 &amp;nbsp;·&amp;nbsp; célula %3, %4 &amp;nbsp;·&amp;nbsp; o mouse pinta %5</translation>
    </message>
    <message>
        <source>Board %1 cannot be played: %2</source>
        <translation>O tabuleiro %1 não pode ser jogado: %2</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Arquivo alterado no disco</translation>
    </message>
    <message>
        <source>%1 is not what the editor read or last saved.</source>
        <translation>%1 não é o que o editor leu ou salvou por último.</translation>
    </message>
    <message>
        <source>Saving over it loses what the other program wrote.</source>
        <translation>Salvar por cima perde o que o outro programa escreveu.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>Save elsewhere…</source>
        <translation>Salvar em outro lugar…</translation>
    </message>
    <message>
        <source>Save the set elsewhere</source>
        <translation>Salvar o conjunto em outro lugar</translation>
    </message>
    <message>
        <source>Board sets (*.boards);;All files (*)</source>
        <translation>Conjuntos de tabuleiros (*.boards);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Comments are not kept</source>
        <translation>Os comentários não são mantidos</translation>
    </message>
    <message>
        <source>%1 has comments or blank lines of its own. The editor writes the boards alone, so saving drops them.</source>
        <translation>%1 tem comentários ou linhas em branco próprios. O editor grava só os tabuleiros, então salvar os descarta.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>The boards have changes that are not saved in %1.</source>
        <translation>Os tabuleiros têm alterações que não estão salvas em %1.</translation>
    </message>
    <message>
        <source>%1 is a link that leads round in a loop, so there is no file to open or to save to</source>
        <translation>%1 é um link que anda em círculo: não há arquivo para abrir nem onde salvar</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist</source>
        <translation>%1 é um link para %2, que não existe</translation>
    </message>
    <message>
        <source>A new set: nothing is written until you save.</source>
        <translation>Um conjunto novo: nada é gravado até você salvar.</translation>
    </message>
    <message numerus="yes">
        <source>%n board read from %1.</source>
        <translation>
            <numerusform>%n tabuleiro lido de %1.</numerusform>
            <numerusform>%n tabuleiros lidos de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n boards read from %1.</source>
        <translation>
            <numerusform>%n tabuleiro lido de %1.</numerusform>
            <numerusform>%n tabuleiros lidos de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Beside it: %1, left by a save that was interrupted (or a file of your own of that shape). %2 itself is whole; the editor leaves the rest to you.</source>
        <extracomment>%1: file names such as mine.boards.Ab12Cd; %2: the set&apos;s own file name</extracomment>
        <translation>Ao lado: %1, deixado por um salvamento interrompido (ou um arquivo seu com esse formato). %2 está inteiro; o editor deixa o resto com você.</translation>
    </message>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1: não é possível criar a pasta</translation>
    </message>
    <message>
        <source>Open a board set, or name a new one</source>
        <translation>Abrir um conjunto de tabuleiros ou dar nome a um novo</translation>
    </message>
    <message>
        <source>Board sets (*.boards)</source>
        <translation>Conjuntos de tabuleiros (*.boards)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>The file dialog&apos;s button that opens the chosen set</extracomment>
        <translation>Editar</translation>
    </message>
    <message>
        <source>zandovik board editor</source>
        <translation>Editor de tabuleiros do zandovik</translation>
    </message>
    <message>
        <source>Start a new set</source>
        <translation>Começar um conjunto novo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Unsaved changes were kept</source>
        <translation>Alterações não salvas foram guardadas</translation>
    </message>
    <message>
        <source>Changes to %1 were not saved when the editor ended. They were kept at %2.</source>
        <extracomment>%1: a file name; %2: a date and time</extracomment>
        <translation>As alterações em %1 não estavam salvas quando o editor terminou. Elas foram guardadas em %2.</translation>
    </message>
    <message>
        <source>Restore them (they are unsaved until you save), or discard them and open the file as it is on disk?</source>
        <translation>Restaurá-las (não salvas até você salvar) ou descartá-las e abrir o arquivo como está no disco?</translation>
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
        <translation>Este não é um arquivo de tabuleiros que o jogo consiga ler.</translation>
    </message>
    <message>
        <source>A new set: %1 could not be read and stays as it is unless you save.</source>
        <translation>Um conjunto novo: %1 não pôde ser lido e fica como está, a menos que você salve.</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read and is left as it is: %1</source>
        <translation>Uma cópia de recuperação não pode ser lida e fica como está: %1</translation>
    </message>
    <message>
        <source>Restored the changes kept at %1: unsaved until you save.</source>
        <translation>As alterações guardadas em %1 foram restauradas: não salvas até você salvar.</translation>
    </message>
    <message>
        <source>%1 is not a plain file, so it is not written over</source>
        <translation>%1 não é um arquivo comum, então não é sobrescrito</translation>
    </message>
    <message>
        <source>The game is open already: close it to play again.</source>
        <translation>O jogo já está aberto: feche-o para jogar de novo.</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Não é possível jogar: %1</translation>
    </message>
    <message>
        <source>Back from the game.</source>
        <translation>De volta do jogo.</translation>
    </message>
    <message>
        <source>The game ended with status %1: its message is on standard error.</source>
        <translation>O jogo terminou com o status %1: a mensagem dele está na saída de erro.</translation>
    </message>
    <message>
        <source>Cannot start the game: %1</source>
        <translation>Não é possível iniciar o jogo: %1</translation>
    </message>
    <message>
        <source>Playing board %1 in the game: Escape comes back.</source>
        <translation>Jogando o tabuleiro %1 no jogo: Esc volta para cá.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Tabuleiros</translation>
    </message>
    <message>
        <source>&amp;Edit boards...</source>
        <translation>&amp;Editar tabuleiros...</translation>
    </message>
    <message>
        <source>Best &amp;games...</source>
        <translation>&amp;Melhores partidas...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Tela &amp;cheia</translation>
    </message>
    <message>
        <source>Smooth &amp;motion</source>
        <translation>Movimento s&amp;uave</translation>
    </message>
    <message>
        <source>Game s&amp;peed</source>
        <translation>&amp;Velocidade do jogo</translation>
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
        <translation>&amp;Guardar pontuações e opções neste computador</translation>
    </message>
    <message>
        <source>Keys and &amp;help</source>
        <translation>Teclas e a&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>S&amp;obre</translation>
    </message>
    <message>
        <source>Built-in patterns</source>
        <translation>Padrões embutidos</translation>
    </message>
    <message>
        <source>&amp;Open a board file...</source>
        <translation>&amp;Abrir um arquivo de tabuleiros...</translation>
    </message>
    <message>
        <source>Open a board file</source>
        <translation>Abrir um arquivo de tabuleiros</translation>
    </message>
    <message>
        <source>Board files (*.boards)</source>
        <translation>Arquivos de tabuleiros (*.boards)</translation>
    </message>
    <message>
        <source>Edit boards</source>
        <translation>Editar tabuleiros</translation>
    </message>
    <message>
        <source>The board editor could not be started.</source>
        <translation>Não foi possível iniciar o editor de tabuleiros.</translation>
    </message>
    <message>
        <source>Keys and help</source>
        <translation>Teclas e ajuda</translation>
    </message>
    <message>
        <source>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left / Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move the paddle while held; the first move launches a resting ball&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Pointer, finger&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the paddle follows it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Gamepad&lt;/b&gt;&lt;/td&gt;&lt;td&gt;d-pad or left stick move; A clicks the button on show; Start pauses; Back opens this menu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pause; click &lt;b&gt;Pause&lt;/b&gt; to go on&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;next / previous brick pattern; clears the score&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;after a cleared board: one more life and the next pattern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;a new game; the best score is kept&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;full screen on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sound on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menu, right click&lt;/b&gt;&lt;/td&gt;&lt;td&gt;this menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Esquerda / Direita&lt;/b&gt;&lt;/td&gt;&lt;td&gt;movem a raquete enquanto pressionadas; o primeiro movimento lança uma bola parada&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ponteiro, dedo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;a raquete o segue&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Controle&lt;/b&gt;&lt;/td&gt;&lt;td&gt;direcional ou analógico esquerdo movem; A clica o botão visível; Start pausa; Back abre este menu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pausa; clique em &lt;b&gt;Pause&lt;/b&gt; para continuar&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;padrão de tijolos seguinte / anterior; zera os pontos&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;após um tabuleiro limpo: uma vida a mais e o padrão seguinte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;uma partida nova; a melhor pontuação é mantida&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;liga e desliga a tela cheia&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;liga e desliga o som&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menu, clique direito&lt;/b&gt;&lt;/td&gt;&lt;td&gt;este menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>About zandovik</source>
        <translation>Sobre o zandovik</translation>
    </message>
    <message>
        <source>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;A brick-breaking game.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 the zandovik developers.&lt;br&gt;MIT licence.&lt;/p&gt;</source>
        <translation>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;Um jogo de quebrar tijolos.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 os desenvolvedores do zandovik.&lt;br&gt;Licença MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keep scores and options</source>
        <translation>Guardar pontuações e opções</translation>
    </message>
    <message>
        <source>Forget the options and the best games kept on this computer? Your boards are kept either way.</source>
        <translation>Esquecer as opções e as melhores partidas guardadas neste computador? Seus tabuleiros são mantidos de qualquer forma.</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Tabuleiros</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The game does not start.</source>
        <translation>O jogo não inicia.</translation>
    </message>
    <message>
        <source>Started as: %1
In the folder: %2</source>
        <translation>Iniciado como: %1
Na pasta: %2</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>cannot make the folder</source>
        <translation>não é possível criar a pasta</translation>
    </message>
    <message>
        <source>cannot take the lock</source>
        <translation>não é possível obter a trava</translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation>não é possível criar sua pasta</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>não pode ser gravado</translation>
    </message>
    <message>
        <source>cannot make the folder; no best games are kept</source>
        <translation>não é possível criar a pasta; nenhuma melhor partida é guardada</translation>
    </message>
    <message>
        <source>cannot keep the game: %1</source>
        <translation>não é possível guardar a partida: %1</translation>
    </message>
</context>
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
  --desktop       iniciado pela área de trabalho, onde ninguém lê a saída de
                  erro: um arquivo de tabuleiros, uma gravação ou um conjunto
                  que não pode ser jogado também é avisado numa janela antes
                  de o jogo terminar
  --best          mostrar as melhores partidas guardadas (Guardar pontuações e
                  opções), uma por linha: conjunto, velocidade %, posição,
                  pontos, nível, nome, data e hora, e se a gravação reproduz
                  a pontuação (verified)

F10, a tecla Menu, um clique direito ou o Back de um controle abrem o menu do
jogo. Enquanto &quot;Guardar pontuações e opções neste computador&quot; não estiver
ativado ali, o jogo não grava arquivos além dos citados acima; ele lê seu
arquivo de opções só para saber disso. Ele abre na tela Wayland de
WAYLAND_DISPLAY, senão na tela X de DISPLAY (ou -display). As outras opções
do Qt (-platform, -style, ...) também são aceitas.
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
