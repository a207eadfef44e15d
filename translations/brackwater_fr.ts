<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>SettingsWriteError</name>
    <message>
        <source>Another copy of Brackwater keeps the file locked.</source>
        <translation>Une autre copie de Brackwater verrouille le fichier.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>The file could not be read, so it is left as it is.</source>
        <translation>Le fichier n&apos;a pas pu être lu ; il reste tel quel.</translation>
    </message>
    <message>
        <source>The file would grow beyond 16 MiB.</source>
        <translation>Le fichier dépasserait 16 Mio.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
</context>
<context>
    <name>TCardTable</name>
    <message>
        <source>Kings</source>
        <translation>Rois</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Décaler</translation>
    </message>
</context>
<context>
    <name>TColorPage</name>
    <message>
        <source>Can&apos;t make Background and Foreground colors the same</source>
        <translation>Le fond et le premier plan ne peuvent pas avoir la même couleur</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>&amp;Stacks</source>
        <translation>&amp;Piles</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>Ta&amp;ble</translation>
    </message>
    <message>
        <source>&amp;Play Pile</source>
        <translation>&amp;Éventail</translation>
    </message>
    <message>
        <source>Stack &amp;Cards</source>
        <translation>&amp;Cartes des piles</translation>
    </message>
    <message>
        <source>&amp;BackGround</source>
        <translation>&amp;Fond</translation>
    </message>
    <message>
        <source>&amp;ForeGround</source>
        <translation>Premier p&amp;lan</translation>
    </message>
    <message>
        <source>Digital Display</source>
        <translation>Affichage numérique</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Brackwater Help</source>
        <translation>Aide de Brackwater</translation>
    </message>
    <message>
        <source>Brackwater Help - %1</source>
        <translation>Aide de Brackwater - %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>The help file %1 has no contents page.</source>
        <translation>Le fichier d&apos;aide %1 n&apos;a pas de sommaire.</translation>
    </message>
    <message>
        <source>The help file %1 has no topic number %2.</source>
        <translation>Le fichier d&apos;aide %1 n&apos;a pas de rubrique numéro %2.</translation>
    </message>
    <message>
        <source>The help file %1 could not be found in %2.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable dans %2.</translation>
    </message>
</context>
<context>
    <name>TLanguageChooser</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
</context>
<context>
    <name>TMainMenus</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Replay Same Deck</source>
        <translation>&amp;Rejouer la même donne</translation>
    </message>
    <message>
        <source>New &amp;Player</source>
        <translation>Nouveau &amp;joueur</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Brackwater</translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source> Miscellaneous </source>
        <translation> Divers </translation>
    </message>
    <message>
        <source> Show # of plays</source>
        <translation> Afficher les coups</translation>
    </message>
    <message>
        <source> Peek at all Cards</source>
        <translation> Voir toutes les cartes</translation>
    </message>
    <message>
        <source> Difficulty </source>
        <translation> Difficulté </translation>
    </message>
    <message>
        <source> Easy</source>
        <translation> Facile</translation>
    </message>
    <message>
        <source> Hard</source>
        <translation> Difficile</translation>
    </message>
    <message>
        <source> Draw Card </source>
        <translation> Carte piochée </translation>
    </message>
    <message>
        <source> Place on Top</source>
        <translation> Poser dessus</translation>
    </message>
    <message>
        <source> Place on Bottom</source>
        <translation> Poser dessous</translation>
    </message>
    <message>
        <source> Mininum Draw Pile </source>
        <translation> Pioche minimale </translation>
    </message>
    <message>
        <source> None</source>
        <translation> Aucune</translation>
    </message>
</context>
<context>
    <name>TSoundPage</name>
    <message>
        <source>This System is Incapable of Playing WAV Files</source>
        <translation>Ce système ne peut pas lire les fichiers WAV</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Shuffle Deck</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Draw Card</source>
        <translation>Piocher</translation>
    </message>
    <message>
        <source>Shift Cards</source>
        <translation>Décaler</translation>
    </message>
    <message>
        <source>Play Card</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Fill Stack</source>
        <translation>Pile pleine</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Lose Game</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Win Game</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Play 2 Places</source>
        <translation>Deux places</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Coup d&apos;œil</translation>
    </message>
    <message>
        <source>Wave Files</source>
        <translation>Fichiers Wave</translation>
    </message>
    <message>
        <source>All Sound Files</source>
        <translation>Tous les sons</translation>
    </message>
    <message>
        <source>Drop Here to Listen</source>
        <translation>Déposer ici pour écouter</translation>
    </message>
    <message>
        <source>Drop Here to Delete</source>
        <translation>Déposer ici pour supprimer</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Volume of Every Sound</source>
        <translation>Volume de tous les sons</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Écouter</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Brackwater Options</source>
        <translation>Options de Brackwater</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Card Backs</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
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
        <translation>Bienvenue dans</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Brackwater</translation>
    </message>
</context>
<context>
    <name>Tfrm_Hist</name>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>&amp;Zero</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Starting Draw Pile</source>
        <translation>Pioche au départ</translation>
    </message>
    <message>
        <source> Games Played</source>
        <translation> Jouées</translation>
    </message>
    <message>
        <source>  Games Won</source>
        <translation>  Gagnées</translation>
    </message>
    <message>
        <source> Avg Cards Left</source>
        <translation> Reste moyen</translation>
    </message>
    <message>
        <source>Game History for %1</source>
        <translation>Historique de %1</translation>
    </message>
</context>
<context>
    <name>Tfrm_Player</name>
    <message>
        <source>A player&apos;s name must have 1 to %1 characters, with no control characters and no &quot;]&quot;, and cannot be &quot;Settings&quot;.</source>
        <translation>Le nom d&apos;un joueur doit compter de 1 à %1 caractères, sans caractère de contrôle ni « ] », et ne peut pas être « Settings ».</translation>
    </message>
    <message>
        <source>Enter Player Name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Effacer</translation>
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
        <translation>Partie terminée !</translation>
    </message>
    <message>
        <source>Draw Pile Start Number</source>
        <translation>Pioche au départ</translation>
    </message>
    <message>
        <source>Cards Left To Play</source>
        <translation>Cartes restantes</translation>
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
        <translation>Le dossier du programme n&apos;est pas accessible en écriture ; vos réglages sont donc désormais dans
%1

Ils y ont été copiés depuis
%2
qui reste tel quel.</translation>
    </message>
</context>
</TS>
