#pragma once
// Routines written as numbered steps that each stand alone: a step that fails is skipped and
// the next one runs. Start-up and lesson loading are made of them.

#include <vector>

namespace lumeport {

template <class Owner> struct Step {
    const char* name;
    void (Owner::*run)();
};

template <class Owner> void RunSteps(Owner& owner, const std::vector<Step<Owner>>& steps) {
    for (const Step<Owner>& step : steps) {
        try {
            (owner.*step.run)();
        } catch (...) {
            // Skipped; the next step runs.
        }
    }
}

} // namespace lumeport
