// A Form without widgets: fields and options set by the test, every write and every
// message recorded in order. Running a computation, it knows the fields and option
// buttons of the window whose trigger runs it (support/windownames.h) and rejects any
// other name, so a misspelt name fails the test.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "numeric/form.h"
#include "support/windownames.h"

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
        check(name);
        auto it = fields.find(name);
        return it == fields.end() ? std::string() : it->second;
    }
    bool selected(std::string_view name) const override {
        check(name);
        return options.count(name) != 0;
    }
    void write(std::string_view name, std::string text) override {
        check(name);
        writes.emplace_back(std::string(name), text);
        fields[std::string(name)] = std::move(text);
    }
    void ShowMessage(std::string_view text, Icon icon, std::string_view title) override {
        messages.push_back({std::string(text), icon, std::string(title)});
    }

    // Runs the computation as a window does: all its writes or, on a fault, none. The
    // computation must be one that a window's trigger runs.
    bool run(Computation computation) {
        known = NamesOfWindowRunning(computation);
        if (known.empty()) throw std::logic_error("no window's trigger runs this computation");
        return RunComputation(*this, computation);
    }

    // The fields and option buttons of the window one of whose triggers runs the
    // computation; none when no window runs it. They are gathered once, not on every run.
    static const std::set<std::string, std::less<>>& NamesOfWindowRunning(Computation computation) {
        static const auto byComputation = [] {
            std::map<Computation, std::set<std::string, std::less<>>> all;
            for (const SolverWindow& window : SolverWindows())
                for (const Computation c : window.computations) all[c].insert(window.names.begin(), window.names.end());
            return all;
        }();
        static const std::set<std::string, std::less<>> none;
        const auto it = byComputation.find(computation);
        return it == byComputation.end() ? none : it->second;
    }

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

    // The names a computation may use; empty: any.
    std::set<std::string, std::less<>> known;
    std::map<std::string, std::string, std::less<>> fields;
    std::set<std::string, std::less<>> options;
    std::vector<std::pair<std::string, std::string>> writes;
    std::vector<Message> messages;

private:
    void check(std::string_view name) const {
        if (!known.empty() && !known.count(name))
            throw std::logic_error("the window has no control named " + std::string(name));
    }
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

// The fault message as shown() gives it.
inline const QString kFaultShown = QString::fromUtf8(kFaultMessage.data(), qsizetype(kFaultMessage.size())) + "|i|";

}  // namespace velunda::testing
