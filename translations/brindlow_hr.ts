<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uporaba: %1 [opcije]</translation>
    </message>
    <message>
        <source>A puzzle game: line up five balls of one colour on a nine by nine board.
Everything else is set in the game&apos;s Options dialog.</source>
        <translation>Logička igra: poredaj pet kuglica iste boje u liniju na ploči devet puta devet.
Sve ostalo podešava se u prozoru Opcije unutar igre.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Prikazuje ovu pomoć i izlazi.</translation>
    </message>
    <message>
        <source>Shows the game&apos;s version and exits.</source>
        <translation>Prikazuje inačicu igre i izlazi.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekivani argument „%1”.</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Normal</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Teška</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Nemoguća</translation>
    </message>
</context>
<context>
    <name>PlayerMessages</name>
    <message>
        <source>Sound file is missing!</source>
        <translation>Nedostaje zvučna datoteka!</translation>
    </message>
    <message>
        <source>%1 was set aside as %2: %3</source>
        <extracomment>%1 is a file&apos;s full path, %2 the new name it was given, %3 why and what follows from it.</extracomment>
        <translation>%1 spremljena je sa strane kao %2: %3</translation>
    </message>
    <message>
        <source>%1, so the default settings are in force.</source>
        <extracomment>%1 is why the settings file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, pa vrijede zadane postavke.</translation>
    </message>
    <message>
        <source>%1, so the top-ten lists start afresh.</source>
        <extracomment>%1 is why the scores file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, pa popisi najboljih deset počinju iznova.</translation>
    </message>
    <message>
        <source>%1, so a new game starts.</source>
        <extracomment>%1 is why the kept game&apos;s file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, pa počinje nova igra.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a file was set aside: &quot;it&quot; is the file. %1 is the system&apos;s reason.</extracomment>
        <translation>ne može se pročitati (%1)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <extracomment>Why a file was set aside: &quot;it&quot; is the file.</extracomment>
        <translation>ne može se pročitati</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>ne može se otvoriti</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>to nije datoteka</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>to nije obična datoteka</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>prevelika je</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>skraćena je</translation>
    </message>
    <message>
        <source>it is %1 bytes long instead of %2</source>
        <translation>duljina joj je %1 B umjesto %2 B</translation>
    </message>
    <message>
        <source>it holds a value out of range</source>
        <translation>sadrži vrijednost izvan dopuštenog raspona</translation>
    </message>
    <message>
        <source>it ended while it was read</source>
        <translation>završila je usred čitanja</translation>
    </message>
    <message>
        <source>it holds a game that cannot be played</source>
        <translation>sadrži igru koja se ne može igrati</translation>
    </message>
    <message>
        <source>it is no saved game</source>
        <translation>to nije spremljena igra</translation>
    </message>
    <message>
        <source>it was saved in format %1, this program reads format %2</source>
        <translation>spremljena je u formatu %1, a ovaj program čita format %2</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>zaglavlje joj je oštećeno</translation>
    </message>
    <message>
        <source>it has bytes after its end</source>
        <translation>ima bajtove iza svojeg kraja</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>kontrolni zbroj ne odgovara</translation>
    </message>
    <message>
        <source>it is shorter than its 4340-byte header</source>
        <translation>kraća je od svojeg zaglavlja od 4340 bajtova</translation>
    </message>
    <message>
        <source>open &quot;%1&quot;: %2</source>
        <extracomment>A file operation that failed: %1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Nije moguće otvoriti „%1”: %2</translation>
    </message>
    <message>
        <source>read &quot;%1&quot;: %2</source>
        <translation>Nije moguće pročitati „%1”: %2</translation>
    </message>
    <message>
        <source>write &quot;%1&quot;: %2</source>
        <translation>Nije moguće zapisati „%1”: %2</translation>
    </message>
    <message>
        <source>create &quot;%1&quot;: %2</source>
        <translation>Nije moguće stvoriti „%1”: %2</translation>
    </message>
    <message>
        <source>close &quot;%1&quot;: %2</source>
        <translation>Nije moguće zatvoriti „%1”: %2</translation>
    </message>
    <message>
        <source>flush &quot;%1&quot;: %2</source>
        <translation>Nije moguće spremiti „%1” na disk: %2</translation>
    </message>
    <message>
        <source>seek &quot;%1&quot;: %2</source>
        <translation>Nije moguće pomaknuti se unutar „%1”: %2</translation>
    </message>
    <message>
        <source>examine &quot;%1&quot;: %2</source>
        <translation>Nije moguće pregledati „%1”: %2</translation>
    </message>
    <message>
        <source>change mode &quot;%1&quot;: %2</source>
        <translation>Nije moguće promijeniti dozvole za „%1”: %2</translation>
    </message>
    <message>
        <source>rename &quot;%1&quot;: %2</source>
        <translation>Nije moguće preimenovati „%1”: %2</translation>
    </message>
    <message>
        <source>create folder &quot;%1&quot;: %2</source>
        <translation>Nije moguće stvoriti mapu „%1”: %2</translation>
    </message>
    <message>
        <source>read link &quot;%1&quot;: %2</source>
        <translation>Nije moguće pročitati poveznicu „%1”: %2</translation>
    </message>
    <message>
        <source>find &quot;%1&quot;: %2</source>
        <extracomment>%1 is &quot;$HOME&quot;, the name of the setting that names the home folder.</extracomment>
        <translation>Nije moguće pronaći „%1”: %2</translation>
    </message>
    <message>
        <source>no home folder is set for this user</source>
        <translation>za ovog korisnika nije postavljena osobna mapa</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>na tom mjestu već je datoteka istog imena</translation>
    </message>
    <message>
        <source>the preferences could not be saved</source>
        <translation>prilagodbe nije bilo moguće spremiti</translation>
    </message>
    <message>
        <source>Sound file is damaged: %1.</source>
        <extracomment>%1 says what is wrong inside the game&apos;s sound file.</extracomment>
        <translation>Zvučna datoteka je oštećena: %1.</translation>
    </message>
    <message>
        <source>Sound file cannot be read: %1.</source>
        <translation>Zvučnu datoteku nije moguće pročitati: %1.</translation>
    </message>
    <message>
        <source>The sounds cannot be unpacked, so the game is silent: %1</source>
        <extracomment>%1 is the file error that stopped the sounds.</extracomment>
        <translation>Zvukove nije moguće raspakirati, pa je igra bez zvuka: %1</translation>
    </message>
    <message>
        <source>The song &quot;%1&quot; cannot be played: %2</source>
        <extracomment>%1 is the song&apos;s file name, %2 the sound system&apos;s reason.</extracomment>
        <translation>Pjesmu „%1” nije moguće reproducirati: %2</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <extracomment>Why a folder for the game&apos;s sounds cannot be used.</extracomment>
        <translation>to je simbolička poveznica</translation>
    </message>
    <message>
        <source>owned by another user</source>
        <translation>pripada drugom korisniku</translation>
    </message>
    <message>
        <source>shorter than the key bytes</source>
        <extracomment>Why the scores file cannot be read: it ends before the bytes its scrambling starts from.</extracomment>
        <translation>kraća od bajtova ključa</translation>
    </message>
