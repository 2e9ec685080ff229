// MFormDeluxe: the game's own message box. Borderless and modal, it draws its
// green title strip, its raised border, an icon and one to three raised
// button faces, rings once, and waits for a click on a face. Keys choose too:
// Left, Right and Tab move a focus between the faces (the first has it when
// the box opens), Enter or Space chooses the focused one. A screen reader
// knows it as a dialog named by its title; its text and buttons are its
// description (set as it shows), and each face is told as the focus reaches it.
#pragma once

#include "table/TableScale.h"

#include <QDialog>
#include <QRect>
#include <QStringList>

class QLabel;
class FaceButton;
class WrappedText;

// Where everything of the box lies, in twips, for a message of a given
// height and faces of given widths (the design's 1275 unless a caption needs
// more). Faces too wide for the box widen it, its icon keeping to the right.
struct DeluxeLayout {
    int Width = 0, Height = 0;
    QRect Title, Text, Icon;
    QRect Faces[3];
    bool FaceShown[3] = {};
};
inline constexpr int DesignFaces[3] = {1275, 1275, 1275};
DeluxeLayout ComputeDeluxeLayout(int textHeight, const QString& caption1, const QString& caption2,
                                 const int (&faceWidths)[3] = DesignFaces);

class MFormDeluxe : public QDialog {
    Q_OBJECT
  public:
    explicit MFormDeluxe(QWidget* parent);
    // Shows the box and returns the button clicked, 0..2.
    int DeluxeMsg(const QString& Text, const QString& Caption0, const QString& Caption1,
                  const QString& Caption2, int Icon, const QString& Title);
    // The box follows the table's scale, also while it is open.
    void SetScale(const TableScale& scale);
    const DeluxeLayout& Layout() const { return Current; }
    FaceButton* Face(int i) const { return Faces[i]; }
    int Choice() const { return DeluxeChoice; }
    // What the box shows now: its title, its text, the captions of its faces.
    QString Title() const { return windowTitle(); }
    QString Text() const;
    QStringList Captions() const;
    // From now on the focused face wears its focus mark (a keyboard player is here).
    void ShowKeyFocus();

  signals:
    void Rings(); // as the box opens, once for each message
    void Shown(); // its title, text and faces are in place; the box is about to appear
    void AnsweredByKey(); // Return, Enter or Space chose the face under the key focus

  protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent*) override;
    void keyPressEvent(QKeyEvent*) override; // Esc must not close it without a choice
    void showEvent(QShowEvent*) override;

  private:
    void Arrange();
    void LayOut(); // the faces sized for their captions, and everything placed
    TableScale S;
    int IconShown = 1;
    QLabel* Label3;
    WrappedText* Label2;
    QLabel* Picture1;
    FaceButton* Faces[3];
    DeluxeLayout Current;
    int TextHeight = 0;
    QString Given[3]; // the captions, as the caller gave them
    int DeluxeChoice = 0;
    int KeyFocusIndex = 0;
    bool KeyFocusShown = false;
    void MoveKeyFocus(int step);
    void MarkKeyFocus();
};
