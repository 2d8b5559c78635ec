# Runs clang-tidy over every source under src/ and tests/ that a build
# compiles, as its compile_commands.json lists them; any finding fails.
#   cmake -DCLANG_TIDY=clang-tidy [-DRUN_CLANG_TIDY=run-clang-tidy]
#         -DSOURCE_DIR=... -DBUILD_DIR=... -P run_clang_tidy.cmake
# run-clang-tidy, where it exists, checks the files in parallel.
file(READ "${BUILD_DIR}/compile_commands.json" commands)
string(JSON count LENGTH "${commands}")
set(sources)
if(count GREATER 0)
    math(EXPR last "${count} - 1")
    foreach(index RANGE ${last})
        string(JSON source GET "${commands}" ${index} file)
        file(RELATIVE_PATH relative "${SOURCE_DIR}" "${source}")
        if(relative MATCHES "^(src|tests)/")
            list(APPEND sources "${source}")
        endif()
    endforeach()
endif()
list(REMOVE_DUPLICATES sources)
if(NOT sources)
    message(FATAL_ERROR "no project sources in ${BUILD_DIR}/compile_commands.json")
endif()

if(RUN_CLANG_TIDY)
    # It takes regular expressions, not names: one that matches exactly
    # the selected files.
    set(patterns)
    foreach(source IN LISTS sources)
        string(REGEX REPLACE "([][+.*()^$?{}|\\\\])" "\\\\\\1" pattern "${source}")
        list(APPEND patterns "${pattern}")
    endforeach()
    list(JOIN patterns "|" pattern)
    cmake_host_system_information(RESULT jobs QUERY NUMBER_OF_LOGICAL_CORES)
    set(command "${RUN_CLANG_TIDY}" "-clang-tidy-binary=${CLANG_TIDY}" -p "${BUILD_DIR}" -quiet
                -j ${jobs} "^(${pattern})$")
else()
    set(command "${CLANG_TIDY}" -p "${BUILD_DIR}" --quiet ${sources})
endif()
execute_process(COMMAND ${command} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "clang-tidy reported findings (exit status ${status})")
endif()
