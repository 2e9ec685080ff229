// FaceButton, one button face Pic1(i) of the message box with its caption
// Label1(i): raised, or pressed while the pointer holds it down, with a
// dotted mark while the keys' focus is on it. A face is as wide as its
// caption needs, and never narrower than the design's.
#pragma once

#include "table/TableScale.h"

#include <QColor>
#include <QWidget>

class QLabel;

namespace DeluxeColour {
inline const QColor Box(160, 160, 0);
inline const QColor Light(240, 240, 240);
inline const QColor Dark(128, 128, 128);
} // namespace DeluxeColour

class FaceButton : public QWidget {
    Q_OBJECT
  public:
    static constexpr int DesignWidth = 1275, DesignHeight = 300; // twips

    FaceButton(int index, QWidget* parent);
    void SetScale(const TableScale& scale);
    void SetCaption(const QString& caption);
    // The width its caption needs, in pixels: never less than the design's.
    int NeededWidth() const;
    void SetWidth(int pixels);
    void DrawRaised();
    void DrawPressed();
    bool IsPressed() const { return Pressed; }
    QLabel* Caption() const { return Label1; }
    void Choose(); // as a click on the caption
    void SetMarked(bool marked);
    bool IsMarked() const { return Marked; }

  signals:
    void Chosen(int index);

  protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int Index;
    bool Pressed = false;
    bool Marked = false;
    QLabel* Label1;
    TableScale Scale;
};
