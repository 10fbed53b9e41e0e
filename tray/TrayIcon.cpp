#include "tray/TrayIcon.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

#include "toolkit/IgnoreFailure.h"
#include "toolkit/ToolkitError.h"

namespace keystead::tray {

namespace {

constexpr std::uint32_t kIconId = 1;
constexpr std::uint32_t kNifMessage = 0x1;
constexpr std::uint32_t kNifIcon = 0x2;
constexpr std::uint32_t kNifTip = 0x4;
// Under version 4 the shell shows the tooltip only when asked to.
constexpr std::uint32_t kNifShowTip = 0x80;
constexpr std::uint32_t kWmMouseMove = 0x200;

// Windows may send NIN_KEYSELECT twice for one press of Enter; a user cannot press it again
// this soon (the system's default double-click time).
constexpr std::int64_t kKeySelectRepeatMs = 500;

// A refused add is tried again this often, this many times: at logon the shell can take a
// minute or two to be ready.
constexpr std::int32_t kRetryMilliseconds = 2000;
constexpr int kRetries = 90;

enum class MouseEvent { Down, Up, DblClick, KeySelect, ContextMenu };

struct Notification {
    std::int32_t message;
    MouseEvent event;
    std::int16_t button;
};

constexpr Notification kNotifications[] = {
    {0x201, MouseEvent::Down, kLeftButton},       // WM_LBUTTONDOWN
    {0x202, MouseEvent::Up, kLeftButton},         // WM_LBUTTONUP
    {0x203, MouseEvent::DblClick, kLeftButton},   // WM_LBUTTONDBLCLK
    {0x204, MouseEvent::Down, kRightButton},      // WM_RBUTTONDOWN
    {0x205, MouseEvent::Up, kRightButton},        // WM_RBUTTONUP
    {0x206, MouseEvent::DblClick, kRightButton},  // WM_RBUTTONDBLCLK
    {0x401, MouseEvent::KeySelect, 0},            // NIN_KEYSELECT: Enter or Space
    {0x07B, MouseEvent::ContextMenu, 0},          // WM_CONTEXTMENU
};

// Nearest integer, ties to even, whatever rounding mode the floating-point environment is
// in (a DLL or driver may leave it changed). Quotients that no message number can have
// (NaN, or beyond 32 bits) become values that match no notification.
std::int32_t RoundToMessage(double quotient) {
    if (std::isnan(quotient)) {
        return 0;
    }
    double whole = std::floor(quotient);
    double fraction = quotient - whole;  // exact
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    constexpr auto kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(whole, double{kLowest}, double{kHighest}));
}

// Clears the busy flag however the listener returns.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { busy_ = false; }

private:
    bool& busy_;
};

}  // namespace

TrayIcon::TrayIcon(NotifyArea& notifyArea, const toolkit::Screen& screen)
    : notifyArea_(notifyArea), screen_(screen) {}

TrayIcon::~TrayIcon() {
    if (state_ != kRemoved) {
        // a failure here is only reported: the icon goes with the owner window at worst
        toolkit::IgnoreFailure([this] { notifyArea_.NotifyIcon(kNimDelete, record_); });
    }
}

void TrayIcon::SetOwnerForm(toolkit::Form* vData) {
    mouseMoveConnection_.Disconnect();
    taskbarCreatedConnection_.Disconnect();
    const bool retrying = Retrying();
    if (ownerForm_ != nullptr && ownerForm_ != vData) {
        ownerForm_->RetryTimer().SetEnabled(false);
        ownerForm_->RetryTimer().SetHandler(nullptr);
    }
    ownerForm_ = vData;
    if (ownerForm_ == nullptr) {
        retriesLeft_ = 0;
        return;
    }
    ownerForm_->RetryTimer().SetHandler([this, alive = std::weak_ptr<bool>(alive_)] {
        if (!alive.expired()) {
            RetryTimer_Timer();
        }
    });
    if (retrying) {
        StartRetrying();
    }
    mouseMoveConnection_ = ownerForm_->MouseMove().Connect(
        [this](std::int16_t button, std::int16_t shift, float x, float y) {
            OwnerForm_MouseMove(button, shift, x, y);
        });
    taskbarCreatedConnection_ =
        ownerForm_->TaskbarCreated().Connect([this] { OwnerForm_TaskbarCreated(); });
}

