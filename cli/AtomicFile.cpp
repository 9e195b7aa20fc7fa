#include "cli/AtomicFile.h"

#include "cli/CommandError.h"
#include "cli/Printable.h"
#include "varnel/common/DBC.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace varnel {

AtomicFile::AtomicFile(const std::string& path) : shown_name(printable(path)) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        fail("cannot rewrite ");
    }
    target_path = resolved;
    if (::stat(resolved, &original) != 0) {
        fail("cannot rewrite ");
    }
    if (!S_ISREG(original.st_mode)) {
        throw CommandError("cannot rewrite " + shown_name + ": not a regular file");
    }
    // Hidden beside the file, named after it. (Built by appending: GCC 12 warns wrongly about
    // a literal + string here.)
    const std::filesystem::path target(target_path);
    std::string name = ".";
    name += target.filename().string();
    name += ".varnel-XXXXXX";
    std::string pattern = (target.parent_path() / name).string();
    descriptor = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor < 0) {
        fail("cannot rewrite ");
    }
    temporary_path = pattern;
    stream.emplace(descriptor, "the new content of " + shown_name);
}

AtomicFile::~AtomicFile() {
    if (descriptor >= 0) {
        ::close(descriptor);
    }
    if (!temporary_path.empty()) {
        ::unlink(temporary_path.c_str());
    }
}

void AtomicFile::commit(const std::string& backup_suffix) {
    DBC_PRECONDITION(descriptor >= 0);
    stream->flush();
    // Giving the file away is for root only; anyone else's file keeps its new owner, the user.
    if ((original.st_uid != ::geteuid() || original.st_gid != ::getegid()) &&
        ::fchown(descriptor, original.st_uid, original.st_gid) != 0 && errno != EPERM) {
        fail("cannot rewrite ");
    }
    if (::fchmod(descriptor, original.st_mode & 07777) != 0 || ::fsync(descriptor) != 0) {
        fail("cannot rewrite ");
    }
    const int closed = ::close(descriptor);
    descriptor = -1;
    if (closed != 0) {
        fail("cannot rewrite ");
    }
    if (!backup_suffix.empty()) {
        // A second name for the old content: it stays whole under both until the rename.
        const std::string backup = target_path + backup_suffix;
        if (::unlink(backup.c_str()) != 0 && errno != ENOENT) {
            fail("cannot keep the original of ");
        }
        if (::link(target_path.c_str(), backup.c_str()) != 0) {
            fail("cannot keep the original of ");
        }
    }
    if (::rename(temporary_path.c_str(), target_path.c_str()) != 0) {
        fail("cannot rewrite ");
    }
    temporary_path.clear();
}

void AtomicFile::fail(const std::string& what) const {
    throw CommandError(what + shown_name + ": " + std::strerror(errno));
}

} // namespace varnel
