#include "app/message.h"

#include <QMessageBox>

namespace velunda::ui {

void ShowMessageBox(QWidget* parent, const QString& text, Icon icon, const QString& title) {
    QMessageBox box(parent);
    box.setObjectName("ShowMessage");
    box.setWindowTitle(
        title.isEmpty() ? QString::fromUtf8(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())) : title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace velunda::ui
