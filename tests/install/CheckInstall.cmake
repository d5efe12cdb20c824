# cmake -DBUILD_DIR=... -DPREFIX=... -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -P CheckInstall.cmake
set(app_id com.tavelo.italianflexio)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(desktop ${PREFIX}/share/applications/${app_id}.desktop)
set(metainfo ${PREFIX}/share/metainfo/${app_id}.metainfo.xml)
foreach(file
    ${PREFIX}/bin/flexio
    ${desktop}
    ${metainfo}
    ${PREFIX}/share/icons/hicolor/scalable/apps/${app_id}.svg
    ${PREFIX}/share/icons/hicolor/64x64/apps/${app_id}.png
    ${PREFIX}/share/icons/hicolor/128x128/apps/${app_id}.png
    ${PREFIX}/share/icons/hicolor/256x256/apps/${app_id}.png)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The speech and sound module, in the library folder's flexio/ (lib/ or lib/<multiarch>/).
file(GLOB audio_module ${PREFIX}/lib/flexio/flexio-audio.so ${PREFIX}/lib/*/flexio/flexio-audio.so)
if(NOT audio_module)
  message(FATAL_ERROR "not installed: ${PREFIX}/lib/.../flexio/flexio-audio.so")
endif()

# The launcher starts the app with the link and claims the app's link scheme.
file(READ ${desktop} entry)
foreach(line "Exec=flexio %u" "Icon=${app_id}" "MimeType=x-scheme-handler/tavelo-italian;"
    "X-Purism-FormFactor=Workstation;Mobile;")
  string(FIND "${entry}" "${line}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "${desktop} lacks the line ${line}")
  endif()
endforeach()
file(READ ${metainfo} component)
# It launches the entry and says it fits a phone: 360 px, touch and keyboard.
foreach(element "<launchable type=\"desktop-id\">${app_id}.desktop</launchable>"
    "<display_length compare=\"ge\">360</display_length>" "<control>touch</control>" "<control>keyboard</control>")
  string(FIND "${component}" "${element}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${metainfo} lacks ${element}")
  endif()
endforeach()

if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
  message(FATAL_ERROR "desktop-file-validate and appstreamcli are needed (tools/bootstrap.sh installs them)")
endif()
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate ${desktop}:\n${output}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${metainfo}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate ${metainfo}:\n${output}")
endif()
message(STATUS "installed and valid: ${desktop}, ${metainfo} and the icons")
