#pragma once

// The product's name, in one place for the code, the resources and the installer (windres
// reads the macros; C++ uses the constants; the installer's build reads the line). The
// version comes from project(VERSION), generated into Version.h.
#define KEYSTEAD_PRODUCT_NAME "Tarvine Keystead"
// The maker's web address: the Donate button opens it, and release signatures name it
// (scripts/sign.sh reads the line).
#define KEYSTEAD_WEB_ADDRESS "http://tarvine.example/"

// Resource ids of the two icons.
#define KEYSTEAD_ICON_ENFORCING 1
#define KEYSTEAD_ICON_SUSPENDED 2

#ifndef RC_INVOKED
namespace keystead {

inline constexpr char kProductName[] = KEYSTEAD_PRODUCT_NAME;
inline constexpr int kEnforcingIcon = KEYSTEAD_ICON_ENFORCING;
inline constexpr int kSuspendedIcon = KEYSTEAD_ICON_SUSPENDED;
// The maker's donation page, opened by the Donate button.
inline constexpr char kDonationPage[] = KEYSTEAD_WEB_ADDRESS;

}  // namespace keystead
#endif
