# Renders the manual page as plain text with Windows line ends.
# Usage: cmake -DFORMATTER=mandoc|groff -DPAGE=quorvel.1 -DTEXT=quorvel.txt -P render_text.cmake
get_filename_component(formatter_name "${FORMATTER}" NAME_WE)
if(formatter_name STREQUAL "mandoc")
    set(command "${FORMATTER}" -T ascii "${PAGE}")
else()
    # -c: overstrike instead of terminal escapes, which the next step removes.
    set(command "${FORMATTER}" -man -T ascii -P-c "${PAGE}")
endif()
execute_process(COMMAND ${command} OUTPUT_VARIABLE text RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${FORMATTER} failed (${status}) on ${PAGE}")
endif()

# Bold and underline arrive as "c<BS>c" and "_<BS>c"; a text editor shows
# the backspaces as junk, so keep only the character that follows them.
string(ASCII 8 backspace)
string(REGEX REPLACE "[^\n]${backspace}" "" text "${text}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${TEXT}" "${text}")
