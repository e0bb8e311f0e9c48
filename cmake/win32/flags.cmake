# Options of everything built for Windows. The program's code has no C++ exceptions and no RTTI:
# errors travel as values, and the library's unwinder and exception support would neither run
# on a Pentium nor fit the size.
# -Oz: the run's time goes to copying files, which the system does; the program's own code is
# held to the size (bench_backup.sh shows the share).
set(PROGRAM_FLAGS -Oz -ffunction-sections -fdata-sections -fno-threadsafe-statics
    -fno-exceptions -fno-rtti)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    # The machines Windows 95 ran on: 486 and Pentium, which have no cmov or fcomi. The PE
    # linker script keeps every .eh_frame entry, and with it every function it describes, past
    # --gc-sections; without exceptions nothing reads them. Without SSE nothing needs a stack
    # aligned beyond 4 bytes, and Windows 95 gives no more (see the entry point).
    list(APPEND PROGRAM_FLAGS -march=i486 -mtune=pentium -fno-asynchronous-unwind-tables
        -mpreferred-stack-boundary=2)
endif()
set(WIN32_FLAGS ${COMMON_FLAGS} ${PROGRAM_FLAGS}
    -DWINVER=0x0400 -D_WIN32_WINDOWS=0x0400 -D_WIN32_IE=0x0200 -DSTRICT -DNOMINMAX)
set(WIN32_LIBS comctl32 comdlg32 shell32 ole32 advapi32 gdi32 user32 kernel32)
set(WIN32_LINK -static -static-libgcc -static-libstdc++ -Wl,--gc-sections
    -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
    -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
