# Run after a link (cmake -DMAP=<link map> -DPROGRAM=<program file> -P): fails the build, and removes the program,
# when the C++ library's own allocator of thrown objects or its exception globals were linked in. Under link-time
# optimisation they then replace the lean runtime's (src/app/LeanRuntime.cpp) without a word.
cmake_policy(VERSION 3.25)
file(STRINGS ${MAP} members REGEX "lib(std|sup)c\\+\\+\\.a\\((eh_alloc|eh_globals)\\.o\\)")
if(members)
  list(TRANSFORM members REPLACE ".*\\.a\\(([a-z_]+\\.o)\\).*" "\\1")
  list(REMOVE_DUPLICATES members)
  file(REMOVE ${PROGRAM})
  message(FATAL_ERROR "${PROGRAM} links the C++ library's ${members} (see ${MAP}): something it calls needs the "
    "library's own exception allocator or globals (std::exception_ptr, std::rethrow_exception and nested exceptions "
    "do), which would replace those of src/app/LeanRuntime.cpp. Do without that call, or drop the lean piece.")
endif()
