#pragma once

// The system's file layer and code-page converter, for tests that run the core over the real
// file system: the same tests run on Linux and, cross-built, on Windows.
#ifdef _WIN32
#include "platform/windows/WinFileSystem.h"
#include "platform/windows/WinTextCodec.h"
#else
#include "platform/linux/IconvTextCodec.h"
#include "platform/linux/PosixFileSystem.h"
#endif

namespace qx71::test {

#ifdef _WIN32
using SystemFileSystem = WinFileSystem;
using SystemTextCodec = WinTextCodec;
#else
using SystemFileSystem = PosixFileSystem;
using SystemTextCodec = IconvTextCodec;
#endif

} // namespace qx71::test
