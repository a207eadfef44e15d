<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Face-down card</source>
        <translation>Verdeckte Karte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: rank, then suit, e.g. &quot;Queen of Hearts&quot;</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>Kings stack of %1</source>
        <translation>Königsstapel %1</translation>
    </message>
    <message>
        <source>Aces stack of %1</source>
        <translation>Assstapel %1</translation>
    </message>
    <message>
        <source>%1%2, complete</source>
        <translation>%1%2, vollständig</translation>
    </message>
    <message>
        <source>%1%2, next %3</source>
        <translation>%1%2, als Nächstes %3</translation>
    </message>
    <message>
        <source>table spot %1</source>
        <translation>Tischplatz %1</translation>
    </message>
</context>
<context>
    <name>SettingsWriteError</name>
    <message>
        <source>Another copy of Brackwater keeps the file locked.</source>
        <translation>Eine andere Brackwater-Kopie hält die Datei gesperrt.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The file could not be read, so it is left as it is.</source>
        <translation>Die Datei konnte nicht gelesen werden und bleibt daher, wie sie ist.</translation>
    </message>
    <message>
        <source>The file would grow beyond 16 MiB.</source>
        <translation>Die Datei würde größer als 16 MiB.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kann nicht in %1 schreiben</translation>
    </message>
</context>
<context>
    <name>TCardBackPage</name>
    <message>
        <source>blue checks</source>
        <translation>blaue Karos</translation>
    </message>
    <message>
        <source>red checks</source>
        <translation>rote Karos</translation>
    </message>
    <message>
        <source>blue diagonal stripes</source>
        <translation>blaue Schrägstreifen</translation>
    </message>
    <message>
        <source>red diagonal stripes</source>
        <translation>rote Schrägstreifen</translation>
    </message>
    <message>
        <source>blue tiles</source>
        <translation>blaue Fliesen</translation>
    </message>
    <message>
        <source>green and red stripes</source>
        <translation>grüne und rote Streifen</translation>
    </message>
    <message>
        <source>landscape with sun and tree</source>
        <translation>Landschaft mit Sonne und Baum</translation>
    </message>
    <message>
        <source>brick wall</source>
        <translation>Ziegelmauer</translation>
    </message>
    <message>
        <source>purple and cyan frames</source>
        <translation>violette und türkise Rahmen</translation>
    </message>
    <message>
        <source>night sky with the moon</source>
        <translation>Nachthimmel mit Mond</translation>
    </message>
    <message>
        <source>cyan lines</source>
        <translation>türkise Linien</translation>
    </message>
    <message>
        <source>Brackwater monogram</source>
        <translation>Brackwater-Monogramm</translation>
    </message>
    <message>
        <source>Card back %1: %2</source>
        <translation>Rückseite %1: %2</translation>
    </message>
</context>
<context>
    <name>TCardTable</name>
    <message>
        <source>Kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Schieben</translation>
    </message>
</context>
<context>
    <name>TColorPage</name>
    <message>
        <source>Can&apos;t make Background and Foreground colors the same</source>
        <translation>Hintergrund und Vordergrund können nicht dieselbe Farbe haben</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;Stacks</source>
        <translation>&amp;Stapel</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tisch</translation>
    </message>
    <message>
        <source>&amp;Play Pile</source>
        <translation>Aus&amp;lage</translation>
    </message>
    <message>
        <source>Stack &amp;Cards</source>
        <translation>Stapel&amp;karten</translation>
    </message>
    <message>
        <source>&amp;BackGround</source>
        <translation>Hinter&amp;grund</translation>
    </message>
    <message>
        <source>&amp;ForeGround</source>
        <translation>&amp;Vordergrund</translation>
    </message>
    <message>
        <source>Digital Display</source>
        <translation>Digitalanzeige</translation>
    </message>
    <message>
        <source>Stacks colour</source>
        <translation>Farbe der Stapel</translation>
    </message>
    <message>
        <source>Table colour</source>
        <translation>Farbe des Tischs</translation>
    </message>
    <message>
        <source>Play pile colour</source>
        <translation>Farbe der Auslage</translation>
    </message>
    <message>
        <source>Stack cards colour</source>
        <translation>Farbe der Stapelkarten</translation>
    </message>
    <message>
        <source>Counter background colour</source>
        <translation>Hintergrundfarbe der Zähler</translation>
    </message>
    <message>
        <source>Counter digits colour</source>
        <translation>Ziffernfarbe der Zähler</translation>
    </message>