void TrayIcon::Remove() {
    StopRetrying();
    notifyArea_.NotifyIcon(kNimDelete, record_);
    state_ = kRemoved;
    shown_ = false;
}

// Only an icon the shell holds can be modified: a refusal means it has lost it (an Explorer
// restart we did not hear of, or an add still being tried again), so it is added as it
// should now look.
void TrayIcon::Modify() {
    FillRecord();
    const bool modified = notifyArea_.NotifyIcon(kNimModify, record_);
    state_ = kModified;
    if (modified) {
        shown_ = true;
    } else if (!SendAdd()) {
        StartRetrying();
    }
}

void TrayIcon::Add() {
    FillRecord();
    const bool added = SendAdd();
    state_ = kAdded;
    if (!added) {
        StartRetrying();
    }
}

// Whether the icon is in the notification area after NIM_ADD with the record. The shell may
// refuse an add that it carried out after all (Explorer was too busy to answer in time), and
// then refuses the next one as a duplicate: a modify that succeeds tells that the icon is there.
bool TrayIcon::SendAdd() {
    shown_ =
        notifyArea_.NotifyIcon(kNimAdd, record_) || notifyArea_.NotifyIcon(kNimModify, record_);
    if (shown_) {
        StopRetrying();
        // A new icon starts at the oldest version, which turns keys into clicks. A shell
        // that knows no version 4 refuses, and the icon keeps the mouse alone.
        record_.uVersion = kNotifyIconVersion4;
        notifyArea_.NotifyIcon(kNimSetVersion, record_);
    }
    return shown_;
}

void TrayIcon::StartRetrying() {
    retriesLeft_ = kRetries;
    if (ownerForm_ != nullptr) {
        toolkit::Timer& timer = ownerForm_->RetryTimer();
        timer.SetInterval(kRetryMilliseconds);
        timer.SetEnabled(true);
    }
}

void TrayIcon::StopRetrying() {
    retriesLeft_ = 0;
    if (ownerForm_ != nullptr) {
        ownerForm_->RetryTimer().SetEnabled(false);
    }
}

void TrayIcon::RetryTimer_Timer() {
    if (retriesLeft_ <= 0 || state_ == kRemoved) {
        StopRetrying();
        return;
    }
    --retriesLeft_;
    if (!SendAdd() && retriesLeft_ == 0) {
        StopRetrying();
    }
}

std::string TrayIcon::Tooltip() const {
    if (tooltip_.empty()) {
        return {};  // never assigned: there is no NUL to drop
    }
    return tooltip_.substr(0, tooltip_.size() - 1);
}

void TrayIcon::SetTooltip(std::string vData) {
    tooltip_ = std::move(vData);
    tooltip_.push_back('\0');
}

// The order matters to a caller that catches the error: the record keeps what was filled
// before the missing icon or owner was found.
void TrayIcon::FillRecord() {
    // The first version of the record while the text fits its field, so that the classic
    // tooltips reach the shell as they always did; the second for a longer one.
    const std::string text = Tooltip().substr(0, kMaxTooltipLength);
    record_.cbSize = text.size() < kShortTipField ? kNotifyIconRecordSize : kLongTipRecordSize;
    if (icon_ == nullptr) {
        toolkit::Fail("TrayIcon: no icon assigned");
    }
    record_.hIcon = icon_->Handle();
    if (ownerForm_ == nullptr) {
        toolkit::Fail("TrayIcon: no owner window assigned");
    }
    record_.hWnd = ownerForm_->hWnd();

    // Blank-padded after the text's NUL, as far as the shell reads. A text as long as the
    // field, or one never assigned, would leave no NUL in it and the shell would read past
    // it: keep at most 127 characters so that the NUL always fits.
    std::fill(std::begin(record_.szTip), std::end(record_.szTip), '\0');
    std::fill_n(std::begin(record_.szTip), TipFieldSize(record_), ' ');
    std::copy(text.begin(), text.end(), std::begin(record_.szTip));
    record_.szTip[text.size()] = '\0';

    record_.uCallbackMessage = kWmMouseMove;
    record_.uFlags = kNifMessage | kNifIcon | kNifTip | kNifShowTip;
    record_.uID = kIconId;
}

