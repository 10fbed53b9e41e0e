// The display window's design in each language: every control with its caption, place and
// size in twips, in tab order.
#include <array>
#include <string>

#include "display/DisplayWindow.h"
#include "display/KeyDisplay.h"

namespace keystead::display {

namespace {

using language::Text;
using settings::DisplaySection;
using toolkit::ControlDesign;
using enum toolkit::ControlKind;

constexpr int kNoteModes = 4;
constexpr int kPositions = 9;
// Left edge and width of each note button in its frame, twips.
constexpr int kNoteLeft[kNoteModes] = {0, 1020, 2220, 3960};
constexpr int kNoteWidth[kNoteModes] = {960, 1140, 1680, 1080};

constexpr int kNoteLabels[] = {CapsLockNoteLabel, NumLockNoteLabel, ScrollLockNoteLabel};
constexpr int kNoteFrames[] = {CapsLockNoteFrame, NumLockNoteFrame, ScrollLockNoteFrame};
constexpr Text kNoteLabelTexts[] = {Text::CapsLockNotes, Text::NumLockNotes, Text::ScrollLockNotes};
// By NoteMode.
constexpr Text kNoteModeTexts[kNoteModes] = {Text::NoNote, Text::NoteWhenHeld, Text::NoteOnChange,
                                             Text::NoteWhileOn};
// By the position 1 to 9 less one.
constexpr Text kPositionTexts[kPositions] = {
    Text::BottomLeft,  Text::BottomCentre, Text::BottomRight, Text::MiddleLeft, Text::Centre,
    Text::MiddleRight, Text::TopLeft,      Text::TopCentre,   Text::TopRight};

// The window's texts in one language, with what a screen reader says for the buttons
// ("Caps Lock: When held", "Position: top left"), which the controls point into.
struct Words {
    explicit Words(language::Language language) : in(language) {
        for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
            for (std::size_t mode = 0; mode < kNoteModes; ++mode) {
                noteNames[key][mode] =
                    std::string(Say(kKeyNames[key])) + ": " + Say(kNoteModeTexts[mode]);
            }
        }
        for (std::size_t index = 0; index < kPositions; ++index) {
            positionNames[index] =
                language::Fill(Say(Text::PositionName), Say(kPositionTexts[index]));
        }
    }
    const char* Say(Text text) const { return language::Say(text, in); }

