<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>A puzzle game: line up five balls of one colour on a nine by nine board.
Everything else is set in the game&apos;s Options dialog.</source>
        <translation>Un jeu de réflexion : alignez cinq billes d&apos;une même couleur sur un plateau de neuf cases sur neuf.
Tout le reste se règle dans la fenêtre Options du jeu.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the game&apos;s version and exits.</source>
        <translation>Affiche la version du jeu et quitte.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Impossible</translation>
    </message>
</context>
<context>
    <name>PlayerMessages</name>
    <message>
        <source>Sound file is missing!</source>
        <translation>Le fichier des sons manque !</translation>
    </message>
    <message>
        <source>%1 was set aside as %2: %3</source>
        <extracomment>%1 is a file&apos;s full path, %2 the new name it was given, %3 why and what follows from it.</extracomment>
        <translation>%1 a été mis de côté sous le nom %2 : %3</translation>
    </message>
    <message>
        <source>%1, so the default settings are in force.</source>
        <extracomment>%1 is why the settings file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, les réglages par défaut s&apos;appliquent donc.</translation>
    </message>
    <message>
        <source>%1, so the top-ten lists start afresh.</source>
        <extracomment>%1 is why the scores file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, les listes des meilleurs scores repartent donc de zéro.</translation>
    </message>
    <message>
        <source>%1, so a new game starts.</source>
        <extracomment>%1 is why the kept game&apos;s file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, une nouvelle partie commence donc.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a file was set aside: &quot;it&quot; is the file. %1 is the system&apos;s reason.</extracomment>
        <translation>le fichier est illisible (%1)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <extracomment>Why a file was set aside: &quot;it&quot; is the file.</extracomment>
        <translation>le fichier est illisible</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>le fichier est trop gros</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>it is %1 bytes long instead of %2</source>
        <translation>le fichier fait %1 octets au lieu de %2</translation>
    </message>
    <message>
        <source>it holds a value out of range</source>
        <translation>le fichier contient une valeur hors limites</translation>
    </message>
    <message>
        <source>it ended while it was read</source>
        <translation>le fichier s&apos;est terminé en cours de lecture</translation>
    </message>
    <message>
        <source>it holds a game that cannot be played</source>
        <translation>le fichier contient une partie impossible à jouer</translation>
    </message>
    <message>
        <source>it is no saved game</source>
        <translation>ce n&apos;est pas une partie enregistrée</translation>
    </message>
    <message>
        <source>it was saved in format %1, this program reads format %2</source>
        <translation>le fichier a été enregistré au format %1, ce programme lit le format %2</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>son en-tête est endommagé</translation>
    </message>
    <message>
        <source>it has bytes after its end</source>
        <translation>le fichier a des octets après sa fin</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>sa somme de contrôle ne correspond pas</translation>
    </message>
    <message>
        <source>it is shorter than its 4340-byte header</source>
        <translation>le fichier est plus court que son en-tête de 4340 octets</translation>
    </message>
    <message>
        <source>open &quot;%1&quot;: %2</source>
        <extracomment>A file operation that failed: %1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>create &quot;%1&quot;: %2</source>
        <translation>Impossible de créer « %1 » : %2</translation>
    </message>
    <message>
        <source>close &quot;%1&quot;: %2</source>
        <translation>Impossible de fermer « %1 » : %2</translation>
    </message>
    <message>
        <source>flush &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » sur le disque : %2</translation>
    </message>
    <message>
        <source>seek &quot;%1&quot;: %2</source>
        <translation>Impossible de se déplacer dans « %1 » : %2</translation>
    </message>
    <message>
        <source>examine &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;examiner « %1 » : %2</translation>
    </message>
    <message>
        <source>change mode &quot;%1&quot;: %2</source>
        <translation>Impossible de changer les droits de « %1 » : %2</translation>
    </message>
    <message>
        <source>rename &quot;%1&quot;: %2</source>
        <translation>Impossible de renommer « %1 » : %2</translation>
    </message>
    <message>
        <source>create folder &quot;%1&quot;: %2</source>
        <translation>Impossible de créer le dossier « %1 » : %2</translation>
    </message>
    <message>
        <source>read link &quot;%1&quot;: %2</source>
        <translation>Impossible de lire le lien « %1 » : %2</translation>
    </message>
    <message>
        <source>find &quot;%1&quot;: %2</source>
        <extracomment>%1 is &quot;$HOME&quot;, the name of the setting that names the home folder.</extracomment>
        <translation>Impossible de trouver « %1 » : %2</translation>
    </message>
    <message>
        <source>no home folder is set for this user</source>
        <translation>aucun dossier personnel n&apos;est défini pour cet utilisateur</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>un fichier du même nom occupe la place</translation>
    </message>
    <message>
        <source>the preferences could not be saved</source>
        <translation>les préférences n&apos;ont pas pu être enregistrées</translation>
    </message>
    <message>
        <source>Sound file is damaged: %1.</source>
        <extracomment>%1 says what is wrong inside the game&apos;s sound file.</extracomment>
        <translation>Le fichier des sons est endommagé : %1.</translation>
    </message>
    <message>
        <source>Sound file cannot be read: %1.</source>
        <translation>Le fichier des sons est illisible : %1.</translation>
    </message>
    <message>
        <source>The sounds cannot be unpacked, so the game is silent: %1</source>
        <extracomment>%1 is the file error that stopped the sounds.</extracomment>
        <translation>Les sons ne peuvent pas être décompressés, le jeu reste donc muet : %1</translation>
    </message>
    <message>
        <source>The song &quot;%1&quot; cannot be played: %2</source>
        <extracomment>%1 is the song&apos;s file name, %2 the sound system&apos;s reason.</extracomment>
        <translation>Le morceau « %1 » ne peut pas être joué : %2</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <extracomment>Why a folder for the game&apos;s sounds cannot be used.</extracomment>
        <translation>est un lien symbolique</translation>
    </message>
    <message>
        <source>owned by another user</source>
        <translation>appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>shorter than the key bytes</source>
        <extracomment>Why the scores file cannot be read: it ends before the bytes its scrambling starts from.</extracomment>
        <translation>plus court que les octets de la clé</translation>
    </message>
