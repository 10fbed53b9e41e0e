// The fake form's lists behave as Windows' do: the selection follows its item, and only a
// change of the selection or of a combo box's text is heard.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "toolkit/ToolkitError.h"
#include "toolkit/fake/FakeToolkit.h"

namespace keystead::toolkit::fake {
namespace {

enum : int { List = 1, Combo };

const std::array kControls{
    ControlDesign{.id = List, .kind = ControlKind::ListBox},
    ControlDesign{.id = Combo, .kind = ControlKind::ComboBox},
};
const FormDesign kDesign{.caption = "",
                         .clientWidth = 0,
                         .clientHeight = 0,
                         .background = {},
                         .foreground = {},
                         .fontFace = "",
                         .fontPoints = 8,
                         .icon = 0,
                         .controls = kControls};

struct Recorder : NoFormEvents {
    void Control_Click(int id, int) override { heard.push_back("click " + std::to_string(id)); }
    void Control_Change(int id) override { heard.push_back("change " + std::to_string(id)); }
    std::vector<std::string> heard;
};

TEST(FakeList, TheSelectionFollowsItsItem) {
    Recorder events;
    FakeForm form(kDesign, events);
    EXPECT_EQ(form.ListIndex(List), kNoIndex);
    for (const char* item : {"a", "b", "c", "d"}) {
        form.AddItem(List, item);
    }
    form.Pick(List, 2);
    form.SetListIndex(List, 2);  // no change
    EXPECT_EQ(events.heard, std::vector<std::string>{"click 1"});
    const struct {
        int removed;
        int selectedAfter;
    } removals[] = {{0, 1}, {2, 1}, {1, kNoIndex}};
    for (const auto& removal : removals) {
        form.RemoveItem(List, removal.removed);
        EXPECT_EQ(form.ListIndex(List), removal.selectedAfter) << removal.removed;
    }
    EXPECT_EQ(form.ListCount(List), 1);
    EXPECT_EQ(form.ListText(List, 0), "b");
    EXPECT_THROW(form.RemoveItem(List, 1), ToolkitError);
    EXPECT_THROW(form.SetListIndex(List, 1), ToolkitError);
    EXPECT_EQ(events.heard.size(), 1u) << "removing raises nothing";
}

TEST(FakeList, PickingFromAComboBoxPutsTheItemInItsText) {
    Recorder events;
    FakeForm form(kDesign, events);
    form.AddItem(Combo, "notepad.exe");
    form.Type(Combo, "calc");
    form.Pick(Combo, 0);
    EXPECT_EQ(form.Text(Combo), "notepad.exe");
    EXPECT_EQ(events.heard, (std::vector<std::string>{"change 2", "change 2"}));
    form.ClearItems(Combo);
    EXPECT_EQ(form.ListCount(Combo), 0);
    EXPECT_THROW(form.AddItem(99, "x"), ToolkitError);
}

}  // namespace
}  // namespace keystead::toolkit::fake
