// Writing a file so that a reader finds the old content or the whole new one, never a part of it, and
// never writes through a symbolic link or into a FIFO, a socket, a device or a folder. Every write, sync
// and close is checked: a full disk is a failure, not an empty file. Plain POSIX C++.
#pragma once

#include <string>
#include <string_view>

namespace SafeFile {

enum class Status {
    Replaced,         // written to a new file beside the target, synced, and renamed over the target
    RewrittenInPlace, // the folder refused a new file: the existing regular file was rewritten where it is
    Failed,           // not written; no temporary file is left; `error` says why
};

struct Result {
    Status status = Status::Failed;
    std::string error;
    // Failed after the rename: the new content is at the name, but the folder could not be synced, so
    // whether it survives a crash is unknown. The caller decides whether to keep it.
    bool renamed = false;
    bool ok() const { return status != Status::Failed; }
};

struct Options {
    // When the folder refuses a new file (no write permission, a read-only file system) and the target is
    // a regular file that can be opened for writing, rewrite it in place (checked and synced) instead.
    bool allowInPlace = false;
};

// Writes `bytes` as the file at `path`. A symbolic link at `path` is replaced by the regular file (the
// link itself, not what it points to); any other kind of entry that is not a regular file is refused and
// never opened. A regular file keeps its permission bits.
Result write(const std::string& path, std::string_view bytes, const Options& options = {});

enum class RemoveStatus {
    Removed,  // a regular file or a symbolic link was there and is gone (never a link's target)
    Absent,   // nothing was there
    NotAFile, // a folder, FIFO, socket or device is there; left alone
    Failed,   // it could not be removed; `error` says why
};
RemoveStatus remove(const std::string& path, std::string* error = nullptr);

} // namespace SafeFile
