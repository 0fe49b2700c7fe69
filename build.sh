#!/usr/bin/env bash
# Installs what is missing, builds every deliverable into dist/, runs a
# short demo (a test signal through each plug-in with our own host,
# plughost) and takes the panel pictures in docs/ from the real DLLs.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-tools.sh
scripts/build-all.sh
scripts/demo.sh
scripts/with-display.sh scripts/screenshot-reverb.sh
scripts/with-display.sh scripts/screenshot-corvelan.sh
