<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Best games</name>
    <message>
        <source>normal speed</source>
        <translation>normalna prędkość</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A game speed on a tab: %1 is 85 or 70 (per cent of the normal speed).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Najlepsze gry</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Obejrzyj</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Zapomnij</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Sprawdzona</translation>
    </message>
    <message>
        <source>checking...</source>
        <extracomment>The Verified column while the game is replayed to check it.</extracomment>
        <translation>sprawdzanie...</translation>
    </message>
    <message>
        <source>No best games are kept yet. Turn on &quot;Keep scores and options on this computer&quot; in the menu.</source>
        <translation>Nie zachowano jeszcze najlepszych gier. Włącz w menu „Zachowuj wyniki i opcje na tym komputerze”.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>sprawdzona</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>niesprawdzona</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Zapomnij</translation>
    </message>
    <message>
        <source>Forget this game and its recording?</source>
        <translation>Zapomnieć tę grę i jej nagranie?</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>clear</source>
        <translation>wyczyść</translation>
    </message>
    <message>
        <source>paint %1</source>
        <translation>maluj %1</translation>
    </message>
    <message>
        <source>rename board %1</source>
        <translation>zmień nazwę planszy %1</translation>
    </message>
    <message>
        <source>delete board %1</source>
        <translation>usuń planszę %1</translation>
    </message>
    <message>
        <source>move board %1</source>
        <translation>przenieś planszę %1</translation>
    </message>
    <message numerus="yes">
        <source>A set holds at most %n boards.</source>
        <translation>
            <numerusform>Zestaw mieści najwyżej %n planszę.</numerusform>
            <numerusform>Zestaw mieści najwyżej %n plansze.</numerusform>
            <numerusform>Zestaw mieści najwyżej %n plansz.</numerusform>
        </translation>
    </message>
    <message>
        <source>duplicate board</source>
        <translation>powiel planszę</translation>
    </message>
    <message>
        <source>add board</source>
        <translation>dodaj planszę</translation>
    </message>
    <message>
        <source>A set keeps at least one board.</source>
        <translation>Zestaw zachowuje co najmniej jedną planszę.</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>przywróć</translation>
    </message>
    <message>
        <source>Not saved: board %1%2: %3</source>
        <translation>Nie zapisano: plansza %1%2: %3</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nie zapisano: %1</translation>
    </message>
    <message>
        <source>It was removed or renamed since the editor read it.</source>
        <translation>Został usunięty lub przemianowany, odkąd edytor go wczytał.</translation>
    </message>
    <message>
        <source>A file of that name was made since the editor began this set.</source>
        <translation>Plik o tej nazwie powstał, odkąd edytor zaczął ten zestaw.</translation>
    </message>
    <message>
        <source>Another program or editor changed it since the editor read or saved it (now %1 bytes, changed at %2).</source>
        <extracomment>%1: the file&apos;s size in bytes; %2: a date and time</extracomment>
        <translation>Inny program lub edytor zmienił go, odkąd edytor go wczytał lub zapisał (teraz %1 bajtów, zmieniony %2).</translation>
    </message>
    <message>
        <source>Not saved: %1 changed on disk and is as the other program left it.</source>
        <translation>Nie zapisano: %1 zmienił się na dysku i zostaje taki, jak zostawił go inny program.</translation>
    </message>
    <message>
        <source>Not saved: the file&apos;s comments and blank lines are as they were.</source>
        <translation>Nie zapisano: komentarze i puste wiersze pliku są takie jak były.</translation>
    </message>
    <message>
        <source>Not saved: %1: %2. The file on disk is as it was.</source>
        <translation>Nie zapisano: %1: %2. Plik na dysku jest taki jak był.</translation>
    </message>
    <message>
        <source>The recovery copy cannot be written: %1: %2</source>
        <translation>Nie można zapisać kopii zapasowej: %1: %2</translation>
    </message>
    <message>
        <source>Cannot be saved or played yet: %1</source>
        <translation>Jeszcze nie można zapisać ani zagrać: %1</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Zapisano.</translation>
    </message>
    <message>
        <source>Unsaved changes.</source>
        <translation>Niezapisane zmiany.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Arrows&lt;/td&gt;&lt;td&gt;move the cursor&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;set the cell; the mouse paints it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Left drag&lt;/td&gt;&lt;td&gt;paint &amp;nbsp;·&amp;nbsp; Right drag: clear&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;PgDn / PgUp&lt;/td&gt;&lt;td&gt;next / previous board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N / Ctrl+D&lt;/td&gt;&lt;td&gt;add / duplicate a board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Del&lt;/td&gt;&lt;td&gt;delete the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+↑ / Ctrl+↓&lt;/td&gt;&lt;td&gt;move the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;rename (Enter keeps it)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;undo / redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;play the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Q&lt;/td&gt;&lt;td&gt;save / quit&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 is no brick, 1–8 the hits a brick takes, 9 the unbreakable “!”.&lt;/p&gt;</source>
        <extracomment>The keys, in a table: keep the HTML tags.</extracomment>
        <translation>&lt;b&gt;Klawisze&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Strzałki&lt;/td&gt;&lt;td&gt;ruch kursora&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;ustawia komórkę; mysz ją maluje&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Lewy przeciąg&lt;/td&gt;&lt;td&gt;maluje &amp;nbsp;·&amp;nbsp; Prawy przeciąg: czyści&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;PgDn / PgUp&lt;/td&gt;&lt;td&gt;następna / poprzednia plansza&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N / Ctrl+D&lt;/td&gt;&lt;td&gt;dodaj / powiel planszę&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Del&lt;/td&gt;&lt;td&gt;usuń planszę&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+↑ / Ctrl+↓&lt;/td&gt;&lt;td&gt;przenieś planszę&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;zmień nazwę (Enter zatwierdza)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;cofnij / ponów&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;zagraj planszę&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Q&lt;/td&gt;&lt;td&gt;zapisz / zakończ&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 to brak cegły, 1–8 liczba uderzeń, które cegła wytrzymuje, 9 niezniszczalny „!”.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Add an empty board after this one</source>
        <translation>Dodaj pustą planszę po tej</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Duplicate this board</source>
        <translation>Powiel tę planszę</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Delete this board</source>
        <translation>Usuń tę planszę</translation>
    </message>
    <message>
        <source>↑</source>
        <extracomment>A button: move the board up the list</extracomment>
        <translation>↑</translation>
    </message>
    <message>
        <source>Move this board up</source>
        <translation>Przenieś tę planszę w górę</translation>
    </message>
    <message>
        <source>↓</source>
        <extracomment>A button: move the board down the list</extracomment>
        <translation>↓</translation>
    </message>
    <message>
        <source>Move this board down</source>
        <translation>Przenieś tę planszę w dół</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Shown in the empty name field: the board has no name</extracomment>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Play the board</source>
        <translation>Za&amp;graj planszę</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>P&amp;lansza</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Następna</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Poprzednia</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>Po&amp;wiel</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>W dó&amp;ł</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Zmień nazwę</translation>
    </message>
    <message>
        <source>%1[*] — zandovik board editor</source>
        <extracomment>The window&apos;s title: %1 is the file&apos;s name; keep [*]</extracomment>
        <translation>%1[*] — edytor plansz zandovik</translation>
    </message>
    <message>
        <source>&lt;b&gt;Board %1&lt;/b&gt; of %2 &amp;nbsp;·&amp;nbsp; cell %3, %4 &amp;nbsp;·&amp;nbsp; mouse paints %5</source>
        <translation>&lt;b&gt;Plansza %1&lt;/b&gt; z %2 &amp;nbsp;·&amp;nbsp; komórka %3, %4 &amp;nbsp;·&amp;nbsp; mysz maluje %5</translation>
    </message>
    <message>
        <source>Board %1 cannot be played: %2</source>
        <translation>Nie można zagrać planszy %1: %2</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Plik zmieniony na dysku</translation>
    </message>
    <message>
        <source>%1 is not what the editor read or last saved.</source>
        <translation>%1 nie jest tym, co edytor wczytał lub ostatnio zapisał.</translation>
    </message>
    <message>
        <source>Saving over it loses what the other program wrote.</source>
        <translation>Zapisanie na nim traci to, co zapisał inny program.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Nadpisz</translation>
    </message>
    <message>
        <source>Save elsewhere…</source>
        <translation>Zapisz gdzie indziej…</translation>
    </message>
    <message>
        <source>Save the set elsewhere</source>
        <translation>Zapisz zestaw gdzie indziej</translation>
    </message>
    <message>
        <source>Board sets (*.boards);;All files (*)</source>
        <translation>Zestawy plansz (*.boards);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Comments are not kept</source>
        <translation>Komentarze nie są zachowywane</translation>
    </message>
    <message>
        <source>%1 has comments or blank lines of its own. The editor writes the boards alone, so saving drops them.</source>
        <translation>%1 ma własne komentarze lub puste wiersze. Edytor zapisuje tylko plansze, więc zapis je usuwa.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Niezapisane zmiany</translation>
    </message>
    <message>
        <source>The boards have changes that are not saved in %1.</source>
        <translation>Plansze mają zmiany niezapisane w %1.</translation>
    </message>
    <message>
        <source>%1 is a link that leads round in a loop, so there is no file to open or to save to</source>
        <translation>%1 to dowiązanie prowadzące w kółko, więc nie ma pliku do otwarcia ani zapisu</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist</source>
        <translation>%1 to dowiązanie do %2, które nie istnieje</translation>
    </message>
    <message>
        <source>A new set: nothing is written until you save.</source>
        <translation>Nowy zestaw: nic nie zostanie zapisane, dopóki nie zapiszesz.</translation>
    </message>
    <message numerus="yes">
        <source>%n board read from %1.</source>
        <translation>
            <numerusform>Wczytano %n planszę z %1.</numerusform>
            <numerusform>Wczytano %n plansze z %1.</numerusform>
            <numerusform>Wczytano %n plansz z %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n boards read from %1.</source>
        <translation>
            <numerusform>Wczytano %n planszę z %1.</numerusform>
            <numerusform>Wczytano %n plansze z %1.</numerusform>
            <numerusform>Wczytano %n plansz z %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Beside it: %1, left by a save that was interrupted (or a file of your own of that shape). %2 itself is whole; the editor leaves the rest to you.</source>
        <extracomment>%1: file names such as mine.boards.Ab12Cd; %2: the set&apos;s own file name</extracomment>
        <translation>Obok: %1, pozostałość po przerwanym zapisie (lub twój plik o takim kształcie). Sam %2 jest cały; resztę edytor zostawia tobie.</translation>
    </message>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1: nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>Open a board set, or name a new one</source>
        <translation>Otwórz zestaw plansz lub nazwij nowy</translation>
    </message>
    <message>
        <source>Board sets (*.boards)</source>
        <translation>Zestawy plansz (*.boards)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>The file dialog&apos;s button that opens the chosen set</extracomment>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>zandovik board editor</source>
        <translation>Edytor plansz zandovik</translation>
    </message>
    <message>
        <source>Start a new set</source>
        <translation>Zacznij nowy zestaw</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Unsaved changes were kept</source>
        <translation>Zachowano niezapisane zmiany</translation>
    </message>
    <message>
        <source>Changes to %1 were not saved when the editor ended. They were kept at %2.</source>
        <extracomment>%1: a file name; %2: a date and time</extracomment>
        <translation>Zmiany w %1 nie były zapisane, gdy edytor się zakończył. Zachowano je w %2.</translation>
    </message>
    <message>
        <source>Restore them (they are unsaved until you save), or discard them and open the file as it is on disk?</source>
        <translation>Przywrócić je (niezapisane, dopóki nie zapiszesz) czy odrzucić i otworzyć plik taki, jaki jest na dysku?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Odrzuć</translation>
    </message>
    <message>
        <source>This is not a board file the game can read.</source>
        <translation>To nie jest plik plansz, który gra potrafi odczytać.</translation>
    </message>
    <message>
        <source>A new set: %1 could not be read and stays as it is unless you save.</source>
        <translation>Nowy zestaw: nie udało się wczytać %1 i zostaje taki, jaki jest, chyba że zapiszesz.</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read and is left as it is: %1</source>
        <translation>Nie można wczytać kopii zapasowej; zostaje taka, jaka jest: %1</translation>
    </message>
    <message>
        <source>Restored the changes kept at %1: unsaved until you save.</source>
        <translation>Przywrócono zmiany zachowane w %1: niezapisane, dopóki nie zapiszesz.</translation>
    </message>
    <message>
        <source>%1 is not a plain file, so it is not written over</source>
        <translation>%1 nie jest zwykłym plikiem, więc nie zostanie nadpisany</translation>
    </message>
    <message>
        <source>The game is open already: close it to play again.</source>
        <translation>Gra jest już otwarta: zamknij ją, aby zagrać ponownie.</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Nie można zagrać: %1</translation>
    </message>
    <message>
        <source>Back from the game.</source>
        <translation>Powrót z gry.</translation>
    </message>
    <message>
        <source>The game ended with status %1: its message is on standard error.</source>
        <translation>Gra zakończyła się ze stanem %1: jej komunikat jest na standardowym wyjściu błędów.</translation>
    </message>
    <message>
        <source>Cannot start the game: %1</source>
        <translation>Nie można uruchomić gry: %1</translation>
    </message>
    <message>
        <source>Playing board %1 in the game: Escape comes back.</source>
        <translation>Plansza %1 w grze: Escape wraca tutaj.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Plansze</translation>
    </message>
    <message>
        <source>&amp;Edit boards...</source>
        <translation>&amp;Edytuj plansze...</translation>
    </message>
    <message>
        <source>Best &amp;games...</source>
        <translation>Najlepsze &amp;gry...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Pełny ekra&amp;n</translation>
    </message>
    <message>
        <source>Smooth &amp;motion</source>
        <translation>Płynny &amp;ruch</translation>
    </message>
    <message>
        <source>Game s&amp;peed</source>
        <translation>Pręd&amp;kość gry</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>Game speeds, per cent of the normal speed; &amp; marks the access key.</extracomment>
        <translation>&amp;Normalna</translation>
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
        <translation>&amp;Zachowuj wyniki i opcje na tym komputerze</translation>
    </message>
    <message>
        <source>Keys and &amp;help</source>
        <translation>Klawisze i pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Built-in patterns</source>
        <translation>Wbudowane wzory</translation>
    </message>
    <message>
        <source>&amp;Open a board file...</source>
        <translation>&amp;Otwórz plik plansz...</translation>
    </message>
    <message>
        <source>Open a board file</source>
        <translation>Otwórz plik plansz</translation>
    </message>
    <message>
        <source>Board files (*.boards)</source>
        <translation>Pliki plansz (*.boards)</translation>
    </message>
    <message>
        <source>Edit boards</source>
        <translation>Edytuj plansze</translation>
    </message>
    <message>
        <source>The board editor could not be started.</source>
        <translation>Nie udało się uruchomić edytora plansz.</translation>
    </message>
    <message>
        <source>Keys and help</source>
        <translation>Klawisze i pomoc</translation>
    </message>
    <message>
        <source>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left / Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move the paddle while held; the first move launches a resting ball&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Pointer, finger&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the paddle follows it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Gamepad&lt;/b&gt;&lt;/td&gt;&lt;td&gt;d-pad or left stick move; A clicks the button on show; Start pauses; Back opens this menu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pause; click &lt;b&gt;Pause&lt;/b&gt; to go on&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;next / previous brick pattern; clears the score&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;after a cleared board: one more life and the next pattern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;a new game; the best score is kept&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;full screen on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sound on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menu, right click&lt;/b&gt;&lt;/td&gt;&lt;td&gt;this menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Lewo / Prawo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;przesuwają paletkę, póki wciśnięte; pierwszy ruch wypuszcza leżącą piłkę&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Wskaźnik, palec&lt;/b&gt;&lt;/td&gt;&lt;td&gt;paletka za nim podąża&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Gamepad&lt;/b&gt;&lt;/td&gt;&lt;td&gt;krzyżak lub lewa gałka przesuwają; A klika widoczny przycisk; Start wstrzymuje; Back otwiera to menu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pauza; kliknij &lt;b&gt;Pause&lt;/b&gt;, aby grać dalej&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;następny / poprzedni wzór cegieł; zeruje wynik&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;po wyczyszczonej planszy: jedno życie więcej i następny wzór&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;nowa gra; najlepszy wynik zostaje&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pełny ekran włącz / wyłącz&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;dźwięk włącz / wyłącz&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menu, prawy klik&lt;/b&gt;&lt;/td&gt;&lt;td&gt;to menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>About zandovik</source>
        <translation>O zandovik</translation>
    </message>
    <message>
        <source>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;A brick-breaking game.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 the zandovik developers.&lt;br&gt;MIT licence.&lt;/p&gt;</source>
        <translation>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;Gra w rozbijanie cegieł.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 twórcy zandovik.&lt;br&gt;Licencja MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keep scores and options</source>
        <translation>Zachowuj wyniki i opcje</translation>
    </message>
    <message>
        <source>Forget the options and the best games kept on this computer? Your boards are kept either way.</source>
        <translation>Zapomnieć opcje i najlepsze gry zachowane na tym komputerze? Twoje plansze zostają w każdym razie.</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Plansze</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The game does not start.</source>
        <translation>Gra się nie uruchamia.</translation>
    </message>
    <message>
        <source>Started as: %1
