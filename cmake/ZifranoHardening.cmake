# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# The hardening Debian builds its packages with, for every optimised build outside Debian's
# packaging: the tool reads untrusted input. debian/rules turns this off and takes the same
# flags from dpkg-buildflags instead. Debug builds are left alone (fortified functions need
# optimisation), and so are the sanitizer and fuzzing presets, which set ZIFRANO_HARDENING
# off: the sanitizers do those checks themselves, better.
if(NOT ZIFRANO_HARDENING)
    return()
endif()

include(CheckCXXCompilerFlag)
set(_zifrano_optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")

# A compiler that fortifies by itself would warn of a redefinition, an error under -Werror.
add_compile_options(
    "$<${_zifrano_optimised}:-U_FORTIFY_SOURCE>"
    "$<${_zifrano_optimised}:-D_FORTIFY_SOURCE=2>"
    "$<${_zifrano_optimised}:-fstack-protector-strong>")
# Control-flow protection exists on x86 only.
check_cxx_compiler_flag(-fcf-protection ZIFRANO_HAVE_CF_PROTECTION)
if(ZIFRANO_HAVE_CF_PROTECTION)
    add_compile_options("$<${_zifrano_optimised}:-fcf-protection>")
endif()
if(WIN32)
    # Windows has no ELF relocations to protect; its loader randomises and guards the image
    # instead, when the image asks for it. mingw-w64's C library has no stack protector of its
    # own: the flag at link time brings in GCC's.
    add_link_options("$<${_zifrano_optimised}:LINKER:--dynamicbase,--nxcompat,--high-entropy-va>"
        "$<${_zifrano_optimised}:-fstack-protector-strong>")
else()
    add_link_options("$<${_zifrano_optimised}:LINKER:-z,relro,-z,now>")
endif()
