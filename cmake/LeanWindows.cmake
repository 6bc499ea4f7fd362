# Flags for the shipped executable: no C++ run time, no unwinding tables,
# only what the code uses, statically linked, stripped, no time stamp.
add_library(quenfold_lean INTERFACE)
target_compile_options(quenfold_lean INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Os -fno-exceptions -fno-rtti -fno-threadsafe-statics
  -fno-asynchronous-unwind-tables -fno-unwind-tables -ffunction-sections -fdata-sections>)
target_link_options(quenfold_lean INTERFACE -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp)
