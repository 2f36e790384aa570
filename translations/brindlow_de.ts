<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>A puzzle game: line up five balls of one colour on a nine by nine board.
Everything else is set in the game&apos;s Options dialog.</source>
        <translation>Ein Denkspiel: Bringe fünf Kugeln einer Farbe auf einem Brett von neun mal neun Feldern in eine Reihe.
Alles Weitere stellst du im Fenster „Optionen“ des Spiels ein.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe und beendet sich.</translation>
    </message>
    <message>
        <source>Shows the game&apos;s version and exits.</source>
        <translation>Zeigt die Version des Spiels und beendet sich.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
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
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Unmöglich</translation>
    </message>
</context>
<context>
    <name>PlayerMessages</name>
    <message>
        <source>Sound file is missing!</source>
        <translation>Die Tondatei fehlt!</translation>
    </message>
    <message>
        <source>%1 was set aside as %2: %3</source>
        <extracomment>%1 is a file&apos;s full path, %2 the new name it was given, %3 why and what follows from it.</extracomment>
        <translation>%1 wurde als %2 beiseitegelegt: %3</translation>
    </message>
    <message>
        <source>%1, so the default settings are in force.</source>
        <extracomment>%1 is why the settings file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, daher gelten die Grundeinstellungen.</translation>
    </message>
    <message>
        <source>%1, so the top-ten lists start afresh.</source>
        <extracomment>%1 is why the scores file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, daher beginnen die Bestenlisten von vorn.</translation>
    </message>
    <message>
        <source>%1, so a new game starts.</source>
        <extracomment>%1 is why the kept game&apos;s file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, daher beginnt ein neues Spiel.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a file was set aside: &quot;it&quot; is the file. %1 is the system&apos;s reason.</extracomment>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <extracomment>Why a file was set aside: &quot;it&quot; is the file.</extracomment>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>das ist keine Datei</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>it is %1 bytes long instead of %2</source>
        <translation>die Datei ist %1 Byte lang statt %2</translation>
    </message>
    <message>
        <source>it holds a value out of range</source>
        <translation>die Datei enthält einen ungültigen Wert</translation>
    </message>
    <message>
        <source>it ended while it was read</source>
        <translation>die Datei endete mitten beim Lesen</translation>
    </message>
    <message>
        <source>it holds a game that cannot be played</source>
        <translation>die Datei enthält ein Spiel, das sich nicht spielen lässt</translation>
    </message>
    <message>
        <source>it is no saved game</source>
        <translation>das ist kein gespeichertes Spiel</translation>
    </message>
    <message>
        <source>it was saved in format %1, this program reads format %2</source>
        <translation>die Datei wurde im Format %1 gespeichert, dieses Programm liest Format %2</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>der Dateikopf ist beschädigt</translation>
    </message>
    <message>
        <source>it has bytes after its end</source>
        <translation>die Datei hat Bytes nach ihrem Ende</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>die Prüfsumme stimmt nicht</translation>
    </message>
    <message>
        <source>it is shorter than its 4340-byte header</source>
        <translation>die Datei ist kürzer als ihr Kopf von 4340 Byte</translation>
    </message>
    <message>
        <source>open &quot;%1&quot;: %2</source>
        <extracomment>A file operation that failed: %1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>„%1“ lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>read &quot;%1&quot;: %2</source>
        <translation>„%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>write &quot;%1&quot;: %2</source>
        <translation>„%1“ lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>create &quot;%1&quot;: %2</source>
        <translation>„%1“ lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>close &quot;%1&quot;: %2</source>
        <translation>„%1“ lässt sich nicht schließen: %2</translation>
    </message>
    <message>
        <source>flush &quot;%1&quot;: %2</source>
        <translation>„%1“ lässt sich nicht auf den Datenträger schreiben: %2</translation>
    </message>
    <message>
        <source>seek &quot;%1&quot;: %2</source>
        <translation>In „%1“ lässt sich nicht springen: %2</translation>
    </message>
    <message>
        <source>examine &quot;%1&quot;: %2</source>
        <translation>„%1“ lässt sich nicht untersuchen: %2</translation>
    </message>
    <message>
        <source>change mode &quot;%1&quot;: %2</source>
        <translation>Die Rechte von „%1“ lassen sich nicht ändern: %2</translation>
    </message>
    <message>
        <source>rename &quot;%1&quot;: %2</source>
        <translation>„%1“ lässt sich nicht umbenennen: %2</translation>
    </message>
    <message>
        <source>create folder &quot;%1&quot;: %2</source>
        <translation>Der Ordner „%1“ lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>read link &quot;%1&quot;: %2</source>
        <translation>Der Verweis „%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>find &quot;%1&quot;: %2</source>
        <extracomment>%1 is &quot;$HOME&quot;, the name of the setting that names the home folder.</extracomment>
        <translation>„%1“ ist nicht zu finden: %2</translation>
    </message>
    <message>
        <source>no home folder is set for this user</source>
        <translation>für diesen Benutzer ist kein persönlicher Ordner festgelegt</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>eine gleichnamige Datei steht im Weg</translation>
    </message>
    <message>
        <source>the preferences could not be saved</source>
        <translation>die Vorlieben konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Sound file is damaged: %1.</source>
        <extracomment>%1 says what is wrong inside the game&apos;s sound file.</extracomment>
        <translation>Die Tondatei ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>Sound file cannot be read: %1.</source>
        <translation>Die Tondatei lässt sich nicht lesen: %1.</translation>
    </message>
    <message>
        <source>The sounds cannot be unpacked, so the game is silent: %1</source>
        <extracomment>%1 is the file error that stopped the sounds.</extracomment>
        <translation>Die Töne lassen sich nicht entpacken, daher bleibt das Spiel stumm: %1</translation>
    </message>
    <message>
        <source>The song &quot;%1&quot; cannot be played: %2</source>
        <extracomment>%1 is the song&apos;s file name, %2 the sound system&apos;s reason.</extracomment>
        <translation>Das Lied „%1“ lässt sich nicht abspielen: %2</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <extracomment>Why a folder for the game&apos;s sounds cannot be used.</extracomment>
        <translation>ist ein symbolischer Verweis</translation>
    </message>
    <message>
        <source>owned by another user</source>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>shorter than the key bytes</source>
        <extracomment>Why the scores file cannot be read: it ends before the bytes its scrambling starts from.</extracomment>
        <translation>kürzer als die Schlüsselbytes</translation>
    </message>
