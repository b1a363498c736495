// A Form without widgets: fields and options set by the test, every write and every
// message recorded in order.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "numeric/form.h"

namespace velunda::testing {

struct Message {
    std::string text;
    Icon icon;
    std::string title;
};

class FakeForm : public Form {
public:
    FakeForm() = default;
    FakeForm(std::initializer_list<std::pair<const std::string, std::string>> fields) : fields(fields) {}

    std::string text(std::string_view name) const override {
        auto it = fields.find(name);
        return it == fields.end() ? std::string() : it->second;
    }
    bool selected(std::string_view name) const override { return options.count(name) != 0; }
    void write(std::string_view name, std::string text) override {
        writes.emplace_back(std::string(name), text);
        fields[std::string(name)] = std::move(text);
    }
    void ShowMessage(std::string_view text, Icon icon, std::string_view title) override {
        messages.push_back({std::string(text), icon, std::string(title)});
    }

    // Runs the computation as a window does: all its writes or, on a fault, none.
    bool run(void (*computation)(Form&)) { return RunComputation(*this, computation); }

    // The one message shown, as "text|icon|title" (icon: i or -), or "" for none;
    // several are joined by " / ".
    std::string shown() const {
        std::string out;
        for (const Message& m : messages) {
            if (!out.empty()) out += " / ";
            out += m.text + "|" + (m.icon == Icon::Information ? "i" : "-") + "|" + m.title;
        }
        return out;
    }

    std::map<std::string, std::string, std::less<>> fields;
    std::set<std::string, std::less<>> options;
    std::vector<std::pair<std::string, std::string>> writes;
    std::vector<Message> messages;
};

// A form whose fields hold the texts given as "name=text" pairs joined by ";" (fields
// not named are empty).
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

// A window's computation, as the test tables carry it.
using Computation = void (*)(Form&);

// The fault message as shown() gives it.
inline const std::string kFault = std::string(kFaultMessage) + "|i|";

}  // namespace velunda::testing
