# 32-bit Windows, the host's platform, with Debian's MinGW-w64 cross compiler
# (g++-mingw-w64-i686). Its default, the win32 thread model, is used: the
# libraries then need no pthread emulation DLL beside them (the one place
# that wants a recursive mutex uses a critical section instead).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(VKS_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VKS_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${VKS_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${VKS_MINGW_TRIPLE}-windres)
set(CMAKE_DLLTOOL ${VKS_MINGW_TRIPLE}-dlltool)
set(CMAKE_FIND_ROOT_PATH /usr/${VKS_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime goes into each file, so that the DLLs and
# programs run from their folder alone.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# Tests run under wine where it is installed.
find_program(VKS_WINE wine)
if(VKS_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VKS_WINE})
endif()
