# Checked builds. Included before any target exists, so the flags below reach
# every library, test and fuzz target of the tree alike: a sanitizer sees a
# fault only where the code was built with it.
#
#   GUWEN_SANITIZE=ON     AddressSanitizer and UndefinedBehaviorSanitizer;
#                         every report stops the program (no recovery), so a
#                         test with a report fails.
#   GUWEN_BUILD_FUZZ=ON   coverage instrumentation for libFuzzer in all our
#                         code; the fuzz targets add libFuzzer's main.

option(GUWEN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer (clang)" OFF)

if((GUWEN_SANITIZE OR GUWEN_BUILD_FUZZ) AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR
    "GUWEN_SANITIZE and GUWEN_BUILD_FUZZ need clang: configure with CXX=clang++")
endif()

if(GUWEN_SANITIZE)
  set(GUWEN_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all)
  add_compile_options(${GUWEN_SANITIZER_FLAGS} -fno-omit-frame-pointer)
  add_link_options(${GUWEN_SANITIZER_FLAGS})
endif()

if(GUWEN_BUILD_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
  add_link_options(-fsanitize=fuzzer-no-link)
endif()
