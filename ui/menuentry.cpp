#include "ui/menuentry.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace velunda::ui {
namespace {

class MenuEntryAccessible : public QAccessibleWidget {
public:
    explicit MenuEntryAccessible(MenuEntry* entry) : QAccessibleWidget(entry, QAccessible::Link) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) entry()->activate();
    }

private:
    MenuEntry* entry() const { return static_cast<MenuEntry*>(widget()); }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(MenuEntry::staticMetaObject.className()))
        if (auto* entry = qobject_cast<MenuEntry*>(object)) return new MenuEntryAccessible(entry);
    return nullptr;
}

}  // namespace

MenuEntry::MenuEntry(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    static const bool installed = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(installed);
    setAccessibleName(caption);
}

void MenuEntry::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void MenuEntry::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) activate();
}

void MenuEntry::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            activate();
            break;
        default:
            QLabel::keyPressEvent(event);
    }
}

void MenuEntry::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // The keyboard's place on the dark board: a thin light-cyan frame round the entry.
    QPainter painter(this);
    painter.setPen(QColor(128, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace velunda::ui
