// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <signal.h>
#include <sys/stat.h>

#include <memory>
#include <optional>
#include <string>

#include "lib/stream.h"

// Files as the tree file needs them: no sharing with a save while in use (a flock on the
// caller's file: shared for loads, exclusive for saves), and a save that never loses the file that
// was there before.

// The caller's name as a full path, for messages.
std::string fullPathOf(const std::string& fileName);

// Opens an existing file for reading and takes a shared lock, so that loads run side by side
// but not beside a save. Raises EFOpenError
// "Datei <full path> kann nicht geöffnet werden. <system message>" when it is missing, not
// readable, a directory, or still locked exclusively after a wait of a few seconds. The lock
// lasts as long as the stream.
// Pipes and FIFOs are read until their writer closes them; a FIFO without a writer yet is waited
// for, in the open, until one opens it.
std::unique_ptr<TFileStream> openForReading(const std::string& fileName);

// Replaces a regular file's content durably: the new bytes go to an unnamed temporary file in
// the target's folder, which commit() flushes to disk, gives the old file's owner, group and
// permission bits (less setuid and setgid), its access ACL and the extended attributes that the
// saver may set, and renames over the target. An ACL that cannot be given refuses the save, so
// that access never widens. Without commit(),
// nothing on disk changes, also when the process dies.
//
// When the folder refuses the temporary file (EACCES or EPERM, as in a class folder that only
// the teacher may write) but the existing target opens for writing, the save goes in place
// instead: the new bytes are gathered in memory, and commit() truncates the target, writes them
// and flushes the file to disk. Such a save is not atomic: a commit that is interrupted or
// fails leaves the file cut. Without commit() the target stays as it was here too.
//
// Symbolic links are followed to the file they name, also when it does not exist yet, except
// a link in a sticky, world-writable folder that belongs neither to the saver nor to the
// folder's owner. While this object lives the target is locked against other saves and loads;
// a target that does not exist yet is kept apart from other saves by locking its folder, so a
// second save of the same new name waits for the first, for a few seconds at most (a folder
// lock that another holds longer fails as a locked target does). A named temporary file (a
// file system without unnamed ones, and the moment before the rename) gets a random name,
// another one when the name is taken. While a named temporary file holds unfinished content,
// SIGINT, SIGTERM, SIGHUP and SIGQUIT wait until it is renamed or removed, so that they leave
// nothing behind; a save that fails or is given up removes it.
// For tests: false makes TReplacingFile act as on a file system without unnamed temporary files
// (O_TMPFILE), as vfat and NFS are. Not thread-safe; true by default.
void useUnnamedTemporaryFiles(bool use);

class TReplacingFile {
public:
    // Raises EFCreateError "Datei "<full path>" kann nicht erstellt werden. <reason>" when the
    // target may not be written, is no regular file, has further hard links (replacing it would
    // split it from them), is locked, or the temporary file cannot be made (for a new target,
    // also when the folder refuses it).
    explicit TReplacingFile(const std::string& fileName);
    ~TReplacingFile();
    TReplacingFile(const TReplacingFile&) = delete;
    TReplacingFile& operator=(const TReplacingFile&) = delete;

    // The temporary file, or the memory of an in-place save, for writing the new content.
    TStream& stream();
    // fsync, then rename over the target; in place: truncate, write, fsync. Raises EWriteError
    // "Stream-Schreibfehler" when the data cannot be written or flushed, EFCreateError when the
    // old file's ACL cannot be given to the new one or the rename fails.
    void commit();

private:
    void lockTarget();
    void createTemporary();
    void linkAndRename();
    void writeInPlace();

    std::string m_fileName;                    // as the caller gave it, for messages
    std::unique_ptr<TFileStream> m_folder;     // the target's folder, links resolved
    std::string m_name;                        // the target's name in that folder
    std::unique_ptr<TFileStream> m_lock;       // the locked target; unset while it is new
    std::optional<struct stat> m_previous;     // the target's status, when it exists
    std::unique_ptr<TFileStream> m_temporary;  // unset when saving in place
    std::unique_ptr<TMemoryStream> m_content;  // the new content of an in-place save
    std::string m_temporaryName;     // the temporary's name while it has one in the folder
    bool m_unnamed = false;          // the temporary is an O_TMPFILE without a name yet
    bool m_signalsDeferred = false;  // the polite signals are blocked while it has a name
    sigset_t m_signalsBefore{};      // the signal mask before they were
};
