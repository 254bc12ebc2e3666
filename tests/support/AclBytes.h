#pragma once
// A POSIX access control list as Linux keeps it in the extended attributes
// system.posix_acl_access (a file's) and system.posix_acl_default (what a folder gives
// new files): a version, then each entry's tag, permissions and ID, little-endian.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace klarvon::test {

enum TAclTag : std::uint32_t {
    AclOwner = 0x01,
    AclUser = 0x02,
    AclGroupOwner = 0x04,
    AclMask = 0x10,
    AclOthers = 0x20,
};
inline constexpr std::uint32_t AclNoId = 0xFFFFFFFF;

inline std::string AclBytes(const std::vector<std::array<std::uint32_t, 3>>& entries) {
    std::string bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes += static_cast<char>((value >> (8 * i)) & 0xFFU);
        }
    };
    constexpr std::uint32_t AclVersion = 2;
    put(AclVersion, 4);
    for (const auto& [tag, permissions, id] : entries) {
        put(tag, 2);
        put(permissions, 2);
        put(id, 4);
    }
    return bytes;
}

// The owner, the group and others as the mode bits give them, and user with mode's
// owner bits.
inline std::string AclGranting(std::uint32_t user, std::uint32_t owner, std::uint32_t group,
                               std::uint32_t others) {
    return AclBytes({{AclOwner, owner, AclNoId},
                     {AclUser, owner, user},
                     {AclGroupOwner, group, AclNoId},
                     {AclMask, owner | group, AclNoId},
                     {AclOthers, others, AclNoId}});
}

} // namespace klarvon::test
