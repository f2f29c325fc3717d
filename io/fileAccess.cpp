// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/fileAccess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <random>
#include <shared_mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "io/writeBehindStream.h"
#include "lib/errors.h"

namespace {

// Reasons for which the system has no error number of its own.
const char* const kNotRegular = "Keine reguläre Datei";
const char* const kHardLinks =
    "Die Datei hat weitere harte Links, von denen das Speichern sie trennen würde";
const char* const kInUse =
    "Die Datei ist in Gebrauch: ein anderes Programm hat sie während des Speicherns angelegt";

// How many symbolic links are followed before giving up, as the kernel does.
constexpr int kMaxLinkHops = 40;

[[noreturn]] void failOpen(const std::string& fileName, int error) {
    EFOpenError failure(
        "Datei " + fullPathOf(fileName) + " kann nicht geöffnet werden. " + systemReason(error),
        error);
    failure.setFileName(fullPathOf(fileName));
    throw failure;
}

[[noreturn]] void failCreate(const std::string& fileName, const std::string& reason,
                             int error = 0) {
    EFCreateError failure(
        "Datei \"" + fullPathOf(fileName) + "\" kann nicht erstellt werden. " + reason, error);
    failure.setFileName(fullPathOf(fileName));
    throw failure;
}

[[noreturn]] void failCreate(const std::string& fileName, int error) {
    failCreate(fileName, systemReason(error), error);
}

[[noreturn]] void failWrite(const std::string& fileName, int error) {
    EWriteError failure("Stream-Schreibfehler", error);
    failure.setFileName(fullPathOf(fileName));
    throw failure;
}

// Takes the exclusive lock without waiting; returns 0 or the error number.
int lockExclusively(int descriptor) {
    return ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

// How long a load waits for a save's lock.
constexpr std::chrono::milliseconds kLockPatience{3000};

// Takes the lock (LOCK_SH or LOCK_EX), waiting at most kLockPatience for another holder, which
// may be another user's flock that never ends; returns 0 or the error number (EWOULDBLOCK).
int lockWithin(int descriptor, int operation) {
    const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
    for (;;) {
        if (::flock(descriptor, operation | LOCK_NB) == 0) return 0;
        if (errno != EWOULDBLOCK && errno != EINTR) return errno;
        if (std::chrono::steady_clock::now() >= deadline) return EWOULDBLOCK;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The kernel's rule for protected symlinks: in a sticky, world-writable folder a link is
// followed only when it belongs to the follower or to the folder's owner.
bool mayFollow(int folder, const struct stat& linkStatus) {
    struct stat status {};
    if (::fstat(folder, &status) != 0) return false;
    const bool shared = (status.st_mode & S_ISVTX) != 0 && (status.st_mode & S_IWOTH) != 0;
    return !shared || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == status.st_uid;
}

std::unique_ptr<TFileStream> openPath(int folder, const char* name, const std::string& fileName) {
    const int descriptor = ::openat(folder, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) failCreate(fileName, errno);
    return std::make_unique<TFileStream>(descriptor);
}

// Pushes the parts of path onto pending so that the first part is taken next; true when the
// path ends with a slash, which only a folder may.
bool pushParts(std::vector<std::string>& pending, const std::string& path) {
    std::vector<std::string> parts;
    for (std::size_t at = 0; at <= path.size();) {
        const std::size_t end = std::min(path.find('/', at), path.size());
        if (end > at) parts.push_back(path.substr(at, end - at));
        at = end + 1;
    }
    pending.insert(pending.end(), parts.rbegin(), parts.rend());
    return !path.empty() && path.back() == '/';
}

// The file that a save of fileName writes, as its folder (an O_PATH descriptor) and its name
// there. The path is walked one part at a time with openat and O_NOFOLLOW, so that no link is
// followed unchecked: each link met, in the middle or at the end, reached through another link
// or pointing to an absolute path, is followed only where mayFollow allows it (else EACCES).
// A last part that does not exist is the new file's name, also at the end of a dangling link.
std::pair<std::unique_ptr<TFileStream>, std::string> resolveTarget(const std::string& fileName) {
    std::vector<std::string> pending;  // the parts still to walk, the next one last
    bool folderOnly = pushParts(pending, fileName);
    std::unique_ptr<TFileStream> folder =
        openPath(AT_FDCWD, !fileName.empty() && fileName[0] == '/' ? "/" : ".", fileName);
    int hops = 0;
    while (!pending.empty()) {
        const std::string part = pending.back();
        pending.pop_back();
        const bool last = pending.empty();
        if (part == "." || part == "..") {
            if (last) failCreate(fileName, EISDIR);
            if (part == "..") folder = openPath(folder->descriptor(), "..", fileName);
            continue;
        }
        struct stat status {};
        if (::fstatat(folder->descriptor(), part.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && last && !folderOnly) return {std::move(folder), part};
            failCreate(fileName, errno);
        }
        if (S_ISLNK(status.st_mode)) {
            if (!mayFollow(folder->descriptor(), status)) failCreate(fileName, EACCES);
            if (++hops > kMaxLinkHops) failCreate(fileName, ELOOP);
            std::vector<char> target(PATH_MAX);
            const ssize_t length =
                ::readlinkat(folder->descriptor(), part.c_str(), target.data(), target.size());
            if (length < 0) failCreate(fileName, errno);
            if (length == 0) failCreate(fileName, ENOENT);
            if (static_cast<std::size_t>(length) >= target.size()) {
                failCreate(fileName, ENAMETOOLONG);
            }
            const std::string link(target.data(), static_cast<std::size_t>(length));
            if (link[0] == '/') folder = openPath(AT_FDCWD, "/", fileName);
            folderOnly = pushParts(pending, link) || (last && folderOnly);
            continue;
        }
        if (last) {
            if (S_ISDIR(status.st_mode)) failCreate(fileName, EISDIR);
            if (folderOnly) failCreate(fileName, ENOTDIR);
            return {std::move(folder), part};
        }
        if (!S_ISDIR(status.st_mode)) failCreate(fileName, ENOTDIR);
        folder = openPath(folder->descriptor(), part.c_str(), fileName);
    }
    failCreate(fileName, fileName.empty() ? ENOENT : EISDIR);
}

// A name for a temporary file in the target's folder that others cannot guess, so that a file
// planted under it cannot block the save; callers retry another one on EEXIST.
std::string randomTemporaryName() {
    std::uint64_t value = 0;
    if (::getrandom(&value, sizeof value, 0) != static_cast<ssize_t>(sizeof value)) {
        value = std::random_device{}();  // no getrandom (older kernels): the library's source
        value = value << 32 ^ std::random_device{}();
    }
    char text[40];
    std::snprintf(text, sizeof text, ".zyklora-%016llx.tmp",
                  static_cast<unsigned long long>(value));
    return text;
}

bool unnamedTemporaryFiles = true;

// The signals that end a program politely.
sigset_t politeSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&signals, signal);
    return signals;
}

// Held shared by every thread while its save must not be stopped; the thread of
// deferPoliteSignalsInAllThreads takes it exclusively before it ends the program.
std::shared_mutex& runningSaves() {
    static std::shared_mutex saves;
    return saves;
}

// How deeply the calling thread nests TPoliteSignalsDeferred; only the outermost locks.
thread_local int deferredDepth = 0;

// How many names are tried before EEXIST is given up on.
constexpr int kNameAttempts = 100;

// The extended attribute that holds a file's access ACL.
constexpr const char* kAccessAcl = "system.posix_acl_access";

// Gives to the extended attributes of from that the saver may set, except the access ACL,
// which the choice of the way has given already. Best effort: one that cannot be set is left.
void copyExtendedAttributes(int from, int to) {
    std::vector<char> names;
    ssize_t size = 0;
    do {  // the list may grow between asking for its size and reading it
        size = ::flistxattr(from, nullptr, 0);
        if (size <= 0) return;
        names.resize(static_cast<std::size_t>(size));
        size = ::flistxattr(from, names.data(), names.size());
    } while (size < 0 && errno == ERANGE);
    std::vector<char> value;
    for (std::size_t at = 0; size > 0 && at < static_cast<std::size_t>(size);) {
        const std::string name(names.data() + at);
        at += name.size() + 1;
        if (name == kAccessAcl) continue;
        const ssize_t length = ::fgetxattr(from, name.c_str(), nullptr, 0);
        if (length < 0) continue;
        value.resize(static_cast<std::size_t>(length));
        const ssize_t read = ::fgetxattr(from, name.c_str(), value.data(), value.size());
        if (read >= 0) {
            ::fsetxattr(to, name.c_str(), value.data(), static_cast<std::size_t>(read), 0);
        }
    }
}

// Reads the whole file from offset 0; returns 0 or the error number.
int readWhole(int descriptor, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::uint8_t piece[65536];
    for (;;) {
        const ssize_t count =
            ::pread(descriptor, piece, sizeof piece, static_cast<off_t>(bytes.size()));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return errno;
        if (count == 0) return 0;
        bytes.insert(bytes.end(), piece, piece + count);
    }
}

// Writes bytes over the file from offset 0, then sets its length to theirs; returns 0 or the
// error number. The file is never shorter than before until the last step.
int writeOver(int descriptor, const std::vector<std::uint8_t>& bytes) {
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t count = ::pwrite(descriptor, bytes.data() + written, bytes.size() - written,
                                       static_cast<off_t>(written));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return errno;
        if (count == 0) return EIO;
        written += static_cast<std::size_t>(count);
    }
    return ::ftruncate(descriptor, static_cast<off_t>(bytes.size())) == 0 ? 0 : errno;
}

// Makes sure, before anything of the file changes, that length bytes fit: within the file size
// limit, and into space reserved for the file (or, where the file system cannot reserve, into
// its free blocks). Returns 0 or the reason (EFBIG, ENOSPC, EDQUOT, ...).
int reserveRoom(int descriptor, std::size_t length) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        length > limit.rlim_cur) {
        return EFBIG;
    }
    if (length == 0) return 0;
    int result = 0;
    do {
        result = ::fallocate(descriptor, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(length));
    } while (result != 0 && errno == EINTR);
    if (result == 0) return 0;
    if (errno != EOPNOTSUPP && errno != ENOSYS) return errno;
    struct statvfs space {};
    struct stat status {};
    if (::fstatvfs(descriptor, &space) != 0 || ::fstat(descriptor, &status) != 0) return errno;
    const std::uint64_t block = space.f_frsize != 0 ? space.f_frsize : space.f_bsize;
    const std::uint64_t needed = (length + block - 1) / block;
    const std::uint64_t held = static_cast<std::uint64_t>(status.st_blocks) * 512 / block;
    const std::uint64_t free = ::geteuid() == 0 ? space.f_bfree : space.f_bavail;
    return needed <= held + free ? 0 : ENOSPC;
}

}  // namespace

