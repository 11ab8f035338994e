# Cross-building for Windows with Debian's MinGW-w64 (the posix thread model, which gives
# std::thread and std::this_thread): 32-bit (i686-w64-mingw32, the program users get) unless
# ORVEX_WINDOWS_TRIPLE names x86_64-w64-mingw32, the 64-bit build that machines without
# 32-bit program support run under Wine. The libraries built for the target by
# scripts/windows/build-deps.sh are found under ORVEX_WINDOWS_DEPS.
set(CMAKE_SYSTEM_NAME Windows)

if(NOT ORVEX_WINDOWS_TRIPLE)
  if(DEFINED ENV{ORVEX_WINDOWS_TRIPLE})
    set(ORVEX_WINDOWS_TRIPLE "$ENV{ORVEX_WINDOWS_TRIPLE}")
  else()
    set(ORVEX_WINDOWS_TRIPLE i686-w64-mingw32)
  endif()
endif()
set(orvex_target_triple ${ORVEX_WINDOWS_TRIPLE})
if(orvex_target_triple MATCHES "^x86_64")
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
else()
  set(CMAKE_SYSTEM_PROCESSOR x86)
endif()
set(CMAKE_C_COMPILER ${orvex_target_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${orvex_target_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${orvex_target_triple}-windres)

if(NOT ORVEX_WINDOWS_DEPS AND DEFINED ENV{ORVEX_WINDOWS_DEPS})
  set(ORVEX_WINDOWS_DEPS "$ENV{ORVEX_WINDOWS_DEPS}")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVEX_WINDOWS_DEPS ORVEX_WINDOWS_TRIPLE)

set(CMAKE_FIND_ROOT_PATH /usr/${orvex_target_triple} ${ORVEX_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
