#include "app/Main.h"

#include <cmath>
#include <string>
#include <utility>

#include "app/IntervalText.h"
#include "app/KeyboardLayout.h"
#include "app/MainLayout.h"
#include "app/PauseTooltip.h"
#include "product/Product.h"
#include "registry/Registration.h"
#include "registry/RunKey.h"
#include "settings/SettingsFile.h"
#include "toolkit/IgnoreFailure.h"

namespace keystead::app {

namespace {

using lockkeys::kFalse;
using lockkeys::kTrue;
using lockkeys::LockMode;
using toolkit::IgnoreFailure;

constexpr int kHelpKey = 112;   // F1
constexpr int kShowNormal = 1;  // SW_SHOWNORMAL
constexpr char kReadmeName[] = "\\Readme.txt";

}  // namespace

Main::Main(const Platform& platform, language::Language language)
    : platform_(platform),
      language_(language),
      form_(platform.forms.Create(MainFormDesign(language_), *this)),
      enforcer_(
          platform.keyboard, [&app = platform.app] { return app.TickCount(); },
          [&registry = platform.registry] { return ShiftTurnsOffCapsLock(registry); },
          [this] { form_->RecheckTimer().SetEnabled(true); }),
      stepAside_(platform.foreground),
      display_(platform.keyboard, platform.notes, platform.icons, platform.foreground,
               platform.registry,
               [this] { return !form_->Timer().Enabled() || stepAside_.Active(); }) {
    display_.SetLanguage(language_);
    display_.OnWatchChange([this] { WatchForeground(); });
    enforcer_.SetCorrectionListener(
        [this](const lockkeys::Flips& flips) { display_.PutBack(flips, settings_); });
    form_->Timer().SetHandler([this] { Timer_Timer(); });
    form_->RecheckTimer().SetInterval(lockkeys::Enforcer::kRecheckMs);
    form_->RecheckTimer().SetHandler([this] { RecheckTimer_Timer(); });
}

// Start-up. Each step runs on when the one before it failed.
void Main::Form_Load() {
    toolkit::Application& app = platform_.app;
    if (app.PrevInstance()) {
        app.End();  // the instance already running carries on alone
    }
    // The only copy: an upgrade of the package that closes it brings it back.
    IgnoreFailure([&] { app.RegisterForRestart(); });

    // The file beside the program, unless that cannot be written and the user has a copy.
    std::string settingsPath;
    IgnoreFailure([&] { settingsPath = settings::SettingsFilePath(app); });
    IgnoreFailure([&] {
        settingsPath =
            settings::FileToLoad(platform_.profile, settings::FindSettingsFiles(app, kProductName));
    });

    // A missing or empty settings file marks a first run: show the user the settings.
    std::uint64_t length = 0;
    IgnoreFailure([&] { length = app.FileLength(settingsPath); });
    if (length == 0) {
        IgnoreFailure([&] { form_->Show(); });
    }

    IgnoreFailure([&] {
        settings::LoadSettings(platform_.profile, settingsPath, settings_, form_->Timer());
    });
    IgnoreFailure([&] {
        if (RunValueIsSet()) {
            settings_.AutoRun = kTrue;
        }
    });
    IgnoreFailure([&] { UpdatePolicies(); });
    IgnoreFailure([&] { LoadControls(); });
    IgnoreFailure([&] { LoadStepAside(settingsPath); });
    IgnoreFailure([&] { LoadDisplay(settingsPath); });

    trayIcon_ = std::make_unique<tray::TrayIcon>(platform_.notifyArea, platform_.screen);
    trayIcon_->SetListener(this);
    trayIcon_->SetClock([&app = platform_.app] { return app.TickCount(); });
    IgnoreFailure([&] { trayIcon_->SetOwnerForm(form_.get()); });
    IgnoreFailure([&] { trayIcon_->SetIcon(TrayPicture(false)); });
    IgnoreFailure([&] { trayIcon_->SetTooltip(Tooltip(false)); });
    IgnoreFailure([&] { trayIcon_->Add(); });

    // Last, so that no check runs before everything is in place.
    IgnoreFailure([&] { form_->Timer().SetEnabled(true); });
    loadFinished_ = true;
    // A key left wrong before the start is put right as soon as the message loop runs, not
    // one interval later (a minute, at the longest).
    IgnoreFailure([&] { form_->RecheckTimer().SetEnabled(true); });
}

// Machine-wide or the user's own, and not disabled in Task Manager.
bool Main::RunValueIsSet() {
    return registry::IsRegistered(platform_.registry, kProductName);
}

// Shut-down: the applied settings go to the file and the registration is rewritten or
// removed, as at every Apply. Each step runs on when the one before it failed.
void Main::Form_Unload(bool& /*cancel*/) {
    displayWindow_.reset();    // the program ends with its main window
    foregroundWatch_.reset();  // a program coming to the front no longer matters
    KeepApplied();
    IgnoreFailure([&] {
        if (trayIcon_) {
            trayIcon_->Remove();
        }
    });
}

void Main::Timer_Timer() {
    timerHasFired_ = true;
    UpdateStepAside();
    if (!stepAside_.Active()) {
        enforcer_.TimerCheck(settings_);
    }
    ShowKeys(true);
}

// Once, for a key that a check left alone.
void Main::RecheckTimer_Timer() {
    form_->RecheckTimer().SetEnabled(false);
    if (Enforcing()) {
        enforcer_.CheckNow(settings_);
    }
    ShowKeys();
}

// The checks made at once act only while a timer check could run: suspended, interval 0
// and "Allow toggling" leave the keys alone as they always did, and so does stepping aside.
bool Main::Enforcing() const {
    const toolkit::Timer& timer = form_->Timer();
    return timer.Enabled() && timer.Interval() != 0 && !stepAside_.Active();
}

void Main::Form_RawKeyUp(int keyCode, std::uint32_t extraInformation) {
    if (Enforcing()) {
        enforcer_.KeyReleased(keyCode, extraInformation, settings_);
    }
    ShowKeys();
}

// Windows and keyboard firmware reset Num Lock at these moments.
void Main::Form_SessionUnlock() {
    if (Enforcing()) {
        enforcer_.CheckNow(settings_);
    }
}

void Main::Form_PowerResume() {
    if (Enforcing()) {
        enforcer_.CheckNow(settings_);
    }
}

// Windows reports the keyboards already there when the window starts to listen: the first
// check still comes one interval after start-up.
void Main::Form_KeyboardArrival() {
    if (timerHasFired_ && Enforcing()) {
        enforcer_.CheckNow(settings_);
    }
}

// Reads the administrator's rules and puts them into force. False when they are as before.
bool Main::UpdatePolicies() {
    own_.Keep(policies_, settings_, form_->Timer());
    Policies rules = ReadPolicies(platform_.registry);
    rules.machineStartUp =
        registry::IsRegisteredIn(platform_.registry, registry::kRunRoot, kProductName) &&
        !registry::MachineRunWritable(platform_.registry);
    if (rules == policies_) {
        return false;
    }
    policies_ = std::move(rules);
    PutInForce(policies_, own_, settings_, form_->Timer());
    if (policies_.startWithWindows == false) {
        registry::UnregisterUser(platform_.registry, kProductName);
    }
    return true;
}

// Group Policy has been applied: changed rules show at once, without a restart. A setting a
// rule now fixes shows the rule; the user's edits of the others, not yet applied, stay.
void Main::Form_PolicyChange() {
    const bool edited = form_->Enabled(ApplyButton);
    const ShownSettings shown = ReadShownSettings(*form_);
    const Policies before = policies_;
    if (!UpdatePolicies()) {
        return;
    }
    LoadControls();
    if (edited && ShowAgainWhatRulesLeave(shown, before, policies_, *form_)) {
        form_->SetEnabled(ApplyButton, true);
    }
    PutStepAsideRulesInForce();
    Foreground_Change();
    PutDisplayRulesInForce();
    if (policies_.allowSuspend == false && !form_->Timer().Enabled()) {
        ToggleSuspend();  // suspended before the rule came
    }
}

void Main::ApplyControls() {
    toolkit::Timer& timer = form_->Timer();
    bool wasEnabled = timer.Enabled();
    if (wasEnabled) {
        timer.SetEnabled(false);
    }

    for (LockMode i = lockkeys::kForceOff; i <= lockkeys::kAllowToggling; ++i) {
        for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
            if (form_->OptionValue(kModeGroups[key], i)) {
                lockkeys::ModeOf(settings_, key) = i;
            }
        }
    }

