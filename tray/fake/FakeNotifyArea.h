#pragma once

// A notification area for tests: records every call and answers what it is told.

#include <cstdint>
#include <deque>
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
        if (!nextAnswers.empty()) {
            const bool next = nextAnswers.front();
            nextAnswers.pop_front();
            return next;
        }
        return answer;
    }

    // The operations sent, in order.
    std::vector<std::uint32_t> Operations() const {
        std::vector<std::uint32_t> operations;
        for (const Call& call : calls) {
            operations.push_back(call.operation);
        }
        return operations;
    }

    std::vector<Call> calls;
    // The answers to the next calls, in order (a shell not ready yet refuses whatever
    // comes); then `answer` to every call.
    std::deque<bool> nextAnswers;
    bool answer = true;
};

}  // namespace keystead::tray
