// The programs window's design in each language: every control with its caption, place and
// size in twips, in tab order.
#include <array>
#include <string>

#include "language/Texts.h"
#include "programs/ProgramsWindow.h"

namespace keystead::programs {

namespace {

using language::Text;
using toolkit::ControlDesign;
using enum toolkit::ControlKind;

constexpr int kModeButtons = 4;
constexpr int kModeLabels[] = {CapsLockModeLabel, NumLockModeLabel, ScrollLockModeLabel};
constexpr int kModeFrames[] = {CapsLockModeFrame, NumLockModeFrame, ScrollLockModeFrame};
constexpr Text kModeLabelTexts[] = {Text::CapsLockLabel, Text::NumLockLabel, Text::ScrollLockLabel};
// By the mode plus one.
constexpr Text kModeTexts[kModeButtons] = {Text::AsMainSetting, Text::ForceOff, Text::ForceOn,
                                           Text::AllowToggling};
constexpr int kRight = 3600;  // left edge of the selected program's column

// The window's texts in one language, with what a screen reader says where a caption does not
// tell ("Caps Lock: Force on"), which the controls point into.
struct Words {
    explicit Words(language::Language language) : in(language) {
        for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
            for (std::size_t mode = 0; mode < kModeButtons; ++mode) {
                modeNames[key][mode] = std::string(language::Say(language::kKeyNames[key], in)) +
                                       ": " + Say(kModeTexts[mode]);
            }
        }
    }
    const char* Say(Text text) const { return language::Say(text, in); }

    language::Language in;
    std::string listName = language::WithoutAccessKey(Say(Text::ProgramsLabel));
    std::string fileName = language::WithoutAccessKey(Say(Text::ProgramFileLabel));
    std::string full =
        language::Fill(Say(Text::ProgramsFull), std::to_string(ProgramModesList::kMaxPrograms));
    // The lines the window may show below the lists.
    const char* notes[3] = {Say(Text::PolicyNote), Say(Text::BadProgramName), full.c_str()};
    std::string modeNames[lockkeys::kLockKeyCount][kModeButtons];
};

ControlDesign ModeLabel(const Words& words, std::size_t key) {
    return {.id = kModeLabels[key],
            .kind = Label,
            .caption = words.Say(kModeLabelTexts[key]),
            .bounds = {kRight, 960 + static_cast<int>(key) * 840, 3840, 255}};
}

// Two rows of two: the main setting and Force off, Force on and Allow toggling.
ControlDesign ModeButton(const Words& words, std::size_t key, int mode) {
    const auto at = static_cast<std::size_t>(mode);
    return {.id = kModeGroups[key],
            .index = mode,
            .kind = OptionButton,
            .caption = words.Say(kModeTexts[at]),
            .container = kModeFrames[key],
            .bounds = {(mode % 2) * 1920, (mode / 2) * 270, 1860, 255},
            .value = mode == 0,
            .accessibleName = words.modeNames[key][at].c_str()};
}

ControlDesign ModeFrame(std::size_t key) {
    return {.id = kModeFrames[key],
            .kind = Frame,
            .bounds = {kRight + 240, 1230 + static_cast<int>(key) * 840, 3840, 525}};
}

// In tab order, which follows the visual order.
auto MakeControls(const Words& words) {
    return std::array{
        ControlDesign{.id = ProgramsLabel,
                      .kind = Label,
                      .caption = words.Say(Text::ProgramsLabel),
                      .bounds = {240, 180, 3120, 255}},
        ControlDesign{.id = ProgramsList,
                      .kind = ListBox,
                      .bounds = {240, 450, 3120, 2700},
                      .accessibleName = words.listName.c_str()},
        ControlDesign{.id = ProgramFileLabel,
                      .kind = Label,
                      .caption = words.Say(Text::ProgramFileLabel),
                      .bounds = {240, 3300, 3120, 255}},
        ControlDesign{.id = ProgramFileSetting,
                      .kind = ComboBox,
                      .bounds = {240, 3570, 3120, 2400},
                      .accessibleName = words.fileName.c_str()},
        ControlDesign{.id = AddProgramButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::AddProgram),
                      .bounds = {240, 4020, 1500, 375}},
        ControlDesign{.id = RemoveProgramButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::RemoveProgram),
                      .bounds = {1860, 4020, 1500, 375}},
        ControlDesign{.id = StepAsideSetting,
                      .kind = CheckBox,
                      .caption = words.Say(Text::StepAsideProgram),
                      .bounds = {kRight, 450, 4080, 255}},
        ModeLabel(words, 0),
        ModeButton(words, 0, 0),
        ModeButton(words, 0, 1),
        ModeButton(words, 0, 2),
        ModeButton(words, 0, 3),
        ModeLabel(words, 1),
        ModeButton(words, 1, 0),
        ModeButton(words, 1, 1),
        ModeButton(words, 1, 2),
        ModeButton(words, 1, 3),
        ModeLabel(words, 2),
        ModeButton(words, 2, 0),
        ModeButton(words, 2, 1),
        ModeButton(words, 2, 2),
        ModeButton(words, 2, 3),
        ControlDesign{.id = FullScreenSetting,
                      .kind = CheckBox,
                      .caption = words.Say(Text::FullScreenSetting),
                      .bounds = {kRight, 3570, 4080, 255}},
        ControlDesign{.id = ProgramsNoteLabel,
                      .kind = Label,
                      .bounds = {240, 4560, 7440, 255},
                      .alternateCaptions = words.notes},
        ControlDesign{.id = ProgramsOKButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::OK),
                      .bounds = {4365, 4920, 1035, 375},
                      .isDefault = true},
        ControlDesign{.id = ProgramsCancelButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::Cancel),
                      .bounds = {5505, 4920, 1035, 375},
                      .isCancel = true},
        ControlDesign{.id = ProgramsApplyButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::Apply),
                      .bounds = {6645, 4920, 1035, 375},
                      .enabled = false},
        ModeFrame(0),
        ModeFrame(1),
        ModeFrame(2),
    };
}

// The window in one language: its words and the controls that show them.
struct ProgramsForm {
    explicit ProgramsForm(language::Language language)
        : words(language),
          controls(MakeControls(words)),
          design{
              .caption = words.Say(Text::ProgramsTitle),
              .clientWidth = 7920,
              .clientHeight = 5475,
              .background = {0, 0, 0},
              .foreground = {0, 153, 255},
              // An empty face: the system's message font, which has the letters.
              .fontFace = language::NeedsSystemFont(language) ? "" : "MS Sans Serif",
              .fontPoints = 8.25f,
              .icon = 0,
              .controls = controls,
              .secondary = true,
              .fitText = true,
          } {}

    Words words;
    decltype(MakeControls(words)) controls;
    toolkit::FormDesign design;
};

}  // namespace

const toolkit::FormDesign& ProgramsFormDesign(language::Language language) {
    return language::MadeFor<ProgramsForm>(language).design;
}

}  // namespace keystead::programs
