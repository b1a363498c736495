// Runs one computation of a plane-figure window over a fake form and sums up what it
// did, so that a case list reads as one table row per case.
#pragma once

#include <QString>
#include <QStringList>
#include <QTest>

#include "support/fakeform.h"

namespace velunda::testing {

struct Outcome {
    QString writes;  // "Text2=4;Text4=12", in the order written
    QString shown;   // the messages, as FakeForm::shown() gives them
};

// fields: "Text1=3;Text3=14" (fields not named are empty); options: the selected ones.
inline Outcome RunCase(Computation computation, const QString& fields, const QStringList& options = {}) {
    FakeForm form = Filled(fields);
    for (const QString& o : options) form.options.insert(o.toStdString());
    form.run(computation);
    return {Written(form), QString::fromStdString(form.shown())};
}

// The fault message of a computation that could not write its results.
inline const QString kFaultShown = QString::fromStdString(kFault);

// The body of a case-list test whose rows have the columns "fields", "writes" and
// "shown"; options are the selected option buttons.
inline void checkCase(Computation computation, const QStringList& options = {}) {
    QFETCH(QString, fields);
    QFETCH(QString, writes);
    QFETCH(QString, shown);
    const Outcome out = RunCase(computation, fields, options);
    QCOMPARE(out.writes, writes);
    QCOMPARE(out.shown, shown);
}

}  // namespace velunda::testing
