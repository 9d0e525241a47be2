#pragma once

#include <QtGlobal>

// The maker's addresses and texts in one place. The addresses sit under example.org until the
// real ones exist.
namespace pendara::maker {

inline constexpr const char* kProductName = "Pendara";
inline constexpr const char* kCopyright = "Copyright \xC2\xA9 2016 Pendara developers";
inline constexpr const char* kHomePage = "https://pendara.example.org/";
inline constexpr const char* kSupportPage = "https://pendara.example.org/support";
inline constexpr const char* kFanPage = "https://social.example.org/pendara";
inline constexpr const char* kShareOnFacebook =
    "https://share.example.org/facebook?u=pendara.example.org";
inline constexpr const char* kShareOnTwitter =
    "https://share.example.org/twitter?u=pendara.example.org";
inline constexpr const char* kBitcoinAddress = "bc1q-example-address-not-real";
// The About and support dialogs word their bitcoin prompts a little differently. The prompts
// are shown in the user's language.
inline constexpr const char* kAboutBitcoinPrompt = QT_TRANSLATE_NOOP(
    "pendara::maker",
    "If you want to support our Software Development, you can send a Donation to Our BitCoin "
    "Address\n\nThanks!");
inline constexpr const char* kDonateBitcoinPrompt = QT_TRANSLATE_NOOP(
    "pendara::maker",
    "If you want to Support Our Software Development, you can Send a Donation to Our BitCoin "
    "Address\n\nThanks!");
// Short forms the About dialog shows; each opens exactly as shown.
inline constexpr const char* kHomeAddress = "pendara.example.org";
inline constexpr const char* kFanAddress = "social.example.org/pendara";
inline constexpr const char* kForumAddress = "forum.example.org/pendara";
inline constexpr const char* kAboutFooter = "Pendara developers, 2016";

// Support page targets.
inline constexpr const char* kLitecoinAddress = "ltc1q-example-address-not-real";
inline constexpr const char* kDogecoinAddress = "D-example-address-not-real";
inline constexpr const char* kWalletService = "https://wallet.example.org/";
inline constexpr const char* kDirectorySearch = "https://directory.example.org/search?q=pendara";
// A donation service: its address for an amount is prefix + amount + suffix.
struct DonationService {
    const char* prefix;
    const char* suffix;
    const char* signUp;
};
inline constexpr DonationService kCoinPayments{
    "https://coinpayments.example.org/donate?to=pendara&amount=", "&currency=USD",
    "https://coinpayments.example.org/register"};
inline constexpr DonationService kPayeer{"https://payeer.example.org/donate?to=pendara&amount=",
                                         "&currency=USD", "https://payeer.example.org/register"};
inline constexpr DonationService kSkrill{"https://skrill.example.org/pay?to=pendara&amount=",
                                         "&currency=USD", "https://skrill.example.org/register"};
inline constexpr const char* kMobileNumber = "+00 000 0000 0000";
inline constexpr const char* kMobilePrompt = QT_TRANSLATE_NOOP(
    "pendara::maker",
    "If you live where mobile credit can be sent from phone to phone, you can support Pendara "
    "through your mobile operator: send any amount of credit to the number below.\n\n"
    "Select the number and copy it, then send the credit from your phone. Thank you!");

}  // namespace pendara::maker
