#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "toolkit/Event.h"
#include "toolkit/Picture.h"
#include "toolkit/RequestAnswer.h"
#include "toolkit/Timer.h"

namespace keystead::toolkit {

enum class ControlKind : std::uint8_t {
    Label,
    Frame,  // an invisible container that makes its option buttons one group
    OptionButton,
    CheckBox,
    TextBox,
    CommandButton,
    PictureBox,  // holds an image; never shown here
    ListBox,     // a list of texts, one of them selected or none
    ComboBox,    // a text box with a list of texts to pick from; its height is with the list open
};

enum class TextAlign : std::uint8_t { Left, Right, Center };

// Positions and sizes in twips (1/1440 inch), relative to the container's client area.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// A point of the screen in pixels.
struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

inline constexpr int kNoIndex = -1;
inline constexpr int kOnForm = 0;  // the container of controls that stand on the form itself

struct ControlDesign {
    int id;                // the control's name; the buttons of an indexed group share it
    int index = kNoIndex;  // the place in its group
    ControlKind kind = ControlKind::Label;
    const char* caption = "";  // '&' marks the access key
    int container = kOnForm;   // the id of the frame it stands in
    Twips bounds = {};
    TextAlign align = TextAlign::Left;
    bool bold = false;
    bool isDefault = false;  // pressed by Enter
    bool isCancel = false;   // pressed by Esc
    bool enabled = true;
    bool visible = true;
    bool value = false;  // a selected option button, a ticked check box
    int picture = 0;     // a picture box's image resource
    // What a screen reader says for the control, where its caption alone does not tell
    // (null: the caption).
    const char* accessibleName = nullptr;
    // The captions the control may show at run time in place of its own; where texts are
    // fitted (FormDesign::fitText), it makes room for the widest.
    std::span<const char* const> alternateCaptions = {};
};

// An item the form adds to its title bar's system menu (Alt+Space), leaving its client area as
// it is. `command`: a multiple of 16 below 0xF000, as Windows keeps the low four bits and the
// commands above for its own.
struct MenuItemDesign {
    const char* caption;  // '&' marks the access key
    int command;
};

struct FormDesign {
    const char* caption;
    int clientWidth;  // twips
    int clientHeight;
    Rgb background;
    Rgb foreground;        // text of labels, frames, option buttons and check boxes
    const char* fontFace;  // empty: the system's message font, at its own size
    float fontPoints;
    int icon;                                         // the window's image resource
    std::span<const ControlDesign> controls;          // in tab order
    std::span<const MenuItemDesign> systemMenu = {};  // after a separator
    // A window beside the program's main one: it hears no system notices and takes no
    // requests of a later start, which belong to the main window alone.
    bool secondary = false;
    // A control whose text does not fit widens, the controls after it in its row move, and
    // the window grows if it must; otherwise every place and size is the design's.
    bool fitText = false;
};

// Check box states.
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGrayed = 2;

// Shift state of key events: a mask of these.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// The handlers of a form, implemented by the window's own code. Changes made by code raise
// the same notifications as the user's: Click when an option button becomes selected or a
// check box changes its state or a list box's selection changes, Change when the text of a text
// box or a combo box changes.
class FormEvents {
public:
    virtual void Form_Load() = 0;
    virtual void Form_Unload(bool& cancel) = 0;
    // Key preview: a key released anywhere in the window, before the focused control sees it.
    virtual void Form_KeyUp(int keyCode, int shift) = 0;
    virtual void Control_Click(int id, int index) = 0;
    virtual void Control_Change(int id) = 0;
    virtual void Control_LostFocus(int id) = 0;
    // The user chose an item of FormDesign::systemMenu.
    virtual void Form_SystemMenu(int /*command*/) {}

protected:
    ~FormEvents() = default;
};

// Notices of the system that reach the program's main window, heard whether or not it is
// shown or has the focus. They concern the whole program, not the window: whoever owns the
// program hears them (Form::SetSystemEvents).
class SystemEvents {
public:
    // A key was released in any program, as raw keyboard input reports it, with the extra
    // information its sender gave. Raised once the input has been processed, so that the
    // key state read then includes it.
    virtual void Form_RawKeyUp(int /*keyCode*/, std::uint32_t /*extraInformation*/) {}
    // The user unlocked the session.
    virtual void Form_SessionUnlock() {}
    // The machine woke from sleep or hibernation.
    virtual void Form_PowerResume() {}
    // A keyboard was plugged in; also raised for keyboards already there when the window
    // starts to listen.
    virtual void Form_KeyboardArrival() {}
    // Another start of the program handed over a request (Application::SendToRunningCopy).
    // The answer goes back to the sender.
    virtual RequestAnswer Form_Request(std::uint32_t /*request*/) { return kRequestNotTaken; }
    // The administrator's policies may have changed (Group Policy has been applied).
    virtual void Form_PolicyChange() {}
    // The taskbar's light or dark theme, or high contrast, may have changed.
    virtual void Form_ThemeChange() {}

protected:
    ~SystemEvents() = default;
};

// A top-level window made from a FormDesign. It is created hidden with its timer off.
class Form {
public:
    // Button state, shift state, X and Y in twips. The shell's notifications for an icon in
    // the notification area reach the form this way, the mouse message number in X.
    using MouseMoveEvent = Event<std::int16_t, std::int16_t, float, float>;

