// The Options menu's pace of play, kept in the user's configuration: Normal,
// every pause and animation step as the table has always had them, or
// Quick, each a third as long, for a practised player who would rather not
// wait on the deal and on Dorvil. Every pause the game asks of the window,
// and every step of the demo, goes through Length: only how long each step
// shows changes, never the order of what happens.
#pragma once

#include <QObject>
#include <algorithm>

class QAction;
class QMenu;

class PaceOption : public QObject {
    Q_OBJECT
  public:
    enum class Pace { Normal, Quick };

    // How long a pause of `ms` at the normal pace lasts at `pace`.
    static constexpr int Length(Pace pace, int ms) {
        return pace == Pace::Normal || ms <= 0 ? ms : std::max(1, (ms + 1) / 3);
    }

    // The submenu is added to `options`.
    explicit PaceOption(QMenu* options);
    Pace Chosen() const { return Current; }
    void Choose(Pace pace);
    int Length(int ms) const { return Length(Current, ms); }

  signals:
    void Changed(PaceOption::Pace pace);

  private:
    QAction* Normal;
    QAction* Quick;
    Pace Current = Pace::Normal;
};
