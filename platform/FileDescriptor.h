#pragma once

// A POSIX file descriptor closed at the end of a scope.

#include <unistd.h>

class TFd {
public:
    explicit TFd(int fd = -1) : m_fd(fd) {}
    ~TFd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};
