// A window's worked example as the fields of a form without widgets, for the benches.
#pragma once

#include <string>

#include "support/fakeform.h"
#include "tools/examples.h"

namespace velunda::examples {

// The form filled as a pupil fills the window: each option chosen as a click chooses it,
// with what it writes (the circle's π), then the typed texts. Nothing is counted as
// written yet.
inline testing::FakeForm FormOf(const Example& e) {
    testing::FakeForm form;
    for (std::string_view option : e.options) {
        form.options.insert(std::string(option));
        if (const Computation chosen = ComputationOf(e.window, option)) form.run(chosen);
    }
    form.writes.clear();
    for (const auto& [field, text] : e.typed) form.fields[std::string(field)] = text;
    return form;
}

}  // namespace velunda::examples