</context>
<context>
    <name>TDealAdvisor</name>
    <message>
        <source>Can this deal be won</source>
        <translation>Kann dieses Spiel gewonnen werden</translation>
    </message>
    <message>
        <source>This deal is not proven winnable</source>
        <translation>Gewinn nicht bewiesen</translation>
    </message>
    <message>
        <source>This deal can be won</source>
        <translation>Gewinnbar</translation>
    </message>
    <message>
        <source>This deal can no longer be won</source>
        <translation>Nicht mehr gewinnbar</translation>
    </message>
    <message>
        <source>This deal can no longer be won.</source>
        <translation>Dieses Spiel kann nicht mehr gewonnen werden.</translation>
    </message>
    <message>
        <source>Next move of a winning line: %1.</source>
        <translation>Nächster Zug zum Sieg: %1.</translation>
    </message>
    <message>
        <source>No move is left.</source>
        <translation>Es ist kein Zug mehr möglich.</translation>
    </message>
    <message>
        <source>No win is proven yet; a good try: %1.</source>
        <translation>Noch ist kein Sieg bewiesen; ein guter Versuch: %1.</translation>
    </message>
    <message>
        <source>play the outlined card onto the outlined stack</source>
        <translation>die umrandete Karte auf den umrandeten Stapel legen</translation>
    </message>
    <message>
        <source>play the outlined card</source>
        <translation>die umrandete Karte ausspielen</translation>
    </message>
    <message>
        <source>draw a card</source>
        <translation>eine Karte ziehen</translation>
    </message>
    <message>
        <source>shift the play pile left</source>
        <translation>die Auslage nach links schieben</translation>
    </message>
    <message>
        <source>shift the play pile right</source>
        <translation>die Auslage nach rechts schieben</translation>
    </message>
    <message>
        <source> %1 times</source>
        <translation> %1-mal</translation>
    </message>
    <message>
        <source>%1%2, then draw a card</source>
        <translation>%1%2, dann eine Karte ziehen</translation>
    </message>
</context>
<context>
    <name>TFocusMark</name>
    <message>
        <source>Keyboard mark</source>
        <translation>Tastaturmarke</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Brackwater Help</source>
        <translation>Brackwater-Hilfe</translation>
    </message>
    <message>
        <source>Brackwater Help - %1</source>
        <translation>Brackwater-Hilfe - %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>The help file %1 has no contents page.</source>
        <translation>Die Hilfedatei %1 hat keine Inhaltsseite.</translation>
    </message>
    <message>
        <source>The help file %1 has no topic number %2.</source>
        <translation>Die Hilfedatei %1 hat kein Thema mit der Nummer %2.</translation>
    </message>
    <message>
        <source>The help file %1 could not be found in %2.</source>
        <translation>Die Hilfedatei %1 wurde in %2 nicht gefunden.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>TLanguageChooser</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
</context>
<context>
    <name>TMainMenus</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Replay Same Deck</source>
        <translation>Gleiches Spiel &amp;wiederholen</translation>
    </message>
    <message>
        <source>New &amp;Player</source>
        <translation>Neuer S&amp;pieler</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Brackwater</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Play &amp;Out</source>
        <translation>Zu &amp;Ende spielen</translation>
    </message>
    <message>
        <source>&amp;Advice</source>
        <translation>Ti&amp;pps</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Show &amp;Verdict</source>
        <translation>Lösbarkeit &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;100% (Classic Size)</source>
        <translation>&amp;100 % (Originalgröße)</translation>
    </message>
    <message>
        <source>1&amp;50%</source>
        <translation>1&amp;50 %</translation>
    </message>
    <message>
        <source>&amp;200%</source>
        <translation>&amp;200 %</translation>
    </message>
    <message>
        <source>&amp;300%</source>
        <translation>&amp;300 %</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An Fenster an&amp;passen</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source> Miscellaneous </source>
        <translation> Verschiedenes </translation>
    </message>
    <message>
        <source> Show # of plays</source>
        <translation> Anzahl Züge zeigen</translation>
    </message>
    <message>
        <source> Peek at all Cards</source>
        <translation> Alle Karten ansehen</translation>
    </message>
    <message>
        <source> Difficulty </source>
        <translation> Schwierigkeit </translation>
    </message>
    <message>
        <source> Easy</source>
        <translation> Leicht</translation>
    </message>
    <message>
        <source> Hard</source>
        <translation> Schwer</translation>
    </message>
    <message>
        <source> Draw Card </source>
        <translation> Gezogene Karte </translation>
    </message>
    <message>
        <source> Place on Top</source>
        <translation> Oben ablegen</translation>
    </message>
    <message>
        <source> Place on Bottom</source>
        <translation> Unten ablegen</translation>
    </message>
    <message>
        <source> Mininum Draw Pile </source>
        <translation> Mindestens im Ziehstapel </translation>
    </message>
    <message>
        <source> None</source>
        <translation> Egal</translation>
    </message>
    <message>
        <source> Only winnable deals</source>
        <translation> Nur gewinnbare Spiele</translation>
    </message>
    <message>
        <source> Resume game</source>
        <translation> Spiel fortsetzen</translation>
    </message>
    <message>
        <source>The game in progress comes back at your next start</source>
        <translation>Das laufende Spiel kommt beim nächsten Start wieder</translation>
    </message>
    <message>
        <source> Stack outlines</source>
        <translation> Stapelumrisse</translation>
    </message>
    <message>
        <source>Empty stacks show the suit and the first card they take</source>
        <translation>Leere Stapel zeigen die Farbe und die erste Karte, die sie nehmen</translation>
    </message>
    <message>
        <source>Undo:</source>
        <translation>Zurück:</translation>
    </message>
    <message>
        <source>Last move (classic)</source>
        <translation>Letzter Zug (klassisch)</translation>
    </message>
    <message>
        <source>Every move</source>
        <translation>Jeder Zug</translation>
    </message>
