// Where each text is drawn, as Qt's own drawing places it: a label's text in
// its contents less margin and indent, aligned; a wrapped or rich label's
// text laid out as a document; a button's caption in its contents; a frame's
// caption set into its top edge; the message box's lines as it breaks them;
// an item view's cells and headings; a chart's words in its scene.
#include "TextCheck.h"

#include "table/TableWidgets.h"
#include "window/MainWindow.h"

#include <QAbstractItemView>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTextLayout>

namespace {
const QChar Ellipsis(0x2026);

// One stretch of text as drawn, in its owner's coordinates.
struct Run {
    QString Text;
    QRect At;
    QWidget* Owner;
};

QString Path(const QWidget* w) {
    QStringList names;
    for (; w && !w->isWindow(); w = w->parentWidget())
        names.prepend(w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className())
                                                : w->objectName());
    return names.join(QLatin1Char('/'));
}

TableScale ScaleOf(const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (auto* window = qobject_cast<const MainWindow*>(w)) return window->Scale();
    return TableScale();
}

// A text shortened with an ellipsis must be whole in the tool tip or the accessible name.
void Shortened(const QWidget* w, const QString& text, const QString& tip, QStringList& faults) {
    const int cut = int(text.indexOf(Ellipsis));
    if (cut < 0) return;
    const QString kept = text.left(cut).trimmed();
    for (const QString& whole : {tip, w->accessibleName()})
        if (!whole.contains(Ellipsis) && whole.size() >= text.size() && whole.contains(kept))
            return;
    faults << QStringLiteral(
                  "%1: '%2' is shortened and not whole in its tool tip or accessible name")
                  .arg(Path(w), text);
}

void Wider(const QWidget* w, const QString& text, int need, int room, QStringList& faults) {
    if (need > room)
        faults << QStringLiteral("%1: '%2' needs %3 pixels, has %4")
                      .arg(Path(w), text)
                      .arg(need)
                      .arg(room);
}

// Each heading of a line spaced out with blanks, as its own run.
void SpacedRuns(const QString& text, const QRect& line, const QFontMetrics& fm, QWidget* owner,
                QList<Run>& runs) {
    static const QRegularExpression word(QStringLiteral("\\S+(?: \\S+)*"));
    for (const QRegularExpressionMatch& m : word.globalMatch(text)) {
        const int x = line.left() + fm.horizontalAdvance(text.left(m.capturedStart()));
        runs.append({m.captured(),
                     QRect(x, line.top(), fm.horizontalAdvance(m.captured()), line.height()),
                     owner});
    }
}

void InspectLabel(QLabel* label, QList<Run>& runs, QStringList& faults) {
    const QString text = label->text();
    if (text.isEmpty() || !label->pixmap().isNull()) return;
    const QFontMetrics fm(label->font());
    QRect cr = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                              -label->margin());
    const Qt::Alignment align =
        QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = fm.horizontalAdvance(QLatin1Char('x')) / 2 - label->margin();
    if (indent > 0) {
        if (align & Qt::AlignLeft) cr.setLeft(cr.left() + indent);
        if (align & Qt::AlignRight) cr.setRight(cr.right() - indent);
        if (align & Qt::AlignTop) cr.setTop(cr.top() + indent);
        if (align & Qt::AlignBottom) cr.setBottom(cr.bottom() - indent);
    }
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    QSize need;
    QString plain = text;
    if (rich || label->wordWrap()) {
        QTextDocument doc;
        doc.setDefaultFont(label->font());
        doc.setDocumentMargin(0);
        if (rich)
            doc.setHtml(text);
        else
            doc.setPlainText(text);
        plain = doc.toPlainText();
        if (label->wordWrap()) doc.setTextWidth(cr.width());
        need = QSize(qCeil(doc.idealWidth()), qCeil(doc.size().height()));
    } else {
        need = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft, text).size();
    }
    Wider(label, plain, need.width(), cr.width(), faults);
    if (need.height() > cr.height() + 1)
        faults << QStringLiteral("%1: '%2' needs %3 pixels of height, has %4")
                      .arg(Path(label), plain)
                      .arg(need.height())
                      .arg(cr.height());
    Shortened(label, plain, label->toolTip(), faults);
    const QRect at = QStyle::alignedRect(Qt::LeftToRight, align, need, cr);
    if (!rich && !label->wordWrap() && !text.contains(QLatin1Char('\n')))
        SpacedRuns(text, at, fm, label, runs);
    else
        runs.append({plain, at, label});
}

