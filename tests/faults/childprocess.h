#pragma once

// Running part of a test in a child process: as another user, under a file
// size limit, or with chosen system calls killing it, refused or answered.
// The parent checks what the child left on disk.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include <linux/seccomp.h>
#include <sys/types.h>

// How a child ended: the exit code of a normal end, or the signal that ended it.
struct ChildEnd {
    bool exited = false;
    int code = -1;
    int signal = 0;

    bool ok() const { return exited && code == 0; }
};

// Forks, runs `body` in the child and waits. The child's exit code is what
// `body` returns, so a check in the child reports as a non-zero code; the
// child never returns into the test framework.
ChildEnd runInChild(const std::function<int()> &body);

// In a child: drops every group and becomes the user and group "nobody".
// False when that is not possible (not root).
bool becomeNobody();
uid_t nobodyUid();
gid_t nobodyGid();

// In a child: from now on the process is killed (SIGSYS) as soon as it makes
// one of these system calls, as a crash or a kill from outside at exactly
// that moment would end it. False where the filter cannot be installed.
bool killAtSystemCalls(const std::vector<long> &numbers);

// In a child: from now on files without a name (O_TMPFILE) cannot be made,
// as on a file system that has none. False where that cannot be arranged.
bool refuseUnnamedFiles();

// How a system call handed to answerSystemCalls() ends: it runs, or it
// fails with an errno, or it returns a value without running.
struct CallAnswer {
    enum { Run, Fail, Return } how = Run;
    long value = 0;

    static CallAnswer failing(int error) { return {Fail, error}; }
    static CallAnswer returning(long result) { return {Return, result}; }
};

// In a child: from now on each of these system calls waits, before it runs,
// for `answer` in a thread of the child's own that no filter holds. `answer`
// gets the call (its arguments point into this process) and how many of
// these calls came before, and may act meanwhile: close a file, kill.
bool answerSystemCalls(const std::vector<long> &numbers,
                       std::function<CallAnswer(const seccomp_data &call, int seen)> answer);

// How many files this process holds open now.
int openDescriptors();

