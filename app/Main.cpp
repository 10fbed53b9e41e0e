#include "app/Main.h"

#include <cmath>
#include <string>

#include "app/MainLayout.h"
#include "app/ManagedSettings.h"
#include "language/Texts.h"
#include "product/Product.h"
#include "toolkit/IgnoreFailure.h"
#include "toolkit/NumberText.h"

namespace keystead::app {

namespace {

using lockkeys::kFalse;
using lockkeys::kTrue;
using lockkeys::LockMode;
using toolkit::IgnoreFailure;

constexpr int kHelpKey = 112;   // F1
constexpr int kShowNormal = 1;  // SW_SHOWNORMAL
constexpr char kReadmeName[] = "\\Readme.txt";

using toolkit::IntegerText;
using toolkit::TextToNumber;

// The interval box's final text for a text that holds a whole number: 0 becomes 1000,
// anything below 20 becomes 20 and anything above 60000 becomes 60000.
std::string RangeCorrectedInterval(const std::string& text) {
    const double value = TextToNumber(text);
    if (value == 0.0) {
        return std::to_string(toolkit::Timer::kDefaultInterval);
    }
    if (value < lockkeys::kMinInterval) {
        return std::to_string(lockkeys::kMinInterval);
    }
    if (value > lockkeys::kMaxInterval) {
        return std::to_string(lockkeys::kMaxInterval);
    }
    return text;
}

}  // namespace

Main::Main(toolkit::FormFactory& forms, toolkit::Application& app, toolkit::Shell& shell,
           language::Language language, MainEvents& events)
    : app_(app),
      shell_(shell),
      language_(language),
      events_(events),
      form_(forms.Create(MainFormDesign(language), *this)) {}

void Main::ApplyControls() {
    lockkeys::Settings chosen = loaded_;
    for (LockMode i = lockkeys::kForceOff; i <= lockkeys::kAllowToggling; ++i) {
        for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
            if (form_->OptionValue(kModeGroups[key], i)) {
                lockkeys::ModeOf(chosen, key) = i;
            }
        }
    }

    // Enter presses OK while the box may still have the focus, before the check on leaving
    // it has run: correct the text first, so that the timer gets what the box then shows.
    IntervalSetting_LostFocus();
    const auto interval =
        static_cast<std::int64_t>(std::floor(TextToNumber(form_->Text(IntervalSetting))));

    chosen.AutoRun = form_->CheckValue(AutoRunSetting) == toolkit::kChecked ? kTrue : kFalse;
    const bool autoRunChanged = chosen.AutoRun != loaded_.AutoRun;
    form_->SetEnabled(ApplyButton, false);
    loaded_ = chosen;
    loadedInterval_ = interval;
    events_.Main_Applied(chosen, interval, autoRunChanged);
}

void Main::LoadControls(const lockkeys::Settings& settings, std::int64_t interval,
                        const policies::Policies& rules) {
    loaded_ = settings;
    loadedInterval_ = interval;
    rules_ = rules;
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        const LockMode mode = lockkeys::ModeOf(settings, key);
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
    form_->SetText(IntervalSetting, IntegerText(static_cast<double>(interval)));
    form_->SetCheckValue(AutoRunSetting,
                         settings.AutoRun == kTrue ? toolkit::kChecked : toolkit::kUnchecked);
    ShowPolicies(rules, *form_, language_);
    // Last: the changes above raise notices that enable the button.
    form_->SetEnabled(ApplyButton, false);
}

// Windows applies policy every 90 minutes or so, whatever the user is doing.
void Main::ShowRules(const lockkeys::Settings& settings, std::int64_t interval,
                     const policies::Policies& before, const policies::Policies& now) {
    const bool edited = form_->Enabled(ApplyButton);
    const ShownSettings shown = ReadShownSettings(*form_);
    LoadControls(settings, interval, now);
    if (edited && ShowAgainWhatRulesLeave(shown, before, now, *form_)) {
        form_->SetEnabled(ApplyButton, true);
    }
}

void Main::ShowSuspended(bool suspended) {
    form_->SetCaption(
        SuspendButton,
        language::Say(suspended ? language::Text::Resume : language::Text::Suspend, language_));
}

void Main::HelpFile() {
    std::string path;
    IgnoreFailure([&] { path = app_.Path() + kReadmeName; });
    IgnoreFailure([&] { shell_.Execute(form_->hWnd(), "open", path, "", "", kShowNormal); });
}

void Main::DonateButton_Click() {
    shell_.Execute(form_->hWnd(), "open", kDonationPage, "", "", kShowNormal);
}

void Main::ApplyButton_Click() {
    ApplyControls();
}

void Main::OKButton_Click() {
    ApplyControls();
    form_->Hide();
}

void Main::CancelButton_Click() {
    LoadControls(loaded_, loadedInterval_, rules_);
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

void Main::Form_SystemMenu(int command) {
    if (command == kDisplayMenuCommand) {
        events_.DisplayMenu_Click();
    } else if (command == kProgramsMenuCommand) {
        events_.ProgramsMenu_Click();
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
            events_.SuspendButton_Click();
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

}  // namespace keystead::app