void InspectButton(QPushButton* button, QStringList& faults) {
    QString shown = button->text();
    shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    if (shown.isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int need = QFontMetrics(button->font()).horizontalAdvance(shown);
    if (!button->icon().isNull()) need += button->iconSize().width() + 4;
    Wider(button, shown, need, contents.width(), faults);
}

void InspectFrame(CaptionFrame* frame, QList<Run>& runs, QStringList& faults) {
    const QString caption = frame->accessibleName();
    const TableScale s = ScaleOf(frame);
    const QFontMetrics fm(frame->font());
    const QRect at(s.Scaled(6), 0, fm.horizontalAdvance(caption) + s.Scaled(4), fm.height());
    Wider(frame, caption, at.right() + 1, frame->width() - 2 * s.Scaled(1), faults);
    runs.append({caption, at, frame});
}

// The message box's text, broken into lines at the design size as the box breaks it.
void InspectMessageText(QWidget* text, QList<Run>& runs, QStringList& faults) {
    const TableScale design, s = ScaleOf(text->parentWidget());
    QString shown = text->accessibleName();
    shown.replace(QLatin1Char('\r'), QChar::LineSeparator);
    QTextLayout layout(shown, design.Font({Face::Sans, 9.75, true}));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    const QFontMetrics fm(text->font());
    int y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(design.Px(3375));
        const QString drawn = shown.mid(line.textStart(), line.textLength()).trimmed();
        Wider(text, drawn, fm.horizontalAdvance(drawn), text->width(), faults);
        runs.append({drawn, QRect(0, y, fm.horizontalAdvance(drawn), s.Px(240)), text});
        y += s.Px(240);
    }
    layout.endLayout();
    if (y > text->height())
        faults << QStringLiteral("%1: %2 pixels of lines in %3")
                      .arg(Path(text))
                      .arg(y)
                      .arg(text->height());
}

// A cell or heading too narrow for its text is drawn shortened by the view.
void InspectItems(QAbstractItemView* view, QStringList& faults) {
    QAbstractItemModel* model = view->model();
    if (!model) return;
    const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    // Icons above their names, which wrap at blanks.
    auto* list = qobject_cast<QListView*>(view);
    const bool iconsAbove = list && list->viewMode() == QListView::IconMode;
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const QString text = index.data().toString();
            const QRect cell = view->visualRect(index);
            if (text.isEmpty() || cell.isEmpty()) continue;
            QFont font = view->font();
            if (index.data(Qt::FontRole).canConvert<QFont>())
                font = index.data(Qt::FontRole).value<QFont>();
            int need = 0;
            for (const QString& word :
                 iconsAbove && list->wordWrap() ? text.split(QLatin1Char(' ')) : QStringList{text})
                need = std::max(need, QFontMetrics(font).horizontalAdvance(word) + margin);
            if (!iconsAbove && !index.data(Qt::DecorationRole).isNull())
                need += view->iconSize().width() + 4;
            if (need > cell.width() && !index.data(Qt::ToolTipRole).toString().contains(text))
                faults << QStringLiteral("%1: '%2' is cut in its cell (%3 of %4 pixels), with no "
                                         "tool tip")
                              .arg(Path(view), text)
                              .arg(cell.width())
                              .arg(need);
        }
}

void InspectHeader(QHeaderView* header, QStringList& faults) {
    QAbstractItemModel* model = header->model();
    if (!model || !header->isVisible()) return;
    const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    QFont bold = header->font();
    for (int i = 0; i < header->count(); ++i) {
        const QString text = model->headerData(i, header->orientation()).toString();
        const int room =
            header->orientation() == Qt::Horizontal ? header->sectionSize(i) : header->width();
        const int need = QFontMetrics(bold).horizontalAdvance(text) + margin;
        Shortened(header, text,
                  model->headerData(i, header->orientation(), Qt::ToolTipRole).toString(), faults);
        if (need > room &&
            !model->headerData(i, header->orientation(), Qt::ToolTipRole).toString().contains(text))
            faults << QStringLiteral("%1: heading '%2' is cut (%3 of %4 pixels), with no tool tip")
                          .arg(Path(header), text)
                          .arg(room)
                          .arg(need);
    }
}

