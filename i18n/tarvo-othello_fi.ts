<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>BoardComforts</name>
    <message>
        <source>row %1, column %2, black</source>
        <translation>rivi %1, sarake %2, musta</translation>
    </message>
    <message>
        <source>row %1, column %2, white</source>
        <translation>rivi %1, sarake %2, valkoinen</translation>
    </message>
    <message>
        <source>row %1, column %2, empty</source>
        <translation>rivi %1, sarake %2, tyhjä</translation>
    </message>
    <message>
        <source>, legal move</source>
        <translation>, sallittu siirto</translation>
    </message>
</context>
<context>
    <name>BoardDisplay</name>
    <message>
        <source>column %1</source>
        <translation>sarake %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rivi %1</translation>
    </message>
    <message>
        <source>Pieces gained in each turn</source>
        <translation>Kullakin vuorolla saadut nappulat</translation>
    </message>
    <message>
        <source>%1: %2 pieces gained</source>
        <translation>%1: %2 nappulaa saatu</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Game records (*.txt);;All files (*)</source>
        <translation>Pelitallenteet (*.txt);;Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>move %1, &quot;%2&quot;, is not a move</source>
        <translation>siirto %1, ”%2”, ei ole siirto</translation>
    </message>
    <message>
        <source>move %1, %2, is not a legal move</source>
        <translation>siirto %1, %2, ei ole sallittu</translation>
    </message>
    <message>
        <source>move %1 is a pass, but the side to move has a move</source>
        <translation>siirto %1 on passaus, vaikka vuorossa olevalla on siirto</translation>
    </message>
    <message>
        <source>move %1, %2, comes after the end of the game</source>
        <translation>siirto %1, %2, tulee pelin päättymisen jälkeen</translation>
    </message>
    <message>
        <source>line %1 cannot be read: &quot;%2&quot;</source>
        <translation>riviä %1 ei voi lukea: ”%2”</translation>
    </message>
    <message>
        <source>it has no line of moves</source>
        <translation>siinä ei ole siirtoriviä</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>tiedostoa ei ole</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>se ei ole tavallinen tiedosto</translation>
    </message>
    <message>
        <source>it is too large to be a game record</source>
        <translation>se on liian suuri pelitallenteeksi</translation>
    </message>
    <message>
        <source>game %1.txt</source>
        <translation>peli %1.txt</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Tallenna peli</translation>
    </message>
    <message>
        <source>The game could not be saved to %1: %2.</source>
        <translation>Peliä ei voitu tallentaa tiedostoon %1: %2.</translation>
    </message>
    <message>
        <source>Open game</source>
        <translation>Hae peli</translation>
    </message>
    <message>
        <source>%1 holds no game that can be shown: %2. Nothing was played from it.</source>
        <translation>%1 ei sisällä näytettävää peliä: %2. Siitä ei pelattu mitään.</translation>
    </message>
    <message>
        <source>Paste transcript</source>
        <translation>Liitä siirrot</translation>
    </message>
    <message>
        <source>The clipboard holds no game that can be shown: %1. Nothing was played from it.</source>
        <translation>Leikepöydällä ei ole näytettävää peliä: %1. Siitä ei pelattu mitään.</translation>
    </message>
    <message>
        <source>its position is not 64 cells of X, O or - and the side to move</source>
        <translation>sen asema ei ole 64 ruutua merkeistä X, O tai - ja vuorossa oleva puoli</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <source>Black</source>
        <translation>Musta</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Valkoinen</translation>
    </message>
    <message>
        <source>Your turn ...</source>
        <translation>Sinun vuorosi ...</translation>
    </message>
    <message>
        <source>Black&apos;s turn</source>
        <translation>Mustan vuoro</translation>
    </message>
    <message>
        <source>White&apos;s turn</source>
        <translation>Valkoisen vuoro</translation>
    </message>
    <message>
        <source>It&apos;s your turn !</source>
        <translation>On sinun vuorosi !</translation>
    </message>
    <message>
        <source>Cell already taken !</source>
        <translation>Ruutu on jo varattu !</translation>
    </message>
    <message>
        <source>Illegal move !</source>
        <translation>Sääntöjen vastainen siirto !</translation>
    </message>
    <message>
        <source>My turn now ...</source>
        <translation>Nyt on minun vuoroni ...</translation>
    </message>
    <message>
        <source>I Pass</source>
        <translation>Passaan</translation>
    </message>
    <message>
        <source>You have to pass ...</source>
        <translation>Sinun täytyy passata ...</translation>
    </message>
    <message>
        <source>Black passes</source>
        <translation>Musta passaa</translation>
    </message>
    <message>
        <source>White passes</source>
        <translation>Valkoinen passaa</translation>
    </message>
    <message>
        <source>Game stopped</source>
        <translation>Peli pysäytetty</translation>
    </message>
    <message>
        <source>Your turn, Black</source>
        <translation>Sinun vuorosi, musta</translation>
    </message>
    <message>
        <source>Your turn, White</source>
        <translation>Sinun vuorosi, valkoinen</translation>
    </message>
    <message>
        <source>Computer&apos;s turn, Black</source>
        <translation>Tietokoneen vuoro, musta</translation>
    </message>
    <message>
        <source>Computer&apos;s turn, White</source>
        <translation>Tietokoneen vuoro, valkoinen</translation>
    </message>
    <message>
        <source>All turns played.</source>
        <translation>Kaikki siirrot pelattu.</translation>
    </message>
    <message>
        <source>I&apos;m closed in - game is over !</source>
        <translation>Olen saarrettu - peli on ohi !</translation>
    </message>
    <message>
        <source>You&apos;re closed in - game is over !</source>
        <translation>Olet saarrettu - peli on ohi !</translation>
    </message>
    <message>
        <source>Black is closed in - game is over !</source>
        <translation>Musta on saarrettu - peli on ohi !</translation>
    </message>
    <message>
        <source>White is closed in - game is over !</source>
        <translation>Valkoinen on saarrettu - peli on ohi !</translation>
    </message>
    <message>
        <source>We both has equal scores.</source>
        <translation>Meillä on yhtä monta pistettä.</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tasapeli</translation>
    </message>
    <message>
        <source>You gained %1 pieces, I gained %2.</source>
        <translation>Sinä sait %1 nappulaa, minä %2.</translation>
    </message>
    <message>
        <source>Well done - you won !</source>
        <translation>Hienoa - voitit !</translation>
    </message>
    <message>
        <source>You lost this game !</source>
        <translation>Hävisit tämän pelin !</translation>
    </message>
    <message>
        <source>With a hint or an undo, this game does not enter the score sheet.</source>
        <translation>Vihjeen tai perumisen takia tämä peli ei pääse tulostaulukkoon.</translation>
    </message>
    <message>
        <source>Black gained %1 pieces, White gained %2.</source>
        <translation>Mustalla on %1 nappulaa, valkoisella %2.</translation>
    </message>
    <message>
        <source>Black wins !</source>
        <translation>Musta voitti !</translation>
    </message>
    <message>
        <source>White wins !</source>
        <translation>Valkoinen voitti !</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 – ohje</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 could not be read: %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Tiedostoa %1 ei voitu lukea: %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;It was looked for here:&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;Sitä etsittiin täältä:&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help document %1 could not be opened.&lt;/p&gt;%2&lt;p&gt;The game goes on as before.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ohje ei ole saatavilla&lt;/h2&gt;&lt;p&gt;Ohjetiedostoa %1 ei voitu avata.&lt;/p&gt;%2&lt;p&gt;Peli jatkuu ennallaan.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Board</source>
        <translation>Pelilauta</translation>
    </message>
    <message>
        <source>Score graph</source>
        <translation>Arviokäyrä</translation>
    </message>
    <message>
        <source>Black&apos;s final discs with best play after each move</source>
        <translation>Mustan lopputulos parhaalla pelillä kunkin siirron jälkeen</translation>
    </message>
    <message>
        <source>S&amp;top analysis</source>
        <translation>&amp;Keskeytä analyysi</translation>
    </message>
    <message>
        <source>&amp;Play from here</source>
        <translation>&amp;Pelaa tästä</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Pelin analyysi</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Siirrot</translation>
    </message>
    <message>
        <source>Analysing %v of %m positions</source>
        <translation>Analysoidaan asemaa %v/%m</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyysi</translation>
    </message>
    <message>
        <source>&amp;Copy transcript</source>
        <translation>K&amp;opioi siirrot</translation>
    </message>
    <message>
        <source>&amp;Save game...</source>
        <translation>&amp;Tallenna peli...</translation>
    </message>
    <message>
        <source>Analysis stopped after %v of %m positions</source>
        <translation>Analyysi keskeytetty %v/%m aseman jälkeen</translation>
    </message>
    <message>
        <source>Analysis complete</source>
        <translation>Analyysi valmis</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Alku</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 passaa</translation>
    </message>
    <message>
        <source>not yet scored</source>
        <translation>ei vielä arvioitu</translation>
    </message>
    <message>
        <source>best move</source>
        <translation>paras siirto</translation>
    </message>
    <message>
        <source>move %1, %2 %3, %4</source>
        <translation>siirto %1, %2 %3, %4</translation>
    </message>
    <message>
        <source>best</source>
        <translation>paras</translation>
    </message>
    <message>
        <source>%1. %2 %3</source>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>Not yet scored</source>
        <translation>Ei vielä arvioitu</translation>
    </message>
    <message>
        <source>The best move: %1</source>
        <translation>Paras siirto: %1</translation>
    </message>
    <message>
        <source>%1: %2 was best</source>
        <translation>%1: %2 oli paras</translation>
    </message>
    <message>
        <source>(an estimate)</source>
        <translation>(arvio)</translation>
    </message>
    <message>
        <source>%1. %2 (%3)</source>
        <translation>%1. %2 (%3)</translation>
    </message>
    <message>
        <source>Costliest moves of %1: %2</source>
        <translation>Kalleimmat siirrot, %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ei yhtään</translation>
    </message>
    <message>
        <source>lost 1 disc</source>
        <translation>menetti 1 kiven</translation>
    </message>
    <message>
        <source>lost %1 discs</source>
        <translation>menetti %1 kiveä</translation>
    </message>
    <message>
        <source>lost about 1 disc</source>
        <translation>menetti noin 1 kiven</translation>
    </message>
    <message>
        <source>lost about %1 discs</source>
        <translation>menetti noin %1 kiveä</translation>
    </message>
    <message>
        <source>With best play the game is drawn</source>
        <translation>Parhaalla pelillä peli päättyy tasan</translation>
    </message>
    <message>
        <source>With best play %1 wins by %2</source>
        <translation>Parhaalla pelillä %1 voittaa %2 kiven erolla</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Ylivuoto</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeksi sallitun alueen ulkopuolella</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Sovelluksen tai olion määrittämä virhe</translation>
    </message>
