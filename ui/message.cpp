#include "ui/message.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStorageInfo>

#include "ui/help.h"

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

QString WhyNotWritten(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) return "文件夹 " + QDir::toNativeSeparators(folder.filePath()) + " 不存在";
    if (file.isDir()) return "那里已经有一个同名的文件夹";
    const QStorageInfo disk(folder.filePath());
    if (disk.isValid() && disk.isReadOnly()) return "这个磁盘是只读的，不能在上面保存文件";
    if (disk.isValid() && disk.bytesAvailable() < (1 << 20)) return "磁盘已满";
    if (file.exists() && !file.isWritable()) return "这个文件不允许写入";
    if (!folder.isWritable()) return "这个文件夹不允许写入";
    return "写入时出错";
}

}  // namespace

QString FileNotWrittenText(const QString& path, const QString& detail) {
    QString text = "无法写入文件 " + QDir::toNativeSeparators(path) + "：" + WhyNotWritten(path) + "。";
    if (!detail.isEmpty()) text += "（系统的说明：" + detail + "）";
    return text;
}

void ShowMessageBox(QWidget* parent, const QString& text, Icon icon, const QString& title) {
    QMessageBox box(parent);
    box.setObjectName("ShowMessage");
    box.setWindowTitle(
        title.isEmpty() ? QString::fromUtf8(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())) : title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    // A message that sends the pupil to the help opens the page of its window from the box.
    QPushButton* help = text.contains("查看帮助") ? box.addButton("查看帮助", QMessageBox::HelpRole) : nullptr;
    box.setEscapeButton(QMessageBox::Ok);
    LeaveRoomForTitle(box);
    box.exec();
    if (help && box.clickedButton() == help) ShowHelpFor(parent);
}

}  // namespace velunda::ui
