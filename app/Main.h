#pragma once

#include <cstdint>
#include <memory>

#include "language/Language.h"
#include "lockkeys/Settings.h"
#include "policies/Policies.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Shell.h"

namespace keystead::app {

// What the user does in the settings window, for the program to carry out.
class MainEvents {
public:
    // The window was loaded: the program starts. Unloaded: it ends.
    virtual void Form_Load() = 0;
    virtual void Form_Unload() = 0;
    // Apply or OK: the settings and interval the window shows are the user's choice now.
    virtual void Main_Applied(const lockkeys::Settings& settings, std::int64_t interval,
                              bool autoRunChanged) = 0;
    virtual void SuspendButton_Click() = 0;
    // The display item of the window's system menu.
    virtual void DisplayMenu_Click() = 0;
    // Its programs item.
    virtual void ProgramsMenu_Click() = 0;

protected:
    ~MainEvents() = default;
};

// The settings window: the three lock keys' modes, the interval, the start-up box, Apply, OK,
// Cancel, Suspend, Help and Donate. It shows what it is told and tells what the user did.
class Main final : private toolkit::FormEvents {
public:
    // `language`: what the window speaks (ChosenLanguage at the program's start).
    Main(toolkit::FormFactory& forms, toolkit::Application& app, toolkit::Shell& shell,
         language::Language language, MainEvents& events);
    Main(const Main&) = delete;
    Main& operator=(const Main&) = delete;

    toolkit::Form& Form() { return *form_; }
    void Show() { form_->Show(); }
    // Copies the settings in force and the rules into the controls; nothing left to apply.
    void LoadControls(const lockkeys::Settings& settings, std::int64_t interval,
                      const policies::Policies& rules);
    // New rules: the settings they fix show the rule, and the user's edits of the others,
    // not yet applied, stay.
    void ShowRules(const lockkeys::Settings& settings, std::int64_t interval,
                   const policies::Policies& before, const policies::Policies& now);
    // The Suspend button says what it would do.
    void ShowSuspended(bool suspended);
    // Opens the read-me beside the executable.
    void HelpFile();

private:
    void Form_Load() override { events_.Form_Load(); }
    void Form_Unload(bool& /*cancel*/) override { events_.Form_Unload(); }
    void Form_KeyUp(int keyCode, int shift) override;
    void Control_Click(int id, int index) override;
    void Control_Change(int id) override;
    void Control_LostFocus(int id) override;
    void Form_SystemMenu(int command) override;
    void ApplyButton_Click();
    void OKButton_Click();
    void CancelButton_Click();
    void DonateButton_Click();
    void IntervalSetting_LostFocus();
    void ApplyControls();

    toolkit::Application& app_;
    toolkit::Shell& shell_;
    const language::Language language_;
    MainEvents& events_;
    std::unique_ptr<toolkit::Form> form_;
    // What the controls were loaded with: a mode no button shows is kept by Apply.
    lockkeys::Settings loaded_;
    std::int64_t loadedInterval_ = 0;
    policies::Policies rules_;
};

}  // namespace keystead::app
