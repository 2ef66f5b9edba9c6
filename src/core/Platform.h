#pragma once
// The outside world as the program sees it: one object per outside system, real ones in the
// program, fakes in the tests.

#include "Display.h"

namespace lumeport {

struct Platform {
    Display& display;
};

} // namespace lumeport
