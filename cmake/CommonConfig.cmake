# Build settings shared by every target of the project.
add_library(tallowmere_common INTERFACE)
target_compile_features(tallowmere_common INTERFACE cxx_std_20)
target_compile_options(tallowmere_common INTERFACE -Wall -Wextra
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wformat=2 -Wshadow)
# Nothing leaves a library or program but what says so: the run-time modules export
# their one entry point (base/ModuleExport.h), the static libraries nothing at all.
target_compile_options(tallowmere_common INTERFACE -fvisibility=hidden -fvisibility-inlines-hidden)
target_compile_definitions(tallowmere_common INTERFACE
    QT_USE_QSTRINGBUILDER
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)
# Hardened as Debian hardens its packages: checked string and memory functions where
# the compiler optimises (it needs that to see buffer sizes), a stack protector, and
# relocations made read-only and bound at start. A packager's own _FORTIFY_SOURCE level
# gives way to this one rather than clash with it.
option(TALLOWMERE_HARDENING "Build with Debian's hardening flags" ON)
if(TALLOWMERE_HARDENING)
    target_compile_options(tallowmere_common INTERFACE -fstack-protector-strong
        $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    target_link_options(tallowmere_common INTERFACE LINKER:-z,relro,-z,now)
endif()
# The test builds treat every warning as an error (scripts/test.sh, the sanitize preset);
# a packager's build with a newer compiler does not.
option(TALLOWMERE_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
if(TALLOWMERE_WARNINGS_AS_ERRORS)
    target_compile_options(tallowmere_common INTERFACE -Werror)
endif()
if(TALLOWMERE_SANITIZE)
    target_compile_options(tallowmere_common INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(tallowmere_common INTERFACE -fsanitize=address,undefined)
endif()
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
