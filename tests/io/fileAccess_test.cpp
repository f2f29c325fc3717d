// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/fileAccess.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <thread>

#include "io/treeFile.h"
#include "lib/errors.h"
#include "lib/libraryClasses.h"
#include "lib/treeclss.h"
#include "tests/support/tempDir.h"

namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

std::unique_ptr<TBinTree> treeOf(std::int32_t value) {
    auto tree = std::make_unique<TBinTree>();
    (void)tree->setRoot(
        std::make_unique<TBinTreeNode>(nullptr, std::make_unique<TInteger>(value), nullptr));
    return tree;
}

// Runs work in a child process, as the user nobody when asked and this test runs as root;
// returns its exit status, 5 when work raised an exception (which must not reach the test
// runner in the child).
int inChild(bool asNobody, const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (asNobody && ::getuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(3);
        }
        try {
            ::_exit(work());
        } catch (...) {
            ::_exit(5);
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// 0 when the save succeeded, 1 when it raised EFCreateError, 2 for anything else.
int saveIn(const std::string& target) {
    try {
        treeOf(7)->save(target);
        return 0;
    } catch (const EFCreateError&) {
        return 1;
    } catch (...) {
        return 2;
    }
}

struct stat statusOf(const std::string& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
}

class SafeSave : public ::testing::Test {
protected:
    void SetUp() override {
        registerLibraryClasses();
        installTreeFiles();
        fs::permissions(dir.path(), fs::perms::all);  // nobody may create files here
    }
    std::string file(const std::string& name, const Bytes& bytes = {0x06, 0x00}) {
        writeFile(dir.file(name), bytes);
        return dir.file(name);
    }
    TempDir dir;
};

TEST_F(SafeSave, RefusedTargetsStayAsTheyWere) {
    struct Case {
        const char* what;
        std::function<std::string()> prepare;
        bool asNobody;
    } cases[] = {
        {"read-only file",
         [&] {
             const std::string target = file("readonly.bin");
             ::chmod(target.c_str(), 0444);
             return target;
         },
         true},
        {"FIFO",
         [&] {
             ::mkfifo(dir.file("fifo").c_str(), 0666);
             return dir.file("fifo");
         },
         false},
        {"device", [] { return std::string("/dev/null"); }, false},
        {"directory",
         [&] {
             fs::create_directory(dir.file("folder"));
             return dir.file("folder");
         },
         false},
        {"hard link",
         [&] {
             fs::create_hard_link(file("linked.bin"), dir.file("second.bin"));
             return dir.file("second.bin");
         },
         false},
        {"foreign link in a sticky folder",
         [&] {
             fs::create_directory(dir.file("shared"));
             ::chmod(dir.file("shared").c_str(), 01777);
             const std::string link = dir.file("shared/link");
             fs::create_symlink(file("victim.bin"), link);
             if (::lchown(link.c_str(), kNobody, kNobody) != 0) return std::string();
             return link;
         },
         false},
    };
    for (const Case& c : cases) {
        const std::string target = c.prepare();
        if (target.empty()) continue;  // needs root to give the link away
        const struct stat before = statusOf(target);
        EXPECT_EQ(inChild(c.asNobody, [&] { return saveIn(target); }), 1) << c.what;
        const struct stat after = statusOf(target);
        EXPECT_EQ(after.st_ino, before.st_ino) << c.what;
        EXPECT_EQ(after.st_size, before.st_size) << c.what;
    }
    // A value that cannot save itself ends the program in the middle of a save.
    EXPECT_EQ(inChild(false,
                      [&] {
                          TBinTree tree;
                          (void)tree.setRoot(std::make_unique<TBinTreeNode>(
                              nullptr, std::make_unique<TBase>(), nullptr));
                          tree.save(dir.file("ended.bin"));
                          return 0;
                      }),
              EXIT_FAILURE);
    EXPECT_FALSE(fs::exists(dir.file("ended.bin")));
    // Nothing was left beside the targets.
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path().filename().string().rfind(".zyklora", 0), std::string::npos);
    }
}