// A chart's title, axes and legend: inside the view, and shortened only
// where the legend shows the whole label as a tool tip.
void InspectChart(QChartView* view, QStringList& faults) {
    QChart* chart = view->chart();
    if (!chart) return;
    const QRectF shown = view->mapToScene(view->viewport()->rect()).boundingRect();
    for (QGraphicsItem* item : view->scene()->items()) {
        if (!item->isVisible()) continue;
        QString text;
        if (auto* t = dynamic_cast<QGraphicsTextItem*>(item))
            text = t->toPlainText();
        else if (auto* t = dynamic_cast<QGraphicsSimpleTextItem*>(item))
            text = t->text();
        if (text.isEmpty()) continue;
        if (!shown.adjusted(-1, -1, 1, 1).contains(item->sceneBoundingRect()))
            faults << QStringLiteral("%1: '%2' lies outside the chart").arg(Path(view), text);
        if (text.contains(QLatin1String("...")) || text.contains(Ellipsis)) {
            QGraphicsItem* marker = item->parentItem();
            const QString tip = marker ? marker->toolTip() : QString();
            if (tip.isEmpty() || tip.contains(QLatin1String("...")))
                faults << QStringLiteral("%1: '%2' is shortened, with no tool tip")
                              .arg(Path(view), text);
        }
    }
}

// The window manager writes the title in a bold face about the size of the
// window's own, beside its buttons.
void InspectTitle(QWidget* window, QStringList& faults) {
    if (window->windowTitle().isEmpty() || (window->windowFlags() & Qt::FramelessWindowHint))
        return;
    QFont font = window->font();
    font.setBold(true);
    const int need = QFontMetrics(font).horizontalAdvance(window->windowTitle()) + 100;
    if (need > window->width())
        faults << QStringLiteral("%1: the title '%2' needs %3 pixels, the window is %4 wide")
                      .arg(window->objectName(), window->windowTitle())
                      .arg(need)
                      .arg(window->width());
}

bool Shown(const QWidget* w) {
    return w->isVisibleTo(w->window()) && w->window()->isVisible();
}

// The runs of `root` and its children, with the faults of each widget.
QList<Run> Collect(QWidget* root, QStringList& faults) {
    QList<Run> runs;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (!Shown(w) || (w != root && w->isWindow())) continue;
        if (w->objectName() == QLatin1String("Label2") && w->parentWidget() &&
            w->parentWidget()->objectName() == QLatin1String("MFormDeluxe"))
            InspectMessageText(w, runs, faults);
        else if (auto* headings = dynamic_cast<ColumnHeadings*>(w);
                 headings && !headings->HeadingPlaces().isEmpty()) {
            const QList<QRect> places = headings->HeadingPlaces();
            for (qsizetype i = 0; i < places.size(); ++i)
                runs.append({QStringLiteral("heading %1").arg(i + 1), places[i], w});
        } else if (auto* label = qobject_cast<QLabel*>(w))
            InspectLabel(label, runs, faults);
        else if (auto* button = qobject_cast<QPushButton*>(w))
            InspectButton(button, faults);
        else if (auto* frame = dynamic_cast<CaptionFrame*>(w))
            InspectFrame(frame, runs, faults);
        else if (auto* header = qobject_cast<QHeaderView*>(w))
            InspectHeader(header, faults);
        else if (auto* chart = qobject_cast<QChartView*>(w))
            InspectChart(chart, faults);
        else if (auto* view = qobject_cast<QAbstractItemView*>(w))
            InspectItems(view, faults);
    }
    return runs;
}

// The part of a widget its children are drawn in: a frame's inside its border.
QRect Inside(QWidget* w) {
    if (auto* frame = dynamic_cast<CaptionFrame*>(w)) {
        const int t = 2 * ScaleOf(frame).Scaled(1);
        return frame->rect().adjusted(t, 0, -t, -t);
    }
    return w->rect();
}

// A run reaches past the edge of a widget that holds it.
void Clipped(const Run& run, QStringList& faults) {
    QRect at = run.At;
    QWidget* w = run.Owner;
    while (!w->isWindow()) {
        at.translate(w->pos());
        w = w->parentWidget();
        const QRect room = w->isWindow() ? w->rect() : Inside(w);
        if (!room.contains(at))
            faults << QStringLiteral("%1: '%2' reaches past the edge of %3")
                          .arg(Path(run.Owner), run.Text, w->objectName());
    }
}