TPoliteSignalsDeferred::TPoliteSignalsDeferred() {
    const sigset_t deferred = politeSignals();
    ::pthread_sigmask(SIG_BLOCK, &deferred, &m_previous);
    if (deferredDepth++ == 0) runningSaves().lock_shared();
}

TPoliteSignalsDeferred::~TPoliteSignalsDeferred() {
    if (--deferredDepth == 0) runningSaves().unlock_shared();
    ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

void deferPoliteSignalsInAllThreads() {
    const sigset_t signals = politeSignals();
    ::pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread([signals] {
        int signal = 0;
        while (::sigwait(&signals, &signal) != 0) {
        }
        // Saves running now end first; saves that start later wait here for ever.
        runningSaves().lock();
        ::signal(signal, SIG_DFL);
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, signal);
        ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
        ::raise(signal);
        ::_exit(128 + signal);
    }).detach();
}

void prepareForSaves() {
    ::signal(SIGXFSZ, SIG_IGN);
    deferPoliteSignalsInAllThreads();
}

std::string systemReason(int error) {
    if (error == EFBIG) return "Datei zu groß";
    return std::strerror(error);
}

void useUnnamedTemporaryFiles(bool use) { unnamedTemporaryFiles = use; }

std::string fullPathOf(const std::string& fileName) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(fileName, error);
    return error ? fileName : absolute.lexically_normal().string();
}

