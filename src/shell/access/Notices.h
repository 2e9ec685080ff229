// The announcements as a screen reader meets them: each is an accessible
// object of its own, a notification under the table's status element, with
// its sentence in a text inside, that is told once by becoming showing.
// Screen readers speak a notification that appears whatever has the focus;
// a changed name or inserted text they speak only for the focused object.
// No widget stands behind a notice: nothing of it is drawn.
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <deque>

class QWidget;

class Notices {
  public:
    // How many notices stay alive at once: the screen reader reads a notice
    // a moment after it appears, and one already gone is not spoken.
    static constexpr int Kept = 16;

    explicit Notices(QWidget* status);
    ~Notices();
    Notices(const Notices&) = delete;
    Notices& operator=(const Notices&) = delete;

    void Show(const QString& sentence);
    // The notices alive, oldest first.
    QList<QAccessibleInterface*> Alive() const;

  private:
    QPointer<QWidget> Status;
    std::deque<QAccessible::Id> Ids;
};