// The shell reports a mouse message on the icon as WM_MOUSEMOVE with the message number in
// the low word of lParam and, in the high word, 0 or (under version 4) the icon's id; the
// toolkit hands them over as X and Y in twips, so X divided by the twips per pixel gives
// the number back.
void TrayIcon::OwnerForm_MouseMove(std::int16_t /*button*/, std::int16_t /*shift*/, float x,
                                   float y) {
    double quotient = static_cast<double>(x) / static_cast<double>(screen_.TwipsPerPixelX());
    lastMessage_ = RoundToMessage(quotient);
    if (y != 0.0f && y != static_cast<float>(kIconId) * screen_.TwipsPerPixelY()) {
        return;  // a real pointer movement over the window, not the shell
    }
    // A listener that pumps messages lets further notifications in; they are dropped, not
    // queued.
    if (busy_) {
        return;
    }
    BusyScope scope(busy_);
    const auto* found =
        std::find_if(std::begin(kNotifications), std::end(kNotifications),
                     [this](const Notification& n) { return n.message == lastMessage_; });
    if (found == std::end(kNotifications) || listener_ == nullptr) {
        return;
    }
    // Under version 4 a right click ends with WM_CONTEXTMENU, which the click has answered.
    const bool fromRightClick = rightClickPending_;
    rightClickPending_ = found->event == MouseEvent::Up && found->button == kRightButton;
    switch (found->event) {
        case MouseEvent::Down:
            listener_->TrayIcon_MouseDown(found->button);
            break;
        case MouseEvent::Up:
            listener_->TrayIcon_MouseUp(found->button);
            break;
        case MouseEvent::DblClick:
            listener_->TrayIcon_MouseDblClick(found->button);
            break;
        case MouseEvent::KeySelect:
            RaiseKeySelect();
            break;
        case MouseEvent::ContextMenu:
            if (!fromRightClick) {
                OpenMenu();
            }
            break;
    }
}

void TrayIcon::RaiseKeySelect() {
    if (clock_) {
        const std::int64_t now = clock_();
        const bool repeat = lastKeySelect_ && now - *lastKeySelect_ < kKeySelectRepeatMs;
        lastKeySelect_ = now;
        if (repeat) {
            return;
        }
    }
    listener_->TrayIcon_KeySelect();
}

// The menu waits for the user while messages go on: the busy flag drops notifications.
// Closed without a choice, it gives the keyboard focus back to the icon, where the user was.
void TrayIcon::OpenMenu() {
    const std::vector<TrayMenuItem> items = listener_->TrayIcon_MenuItems();
    if (items.empty() || ownerForm_ == nullptr) {
        return;
    }
    const toolkit::ScreenPoint at = ownerForm_->NotifyAnchor();
    const std::uint32_t chosen = notifyArea_.TrackMenu(ownerForm_->hWnd(), at.x, at.y, items);
    if (chosen == 0) {
        if (state_ != kRemoved) {
            notifyArea_.NotifyIcon(kNimSetFocus, record_);
        }
        return;
    }
    listener_->TrayIcon_MenuClick(chosen);
}

// Explorer (re)started and its new notification area knows no icons: show ours again, as it
// was last sent, if it is to be shown, whether or not the last try succeeded. A refusal starts
// the tries again.
void TrayIcon::OwnerForm_TaskbarCreated() {
    if (state_ == kAdded || state_ == kModified) {
        if (!SendAdd()) {
            StartRetrying();
        }
    }
}

}  // namespace keystead::tray
