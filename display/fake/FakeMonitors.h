#pragma once

#include "display/NotePlacement.h"

namespace keystead::display {

// Monitors as a test sets them.
class FakeMonitors : public Monitors {
public:
    Desk Now() override { return desk; }

    Desk desk;
};

}  // namespace keystead::display
