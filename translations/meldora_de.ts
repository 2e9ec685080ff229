<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AdviceShown</name>
    <message>
        <source>Hint mark</source>
        <extracomment>For screen readers: a frame round what a hint names.</extracomment>
        <translation>Tipp-Markierung</translation>
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
        <translation>Ansagen</translation>
    </message>
    <message>
        <source>Dorvil takes the %1 from the discard pile.</source>
        <translation>Dorvil nimmt vom Ablagestapel: %1.</translation>
    </message>
    <message>
        <source>You take the %1 from the discard pile.</source>
        <translation>Du nimmst vom Ablagestapel: %1.</translation>
    </message>
    <message>
        <source>Dorvil takes a card from the stock.</source>
        <translation>Dorvil zieht eine Karte vom Stapel.</translation>
    </message>
    <message>
        <source>You take the %1 from the stock.</source>
        <translation>Du ziehst vom Stapel: %1.</translation>
    </message>
    <message>
        <source>Dorvil melds the %1 in Meld %2.</source>
        <translation>Dorvil legt in Auslage %2 aus: %1.</translation>
    </message>
    <message>
        <source>You meld the %1 in Meld %2.</source>
        <translation>Du legst in Auslage %2 aus: %1.</translation>
    </message>
    <message>
        <source>Dorvil lays off the %1 on Meld %2.</source>
        <translation>Dorvil legt an Auslage %2 an: %1.</translation>
    </message>
    <message>
        <source>You lay off the %1 on Meld %2.</source>
        <translation>Du legst an Auslage %2 an: %1.</translation>
    </message>
    <message>
        <source>You take back the %1 from Meld %2.</source>
        <translation>Du nimmst aus Auslage %2 zurück: %1.</translation>
    </message>
    <message>
        <source>The %1 goes back to your hand.</source>
        <translation>%1 geht zurück auf deine Hand.</translation>
    </message>
    <message>
        <source>Dorvil discards the %1.</source>
        <translation>Dorvil wirft ab: %1.</translation>
    </message>
    <message>
        <source>You discard the %1.</source>
        <translation>Du wirfst ab: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The stock now holds %n card from the discard pile.</source>
        <translation>
            <numerusform>Der Stapel hat jetzt %n Karte vom Ablagestapel.</numerusform>
            <numerusform>Der Stapel hat jetzt %n Karten vom Ablagestapel.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The stock now holds %n cards from the discard pile.</source>
        <translation>
            <numerusform>Der Stapel hat jetzt %n Karte vom Ablagestapel.</numerusform>
            <numerusform>Der Stapel hat jetzt %n Karten vom Ablagestapel.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dorvil wins the hand and scores %n point.</source>
        <translation>
            <numerusform>Dorvil gewinnt die Runde und bekommt %n Punkt.</numerusform>
            <numerusform>Dorvil gewinnt die Runde und bekommt %n Punkte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dorvil wins the hand and scores %n points.</source>
        <translation>
            <numerusform>Dorvil gewinnt die Runde und bekommt %n Punkt.</numerusform>
            <numerusform>Dorvil gewinnt die Runde und bekommt %n Punkte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You win the hand and score %n point.</source>
        <translation>
            <numerusform>Du gewinnst die Runde und bekommst %n Punkt.</numerusform>
            <numerusform>Du gewinnst die Runde und bekommst %n Punkte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You win the hand and score %n points.</source>
        <translation>
            <numerusform>Du gewinnst die Runde und bekommst %n Punkt.</numerusform>
            <numerusform>Du gewinnst die Runde und bekommst %n Punkte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Dorvil wins the game.</source>
        <translation>Dorvil gewinnt das Spiel.</translation>
    </message>
    <message>
        <source>You win the game.</source>
        <translation>Du gewinnst das Spiel.</translation>
    </message>
    <message>
        <source>Dorvil melds the %1 in Meld %2.</source>
        <comment>whole</comment>
        <extracomment>Dorvil&apos;s new meld, told when whole: %1 its cards (&quot;Fours of Diamonds, Clubs and Hearts&quot;), %2 its column&apos;s number.</extracomment>
        <translation>Dorvil legt in Auslage %2 aus: %1.</translation>
    </message>
    <message>
        <source>The cards are dealt. The face card is the %1.</source>
        <translation>Die Karten sind gegeben. Die offene Karte ist %1.</translation>
    </message>
    <message>
        <source>%1 Button: %2</source>
        <extracomment>For screen readers, after a message box&apos;s text: %1 the text, %2 its one button.</extracomment>
        <translation>%1 Schaltfläche: %2</translation>
    </message>
    <message>
        <source>%1 Buttons: %2</source>
        <extracomment>%1 the text, %2 its buttons.</extracomment>
        <translation>%1 Schaltflächen: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>position</comment>
        <extracomment>Where a card lies in the hand, for screen readers: the 2nd of 11 cards.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Meld %1 is open.</source>
        <extracomment>For screen readers, after a message box&apos;s buttons: %1 the open meld&apos;s column.</extracomment>
        <translation>Auslage %1 ist offen.</translation>
    </message>
    <message>
        <source>You held: %1.</source>
        <extracomment>The end of a hand, for screen readers: %1 the cards left in the loser&apos;s hand.</extracomment>
        <translation>Du hattest: %1.</translation>
    </message>
    <message>
        <source>Dorvil held: %1.</source>
        <translation>Dorvil hatte: %1.</translation>
    </message>
    <message>
        <source>You %1, Dorvil %2; target %3.</source>
        <extracomment>After a hand, for screen readers: %1 the player&apos;s score, %2 Dorvil&apos;s, %3 the target.</extracomment>
        <translation>Du %1, Dorvil %2; Ziel %3.</translation>
    </message>
    <message>
        <source>Final score: you %1, Dorvil %2.</source>
        <extracomment>The end of a game, for screen readers: %1 the player&apos;s final score, %2 Dorvil&apos;s.</extracomment>
        <translation>Endstand: du %1, Dorvil %2.</translation>
    </message>
    <message>
        <source>You win by 1 point: Dorvil owes you 1 cent.</source>
        <extracomment>%1 the margin in points, which is also the money in cents.</extracomment>
        <translation>Du gewinnst mit 1 Punkt Vorsprung: Dorvil schuldet dir 1 Cent.</translation>
    </message>
    <message>
        <source>You win by %1 points: Dorvil owes you %1 cents.</source>
        <translation>Du gewinnst mit %1 Punkten Vorsprung: Dorvil schuldet dir %1 Cent.</translation>
    </message>
    <message>
        <source>Dorvil wins by 1 point: you owe him 1 cent.</source>
        <translation>Dorvil gewinnt mit 1 Punkt Vorsprung: Du schuldest ihm 1 Cent.</translation>
    </message>
    <message>
        <source>Dorvil wins by %1 points: you owe him %1 cents.</source>
        <translation>Dorvil gewinnt mit %1 Punkten Vorsprung: Du schuldest ihm %1 Cent.</translation>
    </message>
</context>
<context>
    <name>CardDeck</name>
    <message>
        <source>its file %1 is missing</source>
        <extracomment>Why a card deck cannot be used (after &quot;Red cannot be used:&quot;); %1 is a file&apos;s name.</extracomment>
        <translation>Die Datei %1 fehlt</translation>
    </message>
    <message>
        <source>its file %1 cannot be read</source>
        <extracomment>Why a card deck cannot be used; %1 is a file&apos;s name.</extracomment>
        <translation>Die Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its file %1 is damaged or cut short</source>
        <extracomment>Why a card deck cannot be used; %1 is the name of its SVG file.</extracomment>
        <translation>Die Datei %1 ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>it has no card back</source>
        <extracomment>Why a card deck cannot be used: its drawing lacks the back.</extracomment>
        <translation>Die Kartenrückseite fehlt</translation>
    </message>
    <message>
        <source>it has no %1</source>
        <extracomment>Why a card deck cannot be used: %1 is a card&apos;s name (&quot;Queen of Spades&quot;) that its drawing lacks.</extracomment>
        <translation>Die Karte %1 fehlt</translation>
    </message>
    <message>
        <source>its card back is empty</source>
        <extracomment>Why a card deck cannot be used: its back is drawn empty.</extracomment>
        <translation>Die Kartenrückseite ist leer</translation>
    </message>
    <message>
        <source>its %1 is empty</source>
        <extracomment>Why a card deck cannot be used: %1 is a card&apos;s name (&quot;Queen of Spades&quot;) drawn empty.</extracomment>
        <translation>Die Karte %1 ist leer</translation>
    </message>
