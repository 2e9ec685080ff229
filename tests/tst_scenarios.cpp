// The golden scenarios: each scenarios/NAME.scn, played by the runner, must
// print exactly scenarios/NAME.out; each malformed/NAME.bad must be refused
// with the error its first line expects.
#include "Scenario.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestScenarios : public QObject {
    Q_OBJECT

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  private slots:
    void golden_data() {
        QTest::addColumn<QString>("path");
        const QStringList files =
            QDir(QStringLiteral(SCENARIO_DIR))
                .entryList({QStringLiteral("*.scn")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 20);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << QStringLiteral(SCENARIO_DIR "/") + file;
    }
    void golden() {
        QFETCH(QString, path);
        QString expectedPath = path.left(path.size() - 4) + QStringLiteral(".out");
        QVERIFY2(QFile::exists(expectedPath), "no expected output beside the scenario");
        ScenarioResult result = RunScenario(Read(path), std::nullopt);
        QCOMPARE(result.Error, QString());
        QCOMPARE(result.ExitCode, 0);
        QCOMPARE(result.Output, QString::fromUtf8(Read(expectedPath)));
    }

    void malformed_data() {
        QTest::addColumn<QString>("path");
        QDir dir(QStringLiteral(SCENARIO_DIR "/malformed"));
        for (const QString& file :
             dir.entryList({QStringLiteral("*.bad")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(file)) << dir.filePath(file);
    }
    void malformed() {
        QFETCH(QString, path);
        QByteArray text = Read(path);
        QString expected =
            QString::fromUtf8(text.left(text.indexOf('\n'))).section(QStringLiteral("expect: "), 1);
        ScenarioResult result = RunScenario(text, std::nullopt);
        QCOMPARE(result.ExitCode, 2);
        QCOMPARE(result.Error, expected);
        QVERIFY(result.Output.isEmpty());
    }

    void cardNames_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("card");
        QTest::newRow("ace of diamonds") << "AD" << 1;
        QTest::newRow("king of diamonds") << "KD" << 13;
        QTest::newRow("ace of clubs") << "ac" << 14;
        QTest::newRow("ten of hearts") << "10H" << 36;
        QTest::newRow("king of spades") << "KS" << 52;
        QTest::newRow("no such rank") << "1H" << 0;
        QTest::newRow("no such suit") << "7X" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void cardNames() {
        QFETCH(QString, text);
        QFETCH(int, card);
        QCOMPARE(ParseCard(text), card);
        if (card) QCOMPARE(ParseCard(CardText(card)), card);
    }

    void seedMakesDrawsRepeat() {
        QByteArray scenario = "player 2C 5D\ndorvil 9S JH\nface 4H\ntake stock\ndrop 2C discard\n";
        QString first = RunScenario(scenario, 99).Output;
        QCOMPARE(RunScenario(scenario, 99).Output, first);
        QVERIFY(first.contains(QStringLiteral("player draws ")));
    }
};

QTEST_GUILESS_MAIN(TestScenarios)
#include "tst_scenarios.moc"
