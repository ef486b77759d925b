# Compiler and linker settings of every module, for the cross build and a native MinGW build alike.

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

# Unicode build for Windows 7 and later. The definitions reach windres too.
# __USE_MINGW_ANSI_STDIO=0 keeps the C headers on the platform CRT's printf family, where %s in a
# wide format is a wide string. libstdc++ switches MinGW's emulation back on in C++ sources that
# include one of its headers first; the underscore functions (_vsnwprintf, _vscwprintf,
# _snwprintf) call msvcrt either way, so wide formatting goes through those.
add_compile_definitions(UNICODE _UNICODE WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800
                        __USE_MINGW_ANSI_STDIO=0)
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Wall>)
# Misuse checks (ASSERT, VERIFY, TRACE) run in the debug configuration, the default one.
add_compile_definitions($<$<CONFIG:Debug>:_DEBUG>)

# Resource scripts are UTF-8 (each one also says so with #pragma code_page(65001)).
string(APPEND CMAKE_RC_FLAGS " -c 65001")

# One C++ runtime shared by every module: libstdc++ and libgcc as DLLs, so that exceptions and
# heap blocks can cross module boundaries.
add_link_options(-shared-libgcc)

# DLLs are named as on Windows (afxlite.dll, not libafxlite.dll); import libraries keep the
# MinGW form libNAME.dll.a.
set(CMAKE_SHARED_LIBRARY_PREFIX "")
set(CMAKE_SHARED_MODULE_PREFIX "")

# System libraries the modules link against.
set(VO_WIN32_LIBS
    user32 gdi32 comctl32 comdlg32 ole32 oleaut32 uuid shell32 shlwapi advapi32 wininet ws2_32
    version msimg32 windowscodecs winmm imm32 uxtheme urlmon iphlpapi strmiids)

# Makes TARGET a GUI program with a wide entry point (wWinMain).
function(vo_gui_executable target)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    target_link_options(${target} PRIVATE -municode)
endfunction()
