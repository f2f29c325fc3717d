// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/fileAccess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>
#include <thread>
#include <vector>

#include "lib/errors.h"

namespace {

// Reasons for which the system has no error number of its own.
const char* const kNotRegular = "Keine reguläre Datei";
const char* const kHardLinks =
    "Die Datei hat weitere harte Links, von denen das Speichern sie trennen würde";

// How many symbolic links are followed before giving up, as the kernel does.
constexpr int kMaxLinkHops = 40;

[[noreturn]] void failOpen(const std::string& fileName, int error) {
    EFOpenError failure(
        "Datei " + fullPathOf(fileName) + " kann nicht geöffnet werden. " + std::strerror(error),
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
    failCreate(fileName, std::strerror(error), error);
}

// Takes the exclusive lock without waiting; returns 0 or the error number.
int lockExclusively(int descriptor) {
    return ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

// How long a load or the save of a new name waits for a lock that another holds.
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
bool mayFollow(const std::filesystem::path& link, const struct stat& linkStatus) {
    struct stat folder {};
    const std::filesystem::path parent = link.has_parent_path() ? link.parent_path() : ".";
    if (::stat(parent.c_str(), &folder) != 0) return false;
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == folder.st_uid;
}

// The file that a save of fileName writes: symbolic links followed, also to a file that does
// not exist yet, as cp does.
std::filesystem::path resolveTarget(const std::string& fileName) {
    std::filesystem::path path(fileName);
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT) return path;
            failCreate(fileName, errno);
        }
        if (!S_ISLNK(status.st_mode)) return path;
        if (!mayFollow(path, status)) failCreate(fileName, EACCES);
        std::vector<char> target(PATH_MAX);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) failCreate(fileName, errno);
        if (static_cast<std::size_t>(length) >= target.size()) failCreate(fileName, ENAMETOOLONG);
        const std::filesystem::path next(
            std::string(target.data(), static_cast<std::size_t>(length)));
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    failCreate(fileName, ELOOP);
}

// A name for a temporary file in the target's folder that others cannot guess, so that a file
// planted under it cannot block the save; callers retry another one on EEXIST.
std::string randomTemporaryName() {
    std::random_device device;
    const std::uint64_t value = (std::uint64_t{device()} << 32) ^ device();
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

// How many names are tried before EEXIST is given up on.
constexpr int kNameAttempts = 100;

// The folder's path with every symbolic link on it resolved, as the kernel follows them, except
// that a link which mayFollow forbids fails the save with EACCES: the kernel checks only the
// last part of a path, but a link planted as a middle folder redirects a save as well.
std::filesystem::path resolveFolder(const std::string& fileName, const std::string& folder) {
    std::vector<std::filesystem::path> pending;  // the parts still to walk, the next one last
    const auto push = [&pending](const std::filesystem::path& path) {
        std::vector<std::filesystem::path> parts(path.begin(), path.end());
        pending.insert(pending.end(), parts.rbegin(), parts.rend());
    };
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    if (error) failCreate(fileName, error.value());
    push(absolute.relative_path());
    std::filesystem::path done = "/";
    int hops = 0;
    while (!pending.empty()) {
        const std::filesystem::path part = pending.back();
        pending.pop_back();
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            done = done.parent_path();
            continue;
        }
        const std::filesystem::path next = done / part;
        struct stat status {};
        if (::lstat(next.c_str(), &status) != 0) failCreate(fileName, errno);
        if (!S_ISLNK(status.st_mode)) {
            done = next;
            continue;
        }
        if (!mayFollow(next, status)) failCreate(fileName, EACCES);
        if (++hops > kMaxLinkHops) failCreate(fileName, ELOOP);
        std::vector<char> target(PATH_MAX);
        const ssize_t length = ::readlink(next.c_str(), target.data(), target.size());
        if (length < 0) failCreate(fileName, errno);
        if (static_cast<std::size_t>(length) >= target.size()) failCreate(fileName, ENAMETOOLONG);
        const std::filesystem::path link(
            std::string(target.data(), static_cast<std::size_t>(length)));
        if (link.is_absolute()) done = "/";
        push(link.relative_path());
    }
    return done;
}

