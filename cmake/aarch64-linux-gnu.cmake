# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for 64-bit Arm Debian (a Raspberry Pi under Raspberry Pi OS
# 64-bit, an arm64 laptop) on an amd64 Debian machine: the cross compiler of
# crossbuild-essential-arm64, the :arm64 libraries that multiarch installs
# beside the amd64 ones, and user-mode QEMU to run what the build produces.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# Libraries and their CMake packages come from /usr/lib/aarch64-linux-gnu;
# the amd64 ones in /usr/lib/x86_64-linux-gnu are never searched.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)

# Qt's build tools (moc, rcc) run on this machine: they and their CMake
# packages (Qt6CoreTools, Qt6WidgetsTools ...) are the amd64 Qt's.
set(QT_HOST_PATH /usr CACHE PATH "Where the build machine's Qt lives")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "The build machine's Qt CMake packages")

# CTest, the build's own tools and the tests that start the program run arm64
# code through QEMU, called by name: nothing is registered with the kernel
# (binfmt_misc belongs to the whole machine). The arm64 loader and libraries
# are multiarch's (libc6:arm64), in their usual places, so QEMU needs no
# prefix, and must have none: with -L /usr/aarch64-linux-gnu or
# QEMU_LD_PREFIX=/usr/aarch64-linux-gnu QEMU takes the loader from the cross
# compiler's glibc (libc6-arm64-cross) while the libraries still come from
# multiarch's, another build of glibc (2.36-8cross1 against 2.36-9+deb12u*);
# the two do not match, and a program that starts a thread hangs before the
# thread runs (a static one, which has no loader, does not). scripts/arm64.sh
# and ./package.sh clear QEMU_LD_PREFIX.
find_program(RADDRIZZATORE_QEMU NAMES qemu-aarch64 qemu-aarch64-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${RADDRIZZATORE_QEMU})
if(NOT EXISTS /lib/ld-linux-aarch64.so.1)
  message(FATAL_ERROR "No arm64 loader in /lib: install libc6:arm64 (scripts/arm64.sh does).")
endif()
