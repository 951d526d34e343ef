# Debian's hardening flags for everything built here: position-independent executables,
# full RELRO, stack protection and fortified libc calls (tests/hardening_check.sh checks them).
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()

add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat
                    -Werror=format-security)
add_link_options(-Wl,-z,relro,-z,now)

# Fortified calls need optimisation, and AddressSanitizer checks those calls itself.
if(NOT ZELTO_SANITIZE)
    add_compile_options(
        $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE>
        $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
endif()

# The compile commands let the hardening test see that every source was fortified.
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
