#include "singleinstance.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

const char* const LockName = "velumo.lock";

// A folder of this user's own, made if missing; refused when it is someone
// else's or not a folder, so another user cannot hand us their lock.
bool ownFolder(const std::string& folder)
{
    if (folder.empty())
        return false;
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st = {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

std::string fallbackFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string base = (tmp != nullptr && *tmp != '\0') ? tmp : "/tmp";
    return base + "/velumo-" + std::to_string(::getuid());
}

} // namespace

SingleInstance::SingleInstance()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0' && lockIn(runtime))
        return;
    const std::string fallback = fallbackFolder();
    if (ownFolder(fallback))
        lockIn(fallback);
}

SingleInstance::SingleInstance(const std::string& folder)
{
    lockIn(folder);
}

SingleInstance::~SingleInstance()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SingleInstance::lockIn(const std::string& folder)
{
    const std::string path = folder + "/" + LockName;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_fd = fd;
        return true;
    }
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) {
        m_anotherRuns = true;
        return true;
    }
    return false;
}

} // namespace platform
