// Whether the desktop session is ending. Before it ends the session, the
// session manager asks the program to commit its data; the closes of the
// windows that follow are the session's, not the player's, and go through
// without a question (the recovery file keeps the game). Every other close
// of the table is the player's, on every platform: whether Qt marks a close
// as the window system's is no guide, since its Wayland plugin marks none.
#pragma once

#include <QObject>

class SessionEnd : public QObject {
    Q_OBJECT
  public:
    explicit SessionEnd(QObject* parent);
    bool Ending() const { return Asked; }
    // The session manager's request to commit (public for the tests, which
    // cannot make a session manager).
    void CommitRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Asked = false;
};
