# Run by cpack after it has installed the project into its staging folder
# and before it builds the package: what a Debian package carries beyond
# the install rules. The manual pages are compressed, and the package's
# documentation folder gets the copyright notice and a changelog.
set(root "${CPACK_TEMPORARY_DIRECTORY}")
if(CPACK_SET_DESTDIR)
  string(APPEND root "${CPACK_PACKAGING_INSTALL_PREFIX}")
endif()
if(NOT IS_DIRECTORY "${root}/bin")
  message(FATAL_ERROR "no staged install in ${root}")
endif()

find_program(VANDOR_GZIP gzip REQUIRED)
function(vandor_gzip file)
  execute_process(COMMAND "${VANDOR_GZIP}" -9nf "${file}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${file}")
  endif()
endfunction()

file(GLOB pages "${root}/share/man/man*/*.[1-9]")
foreach(page IN LISTS pages)
  vandor_gzip("${page}")
endforeach()

set(doc "${root}/share/doc/${CPACK_PACKAGE_NAME}")
file(MAKE_DIRECTORY "${doc}")
configure_file("${CPACK_VANDOR_SOURCE_DIR}/cmake/copyright" "${doc}/copyright" COPYONLY)
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE "${doc}/changelog"
  "${CPACK_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION}) stable; urgency=medium\n\n"
  "  * Release ${CPACK_PACKAGE_VERSION}.\n\n"
  " -- ${CPACK_PACKAGE_CONTACT}  ${date}\n")
vandor_gzip("${doc}/changelog")
