#pragma once

// Taking rights away from the current process, for helper processes that read
// untrusted files. Each call only ever narrows what the process may do, and
// applies to the threads started after it (call them before starting any).

namespace Sandbox {

// Closes every descriptor numbered `first` or higher.
void closeDescriptorsFrom(int first);

// The process and its children can never gain privileges (set-id programs,
// file capabilities) again.
bool forbidNewPrivileges();

enum class Restriction { Applied, Unsupported, Failed };

// From now on the process can't create, change, remove or execute files, nor
// open TCP connections, wherever the kernel offers Landlock (Linux 5.13 and
// later; network rules from 6.7). Reading files and using descriptors already
// open stay allowed. Unsupported on older kernels, where nothing changes.
// Needs forbidNewPrivileges() first.
Restriction forbidWritingFiles();

} // namespace Sandbox
