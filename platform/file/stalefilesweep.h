// Removes the temporary files that writers killed outright (SIGKILL, a
// power cut) left in a folder.
#pragma once

#include <string>

namespace StaleFileSweep {

// Removes every file in folder whose name starts with prefix and whose
// writer is gone, once per folder and process. A live writer holds a lock
// on its file for as long as it writes, so its file is never taken, even
// when several processes share the folder.
void sweepOnce(const std::string &folder, const std::string &prefix);

} // namespace StaleFileSweep
