<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardComforts</name>
    <message>
        <source>row %1, column %2, black</source>
        <translation>Reihe %1, Spalte %2, schwarz</translation>
    </message>
    <message>
        <source>row %1, column %2, white</source>
        <translation>Reihe %1, Spalte %2, weiß</translation>
    </message>
    <message>
        <source>row %1, column %2, empty</source>
        <translation>Reihe %1, Spalte %2, leer</translation>
    </message>
    <message>
        <source>, legal move</source>
        <translation>, gültiger Zug</translation>
    </message>
</context>
<context>
    <name>BoardDisplay</name>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>Pieces gained in each turn</source>
        <translation>In jedem Zug gewonnene Steine</translation>
    </message>
    <message>
        <source>%1: %2 pieces gained</source>
        <translation>%1: %2 Steine gewonnen</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Game records (*.txt);;All files (*)</source>
        <translation>Partien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>move %1, &quot;%2&quot;, is not a move</source>
        <translation>Zug %1, „%2“, ist kein Zug</translation>
    </message>
    <message>
        <source>move %1, %2, is not a legal move</source>
        <translation>Zug %1, %2, ist nicht erlaubt</translation>
    </message>
    <message>
        <source>move %1 is a pass, but the side to move has a move</source>
        <translation>Zug %1 ist ein Passen, aber die Seite am Zug kann ziehen</translation>
    </message>
    <message>
        <source>move %1, %2, comes after the end of the game</source>
        <translation>Zug %1, %2, kommt nach dem Ende der Partie</translation>
    </message>
    <message>
        <source>line %1 cannot be read: &quot;%2&quot;</source>
        <translation>Zeile %1 ist nicht lesbar: „%2“</translation>
    </message>
    <message>
        <source>it has no line of moves</source>
        <translation>sie hat keine Zeile mit Zügen</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is too large to be a game record</source>
        <translation>sie ist zu groß für eine Partie</translation>
    </message>
    <message>
        <source>game %1.txt</source>
        <translation>Partie %1.txt</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Partie speichern</translation>
    </message>
    <message>
        <source>The game could not be saved to %1: %2.</source>
        <translation>Die Partie konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Open game</source>
        <translation>Partie öffnen</translation>
    </message>
    <message>
        <source>%1 holds no game that can be shown: %2. Nothing was played from it.</source>
        <translation>%1 enthält keine Partie, die sich zeigen lässt: %2. Daraus wurde nichts gespielt.</translation>
    </message>
    <message>
        <source>Paste transcript</source>
        <translation>Zugfolge einfügen</translation>
    </message>
    <message>
        <source>The clipboard holds no game that can be shown: %1. Nothing was played from it.</source>
        <translation>Die Zwischenablage enthält keine Partie, die sich zeigen lässt: %1. Daraus wurde nichts gespielt.</translation>
    </message>
    <message>
        <source>its position is not 64 cells of X, O or - and the side to move</source>
        <translation>ihre Stellung besteht nicht aus 64 Feldern aus X, O oder - und der Seite am Zug</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Your turn ...</source>
        <translation>Sie sind am Zug ...</translation>
    </message>
    <message>
        <source>Black&apos;s turn</source>
        <translation>Schwarz am Zug</translation>
    </message>
    <message>
        <source>White&apos;s turn</source>
        <translation>Weiß am Zug</translation>
    </message>
    <message>
        <source>It&apos;s your turn !</source>
        <translation>Sie sind am Zug !</translation>
    </message>
    <message>
        <source>Cell already taken !</source>
        <translation>Feld ist schon besetzt !</translation>
    </message>
    <message>
        <source>Illegal move !</source>
        <translation>Ungültiger Zug !</translation>
    </message>
    <message>
        <source>My turn now ...</source>
        <translation>Jetzt bin ich am Zug ...</translation>
    </message>
    <message>
        <source>I Pass</source>
        <translation>Ich passe</translation>
    </message>
    <message>
        <source>You have to pass ...</source>
        <translation>Sie müssen passen ...</translation>
    </message>
    <message>
        <source>Black passes</source>
        <translation>Schwarz setzt aus</translation>
    </message>
    <message>
        <source>White passes</source>
        <translation>Weiß setzt aus</translation>
    </message>
    <message>
        <source>Game stopped</source>
        <translation>Spiel angehalten</translation>
    </message>
    <message>
        <source>Your turn, Black</source>
        <translation>Sie sind am Zug, Schwarz</translation>
    </message>
    <message>
        <source>Your turn, White</source>
        <translation>Sie sind am Zug, Weiß</translation>
    </message>
    <message>
        <source>Computer&apos;s turn, Black</source>
        <translation>Computer am Zug, Schwarz</translation>
    </message>
    <message>
        <source>Computer&apos;s turn, White</source>
        <translation>Computer am Zug, Weiß</translation>
    </message>
    <message>
        <source>All turns played.</source>
        <translation>Alle Züge gespielt.</translation>
    </message>
    <message>
        <source>I&apos;m closed in - game is over !</source>
        <translation>Ich bin eingeschlossen - das Spiel ist aus !</translation>
    </message>
    <message>
        <source>You&apos;re closed in - game is over !</source>
        <translation>Sie sind eingeschlossen - das Spiel ist aus !</translation>
    </message>
    <message>
        <source>Black is closed in - game is over !</source>
        <translation>Schwarz ist eingeschlossen - Spiel ist aus !</translation>
    </message>
    <message>
        <source>White is closed in - game is over !</source>
        <translation>Weiß ist eingeschlossen - Spiel ist aus !</translation>
    </message>
    <message>
        <source>We both has equal scores.</source>
        <translation>Wir haben beide gleich viele Punkte.</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>You gained %1 pieces, I gained %2.</source>
        <translation>Sie haben %1 Steine, ich habe %2.</translation>
    </message>
    <message>
        <source>Well done - you won !</source>
        <translation>Gut gemacht - Sie haben gewonnen !</translation>
    </message>
    <message>
        <source>You lost this game !</source>
        <translation>Sie haben dieses Spiel verloren !</translation>
    </message>
    <message>
        <source>With a hint or an undo, this game does not enter the score sheet.</source>
        <translation>Mit Tipp oder Rücknahme kommt dieses Spiel nicht in die Bestenliste.</translation>
    </message>
    <message>
        <source>Black gained %1 pieces, White gained %2.</source>
        <translation>Schwarz hat %1 Steine, Weiß hat %2.</translation>
    </message>
    <message>
        <source>Black wins !</source>
        <translation>Schwarz gewinnt !</translation>
    </message>
    <message>
        <source>White wins !</source>
        <translation>Weiß gewinnt !</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 – Hilfe</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 could not be read: %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 konnte nicht gelesen werden: %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;It was looked for here:&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;Gesucht wurde hier:&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help document %1 could not be opened.&lt;/p&gt;%2&lt;p&gt;The game goes on as before.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Die Hilfe ist nicht verfügbar&lt;/h2&gt;&lt;p&gt;Das Hilfedokument %1 konnte nicht geöffnet werden.&lt;/p&gt;%2&lt;p&gt;Das Spiel geht weiter wie bisher.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Score graph</source>
        <translation>Verlauf der Bewertung</translation>
    </message>
    <message>
        <source>Black&apos;s final discs with best play after each move</source>
        <translation>Die Steine, die Schwarz bei bestem Spiel nach jedem Zug am Ende mehr hat</translation>
    </message>
    <message>
        <source>S&amp;top analysis</source>
        <translation>Analyse an&amp;halten</translation>
    </message>
    <message>
        <source>&amp;Play from here</source>
        <translation>Von hier &amp;weiterspielen</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Partie durchsehen</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Analysing %v of %m positions</source>
        <translation>Analysiere Stellung %v von %m</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>&amp;Copy transcript</source>
        <translation>Zugfolge &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save game...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Analysis stopped after %v of %m positions</source>
        <translation>Analyse nach %v von %m Stellungen angehalten</translation>
    </message>
    <message>
        <source>Analysis complete</source>
        <translation>Analyse abgeschlossen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 passt</translation>
    </message>
    <message>
        <source>not yet scored</source>
        <translation>noch nicht bewertet</translation>
    </message>
    <message>
        <source>best move</source>
        <translation>bester Zug</translation>
    </message>
    <message>
        <source>move %1, %2 %3, %4</source>
        <translation>Zug %1, %2 %3, %4</translation>
    </message>
    <message>
        <source>best</source>
        <translation>bester</translation>
    </message>
    <message>
        <source>%1. %2 %3</source>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>Not yet scored</source>
        <translation>Noch nicht bewertet</translation>
    </message>
    <message>
        <source>The best move: %1</source>
        <translation>Der beste Zug: %1</translation>
    </message>
    <message>
        <source>%1: %2 was best</source>
        <translation>%1: %2 war am besten</translation>
    </message>
    <message>
        <source>(an estimate)</source>
        <translation>(geschätzt)</translation>
    </message>
    <message>
        <source>%1. %2 (%3)</source>
        <translation>%1. %2 (%3)</translation>
    </message>
    <message>
        <source>Costliest moves of %1: %2</source>
        <translation>Teuerste Züge von %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>lost 1 disc</source>
        <translation>1 Stein verloren</translation>
    </message>
    <message>
        <source>lost %1 discs</source>
        <translation>%1 Steine verloren</translation>
    </message>
    <message>
        <source>lost about 1 disc</source>
        <translation>etwa 1 Stein verloren</translation>
    </message>
    <message>
        <source>lost about %1 discs</source>
        <translation>etwa %1 Steine verloren</translation>
    </message>
    <message>
        <source>With best play the game is drawn</source>
        <translation>Bei bestem Spiel endet die Partie unentschieden</translation>
    </message>
    <message>
        <source>With best play %1 wins by %2</source>
        <translation>Bei bestem Spiel gewinnt %1 mit %2 Steinen Vorsprung</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
