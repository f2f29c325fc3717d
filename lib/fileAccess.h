#pragma once

#include <memory>
#include <string>

#include "lib/stream.h"

// Files as the tree file needs them: no sharing while in use (an exclusive, non-blocking flock
// on the caller's file), and a save that never loses the file that was there before.

// The caller's name as a full path, for messages.
std::string fullPathOf(const std::string& fileName);

// Opens an existing file for reading and locks it. Raises EFOpenError
// "Datei <full path> kann nicht geöffnet werden. <system message>" when it is missing, not
// readable, a directory, or locked by another holder. The lock lasts as long as the stream.
std::unique_ptr<TFileStream> openForReading(const std::string& fileName);

// Replaces a file's content durably: the new bytes go to a temporary file in the same folder,
// which commit() flushes to disk and renames over the target. The target stays locked while
// this object lives. Without commit(), the destructor removes the temporary file and the
// target is left exactly as it was.
class TReplacingFile {
public:
    // Locks the target (if it exists) and creates the temporary file. Raises EFCreateError
    // "Datei "<full path>" kann nicht erstellt werden. <system message>".
    explicit TReplacingFile(const std::string& fileName);
    ~TReplacingFile();
    TReplacingFile(const TReplacingFile&) = delete;
    TReplacingFile& operator=(const TReplacingFile&) = delete;

    // The temporary file, for writing the new content.
    TStream& stream() { return *m_temporary; }
    // fsync, then rename over the target. Raises EWriteError "Stream-Schreibfehler" when the
    // data cannot be flushed, EFCreateError when the rename fails.
    void commit();

private:
    std::string m_fileName;
    std::string m_targetPath;     // where the content goes: the target, links resolved
    std::string m_temporaryPath;  // empty once renamed
    std::unique_ptr<TFileStream> m_lock;
    std::unique_ptr<TFileStream> m_temporary;
};