</context>
<context>
    <name>ScoreCharts</name>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Average of %1</source>
        <translation>Schnitt über %1</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Score, from</source>
        <translation>Punkte, ab</translation>
    </message>
</context>
<context>
    <name>TGameOverBoard</name>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
</context>
<context>
    <name>THistory</name>
    <message>
        <source>The history of your games was damaged. It has been set aside as History.db.bad, and a new history begins.</source>
        <translation>Der Verlauf deiner Spiele war beschädigt. Er wurde als History.db.bad beiseitegelegt, und ein neuer Verlauf beginnt.</translation>
    </message>
    <message>
        <source>The history of your games cannot be written just now. Your games are kept and will be written as soon as it can be.</source>
        <translation>Der Verlauf deiner Spiele kann gerade nicht geschrieben werden. Deine Spiele bleiben erhalten und werden geschrieben, sobald es geht.</translation>
    </message>
</context>
<context>
    <name>TMainMenu</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Keep the game on Exit</source>
        <translation>Spiel beim Beenden &amp;behalten</translation>
    </message>
    <message>
        <source>Ke&amp;ys…</source>
        <translation>&amp;Tasten…</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Statistik…</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>S&amp;ymbols on the balls</source>
        <translation>S&amp;ymbole auf den Kugeln</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Vorlieben…</translation>
    </message>
</context>
<context>
    <name>TSizeMenu</name>
    <message>
        <source>&amp;Larger</source>
        <translation>&amp;Größer</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>&amp;Kleiner</translation>
    </message>
    <message>
        <source>&amp;Classic size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
