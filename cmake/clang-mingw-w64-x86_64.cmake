# Cross-compiles the Windows programs with clang instead of MinGW-w64's gcc, against the same MinGW-w64
# headers and import libraries and gcc's posix-thread libstdc++ (GoogleTest needs std::mutex), linked
# by lld. A second compiler keeps the code off either compiler's leniencies.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_SYSROOT /usr/${triple})

# clang does not find the libstdc++ of the cross gcc by itself (Debian names its folder "12-posix"):
# the newest posix-thread folder is named here (the sysroot keeps the host's C++ headers out).
file(GLOB gcc_dirs LIST_DIRECTORIES true /usr/lib/gcc/${triple}/*-posix)
list(SORT gcc_dirs COMPARE NATURAL ORDER DESCENDING)
list(GET gcc_dirs 0 gcc_dir)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${gcc_dir}/include/c++ ${gcc_dir}/include/c++/${triple}
                                           ${gcc_dir}/include/c++/backward)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Static like the gcc build: no MinGW runtime DLLs next to the programs. The posix-thread libstdc++
# needs winpthreads, which gcc's driver adds by itself and clang's does not.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -static -L${gcc_dir} -lpthread")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")
