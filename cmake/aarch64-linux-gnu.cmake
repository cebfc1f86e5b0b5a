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
# are multiarch's, in their usual places, so QEMU needs no prefix.
find_program(RADDRIZZATORE_QEMU NAMES qemu-aarch64 qemu-aarch64-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${RADDRIZZATORE_QEMU})
