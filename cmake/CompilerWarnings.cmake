# The project's warning policy. Warnings are errors in the presets and in CI
# (EBOARD_WERROR=ON), not in every build: a packager's newer or older compiler may warn
# where ours does not, and that must not stop a release build.
option(EBOARD_WERROR "Treat compiler warnings as errors" OFF)

add_library(eboard_warnings INTERFACE)
target_compile_options(eboard_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough
    $<$<BOOL:${EBOARD_WERROR}>:-Werror>)

# The pen mapping and the grading are defined in exact single-precision steps;
# contracting a*b+c into one fused operation would change their results.
add_library(eboard_exact_float INTERFACE)
target_compile_options(eboard_exact_float INTERFACE -ffp-contract=off)
