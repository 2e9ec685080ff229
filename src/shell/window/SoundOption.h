// The Options menu's Sound switch: on unless the player turns it off, and
// kept in the user's configuration. Off, the table is silent from that
// moment on, the message box's ring too, and a sound playing stops
// (TableSound listens). Its key works while the game keeps the menu closed.
#pragma once

#include <QObject>

class QAction;
class QMenu;

class SoundOption : public QObject {
    Q_OBJECT
  public:
    explicit SoundOption(QMenu* options);
    bool On() const;
    void Switch(bool on);
    QAction* Entry() const { return Action; }

  signals:
    void Switched(bool on); // every change, from the menu, its key or Switch

  private:
    QAction* Action;
};