</context>
<context>
    <name>ScoreCharts</name>
    <message>
        <source>Score</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Average of %1</source>
        <translation>Moyenne sur %1</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Score, from</source>
        <translation>Points, dès</translation>
    </message>
</context>
<context>
    <name>TGameOverBoard</name>
    <message>
        <source>Game over</source>
        <translation>Partie finie</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Points : %1</translation>
    </message>
</context>
<context>
    <name>THistory</name>
    <message>
        <source>The history of your games was damaged. It has been set aside as History.db.bad, and a new history begins.</source>
        <translation>L&apos;historique de vos parties était endommagé. Il a été mis de côté sous le nom History.db.bad, et un nouvel historique commence.</translation>
    </message>
    <message>
        <source>The history of your games cannot be written just now. Your games are kept and will be written as soon as it can be.</source>
        <translation>L&apos;historique de vos parties ne peut pas être écrit pour l&apos;instant. Vos parties sont gardées et seront écrites dès que possible.</translation>
    </message>
</context>
<context>
    <name>TMainMenu</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler le coup</translation>
    </message>
    <message>
        <source>&amp;Keep the game on Exit</source>
        <translation>&amp;Garder la partie en quittant</translation>
    </message>
    <message>
        <source>Ke&amp;ys…</source>
        <translation>&amp;Touches…</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Statistiques…</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>Tai&amp;lle</translation>
    </message>
    <message>
        <source>S&amp;ymbols on the balls</source>
        <translation>S&amp;ymboles sur les billes</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
</context>
<context>
    <name>TSizeMenu</name>
    <message>
        <source>&amp;Larger</source>
        <translation>Plus &amp;grand</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>Plus &amp;petit</translation>
    </message>
    <message>
        <source>&amp;Classic size</source>
        <translation>Taille &amp;classique</translation>
    </message>
