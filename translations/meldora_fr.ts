<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AdviceShown</name>
    <message>
        <source>Hint mark</source>
        <extracomment>For screen readers: a frame round what a hint names.</extracomment>
        <translation>Repère d&apos;indice</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Announcements</source>
        <extracomment>For screen readers: the status element through which the table&apos;s news is told.</extracomment>
        <translation>Annonces</translation>
    </message>
    <message>
        <source>Dorvil takes the %1 from the discard pile.</source>
        <translation>Dorvil prend à la défausse&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You take the %1 from the discard pile.</source>
        <translation>Vous prenez à la défausse&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Dorvil takes a card from the stock.</source>
        <translation>Dorvil pioche une carte.</translation>
    </message>
    <message>
        <source>You take the %1 from the stock.</source>
        <translation>Vous piochez&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Dorvil melds the %1 in Meld %2.</source>
        <translation>Dorvil pose dans la colonne %2&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You meld the %1 in Meld %2.</source>
        <translation>Vous posez dans la colonne %2&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Dorvil lays off the %1 on Meld %2.</source>
        <translation>Dorvil ajoute à la colonne %2&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You lay off the %1 on Meld %2.</source>
        <translation>Vous ajoutez à la colonne %2&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You take back the %1 from Meld %2.</source>
        <translation>Vous reprenez de la colonne %2&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The %1 goes back to your hand.</source>
        <translation>Retour dans votre main&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Dorvil discards the %1.</source>
        <translation>Dorvil défausse&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You discard the %1.</source>
        <translation>Vous défaussez&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The stock now holds %n card from the discard pile.</source>
        <translation>
            <numerusform>La pioche compte maintenant %n carte venue de la défausse.</numerusform>
            <numerusform>La pioche compte maintenant %n cartes venues de la défausse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The stock now holds %n cards from the discard pile.</source>
        <translation>
            <numerusform>La pioche compte maintenant %n carte venue de la défausse.</numerusform>
            <numerusform>La pioche compte maintenant %n cartes venues de la défausse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dorvil wins the hand and scores %n point.</source>
        <translation>
            <numerusform>Dorvil gagne la manche et marque %n point.</numerusform>
            <numerusform>Dorvil gagne la manche et marque %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dorvil wins the hand and scores %n points.</source>
        <translation>
            <numerusform>Dorvil gagne la manche et marque %n point.</numerusform>
            <numerusform>Dorvil gagne la manche et marque %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You win the hand and score %n point.</source>
        <translation>
            <numerusform>Vous gagnez la manche et marquez %n point.</numerusform>
            <numerusform>Vous gagnez la manche et marquez %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You win the hand and score %n points.</source>
        <translation>
            <numerusform>Vous gagnez la manche et marquez %n point.</numerusform>
            <numerusform>Vous gagnez la manche et marquez %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>Dorvil wins the game.</source>
        <translation>Dorvil gagne la partie.</translation>
    </message>
    <message>
        <source>You win the game.</source>
        <translation>Vous gagnez la partie.</translation>
    </message>
    <message>
        <source>Dorvil melds the %1 in Meld %2.</source>
        <comment>whole</comment>
        <extracomment>Dorvil&apos;s new meld, told when whole: %1 its cards (&quot;Fours of Diamonds, Clubs and Hearts&quot;), %2 its column&apos;s number.</extracomment>
        <translation>Dorvil pose dans la colonne %2&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The cards are dealt. The face card is the %1.</source>
        <translation>Les cartes sont distribuées. La carte retournée est&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 Button: %2</source>
        <extracomment>For screen readers, after a message box&apos;s text: %1 the text, %2 its one button.</extracomment>
        <translation>%1 Bouton&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 Buttons: %2</source>
        <extracomment>%1 the text, %2 its buttons.</extracomment>
        <translation>%1 Boutons&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>position</comment>
        <extracomment>Where a card lies in the hand, for screen readers: the 2nd of 11 cards.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Meld %1 is open.</source>
        <extracomment>For screen readers, after a message box&apos;s buttons: %1 the open meld&apos;s column.</extracomment>
        <translation>La colonne %1 est ouverte.</translation>
    </message>
    <message>
        <source>You held: %1.</source>
        <extracomment>The end of a hand, for screen readers: %1 the cards left in the loser&apos;s hand.</extracomment>
        <translation>Il vous restait&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Dorvil held: %1.</source>
        <translation>Il restait à Dorvil&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You %1, Dorvil %2; target %3.</source>
        <extracomment>After a hand, for screen readers: %1 the player&apos;s score, %2 Dorvil&apos;s, %3 the target.</extracomment>
        <translation>Vous %1, Dorvil %2&#xa0;; objectif %3.</translation>
    </message>
    <message>
        <source>Final score: you %1, Dorvil %2.</source>
        <extracomment>The end of a game, for screen readers: %1 the player&apos;s final score, %2 Dorvil&apos;s.</extracomment>
        <translation>Score final&#xa0;: vous %1, Dorvil %2.</translation>
    </message>
    <message>
        <source>You win by 1 point: Dorvil owes you 1 cent.</source>
        <extracomment>%1 the margin in points, which is also the money in cents.</extracomment>
        <translation>Vous gagnez avec 1 point d&apos;avance&#xa0;: Dorvil vous doit 1 centime.</translation>
    </message>
    <message>
        <source>You win by %1 points: Dorvil owes you %1 cents.</source>
        <translation>Vous gagnez avec %1 points d&apos;avance&#xa0;: Dorvil vous doit %1 centimes.</translation>
    </message>
    <message>
        <source>Dorvil wins by 1 point: you owe him 1 cent.</source>
        <translation>Dorvil gagne avec 1 point d&apos;avance&#xa0;: vous lui devez 1 centime.</translation>
    </message>
    <message>
        <source>Dorvil wins by %1 points: you owe him %1 cents.</source>
        <translation>Dorvil gagne avec %1 points d&apos;avance&#xa0;: vous lui devez %1 centimes.</translation>
    </message>
