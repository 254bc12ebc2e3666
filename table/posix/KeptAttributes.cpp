#include "table/posix/KeptAttributes.h"

#include "table/FileHandle.h"
#include "table/InOutError.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace klarvon {

namespace {

// Only the read, write and execute bits pass to a replacement: set-user-ID and set-group-ID
// would hand the rights of whoever the file belongs to to its text.
constexpr mode_t PermissionBits = 0777;
// Where Linux keeps a file's access control list; copied as any other attribute, its
// permission entries match the mode bits copied after it.
constexpr std::string_view AccessControlList = "system.posix_acl_access";
constexpr std::size_t NameBufferSize = 16384;

std::string Wording(int errnoValue) {
    return std::generic_category().message(errnoValue);
}

ESystemError Failure(int errnoValue, const std::string& path) {
    return ESystemError(InOutErrorFromErrno(errnoValue, path), Wording(errnoValue));
}

bool KeepsNoAttributes(int errnoValue) {
    return errnoValue == ENOTSUP || errnoValue == ENOSYS;
}

std::string UserName(uid_t uid) {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(NameBufferSize);
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
        return found->pw_name;
    }
    return std::to_string(uid);
}

std::string GroupName(gid_t gid) {
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(NameBufferSize);
    if (::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
        return found->gr_name;
    }
    return std::to_string(gid);
}

std::string Describe(const std::string& name) {
    return name == AccessControlList ? "an access control list (ACL)"
                                     : "the extended attribute " + name;
}

EKeptAttributeError Refusal(const std::string& path, const std::string& what) {
    return EKeptAttributeError("'" + path + "' " + what + "; nothing was written", path);
}

// The names of fd's extended attributes; none where its file system keeps none.
std::vector<std::string> AttributeNames(int fd, const std::string& path) {
    for (;;) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0) {
            if (KeepsNoAttributes(errno)) {
                return {};
            }
            throw Failure(errno, path);
        }
        std::vector<char> list(static_cast<std::size_t>(size));
        const ssize_t got = ::flistxattr(fd, list.data(), list.size());
        if (got < 0) {
            if (errno == ERANGE) {
                continue; // one was added meanwhile
            }
            throw Failure(errno, path);
        }
        std::vector<std::string> names;
        for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
            const std::string name(list.data() + at);
            at += name.size() + 1;
            names.push_back(name);
        }
        return names;
    }
}

// The value of one attribute of fd; none once it is gone.
std::optional<std::vector<char>> AttributeValue(int fd, const std::string& name,
                                                const std::string& path) {
    for (;;) {
        const ssize_t size = ::fgetxattr(fd, name.c_str(), nullptr, 0);
        if (size < 0) {
            if (errno == ENODATA || KeepsNoAttributes(errno)) {
                return std::nullopt;
            }
            throw Failure(errno, path);
        }
        std::vector<char> value(static_cast<std::size_t>(size));
        const ssize_t got = ::fgetxattr(fd, name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return value;
        }
        if (errno == ENODATA) {
            return std::nullopt;
        }
        if (errno != ERANGE) {
            throw Failure(errno, path);
        }
    }
}

// Only root may give a file away, and others may only pass on a group of their own; a
// file system without owners (FAT) gives every file the same ones, so whatever the calls
// say, the new file's owner and group are what counts.
void KeepOwner(const struct stat& model, const std::string& modelPath, int fd,
               const std::string& path) {
    if (::fchown(fd, model.st_uid, model.st_gid) != 0) {
        ::fchown(fd, static_cast<uid_t>(-1), model.st_gid);
    }
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        throw Failure(errno, path);
    }
    const std::string writer = UserName(::geteuid());
    if (now.st_uid != model.st_uid) {
        const std::string owner = UserName(model.st_uid);
        throw Refusal(modelPath, "belongs to " + owner + ", and a new file written by " + writer +
                                     " in its place could not be given to " + owner +
                                     "; change it as " + owner +
                                     (model.st_uid == 0 ? "" : " or as root"));
    }
    if (now.st_gid != model.st_gid) {
        const std::string group = GroupName(model.st_gid);
        throw Refusal(modelPath, "is of the group " + group + ", which a new file written by " +
                                     writer + " in its place could not be given; change it as a " +
                                     "member of " + group + " or as root");
    }
}

void KeepExtendedAttributes(int model, const std::string& modelPath, int fd,
                            const std::string& path) {
    const std::vector<std::string> names = AttributeNames(model, modelPath);
    for (const std::string& name : names) {
        const std::optional<std::vector<char>> value = AttributeValue(model, name, modelPath);
        // One the new file has already (a security label given by the folder) is not set
        // again: that could need rights the writer lacks.
        if (!value || AttributeValue(fd, name, path) == value) {
            continue;
        }
        if (::fsetxattr(fd, name.c_str(), value->data(), value->size(), 0) != 0) {
            throw Refusal(modelPath, "has " + Describe(name) +
                                         ", which a new file in its place could not be given (" +
                                         Wording(errno) + ")");
        }
    }
    // A folder's default ACL gives new files one; the file replaced had none, and its
    // replacement must not let in more than it did.
    const std::vector<std::string> given = AttributeNames(fd, path);
    const auto acl = std::string(AccessControlList);
    if (std::find(given.begin(), given.end(), acl) != given.end() &&
        std::find(names.begin(), names.end(), acl) == names.end() &&
        ::fremovexattr(fd, acl.c_str()) != 0 && errno != ENODATA) {
        throw Refusal(modelPath, "has no access control list (ACL), and the one its folder gives "
                                 "a new file could not be taken away (" +
                                     Wording(errno) + ")");
    }
}

} // namespace

void KeepAttributes(int model, const std::string& modelPath, int fd, const std::string& path) {
    struct stat info {};
    if (::fstat(model, &info) != 0) {
        throw Failure(errno, modelPath);
    }
    // The owner first: a change of owner may clear attributes that grant rights.
    KeepOwner(info, modelPath, fd, path);
    KeepExtendedAttributes(model, modelPath, fd, path);
    // Last, so that the ACL's entries for the owner, the group mask and others are the
    // mode's. EPERM: a file system without modes (FAT), where there is nothing to keep.
    if (::fchmod(fd, info.st_mode & PermissionBits) != 0 && errno != EPERM) {
        throw Failure(errno, path);
    }
}

} // namespace klarvon
