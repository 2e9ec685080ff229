// The notification objects of the announcements and their lifetime.
#include "Notices.h"

#include <QWidget>
#include <QWindow>

namespace {
class NoticeText;

// One announcement: a notification whose parent is the status element (a
// status bar: screen readers then leave out the word "notification") and
// whose one child carries the sentence (braille displays and a screen
// reader's list of notifications read the text inside).
class NoticeInterface : public QAccessibleInterface {
  public:
    NoticeInterface(QWidget* status, QString sentence)
        : Status(status), Sentence(std::move(sentence)) {}
    ~NoticeInterface() override;
    NoticeText* Text = nullptr;
    QPointer<QWidget> Status;
    QString Sentence;

    bool isValid() const override { return Status; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Status ? Status->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return Status ? QAccessible::queryAccessibleInterface(Status.data()) : nullptr;
    }
    int childCount() const override { return Text ? 1 : 0; }
    QAccessibleInterface* child(int i) const override;
    int indexOfChild(const QAccessibleInterface* c) const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return Status ? QRect(Status->mapToGlobal(QPoint(0, 0)), Status->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    // Enabled, visible and showing: a notice with no state at all is ignored.
    QAccessible::State state() const override { return {}; }
};

class NoticeText : public QAccessibleInterface {
  public:
    explicit NoticeText(NoticeInterface* notice) : Notice(notice) {}
    NoticeInterface* Notice;

    bool isValid() const override { return Notice->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Notice->window(); }
    QAccessibleInterface* parent() const override { return Notice; }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Notice->Sentence : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return Notice->rect(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }
};

NoticeInterface::~NoticeInterface() {
    if (Text) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(Text));
}
QAccessibleInterface* NoticeInterface::child(int i) const {
    return i == 0 ? Text : nullptr;
}
int NoticeInterface::indexOfChild(const QAccessibleInterface* c) const {
    return c && c == Text ? 0 : -1;
}
} // namespace

Notices::Notices(QWidget* status) : Status(status) {}

Notices::~Notices() {
    for (QAccessible::Id id : Ids)
        QAccessible::deleteAccessibleInterface(id);
}

// A new object each time: one shown again is taken by screen readers for
// the same event told twice.
void Notices::Show(const QString& sentence) {
    if (!Status) return;
    auto* notice = new NoticeInterface(Status, sentence);
    notice->Text = new NoticeText(notice);
    QAccessible::registerAccessibleInterface(notice->Text);
    Ids.push_back(QAccessible::registerAccessibleInterface(notice));
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    while (Ids.size() > Kept) {
        QAccessible::deleteAccessibleInterface(Ids.front()); // its text goes with it
        Ids.pop_front();
    }
}

QList<QAccessibleInterface*> Notices::Alive() const {
    QList<QAccessibleInterface*> alive;
    for (QAccessible::Id id : Ids)
        alive << QAccessible::accessibleInterface(id);
    return alive;
}
