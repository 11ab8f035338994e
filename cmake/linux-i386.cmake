# The pure cores built as 32-bit x86 Linux code with the build machine's multilib compiler
# (g++ -m32), their tests run under qemu-user (qemu-i386-static, called directly, so no
# machine setting is needed for a kernel that runs no 32-bit programs). Used with
# -DORVEX_CORES_ONLY=ON.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)

find_program(ORVEX_QEMU_I386 qemu-i386-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${ORVEX_QEMU_I386}")
