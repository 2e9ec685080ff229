// The table at another scale: the fitting scale, the default table unchanged
// by a trip to another size, drops judged at the scaled positions, the card
// and pointer pictures per size, the message box, full screen and the
// remembered window.
#include "FrmMain.h"
#include "Random.h"
#include "TestWindow.h"
#include "dialogs/FaceButton.h"
#include "dialogs/MFormDeluxe.h"
#include "table/FollowMouse.h"
#include "table/ImageList.h"
#include "table/TableWidgets.h"
#include "window/MainWindow.h"
#include "window/SessionEnd.h"
#include "window/TableNews.h"
#include "window/UserSettings.h"
#include "window/WindowState.h"

#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Window : TableWindow {
    // The client area below the menu bar made `area` pixels.
    void Resize(QSize area) {
        View.resize(area + QSize(0, View.menuBar()->height()));
        QApplication::processEvents();
    }
    void Settle() {
        if (auto* timer = View.findChild<QTimer*>("SettleTimer")) QTRY_VERIFY(!timer->isActive());
    }
    QRect Geometry(const char* name) { return View.findChild<QWidget*>(name)->geometry(); }
};
} // namespace

class TestScaling : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void fittingScale_data() {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<double>("scale");
        QTest::newRow("the design size") << QSize(784, 635) << 1.0;
        QTest::newRow("one and a half, half a pixel short") << QSize(1176, 952) << 1.5;
        QTest::newRow("twice") << QSize(1568, 1270) << 2.0;
        QTest::newRow("wider than the table") << QSize(1920, 635) << 1.0;
        QTest::newRow("taller than the table") << QSize(784, 1200) << 1.0;
        QTest::newRow("full screen below a menu bar") << QSize(1920, 1061) << 1.67;
        QTest::newRow("not near a hundredth") << QSize(1000, 2000) << 1000 / 784.0;
        QTest::newRow("tiny") << QSize(100, 80) << 0.5;
    }
    void fittingScale() {
        QFETCH(QSize, area);
        QFETCH(double, scale);
        QCOMPARE(TableScale::Fitting(area).Factor(), scale);
    }

    // Every pixel position maps back to the twips that map onto it again.
    void twipsRoundTrip() {
        for (double f : {0.5, 1.0, 1.5, 1.67, 2.0, 3.0}) {
            const TableScale s(f);
            for (int px = 0; px < 800; ++px) {
                const QPoint twips = s.Twips(QPoint(px, px));
                QCOMPARE(s.Px(twips), QPoint(px, px));
            }
        }
    }

    void defaultTableUnchangedAfterATripToAnotherSize() {
        Window w;
        w.Settle();
        const QImage before = w.View.grab().toImage();
        w.Resize({1176, 952});
        QCOMPARE(w.View.Scale().Factor(), 1.5);
        w.Settle();
        w.Resize({784, 635});
        w.Settle();
        QCOMPARE(w.View.grab().toImage(), before);
    }

    void scaledTableIsCentredAndTheStatusBarDocked() {
        Window w;
        w.Resize({1300, 952});
        QCOMPARE(w.Geometry("ClientArea"), QRect(62, 0, 1176, 953)); // navy margins either side
        QCOMPARE(w.Geometry("FramStats"), QRect(876, 12, 281, 164));
        QCOMPARE(w.Geometry("Txtpoints"), QRect(108, 48, 50, 38));
        QCOMPARE(w.View.Card(52)->size(), QSize(107, 144));
        QCOMPARE(w.Geometry("StatusBar1"), QRect(0, 952 - 38, 1300, 38));
        QCOMPARE(w.View.findChild<QLabel*>("LblInfo")->font().pixelSize(), 23);
        // the cards drawn afresh at their new size once the resize settled
        ImageList fresh(QStringLiteral("/nonexistent.svgz"), w.View.devicePixelRatioF());
        fresh.SetCardSize({107, 144}, w.View.devicePixelRatioF());
        auto inside = [](const QPixmap& pm) {
            return pm.toImage().convertToFormat(QImage::Format_RGB32).copy(10, 10, 87, 124);
        };
        QVERIFY(inside(w.View.Card(52)->grab()) != inside(fresh.Image(53)));
        w.Settle();
        QCOMPARE(inside(w.View.Card(52)->grab()), inside(fresh.Image(53)));
    }

    // A card held at 1.5 x lands by the twips its pixels stand for: one
    // pixel either side of the meld area's left edge decides.
    void dropJudgedAtTheScaledPosition_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("kind");
        QTest::newRow("on the edge: back to the hand") << 240 << int(TableEvent::Returns);
        QTest::newRow("a pixel inside: a new meld") << 241 << int(TableEvent::Melds);
    }
    void dropJudgedAtTheScaledPosition() {
        QFETCH(int, left);
        QFETCH(int, kind);
        Window w;
        w.Resize({1176, 952});
        FrmMain& g = w.Game;
        for (int n : {2, 16, 33})
            g.Cards(n).Place = Where::PlayerHand;
        g.PlayerCount = 3;
        g.GameInPlay = g.PlayerTurn = g.PlayerHasDrawn = true;
        g.LayOutHand(false);
        std::vector<TableEvent> events;
        QObject::connect(&w.View.News(), &TableNews::TableEventSeen,
                         [&](const TableEvent& e) { events.push_back(e); });
        CardPicture* card = w.View.Card(33);
        QTest::mousePress(card, Qt::LeftButton);
        const QPoint target(left, 300);
        QCursor::setPos(QCursor::pos() + target - card->pos());
        w.View.Follower()->mObTimer_Timer();
        QCOMPARE(card->pos(), target);
        QTest::mouseRelease(card, Qt::LeftButton);
        QVERIFY(!events.empty());
        QCOMPARE(int(events.back().What), kind);
    }

    // The timer that carries a held card ticks after each move of the pointer.
    void followerTicksAfterEachMove() {
        QWidget parent;
        QWidget card(&parent);
        QPoint pointer(500, 500);
        clsObjectFollowMouse follow([&] { return pointer; });
        QTimer timer;
        follow.SetTimer(&timer);
        follow.SetObject(&card);
        follow.SetEnabled(true);
        QTRY_VERIFY(!timer.isActive()); // the pointer rests: no ticks
        pointer = QPoint(520, 510);
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(520, 510), Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&card, &move);
        QVERIFY(timer.isActive());
        QTRY_COMPARE(card.pos(), QPoint(20, 10));
    }

    void picturesPerSize() {
        ImageList images(QStringLiteral("/nonexistent.svgz"), 2.0);
        const QPixmap design = images.Image(14);
        images.SetCardSize({107, 144}, 2.0);
        const QPixmap large = images.Image(14);
        QCOMPARE(large.size(), QSize(214, 288));
        QCOMPARE(images.Image(14).cacheKey(), large.cacheKey());
        images.SetCardSize({71, 96}, 2.0);
        QCOMPARE(images.Image(14).cacheKey(), design.cacheKey()); // kept, not drawn again
        images.SetPointerScale(TableScale(1.5));
        QCOMPARE(images.Pointer(55).hotSpot(), QPoint(24, 21));
        QCOMPARE(images.PointerImage(56).deviceIndependentSize().toSize(), QSize(48, 48));
        QCOMPARE(ImageList::ButtonBar(1.0, TableScale(2)).size(), QSize(200, 50));
    }

    // The box grows with the table and breaks its text into the same lines.
    void messageBoxAtScale() {
        QWidget parent;
        MFormDeluxe box(&parent);
        QList<QSize> sizes;
        for (double f : {1.0, 1.5}) {
            box.SetScale(TableScale(f));
            QTimer::singleShot(50, [&] {
                sizes << box.size();
                QTest::mouseClick(box.Face(0)->Caption(), Qt::LeftButton);
            });
            box.DeluxeMsg("You have an incomplete Meld. Do you still wish to Discard this card?",
                          "Discard", "Go Back", "", 1, "Incomplete Meld");
        }
        QCOMPARE(sizes, (QList<QSize>{{300, 108}, {450, 162}}));
        QCOMPARE(box.Face(1)->size(), QSize(128, 30));
    }

    // The window makes its message box on the first message, maybe long after a resize.
    void messageBoxOpenedAfterAResize() {
        Window w;
        w.Resize({1176, 952});
        QSize shown;
        QTimer::singleShot(50, [&] {
            shown = w.View.MessageBox()->size();
            QTest::mouseClick(w.View.MessageBox()->Face(0)->Caption(), Qt::LeftButton);
        });
        w.View.DeluxeMsg("Stock is empty", "O.K.", "", "", 2, "Stock");
        QCOMPARE(shown, QSize(450, 138));
    }

    void fullScreenEntry() {
        Window w;
        auto* options = w.View.findChild<QMenu*>("MnuOptions");
        QAction* full = options->actions().last();
        QCOMPARE(full->objectName(), QStringLiteral("MnuFullScreen"));
        QCOMPARE(full->text(), QStringLiteral("&Full Screen"));
        QCOMPARE(full->shortcut(), QKeySequence(Qt::Key_F11));
        QVERIFY(full->isCheckable());
        w.View.EnableMenu(Menu::MnuOptions, false); // while the cards are dealt
        QVERIFY(full->isEnabled());
        QVERIFY(!w.View.findChild<QAction*>("MnuCT")->isEnabled());
        full->trigger();
        QVERIFY(w.View.windowState() & Qt::WindowFullScreen);
        QVERIFY(full->isChecked());
        full->trigger();
        QVERIFY(!(w.View.windowState() & Qt::WindowFullScreen));
        QVERIFY(!full->isChecked());
    }

    void fitToScreen_data() {
        QTest::addColumn<QRect>("wanted");
        QTest::addColumn<QRect>("fitted");
        QTest::newRow("fits") << QRect(100, 50, 1176, 971) << QRect(100, 50, 1176, 971);
        QTest::newRow("too large") << QRect(0, 0, 3000, 2000) << QRect(0, 0, 1920, 1040);
        QTest::newRow("past the right edge")
            << QRect(1500, 500, 800, 600) << QRect(1120, 440, 800, 600);
        QTest::newRow("left of the screen") << QRect(-900, -10, 800, 600) << QRect(0, 0, 800, 600);
        QTest::newRow("smaller than allowed") << QRect(10, 10, 100, 100) << QRect(10, 10, 392, 337);
    }
    void fitToScreen() {
        QFETCH(QRect, wanted);
        QFETCH(QRect, fitted);
        QCOMPARE(FitToScreen(wanted, QRect(0, 0, 1920, 1040), QSize(392, 337)), fitted);
    }

    // The end of the desktop session (the session manager's request to
    // commit, then every window closed) asks nothing and closes down as Exit
    // does: the deal waiting in a pause stops, and the window keeps its size.
    // (Before any other test closes the program: once the application is
    // told to quit, nested loops return at once.)
    void sessionEndClosesDown() {
        UserSettings().clear();
        Window w;
        w.View.setGeometry(30, 20, 700, 560);
        const QSize closed = w.View.size();
        bool dealt = false;
        QTimer::singleShot(100, [&] {
            w.View.findChild<SessionEnd*>()->CommitRequested();
            QApplication::closeAllWindows();
        });
        w.Game.Dispatch([&] {
            w.Game.Cds_Click(1);
            dealt = true;
        });
        QVERIFY(!dealt);
        QVERIFY(w.Game.Closing);
        QVERIFY(!w.View.isVisible());
        QVERIFY(!w.View.MessageBox());
        UserSettings settings;
        QCOMPARE(WindowPlacement::Read(settings).Normal.size(), closed);
        settings.clear();
    }

    void windowRememberedAcrossStarts() {
        UserSettings().clear();
        QRect closed;
        {
            Window w;
            w.View.setGeometry(20, 10, 640, 520); // smaller than the test screen
            closed = w.View.geometry();
            w.Game.Dispatch([&] { w.View.CloseProgram(); });
        }
        Window again;
        again.View.hide();
        again.View.RestoreWindow();
        QCOMPARE(again.View.geometry().size(), closed.size());
        {
            UserSettings settings;
            settings.setValue("Window/Geometry", "not a rectangle");
            settings.setValue("Window/FullScreen", true);
        }
        Window damaged;
        const QSize designed = damaged.View.size();
        damaged.View.hide();
        damaged.View.RestoreWindow();
        QVERIFY(damaged.View.windowState() & Qt::WindowFullScreen);
        QCOMPARE(damaged.View.size(), designed); // nothing taken from a damaged entry
        UserSettings().clear();
    }
};

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
