// The Options menu's choice of language: the desktop's (System default),
// English, or a language Meldora has a translation for, each named in itself.
// The choice is kept in the user's configuration and takes effect at the next
// start, as the menu and a message say.
#pragma once

#include <QObject>

class QActionGroup;
class QMenu;
class QWidget;

class LanguageOption : public QObject {
    Q_OBJECT
  public:
    // The submenu is added to `options`; the message is shown over `window`.
    LanguageOption(QMenu* options, QWidget* window);
    // Keeps `code` ("de", or empty for the desktop's language) for the next start.
    void Choose(const QString& code);

  signals:
    void Chosen(const QString& code); // a new choice made in the menu

  private:
    QWidget* Window;
    QActionGroup* Group;
};
