#pragma once

#include <QLabel>
#include <functional>

namespace velunda::ui {

// A menu entry: a label that reads as a link, shows the menu's own pointer while the
// mouse is over it and runs its action on a left click. It can also be reached with
// Tab and run with Enter or Space, and assistive technology sees it as a named link
// with a press action. (The menu makes its entries reachable by Tab once it has been
// painted: a label that takes the focus costs a text document each, which would
// slow the first paint.)
class MenuEntry : public QLabel {
    // Q_OBJECT gives the entry its own class name, by which its accessible interface is found.
    Q_OBJECT

public:
    explicit MenuEntry(const QString& caption, QWidget* parent = nullptr);
    void setAction(std::function<void()> action) { action_ = std::move(action); }
    bool hasAction() const { return bool(action_); }
    void activate() {
        if (action_) action_();
    }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> action_;
    bool pressed_ = false;
};

}  // namespace velunda::ui
