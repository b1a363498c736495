#include "ui/style.h"

#include <QApplication>
#include <QStyleOption>
#include <algorithm>
#include <utility>

namespace velunda::ui {
namespace {

// Draws with the option's palette swapped for the steady one, and puts it back: the
// option is the caller's, made for this one drawing.
template <class Draw>
void WithSteadyPalette(const SteadyPaletteStyle& style, const QStyleOption* option, Draw draw) {
    if (!option) return draw();
    auto* changed = const_cast<QStyleOption*>(option);
    QPalette own = std::exchange(changed->palette, style.steady(option->palette));
    draw();
    changed->palette = std::move(own);
}

}  // namespace

SteadyPaletteStyle::SteadyPaletteStyle() : QProxyStyle() {}

const QPalette& SteadyPaletteStyle::steady(const QPalette& palette) const {
    for (auto it = kept_.begin(); it != kept_.end(); ++it)
        if (it->isCopyOf(palette) || *it == palette) {
            if (it != kept_.begin()) std::rotate(kept_.begin(), it, it + 1);  // the latest first
            return kept_.front();
        }
    if (kept_.size() == kKept) kept_.pop_back();
    kept_.insert(kept_.begin(), palette);
    return kept_.front();
}

void SteadyPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const {
    WithSteadyPalette(*this, option, [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
}

void SteadyPaletteStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    WithSteadyPalette(*this, option, [&] { QProxyStyle::drawControl(element, option, painter, widget); });
}

void SteadyPaletteStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                            QPainter* painter, const QWidget* widget) const {
    WithSteadyPalette(*this, option, [&] { QProxyStyle::drawComplexControl(control, option, painter, widget); });
}

void InstallProgramStyle() { QApplication::setStyle(new SteadyPaletteStyle); }

}  // namespace velunda::ui
