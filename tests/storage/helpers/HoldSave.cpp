// bramblex_test_hold_save PATH: starts an atomic save of PATH, writes part of it, says
// "ready" on standard output and then waits for ever inside the save, so that a test can
// kill it there as a power cut or a kill -9 would.

#include "platform/AtomicFile.h"

#include <QString>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    WriteAtomically(QString::fromLocal8Bit(argv[1]), [](int fd) {
        const char half[] = "<?xml version=\"1.0\"?>\r\n<Batch>\r\n  <Company>Half";
        if (::write(fd, half, sizeof half - 1) < 0)
            return 1;
        std::puts("ready");
        std::fflush(stdout);
        for (;;)
            ::pause();
        return 0;
    });
    return 1;
}
