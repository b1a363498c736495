// The case tables of the windows' computations: one row per case, with the columns
//   computation  the computation a trigger of the window runs
//   fields       the texts in the fields before, "Text1=3;Text3=14" (fields not named are empty)
//   options      the selected option buttons, "Option1;Option4" ("" for none)
//   writes       what the computation wrote, "Text2=4;Text4=12" in the order written ("" for none)
//   shown        the messages, as FakeForm::shown() gives them ("" for none)
// A computation refused with the fault message (the last message it shows) writes
// nothing and has not completed.
#pragma once

#include <QString>
#include <QTest>
#include <cstdlib>

#include "support/fakeform.h"

Q_DECLARE_METATYPE(velunda::Computation)

namespace velunda::testing {

// n units of the last of `places` decimals (one or two), as typed: Decimal(-305, 2) is
// "-3.05".
inline QString Decimal(qint64 n, int places) {
    const qint64 unit = places == 1 ? 10 : 100;
    const QString digits =
        QString::number(std::abs(n) / unit) + "." + QString::number(std::abs(n) % unit).rightJustified(places, '0');
    return n < 0 ? "-" + digits : digits;
}

inline void addCaseColumns() {
    QTest::addColumn<Computation>("computation");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("writes");
    QTest::addColumn<QString>("shown");
}

// Runs the row's computation over a fake form filled as the row says, as the window's
// trigger runs it, and compares its writes, its messages and whether it completed.
inline void checkCase() {
    QFETCH(Computation, computation);
    QFETCH(QString, fields);
    QFETCH(QString, options);
    QFETCH(QString, writes);
    QFETCH(QString, shown);
    FakeForm form = Filled(fields);
    for (const QString& option : options.split(';', Qt::SkipEmptyParts)) form.options.insert(option.toStdString());
    const bool completed = form.run(computation);
    QCOMPARE(Written(form), writes);
    QCOMPARE(QString::fromStdString(form.shown()), shown);
    QCOMPARE(completed, !shown.endsWith(kFaultShown));
}

}  // namespace velunda::testing
