#!/usr/bin/env bash
# Installs what is missing, builds, and starts Lumeport on the bundled sample course.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-debian-packages.sh
scripts/build.sh
exec build/ProgramDir/lumeport
