# The two large pictures of the windows, packed at build time (ui/components/Picture.h):
# PACKED_PICTURES_DIR holds logo.lz and title.lz once the target packed_pictures is built.
set(PACKED_PICTURES_DIR ${CMAKE_BINARY_DIR}/pictures)
set(PACKED_PICTURES)
foreach(picture logo title)
    set(packed ${PACKED_PICTURES_DIR}/${picture}.lz)
    add_custom_command(OUTPUT ${packed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PACKED_PICTURES_DIR}
        COMMAND python3 ${CMAKE_SOURCE_DIR}/scripts/tools/pack_picture.py
            ${CMAKE_SOURCE_DIR}/resources/${picture}.bmp ${packed}
        DEPENDS ${CMAKE_SOURCE_DIR}/resources/${picture}.bmp
            ${CMAKE_SOURCE_DIR}/scripts/tools/pack_picture.py)
    list(APPEND PACKED_PICTURES ${packed})
endforeach()
add_custom_target(packed_pictures DEPENDS ${PACKED_PICTURES})
