#include "solvers/algebra/equationnames.h"

#include <QLineEdit>

namespace velunda::ui {

void NameEquationFields(DesignedWindow& window, const std::vector<std::vector<std::string_view>>& rows,
                        std::string_view solution) {
    static const QStringList ordinals{"第一个", "第二个", "第三个"};
    static const QStringList unknowns{"X", "Y", "Z"};
    for (qsizetype i = 0; i < qsizetype(rows.size()); ++i) {
        const QString equation = ordinals.value(i, QString("第%1个").arg(i + 1)) + "方程";
        const auto& fields = rows[std::size_t(i)];
        for (qsizetype j = 0; j < qsizetype(fields.size()); ++j) {
            const bool constant = j + 1 == qsizetype(fields.size());
            window.field(fields[std::size_t(j)])
                ->setAccessibleName(constant ? equation + "的常数项" : equation + " " + unknowns.value(j) + " 的系数");
        }
    }
    window.field(solution)->setAccessibleName("方程组的解");
}

}  // namespace velunda::ui
