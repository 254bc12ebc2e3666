#pragma once
// Test helpers for the file half of the core: synthetic executables (filler, the table
// signature at chosen offsets, records), whole-file checks, and running a piece of code
// in a child process, optionally as the unprivileged user nobody (POSIX only).

#include "tests/support/TempDir.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <span>
#include <stdexcept>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace klarvon::test {

// The 36 bytes the locator looks for, spelled out here rather than taken from the code
// under test, so a typo there cannot hide.
inline TBytes SignatureBytes() {
    return {0x5C, 0x55, 0x73, 0x65, 0x72, 0x20, 0x54, 0x72, 0x61, 0x63, 0x6B, 0x73,
            0x5C, 0x00, 0x00, 0x00, 0x77, 0x62, 0x00, 0x00, 0x0A, 0xD7, 0xA3, 0x3B,
            0x66, 0x66, 0x66, 0x40, 0x00, 0x00, 0x48, 0x42, 0x00, 0x00, 0x00, 0x00};
}

// Pseudo-random bytes, the same for the same seed. Backslashes and 'f's (0x66, common in
// floats) are made common so the search meets many false starts, as it does in a real
// executable.
inline TBytes Filler(std::size_t size, std::uint32_t seed) {
    std::mt19937 random(seed);
    TBytes bytes(size);
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (i % 4 == 0) {
            word = static_cast<std::uint32_t>(random());
        }
        const auto value = static_cast<std::uint8_t>(word >> (8 * (i % 4)));
        bytes[i] = value < 16 ? std::uint8_t{0x5C} : value < 48 ? std::uint8_t{0x66} : value;
    }
    return bytes;
}

// Copies part into bytes at offset; the part may be cut by the end of bytes.
inline void Put(TBytes& bytes, std::size_t offset, const TBytes& part) {
    if (offset > bytes.size()) {
        throw std::out_of_range("Put past the end");
    }
    const std::size_t count = std::min(part.size(), bytes.size() - offset);
    std::copy_n(part.begin(), count, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

// A file of size bytes: filler with the signature at each offset (cut off by the end
// where it does not fit).
inline TBytes Executable(std::size_t size, std::initializer_list<std::size_t> signatures,
                         std::uint32_t seed = 1) {
    TBytes bytes = Filler(size, seed);
    for (std::size_t offset : signatures) {
        Put(bytes, offset, SignatureBytes());
    }
    return bytes;
}

// Writes bytes into an existing file at offset, leaving the rest of it alone.
inline void WriteAt(const std::string& path, std::uint64_t offset, const TBytes& bytes) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

// A file of size bytes that takes no room on disk until written to (where the file
// system allows holes).
inline void SparseFile(const std::string& path, std::uint64_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).close();
    std::error_code error;
    std::filesystem::resize_file(path, size, error);
    if (error) {
        throw std::runtime_error("cannot size " + path);
    }
}

// Little-endian bytes of a value of width bytes.
inline TBytes LittleEndian(std::uint32_t value, std::size_t width) {
    TBytes bytes(width);
    for (std::size_t i = 0; i < width; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return bytes;
}

// Files (handles, on Windows) the test process holds, to see that none is left open.
inline std::size_t OpenFileCount() {
#ifdef _WIN32
    DWORD count = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &count);
    return count;
#else
    std::size_t count = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (::readdir(dir) != nullptr) {
            ++count;
        }
        ::closedir(dir);
    }
    return count;
#endif
}

#ifndef _WIN32
struct TChildResult {
    std::string Output; // what the child's code returned, or "throws: <what()>"
    long MaxResidentKiB = 0;
};

// Runs code in a forked child and hands back its answer. As nobody, the child has dropped
// root's privileges for good, so permissions apply to it as to any user.
inline TChildResult RunInChild(const std::function<std::string()>& code, bool asNobody) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        ::close(pipeFds[0]);
        std::string output;
        if (asNobody) {
            const passwd* nobody = ::getpwnam("nobody");
            if (nobody == nullptr || ::setgroups(0, nullptr) != 0 ||
                ::setresgid(nobody->pw_gid, nobody->pw_gid, nobody->pw_gid) != 0 ||
                ::setresuid(nobody->pw_uid, nobody->pw_uid, nobody->pw_uid) != 0) {
                ::_exit(3);
            }
        }
        try {
            output = code();
        } catch (const std::exception& error) {
            output = std::string("throws: ") + error.what();
        }
        std::size_t done = 0;
        while (done < output.size()) {
            const ssize_t put = ::write(pipeFds[1], output.data() + done, output.size() - done);
            if (put <= 0) {
                ::_exit(4);
            }
            done += static_cast<std::size_t>(put);
        }
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    TChildResult result;
    std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t got = ::read(pipeFds[0], buffer.data(), buffer.size());
        if (got <= 0) {
            break;
        }
        result.Output.append(buffer.data(), static_cast<std::size_t>(got));
    }
    ::close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error("child failed, status " + std::to_string(status));
    }
    result.MaxResidentKiB = usage.ru_maxrss;
    return result;
}
#endif

// What code returns, or "throws: <what()>", seen by a user without special rights: on
// POSIX a child that has given up root's; on Windows the test itself, as a file's
// read-only attribute binds every user alike.
inline std::string OutcomeForAnOrdinaryUser(const std::function<std::string()>& code) {
#ifdef _WIN32
    try {
        return code();
    } catch (const std::exception& error) {
        return std::string("throws: ") + error.what();
    }
#else
    return RunInChild(code, /*asNobody=*/true).Output;
#endif
}

} // namespace klarvon::test
