#pragma once

#include <QLabel>
#include <functional>

namespace velunda::ui {

// A menu entry: a label that reads as a link, shows the menu's own pointer while the
// mouse is over it and runs its action on a left click.
class MenuEntry : public QLabel {
public:
    using QLabel::QLabel;
    void setAction(std::function<void()> action) { action_ = std::move(action); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> action_;
    bool pressed_ = false;
};

}  // namespace velunda::ui
