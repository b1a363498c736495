#include "numeric/form.h"

#include "numeric/numbertext.h"

namespace velunda {
namespace {

class PendingWrites : public Form {
public:
    explicit PendingWrites(Form& target) : target_(target) {}

    std::string text(std::string_view name) const override {
        for (auto it = writes_.rbegin(); it != writes_.rend(); ++it)
            if (it->first == name) return it->second;
        return target_.text(name);
    }
    bool selected(std::string_view name) const override { return target_.selected(name); }
    void write(std::string_view name, std::string text) override {
        writes_.emplace_back(std::string(name), std::move(text));
    }
    void ShowMessage(std::string_view text, Icon icon, std::string_view title) override {
        target_.ShowMessage(text, icon, title);
    }

    void apply() {
        for (auto& [name, text] : writes_) target_.write(name, std::move(text));
    }

private:
    Form& target_;
    std::vector<std::pair<std::string, std::string>> writes_;
};

}  // namespace

bool RunComputation(Form& form, const std::function<void(Form&)>& computation) {
    PendingWrites pending(form);
    try {
        computation(pending);
    } catch (const ComputationFault&) {
        form.ShowMessage(kFaultMessage, Icon::Information);
        return false;
    }
    pending.apply();
    return true;
}

}  // namespace velunda
