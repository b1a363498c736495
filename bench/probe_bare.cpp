// The floor the toolkit sets: a Qt Widgets program with one window and one label,
// built like Velunda and timed the same way. It quits after its first paint.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <cstdio>

#include "bench/firstpaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("bare");
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("Velunda", &window));
    window.show();
    new velunda::bench::FirstPaint(&window, [] {
        velunda::bench::ReportPainted();
        QApplication::quit();
    });
    return QApplication::exec();
}
