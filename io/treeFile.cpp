// SPDX-License-Identifier: GPL-3.0-or-later
// The tree file: TBinTree's save and load on POSIX files.
#include "io/treeFile.h"

#include <sys/stat.h>

#include <memory>
#include <string>
#include <vector>

#include "io/fileAccess.h"
#include "lib/errors.h"
#include "lib/treeclss.h"
#include "lib/valueStream.h"

namespace {

// Runs work on the file; an error that does not name its file yet gets fileName's full path.
template <typename Work>
void onFile(const std::string& fileName, Work work) {
    try {
        work();
    } catch (EStreamError& error) {
        if (error.fileName().empty()) error.setFileName(fullPathOf(fileName));
        throw;
    }
}

// TBinTree's save and load on POSIX files.
class TPosixTreeFiles : public TTreeFiles {
public:
    void save(TBinTree& tree, const std::string& fileName) override {
        onFile(fileName, [&] {
            // A tree deeper than any load accepts is refused while it is written, before the
            // temporary file replaces anything.
            TReplacingFile file(fileName);
            tree.saveToStream(file.stream());
            file.commit();
        });
    }

    void load(TBinTree& tree, const std::string& fileName,
              TBinTree::LoadFindings* findings) override {
        onFile(fileName, [&] {
            std::unique_ptr<TFileStream> file = openForReading(fileName);
            TReader reader(*file, TBinTree::kStreamBufferSize);
            if (reader.atEnd()) {  // no bytes at all, from a file or a pipe: the empty tree
                std::unique_ptr<TBinTreeNode> dropped = tree.setRoot(nullptr);
                struct stat status {};
                if (findings != nullptr &&
                    (::fstat(file->descriptor(), &status) != 0 || !S_ISREG(status.st_mode))) {
                    findings->emptyStream = true;
                }
                return;
            }
            tree.loadRecords(reader, findings);
            if (findings != nullptr) findings->trailingBytes = !reader.atEnd();
        });
    }
};

}  // namespace

void installTreeFiles() {
    static TPosixTreeFiles posix;
    TreeFiles = &posix;
}
