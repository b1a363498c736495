#include "ui/solutionpanel.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>

#include "exact/exactnumber.h"
#include "exact/solutionbuilder.h"
#include "figure/figureview.h"
#include "figure/painter.h"
#include "ui/designedwindow.h"
#include "ui/fonts.h"
#include "ui/formsnapshot.h"
#include "ui/help.h"
#include "ui/message.h"
#include "ui/presentation.h"
#include "ui/savefile.h"
#include "ui/settings.h"
#include "ui/tryfirst.h"

namespace velunda::ui {
namespace {

constexpr auto kShownKey = "solution/shown";

// The figure's size on the sheet, in the sheet's logical pixels.
constexpr double kFigureWidth = 480, kFigureHeight = 300;

// The sheet: the title as a heading, the figure, the typeset solution.
void Draw(QPagedPaintDevice& device, const QString& title, const WorkedSolution& solution, const Sketch* figure,
          bool extras) {
    QPainter painter(&device);
    // The documents lay out in the device's own units: scale the points of their fonts to them.
    const double scale = device.logicalDpiX() / 96.0;
    painter.scale(scale, scale);
    const QSizeF page(device.width() / scale, device.height() / scale);
    QTextDocument heading, text;
    for (QTextDocument* document : {&heading, &text}) {
        document->setDefaultFont(MakeFont(SimSun(11)));
        document->setPageSize(page);
    }
    heading.setHtml("<h2>" + title.toHtmlEscaped() + "</h2>");
    text.setHtml(QString::fromStdString(solution.html));
    heading.drawContents(&painter);
    double top = heading.size().height();
    if (figure) {
        PaintFigure(painter, *figure, QRectF(0, top, std::min(kFigureWidth, page.width()), kFigureHeight), extras);
        top += kFigureHeight;
    }
    painter.translate(0, top);
    text.drawContents(&painter);
}

// The least height the panel needs, the figure's height over the solution text and the
// try-first bar's under it, at 100 %.
constexpr int kPanelHeight = 300, kPanelFigureHeight = 230, kTryBarHeight = 68;

// The solution text's face.
const FontStyle kTextFont = SimSun(10.5);

}  // namespace

SolutionPanel::SolutionPanel(DesignedWindow& window, Event event, SketchMaker figure)
    : QObject(&window),
      window_(window),
      hint_(event == Event::Enter ? "在一个文本框里输入已知量，按回车，这里就显示解题过程。"
                                  : "输入已知量，单击计算按钮，这里就显示解题过程。"),
      sketchMaker_(figure) {
    window.installEventFilter(this);
    auto* toggle = new QShortcut(QKeySequence(Qt::Key_F2), &window);
    connect(toggle, &QShortcut::activated, this, [this] { setShown(!shown_); });
    auto* present = new QShortcut(QKeySequence(Qt::Key_F11), &window);
    connect(present, &QShortcut::activated, this, [this] { presentFullScreen(); });
    connect(&SolutionSetting::instance(), &SolutionSetting::shownChanged, this, &SolutionPanel::setShown);
    if (SolutionSetting::instance().shown()) setShown(true);
}

SolutionPanel::~SolutionPanel() = default;

bool SolutionPanel::explain(Explanation explanation, const std::function<bool()>& computation) {
    std::unique_ptr<Form> before = SnapshotOf(window_);
    const bool completed = computation();
    explanation_ = explanation;
    before_ = std::move(before);
    if (shown_) update();
    return completed;
}

void SolutionPanel::forget() {
    explanation_ = nullptr;
    before_.reset();
    if (shown_) update();
}

void SolutionPanel::setTryFirst(TryFirst* tryFirst) {
    try_ = tryFirst;
    connect(try_, &TryFirst::changed, this, &SolutionPanel::update);
}

WorkedSolution SolutionPanel::solution() const {
    if (try_)
        if (std::optional<WorkedSolution> posed = try_->solution()) return *posed;
    if (!explanation_ || !before_)
        return exact::FromSteps({exact::MakeStep(exact::StepKind::Cannot, hint_.toStdString())});
    return exact::Explain(explanation_, *before_);
}

void SolutionPanel::setShown(bool shown) {
    if (shown == shown_) return;
    shown_ = shown;
    if (shown && !text_) {
        exact::LoadEngineInBackground();  // the first solution then finds the engine ready
        text_ = new QTextBrowser(window_.holder());
        text_->setObjectName("solution");
        text_->setAccessibleName("解题过程");
        text_->setFont(MakeFont(window_.scaled(kTextFont)));
        text_->setOpenLinks(false);
        text_->setContextMenuPolicy(Qt::DefaultContextMenu);
        if (sketchMaker_) {
            figure_ = new FigureView(text_->parentWidget());
            figure_->setZoom(window_.zoom() / 100.0);
        }
    }
    // The designed controls keep their places; the window grows to the right for the panel.
    if (shown) {
        text_->show();
        window_.fit();
        update();
    } else {
        if (text_) text_->hide();
        if (figure_) figure_->hide();
        window_.fit();
        // Try-first mode lives in the panel: hiding it leaves the mode.
        if (try_ && try_->on()) try_->setOn(false);
    }
}

void SolutionPanel::update() {
    if (!text_) return;
    const WorkedSolution worked = solution();
    text_->setHtml(QString::fromStdString(worked.html));
    // The figure over the text where there is one to draw, or a reason why not.
    if (figure_) {
        figure_->setSketch(sketchMaker_(worked.figure));
        figure_->setVisible(!figure_->sketch().empty());
    }
    layOut();
}

int SolutionPanel::wantedHeight() const { return kPanelHeight + (figure_ ? kPanelFigureHeight : 0); }

void SolutionPanel::place(const QRect& area) {
    area_ = area;
    layOut();
}

void SolutionPanel::zoomChanged() {
    if (text_) text_->setFont(MakeFont(window_.scaled(kTextFont)));
    if (figure_) figure_->setZoom(window_.zoom() / 100.0);
    if (try_) try_->zoomChanged();
}

void SolutionPanel::layOut() {
    if (!text_ || !shown_ || area_.isEmpty()) return;
    // Try-first mode's bar under the text; the figure over it, where there is one, takes at
    // most half of what is left on a short screen.
    int bottom = area_.bottom() + 1;
    if (QWidget* bar = try_ ? try_->bar() : nullptr; bar && try_->on()) {
        const int height = window_.scaled(kTryBarHeight);
        bottom -= height;
        bar->setGeometry(area_.left(), bottom, area_.width(), height);
        bar->show();
        bar->raise();
    }
    int top = area_.top();
    if (figure_ && !figure_->isHidden()) {
        const int height = std::min(window_.scaled(kPanelFigureHeight), (bottom - top) / 2);
        figure_->setGeometry(area_.left(), top, area_.width(), height);
        top += height;
    }
    text_->setGeometry(area_.left(), top, area_.width(), bottom - top);
}

const Sketch* SolutionPanel::figure() const {
    return figure_ && figure_->isVisible() && figure_->sketch().whyNot.isEmpty() ? &figure_->sketch() : nullptr;
}

bool SolutionPanel::extrasShown() const { return figure_ && figure_->extrasShown(); }

void SolutionPanel::exportPdf() {
    const QString title = window_.windowTitle();
    const QString path = ChooseFileToSave(&window_, "导出为 PDF", title, "pdf", "PDF 文件 (*.pdf)");
    if (path.isEmpty()) return;
    const QString fault = WriteSolutionPdf(path, title, solution(), figure(), extrasShown());
    if (!fault.isEmpty()) ShowMessageBox(&window_, fault, Icon::Information, {});
}

bool SolutionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::ContextMenu) {
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void SolutionPanel::showContextMenu(const QPoint& globalPos) {
    QMenu menu(&window_);
    QAction* show = menu.addAction("显示解题过程\tF2");
    show->setCheckable(true);
    show->setChecked(shown_);
    QAction* copy = menu.addAction("复制解题过程");
    QAction* pdf = menu.addAction("导出为 PDF…");
    QAction* print = menu.addAction("打印…");
    QAction* present = menu.addAction("全屏演示解题过程\tF11");
    QAction* tryFirst = menu.addAction("自己做（先不显示答案）\tF3");
    tryFirst->setCheckable(true);
    tryFirst->setChecked(try_ && try_->on());
    QAction* exercise = menu.addAction("出题");
    exercise->setEnabled(try_ && try_->hasExercises());
    menu.addSeparator();
    window_.addZoomActions(menu);
    menu.addSeparator();
    // The three-sides figure's circumcircle and incircle, on request.
    if (figure_ && figure_->isVisible() && figure_->sketch().hasExtras) {
        QAction* circles = menu.addAction("显示外接圆和内切圆");
        circles->setCheckable(true);
        circles->setChecked(figure_->extrasShown());
        connect(circles, &QAction::toggled, figure_, &FigureView::setExtrasShown);
    }
    connect(menu.addAction("帮助\tF1"), &QAction::triggered, &window_, [this] { ShowHelpFor(&window_); });
    QAction* chosen = menu.exec(globalPos);
    if (chosen == show) setShown(!shown_);
    if (chosen == copy) QApplication::clipboard()->setText(QString::fromStdString(solution().plain));
    if (chosen == pdf) exportPdf();
    if (chosen == print) PrintSolution(&window_, window_.windowTitle(), solution(), figure(), extrasShown());
    if (chosen == present) presentFullScreen();
    if (try_ && chosen == tryFirst) try_->setOn(!try_->on());
    if (try_ && chosen == exercise) try_->exercise();
}

QWidget* SolutionPanel::presentFullScreen() {
    auto* view = new PresentationView(window_.windowTitle(), solution(), figure());
    view->showFullScreen();
    view->activateWindow();
    view->setFocus(Qt::OtherFocusReason);
    return view;
}

SolutionSetting& SolutionSetting::instance() {
    static SolutionSetting* setting = new SolutionSetting;  // lives as long as the program
    return *setting;
}

SolutionSetting::SolutionSetting() { shown_ = ProgramSettings::instance().value(kShownKey, false).toBool(); }

void SolutionSetting::setShown(bool shown) {
    if (shown == shown_) return;
    shown_ = shown;
    ProgramSettings::instance().setValue(kShownKey, shown);
    emit shownChanged(shown);
}

QString WriteSolutionPdf(const QString& path, const QString& title, const WorkedSolution& solution,
                         const Sketch* figure, bool extras) {
    return WritePdf(path, title, [&](QPdfWriter& writer) { Draw(writer, title, solution, figure, extras); });
}

void PrintSolution(QWidget* parent, const QString& title, const WorkedSolution& solution, const Sketch* figure,
                   bool extras) {
    QPrinter printer;
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    Draw(printer, title, solution, figure, extras);
}

}  // namespace velunda::ui
