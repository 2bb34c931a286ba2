// libjpeg's error handling made safe for a library: an error jumps back to the caller's
// setjmp instead of ending the process, and no message is printed (the program has no log).
#pragma once

#include <csetjmp>
// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
// clang-format on

struct JpegErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

// Sets the trap up and returns the manager to put into a decompress or compress struct. The
// caller must setjmp(trap.jump) before any libjpeg call that can fail, in a function with no
// C++ objects that need destroying (longjmp skips destructors).
jpeg_error_mgr* InitJpegErrorTrap(JpegErrorTrap& trap);