</context>
<context>
    <name>TUndoMark</name>
    <message>
        <source>A move of this game was taken back, so its score does not go to the top ten</source>
        <translation>In diesem Spiel wurde ein Zug zurückgenommen, daher kommt seine Punktzahl nicht in die Bestenliste</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>&amp;Code</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <source>The Brindlow team</source>
        <translation>Das Brindlow-Team</translation>
    </message>
    <message>
        <source>Code: rules, windows and files</source>
        <translation>Programm: Regeln, Fenster, Dateien</translation>
    </message>
    <message>
        <source>A&amp;rtwork</source>
        <translation>&amp;Grafik</translation>
    </message>
    <message>
        <source>Artwork: balls, start picture, icons</source>
        <translation>Grafik: Kugeln, Startbild, Symbole</translation>
    </message>
    <message>
        <source>&amp;Sound and music</source>
        <translation>&amp;Ton und Musik</translation>
    </message>
    <message>
        <source>Sound effects and music</source>
        <translation>Geräusche und Musik</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>made by The Brindlow team</source>
        <translation>gemacht vom Brindlow-Team</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>   Your aim is to put five balls in line, horizontal, </source>
        <comment>help line 2 of 19</comment>
        <extracomment>One line of the help text, in a box about 44 letters wide; a line that opens with three blanks starts a paragraph. The translation may spread a paragraph over its lines freely.</extracomment>
        <translation>   Ziel ist, fünf Kugeln in eine Reihe zu </translation>
    </message>
    <message>
        <source>vertical or diagonal so they could disappear. </source>
        <comment>help line 3 of 19</comment>
        <translation>bringen, waagrecht, senkrecht oder schräg, damit sie verschwinden. </translation>
    </message>
    <message>
        <source>   Every move you make, you get  three new balls, </source>
        <comment>help line 4 of 19</comment>
        <translation>   Bei jedem Zug kommen drei neue Kugeln </translation>
    </message>
    <message>
        <source>except when you put a line of five. </source>
        <comment>help line 5 of 19</comment>
        <translation>hinzu, außer wenn du eine Fünferreihe legst. </translation>
    </message>
    <message>
        <source>   You can, of course, make a line of six or more </source>
        <comment>help line 6 of 19</comment>
        <translation>   Du kannst natürlich auch Reihen aus sechs </translation>
    </message>
    <message>
        <source>balls and if you do you get more points. </source>
        <comment>help line 7 of 19</comment>
        <translation>oder mehr Kugeln legen, das gibt mehr Punkte. </translation>
    </message>
    <message>
        <source>   There are some special options you can turn on</source>
        <comment>help line 8 of 19</comment>
        <translation>   Auf Wunsch gibt es besondere Extras:</translation>
    </message>
    <message>
        <source>if you wish, such are joker ball or bomb.</source>
        <comment>help line 9 of 19</comment>
        <translation>die Joker-Kugel und die Bombe.</translation>
    </message>
    <message>
        <source>   Joker ball can be used as a replacement for any</source>
        <comment>help line 10 of 19</comment>
        <translation>   Ein Joker steht für jede beliebige Farbe,</translation>
    </message>
    <message>
        <source>color, and a bomb is used to blast all the balls on</source>
        <comment>help line 11 of 19</comment>
        <translation>und eine Bombe sprengt alle Kugeln auf den</translation>
    </message>
    <message>
        <source>the fields next to it. </source>
        <comment>help line 12 of 19</comment>
        <translation>Feldern rund um sie herum. </translation>
    </message>
    <message>
        <source>   Bomb is activated the moment you move it from </source>
        <comment>help line 13 of 19</comment>
        <translation>   Eine Bombe zündet, sobald du sie von </translation>
    </message>
    <message>
        <source>its starting field. </source>
        <comment>help line 14 of 19</comment>
        <translation>ihrem Startfeld wegziehst. </translation>
    </message>
    <message>
        <source>   There are also three levels of hardness, you </source>
        <comment>help line 15 of 19</comment>
        <translation>   Außerdem gibt es drei Schwierigkeitsstufen: </translation>
    </message>
    <message>
        <source>can choose whether you want three, four or five </source>
        <comment>help line 16 of 19</comment>
        <translation>Du wählst, ob bei jedem Zug drei, vier oder </translation>
    </message>
    <message>
        <source>balls to be added on your every move. </source>
        <comment>help line 17 of 19</comment>
        <translation>fünf neue Kugeln hinzukommen. </translation>
    </message>
    <message>
        <source>Playing Help</source>
        <translation>Spielhilfe</translation>
    </message>
</context>
<context>
    <name>TfrmKeys</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
</context>
<context>
    <name>TfrmLines</name>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Show the cursor on the board and move it</source>
        <translation>Den Cursor auf dem Brett zeigen und bewegen</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Leertaste, Eingabetaste</translation>
    </message>
    <message>
        <source>Click the cell under the cursor</source>
        <translation>Das Feld unter dem Cursor anklicken</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Put the picked ball down</source>
        <translation>Die gewählte Kugel wieder absetzen</translation>
    </message>
    <message>
        <source>Take back the last move</source>
        <translation>Den letzten Zug zurücknehmen</translation>
    </message>
    <message>
        <source>The %1 button</source>
        <extracomment>A row of the Keys window; %1 is a button&apos;s caption, such as &quot;New&quot; or &quot;Top 10&quot;.</extracomment>
        <translation>Die Schaltfläche „%1“</translation>
    </message>
    <message>
        <source>Menu key</source>
        <translation>Menütaste</translation>
    </message>
    <message>
        <source>This menu; also a right click beside the board</source>
        <translation>Dieses Menü; auch ein Rechtsklick neben das Brett</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Als Nächstes</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>Click here to play Brindlow!</source>
        <translation>Hier klicken und Brindlow spielen!</translation>
    </message>
    <message>
        <source>Next what?</source>
        <extracomment>Stands where the coming balls are shown when the player has switched their preview off; a teasing question, as in &quot;Which balls come next? You chose not to know.&quot; Keep it short.</extracomment>
        <translation>Was kommt?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Click to play!</source>
        <extracomment>On the start picture&apos;s green button, about 16 letters at most.</extracomment>
        <translation>Klick und spiel!</translation>
    </message>
    <message>
        <source>The Statistics window</source>
        <translation>Das Statistikfenster</translation>
    </message>
    <message>
        <source>Your last game goes on where it stopped.</source>
        <translation>Das letzte Spiel geht weiter.</translation>
    </message>
    <message>
        <source>A larger or smaller window, or the classic size</source>
        <translation>Größeres oder kleineres Fenster, oder klassische Größe</translation>
    </message>
    <message>
        <source>The Preferences dialog</source>
        <translation>Das Fenster „Einstellungen“</translation>
    </message>
