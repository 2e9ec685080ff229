// The Classic / Sharp / Expert choice of the Options menu and the note under Dorvil's
// name.
#include "DorvilOption.h"

#include "UserSettings.h"
#include "table/TableColours.h"
#include "table/TableWidgets.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <algorithm>
#include <iterator>

namespace {
const QString Key = QStringLiteral("Options/DorvilPlays");
const QString Stored[3] = {QStringLiteral("Classic"), QStringLiteral("Sharp"),
                           QStringLiteral("Expert")};
} // namespace

DorvilOption::DorvilOption(QMenu* options, TableLayout& layout, QWidget* table) : QObject(options) {
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    // No separators around the three: every item of the menus is named for
    // screen readers, and the radio marks group them well enough.
    //: Options menu: Dorvil plays by the classic fixed rules.
    Levels[0] = options->addAction(tr("Dorvil Plays C&lassic"));
    Levels[0]->setObjectName(QStringLiteral("MnuDorvilClassic"));
    //: Options menu: the stronger Dorvil, who remembers the cards he has seen ("Sharp Dorvil").
    Levels[1] = options->addAction(tr("Dorvil Plays &Sharp"));
    Levels[1]->setObjectName(QStringLiteral("MnuDorvilSharp"));
    //: Options menu: the strongest Dorvil, who plays each choice forward ("Expert Dorvil").
    Levels[2] = options->addAction(tr("Dorvil Plays &Expert"));
    Levels[2]->setObjectName(QStringLiteral("MnuDorvilExpert"));
    for (int level = 0; level < 3; ++level) {
        QAction* a = Levels[level];
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, level] { Choose(level); });
    }
    // Under Dorvil's name, beside his hand; shown only while it has news:
    // the classic table stays as it always was.
    NoteLabel = MakeLabel(layout, QStringLiteral("LblDorvilPlays"), table,
                          QRect(2220, 1080, 1080, 900), QString(), {Face::Serif, 9, true, true},
                          TableColour::LightCyan, Qt::AlignHCenter | Qt::AlignTop, true);
    NoteLabel->hide();
    const int stored = static_cast<int>(
        std::find(std::begin(Stored), std::end(Stored), UserSettings().value(Key).toString()) -
        std::begin(Stored));
    AtTable = stored < 3 ? stored : 0;
    Levels[AtTable]->setChecked(true);
    Show();
}

int DorvilOption::Level() const {
    for (int level = 1; level < 3; ++level)
        if (Levels[level]->isChecked()) return level;
    return 0;
}

void DorvilOption::Choose(int level) {
    level = std::clamp(level, 0, 2);
    Levels[level]->setChecked(true);
    UserSettings().setValue(Key, Stored[level]);
    if (!Dealt) AtTable = level; // nobody sits at the table before the first deal
    emit Chosen(level);
    Show();
}

void DorvilOption::Seated(int level) {
    Dealt = true;
    AtTable = std::clamp(level, 0, 2);
    Show();
}

void DorvilOption::ShowOn(QWidget* statistics) {
    Statistics = statistics;
    Show();
}

void DorvilOption::Show() {
    const int chosen = Level();
    //: The note under Dorvil's name: which Dorvil plays now.
    const QString names[3] = {tr("Classic"), tr("Sharp"), tr("Expert")};
    //: The note under Dorvil's name: the other Dorvil is chosen and sits down at the next deal.
    const QString nexts[3] = {tr("Classic from the next hand"), tr("Sharp from the next hand"),
                              tr("Expert from the next hand")};
    const QString next = chosen == AtTable ? QString() : nexts[chosen];
    const QString now = names[AtTable];
    //: The note under Dorvil's name: %1 who plays now, %2 who plays from the next hand.
    const QString both = tr("%1; %2").arg(now, next);
    // The classic table keeps its look: the note shows only with news of another Dorvil.
    const QString note = AtTable ? (next.isEmpty() ? now : both) : next;
    NoteLabel->setText(note);
    NoteLabel->setVisible(!note.isEmpty());
    const QString tips[3] = {
        tr("Sharp Dorvil remembers every card he has seen and weighs each "
           "discard. Options menu: Dorvil Plays Classic, Sharp or Expert."),
        tr("Sharp Dorvil remembers every card he has seen and weighs each "
           "discard. Options menu: Dorvil Plays Classic, Sharp or Expert."),
        //: The note's tool tip while Expert Dorvil is at the table or about to be.
        tr("Expert Dorvil is at the table: he plays each choice forward many times over the "
           "cards he cannot see, and never looks at yours. Options menu: Dorvil Plays Classic, "
           "Sharp or Expert.")};
    // As a paragraph, which Qt wraps: as one line the tip ran wider than the window.
    NoteLabel->setToolTip(QStringLiteral("<p>%1</p>").arg(tips[std::max(AtTable, chosen)].toHtmlEscaped()));
    //: For screen readers and the statistics frame's tool tip; %1 is Sharp or Classic.
    const QString whole = next.isEmpty() ? tr("Dorvil plays %1").arg(now)
                                         //: As "Dorvil plays %1", with the next hand's Dorvil.
                                         : tr("Dorvil plays %1; %2").arg(now, next);
    NoteLabel->setAccessibleName(whole);
    if (Statistics) Statistics->setToolTip(whole);
}
