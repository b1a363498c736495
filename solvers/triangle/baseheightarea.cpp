#include "solvers/triangle/baseheightarea.h"

#include "numeric/numbertext.h"

namespace velunda {

void TriangleBaseHeightArea(Form& f) {
    double B = ParseNumber(f.text(baseheightarea::Base));
    double H = ParseNumber(f.text(baseheightarea::Height));
    double A = ParseNumber(f.text(baseheightarea::Area));
    // Each divisor is non-zero by its own case's test.
    if (B != 0 && H != 0)
        A = H * B / 2;
    else if (B != 0 && A != 0)
        H = 2 * A / B;
    else if (H != 0 && A != 0)
        B = 2 * A / H;
    else
        f.ShowMessage("请下载新版本或查看帮助", Icon::Information);
    f.write(baseheightarea::Base, NumberText(B));
    f.write(baseheightarea::Height, NumberText(H));
    f.write(baseheightarea::Area, NumberText(A));
}

}  // namespace velunda
