#!/usr/bin/env bash
# Builds Tankwise with its tests and runs every unit test and scenario file.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
build -DBUILD_TESTING=ON
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)"
