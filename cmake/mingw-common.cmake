# Shared part of the two mingw-w64 toolchains (posix thread model, static runtime).
set(CMAKE_C_COMPILER ${VJD_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VJD_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VJD_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${VJD_MINGW_TRIPLE}-objdump)
set(CMAKE_OBJCOPY ${VJD_MINGW_TRIPLE}-objcopy)
set(CMAKE_DLLTOOL ${VJD_MINGW_TRIPLE}-dlltool)
set(CMAKE_FIND_ROOT_PATH /usr/${VJD_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Every module carries its own copy of the C++ runtime, so no mingw DLL has to be found at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
