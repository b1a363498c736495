#include "ui/message.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace velunda::ui {
namespace {

// The window manager draws the title in a bar that also holds the window's icon and up
// to three buttons; a box only as wide as a short text such as "无解" would cut the
// title there. A spacer across the box's grid keeps it wide enough for both.
void LeaveRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const QFontMetrics metrics(box.font());
    const int room = metrics.horizontalAdvance(box.windowTitle()) + 8 * metrics.height();
    grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

void ShowMessageBox(QWidget* parent, const QString& text, Icon icon, const QString& title) {
    QMessageBox box(parent);
    box.setObjectName("ShowMessage");
    box.setWindowTitle(
        title.isEmpty() ? QString::fromUtf8(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())) : title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    LeaveRoomForTitle(box);
    box.exec();
}

}  // namespace velunda::ui
