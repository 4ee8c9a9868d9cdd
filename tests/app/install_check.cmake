# Installs the build into a scratch prefix and checks that the program, its desktop entry and its
# icons land where a Linux desktop's menu finds them.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -P install_check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
  bin/sumwick
  share/applications/sumwick.desktop
  share/icons/hicolor/16x16/apps/sumwick.png
  share/icons/hicolor/32x32/apps/sumwick.png
  share/icons/hicolor/48x48/apps/sumwick.png
  share/icons/hicolor/64x64/apps/sumwick.png
  share/icons/hicolor/scalable/apps/sumwick.svg)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "missing after install: ${file}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/sumwick.desktop" entry)
foreach(line "\nName=Sumwick\n" "\nName[zh_CN]=" "\nExec=sumwick\n" "\nIcon=sumwick\n"
             "\nType=Application\n" "\nCategories=Education;")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
