# Install rules for the two audiences.
#
# The portable program (the default, as users get it):
#   cmake --install <build dir> --prefix <folder>                    (scripts/package)
# Ordovan.exe, the two DLLs it loads, the help page it opens, and
# WineFonts.reg, the font settings a Wine prefix needs for it (see the help
# page), and VokitGallery.exe when it was built. Ordovan writes its
# Ordovim.ini beside them on first close.
#
# The SDK for other programs (component "SDK", never part of the default):
#   cmake --install <build dir> --component SDK --prefix <folder>
# include/Framework, include/Vokit (with its subsystem folders), lib/*.dll.a and
# libFrameworkMain.a, bin/*.dll, and lib/cmake/Vokit for
#   find_package(Vokit CONFIG REQUIRED)
#   target_link_libraries(app PRIVATE Vokit::Vokit Vokit::FrameworkMain)
include(CMakePackageConfigHelpers)

if(TARGET Ordovan)
  install(PROGRAMS $<TARGET_FILE:Ordovan> $<TARGET_FILE:Vokit> $<TARGET_FILE:Framework> DESTINATION .)
  install(FILES ${CMAKE_SOURCE_DIR}/app/res/Help.htm ${CMAKE_SOURCE_DIR}/app/res/WineFonts.reg DESTINATION .)
endif()
# VokitGallery, the program that shows the library, beside Ordovan (when
# it was built), with the group list its group page loads.
if(TARGET VokitGallery)
  install(PROGRAMS $<TARGET_FILE:VokitGallery> DESTINATION . OPTIONAL)
  install(FILES ${CMAKE_SOURCE_DIR}/samples/gallery/SampleGroups.dat DESTINATION . OPTIONAL)
endif()

set(TW_SDK_VERSION 1.1.0)
set(TW_SDK_CMAKE_DIR lib/cmake/Vokit)

install(TARGETS Framework Vokit FrameworkMain EXPORT VokitTargets COMPONENT SDK EXCLUDE_FROM_ALL
        RUNTIME DESTINATION bin
        LIBRARY DESTINATION bin
        ARCHIVE DESTINATION lib)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/framework/include/ DESTINATION include/Framework
        COMPONENT SDK EXCLUDE_FROM_ALL FILES_MATCHING PATTERN "*.h")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/lib/ DESTINATION include/Vokit
        COMPONENT SDK EXCLUDE_FROM_ALL FILES_MATCHING PATTERN "*.h")
install(EXPORT VokitTargets NAMESPACE Vokit:: DESTINATION ${TW_SDK_CMAKE_DIR}
        COMPONENT SDK EXCLUDE_FROM_ALL)

configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/VokitConfig.cmake.in
  ${CMAKE_BINARY_DIR}/sdk/VokitConfig.cmake INSTALL_DESTINATION ${TW_SDK_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/sdk/VokitConfigVersion.cmake
  VERSION ${TW_SDK_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/sdk/VokitConfig.cmake ${CMAKE_BINARY_DIR}/sdk/VokitConfigVersion.cmake
        DESTINATION ${TW_SDK_CMAKE_DIR} COMPONENT SDK EXCLUDE_FROM_ALL)
