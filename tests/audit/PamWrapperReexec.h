#pragma once

// pam_wrapper works only when preloaded: a test program started without it starts itself
// again with it, before any test runs. A test file includes this once; PamWrapperLoaded
// is then true in the program that runs the tests.

#include <QByteArray>
#include <QtGlobal>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

inline const bool PamWrapperLoaded = [] {
    if (qgetenv("PAM_WRAPPER") == "1")
        return true;
    ::setenv("LD_PRELOAD", PAM_WRAPPER_LIBRARY, 1);
    ::setenv("PAM_WRAPPER", "1", 1);
    ::setenv("PAM_WRAPPER_SERVICE_DIR", AUDIT_PAM_SERVICE_DIR, 1);
    std::ifstream cmdline("/proc/self/cmdline", std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(cmdline)), std::istreambuf_iterator<char>());
    std::vector<std::string> args;
    for (size_t start = 0; start < all.size();) {
        const size_t end = all.find('\0', start);
        args.push_back(all.substr(start, end - start));
        start = end == std::string::npos ? all.size() : end + 1;
    }
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv("/proc/self/exe", argv.data());
    return false; // the tests then fail on PAM's answers
}();
