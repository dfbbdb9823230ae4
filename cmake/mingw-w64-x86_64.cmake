# Toolchain: 64-bit Windows (ANSI API, code page 932) with mingw-w64 on Debian.
#
#   cmake -S . -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# Executables built with this toolchain run through Wine: CMAKE_CROSSCOMPILING_EMULATOR
# points at <build dir>/wine-run.sh, configured from cmake/wine-run.sh with the build
# directory baked in, so plain `ctest` in the build directory runs the tests under Wine.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TW_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${TW_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TW_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TW_MINGW_PREFIX}-windres)

# Look for libraries and headers only in the target environment, for programs only on the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

# Sources are UTF-8; narrow string literals become Shift-JIS (CP932) for the ANSI API.
# Windows 7 API level, multibyte (not UNICODE) build.  NOMINMAX is deliberately not defined.
set(TW_WIN_DEFINES "-D_WIN32_WINNT=0x0601 -DWINVER=0x0601 -D_MBCS")
set(TW_CHARSET_FLAGS "-finput-charset=UTF-8 -fexec-charset=CP932")
set(CMAKE_C_FLAGS_INIT   "${TW_CHARSET_FLAGS} -Wall -Wextra ${TW_WIN_DEFINES}")
set(CMAKE_CXX_FLAGS_INIT "${TW_CHARSET_FLAGS} -Wall -Wextra ${TW_WIN_DEFINES}")
# Debug builds check the framework's ASSERT and VERIFY conditions.
set(CMAKE_C_FLAGS_DEBUG_INIT   "-g -D_DEBUG")
set(CMAKE_CXX_FLAGS_DEBUG_INIT "-g -D_DEBUG")
# .rc files are UTF-8 too; windres converts their strings to UTF-16 resources.
set(CMAKE_RC_FLAGS_INIT "-c 65001 ${TW_WIN_DEFINES}")

# Link libgcc, libstdc++ and winpthread statically so that the binaries need only
# Windows system DLLs (plus the project's own DLLs).
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Wine wrapper with the build directory (and so the Wine prefix) baked in.
# Skipped inside try_compile projects, whose binary dir is a scratch folder.
get_property(_tw_in_try_compile GLOBAL PROPERTY IN_TRY_COMPILE)
if(NOT _tw_in_try_compile)
    set(TW_BUILD_DIR "${CMAKE_BINARY_DIR}")
    configure_file("${CMAKE_CURRENT_LIST_DIR}/wine-run.sh" "${CMAKE_BINARY_DIR}/wine-run.sh"
                   @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                   GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_BINARY_DIR}/wine-run.sh")
endif()
