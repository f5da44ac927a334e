# Run at build time (cmake -DAR=... -DLIBRARY=.../libstdc++.a -DSTAMP=... -P): fails the build when the C++
# library's exception objects are not those whose private layouts src/app/LeanRuntime.cpp copies (the header in
# front of a thrown object, the exception globals). The compiler alone cannot tell: Debian's MinGW GCC 12.2 reports
# itself as 12.0.0, whatever its release. These objects are the ones built from those layouts, and the code that
# reads them; a library whose layouts changed cannot leave them as they are.
cmake_policy(VERSION 3.25)
set(MEMBERS eh_alloc.o eh_globals.o eh_throw.o eh_catch.o eh_personality.o)
list(JOIN MEMBERS " " names)
# <library folder, as the compiler names it> <SHA-256 of the members, in that order>
set(KNOWN
  "i686-w64-mingw32/12-win32 7e6977bd3ffb6a23f12a313f852488af971e4cb5e05dc9276fd464c7933c2106"
  "x86_64-w64-mingw32/12-posix 4645ae4d04125aecdf41fc79ac3871b86a5c2b1853ea8bdb9a8d7040959f165b")

get_filename_component(folder ${LIBRARY} DIRECTORY)
get_filename_component(version ${folder} NAME)
get_filename_component(folder ${folder} DIRECTORY)
get_filename_component(target ${folder} NAME)
set(copy ${STAMP}.objects)
execute_process(COMMAND ${AR} p ${LIBRARY} ${MEMBERS} OUTPUT_FILE ${copy} RESULT_VARIABLE failed)
file(SHA256 ${copy} digest)
file(REMOVE ${copy})
if(failed OR NOT "${target}/${version} ${digest}" IN_LIST KNOWN)
  message(FATAL_ERROR "The C++ library's exception objects (${names} of ${LIBRARY}, SHA-256 ${digest}) are "
    "not those that src/app/LeanRuntime.cpp was checked against. A compiler or library update may have changed the "
    "layout of __cxa_refcounted_exception or __cxa_eh_globals (libsupc++'s unwind-cxx.h), and a thrown object "
    "would then corrupt memory. Compare LeanRuntime.cpp's ThrownHeader and __cxa_eh_globals with unwind-cxx.h of "
    "this GCC release, run the throw tests (scripts/test.d/lean-runtime), and then record "
    "\"${target}/${version} ${digest}\" in cmake/CheckLeanRuntime.cmake.")
endif()
file(TOUCH ${STAMP})
