#pragma once

namespace pendara::testing {

// True in a build with the address sanitizer. Its shadow memory takes terabytes of address
// space, so a test that caps the address space cannot run under it.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
#else
inline constexpr bool kAddressSanitizer = false;
#endif

}  // namespace pendara::testing
