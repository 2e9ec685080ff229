// The Classic / Sharp choice of the Options menu and the note under Dorvil's
// name.
#include "DorvilOption.h"

#include "UserSettings.h"
#include "table/TableColours.h"
#include "table/TableWidgets.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {
const QString Key = QStringLiteral("Options/DorvilPlays");
}

DorvilOption::DorvilOption(QMenu* options, TableLayout& layout, QWidget* table) : QObject(options) {
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    // No separators around the pair: every item of the menus is named for
    // screen readers, and the radio marks group the two well enough.
    //: Options menu: Dorvil plays by the classic fixed rules.
    Classic = options->addAction(tr("Dorvil Plays C&lassic"));
    Classic->setObjectName(QStringLiteral("MnuDorvilClassic"));
    //: Options menu: the stronger Dorvil, who remembers the cards he has seen ("Sharp Dorvil").
    Sharp = options->addAction(tr("Dorvil Plays &Sharp"));
    Sharp->setObjectName(QStringLiteral("MnuDorvilSharp"));
    for (QAction* a : {Classic, Sharp}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    // Under Dorvil's name, beside his hand; shown only while it has news:
    // the classic table stays as it always was.
    NoteLabel = MakeLabel(layout, QStringLiteral("LblDorvilPlays"), table,
                          QRect(2220, 1080, 1080, 900), QString(), {Face::Serif, 9, true, true},
                          TableColour::LightCyan, Qt::AlignHCenter | Qt::AlignTop, true);
    NoteLabel->setToolTip(tr("Sharp Dorvil remembers every card he has seen and weighs each "
                             "discard. Options menu: Dorvil Plays Classic or Sharp."));
    NoteLabel->hide();
    const bool sharp = UserSettings().value(Key).toString() == QLatin1String("Sharp");
    (sharp ? Sharp : Classic)->setChecked(true);
    SharpAtTable = sharp;
    connect(Classic, &QAction::triggered, this, [this] { Choose(false); });
    connect(Sharp, &QAction::triggered, this, [this] { Choose(true); });
    Show();
}

bool DorvilOption::SharpChosen() const {
    return Sharp->isChecked();
}

void DorvilOption::Choose(bool sharp) {
    (sharp ? Sharp : Classic)->setChecked(true);
    UserSettings().setValue(Key, sharp ? QStringLiteral("Sharp") : QStringLiteral("Classic"));
    if (!Dealt) SharpAtTable = sharp; // nobody sits at the table before the first deal
    emit Chosen(sharp);
    Show();
}

void DorvilOption::Seated(bool sharp) {
    Dealt = true;
    SharpAtTable = sharp;
    Show();
}

void DorvilOption::ShowOn(QWidget* statistics) {
    Statistics = statistics;
    Show();
}

void DorvilOption::Show() {
    const bool chosen = SharpChosen();
    //: The note under Dorvil's name: the other Dorvil is chosen and sits down at the next deal.
    const QString next = chosen == SharpAtTable ? QString()
                         : chosen               ? tr("Sharp from the next hand")
                                                : tr("Classic from the next hand");
    //: The note under Dorvil's name: which Dorvil plays now.
    const QString now = SharpAtTable ? tr("Sharp") : tr("Classic");
    //: The note under Dorvil's name: %1 who plays now, %2 who plays from the next hand.
    const QString both = tr("%1; %2").arg(now, next);
    // The classic table keeps its look: the note shows only with news of Sharp.
    const QString note = SharpAtTable ? (next.isEmpty() ? now : both) : next;
    NoteLabel->setText(note);
    NoteLabel->setVisible(!note.isEmpty());
    //: For screen readers and the statistics frame's tool tip; %1 is Sharp or Classic.
    const QString whole = next.isEmpty() ? tr("Dorvil plays %1").arg(now)
                                         //: As "Dorvil plays %1", with the next hand's Dorvil.
                                         : tr("Dorvil plays %1; %2").arg(now, next);
    NoteLabel->setAccessibleName(whole);
    if (Statistics) Statistics->setToolTip(whole);
}
