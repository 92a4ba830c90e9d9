#pragma once
// Runs a check without the super-user's rights, so that folder and file
// permissions bind as they do for a user: as root, in a child process that
// switches to the "nobody" user; otherwise in this process.

#include <functional>
#include <grp.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// The check returns 0 when all is well, otherwise the number of the step that
// failed. Returns that number, or -1 when the child did not end normally.
inline int RunUnprivileged(const std::function<int()>& check) {
    if (::geteuid() != 0) {
        return check();
    }
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(100);
        }
        ::_exit(check());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// A folder that every user may enter and read but nobody may write, for the
// life of the object; its former permissions come back afterwards so that it
// can be removed.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::string& path) : m_path(path) {
        ::chmod(m_path.c_str(), 0555);
    }
    ~ReadOnlyFolder() { ::chmod(m_path.c_str(), 0755); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::string m_path;
};