</context>
<context>
    <name>ScoreRecords</name>
    <message>
        <source>%1 in %2 at line %3: %4 does not fit, so the table was left as it is</source>
        <translation>%1 in %2 in Zeile %3: %4 passt nicht, daher wurde die Tabelle unverändert gelassen</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>Path/File access error: %1: %2</source>
        <translation>Fehler beim Pfad-/Dateizugriff: %1: %2</translation>
    </message>
    <message>
        <source>the file is too large to be a settings file and was left as it is</source>
        <translation>die Datei ist zu groß für eine Einstellungsdatei und wurde unverändert gelassen</translation>
    </message>
    <message>
        <source>the settings would grow too large, so nothing was changed</source>
        <translation>die Einstellungen würden zu groß, daher wurde nichts geändert</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>in den Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>another game keeps the file locked</source>
        <translation>ein anderes Spiel hält die Datei gesperrt</translation>
    </message>
    <message>
        <source>the file is damaged at line %1, which was left as it is</source>
        <translation>die Datei ist in Zeile %1 beschädigt; die Zeile wurde unverändert gelassen</translation>
    </message>
    <message>
        <source>it is not a regular file, so it was left as it is</source>
        <translation>das ist keine gewöhnliche Datei, daher wurde sie unverändert gelassen</translation>
    </message>
    <message>
        <source>no space left on the device, so nothing was changed</source>
        <translation>auf dem Datenträger ist kein Platz mehr, daher wurde nichts geändert</translation>
    </message>
    <message>
        <source>, so nothing was changed</source>
        <translation>, daher wurde nichts geändert</translation>
    </message>
    <message>
        <source>the lock file cannot be written</source>
        <translation>die Sperrdatei kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>StatisticsSheet</name>
    <message>
        <source>the statistics line &quot;%1&quot; cannot be read and was left as it is</source>
        <translation>die Statistikzeile „%1“ ist nicht lesbar und blieb, wie sie ist</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bestes</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>%1 as Black</source>
        <translation>%1 als Schwarz</translation>
    </message>
    <message>
        <source>%1 as White</source>
        <translation>%1 als Weiß</translation>
    </message>
    <message>
        <source>With a hint or an undo</source>
        <translation>Mit Tipp oder Zurücknehmen</translation>
    </message>
    <message>
        <source>Games against the computer</source>
        <translation>Partien gegen den Computer</translation>
    </message>
    <message>
        <source>Two players on this board: %1 played, %2 won by Black, %3 won by White, %4 drawn.</source>
        <translation>Zwei Spieler an diesem Brett: %1 gespielt, %2 von Schwarz gewonnen, %3 von Weiß gewonnen, %4 unentschieden.</translation>
    </message>
    <message>
        <source>Winning streak: %1 now, %2 the longest.</source>
        <translation>Siegesserie: jetzt %1, die längste %2.</translation>
    </message>
    <message>
        <source>These lines of the settings file could not be read and are left as they are: %1.</source>
        <translation>Diese Zeilen der Einstellungsdatei sind nicht lesbar und blieben, wie sie sind: %1.</translation>
    </message>
    <message>
        <source>Clear all statistics?</source>
        <translation>Die ganze Statistik löschen?</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>WebLaunch</name>
    <message>
        <source>Could not find associated Browser
