// What the triangle windows' tests share: fields given as "Text1=3;Text2=4", the
// writes of a computation in the same form, and the texts of a real window's fields.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QTest>

#include "app/calculatorwindow.h"
#include "support/fakeform.h"
#include "support/gui.h"

namespace velunda::testing {

inline QStringList Texts(const ui::CalculatorWindow* w, const QStringList& fields) {
    QStringList texts;
    for (const QString& name : fields) texts << w->field(name.toStdString())->text();
    return texts;
}

// The columns CheckComputation reads: fields as typed, writes and the message shown, each
// as "Text1=3;Text2=4" ("" for none).
inline void AddComputationColumns() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("writes");
    QTest::addColumn<QString>("message");
}

// For a data row with the columns "typed", "writes" and "message": runs the computation
// on a form filled as typed (with the option named, if any, selected) and compares what
// it wrote and what it showed.
inline void CheckComputation(void (*computation)(Form&), const QString& option = {}) {
    QFETCH(QString, typed);
    QFETCH(QString, writes);
    QFETCH(QString, message);
    FakeForm form = Filled(typed);
    if (!option.isEmpty()) form.options.insert(option.toStdString());
    form.run(computation);
    QCOMPARE(Written(form), writes);
    QCOMPARE(QString::fromStdString(form.shown()), message);
}

// Types each non-empty text into the field of the same place.
inline void TypeInto(ui::CalculatorWindow* w, const QStringList& fields, const QStringList& texts) {
    for (qsizetype i = 0; i < fields.size(); ++i)
        if (!texts[i].isEmpty()) typeInto(w->field(fields[i].toStdString()), texts[i]);
}

// The control the Tab key moves to from w.
inline QWidget* NextFocus(QWidget* w) {
    QWidget* next = w->nextInFocusChain();
    while (next != w && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    return next;
}

// The fault message as FakeForm::shown() gives it.
inline const QString kFaultForm = QString::fromStdString(kFault);

// The fault message as MessageCatcher::shown() gives it.
inline const QString kFaultShown = QString::fromUtf8(kFaultMessage.data(), kFaultMessage.size()) + "|i|Velunda";

}  // namespace velunda::testing
