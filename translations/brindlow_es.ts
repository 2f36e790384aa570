<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>A puzzle game: line up five balls of one colour on a nine by nine board.
Everything else is set in the game&apos;s Options dialog.</source>
        <translation>Un juego de ingenio: alinea cinco bolas del mismo color en un tablero de nueve por nueve.
Todo lo demás se ajusta en la ventana Opciones del juego.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Shows the game&apos;s version and exits.</source>
        <translation>Muestra la versión del juego y termina.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
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
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Imposible</translation>
    </message>
</context>
<context>
    <name>PlayerMessages</name>
    <message>
        <source>Sound file is missing!</source>
        <translation>¡Falta el archivo de sonido!</translation>
    </message>
    <message>
        <source>%1 was set aside as %2: %3</source>
        <extracomment>%1 is a file&apos;s full path, %2 the new name it was given, %3 why and what follows from it.</extracomment>
        <translation>%1 se ha apartado como %2: %3</translation>
    </message>
    <message>
        <source>%1, so the default settings are in force.</source>
        <extracomment>%1 is why the settings file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, así que rigen los ajustes predeterminados.</translation>
    </message>
    <message>
        <source>%1, so the top-ten lists start afresh.</source>
        <extracomment>%1 is why the scores file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, así que las listas de los diez mejores empiezan de cero.</translation>
    </message>
    <message>
        <source>%1, so a new game starts.</source>
        <extracomment>%1 is why the kept game&apos;s file was set aside (&quot;it is too large&quot;).</extracomment>
        <translation>%1, así que empieza una partida nueva.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a file was set aside: &quot;it&quot; is the file. %1 is the system&apos;s reason.</extracomment>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <extracomment>Why a file was set aside: &quot;it&quot; is the file.</extracomment>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>está cortado</translation>
    </message>
    <message>
        <source>it is %1 bytes long instead of %2</source>
        <translation>mide %1 bytes en lugar de %2</translation>
    </message>
    <message>
        <source>it holds a value out of range</source>
        <translation>contiene un valor fuera de rango</translation>
    </message>
    <message>
        <source>it ended while it was read</source>
        <translation>se acabó mientras se leía</translation>
    </message>
    <message>
        <source>it holds a game that cannot be played</source>
        <translation>contiene una partida que no se puede jugar</translation>
    </message>
    <message>
        <source>it is no saved game</source>
        <translation>no es una partida guardada</translation>
    </message>
    <message>
        <source>it was saved in format %1, this program reads format %2</source>
        <translation>se guardó en el formato %1 y este programa lee el formato %2</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>su cabecera está dañada</translation>
    </message>
    <message>
        <source>it has bytes after its end</source>
        <translation>tiene bytes después de su final</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>su suma de comprobación no coincide</translation>
    </message>
    <message>
        <source>it is shorter than its 4340-byte header</source>
        <translation>es más corto que su cabecera de 4340 bytes</translation>
    </message>
    <message>
        <source>open &quot;%1&quot;: %2</source>
        <extracomment>A file operation that failed: %1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <source>read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>create &quot;%1&quot;: %2</source>
        <translation>No se puede crear «%1»: %2</translation>
    </message>
    <message>
        <source>close &quot;%1&quot;: %2</source>
        <translation>No se puede cerrar «%1»: %2</translation>
    </message>
    <message>
        <source>flush &quot;%1&quot;: %2</source>
        <translation>No se puede volcar «%1» al disco: %2</translation>
    </message>
    <message>
        <source>seek &quot;%1&quot;: %2</source>
        <translation>No se puede saltar dentro de «%1»: %2</translation>
    </message>
    <message>
        <source>examine &quot;%1&quot;: %2</source>
        <translation>No se puede examinar «%1»: %2</translation>
    </message>
    <message>
        <source>change mode &quot;%1&quot;: %2</source>
        <translation>No se pueden cambiar los permisos de «%1»: %2</translation>
    </message>
    <message>
        <source>rename &quot;%1&quot;: %2</source>
        <translation>No se puede renombrar «%1»: %2</translation>
    </message>
    <message>
        <source>create folder &quot;%1&quot;: %2</source>
        <translation>No se puede crear la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>read link &quot;%1&quot;: %2</source>
        <translation>No se puede leer el enlace «%1»: %2</translation>
    </message>
    <message>
        <source>find &quot;%1&quot;: %2</source>
        <extracomment>%1 is &quot;$HOME&quot;, the name of the setting that names the home folder.</extracomment>
        <translation>No se encuentra «%1»: %2</translation>
    </message>
    <message>
        <source>no home folder is set for this user</source>
        <translation>este usuario no tiene carpeta personal</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>un archivo con ese nombre ocupa su lugar</translation>
    </message>
    <message>
        <source>the preferences could not be saved</source>
        <translation>no se pudieron guardar las preferencias</translation>
    </message>
    <message>
        <source>Sound file is damaged: %1.</source>
        <extracomment>%1 says what is wrong inside the game&apos;s sound file.</extracomment>
        <translation>El archivo de sonido está dañado: %1.</translation>
    </message>
    <message>
        <source>Sound file cannot be read: %1.</source>
        <translation>No se puede leer el archivo de sonido: %1.</translation>
    </message>
    <message>
        <source>The sounds cannot be unpacked, so the game is silent: %1</source>
        <extracomment>%1 is the file error that stopped the sounds.</extracomment>
        <translation>Los sonidos no se pueden desempaquetar, así que el juego queda en silencio: %1</translation>
    </message>
    <message>
        <source>The song &quot;%1&quot; cannot be played: %2</source>
        <extracomment>%1 is the song&apos;s file name, %2 the sound system&apos;s reason.</extracomment>
        <translation>No se puede reproducir la canción «%1»: %2</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <extracomment>Why a folder for the game&apos;s sounds cannot be used.</extracomment>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>owned by another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>shorter than the key bytes</source>
        <extracomment>Why the scores file cannot be read: it ends before the bytes its scrambling starts from.</extracomment>
        <translation>más corto que los bytes de la clave</translation>
    </message>