</context>
<context>
    <name>CardDeck</name>
    <message>
        <source>its file %1 is missing</source>
        <extracomment>Why a card deck cannot be used (after &quot;Red cannot be used:&quot;); %1 is a file&apos;s name.</extracomment>
        <translation>le fichier %1 est absent</translation>
    </message>
    <message>
        <source>its file %1 cannot be read</source>
        <extracomment>Why a card deck cannot be used; %1 is a file&apos;s name.</extracomment>
        <translation>le fichier %1 est illisible</translation>
    </message>
    <message>
        <source>its file %1 is damaged or cut short</source>
        <extracomment>Why a card deck cannot be used; %1 is the name of its SVG file.</extracomment>
        <translation>le fichier %1 est endommagé ou tronqué</translation>
    </message>
    <message>
        <source>it has no card back</source>
        <extracomment>Why a card deck cannot be used: its drawing lacks the back.</extracomment>
        <translation>le dos des cartes est absent</translation>
    </message>
    <message>
        <source>it has no %1</source>
        <extracomment>Why a card deck cannot be used: %1 is a card&apos;s name (&quot;Queen of Spades&quot;) that its drawing lacks.</extracomment>
        <translation>la carte %1 est absente</translation>
    </message>
    <message>
        <source>its card back is empty</source>
        <extracomment>Why a card deck cannot be used: its back is drawn empty.</extracomment>
        <translation>le dos des cartes est vide</translation>
    </message>
    <message>
        <source>its %1 is empty</source>
        <extracomment>Why a card deck cannot be used: %1 is a card&apos;s name (&quot;Queen of Spades&quot;) drawn empty.</extracomment>
        <translation>la carte %1 est vide</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>roi</translation>
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
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>Card back</source>
        <extracomment>The picture of a face-down card, for screen readers.</extracomment>
        <translation>Dos de carte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name, for screen readers: %1 is its rank (Seven), %2 its suit (Hearts).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>as</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>six</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>valets</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>dames</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>rois</translation>
    </message>
    <message>
        <source>Ace of %1</source>
        <comment>object</comment>
        <translation>l&apos;as de %1</translation>
    </message>
    <message>
        <source>Two of %1</source>
        <comment>object</comment>
        <translation>le deux de %1</translation>
    </message>
    <message>
        <source>Three of %1</source>
        <comment>object</comment>
        <translation>le trois de %1</translation>
    </message>
    <message>
        <source>Four of %1</source>
        <comment>object</comment>
        <translation>le quatre de %1</translation>
    </message>
    <message>
        <source>Five of %1</source>
        <comment>object</comment>
        <translation>le cinq de %1</translation>
    </message>
    <message>
        <source>Six of %1</source>
        <comment>object</comment>
        <translation>le six de %1</translation>
    </message>
    <message>
        <source>Seven of %1</source>
        <comment>object</comment>
        <translation>le sept de %1</translation>
    </message>
    <message>
        <source>Eight of %1</source>
        <comment>object</comment>
        <translation>le huit de %1</translation>
    </message>
    <message>
        <source>Nine of %1</source>
        <comment>object</comment>
        <translation>le neuf de %1</translation>
    </message>
    <message>
        <source>Ten of %1</source>
        <comment>object</comment>
        <translation>le dix de %1</translation>
    </message>
    <message>
        <source>Jack of %1</source>
        <comment>object</comment>
        <translation>le valet de %1</translation>
    </message>
    <message>
        <source>Queen of %1</source>
        <comment>object</comment>
        <translation>la dame de %1</translation>
    </message>
    <message>
        <source>King of %1</source>
        <comment>object</comment>
        <translation>le roi de %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of cards, ranks or suits (&quot;Clubs and Hearts&quot;).</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>set</comment>
        <extracomment>A set: %1 its rank in the plural (&quot;Fours&quot;), %2 its suits (&quot;Diamonds, Clubs and Hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>run</comment>
        <extracomment>A run: %1 its ranks (&quot;Three, Four and Five&quot;), %2 its suit (&quot;Spades&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>DeckDialog</name>
    <message>
        <source>Card Deck</source>
        <extracomment>The title of the dialog that Options &gt; Card Deck... opens.</extracomment>
        <translation>Jeu de cartes</translation>
    </message>
    <message>
        <source>Choose the cards to play with:</source>
        <extracomment>Above the list of card decks, each shown by three of its cards.</extracomment>
        <translation>Choisissez les cartes avec lesquelles jouer&#xa0;:</translation>
    </message>
    <message>
        <source>Card decks</source>
        <extracomment>For screen readers: the list of card decks in the Card Deck dialog.</extracomment>
        <translation>Jeux de cartes</translation>
    </message>
    <message>
        <source>Use This Deck</source>
        <extracomment>The Card Deck dialog&apos;s button that puts the selected deck on the table.</extracomment>
        <translation>Utiliser ce jeu de cartes</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>Under the list of card decks: %1 is a deck&apos;s name, %2 why it cannot be used (&quot;its file red.svg is missing&quot;, &quot;it has no Queen of Spades&quot;).</extracomment>
        <translation>Le jeu de cartes %1 est inutilisable&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>Under the list of card decks, while the deck chosen is read: %1 is its name.</extracomment>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <extracomment>The tool tip and, for screen readers, the description of a card deck that cannot be used: %1 says why (&quot;it has no Queen of Spades&quot;).</extracomment>
        <translation>Inutilisable&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DemoPlayer</name>
    <message>
        <source>The demo plays your hand. Press any key or click to play yourself.</source>
        <translation>La démo joue votre main. Appuyez sur une touche ou cliquez pour jouer vous-même.</translation>
    </message>
    <message>
        <source>The demo has stopped: the hand is over.</source>
        <translation>La démo s&apos;est arrêtée&#xa0;: la manche est terminée.</translation>
    </message>
    <message>
        <source>The demo has stopped: the table is yours.</source>
        <translation>La démo s&apos;est arrêtée&#xa0;: à vous de jouer.</translation>
    </message>
    <message>
        <source>The demo has stopped.</source>
        <translation>La démo s&apos;est arrêtée.</translation>
    </message>
    <message>
        <source>Demo: %1 Press any key or click to play yourself.</source>
        <extracomment>While the demo plays: %1 is the move about to be made, a sentence of its own.</extracomment>
        <translation>Démo&#xa0;: %1 Appuyez sur une touche ou cliquez pour jouer vous-même.</translation>
    </message>
    <message>
        <source>Demo: %1</source>
        <extracomment>Told to a screen reader while the demo plays: %1 the move about to be made.</extracomment>
        <translation>Démo&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not heard before you stopped it: %1</source>
        <extracomment>Told to a screen reader as the demo stops: %1 the moves it made that the player&apos;s key cut off before they were heard, each a sentence of its own.</extracomment>
        <translation>Non entendu avant l’arrêt : %1</translation>
    </message>
</context>
<context>
    <name>Dorvil</name>
    <message>
        <source>%1 &apos; current points %2</source>
        <extracomment>The status bar&apos;s panel of the player&apos;s score once the player has won a hand; %1 is the player&apos;s name, %2 the score.</extracomment>
        <translation>Score de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Next Hand</source>
        <extracomment>A message box&apos;s button: deal the next hand.</extracomment>
        <translation>Manche suivante</translation>
    </message>
    <message>
        <source> You win the hand</source>
        <translation> Vous gagnez la manche</translation>
    </message>
    <message>
        <source>Carry On!</source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>Continuer&#xa0;!</translation>
    </message>
    <message>
        <source> Dorvil Beaten Again.</source>
        <translation> Dorvil encore battu.</translation>
    </message>
    <message>
        <source> Dorvil&apos;s current points %1</source>
        <extracomment>The status bar&apos;s panel of Dorvil&apos;s score once he has won a hand; %1 is the score.</extracomment>
        <translation>Score de Dorvil&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1   sorry, Dorvil won this hand and gains the number of points left in your hand as shown below.</source>
        <extracomment>A message box; %1 is the player&apos;s name.</extracomment>
        <translation>%1, désolé&#xa0;: Dorvil a gagné cette manche et reçoit les points restés dans votre main, comme indiqué ci-dessous.</translation>
    </message>
    <message>
        <source> Dorvil wins the Hand.</source>
        <translation> Dorvil gagne la manche.</translation>
    </message>
    <message>
        <source>Carry On! </source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>Continuer&#xa0;! </translation>
    </message>
    <message>
        <source> Dorvil Wins Game.</source>
        <translation> Dorvil gagne la partie.</translation>
    </message>
    <message>
        <source>Would you like to play another game or leave for now?</source>
        <translation>Voulez-vous jouer une autre partie ou vous arrêter là pour le moment&#xa0;?</translation>
    </message>
    <message>
        <source>Play Again</source>
        <extracomment>A message box&apos;s button: start the next game.</extracomment>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Bye for Now</source>
        <extracomment>A message box&apos;s button: leave the program.</extracomment>
        <translation>À bientôt</translation>
    </message>
    <message>
        <source>Play another game?</source>
        <translation>Une autre partie&#xa0;?</translation>
    </message>
    <message>
        <source>%1 please take either a Discard card or a Stock card by clicking on the one you want</source>
        <extracomment>The instruction line at the start of the player&apos;s turn; %1 is the player&apos;s name.</extracomment>
        <translation>%1, prenez une carte&#xa0;: cliquez sur la défausse ou sur la pioche.</translation>
    </message>
    <message>
        <source>Dorvil is now playing his hand.</source>
        <extracomment>The instruction line during Dorvil&apos;s turn.</extracomment>
        <translation>Dorvil joue maintenant.</translation>
    </message>
    <message>
        <source>Well done, you won this hand
 and receive the points left in Dorvil&apos;s hand as shown below.</source>
        <extracomment>A message box of two lines.</extracomment>
        <translation>Bravo, vous avez gagné cette manche et recevez les points restés dans la main de Dorvil, comme indiqué ci-dessous.</translation>
    </message>
    <message>
        <source>%1 well done you won the hand and the game.
 See statistics top right for details.</source>
        <extracomment>A message box of two lines; %1 is the player&apos;s name.</extracomment>
        <translation>%1, bravo&#xa0;: vous avez gagné la manche et la partie. Les détails sont dans les statistiques en haut à droite.</translation>
    </message>
    <message>
        <source>%1 unfortunately Dorvil won the hand and the game.
 See statistics top right for details.</source>
        <extracomment>A message box of two lines; %1 is the player&apos;s name.</extracomment>
        <translation>%1, hélas, Dorvil a gagné la manche et la partie. Les détails sont dans les statistiques en haut à droite.</translation>
    </message>
</context>
<context>
    <name>DorvilOption</name>
    <message>
        <source>Dorvil Plays C&amp;lassic</source>
        <extracomment>Options menu: Dorvil plays by the classic fixed rules.</extracomment>
        <translation>Dorvil &amp;classique</translation>
    </message>
    <message>
        <source>Dorvil Plays &amp;Sharp</source>
        <extracomment>Options menu: the stronger Dorvil, who remembers the cards he has seen (&quot;Sharp Dorvil&quot;).</extracomment>
        <translation>Dorvil &amp;rusé</translation>
    </message>
    <message>
        <source>Sharp from the next hand</source>
        <translation>Rusé dès la manche suivante</translation>
    </message>
    <message>
        <source>Classic from the next hand</source>
        <extracomment>The note under Dorvil&apos;s name: the other Dorvil is chosen and sits down at the next deal.</extracomment>
        <translation>Classique dès la manche suivante</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Rusé</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>The note under Dorvil&apos;s name: which Dorvil plays now.</extracomment>
        <translation>Classique</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The note under Dorvil&apos;s name: %1 who plays now, %2 who plays from the next hand.</extracomment>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>Dorvil plays %1</source>
        <extracomment>For screen readers and the statistics frame&apos;s tool tip; %1 is Sharp or Classic.</extracomment>
        <translation>Style de Dorvil&#xa0;: %1</translation>
    </message>
    <message>
        <source>Dorvil plays %1; %2</source>
        <extracomment>As &quot;Dorvil plays %1&quot;, with the next hand&apos;s Dorvil.</extracomment>
        <translation>Style de Dorvil&#xa0;: %1&#xa0;; %2</translation>
    </message>
    <message>
        <source>Dorvil Plays &amp;Expert</source>
        <extracomment>Options menu: the strongest Dorvil, who plays each choice forward (&quot;Expert Dorvil&quot;).</extracomment>
        <translation>Dorvil &amp;expert</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Expert from the next hand</source>
        <translation>Expert dès la manche suivante</translation>
    </message>
    <message>
        <source>Expert Dorvil is at the table: he plays each choice forward many times over the cards he cannot see, and never looks at yours. Options menu: Dorvil Plays Classic, Sharp or Expert.</source>
        <extracomment>The note&apos;s tool tip while Expert Dorvil is at the table or about to be.</extracomment>
        <translation>Dorvil l’expert est à la table : il joue chaque choix jusqu’au bout bien des fois avec les cartes qu’il ne voit pas, et ne regarde jamais les vôtres. Menu Options : Dorvil classique, rusé ou expert.</translation>
    </message>
    <message>
        <source>Sharp Dorvil remembers every card he has seen and weighs each discard. Options menu: Dorvil Plays Classic, Sharp or Expert.</source>
        <translation>Dorvil rusé retient chaque carte qu&apos;il a vue et pèse chacune de ses défausses. Menu Options&#xa0;: Dorvil classique, Dorvil rusé ou Dorvil expert.</translation>
    </message>
</context>
<context>
    <name>FocusFrame</name>
    <message>
        <source>Keyboard focus</source>
        <extracomment>For screen readers: the frame round what the keys act on.</extracomment>
        <translation>Focus clavier</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Meldora Help</source>
        <extracomment>The title of the rules window.</extracomment>
        <translation>Aide de Meldora</translation>
    </message>
    <message>
        <source>Rules and Help</source>
        <extracomment>For screen readers: the rules text.</extracomment>
        <translation>Règles et aide</translation>
    </message>
    <message>
        <source>The help file mnuag.txt could not be read.</source>
        <extracomment>Shown in the rules window when its text cannot be read.</extracomment>
        <translation>Le fichier d&apos;aide mnuag.txt n&apos;a pas pu être lu.</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>Game History</source>
        <translation>Historique des parties</translation>
    </message>
    <message>
        <source>The Game History window could not be loaded.</source>
        <translation>La fenêtre Historique des parties n&apos;a pas pu être chargée.</translation>
    </message>
</context>
<context>
    <name>GameRecovery</name>
    <message>
        <source>Your last game against Dorvil was interrupted before it was finished. Would you like to carry on from where you left off?</source>
        <translation>Votre dernière partie contre Dorvil a été interrompue avant la fin. Voulez-vous la reprendre là où vous l&apos;avez laissée&#xa0;?</translation>
    </message>
    <message>
        <source>Carry On</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Start Afresh</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Game Interrupted</source>
        <translation>Partie interrompue</translation>
    </message>
</context>
<context>
    <name>HandReview</name>
    <message>
        <source>&amp;Review Hand</source>
        <extracomment>Play menu: the last hand shown again move by move, with the judgement of each move.</extracomment>
        <translation>&amp;Revoir la donne</translation>
    </message>
    <message>
        <source>Review Hand</source>
        <translation>Revoir la donne</translation>
    </message>
    <message>
        <source>No hand has been kept yet.</source>
        <translation>Aucune donne n&apos;a encore été conservée.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Lay the %1 of %2, %3 and %4 as a meld in column %5.</source>
        <extracomment>A set of three: %1 the rank in the plural (Fours), %2-%4 the suits, %5 the column.</extracomment>
        <translation>Posez les %1 de %2, de %3 et de %4 dans la colonne %5.</translation>
    </message>
    <message>
        <source>Lay the four %1 as a meld in column %2.</source>
        <extracomment>A set of four: %1 the rank in the plural (Fours), %2 the column.</extracomment>
        <translation>Posez les quatre %1 dans la colonne %2.</translation>
    </message>
    <message>
        <source>Lay the %1, %2 and %3 of %4 as a meld in column %5.</source>
        <extracomment>A run of three: %1-%3 the ranks, %4 the suit, %5 the column.</extracomment>
        <translation>Posez les %1, %2 et %3 de %4 dans la colonne %5.</translation>
    </message>
    <message>
        <source>Lay the %1 to the %2 of %3 as a meld in column %4.</source>
        <extracomment>A run of four or more: %1 its lowest rank, %2 its highest, %3 the suit, %4 the column.</extracomment>
        <translation>Posez la suite de %3 (%1 à %2) dans la colonne %4.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: it completes your run of %2.</source>
        <extracomment>%2 the run&apos;s suit (Hearts).</extracomment>
        <translation>Prenez %1 à la défausse&#xa0;: votre suite à %2 sera complète.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: it completes your set of %2.</source>
        <extracomment>%2 the set&apos;s rank in the plural (Fours).</extracomment>
        <translation>Prenez %1 à la défausse&#xa0;: votre brelan de %2 sera complet.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: it can be laid off on column %2.</source>
        <translation>Prenez %1 à la défausse&#xa0;: vous pourrez l&apos;ajouter à la colonne %2.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: the stock is empty.</source>
        <translation>Prenez %1 à la défausse&#xa0;: la pioche est vide.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: it brings your hand closer to a meld.</source>
        <translation>Prenez %1 à la défausse&#xa0;: votre main se rapproche d&apos;une combinaison.</translation>
    </message>
    <message>
        <source>Take a card from the stock.</source>
        <translation>Piochez une carte.</translation>
    </message>
    <message>
        <source>Lay the %1 in column %2 to complete your meld.</source>
        <translation>Posez %1 dans la colonne %2 pour compléter votre combinaison.</translation>
    </message>
    <message>
        <source>Lay the %1 in column %2 to go on with your meld.</source>
        <translation>Posez %1 dans la colonne %2 pour poursuivre votre combinaison.</translation>
    </message>
    <message>
        <source>Lay the %1 off on column %2.</source>
        <translation>Ajoutez %1 à la colonne %2.</translation>
    </message>
    <message>
        <source>Take back the open meld in column %1: your hand cannot complete it.</source>
        <translation>Reprenez la combinaison ouverte de la colonne %1&#xa0;: votre main ne peut pas la compléter.</translation>
    </message>
    <message>
        <source>Discard the %1 and go out.</source>
        <translation>Défaussez %1 et terminez la manche.</translation>
    </message>
    <message>
        <source>Discard the %1.</source>
        <translation>Défaussez %1.</translation>
    </message>
    <message>
        <source>Call a draw: the stock has been drawn through again and again, and this hand may never end.</source>
        <translation>Déclarez la partie nulle&#xa0;: la pioche a été refaite encore et encore, et cette manche pourrait ne jamais finir.</translation>
    </message>
    <message>
        <source>Call a draw: no more cards can be laid on the table, so this hand cannot end.</source>
        <translation>Déclarez la partie nulle&#xa0;: plus aucune carte ne peut être posée, cette manche ne peut donc pas finir.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: it does best as the hand plays out.</source>
        <translation>Prenez %1 à la défausse&#xa0;: c&apos;est ce qui rapporte le plus en moyenne.</translation>
    </message>
</context>
<context>
    <name>HintBox</name>
    <message>
        <source>Hint</source>
        <extracomment>For screen readers: the box that shows a hint or the demo&apos;s move.</extracomment>
        <translation>Indice</translation>
    </message>
</context>
<context>
    <name>HistoryCharts</name>
    <message>
        <source>$%1.%2</source>
        <extracomment>Money in the history&apos;s words: %1 the dollars, %2 the cents (two digits).</extracomment>
        <translation>%1,%2 $</translation>
    </message>
    <message>
        <source>Money owed after each game (above 0, Dorvil owes you)</source>
        <translation>Argent dû après chaque partie (au-dessus de 0, Dorvil vous doit)</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>The money chart&apos;s horizontal axis: the games by number.</extracomment>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Dollars</source>
        <translation>Dollars</translation>
    </message>
    <message>
        <source>Margins of the games won</source>
        <translation>Écarts des parties gagnées</translation>
    </message>
    <message>
        <source>you</source>
        <extracomment>The margin chart&apos;s legend: the games won by the player (%1), when the history has no name.</extracomment>
        <translation>vous</translation>
    </message>
    <message>
        <source>Won by %1</source>
        <extracomment>The margin chart&apos;s legend; %1 is the player&apos;s name.</extracomment>
        <translation>Gagnées par %1</translation>
    </message>
    <message>
        <source>Won by Dorvil</source>
        <translation>Gagnées par Dorvil</translation>
    </message>
    <message>
        <source>Margin in points</source>
        <translation>Écart en points</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>The margin chart&apos;s vertical axis: how many games.</extracomment>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Dorvil owes you %1.</source>
        <extracomment>%1 is an amount of money.</extracomment>
        <translation>Dorvil vous doit %1.</translation>
    </message>
    <message>
        <source>You owe Dorvil %1.</source>
        <extracomment>%1 is an amount of money.</extracomment>
        <translation>Vous devez %1 à Dorvil.</translation>
    </message>
    <message>
        <source>Nobody owes anything.</source>
        <translation>Personne ne doit rien.</translation>
    </message>
    <message numerus="yes">
        <source>After %Ln game: %1</source>
        <extracomment>What the money chart shows; %1 is who owes whom now (&quot;Dorvil owes you $0.39.&quot;).</extracomment>
        <translation>
            <numerusform>Bilan après %Ln partie. %1</numerusform>
            <numerusform>Bilan après %Ln parties. %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After %Ln games: %1</source>
        <translation>
            <numerusform>Bilan après %Ln partie. %1</numerusform>
            <numerusform>Bilan après %Ln parties. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The most he owed you was %1, after game %2</source>
        <extracomment>%1 an amount of money, %2 a game&apos;s number.</extracomment>
        <translation>Il vous a dû au plus %1, après la partie %2</translation>
    </message>
    <message>
        <source>He has never owed you anything</source>
        <translation>Il ne vous a jamais rien dû</translation>
    </message>
    <message>
        <source>the most you owed him was %1, after game %2.</source>
        <extracomment>%1 an amount of money, %2 a game&apos;s number.</extracomment>
        <translation>vous lui avez dû au plus %1, après la partie %2.</translation>
    </message>
    <message>
        <source>you have never owed him anything.</source>
        <translation>vous ne lui avez jamais rien dû.</translation>
    </message>
    <message>
        <source>%1 %2; %3</source>
        <extracomment>The sentences beside the money chart: %1 &quot;After 3 games: Dorvil owes you $0.39.&quot;, %2 the most Dorvil owed, %3 the most the player owed.</extracomment>
        <translation>%1 %2&#xa0;; %3</translation>
    </message>
    <message>
        <source>You won no game</source>
        <translation>Vous n&apos;avez gagné aucune partie</translation>
    </message>
    <message>
        <source>Your game was won by %1 points on average, %2 at most</source>
        <extracomment>%1 the average margin of the player&apos;s wins, %2 the largest.</extracomment>
        <translation>Votre victoire&#xa0;: %1 points d&apos;écart en moyenne, %2 au plus</translation>
    </message>
    <message numerus="yes">
        <source>Your %Ln games were won by %1 points on average, %2 at most</source>
        <extracomment>%Ln the player&apos;s games won, %1 their average margin, %2 the largest.</extracomment>
        <translation>
            <numerusform>Votre %Ln victoire&#xa0;: %1 points d&apos;écart en moyenne, %2 au plus</numerusform>
            <numerusform>Vos %Ln victoires&#xa0;: %1 points d&apos;écart en moyenne, %2 au plus</numerusform>
        </translation>
    </message>
    <message>
        <source>Dorvil won no game</source>
        <translation>Dorvil n&apos;a gagné aucune partie</translation>
    </message>
    <message>
        <source>Dorvil&apos;s game was won by %1 points on average, %2 at most</source>
        <translation>Victoire de Dorvil&#xa0;: %1 points d&apos;écart en moyenne, %2 au plus</translation>
    </message>
    <message numerus="yes">
        <source>Dorvil&apos;s %Ln games were won by %1 points on average, %2 at most</source>
        <translation>
            <numerusform>%Ln victoire de Dorvil&#xa0;: %1 points d&apos;écart en moyenne, %2 au plus</numerusform>
            <numerusform>%Ln victoires de Dorvil&#xa0;: %1 points d&apos;écart en moyenne, %2 au plus</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2.</source>
        <extracomment>The sentence beside the margin chart: %1 the player&apos;s wins, %2 Dorvil&apos;s.</extracomment>
        <translation>%1&#xa0;; %2.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the history writes a day (a QDate format: d the day, MMMM the month&apos;s name, yyyy the year).</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%Ln hand</source>
        <translation>
            <numerusform>%Ln manche</numerusform>
            <numerusform>%Ln manches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hands</source>
        <translation>
            <numerusform>%Ln manche</numerusform>
            <numerusform>%Ln manches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln game</source>
        <translation>
            <numerusform>%Ln partie</numerusform>
            <numerusform>%Ln parties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln games</source>
        <translation>
            <numerusform>%Ln partie</numerusform>
            <numerusform>%Ln parties</numerusform>
        </translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historique des parties</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <extracomment>A button: saves the history as a CSV file.</extracomment>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <extracomment>A button: empties the history after asking.</extracomment>
        <translation>E&amp;ffacer l&apos;historique</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>Figures</source>
        <extracomment>For screen readers: the table of figures.</extracomment>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Games won</source>
        <extracomment>The rows of the table of figures, which is 380 pixels wide with two columns of figures: keep each heading short.</extracomment>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taux de victoire</translation>
    </message>
    <message>
        <source>Hands won</source>
        <translation>Manches gagnées</translation>
    </message>
    <message>
        <source>Average points a hand won</source>
        <translation>Points par manche gagnée</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Plus longue série</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Série en cours</translation>
    </message>
    <message>
        <source>Biggest win</source>
        <translation>Plus large victoire</translation>
    </message>
    <message>
        <source>Money owed</source>
        <extracomment>The heading over the words that tell what the chart of the money owed shows.</extracomment>
        <translation>Argent dû</translation>
    </message>
    <message>
        <source>Margins</source>
        <extracomment>The heading over the words that tell what the chart of the games&apos; margins shows.</extracomment>
        <translation>Écarts</translation>
    </message>
    <message>
        <source>Chart of the money owed game after game</source>
        <translation>Graphique de l&apos;argent dû partie après partie</translation>
    </message>
    <message>
        <source>Chart of the games&apos; margins</source>
        <translation>Graphique des écarts des parties</translation>
    </message>
    <message>
        <source>Two cards face down</source>
        <extracomment>For screen readers: the picture of the empty history.</extracomment>
        <translation>Deux cartes face cachée</translation>
    </message>
    <message>
        <source>No folder can be written: hands are not recorded.</source>
        <translation>Aucun dossier n&apos;est accessible en écriture&#xa0;: les manches ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>The history is kept in %1</source>
        <translation>L&apos;historique est conservé dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln damaged line of the history file could not be read and was skipped.</source>
        <translation>
            <numerusform>%Ln ligne endommagée du fichier d&apos;historique n&apos;a pas pu être lue et a été ignorée.</numerusform>
            <numerusform>%Ln lignes endommagées du fichier d&apos;historique n&apos;ont pas pu être lues et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln damaged lines of the history file could not be read and were skipped.</source>
        <translation>
            <numerusform>%Ln ligne endommagée du fichier d&apos;historique n&apos;a pas pu être lue et a été ignorée.</numerusform>
            <numerusform>%Ln lignes endommagées du fichier d&apos;historique n&apos;ont pas pu être lues et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:large&apos;&gt;&lt;b&gt;No games in the history yet&lt;/b&gt;&lt;/p&gt;</source>
        <extracomment>The page shown while no game is in the history: rich text, keep the tags.</extracomment>
        <translation>&lt;p style=&apos;font-size:large&apos;&gt;&lt;b&gt;Aucune partie dans l&apos;historique pour l&apos;instant&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every hand you play against Dorvil is remembered here.&lt;br&gt;Once a game is won, this window tells how the rivalry goes:&lt;br&gt;the money owed game after game, the margins of the wins,&lt;br&gt;and the winning streaks.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Chaque manche jouée contre Dorvil est conservée ici.&lt;br&gt;Dès qu&apos;une partie est gagnée, cette fenêtre raconte la rivalité&#xa0;:&lt;br&gt;l&apos;argent dû partie après partie, les écarts des victoires&lt;br&gt;et les séries de victoires.&lt;/p&gt;</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;%Ln hand of your first game is recorded.&lt;br&gt;The figures and charts appear once a game is won.&lt;/p&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;%Ln manche de votre première partie est enregistrée.&lt;br&gt;Les chiffres et les graphiques apparaissent dès qu&apos;une partie est gagnée.&lt;/p&gt;</numerusform>
            <numerusform>&lt;p&gt;%Ln manches de votre première partie sont enregistrées.&lt;br&gt;Les chiffres et les graphiques apparaissent dès qu&apos;une partie est gagnée.&lt;/p&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;%Ln hands of your first game are recorded.&lt;br&gt;The figures and charts appear once a game is won.&lt;/p&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;%Ln manche de votre première partie est enregistrée.&lt;br&gt;Les chiffres et les graphiques apparaissent dès qu&apos;une partie est gagnée.&lt;/p&gt;</numerusform>
            <numerusform>&lt;p&gt;%Ln manches de votre première partie sont enregistrées.&lt;br&gt;Les chiffres et les graphiques apparaissent dès qu&apos;une partie est gagnée.&lt;/p&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 since %3. %4</source>
        <extracomment>The line at the top: %1 the games (&quot;3 games&quot;), %2 the hands (&quot;12 hands&quot;), %3 the day of the first hand, %4 who owes whom.</extracomment>
        <translation>%1 et %2 depuis le %3. %4</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The heading of the player&apos;s column when the history has no name.</extracomment>
        <translation>Vous</translation>
    </message>
    <message numerus="yes">
        <source>%Ln point</source>
        <translation>
            <numerusform>%Ln point</numerusform>
            <numerusform>%Ln points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln points</source>
        <translation>
            <numerusform>%Ln point</numerusform>
            <numerusform>%Ln points</numerusform>
        </translation>
    </message>
    <message>
        <source>in game %1, on %2</source>
        <extracomment>When the biggest win was: %1 the game&apos;s number, %2 the day. Begins with a small letter: it follows the figure, and starts a tool tip with a capital.</extracomment>
        <translation>à la partie %1, le %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>For screen readers, a figure: %1 the row, %2 whose, %3 the figure.</extracomment>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Games, hands and wins of %1 and of Dorvil.</source>
        <extracomment>For screen readers; %1 is the player&apos;s name.</extracomment>
        <translation>Parties, manches et victoires de %1 et de Dorvil.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>Meldora history.csv</source>
        <translation>Historique Meldora.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets.</extracomment>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <extracomment>%1 the hands (&quot;12 hands&quot;), %2 the file.</extracomment>
        <translation>Export de %1 vers %2 terminé</translation>
    </message>
    <message>
        <source>The history could not be saved to %1.
%2</source>
        <extracomment>%1 the file, %2 why.</extracomment>
        <translation>L&apos;historique n&apos;a pas pu être enregistré dans %1.
%2</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Effacer l&apos;historique</translation>
    </message>
    <message>
        <source>The history file could not be written.</source>
        <translation>Le fichier d&apos;historique n&apos;a pas pu être écrit.</translation>
    </message>
    <message numerus="yes">
        <source>You took %Ln hint, in %1.</source>
        <extracomment>After the summary: %1 the hands in which advice was taken (&quot;2 hands&quot;).</extracomment>
        <translation>
            <numerusform>Vous avez demandé %Ln indice, sur %1.</numerusform>
            <numerusform>Vous avez demandé %Ln indices, répartis sur %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You took %Ln hints, in %1.</source>
        <translation>
            <numerusform>Vous avez demandé %Ln indice, sur %1.</numerusform>
            <numerusform>Vous avez demandé %Ln indices, répartis sur %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A win rate; %1 the number, as the language writes it before its per cent sign.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>For screen readers, a figure shown as &quot;-&quot;: there is none yet.</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>&amp;Hands...</source>
        <extracomment>A button: the list of hands kept for review.</extracomment>
        <translation>&amp;Donnes...</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Donnes</translation>
    </message>
    <message>
        <source>Clear the whole history of games and the hands kept for review? They cannot be brought back.

The games won and the money owed in the Statistics frame stay as they are.</source>
        <translation>Effacer tout l&apos;historique des parties et les donnes conservées pour les revoir ? Elles ne pourront pas être récupérées.

Les parties gagnées et l&apos;argent dû dans le cadre Statistiques restent tels quels.</translation>
    </message>
    <message>
        <source>Games against each Dorvil</source>
        <extracomment>For screen readers: the table of the games against each Dorvil.</extracomment>
        <translation>Parties contre chaque Dorvil</translation>
    </message>
    <message>
        <source>Games you won and lost, and the money, against each Dorvil.</source>
        <extracomment>For screen readers: what the table of the games against each Dorvil holds.</extracomment>
        <translation>Les parties que vous avez gagnées et perdues, et l&apos;argent, contre chaque Dorvil.</translation>
    </message>
    <message>
        <source>Classic Dorvil</source>
        <extracomment>The rows of the table of the games against each Dorvil, 380 pixels wide with three columns of figures: keep each heading short.</extracomment>
        <translation>Dorvil classique</translation>
    </message>
    <message>
        <source>Sharp Dorvil</source>
        <translation>Dorvil rusé</translation>
    </message>
    <message>
        <source>Expert Dorvil</source>
        <translation>Dorvil expert</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <extracomment>The row of the games recorded before the history named the Dorvil who played them.</extracomment>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>The columns of the table of the games against each Dorvil: games the player won, games he lost, and the money he won (or lost). Keep each heading short.</extracomment>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>nothing yet</source>
        <extracomment>For screen readers, the money against a Dorvil not met yet.</extracomment>
        <translation>rien pour l&apos;instant</translation>
    </message>
    <message>
        <source>you won %1</source>
        <extracomment>For screen readers, the money won against a Dorvil: %1 an amount of money.</extracomment>
        <translation>vous avez gagné %1</translation>
    </message>
    <message>
        <source>you lost %1</source>
        <extracomment>For screen readers, the money lost against a Dorvil: %1 an amount of money.</extracomment>
        <translation>vous avez perdu %1</translation>
    </message>
    <message>
        <source>Games recorded before the history named the Dorvil who played them</source>
        <extracomment>The tool tip of the row &quot;Not recorded&quot;.</extracomment>
        <translation>Parties enregistrées avant que l&apos;historique ne nomme le Dorvil qui les a jouées</translation>
    </message>
    <message>
        <source>Figures and charts</source>
        <extracomment>For screen readers: the part of the window below the summary.</extracomment>
        <translation>Chiffres et graphiques</translation>
    </message>
</context>
<context>
    <name>KeptHandsList</name>
    <message>
        <source>Kept Hands</source>
        <extracomment>The title of the list of hands kept for review.</extracomment>
        <translation>Donnes conservées</translation>
    </message>
    <message>
        <source>Kept hands</source>
        <extracomment>For screen readers: the list of hands kept for review.</extracomment>
        <translation>Donnes conservées</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Went out</source>
        <translation>Sorti</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Dorvil</source>
        <translation>Dorvil</translation>
    </message>
    <message>
        <source>No one</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Rusé</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged entry was skipped.</source>
        <extracomment>Under the list: %n entries of the file could not be read.</extracomment>
        <translation>
            <numerusform>%n entrée endommagée a été ignorée.</numerusform>
            <numerusform>%n entrées endommagées ont été ignorées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n damaged entries were skipped.</source>
        <translation>
            <numerusform>%n entrée endommagée a été ignorée.</numerusform>
            <numerusform>%n entrées endommagées ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <extracomment>A button: opens the review of the hand chosen in the list.</extracomment>
        <translation>Re&amp;voir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>For screen readers, a cell of the list: %1 its column&apos;s heading, %2 the cell.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LanguageOption</name>
    <message>
        <source>System default</source>
        <extracomment>The Language submenu: the desktop&apos;s language.</extracomment>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <extracomment>The status tip of the Language submenu&apos;s items.
----------
The Language submenu&apos;s last line, which cannot be chosen.</extracomment>
        <translation>Prend effet au prochain démarrage</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The message once a language is chosen.</extracomment>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The new language takes effect when Meldora starts again.</source>
        <translation>La nouvelle langue prendra effet au prochain démarrage de Meldora.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <extracomment>Options menu: the submenu of the program&apos;s languages.</extracomment>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Table margins</source>
        <extracomment>For screen readers: the margins round the table when the window is larger than it.</extracomment>
        <translation>Marges de la table</translation>
    </message>
    <message>
        <source>Card table</source>
        <extracomment>For screen readers: the table itself.</extracomment>
        <translation>Table de jeu</translation>
    </message>
</context>
<context>
    <name>PaceOption</name>
    <message>
        <source>&amp;Pace</source>
        <extracomment>Options menu: the submenu that chooses how fast the cards move.</extracomment>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>Options menu, Pace: every pause and card move as long as the table has always had them.</extracomment>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Quick</source>
        <extracomment>Options menu, Pace: the deal, the player&apos;s moves and Dorvil&apos;s turn three times as fast.</extracomment>
        <translation>&amp;Rapide</translation>
    </message>
</context>
<context>
    <name>PlayerTurn</name>
    <message>
        <source>You have an incomplete Meld. Do you still wish to Discard this card?. If so click Discard, or Go Back to continue melding.You can take back card Melded by clicking on Button below your cards.</source>
        <extracomment>A message box when a card is discarded while a meld of one or two cards is open; the buttons are &quot;Discard&quot; and &quot;Go Back&quot;, the button below the cards is &quot;Take Back&quot;.</extracomment>
        <translation>Vous avez une combinaison incomplète. Voulez-vous quand même défausser cette carte&#xa0;? Si oui, cliquez sur Défausser, sinon sur Retour pour continuer à poser. Le bouton sous vos cartes reprend les cartes posées.</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>A message box&apos;s button: discard the card all the same.</extracomment>
        <translation>Défausser</translation>
    </message>
    <message>
        <source>Go Back</source>
        <extracomment>A message box&apos;s button: do not discard, go on melding.</extracomment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Discard or Not</source>
        <translation>Défausser ou non&#xa0;?</translation>
    </message>
    <message>
        <source>Sorry, this card will not meld with the cards already placed - perhaps in wrong order. Please try again</source>
        <extracomment>A message box when the second card of a meld does not fit the first.</extracomment>
        <translation>Désolé, cette carte ne va pas avec les cartes déjà posées – peut-être dans le mauvais ordre. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Try Again!</source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>Réessayer&#xa0;!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <extracomment>A message box&apos;s title.</extracomment>
        <translation>Réessayez</translation>
    </message>
    <message>
        <source> Sorry, this card will not Meld with the cards already placed - perhaps in wrong order. Please try again. You can take the cards back if you wish by clicking on button below or Discarding.</source>
        <extracomment>A message box when the third card of a meld does not fit the first two.</extracomment>
        <translation> Désolé, cette carte ne va pas avec les cartes déjà posées – peut-être dans le mauvais ordre. Veuillez réessayer. Vous pouvez reprendre les cartes avec le bouton ci-dessous ou en vous défaussant.</translation>
    </message>
    <message>
        <source>Carry On!</source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>Continuer&#xa0;!</translation>
    </message>
    <message>
        <source>Card will Not Meld Here</source>
        <translation>La carte ne va pas ici</translation>
    </message>
    <message>
        <source>%1 Sorry, you have not made a Meld of three and cannot add a single card until you have done so.</source>
        <extracomment>A message box when the player lays off before making a meld; %1 is the player&apos;s name.</extracomment>
        <translation>%1, désolé&#xa0;: vous n&apos;avez pas encore posé de combinaison de trois cartes et ne pouvez pas ajouter une carte seule avant de l&apos;avoir fait.</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>A message box&apos;s button: &quot;understood&quot; (not a direction).</extracomment>
        <translation>Compris</translation>
    </message>
    <message>
        <source>Cannot Meld single card  yet.</source>
        <translation>Pas encore d&apos;ajout possible</translation>
    </message>
    <message>
        <source>%1 Sorry, this card will not Meld with the cards already placed - perhaps in wrong order. Please try again.</source>
        <extracomment>A message box when a card laid off does not fit the meld; %1 is the player&apos;s name.</extracomment>
        <translation>%1, désolé, cette carte ne va pas avec les cartes déjà posées – peut-être dans le mauvais ordre. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Carry On</source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Card Not Meld Here</source>
        <translation>La carte ne va pas ici</translation>
    </message>
    <message>
        <source> Sorry, you don&apos;t have a complete meld, please try again</source>
        <extracomment>A message box when the player&apos;s last card leaves a meld of one or two cards open.</extracomment>
        <translation> Désolé, votre combinaison n&apos;est pas complète, veuillez réessayer.</translation>
    </message>
    <message>
        <source>Incomplete Meld</source>
        <translation>Combinaison incomplète</translation>
    </message>
    <message>
        <source> Sorry, this card may not be in the right column. Click on Carry On.</source>
        <extracomment>A message box when a card is dropped on another column while a meld is open; the button is &quot;Carry On!&quot;.</extracomment>
        <translation> Désolé, cette carte n&apos;est peut-être pas dans la bonne colonne. Cliquez sur Continuer.</translation>
    </message>
    <message>
        <source>Card not in right column?</source>
        <translation>Mauvaise colonne&#xa0;?</translation>
    </message>
    <message>
        <source>%1 now make Melds if you wish and Discard a card.</source>
        <extracomment>The instruction line once the player has taken a card; %1 is the player&apos;s name.</extracomment>
        <translation>%1, posez vos combinaisons si vous voulez, puis défaussez une carte.</translation>
    </message>
    <message>
        <source>%1 click here to deal cards.</source>
        <translation>%1, cliquez ici pour distribuer les cartes.</translation>
    </message>
    <message>
        <source>%1 tut, tut, you cannot look at Dorvil;s cards.</source>
        <translation>%1, allons, allons, pas question de regarder les cartes de Dorvil.</translation>
    </message>
    <message>
        <source>%1 it is not your turn at present.</source>
        <translation>%1, ce n&apos;est pas votre tour.</translation>
    </message>
    <message>
        <source>%1 you must first take a card.</source>
        <translation>%1, vous devez d&apos;abord prendre une carte.</translation>
    </message>
    <message>
        <source>%1 push cards to a Meld or the Discard pile.</source>
        <translation>%1, faites glisser des cartes vers une colonne ou sur la défausse.</translation>
    </message>
    <message>
        <source>%1 you may only click on UpCarrd or Stock card - at  the right time.</source>
        <translation>%1, cliquez seulement sur la carte visible ou la pioche – et au bon moment.</translation>
    </message>
    <message>
        <source>%1 click to take a Discard card.</source>
        <translation>%1, cliquez pour prendre la carte de la défausse.</translation>
    </message>
    <message>
        <source>%1 click to take a Stock card.</source>
        <translation>%1, cliquez pour prendre une carte de la pioche.</translation>
    </message>
    <message>
        <source>%1 you have already taken a card this turn..</source>
        <translation>%1, vous avez déjà pris une carte à ce tour.</translation>
    </message>
</context>
<context>
    <name>PracticeHand</name>
    <message>
        <source>Practice hand: not counted</source>
        <extracomment>On the table while a kept deal is played again; the hand counts nowhere.</extracomment>
        <translation>Partie d’entraînement : non comptée</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>taking the %1 from the discard pile</source>
        <translation>prendre %1 sur la défausse</translation>
    </message>
    <message>
        <source>taking a card from the stock</source>
        <translation>piocher dans le talon</translation>
    </message>
    <message>
        <source>discarding the %1</source>
        <translation>défausser %1</translation>
    </message>
    <message>
        <source>melding the %1</source>
        <translation>poser %1</translation>
    </message>
    <message>
        <source>laying off the %1 on Meld %2</source>
        <translation>ajouter %1 à la combinaison %2</translation>
    </message>
    <message>
        <source>Good: %1 was as good as any choice.</source>
        <translation>Bien : %1 valait tout autre choix.</translation>
    </message>
    <message>
        <source>%1 was worse than %2 by about %3 points on average.</source>
        <extracomment>%1 the choice made, %2 the better one, %3 points on average.</extracomment>
        <translation>%1 était en moyenne moins bon d’environ %3 points que %2.</translation>
    </message>
    <message>
        <source>Every decision you made was good.</source>
        <translation>Toutes vos décisions étaient bonnes.</translation>
    </message>
    <message>
        <source>move %1 (about %2 points)</source>
        <extracomment>A move that cost points: %1 its number in the review, %2 the points.</extracomment>
        <translation>coup %1 (environ %2 points)</translation>
    </message>
    <message>
        <source>The moves that cost most: %1. They cost about %2 points in all.</source>
        <extracomment>%1 the moves that cost most, %2 the points all costly decisions lost.</extracomment>
        <translation>Les coups les plus coûteux : %1. Ils ont coûté environ %2 points en tout.</translation>
    </message>
    <message>
        <source>Dealt by %1 on %2 at %3; %4; scores %5 to %6 before the hand, target %7.</source>
        <extracomment>The first line of a hand&apos;s review: %1 who dealt (&quot;you&quot; or &quot;Dorvil&quot;), %2 the date, %3 the time, %4 which Dorvil played, %5 and %6 the player&apos;s and Dorvil&apos;s scores before the hand, %7 the target.</extracomment>
        <translation>Donne de %1 le %2 à %3 ; %4 ; score %5 à %6 avant la donne, objectif %7.</translation>
    </message>
    <message>
        <source>you</source>
        <translation>vous</translation>
    </message>
    <message>
        <source>Expert Dorvil</source>
        <translation>Dorvil expert</translation>
    </message>
    <message>
        <source>Sharp Dorvil</source>
        <translation>Dorvil rusé</translation>
    </message>
    <message>
        <source>Classic Dorvil</source>
        <translation>Dorvil classique</translation>
    </message>
    <message>
        <source>Dorvil takes the %1 from the discard pile.</source>
        <translation>Dorvil prend sur la défausse : %1.</translation>
    </message>
    <message>
        <source>You take the %1 from the discard pile.</source>
        <translation>Vous prenez sur la défausse : %1.</translation>
    </message>
    <message>
        <source>Dorvil takes the %1 from the stock.</source>
        <translation>Dorvil pioche dans le talon : %1.</translation>
    </message>
    <message>
        <source>You take the %1 from the stock.</source>
        <translation>Vous piochez dans le talon : %1.</translation>
    </message>
    <message>
        <source>Dorvil lays off the %1 on Meld %2.</source>
        <translation>Dorvil ajoute à la combinaison %2 : %1.</translation>
    </message>
    <message>
        <source>You lay off the %1 on Meld %2.</source>
        <translation>Vous ajoutez à la combinaison %2 : %1.</translation>
    </message>
    <message>
        <source>Dorvil melds the %1 in Meld %2.</source>
        <translation>Dorvil pose dans la combinaison %2 : %1.</translation>
    </message>
    <message>
        <source>You meld the %1 in Meld %2.</source>
        <translation>Vous posez dans la combinaison %2 : %1.</translation>
    </message>
    <message>
        <source>You take your open meld back from Meld %1.</source>
        <translation>Vous reprenez votre combinaison ouverte %1.</translation>
    </message>
    <message>
        <source>Dorvil discards the %1.</source>
        <translation>Dorvil défausse : %1.</translation>
    </message>
    <message>
        <source>You discard the %1.</source>
        <translation>Vous défaussez : %1.</translation>
    </message>
    <message>
        <source>Dorvil ends his turn without a discard.</source>
        <translation>Dorvil termine son tour sans défausser.</translation>
    </message>
    <message>
        <source>You call a draw.</source>
        <translation>Vous déclarez la partie nulle.</translation>
    </message>
    <message>
        <source>The hand ends without a score.</source>
        <translation>La donne se termine sans score.</translation>
    </message>
    <message numerus="yes">
        <source>Dorvil goes out and scores %n point.</source>
        <translation>
            <numerusform>Dorvil sort et marque %n point.</numerusform>
            <numerusform>Dorvil sort et marque %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dorvil goes out and scores %n points.</source>
        <translation>
            <numerusform>Dorvil sort et marque %n point.</numerusform>
            <numerusform>Dorvil sort et marque %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You go out and score %n point.</source>
        <translation>
            <numerusform>Vous sortez et marquez %n point.</numerusform>
            <numerusform>Vous sortez et marquez %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You go out and score %n points.</source>
        <translation>
            <numerusform>Vous sortez et marquez %n point.</numerusform>
            <numerusform>Vous sortez et marquez %n points.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewTable</name>
    <message>
        <source>Dorvil&apos;s hand: %1. Your hand: %2.</source>
        <extracomment>The review&apos;s table for screen readers: %1 Dorvil&apos;s cards, %2 the player&apos;s.</extracomment>
        <translation>Main de Dorvil : %1. Votre main : %2.</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>Over the player&apos;s hand in the review&apos;s table.</extracomment>
        <translation>Vous</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Review Hand</source>
        <extracomment>The review window&apos;s title.</extracomment>
        <translation>Revoir la donne</translation>
    </message>
    <message>
        <source>Judging your moves...</source>
        <extracomment>The review&apos;s summary line while Expert Dorvil weighs the player&apos;s decisions.</extracomment>
        <translation>Évaluation de vos coups…</translation>
    </message>
    <message>
        <source>The deal (Home)</source>
        <translation>La donne (Début)</translation>
    </message>
    <message>
        <source>One move back (Left)</source>
        <translation>Un coup en arrière (Gauche)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>Play the hand through (Space)</source>
        <translation>Rejouer la donne en entier (Espace)</translation>
    </message>
    <message>
        <source>One move forward (Right)</source>
        <translation>Un coup en avant (Droite)</translation>
    </message>
    <message>
        <source>The end of the hand (End)</source>
        <translation>La fin de la donne (Fin)</translation>
    </message>
    <message>
        <source>Play This &amp;Deal Again</source>
        <translation>Rejouer cette &amp;donne</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>Close the review</source>
        <translation>Fermer la revue</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>The deal.</source>
        <translation>La donne.</translation>
    </message>
    <message>
        <source>The same deal as a practice hand (D)</source>
        <translation>La même donne en partie d’entraînement (D)</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>Player</source>
        <extracomment>The player&apos;s name until the player gives one.</extracomment>
        <translation>Joueur</translation>
    </message>
    <message>
        <source> Owed Dorvil</source>
        <extracomment>The statistics frame: heading over the money the player owes Dorvil.</extracomment>
        <translation> Dû à Dorvil</translation>
    </message>
    <message>
        <source> Target points are set to %1 for this game only. You must change before starting a session as you may sometimes want a quick game and somtimes a long one.</source>
        <extracomment>A message box once the target is set; %1 is the target points.</extracomment>
        <translation> L&apos;objectif est fixé à %1 points pour cette partie seulement. Changez-le avant de commencer une séance&#xa0;: on veut parfois une partie rapide, parfois une longue.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <extracomment>A message box&apos;s button: the player has read the message.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Target points set</source>
        <translation>Objectif fixé</translation>
    </message>
    <message>
        <source>Replace name Player?</source>
        <extracomment>The question of the name dialog (Options menu, Enter Your Name).</extracomment>
        <translation>Remplacer le nom « Joueur »&#xa0;?</translation>
    </message>
    <message>
        <source>Enter your name </source>
        <extracomment>The title of the name dialog.</extracomment>
        <translation>Saisissez votre nom</translation>
    </message>
    <message>
        <source>You name please</source>
        <extracomment>The name dialog&apos;s box holds this until the player types a name.</extracomment>
        <translation>Votre nom, s&apos;il vous plaît</translation>
    </message>
    <message>
        <source>Owed %1</source>
        <extracomment>The statistics frame: heading over the money Dorvil owes the player, once the player has given a name; %1 is the name.</extracomment>
        <translation>Dû à %1</translation>
    </message>
</context>
<context>
    <name>SoundOption</name>
    <message>
        <source>S&amp;ound</source>
        <extracomment>Options menu: the game&apos;s sounds on (checked) or off; Ctrl+M switches.</extracomment>
        <translation>&amp;Son</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Target</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Target Points for this game</source>
        <translation>Objectif de points de cette partie</translation>
    </message>
    <message>
        <source>Players Current Points</source>
        <translation>Score du joueur</translation>
    </message>
    <message>
        <source>Your current penalty points</source>
        <translation>Votre score actuel</translation>
    </message>
    <message>
        <source>Dorvil&apos;s Penalty Points</source>
        <translation>Score de Dorvil</translation>
    </message>
    <message>
        <source>Dorvil&apos;s current penalty points</source>
        <translation>Score actuel de Dorvil</translation>
    </message>
    <message>
        <source>Points your hand</source>
        <translation>Points en main</translation>
    </message>
    <message>
        <source>Number of points you currently have in your hand</source>
        <translation>Points des cartes que vous avez en main</translation>
    </message>
    <message>
        <source>Scores</source>
        <extracomment>The status bar&apos;s name, for screen readers (who add &quot;status bar&quot; to it).</extracomment>
        <translation>Scores</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>%1 It&apos;s your turn to Deal.</source>
        <extracomment>The instruction line while the player deals; %1 is the player&apos;s name.</extracomment>
        <translation>%1, c&apos;est à vous de distribuer.</translation>
    </message>
    <message>
        <source> It&apos;s Dorvil&apos;s turn to deal</source>
        <extracomment>The instruction line while Dorvil deals.</extracomment>
        <translation> C&apos;est à Dorvil de distribuer</translation>
    </message>
    <message>
        <source> In Stock %1</source>
        <extracomment>Under the stock once the face card is turned; %1 is the number of cards in the stock.</extracomment>
        <translation> Pioche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stock is empty so replacing with all Discard cards except face card</source>
        <translation>La pioche est vide&#xa0;: elle est refaite avec toutes les cartes de la défausse sauf la carte visible.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <extracomment>A message box&apos;s button: the player has read the message.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Replacing Stock</source>
        <extracomment>A message box&apos;s title.</extracomment>
        <translation>Nouvelle pioche</translation>
    </message>
    <message>
        <source>%1 you are in the middle of a game, are  you sure you wish to start a new one?</source>
        <extracomment>A message box; %1 is the player&apos;s name.</extracomment>
        <translation>%1, vous êtes en pleine partie. Voulez-vous vraiment en commencer une nouvelle&#xa0;?</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>A message box&apos;s button: start a new game.</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Oops No</source>
        <extracomment>A message box&apos;s button: do not start a new game after all.</extracomment>
        <translation>Oups, non</translation>
    </message>
    <message>
        <source>Really New Game?</source>
        <translation>Vraiment une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>This game will now finish with no scores and a new one will start</source>
        <extracomment>A message box, after the player has clicked Call Draw.</extracomment>
        <translation>Cette partie s&apos;arrête sans score et une nouvelle commence.</translation>
    </message>
    <message>
        <source>O.K</source>
        <extracomment>A message box&apos;s button: the player has read the message.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>New Game</source>
        <comment>title</comment>
        <extracomment>A message box&apos;s title.</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source> You are in the middle of a game. Are you sure you wish to exit?</source>
        <translation> Vous êtes en pleine partie. Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Yes Exit</source>
        <translation>Oui, quitter</translation>
    </message>
    <message>
        <source>Continue Game</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source> Really Exit?</source>
        <translation> Vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>%1 you are in the middle of a game or starting one, do you really wish to exit?</source>
        <extracomment>A message box when the window is closed; %1 is the player&apos;s name.</extracomment>
        <translation>%1, vous êtes en pleine partie ou sur le point d&apos;en commencer une. Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Really Exit?</source>
        <translation>Vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>%1 Points in your hand</source>
        <extracomment>The status bar&apos;s last panel; %1 is the points of the cards in the player&apos;s hand.</extracomment>
        <translation>%1 points en main</translation>
    </message>
    <message>
        <source>Dorvil says good to see you %1</source>
        <extracomment>Under Dorvil&apos;s name at start-up; %1 is the player&apos;s name.</extracomment>
        <translation>Dorvil dit&#xa0;: ravi de vous voir, %1</translation>
    </message>
    <message>
        <source>Cards shuffled - use menu if you wish and then click on pack or press F2 to deal cards.</source>
        <extracomment>The instruction line before the first deal.</extracomment>
        <translation>Cartes mélangées – utilisez le menu si besoin, puis cliquez sur le paquet ou appuyez sur F2 pour distribuer.</translation>
    </message>
    <message>
        <source>Unexpected error in procedure: %1
Error #%2: %3</source>
        <extracomment>An error box; %1 is the procedure&apos;s name, %2 the error&apos;s number, %3 its description.</extracomment>
        <translation>Erreur inattendue dans la procédure %1
Erreur n° %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Target:- %1</source>
        <extracomment>The status bar&apos;s first panel; %1 is the target points of a game.</extracomment>
        <translation>Objectif&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1&apos;s current points %2</source>
        <extracomment>The status bar&apos;s panel of the player&apos;s score; %1 is the player&apos;s name, %2 the score.</extracomment>
        <translation>Score de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Dorvil&apos;s current points %1</source>
        <extracomment>The status bar&apos;s panel of Dorvil&apos;s score; %1 is the score.</extracomment>
        <translation>Score de Dorvil&#xa0;: %1</translation>
    </message>
    <message>
        <source>Won %1</source>
        <extracomment>The statistics frame: heading over the games the player has won; %1 is the player&apos;s name.</extracomment>
        <translation>Victoires %1</translation>
    </message>
    <message>
        <source> Owed %1</source>
        <extracomment>The statistics frame: heading over the money Dorvil owes the player; %1 is the player&apos;s name.</extracomment>
        <translation> Dû à %1</translation>
    </message>
    <message>
        <source>In Stock:- %1</source>
        <extracomment>Under the stock; %1 is the number of cards in it.</extracomment>
        <translation>Pioche&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TableAdvice</name>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Play menu: shows the next step of a good turn.</extracomment>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <extracomment>Play menu: the computer plays the player&apos;s side until a key or a click.</extracomment>
        <translation>&amp;Démo</translation>
    </message>
</context>
<context>
    <name>TableControls</name>
    <message>
        <source>Click to take Stock Card</source>
        <extracomment>The caption of the stock&apos;s frame.</extracomment>
        <translation>Cliquez pour piocher</translation>
    </message>
    <message>
        <source>Push card on or click take</source>
        <extracomment>The caption of the discard pile&apos;s frame: drop a card on the pile, or click it to take it.</extracomment>
        <translation>Défaussez ou prenez</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>The caption of the frame of games won and money owed.</extracomment>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source> Won Player</source>
        <extracomment>The statistics frame: heading over the games the player has won (until the name shows).</extracomment>
        <translation> Victoires Joueur</translation>
    </message>
    <message>
        <source> Won Dorvil</source>
        <extracomment>The statistics frame: heading over the games Dorvil has won.</extracomment>
        <translation> Victoires Dorvil</translation>
    </message>
    <message>
        <source>Owed You</source>
        <extracomment>The statistics frame: heading over the money Dorvil owes the player (until the name shows).</extracomment>
        <translation>Vous est dû</translation>
    </message>
    <message>
        <source>Owed Dorvil</source>
        <extracomment>The statistics frame: heading over the money the player owes Dorvil.</extracomment>
        <translation>Dû à Dorvil</translation>
    </message>
    <message>
        <source>Call Draw</source>
        <extracomment>A button: end the game with no scores (shown once the stock has been rebuilt).</extracomment>
        <translation>Partie nulle</translation>
    </message>
    <message>
        <source>Click to call draw and start new hand</source>
        <translation>Cliquez pour déclarer la partie nulle et redistribuer</translation>
    </message>
    <message>
        <source>Sort Same</source>
        <extracomment>A button: sort the hand by rank, cards of a rank together.</extracomment>
        <translation>Par valeur</translation>
    </message>
    <message>
        <source>Click to sort cards the same</source>
        <translation>Cliquez pour trier les cartes par valeur</translation>
    </message>
    <message>
        <source>Sort Suits</source>
        <extracomment>A button: sort the hand by suit.</extracomment>
        <translation>Par couleur</translation>
    </message>
    <message>
        <source>Click to sort into suits</source>
        <translation>Cliquez pour trier les cartes par couleur</translation>
    </message>
    <message>
        <source>Take Back</source>
        <extracomment>A button: take the cards of a meld of one or two cards back into the hand.</extracomment>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Click to take back cards melded</source>
        <translation>Cliquez pour reprendre les cartes posées</translation>
    </message>
    <message>
        <source>   Meld 1           Meld 2         Meld 3         Meld 4           Meld 5          Meld 6      </source>
        <extracomment>The headings over the six meld columns, in one line, each separated from the next by two blanks or more: each is drawn centred over its column, 88 pixels wide.</extracomment>
        <translation>Colonne 1  Colonne 2  Colonne 3  Colonne 4  Colonne 5  Colonne 6</translation>
    </message>
    <message>
        <source>No. in Stock</source>
        <translation>Pioche</translation>
    </message>
    <message>
        <source>Discard Pile</source>
        <extracomment>The heading over the discard pile.</extracomment>
        <translation>Défausse</translation>
    </message>
</context>
<context>
    <name>TableGroups</name>
    <message numerus="yes">
        <source>Stock, %n card</source>
        <translation>
            <numerusform>Pioche, %n carte</numerusform>
            <numerusform>Pioche, %n cartes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stock, %n cards</source>
        <translation>
            <numerusform>Pioche, %n carte</numerusform>
            <numerusform>Pioche, %n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard pile: %1</source>
        <extracomment>%1 is the card on top of the discard pile.</extracomment>
        <translation>Défausse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Discard pile: empty</source>
        <translation>Défausse&#xa0;: vide</translation>
    </message>
    <message numerus="yes">
        <source>Dorvil&apos;s hand, %n card</source>
        <translation>
            <numerusform>Main de Dorvil, %n carte</numerusform>
            <numerusform>Main de Dorvil, %n cartes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dorvil&apos;s hand, %n cards</source>
        <translation>
            <numerusform>Main de Dorvil, %n carte</numerusform>
            <numerusform>Main de Dorvil, %n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>Meld %1: empty</source>
        <extracomment>A meld column with no card; %1 is its number.</extracomment>
        <translation>Colonne %1&#xa0;: vide</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the cards of a meld read out.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Meld %1: %2 of %3</source>
        <extracomment>A meld column with cards of one suit: %1 its number, %2 the ranks (&quot;Five, Six, Seven&quot;), %3 the suit (&quot;Hearts&quot;), as in the name of a card (&quot;Seven of Hearts&quot;).</extracomment>
        <translation>Colonne %1&#xa0;: %2 de %3</translation>
    </message>
    <message>
        <source>Meld %1: %2</source>
        <extracomment>A meld column with cards of several suits: %1 its number, %2 the cards.</extracomment>
        <translation>Colonne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Votre main</translation>
    </message>
    <message>
        <source>Meld %1: %2 of %3</source>
        <comment>set</comment>
        <extracomment>A meld column holding a set: %1 its number, %2 the rank in the plural (&quot;Nines&quot;), %3 its suits (&quot;Diamonds, Hearts and Spades&quot;).</extracomment>
        <translation>Colonne %1&#xa0;: %2 de %3</translation>
    </message>
    <message>
        <source>%1: %2 %3, %4 %5; %6 %7, %8 %9.</source>
        <extracomment>The statistics frame for screen readers: %1 its caption, then each heading and its figure (%2 &quot;Won Player&quot; %3 &quot;2&quot;, %4 &quot;Won Dorvil&quot; %5 &quot;1&quot;, %6 &quot;Owed Player&quot; %7 &quot;$0.00&quot;, ...).</extracomment>
        <translation>%1 : %2 %3, %4 %5 ; %6 %7, %8 %9.</translation>
    </message>
</context>
<context>
    <name>TableKeys</name>
    <message>
        <source>Your hand is sorted by suit. The first card is the %1.</source>
        <extracomment>For screen readers, after a sort: %1 the first card of the hand (&quot;Two of Clubs&quot;).</extracomment>
        <translation>Votre main est triée par couleur. Première carte&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your hand is sorted by rank. The first card is the %1.</source>
        <translation>Votre main est triée par valeur. Première carte&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>TableMenus</name>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À p&amp;ropos</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Rules and Help</source>
        <translation>Règles et aide</translation>
    </message>
    <message>
        <source>&amp;Change Target Points</source>
        <translation>&amp;Modifier l&apos;objectif de points</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Saisir votre nom</translation>
    </message>
    <message>
        <source>Erase Statistics</source>
        <translation>Effacer les statistiques</translation>
    </message>
    <message>
        <source>Game &amp;History</source>
        <translation>&amp;Historique des parties</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Card &amp;Deck...</source>
        <extracomment>Options menu: opens the dialog that chooses the cards&apos; look.</extracomment>
        <translation>&amp;Jeu de cartes...</translation>
    </message>
</context>
<context>
    <name>TargetFrame</name>
    <message>
        <source>Target points a game</source>
        <extracomment>The caption of the frame that sets the target points.</extracomment>
        <translation>Objectif par partie</translation>
    </message>
    <message>
        <source>Set number of points to play to in each game</source>
        <translation>Nombre de points à atteindre dans chaque partie</translation>
    </message>
    <message>
        <source>Target points</source>
        <extracomment>For screen readers: the box of the target points.</extracomment>
        <translation>Objectif de points</translation>
    </message>
    <message>
        <source>Enter the niumber of points for game Target</source>
        <translation>Saisissez le nombre de points de l&apos;objectif</translation>
    </message>
    <message>
        <source>&amp;O.K</source>
        <extracomment>The button that sets the target; Alt+O presses it, so keep the &amp; before the O.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click to Exit</source>
        <extracomment>The tool tip of the button that sets the target and closes the frame.</extracomment>
        <translation>Cliquez pour valider</translation>
    </message>
    <message>
        <source>Enter above how many Target points you wish to play for in each game. Default Target points are set to 100 but depending whether you want a long or short game enter any number you wish as the Target Points for your games. Anything entered below 25 will be set as 25 and any number above 500 as 500.</source>
        <extracomment>The explanation in the target frame: at most ten short lines.</extracomment>
        <translation>Saisissez ci-dessus le nombre de points à atteindre dans chaque partie. L&apos;objectif est de 100 par défaut, mais selon que vous voulez une partie longue ou courte, saisissez le nombre de votre choix. Moins de 25 devient 25, plus de 500 devient 500.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Meldora</source>
        <translation>À propos de Meldora</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Meldora - an enjoyable and fast  moving game of Rummy</source>
        <extracomment>Two short lines at most.</extracomment>
        <translation>Meldora – un jeu de rami amusant et rapide</translation>
    </message>
    <message>
        <source>A game for fun: the money owed is only kept score, never paid.</source>
        <extracomment>Three short lines at most.</extracomment>
        <translation>Un jeu pour le plaisir&#xa0;: l&apos;argent dû n&apos;est qu&apos;un score, jamais payé.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button: opens the desktop&apos;s system information program.</extracomment>
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Meldora - Rummy against Dorvil</source>
        <extracomment>The first line of meldora --help.</extracomment>
        <translation>Meldora – rami contre Dorvil</translation>
    </message>
    <message>
        <source>Makes every shuffle reproducible.</source>
        <extracomment>meldora --help: the option --seed N.</extracomment>
        <translation>Rend chaque mélange reproductible.</translation>
    </message>
</context>
</TS>
