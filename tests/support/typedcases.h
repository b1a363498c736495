// The windows in which whatever is typed into one field gives the other fields (the
// square, the cube): one table row per text typed, with the columns "computation",
// "field", "typed" and "writes".
#pragma once

#include <QString>
#include <QTest>

#include "support/fakeform.h"

Q_DECLARE_METATYPE(velunda::Computation)

namespace velunda::testing {

inline void addTypedColumns() {
    QTest::addColumn<Computation>("computation");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("writes");  // field=text, in order, joined by ";"; "" for the fault
}

// The row's text typed into its field of Text1..Text4, the others holding stale text,
// run as Enter runs it: every write of the row or, when there is no result, none and the
// fault message. The field typed into is never rewritten.
inline void checkTypedCase() {
    QFETCH(Computation, computation);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, writes);
    FakeForm form{{"Text1", "a"}, {"Text2", "b"}, {"Text3", "c"}, {"Text4", "d"}};
    form.fields[field.toStdString()] = typed.toStdString();
    const bool completed = form.run(computation);
    QCOMPARE(Written(form), writes);
    QCOMPARE(completed, !writes.isEmpty());
    QCOMPARE(QString::fromStdString(form.shown()), writes.isEmpty() ? QString::fromStdString(kFault) : QString());
    QCOMPARE(QString::fromStdString(form.text(field.toStdString())), typed);
}

}  // namespace velunda::testing
