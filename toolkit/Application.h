#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/RequestAnswer.h"

namespace keystead::toolkit {

// What the program knows about itself and its files. Text is UTF-8.
class Application {
public:
    virtual ~Application() = default;

    // The folder that holds the executable; no trailing separator except at a drive root.
    virtual std::string Path() const = 0;
    // The executable's file name without its extension.
    virtual std::string ExeName() const = 0;
    // Whether another instance of this program already runs for this user session.
    virtual bool PrevInstance() = 0;
    // Asks the system to start the program again, without a switch, when an installer's
    // Restart Manager closes it to replace its files (an upgrade or a repair of the package);
    // not after a crash or a hang, nor after a restart of the computer.
    virtual void RegisterForRestart() {}
    // Ends the process at once; no unload handler runs.
    [[noreturn]] virtual void End() = 0;
    // The length in bytes of a file; none when it cannot be measured (missing, a folder).
    virtual std::optional<std::uint64_t> FileLength(const std::string& path) const = 0;
    // The user's own folder for data that stays on this computer (%LOCALAPPDATA% on Windows),
    // without a trailing separator; empty when the platform names none.
    virtual std::string LocalAppDataPath() const = 0;
    // Hands a request to the window of the copy of this program that runs already, in this
    // user session, which hears it as FormEvents::Form_Request, and gives its answer. With
    // waitForEnd, a request that the copy carried out is done only once the copy has ended.
    virtual RequestAnswer SendToRunningCopy(std::uint32_t /*request*/, bool /*waitForEnd*/) {
        return kRequestNotTaken;
    }
    // The text with each %NAME% of a variable of the environment replaced by its value, as
    // Windows expands a Run value; names that are not set stay as they are.
    virtual std::string ExpandEnvironment(const std::string& text) const { return text; }
    // The user's display languages as tags ("de-DE"), most preferred first; none when the
    // platform does not tell.
    virtual std::vector<std::string> PreferredLanguages() const { return {}; }
    // Milliseconds since some fixed moment, to tell how long ago something happened.
    virtual std::int64_t TickCount() const = 0;
};

}  // namespace keystead::toolkit
