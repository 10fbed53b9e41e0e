// The display window's design in each language: every control with its caption, place and
// size in twips, in tab order.
#include <span>
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
constexpr int kSoundModes = 3;
constexpr int kMonitors = 4;
constexpr int kPositions = 9;
// Labels stand in one column, the controls they name in the next; a row's label a little
// lower than its buttons, so that their texts share a line.
constexpr int kLabelLeft = 240;
constexpr int kLabelWidth = 1755;
constexpr int kLabelDrop = 30;
constexpr int kColumn = 2100;
constexpr int kRowWidth = 5040;
constexpr int kLine = 255;
// Each key's notes, its sound a row below, and then the next key.
constexpr int kKeyTop = 540;
constexpr int kKeyPitch = 690;
constexpr int kSoundDrop = 300;
// Left edge and width of each note button in its frame, twips; a sound button stands under
// the note button of the same mode.
constexpr int kNoteLeft[kNoteModes] = {0, 1020, 2220, 3960};
constexpr int kNoteWidth[kNoteModes] = {960, 1140, 1680, 1080};
// The monitors two by two, the second column under the third note button.
constexpr int kMonitorLeft[2] = {0, 2220};
constexpr int kMonitorWidth[2] = {2160, 2100};

constexpr int kNoteLabels[] = {CapsLockNoteLabel, NumLockNoteLabel, ScrollLockNoteLabel};
constexpr int kNoteFrames[] = {CapsLockNoteFrame, NumLockNoteFrame, ScrollLockNoteFrame};
constexpr Text kNoteLabelTexts[] = {Text::CapsLockNotes, Text::NumLockNotes, Text::ScrollLockNotes};
constexpr int kSoundLabels[] = {CapsLockSoundLabel, NumLockSoundLabel, ScrollLockSoundLabel};
constexpr int kSoundFrames[] = {CapsLockSoundFrame, NumLockSoundFrame, ScrollLockSoundFrame};
constexpr Text kSoundLabelTexts[] = {Text::CapsLockSound, Text::NumLockSound,
                                     Text::ScrollLockSound};
// By NoteMode; a sound by SoundMode says the first three.
constexpr Text kNoteModeTexts[kNoteModes] = {Text::NoNote, Text::NoteWhenHeld, Text::NoteOnChange,
                                             Text::NoteWhileOn};
constexpr Text kSoundModeTexts[kSoundModes] = {Text::NoSound, Text::NoteWhenHeld,
                                               Text::NoteOnChange};
// By NoteMonitor.
constexpr Text kMonitorTexts[kMonitors] = {Text::MonitorFrontWindow, Text::MonitorPointer,
                                           Text::MonitorMain, Text::MonitorEvery};
// By the position 1 to 9 less one.
constexpr Text kPositionTexts[kPositions] = {
    Text::BottomLeft,  Text::BottomCentre, Text::BottomRight, Text::MiddleLeft, Text::Centre,
    Text::MiddleRight, Text::TopLeft,      Text::TopCentre,   Text::TopRight};

int KeyTop(std::size_t key) {
    return kKeyTop + static_cast<int>(key) * kKeyPitch;
}

