// The program's widget style: the toolkit's own, except that it draws every control with
// one palette object per set of colours. The toolkit caches the pixmaps of buttons and
// frames under a name that includes the palette's identity, and it keeps every name it
// ever made; each window builds palettes of its own, so without this every window
// opened would leave a few hundred bytes of names behind for the rest of the run.
#pragma once

#include <QProxyStyle>
#include <vector>

namespace velunda::ui {

class SteadyPaletteStyle : public QProxyStyle {
public:
    SteadyPaletteStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // The palette kept for those colours: the same object, and so the same identity,
    // whichever widget asks.
    const QPalette& steady(const QPalette& palette) const;
    // How many are kept.
    std::size_t kept() const { return kept_.size(); }

private:
    // A window has a few sets of colours, and every window of a kind the same ones; the
    // oldest is let go beyond this many.
    static constexpr std::size_t kKept = 64;
    mutable std::vector<QPalette> kept_;
};

// Makes the application draw with it; before the first window is made.
void InstallProgramStyle();

}  // namespace velunda::ui
