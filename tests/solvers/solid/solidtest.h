// What the tests of the cylinder, cuboid and cube windows share: a fake form filled
// from one line of typed texts, the field texts as one line, and the two-line captions.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QTest>

#include "support/fakeform.h"
#include "support/gui.h"

namespace velunda::testing {

inline std::string FieldName(int i) { return "Text" + std::to_string(i); }

// A form whose fields Text1, Text2, ... hold the texts of "t1;t2;...".
inline FakeForm FormWith(const QString& typed) {
    FakeForm form;
    const QStringList texts = typed.split(';');
    for (int i = 0; i < texts.size(); ++i) form.fields[FieldName(i + 1)] = texts[i].toStdString();
    return form;
}

// The texts of Text1 ... TextN, joined by ";".
inline QString FieldTexts(const Form& form, int count) {
    QStringList texts;
    for (int i = 1; i <= count; ++i) texts << QString::fromStdString(form.text(FieldName(i)));
    return texts.join(';');
}

// Runs a computation over fields typed as "t1;t2;..." and checks the texts of Text1 ...
// TextN afterwards and the messages shown; a computation refused with the fault message
// must not have completed.
inline void CheckComputation(void (*computation)(Form&), const QString& typed, int count, const QString& fields,
                             const QString& message) {
    FakeForm form = FormWith(typed);
    const bool completed = form.run(computation);
    QCOMPARE(FieldTexts(form, count), fields);
    QCOMPARE(QString::fromStdString(form.shown()), message);
    QCOMPARE(completed, message != QString::fromStdString(kFault));
}

// The names of the fields written, in order, joined by blanks.
inline QString WrittenNames(const FakeForm& form) {
    QStringList names;
    for (const auto& [name, text] : form.writes) names << QString::fromStdString(name);
    return names.join(' ');
}

// A two-line caption: its blanks make it wrap onto exactly two lines.
inline bool WrapsOntoTwoLines(QLabel* label) {
    const int line = label->fontMetrics().lineSpacing();
    const int height = label->heightForWidth(label->width());
    return height >= 2 * line && height < 3 * line;
}

}  // namespace velunda::testing
