<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
