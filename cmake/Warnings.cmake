# Every target of the project links sumwick_warnings, which carries the warning flags and,
# when asked for, -Werror and the sanitizers.
add_library(sumwick_warnings INTERFACE)
target_compile_options(sumwick_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(SUMWICK_WERROR)
  target_compile_options(sumwick_warnings INTERFACE -Werror)
endif()
if(SUMWICK_SANITIZE)
  target_compile_options(sumwick_warnings INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(sumwick_warnings INTERFACE -fsanitize=address,undefined)
endif()
