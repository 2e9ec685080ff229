// The table in the desktop's language. CTest runs this program once for each
// LANGUAGE (de, fr, en and an unknown xx): it installs the translations as
// the program does, plays the start of a hand, and finds every text in the
// language expected: German, French, or today's English for English and for
// a language Meldora does not have.
#include "FrmMain.h"
#include "TestWindow.h"
#include "dialogs/DeckDialog.h"
#include "dialogs/FaceButton.h"
#include "dialogs/HelpAbout.h"
#include "dialogs/MFormDeluxe.h"
#include "table/TableWidgets.h"
#include "window/TableNews.h"
#include "window/Translations.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {
// One text in each language; %1 is the player's name where it has one.
struct Text {
    const char* En;
    const char* De;
    const char* Fr;
};

QString Expected(const Text& text) {
    const QString language = Translations::InUse();
    return QString::fromUtf8(language == QLatin1String("de")   ? text.De
                             : language == QLatin1String("fr") ? text.Fr
                                                               : text.En);
}

const Text Name{"Player", "Spieler", "Joueur"};

// What the message box showed, and the button it was answered with.
struct BoxSeen {
    QString Title, Text;
    QStringList Captions;
};

// Answers the next message box with button `choice`, remembering what it showed.
void AnswerNextBox(BoxSeen& seen, int choice) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, choice] {
        auto* box = qobject_cast<MFormDeluxe*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        seen = {box->Title(), box->Text(), box->Captions()};
        poll->deleteLater();
        box->Face(choice)->Choose();
    });
    poll->start();
}
} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        const QByteArray wanted = qgetenv("LANGUAGE");
        const QString language = Translations::Install(QStringLiteral(BUILD_DIR));
        // A language Meldora has is spoken; any other leaves it in English.
        QCOMPARE(language, wanted == "de" || wanted == "fr" ? QString::fromLatin1(wanted)
                                                            : QStringLiteral("en"));
        QVERIFY(Translations::Available().contains("de") &&
                Translations::Available().contains("fr"));
    }

    void choosesTheFirstLanguageItHas_data() {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{"de"} << "de";
        QTest::newRow("German, then English") << QStringList{"de", "en"} << "de";
        QTest::newRow("English, then German") << QStringList{"en-GB", "de"} << "en";
        QTest::newRow("a country's French") << QStringList{"fr-CA", "fr-Latn-CA"} << "fr";
        QTest::newRow("a locale's name") << QStringList{"fr_FR.UTF-8"} << "fr";
        QTest::newRow("one it lacks, then French") << QStringList{"xx", "fr"} << "fr";
        QTest::newRow("one it lacks") << QStringList{"xx", "C"} << "en";
        QTest::newRow("nothing") << QStringList{} << "en";
    }
    void choosesTheFirstLanguageItHas() {
        QFETCH(QStringList, wanted);
        QFETCH(QString, chosen);
        QCOMPARE(Translations::Choose(wanted, {"de", "fr"}), chosen);
    }

    void menus_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const struct {
            const char* Name;
            Text Shown;
        } rows[] = {
            {"MnuPlay", {"&Play", "&Spiel", "&Partie"}},
            {"MnuOptions", {"&Options", "&Optionen", "&Options"}},
            {"MnuNew", {"&New Game", "&Neues Spiel", "&Nouvelle partie"}},
            {"MnuRules", {"Rules and Help", "Regeln und Hilfe", "Règles et aide"}},
            {"MnuDorvilSharp", {"Dorvil Plays &Sharp", "Dorvil spielt &gewieft", "Dorvil &rusé"}},
            {"MnuLanguage", {"Lan&guage", "&Sprache", "&Langue"}},
            {"MnuCardDeck", {"Card &Deck...", "Karten&deck...", "&Jeu de cartes..."}},
            {"MnuSound", {"S&ound", "&Ton", "&Son"}},
            {"MnuPace", {"&Pace", "Tem&po", "&Vitesse"}},
            {"MnuPaceQuick", {"&Quick", "&Schnell", "&Rapide"}},
            {"MnuLanguage_System", {"System default", "Systemstandard", "Langue du système"}},
            {"MnuLanguageNote",
             {"Takes effect at the next start", "Gilt ab dem nächsten Start",
              "Prend effet au prochain démarrage"}},
            // Each language is named in itself, in any language.
            {"MnuLanguage_en", {"English", "English", "English"}},
            {"MnuLanguage_de", {"Deutsch", "Deutsch", "Deutsch"}},
            {"MnuLanguage_fr", {"Français", "Français", "Français"}}};
        for (const auto& row : rows)
            QTest::newRow(row.Name) << row.Name << Expected(row.Shown);
    }
    void menus() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        TableWindow w;
        auto* menu = w.Find<QMenu>(name);
        auto* action = w.Find<QAction>(name);
        QVERIFY2(menu || action, qPrintable(name));
        QCOMPARE(menu ? menu->title() : action->text(), text);
    }

    // The start of a hand: the instruction line, the status bar and the
    // statistics, a question from the menu, a card taken, a discard and
    // Dorvil's turn.
    void aHandInTheLanguage() {
        TableWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.View));
        auto info = [&w] { return w.Find<QLabel>("LblInfo")->text(); };
        auto panel = [&w](int i) {
            return w.Find<QLabel>(QStringLiteral("StatusBar1_Panel%1").arg(i))->text();
        };
        const QString name = Expected(Name);
        QCOMPARE(info(),
                 Expected({"Cards shuffled - use menu if you wish and then click on pack "
                           "or press F2 to deal cards.",
                           "Karten gemischt – nutze bei Bedarf das Menü, dann klicke auf "
                           "den Stapel oder drücke F2 zum Geben.",
                           "Cartes mélangées – utilisez le menu si besoin, puis cliquez sur "
                           "le paquet ou appuyez sur F2 pour distribuer."}));
        QCOMPARE(w.Find<QLabel>("LblMoneyP")->text(),
                 Expected({"$0.00", "0,00\u00a0$", "0,00\u00a0$"}));
        QCOMPARE(panel(1), Expected({"Target:- 100", "Ziel: 100", "Objectif\u00a0: 100"}));

        w.Game.Dispatch([&] { w.Game.Cds_Click(1); }); // the pack: deals
        QVERIFY(w.Game.PlayerTurn);
        QCOMPARE(info(), Expected({"%1 please take either a Discard card or a Stock card by "
                                   "clicking on the one you want",
                                   "%1, nimm bitte eine Karte: Klicke auf den Ablagestapel oder "
                                   "auf den Stapel.",
                                   "%1, prenez une carte\u00a0: cliquez sur la défausse ou sur la "
                                   "pioche."})
                             .arg(name));
        QCOMPARE(panel(2),
                 Expected({"%1's current points 0", "Punktestand %1: 0", "Score de %1\u00a0: 0"})
                     .arg(name));

        BoxSeen seen;
        AnswerNextBox(seen, 1);
        w.Find<QAction>("MnuNew")->trigger();
        QCOMPARE(seen.Title, Expected({"Really New Game?", "Wirklich neues Spiel?",
                                       "Vraiment une nouvelle partie\u00a0?"}));
        QCOMPARE(seen.Text, Expected({"%1 you are in the middle of a game, are  you sure you wish "
                                      "to start a new one?",
                                      "%1, du bist mitten in einem Spiel. Willst du wirklich ein "
                                      "neues beginnen?",
                                      "%1, vous êtes en pleine partie. Voulez-vous vraiment en "
                                      "commencer une nouvelle\u00a0?"})
                                .arg(name));
        QCOMPARE(seen.Captions,
                 (QStringList{Expected({"New Game", "Neues Spiel", "Nouvelle partie"}),
                              Expected({"Oops No", "Hoppla, nein", "Oups, non"})}));
        QVERIFY(w.Game.GameInPlay); // "Oops No": the hand goes on

        int stock = 0;
        for (int n = 1; n <= 52 && !stock; ++n)
            if (w.Game.Cards(n).Place == Where::Stock) stock = n;
        w.Game.Dispatch([&] { w.Game.Cds_MouseDown(stock); });
        QCOMPARE(info(), Expected({"%1 now make Melds if you wish and Discard a card.",
                                   "%1, lege jetzt aus, wenn du willst, und wirf eine Karte ab.",
                                   "%1, posez vos combinaisons si vous voulez, puis défaussez une "
                                   "carte."})
                             .arg(name));
        QCOMPARE(panel(4),
                 Expected({"%1 Points in your hand", "%1 Punkte auf der Hand", "%1 points en main"})
                     .arg(w.Game.PlayerHandPoints));

        int card = 0;
        for (int n = 1; n <= 52 && !card; ++n)
            if (w.Game.Cards(n).Place == Where::PlayerHand) card = n;
        QStringList lines;
        connect(&w.View.News(), &TableNews::TextShown, this, [&](Ctl control, const QString& text) {
            if (control == Ctl::LblInfo) lines << text;
        });
        w.Game.Dispatch([&] { w.Game.DiscardCard(card); }); // and Dorvil plays his turn
        QVERIFY(w.Game.PlayerTurn || w.Game.HandOver);
        QCOMPARE(lines.value(0), Expected({"Dorvil is now playing his hand.",
                                           "Dorvil ist jetzt am Zug.", "Dorvil joue maintenant."}));
    }

    // The rules in the language in use, English where there is none.
    void rulesText() {
        FrmHelp help{QIcon()};
        help.LoadText(QStringLiteral(DATA_DIR), Translations::InUse());
        QCOMPARE(help.TxtHelp->toPlainText().section('\n', 0, 0),
                 Expected({"MELDORA - RULES AND HELP", "MELDORA – REGELN UND HILFE",
                           "MELDORA – RÈGLES ET AIDE"}));
    }

    // The rules name every command of the menus, with its key, in the language in use.
    void rulesTellEveryCommand() {
        TableWindow w;
        FrmHelp help{QIcon()};
        help.LoadText(QStringLiteral(DATA_DIR), Translations::InUse());
        const QString rules = help.TxtHelp->toPlainText();
        QList<QAction*> commands{w.Find<QMenu>("MnuLanguage")->menuAction(),
                                 w.Find<QMenu>("MnuPace")->menuAction()};
        for (const char* name : {"MnuNew", "MnuHint", "MnuDemo", "MnuExit", "MnuRules", "MnuCT",
                                 "MnuPname", "ErasePoints", "MnuDorvilClassic", "MnuDorvilSharp",
                                 "MnuCardDeck", "MnuHistory", "MnuFullScreen", "MnuSound",
                                 "MnuPaceNormal", "MnuPaceQuick"}) {
            auto* action = w.Find<QAction>(name);
            if (!action) action = w.Advice->findChild<QAction*>(name);
            QVERIFY2(action, name);
            commands << action;
        }
        for (QAction* command : commands) {
            const QString text = command->text().remove('&');
            const QString key = command->shortcut().toString(QKeySequence::NativeText);
            QVERIFY2(rules.contains(text), qPrintable(text));
            QVERIFY2(key.isEmpty() || rules.contains('(' + key + ')'), qPrintable(key));
        }
    }

    // The Card Deck dialog, with a deck named in each language and lacking
    // a card: the deck's own name for the language the program speaks (not
    // the desktop's, which may differ), and why it cannot be used.
    void cardDeckDialog() {
        QTemporaryDir data;
        const QString folder = data.filePath("carddecks/svg-lacking");
        QVERIFY(QDir().mkpath(folder));
        QFile index(folder + "/index.desktop");
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[KDE Backdeck]\nName=Lacking\nName[de]=Unvollständig\n"
                    "Name[fr]=Incomplet\nSVG=lacking.svg\n");
        index.close();
        QFile svg(folder + "/lacking.svg");
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='71' height='96'>"
                  "<rect id='joker' width='71' height='96'/></svg>");
        svg.close();
        const QByteArray dirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_DIRS", data.path().toLocal8Bit());
        qputenv("LC_ALL", "en_GB.UTF-8"); // a desktop in English all the same
        TableWindow w;
        w.Find<QAction>("MnuCardDeck")->trigger();
        auto* box = w.Find<DeckDialog>("DeckDialog");
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->windowTitle(), Expected({"Card Deck", "Kartendeck", "Jeu de cartes"}));
        QCOMPARE(box->List()->accessibleName(),
                 Expected({"Card decks", "Kartendecks", "Jeux de cartes"}));
        QCOMPARE(box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text(),
                 Expected({"Use This Deck", "Dieses Kartendeck verwenden",
                           "Utiliser ce jeu de cartes"}));
        QCOMPARE(box->List()->currentItem()->text(),
                 Expected({"Lacking", "Unvollständig", "Incomplet"}));
        QTRY_COMPARE(box->findChild<QLabel*>("DeckMessage")->text(),
                     Expected({"Lacking cannot be used: it has no Ace of Diamonds.",
                               "Das Kartendeck Unvollständig kann nicht verwendet werden: Die "
                               "Karte Karo-Ass fehlt.",
                               "Le jeu de cartes Incomplet est inutilisable\u00a0: la carte as "
                               "de carreau est absente."}));
        box->reject();
        qunsetenv("LC_ALL");
        qputenv("XDG_DATA_DIRS", dirs);
    }

    // Qt's own dialogs speak the language too.
    void qtDialogs() {
        QMessageBox box;
        QCOMPARE(box.addButton(QMessageBox::Cancel)->text().remove('&'),
                 Expected({"Cancel", "Abbrechen", "Annuler"}));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