</context>
<context>
    <name>ScoreCharts</name>
    <message>
        <source>Score</source>
        <translation>Bodovi</translation>
    </message>
    <message>
        <source>Average of %1</source>
        <translation>Prosjek od %1</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Igra</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Igre</translation>
    </message>
    <message>
        <source>Score, from</source>
        <translation>Bodovi, od</translation>
    </message>
</context>
<context>
    <name>TGameOverBoard</name>
    <message>
        <source>Game over</source>
        <translation>Kraj igre</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Bodovi: %1</translation>
    </message>
</context>
<context>
    <name>THistory</name>
    <message>
        <source>The history of your games was damaged. It has been set aside as History.db.bad, and a new history begins.</source>
        <translation>Povijest tvojih igara bila je oštećena. Spremljena je sa strane kao History.db.bad i počinje nova povijest.</translation>
    </message>
    <message>
        <source>The history of your games cannot be written just now. Your games are kept and will be written as soon as it can be.</source>
        <translation>Povijest tvojih igara trenutačno se ne može zapisati. Igre su sačuvane i bit će zapisane čim to bude moguće.</translation>
    </message>
</context>
<context>
    <name>TMainMenu</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Poništi potez</translation>
    </message>
    <message>
        <source>&amp;Keep the game on Exit</source>
        <translation>&amp;Zadrži igru pri izlasku</translation>
    </message>
    <message>
        <source>Ke&amp;ys…</source>
        <translation>&amp;Tipke…</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Statistika…</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Veličina</translation>
    </message>
    <message>
        <source>S&amp;ymbols on the balls</source>
        <translation>S&amp;imboli na kuglicama</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>P&amp;rilagodbe…</translation>
    </message>
