// What a screen reader is shown of the table. The card pictures stay children
// of the client area (their stacking and their flights cross every area), so
// the groups are interfaces of their own: the client area's children are the
// stock, the discard pile, Dorvil's hand, the six meld columns and the hand,
// each holding the interfaces of its card pictures, followed by the other
// controls. Decorative shapes, lines and focus frames are left out, picture
// buttons and message-box faces are buttons that can be pressed, the cards of
// the hand tell where they lie, and the announcement line is the status
// element the announcements appear under. The status panels are the window's
// status bar, the one a screen reader's status-bar command reads: it searches
// from the window's last child, so it meets them before the announcement line.
#pragma once

#include <QObject>
#include <QString>
#include <array>

class QAccessibleInterface;
class QWidget;
class TableGroups;
class TableKeys;

// Installs the accessible interfaces of the table. It must run before the
// window's first widget is made: an interface, once made for a widget, stays
// for the widget's life.
void InstallTableAccessibility();

class TableAccessible : public QObject {
  public:
    TableAccessible(TableGroups& groups, TableKeys& keys);
    ~TableAccessible() override;

    TableGroups& Groups;
    TableKeys& Keys;
    QAccessibleInterface* GroupInterface(int group) const { return Interfaces[group]; }
    // The interface the keyboard focus is on: a card, a group or a button.
    QAccessibleInterface* KeyFocus() const;
    static TableAccessible* Of(const QWidget* client);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Update();
    void TellFocus();
    std::array<QAccessibleInterface*, 10> Interfaces{};
    std::array<unsigned, 10> Ids{};
    std::array<QString, 10> Names;
};
