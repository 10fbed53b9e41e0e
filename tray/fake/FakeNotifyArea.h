#pragma once

// A notification area for tests: records every call and answers what it is told.

#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "tray/NotifyArea.h"

namespace keystead::tray {

class FakeNotifyArea : public NotifyArea {
public:
    struct Call {
        std::uint32_t operation;
        NotifyIconRecord record;  // a copy, as it was at the call

        // The field as the shell reads it.
        std::string_view Tip() const { return {record.szTip, TipFieldSize(record)}; }
    };

    bool NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) override {
        allCalls.push_back({operation, record});
        if (operation == kNimSetVersion || operation == kNimSetFocus) {
            return settingAnswer;
        }
        calls.push_back({operation, record});
        if (!nextAnswers.empty()) {
            const bool next = nextAnswers.front();
            nextAnswers.pop_front();
            return next;
        }
        return answer;
    }

    // Notes the menu and answers `menuChoice`; `during` runs while it is open.
    std::uint32_t TrackMenu(std::uintptr_t owner, std::int32_t x, std::int32_t y,
                            std::span<const TrayMenuItem> items) override {
        menus.push_back({owner, x, y, {items.begin(), items.end()}});
        if (whileMenuOpen) {
            whileMenuOpen();
        }
        return menuChoice;
    }

    // The operations sent, in order: add, modify and delete alone, or all.
    std::vector<std::uint32_t> Operations() const { return OperationsOf(calls); }
    std::vector<std::uint32_t> AllOperations() const { return OperationsOf(allCalls); }

    // Add, modify and delete, which show, change and remove the icon.
    std::vector<Call> calls;
    // Those and the settings of a shown icon (NIM_SETVERSION, NIM_SETFOCUS), which the shell
    // answers with `settingAnswer`.
    std::vector<Call> allCalls;
    bool settingAnswer = true;
    // The answers to the next calls, in order (a shell not ready yet refuses whatever
    // comes); then `answer` to every call.
    std::deque<bool> nextAnswers;
    bool answer = true;

    struct Menu {
        std::uintptr_t owner;
        std::int32_t x;
        std::int32_t y;
        std::vector<TrayMenuItem> items;
    };
    std::vector<Menu> menus;
    std::uint32_t menuChoice = 0;
    std::function<void()> whileMenuOpen;

private:
    static std::vector<std::uint32_t> OperationsOf(const std::vector<Call>& sent) {
        std::vector<std::uint32_t> operations;
        for (const Call& call : sent) {
            operations.push_back(call.operation);
        }
        return operations;
    }
};

}  // namespace keystead::tray
