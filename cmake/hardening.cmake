# The hardening Debian gives its own packages (dpkg-buildflags with hardening=+all), for every target,
# and on Windows its counterparts. Only the hardening flags: the build type keeps choosing
# optimization and debug information.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# Stack-clash and control-flow protection exist only on some compilers and targets
# (-fcf-protection on x86, -mbranch-protection on Arm), as dpkg-buildflags gives them from Debian 13 on.
# Windows probes every large stack frame page by page itself (__chkstk), and MinGW-w64's GCC 12 fails
# with an internal error on -fstack-clash-protection: there it is left out.
set(flags -fcf-protection -mbranch-protection=standard)
if(NOT WIN32)
    list(APPEND flags -fstack-clash-protection)
endif()
foreach(flag IN LISTS flags)
    string(MAKE_C_IDENTIFIER "URAGAE_CXX_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
        add_compile_options(${flag})
    endif()
endforeach()

# Fortify works only when optimizing, so the optimized build types alone ask for it, at the level
# dpkg-buildflags gives on Debian 12 and 13 alike. Some compilers define a level of their own
# (Ubuntu's); -U replaces it instead of redefining it.
set(optimized "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
add_compile_options("$<${optimized}:-U_FORTIFY_SOURCE>" "$<${optimized}:-D_FORTIFY_SOURCE=2>")

if(WIN32)
    # MinGW-w64's stack protector and fortified functions live in libssp, which the compiler driver
    # links when the flag is on the link line too.
    add_link_options(-fstack-protector-strong)
    # Address-space layout randomization with a high-entropy 64-bit base, and no executable data
    # (DEP). Stated, not left to the linker's defaults, which binutils changed in 2.36.
    add_link_options(LINKER:--dynamicbase LINKER:--high-entropy-va LINKER:--nxcompat)
else()
    # Position-independent executables, linked with -pie where the toolchain can (policy CMP0083).
    check_pie_supported(LANGUAGES CXX)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    # Read-only relocations, bound at start-up.
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
