# Cross toolchain: MinGW-w64 (i686) for the shipped program, win32 threading flavour: the program has one UI thread
# and no std::thread or std::mutex, and the posix flavour's runtime links winpthreads into it (about 29 KB) for
# the exception runtime's locks. (The win64 build keeps the posix flavour: GoogleTest needs std::mutex.)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
