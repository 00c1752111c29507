# Compiler settings every target of the tool shares.

option(WEAPON_WERROR "Treat warnings as errors" OFF)
option(WEAPON_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

# project_target(<target>): warnings (as errors when WEAPON_WERROR is on) for one of our targets.
function(project_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(WEAPON_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# gbk_texts(<target>): the target's narrow string literals are the tool's own texts, so they are
# compiled to GBK bytes (the sources stay UTF-8). GCC converts them through iconv. GB18030 gives
# every GBK character the same two bytes and can also hold the few characters outside GBK that
# the standard and Qt headers spell in literals (the "µs" of <chrono>), so those headers compile
# in such a target; the tool's own texts are all GBK characters.
function(gbk_texts target)
  target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GB18030)
endfunction()

if(WEAPON_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