</context>
<context>
    <name>TUndoMark</name>
    <message>
        <source>A move of this game was taken back, so its score does not go to the top ten</source>
        <translation>Un coup de cette partie a été annulé, son score n&apos;entre donc pas dans les meilleurs scores</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>&amp;Code</source>
        <translation>&amp;Programme</translation>
    </message>
    <message>
        <source>The Brindlow team</source>
        <translation>L&apos;équipe Brindlow</translation>
    </message>
    <message>
        <source>Code: rules, windows and files</source>
        <translation>Code : règles, fenêtres, fichiers</translation>
    </message>
    <message>
        <source>A&amp;rtwork</source>
        <translation>&amp;Graphismes</translation>
    </message>
    <message>
        <source>Artwork: balls, start picture, icons</source>
        <translation>Graphismes : billes, accueil, icônes</translation>
    </message>
    <message>
        <source>&amp;Sound and music</source>
        <translation>&amp;Sons et musique</translation>
    </message>
    <message>
        <source>Sound effects and music</source>
        <translation>Effets sonores et musique</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>made by The Brindlow team</source>
        <translation>par l&apos;équipe Brindlow</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>   Your aim is to put five balls in line, horizontal, </source>
        <comment>help line 2 of 19</comment>
        <extracomment>One line of the help text, in a box about 44 letters wide; a line that opens with three blanks starts a paragraph. The translation may spread a paragraph over its lines freely.</extracomment>
        <translation>   Votre but : aligner cinq billes, à </translation>
    </message>
    <message>
        <source>vertical or diagonal so they could disappear. </source>
        <comment>help line 3 of 19</comment>
        <translation>l&apos;horizontale, à la verticale ou en diagonale, pour les faire disparaître. </translation>
    </message>
    <message>
        <source>   Every move you make, you get  three new balls, </source>
        <comment>help line 4 of 19</comment>
        <translation>   À chaque coup, trois nouvelles billes </translation>
    </message>
    <message>
        <source>except when you put a line of five. </source>
        <comment>help line 5 of 19</comment>
        <translation>arrivent, sauf si vous alignez cinq billes. </translation>
    </message>
    <message>
        <source>   You can, of course, make a line of six or more </source>
        <comment>help line 6 of 19</comment>
        <translation>   Vous pouvez bien sûr aligner six billes </translation>
    </message>
    <message>
        <source>balls and if you do you get more points. </source>
        <comment>help line 7 of 19</comment>
        <translation>ou plus : vous gagnez alors plus de points. </translation>
    </message>
    <message>
        <source>   There are some special options you can turn on</source>
        <comment>help line 8 of 19</comment>
        <translation>   Des options spéciales s&apos;activent à votre</translation>
    </message>
    <message>
        <source>if you wish, such are joker ball or bomb.</source>
        <comment>help line 9 of 19</comment>
        <translation>gré : la bille joker et la bombe.</translation>
    </message>
    <message>
        <source>   Joker ball can be used as a replacement for any</source>
        <comment>help line 10 of 19</comment>
        <translation>   Le joker remplace n&apos;importe quelle</translation>
    </message>
    <message>
        <source>color, and a bomb is used to blast all the balls on</source>
        <comment>help line 11 of 19</comment>
        <translation>couleur, et la bombe fait sauter toutes les</translation>
    </message>
    <message>
        <source>the fields next to it. </source>
        <comment>help line 12 of 19</comment>
        <translation>billes des cases voisines. </translation>
    </message>
    <message>
        <source>   Bomb is activated the moment you move it from </source>
        <comment>help line 13 of 19</comment>
        <translation>   La bombe s&apos;active dès que vous la </translation>
    </message>
    <message>
        <source>its starting field. </source>
        <comment>help line 14 of 19</comment>
        <translation>déplacez de sa case de départ. </translation>
    </message>
    <message>
        <source>   There are also three levels of hardness, you </source>
        <comment>help line 15 of 19</comment>
        <translation>   Il y a aussi trois niveaux de difficulté : </translation>
    </message>
    <message>
        <source>can choose whether you want three, four or five </source>
        <comment>help line 16 of 19</comment>
        <translation>vous choisissez si trois, quatre ou cinq </translation>
    </message>
    <message>
        <source>balls to be added on your every move. </source>
        <comment>help line 17 of 19</comment>
        <translation>billes arrivent à chaque coup. </translation>
    </message>
    <message>
        <source>Playing Help</source>
        <translation>Aide du jeu</translation>
    </message>
</context>
<context>
    <name>TfrmKeys</name>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>TfrmLines</name>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>Show the cursor on the board and move it</source>
        <translation>Afficher le curseur sur le plateau et le déplacer</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espace, Entrée</translation>
    </message>
    <message>
        <source>Click the cell under the cursor</source>
        <translation>Cliquer sur la case sous le curseur</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Put the picked ball down</source>
        <translation>Reposer la bille choisie</translation>
    </message>
    <message>
        <source>Take back the last move</source>
        <translation>Annuler le dernier coup</translation>
    </message>
    <message>
        <source>The %1 button</source>
        <extracomment>A row of the Keys window; %1 is a button&apos;s caption, such as &quot;New&quot; or &quot;Top 10&quot;.</extracomment>
        <translation>Le bouton « %1 »</translation>
    </message>
    <message>
        <source>Menu key</source>
        <translation>Touche Menu</translation>
    </message>
    <message>
        <source>This menu; also a right click beside the board</source>
        <translation>Ce menu ; aussi un clic droit à côté du plateau</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>À venir</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Click here to play Brindlow!</source>
        <translation>Cliquez ici pour jouer à Brindlow !</translation>
    </message>
    <message>
        <source>Next what?</source>
        <extracomment>Stands where the coming balls are shown when the player has switched their preview off; a teasing question, as in &quot;Which balls come next? You chose not to know.&quot; Keep it short.</extracomment>
        <translation>Et après ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Click to play!</source>
        <extracomment>On the start picture&apos;s green button, about 16 letters at most.</extracomment>
        <translation>Cliquez et jouez !</translation>
    </message>
    <message>
        <source>The Statistics window</source>
        <translation>La fenêtre des statistiques</translation>
    </message>
    <message>
        <source>Your last game goes on where it stopped.</source>
        <translation>Votre dernière partie reprend.</translation>
    </message>
    <message>
        <source>A larger or smaller window, or the classic size</source>
        <translation>Fenêtre plus grande ou plus petite, ou taille classique</translation>
    </message>
    <message>
        <source>The Preferences dialog</source>
        <translation>La fenêtre des préférences</translation>
    </message>
