// The session manager's signal, and the player's input that takes it back.
#include "SessionEnd.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

SessionEnd::SessionEnd(QObject* parent) : QObject(parent) {
#ifndef QT_NO_SESSIONMANAGER
    // Direct, as Qt asks: the session manager waits for the answer.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &SessionEnd::CommitRequested,
            Qt::DirectConnection);
#endif
}

// A commit also comes with a mere checkpoint of the session, and a logout can
// be cancelled: the session then goes on, and the player's next key or click
// says so (a logout under way blocks the player's input). The filter is on
// the application only while a commit stands, so that it costs nothing the
// rest of the time.
void SessionEnd::CommitRequested() {
    if (Asked) return;
    Asked = true;
    qApp->installEventFilter(this);
}

bool SessionEnd::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        if (event->spontaneous()) {
            Asked = false;
            qApp->removeEventFilter(this);
        }
        break;
    default:
        break;
    }
    return false;
}