</context>
<context>
    <name>ScoreCharts</name>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Average of %1</source>
        <translation>Media de %1</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Score, from</source>
        <translation>Puntos, desde</translation>
    </message>
</context>
<context>
    <name>TGameOverBoard</name>
    <message>
        <source>Game over</source>
        <translation>Fin del juego</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
</context>
<context>
    <name>THistory</name>
    <message>
        <source>The history of your games was damaged. It has been set aside as History.db.bad, and a new history begins.</source>
        <translation>El historial de tus partidas estaba dañado. Se ha apartado como History.db.bad y empieza un historial nuevo.</translation>
    </message>
    <message>
        <source>The history of your games cannot be written just now. Your games are kept and will be written as soon as it can be.</source>
        <translation>El historial de tus partidas no se puede escribir ahora mismo. Tus partidas se guardan y se escribirán en cuanto se pueda.</translation>
    </message>
</context>
<context>
    <name>TMainMenu</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Keep the game on Exit</source>
        <translation>&amp;Conservar la partida al salir</translation>
    </message>
    <message>
        <source>Ke&amp;ys…</source>
        <translation>&amp;Teclas…</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Estadísticas…</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>Ta&amp;maño</translation>
    </message>
    <message>
        <source>S&amp;ymbols on the balls</source>
        <translation>&amp;Símbolos en las bolas</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Preferencias…</translation>
    </message>
</context>
<context>
    <name>TSizeMenu</name>
    <message>
        <source>&amp;Larger</source>
        <translation>Más &amp;grande</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>Más &amp;pequeño</translation>
    </message>
    <message>
        <source>&amp;Classic size</source>
        <translation>Tamaño &amp;clásico</translation>
    </message>
