# Install rules: the program as users get it, in one folder.
#   cmake --install <build dir> --prefix <folder>     (scripts/package)
# Ordovan.exe, the two DLLs it loads, and the help page it opens. Ordovan
# writes its Ordovim.ini beside them on first close.
if(TARGET Ordovan)
  install(PROGRAMS $<TARGET_FILE:Ordovan> $<TARGET_FILE:Vokit> $<TARGET_FILE:Framework> DESTINATION .)
  install(FILES ${CMAKE_SOURCE_DIR}/app/res/Help.htm DESTINATION .)
endif()
