<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Face-down card</source>
        <translation>Carte face cachée</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: rank, then suit, e.g. &quot;Queen of Hearts&quot;</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Kings stack of %1</source>
        <translation>pile des Rois de %1</translation>
    </message>
    <message>
        <source>Aces stack of %1</source>
        <translation>pile des As de %1</translation>
    </message>
    <message>
        <source>%1%2, complete</source>
        <translation>%1%2, complète</translation>
    </message>
    <message>
        <source>%1%2, next %3</source>
        <translation>%1%2, suivante : %3</translation>
    </message>
    <message>
        <source>table spot %1</source>
        <translation>place %1</translation>
    </message>
</context>
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
    <name>TCardBackPage</name>
    <message>
        <source>blue checks</source>
        <translation>carreaux bleus</translation>
    </message>
    <message>
        <source>red checks</source>
        <translation>carreaux rouges</translation>
    </message>
    <message>
        <source>blue diagonal stripes</source>
        <translation>rayures diagonales bleues</translation>
    </message>
    <message>
        <source>red diagonal stripes</source>
        <translation>rayures diagonales rouges</translation>
    </message>
    <message>
        <source>blue tiles</source>
        <translation>carrelage bleu</translation>
    </message>
    <message>
        <source>green and red stripes</source>
        <translation>rayures vertes et rouges</translation>
    </message>
    <message>
        <source>landscape with sun and tree</source>
        <translation>paysage avec soleil et arbre</translation>
    </message>
    <message>
        <source>brick wall</source>
        <translation>mur de briques</translation>
    </message>
    <message>
        <source>purple and cyan frames</source>
        <translation>cadres violets et cyan</translation>
    </message>
    <message>
        <source>night sky with the moon</source>
        <translation>ciel nocturne avec la lune</translation>
    </message>
    <message>
        <source>cyan lines</source>
        <translation>lignes cyan</translation>
    </message>
    <message>
        <source>Brackwater monogram</source>
        <translation>monogramme Brackwater</translation>
    </message>
    <message>
        <source>Card back %1: %2</source>
        <translation>Dos %1 : %2</translation>
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
    <message>
        <source>Stacks colour</source>
        <translation>Couleur des piles</translation>
    </message>
    <message>
        <source>Table colour</source>
        <translation>Couleur de la table</translation>
    </message>
    <message>
        <source>Play pile colour</source>
        <translation>Couleur de l&apos;éventail</translation>
    </message>
    <message>
        <source>Stack cards colour</source>
        <translation>Couleur des cartes des piles</translation>
    </message>
    <message>
        <source>Counter background colour</source>
        <translation>Couleur de fond des compteurs</translation>
    </message>
    <message>
        <source>Counter digits colour</source>
        <translation>Couleur des chiffres des compteurs</translation>
    </message>
</context>
<context>
    <name>TDealAdvisor</name>
    <message>
        <source>Can this deal be won</source>
        <translation>Cette donne peut-elle être gagnée</translation>
    </message>
    <message>
        <source>This deal is not proven winnable</source>
        <translation>Gain non prouvé</translation>
    </message>
    <message>
        <source>This deal can be won</source>
        <translation>Donne gagnable</translation>
    </message>
    <message>
        <source>This deal can no longer be won</source>
        <translation>Donne plus gagnable</translation>
    </message>
    <message>
        <source>This deal can no longer be won.</source>
        <translation>Cette donne ne peut plus être gagnée.</translation>
    </message>
    <message>
        <source>Next move of a winning line: %1.</source>
        <translation>Coup suivant d’une ligne gagnante : %1.</translation>
    </message>
    <message>
        <source>No move is left.</source>
        <translation>Il ne reste aucun coup.</translation>
    </message>
    <message>
        <source>No win is proven yet; a good try: %1.</source>
        <translation>Aucune victoire n’est encore prouvée ; un bon essai : %1.</translation>
    </message>
    <message>
        <source>play the outlined card onto the outlined stack</source>
        <translation>jouer la carte encadrée sur la pile encadrée</translation>
    </message>
    <message>
        <source>play the outlined card</source>
        <translation>jouer la carte encadrée</translation>
    </message>
    <message>
        <source>draw a card</source>
        <translation>piocher une carte</translation>
    </message>
    <message>
        <source>shift the play pile left</source>
        <translation>décaler l’éventail vers la gauche</translation>
    </message>
    <message>
        <source>shift the play pile right</source>
        <translation>décaler l’éventail vers la droite</translation>
    </message>
    <message>
        <source> %1 times</source>
        <translation> %1 fois</translation>
    </message>
    <message>
        <source>%1%2, then draw a card</source>
        <translation>%1%2, puis piocher une carte</translation>
    </message>