    // Enter presses OK while the box may still have the focus, before the check on leaving
    // it has run: correct the text first, so that the timer gets what the box then shows.
    IntervalSetting_LostFocus();
    timer.SetInterval(
        static_cast<std::int64_t>(std::floor(TextToNumber(form_->Text(IntervalSetting)))));

    const lockkeys::Flag autoRun = settings_.AutoRun;
    settings_.AutoRun = form_->CheckValue(AutoRunSetting) == toolkit::kChecked ? kTrue : kFalse;
    autoRunChanged_ = autoRunChanged_ || settings_.AutoRun != autoRun;
    form_->SetEnabled(ApplyButton, false);
    if (wasEnabled) {
        timer.SetEnabled(true);
    }
}

void Main::LoadControls() {
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        const LockMode mode = lockkeys::ModeOf(settings_, key);
        if (mode >= lockkeys::kForceOff && mode <= lockkeys::kAllowToggling) {
            form_->SetOptionValue(kModeGroups[key], mode, true);
        } else {
            // A mode from a hand-edited file has no button: select none, and Apply keeps
            // the mode as long as the user picks no other.
            for (int index = lockkeys::kForceOff; index <= lockkeys::kAllowToggling; ++index) {
                form_->SetOptionValue(kModeGroups[key], index, false);
            }
        }
    }
    form_->SetText(IntervalSetting, IntegerText(form_->Timer().Interval()));
    form_->SetCheckValue(AutoRunSetting,
                         settings_.AutoRun == kTrue ? toolkit::kChecked : toolkit::kUnchecked);
    ShowPolicies(policies_, *form_, language_);
    // Last: the changes above raise notices that enable the button.
    form_->SetEnabled(ApplyButton, false);
}

