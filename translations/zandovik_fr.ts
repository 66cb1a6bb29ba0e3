<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Best games</name>
    <message>
        <source>normal speed</source>
        <translation>vitesse normale</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A game speed on a tab: %1 is 85 or 70 (per cent of the normal speed).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Meilleures parties</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Regarder</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Oublier</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Vérifiée</translation>
    </message>
    <message>
        <source>checking...</source>
        <extracomment>The Verified column while the game is replayed to check it.</extracomment>
        <translation>vérification...</translation>
    </message>
    <message>
        <source>No best games are kept yet. Turn on &quot;Keep scores and options on this computer&quot; in the menu.</source>
        <translation>Aucune meilleure partie n’est encore gardée. Activez « Garder les scores et les options sur cet ordinateur » dans le menu.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifiée</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non vérifiée</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Oublier</translation>
    </message>
    <message>
        <source>Forget this game and its recording?</source>
        <translation>Oublier cette partie et son enregistrement ?</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>clear</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>paint %1</source>
        <translation>peindre %1</translation>
    </message>
    <message>
        <source>rename board %1</source>
        <translation>renommer le tableau %1</translation>
    </message>
    <message>
        <source>delete board %1</source>
        <translation>supprimer le tableau %1</translation>
    </message>
    <message>
        <source>move board %1</source>
        <translation>déplacer le tableau %1</translation>
    </message>
    <message numerus="yes">
        <source>A set holds at most %n boards.</source>
        <translation>
            <numerusform>Un jeu contient au plus %n tableau.</numerusform>
            <numerusform>Un jeu contient au plus %n tableaux.</numerusform>
        </translation>
    </message>
    <message>
        <source>duplicate board</source>
        <translation>dupliquer le tableau</translation>
    </message>
    <message>
        <source>add board</source>
        <translation>ajouter un tableau</translation>
    </message>
    <message>
        <source>A set keeps at least one board.</source>
        <translation>Un jeu garde au moins un tableau.</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restaurer</translation>
    </message>
    <message>
        <source>Not saved: board %1%2: %3</source>
        <translation>Non enregistré : tableau %1%2 : %3</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non enregistré : %1</translation>
    </message>
    <message>
        <source>It was removed or renamed since the editor read it.</source>
        <translation>Il a été supprimé ou renommé depuis que l’éditeur l’a lu.</translation>
    </message>
    <message>
        <source>A file of that name was made since the editor began this set.</source>
        <translation>Un fichier de ce nom a été créé depuis que l’éditeur a commencé ce jeu.</translation>
    </message>
    <message>
        <source>Another program or editor changed it since the editor read or saved it (now %1 bytes, changed at %2).</source>
        <extracomment>%1: the file&apos;s size in bytes; %2: a date and time</extracomment>
        <translation>Un autre programme ou éditeur l’a modifié depuis que l’éditeur l’a lu ou enregistré (maintenant %1 octets, modifié le %2).</translation>
    </message>
    <message>
        <source>Not saved: %1 changed on disk and is as the other program left it.</source>
        <translation>Non enregistré : %1 a changé sur le disque et reste tel que l’autre programme l’a laissé.</translation>
    </message>
    <message>
        <source>Not saved: the file&apos;s comments and blank lines are as they were.</source>
        <translation>Non enregistré : les commentaires et lignes vides du fichier sont restés tels quels.</translation>
    </message>
    <message>
        <source>Not saved: %1: %2. The file on disk is as it was.</source>
        <translation>Non enregistré : %1 : %2. Le fichier sur le disque est resté tel quel.</translation>
    </message>
    <message>
        <source>The recovery copy cannot be written: %1: %2</source>
        <translation>La copie de secours ne peut pas être écrite : %1 : %2</translation>
    </message>
    <message>
        <source>Cannot be saved or played yet: %1</source>
        <translation>Ne peut pas encore être enregistré ni joué : %1</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Enregistré.</translation>
    </message>
    <message>
        <source>Unsaved changes.</source>
        <translation>Modifications non enregistrées.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Arrows&lt;/td&gt;&lt;td&gt;move the cursor&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;set the cell; the mouse paints it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Left drag&lt;/td&gt;&lt;td&gt;paint &amp;nbsp;·&amp;nbsp; Right drag: clear&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;PgDn / PgUp&lt;/td&gt;&lt;td&gt;next / previous board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N / Ctrl+D&lt;/td&gt;&lt;td&gt;add / duplicate a board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Del&lt;/td&gt;&lt;td&gt;delete the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+↑ / Ctrl+↓&lt;/td&gt;&lt;td&gt;move the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;rename (Enter keeps it)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;undo / redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;play the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Q&lt;/td&gt;&lt;td&gt;save / quit&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 is no brick, 1–8 the hits a brick takes, 9 the unbreakable “!”.&lt;/p&gt;</source>
        <extracomment>The keys, in a table: keep the HTML tags.</extracomment>
        <translation>&lt;b&gt;Touches&lt;/b&gt;&lt;table cellspacing=1&gt;&lt;tr&gt;&lt;td&gt;Flèches&lt;/td&gt;&lt;td&gt;déplacer le curseur&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0 – 9&lt;/td&gt;&lt;td&gt;remplir la case ; la souris la peint&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Glisser à gauche&lt;/td&gt;&lt;td&gt;peindre &amp;nbsp;·&amp;nbsp; Glisser à droite : effacer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;PgSuiv / PgPréc&lt;/td&gt;&lt;td&gt;tableau suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N / Ctrl+D&lt;/td&gt;&lt;td&gt;ajouter / dupliquer un tableau&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Suppr&lt;/td&gt;&lt;td&gt;supprimer le tableau&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+↑ / Ctrl+↓&lt;/td&gt;&lt;td&gt;déplacer le tableau&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;renommer (Entrée valide)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Maj+Z&lt;/td&gt;&lt;td&gt;annuler / rétablir&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;jouer le tableau&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Q&lt;/td&gt;&lt;td&gt;enregistrer / quitter&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;0 : pas de brique, 1–8 : les coups qu’une brique encaisse, 9 : le « ! » incassable.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add an empty board after this one</source>
        <translation>Ajouter un tableau vide après celui-ci</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Duplicate this board</source>
        <translation>Dupliquer ce tableau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete this board</source>
        <translation>Supprimer ce tableau</translation>
    </message>
    <message>
        <source>↑</source>
        <extracomment>A button: move the board up the list</extracomment>
        <translation>↑</translation>
    </message>
    <message>
        <source>Move this board up</source>
        <translation>Monter ce tableau</translation>
    </message>
    <message>
        <source>↓</source>
        <extracomment>A button: move the board down the list</extracomment>
        <translation>↓</translation>
    </message>
    <message>
        <source>Move this board down</source>
        <translation>Descendre ce tableau</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Shown in the empty name field: the board has no name</extracomment>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Play the board</source>
        <translation>&amp;Jouer le tableau</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>S&amp;upprimer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Desce&amp;ndre</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>%1[*] — zandovik board editor</source>
        <extracomment>The window&apos;s title: %1 is the file&apos;s name; keep [*]</extracomment>
        <translation>%1[*] — éditeur de tableaux de zandovik</translation>
    </message>
    <message>
        <source>&lt;b&gt;Board %1&lt;/b&gt; of %2 &amp;nbsp;·&amp;nbsp; cell %3, %4 &amp;nbsp;·&amp;nbsp; mouse paints %5</source>
        <translation>&lt;b&gt;Tableau %1&lt;/b&gt; sur %2 &amp;nbsp;·&amp;nbsp; case %3, %4 &amp;nbsp;·&amp;nbsp; la souris peint %5</translation>
    </message>
    <message>
        <source>Board %1 cannot be played: %2</source>
        <translation>Le tableau %1 ne peut pas être joué : %2</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Fichier modifié sur le disque</translation>
    </message>
    <message>
        <source>%1 is not what the editor read or last saved.</source>
        <translation>%1 n’est pas ce que l’éditeur a lu ou enregistré en dernier.</translation>
    </message>
    <message>
        <source>Saving over it loses what the other program wrote.</source>
        <translation>L’écraser perd ce que l’autre programme a écrit.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Save elsewhere…</source>
        <translation>Enregistrer ailleurs…</translation>
    </message>
    <message>
        <source>Save the set elsewhere</source>
        <translation>Enregistrer le jeu ailleurs</translation>
    </message>
    <message>
        <source>Board sets (*.boards);;All files (*)</source>
        <translation>Jeux de tableaux (*.boards);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Comments are not kept</source>
        <translation>Les commentaires ne sont pas gardés</translation>
    </message>
    <message>
        <source>%1 has comments or blank lines of its own. The editor writes the boards alone, so saving drops them.</source>
        <translation>%1 a ses propres commentaires ou lignes vides. L’éditeur n’écrit que les tableaux : enregistrer les supprime.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>The boards have changes that are not saved in %1.</source>
        <translation>Les tableaux ont des modifications qui ne sont pas enregistrées dans %1.</translation>
    </message>
    <message>
        <source>%1 is a link that leads round in a loop, so there is no file to open or to save to</source>
        <translation>%1 est un lien qui tourne en boucle : il n’y a pas de fichier à ouvrir ni où enregistrer</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist</source>
        <translation>%1 est un lien vers %2, qui n’existe pas</translation>
    </message>
    <message>
        <source>A new set: nothing is written until you save.</source>
        <translation>Un nouveau jeu : rien n’est écrit avant que vous n’enregistriez.</translation>
    </message>
    <message numerus="yes">
        <source>%n board read from %1.</source>
        <translation>
            <numerusform>%n tableau lu dans %1.</numerusform>
            <numerusform>%n tableaux lus dans %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n boards read from %1.</source>
        <translation>
            <numerusform>%n tableau lu dans %1.</numerusform>
            <numerusform>%n tableaux lus dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Beside it: %1, left by a save that was interrupted (or a file of your own of that shape). %2 itself is whole; the editor leaves the rest to you.</source>
        <extracomment>%1: file names such as mine.boards.Ab12Cd; %2: the set&apos;s own file name</extracomment>
        <translation>À côté : %1, laissé par un enregistrement interrompu (ou un fichier à vous de cette forme). %2 lui-même est complet ; l’éditeur vous laisse le reste.</translation>
    </message>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1 : impossible de créer le dossier</translation>
    </message>
    <message>
        <source>Open a board set, or name a new one</source>
        <translation>Ouvrir un jeu de tableaux, ou en nommer un nouveau</translation>
    </message>
    <message>
        <source>Board sets (*.boards)</source>
        <translation>Jeux de tableaux (*.boards)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>The file dialog&apos;s button that opens the chosen set</extracomment>
        <translation>Éditer</translation>
    </message>
    <message>
        <source>zandovik board editor</source>
        <translation>Éditeur de tableaux de zandovik</translation>
    </message>
    <message>
        <source>Start a new set</source>
        <translation>Commencer un nouveau jeu</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Unsaved changes were kept</source>
        <translation>Des modifications non enregistrées ont été gardées</translation>
    </message>
    <message>
        <source>Changes to %1 were not saved when the editor ended. They were kept at %2.</source>
        <extracomment>%1: a file name; %2: a date and time</extracomment>
        <translation>Les modifications de %1 n’étaient pas enregistrées quand l’éditeur s’est arrêté. Elles ont été gardées dans %2.</translation>
    </message>
    <message>
        <source>Restore them (they are unsaved until you save), or discard them and open the file as it is on disk?</source>
        <translation>Les restaurer (non enregistrées jusqu’à ce que vous enregistriez), ou les abandonner et ouvrir le fichier tel qu’il est sur le disque ?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>This is not a board file the game can read.</source>
        <translation>Ce n’est pas un fichier de tableaux que le jeu sait lire.</translation>
    </message>
    <message>
        <source>A new set: %1 could not be read and stays as it is unless you save.</source>
        <translation>Un nouveau jeu : %1 n’a pas pu être lu et reste tel quel si vous n’enregistrez pas.</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read and is left as it is: %1</source>
        <translation>Une copie de secours ne peut pas être lue et reste telle quelle : %1</translation>
    </message>
    <message>
        <source>Restored the changes kept at %1: unsaved until you save.</source>
        <translation>Modifications gardées dans %1 restaurées : non enregistrées jusqu’à ce que vous enregistriez.</translation>
    </message>
    <message>
        <source>%1 is not a plain file, so it is not written over</source>
        <translation>%1 n’est pas un fichier ordinaire, il n’est donc pas écrasé</translation>
    </message>
    <message>
        <source>The game is open already: close it to play again.</source>
        <translation>Le jeu est déjà ouvert : fermez-le pour rejouer.</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Impossible de jouer : %1</translation>
    </message>
    <message>
        <source>Back from the game.</source>
        <translation>Retour du jeu.</translation>
    </message>
    <message>
        <source>The game ended with status %1: its message is on standard error.</source>
        <translation>Le jeu s’est terminé avec le statut %1 : son message est sur la sortie d’erreur.</translation>
    </message>
    <message>
        <source>Cannot start the game: %1</source>
        <translation>Impossible de lancer le jeu : %1</translation>
    </message>
    <message>
        <source>Playing board %1 in the game: Escape comes back.</source>
        <translation>Tableau %1 en cours dans le jeu : Échap ramène ici.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Tableaux</translation>
    </message>
    <message>
        <source>&amp;Edit boards...</source>
        <translation>Mo&amp;difier les tableaux...</translation>
    </message>
    <message>
        <source>Best &amp;games...</source>
        <translation>&amp;Meilleures parties...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Smooth &amp;motion</source>
        <translation>Mouvement &amp;fluide</translation>
    </message>
    <message>
        <source>Game s&amp;peed</source>
        <translation>&amp;Vitesse du jeu</translation>
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
        <translation>&amp;Garder les scores et les options sur cet ordinateur</translation>
    </message>
    <message>
        <source>Keys and &amp;help</source>
        <translation>Touches et &amp;aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Built-in patterns</source>
        <translation>Motifs intégrés</translation>
    </message>
    <message>
        <source>&amp;Open a board file...</source>
        <translation>&amp;Ouvrir un fichier de tableaux...</translation>
    </message>
    <message>
        <source>Open a board file</source>
        <translation>Ouvrir un fichier de tableaux</translation>
    </message>
    <message>
        <source>Board files (*.boards)</source>
        <translation>Fichiers de tableaux (*.boards)</translation>
    </message>
    <message>
        <source>Edit boards</source>
        <translation>Modifier les tableaux</translation>
    </message>
    <message>
        <source>The board editor could not be started.</source>
        <translation>L’éditeur de tableaux n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Keys and help</source>
        <translation>Touches et aide</translation>
    </message>
    <message>
        <source>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left / Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move the paddle while held; the first move launches a resting ball&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Pointer, finger&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the paddle follows it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Gamepad&lt;/b&gt;&lt;/td&gt;&lt;td&gt;d-pad or left stick move; A clicks the button on show; Start pauses; Back opens this menu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pause; click &lt;b&gt;Pause&lt;/b&gt; to go on&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;next / previous brick pattern; clears the score&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;after a cleared board: one more life and the next pattern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;a new game; the best score is kept&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;full screen on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sound on and off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menu, right click&lt;/b&gt;&lt;/td&gt;&lt;td&gt;this menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Gauche / Droite&lt;/b&gt;&lt;/td&gt;&lt;td&gt;déplacent la raquette tant qu’on appuie ; le premier mouvement lance une balle au repos&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Pointeur, doigt&lt;/b&gt;&lt;/td&gt;&lt;td&gt;la raquette le suit&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Manette&lt;/b&gt;&lt;/td&gt;&lt;td&gt;croix ou stick gauche déplacent ; A clique le bouton affiché ; Start met en pause ; Back ouvre ce menu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pause ; cliquez &lt;b&gt;Pause&lt;/b&gt; pour continuer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1 / F2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;motif de briques suivant / précédent ; remet le score à zéro&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Level&lt;/b&gt;&lt;/td&gt;&lt;td&gt;après un tableau vidé : une vie de plus et le motif suivant&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Game Over&lt;/b&gt;&lt;/td&gt;&lt;td&gt;une nouvelle partie ; le meilleur score est gardé&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;plein écran ou non&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;son ou non&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F10, Menu, clic droit&lt;/b&gt;&lt;/td&gt;&lt;td&gt;ce menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>About zandovik</source>
        <translation>À propos de zandovik</translation>
    </message>
    <message>
        <source>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;A brick-breaking game.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 the zandovik developers.&lt;br&gt;MIT licence.&lt;/p&gt;</source>
        <translation>&lt;b&gt;zandovik %1&lt;/b&gt;&lt;p&gt;Un jeu de casse-briques.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 les développeurs de zandovik.&lt;br&gt;Licence MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keep scores and options</source>
        <translation>Garder les scores et les options</translation>
    </message>
    <message>
        <source>Forget the options and the best games kept on this computer? Your boards are kept either way.</source>
        <translation>Oublier les options et les meilleures parties gardées sur cet ordinateur ? Vos tableaux sont gardés dans tous les cas.</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Tableaux</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The game does not start.</source>
        <translation>Le jeu ne démarre pas.</translation>
    </message>
    <message>
        <source>Started as: %1
