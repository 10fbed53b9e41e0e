#include "app/ChosenLanguage.h"

#include <string>
#include <vector>

#include "policies/Policies.h"
#include "product/Product.h"
#include "registry/Policy.h"
#include "settings/SettingsFile.h"
#include "toolkit/IgnoreFailure.h"

namespace keystead::app {

namespace {

constexpr char kLanguageName[] = "Language";
// Longer than any tag a language of Windows has ("zh-Hans-CN"); a longer value names none.
constexpr std::size_t kMaxTagLength = 32;

}  // namespace

language::Language ChosenLanguage(toolkit::Application& app, settings::Profile& profile,
                                  registry::RegistryApi& registry) {
    using toolkit::IgnoreFailure;
    std::string policy;
    IgnoreFailure([&] {
        policy = registry::PolicyKeys(registry, policies::kPolicySubKey).Text(kLanguageName);
        policy = policy.substr(0, policy.find(';'));  // the machine's over the user's
    });
    std::string own;
    IgnoreFailure([&] {
        const std::string path =
            settings::FileToLoad(profile, settings::FindSettingsFiles(app, kProductName));
        own = profile.GetString("main", kLanguageName, "", path, kMaxTagLength + 1);
    });
    std::vector<std::string> preferred;
    IgnoreFailure([&] { preferred = app.PreferredLanguages(); });
    return language::ChooseLanguage(policy, own, preferred);
}

}  // namespace keystead::app
