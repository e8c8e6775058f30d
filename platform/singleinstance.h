// One running instance per user, kept by an advisory lock on a file in the
// user's runtime folder. The kernel drops the lock whenever the process ends,
// however it ends, so a crashed or killed instance never blocks the next
// start.
#pragma once

#include <string>

namespace platform {

class SingleInstance
{
public:
    // Takes the lock in $XDG_RUNTIME_DIR, or in a folder of the user's own
    // under the temporary folder where that is unset or unusable.
    SingleInstance();
    explicit SingleInstance(const std::string& folder);
    ~SingleInstance();

    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another process holds the lock. Where no lock file can be
    // made at all, the answer is false: better two instances than none.
    bool anotherRuns() const { return m_anotherRuns; }

private:
    bool lockIn(const std::string& folder);

    int m_fd = -1;
    bool m_anotherRuns = false;
};

} // namespace platform
