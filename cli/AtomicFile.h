#pragma once
// A file rewritten whole or not at all: the new content goes to a file of its own in the same
// folder, which takes the old one's place only once it is written and flushed to the disk.

#include "cli/OutputStream.h"

#include <optional>
#include <string>
#include <sys/stat.h>

namespace varnel {

class AtomicFile {
public:
    // A symbolic link is followed: its target is the file rewritten, and the link stays. Throws
    // CommandError naming the path when it is no regular file or its folder takes no new file.
    explicit AtomicFile(const std::string& path);
    // Without commit, the new content is dropped and the file stays as it was.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The file that is rewritten, to read the old content from.
    const std::string& target() const { return target_path; }
    // Where the new content goes.
    OutputStream& out() { return *stream; }

    // Puts the new content in the file's place, with the file's permission bits (and its owner,
    // where the user may give it); with a backup suffix the old content stays as target() + suffix.
    // Throws CommandError naming the path; the file then stays as it was.
    void commit(const std::string& backup_suffix);

private:
    [[noreturn]] void fail(const std::string& what) const;

    std::string shown_name;
    std::string target_path;
    struct stat original {};
    std::string temporary_path;
    int descriptor = -1;
    std::optional<OutputStream> stream;
};

} // namespace varnel
