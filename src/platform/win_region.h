#pragma once

#include <windows.h>

#include "platform/unique_handle.h"
#include "shaping/region.h"

// A region as the window system takes it, made in one call.
UniqueHrgn ToHrgn(const Region& region);
// And back: the system's region as a portable one.
Region FromHrgn(HRGN region);
