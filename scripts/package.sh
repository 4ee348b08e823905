#!/usr/bin/env bash
# Builds the Debian package of Tankwise into build-pkg/ (tankwise_<version>_<arch>.deb),
# from the same build folder as the other scripts; install it with
#   sudo apt-get install ./build-pkg/tankwise_*.deb
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages dpkg-dev file
build -DBUILD_TESTING=OFF
PKG="$REPO/build-pkg"
cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$PKG"
ls "$PKG"/tankwise_*.deb
