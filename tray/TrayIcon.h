#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/Event.h"
#include "toolkit/Form.h"
#include "toolkit/Picture.h"
#include "toolkit/Screen.h"
#include "tray/NotifyArea.h"

namespace keystead::tray {

// Mouse buttons as the events report them.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;

// The one listener of a TrayIcon's events. Each runs synchronously, on the owner window's
// thread, while the icon drops any further notification. Override only what you handle.
class TrayIconEvents {
public:
    virtual void TrayIcon_MouseDown(std::int16_t /*Button*/) {}
    virtual void TrayIcon_MouseUp(std::int16_t /*Button*/) {}
    virtual void TrayIcon_MouseDblClick(std::int16_t /*Button*/) {}
    // Enter or Space on the icon, once per press.
    virtual void TrayIcon_KeySelect() {}
    // The menu key or Shift+F10 on the icon: the menu to open then (none when empty), and
    // the command of the item the user chose from it.
    virtual std::vector<TrayMenuItem> TrayIcon_MenuItems() { return {}; }
    virtual void TrayIcon_MenuClick(std::uint32_t /*command*/) {}

protected:
    ~TrayIconEvents() = default;
};

// One icon with a tooltip in the notification area, shown on behalf of an owner window.
// The icon is registered with WM_MOUSEMOVE as its callback message, so the shell's
// notifications reach the owner as mouse-move events with the mouse message in X; this
// class listens to them and raises MouseDown, MouseUp and MouseDblClick.
//
// Every add asks for the shell's notification version 4, under which the keyboard reaches
// the icon: Enter and Space raise KeySelect, the menu key opens the listener's menu at the
// icon. The events come in both shapes: the message alone (Y = 0), or the message with the
// icon's id beside it (Y = the id), which is how version 4 reports them.
//
// Nothing is checked against the current state: Add, Modify and Remove go to the shell as
// they come. The shell's answer is heeded: at logon the notification area may not be ready
// and refuse the icon, and "TaskbarCreated" may then never come. A refused add is tried
// again on the owner's RetryTimer, every 2 s for 3 minutes, and again at every
// "TaskbarCreated"; a refused modify means the shell has lost the icon, which is added again.
// Destroying the object removes an icon that is still shown, so that none stays behind in
// the notification area.
class TrayIcon {
public:
    TrayIcon(NotifyArea& notifyArea, const toolkit::Screen& screen);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Events go to this one listener (or nowhere while it is null).
    void SetListener(TrayIconEvents* listener) { listener_ = listener; }

    toolkit::Form* OwnerForm() const { return ownerForm_; }
    // Listens to the window's mouse-move and taskbar-created events and takes its
    // RetryTimer, and lets go of the window assigned before. Its handle is read at every Add
    // and Modify.
    void SetOwnerForm(toolkit::Form* vData);

    // 0 = removed or never shown, 1 = the last operation was Add, 2 = it was Modify.
    std::int16_t State() const { return state_; }
    // Whether the notification area holds the icon, as the shell's last answer tells.
    bool Shown() const { return shown_; }
    // Whether a refused add is being tried again.
    bool Retrying() const { return retriesLeft_ > 0; }

    // Sends NIM_DELETE with the record that Add or Modify filled last.
    void Remove();
    // Refill the record from the icon, the owner and the tooltip, then send NIM_MODIFY or
    // NIM_ADD. Without an icon or an owner they refuse (toolkit::Fail) before the shell is
    // called, and State keeps its value.
    void Modify();
    void Add();

    // Only stored: the notification area changes at the next Add or Modify.
    const toolkit::Picture* Icon() const { return icon_; }
    void SetIcon(const toolkit::Picture* vData) { icon_ = vData; }

    // Handed to the shell byte for byte as ANSI text (the program's tooltips are plain ASCII).
    // Only stored, like Icon.
    std::string Tooltip() const;
    void SetTooltip(std::string vData);

    // The message number decoded from the owner's latest mouse-move event.
    std::int32_t LastMessage() const { return lastMessage_; }

    // Milliseconds of a steady clock: Windows may report one press of Enter twice, and a
    // second KeySelect this soon after the first is dropped. Without a clock none is.
    void SetClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }

private:
    static constexpr std::int16_t kRemoved = 0;
    static constexpr std::int16_t kAdded = 1;
    static constexpr std::int16_t kModified = 2;

    void FillRecord();
    bool SendAdd();
    void StartRetrying();
    void StopRetrying();
    void RetryTimer_Timer();
    void OwnerForm_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void OwnerForm_TaskbarCreated();
    void RaiseKeySelect();
    void OpenMenu();

    NotifyArea& notifyArea_;
    const toolkit::Screen& screen_;
    TrayIconEvents* listener_ = nullptr;

    NotifyIconRecord record_;
    std::string tooltip_;  // as assigned, plus one NUL
    const toolkit::Picture* icon_ = nullptr;
    toolkit::Form* ownerForm_ = nullptr;
    toolkit::Form::MouseMoveEvent::Connection mouseMoveConnection_;
    toolkit::Event<>::Connection taskbarCreatedConnection_;
    std::int16_t state_ = kRemoved;
    bool shown_ = false;
    int retriesLeft_ = 0;
    // The owner's timer may outlive this object: its handler checks that this still lives.
    std::shared_ptr<bool> alive_{new bool(true)};
    bool busy_ = false;
    std::int32_t lastMessage_ = 0;
    // A right click has been reported: the WM_CONTEXTMENU that follows it is the click's.
    bool rightClickPending_ = false;
    std::function<std::int64_t()> clock_;
    std::optional<std::int64_t> lastKeySelect_;
};

}  // namespace keystead::tray
