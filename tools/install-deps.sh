#!/bin/sh
# Installs every Debian 12 package needed to build, run and test Skrivo.
set -e
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  cmake ninja-build g++ pkg-config \
  qt6-base-dev libqscintilla2-qt6-dev libxcb1-dev \
  libsqlite3-dev libasound2-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  clang libclang-rt-14-dev \
  fonts-dejavu-core \
  xvfb xauth xdotool openbox
