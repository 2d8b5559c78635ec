# Warning flags per compiler family, attached to targets through an interface
# library so that third-party code (GoogleTest) is never built with them.
add_library(quorvel_warnings INTERFACE)

if(MSVC)
    target_compile_options(quorvel_warnings INTERFACE /W4 /permissive-)
    if(QUORVEL_WARNINGS_AS_ERRORS)
        target_compile_options(quorvel_warnings INTERFACE /WX)
    endif()
else()
    target_compile_options(
        quorvel_warnings
        INTERFACE -Wall
                  -Wextra
                  -Wpedantic
                  -Wshadow
                  -Wconversion
                  -Wsign-conversion
                  -Wold-style-cast
                  -Wnon-virtual-dtor
                  -Woverloaded-virtual
                  -Wnull-dereference
                  -Wdouble-promotion
                  -Wformat=2
                  -Wimplicit-fallthrough)
    if(QUORVEL_WARNINGS_AS_ERRORS)
        target_compile_options(quorvel_warnings INTERFACE -Werror)
    endif()
endif()
