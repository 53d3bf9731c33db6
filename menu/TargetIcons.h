// A target's small icon, read as data only: a program is never run nor loaded as code, and the shell
// is asked by file type alone, so no icon handler, shortcut or control-panel item is ever loaded for
// a file from the stick. Type icons need a COM apartment on the calling thread.
#pragma once

#include "common/UniqueHandle.h"
#include "menu/core/TargetKind.h"

#include <windows.h>

#include <string>

namespace corvane::menu {

// The icon of an existing file of that kind whose attributes are `attributes`, `size` pixels square:
// a program's own, an icon file's own, anything else by its type. A file
// that is a link or whose contents are elsewhere (a cloud file not yet fetched) is never read: it
// gets its type's icon. Null when no icon could be made.
UniqueIcon ReadTargetIcon(const std::wstring& path, const TargetKind& kind, DWORD attributes, int size);

}  // namespace corvane::menu
