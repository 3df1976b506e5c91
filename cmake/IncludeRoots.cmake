# Every file includes the project's headers by their path from the project's
# folder ("platform/afx/afxwin.h", "clock/bargauge.h"), yet a target sees only
# the headers its layer may use. Each target gets an include root of its own
# in the build tree, holding links to just the folders (or single headers) it
# owns; a target compiles with its own root and the roots of what it links.
# So an include that the layers do not allow fails to build:
#
#   program folders -> platform/afx -> platform/win
#   platform/qt, platform/posix, platform/win32 -> platform/win and
#       platform/afx/afxbackend.h (and afxacc.h), nothing else of the framework
#
# tarvik_include_root(<target> <PUBLIC|PRIVATE|INTERFACE> <path>...) adds the
# paths (relative to the project's folder) to the target's root.

set(TARVIK_INCLUDE_ROOTS ${PROJECT_BINARY_DIR}/include)
# Links of folders that have gone since the last configure go with them.
file(REMOVE_RECURSE ${TARVIK_INCLUDE_ROOTS})

function(tarvik_include_root target scope)
    set(root ${TARVIK_INCLUDE_ROOTS}/${target})
    foreach(path IN LISTS ARGN)
        if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${path})
            message(FATAL_ERROR "tarvik_include_root(${target}): no ${path} in the project")
        endif()
        get_filename_component(parent ${root}/${path} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${root}/${path} SYMBOLIC)
    endforeach()
    # A target whose folders join its root in several calls gets it once.
    get_property(added TARGET ${target} PROPERTY TARVIK_INCLUDE_ROOT SET)
    if(NOT added)
        set_property(TARGET ${target} PROPERTY TARVIK_INCLUDE_ROOT ${root})
        target_include_directories(${target} ${scope} ${root})
    endif()
endfunction()
