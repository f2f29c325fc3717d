#include "lib/fileAccess.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "lib/errors.h"

namespace {

[[noreturn]] void failOpen(const std::string& fileName, int error) {
    throw EFOpenError("Datei " + fullPathOf(fileName) + " kann nicht geöffnet werden. " +
                      std::strerror(error));
}

[[noreturn]] void failCreate(const std::string& fileName, int error) {
    throw EFCreateError("Datei \"" + fullPathOf(fileName) + "\" kann nicht erstellt werden. " +
                        std::strerror(error));
}

// Takes the exclusive lock without waiting; returns 0 or the error number.
int lockExclusively(int descriptor) {
    return ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

// The permission bits a newly created file would get.
mode_t defaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string fullPathOf(const std::string& fileName) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(fileName, error);
    return error ? fileName : absolute.lexically_normal().string();
}

std::unique_ptr<TFileStream> openForReading(const std::string& fileName) {
    // O_NONBLOCK keeps a FIFO from blocking the open; reads of regular files ignore it.
    const int descriptor = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descriptor < 0) failOpen(fileName, errno);
    auto stream = std::make_unique<TFileStream>(descriptor);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) failOpen(fileName, errno);
    if (S_ISDIR(status.st_mode)) failOpen(fileName, EISDIR);
    if (const int error = lockExclusively(descriptor); error != 0) failOpen(fileName, error);
    return stream;
}

TReplacingFile::TReplacingFile(const std::string& fileName) : m_fileName(fileName) {
    std::error_code error;
    m_targetPath = std::filesystem::is_symlink(fileName, error)
                       ? std::filesystem::weakly_canonical(fileName, error).string()
                       : fileName;
    if (error) m_targetPath = fileName;

    mode_t mode = defaultFileMode();
    const int existing = ::open(m_targetPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (existing >= 0) {
        m_lock = std::make_unique<TFileStream>(existing);
        struct stat status {};
        if (::fstat(existing, &status) == 0) {
            if (S_ISDIR(status.st_mode)) failCreate(fileName, EISDIR);
            mode = status.st_mode & 07777;
        }
        if (const int lockError = lockExclusively(existing); lockError != 0) {
            failCreate(fileName, lockError);
        }
    } else if (errno != ENOENT) {
        failCreate(fileName, errno);
    }

    // A hidden name beside the target; built by appending, which GCC 12 does not misread.
    const std::filesystem::path target(m_targetPath);
    std::string hidden(".");
    hidden.append(target.filename().string()).append(".XXXXXX");
    const std::string pattern = (target.parent_path() / hidden).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = ::mkostemp(name.data(), O_CLOEXEC);
    if (descriptor < 0) failCreate(fileName, errno);
    m_temporaryPath = name.data();
    m_temporary = std::make_unique<TFileStream>(descriptor);
    ::fchmod(descriptor, mode);
}

TReplacingFile::~TReplacingFile() {
    if (!m_temporaryPath.empty()) ::unlink(m_temporaryPath.c_str());
}

void TReplacingFile::commit() {
    if (::fsync(m_temporary->descriptor()) != 0) throw EWriteError("Stream-Schreibfehler");
    if (::rename(m_temporaryPath.c_str(), m_targetPath.c_str()) != 0) {
        failCreate(m_fileName, errno);
    }
    m_temporaryPath.clear();
    // Make the rename itself durable; a failure here loses nothing that was there before.
    const std::string folder = std::filesystem::path(m_targetPath).parent_path().string();
    const int directory = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
}