    language::Language in;
    // The administrator's line, shown at run time while a rule fixes a setting.
    const char* policyNote[1] = {Say(Text::PolicyNote)};
    std::string noteNames[lockkeys::kLockKeyCount][kNoteModes];
    std::string positionNames[kPositions];
};

ControlDesign NoteLabel(const Words& words, std::size_t key, int top) {
    return {.id = kNoteLabels[key],
            .kind = Label,
            .caption = words.Say(kNoteLabelTexts[key]),
            .bounds = {240, top, 4920, 255}};
}

ControlDesign NoteButton(const Words& words, std::size_t key, int mode) {
    const auto at = static_cast<std::size_t>(mode);
    return {.id = kNoteGroups[key],
            .index = mode,
            .kind = OptionButton,
            .caption = words.Say(kNoteModeTexts[at]),
            .container = kNoteFrames[key],
            .bounds = {kNoteLeft[at], 0, kNoteWidth[at], 255},
            .value = mode == 0,
            .accessibleName = words.noteNames[key][at].c_str()};
}

// Positions stand as on the keypad: 7 8 9 on top, 1 2 3 at the bottom. They carry no
// caption, as the keypad's keys do not.
ControlDesign PositionButton(const Words& words, int index) {
    const int column = index % 3;
    const int row = 2 - index / 3;
    return {.id = PositionSetting,
            .index = index,
            .kind = OptionButton,
            .container = PositionFrame,
            .bounds = {column * 360, row * 285, 255, 255},
            .value = index + 1 == DisplaySection::kDefaultPosition,
            .accessibleName = words.positionNames[index].c_str()};
}

// In tab order, which follows the visual order.
auto MakeControls(const Words& words) {
    return std::array{
        ControlDesign{.id = ShowKeysSetting,
                      .kind = CheckBox,
                      .caption = words.Say(Text::ShowKeys),
                      .bounds = {240, 180, 4920, 255}},
        NoteLabel(words, 0, 600),
        NoteButton(words, 0, 0),
        NoteButton(words, 0, 1),
        NoteButton(words, 0, 2),
        NoteButton(words, 0, 3),
        NoteLabel(words, 1, 1200),
        NoteButton(words, 1, 0),
        NoteButton(words, 1, 1),
        NoteButton(words, 1, 2),
        NoteButton(words, 1, 3),
        NoteLabel(words, 2, 1800),
        NoteButton(words, 2, 0),
        NoteButton(words, 2, 1),
        NoteButton(words, 2, 2),
        NoteButton(words, 2, 3),
        ControlDesign{.id = PositionLabel,
                      .kind = Label,
                      .caption = words.Say(Text::NotePosition),
                      .bounds = {240, 2760, 1755, 255}},
        PositionButton(words, 6),
        PositionButton(words, 7),
        PositionButton(words, 8),
        PositionButton(words, 3),
        PositionButton(words, 4),
        PositionButton(words, 5),
        PositionButton(words, 0),
        PositionButton(words, 1),
        PositionButton(words, 2),
        ControlDesign{.id = NoteTimeLabel,
                      .kind = Label,
                      .caption = words.Say(Text::NoteTime),
                      .bounds = {240, 3600, 1755, 255}},
        ControlDesign{.id = NoteTimeSetting,
                      .kind = TextBox,
                      .caption = "1500",
                      .bounds = {2100, 3540, 615, 285}},
        ControlDesign{.id = NoteTimeUnitLabel,
                      .kind = Label,
                      .caption = words.Say(Text::NoteTimeUnit),
                      .bounds = {2820, 3600, 2340, 255}},
        ControlDesign{.id = DisplayPolicyLabel,
                      .kind = Label,
                      .bounds = {240, 4020, 5280, 255},
                      .alternateCaptions = words.policyNote},
        ControlDesign{.id = DisplayOKButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::OK),
                      .bounds = {2205, 4380, 1035, 375},
                      .isDefault = true},
        ControlDesign{.id = DisplayCancelButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::Cancel),
                      .bounds = {3345, 4380, 1035, 375},
                      .isCancel = true},
        ControlDesign{.id = DisplayApplyButton,
                      .kind = CommandButton,
                      .caption = words.Say(Text::Apply),
                      .bounds = {4485, 4380, 1035, 375},
                      .enabled = false},
        ControlDesign{.id = CapsLockNoteFrame, .kind = Frame, .bounds = {480, 870, 5040, 255}},
        ControlDesign{.id = NumLockNoteFrame, .kind = Frame, .bounds = {480, 1470, 5040, 255}},
        ControlDesign{.id = ScrollLockNoteFrame, .kind = Frame, .bounds = {480, 2070, 5040, 255}},
        ControlDesign{.id = PositionFrame, .kind = Frame, .bounds = {2100, 2490, 975, 825}},
    };
}

// The window in one language: its words and the controls that show them.
struct DisplayForm {
    explicit DisplayForm(language::Language language)
        : words(language),
          controls(MakeControls(words)),
          design{
              .caption = words.Say(Text::DisplayTitle),
              .clientWidth = 5760,
              .clientHeight = 4935,
              .background = {0, 0, 0},
              .foreground = {0, 153, 255},
              // An empty face: the system's message font, which has the letters.
              .fontFace = language::NeedsSystemFont(language) ? "" : "MS Sans Serif",
              .fontPoints = 8.25f,
              .icon = 0,
              .controls = controls,
              .secondary = true,
              // Unlike the settings window, this one has no fixed design to keep, so English
              // is fitted too: the sizes above suit one font, and Wine's draws "On every
              // change" wider than they allow.
              .fitText = true,
          } {}

    Words words;
    decltype(MakeControls(words)) controls;
    toolkit::FormDesign design;
};

}  // namespace

const toolkit::FormDesign& DisplayFormDesign(language::Language language) {
    return language::MadeFor<DisplayForm>(language).design;
}

}  // namespace keystead::display
