#!/usr/bin/env bash
# Installs what is missing, builds every deliverable into dist/, and runs a
# short demo: a test signal through each plug-in with our own host, plughost.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-tools.sh
scripts/build-all.sh
scripts/demo.sh