std::unique_ptr<TFileStream> openForReading(const std::string& fileName) {
    // Opened blocking, as cat does: a FIFO's open waits for its writer. A FIFO opened with
    // O_NONBLOCK before any writer reads as ended (read returns 0, not EAGAIN).
    const int descriptor = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) failOpen(fileName, errno);
    auto stream = std::make_unique<TFileStream>(descriptor);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) failOpen(fileName, errno);
    if (S_ISDIR(status.st_mode)) failOpen(fileName, EISDIR);
    if (const int error = lockWithin(descriptor, LOCK_SH); error != 0) failOpen(fileName, error);
    return stream;
}

TReplacingFile::TReplacingFile(const std::string& fileName) : m_fileName(fileName) {
    auto [folder, name] = resolveTarget(fileName);
    m_name = std::move(name);
    // A descriptor that fsync accepts, where the folder may be read; else the O_PATH one.
    const int readable = ::openat(folder->descriptor(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    m_folder = readable >= 0 ? std::make_unique<TFileStream>(readable) : std::move(folder);
    lockTarget();
    chooseWay();
}

void TReplacingFile::lockTarget() {
    const int folder = m_folder->descriptor();
    for (;;) {
        struct stat status {};
        if (::fstatat(folder, m_name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) failCreate(m_fileName, errno);
            return;  // new: commit() creates it only if it is still missing then
        }
        if (S_ISDIR(status.st_mode)) failCreate(m_fileName, EISDIR);
        if (!S_ISREG(status.st_mode)) failCreate(m_fileName, kNotRegular);
        // Opening for writing lets the system decide whether the caller may write the file; read
        // too where allowed, so that an in-place save can put the old content back.
        constexpr int kFlags = O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC;
        int descriptor = ::openat(folder, m_name.c_str(), O_RDWR | kFlags);
        m_readable = descriptor >= 0;
        if (descriptor < 0 && errno == EACCES) {
            descriptor = ::openat(folder, m_name.c_str(), O_WRONLY | kFlags);
        }
        if (descriptor < 0) failCreate(m_fileName, errno);
        m_lock = std::make_unique<TFileStream>(descriptor);
        struct stat opened {};
        if (::fstat(descriptor, &opened) != 0) failCreate(m_fileName, errno);
        if (!S_ISREG(opened.st_mode)) failCreate(m_fileName, kNotRegular);
        if (const int error = lockExclusively(descriptor); error != 0) {
            failCreate(m_fileName, error);
        }
        // The lock counts only if the name still leads to the locked file.
        struct stat current {};
        if (::fstatat(folder, m_name.c_str(), &current, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameFile(current, opened)) {
            if (opened.st_nlink > 1) failCreate(m_fileName, kHardLinks);
            m_previous = opened;
            return;
        }
        m_lock.reset();
    }
}

bool TReplacingFile::renameRefused() const {
    // The kernel lets a file in a sticky folder be renamed over only by its owner, the folder's
    // owner or a holder of CAP_FOWNER (taken here as root).
    struct stat folder {};
    if (::fstat(m_folder->descriptor(), &folder) != 0) return false;
    const uid_t saver = ::geteuid();
    return (folder.st_mode & S_ISVTX) != 0 && saver != 0 && m_previous->st_uid != saver &&
           folder.st_uid != saver;
}

void TReplacingFile::chooseWay() {
    if (!m_previous || !renameRefused()) {
        const int error = createTemporary();
        if (error == 0 && (!m_previous || carryOver() == 0)) return;  // the atomic replace
        if (error == 0) {
            dropTemporary();
        } else if (!m_previous || (error != EACCES && error != EPERM)) {
            failCreate(m_fileName, error);
        }
    }
    // In place: the folder refuses the temporary file or the rename, or the temporary file
    // cannot take the old file's owner, group or ACL. Only with the old content at hand, so that
    // a failed write can put it back.
    if (!m_readable) failCreate(m_fileName, EACCES);
    m_content = std::make_unique<TMemoryStream>();
}

int TReplacingFile::createTemporary() {
    const int folder = m_folder->descriptor();
    // A new file gets the usual permissions; a replacement gets the old file's in carryOver().
    const mode_t mode = m_previous ? 0600 : 0666;
    int descriptor =
        unnamedTemporaryFiles ? ::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode) : -1;
    m_unnamed = descriptor >= 0;
    int error = descriptor < 0 ? (unnamedTemporaryFiles ? errno : EOPNOTSUPP) : 0;
    if (error == EOPNOTSUPP || error == EISDIR || error == EINVAL) {
        // No unnamed files on this file system: a named one, under a name nobody can foresee,
        // which no polite signal may leave behind.
        m_namedDeferred.emplace();
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            m_temporaryName = randomTemporaryName();
            descriptor = ::openat(folder, m_temporaryName.c_str(),
                                  O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC, mode);
            error = descriptor < 0 ? errno : 0;
            if (error != EEXIST) break;
        }
        if (descriptor < 0) {
            m_temporaryName.clear();
            m_namedDeferred.reset();
        }
    }
    if (error == 0) m_temporary = std::make_unique<TWriteBehindStream>(descriptor);
    return error;
}

void TReplacingFile::dropTemporary() {
    if (!m_temporaryName.empty()) ::unlinkat(m_folder->descriptor(), m_temporaryName.c_str(), 0);
    m_temporaryName.clear();
    m_temporary.reset();
    m_namedDeferred.reset();
}

int TReplacingFile::carryOver() {
    const int temporary = m_temporary->descriptor();
    struct stat status {};
    if (::fstat(temporary, &status) != 0) return errno;
    if ((status.st_uid != m_previous->st_uid || status.st_gid != m_previous->st_gid) &&
        ::fchown(temporary, m_previous->st_uid, m_previous->st_gid) != 0) {
        return errno;
    }
    // Exactly the old file's access ACL: none when it had none, whatever the folder's default
    // ACL gave the temporary file.
    std::vector<char> acl;
    const ssize_t aclSize = ::fgetxattr(m_lock->descriptor(), kAccessAcl, nullptr, 0);
    ssize_t aclLength = 0;
    if (aclSize > 0) {
        acl.resize(static_cast<std::size_t>(aclSize));
        aclLength = ::fgetxattr(m_lock->descriptor(), kAccessAcl, acl.data(), acl.size());
        if (aclLength < 0) return errno;
    } else if (aclSize < 0 && errno != ENODATA && errno != ENOTSUP) {
        return errno;
    } else if (::fremovexattr(temporary, kAccessAcl) != 0 && errno != ENODATA && errno != ENOTSUP) {
        return errno;
    }
    // Never setuid or setgid; the ACL after the permission bits, which would change its mask.
    constexpr mode_t kKeptBits = 07777 & ~mode_t{S_ISUID | S_ISGID};
    if (::fchmod(temporary, m_previous->st_mode & kKeptBits) != 0) return errno;
    if (aclLength > 0 && ::fsetxattr(temporary, kAccessAcl, acl.data(),
                                     static_cast<std::size_t>(aclLength), 0) != 0) {
        return errno;
    }
    return 0;
}

TReplacingFile::~TReplacingFile() {
    if (!m_temporaryName.empty()) ::unlinkat(m_folder->descriptor(), m_temporaryName.c_str(), 0);
}

TStream& TReplacingFile::stream() {
    if (m_content) return *m_content;
    return *m_temporary;
}

void TReplacingFile::commit() {
    if (m_content) {
        writeInPlace();
        return;
    }
    const int temporary = m_temporary->descriptor();
    if (m_previous) copyExtendedAttributes(m_lock->descriptor(), temporary);
    if (::fsync(temporary) != 0) failWrite(m_fileName, errno);
    if (const int error = publish(); error != 0) {
        if (!m_previous || (error != EACCES && error != EPERM) || !m_readable) {
            failCreate(m_fileName, error);
        }
        // A rename that the folder refused after all: the content goes in place.
        m_content = std::make_unique<TMemoryStream>();
        std::vector<std::uint8_t> bytes;
        if (const int readError = readWhole(temporary, bytes); readError != 0) {
            failWrite(m_fileName, readError);
        }
        m_content->write(bytes);
        dropTemporary();
        writeInPlace();
        return;
    }
    // Make the new name durable; a failure here loses nothing that was there before.
    ::fsync(m_folder->descriptor());
}

int TReplacingFile::publish() {
    const int folder = m_folder->descriptor();
    const TPoliteSignalsDeferred deferred;
    const std::string self = "/proc/self/fd/" + std::to_string(m_temporary->descriptor());
    if (!m_previous) {
        // A new name without a lock: linking or renaming without replacing fails with EEXIST
        // when another save created the name meanwhile, which then counts as in use.
        int error = 0;
        if (m_unnamed) {
            error = ::linkat(AT_FDCWD, self.c_str(), folder, m_name.c_str(), AT_SYMLINK_FOLLOW) == 0
                        ? 0
                        : errno;
        } else if (::renameat2(folder, m_temporaryName.c_str(), folder, m_name.c_str(),
                               RENAME_NOREPLACE) == 0) {
            m_temporaryName.clear();
        } else if (errno == EINVAL || errno == ENOSYS) {  // no RENAME_NOREPLACE here
            error = ::linkat(folder, m_temporaryName.c_str(), folder, m_name.c_str(), 0) == 0
                        ? 0
                        : errno;
        } else {
            error = errno;
        }
        if (error == EEXIST) failCreate(m_fileName, kInUse, EEXIST);
        return error;
    }
    if (m_unnamed) {
        int error = EEXIST;
        for (int attempt = 0; attempt < kNameAttempts && error == EEXIST; ++attempt) {
            m_temporaryName = randomTemporaryName();
            error = ::linkat(AT_FDCWD, self.c_str(), folder, m_temporaryName.c_str(),
                             AT_SYMLINK_FOLLOW) == 0
                        ? 0
                        : errno;
        }
        if (error != 0) {
            m_temporaryName.clear();
            return error;
        }
        m_unnamed = false;
    }
    if (::renameat(folder, m_temporaryName.c_str(), folder, m_name.c_str()) != 0) {
        return errno;  // the temporary name is removed by dropTemporary or the destructor
    }
    m_temporaryName.clear();
    return 0;
}

void TReplacingFile::writeInPlace() {
    const int target = m_lock->descriptor();
    const std::vector<std::uint8_t>& bytes = m_content->bytes();
    // Before anything changes: the old content in memory, and room for the new.
    std::vector<std::uint8_t> old;
    if (const int error = readWhole(target, old); error != 0) failWrite(m_fileName, error);
    if (const int error = reserveRoom(target, bytes.size()); error != 0) {
        // Hands back what a partial reservation took beyond the end; the content is untouched.
        [[maybe_unused]] const int released = ::ftruncate(target, static_cast<off_t>(old.size()));
        failWrite(m_fileName, error);
    }
    int error = 0;
    {
        // Not stopped by a polite signal while the file holds a mix of old and new.
        const TPoliteSignalsDeferred deferred;
        error = writeOver(target, bytes);
        if (error == 0 && ::fsync(target) != 0) error = errno;
        if (error != 0) {
            // Put the old content back, which fits where it was before.
            if (writeOver(target, old) == 0) ::fsync(target);
        }
    }
    if (error != 0) failWrite(m_fileName, error);
}
