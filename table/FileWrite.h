#pragma once
// Writing to the disk, and the order of steps that keeps every file whole.
//
// Records in place follow their own order of steps, written at the top of RecordFile.h:
// the lock, every check before the first byte, the reservation, one write for the span the
// changed records cover, the size checked again, the flush, and the old bytes written back
// and read again should anything after the first byte fail.
//
// Whole files (the demo executable, backups): never written where a reader could see
// them half done.
//  1. The bytes go to a new file (CreateNew), which never touches an existing file. To
//     replace a file, that new file is a temporary one beside it, in the same folder and
//     so on the same file system, where a rename is a single step.
//  2. Flush, then Close: the bytes are on the disk before the file takes its final name,
//     so a crash can leave a stray temporary file but never a short one under that name.
//  3. MoveOver renames the temporary over the target in one step: a reader finds the old
//     file or the whole new one.
//  4. The folder is flushed (FlushFolderOf), so that the new name is on the disk too: only
//     then is the file reported as written. A power cut can no longer bring the old file
//     back after the change was reported.
//  On any failure the new file is removed again; a file that was there stays as it was.
//  A run killed between 1 and 3 leaves its temporary; the next replacement of the same
//  file removes such leftovers once they are LeftoverAge old (see RemoveLeftovers).

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace klarvon {

class TFileHandle;

// How old a temporary file of ours must be before it is taken for one left by a killed
// run: writing one takes a moment, so a live writer's is always younger.
inline constexpr std::chrono::minutes LeftoverAge{10};

// Whether name is that of ReplaceFile's temporary beside a file called target: a dot,
// target, a dot and the number (".gtasa_vehicleAudioSettings.cfg.123456789"), exactly.
bool IsReplacementTemporary(std::string_view name, std::string_view target);

// Removes from the folder holding path the regular files (never links or folders) whose
// names isOurs recognises and that nobody wrote to for LeftoverAge or more. Quietly: what
// cannot be removed stays for the next run.
void RemoveLeftovers(const std::string& path,
                     const std::function<bool(std::string_view name)>& isOurs) noexcept;

// Creates path with the bytes, flushed to the disk, its folder too. Fails, touching nothing, if
// anything exists there (a dangling link included): "'<path>' already exists", followed by
// "; <whenTaken>" when the caller has advice to give.
void WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes,
                  std::string_view whenTaken = {});

// Writes the bytes to a temporary file beside path, flushes it, then renames it over path,
// so path holds either its old contents or all the new ones; then removes the leftovers of
// killed runs beside it and flushes the folder. Anything at path that is not
// a regular file (a folder, a device, a FIFO) is refused with "File access denied".
void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

// ReplaceFile's steps for a caller that has more to do: prepare is given the temporary
// file before its bytes are written (to give it the old file's permissions), and moveOver
// renames the closed temporary over path in place of MoveOver. On any failure the
// temporary is removed.
void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes,
                 const std::function<void(TFileHandle& temporary)>& prepare,
                 const std::function<void(const std::string& temporary)>& moveOver);

} // namespace klarvon