TEST_F(SafeSave, LinksLongNamesOwnersAndNewNames) {
    // A dangling link saves to the file it names, and stays a link.
    fs::create_symlink("named.bin", dir.file("dangling"));
    treeOf(1)->save(dir.file("dangling"));
    EXPECT_TRUE(fs::is_symlink(dir.file("dangling")));
    EXPECT_EQ(readFile(dir.file("named.bin")).size(), 14u);

    const std::string longName = dir.file(std::string(255, 'n'));
    treeOf(2)->save(longName);
    EXPECT_EQ(readFile(longName).size(), 14u);

    if (::getuid() == 0) {  // root keeps another user's file theirs, without setuid
        const std::string owned = file("owned.bin");
        ASSERT_EQ(::chown(owned.c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chmod(owned.c_str(), 04750), 0);
        treeOf(3)->save(owned);
        const struct stat status = statusOf(owned);
        EXPECT_EQ(status.st_uid, kNobody);
        EXPECT_EQ(status.st_gid, kNobody);
        EXPECT_EQ(status.st_mode & 07777, 0750u);
    }

    // A second save of a name that is new waits for the first instead of being overwritten by it.
    const std::string fresh = dir.file("fresh.bin");
    auto first = std::make_unique<TReplacingFile>(fresh);
    const Bytes firstBytes = {0x06, 0x00};
    first->stream().write(firstBytes);
    const pid_t second = ::fork();
    if (second == 0) {
        ::close_range(3, ~0U, 0);  // another program: without this one's descriptors and locks
        ::_exit(saveIn(fresh));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let it reach the lock
    first->commit();
    first.reset();
    int status = 0;
    ::waitpid(second, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readFile(fresh).size(), 14u);  // the second save's tree, whole
}

// A class folder: the teacher's files in a folder that the saver (nobody) may not write.
TEST_F(SafeSave, FilesInAFolderTheSaverMayNotWrite) {
    const std::string folder = dir.file("class/");
    fs::create_directory(folder);
    const Bytes before = {0x06, 0x00};
    const Bytes saved = hexBytes("06 08 54 49 6E 74 65 67 65 72 02 07 08 08");  // treeOf(7)
    struct Case {
        const char* name;
        mode_t mode;
        std::function<int(const std::string&)> work;  // in the child, as nobody
        int status;
        Bytes after;  // the content afterwards; not checked when empty
    } cases[] = {
        {"writable.bin", 0666, saveIn, 0, saved},
        {"readonly.bin", 0444, saveIn, 1, before},
        {"uncommitted.bin", 0666,
         [&](const std::string& target) {
             TReplacingFile(target).stream().write(saved);
             return 0;
         },
         0, before},
        {"limited.bin", 0666,
         [](const std::string& target) {
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{8, 8};  // the write fails with EFBIG after 8 bytes: EWriteError
             ::setrlimit(RLIMIT_FSIZE, &limit);
             return saveIn(target);
         },
         2, Bytes{}},
    };
    for (const Case& c : cases) {
        writeFile(folder + c.name, before);
        ::chmod((folder + c.name).c_str(), c.mode);
    }
    ::chmod(folder.c_str(), 0555);
    for (const Case& c : cases) {
        EXPECT_EQ(inChild(true, [&] { return c.work(folder + c.name); }), c.status) << c.name;
        if (!c.after.empty()) {
            EXPECT_EQ(readFile(folder + c.name), c.after) << c.name;
        }
    }
    ::chmod(folder.c_str(), 0755);
    TBinTree loaded;
    EXPECT_NO_THROW(loaded.load(folder + "writable.bin"));
    EXPECT_EQ(loaded.compare(treeOf(7).get()), 0);
}

TEST_F(SafeSave, PipesAreReadToTheirEnd) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const Bytes bytes = hexBytes(kWorkedTree);
    std::thread writer([&] {
        // Two pieces with a pause: a reader that takes "no data yet" for the end fails.
        (void)!::write(ends[1], bytes.data(), 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        (void)!::write(ends[1], bytes.data() + 20, bytes.size() - 20);
        ::close(ends[1]);
    });
    TBinTree tree;
    EXPECT_NO_THROW(tree.load("/proc/self/fd/" + std::to_string(ends[0])));
    writer.join();
    ::close(ends[0]);
    EXPECT_EQ(tree.count(), 3);
}

}  // namespace

// TReplacingFile and loads beside other holders of locks and names. Each case returns true
// when all went as it should.
TEST_F(SafeSave, PermissionsAndLocks) {
    const std::pair<const char*, std::function<bool()>> cases[] = {
        {"a folder lock that another holds ends a new name's save within seconds",
         [&] {
             const int folder = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
             ::flock(folder, LOCK_EX);
             const int status = inChild(false, [&] {
                 ::alarm(20);  // a save that waits for ever is killed
                 return saveIn(dir.file("new.bin"));
             });
             ::close(folder);
             return status == 1 && !fs::exists(dir.file("new.bin"));
         }},
        {"a file planted under the former temporary name neither blocks nor goes",
         [&] {
             std::uint64_t hash = 14695981039346656037ull;  // the former name's FNV-1a
             for (const char c : std::string("planted.bin")) {
                 hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
             }
             char name[40];
             std::snprintf(name, sizeof name, ".zyklora-%016llx.tmp",
                           static_cast<unsigned long long>(hash));
             const std::string planted = file(name, {0x41});
             if (::getuid() == 0 && ::chown(planted.c_str(), kNobody, kNobody) != 0) return false;
             return saveIn(dir.file("planted.bin")) == 0 && readFile(planted) == Bytes{0x41};
         }},
        {"a link that nobody plants as a middle folder in a sticky folder is not followed",
         [&] {
             if (::getuid() != 0) return true;  // only root's save follows nobody's link
             const fs::path sticky = dir.path() / "sticky";
             const fs::path elsewhere = dir.path() / "elsewhere";
             fs::create_directories(sticky);
             fs::create_directories(elsewhere);
             fs::permissions(sticky, fs::perms::all | fs::perms::sticky_bit);
             const std::string victim = file("elsewhere/victim.bin", {0x41});
             fs::create_directory_symlink(elsewhere, sticky / "mid");
             if (::lchown((sticky / "mid").c_str(), kNobody, kNobody) != 0) return false;
             return saveIn((sticky / "mid" / "victim.bin").string()) == 1 &&
                    readFile(victim) == Bytes{0x41};
         }},
        {"SIGINT while a named temporary file is written leaves nothing behind",
         [&] {
             const fs::path folder = dir.path() / "interrupted";
             fs::create_directories(folder);
             const int status = inChild(false, [&] {
                 useUnnamedTemporaryFiles(false);
                 TReplacingFile replacing((folder / "tree.bin").string());
                 const std::uint8_t bytes[] = {0x06, 0x00};
                 replacing.stream().write(bytes);
                 ::raise(SIGINT);
                 return 0;  // the signal ends the child once the temporary file is gone
             });
             return status == -1 && fs::is_empty(folder);
         }},
        {"a save keeps the old file's ACL, so that access does not widen",
         [&] {
             const std::string guarded = file("guarded.bin");
             const std::string set = "setfacl -m group::---,user:nobody:r-- " + guarded;
             if (std::system(("command -v setfacl >/dev/null && " + set).c_str()) != 0) {
                 return true;  // no ACL tools (package acl) or no ACL support
             }
             const std::string get = "getfacl -cp " + guarded + " 2>/dev/null";
             auto acl = [&get] {
                 std::string text;
                 FILE* pipe = ::popen(get.c_str(), "r");
                 for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) text += char(c);
                 ::pclose(pipe);
                 return text;
             };
             const std::string before = acl();
             return saveIn(guarded) == 0 && acl() == before &&
                    before.find("user:nobody:r--") != std::string::npos;
         }},
        {"twenty loads of one file run side by side",
         [&] {
             const std::string shared = file("shared.bin");
             std::vector<std::unique_ptr<TFileStream>> open;
             for (int i = 0; i < 20; ++i) open.push_back(openForReading(shared));
             return true;
         }},
        {"a load waits briefly for a save's lock",
         [&] {
             const std::string busy = file("busy.bin");
             const int held = ::open(busy.c_str(), O_RDONLY);
             ::flock(held, LOCK_EX);
             std::thread release([held] {
                 std::this_thread::sleep_for(std::chrono::milliseconds(300));
                 ::close(held);
             });
             bool loaded = true;
             try {
                 openForReading(busy);
             } catch (const EFOpenError&) {
                 loaded = false;
             }
             release.join();
             return loaded;
         }},
    };
    for (const auto& [name, check] : cases) {
        bool passed = false;
        try {
            passed = check();
        } catch (const std::exception& error) {
            ADD_FAILURE() << name << ": " << error.what();
        }
        EXPECT_TRUE(passed) << name;
    }
}
