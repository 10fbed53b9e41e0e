#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace keystead::toolkit {

// A named event of an object: handlers run synchronously, on the raising thread, in the
// order they were connected. A Connection disconnects its handler when destroyed.
template <typename... Args>
class Event {
    // In connection order, which ids ascend in: a vector, as an event has few handlers, and
    // no tree (std::map) to carry into the program for this alone.
    using Slots = std::vector<std::pair<int, std::function<void(Args...)>>>;

public:
    class Connection {
    public:
        Connection() = default;
        Connection(Connection&& other) noexcept { *this = std::move(other); }
        Connection& operator=(Connection&& other) noexcept {
            Disconnect();
            slots_ = std::move(other.slots_);
            id_ = other.id_;
            other.slots_.reset();
            return *this;
        }
        ~Connection() { Disconnect(); }

        void Disconnect() {
            if (auto slots = slots_.lock()) {
                std::erase_if(*slots, [this](const auto& slot) { return slot.first == id_; });
            }
            slots_.reset();
        }

    private:
        friend class Event;
        Connection(std::weak_ptr<Slots> slots, int id) : slots_(std::move(slots)), id_(id) {}
        std::weak_ptr<Slots> slots_;
        int id_ = 0;
    };

    [[nodiscard]] Connection Connect(std::function<void(Args...)> handler) {
        int id = nextId_++;
        slots_->emplace_back(id, std::move(handler));
        return Connection(slots_, id);
    }

    void Raise(Args... args) const {
        // A handler may connect or disconnect others while it runs: work on a copy.
        std::vector<std::function<void(Args...)>> handlers;
        for (const auto& [id, handler] : *slots_) {
            handlers.push_back(handler);
        }
        for (const auto& handler : handlers) {
            handler(args...);
        }
    }

private:
    std::shared_ptr<Slots> slots_{new Slots};
    int nextId_ = 1;
};

}  // namespace keystead::toolkit
