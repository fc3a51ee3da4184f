# Cross build for 64-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DZARNO_WITH_QT=OFF
# or, with the window, against the Qt that scripts/build-qt-windows makes:
#   cmake -S . -B build-windows-qt -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DZARNO_WINDOWS_QT=<the folder it prints>
# The posix flavour of the compiler, since the row engine uses std::thread. Tests run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${ZARNO_WINDOWS_QT})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZARNO_WINDOWS_QT)
if(ZARNO_WINDOWS_QT)
    # Qt's moc, rcc and uic run on the host: Debian's, of the same version.
    list(APPEND CMAKE_PREFIX_PATH ${ZARNO_WINDOWS_QT})
    set(QT_HOST_PATH /usr CACHE PATH "The host's Qt")
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "The host's Qt")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The header-only libraries (pcg-cpp, Boost.Math, nlohmann's JSON, CLI11) are the host's; they are searched after the
# target's system headers, so that those always win.
set(CMAKE_CXX_FLAGS_INIT "-idirafter /usr/include")
# The compiler's runtime linked in, so a test program runs under wine on its own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(ZARNO_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ZARNO_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ZARNO_WINE})
endif()
