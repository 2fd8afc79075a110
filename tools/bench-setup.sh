#!/bin/sh
# Installs what the measurements beside the benchmarks need, on top of tools/install-deps.sh:
# the Free Pascal sources whose units tools/ksr types (python3 runs tools/ksr).
set -e
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends fpc-source python3
