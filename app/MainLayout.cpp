#include "app/MainLayout.h"

#include <array>
#include <string>

#include "product/Product.h"
#include "toolkit/Timer.h"

namespace keystead::app {

namespace {

using language::Text;
using toolkit::ControlDesign;
using toolkit::Twips;
using enum toolkit::ControlKind;
using enum toolkit::TextAlign;

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

// The option buttons' captions, by LockMode.
constexpr Text kModes[3] = {Text::ForceOff, Text::ForceOn, Text::AllowToggling};
using language::kKeyNames;

// The window's texts in one language, with what a screen reader says for each option
// button ("Caps Lock: Force off"), which the controls point into.
struct Words {
    explicit Words(language::Language language) : in(language) {
        for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
            for (std::size_t mode = 0; mode < 3; ++mode) {
                names[key][mode] = std::string(Say(kKeyNames[key])) + ": " + Say(kModes[mode]);
            }
        }
    }
    const char* Say(Text text) const { return language::Say(text, in); }

    language::Language in;
    std::string names[lockkeys::kLockKeyCount][3];
    // What the Suspend button and the administrator's line show at run time.
    const char* resume[1] = {Say(Text::Resume)};
    const char* policyNotes[2] = {Say(Text::PolicyNote), Say(Text::MachineStartUpNote)};
};

// The option button of a mode in the key's frame.
ControlDesign Option(const Words& words, std::size_t key, lockkeys::LockMode mode, int left,
                     int width) {
    const int group = kModeGroups[key];
    return ControlDesign{
        .id = group,
        .index = mode,
        .kind = OptionButton,
        .caption = words.Say(kModes[mode]),
        .container = CapsLockFrame + static_cast<int>(key),
        .bounds = {left, 120, width, 255},
        .value = IsDefaultMode(group, mode),
        .accessibleName = words.names[key][static_cast<std::size_t>(mode)].c_str()};
}

// In tab order. The option buttons of a key stand left to right as index 2, 0, 1, so that
// "Allow toggling" comes first while the index stays the key's LockMode.
auto MakeControls(const Words& words) {
    return std::array{
        ControlDesign{.id = CapsLockLabel,
                      .kind = Label,
                      .caption = words.Say(Text::CapsLockLabel),
                      .bounds = {-120, 210, 1215, 255},
                      .align = Right},
        Option(words, 0, 2, 0, 1455),
        Option(words, 0, 0, 1440, 1095),
        Option(words, 0, 1, 2520, 1095),
        ControlDesign{.id = NumLockLabel,
                      .kind = Label,
                      .caption = words.Say(Text::NumLockLabel),
                      .bounds = {-120, 690, 1215, 255},
                      .align = Right},
        Option(words, 1, 2, 0, 1455),
        Option(words, 1, 0, 1440, 1095),
        Option(words, 1, 1, 2520, 1095),
        ControlDesign{.id = ScrollLockLabel,
                      .kind = Label,
                      .caption = words.Say(Text::ScrollLockLabel),
                      .bounds = {-120, 1170, 1215, 255},
                      .align = Right},
        Option(words, 2, 2, 0, 1455),
        Option(words, 2, 0, 1440, 1095),
        Option(words, 2, 1, 2520, 1095),
        ControlDesign{.id = IntervalLabel,
                      .kind = Label,
                      .caption = words.Say(Text::IntervalLabel),
                      .bounds = {840, 1740, 1335, 255},
                      .align = Right},
        ControlDesign{.id = IntervalSetting,
                      .kind = TextBox,
                      .caption = kDefaultIntervalText.data(),
                      .bounds = {2280, 1680, 615, 285},
                      .accessibleName = words.Say(Text::IntervalName)},
        ControlDesign{.id = msLabel,
                      .kind = Label,
                      .caption = words.Say(Text::Milliseconds),
                      .bounds = {3000, 1740, 1095, 255}},
        ControlDesign{.id = AutoRunSetting,
                      .kind = CheckBox,
                      .caption = words.Say(Text::AutoRun),
                      .bounds = {540, 2280, 4095, 255},
                      .accessibleName = words.Say(Text::AutoRunName)},
        ControlDesign{.id = OKButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::OK),
                      .bounds = {120, 2820, 1095, 375},
                      .isDefault = true},
        ControlDesign{.id = CancelButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::Cancel),
                      .bounds = {1320, 2820, 1095, 375},
                      .isCancel = true},
        ControlDesign{.id = ApplyButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::Apply),
                      .bounds = {2520, 2820, 1095, 375},
                      .enabled = false},
        ControlDesign{.id = SuspendButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::Suspend),
                      .bounds = {3720, 2820, 1095, 375},
                      .alternateCaptions = words.resume},
        ControlDesign{.id = DonateButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::Donate),
                      .bounds = {3720, 3420, 1095, 375}},
        ControlDesign{.id = HelpButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::Help),
                      .bounds = {3720, 3960, 1095, 375}},
        ControlDesign{.id = TrayCmdLabel1,
                      .kind = Label,
                      .caption = words.Say(Text::TrayCommands),
                      .bounds = {0, 3420, 3675, 255},
                      .align = Center,
                      .bold = true},
        ControlDesign{.id = TrayCmdLabel2,
                      .kind = Label,
                      .caption = words.Say(Text::TrayDoubleLeft),
                      .bounds = {0, 3660, 3675, 255},
                      .align = Center},
        ControlDesign{.id = TrayCmdLabel3,
                      .kind = Label,
                      .caption = words.Say(Text::TrayRight),
                      .bounds = {0, 3900, 3675, 255},
                      .align = Center},
        ControlDesign{.id = TrayCmdLabel4,
                      .kind = Label,
                      .caption = words.Say(Text::TrayDoubleRight),
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
        ControlDesign{.id = PolicyLabel,
                      .kind = Label,
                      .bounds = {540, 2550, 4095, 255},
                      .alternateCaptions = words.policyNotes},
    };
}

// The window in one language: its words and the controls that show them.
struct MainForm {
    explicit MainForm(language::Language language)
        : words(language),
          controls(MakeControls(words)),
          // Beyond the client area, which stays as it is.
          systemMenu{{words.Say(Text::DisplayCommand), kDisplayMenuCommand},
                     {words.Say(Text::ProgramsCommand), kProgramsMenuCommand}},
          design{
              .caption = kProductName,  // the product's name in every language
              .clientWidth = 4935,
              .clientHeight = 4515,
              .background = {0, 0, 0},
              .foreground = {0, 153, 255},
              // An empty face: the system's message font, which has the letters.
              .fontFace = language::NeedsSystemFont(language) ? "" : "MS Sans Serif",
              .fontPoints = 8.25f,
              .icon = kEnforcingIcon,
              .controls = controls,
              .systemMenu = systemMenu,
              // English keeps its fixed layout; other texts must never be cut.
              .fitText = language != language::Language::English,
          } {}

    Words words;
    decltype(MakeControls(words)) controls;
    toolkit::MenuItemDesign systemMenu[2];
    toolkit::FormDesign design;
};

}  // namespace

const toolkit::FormDesign& MainFormDesign(language::Language language) {
    return language::MadeFor<MainForm>(language).design;
}

}  // namespace keystead::app
