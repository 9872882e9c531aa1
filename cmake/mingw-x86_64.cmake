# Cross build for 64-bit Windows, used for the tests where the kernel cannot run 32-bit code.
set(SORA_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
