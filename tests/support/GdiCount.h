#pragma once
// GDI objects held by this process. GetGuiResources is a stub under Wine that always reports 0,
// so there the count comes from the process's GDI handle table.
#include <cstddef>

// Number of GDI objects of this process, or 0 when the system does not tell.
std::size_t CountGdiObjects();
