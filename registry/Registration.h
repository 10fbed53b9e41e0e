#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "registry/Registry.h"
#include "registry/RegistryApi.h"

namespace keystead::registry {

// The program's start-with-Windows registration: its Run value, machine-wide or the user's
// own, and the mark Task Manager keeps for it. All names are the Run value's name.

// A Run value counts as set when it holds any text but the empty one, or a number.
bool CountsAsSet(const Value& value);

// The key that holds the marks of the Run values in `root` (kStartupApprovedRun or, for a
// machine-wide value of a 32-bit program on 64-bit Windows, kStartupApprovedRun32).
std::string StartupApprovedSubKey(const RegistryApi& api, std::uint32_t root);

// Whether the Run value in `root` starts the program: it counts as set and Task Manager has
// not marked it disabled.
bool IsRegisteredIn(RegistryApi& api, std::uint32_t root, const std::string& name);

// Whether the program starts with Windows, machine-wide or for this user.
bool IsRegistered(RegistryApi& api, const std::string& name);

// Whether a Run value that counts (machine-wide or the user's) starts another copy of the
// program that is still there: the program it names, its environment strings expanded by
// `expand`, is not `ownProgram` (compared without regard to case or doubled separators) and
// `exists` finds it. Such a registration belongs to that copy: the user tried this one.
bool NamesAnotherCopy(RegistryApi& api, const std::string& name, const std::string& ownProgram,
                      const std::function<std::string(const std::string&)>& expand,
                      const std::function<bool(const std::string&)>& exists);

// Whether the Run value in `root` names `ownProgram` (compared as NamesAnotherCopy does,
// after `expand`) and starts it: it counts as set and is not marked disabled.
bool StartsProgramIn(RegistryApi& api, std::uint32_t root, const std::string& name,
                     const std::string& ownProgram,
                     const std::function<std::string(const std::string&)>& expand);

// Whether the Run value in `root` names a copy other than `ownProgram` that `exists` finds.
bool NamesAnotherCopyIn(RegistryApi& api, std::uint32_t root, const std::string& name,
                        const std::string& ownProgram,
                        const std::function<std::string(const std::string&)>& expand,
                        const std::function<bool(const std::string&)>& exists);

// Whether this user may write the machine-wide Run key (a standard user may not).
bool MachineRunWritable(RegistryApi& api);

// Registers the program with `data` as its command line. The machine-wide value is written
// as always; where that is refused, a machine-wide registration that already starts the
// program stays as it is, and otherwise the user's value is written (its Run key created if
// need be). Whichever value was written loses a "Disabled" mark, and the user's value goes
// whenever the machine-wide one starts the program, so that it never starts twice. Failures
// are not reported.
void Register(RegistryApi& api, const std::string& name, const std::string& data);

// Deletes the value and then its mark, machine-wide and the user's. A value that cannot be
// deleted keeps its mark. Failures are not reported.
void Unregister(RegistryApi& api, const std::string& name);

// Deletes the user's own value and its mark only, leaving a machine-wide registration alone.
void UnregisterUser(RegistryApi& api, const std::string& name);

}  // namespace keystead::registry
