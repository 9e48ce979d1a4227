# cmake -DBUILD_DIR=... -DCONSUMER_DIR=... -DWORK_DIR=... -DGENERATOR=... -DCXX_COMPILER=...
#       -DLIBDIR=... -P CheckInstalledLibrary.cmake
# Installs the TamsuToolKit and TamsuToolKitDevelopment components of BUILD_DIR (the
# runtime and the -dev package's contents) into a scratch prefix, then
# builds and runs the consumer through find_package and through pkg-config, and
# checks that the library exports only the toolkit's own symbols.
include(${CMAKE_CURRENT_LIST_DIR}/../../support/RunChecked.cmake)

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --component TamsuToolKit --prefix ${prefix})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --component TamsuToolKitDevelopment
    --prefix ${prefix})

file(GLOB sonames ${prefix}/${LIBDIR}/libTamsuToolKit.so.*)
list(LENGTH sonames soname_count)
if(soname_count LESS 2)
    message(FATAL_ERROR "expected a versioned library and its soname link, found: ${sonames}")
endif()
run(objdump -p ${prefix}/${LIBDIR}/libTamsuToolKit.so)
if(NOT run_output MATCHES "SONAME +libTamsuToolKit\\.so\\.1\n")
    message(FATAL_ERROR "soname is not libTamsuToolKit.so.1:\n${run_output}")
endif()

# Every exported symbol belongs to the toolkit (its classes and namespace).
run(nm -D --defined-only -C ${prefix}/${LIBDIR}/libTamsuToolKit.so)
string(REPLACE "\n" ";" symbols "${run_output}")
foreach(line IN LISTS symbols)
    if(line STREQUAL "" OR line MATCHES " [A-Za-z] _init$| [A-Za-z] _fini$")
        continue()
    endif()
    if(NOT line MATCHES "TamsuToolKit::")
        message(FATAL_ERROR "symbol exported that is not the toolkit's: ${line}")
    endif()
endforeach()

# 1. find_package
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build-cmake -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build-cmake)
run(${WORK_DIR}/build-cmake/consumer)
message(STATUS "find_package consumer: ${run_output}")

# 2. pkg-config, with a plain compiler command line.
set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
run(pkg-config --cflags --libs TamsuToolKit)
string(STRIP "${run_output}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${CXX_COMPILER} -std=c++20 -fPIC ${CONSUMER_DIR}/main.cpp ${flags}
    -o ${WORK_DIR}/consumer-pkgconfig)
set(ENV{LD_LIBRARY_PATH} ${prefix}/${LIBDIR})
run(${WORK_DIR}/consumer-pkgconfig)
message(STATUS "pkg-config consumer: ${run_output}")
