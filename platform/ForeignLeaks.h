#pragma once

// Memory that a library allocates and never frees, however it is used, is not ours to
// report: inside a TForeignLeaks scope the leak checker of AddressSanitizer builds does
// not count what is allocated on this thread, nor what stays reachable from it. Other
// builds compile it to nothing. Keep the scope to the one call that leaks.

#if defined(__SANITIZE_ADDRESS__)
#define BRAMBLEX_LEAK_CHECKER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRAMBLEX_LEAK_CHECKER 1
#endif
#endif

#ifdef BRAMBLEX_LEAK_CHECKER
#include <sanitizer/lsan_interface.h>
#endif

class TForeignLeaks {
public:
#ifdef BRAMBLEX_LEAK_CHECKER
    TForeignLeaks() {
        __lsan_disable();
    }
    ~TForeignLeaks() {
        __lsan_enable();
    }
#else
    // Written out, so that a scope variable does not count as unused.
    TForeignLeaks() {}
#endif
    TForeignLeaks(const TForeignLeaks&) = delete;
    TForeignLeaks& operator=(const TForeignLeaks&) = delete;
};