</context>
<context>
    <name>TUndoMark</name>
    <message>
        <source>A move of this game was taken back, so its score does not go to the top ten</source>
        <translation>En esta partida se deshizo una jugada, así que su puntuación no entra en los diez mejores</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>&amp;Code</source>
        <translation>&amp;Código</translation>
    </message>
    <message>
        <source>The Brindlow team</source>
        <translation>El equipo de Brindlow</translation>
    </message>
    <message>
        <source>Code: rules, windows and files</source>
        <translation>Código: reglas, ventanas, archivos</translation>
    </message>
    <message>
        <source>A&amp;rtwork</source>
        <translation>&amp;Gráficos</translation>
    </message>
    <message>
        <source>Artwork: balls, start picture, icons</source>
        <translation>Gráficos: bolas, portada, iconos</translation>
    </message>
    <message>
        <source>&amp;Sound and music</source>
        <translation>&amp;Sonido y música</translation>
    </message>
    <message>
        <source>Sound effects and music</source>
        <translation>Efectos de sonido y música</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>made by The Brindlow team</source>
        <translation>hecho por el equipo de Brindlow</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>   Your aim is to put five balls in line, horizontal, </source>
        <comment>help line 2 of 19</comment>
        <extracomment>One line of the help text, in a box about 44 letters wide; a line that opens with three blanks starts a paragraph. The translation may spread a paragraph over its lines freely.</extracomment>
        <translation>   Tu objetivo es alinear cinco bolas en </translation>
    </message>
    <message>
        <source>vertical or diagonal so they could disappear. </source>
        <comment>help line 3 of 19</comment>
        <translation>horizontal, vertical o diagonal para que desaparezcan. </translation>
    </message>
    <message>
        <source>   Every move you make, you get  three new balls, </source>
        <comment>help line 4 of 19</comment>
        <translation>   En cada jugada llegan tres bolas nuevas, </translation>
    </message>
    <message>
        <source>except when you put a line of five. </source>
        <comment>help line 5 of 19</comment>
        <translation>salvo cuando formas una línea de cinco. </translation>
    </message>
    <message>
        <source>   You can, of course, make a line of six or more </source>
        <comment>help line 6 of 19</comment>
        <translation>   Por supuesto, puedes formar líneas de seis </translation>
    </message>
    <message>
        <source>balls and if you do you get more points. </source>
        <comment>help line 7 of 19</comment>
        <translation>o más bolas, y así ganas más puntos. </translation>
    </message>
    <message>
        <source>   There are some special options you can turn on</source>
        <comment>help line 8 of 19</comment>
        <translation>   Si quieres, puedes activar opciones</translation>
    </message>
    <message>
        <source>if you wish, such are joker ball or bomb.</source>
        <comment>help line 9 of 19</comment>
        <translation>especiales: la bola comodín y la bomba.</translation>
    </message>
    <message>
        <source>   Joker ball can be used as a replacement for any</source>
        <comment>help line 10 of 19</comment>
        <translation>   El comodín vale por cualquier color, y</translation>
    </message>
    <message>
        <source>color, and a bomb is used to blast all the balls on</source>
        <comment>help line 11 of 19</comment>
        <translation>la bomba hace estallar todas las bolas de</translation>
    </message>
    <message>
        <source>the fields next to it. </source>
        <comment>help line 12 of 19</comment>
        <translation>las casillas de alrededor. </translation>
    </message>
    <message>
        <source>   Bomb is activated the moment you move it from </source>
        <comment>help line 13 of 19</comment>
        <translation>   La bomba se activa en cuanto la mueves </translation>
    </message>
    <message>
        <source>its starting field. </source>
        <comment>help line 14 of 19</comment>
        <translation>de su casilla inicial. </translation>
    </message>
    <message>
        <source>   There are also three levels of hardness, you </source>
        <comment>help line 15 of 19</comment>
        <translation>   Hay además tres niveles de dificultad: </translation>
    </message>
    <message>
        <source>can choose whether you want three, four or five </source>
        <comment>help line 16 of 19</comment>
        <translation>eliges si en cada jugada llegan tres, </translation>
    </message>
    <message>
        <source>balls to be added on your every move. </source>
        <comment>help line 17 of 19</comment>
        <translation>cuatro o cinco bolas nuevas. </translation>
    </message>
    <message>
        <source>Playing Help</source>
        <translation>Ayuda del juego</translation>
    </message>
</context>
<context>
    <name>TfrmKeys</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
</context>
<context>
    <name>TfrmLines</name>
    <message>
        <source>Arrow keys</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>Show the cursor on the board and move it</source>
        <translation>Mostrar el cursor en el tablero y moverlo</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espacio, Intro</translation>
    </message>
    <message>
        <source>Click the cell under the cursor</source>
        <translation>Pulsar la casilla bajo el cursor</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Put the picked ball down</source>
        <translation>Soltar la bola elegida</translation>
    </message>
    <message>
        <source>Take back the last move</source>
        <translation>Deshacer la última jugada</translation>
    </message>
    <message>
        <source>The %1 button</source>
        <extracomment>A row of the Keys window; %1 is a button&apos;s caption, such as &quot;New&quot; or &quot;Top 10&quot;.</extracomment>
        <translation>El botón «%1»</translation>
    </message>
    <message>
        <source>Menu key</source>
        <translation>Tecla Menú</translation>
    </message>
    <message>
        <source>This menu; also a right click beside the board</source>
        <translation>Este menú; también un clic derecho junto al tablero</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguientes</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Click here to play Brindlow!</source>
        <translation>¡Pulsa aquí para jugar a Brindlow!</translation>
    </message>
    <message>
        <source>Next what?</source>
        <extracomment>Stands where the coming balls are shown when the player has switched their preview off; a teasing question, as in &quot;Which balls come next? You chose not to know.&quot; Keep it short.</extracomment>
        <translation>¿Y luego qué?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Click to play!</source>
        <extracomment>On the start picture&apos;s green button, about 16 letters at most.</extracomment>
        <translation>¡Pulsa para jugar!</translation>
    </message>
    <message>
        <source>The Statistics window</source>
        <translation>La ventana de estadísticas</translation>
    </message>
    <message>
        <source>Your last game goes on where it stopped.</source>
        <translation>Tu última partida continúa.</translation>
    </message>
    <message>
        <source>A larger or smaller window, or the classic size</source>
        <translation>Ventana más grande o más pequeña, o tamaño clásico</translation>
    </message>
    <message>
        <source>The Preferences dialog</source>
        <translation>El diálogo de preferencias</translation>
    </message>
