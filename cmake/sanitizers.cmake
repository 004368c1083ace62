# AddressSanitizer and UndefinedBehaviorSanitizer over the portable core and its unit tests (the
# native-sanitize preset): the first finding ends the test that made it.
option(VELMORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VELMORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
