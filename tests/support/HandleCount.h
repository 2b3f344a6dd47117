#pragma once
// Kernel handles open in this process, from the system handle table. GetProcessHandleCount
// reports 0 under Wine, so a leak test built on it could never fail.
#include <cstddef>

// Number of handles of this process, or 0 when the system does not tell.
std::size_t CountProcessHandles();
