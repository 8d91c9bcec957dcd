#pragma once

#include <sys/resource.h>

#include <csignal>

namespace morvane::test {

// While it lives, a file of this process cannot grow past a few bytes: a write beyond them fails
// as on a full disk (with EFBIG rather than ENOSPC, which takes the same paths), root or not.
// The room takes a lock file, not a game file or a store of layouts.
class FullDisk {
public:
    static constexpr rlim_t kRoomBytes = 100;

    // room: the bytes a file may still take; the default leaves none for a lock file either.
    explicit FullDisk(rlim_t room = kRoomBytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        // Past the limit the kernel also sends SIGXFSZ, which would end the process.
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = room;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit before_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace morvane::test
