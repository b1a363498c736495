// The pictures the project draws itself: the backgrounds of the menu and the version
// window, and the pointer shown over the menu's entries.
#pragma once

#include <QCursor>
#include <QRect>

class QPainter;

namespace velunda::ui {

QCursor EntryCursor();  // 32 × 32, a pencil whose tip is the hot spot
void PaintMenuBackground(QPainter& painter, const QRect& area);
void PaintVersionBackground(QPainter& painter, const QRect& area);

}  // namespace velunda::ui
