# CMake generated Testfile for 
# Source directory: /work/main/gui
# Build directory: /work/main/build-windows/gui
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("headless")
subdirs("wx")