0: </source>
        <translation>Kein zugeordneter Browser gefunden
0: </translation>
    </message>
    <message>
        <source>Web site not located
The browser %1 could not be started.</source>
        <translation>Website nicht gefunden
Der Browser %1 konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>For %1-bit Linux desktops</source>
        <translation>Für %1-Bit-Linux-Desktops</translation>
    </message>
    <message>
        <source>Program motif</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>Program title</source>
        <translation>Programmtitel</translation>
    </message>
    <message>
        <source>Suitable operating system</source>
        <translation>Geeignetes Betriebssystem</translation>
    </message>
    <message>
        <source>Web hyperlink to navigate you to Tarvo web site</source>
        <translation>Link zur Website von Tarvo</translation>
    </message>
    <message>
        <source>Click here to visit Tarvo on the web</source>
        <translation>Hier klicken, um Tarvo im Web zu besuchen</translation>
    </message>
    <message>
        <source>Legal license agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without the permission of its maker is punishable under civil and criminal law, and offenders will be prosecuted to the full extent the law allows.</source>
        <translation>Warnung: Dieses Programm ist durch das Urheberrecht und internationale Verträge geschützt. Wer es oder Teile davon ohne Erlaubnis des Herstellers kopiert oder verbreitet, macht sich zivil- und strafrechtlich haftbar und wird im vollen gesetzlichen Umfang verfolgt.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Close about dialogue window</source>
        <translation>Info-Fenster schließen</translation>
    </message>
    <message>
        <source>&amp;System Info</source>
        <translation>&amp;Systeminfo</translation>
    </message>
    <message>
        <source>Your computer system information</source>
        <translation>Informationen über Ihr Computersystem</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>See the other free games and other superb
