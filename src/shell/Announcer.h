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

class MainWindow;
class QWidget;
struct TableEvent;
enum class Ctl;

class Announcer : public QObject {
  public:
    explicit Announcer(MainWindow& window);
    void Say(const QString& text);
    void TableEventSeen(const TableEvent& event);
    void TextShown(Ctl control, const QString& text);
    // What the event is to be told as; empty for what a message box tells.
    static QString EventText(const TableEvent& event);
    QWidget* Line() const { return Status; }
    const QStringList& Recent() const { return Said; } // the last announcements, oldest first

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> Status;
    QStringList Said;
};