</context>
<context>
    <name>TfrmMi</name>
    <message>
        <source>Mi !</source>
        <extracomment>The title of a maker&apos;s card in the credits: &quot;Us!&quot;, said with a wink.</extracomment>
        <translation>Wir!</translation>
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
        <translation>Vorlieben</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>S&amp;ymbols on the balls</source>
        <translation>S&amp;ymbole auf den Kugeln</translation>
    </message>
    <message>
        <source>&amp;Effects volume:</source>
        <translation>&amp;Effekte:</translation>
    </message>
    <message>
        <source>&amp;Music volume:</source>
        <translation>&amp;Musik:</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animationen</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <extracomment>The pace of the balls&apos; movements: as in the classic game, quicker, or with little movement at all.</extracomment>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Reduced motion</source>
        <translation>&amp;Reduzierte Bewegung</translation>
    </message>
    <message>
        <source>&amp;Keep the game on Exit</source>
        <translation>Spiel beim Beenden &amp;behalten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Brindlow HomePage %1</source>
        <translation>Brindlow im Netz: %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Game settings</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>View next</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Bomben</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geräusche</translation>
    </message>
    <message>
        <source>Sounds off</source>
        <translation>Ohne Ton</translation>
    </message>
    <message>
        <source>Create</source>
        <extracomment>The sound effects, each switched on and off by its check box: a ball appears, jumps when picked, moves, cannot reach its cell, and a line breaks.</extracomment>
        <translation>Entstehen</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Springen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>Stuck</source>
        <translation>Kein Weg</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Zerplatzen</translation>
    </message>
    <message>
        <source>Music off</source>
        <translation>Musik aus</translation>
    </message>
    <message>
        <source>Song #%1</source>
        <translation>Lied Nr. %1</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmStatistics</name>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Bestes Ergebnis</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Median score</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Longest line</source>
        <translation>Längste Reihe</translation>
    </message>
    <message>
        <source>Games with undo</source>
        <translation>Spiele mit Rücknahme</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Längste</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Bomben</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückn.</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Grund</translation>
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
        <translation>Brett voll</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>how a game ended</comment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>how a game ended</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Closed</source>
        <comment>how a game ended</comment>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Last %1 games</source>
        <translation>Letzte %1 Spiele</translation>
    </message>
    <message>
        <source>All scores</source>
        <translation>Alle Ergebnisse</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Reset...</source>
        <translation>Zurücksetzen...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Lines by length</source>
        <translation>Reihen nach Länge</translation>
    </message>
    <message>
        <source>%1 balls</source>
        <translation>%1 Kugeln</translation>
    </message>
    <message>
        <source>No games at the %1 level yet.

Every game you finish is counted here: play one, then come back to see how you are doing.</source>
        <translation>Noch keine Spiele auf der Stufe %1.

Jedes Spiel, das du beendest, wird hier gezählt: Spiel eine Runde und schau dann, wie du dich schlägst.</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks a game of the last games&apos; list that was played with jokers, with bombs or with undo.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Der Verlauf konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Erase the history of all %1 games at every level? This cannot be undone.</source>
        <translation>Den Verlauf aller %1 Spiele auf allen Stufen löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The history could not be erased just now.</source>
        <translation>Der Verlauf konnte gerade nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>TfrmTop10</name>
    <message>
        <source>Top Ten</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Player %1</source>
        <extracomment>The name of a top-ten place no player has taken yet, %1 its number; keep the leading blank.</extracomment>
        <translation> Spieler %1</translation>
    </message>
</context>
<context>
    <name>TfrmUpis</name>
    <message>
        <source>Enter Your Name</source>
        <translation>Dein Name, bitte</translation>
    </message>
    <message>
        <source> Chicken!</source>
        <extracomment>Stored in the top ten for a player who enters no name: a friendly tease, keep the leading space. Letters of Western European alphabets only (ISO 8859-1), at most 29.</extracomment>
        <translation> Angsthase!</translation>
    </message>
</context>
</TS>
