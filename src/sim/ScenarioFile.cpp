// Reading a scenario file: set-up directives, then actions, each checked as
// it is read; the cards of the set-up are checked as a whole at the end.
#include "ScenarioFile.h"

#include "Rules.h"
#include "Scenario.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <cstdio>

namespace {

// A word of the file as an error message quotes it: short, and printable so
// that the message stays on one line.
QString Shown(const QString& word) {
    QString shown = word.left(40);
    for (QChar& ch : shown)
        if (!ch.isPrint()) ch = QLatin1Char('?');
    return word.size() > 40 ? shown + QStringLiteral("...") : shown;
}

const char* const RankText[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
const char SuitText[] = {'D', 'C', 'H', 'S'};

QList<int> ParseCards(const QStringList& words, int from, int line) {
    QList<int> cards;
    for (int i = from; i < words.size(); ++i) {
        int n = ParseCard(words[i]);
        if (n == 0)
            throw ScenarioError{line, QStringLiteral("unknown card '%1'").arg(Shown(words[i]))};
        cards << n;
    }
    return cards;
}

int ParseNumber(const QString& word, int line, const char* what) {
    bool ok = false;
    int value = word.toInt(&ok);
    if (!ok)
        throw ScenarioError{line, QStringLiteral("%1 wants a whole number, not '%2'")
                                      .arg(QLatin1String(what), Shown(word))};
    return value;
}

bool IsValidColumn(const QList<int>& cards) {
    Rules::Mask mask = 0;
    for (int n : cards)
        mask |= Rules::Bit(n);
    // A card named twice is reported once the whole set-up is read; until
    // then a column of one rank passes as a set.
    if (Rules::Count(mask) < cards.size())
        return cards.size() <= 4 && Rules::ShapeOf(mask) != Rules::Shape::Run;
    return Rules::IsMeld(mask);
}

// `dorvil sharp` or `dorvil classic` says how Dorvil plays (classic unless
// told); `dorvil` followed by cards gives his hand.
bool IsDorvilStyle(const QStringList& w) {
    return w.size() == 2 && w[0].toLower() == "dorvil" &&
           QStringList{"sharp", "classic"}.contains(w[1].toLower());
}

void ParseSetupLine(ScenarioSetup& s, const QStringList& w, const QString& raw, int line) {
    const QString key = w[0].toLower();
    auto needs = [&](int count) {
        if (w.size() != count)
            throw ScenarioError{line, QStringLiteral("'%1' takes %2 value%3")
                                          .arg(key)
                                          .arg(count - 1)
                                          .arg(count == 2 ? "" : "s")};
    };
    if (key == "seed") {
        needs(2);
        bool ok = false;
        s.Seed = w[1].toULongLong(&ok);
        if (!ok) throw ScenarioError{line, QStringLiteral("seed wants a whole number")};
    } else if (key == "name") {
        s.Name = raw.section(QRegularExpression(QStringLiteral("\\s+")), 1).trimmed();
    } else if (key == "player") {
        s.Player = ParseCards(w, 1, line);
    } else if (IsDorvilStyle(w)) {
        s.SharpDorvil = w[1].toLower() == "sharp";
    } else if (key == "dorvil") {
        s.Dorvil = ParseCards(w, 1, line);
    } else if (key == "face") {
        needs(2);
        s.Face = ParseCards(w, 1, line).value(0);
    } else if (key == "discard") {
        s.Discard = ParseCards(w, 1, line);
    } else if (key == "column") {
        if (w.size() < 3)
            throw ScenarioError{line, QStringLiteral("'column' wants a number 1..6 and cards")};
        int c = ParseNumber(w[1], line, "column");
        if (c < 1 || c > 6)
            throw ScenarioError{line, QStringLiteral("column %1 is not 1..6").arg(c)};
        if (s.Columns.count(c))
            throw ScenarioError{line, QStringLiteral("column %1 given twice").arg(c)};
        QList<int> cards = ParseCards(w, 2, line);
        if (cards.size() > 13 || !IsValidColumn(cards))
            throw ScenarioError{line, QStringLiteral("column %1 is not a valid set or run").arg(c)};
        s.Columns[c] = cards;
        s.ColumnLine[c] = line;
    } else if (key == "made-meld") {
        needs(2);
        QString who = w[1].toLower();
        if (who == "player")
            s.MadePlayer = true;
        else if (who == "dorvil")
            s.MadeDorvil = true;
        else
            throw ScenarioError{line, QStringLiteral("made-meld wants player or dorvil")};
    } else if (key == "stock-draws") {
        s.StockDraws = ParseCards(w, 1, line);
        s.StockDrawsLine = line;
    } else if (key == "scores") {
        needs(3);
        s.ScoreP = ParseNumber(w[1], line, "scores");
        s.ScoreD = ParseNumber(w[2], line, "scores");
    } else if (key == "target") {
        needs(2);
        s.Target = ParseNumber(w[1], line, "target");
    } else if (key == "turn") {
        needs(2);
        QString who = w[1].toLower();
        if (who != "player" && who != "dorvil")
            throw ScenarioError{line, QStringLiteral("turn wants player or dorvil")};
        s.DorvilFirst = who == "dorvil";
    }
}

bool IsSetupWord(const QString& key) {
    static const QStringList words{"seed",        "name",    "player", "dorvil",
                                   "face",        "discard", "column", "made-meld",
                                   "stock-draws", "scores",  "target", "turn"};
    return words.contains(key);
}

void CheckAction(const QStringList& w, int line) {
    const QString key = w[0].toLower();
    auto bad = [&] {
        throw ScenarioError{line,
                            QStringLiteral("cannot read the action '%1'").arg(Shown(w.join(' ')))};
    };
    if (key == "take") {
        if (w.size() != 2 || !QStringList{"face", "stock", "back"}.contains(w[1].toLower())) bad();
    } else if (key == "sort") {
        if (w.size() != 2 || !QStringList{"suits", "same"}.contains(w[1].toLower())) bad();
    } else if (key == "answer") {
        if (w.size() < 2) bad();
    } else if (key == "hint") {
        if (w.size() != 1) bad();
    } else if (key == "drop") {
        if (ParseCard(w.value(1)) == 0)
            throw ScenarioError{line, QStringLiteral("unknown card '%1'").arg(Shown(w.value(1)))};
        QString where = w.value(2).toLower();
        if (where == "column") {
            if (w.size() != 4) bad();
            int c = ParseNumber(w[3], line, "column");
            if (c < 1 || c > 6)
                throw ScenarioError{line, QStringLiteral("column %1 is not 1..6").arg(c)};
        } else if ((where != "discard" && where != "hand") || w.size() != 3) {
            bad();
        }
    } else {
        throw ScenarioError{line, QStringLiteral("unknown directive '%1'").arg(Shown(w[0]))};
    }
}

// Every card listed once, every stock draw still in the stock.
void CheckCards(const ScenarioSetup& s, const QMap<int, int>& lineOf) {
    QMap<int, int> seen;
    auto add = [&](const QList<int>& cards, int line) {
        for (int n : cards) {
            if (seen.contains(n))
                throw ScenarioError{line, QStringLiteral("card %1 listed twice").arg(CardText(n))};
            seen[n] = line;
        }
    };
    add(s.Player, lineOf.value(0));
    add(s.Dorvil, lineOf.value(1));
    if (s.Face) add({s.Face}, lineOf.value(2));
    add(s.Discard, lineOf.value(3));
    for (const auto& [c, cards] : s.Columns)
        add(cards, s.ColumnLine.at(c));
    for (int n : s.StockDraws)
        if (seen.contains(n))
            throw ScenarioError{s.StockDrawsLine,
                                QStringLiteral("%1 is not in the stock").arg(CardText(n))};
    int open = 0;
    for (const auto& [c, cards] : s.Columns)
        if (cards.size() < 3 && ++open > 1)
            throw ScenarioError{s.ColumnLine.at(c),
                                QStringLiteral("only one column may hold an open meld")};
}

} // namespace

ScenarioFile ParseScenario(const QByteArray& text) {
    ScenarioFile file;
    ScenarioSetup& setup = file.Setup;
    QList<ScenarioAction>& actions = file.Actions;
    QMap<int, int> lineOf; // player, dorvil, face, discard: the line that listed them
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        if (lines[i].size() > MaxScenarioLine)
            throw ScenarioError{line, QStringLiteral("longer than %1 bytes").arg(MaxScenarioLine)};
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString raw = QString(utf8.decode(lines[i])).trimmed();
        if (raw.isEmpty() || raw.startsWith(QLatin1Char('#'))) continue;
        if (utf8.hasError() || lines[i].contains('\0'))
            throw ScenarioError{line, QStringLiteral("not UTF-8 text")};
        QStringList w = raw.split(QRegularExpression(QStringLiteral("\\s+")));
        QString key = w[0].toLower();
        if (IsSetupWord(key)) {
            if (!actions.isEmpty())
                throw ScenarioError{line, QStringLiteral("set-up directive '%1' after the "
                                                         "first action")
                                              .arg(Shown(w[0]))};
            ParseSetupLine(setup, w, raw, line);
            static const QStringList listed{"player", "dorvil", "face", "discard"};
            if (listed.contains(key) && !IsDorvilStyle(w)) lineOf[listed.indexOf(key)] = line;
        } else {
            CheckAction(w, line);
            actions.append(ScenarioAction{line, w.join(' '), w});
        }
    }
    CheckCards(setup, lineOf);
    return file;
}

