// What the triangle windows' tests share: fields given as "Text1=3;Text2=4", the
// writes of a computation in the same form, and the texts of a real window's fields.
#pragma once

#include <QStringList>

#include "app/calculatorwindow.h"
#include "support/fakeform.h"

namespace velunda::testing {

// A form whose fields hold the texts given as "name=text" pairs joined by ";".
inline FakeForm Filled(const QString& fields) {
    FakeForm form;
    for (const QString& pair : fields.split(';', Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf('=');
        form.fields[pair.left(eq).toStdString()] = pair.mid(eq + 1).toStdString();
    }
    return form;
}

// The writes of a computation, in order, as "name=text" pairs joined by ";".
inline QString Written(const FakeForm& form) {
    QStringList written;
    for (const auto& [name, text] : form.writes) written << QString::fromStdString(name + "=" + text);
    return written.join(';');
}

inline QStringList Texts(const ui::CalculatorWindow* w, const QStringList& fields) {
    QStringList texts;
    for (const QString& name : fields) texts << w->field(name.toStdString())->text();
    return texts;
}

// The control the Tab key moves to from w.
inline QWidget* NextFocus(QWidget* w) {
    QWidget* next = w->nextInFocusChain();
    while (next != w && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    return next;
}

// The fault message as MessageCatcher::shown() gives it.
inline const QString kFaultShown = QString::fromUtf8(kFaultMessage.data(), kFaultMessage.size()) + "|i|Velunda";

}  // namespace velunda::testing
