#!/usr/bin/env bash
# The same set-up as build.sh, then every test of every target through CTest.
# Windows programs run under Wine on a private X display.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-tools.sh
scripts/build-all.sh
scripts/with-display.sh scripts/run-tests.sh
scripts/robustness-report.sh