In the folder: %2</source>
        <translation>Lancé par : %1
Dans le dossier : %2</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>cannot make the folder</source>
        <translation>impossible de créer le dossier</translation>
    </message>
    <message>
        <source>cannot take the lock</source>
        <translation>impossible de prendre le verrou</translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation>impossible de créer son dossier</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>ne peut pas être écrit</translation>
    </message>
    <message>
        <source>cannot make the folder; no best games are kept</source>
        <translation>impossible de créer le dossier ; aucune meilleure partie n’est gardée</translation>
    </message>
    <message>
        <source>cannot keep the game: %1</source>
        <translation>impossible de garder la partie : %1</translation>
    </message>
</context>
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
  --desktop       lancé du bureau, où personne ne lit la sortie d’erreur :
                  un fichier de tableaux, un enregistrement ou un jeu qui ne
                  peut pas être joué est aussi signalé dans une boîte de
                  dialogue avant que le jeu ne s’arrête
  --best          afficher les meilleures parties gardées (Garder les scores et
                  les options), une par ligne : jeu, vitesse %, rang, score,
                  niveau, nom, date et heure, et si son enregistrement
                  reproduit son score (verified)

F10, la touche Menu, un clic droit ou le bouton Back d’une manette ouvrent le
menu du jeu. Tant que « Garder les scores et les options sur cet ordinateur »
n’y est pas activé, le jeu n’écrit aucun fichier hormis ceux nommés plus haut ;
il ne lit son fichier d’options que pour le savoir. Il s’ouvre sur l’affichage
Wayland de WAYLAND_DISPLAY, sinon sur l’affichage X de DISPLAY (ou -display).
Les autres options de Qt (-platform, -style, ...) sont acceptées aussi.
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