int ParseCard(const QString& text) {
    QString t = text.toUpper();
    if (t.size() < 2) return 0;
    int suit = QByteArray("DCHS").indexOf(t.back().toLatin1());
    QString rank = t.left(t.size() - 1);
    for (int r = 0; r < 13; ++r)
        if (rank == QLatin1String(RankText[r]) && suit >= 0) return suit * 13 + r + 1;
    return 0;
}

QString CardText(int n) {
    if (n < 1 || n > 52) return QStringLiteral("?");
    return QLatin1String(RankText[(n - 1) % 13]) + QLatin1Char(SuitText[(n - 1) / 13]);
}

ScenarioBytes ReadScenarioBytes(const QString& path) {
    QFile file;
    if (path == QLatin1String("-")) {
        if (!file.open(stdin, QIODevice::ReadOnly)) return {{}, QStringLiteral("cannot be read")};
    } else {
        const QFileInfo info(path);
        if (!info.exists()) return {{}, QStringLiteral("no such file")};
        if (info.isDir()) return {{}, QStringLiteral("is a folder, not a scenario file")};
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly))
            return {{}, QStringLiteral("cannot be read: ") + file.errorString()};
    }
    // Read in pieces up to the limit: a pipe or a device tells no size.
    QByteArray text;
    while (text.size() <= MaxScenarioBytes) {
        const QByteArray piece =
            file.read(std::min<qint64>(1 << 16, MaxScenarioBytes + 1 - text.size()));
        if (piece.isEmpty()) break;
        text += piece;
    }
    if (text.size() > MaxScenarioBytes)
        return {{},
                QStringLiteral("larger than %1 MiB; a scenario is a short text")
                    .arg(MaxScenarioBytes >> 20)};
    if (text.trimmed().isEmpty()) return {{}, QStringLiteral("is empty")};
    return {text, {}};
}