// The window's texts in one language, with what a screen reader says for the buttons
// ("Caps Lock: When held", "Caps Lock sound: When held", "Position: top left"), which the
// controls point into.
struct Words {
    explicit Words(language::Language language) : in(language) {
        for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
            for (std::size_t mode = 0; mode < kNoteModes; ++mode) {
                noteNames[key][mode] =
                    std::string(Say(kKeyNames[key])) + ": " + Say(kNoteModeTexts[mode]);
            }
            for (std::size_t mode = 0; mode < kSoundModes; ++mode) {
                soundNames[key][mode] = Named(kSoundLabelTexts[key], kSoundModeTexts[mode]);
            }
        }
        for (std::size_t index = 0; index < kPositions; ++index) {
            positionNames[index] =
                language::Fill(Say(Text::PositionName), Say(kPositionTexts[index]));
        }
        for (std::size_t index = 0; index < kMonitors; ++index) {
            monitorNames[index] = Named(Text::NoteMonitorLabel, kMonitorTexts[index]);
        }
    }
    const char* Say(Text text) const { return language::Say(text, in); }
    // A button named by the label of its row and its own caption.
    std::string Named(Text label, Text caption) const {
        return language::WithoutAccessKey(Say(label)) + " " + Say(caption);
    }

    language::Language in;
    // The administrator's line, shown at run time while a rule fixes a setting.
    const char* policyNote[1] = {Say(Text::PolicyNote)};
    std::string noteNames[lockkeys::kLockKeyCount][kNoteModes];
    std::string soundNames[lockkeys::kLockKeyCount][kSoundModes];
    std::string positionNames[kPositions];
    std::string monitorNames[kMonitors];
};

ControlDesign RowLabel(const Words& words, int id, Text text, int top) {
    return {.id = id,
            .kind = Label,
            .caption = words.Say(text),
            .bounds = {kLabelLeft, top + kLabelDrop, kLabelWidth, kLine}};
}

// The frame that holds a row of buttons.
ControlDesign Row(int id, int top, int height) {
    return {.id = id, .kind = Frame, .bounds = {kColumn, top, kRowWidth, height}};
}

ControlDesign NoteButton(const Words& words, std::size_t key, int mode) {
    const auto at = static_cast<std::size_t>(mode);
    return {.id = kNoteGroups[key],
            .index = mode,
            .kind = OptionButton,
            .caption = words.Say(kNoteModeTexts[at]),
            .container = kNoteFrames[key],
            .bounds = {kNoteLeft[at], 0, kNoteWidth[at], kLine},
            .value = mode == 0,
            .accessibleName = words.noteNames[key][at].c_str()};
}

ControlDesign SoundButton(const Words& words, std::size_t key, int mode) {
    const auto at = static_cast<std::size_t>(mode);
    return {.id = kSoundGroups[key],
            .index = mode,
            .kind = OptionButton,
            .caption = words.Say(kSoundModeTexts[at]),
            .container = kSoundFrames[key],
            .bounds = {kNoteLeft[at], 0, kNoteWidth[at], kLine},
            .value = mode == 0,
            .accessibleName = words.soundNames[key][at].c_str()};
}