</context>
<context>
    <name>ScoreRecords</name>
    <message>
        <source>%1 in %2 at line %3: %4 does not fit, so the table was left as it is</source>
        <translation>%1 tiedostossa %2 rivillä %3: %4 ei mahdu, joten taulukko jätettiin ennalleen</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>tiedosto ei ole UTF-8-tekstiä</translation>
    </message>
    <message>
        <source>Path/File access error: %1: %2</source>
        <translation>Polun tai tiedoston käsittelyvirhe: %1: %2</translation>
    </message>
    <message>
        <source>the file is too large to be a settings file and was left as it is</source>
        <translation>tiedosto on liian suuri asetustiedostoksi, ja se jätettiin ennalleen</translation>
    </message>
    <message>
        <source>the settings would grow too large, so nothing was changed</source>
        <translation>asetuksista tulisi liian suuret, joten mitään ei muutettu</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>kansiota ei voi luoda</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>kansioon ei voi kirjoittaa</translation>
    </message>
    <message>
        <source>another game keeps the file locked</source>
        <translation>toinen peli pitää tiedoston lukittuna</translation>
    </message>
    <message>
        <source>the file is damaged at line %1, which was left as it is</source>
        <translation>tiedosto on vioittunut rivillä %1, ja rivi jätettiin ennalleen</translation>
    </message>
    <message>
        <source>it is not a regular file, so it was left as it is</source>
        <translation>se ei ole tavallinen tiedosto, joten se jätettiin ennalleen</translation>
    </message>
    <message>
        <source>no space left on the device, so nothing was changed</source>
        <translation>laitteella ei ole tilaa, joten mitään ei muutettu</translation>
    </message>
    <message>
        <source>, so nothing was changed</source>
        <translation>, joten mitään ei muutettu</translation>
    </message>
    <message>
        <source>the lock file cannot be written</source>
        <translation>lukkotiedostoon ei voi kirjoittaa</translation>
    </message>