</context>
<context>
    <name>TfrmMi</name>
    <message>
        <source>Mi !</source>
        <extracomment>The title of a maker&apos;s card in the credits: &quot;Us!&quot;, said with a wink.</extracomment>
        <translation>Nous !</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>S&amp;ymbols on the balls</source>
        <translation>S&amp;ymboles sur les billes</translation>
    </message>
    <message>
        <source>&amp;Effects volume:</source>
        <translation>&amp;Effets :</translation>
    </message>
    <message>
        <source>&amp;Music volume:</source>
        <translation>&amp;Musique :</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <extracomment>The pace of the balls&apos; movements: as in the classic game, quicker, or with little movement at all.</extracomment>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Reduced motion</source>
        <translation>Mouvements ré&amp;duits</translation>
    </message>
    <message>
        <source>&amp;Keep the game on Exit</source>
        <translation>&amp;Garder la partie en quittant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Brindlow HomePage %1</source>
        <translation>Site de Brindlow : %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Game settings</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>View next</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Jokers</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Bombes</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Sounds off</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Create</source>
        <extracomment>The sound effects, each switched on and off by its check box: a ball appears, jumps when picked, moves, cannot reach its cell, and a line breaks.</extracomment>
        <translation>Apparition</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Saut</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Trajet</translation>
    </message>
    <message>
        <source>Stuck</source>
        <translation>Bloquée</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Éclat</translation>
    </message>
    <message>
        <source>Music off</source>
        <translation>Silence</translation>
    </message>
    <message>
        <source>Song #%1</source>
        <translation>Air n° %1</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmStatistics</name>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Score moyen</translation>
    </message>
    <message>
        <source>Median score</source>
        <translation>Score médian</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>Longest line</source>
        <translation>Plus longue ligne</translation>
    </message>
    <message>
        <source>Games with undo</source>
        <translation>Parties avec annulation</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Jokers</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Bombes</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annul.</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Issue</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Board full</source>
        <comment>how a game ended</comment>
        <translation>Plateau plein</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>how a game ended</comment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>how a game ended</comment>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Closed</source>
        <comment>how a game ended</comment>
        <translation>Fermeture</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Last %1 games</source>
        <translation>%1 dernières parties</translation>
    </message>
    <message>
        <source>All scores</source>
        <translation>Tous les scores</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Reset...</source>
        <translation>Effacer...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Lines by length</source>
        <translation>Lignes par longueur</translation>
    </message>
    <message>
        <source>%1 balls</source>
        <translation>%1 billes</translation>
    </message>
    <message>
        <source>No games at the %1 level yet.

Every game you finish is counted here: play one, then come back to see how you are doing.</source>
        <translation>Pas encore de partie au niveau %1.

Chaque partie terminée est comptée ici : jouez-en une, puis revenez voir où vous en êtes.</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks a game of the last games&apos; list that was played with jokers, with bombs or with undo.</extracomment>
        <translation>oui</translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>L&apos;historique n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Effacer les statistiques</translation>
    </message>
    <message>
        <source>Erase the history of all %1 games at every level? This cannot be undone.</source>
        <translation>Effacer l&apos;historique des %1 parties, à tous les niveaux ? C&apos;est irréversible.</translation>
    </message>
    <message>
        <source>The history could not be erased just now.</source>
        <translation>L&apos;historique n&apos;a pas pu être effacé pour l&apos;instant.</translation>
    </message>
</context>
<context>
    <name>TfrmTop10</name>
    <message>
        <source>Top Ten</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Player %1</source>
        <extracomment>The name of a top-ten place no player has taken yet, %1 its number; keep the leading blank.</extracomment>
        <translation> Joueur %1</translation>
    </message>
</context>
<context>
    <name>TfrmUpis</name>
    <message>
        <source>Enter Your Name</source>
        <translation>Entrez votre nom</translation>
    </message>
    <message>
        <source> Chicken!</source>
        <extracomment>Stored in the top ten for a player who enters no name: a friendly tease, keep the leading space. Letters of Western European alphabets only (ISO 8859-1), at most 29.</extracomment>
        <translation> Poule mouillée !</translation>
    </message>
</context>
</TS>