</context>
<context>
    <name>TSizeMenu</name>
    <message>
        <source>&amp;Larger</source>
        <translation>&amp;Veće</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>&amp;Manje</translation>
    </message>
    <message>
        <source>&amp;Classic size</source>
        <translation>&amp;Klasična veličina</translation>
    </message>
</context>
<context>
    <name>TUndoMark</name>
    <message>
        <source>A move of this game was taken back, so its score does not go to the top ten</source>
        <translation>U ovoj igri poništen je potez, pa njezin rezultat ne ulazi među najboljih deset</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>&amp;Code</source>
        <translation>&amp;Programiranje</translation>
    </message>
    <message>
        <source>The Brindlow team</source>
        <translation>Tim Brindlowa</translation>
    </message>
    <message>
        <source>Code: rules, windows and files</source>
        <translation>Kôd: pravila, prozori i datoteke</translation>
    </message>
    <message>
        <source>A&amp;rtwork</source>
        <translation>&amp;Grafika</translation>
    </message>
    <message>
        <source>Artwork: balls, start picture, icons</source>
        <translation>Grafika: kuglice, naslovnica, ikone</translation>
    </message>
    <message>
        <source>&amp;Sound and music</source>
        <translation>&amp;Zvuk i glazba</translation>
    </message>
    <message>
        <source>Sound effects and music</source>
        <translation>Zvučni efekti i glazba</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O igri</translation>
    </message>
    <message>
        <source>made by The Brindlow team</source>
        <translation>izradio tim Brindlowa</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>   Your aim is to put five balls in line, horizontal, </source>
        <comment>help line 2 of 19</comment>
        <extracomment>One line of the help text, in a box about 44 letters wide; a line that opens with three blanks starts a paragraph. The translation may spread a paragraph over its lines freely.</extracomment>
        <translation>   Cilj je složiti pet kuglica u niz, </translation>
    </message>
    <message>
        <source>vertical or diagonal so they could disappear. </source>
        <comment>help line 3 of 19</comment>
        <translation>vodoravno, okomito ili dijagonalno, da nestanu. </translation>
    </message>
    <message>
        <source>   Every move you make, you get  three new balls, </source>
        <comment>help line 4 of 19</comment>
        <translation>   Svakim potezom dobivaš tri nove kuglice, </translation>
    </message>
    <message>
        <source>except when you put a line of five. </source>
        <comment>help line 5 of 19</comment>
        <translation>osim kad složiš niz od pet. </translation>
    </message>
    <message>
        <source>   You can, of course, make a line of six or more </source>
        <comment>help line 6 of 19</comment>
        <translation>   Možeš, naravno, složiti i niz od šest ili </translation>
    </message>
    <message>
        <source>balls and if you do you get more points. </source>
        <comment>help line 7 of 19</comment>
        <translation>više kuglica, a za to dobivaš više bodova. </translation>
    </message>
    <message>
        <source>   There are some special options you can turn on</source>
        <comment>help line 8 of 19</comment>
        <translation>   Po želji možeš uključiti posebne dodatke:</translation>
    </message>
    <message>
        <source>if you wish, such are joker ball or bomb.</source>
        <comment>help line 9 of 19</comment>
        <translation>džoker-kuglicu i bombu.</translation>
    </message>
    <message>
        <source>   Joker ball can be used as a replacement for any</source>
        <comment>help line 10 of 19</comment>
        <translation>   Džoker može zamijeniti bilo koju boju,</translation>
    </message>
    <message>
        <source>color, and a bomb is used to blast all the balls on</source>
        <comment>help line 11 of 19</comment>
        <translation>a bomba raznese sve kuglice na poljima</translation>
    </message>
    <message>
        <source>the fields next to it. </source>
        <comment>help line 12 of 19</comment>
        <translation>oko sebe. </translation>
    </message>
    <message>
        <source>   Bomb is activated the moment you move it from </source>
        <comment>help line 13 of 19</comment>
        <translation>   Bomba se aktivira čim je pomakneš s </translation>
    </message>
    <message>
        <source>its starting field. </source>
        <comment>help line 14 of 19</comment>
        <translation>njezina početnog polja. </translation>
    </message>
    <message>
        <source>   There are also three levels of hardness, you </source>
        <comment>help line 15 of 19</comment>
        <translation>   Postoje i tri razine težine: biraš </translation>
    </message>
    <message>
        <source>can choose whether you want three, four or five </source>
        <comment>help line 16 of 19</comment>
        <translation>hoće li ti svakim potezom stići tri, četiri </translation>
    </message>
    <message>
        <source>balls to be added on your every move. </source>
        <comment>help line 17 of 19</comment>
        <translation>ili pet novih kuglica. </translation>
    </message>
    <message>
        <source>Playing Help</source>
        <translation>Pomoć za igru</translation>
    </message>