</context>
<context>
    <name>Cards</name>
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
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Card back</source>
        <extracomment>The picture of a face-down card, for screen readers.</extracomment>
        <translation>Kartenrückseite</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name, for screen readers: %1 is its rank (Seven), %2 its suit (Hearts).</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>Siebenen</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>Achten</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>Neunen</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>Ace of %1</source>
        <comment>object</comment>
        <translation>das %1-Ass</translation>
    </message>
    <message>
        <source>Two of %1</source>
        <comment>object</comment>
        <translation>die %1-Zwei</translation>
    </message>
    <message>
        <source>Three of %1</source>
        <comment>object</comment>
        <translation>die %1-Drei</translation>
    </message>
    <message>
        <source>Four of %1</source>
        <comment>object</comment>
        <translation>die %1-Vier</translation>
    </message>
    <message>
        <source>Five of %1</source>
        <comment>object</comment>
        <translation>die %1-Fünf</translation>
    </message>
    <message>
        <source>Six of %1</source>
        <comment>object</comment>
        <translation>die %1-Sechs</translation>
    </message>
    <message>
        <source>Seven of %1</source>
        <comment>object</comment>
        <translation>die %1-Sieben</translation>
    </message>
    <message>
        <source>Eight of %1</source>
        <comment>object</comment>
        <translation>die %1-Acht</translation>
    </message>
    <message>
        <source>Nine of %1</source>
        <comment>object</comment>
        <translation>die %1-Neun</translation>
    </message>
    <message>
        <source>Ten of %1</source>
        <comment>object</comment>
        <translation>die %1-Zehn</translation>
    </message>
    <message>
        <source>Jack of %1</source>
        <comment>object</comment>
        <translation>den %1-Buben</translation>
    </message>
    <message>
        <source>Queen of %1</source>
        <comment>object</comment>
        <translation>die %1-Dame</translation>
    </message>
    <message>
        <source>King of %1</source>
        <comment>object</comment>
        <translation>den %1-König</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of cards, ranks or suits (&quot;Clubs and Hearts&quot;).</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>set</comment>
        <extracomment>A set: %1 its rank in the plural (&quot;Fours&quot;), %2 its suits (&quot;Diamonds, Clubs and Hearts&quot;).</extracomment>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>run</comment>
        <extracomment>A run: %1 its ranks (&quot;Three, Four and Five&quot;), %2 its suit (&quot;Spades&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
</context>
<context>
    <name>DeckDialog</name>
    <message>
        <source>Card Deck</source>
        <extracomment>The title of the dialog that Options &gt; Card Deck... opens.</extracomment>
        <translation>Kartendeck</translation>
    </message>
    <message>
        <source>Choose the cards to play with:</source>
        <extracomment>Above the list of card decks, each shown by three of its cards.</extracomment>
        <translation>Wähle die Karten, mit denen du spielen willst:</translation>
    </message>
    <message>
        <source>Card decks</source>
        <extracomment>For screen readers: the list of card decks in the Card Deck dialog.</extracomment>
        <translation>Kartendecks</translation>
    </message>
    <message>
        <source>Use This Deck</source>
        <extracomment>The Card Deck dialog&apos;s button that puts the selected deck on the table.</extracomment>
        <translation>Dieses Kartendeck verwenden</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>Under the list of card decks: %1 is a deck&apos;s name, %2 why it cannot be used (&quot;its file red.svg is missing&quot;, &quot;it has no Queen of Spades&quot;).</extracomment>
        <translation>Das Kartendeck %1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>Under the list of card decks, while the deck chosen is read: %1 is its name.</extracomment>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <extracomment>The tool tip and, for screen readers, the description of a card deck that cannot be used: %1 says why (&quot;it has no Queen of Spades&quot;).</extracomment>
        <translation>Nicht verwendbar: %1</translation>
    </message>
</context>
<context>
    <name>DemoPlayer</name>
    <message>
        <source>The demo plays your hand. Press any key or click to play yourself.</source>
        <translation>Die Demo spielt deine Hand. Drück eine beliebige Taste oder klick, um selbst zu spielen.</translation>
    </message>
    <message>
        <source>The demo has stopped: the hand is over.</source>
        <translation>Die Demo ist beendet: Die Runde ist vorbei.</translation>
    </message>
    <message>
        <source>The demo has stopped: the table is yours.</source>
        <translation>Die Demo ist beendet: Du bist wieder am Zug.</translation>
    </message>
    <message>
        <source>The demo has stopped.</source>
        <translation>Die Demo ist beendet.</translation>
    </message>
    <message>
        <source>Demo: %1 Press any key or click to play yourself.</source>
        <extracomment>While the demo plays: %1 is the move about to be made, a sentence of its own.</extracomment>
        <translation>Demo: %1 Drück eine Taste oder klick, um selbst zu spielen.</translation>
    </message>
    <message>
        <source>Demo: %1</source>
        <extracomment>Told to a screen reader while the demo plays: %1 the move about to be made.</extracomment>
        <translation>Demo: %1</translation>
    </message>
    <message>
        <source>Not heard before you stopped it: %1</source>
        <extracomment>Told to a screen reader as the demo stops: %1 the moves it made that the player&apos;s key cut off before they were heard, each a sentence of its own.</extracomment>
        <translation>Vor dem Anhalten nicht gehört: %1</translation>
    </message>
</context>
<context>
    <name>Dorvil</name>
    <message>
        <source>%1 &apos; current points %2</source>
        <extracomment>The status bar&apos;s panel of the player&apos;s score once the player has won a hand; %1 is the player&apos;s name, %2 the score.</extracomment>
        <translation>Punktestand %1: %2</translation>
    </message>
    <message>
        <source>Next Hand</source>
        <extracomment>A message box&apos;s button: deal the next hand.</extracomment>
        <translation>Nächste Runde</translation>
    </message>
    <message>
        <source> You win the hand</source>
        <translation> Du gewinnst die Runde</translation>
    </message>
    <message>
        <source>Carry On!</source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>Weiter!</translation>
    </message>
    <message>
        <source> Dorvil Beaten Again.</source>
        <translation> Dorvil wieder geschlagen.</translation>
    </message>
    <message>
        <source> Dorvil&apos;s current points %1</source>
        <extracomment>The status bar&apos;s panel of Dorvil&apos;s score once he has won a hand; %1 is the score.</extracomment>
        <translation>Punktestand Dorvil: %1</translation>
    </message>
    <message>
        <source>%1   sorry, Dorvil won this hand and gains the number of points left in your hand as shown below.</source>
        <extracomment>A message box; %1 is the player&apos;s name.</extracomment>
        <translation>%1, leider hat Dorvil diese Runde gewonnen und bekommt die Punkte, die du noch auf der Hand hast (siehe unten).</translation>
    </message>
    <message>
        <source> Dorvil wins the Hand.</source>
        <translation> Dorvil gewinnt die Runde.</translation>
    </message>
    <message>
        <source>Carry On! </source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>Weiter! </translation>
    </message>
    <message>
        <source> Dorvil Wins Game.</source>
        <translation> Dorvil gewinnt das Spiel.</translation>
    </message>
    <message>
        <source>Would you like to play another game or leave for now?</source>
        <translation>Möchtest du noch ein Spiel spielen oder für heute aufhören?</translation>
    </message>
    <message>
        <source>Play Again</source>
        <extracomment>A message box&apos;s button: start the next game.</extracomment>
        <translation>Noch ein Spiel</translation>
    </message>
    <message>
        <source>Bye for Now</source>
        <extracomment>A message box&apos;s button: leave the program.</extracomment>
        <translation>Bis bald</translation>
    </message>
    <message>
        <source>Play another game?</source>
        <translation>Noch ein Spiel?</translation>
    </message>
    <message>
        <source>%1 please take either a Discard card or a Stock card by clicking on the one you want</source>
        <extracomment>The instruction line at the start of the player&apos;s turn; %1 is the player&apos;s name.</extracomment>
        <translation>%1, nimm bitte eine Karte: Klicke auf den Ablagestapel oder auf den Stapel.</translation>
    </message>
    <message>
        <source>Dorvil is now playing his hand.</source>
        <extracomment>The instruction line during Dorvil&apos;s turn.</extracomment>
        <translation>Dorvil ist jetzt am Zug.</translation>
    </message>
    <message>
        <source>Well done, you won this hand
 and receive the points left in Dorvil&apos;s hand as shown below.</source>
        <extracomment>A message box of two lines.</extracomment>
        <translation>Gut gemacht, du hast diese Runde gewonnen und bekommst die Punkte, die Dorvil noch auf der Hand hat (siehe unten).</translation>
    </message>
    <message>
        <source>%1 well done you won the hand and the game.
 See statistics top right for details.</source>
        <extracomment>A message box of two lines; %1 is the player&apos;s name.</extracomment>
        <translation>%1, gut gemacht: Du hast die Runde und das Spiel gewonnen. Einzelheiten stehen in der Statistik oben rechts.</translation>
    </message>
    <message>
        <source>%1 unfortunately Dorvil won the hand and the game.
 See statistics top right for details.</source>
        <extracomment>A message box of two lines; %1 is the player&apos;s name.</extracomment>
        <translation>%1, leider hat Dorvil die Runde und das Spiel gewonnen. Einzelheiten stehen in der Statistik oben rechts.</translation>
    </message>
</context>
<context>
    <name>DorvilOption</name>
    <message>
        <source>Dorvil Plays C&amp;lassic</source>
        <extracomment>Options menu: Dorvil plays by the classic fixed rules.</extracomment>
        <translation>Dorvil spielt &amp;klassisch</translation>
    </message>
    <message>
        <source>Dorvil Plays &amp;Sharp</source>
        <extracomment>Options menu: the stronger Dorvil, who remembers the cards he has seen (&quot;Sharp Dorvil&quot;).</extracomment>
        <translation>Dorvil spielt &amp;gewieft</translation>
    </message>
    <message>
        <source>Sharp from the next hand</source>
        <translation>Gewieft ab der nächsten Runde</translation>
    </message>
    <message>
        <source>Classic from the next hand</source>
        <extracomment>The note under Dorvil&apos;s name: the other Dorvil is chosen and sits down at the next deal.</extracomment>
        <translation>Klassisch ab der nächsten Runde</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Gewieft</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>The note under Dorvil&apos;s name: which Dorvil plays now.</extracomment>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The note under Dorvil&apos;s name: %1 who plays now, %2 who plays from the next hand.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Dorvil plays %1</source>
        <extracomment>For screen readers and the statistics frame&apos;s tool tip; %1 is Sharp or Classic.</extracomment>
        <translation>Dorvils Spielweise: %1</translation>
    </message>
    <message>
        <source>Dorvil plays %1; %2</source>
        <extracomment>As &quot;Dorvil plays %1&quot;, with the next hand&apos;s Dorvil.</extracomment>
        <translation>Dorvils Spielweise: %1; %2</translation>
    </message>
    <message>
        <source>Dorvil Plays &amp;Expert</source>
        <extracomment>Options menu: the strongest Dorvil, who plays each choice forward (&quot;Expert Dorvil&quot;).</extracomment>
        <translation>Dorvil spielt &amp;meisterlich</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Meisterlich</translation>
    </message>
    <message>
        <source>Expert from the next hand</source>
        <translation>Meisterlich ab der nächsten Runde</translation>
    </message>
    <message>
        <source>Expert Dorvil is at the table: he plays each choice forward many times over the cards he cannot see, and never looks at yours. Options menu: Dorvil Plays Classic, Sharp or Expert.</source>
        <extracomment>The note&apos;s tool tip while Expert Dorvil is at the table or about to be.</extracomment>
        <translation>Der meisterliche Dorvil sitzt am Tisch: Er spielt jede Wahl viele Male mit den Karten durch, die er nicht sieht, und schaut nie in deine. Menü Optionen: Dorvil spielt klassisch, gewieft oder meisterlich.</translation>
    </message>
    <message>
        <source>Sharp Dorvil remembers every card he has seen and weighs each discard. Options menu: Dorvil Plays Classic, Sharp or Expert.</source>
        <translation>Der gewiefte Dorvil merkt sich jede Karte, die er gesehen hat, und wägt jeden Abwurf genau ab. Menü Optionen: Dorvil spielt klassisch, gewieft oder meisterlich.</translation>
    </message>
</context>
<context>
    <name>FocusFrame</name>
    <message>
        <source>Keyboard focus</source>
        <extracomment>For screen readers: the frame round what the keys act on.</extracomment>
        <translation>Tastaturfokus</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Meldora Help</source>
        <extracomment>The title of the rules window.</extracomment>
        <translation>Meldora – Hilfe</translation>
    </message>
    <message>
        <source>Rules and Help</source>
        <extracomment>For screen readers: the rules text.</extracomment>
        <translation>Regeln und Hilfe</translation>
    </message>
    <message>
        <source>The help file mnuag.txt could not be read.</source>
        <extracomment>Shown in the rules window when its text cannot be read.</extracomment>
        <translation>Die Hilfedatei mnuag.txt konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>Game History</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>The Game History window could not be loaded.</source>
        <translation>Das Fenster Spielverlauf konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>GameRecovery</name>
    <message>
        <source>Your last game against Dorvil was interrupted before it was finished. Would you like to carry on from where you left off?</source>
        <translation>Dein letztes Spiel gegen Dorvil wurde unterbrochen, bevor es zu Ende war. Möchtest du dort weiterspielen, wo du aufgehört hast?</translation>
    </message>
    <message>
        <source>Carry On</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>Start Afresh</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>Game Interrupted</source>
        <translation>Spiel unterbrochen</translation>
    </message>
</context>
<context>
    <name>HandReview</name>
    <message>
        <source>&amp;Review Hand</source>
        <extracomment>Play menu: the last hand shown again move by move, with the judgement of each move.</extracomment>
        <translation>&amp;Rückblick auf die Runde</translation>
    </message>
    <message>
        <source>Review Hand</source>
        <translation>Rückblick auf die Runde</translation>
    </message>
    <message>
        <source>No hand has been kept yet.</source>
        <translation>Es wurde noch keine Runde aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Lay the %1 of %2, %3 and %4 as a meld in column %5.</source>
        <extracomment>A set of three: %1 the rank in the plural (Fours), %2-%4 the suits, %5 the column.</extracomment>
        <translation>Lege die %2-, %3- und %4-%1 als Kombination in Auslage %5 aus.</translation>
    </message>
    <message>
        <source>Lay the four %1 as a meld in column %2.</source>
        <extracomment>A set of four: %1 the rank in the plural (Fours), %2 the column.</extracomment>
        <translation>Lege die vier %1 als Kombination in Auslage %2 aus.</translation>
    </message>
    <message>
        <source>Lay the %1, %2 and %3 of %4 as a meld in column %5.</source>
        <extracomment>A run of three: %1-%3 the ranks, %4 the suit, %5 the column.</extracomment>
        <translation>Lege die %4-%1, -%2 und -%3 als Kombination in Auslage %5 aus.</translation>
    </message>
    <message>
        <source>Lay the %1 to the %2 of %3 as a meld in column %4.</source>
        <extracomment>A run of four or more: %1 its lowest rank, %2 its highest, %3 the suit, %4 the column.</extracomment>
        <translation>Lege die %3-Folge von %1 bis %2 als Kombination in Auslage %4 aus.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: it completes your run of %2.</source>
        <extracomment>%2 the run&apos;s suit (Hearts).</extracomment>
        <translation>Nimm %1 vom Ablagestapel: Damit ist deine %2-Folge komplett.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: it completes your set of %2.</source>
        <extracomment>%2 the set&apos;s rank in the plural (Fours).</extracomment>
        <translation>Nimm %1 vom Ablagestapel: Damit hast du einen Satz %2 beisammen.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: it can be laid off on column %2.</source>
        <translation>Nimm %1 vom Ablagestapel: Die Karte passt an Auslage %2.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: the stock is empty.</source>
        <translation>Nimm %1 vom Ablagestapel: Der Stapel ist leer.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: it brings your hand closer to a meld.</source>
        <translation>Nimm %1 vom Ablagestapel: Damit kommst du einer Kombination näher.</translation>
    </message>
    <message>
        <source>Take a card from the stock.</source>
        <translation>Zieh eine Karte vom Stapel.</translation>
    </message>
    <message>
        <source>Lay the %1 in column %2 to complete your meld.</source>
        <translation>Lege %1 in Auslage %2 und mach deine Kombination komplett.</translation>
    </message>
    <message>
        <source>Lay the %1 in column %2 to go on with your meld.</source>
        <translation>Lege %1 in Auslage %2 und setz deine Kombination fort.</translation>
    </message>
    <message>
        <source>Lay the %1 off on column %2.</source>
        <translation>Lege %1 an Auslage %2 an.</translation>
    </message>
    <message>
        <source>Take back the open meld in column %1: your hand cannot complete it.</source>
        <translation>Nimm die offene Kombination aus Auslage %1 zurück: Deine Hand kann sie nicht vervollständigen.</translation>
    </message>
    <message>
        <source>Discard the %1 and go out.</source>
        <translation>Wirf %1 ab und mach aus.</translation>
    </message>
    <message>
        <source>Discard the %1.</source>
        <translation>Wirf %1 ab.</translation>
    </message>
    <message>
        <source>Call a draw: the stock has been drawn through again and again, and this hand may never end.</source>
        <translation>Erkläre Remis: Der Stapel wurde wieder und wieder durchgespielt, diese Runde endet vielleicht nie.</translation>
    </message>
    <message>
        <source>Call a draw: no more cards can be laid on the table, so this hand cannot end.</source>
        <translation>Erkläre Remis: Keine Karte lässt sich mehr auf den Tisch legen, diese Runde kann also nicht enden.</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile: it does best as the hand plays out.</source>
        <translation>Nimm %1 vom Ablagestapel: So läuft die Runde im Schnitt am besten.</translation>
    </message>
</context>
<context>
    <name>HintBox</name>
    <message>
        <source>Hint</source>
        <extracomment>For screen readers: the box that shows a hint or the demo&apos;s move.</extracomment>
        <translation>Tipp</translation>
    </message>
</context>
<context>
    <name>HistoryCharts</name>
    <message>
        <source>$%1.%2</source>
        <extracomment>Money in the history&apos;s words: %1 the dollars, %2 the cents (two digits).</extracomment>
        <translation>%1,%2&#xa0;$</translation>
    </message>
    <message>
        <source>Money owed after each game (above 0, Dorvil owes you)</source>
        <translation>Konto nach jedem Spiel (über 0 schuldet Dorvil dir etwas)</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>The money chart&apos;s horizontal axis: the games by number.</extracomment>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Dollars</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>Margins of the games won</source>
        <translation>Vorsprung in den gewonnenen Spielen</translation>
    </message>
    <message>
        <source>you</source>
        <extracomment>The margin chart&apos;s legend: the games won by the player (%1), when the history has no name.</extracomment>
        <translation>dir</translation>
    </message>
    <message>
        <source>Won by %1</source>
        <extracomment>The margin chart&apos;s legend; %1 is the player&apos;s name.</extracomment>
        <translation>Gewonnen von %1</translation>
    </message>
    <message>
        <source>Won by Dorvil</source>
        <translation>Gewonnen von Dorvil</translation>
    </message>
    <message>
        <source>Margin in points</source>
        <translation>Vorsprung in Punkten</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>The margin chart&apos;s vertical axis: how many games.</extracomment>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Dorvil owes you %1.</source>
        <extracomment>%1 is an amount of money.</extracomment>
        <translation>Dorvil schuldet dir %1.</translation>
    </message>
    <message>
        <source>You owe Dorvil %1.</source>
        <extracomment>%1 is an amount of money.</extracomment>
        <translation>Du schuldest Dorvil %1.</translation>
    </message>
    <message>
        <source>Nobody owes anything.</source>
        <translation>Niemand schuldet etwas.</translation>
    </message>
    <message numerus="yes">
        <source>After %Ln game: %1</source>
        <extracomment>What the money chart shows; %1 is who owes whom now (&quot;Dorvil owes you $0.39.&quot;).</extracomment>
        <translation>
            <numerusform>Nach %Ln Spiel: %1</numerusform>
            <numerusform>Nach %Ln Spielen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After %Ln games: %1</source>
        <translation>
            <numerusform>Nach %Ln Spiel: %1</numerusform>
            <numerusform>Nach %Ln Spielen: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The most he owed you was %1, after game %2</source>
        <extracomment>%1 an amount of money, %2 a game&apos;s number.</extracomment>
        <translation>Am meisten schuldete er dir %1, nach Spiel %2</translation>
    </message>
    <message>
        <source>He has never owed you anything</source>
        <translation>Er hat dir nie etwas geschuldet</translation>
    </message>
    <message>
        <source>the most you owed him was %1, after game %2.</source>
        <extracomment>%1 an amount of money, %2 a game&apos;s number.</extracomment>
        <translation>du schuldetest ihm höchstens %1, nach Spiel %2.</translation>
    </message>
    <message>
        <source>you have never owed him anything.</source>
        <translation>du hast ihm nie etwas geschuldet.</translation>
    </message>
    <message>
        <source>%1 %2; %3</source>
        <extracomment>The sentences beside the money chart: %1 &quot;After 3 games: Dorvil owes you $0.39.&quot;, %2 the most Dorvil owed, %3 the most the player owed.</extracomment>
        <translation>%1 %2; %3</translation>
    </message>
    <message>
        <source>You won no game</source>
        <translation>Du hast kein Spiel gewonnen</translation>
    </message>
    <message>
        <source>Your game was won by %1 points on average, %2 at most</source>
        <extracomment>%1 the average margin of the player&apos;s wins, %2 the largest.</extracomment>
        <translation>Dein Sieg: im Schnitt %1 Punkte Vorsprung, höchstens %2</translation>
    </message>
    <message numerus="yes">
        <source>Your %Ln games were won by %1 points on average, %2 at most</source>
        <extracomment>%Ln the player&apos;s games won, %1 their average margin, %2 the largest.</extracomment>
        <translation>
            <numerusform>Dein %Ln Sieg: im Schnitt %1 Punkte Vorsprung, höchstens %2</numerusform>
            <numerusform>Deine %Ln Siege: im Schnitt %1 Punkte Vorsprung, höchstens %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Dorvil won no game</source>
        <translation>Dorvil hat kein Spiel gewonnen</translation>
    </message>
    <message>
        <source>Dorvil&apos;s game was won by %1 points on average, %2 at most</source>
        <translation>Dorvils Sieg: im Schnitt %1 Punkte Vorsprung, höchstens %2</translation>
    </message>
    <message numerus="yes">
        <source>Dorvil&apos;s %Ln games were won by %1 points on average, %2 at most</source>
        <translation>
            <numerusform>Dorvils %Ln Sieg: im Schnitt %1 Punkte Vorsprung, höchstens %2</numerusform>
            <numerusform>Dorvils %Ln Siege: im Schnitt %1 Punkte Vorsprung, höchstens %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2.</source>
        <extracomment>The sentence beside the margin chart: %1 the player&apos;s wins, %2 Dorvil&apos;s.</extracomment>
        <translation>%1; %2.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the history writes a day (a QDate format: d the day, MMMM the month&apos;s name, yyyy the year).</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%Ln hand</source>
        <translation>
            <numerusform>%Ln Runde</numerusform>
            <numerusform>%Ln Runden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hands</source>
        <translation>
            <numerusform>%Ln Runde</numerusform>
            <numerusform>%Ln Runden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln game</source>
        <translation>
            <numerusform>%Ln Spiel</numerusform>
            <numerusform>%Ln Spiele</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln games</source>
        <translation>
            <numerusform>%Ln Spiel</numerusform>
            <numerusform>%Ln Spiele</numerusform>
        </translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <extracomment>A button: saves the history as a CSV file.</extracomment>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <extracomment>A button: empties the history after asking.</extracomment>
        <translation>Verlauf &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Figures</source>
        <extracomment>For screen readers: the table of figures.</extracomment>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Games won</source>
        <extracomment>The rows of the table of figures, which is 380 pixels wide with two columns of figures: keep each heading short.</extracomment>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Siegquote</translation>
    </message>
    <message>
        <source>Hands won</source>
        <translation>Gewonnene Runden</translation>
    </message>
    <message>
        <source>Average points a hand won</source>
        <translation>Punkte je gewonnene Runde</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Längste Siegesserie</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Aktuelle Siegesserie</translation>
    </message>
    <message>
        <source>Biggest win</source>
        <translation>Höchster Sieg</translation>
    </message>
    <message>
        <source>Money owed</source>
        <extracomment>The heading over the words that tell what the chart of the money owed shows.</extracomment>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Margins</source>
        <extracomment>The heading over the words that tell what the chart of the games&apos; margins shows.</extracomment>
        <translation>Vorsprung</translation>
    </message>
    <message>
        <source>Chart of the money owed game after game</source>
        <translation>Diagramm des Kontos Spiel für Spiel</translation>
    </message>
    <message>
        <source>Chart of the games&apos; margins</source>
        <translation>Diagramm des Vorsprungs in den Spielen</translation>
    </message>
    <message>
        <source>Two cards face down</source>
        <extracomment>For screen readers: the picture of the empty history.</extracomment>
        <translation>Zwei verdeckte Karten</translation>
    </message>
    <message>
        <source>No folder can be written: hands are not recorded.</source>
        <translation>Kein Ordner ist beschreibbar: Die Runden werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The history is kept in %1</source>
        <translation>Der Verlauf wird hier gespeichert: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln damaged line of the history file could not be read and was skipped.</source>
        <translation>
            <numerusform>%Ln beschädigte Zeile der Verlaufsdatei konnte nicht gelesen werden und wurde übersprungen.</numerusform>
            <numerusform>%Ln beschädigte Zeilen der Verlaufsdatei konnten nicht gelesen werden und wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln damaged lines of the history file could not be read and were skipped.</source>
        <translation>
            <numerusform>%Ln beschädigte Zeile der Verlaufsdatei konnte nicht gelesen werden und wurde übersprungen.</numerusform>
            <numerusform>%Ln beschädigte Zeilen der Verlaufsdatei konnten nicht gelesen werden und wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:large&apos;&gt;&lt;b&gt;No games in the history yet&lt;/b&gt;&lt;/p&gt;</source>
        <extracomment>The page shown while no game is in the history: rich text, keep the tags.</extracomment>
        <translation>&lt;p style=&apos;font-size:large&apos;&gt;&lt;b&gt;Noch keine Spiele im Verlauf&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every hand you play against Dorvil is remembered here.&lt;br&gt;Once a game is won, this window tells how the rivalry goes:&lt;br&gt;the money owed game after game, the margins of the wins,&lt;br&gt;and the winning streaks.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Jede Runde, die du gegen Dorvil spielst, wird hier festgehalten.&lt;br&gt;Sobald ein Spiel gewonnen ist, zeigt dieses Fenster, wie das Duell steht:&lt;br&gt;das Konto Spiel für Spiel, den Vorsprung bei den Siegen&lt;br&gt;und die Siegesserien.&lt;/p&gt;</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;%Ln hand of your first game is recorded.&lt;br&gt;The figures and charts appear once a game is won.&lt;/p&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;%Ln Runde deines ersten Spiels ist aufgezeichnet.&lt;br&gt;Zahlen und Diagramme erscheinen, sobald ein Spiel gewonnen ist.&lt;/p&gt;</numerusform>
            <numerusform>&lt;p&gt;%Ln Runden deines ersten Spiels sind aufgezeichnet.&lt;br&gt;Zahlen und Diagramme erscheinen, sobald ein Spiel gewonnen ist.&lt;/p&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;%Ln hands of your first game are recorded.&lt;br&gt;The figures and charts appear once a game is won.&lt;/p&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;%Ln Runde deines ersten Spiels ist aufgezeichnet.&lt;br&gt;Zahlen und Diagramme erscheinen, sobald ein Spiel gewonnen ist.&lt;/p&gt;</numerusform>
            <numerusform>&lt;p&gt;%Ln Runden deines ersten Spiels sind aufgezeichnet.&lt;br&gt;Zahlen und Diagramme erscheinen, sobald ein Spiel gewonnen ist.&lt;/p&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 since %3. %4</source>
        <extracomment>The line at the top: %1 the games (&quot;3 games&quot;), %2 the hands (&quot;12 hands&quot;), %3 the day of the first hand, %4 who owes whom.</extracomment>
        <translation>%1 und %2 seit dem %3. %4</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The heading of the player&apos;s column when the history has no name.</extracomment>
        <translation>Du</translation>
    </message>
    <message numerus="yes">
        <source>%Ln point</source>
        <translation>
            <numerusform>%Ln Punkt</numerusform>
            <numerusform>%Ln Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln points</source>
        <translation>
            <numerusform>%Ln Punkt</numerusform>
            <numerusform>%Ln Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>in game %1, on %2</source>
        <extracomment>When the biggest win was: %1 the game&apos;s number, %2 the day. Begins with a small letter: it follows the figure, and starts a tool tip with a capital.</extracomment>
        <translation>im Spiel %1, am %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>For screen readers, a figure: %1 the row, %2 whose, %3 the figure.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Games, hands and wins of %1 and of Dorvil.</source>
        <extracomment>For screen readers; %1 is the player&apos;s name.</extracomment>
        <translation>Spiele, Runden und Siege von %1 und von Dorvil.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>Meldora history.csv</source>
        <translation>Meldora-Verlauf.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets.</extracomment>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <extracomment>%1 the hands (&quot;12 hands&quot;), %2 the file.</extracomment>
        <translation>%1 nach %2 exportiert</translation>
    </message>
    <message>
        <source>The history could not be saved to %1.
%2</source>
        <extracomment>%1 the file, %2 why.</extracomment>
        <translation>Der Verlauf konnte nicht in %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf leeren</translation>
    </message>
    <message>
        <source>The history file could not be written.</source>
        <translation>Die Verlaufsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message numerus="yes">
        <source>You took %Ln hint, in %1.</source>
        <extracomment>After the summary: %1 the hands in which advice was taken (&quot;2 hands&quot;).</extracomment>
        <translation>
            <numerusform>Du hast dir in %1 %Ln Tipp geholt.</numerusform>
            <numerusform>Du hast dir in %1 %Ln Tipps geholt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You took %Ln hints, in %1.</source>
        <translation>
            <numerusform>Du hast dir in %1 %Ln Tipp geholt.</numerusform>
            <numerusform>Du hast dir in %1 %Ln Tipps geholt.</numerusform>
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
        <translation>keiner</translation>
    </message>
    <message>
        <source>&amp;Hands...</source>
        <extracomment>A button: the list of hands kept for review.</extracomment>
        <translation>&amp;Runden...</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Clear the whole history of games and the hands kept for review? They cannot be brought back.

The games won and the money owed in the Statistics frame stay as they are.</source>
        <translation>Den ganzen Spielverlauf und die für den Rückblick aufbewahrten Runden löschen? Sie lassen sich nicht wiederherstellen.

Die gewonnenen Spiele und die Schulden im Statistikrahmen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Games against each Dorvil</source>
        <extracomment>For screen readers: the table of the games against each Dorvil.</extracomment>
        <translation>Spiele gegen jeden Dorvil</translation>
    </message>
    <message>
        <source>Games you won and lost, and the money, against each Dorvil.</source>
        <extracomment>For screen readers: what the table of the games against each Dorvil holds.</extracomment>
        <translation>Deine gewonnenen und verlorenen Spiele und das Geld gegen jeden Dorvil.</translation>
    </message>
    <message>
        <source>Classic Dorvil</source>
        <extracomment>The rows of the table of the games against each Dorvil, 380 pixels wide with three columns of figures: keep each heading short.</extracomment>
        <translation>Klassischer Dorvil</translation>
    </message>
    <message>
        <source>Sharp Dorvil</source>
        <translation>Gewiefter Dorvil</translation>
    </message>
    <message>
        <source>Expert Dorvil</source>
        <translation>Meisterlicher Dorvil</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <extracomment>The row of the games recorded before the history named the Dorvil who played them.</extracomment>
        <translation>Nicht erfasst</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>The columns of the table of the games against each Dorvil: games the player won, games he lost, and the money he won (or lost). Keep each heading short.</extracomment>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>nothing yet</source>
        <extracomment>For screen readers, the money against a Dorvil not met yet.</extracomment>
        <translation>noch nichts</translation>
    </message>
    <message>
        <source>you won %1</source>
        <extracomment>For screen readers, the money won against a Dorvil: %1 an amount of money.</extracomment>
        <translation>du hast %1 gewonnen</translation>
    </message>
    <message>
        <source>you lost %1</source>
        <extracomment>For screen readers, the money lost against a Dorvil: %1 an amount of money.</extracomment>
        <translation>du hast %1 verloren</translation>
    </message>
    <message>
        <source>Games recorded before the history named the Dorvil who played them</source>
        <extracomment>The tool tip of the row &quot;Not recorded&quot;.</extracomment>
        <translation>Spiele, die aufgezeichnet wurden, bevor der Verlauf den Dorvil nannte, der sie spielte</translation>
    </message>
    <message>
        <source>Figures and charts</source>
        <extracomment>For screen readers: the part of the window below the summary.</extracomment>
        <translation>Zahlen und Diagramme</translation>
    </message>
</context>
<context>
    <name>KeptHandsList</name>
    <message>
        <source>Kept Hands</source>
        <extracomment>The title of the list of hands kept for review.</extracomment>
        <translation>Aufbewahrte Runden</translation>
    </message>
    <message>
        <source>Kept hands</source>
        <extracomment>For screen readers: the list of hands kept for review.</extracomment>
        <translation>Aufbewahrte Runden</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Went out</source>
        <translation>Raus</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Dorvil</source>
        <translation>Dorvil</translation>
    </message>
    <message>
        <source>No one</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Meisterlich</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Gewieft</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged entry was skipped.</source>
        <extracomment>Under the list: %n entries of the file could not be read.</extracomment>
        <translation>
            <numerusform>%n beschädigter Eintrag wurde übersprungen.</numerusform>
            <numerusform>%n beschädigte Einträge wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n damaged entries were skipped.</source>
        <translation>
            <numerusform>%n beschädigter Eintrag wurde übersprungen.</numerusform>
            <numerusform>%n beschädigte Einträge wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <extracomment>A button: opens the review of the hand chosen in the list.</extracomment>
        <translation>&amp;Ansehen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>For screen readers, a cell of the list: %1 its column&apos;s heading, %2 the cell.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>LanguageOption</name>
    <message>
        <source>System default</source>
        <extracomment>The Language submenu: the desktop&apos;s language.</extracomment>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <extracomment>The status tip of the Language submenu&apos;s items.
----------
The Language submenu&apos;s last line, which cannot be chosen.</extracomment>
        <translation>Gilt ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The message once a language is chosen.</extracomment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The new language takes effect when Meldora starts again.</source>
        <translation>Die neue Sprache gilt, sobald Meldora neu startet.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <extracomment>Options menu: the submenu of the program&apos;s languages.</extracomment>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Table margins</source>
        <extracomment>For screen readers: the margins round the table when the window is larger than it.</extracomment>
        <translation>Tischränder</translation>
    </message>
    <message>
        <source>Card table</source>
        <extracomment>For screen readers: the table itself.</extracomment>
        <translation>Spieltisch</translation>
    </message>
</context>
<context>
    <name>PaceOption</name>
    <message>
        <source>&amp;Pace</source>
        <extracomment>Options menu: the submenu that chooses how fast the cards move.</extracomment>
        <translation>Tem&amp;po</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>Options menu, Pace: every pause and card move as long as the table has always had them.</extracomment>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Quick</source>
        <extracomment>Options menu, Pace: the deal, the player&apos;s moves and Dorvil&apos;s turn three times as fast.</extracomment>
        <translation>&amp;Schnell</translation>
    </message>
</context>
<context>
    <name>PlayerTurn</name>
    <message>
        <source>You have an incomplete Meld. Do you still wish to Discard this card?. If so click Discard, or Go Back to continue melding.You can take back card Melded by clicking on Button below your cards.</source>
        <extracomment>A message box when a card is discarded while a meld of one or two cards is open; the buttons are &quot;Discard&quot; and &quot;Go Back&quot;, the button below the cards is &quot;Take Back&quot;.</extracomment>
        <translation>Du hast eine unvollständige Kombination. Willst du diese Karte trotzdem abwerfen? Dann klicke auf Abwerfen, sonst auf Zurück, um weiter auszulegen. Ausgelegte Karten nimmst du mit dem Knopf unter deinen Karten zurück.</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>A message box&apos;s button: discard the card all the same.</extracomment>
        <translation>Abwerfen</translation>
    </message>
    <message>
        <source>Go Back</source>
        <extracomment>A message box&apos;s button: do not discard, go on melding.</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Discard or Not</source>
        <translation>Abwerfen oder nicht?</translation>
    </message>
    <message>
        <source>Sorry, this card will not meld with the cards already placed - perhaps in wrong order. Please try again</source>
        <extracomment>A message box when the second card of a meld does not fit the first.</extracomment>
        <translation>Diese Karte passt leider nicht zu den schon ausgelegten Karten – vielleicht in falscher Reihenfolge. Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Try Again!</source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>Noch einmal!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <extracomment>A message box&apos;s title.</extracomment>
        <translation>Noch einmal versuchen</translation>
    </message>
    <message>
        <source> Sorry, this card will not Meld with the cards already placed - perhaps in wrong order. Please try again. You can take the cards back if you wish by clicking on button below or Discarding.</source>
        <extracomment>A message box when the third card of a meld does not fit the first two.</extracomment>
        <translation> Diese Karte passt leider nicht zu den schon ausgelegten Karten – vielleicht in falscher Reihenfolge. Bitte versuche es noch einmal. Du kannst die Karten mit dem Knopf unten zurücknehmen oder indem du abwirfst.</translation>
    </message>
    <message>
        <source>Carry On!</source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>Weiter!</translation>
    </message>
    <message>
        <source>Card will Not Meld Here</source>
        <translation>Karte passt hier nicht</translation>
    </message>
    <message>
        <source>%1 Sorry, you have not made a Meld of three and cannot add a single card until you have done so.</source>
        <extracomment>A message box when the player lays off before making a meld; %1 is the player&apos;s name.</extracomment>
        <translation>%1, du hast noch keine Kombination aus drei Karten ausgelegt und darfst erst danach einzelne Karten anlegen.</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>A message box&apos;s button: &quot;understood&quot; (not a direction).</extracomment>
        <translation>Verstanden</translation>
    </message>
    <message>
        <source>Cannot Meld single card  yet.</source>
        <translation>Anlegen noch nicht erlaubt</translation>
    </message>
    <message>
        <source>%1 Sorry, this card will not Meld with the cards already placed - perhaps in wrong order. Please try again.</source>
        <extracomment>A message box when a card laid off does not fit the meld; %1 is the player&apos;s name.</extracomment>
        <translation>%1, diese Karte passt leider nicht zu den schon ausgelegten Karten – vielleicht in falscher Reihenfolge. Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Carry On</source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Card Not Meld Here</source>
        <translation>Karte passt hier nicht</translation>
    </message>
    <message>
        <source> Sorry, you don&apos;t have a complete meld, please try again</source>
        <extracomment>A message box when the player&apos;s last card leaves a meld of one or two cards open.</extracomment>
        <translation> Leider ist deine Kombination nicht vollständig. Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Incomplete Meld</source>
        <translation>Unvollständige Kombination</translation>
    </message>
    <message>
        <source> Sorry, this card may not be in the right column. Click on Carry On.</source>
        <extracomment>A message box when a card is dropped on another column while a meld is open; the button is &quot;Carry On!&quot;.</extracomment>
        <translation> Diese Karte liegt wohl nicht in der richtigen Auslage. Klicke auf Weiter.</translation>
    </message>
    <message>
        <source>Card not in right column?</source>
        <translation>Falsche Auslage?</translation>
    </message>
    <message>
        <source>%1 now make Melds if you wish and Discard a card.</source>
        <extracomment>The instruction line once the player has taken a card; %1 is the player&apos;s name.</extracomment>
        <translation>%1, lege jetzt aus, wenn du willst, und wirf eine Karte ab.</translation>
    </message>
    <message>
        <source>%1 click here to deal cards.</source>
        <translation>%1, klicke hier, um die Karten zu geben.</translation>
    </message>
    <message>
        <source>%1 tut, tut, you cannot look at Dorvil;s cards.</source>
        <translation>%1, na, na, Dorvils Karten darfst du nicht ansehen.</translation>
    </message>
    <message>
        <source>%1 it is not your turn at present.</source>
        <translation>%1, du bist gerade nicht am Zug.</translation>
    </message>
    <message>
        <source>%1 you must first take a card.</source>
        <translation>%1, du musst zuerst eine Karte nehmen.</translation>
    </message>
    <message>
        <source>%1 push cards to a Meld or the Discard pile.</source>
        <translation>%1, zieh Karten in eine Auslage oder auf den Ablagestapel.</translation>
    </message>
    <message>
        <source>%1 you may only click on UpCarrd or Stock card - at  the right time.</source>
        <translation>%1, klicke nur auf die offene Karte oder den Stapel – und nur zur rechten Zeit.</translation>
    </message>
    <message>
        <source>%1 click to take a Discard card.</source>
        <translation>%1, klicke, um die Karte vom Ablagestapel zu nehmen.</translation>
    </message>
    <message>
        <source>%1 click to take a Stock card.</source>
        <translation>%1, klicke, um eine Karte vom Stapel zu nehmen.</translation>
    </message>
    <message>
        <source>%1 you have already taken a card this turn..</source>
        <translation>%1, du hast in diesem Zug schon eine Karte genommen.</translation>
    </message>
</context>
<context>
    <name>PracticeHand</name>
    <message>
        <source>Practice hand: not counted</source>
        <extracomment>On the table while a kept deal is played again; the hand counts nowhere.</extracomment>
        <translation>Übungsrunde: zählt nicht</translation>
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
        <translation>vom Ablagestapel zu nehmen (%1)</translation>
    </message>
    <message>
        <source>taking a card from the stock</source>
        <translation>vom Stapel zu ziehen</translation>
    </message>
    <message>
        <source>discarding the %1</source>
        <translation>%1 abzuwerfen</translation>
    </message>
    <message>
        <source>melding the %1</source>
        <translation>%1 auszulegen</translation>
    </message>
    <message>
        <source>laying off the %1 on Meld %2</source>
        <translation>%1 an Auslage %2 anzulegen</translation>
    </message>
    <message>
        <source>Good: %1 was as good as any choice.</source>
        <translation>Gut: %1 war so gut wie jede andere Wahl.</translation>
    </message>
    <message>
        <source>%1 was worse than %2 by about %3 points on average.</source>
        <extracomment>%1 the choice made, %2 the better one, %3 points on average.</extracomment>
        <translation>%1 war im Mittel um etwa %3 Punkte schlechter als %2.</translation>
    </message>
    <message>
        <source>Every decision you made was good.</source>
        <translation>Jede deiner Entscheidungen war gut.</translation>
    </message>
    <message>
        <source>move %1 (about %2 points)</source>
        <extracomment>A move that cost points: %1 its number in the review, %2 the points.</extracomment>
        <translation>Zug %1 (etwa %2 Punkte)</translation>
    </message>
    <message>
        <source>The moves that cost most: %1. They cost about %2 points in all.</source>
        <extracomment>%1 the moves that cost most, %2 the points all costly decisions lost.</extracomment>
        <translation>Die teuersten Züge: %1. Sie kosteten insgesamt etwa %2 Punkte.</translation>
    </message>
    <message>
        <source>Dealt by %1 on %2 at %3; %4; scores %5 to %6 before the hand, target %7.</source>
        <extracomment>The first line of a hand&apos;s review: %1 who dealt (&quot;you&quot; or &quot;Dorvil&quot;), %2 the date, %3 the time, %4 which Dorvil played, %5 and %6 the player&apos;s and Dorvil&apos;s scores before the hand, %7 the target.</extracomment>
        <translation>Gegeben von %1 am %2 um %3; %4; Stand vor der Runde %5 zu %6, Ziel %7.</translation>
    </message>
    <message>
        <source>you</source>
        <translation>dir</translation>
    </message>
    <message>
        <source>Expert Dorvil</source>
        <translation>Meisterlicher Dorvil</translation>
    </message>
    <message>
        <source>Sharp Dorvil</source>
        <translation>Gewiefter Dorvil</translation>
    </message>
    <message>
        <source>Classic Dorvil</source>
        <translation>Klassischer Dorvil</translation>
    </message>
    <message>
        <source>Dorvil takes the %1 from the discard pile.</source>
        <translation>Dorvil nimmt vom Ablagestapel: %1.</translation>
    </message>
    <message>
        <source>You take the %1 from the discard pile.</source>
        <translation>Du nimmst vom Ablagestapel: %1.</translation>
    </message>
    <message>
        <source>Dorvil takes the %1 from the stock.</source>
        <translation>Dorvil zieht vom Stapel: %1.</translation>
    </message>
    <message>
        <source>You take the %1 from the stock.</source>
        <translation>Du ziehst vom Stapel: %1.</translation>
    </message>
    <message>
        <source>Dorvil lays off the %1 on Meld %2.</source>
        <translation>Dorvil legt an Auslage %2 an: %1.</translation>
    </message>
    <message>
        <source>You lay off the %1 on Meld %2.</source>
        <translation>Du legst an Auslage %2 an: %1.</translation>
    </message>
    <message>
        <source>Dorvil melds the %1 in Meld %2.</source>
        <translation>Dorvil legt in Auslage %2 aus: %1.</translation>
    </message>
    <message>
        <source>You meld the %1 in Meld %2.</source>
        <translation>Du legst in Auslage %2 aus: %1.</translation>
    </message>
    <message>
        <source>You take your open meld back from Meld %1.</source>
        <translation>Du nimmst deine offene Auslage %1 zurück.</translation>
    </message>
    <message>
        <source>Dorvil discards the %1.</source>
        <translation>Dorvil wirft ab: %1.</translation>
    </message>
    <message>
        <source>You discard the %1.</source>
        <translation>Du wirfst ab: %1.</translation>
    </message>
    <message>
        <source>Dorvil ends his turn without a discard.</source>
        <translation>Dorvil beendet seinen Zug ohne Abwurf.</translation>
    </message>
    <message>
        <source>You call a draw.</source>
        <translation>Du erklärst ein Unentschieden.</translation>
    </message>
    <message>
        <source>The hand ends without a score.</source>
        <translation>Die Runde endet ohne Punkte.</translation>
    </message>
    <message numerus="yes">
        <source>Dorvil goes out and scores %n point.</source>
        <translation>
            <numerusform>Dorvil geht raus und bekommt %n Punkt.</numerusform>
            <numerusform>Dorvil geht raus und bekommt %n Punkte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dorvil goes out and scores %n points.</source>
        <translation>
            <numerusform>Dorvil geht raus und bekommt %n Punkt.</numerusform>
            <numerusform>Dorvil geht raus und bekommt %n Punkte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You go out and score %n point.</source>
        <translation>
            <numerusform>Du gehst raus und bekommst %n Punkt.</numerusform>
            <numerusform>Du gehst raus und bekommst %n Punkte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You go out and score %n points.</source>
        <translation>
            <numerusform>Du gehst raus und bekommst %n Punkt.</numerusform>
            <numerusform>Du gehst raus und bekommst %n Punkte.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewTable</name>
    <message>
        <source>Dorvil&apos;s hand: %1. Your hand: %2.</source>
        <extracomment>The review&apos;s table for screen readers: %1 Dorvil&apos;s cards, %2 the player&apos;s.</extracomment>
        <translation>Dorvils Hand: %1. Deine Hand: %2.</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>Over the player&apos;s hand in the review&apos;s table.</extracomment>
        <translation>Du</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Review Hand</source>
        <extracomment>The review window&apos;s title.</extracomment>
        <translation>Rückblick auf die Runde</translation>
    </message>
    <message>
        <source>Judging your moves...</source>
        <extracomment>The review&apos;s summary line while Expert Dorvil weighs the player&apos;s decisions.</extracomment>
        <translation>Deine Züge werden beurteilt …</translation>
    </message>
    <message>
        <source>The deal (Home)</source>
        <translation>Das Geben (Pos1)</translation>
    </message>
    <message>
        <source>One move back (Left)</source>
        <translation>Ein Zug zurück (Links)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Play the hand through (Space)</source>
        <translation>Die Runde abspielen (Leertaste)</translation>
    </message>
    <message>
        <source>One move forward (Right)</source>
        <translation>Ein Zug vor (Rechts)</translation>
    </message>
    <message>
        <source>The end of the hand (End)</source>
        <translation>Das Ende der Runde (Ende)</translation>
    </message>
    <message>
        <source>Play This &amp;Deal Again</source>
        <translation>Dieselben &amp;Karten noch einmal</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close the review</source>
        <translation>Den Rückblick schließen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>The deal.</source>
        <translation>Das Geben.</translation>
    </message>
    <message>
        <source>The same deal as a practice hand (D)</source>
        <translation>Dieselben Karten als Übungsrunde (D)</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>Player</source>
        <extracomment>The player&apos;s name until the player gives one.</extracomment>
        <translation>Spieler</translation>
    </message>
    <message>
        <source> Owed Dorvil</source>
        <extracomment>The statistics frame: heading over the money the player owes Dorvil.</extracomment>
        <translation> Konto Dorvil</translation>
    </message>
    <message>
        <source> Target points are set to %1 for this game only. You must change before starting a session as you may sometimes want a quick game and somtimes a long one.</source>
        <extracomment>A message box once the target is set; %1 is the target points.</extracomment>
        <translation> Die Zielpunkte stehen nur für dieses Spiel auf %1. Ändere sie vor Beginn einer Sitzung, denn mal willst du ein kurzes Spiel und mal ein langes.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <extracomment>A message box&apos;s button: the player has read the message.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Target points set</source>
        <translation>Zielpunkte gesetzt</translation>
    </message>
    <message>
        <source>Replace name Player?</source>
        <extracomment>The question of the name dialog (Options menu, Enter Your Name).</extracomment>
        <translation>Namen „Spieler“ ersetzen?</translation>
    </message>
    <message>
        <source>Enter your name </source>
        <extracomment>The title of the name dialog.</extracomment>
        <translation>Gib deinen Namen ein</translation>
    </message>
    <message>
        <source>You name please</source>
        <extracomment>The name dialog&apos;s box holds this until the player types a name.</extracomment>
        <translation>Dein Name bitte</translation>
    </message>
    <message>
        <source>Owed %1</source>
        <extracomment>The statistics frame: heading over the money Dorvil owes the player, once the player has given a name; %1 is the name.</extracomment>
        <translation>Konto %1</translation>
    </message>
</context>
<context>
    <name>SoundOption</name>
    <message>
        <source>S&amp;ound</source>
        <extracomment>Options menu: the game&apos;s sounds on (checked) or off; Ctrl+M switches.</extracomment>
        <translation>&amp;Ton</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Target Points for this game</source>
        <translation>Zielpunkte für dieses Spiel</translation>
    </message>
    <message>
        <source>Players Current Points</source>
        <translation>Punktestand Spieler</translation>
    </message>
    <message>
        <source>Your current penalty points</source>
        <translation>Dein aktueller Punktestand</translation>
    </message>
    <message>
        <source>Dorvil&apos;s Penalty Points</source>
        <translation>Punktestand Dorvil</translation>
    </message>
    <message>
        <source>Dorvil&apos;s current penalty points</source>
        <translation>Dorvils aktueller Punktestand</translation>
    </message>
    <message>
        <source>Points your hand</source>
        <translation>Punkte auf der Hand</translation>
    </message>
    <message>
        <source>Number of points you currently have in your hand</source>
        <translation>Punkte der Karten, die du gerade auf der Hand hast</translation>
    </message>
    <message>
        <source>Scores</source>
        <extracomment>The status bar&apos;s name, for screen readers (who add &quot;status bar&quot; to it).</extracomment>
        <translation>Punktestand</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>%1 It&apos;s your turn to Deal.</source>
        <extracomment>The instruction line while the player deals; %1 is the player&apos;s name.</extracomment>
        <translation>%1, du bist mit Geben dran.</translation>
    </message>
    <message>
        <source> It&apos;s Dorvil&apos;s turn to deal</source>
        <extracomment>The instruction line while Dorvil deals.</extracomment>
        <translation> Dorvil gibt die Karten</translation>
    </message>
    <message>
        <source> In Stock %1</source>
        <extracomment>Under the stock once the face card is turned; %1 is the number of cards in the stock.</extracomment>
        <translation> Im Stapel: %1</translation>
    </message>
    <message>
        <source>Stock is empty so replacing with all Discard cards except face card</source>
        <translation>Der Stapel ist leer: Alle Karten des Ablagestapels außer der obersten bilden den neuen Stapel.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <extracomment>A message box&apos;s button: the player has read the message.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Replacing Stock</source>
        <extracomment>A message box&apos;s title.</extracomment>
        <translation>Neuer Stapel</translation>
    </message>
    <message>
        <source>%1 you are in the middle of a game, are  you sure you wish to start a new one?</source>
        <extracomment>A message box; %1 is the player&apos;s name.</extracomment>
        <translation>%1, du bist mitten in einem Spiel. Willst du wirklich ein neues beginnen?</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>A message box&apos;s button: start a new game.</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Oops No</source>
        <extracomment>A message box&apos;s button: do not start a new game after all.</extracomment>
        <translation>Hoppla, nein</translation>
    </message>
    <message>
        <source>Really New Game?</source>
        <translation>Wirklich neues Spiel?</translation>
    </message>
    <message>
        <source>This game will now finish with no scores and a new one will start</source>
        <extracomment>A message box, after the player has clicked Call Draw.</extracomment>
        <translation>Dieses Spiel endet jetzt ohne Wertung, und ein neues beginnt.</translation>
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
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source> You are in the middle of a game. Are you sure you wish to exit?</source>
        <translation> Du bist mitten in einem Spiel. Willst du wirklich aufhören?</translation>
    </message>
    <message>
        <source>Yes Exit</source>
        <translation>Ja, beenden</translation>
    </message>
    <message>
        <source>Continue Game</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source> Really Exit?</source>
        <translation> Wirklich beenden?</translation>
    </message>
    <message>
        <source>%1 you are in the middle of a game or starting one, do you really wish to exit?</source>
        <extracomment>A message box when the window is closed; %1 is the player&apos;s name.</extracomment>
        <translation>%1, du bist mitten in einem Spiel oder fängst gerade eins an. Willst du wirklich aufhören?</translation>
    </message>
    <message>
        <source>Really Exit?</source>
        <translation>Wirklich beenden?</translation>
    </message>
    <message>
        <source>%1 Points in your hand</source>
        <extracomment>The status bar&apos;s last panel; %1 is the points of the cards in the player&apos;s hand.</extracomment>
        <translation>%1 Punkte auf der Hand</translation>
    </message>
    <message>
        <source>Dorvil says good to see you %1</source>
        <extracomment>Under Dorvil&apos;s name at start-up; %1 is the player&apos;s name.</extracomment>
        <translation>Dorvil sagt: Schön, dich zu sehen, %1</translation>
    </message>
    <message>
        <source>Cards shuffled - use menu if you wish and then click on pack or press F2 to deal cards.</source>
        <extracomment>The instruction line before the first deal.</extracomment>
        <translation>Karten gemischt – nutze bei Bedarf das Menü, dann klicke auf den Stapel oder drücke F2 zum Geben.</translation>
    </message>
    <message>
        <source>Unexpected error in procedure: %1
Error #%2: %3</source>
        <extracomment>An error box; %1 is the procedure&apos;s name, %2 the error&apos;s number, %3 its description.</extracomment>
        <translation>Unerwarteter Fehler in der Prozedur %1
Fehler Nr. %2: %3</translation>
    </message>
    <message>
        <source>Target:- %1</source>
        <extracomment>The status bar&apos;s first panel; %1 is the target points of a game.</extracomment>
        <translation>Ziel: %1</translation>
    </message>
    <message>
        <source>%1&apos;s current points %2</source>
        <extracomment>The status bar&apos;s panel of the player&apos;s score; %1 is the player&apos;s name, %2 the score.</extracomment>
        <translation>Punktestand %1: %2</translation>
    </message>
    <message>
        <source>Dorvil&apos;s current points %1</source>
        <extracomment>The status bar&apos;s panel of Dorvil&apos;s score; %1 is the score.</extracomment>
        <translation>Punktestand Dorvil: %1</translation>
    </message>
    <message>
        <source>Won %1</source>
        <extracomment>The statistics frame: heading over the games the player has won; %1 is the player&apos;s name.</extracomment>
        <translation>Siege %1</translation>
    </message>
    <message>
        <source> Owed %1</source>
        <extracomment>The statistics frame: heading over the money Dorvil owes the player; %1 is the player&apos;s name.</extracomment>
        <translation> Konto %1</translation>
    </message>
    <message>
        <source>In Stock:- %1</source>
        <extracomment>Under the stock; %1 is the number of cards in it.</extracomment>
        <translation>Im Stapel: %1</translation>
    </message>
</context>
<context>
    <name>TableAdvice</name>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Play menu: shows the next step of a good turn.</extracomment>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <extracomment>Play menu: the computer plays the player&apos;s side until a key or a click.</extracomment>
        <translation>&amp;Demo</translation>
    </message>
</context>
<context>
    <name>TableControls</name>
    <message>
        <source>Click to take Stock Card</source>
        <extracomment>The caption of the stock&apos;s frame.</extracomment>
        <translation>Klicken: Karte ziehen</translation>
    </message>
    <message>
        <source>Push card on or click take</source>
        <extracomment>The caption of the discard pile&apos;s frame: drop a card on the pile, or click it to take it.</extracomment>
        <translation>Abwerfen oder nehmen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>The caption of the frame of games won and money owed.</extracomment>
        <translation>Statistik</translation>
    </message>
    <message>
        <source> Won Player</source>
        <extracomment>The statistics frame: heading over the games the player has won (until the name shows).</extracomment>
        <translation> Siege Spieler</translation>
    </message>
    <message>
        <source> Won Dorvil</source>
        <extracomment>The statistics frame: heading over the games Dorvil has won.</extracomment>
        <translation> Siege Dorvil</translation>
    </message>
    <message>
        <source>Owed You</source>
        <extracomment>The statistics frame: heading over the money Dorvil owes the player (until the name shows).</extracomment>
        <translation>Dein Konto</translation>
    </message>
    <message>
        <source>Owed Dorvil</source>
        <extracomment>The statistics frame: heading over the money the player owes Dorvil.</extracomment>
        <translation>Konto Dorvil</translation>
    </message>
    <message>
        <source>Call Draw</source>
        <extracomment>A button: end the game with no scores (shown once the stock has been rebuilt).</extracomment>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Click to call draw and start new hand</source>
        <translation>Klicken: Remis – das Spiel endet ohne Wertung, und ein neues beginnt</translation>
    </message>
    <message>
        <source>Sort Same</source>
        <extracomment>A button: sort the hand by rank, cards of a rank together.</extracomment>
        <translation>Nach Wert</translation>
    </message>
    <message>
        <source>Click to sort cards the same</source>
        <translation>Klicken: Karten nach Wert ordnen</translation>
    </message>
    <message>
        <source>Sort Suits</source>
        <extracomment>A button: sort the hand by suit.</extracomment>
        <translation>Nach Farbe</translation>
    </message>
    <message>
        <source>Click to sort into suits</source>
        <translation>Klicken: Karten nach Farbe ordnen</translation>
    </message>
    <message>
        <source>Take Back</source>
        <extracomment>A button: take the cards of a meld of one or two cards back into the hand.</extracomment>
        <translation>Zurücknehmen</translation>
    </message>
    <message>
        <source>Click to take back cards melded</source>
        <translation>Klicken: ausgelegte Karten zurücknehmen</translation>
    </message>
    <message>
        <source>   Meld 1           Meld 2         Meld 3         Meld 4           Meld 5          Meld 6      </source>
        <extracomment>The headings over the six meld columns, in one line, each separated from the next by two blanks or more: each is drawn centred over its column, 88 pixels wide.</extracomment>
        <translation>Auslage 1  Auslage 2  Auslage 3  Auslage 4  Auslage 5  Auslage 6</translation>
    </message>
    <message>
        <source>No. in Stock</source>
        <translation>Im Stapel</translation>
    </message>
    <message>
        <source>Discard Pile</source>
        <extracomment>The heading over the discard pile.</extracomment>
        <translation>Ablagestapel</translation>
    </message>
</context>
<context>
    <name>TableGroups</name>
    <message numerus="yes">
        <source>Stock, %n card</source>
        <translation>
            <numerusform>Stapel, %n Karte</numerusform>
            <numerusform>Stapel, %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stock, %n cards</source>
        <translation>
            <numerusform>Stapel, %n Karte</numerusform>
            <numerusform>Stapel, %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard pile: %1</source>
        <extracomment>%1 is the card on top of the discard pile.</extracomment>
        <translation>Ablagestapel: %1</translation>
    </message>
    <message>
        <source>Discard pile: empty</source>
        <translation>Ablagestapel: leer</translation>
    </message>
    <message numerus="yes">
        <source>Dorvil&apos;s hand, %n card</source>
        <translation>
            <numerusform>Dorvils Hand, %n Karte</numerusform>
            <numerusform>Dorvils Hand, %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dorvil&apos;s hand, %n cards</source>
        <translation>
            <numerusform>Dorvils Hand, %n Karte</numerusform>
            <numerusform>Dorvils Hand, %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>Meld %1: empty</source>
        <extracomment>A meld column with no card; %1 is its number.</extracomment>
        <translation>Auslage %1: leer</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the cards of a meld read out.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Meld %1: %2 of %3</source>
        <extracomment>A meld column with cards of one suit: %1 its number, %2 the ranks (&quot;Five, Six, Seven&quot;), %3 the suit (&quot;Hearts&quot;), as in the name of a card (&quot;Seven of Hearts&quot;).</extracomment>
        <translation>Auslage %1: %3 %2</translation>
    </message>
    <message>
        <source>Meld %1: %2</source>
        <extracomment>A meld column with cards of several suits: %1 its number, %2 the cards.</extracomment>
        <translation>Auslage %1: %2</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Deine Hand</translation>
    </message>
    <message>
        <source>Meld %1: %2 of %3</source>
        <comment>set</comment>
        <extracomment>A meld column holding a set: %1 its number, %2 the rank in the plural (&quot;Nines&quot;), %3 its suits (&quot;Diamonds, Hearts and Spades&quot;).</extracomment>
        <translation>Auslage %1: %2 in %3</translation>
    </message>
    <message>
        <source>%1: %2 %3, %4 %5; %6 %7, %8 %9.</source>
        <extracomment>The statistics frame for screen readers: %1 its caption, then each heading and its figure (%2 &quot;Won Player&quot; %3 &quot;2&quot;, %4 &quot;Won Dorvil&quot; %5 &quot;1&quot;, %6 &quot;Owed Player&quot; %7 &quot;$0.00&quot;, ...).</extracomment>
        <translation>%1: %2 %3, %4 %5; %6 %7, %8 %9.</translation>
    </message>
</context>
<context>
    <name>TableKeys</name>
    <message>
        <source>Your hand is sorted by suit. The first card is the %1.</source>
        <extracomment>For screen readers, after a sort: %1 the first card of the hand (&quot;Two of Clubs&quot;).</extracomment>
        <translation>Deine Hand ist nach Farben sortiert. Die erste Karte: %1.</translation>
    </message>
    <message>
        <source>Your hand is sorted by rank. The first card is the %1.</source>
        <translation>Deine Hand ist nach Werten sortiert. Die erste Karte: %1.</translation>
    </message>
</context>
<context>
    <name>TableMenus</name>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Rules and Help</source>
        <translation>Regeln und Hilfe</translation>
    </message>
    <message>
        <source>&amp;Change Target Points</source>
        <translation>&amp;Zielpunkte ändern</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>Erase Statistics</source>
        <translation>Statistik löschen</translation>
    </message>
    <message>
        <source>Game &amp;History</source>
        <translation>Spiel&amp;verlauf</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Voll&amp;bild</translation>
    </message>
    <message>
        <source>Card &amp;Deck...</source>
        <extracomment>Options menu: opens the dialog that chooses the cards&apos; look.</extracomment>
        <translation>Karten&amp;deck...</translation>
    </message>
</context>
<context>
    <name>TargetFrame</name>
    <message>
        <source>Target points a game</source>
        <extracomment>The caption of the frame that sets the target points.</extracomment>
        <translation>Zielpunkte je Spiel</translation>
    </message>
    <message>
        <source>Set number of points to play to in each game</source>
        <translation>Legt fest, bis zu wie vielen Punkten jedes Spiel geht</translation>
    </message>
    <message>
        <source>Target points</source>
        <extracomment>For screen readers: the box of the target points.</extracomment>
        <translation>Zielpunkte</translation>
    </message>
    <message>
        <source>Enter the niumber of points for game Target</source>
        <translation>Zielpunktzahl des Spiels eingeben</translation>
    </message>
    <message>
        <source>&amp;O.K</source>
        <extracomment>The button that sets the target; Alt+O presses it, so keep the &amp; before the O.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click to Exit</source>
        <extracomment>The tool tip of the button that sets the target and closes the frame.</extracomment>
        <translation>Klicken zum Übernehmen</translation>
    </message>
    <message>
        <source>Enter above how many Target points you wish to play for in each game. Default Target points are set to 100 but depending whether you want a long or short game enter any number you wish as the Target Points for your games. Anything entered below 25 will be set as 25 and any number above 500 as 500.</source>
        <extracomment>The explanation in the target frame: at most ten short lines.</extracomment>
        <translation>Gib oben ein, bis zu wie vielen Punkten jedes Spiel gehen soll. Vorgabe sind 100 Punkte; je nachdem, ob du ein langes oder kurzes Spiel möchtest, kannst du jede Zahl als Ziel eingeben. Weniger als 25 wird zu 25 und mehr als 500 zu 500.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Meldora</source>
        <translation>Über Meldora</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Meldora - an enjoyable and fast  moving game of Rummy</source>
        <extracomment>Two short lines at most.</extracomment>
        <translation>Meldora – ein unterhaltsames, flottes Rommé-Spiel</translation>
    </message>
    <message>
        <source>A game for fun: the money owed is only kept score, never paid.</source>
        <extracomment>Three short lines at most.</extracomment>
        <translation>Ein Spiel zum Spaß: Das Konto zählt nur Punkte, bezahlt wird nie.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button: opens the desktop&apos;s system information program.</extracomment>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Meldora - Rummy against Dorvil</source>
        <extracomment>The first line of meldora --help.</extracomment>
        <translation>Meldora – Rommé gegen Dorvil</translation>
    </message>
    <message>
        <source>Makes every shuffle reproducible.</source>
        <extracomment>meldora --help: the option --seed N.</extracomment>
        <translation>Macht jedes Mischen wiederholbar.</translation>
    </message>
</context>
</TS>
