#pragma once

#include <memory>
#include <string>

#include "pause/Foreground.h"

namespace keystead::pause {

// The program in front as the test sets it; counts the questions and keeps the one watcher.
class FakeForeground : public Foreground {
public:
    class FakeWatch : public ForegroundWatch {
    public:
        explicit FakeWatch(FakeForeground& owner) : owner_(owner) {}
        ~FakeWatch() override { owner_.listener = nullptr; }

    private:
        FakeForeground& owner_;
    };

    std::string ProgramName() override {
        ++nameQuestions;
        return program;
    }
    UserNotificationState NotificationState() override {
        ++stateQuestions;
        return state;
    }
    bool FrontCoversMonitor() override { return frontCoversMonitor; }
    std::unique_ptr<ForegroundWatch> Watch(ForegroundEvents& events) override {
        listener = &events;
        return std::make_unique<FakeWatch>(*this);
    }

    // Another window comes to the front.
    void BringToFront(std::string name) {
        program = std::move(name);
        if (listener != nullptr) {
            listener->Foreground_Change();
        }
    }

    std::string program;
    UserNotificationState state = UserNotificationState::AcceptsNotifications;
    bool frontCoversMonitor = true;
    ForegroundEvents* listener = nullptr;
    int nameQuestions = 0;
    int stateQuestions = 0;
};

}  // namespace keystead::pause
