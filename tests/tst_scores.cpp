// The statistics and name files, the money text, the target box's key filter
// and the target and name commands.
#include "SavedRecord.h"
#include "TestView.h"

#include <QtTest>

class TestScores : public QObject {
    Q_OBJECT
  private slots:
    void parseLine_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("statistics") << QByteArray("3,5,120,0,\"Player\"\r\n")
                                    << QStringList{"3", "5", "120", "0", "Player"};
        QTest::newRow("comma inside quotes")
            << QByteArray("\"Smith, John\"\r\n") << QStringList{"Smith, John"};
        QTest::newRow("blanks around fields")
            << QByteArray(" 1 ,  2,\" Al \" \r\n") << QStringList{"1", "2", " Al "};
        QTest::newRow("empty name") << QByteArray("\"\"\r\n") << QStringList{""};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("only the first line counts")
            << QByteArray("1,2\r\n3,4\r\n") << QStringList{"1", "2"};
        QTest::newRow("unclosed quote") << QByteArray("1,\"Bo") << QStringList{"1", "Bo"};
        QTest::newRow("windows-1252 name")
            << QByteArray("\"Jos\xe9 \x80\"") << QStringList{QString::fromUtf8("José €")};
        QTest::newRow("utf-8 name")
            << QByteArray("\"Zo\xc3\xab\"") << QStringList{QString::fromUtf8("Zoë")};
    }
    void parseLine() {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, fields);
        QCOMPARE(SavedRecord::ParseLine(line), fields);
    }

    void numbers_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "120" << 120;
        QTest::newRow("negative") << "-7" << -7;
        QTest::newRow("beyond the top") << "40000" << 32767;
        QTest::newRow("far beyond") << "99999999999999999999" << 32767;
        QTest::newRow("beyond the bottom") << "-40000" << -32768;
        QTest::newRow("garbage") << "12abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("half to even down") << "2.5" << 2;
        QTest::newRow("half to even up") << "3.5" << 4;
    }
    void numbers() {
        QFETCH(QString, field);
        QFETCH(int, value);
        QCOMPARE(int(SavedRecord::ToInt16(field)), value);
    }

    void moneyText_data() {
        QTest::addColumn<int>("cents");
        QTest::addColumn<QString>("text");
        for (auto [c, t] : std::initializer_list<std::pair<int, const char*>>{{0, "$0.00"},
                                                                              {7, "$0.07"},
                                                                              {50, "$0.50"},
                                                                              {99, "$0.99"},
                                                                              {100, "$1"},
                                                                              {105, "$1.05"},
                                                                              {150, "$1.5"},
                                                                              {250, "$2.5"},
                                                                              {1234, "$12.34"},
                                                                              {1000, "$10"},
                                                                              {32767, "$327.67"}})
            QTest::newRow(t) << c << QString::fromLatin1(t);
    }
    void moneyText() {
        QFETCH(int, cents);
        QFETCH(QString, text);
        QCOMPARE(SavedRecord::MoneyText(cents), text);
    }

    // English keeps the table's own way whatever the country; other
    // languages write money as their locale does.
    void moneyInTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("cents");
        QTest::addColumn<QString>("text");
        QTest::newRow("C") << "C" << 150 << "$1.5";
        QTest::newRow("English, Britain") << "en_GB" << 105 << "$1.05";
        QTest::newRow("English, United States") << "en_US" << 1000 << "$10";
        QTest::newRow("German") << "de_DE" << 105 << QString::fromUtf8("1,05\u00a0$");
        QTest::newRow("German, round dollars")
            << "de_DE" << 1000 << QString::fromUtf8("10,00\u00a0$");
        QTest::newRow("French, nothing owed") << "fr_FR" << 0 << QString::fromUtf8("0,00\u00a0$");
        QTest::newRow("French, the most") << "fr_FR" << 32767 << QString::fromUtf8("327,67\u00a0$");
    }
    void moneyInTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(int, cents);
        QFETCH(QString, text);
        QCOMPARE(SavedRecord::MoneyText(cents, QLocale(locale)), text);
    }

    void keyFilter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("caret");
        QTest::addColumn<bool>("passes");
        QTest::newRow("digit") << int('7') << "" << 0 << true;
        QTest::newRow("letter") << int('a') << "" << 0 << false;
        QTest::newRow("blank") << int(' ') << "1" << 1 << false;
        QTest::newRow("backspace") << 8 << "12" << 2 << true;
        QTest::newRow("first point") << int('.') << "5" << 1 << true;
        QTest::newRow("second point") << int('.') << "5." << 2 << false;
        QTest::newRow("minus first") << int('-') << "" << 0 << true;
        QTest::newRow("minus before digits") << int('-') << "5" << 0 << true;
        QTest::newRow("minus after a digit") << int('-') << "5" << 1 << false;
        QTest::newRow("second minus") << int('-') << "-5" << 0 << false;
    }
    void keyFilter() {
        QFETCH(int, key);
        QFETCH(QString, box);
        QFETCH(int, caret);
        QFETCH(bool, passes);
        QCOMPARE(ModOnlyNumeric(key, box, caret), passes ? key : 0);
    }

    void target_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("target");
        QTest::newRow("below the range") << "7" << 25;
        QTest::newRow("above the range") << "999" << 500;
        QTest::newRow("inside") << "250" << 250;
        QTest::newRow("lowest") << "25" << 25;
        QTest::newRow("highest") << "500" << 500;
        QTest::newRow("empty") << "" << 100;
        QTest::newRow("negative") << "-5" << 25;
        QTest::newRow("point after digits") << "50." << 50;
        QTest::newRow("fraction") << ".5" << 25;
        QTest::newRow("lone point") << "." << 100;
        QTest::newRow("lone minus") << "-" << 100;
        QTest::newRow("minus point") << "-." << 100;
        QTest::newRow("pasted letters") << "abc" << 100;
        QTest::newRow("pasted mixture") << "4x2" << 100;
    }
    void target() {
        QFETCH(QString, text);
        QFETCH(int, target);
        QCOMPARE(int(TargetFromText(text)), target);
    }

    void startupReadsFiles_data() {
        QTest::addColumn<QByteArray>("scores");
        QTest::addColumn<QByteArray>("names");
        QTest::addColumn<QList<int>>("numbers"); // player won, Dorvil won, Dorvil owed, player owed
        QTest::addColumn<QString>("name");
        QTest::newRow("both files")
            << QByteArray("3,5,120,0,\"Ann\"\r\n") << QByteArray("\"Bea\"\r\n")
            << QList<int>{3, 5, 120, 0} << "Bea";
        QTest::newRow("both missing")
            << QByteArray("<none>") << QByteArray("<none>") << QList<int>{0, 0, 0, 0} << "Player";
        QTest::newRow("name file missing") << QByteArray("1,2,3,4,\"Ann\"") << QByteArray("<none>")
                                           << QList<int>{1, 2, 3, 4} << "Ann";
        QTest::newRow("both empty")
            << QByteArray() << QByteArray() << QList<int>{0, 0, 0, 0} << "Player";
        QTest::newRow("truncated")
            << QByteArray("3,5") << QByteArray("<none>") << QList<int>{3, 5, 0, 0} << "Player";
        QTest::newRow("garbage") << QByteArray("\x01\xff,zz,,\"") << QByteArray("<none>")
                                 << QList<int>{0, 0, 0, 0} << "Player";
        QTest::newRow("beyond 16 bits")
            << QByteArray("99999,-5,70000,12,\"Al\"") << QByteArray("<none>")
            << QList<int>{32767, 0, 32767, 12} << "Al";
        QTest::newRow("not utf-8") << QByteArray("0,0,0,0,\"x\"") << QByteArray("\"Ren\xe9\"")
                                   << QList<int>{0, 0, 0, 0} << QString::fromUtf8("René");
        QTest::newRow("empty saved name")
            << QByteArray("0,0,0,0,\"Al\"") << QByteArray("\"\"") << QList<int>{0, 0, 0, 0} << "";
    }
    void startupReadsFiles() {
        QFETCH(QByteArray, scores);
        QFETCH(QByteArray, names);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, name);
        TestTable t;
        if (scores != "<none>") t.WriteFile("Scores.dat", scores);
        if (names != "<none>") t.WriteFile("Names2.dat", names);
        t.Run([&] { t.Frm.Form_Load(); });
        QCOMPARE(QList<int>(
                     {t.Frm.PlayerGamesWon, t.Frm.OppGamesWon, t.Frm.OppMoney, t.Frm.PlayerMoney}),
                 numbers);
        QCOMPARE(t.Frm.PlayerName, name);
        QCOMPARE(t.View.Texts[Ctl::LblName0], name);
        QCOMPARE(t.View.Panels[2], name + "'s current points 0");
        QCOMPARE(t.View.Texts[Ctl::LblWonP], QString::number(numbers[0]));
        QCOMPARE(t.View.Texts[Ctl::LblMoneyG], SavedRecord::MoneyText(numbers[2]));
        QCOMPARE(t.Frm.StockCount, 52); // a usable table whatever the files held
        QVERIFY(t.View.Errors.isEmpty());
    }

    void erasePointsRewritesScores() {
        TestTable t;
        t.WriteFile("Scores.dat", "4,2,0,310,\"Ann\"\r\n");
        t.WriteFile("Names2.dat", "\"Bea\"\r\n");
        t.Run([&] { t.Frm.Form_Load(); });
        t.Run([&] { t.Frm.ErasePoints(); });
        QCOMPARE(t.ReadFile("Scores.dat"), QByteArray("0,0,0,0,\"Bea\"\r\n"));
        for (Ctl label : {Ctl::LblWonP, Ctl::LblWonG, Ctl::LblMoneyP, Ctl::LblMoneyG})
            QCOMPARE(t.View.Texts[label], QStringLiteral("0"));
        QCOMPARE(t.View.Texts[Ctl::LblNoWonP], QStringLiteral("Won Bea"));
    }

    void awkwardNamesReadBackWhole_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("comma") << "Smith, John"
                               << "Smith, John";
        QTest::newRow("double quote") << "Big \"Al\""
                                      << "Big 'Al'";
        QTest::newRow("accents") << QString::fromUtf8("Zoë Ångström")
                                 << QString::fromUtf8("Zoë Ångström");
        QTest::newRow("long") << QString(200, QLatin1Char('n')) << QString(200, QLatin1Char('n'));
    }
    void awkwardNamesReadBackWhole() {
        QFETCH(QString, typed);
        QFETCH(QString, readBack);
        TestTable t;
        t.View.InputAnswer = typed;
        t.Run([&] { t.Frm.MnuPname(); });
        QCOMPARE(t.Frm.PlayerName, typed);
        QCOMPARE(t.View.Texts[Ctl::LblNoWonP], "Won " + typed);
        QCOMPARE(t.View.Texts[Ctl::LblGowes], "Owed " + typed);
        t.Run([&] { t.Frm.ErasePoints(); });
        TestTable next;
        next.WriteFile("Names2.dat", t.ReadFile("Names2.dat"));
        next.WriteFile("Scores.dat", t.ReadFile("Scores.dat"));
        next.Run([&] { next.Frm.Form_Load(); });
        QCOMPARE(next.Frm.PlayerName, readBack);
        QCOMPARE(SavedRecord::ParseLine(t.ReadFile("Scores.dat")).value(4), readBack);
    }

    // Cancelling (or closing) the name dialog changes nothing; OK with the
    // box emptied gives an empty name, as the player asked.
    void cancelledNameChangesNothing_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("name");
        QTest::newRow("cancelled") << std::optional<QString>() << "Ada";
        QTest::newRow("OK, emptied") << std::optional<QString>(QString()) << "";
    }
    void cancelledNameChangesNothing() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, name);
        TestTable t;
        t.WriteFile("Names2.dat", "\"Ada\"\r\n");
        t.Run([&] { t.Frm.Form_Load(); });
        t.Frm.PlayerScore = 12;
        t.View.InputAnswer = answer;
        t.Run([&] { t.Frm.MnuPname(); });
        QCOMPARE(t.Frm.PlayerName, name);
        QCOMPARE(t.View.Texts[Ctl::LblName0], name);
        QCOMPARE(t.View.Texts[Ctl::LblNoWonP], "Won " + name);
        QCOMPARE(t.ReadFile("Names2.dat"), "\"" + name.toUtf8() + "\"\r\n");
    }

    void unwritableProgramFolderUsesUserFolder() {
        TestTable t;
        // A program "folder" that is a plain file cannot be written into, even by root.
        QFile::remove(t.Program);
        QDir().rmdir(t.Program);
        QFile blocker(t.Program);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        t.View.InputAnswer = QStringLiteral("Cleo");
        t.Run([&] { t.Frm.MnuPname(); });
        t.Frm.PlayerGamesWon = 9;
        t.Run([&] { t.Frm.SaveStatistics(); });
        QCOMPARE(t.ReadFile("Scores.dat", true), QByteArray("9,0,0,0,\"Cleo\"\r\n"));
        TestView view;
        FrmMain again(view, TableSettings{t.Program, t.User, MakeRandomSource(1)});
        again.Dispatch([&] { again.Form_Load(); });
        QCOMPARE(again.PlayerName, QStringLiteral("Cleo"));
        QCOMPARE(int(again.PlayerGamesWon), 9);
    }

    // An installed copy has no folder of its own for saves: it reads and
    // writes the user's folder only, whatever lies beside the program.
    void installedCopyLeavesTheProgramFolderAlone() {
        TestTable t;
        t.WriteFile("Scores.dat", "1,0,0,0,\"Installed\"\r\n", true);
        t.WriteFile("Scores.dat", "5,5,5,5,\"Built\"\r\n");
        TestView view;
        FrmMain installed(view, TableSettings{QString(), t.User, MakeRandomSource(1)});
        installed.Dispatch([&] { installed.Form_Load(); });
        QCOMPARE(int(installed.PlayerGamesWon), 1);
        installed.PlayerGamesWon = 2;
        installed.Dispatch([&] { installed.SaveStatistics(); });
        QCOMPARE(t.ReadFile("Scores.dat", true), QByteArray("2,0,0,0,\"Installed\"\r\n"));
        QCOMPARE(t.ReadFile("Scores.dat"), QByteArray("5,5,5,5,\"Built\"\r\n"));
        // An empty folder once named the root of the file system.
        if (QFile::exists("/etc/os-release"))
            QVERIFY(SavedRecord::ReadNewest(QString(), QString(), "etc/os-release").isEmpty());
    }

    void newestCopyWins() {
        TestTable t;
        t.WriteFile("Scores.dat", "1,0,0,0,\"Old\"\r\n");
        QFile old(t.Program + "/Scores.dat");
        QVERIFY(old.open(QIODevice::ReadWrite));
        QVERIFY(old.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                QFileDevice::FileModificationTime));
        old.close();
        t.WriteFile("Scores.dat", "7,0,0,0,\"New\"\r\n", true);
        t.Run([&] { t.Frm.Form_Load(); });
        QCOMPARE(int(t.Frm.PlayerGamesWon), 7);
    }

    void failedWriteKeepsOldFile() {
        TestTable t;
        t.WriteFile("Scores.dat", "5,5,0,0,\"Keep\"\r\n");
        // Neither folder usable: the old file must stay exactly as it was.
        QVERIFY(!SavedRecord::WriteWhole(t.Program + "/Scores.dat", QString(), "x", "broken"));
        QCOMPARE(t.ReadFile("Scores.dat"), QByteArray("5,5,0,0,\"Keep\"\r\n"));
        QVERIFY(SavedRecord::WriteWhole(t.Program, QString(), "Scores.dat", "1,1,1,1,\"New\"\r\n"));
        QCOMPARE(QDir(t.Program).entryList(QDir::Files), QStringList{"Scores.dat"});
    }

    void changeTarget() {
        TestTable t;
        t.Run([&] { t.Frm.MnuCT(); });
        QVERIFY(t.View.Shown[Ctl::FramTarget]);
        t.View.TargetBoxText = QStringLiteral("7");
        t.Run([&] { t.Frm.CmdTarget(); });
        QVERIFY(!t.View.Shown[Ctl::FramTarget]);
        QCOMPARE(int(t.Frm.TargetPoints), 25);
        QCOMPARE(t.View.Panels[1], QStringLiteral("Target:- 25"));
        QCOMPARE(t.View.Messages.size(), size_t(1));
        const ShownMessage& m = t.View.Messages[0];
        QCOMPARE(m.Title, QStringLiteral("Target points set"));
        QCOMPARE(m.Text, QStringLiteral(" Target points are set to 25 for this game only. You must "
                                        "change before starting a session as you may sometimes "
                                        "want a quick game and somtimes a long one."));
        QCOMPARE(m.Caption0, QStringLiteral("O.K."));
        QCOMPARE(m.Icon, 2);
    }
};

QTEST_GUILESS_MAIN(TestScores)
#include "tst_scores.moc"
