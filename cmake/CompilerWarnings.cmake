# Project-wide warning policy: everything we compile treats warnings as errors.
add_library(eboard_warnings INTERFACE)
target_compile_options(eboard_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough -Werror)

# The pen mapping and the grading are defined in exact single-precision steps;
# contracting a*b+c into one fused operation would change their results.
add_library(eboard_exact_float INTERFACE)
target_compile_options(eboard_exact_float INTERFACE -ffp-contract=off)
