# Windows cross build with Debian's MinGW-w64 (posix thread model, which has the
# C++ threading that GoogleTest needs). OVALDI_WIN_ARCH picks i686, the product's
# architecture, or x86_64, which Wine runs on machines whose kernel refuses
# 32-bit code.
if(NOT OVALDI_WIN_ARCH)
    set(OVALDI_WIN_ARCH i686)
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${OVALDI_WIN_ARCH})
set(triple ${OVALDI_WIN_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Executables carry their runtime; DLLs choose per target.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run")