// The extended attribute that holds a file's access ACL.
constexpr const char* kAccessAcl = "system.posix_acl_access";

// Gives to the extended attributes of from, the access ACL among them, copied unchanged. An
// attribute that the saver may not set is left out, except the ACL, whose loss would widen
// access: returns its error number, or 0.
int copyExtendedAttributes(int from, int to) {
    std::vector<char> names;
    ssize_t size = 0;
    do {  // the list may grow between asking for its size and reading it
        size = ::flistxattr(from, nullptr, 0);
        if (size < 0) return errno == ENOTSUP ? 0 : errno;
        names.resize(static_cast<std::size_t>(size));
        size = size == 0 ? 0 : ::flistxattr(from, names.data(), names.size());
    } while (size < 0 && errno == ERANGE);
    if (size < 0) return errno;
    std::vector<char> value;
    for (std::size_t at = 0; at < static_cast<std::size_t>(size);) {
        const std::string name(names.data() + at);
        at += name.size() + 1;
        const bool acl = name == kAccessAcl;
        const ssize_t length = ::fgetxattr(from, name.c_str(), nullptr, 0);
        if (length < 0) {
            if (errno == ENODATA) continue;
            if (acl) return errno;
            continue;
        }
        value.resize(static_cast<std::size_t>(length));
        const ssize_t read = ::fgetxattr(from, name.c_str(), value.data(), value.size());
        if (read < 0 ||
            ::fsetxattr(to, name.c_str(), value.data(), static_cast<std::size_t>(read), 0) != 0) {
            if (acl) return errno;
        }
    }
    return 0;
}

// Blocks the signals that end a program politely while alive, so that a save is not stopped
// between giving its temporary file a name and renaming it.
class TSignalsDeferred {
public:
    TSignalsDeferred() {
        const sigset_t deferred = politeSignals();
        ::pthread_sigmask(SIG_BLOCK, &deferred, &m_previous);
    }
    ~TSignalsDeferred() { ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    TSignalsDeferred(const TSignalsDeferred&) = delete;
    TSignalsDeferred& operator=(const TSignalsDeferred&) = delete;

private:
    sigset_t m_previous;
};

}  // namespace

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
    const std::filesystem::path target = resolveTarget(fileName);
    m_name = target.filename().string();
    if (m_name.empty() || m_name == "." || m_name == "..") failCreate(fileName, EISDIR);
    const std::string folder =
        resolveFolder(fileName, target.has_parent_path() ? target.parent_path().string() : ".");
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) failCreate(fileName, errno);
    m_folder = std::make_unique<TFileStream>(descriptor);
    lockTarget();
    createTemporary();
}

