// The table's controls, built once from their design in twips: the meld area
// and its heading and dividing lines, the stock and discard frames, the
// players' names, the instruction line, the statistics frame, the picture
// buttons, the target frame and the status bar. Every part of the window
// reaches a control through these typed members; the object names stay for
// the tests and screen readers.
#pragma once

#include "TableView.h"
#include "table/TableScale.h"

#include <QWidget>
#include <array>
#include <map>

class AutoLabel;
class CaptionFrame;
class LineWidget;
class PictureButton;
class QLabel;
class ShapeBox;
class StatusPanels;
class TableLayout;
class TargetFrame;

struct TableControls {
    // Builds every control on `table` (in the order they stack) and the
    // status bar on `margins`, the window's area around the table.
    TableControls(TableLayout& layout, QWidget* table, QWidget* margins);

    ShapeBox* Shape1;                // the meld area
    QLabel* LblHeading;              // "Meld 1 ... Meld 6"
    std::array<LineWidget*, 5> Line; // between the meld columns, Line1 .. Line5
    ShapeBox* Shape2;                // where the stock lies
    ShapeBox* Shape3;                // where the discard pile lies
    CaptionFrame* FramStats;
    AutoLabel* LblInfo;
    PictureButton* PicDraw;
    PictureButton* PicSortSame;
    PictureButton* PicSortSuits;
    PictureButton* PicTakeBack;
    TargetFrame* FramTarget;
    StatusPanels* StatusBar1;

    // The control the game names, for its texts and its showing and hiding.
    QWidget* Of(Ctl control) const { return Named.at(control); }
    // `name` is the player's, shortened first where a text must be.
    void SetText(Ctl control, const QString& text, const QString& name = QString());

  private:
    void FitStatistics(const TableScale& s);
    std::map<Ctl, QWidget*> Named;
    TableScale Scale;
};