void Main::ToggleSuspend() {
    toolkit::Timer& timer = form_->Timer();
    if (policies_.allowSuspend == false && timer.Enabled()) {
        return;  // the administrator keeps the keys checked
    }
    if (timer.Enabled()) {
        timer.SetEnabled(false);
        display_.KeysMayHaveChanged(settings_);  // lasting notes go while suspended
        trayIcon_->SetIcon(TrayPicture(true));
        trayIcon_->SetTooltip(Tooltip(true));
        trayIcon_->Modify();
        form_->SetCaption(SuspendButton, language::Say(language::Text::Resume, language_));
    } else {
        timer.SetEnabled(true);
        display_.KeysMayHaveChanged(settings_);
        trayIcon_->SetIcon(TrayPicture(false));
        trayIcon_->SetTooltip(Tooltip(false));
        trayIcon_->Modify();
        form_->SetCaption(SuspendButton, language::Say(language::Text::Suspend, language_));
    }
}

// The first line shows suspension alone; stepping aside adds a line of its own.
std::string Main::Tooltip(bool suspended) const {
    std::string tooltip = kProductName;
    if (suspended) {
        tooltip += "\r\n";
        tooltip += language::Say(language::Text::SuspendedLine, language_);
    }
    if (stepAside_.Active()) {
        tooltip = PausedTooltip(tooltip, stepAside_.Program(), tray::kMaxTooltipLength, language_);
    }
    return display_.Tooltip(tooltip, settings_, tray::kMaxTooltipLength);
}

void Main::HelpFile() {
    std::string path;
    IgnoreFailure([&] { path = platform_.app.Path() + kReadmeName; });
    IgnoreFailure(
        [&] { platform_.shell.Execute(form_->hWnd(), "open", path, "", "", kShowNormal); });
}

void Main::DonateButton_Click() {
    platform_.shell.Execute(form_->hWnd(), "open", kDonationPage, "", "", kShowNormal);
}

void Main::ApplyButton_Click() {
    ApplyControls();
    KeepApplied();
}

void Main::OKButton_Click() {
    ApplyControls();
    KeepApplied();
    form_->Hide();
}

void Main::CancelButton_Click() {
    LoadControls();
    form_->Hide();
}

void Main::IntervalSetting_LostFocus() {
    double typed = TextToNumber(form_->Text(IntervalSetting));
    form_->SetText(IntervalSetting, IntegerText(std::floor(typed)));
    form_->SetText(IntervalSetting, RangeCorrectedInterval(form_->Text(IntervalSetting)));
}

void Main::Form_KeyUp(int keyCode, int /*shift*/) {
    if (keyCode == kHelpKey) {
        HelpFile();
    }
}

void Main::Control_Click(int id, int /*index*/) {
    switch (id) {
        case CapsLockSetting:
        case NumLockSetting:
        case ScrollLockSetting:
        case AutoRunSetting:
            form_->SetEnabled(ApplyButton, true);
            break;
        case ApplyButton:
            ApplyButton_Click();
            break;
        case OKButton:
            OKButton_Click();
            break;
        case CancelButton:
            CancelButton_Click();
            break;
        case SuspendButton:
            ToggleSuspend();
            break;
        case DonateButton:
            DonateButton_Click();
            break;
        case HelpButton:
            HelpFile();
            break;
        default:
            break;
    }
}

void Main::Control_Change(int id) {
    if (id == IntervalSetting) {
        form_->SetEnabled(ApplyButton, true);
    }
}

void Main::Control_LostFocus(int id) {
    if (id == IntervalSetting) {
        IntervalSetting_LostFocus();
    }
}

void Main::TrayIcon_MouseUp(std::int16_t Button) {
    if (Button == tray::kRightButton) {
        ToggleSuspend();
    }
}

void Main::TrayIcon_MouseDblClick(std::int16_t Button) {
    if (Button == tray::kLeftButton) {
        form_->Show();
    } else if (Button == tray::kRightButton) {
        form_->Unload();
    }
}

}  // namespace keystead::app
