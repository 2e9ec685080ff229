// The table without a mouse: a whole hand played with keys, the hand focus,
// keys refused where the mouse is, the message box's and the target frame's
// keys, and what a screen reader is shown and told.
#include "FrmMain.h"
#include "Random.h"
#include "TestWindow.h"
#include "access/Announcer.h"
#include "access/Notices.h"
#include "access/TableAids.h"
#include "access/TableGroups.h"
#include "access/TableKeys.h"
#include "dialogs/FaceButton.h"
#include "dialogs/MFormDeluxe.h"
#include "table/TableWidgets.h"
#include "window/TableControls.h"
#include "window/MainWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <memory>

namespace {
struct Window : TableWindow {
    explicit Window(std::function<double()> random = MakeRandomSource(1))
        : TableWindow(std::move(random)) {
        View.activateWindow();
    }
    // The focus frame stands round the card that shows at its middle.
    bool Framed(int card) {
        QWidget* frame = Find("KeyFocus");
        return frame->isVisible() && frame->geometry().contains(View.Card(card)->pos()) &&
               Find("ClientArea")->childAt(frame->geometry().center()) == View.Card(card);
    }
    TableKeys& Keys() { return *Aids->Keys; }
    const QStringList& Said() { return Aids->Voice->Recent(); }
    // Keys as the player types them: to whichever widget has the focus.
    void Type(const QString& keys) {
        for (const QString& name : keys.split(' ', Qt::SkipEmptyParts)) {
            QKeySequence seq(name);
            QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : &View;
            QTest::keyClick(to, static_cast<Qt::Key>(seq[0].key()), seq[0].keyboardModifiers());
        }
    }
    // A hand in play: the player to move, every other card in the stock.
    void Lay(const QList<int>& player, const QList<int>& dorvil, int face, bool drawn) {
        FrmMain& g = Game;
        for (int n : player)
            g.Cards(n).Place = Where::PlayerHand;
        for (int n : dorvil)
            g.Cards(n).Place = Where::DorvilHand;
        g.Cards(face).Place = Where::Discard;
        g.FaceCard = face;
        g.PlayerCount = static_cast<int>(player.size());
        g.OppCount = static_cast<int>(dorvil.size());
        g.StockCount = 52 - g.PlayerCount - g.OppCount - 1;
        g.GameInPlay = g.PlayerTurn = true;
        g.PlayerHasDrawn = drawn;
        g.LayOutStock();
        g.LayOutOppHand();
        g.LayOutHand(false);
        View.MoveCard(face, 680, 5160);
        View.ShowCardImage(face, face);
        View.BringCardToFront(face);
        QApplication::processEvents();
    }
};

// Answers every message box with keys: Enter, or Right and Enter to leave
// at the end of a game; remembers the titles.
struct BoxAnswers {
    QStringList Titles;
    QTimer Poll;
    BoxAnswers() {
        Poll.setInterval(10);
        QObject::connect(&Poll, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            Titles << box->windowTitle();
            if (box->windowTitle() == QLatin1String("Play another game?"))
                QTest::keyClick(box, Qt::Key_Right);
            QTest::keyClick(box, Qt::Key_Return);
        });
        Poll.start();
    }
};