software offers on the Tarvo web site at:</source>
        <translation>Weitere kostenlose Spiele und hervorragende
Software finden Sie auf der Website von Tarvo:</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmOthello</name>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>S&amp;trong</source>
        <translation>S&amp;tark</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Experte</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;core sheet</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;topics</source>
        <translation>Hilfe&amp;themen</translation>
    </message>
    <message>
        <source>Tarvo on the &amp;Web</source>
        <translation>Tarvo im &amp;Web</translation>
    </message>
    <message>
        <source>&amp;About Tarvo Othello</source>
        <translation>Ü&amp;ber Tarvo Othello</translation>
    </message>
    <message>
        <source>&amp;Undo move</source>
        <translation>Zug &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Show le&amp;gal moves</source>
        <translation>&amp;Gültige Züge zeigen</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>Spielstär&amp;ke</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Neues Spiel starten</translation>
    </message>
    <message>
        <source>Stop current game</source>
        <translation>Laufendes Spiel anhalten</translation>
    </message>
    <message>
        <source>Game score sheet</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>About Tarvo Othello</source>
        <translation>Über Tarvo Othello</translation>
    </message>
    <message>
        <source>Tarvo web site</source>
        <translation>Website von Tarvo</translation>
    </message>
    <message>
        <source>Outside playing board area!</source>
        <translation>Außerhalb des Spielbretts!</translation>
    </message>
    <message>
        <source>Stop game</source>
        <translation>Spiel anhalten</translation>
    </message>
    <message>
        <source>Are you sure you want to stop this game?</source>
        <translation>Wollen Sie dieses Spiel wirklich anhalten?</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>%1 plays row %2, column %3</source>
        <translation>%1 spielt Reihe %2, Spalte %3</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 passt</translation>
    </message>
    <message>
        <source>&amp;Redo move</source>
        <translation>Zug &amp;wiederholen</translation>
    </message>
    <message>
        <source>Re&amp;view game</source>
        <translation>Partie &amp;durchsehen</translation>
    </message>
    <message>
        <source>&amp;Open game...</source>
        <translation>Partie ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Save g&amp;ame...</source>
        <translation>Partie s&amp;peichern...</translation>
    </message>
    <message>
        <source>Cop&amp;y transcript</source>
        <translation>Zugfolge k&amp;opieren</translation>
    </message>
    <message>
        <source>&amp;Paste transcript</source>
        <translation>Zugfolge ei&amp;nfügen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Board &amp;style</source>
        <translation>Brett&amp;stil</translation>
    </message>
    <message>
        <source>&amp;Felt</source>
        <translation>&amp;Filz</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>&amp;Hoher Kontrast</translation>
    </message>
    <message>
        <source>&amp;Animate moves</source>
        <translation>Züge &amp;animieren</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>Stat&amp;istik</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Klang</translation>
    </message>
</context>
<context>
    <name>frmStart</name>
    <message>
        <source>Select your choice of playing colour</source>
        <translation>Wählen Sie Ihre Spielfarbe</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Schwarz</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>Black will be first to begin the game</source>
        <translation>Schwarz beginnt das Spiel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>You against the computer</source>
        <translation>Sie gegen den Computer</translation>
    </message>
    <message>
        <source>Two players on this board</source>
        <translation>Zwei Spieler an diesem Brett</translation>
    </message>
    <message>
        <source>Computer against computer</source>
        <translation>Computer gegen Computer</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
</context>
<context>
    <name>scoresheet</name>
    <message>
        <source>Othello game score sheet</source>
        <translation>Othello-Bestenliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close scoresheet</source>
        <translation>Bestenliste schließen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Clear game score sheet</source>
        <translation>Bestenliste leeren</translation>
    </message>
    <message>
        <source>Clear all game sheet scores</source>
        <translation>Alle Ergebnisse löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all these game sheet&apos;s scores?</source>
        <translation>Wollen Sie wirklich alle Ergebnisse dieser Bestenliste löschen?</translation>
    </message>
</context>
</TS>
