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

// German text for a system error number as the program's messages show it: its own words where
// it names the reason itself ("Datei zu groß" for EFBIG, which users meet under ulimit -f), else
// the system's.
std::string systemReason(int error);

// For tests: false makes TReplacingFile act as on a file system without unnamed temporary files
// (O_TMPFILE), as vfat and NFS are. Not thread-safe; true by default.
void useUnnamedTemporaryFiles(bool use);

// While alive, SIGINT, SIGTERM, SIGHUP and SIGQUIT wait: they are blocked in the calling thread,
// and in a program that called deferPoliteSignalsInAllThreads() they end it only once no such
// object lives in any thread. Objects may nest.
class TPoliteSignalsDeferred {
public:
    TPoliteSignalsDeferred();
    ~TPoliteSignalsDeferred();
    TPoliteSignalsDeferred(const TPoliteSignalsDeferred&) = delete;
    TPoliteSignalsDeferred& operator=(const TPoliteSignalsDeferred&) = delete;

private:
    sigset_t m_previous{};
};

// For programs with several threads (the window): blocks the polite signals in the calling
// thread, whose mask the threads started later inherit, and takes them in a thread of its own,
// which ends the program by the signal once no TPoliteSignalsDeferred lives. Call it in main
// before any other thread starts.
void deferPoliteSignalsInAllThreads();

// Prepares a program with several threads that saves files (the window): a write beyond the file
// size limit (ulimit -f) fails with EFBIG, reported as "Datei zu groß", instead of ending the
// program by SIGXFSZ; and the polite signals wait for running saves whichever thread they reach
// (deferPoliteSignalsInAllThreads). Call it in main before any other thread starts.
void prepareForSaves();

// Replaces a regular file's content durably. Before anything is written, the constructor chooses
// one of two ways, knowing every reason:
//
// - The atomic replace, the default: the new bytes go to an unnamed temporary file in the
//   target's folder, which is given at once the old file's owner, group, permission bits (less
//   setuid and setgid) and exactly its access ACL (none when it had none, whatever the folder's
//   default ACL gave); commit() adds the extended attributes that the saver may set, flushes it
//   to disk and renames it over the target. Without commit() nothing on disk changes, also when
//   the process dies.
// - In place, as a careful editor saves: where the folder refuses the temporary file (EACCES or
//   EPERM, as in a class folder that only the teacher may write), where the rename would be
//   refused (another user's file in a sticky folder), or where the temporary file cannot take
//   the old file's owner, group or ACL (a saver who is not root). The new bytes are gathered in
//   memory; commit() reads the old content, checks the file size limit and reserves the room
//   (fallocate, or the free blocks where the file system cannot reserve) and refuses with the
//   system's reason when either fails, leaving the file as it was. Then it writes the new bytes
//   over the old from offset 0, sets the length and flushes; a write that fails puts the old
//   content back. Only SIGKILL or a power cut in the middle can leave a mix: the new content's
//   beginning, and the old one's rest when it was longer. A target that may be written but not
//   read cannot go in place (EACCES), since its old content could not be put back.
//
// A new name is created without any lock on the folder: the finished file is linked to the name
// only if it is still free; a name that another save created meanwhile fails as in use. A
// rename that the folder refuses after all (EACCES or EPERM) writes in place instead.
//
// The path is walked one part at a time (openat, O_NOFOLLOW): symbolic links are followed to the
// file they name, also when it does not exist yet, except any link (a middle folder, the last
// part, one reached through another link) in a sticky, world-writable folder that belongs
// neither to the saver nor to the folder's owner. While this object lives an existing target is
// locked against other saves and loads. A named temporary file (a file system without unnamed
// ones, and the moment before the rename) gets a random name, another one when the name is
// taken; while one holds unfinished content, and while a file is written in place, the polite
// signals wait (TPoliteSignalsDeferred). A save that fails or is given up removes its temporary
// file. Create, use and destroy the object in one thread.
class TReplacingFile {
public:
    // Raises EFCreateError "Datei "<full path>" kann nicht erstellt werden. <reason>" when the
    // target may not be written, is no regular file, has further hard links (replacing it would
    // split it from them), is locked, or the temporary file cannot be made where the in-place
    // way is not open (for a new target, also when the folder refuses it).
    explicit TReplacingFile(const std::string& fileName);
    ~TReplacingFile();
    TReplacingFile(const TReplacingFile&) = delete;
    TReplacingFile& operator=(const TReplacingFile&) = delete;

    // The temporary file, or the memory of an in-place save, for writing the new content.
    TStream& stream();
    // Ends the save by the way chosen. Raises EWriteError "Stream-Schreibfehler" when the data
    // cannot be written or flushed (its system error EFBIG beyond the file size limit),
    // EFCreateError when the new name was taken meanwhile (in use) or the rename fails.
    void commit();

private:
    void lockTarget();
    bool renameRefused() const;
    void chooseWay();
    int createTemporary();
    void dropTemporary();
    int carryOver();
    int publish();
    void writeInPlace();

    std::string m_fileName;                    // as the caller gave it, for messages
    std::unique_ptr<TFileStream> m_folder;     // the target's folder, links resolved
    std::string m_name;                        // the target's name in that folder
    std::unique_ptr<TFileStream> m_lock;       // the locked target; unset while it is new
    bool m_readable = false;                   // m_lock may be read too
    std::optional<struct stat> m_previous;     // the target's status, when it exists
    std::unique_ptr<TFileStream> m_temporary;  // unset when saving in place
    std::unique_ptr<TMemoryStream> m_content;  // the new content of an in-place save
    std::string m_temporaryName;  // the temporary's name while it has one in the folder
    bool m_unnamed = false;       // the temporary is an O_TMPFILE without a name yet
    // The polite signals wait while the temporary file has a name.
    std::optional<TPoliteSignalsDeferred> m_namedDeferred;
};