</context>
<context>
    <name>TfrmKeys</name>
    <message>
        <source>Keys</source>
        <translation>Tipke</translation>
    </message>
</context>
<context>
    <name>TfrmLines</name>
    <message>
        <source>Arrow keys</source>
        <translation>Strelice</translation>
    </message>
    <message>
        <source>Show the cursor on the board and move it</source>
        <translation>Prikaži pokazivač na ploči i pomiči ga</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Razmaknica, Enter</translation>
    </message>
    <message>
        <source>Click the cell under the cursor</source>
        <translation>Klikni polje pod pokazivačem</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Put the picked ball down</source>
        <translation>Spusti odabranu kuglicu</translation>
    </message>
    <message>
        <source>Take back the last move</source>
        <translation>Poništi zadnji potez</translation>
    </message>
    <message>
        <source>The %1 button</source>
        <extracomment>A row of the Keys window; %1 is a button&apos;s caption, such as &quot;New&quot; or &quot;Top 10&quot;.</extracomment>
        <translation>Gumb „%1”</translation>
    </message>
    <message>
        <source>Menu key</source>
        <translation>Tipka izbornika</translation>
    </message>
    <message>
        <source>This menu; also a right click beside the board</source>
        <translation>Ovaj izbornik; i desni klik pokraj ploče</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Bodovi</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sljedeće</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nova</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcije</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O &amp;igri</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoć</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>I&amp;zlaz</translation>
    </message>
    <message>
        <source>Click here to play Brindlow!</source>
        <translation>Klikni ovdje i igraj Brindlow!</translation>
    </message>
    <message>
        <source>Next what?</source>
        <extracomment>Stands where the coming balls are shown when the player has switched their preview off; a teasing question, as in &quot;Which balls come next? You chose not to know.&quot; Keep it short.</extracomment>
        <translation>Što sljedeće?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
    <message>
        <source>Click to play!</source>
        <extracomment>On the start picture&apos;s green button, about 16 letters at most.</extracomment>
        <translation>Klikni i igraj!</translation>
    </message>
    <message>
        <source>The Statistics window</source>
        <translation>Prozor sa statistikom</translation>
    </message>
    <message>
        <source>Your last game goes on where it stopped.</source>
        <translation>Prošla igra se nastavlja.</translation>
    </message>
    <message>
        <source>A larger or smaller window, or the classic size</source>
        <translation>Veći ili manji prozor, ili klasična veličina</translation>
    </message>
    <message>
        <source>The Preferences dialog</source>
        <translation>Prozor s postavkama</translation>
    </message>
</context>
<context>
    <name>TfrmMi</name>
    <message>
        <source>Mi !</source>
        <extracomment>The title of a maker&apos;s card in the credits: &quot;Us!&quot;, said with a wink.</extracomment>
        <translation>Mi !</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
