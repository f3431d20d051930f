# x86-64 Windows: the same sources for 64-bit Windows, and the Windows tests where a
# machine runs 64-bit code only.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
