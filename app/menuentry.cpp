#include "app/menuentry.h"

#include <QMouseEvent>

namespace velunda::ui {

void MenuEntry::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void MenuEntry::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click && action_) action_();
}

}  // namespace velunda::ui