</context>
<context>
    <name>TfrmMi</name>
    <message>
        <source>Mi !</source>
        <extracomment>The title of a maker&apos;s card in the credits: &quot;Us!&quot;, said with a wink.</extracomment>
        <translation>¡Nosotros!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>S&amp;ymbols on the balls</source>
        <translation>&amp;Símbolos en las bolas</translation>
    </message>
    <message>
        <source>&amp;Effects volume:</source>
        <translation>&amp;Efectos:</translation>
    </message>
    <message>
        <source>&amp;Music volume:</source>
        <translation>&amp;Música:</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animaciones</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <extracomment>The pace of the balls&apos; movements: as in the classic game, quicker, or with little movement at all.</extracomment>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápido</translation>
    </message>
    <message>
        <source>&amp;Reduced motion</source>
        <translation>Movimiento re&amp;ducido</translation>
    </message>
    <message>
        <source>&amp;Keep the game on Exit</source>
        <translation>Conser&amp;var la partida al salir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Brindlow HomePage %1</source>
        <translation>Página de Brindlow: %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Game settings</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>View next</source>
        <translation>Próximas</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Bombas</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Sounds off</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Create</source>
        <extracomment>The sound effects, each switched on and off by its check box: a ball appears, jumps when picked, moves, cannot reach its cell, and a line breaks.</extracomment>
        <translation>Aparecer</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Stuck</source>
        <translation>Sin paso</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Romper</translation>
    </message>
    <message>
        <source>Music off</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>Song #%1</source>
        <translation>Canción %1</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmStatistics</name>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Puntuación media</translation>
    </message>
    <message>
        <source>Median score</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>Longest line</source>
        <translation>Línea más larga</translation>
    </message>
    <message>
        <source>Games with undo</source>
        <translation>Partidas con deshacer</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Bombas</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Motivo</translation>
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
        <translation>Tablero lleno</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>how a game ended</comment>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>how a game ended</comment>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Closed</source>
        <comment>how a game ended</comment>
        <translation>Cierre</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Last %1 games</source>
        <translation>Últimas %1 partidas</translation>
    </message>
    <message>
        <source>All scores</source>
        <translation>Todas las puntuaciones</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Reset...</source>
        <translation>Reiniciar...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Lines by length</source>
        <translation>Líneas por longitud</translation>
    </message>
    <message>
        <source>%1 balls</source>
        <translation>%1 bolas</translation>
    </message>
    <message>
        <source>No games at the %1 level yet.

Every game you finish is counted here: play one, then come back to see how you are doing.</source>
        <translation>Aún no hay partidas en el nivel %1.

Cada partida que terminas se cuenta aquí: juega una y vuelve para ver qué tal lo haces.</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks a game of the last games&apos; list that was played with jokers, with bombs or with undo.</extracomment>
        <translation>sí</translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Exportar historial</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>No se pudo escribir el historial en %1.</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Reiniciar estadísticas</translation>
    </message>
    <message>
        <source>Erase the history of all %1 games at every level? This cannot be undone.</source>
        <translation>¿Borrar el historial de las %1 partidas de todos los niveles? No se puede deshacer.</translation>
    </message>
    <message>
        <source>The history could not be erased just now.</source>
        <translation>No se pudo borrar el historial ahora mismo.</translation>
    </message>
</context>
<context>
    <name>TfrmTop10</name>
    <message>
        <source>Top Ten</source>
        <translation>Los diez mejores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source> Player %1</source>
        <extracomment>The name of a top-ten place no player has taken yet, %1 its number; keep the leading blank.</extracomment>
        <translation> Jugador %1</translation>
    </message>
</context>
<context>
    <name>TfrmUpis</name>
    <message>
        <source>Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source> Chicken!</source>
        <extracomment>Stored in the top ten for a player who enters no name: a friendly tease, keep the leading space. Letters of Western European alphabets only (ISO 8859-1), at most 29.</extracomment>
        <translation> ¡Gallina!</translation>
    </message>
</context>
</TS>
