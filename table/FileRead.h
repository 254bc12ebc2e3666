#pragma once
// Whole files and the starts of files, read through the file handle (FileHandle.h): its
// error texts, its refusal of anything but a regular file, its UTF-8 paths.

#include "table/ErrorReport.h"
#include "table/Errors.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon {

class TFileHandle;

// No text file of settings (a cfg, a patch) comes near this; anything larger is refused
// before it is read.
inline constexpr std::size_t LargestTextFile = std::size_t{16} << 20;

// The whole file.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// A text file of settings, at most LargestTextFile bytes. Every failure is an EFinalError
// naming path: "The file is too large to be a text file of settings (over 16 MiB)", or
// the handle's own text as the user reads it ("File not found.").
std::string ReadTextFile(const std::string& path);

// The whole of a text file of settings that is open, refused as ReadTextFile refuses one
// over LargestTextFile (with an EFinalError that does not name the file yet).
std::string ReadWholeText(const TFileHandle& file);

// Up to limit bytes from the start of path, read-only, leaving others free to read,
// write, rename and delete the file meanwhile; anything but a regular file (a pipe, a
// device) gives an empty text, never a wait. Failures throw EKlarvonError
// "Cannot open file "<absolute path>". <system reason>" or
// "Cannot read file "<absolute path>". <system reason>", in the system's own words.
std::string ReadFileHead(const std::filesystem::path& path, std::size_t limit);

// The text of those failures; reason is the system's own wording.
std::string FileErrorText(std::string_view what, const std::filesystem::path& path,
                          const std::string& reason);

// A failed file operation named by NamingFile: an EFinalError as any other, which also
// keeps the system's Code (see EInOutError) for whoever words the failure anew.
class ENamedInOutError : public EFinalError {
public:
    ENamedInOutError(const EInOutError& failure, const std::string& path)
        : EFinalError(ErrorReportText(failure.what()), path), Code(failure.Code) {}
    int Code;
};

// Runs body; a failure inside it that names nothing yet comes out as EFinalError naming
// path, with the text the user reads (ErrorReportText for the core's texts); a failed file
// operation as ENamedInOutError.
template <class TBody> decltype(auto) NamingFile(const std::string& path, TBody&& body) {
    try {
        return body();
    } catch (const EFinalError& failure) {
        if (!failure.Context.empty()) {
            throw;
        }
        throw EFinalError(failure.what(), path);
    } catch (const EInOutError& failure) {
        throw ENamedInOutError(failure, path);
    } catch (const std::exception& failure) {
        throw EFinalError(ErrorReportText(failure.what()), path);
    }
}

} // namespace klarvon