</context>
<context>
    <name>TSoundPage</name>
    <message>
        <source>This System is Incapable of Playing WAV Files</source>
        <translation>Dieses System kann keine WAV-Dateien abspielen</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spielbeginn</translation>
    </message>
    <message>
        <source>Shuffle Deck</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Draw Card</source>
        <translation>Karte ziehen</translation>
    </message>
    <message>
        <source>Shift Cards</source>
        <translation>Schieben</translation>
    </message>
    <message>
        <source>Play Card</source>
        <translation>Karte legen</translation>
    </message>
    <message>
        <source>Fill Stack</source>
        <translation>Stapel voll</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Lose Game</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Win Game</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Play 2 Places</source>
        <translation>Zwei Ziele</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Wave Files</source>
        <translation>Wave-Dateien</translation>
    </message>
    <message>
        <source>All Sound Files</source>
        <translation>Alle Klangdateien</translation>
    </message>
    <message>
        <source>Drop Here to Listen</source>
        <translation>Zum Anhören hier ablegen</translation>
    </message>
    <message>
        <source>Drop Here to Delete</source>
        <translation>Zum Löschen hier ablegen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Volume of Every Sound</source>
        <translation>Lautstärke aller Klänge</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Lautstärke</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Klangdateien</translation>
    </message>
    <message>
        <source>Speaker: drop a sound here to listen</source>
        <translation>Lautsprecher: einen Klang hier ablegen, um ihn anzuhören</translation>
    </message>
    <message>
        <source>Waste bin: drop an event&apos;s sound here to delete it</source>
        <translation>Papierkorb: den Klang eines Ereignisses hier ablegen, um ihn zu löschen</translation>
    </message>
    <message>
        <source>%1 sound: %2</source>
        <translation>Klang für %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
