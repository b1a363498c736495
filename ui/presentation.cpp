#include "ui/presentation.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "exact/solutionsteps.h"
#include "figure/figureview.h"
#include "ui/fonts.h"

namespace velunda::ui {

PresentationView::PresentationView(const QString& title, WorkedSolution solution, const Sketch* figure)
    : solution_(std::move(solution)) {
    setObjectName("presentation");
    setWindowTitle(title + " · 演示");
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    auto* heading = new QLabel(title, this);
    heading->setFont(MakeFont(SimSun(28)));
    where_ = new QLabel(this);
    where_->setObjectName("lblStep");
    where_->setFont(MakeFont(SimSun(14)));
    text_ = new QTextBrowser(this);
    text_->setObjectName("solution");
    text_->setFrameShape(QFrame::NoFrame);
    text_->document()->setDefaultFont(MakeFont(SimSun(26)));
    auto* body = new QHBoxLayout;
    if (figure) {
        figure_ = new FigureView(this);
        figure_->setSketch(*figure);
        figure_->setMinimumSize(400, 300);
        body->addWidget(figure_, 2);
    }
    body->addWidget(text_, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(heading);
    layout->addLayout(body, 1);
    layout->addWidget(where_);
    // The keys go to the view, not to the text's own scrolling.
    text_->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
    showSteps();
}

void PresentationView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_PageDown:
            if (shown_ < steps()) ++shown_;
            return showSteps();
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_PageUp:
            if (shown_ > 1) --shown_;
            return showSteps();
        case Qt::Key_Escape:
        case Qt::Key_F11:
            close();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void PresentationView::showSteps() {
    shown_ = std::min(shown_, std::max<std::size_t>(steps(), 1));
    text_->setHtml(QString::fromStdString(exact::WriteHtml(solution_.steps, shown_)));
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
    where_->setText(QString("第 %1 步，共 %2 步    空格或 → 下一步，← 上一步，Esc 退出")
                        .arg(shown_)
                        .arg(std::max<std::size_t>(steps(), 1)));
}

}  // namespace velunda::ui