</context>
<context>
    <name>StatisticsSheet</name>
    <message>
        <source>the statistics line &quot;%1&quot; cannot be read and was left as it is</source>
        <translation>tilastorivi ”%1” ei ole luettavissa, ja se jätettiin ennalleen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Tyhjennä</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Tilastot</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Pelattu</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Voitettu</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Tasan</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Hävitty</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Paras</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassinen</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Vahva</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Mestari</translation>
    </message>
    <message>
        <source>%1 as Black</source>
        <translation>%1, mustana</translation>
    </message>
    <message>
        <source>%1 as White</source>
        <translation>%1, valkoisena</translation>
    </message>
    <message>
        <source>With a hint or an undo</source>
        <translation>Vihjeen tai perumisen kanssa</translation>
    </message>
    <message>
        <source>Games against the computer</source>
        <translation>Pelit tietokonetta vastaan</translation>
    </message>
    <message>
        <source>Two players on this board: %1 played, %2 won by Black, %3 won by White, %4 drawn.</source>
        <translation>Kaksi pelaajaa tällä laudalla: %1 pelattu, musta voitti %2, valkoinen voitti %3, %4 tasan.</translation>
    </message>
    <message>
        <source>Winning streak: %1 now, %2 the longest.</source>
        <translation>Voittoputki: nyt %1, pisin %2.</translation>
    </message>
    <message>
        <source>These lines of the settings file could not be read and are left as they are: %1.</source>
        <translation>Näitä asetustiedoston rivejä ei voitu lukea, ja ne jätettiin ennalleen: %1.</translation>
    </message>
    <message>
        <source>Clear all statistics?</source>
        <translation>Tyhjennetäänkö kaikki tilastot?</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Järjestelmätietoja ei ole nyt saatavilla</translation>
    </message>
