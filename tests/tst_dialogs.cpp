// The game's own boxes and windows: the message box's layout (a pure
// function of its text's height and its buttons), its clicks, pressed look
// and pictures, the help window, the about box and the name dialog.
#include "FrmMain.h"
#include "TestWindow.h"
#include "dialogs/FaceButton.h"
#include "dialogs/HelpAbout.h"
#include "dialogs/MFormDeluxe.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestDialogs : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void messageBoxLayout_data() {
        QTest::addColumn<int>("textHeight");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QList<int>>("faceLefts");
        QTest::addColumn<int>("faceTop");
        QTest::addColumn<int>("iconTop");
        QTest::newRow("one line, one button")
            << 240 << 1 << QSize(4500, 1380) << QList<int>{1613} << 990 << 435;
        QTest::newRow("two buttons")
            << 240 << 2 << QSize(4500, 1380) << QList<int>{952, 2273} << 990 << 435;
        QTest::newRow("three buttons")
            << 240 << 3 << QSize(4500, 1380) << QList<int>{293, 1613, 2932} << 990 << 435;
        QTest::newRow("long text")
            << 960 << 1 << QSize(4500, 2100) << QList<int>{1613} << 1710 << 795;
    }
    void messageBoxLayout() {
        QFETCH(int, textHeight);
        QFETCH(int, buttons);
        QFETCH(QSize, box);
        QFETCH(QList<int>, faceLefts);
        QFETCH(int, faceTop);
        QFETCH(int, iconTop);
        DeluxeLayout l =
            ComputeDeluxeLayout(textHeight, buttons > 1 ? "b" : "", buttons > 2 ? "c" : "");
        QCOMPARE(QSize(l.Width, l.Height), box);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(l.FaceShown[i], i < buttons);
            if (i < buttons) {
                QCOMPARE(l.Faces[i].left(), faceLefts[i]);
                QCOMPARE(l.Faces[i].top(), faceTop);
            }
        }
        QCOMPARE(l.Icon.top(), iconTop);
        QCOMPARE(l.Title, QRect(45, 60, 4410, 300));
        if (buttons == 2) QCOMPARE(l.Faces[1].left() - l.Faces[0].right() - 1, 46);
        if (buttons == 3) QCOMPARE(l.Faces[1].left() + l.Faces[1].width() / 2, l.Width / 2);
    }

    void messageBoxClicksAndPressedLook() {
        QWidget parent;
        int rang = 0;
        MFormDeluxe box(&parent);
        QObject::connect(&box, &MFormDeluxe::Rings, [&] { ++rang; });
        QList<bool> pressedSeen;
        QTimer::singleShot(50, [&] {
            QLabel* caption = box.Face(1)->Caption();
            QTest::mousePress(caption, Qt::LeftButton);
            pressedSeen << box.Face(1)->IsPressed();
            QTest::mouseRelease(caption, Qt::LeftButton);
        });
        int choice = box.DeluxeMsg(" One line.", "Yes", "No", "", 1, "Question");
        QCOMPARE(choice, 1);
        QCOMPARE(box.Choice(), 1); // DeluxeChoice
        QCOMPARE(pressedSeen, QList<bool>{true});
        QCOMPARE(rang, 1);
        QCOMPARE(box.size(), QSize(300, 92)); // 4500 x 1380 twips
        QCOMPARE(box.findChild<QLabel*>("Label3")->text(), QStringLiteral("   Question"));
        QVERIFY(!box.isVisible());
        // the next call shows every face raised again
        QTimer::singleShot(50, [&] {
            pressedSeen << box.Face(1)->IsPressed();
            QTest::mouseClick(box.Face(0)->Caption(), Qt::LeftButton);
        });
        QCOMPARE(box.DeluxeMsg("Again", "A", "B", "C", 4, "Three"), 0);
        QCOMPARE(pressedSeen.last(), false);
        QCOMPARE(rang, 2);
        QVERIFY(box.Face(2)->isVisibleTo(&box));
    }

    // One, two and three buttons and a long text, as the player sees them;
    // with MELDORA_SHOTS set to a folder the pictures are saved there.
    void messageBoxPictures() {
        QWidget parent;
        MFormDeluxe box(&parent);
        const QString folder = qEnvironmentVariable("MELDORA_SHOTS");
        struct Case {
            const char* name;
            QString text;
            QStringList buttons;
            int icon;
            int height;
        };
        const QString longText = QStringLiteral(
            "You have an incomplete Meld. Do you still wish to Discard this card?. If so click "
            "Discard, or Go Back to continue melding.You can take back card Melded by clicking on "
            "Button below your cards.");
        const Case cases[] = {
            {"one-button",
             "Stock is empty so replacing with all Discard cards except face card",
             {"O.K."},
             2,
             0},
            {"two-buttons",
             " You are in the middle of a game. Are you sure you wish to exit?",
             {"Yes Exit", "Continue Game"},
             1,
             0},
            {"three-buttons", "Three ways to go on.", {"One", "Two", "Three"}, 3, 0},
            {"long-text", longText, {"Discard", "Go Back"}, 1, 0}};
        int heights[4] = {};
        for (int i = 0; i < 4; ++i) {
            const Case& c = cases[i];
            QTimer::singleShot(50, [&] {
                heights[i] = box.height();
                if (!folder.isEmpty())
                    box.grab().save(folder +
                                    QStringLiteral("/message-%1.png").arg(QLatin1String(c.name)));
                QTest::mouseClick(box.Face(0)->Caption(), Qt::LeftButton);
            });
            box.DeluxeMsg(c.text, c.buttons.value(0), c.buttons.value(1), c.buttons.value(2),
                          c.icon, QStringLiteral("Picture %1").arg(i + 1));
            QCOMPARE(box.Face(1)->isVisibleTo(&box), c.buttons.size() > 1);
            QCOMPARE(box.Face(2)->isVisibleTo(&box), c.buttons.size() > 2);
        }
        QVERIFY(heights[0] > 0);
        QVERIFY(heights[3] > heights[1]);            // the long text makes the box taller
        QCOMPARE((heights[3] - heights[1]) % 16, 0); // by whole lines of 240 twips
    }

    void helpWindow() {
        QTemporaryDir empty;
        FrmHelp missing{QIcon()};
        missing.LoadText(empty.path());
        QCOMPARE(missing.TxtHelp->toPlainText(),
                 QStringLiteral("The help file mnuag.txt could not be read."));
        FrmHelp help{QIcon()};
        help.LoadText(QStringLiteral(DATA_DIR));
        QVERIFY(help.TxtHelp->toPlainText().contains(QStringLiteral("Dorvil")));
        QCOMPARE(help.windowTitle(), QStringLiteral("Meldora Help"));
        help.show();
        help.resize(500, 300);
        QApplication::processEvents();
        QCOMPARE(help.TxtHelp->geometry(), QRect(6, 6, 500, 300));
    }

    void aboutBox() {
        QWidget parent;
        auto* about = new frmAbout(&parent, QIcon());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Meldora"));
        QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(),
                 QStringLiteral("Version " MELDORA_VERSION));
        QCOMPARE(about->findChild<QLabel*>("lblDescription")->text(),
                 QStringLiteral("Meldora - an enjoyable and fast  moving game of Rummy"));
        about->show();
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(!about->isVisible());
        auto* again = new frmAbout(&parent, QIcon());
        again->show();
        QTest::keyClick(again, Qt::Key_Return);
        QVERIFY(!again->isVisible());
        if (frmAbout::FindSystemInfoTool().isEmpty()) {
            QString shown;
            QTimer::singleShot(50, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    shown = box->text();
                    box->accept();
                }
            });
            auto* third = new frmAbout(&parent, QIcon());
            third->cmdSysInfo();
            QCOMPARE(shown, QStringLiteral("System Information Is Unavailable At This Time"));
        }
    }

    // Cancel, or closing the name dialog, keeps the name everywhere: on the
    // table, in Names2.dat, and in History.csv as the next hand records it.
    void nameDialogCancelledOrClosed_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("Cancel") << true;
        QTest::newRow("closed") << false;
    }
    void nameDialogCancelledOrClosed() {
        QFETCH(bool, cancel);
        TableWindow w(MakeRandomSource(1), QStringLiteral("Ada"));
        auto settleAHand = [&w] {
            QTimer::singleShot(50, [] {
                if (auto* box = qobject_cast<MFormDeluxe*>(QApplication::activeModalWidget()))
                    box->Face(0)->Choose();
            });
            w.Game.PlayerCount = 0; // the player goes out
            w.Game.Dispatch([&] { w.Game.SettleHand(); });
        };
        settleAHand();
        auto file = [&w](const char* name) {
            QFile f(w.Dir.filePath(QLatin1String(name)));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        auto texts = [&w] {
            QStringList shown;
            for (QLabel* label : w.View.findChildren<QLabel*>())
                shown << label->objectName() + QLatin1Char('=') + label->text();
            return shown;
        };
        const QByteArray names = file("Names2.dat"), history = file("History.csv");
        const QStringList before = texts();
        QVERIFY(history.contains("\"Ada\""));
        QTimer::singleShot(50, [cancel] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->setTextValue(QStringLiteral("Zed"));
            if (cancel)
                box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
            else
                box->close();
        });
        w.View.findChild<QAction*>("MnuPname")->trigger();
        QCOMPARE(w.Game.PlayerName, QStringLiteral("Ada"));
        QCOMPARE(file("Names2.dat"), names);
        QCOMPARE(file("History.csv"), history);
        QCOMPARE(texts(), before);
        settleAHand();
        QVERIFY(file("History.csv").trimmed().split('\n').last().contains("\"Ada\""));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