// Every draw is scripted: card k comes for the value that rounds to k.
std::function<double()> Scripted(std::deque<int> cards) {
    auto queue = std::make_shared<std::deque<int>>(std::move(cards));
    return [queue] {
        int k = queue->empty() ? 1 : queue->front();
        if (!queue->empty()) queue->pop_front();
        return (k == 52 ? 51.75 : k) / 52.0;
    };
}
} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
  private slots:
    // From the deal to the end of the game, every action a key: the player
    // holds four sevens, three eights and three nines, draws the two of
    // spades, lays the melds and goes out by discarding.
    void wholeHandWithKeysOnly() {
        std::deque<int> deal;
        const int player[10] = {7, 20, 33, 46, 8, 21, 34, 9, 22, 35};
        const int dorvil[10] = {13, 26, 39, 52, 12, 25, 38, 51, 11, 24};
        for (int i = 0; i < 10; ++i)
            deal.insert(deal.end(), {player[i], dorvil[i]});
        deal.insert(deal.end(), {1, 41}); // the face card, then the player's draw
        Window w(Scripted(deal));
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        w.Game.TargetPoints = 25;
        BoxAnswers answers;
        w.Type("S"); // on the gathered pack: deals
        QCOMPARE(w.Game.PlayerCount, 10);
        QVERIFY(w.Game.PlayerTurn);
        w.Type("S");
        QCOMPARE(w.Game.Cards(41).Place, Where::PlayerHand);
        QVERIFY(!w.Find("KeyFocus")->isVisible()); // no key has used the focus yet
        w.Type("Right");
        QCOMPARE(w.Keys().FocusedCard(), 41); // the card just taken
        QVERIFY(w.Framed(41));
        w.Type("Right 1 1 1 1 2 2 2 Tab Tab Tab Return Return Return");
        QCOMPARE(w.Keys().FocusStop(), TableKeys::Stop::Meld3);
        QCOMPARE(w.Game.PlayerCount, 1);
        QCOMPARE(w.Keys().FocusedCard(), 41);
        QVERIFY(w.Game.MadeMeld(1));
        w.Type("Delete");
        QCOMPARE(answers.Titles, (QStringList{" Dorvil Beaten Again.", "Play another game?"}));
        const QStringList said = w.Said(); // the discard that went out, told again after the box
        const qsizetype won = said.indexOf(QRegularExpression("^You win the hand.*"));
        QVERIFY(won > 0 && said.count(said[won - 1]) == 2 && said[won - 1].startsWith("You disc"));
        QCOMPARE(w.Game.PlayerScore, 122);
        QCOMPARE(w.Game.PlayerGamesWon, 1);
        QVERIFY(w.Game.Closing); // "Bye for Now"
        // The window asked the main loop to end; let one run and end, as in
        // the program, so that the later tests' loops run again.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    void focusRules_data() {
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("focused");
        // The hand in view: Two of Diamonds, Three of Clubs, Six of Spades, Seven of Hearts.
        QTest::newRow("starts on the leftmost") << false << "Right" << 2;
        QTest::newRow("starts on the card just taken") << false << "F Left" << 9;
        QTest::newRow("moves right") << false << "Right Right Right" << 45;
        QTest::newRow("stops at the right end") << false << "End Right" << 33;
        QTest::newRow("home and end") << false << "End Left Home" << 2;
        QTest::newRow("a leaving card gives way to its right neighbour")
            << true << "Right Right 1" << 45;
        QTest::newRow("the rightmost gives way to its left neighbour") << true << "End 4" << 45;
        QTest::newRow("discarded, the neighbour") << true << "Home Delete" << 16;
    }
    void focusRules() {
        QFETCH(bool, drawn);
        QFETCH(QString, keys);
        QFETCH(int, focused);
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        BoxAnswers answers;
        w.Lay({2, 16, 33, 45}, {44, 14, 49}, 9, drawn); // Dorvil can make no meld
        w.Type(keys);
        QCOMPARE(w.Keys().FocusedCard(), focused);
        QApplication::processEvents();
        QVERIFY(w.Framed(focused));
    }

    // A key that moves nothing retells the card under the frame; a sort
    // tells the new order's first card.
    void keysThatChangeNothingAnswer_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("said");
        QTest::newRow("right at the end") << "End Right" << "Seven of Hearts. 4 of 4.";
        QTest::newRow("end again") << "End End" << "Seven of Hearts. 4 of 4.";
        QTest::newRow("left at the start") << "Home Left" << "Two of Diamonds. 1 of 4.";
        QTest::newRow("sort by suit") << "suits" << "sorted by suit";
        QTest::newRow("sort by rank") << "same" << "sorted by rank";
    }
    void keysThatChangeNothingAnswer() {
        QFETCH(QString, keys);
        QFETCH(QString, said);
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        w.Lay({2, 16, 33, 45}, {44, 14, 49}, 9, false);
        if (keys == "suits" || keys == "same") {
            const TableControls& c = w.View.Controls();
            (keys == "suits" ? c.PicSortSuits : c.PicSortSame)->Click();
            const int first = w.Aids->Groups->Cards(Group::Hand).first();
            said = QStringLiteral("Your hand is %1. The first card is the %2.")
                       .arg(said, FrmMain::CardName(first));
        } else {
            w.Type(keys);
        }
        QCOMPARE(w.Said().last(), said);
    }

    // A card refused while a meld is open: the box names the open column,
    // and the card's return is told once the box has been read.
    void aRefusalsReasonComesFirst() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        w.Lay({2, 16, 33, 45}, {44, 14, 49}, 9, true);
        QString described;
        bool toldEarly = true;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || !described.isEmpty()) return;
            described = box->accessibleDescription();
            toldEarly = w.Said().last().contains("goes back");
            QTest::keyClick(box, Qt::Key_Return);
        });
        poll.start(10);
        w.Type("Home 1 3"); // the Two of Diamonds opens Meld 1; the next card goes to 3
        QTRY_VERIFY(!described.isEmpty() && !QApplication::activeModalWidget());
        QVERIFY2(described.endsWith("Button: Carry On! Meld 1 is open."), qPrintable(described));
        QVERIFY(!toldEarly);
        QTRY_COMPARE(w.Said().last(), QStringLiteral("The Three of Clubs goes back to your hand."));
    }

    // Each key refused where the mouse is: nothing moves, and the hint the
    // pointer would show is shown and told.
    void keysRefusedAsTheMouseIs_data() {
        QTest::addColumn<bool>("playerTurn");
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("hint");
        const QString taken = "Player you have already taken a card this turn..";
        const QString first = "Player you must first take a card.";
        const QString notYours = "Player it is not your turn at present.";
        QTest::newRow("stock, card taken") << true << true << "S" << taken;
        QTest::newRow("discard pile, card taken") << true << true << "F" << taken;
        QTest::newRow("discard pile by Tab, card taken")
            << true << true << "Tab Tab Space" << taken;
        QTest::newRow("discard before taking") << true << false << "Delete" << first;
        QTest::newRow("column before taking") << true << false << "3" << first;
        QTest::newRow("stock in Dorvil's turn") << false << true << "S" << taken;
        QTest::newRow("column in Dorvil's turn") << false << true << "5" << notYours;
    }
    void keysRefusedAsTheMouseIs() {
        QFETCH(bool, playerTurn);
        QFETCH(bool, drawn);
        QFETCH(QString, key);
        QFETCH(QString, hint);
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        w.Lay({2, 16, 33}, {44, 48}, 9, drawn);
        w.Game.PlayerTurn = playerTurn;
        w.Game.OppTurn = !playerTurn;
        w.Type(key);
        QCOMPARE(w.Game.PlayerCount, 3);
        QCOMPARE(w.Game.StockCount, 52 - 6);
        QCOMPARE(w.Game.Cards(9).Place, Where::Discard);
        for (int n : {2, 16, 33})
            QCOMPARE(w.Game.Cards(n).Place, Where::PlayerHand);
        QCOMPARE(w.Said().last(), hint);
    }

    void messageBoxKeys_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("choice");
        QTest::newRow("enter chooses the first") << 2 << "Return" << 0;
        QTest::newRow("right, space") << 2 << "Right Space" << 1;
        QTest::newRow("right wraps round") << 2 << "Right Right Return" << 0;
        QTest::newRow("left from the first") << 3 << "Left Return" << 2;
        QTest::newRow("tab") << 3 << "Tab Tab Enter" << 2;
        QTest::newRow("shift tab") << 3 << "Shift+Tab Return" << 2;
        QTest::newRow("escape is no choice") << 2 << "Escape Right Return" << 1;
        QTest::newRow("one face only") << 1 << "Right Tab Return" << 0;
    }
    void messageBoxKeys() {
        QFETCH(int, buttons);
        QFETCH(QString, keys);
        QFETCH(int, choice);
        QWidget parent;
        MFormDeluxe box(&parent);
        QList<bool> markedAtOpening;
        QTimer::singleShot(20, [&] {
            for (int i = 0; i < 3; ++i)
                markedAtOpening << box.Face(i)->IsMarked();
            for (const QString& name : keys.split(' ')) {
                QKeySequence seq(name);
                QTest::keyClick(&box, static_cast<Qt::Key>(seq[0].key()),
                                seq[0].keyboardModifiers());
            }
        });
        int chosen =
            box.DeluxeMsg("Which?", "A", buttons > 1 ? "B" : "", buttons > 2 ? "C" : "", 1, "Keys");
        QCOMPARE(chosen, choice);
        // the mark shows from the first key that moves it, not for a mouse player
        QCOMPARE(markedAtOpening, (QList<bool>{false, false, false}));
        QCOMPARE(box.Face(choice)->IsMarked(),
                 keys.contains("Right") || keys.contains("Left") || keys.contains("Tab"));
    }

    void targetFrameAcceptsWithOneKey_data() {
        QTest::addColumn<QString>("accept");
        QTest::newRow("alt+o") << "Alt+O";
        QTest::newRow("enter in the box") << "Return";
    }
    void targetFrameAcceptsWithOneKey() {
        QFETCH(QString, accept);
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        BoxAnswers answers;
        w.Type("Ctrl+C");
        auto* box = w.Find<QLineEdit>("Txtpoints");
        QCOMPARE(QApplication::focusWidget(), box);
        w.Type("3 0 " + accept);
        QApplication::processEvents(); // the O.K's click waits for the key to be over
        QCOMPARE(answers.Titles, QStringList{"Target points set"});
        QCOMPARE(w.Game.TargetPoints, 30);
        QVERIFY(!w.Find("FramTarget")->isVisible());
        QVERIFY(!QApplication::activePopupWidget()); // the Options menu stayed shut
    }

    void screenReaderSeesTheGroups() {
        Window w;
        w.Lay({2, 16, 33}, {44, 48}, 22, true);
        for (auto [c, cards] :
             {std::pair{1, QList<int>{7, 20, 46}}, std::pair{2, QList<int>{31, 32, 30}}}) {
            for (int n : cards) {
                w.Game.Cards(n).Place = Where::InMeld;
                w.Game.Cards(n).InColumn(c) = true;
                --w.Game.StockCount;
            }
            w.Game.Melds(c).Count = 3;
            w.Game.LayOutColumn(c);
            for (int n : cards)
                w.View.ShowCardImage(n, n);
        }
        w.Game.LayOutStock();
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w.Find("ClientArea"));
        QStringList groups;
        for (int i = 0; i < 10; ++i)
            groups << table->child(i)->text(QAccessible::Name);
        QCOMPARE(
            groups,
            (QStringList{"Stock, 40 cards", "Discard pile: Nine of Clubs", "Dorvil's hand, 2 cards",
                         "Meld 1: Sevens of Diamonds, Clubs and Spades",
                         "Meld 2: Four, Five, Six of Hearts", "Meld 3: empty", "Meld 4: empty",
                         "Meld 5: empty", "Meld 6: empty", "Your hand"}));
        QAccessibleInterface* hand = table->child(9);
        QStringList cards;
        for (int i = 0; i < hand->childCount(); ++i) {
            cards << hand->child(i)->text(QAccessible::Name);
            QCOMPARE(hand->child(i)->parent(), hand);
        }
        QCOMPARE(cards, (QStringList{"Two of Diamonds", "Three of Clubs", "Seven of Hearts"}));
        QCOMPARE(hand->child(1)->text(QAccessible::Description), QStringLiteral("2 of 3"));
        QCOMPARE(table->child(2)->child(0)->text(QAccessible::Name), QStringLiteral("Card back"));
        // nothing decorative anywhere in the tree; every control named
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface* child = node->child(i);
                const QString name = child->object() ? child->object()->objectName() : QString();
                QVERIFY2(!name.startsWith("Shape") && !name.startsWith("Line") &&
                             !name.startsWith("KeyFocus"),
                         qPrintable(name));
                QVERIFY2(!child->text(QAccessible::Name).isEmpty() ||
                             child->role() == QAccessible::StaticText,
                         qPrintable(name));
                walk(child);
            }
        };
        walk(QAccessible::queryAccessibleInterface(&w.View));
        QAccessibleInterface* sort = QAccessible::queryAccessibleInterface(w.Find("PicSortSame"));
        QCOMPARE(sort->role(), QAccessible::Button);
        QCOMPARE(sort->text(QAccessible::Name), QStringLiteral("Sort Same"));
    }

    void announcements_data() {
        QTest::addColumn<int>("what");
        QTest::addColumn<bool>("dorvil");
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("said");
        QTest::newRow("takes") << int(TableEvent::Takes) << true << 22
                               << "Dorvil takes the Nine of Clubs from the discard pile.";
        QTest::newRow("draws, card unseen")
            << int(TableEvent::Draws) << true << 22 << "Dorvil takes a card from the stock.";
        QTest::newRow("melds") << int(TableEvent::Melds) << true << 31
                               << "Dorvil melds the Five of Hearts in Meld 2.";
        QTest::newRow("lays off") << int(TableEvent::LaysOff) << true << 31
                                  << "Dorvil lays off the Five of Hearts on Meld 2.";
        QTest::newRow("discards") << int(TableEvent::Discards) << true << 1
                                  << "Dorvil discards the Ace of Diamonds.";
        QTest::newRow("the player's draw is seen") << int(TableEvent::Draws) << false << 52
                                                   << "You take the King of Spades from the stock.";
        QTest::newRow("one point")
            << int(TableEvent::HandWon) << false << 0 << "You win the hand and score 1 point.";
    }
    void announcements() {
        QFETCH(int, what);
        QFETCH(bool, dorvil);
        QFETCH(int, card);
        QFETCH(QString, said);
        TableEvent event{static_cast<TableEvent::Kind>(what), dorvil, card, 2, 1};
        QCOMPARE(Announcer::EventText(event), said);
    }

    // Dorvil's new meld is told once, whole, when its third card is down, or
    // as far as it went when other news comes first.
    void dorvilsMeldIsToldWhole_data() {
        QTest::addColumn<QList<int>>("cards");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("said");
        QTest::newRow("a run, laid out of order")
            << QList<int>{44, 42, 43} << 2
            << "Dorvil melds the Three, Four and Five of Spades in Meld 2.";
        QTest::newRow("a set") << QList<int>{6, 19, 32} << 3
                               << "Dorvil melds the Sixes of Diamonds, Clubs and Hearts in Meld 3.";
        QTest::newRow("cut short")
            << QList<int>{31, 32} << 1 << "Dorvil melds the Five and Six of Hearts in Meld 1.";
    }
    void dorvilsMeldIsToldWhole() {
        QFETCH(QList<int>, cards);
        QFETCH(int, column);
        QFETCH(QString, said);
        Window w;
        const qsizetype before = w.Said().size();
        for (int n : cards)
            w.View.Record(TableEvent{TableEvent::Melds, true, n, column});
        w.View.Record(TableEvent{TableEvent::Discards, true, 1});
        QCOMPARE(w.Said().mid(before),
                 (QStringList{said, QStringLiteral("Dorvil discards the Ace of Diamonds.")}));
    }

    // Each announcement is a notification of its own under the status line,
    // its sentence in a text inside; only the latest few stay alive.
    void announcementsAreNotifications() {
        Window w;
        w.View.Record(TableEvent{TableEvent::Discards, false, 5});
        QAccessibleInterface* note = w.Aids->Voice->Alive().last();
        QCOMPARE(note->role(), QAccessible::Notification);
        QAccessibleInterface* line = QAccessible::queryAccessibleInterface(w.Find("Announcements"));
        QCOMPARE(note->parent(), line);
        QCOMPARE(line->role(), QAccessible::StatusBar);
        QCOMPARE(note->childCount(), 1);
        QCOMPARE(note->child(0)->role(), QAccessible::StaticText);
        QCOMPARE(note->child(0)->text(QAccessible::Name),
                 QStringLiteral("You discard the Five of Diamonds."));
        const QAccessible::Id first = QAccessible::uniqueId(note);
        for (int i = 0; i < Notices::Kept + 4; ++i)
            w.Aids->Voice->Say(QString::number(i));
        const QList<QAccessibleInterface*> alive = w.Aids->Voice->Alive();
        QCOMPARE(alive.size(), Notices::Kept);
        QCOMPARE(alive.first()->child(0)->text(QAccessible::Name), QStringLiteral("4"));
        QVERIFY(!QAccessible::accessibleInterface(first)); // gone, with its text
    }

    // The instruction line is told when it changes; a message box is told
    // by its title and its description, the text and the buttons.
    void instructionsAndBoxesAreTold() {
        Window w;
        QVERIFY(w.Said().last().startsWith("Cards shuffled - use menu"));
        const qsizetype told = w.Said().size();
        w.View.SetText(Ctl::LblInfo, w.Said().last()); // shown again
        QCOMPARE(w.Said().size(), told);
        BoxAnswers answers;
        w.Game.Dispatch([&] { w.Game.CmdTarget(); });
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(w.View.MessageBox());
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Target points set"));
        QCOMPARE(box->text(QAccessible::Description),
                 QStringLiteral("Target points are set to 100 for this game only. You must change "
                                "before starting a session as you may sometimes want a quick game "
                                "and somtimes a long one. Button: O.K."));
    }

    // A box in Dorvil's turn cuts what a screen reader still had to say: the
    // turn's news is told again as it appears, then the win it waited for.
    void aBoxInDorvilsTurnRetellsIt() {
        Window w;
        BoxAnswers answers;
        const qsizetype before = w.Said().size();
        w.View.Record(TableEvent{TableEvent::Draws, true, 5});
        w.View.Record(TableEvent{TableEvent::HandWon, true, 0, 0, 12});
        QCOMPARE(w.Said().size(), before + 1); // the win waits for its box
        w.View.DeluxeMsg(QStringLiteral("Dorvil won this hand\rand gains the points"),
                         QStringLiteral("Next Hand"), QString(), QString(), 5,
                         QStringLiteral("Dorvil wins the Hand."));
        const QString draw = QStringLiteral("Dorvil takes a card from the stock.");
        QCOMPARE(w.Said().mid(before),
                 (QStringList{draw, draw,
                              QStringLiteral("Dorvil wins the hand and scores 12 points.")}));
        QCOMPARE(w.View.MessageBox()->accessibleDescription(),
                 QStringLiteral("Dorvil won this hand and gains the points. Button: Next Hand."));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
