# AddressSanitizer and UBSan for the whole tree, so tests catch memory and
# undefined-behaviour faults; every UBSan finding aborts the test.
if(TAVRIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
# The fuzz build instruments all of our code for coverage; only the fuzz
# targets themselves link libFuzzer's main. Undefined behaviour ends a run
# as a crash does, so the fuzzer reports it.
if(TAVRIX_BUILD_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
