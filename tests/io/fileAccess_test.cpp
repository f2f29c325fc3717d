// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/fileAccess.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
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

// A chain of count nodes, each holding a text of width characters: about (width + 15) * count
// bytes in a file.
std::unique_ptr<TBinTree> chainOf(int count, std::size_t width) {
    std::unique_ptr<TBinTreeNode> node;
    for (int i = 0; i < count; ++i) {
        node = std::make_unique<TBinTreeNode>(
            std::move(node), std::make_unique<TString>(std::string(width, 'x')), nullptr);
    }
    auto tree = std::make_unique<TBinTree>();
    (void)tree->setRoot(std::move(node));
    return tree;
}

Bytes bytesOf(TBinTree& tree) {
    TMemoryStream stream;
    tree.saveToStream(stream);
    return stream.bytes();
}

// The file's access ACL as getfacl prints it, without the header.
std::string aclOf(const std::string& path) {
    std::string text;
    FILE* pipe = ::popen(("getfacl -cp " + path + " 2>/dev/null").c_str(), "r");
    for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) text += char(c);
    ::pclose(pipe);
    return text;
}

// 0 when the save succeeded, 1 when it raised EFCreateError, 2 for anything else.
int saveIn(const std::string& target, TBinTree& tree = *treeOf(7)) {
    try {
        tree.save(target);
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
             if (::getuid() != 0 || ::lchown(link.c_str(), kNobody, kNobody) != 0) {
                 return std::string();
             }
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

    // Two saves of one new name, without any folder lock: the one that finishes first creates
    // it, the other fails as in use instead of overwriting it.
    const std::string fresh = dir.file("fresh.bin");
    auto first = std::make_unique<TReplacingFile>(fresh);
    const Bytes firstBytes = {0x06, 0x00};
    first->stream().write(firstBytes);
    const pid_t second = ::fork();
    if (second == 0) {
        ::close_range(3, ~0U, 0);  // another program: without this one's descriptors and locks
        ::alarm(20);
        ::_exit(saveIn(fresh));
    }
    int status = 0;
    ::waitpid(second, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_THROW(first->commit(), EFCreateError);
    first.reset();
    EXPECT_EQ(readFile(fresh).size(), 14u);  // the second save's tree, whole
}

// Files of root's that nobody may write, in folders that make the save go in place: a class
// folder that the user nobody may not write, a sticky folder (where the rename over another user's
// file is refused) and an open folder (where the new file could not take root as its owner).
TEST_F(SafeSave, FilesInAFolderTheSaverMayNotWrite) {
    const Bytes before = {0x06, 0x00};
    const Bytes saved = hexBytes("06 08 54 49 6E 74 65 67 65 72 02 07 08 08");  // treeOf(7)
    struct Case {
        const char* name;
        mode_t mode;
        std::function<int(const std::string&)> work;  // in the child, as nobody
        int status;
        Bytes after;  // the content afterwards; not checked when empty
    } cases[] = {
        {"class/writable.bin", 0666, [](const std::string& t) { return saveIn(t); }, 0, saved},
        {"class/readonly.bin", 0444, [](const std::string& t) { return saveIn(t); }, 1, before},
        {"class/uncommitted.bin", 0666,
         [&](const std::string& target) {
             TReplacingFile(target).stream().write(saved);
             return 0;
         },
         0, before},
        {"class/limited.bin", 0666,
         [](const std::string& target) {
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{8, 8};  // the new 14 bytes do not fit: refused, EWriteError
             ::setrlimit(RLIMIT_FSIZE, &limit);
             return saveIn(target);
         },
         2, before},
        {"sticky/shared.bin", 0666, [](const std::string& t) { return saveIn(t); }, 0, saved},
        {"open/owned.bin", 0666, [](const std::string& t) { return saveIn(t); }, 0, saved},
    };
    const std::pair<const char*, mode_t> folders[] = {
        {"class", 0555}, {"sticky", 01777}, {"open", 0777}};
    for (const auto& [folder, mode] : folders) fs::create_directory(dir.file(folder));
    for (const Case& c : cases) {
        writeFile(dir.file(c.name), before);
        ::chmod(dir.file(c.name).c_str(), c.mode);
    }
    for (const auto& [folder, mode] : folders) ::chmod(dir.file(folder).c_str(), mode);
    for (const Case& c : cases) {
        const std::string target = dir.file(c.name);
        const struct stat status = statusOf(target);
        EXPECT_EQ(inChild(true, [&] { return c.work(target); }), c.status) << c.name;
        if (!c.after.empty()) {
            EXPECT_EQ(readFile(target), c.after) << c.name;
        }
        EXPECT_EQ(statusOf(target).st_uid, status.st_uid) << c.name;
        EXPECT_EQ(statusOf(target).st_gid, status.st_gid) << c.name;
    }
    ::chmod(dir.file("class").c_str(), 0755);
    TBinTree loaded;
    EXPECT_NO_THROW(loaded.load(dir.file("class/writable.bin")));
    EXPECT_EQ(loaded.compare(treeOf(7).get()), 0);
}

// In place on a full file system, as nobody in a folder they may not write: a tree that does
// not fit is refused before the old file changes; one that fits into the old blocks is saved.
TEST_F(SafeSave, InPlaceOnAFullFileSystem) {
    const std::string folder = dir.file("full");
    fs::create_directory(folder);
    if (::getuid() != 0 || ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=512k") != 0) {
        GTEST_SKIP() << "a small tmpfs cannot be mounted here: "
                     << (::getuid() != 0 ? "needs root" : std::strerror(errno));
    }
    struct Case {
        const char* name;
        int oldNodes, newNodes;
        int status;
    } cases[] = {{"grows.bin", 150, 900, 2}, {"shrinks.bin", 900, 150, 0}};
    for (const Case& c : cases) {
        chainOf(c.oldNodes, 60)->save(folder + "/" + c.name);
        ::chmod((folder + "/" + c.name).c_str(), 0666);
    }
    const int filler = ::open((folder + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
    const std::vector<char> block(4096, 'f');
    while (::write(filler, block.data(), block.size()) > 0) {
    }
    ::close(filler);
    ::chmod(folder.c_str(), 0555);
    for (const Case& c : cases) {
        const std::string target = folder + "/" + c.name;
        const Bytes before = readFile(target);
        auto tree = chainOf(c.newNodes, 60);
        EXPECT_EQ(inChild(true, [&] { return saveIn(target, *tree); }), c.status) << c.name;
        EXPECT_EQ(readFile(target), c.status == 0 ? bytesOf(*tree) : before) << c.name;
    }
    ::umount2(folder.c_str(), MNT_DETACH);
}

// SIGKILL at random moments of in-place saves of a shorter tree over a longer one: the file is
// never cut below the shorter one, let alone to 0 bytes. On a tmpfs where root may mount one, so
// that no disk flush hides the moments of writing.
TEST_F(SafeSave, KilledInPlaceSavesNeverCutTheFile) {
    const std::string folder = dir.file("killed");
    fs::create_directory(folder);
    const bool mounted =
        ::getuid() == 0 && ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=4m") == 0;
    const std::string target = folder + "/tree.bin";
    auto longer = chainOf(3000, 60);
    auto shorter = chainOf(2000, 60);
    longer->save(target);
    ::chmod(target.c_str(), 0666);
    ::chmod(folder.c_str(), 0555);  // in place for nobody
    const std::size_t shortest = bytesOf(*shorter).size();
    std::mt19937 random(31);
    int cutInRound = -1;  // the first round that left the file shorter, if any
    for (int round = 0; round < 200 && cutInRound < 0; ++round) {
        const pid_t saver = ::fork();
        if (saver == 0) {
            if (::getuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(3);
            for (;;) saveIn(target, *shorter);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500 + random() % 5000));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);
        if (fs::file_size(target) < shortest) cutInRound = round;
    }
    ::chmod(folder.c_str(), 0755);
    if (mounted) ::umount2(folder.c_str(), MNT_DETACH);
    EXPECT_EQ(cutInRound, -1);
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
        {"a folder lock that another holds does not block a new name's save",
         [&] {
             const int folder = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
             ::flock(folder, LOCK_EX);
             const int status = inChild(false, [&] {
                 ::alarm(20);  // a save that waits for ever is killed
                 return saveIn(dir.file("new.bin"));
             });
             ::close(folder);
             return status == 0 && fs::exists(dir.file("new.bin"));
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
             const std::string before = aclOf(guarded);
             return saveIn(guarded) == 0 && aclOf(guarded) == before &&
                    before.find("user:nobody:r--") != std::string::npos;
         }},
        {"a folder's default ACL does not reach a file that had no ACL",
         [&] {
             fs::create_directory(dir.file("inheriting"));
             const std::string plain = file("inheriting/plain.bin");
             ::chmod(plain.c_str(), 0640);
             const std::string set = "setfacl -d -m user:daemon:r-- " + dir.file("inheriting");
             if (std::system(("command -v setfacl >/dev/null && " + set).c_str()) != 0) {
                 return true;  // no ACL tools (package acl) or no ACL support
             }
             const std::string before = aclOf(plain);
             return saveIn(plain) == 0 && aclOf(plain) == before &&
                    before.find("daemon") == std::string::npos;
         }},
        {"root's own link, reached through nobody's middle link in a sticky folder, is not "
         "followed",
         [&] {
             if (::getuid() != 0) return true;  // only root's save follows nobody's link
             for (const char* folder : {"sticky2", "elsewhere2", "victims"}) {
                 fs::create_directory(dir.file(folder));
             }
             fs::permissions(dir.file("sticky2"), fs::perms::all | fs::perms::sticky_bit);
             const std::string victim = file("victims/victim.bin", {0x41});
             fs::create_symlink(victim, dir.file("elsewhere2/t.bin"));
             fs::create_directory_symlink(dir.file("elsewhere2"), dir.file("sticky2/mid"));
             if (::lchown(dir.file("sticky2/mid").c_str(), kNobody, kNobody) != 0) return false;
             return saveIn(dir.file("sticky2/mid/t.bin")) == 1 && readFile(victim) == Bytes{0x41};
         }},
        {"a polite signal to a program of several threads waits until its save ends",
         [&] {
             const std::string marker = dir.file("saved");
             const pid_t child = ::fork();
             if (child == 0) {
                 deferPoliteSignalsInAllThreads();
                 std::thread idle([] { std::this_thread::sleep_for(std::chrono::seconds(10)); });
                 {
                     const TPoliteSignalsDeferred saving;
                     ::kill(::getpid(), SIGTERM);  // any thread may take it
                     std::this_thread::sleep_for(std::chrono::milliseconds(200));
                     writeFile(marker, {0x41});
                 }
                 std::this_thread::sleep_for(std::chrono::seconds(10));
                 ::_exit(0);
             }
             int status = 0;
             ::waitpid(child, &status, 0);
             return WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM && fs::exists(marker);
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
