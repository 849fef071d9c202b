#include "childprocess.h"

#include <QDir>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

ChildEnd runInChild(const std::function<int()> &body)
{
    const pid_t child = fork();
    if (child < 0)
        return {};
    if (child == 0)
        _exit(body());
    int status = 0;
    ChildEnd end;
    if (waitpid(child, &status, 0) != child)
        return end;
    end.exited = WIFEXITED(status);
    end.code = end.exited ? WEXITSTATUS(status) : -1;
    end.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return end;
}

uid_t nobodyUid()
{
    const passwd *user = getpwnam("nobody");
    return user ? user->pw_uid : 65534;
}

gid_t nobodyGid()
{
    const passwd *user = getpwnam("nobody");
    return user ? user->pw_gid : 65534;
}

bool becomeNobody()
{
    const gid_t gid = nobodyGid();
    return setgroups(0, nullptr) == 0 && setresgid(gid, gid, gid) == 0
           && setresuid(nobodyUid(), nobodyUid(), nobodyUid()) == 0 && geteuid() == nobodyUid();
}

namespace {

// Installs a seccomp filter: `rules` judge the calls of this architecture,
// every other call goes through. Returns what the seccomp call returned, or -1.
int installFilter(std::vector<sock_filter> rules, unsigned flags)
{
#if defined(__x86_64__)
    const unsigned arch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    const unsigned arch = AUDIT_ARCH_AARCH64;
#else
    const unsigned arch = 0;
    return -1;
#endif
    std::vector<sock_filter> program = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, arch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
    };
    program.insert(program.end(), rules.begin(), rules.end());
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return -1;
    return int(syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, flags, &filter));
}

// A filter that answers `action` to these system calls.
int filterSystemCalls(const std::vector<long> &numbers, __u32 action, unsigned flags)
{
    std::vector<sock_filter> rules;
    for (const long number : numbers) {
        rules.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __u32(number), 0, 1));
        rules.push_back(BPF_STMT(BPF_RET | BPF_K, action));
    }
    return installFilter(rules, flags);
}

} // namespace

bool killAtSystemCalls(const std::vector<long> &numbers)
{
    return filterSystemCalls(numbers, SECCOMP_RET_KILL_PROCESS, 0) == 0;
}

bool refuseUnnamedFiles()
{
    // openat(folder, flags with O_TMPFILE, ...) fails as on a file system
    // without such files; the flags are the third argument's low word.
    return installFilter({BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __u32(SYS_openat), 0, 3),
                          BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
                          BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, O_TMPFILE & ~O_DIRECTORY, 0, 1),
                          BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EOPNOTSUPP)},
                         0)
           == 0;
}

bool answerSystemCalls(const std::vector<long> &numbers,
                       std::function<CallAnswer(const seccomp_data &call, int seen)> answer)
{
    // The watcher starts before the filter, so that its own calls are never
    // held for it.
    static std::atomic<int> listener{-1};
    std::thread([answer = std::move(answer)] {
        int fd;
        while ((fd = listener.load()) < 0)
            std::this_thread::yield();
        for (int seen = 0;; ++seen) {
            seccomp_notif call {};
            while (ioctl(fd, SECCOMP_IOCTL_NOTIF_RECV, &call) != 0)
                if (errno != EINTR)
                    return;
            const CallAnswer given = answer(call.data, seen);
            seccomp_notif_resp reply {};
            reply.id = call.id;
            if (given.how == CallAnswer::Run)
                reply.flags = SECCOMP_USER_NOTIF_FLAG_CONTINUE;
            else if (given.how == CallAnswer::Fail)
                reply.error = -int(given.value);
            else
                reply.val = given.value;
            ioctl(fd, SECCOMP_IOCTL_NOTIF_SEND, &reply);
        }
    }).detach();
    const int fd = filterSystemCalls(numbers, SECCOMP_RET_USER_NOTIF, SECCOMP_FILTER_FLAG_NEW_LISTENER);
    listener.store(fd < 0 ? 0 : fd);
    return fd >= 0;
}

int openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
}