</context>
<context>
    <name>WebLaunch</name>
    <message>
        <source>Could not find associated Browser
0: </source>
        <translation>Liitettyä selainta ei löytynyt
0: </translation>
    </message>
    <message>
        <source>Web site not located
The browser %1 could not be started.</source>
        <translation>Verkkosivua ei löytynyt
Selainta %1 ei voitu käynnistää.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>For %1-bit Linux desktops</source>
        <translation>%1-bittisille Linux-työpöydille</translation>
    </message>
    <message>
        <source>Program motif</source>
        <translation>Ohjelman tunnus</translation>
    </message>
    <message>
        <source>Program title</source>
        <translation>Ohjelman nimi</translation>
    </message>
    <message>
        <source>Suitable operating system</source>
        <translation>Sopiva käyttöjärjestelmä</translation>
    </message>
    <message>
        <source>Web hyperlink to navigate you to Tarvo web site</source>
        <translation>Linkki Tarvon verkkosivustolle</translation>
    </message>
    <message>
        <source>Click here to visit Tarvo on the web</source>
        <translation>Napsauta tästä Tarvon verkkosivuille</translation>
    </message>
    <message>
        <source>Legal license agreement</source>
        <translation>Käyttöoikeussopimus</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without the permission of its maker is punishable under civil and criminal law, and offenders will be prosecuted to the full extent the law allows.</source>
        <translation>Varoitus: tämä ohjelma on suojattu tekijänoikeuslailla ja kansainvälisillä sopimuksilla. Sen tai sen osan kopioiminen tai levittäminen ilman tekijän lupaa on rangaistavaa sekä siviili- että rikosoikeudellisesti, ja rikkojia syytetään lain sallimassa laajuudessa.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Close about dialogue window</source>
        <translation>Sulje tietoja-ikkuna</translation>
    </message>
    <message>
        <source>&amp;System Info</source>
        <translation>&amp;Järjestelmätiedot</translation>
    </message>
    <message>
        <source>Your computer system information</source>
        <translation>Tietokoneesi järjestelmätiedot</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Tietoja: %1</translation>
    </message>
    <message>
        <source>See the other free games and other superb
software offers on the Tarvo web site at:</source>
        <translation>Muita ilmaisia pelejä ja erinomaisia
