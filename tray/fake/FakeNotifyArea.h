#pragma once

// A notification area for tests: records every call and answers what it is told.

#include <cstdint>
#include <string_view>
#include <vector>

#include "tray/NotifyArea.h"

namespace keystead::tray {

class FakeNotifyArea : public NotifyArea {
public:
    struct Call {
        std::uint32_t operation;
        NotifyIconRecord record;  // a copy, as it was at the call

        std::string_view Tip() const { return {record.szTip, sizeof(record.szTip)}; }
    };

    bool NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) override {
        calls.push_back({operation, record});
        return answer;
    }

    std::vector<Call> calls;
    bool answer = true;
};

}  // namespace keystead::tray
