#include "app/MainLayout.h"

#include <array>

#include "app/Product.h"
#include "display/DisplayTexts.h"
#include "toolkit/Timer.h"

namespace keystead::app {

namespace {

using toolkit::ControlDesign;
using enum toolkit::ControlKind;
using enum toolkit::TextAlign;

// The option buttons' captions, by LockMode, and what a screen reader says for each key's.
#define KEYSTEAD_MODES(key) \
    { key "Force off", key "Force on", key "Allow toggling" }
constexpr const char* kModeCaptions[] = KEYSTEAD_MODES("");
constexpr const char* kCapsLockNames[] = KEYSTEAD_MODES("Caps Lock: ");
constexpr const char* kNumLockNames[] = KEYSTEAD_MODES("Num Lock: ");
constexpr const char* kScrollLockNames[] = KEYSTEAD_MODES("Scroll Lock: ");
#undef KEYSTEAD_MODES

// Whether an option button stands for its key's default mode: the one selected before any
// settings are loaded.
constexpr bool IsDefaultMode(int group, lockkeys::LockMode index) {
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        if (kModeGroups[key] == group) {
            return lockkeys::kLockKeys[key].defaultMode == index;
        }
    }
    return false;
}

// The timer's default interval in decimal digits: the box's text before any is loaded.
constexpr auto kDefaultIntervalText = [] {
    static_assert(toolkit::Timer::kDefaultInterval > 0);
    std::array<char, 12> text{};
    int length = 0;
    for (int rest = toolkit::Timer::kDefaultInterval; rest > 0; rest /= 10) {
        ++length;
    }
    for (int rest = toolkit::Timer::kDefaultInterval, at = length - 1; rest > 0; rest /= 10) {
        text[static_cast<std::size_t>(at--)] = static_cast<char>('0' + rest % 10);
    }
    return text;
}();

// In tab order. The option buttons of a key stand left to right as index 2, 0, 1, so that
// "Allow toggling" comes first while the index stays the key's LockMode.
const std::array kControls = {
    ControlDesign{.id = CapsLockLabel,
                  .kind = Label,
                  .caption = "&Caps Lock:",
                  .bounds = {-120, 210, 1215, 255},
                  .align = Right},
    ControlDesign{.id = CapsLockSetting,
                  .index = 2,
                  .kind = OptionButton,
                  .caption = kModeCaptions[2],
                  .container = CapsLockFrame,
                  .bounds = {0, 120, 1455, 255},
                  .value = IsDefaultMode(CapsLockSetting, 2),
                  .accessibleName = kCapsLockNames[2]},
    ControlDesign{.id = CapsLockSetting,
                  .index = 0,
                  .kind = OptionButton,
                  .caption = kModeCaptions[0],
                  .container = CapsLockFrame,
                  .bounds = {1440, 120, 1095, 255},
                  .value = IsDefaultMode(CapsLockSetting, 0),
                  .accessibleName = kCapsLockNames[0]},
    ControlDesign{.id = CapsLockSetting,
                  .index = 1,
                  .kind = OptionButton,
                  .caption = kModeCaptions[1],
                  .container = CapsLockFrame,
                  .bounds = {2520, 120, 1095, 255},
                  .value = IsDefaultMode(CapsLockSetting, 1),
                  .accessibleName = kCapsLockNames[1]},
    ControlDesign{.id = NumLockLabel,
                  .kind = Label,
                  .caption = "&Num Lock:",
                  .bounds = {-120, 690, 1215, 255},
                  .align = Right},
    ControlDesign{.id = NumLockSetting,
                  .index = 2,
                  .kind = OptionButton,
                  .caption = kModeCaptions[2],
                  .container = NumLockFrame,
                  .bounds = {0, 120, 1455, 255},
                  .value = IsDefaultMode(NumLockSetting, 2),
                  .accessibleName = kNumLockNames[2]},
    ControlDesign{.id = NumLockSetting,
                  .index = 0,
                  .kind = OptionButton,
                  .caption = kModeCaptions[0],
                  .container = NumLockFrame,
                  .bounds = {1440, 120, 1095, 255},
                  .value = IsDefaultMode(NumLockSetting, 0),
                  .accessibleName = kNumLockNames[0]},
    ControlDesign{.id = NumLockSetting,
                  .index = 1,
                  .kind = OptionButton,
                  .caption = kModeCaptions[1],
                  .container = NumLockFrame,
                  .bounds = {2520, 120, 1095, 255},
                  .value = IsDefaultMode(NumLockSetting, 1),
                  .accessibleName = kNumLockNames[1]},
    ControlDesign{.id = ScrollLockLabel,
                  .kind = Label,
                  .caption = "&Scroll Lock:",
                  .bounds = {-120, 1170, 1215, 255},
                  .align = Right},
    ControlDesign{.id = ScrollLockSetting,
                  .index = 2,
                  .kind = OptionButton,
                  .caption = kModeCaptions[2],
                  .container = ScrollLockFrame,
                  .bounds = {0, 120, 1455, 255},
                  .value = IsDefaultMode(ScrollLockSetting, 2),
                  .accessibleName = kScrollLockNames[2]},
    ControlDesign{.id = ScrollLockSetting,
                  .index = 0,
                  .kind = OptionButton,
                  .caption = kModeCaptions[0],
                  .container = ScrollLockFrame,
                  .bounds = {1440, 120, 1095, 255},
                  .value = IsDefaultMode(ScrollLockSetting, 0),
                  .accessibleName = kScrollLockNames[0]},
    ControlDesign{.id = ScrollLockSetting,
                  .index = 1,
                  .kind = OptionButton,
                  .caption = kModeCaptions[1],
                  .container = ScrollLockFrame,
                  .bounds = {2520, 120, 1095, 255},
                  .value = IsDefaultMode(ScrollLockSetting, 1),
                  .accessibleName = kScrollLockNames[1]},
    ControlDesign{.id = IntervalLabel,
                  .kind = Label,
                  .caption = "Check &interval:",
                  .bounds = {840, 1740, 1335, 255},
                  .align = Right},
    ControlDesign{.id = IntervalSetting,
                  .kind = TextBox,
                  .caption = kDefaultIntervalText.data(),
                  .bounds = {2280, 1680, 615, 285},
                  .accessibleName = "Check interval"},
    ControlDesign{
        .id = msLabel, .kind = Label, .caption = "milliseconds", .bounds = {3000, 1740, 1095, 255}},
    ControlDesign{.id = AutoRunSetting,
                  .kind = CheckBox,
                  .caption = "Launch " KEYSTEAD_PRODUCT_NAME " on Windows s&tart-up",
                  .bounds = {540, 2280, 4095, 255},
                  .accessibleName = "Launch " KEYSTEAD_PRODUCT_NAME " on Windows start-up"},
    ControlDesign{.id = OKButton,
                  .kind = CommandButton,
                  .caption = "&OK",
                  .bounds = {120, 2820, 1095, 375},
                  .isDefault = true},
    ControlDesign{.id = CancelButton,
                  .kind = CommandButton,
                  .caption = "Cancel",
                  .bounds = {1320, 2820, 1095, 375},
                  .isCancel = true},
    ControlDesign{.id = ApplyButton,
                  .kind = CommandButton,
                  .caption = "&Apply",
                  .bounds = {2520, 2820, 1095, 375},
                  .enabled = false},
    ControlDesign{.id = SuspendButton,
                  .kind = CommandButton,
                  .caption = kSuspendCaption,
                  .bounds = {3720, 2820, 1095, 375}},
    ControlDesign{.id = DonateButton,
                  .kind = CommandButton,
                  .caption = "&Donate",
                  .bounds = {3720, 3420, 1095, 375}},
    ControlDesign{.id = HelpButton,
                  .kind = CommandButton,
                  .caption = "&Help",
                  .bounds = {3720, 3960, 1095, 375}},
    ControlDesign{.id = TrayCmdLabel1,
                  .kind = Label,
                  .caption = "Tray icon commands",
                  .bounds = {0, 3420, 3675, 255},
                  .align = Center,
                  .bold = true},
    ControlDesign{.id = TrayCmdLabel2,
                  .kind = Label,
                  .caption = "Double-left-click: Settings",
                  .bounds = {0, 3660, 3675, 255},
                  .align = Center},
    ControlDesign{.id = TrayCmdLabel3,
                  .kind = Label,
                  .caption = "Right-click: Suspend/Resume",
                  .bounds = {0, 3900, 3675, 255},
                  .align = Center},
    ControlDesign{.id = TrayCmdLabel4,
                  .kind = Label,
                  .caption = "Double-right-click: Exit",
                  .bounds = {0, 4140, 3675, 255},
                  .align = Center},
    ControlDesign{.id = CapsLockFrame, .kind = Frame, .bounds = {1260, 60, 3735, 375}},
    ControlDesign{.id = NumLockFrame, .kind = Frame, .bounds = {1260, 540, 3735, 375}},
    ControlDesign{.id = ScrollLockFrame, .kind = Frame, .bounds = {1260, 1020, 3735, 375}},
    ControlDesign{.id = SuspendedIcon,
                  .kind = PictureBox,
                  .bounds = {4200, 1560, 540, 540},
                  .visible = false,
                  .picture = kSuspendedIcon},
    ControlDesign{.id = PolicyLabel, .kind = Label, .bounds = {540, 2550, 4095, 255}},
};

// Beyond the client area, which stays as it is.
constexpr toolkit::MenuItemDesign kSystemMenu[] = {
    {display::kDisplayCommandCaption, kDisplayMenuCommand}};

const toolkit::FormDesign kMainForm{
    .caption = kProductName,
    .clientWidth = 4935,
    .clientHeight = 4515,
    .background = {0, 0, 0},
    .foreground = {0, 153, 255},
    .fontFace = "MS Sans Serif",
    .fontPoints = 8.25f,
    .icon = kEnforcingIcon,
    .controls = kControls,
    .systemMenu = kSystemMenu,
};

}  // namespace

const toolkit::FormDesign& MainFormDesign() {
    return kMainForm;
}

}  // namespace keystead::app
