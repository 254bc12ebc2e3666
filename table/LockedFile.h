#pragma once
// A whole text file (a cfg) changed under Klarvon's write lock and replaced in one step.
//
//  1. The file is opened and locked (the same advisory lock as records in place, see
//     RecordFile.h). A file that another Klarvon program replaced while this one waited is
//     no longer the one at path: it is let go and path opened and locked again, so the
//     text read under the lock is always the text at path.
//  2. The whole text is read under the lock; the caller works out the new text from it.
//  3. Replace: the new text goes to a temporary file beside path, with path's permissions,
//     is flushed, and is renamed over path (FileWrite.h); where path is a symbolic link,
//     beside and over the file the link leads to, so the link stays. Only then is the
//     lock let go, so a waiting Klarvon program finds the new file. A reader, or a crash or a full
//     disk at any step, finds the old file or the whole new one.

#include "table/FileHandle.h"
#include "table/RecordFile.h"

#include <chrono>
#include <string>
#include <string_view>

namespace klarvon {

class TLockedFile {
public:
    // Waits up to wait for the lock, then fails with "Another Klarvon program is changing
    // this file". A file over LargestTextFile is refused as ReadTextFile refuses it.
    explicit TLockedFile(const std::string& path, std::chrono::milliseconds wait = LockWait);
    // The same for a file already open at path, ReadWriteReplaceable.
    TLockedFile(TFileHandle&& opened, const std::string& path,
                std::chrono::milliseconds wait = LockWait);
    TLockedFile(const TLockedFile&) = delete;
    TLockedFile& operator=(const TLockedFile&) = delete;
    ~TLockedFile(); // lets go without throwing

    const std::string& Path() const { return path_; }
    // The whole file as read under the lock.
    const std::string& Text() const { return text_; }

    // Puts text in place of the file (steps 3 above) and lets the lock go. Once only.
    void Replace(std::string_view text);

private:
    std::string path_;
    std::string target_; // what Replace renames over: path, or the file a link there leads to
    std::string text_;
    TFileHandle file_;
};

} // namespace klarvon
