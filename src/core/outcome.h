// What a compute gives its window: the texts its steps wrote, in the order a window writes them,
// and whether it stopped at a failing step. The window writes every text it got, then, on a
// failure, shows its warning: results written before the failing step stay, as the user expects.
#pragma once

#include "core/numbers.h"

#include <utility>

namespace voltaris {

template <class Texts> struct Outcome {
    Texts texts;         // what the steps wrote (the members of a failed compute's later steps
                         // hold what they held before)
    bool failed = false; // a step failed: a text that is no number, a division by zero, ...
};

// Runs `steps` on `start` (the window's texts before the compute); a ComputeFailure ends the
// steps there, keeping what they wrote.
template <class Texts, class Steps> Outcome<Texts> RunSteps(Texts start, Steps&& steps) {
    Outcome<Texts> outcome{std::move(start)};
    try {
        std::forward<Steps>(steps)(outcome.texts);
    } catch (const ComputeFailure&) {
        outcome.failed = true;
    }
    return outcome;
}

} // namespace voltaris