</context>
<context>
    <name>TTableNarrator</name>
    <message>
        <source>Draw pile, 1 card</source>
        <translation>Ziehstapel, 1 Karte</translation>
    </message>
    <message>
        <source>Draw pile, %1 cards</source>
        <translation>Ziehstapel, %1 Karten</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Spieltisch</translation>
    </message>
    <message>
        <source>Kings column</source>
        <translation>Spalte der Könige</translation>
    </message>
    <message>
        <source>Aces column</source>
        <translation>Spalte der Asse</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Play pile</source>
        <translation>Auslage</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Schieben</translation>
    </message>
    <message>
        <source>Shift left: the top card goes to the bottom</source>
        <translation>Nach links schieben: Die oberste Karte geht nach unten</translation>
    </message>
    <message>
        <source>Shift right: the bottom card goes to the top</source>
        <translation>Nach rechts schieben: Die unterste Karte geht nach oben</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, no card</source>
        <translation>%1, keine Karte</translation>
    </message>
    <message>
        <source>%1, play pile card %2 of %3</source>
        <translation>%1, Karte %2 von %3 der Auslage</translation>
    </message>
    <message>
        <source>%1, peek card %2 of %3</source>
        <translation>%1, angesehene Karte %2 von %3</translation>
    </message>
    <message>
        <source>Plays, %1</source>
        <translation>Züge, %1</translation>
    </message>
    <message>
        <source>%1 to the %2.</source>
        <translation>%1 auf %2.</translation>
    </message>
    <message>
        <source>The stack is complete.</source>
        <translation>Der Stapel ist vollständig.</translation>
    </message>
    <message>
        <source>Two stacks want the %1: choose the Kings or the Aces stack of %2.</source>
        <translation>Zwei Stapel wollen %1: Wählen Sie den Königs- oder den Assstapel %2.</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Zug rückgängig gemacht.</translation>
    </message>
    <message>
        <source>You won!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>Game over: no more plays.</source>
        <translation>Spiel vorbei: keine Züge mehr.</translation>
    </message>
    <message>
        <source>Drew the %1; table spot %2 is the play pile, 1 card.</source>
        <translation>Gezogen: %1; Tischplatz %2 ist die Auslage, 1 Karte.</translation>
    </message>
    <message>
        <source>Drew the %1; table spot %2 is the play pile, %3 cards.</source>
        <translation>Gezogen: %1; Tischplatz %2 ist die Auslage, %3 Karten.</translation>
    </message>
    <message>
        <source>Play pile shifted; the %1 is on top.</source>
        <translation>Auslage geschoben; oben liegt %1.</translation>
    </message>
    <message>
        <source>Under the top card: the %1.</source>
        <translation>Unter der obersten Karte: %1.</translation>
    </message>
    <message>
        <source>No card under the top card.</source>
        <translation>Keine Karte unter der obersten.</translation>
    </message>
    <message>
        <source>The spot holds, from the bottom: %1.</source>
        <translation>Der Platz enthält, von unten: %1.</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Brackwater Options</source>
        <translation>Brackwater-Optionen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Card Backs</source>
        <translation>Rückseiten</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Tfrm_About</name>
    <message>
        <source>Welcome to</source>
        <translation>Willkommen bei</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Brackwater</translation>
    </message>
    <message>
        <source>About Brackwater</source>
        <translation>Über Brackwater</translation>
    </message>
    <message>
        <source>Card back with the Brackwater monogram</source>
        <translation>Rückseite mit dem Brackwater-Monogramm</translation>
    </message>
</context>
<context>
    <name>Tfrm_Hist</name>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>&amp;Zero</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Starting Draw Pile</source>
        <translation>Start-Ziehstapel</translation>
    </message>
    <message>
        <source> Games Played</source>
        <translation> Gespielt</translation>
    </message>
    <message>
        <source>  Games Won</source>
        <translation>  Gewonnen</translation>
    </message>
    <message>
        <source> Avg Cards Left</source>
        <translation> Ø Restkarten</translation>
    </message>
    <message>
        <source>Game History for %1</source>
        <translation>Spielstatistik für %1</translation>
    </message>
    <message>
        <source>Results by draw pile start number</source>
        <translation>Ergebnisse nach Anfangszahl des Ziehstapels</translation>
    </message>
    <message>
        <source>Erase the whole history of %1?</source>
        <translation>Die ganze Statistik von %1 löschen?</translation>
    </message>
</context>
<context>
    <name>Tfrm_Player</name>
    <message>
        <source>A player&apos;s name must have 1 to %1 characters, with no control characters and no &quot;]&quot;, and cannot be &quot;Settings&quot;.</source>
        <translation>Ein Spielername muss 1 bis %1 Zeichen lang sein, ohne Steuerzeichen und ohne „]“, und darf nicht „Settings“ lauten.</translation>
    </message>
    <message>
        <source>Enter Player Name</source>
        <translation>Spielername eingeben</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Choose a player</source>
        <translation>Spieler wählen</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Type a name, or pick one of the players below with the arrow keys</source>
        <translation>Geben Sie einen Namen ein oder wählen Sie mit den Pfeiltasten einen Spieler aus der Liste</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Delete the player %1 with all settings and history?</source>
        <translation>Den Spieler %1 mit allen Einstellungen und der Statistik löschen?</translation>
    </message>
</context>
<context>
    <name>Tfrm_lose</name>
    <message>
        <source>Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>Draw Pile Start Number</source>
        <translation>Ziehstapel am Anfang</translation>
    </message>
    <message>
        <source>Cards Left To Play</source>
        <translation>Übrige Karten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The program&apos;s folder cannot be written, so your settings are now kept in
%1

They were copied there from
%2
which is left as it was.</source>
        <translation>Der Ordner des Programms ist nicht beschreibbar, daher liegen Ihre Einstellungen jetzt in
%1

Sie wurden dorthin kopiert aus
%2
wo sie unverändert bleiben.</translation>
    </message>
</context>
</TS>
