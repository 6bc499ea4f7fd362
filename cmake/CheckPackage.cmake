# cmake -DPACKAGE=... -DPLATFORM=... -DPRODUCT_CODE=... -DQUENFOLD_MSIINFO=... -DSTAMP=... -P CheckPackage.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/QuenfoldPackageCheck.cmake)
quenfold_check_package("${PACKAGE}" "${PLATFORM}" "${PRODUCT_CODE}" problems)
if(problems)
  message(FATAL_ERROR "Package ${PACKAGE} does not fit the launcher: ${problems}")
endif()
file(TOUCH "${STAMP}")
