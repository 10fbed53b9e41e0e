#pragma once

// The product's name and version, in one place for the code and the resources (windres
// reads the macros; C++ uses the constants).
#define KEYSTEAD_PRODUCT_NAME "Tarvine Keystead"
#define KEYSTEAD_VERSION_TEXT "1.0.0"
#define KEYSTEAD_VERSION_NUMBERS 1, 0, 0, 0

// Resource ids of the two icons.
#define KEYSTEAD_ICON_ENFORCING 1
#define KEYSTEAD_ICON_SUSPENDED 2

#ifndef RC_INVOKED
namespace keystead::app {

inline constexpr char kProductName[] = KEYSTEAD_PRODUCT_NAME;
inline constexpr int kEnforcingIcon = KEYSTEAD_ICON_ENFORCING;
inline constexpr int kSuspendedIcon = KEYSTEAD_ICON_SUSPENDED;
// The maker's donation page, opened by the Donate button.
inline constexpr char kDonationPage[] = "http://tarvine.example/";

}  // namespace keystead::app
#endif
