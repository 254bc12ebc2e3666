#include "table/LockedFile.h"

#include "table/FileRead.h"
#include "table/FileWrite.h"
#include "table/PathText.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <system_error>

namespace klarvon {

namespace {

// A link at path stays a link: the new text replaces the file it leads to, as a write
// through the link would, so a link that a mod manager put there keeps working and the
// file it serves gets the change.
std::string ReplacedPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path at = FileSystemPath(path);
    if (!std::filesystem::is_symlink(at, error)) {
        return path;
    }
    const std::filesystem::path target = std::filesystem::canonical(at, error);
    return error ? path : Utf8Text(target);
}

} // namespace

TLockedFile::TLockedFile(const std::string& path, std::chrono::milliseconds wait)
    : TLockedFile(TFileHandle(), path, wait) {}

TLockedFile::TLockedFile(TFileHandle&& opened, const std::string& path,
                         std::chrono::milliseconds wait)
    : path_(path), file_(std::move(opened)) {
    // One limit for the whole wait, however often the file is replaced under us.
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (!file_.IsOpen()) {
            file_.Open(path, TAccess::ReadWriteReplaceable);
        }
        LockBefore(file_, giveUp);
        // The lock was let go by a program that had just renamed its new file over this
        // one: this text is no longer the file's, and the next change must start from
        // that new file.
        if (file_.IsFileAt(path)) {
            break;
        }
        file_.Close();
    }
    text_ = NamingFile(path, [this] { return ReadWholeText(file_); });
    target_ = ReplacedPath(path);
}

TLockedFile::~TLockedFile() {
    try {
        file_.Close();
    } catch (...) {
        // Closed whatever the system said; the lock goes with the handle.
    }
}

void TLockedFile::Replace(std::string_view text) {
    if (!file_.IsOpen()) {
        throw std::logic_error("A locked file is replaced once only");
    }
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                              text.size());
    ReplaceFile(
        target_, bytes, [this](TFileHandle& temporary) { temporary.TakePermissionsOf(file_); },
        [this](const std::string& temporary) { MoveOverHeld(temporary, file_, target_); });
}

} // namespace klarvon
