// The running system's kind, read from the kernel's version record (not from the
// compatibility-shimmed GetVersionEx).
#pragma once

#include "model/OsKind.h"

namespace sv
{
OsKind CurrentOsKind();
}