</context>
<context>
    <name>TFocusMark</name>
    <message>
        <source>Keyboard mark</source>
        <translation>Repère du clavier</translation>
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
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
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
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Play &amp;Out</source>
        <translation>&amp;Finir la partie</translation>
    </message>
    <message>
        <source>&amp;Advice</source>
        <translation>&amp;Conseils</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Show &amp;Verdict</source>
        <translation>Afficher le &amp;verdict</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;100% (Classic Size)</source>
        <translation>&amp;100 % (taille classique)</translation>
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
        <translation>A&amp;juster à la fenêtre</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Plein é&amp;cran</translation>
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
    <message>
        <source> Only winnable deals</source>
        <translation> Donnes gagnables</translation>
    </message>
    <message>
        <source> Resume game</source>
        <translation> Reprendre la partie</translation>
    </message>
    <message>
        <source>The game in progress comes back at your next start</source>
        <translation>La partie en cours revient au prochain lancement</translation>
    </message>
    <message>
        <source> Stack outlines</source>
        <translation> Contours des piles</translation>
    </message>
    <message>
        <source>Empty stacks show the suit and the first card they take</source>
        <translation>Les piles vides montrent la couleur et la première carte qu’elles prennent</translation>
    </message>
    <message>
        <source>Undo:</source>
        <translation>Annuler :</translation>
    </message>
    <message>
        <source>Last move (classic)</source>
        <translation>Dernier coup (classique)</translation>
    </message>
    <message>
        <source>Every move</source>
        <translation>Tous les coups</translation>
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
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Fichiers son</translation>
    </message>
    <message>
        <source>Speaker: drop a sound here to listen</source>
        <translation>Haut-parleurs : déposez un son ici pour l&apos;écouter</translation>
    </message>
    <message>
        <source>Waste bin: drop an event&apos;s sound here to delete it</source>
        <translation>Corbeille : déposez ici le son d&apos;un moment pour le supprimer</translation>
    </message>
    <message>
        <source>%1 sound: %2</source>
        <translation>Son de « %1 » : %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>TTableNarrator</name>
    <message>
        <source>Draw pile, 1 card</source>
        <translation>Pioche, 1 carte</translation>
    </message>
    <message>
        <source>Draw pile, %1 cards</source>
        <translation>Pioche, %1 cartes</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>Kings column</source>
        <translation>Colonne des Rois</translation>
    </message>
    <message>
        <source>Aces column</source>
        <translation>Colonne des As</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Play pile</source>
        <translation>Éventail</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Coup d&apos;œil</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Décaler</translation>
    </message>
    <message>
        <source>Shift left: the top card goes to the bottom</source>
        <translation>Décaler à gauche : la carte du dessus passe dessous</translation>
    </message>
    <message>
        <source>Shift right: the bottom card goes to the top</source>
        <translation>Décaler à droite : la carte du dessous passe dessus</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, no card</source>
        <translation>%1, aucune carte</translation>
    </message>
    <message>
        <source>%1, play pile card %2 of %3</source>
        <translation>%1, carte %2 sur %3 de l&apos;éventail</translation>
    </message>
    <message>
        <source>%1, peek card %2 of %3</source>
        <translation>%1, carte vue %2 sur %3</translation>
    </message>
    <message>
        <source>Plays, %1</source>
        <translation>Coups, %1</translation>
    </message>
    <message>
        <source>%1 to the %2.</source>
        <translation>%1 sur la %2.</translation>
    </message>
    <message>
        <source>The stack is complete.</source>
        <translation>La pile est complète.</translation>
    </message>
    <message>
        <source>Two stacks want the %1: choose the Kings or the Aces stack of %2.</source>
        <translation>Deux piles attendent %1 : choisissez la pile des Rois ou celle des As de %2.</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Coup annulé.</translation>
    </message>
    <message>
        <source>You won!</source>
        <translation>Gagné !</translation>
    </message>
    <message>
        <source>Game over: no more plays.</source>
        <translation>Partie terminée : plus aucun coup.</translation>
    </message>
    <message>
        <source>Drew the %1; table spot %2 is the play pile, 1 card.</source>
        <translation>Pioché : %1 ; la place %2 est l&apos;éventail, 1 carte.</translation>
    </message>
    <message>
        <source>Drew the %1; table spot %2 is the play pile, %3 cards.</source>
        <translation>Pioché : %1 ; la place %2 est l&apos;éventail, %3 cartes.</translation>
    </message>
    <message>
        <source>Play pile shifted; the %1 is on top.</source>
        <translation>Éventail décalé ; %1 est dessus.</translation>
    </message>
    <message>
        <source>Under the top card: the %1.</source>
        <translation>Sous la carte du dessus : %1.</translation>
    </message>
    <message>
        <source>No card under the top card.</source>
        <translation>Aucune carte sous celle du dessus.</translation>
    </message>
    <message>
        <source>The spot holds, from the bottom: %1.</source>
        <translation>La place contient, en partant du bas : %1.</translation>
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
    <message>
        <source>About Brackwater</source>
        <translation>À propos de Brackwater</translation>
    </message>
    <message>
        <source>Card back with the Brackwater monogram</source>
        <translation>Dos de carte au monogramme Brackwater</translation>
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
    <message>
        <source>Results by draw pile start number</source>
        <translation>Résultats selon la pioche au départ</translation>
    </message>
    <message>
        <source>Erase the whole history of %1?</source>
        <translation>Effacer tout l’historique de %1 ?</translation>
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
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Choose a player</source>
        <translation>Choisir un joueur</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Type a name, or pick one of the players below with the arrow keys</source>
        <translation>Tapez un nom, ou choisissez un des joueurs ci-dessous avec les flèches</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Delete the player %1 with all settings and history?</source>
        <translation>Supprimer le joueur %1 avec tous ses réglages et son historique ?</translation>
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
        <translation>Le dossier du programme n&apos;est pas accessible en écriture ; vos réglages sont donc désormais dans
%1

Ils y ont été copiés depuis
%2
qui reste tel quel.</translation>
    </message>
</context>
</TS>
