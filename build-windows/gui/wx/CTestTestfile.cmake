# CMake generated Testfile for 
# Source directory: /work/main/gui/wx
# Build directory: /work/main/build-windows/gui/wx
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
