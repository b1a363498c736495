#include "solvers/triangle/baseheightarea.h"

#include "numeric/numbertext.h"

namespace velunda {

void TriangleBaseHeightArea(Form& f) {
    double B = ParseNumber(f.text("Text1"));
    double H = ParseNumber(f.text("Text2"));
    double A = ParseNumber(f.text("Text3"));
    // Each divisor is non-zero by its own case's test.
    if (B != 0 && H != 0)
        A = H * B / 2;
    else if (B != 0 && A != 0)
        H = 2 * A / B;
    else if (H != 0 && A != 0)
        B = 2 * A / H;
    else
        f.ShowMessage("请下载新版本或查看帮助", Icon::Information);
    f.write("Text1", NumberText(B));
    f.write("Text2", NumberText(H));
    f.write("Text3", NumberText(A));
}

}  // namespace velunda
