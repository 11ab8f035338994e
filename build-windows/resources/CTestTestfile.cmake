# CMake generated Testfile for 
# Source directory: /work/main/resources
# Build directory: /work/main/build-windows/resources
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
