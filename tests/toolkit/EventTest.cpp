#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "toolkit/Event.h"

namespace keystead::toolkit {
namespace {

TEST(Event, ConnectionsDecideWhoHearsIt) {
    Event<int> event;
    std::vector<int> heard;
    auto first = event.Connect([&](int v) { heard.push_back(v); });
    {
        auto second = event.Connect([&](int v) { heard.push_back(v * 10); });
        event.Raise(1);
    }
    event.Raise(2);
    first.Disconnect();
    event.Raise(3);
    EXPECT_EQ(heard, (std::vector<int>{1, 10, 2}));
}

TEST(Event, AHandlerMayDisconnectItselfWhileRaised) {
    Event<> event;
    int calls = 0;
    std::optional<Event<>::Connection> connection;
    connection = event.Connect([&] {
        ++calls;
        connection->Disconnect();
    });
    event.Raise();
    event.Raise();
    EXPECT_EQ(calls, 1);
}

TEST(Event, AConnectionMayOutliveItsEvent) {
    auto handlerState = std::make_shared<int>(0);
    Event<>::Connection connection;
    {
        Event<> event;
        connection = event.Connect([handlerState] { ++*handlerState; });
        EXPECT_EQ(handlerState.use_count(), 2);
    }
    EXPECT_EQ(handlerState.use_count(), 1) << "the handler went with its event";
    connection.Disconnect();  // must not touch the destroyed event
    Event<> later;
    later.Raise();
    EXPECT_EQ(*handlerState, 0);
}

}  // namespace
}  // namespace keystead::toolkit
