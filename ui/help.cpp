#include "ui/help.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/fonts.h"

// The pages are compiled into the program (data/help/help.qrc); the static library that
// holds them is only linked in when something names them.
static void LoadHelpPages() { Q_INIT_RESOURCE(help); }

namespace velunda::ui {
namespace {

QString PagePath(std::string_view window) {
    [[maybe_unused]] static const bool loaded = (LoadHelpPages(), true);
    return ":/help/" + QString::fromUtf8(window.data(), qsizetype(window.size())) + ".html";
}

// The help window: the page, and the way back and to the index.
class HelpWindow : public QWidget {
public:
    HelpWindow() {
        setObjectName("help");
        setWindowTitle("帮助");
        setAttribute(Qt::WA_DeleteOnClose);
        resize(640, 560);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName("helpText");
        browser_->setAccessibleName("帮助");
        browser_->setFont(MakeFont(SimSun(11)));
        browser_->setSearchPaths({":/help"});
        auto* index = new QPushButton("目录", this);
        index->setObjectName("cmdIndex");
        auto* back = new QPushButton("返回", this);
        back->setObjectName("cmdBack");
        back->setEnabled(false);
        connect(index, &QPushButton::clicked, this, [this] { showPage("index"); });
        connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        for (QPushButton* b : {index, back}) b->setFont(MakeFont(SimSun(10.5)));
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(index);
        buttons->addWidget(back);
        buttons->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(buttons);
        layout->addWidget(browser_);
    }

    void showPage(std::string_view window) {
        const QString path = QFile::exists(PagePath(window)) ? PagePath(window) : PagePath("index");
        browser_->setSource(QUrl("qrc" + path));
    }

private:
    QTextBrowser* browser_ = nullptr;
};

QPointer<HelpWindow>& TheHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

}  // namespace

QString HelpPageText(std::string_view window) {
    QFile page(PagePath(window));
    if (!page.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(page.readAll());
}

QWidget* ShowHelp(std::string_view window) {
    QPointer<HelpWindow>& help = TheHelpWindow();
    if (!help) help = new HelpWindow;
    help->showPage(window);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

QWidget* ShowHelpFor(const QWidget* widget) {
    const QWidget* window = widget ? widget->window() : nullptr;
    return ShowHelp(window ? window->objectName().toStdString() : "index");
}

void InstallHelpKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(key, &QShortcut::activated, window, [window] { ShowHelpFor(window); });
}

}  // namespace velunda::ui