QWidget* TopChild(QWidget* table, QWidget* w) {
    while (w->parentWidget() && w->parentWidget() != table)
        w = w->parentWidget();
    return w;
}

bool Opaque(QWidget* w) {
    return dynamic_cast<CardPicture*>(w) || dynamic_cast<CaptionFrame*>(w) ||
           dynamic_cast<PictureButton*>(w) || w->objectName() == QLatin1String("HintBox") ||
           w->autoFillBackground();
}
} // namespace

QStringList TextFaults(QWidget* window) {
    QStringList faults;
    const QList<Run> runs = Collect(window, faults);
    for (const Run& run : runs)
        Clipped(run, faults);
    if (window->isWindow()) InspectTitle(window, faults);
    faults.removeDuplicates();
    return faults;
}

QStringList TableFaults(QWidget* table) {
    QStringList faults, ignored;
    struct Placed {
        Run R;
        QRect At;
        QWidget* Top;
    };
    QList<Placed> placed;
    const QObjectList stack = table->children();
    for (const Run& run : Collect(table, ignored)) {
        if (run.Owner == table) continue;
        Placed p{run, QRect(run.Owner->mapTo(table, run.At.topLeft()), run.At.size()),
                 TopChild(table, run.Owner)};
        // What lies above the text hides it: a card or the hint's box by
        // mistake, a frame shown over the table by design.
        bool hidden = false;
        for (qsizetype i = stack.indexOf(p.Top) + 1; i < stack.size(); ++i) {
            auto* above = qobject_cast<QWidget*>(stack[i]);
            if (!above || !above->isVisible() || !Opaque(above) ||
                !above->geometry().intersects(p.At))
                continue;
            hidden = true;
            const bool hint = above->objectName() == QLatin1String("HintBox");
            if (dynamic_cast<CardPicture*>(above) ||
                (hint && run.Owner->objectName() != QLatin1String("LblInfo"))) {
                faults << QStringLiteral("%1: '%2' lies under %3")
                              .arg(Path(run.Owner), run.Text,
                                   hint ? above->objectName() : QStringLiteral("a card"));
                break;
            }
        }
        if (!hidden) placed.append(p);
    }
    // LineWidget has no meta-object of its own: findChildren would take any widget for one.
    QList<QWidget*> lines;
    for (QWidget* w : table->findChildren<QWidget*>())
        if (dynamic_cast<LineWidget*>(w) && w->isVisible()) lines << w;
    for (qsizetype i = 0; i < placed.size(); ++i) {
        for (qsizetype j = i + 1; j < placed.size(); ++j)
            if (placed[i].R.Owner != placed[j].R.Owner && placed[i].At.intersects(placed[j].At))
                faults << QStringLiteral("%1: '%2' overlaps %3: '%4'")
                              .arg(Path(placed[i].R.Owner), placed[i].R.Text,
                                   Path(placed[j].R.Owner), placed[j].R.Text);
        // The table's own heading line stands as it was designed, its words
        // where its blanks put them, over the column lines or not.
        auto* headings = dynamic_cast<ColumnHeadings*>(placed[i].R.Owner);
        if (headings && headings->HeadingPlaces().isEmpty()) continue;
        for (QWidget* line : lines)
            if (placed[i].R.Owner->parentWidget() == line->parentWidget() &&
                placed[i].At.intersects(QRect(line->mapTo(table, QPoint(0, 0)), line->size())))
                faults << QStringLiteral("%1: '%2' crosses %3")
                              .arg(Path(placed[i].R.Owner), placed[i].R.Text, line->objectName());
    }
    // The hint's box lies over the instruction line and nothing else.
    if (auto* hint = table->findChild<QWidget*>(QStringLiteral("HintBox"));
        hint && hint->isVisible())
        for (qsizetype i = stack.indexOf(hint) - 1; i >= 0; --i) {
            auto* below = qobject_cast<QWidget*>(stack[i]);
            if (below && below->isVisible() && Opaque(below) &&
                below->geometry().intersects(hint->geometry()))
                faults << QStringLiteral("HintBox: covers %1").arg(below->objectName());
        }
    faults.removeDuplicates();
    return faults;
}
