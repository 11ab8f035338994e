# CMake generated Testfile for 
# Source directory: /work/main/gui/headless
# Build directory: /work/main/build-windows/gui/headless
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
