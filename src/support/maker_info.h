#pragma once

// The maker's addresses and texts in one place. The addresses sit under example.org until the
// real ones exist.
namespace pendara::maker {

inline constexpr const char* kProductName = "Pendara";
inline constexpr const char* kVersionLabel = "2016.8";
inline constexpr const char* kCopyright = "Copyright \xC2\xA9 2016 Pendara developers";
inline constexpr const char* kHomePage = "https://pendara.example.org/";
inline constexpr const char* kSupportPage = "https://pendara.example.org/support";
inline constexpr const char* kFanPage = "https://social.example.org/pendara";
inline constexpr const char* kShareOnFacebook = "https://share.example.org/facebook?u=pendara.example.org";
inline constexpr const char* kShareOnTwitter = "https://share.example.org/twitter?u=pendara.example.org";
inline constexpr const char* kBitcoinAddress = "bc1q-example-address-not-real";
// Short forms the About dialog shows; each opens exactly as shown.
inline constexpr const char* kHomeAddress = "pendara.example.org";
inline constexpr const char* kFanAddress = "social.example.org/pendara";
inline constexpr const char* kForumAddress = "forum.example.org/pendara";
inline constexpr const char* kAboutFooter = "Pendara developers, 2016";

}  // namespace pendara::maker