void TReplacingFile::lockTarget() {
    const int folder = m_folder->descriptor();
    bool folderLocked = false;
    for (;;) {
        struct stat status {};
        if (::fstatat(folder, m_name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) failCreate(m_fileName, errno);
            if (folderLocked) return;  // still new, and no other save can create it now
            if (const int error = lockWithin(folder, LOCK_EX); error != 0) {
                failCreate(m_fileName, error);
            }
            folderLocked = true;
            continue;
        }
        if (folderLocked) {  // another save created it meanwhile: lock the file as usual
            ::flock(folder, LOCK_UN);
            folderLocked = false;
        }
        if (S_ISDIR(status.st_mode)) failCreate(m_fileName, EISDIR);
        if (!S_ISREG(status.st_mode)) failCreate(m_fileName, kNotRegular);
        // Opening for writing lets the system decide whether the caller may write the file.
        const int descriptor = ::openat(folder, m_name.c_str(),
                                        O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
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

void TReplacingFile::createTemporary() {
    const int folder = m_folder->descriptor();
    // A new file gets the usual permissions; a replacement gets the old file's in commit().
    const mode_t mode = m_previous ? 0600 : 0666;
    int descriptor =
        unnamedTemporaryFiles ? ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode) : -1;
    m_unnamed = descriptor >= 0;
    int error = descriptor < 0 ? (unnamedTemporaryFiles ? errno : EOPNOTSUPP) : 0;
    if (error == EOPNOTSUPP || error == EISDIR || error == EINVAL) {
        // No unnamed files on this file system: a named one, under a name nobody can foresee,
        // which no polite signal may leave behind.
        const sigset_t deferred = politeSignals();
        ::pthread_sigmask(SIG_BLOCK, &deferred, &m_signalsBefore);
        m_signalsDeferred = true;
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            m_temporaryName = randomTemporaryName();
            descriptor = ::openat(folder, m_temporaryName.c_str(),
                                  O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode);
            error = descriptor < 0 ? errno : 0;
            if (error != EEXIST) break;
        }
        if (descriptor < 0) {
            m_temporaryName.clear();
            ::pthread_sigmask(SIG_SETMASK, &m_signalsBefore, nullptr);
            m_signalsDeferred = false;
        }
    }
    if (error == 0) {
        m_temporary = std::make_unique<TFileStream>(descriptor);
    } else if ((error == EACCES || error == EPERM) && m_lock) {
        // The folder may not be written, but the existing target, opened for writing in
        // lockTarget, may: it is written in place, once the whole content is in memory.
        m_content = std::make_unique<TMemoryStream>();
    } else {
        failCreate(m_fileName, error);
    }
}

TReplacingFile::~TReplacingFile() {
    if (!m_temporaryName.empty()) ::unlinkat(m_folder->descriptor(), m_temporaryName.c_str(), 0);
    if (m_signalsDeferred) ::pthread_sigmask(SIG_SETMASK, &m_signalsBefore, nullptr);
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
    if (m_previous) {
        // Owner and group as before where the saver may set them; never setuid or setgid.
        if (::fchown(temporary, m_previous->st_uid, m_previous->st_gid) != 0) {
            [[maybe_unused]] const int groupOnly =
                ::fchown(temporary, static_cast<uid_t>(-1), m_previous->st_gid);
        }
        constexpr mode_t kKeptBits = 07777 & ~mode_t{S_ISUID | S_ISGID};
        ::fchmod(temporary, m_previous->st_mode & kKeptBits);
        // The ACL after the permission bits, which would change its mask.
        if (const int error = copyExtendedAttributes(m_lock->descriptor(), temporary); error != 0) {
            failCreate(
                m_fileName,
                std::string("Die Zugriffsliste (ACL) der Datei lässt sich nicht übernehmen: ") +
                    std::strerror(error),
                error);
        }
    }
    if (::fsync(temporary) != 0) {
        EWriteError failure("Stream-Schreibfehler", errno);
        failure.setFileName(fullPathOf(m_fileName));
        throw failure;
    }
    linkAndRename();
    // Make the rename itself durable; a failure here loses nothing that was there before.
    ::fsync(m_folder->descriptor());
}

void TReplacingFile::linkAndRename() {
    const int folder = m_folder->descriptor();
    const TSignalsDeferred deferred;
    if (m_unnamed) {
        const std::string self = "/proc/self/fd/" + std::to_string(m_temporary->descriptor());
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
            failCreate(m_fileName, error);
        }
        m_unnamed = false;
    }
    if (::renameat(folder, m_temporaryName.c_str(), folder, m_name.c_str()) != 0) {
        failCreate(m_fileName, errno);  // the destructor removes the temporary name
    }
    m_temporaryName.clear();
}

void TReplacingFile::writeInPlace() {
    const int target = m_lock->descriptor();
    const std::vector<std::uint8_t>& bytes = m_content->bytes();
    int error = 0;
    {
        // Not stopped by a polite signal between cutting the file and writing it again.
        const TSignalsDeferred deferred;
        if (::ftruncate(target, 0) != 0 || ::lseek(target, 0, SEEK_SET) != 0) {
            error = errno;
        } else if (m_lock->write(bytes) != bytes.size()) {
            error = m_lock->lastError() != 0 ? m_lock->lastError() : EIO;
        }
    }
    if (error == 0 && ::fsync(target) != 0) error = errno;
    if (error != 0) {
        EWriteError failure("Stream-Schreibfehler", error);
        failure.setFileName(fullPathOf(m_fileName));
        throw failure;
    }
}
