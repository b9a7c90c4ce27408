#include "platform/Sandbox.h"

#include <linux/landlock.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>

namespace {

// Newer rights than the system's headers may know, as the kernel numbers them.
constexpr std::uint64_t accessFsTruncate = 1ULL << 14; // ABI 3
constexpr std::uint64_t accessNetBindTcp = 1ULL << 0;  // ABI 4
constexpr std::uint64_t accessNetConnectTcp = 1ULL << 1;

} // namespace

namespace Sandbox {

void closeDescriptorsFrom(int first)
{
    if (::close_range(unsigned(first), UINT_MAX, 0) == 0) {
        return;
    }
    // Kernels before 5.9: close what could be open.
    const long limit = sysconf(_SC_OPEN_MAX);
    for (long fd = first; fd < (limit > 0 ? limit : 4096); ++fd) {
        ::close(int(fd));
    }
}

bool forbidNewPrivileges()
{
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0;
}

Restriction forbidWritingFiles()
{
#ifdef SYS_landlock_create_ruleset
    const long abi = syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    if (abi < 1) {
        return errno == ENOSYS || errno == EOPNOTSUPP ? Restriction::Unsupported : Restriction::Failed;
    }
    // Reading is left alone (not handled); every right named here is refused
    // everywhere, since no rule grants it back.
    std::uint64_t fs = LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_WRITE_FILE
                       | LANDLOCK_ACCESS_FS_REMOVE_DIR | LANDLOCK_ACCESS_FS_REMOVE_FILE
                       | LANDLOCK_ACCESS_FS_MAKE_CHAR | LANDLOCK_ACCESS_FS_MAKE_DIR
                       | LANDLOCK_ACCESS_FS_MAKE_REG | LANDLOCK_ACCESS_FS_MAKE_SOCK
                       | LANDLOCK_ACCESS_FS_MAKE_FIFO | LANDLOCK_ACCESS_FS_MAKE_BLOCK
                       | LANDLOCK_ACCESS_FS_MAKE_SYM;
    if (abi >= 2) {
        fs |= LANDLOCK_ACCESS_FS_REFER;
    }
    if (abi >= 3) {
        fs |= accessFsTruncate;
    }
    struct
    {
        std::uint64_t fs;
        std::uint64_t net;
    } attributes{fs, 0};
    size_t size = sizeof(std::uint64_t); // ABI 1-3 know only the file rights
    if (abi >= 4) {
        attributes.net = accessNetBindTcp | accessNetConnectTcp;
        size = sizeof attributes;
    }
    const long ruleset = syscall(SYS_landlock_create_ruleset, &attributes, size, 0);
    if (ruleset < 0) {
        return Restriction::Failed;
    }
    const long applied = syscall(SYS_landlock_restrict_self, int(ruleset), 0);
    ::close(int(ruleset));
    return applied == 0 ? Restriction::Applied : Restriction::Failed;
#else
    return Restriction::Unsupported;
#endif
}

} // namespace Sandbox