</context>
<context>
    <name>TfrmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Prilagodbe</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Veličina:</translation>
    </message>
    <message>
        <source>S&amp;ymbols on the balls</source>
        <translation>&amp;Simboli na kuglicama</translation>
    </message>
    <message>
        <source>&amp;Effects volume:</source>
        <translation>&amp;Efekti:</translation>
    </message>
    <message>
        <source>&amp;Music volume:</source>
        <translation>&amp;Glazba:</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animacije</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <extracomment>The pace of the balls&apos; movements: as in the classic game, quicker, or with little movement at all.</extracomment>
        <translation>&amp;Klasično</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Brzo</translation>
    </message>
    <message>
        <source>&amp;Reduced motion</source>
        <translation>Sma&amp;njeno kretanje</translation>
    </message>
    <message>
        <source>&amp;Keep the game on Exit</source>
        <translation>&amp;Zadrži igru pri izlasku</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Brindlow HomePage %1</source>
        <translation>Brindlow na webu: %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Game settings</source>
        <translation>Igra</translation>
    </message>
    <message>
        <source>View next</source>
        <translation>Pregled</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Džokeri</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Bombe</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Razina</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Zvukovi</translation>
    </message>
    <message>
        <source>Sounds off</source>
        <translation>Bez zvuka</translation>
    </message>
    <message>
        <source>Create</source>
        <extracomment>The sound effects, each switched on and off by its check box: a ball appears, jumps when picked, moves, cannot reach its cell, and a line breaks.</extracomment>
        <translation>Stvaranje</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Skok</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Kretanje</translation>
    </message>
    <message>
        <source>Stuck</source>
        <translation>Zapelo</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pucanje</translation>
    </message>
    <message>
        <source>Music off</source>
        <translation>Bez glazbe</translation>
    </message>
    <message>
        <source>Song #%1</source>
        <translation>Pjesma %1</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Slučajno</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Glazba</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>TfrmStatistics</name>
    <message>
        <source>Games played</source>
        <translation>Odigrane igre</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Najbolji rezultat</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Prosječni rezultat</translation>
    </message>
    <message>
        <source>Median score</source>
        <translation>Medijan</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Vrijeme igranja</translation>
    </message>
    <message>
        <source>Longest line</source>
        <translation>Najduži niz</translation>
    </message>
    <message>
        <source>Games with undo</source>
        <translation>Igre s poništavanjem</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Završeno</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Bodovi</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Potezi</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Nizovi</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Najduži</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Vrijeme</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Džokeri</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Bombe</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Poništ.</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Kraj</translation>
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
        <translation>Puna ploča</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>how a game ended</comment>
        <translation>Nova igra</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>how a game ended</comment>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Closed</source>
        <comment>how a game ended</comment>
        <translation>Zatvoreno</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>Last %1 games</source>
        <translation>Zadnjih %1 igara</translation>
    </message>
    <message>
        <source>All scores</source>
        <translation>Svi rezultati</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Izvezi...</translation>
    </message>
    <message>
        <source>Reset...</source>
        <translation>Obriši...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Lines by length</source>
        <translation>Nizovi po duljini</translation>
    </message>
    <message>
        <source>%1 balls</source>
        <translation>%1 kuglica</translation>
    </message>
    <message>
        <source>No games at the %1 level yet.

Every game you finish is counted here: play one, then come back to see how you are doing.</source>
        <translation>Još nema igara na razini %1.

Svaka završena igra broji se ovdje: odigraj jednu pa se vrati i vidi kako ti ide.</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks a game of the last games&apos; list that was played with jokers, with bombs or with undo.</extracomment>
        <translation>da</translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Izvoz povijesti</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV datoteke (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Povijest se nije mogla zapisati u %1.</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Brisanje statistike</translation>
    </message>
    <message>
        <source>Erase the history of all %1 games at every level? This cannot be undone.</source>
        <translation>Obrisati povijest svih %1 igara na svim razinama? To se ne može poništiti.</translation>
    </message>
    <message>
        <source>The history could not be erased just now.</source>
        <translation>Povijest se trenutačno nije mogla obrisati.</translation>
    </message>
</context>
<context>
    <name>TfrmTop10</name>
    <message>
        <source>Top Ten</source>
        <translation>Najboljih deset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source> Player %1</source>
        <extracomment>The name of a top-ten place no player has taken yet, %1 its number; keep the leading blank.</extracomment>
        <translation> Igrač %1</translation>
    </message>
</context>
<context>
    <name>TfrmUpis</name>
    <message>
        <source>Enter Your Name</source>
        <translation>Upiši svoje ime</translation>
    </message>
    <message>
        <source> Chicken!</source>
        <extracomment>Stored in the top ten for a player who enters no name: a friendly tease, keep the leading space. Letters of Western European alphabets only (ISO 8859-1), at most 29.</extracomment>
        <translation> Kukavica!</translation>
    </message>
</context>
</TS>