ControlDesign MonitorButton(const Words& words, int index) {
    const auto at = static_cast<std::size_t>(index);
    return {.id = MonitorSetting,
            .index = index,
            .kind = OptionButton,
            .caption = words.Say(kMonitorTexts[at]),
            .container = MonitorFrame,
            .bounds = {kMonitorLeft[at % 2], static_cast<int>(at / 2) * kSoundDrop,
                       kMonitorWidth[at % 2], kLine},
            .value = index == 0,
            .accessibleName = words.monitorNames[at].c_str()};
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

constexpr int kPositionTop = 2640;
constexpr int kMonitorTop = 3600;
constexpr int kNoteTimeTop = 4320;
constexpr int kButtonsTop = 5160;
constexpr int kClientWidth = kColumn + kRowWidth + kLabelLeft;

// As many as Controls adds: a check box, three keys of two labels and seven buttons, the
// position (a label and nine), the monitor (a label and four), the time (three), the policy
// line, three command buttons and eight frames.
constexpr std::size_t kControlCount = 58;

// Every control in tab order, which follows the visual order.
class Controls {
public:
    explicit Controls(const Words& words) {
        Add({.id = ShowKeysSetting,
             .kind = CheckBox,
             .caption = words.Say(Text::ShowKeys),
             .bounds = {kLabelLeft, 180, 6900, kLine}});
        for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
            Add(RowLabel(words, kNoteLabels[key], kNoteLabelTexts[key], KeyTop(key)));
            for (int mode = 0; mode < kNoteModes; ++mode) {
                Add(NoteButton(words, key, mode));
            }
            Add(RowLabel(words, kSoundLabels[key], kSoundLabelTexts[key],
                         KeyTop(key) + kSoundDrop));
            for (int mode = 0; mode < kSoundModes; ++mode) {
                Add(SoundButton(words, key, mode));
            }
        }
        Add(RowLabel(words, PositionLabel, Text::NotePosition, kPositionTop + 285));
        for (const int index : {6, 7, 8, 3, 4, 5, 0, 1, 2}) {
            Add(PositionButton(words, index));
        }
        Add(RowLabel(words, MonitorLabel, Text::NoteMonitorLabel, kMonitorTop));
        for (int index = 0; index < kMonitors; ++index) {
            Add(MonitorButton(words, index));
        }
        Add(RowLabel(words, NoteTimeLabel, Text::NoteTime, kNoteTimeTop + kLabelDrop));
        Add({.id = NoteTimeSetting,
             .kind = TextBox,
             .caption = "1500",
             .bounds = {kColumn, kNoteTimeTop, 615, 285}});
        Add({.id = NoteTimeUnitLabel,
             .kind = Label,
             .caption = words.Say(Text::NoteTimeUnit),
             .bounds = {kColumn + 720, kNoteTimeTop + 2 * kLabelDrop, 3000, kLine}});
        Add({.id = DisplayPolicyLabel,
             .kind = Label,
             .bounds = {kLabelLeft, kButtonsTop - 360, 6900, kLine},
             .alternateCaptions = words.policyNote});
        Add({.id = DisplayOKButton,
             .kind = CommandButton,
             .caption = words.Say(Text::OK),
             .bounds = {kClientWidth - 3555, kButtonsTop, 1035, 375},
             .isDefault = true});
        Add({.id = DisplayCancelButton,
             .kind = CommandButton,
             .caption = words.Say(Text::Cancel),
             .bounds = {kClientWidth - 2415, kButtonsTop, 1035, 375},
             .isCancel = true});
        Add({.id = DisplayApplyButton,
             .kind = CommandButton,
             .caption = words.Say(Text::Apply),
             .bounds = {kClientWidth - 1275, kButtonsTop, 1035, 375},
             .enabled = false});
        for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
            Add(Row(kNoteFrames[key], KeyTop(key), kLine));
            Add(Row(kSoundFrames[key], KeyTop(key) + kSoundDrop, kLine));
        }
        Add({.id = PositionFrame, .kind = Frame, .bounds = {kColumn, kPositionTop, 975, 825}});
        Add(Row(MonitorFrame, kMonitorTop, kSoundDrop + kLine));
    }
    std::span<const ControlDesign> All() const { return {controls_, count_}; }

private:
    void Add(const ControlDesign& control) { controls_[count_++] = control; }

    ControlDesign controls_[kControlCount] = {};
    std::size_t count_ = 0;
};

// The window in one language: its words and the controls that show them.
struct DisplayForm {
    explicit DisplayForm(language::Language language)
        : words(language),
          controls(words),
          design{
              .caption = words.Say(Text::DisplayTitle),
              .clientWidth = kClientWidth,
              .clientHeight = kButtonsTop + 555,
              .background = {0, 0, 0},
              .foreground = {0, 153, 255},
              // An empty face: the system's message font, which has the letters.
              .fontFace = language::NeedsSystemFont(language) ? "" : "MS Sans Serif",
              .fontPoints = 8.25f,
              .icon = 0,
              .controls = controls.All(),
              .secondary = true,
              // Unlike the settings window, this one has no fixed design to keep, so English
              // is fitted too: the sizes above suit one font, and Wine's draws "On every
              // change" wider than they allow.
              .fitText = true,
          } {}

    Words words;
    Controls controls;
    toolkit::FormDesign design;
};

}  // namespace

const toolkit::FormDesign& DisplayFormDesign(language::Language language) {
    return language::MadeFor<DisplayForm>(language).design;
}

}  // namespace keystead::display