In the folder: %2</source>
        <translation>Uruchomiono jako: %1
W folderze: %2</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>cannot make the folder</source>
        <translation>nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>cannot take the lock</source>
        <translation>nie można założyć blokady</translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation>nie można utworzyć jego folderu</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>nie można zapisać</translation>
    </message>
    <message>
        <source>cannot make the folder; no best games are kept</source>
        <translation>nie można utworzyć folderu; najlepsze gry nie są zachowywane</translation>
    </message>
    <message>
        <source>cannot keep the game: %1</source>
        <translation>nie można zachować gry: %1</translation>
    </message>
</context>
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
  --desktop       uruchomiona z pulpitu, gdzie nikt nie czyta wyjścia błędów:
                  plik plansz, nagranie lub zestaw, którego nie da się zagrać,
                  zostaje też zgłoszony w oknie dialogowym, zanim gra się
                  zakończy
  --best          wypisz zachowane najlepsze gry (Zachowuj wyniki i opcje),
                  po jednej w wierszu: zestaw, prędkość %, miejsce, wynik,
                  poziom, imię, data i godzina oraz czy nagranie odtwarza
                  wynik (verified)

F10, klawisz Menu, prawy klik lub Back na gamepadzie otwierają menu gry. Dopóki
nie włączysz tam „Zachowuj wyniki i opcje na tym komputerze”, gra nie zapisuje
żadnych plików poza wymienionymi wyżej; swój plik opcji czyta tylko po to, by
się o tym dowiedzieć. Otwiera się na ekranie Wayland z WAYLAND_DISPLAY, a
w przeciwnym razie na ekranie X z DISPLAY (lub -display). Przyjmuje też
pozostałe opcje Qt (-platform, -style, ...).
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