    virtual ~Form() = default;

    // Runs the load handler once; the window stays hidden.
    virtual void Load() = 0;
    // Who hears the system's notices; set before Load (none: they go unheard). A secondary
    // form hears none.
    virtual void SetSystemEvents(SystemEvents& listener) = 0;
    // Makes the window visible, modeless and without an owner.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Runs the unload handler and destroys the window unless the handler cancels.
    virtual void Unload() = 0;
    virtual bool Loaded() const = 0;
    virtual bool Visible() const = 0;

    virtual std::uintptr_t hWnd() const = 0;
    virtual const Picture& Icon() const = 0;
    virtual toolkit::Timer& Timer() = 0;
    // A second timer, created off, for a component that tries something again (the tray
    // icon) without touching Timer's period.
    virtual toolkit::Timer& RetryTimer() = 0;
    // A second timer of the window, apart from Timer(), for a look again soon after an event.
    virtual toolkit::Timer& RecheckTimer() = 0;
    virtual MouseMoveEvent& MouseMove() = 0;
    // Where the latest mouse-move event from the shell placed the notification-area icon:
    // under the shell's newer notification version its word pair holds the icon's anchor
    // point, at which a menu opened from the keyboard belongs.
    virtual ScreenPoint NotifyAnchor() const = 0;
    // The shell's notification area was created anew (Explorer restarted) and has forgotten
    // every icon.
    virtual Event<>& TaskbarCreated() = 0;

    // Properties of the controls, by id (and index within a group).
    virtual const Picture& PictureOf(int id) const = 0;
    virtual bool OptionValue(int id, int index) const = 0;
    virtual void SetOptionValue(int id, int index, bool value) = 0;
    virtual int CheckValue(int id) const = 0;
    virtual void SetCheckValue(int id, int value) = 0;
    virtual std::string Text(int id) const = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    virtual bool Enabled(int id) const = 0;
    virtual void SetEnabled(int id, bool enabled) = 0;
    virtual std::string Caption(int id) const = 0;
    virtual void SetCaption(int id, const std::string& caption) = 0;
    // The enabled state of one control of an indexed group.
    virtual bool ItemEnabled(int id, int index) const = 0;
    virtual void SetItemEnabled(int id, int index, bool enabled) = 0;
    // The texts of a list box or of a combo box's list, by place from 0. Adding, removing
    // and clearing raise nothing; removing the selected item leaves none selected.
    virtual void AddItem(int id, const std::string& item) = 0;
    virtual void RemoveItem(int id, int item) = 0;
    virtual void ClearItems(int id) = 0;
    virtual int ListCount(int id) const = 0;
    virtual std::string ListText(int id, int item) const = 0;
    // The selected item of a list box, kNoIndex for none.
    virtual int ListIndex(int id) const = 0;
    virtual void SetListIndex(int id, int item) = 0;
};

class FormFactory {
public:
    virtual ~FormFactory() = default;
    virtual std::unique_ptr<Form> Create(const FormDesign& design, FormEvents& events) = 0;
};

}  // namespace keystead::toolkit
