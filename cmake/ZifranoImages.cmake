# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# The window's images are drawn at build time from their sources: rsvg-convert renders an SVG at
# a size, icotool packs the renderings into an icon and Pillow writes the logo as GIF. None of
# them writes a date or the build's paths, so two builds give the same bytes.
find_program(ZIFRANO_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ZIFRANO_ICOTOOL icotool REQUIRED)
# Debian's own Python, which python3-pil is installed for.
find_program(ZIFRANO_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)

# zifrano_render_svg(<svg> <png> <width> <height> [STYLESHEET <css>])
function(zifrano_render_svg svg png width height)
    cmake_parse_arguments(PARSE_ARGV 4 arg "" "STYLESHEET" "")
    get_filename_component(svg "${svg}" ABSOLUTE)
    set(style)
    if(arg_STYLESHEET)
        get_filename_component(arg_STYLESHEET "${arg_STYLESHEET}" ABSOLUTE)
        set(style "--stylesheet=${arg_STYLESHEET}")
    endif()
    add_custom_command(OUTPUT "${png}"
        COMMAND ${ZIFRANO_RSVG_CONVERT} ${style} --width=${width} --height=${height}
            --output=${png} ${svg}
        DEPENDS "${svg}" ${arg_STYLESHEET} VERBATIM)
endfunction()

# zifrano_pack_icon(<ico> BIT_DEPTH <bits> IMAGES <png>... [RAW <png>]): RAW is kept as PNG
# inside the icon, as Windows keeps its largest size.
function(zifrano_pack_icon ico)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "BIT_DEPTH;RAW" "IMAGES")
    set(raw)
    if(arg_RAW)
        set(raw "--raw=${arg_RAW}")
    endif()
    add_custom_command(OUTPUT "${ico}"
        COMMAND ${ZIFRANO_ICOTOOL} --create --bit-depth=${arg_BIT_DEPTH} --output=${ico}
            ${arg_IMAGES} ${raw}
        DEPENDS ${arg_IMAGES} ${arg_RAW} VERBATIM)
endfunction()

# zifrano_write_gif(<png> <gif>)
function(zifrano_write_gif png gif)
    set(script "${PROJECT_SOURCE_DIR}/cmake/gif89a.py")
    add_custom_command(OUTPUT "${gif}"
        COMMAND ${ZIFRANO_PYTHON3} ${script} ${png} ${gif}
        DEPENDS "${png}" "${script}" VERBATIM)
endfunction()
