// What a screen reader is told as the game goes on: the instruction line,
// every card taken, laid, laid off, taken back or discarded (Dorvil's above
// all, which a blind player cannot otherwise follow), each message box with
// its buttons, and the hint of a refused key. The news goes out through one
// status element of the table whose name and text change with it, the events
// screen readers speak on this desktop.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class MainWindow;
class MFormDeluxe;
class QWidget;
struct TableEvent;
enum class Ctl;

// The status element the announcements go out through: one pixel of the
// table, never painted, present for the accessibility tree only.
class AnnouncementLine : public QWidget {
  public:
    explicit AnnouncementLine(QWidget* table);
};

class Announcer : public QObject {
    Q_OBJECT
  public:
    explicit Announcer(MainWindow& window);
    void Say(const QString& text);
    void TableEventSeen(const TableEvent& event);
    void TextShown(Ctl control, const QString& text);
    // Each time the box shows, its title, text and buttons are told.
    void MessageBoxMade(MFormDeluxe* box);
    // What the event is to be told as; empty for what a message box tells.
    static QString EventText(const TableEvent& event);
    QWidget* Line() const { return Status; }
    const QStringList& Recent() const { return Said; } // the last announcements, oldest first

  private:
    QPointer<QWidget> Status;
    QStringList Said;
};