ohjelmia löydät Tarvon verkkosivuilta:</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versio %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmOthello</name>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassinen</translation>
    </message>
    <message>
        <source>S&amp;trong</source>
        <translation>&amp;Vahva</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Mestari</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Pelilauta</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Peli</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Aloita</translation>
    </message>
    <message>
        <source>S&amp;core sheet</source>
        <translation>T&amp;ulostaulukko</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Po&amp;istu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>Help &amp;topics</source>
        <translation>Ohjeen &amp;aiheet</translation>
    </message>
    <message>
        <source>Tarvo on the &amp;Web</source>
        <translation>Tarvo &amp;verkossa</translation>
    </message>
    <message>
        <source>&amp;About Tarvo Othello</source>
        <translation>&amp;Tietoja Tarvo Othellosta</translation>
    </message>
    <message>
        <source>&amp;Undo move</source>
        <translation>&amp;Peru siirto</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Vihje</translation>
    </message>
    <message>
        <source>Show le&amp;gal moves</source>
        <translation>Näytä &amp;sallitut siirrot</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Taso</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Aloita uusi peli</translation>
    </message>
    <message>
        <source>Stop current game</source>
        <translation>Lopeta meneillään oleva peli</translation>
    </message>
    <message>
        <source>Game score sheet</source>
        <translation>Tulostaulukko</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Ohjeen aiheet</translation>
    </message>
    <message>
        <source>About Tarvo Othello</source>
        <translation>Tietoja Tarvo Othellosta</translation>
    </message>
    <message>
        <source>Tarvo web site</source>
        <translation>Tarvon verkkosivusto</translation>
    </message>
    <message>
        <source>Outside playing board area!</source>
        <translation>Pelilaudan ulkopuolella!</translation>
    </message>
    <message>
        <source>Stop game</source>
        <translation>Lopeta peli</translation>
    </message>
    <message>
        <source>Are you sure you want to stop this game?</source>
        <translation>Haluatko varmasti lopettaa tämän pelin?</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>%1 plays row %2, column %3</source>
        <translation>%1 pelaa rivin %2, sarakkeen %3</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 passaa</translation>
    </message>
    <message>
        <source>&amp;Redo move</source>
        <translation>T&amp;ee siirto uudelleen</translation>
    </message>
    <message>
        <source>Re&amp;view game</source>
        <translation>Anal&amp;ysoi peli</translation>
    </message>
    <message>
        <source>&amp;Open game...</source>
        <translation>&amp;Hae peli...</translation>
    </message>
    <message>
        <source>Save g&amp;ame...</source>
        <translation>Talle&amp;nna peli...</translation>
    </message>
    <message>
        <source>Cop&amp;y transcript</source>
        <translation>&amp;Kopioi siirrot</translation>
    </message>
    <message>
        <source>&amp;Paste transcript</source>
        <translation>Liitä siir&amp;rot</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Näytä</translation>
    </message>
    <message>
        <source>Board &amp;style</source>
        <translation>Laudan &amp;tyyli</translation>
    </message>
    <message>
        <source>&amp;Felt</source>
        <translation>&amp;Huopa</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>&amp;Suuri kontrasti</translation>
    </message>
    <message>
        <source>&amp;Animate moves</source>
        <translation>&amp;Animoi siirrot</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>Tilast&amp;ot</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>Ää&amp;net</translation>
    </message>
</context>
<context>
    <name>frmStart</name>
    <message>
        <source>Select your choice of playing colour</source>
        <translation>Valitse pelivärisi</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Musta</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Valkoinen</translation>
    </message>
    <message>
        <source>Black will be first to begin the game</source>
        <translation>Musta aloittaa pelin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>You against the computer</source>
        <translation>Sinä tietokonetta vastaan</translation>
    </message>
    <message>
        <source>Two players on this board</source>
        <translation>Kaksi pelaajaa samalla laudalla</translation>
    </message>
    <message>
        <source>Computer against computer</source>
        <translation>Tietokone tietokonetta vastaan</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Pelaajat</translation>
    </message>
</context>
<context>
    <name>scoresheet</name>
    <message>
        <source>Othello game score sheet</source>
        <translation>Othellon tulostaulukko</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close scoresheet</source>
        <translation>Sulje tulostaulukko</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tyhjennä</translation>
    </message>
    <message>
        <source>Clear game score sheet</source>
        <translation>Tyhjennä tulostaulukko</translation>
    </message>
    <message>
        <source>Clear all game sheet scores</source>
        <translation>Tyhjennä kaikki tulokset</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all these game sheet&apos;s scores?</source>
        <translation>Haluatko varmasti tyhjentää kaikki tämän tulostaulukon tulokset?</translation>
    </message>
</context>
</TS>
