// The fields and options of a window as they were at one moment: what the explanation of
// a computation started then reads, and the form a computation can be tried against
// without touching the window (its reads, writes and messages recorded).
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "numeric/form.h"

namespace velunda::ui {

class DesignedWindow;

class FormSnapshot : public Form {
public:
    std::string text(std::string_view name) const override {
        read.emplace(name);
        auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    }
    bool selected(std::string_view name) const override { return options.count(name) != 0; }
    void write(std::string_view name, std::string text) override { writes.emplace_back(name, std::move(text)); }
    void ShowMessage(std::string_view, Icon, std::string_view) override { ++messages; }

    std::map<std::string, std::string, std::less<>> texts;
    std::set<std::string, std::less<>> options;  // the selected ones
    mutable std::set<std::string, std::less<>> read;
    std::vector<std::pair<std::string, std::string>> writes;
    int messages = 0;
};

// The window's field texts and selected options now.
std::unique_ptr<FormSnapshot> SnapshotOf(const DesignedWindow& window);

}  // namespace velunda::ui
