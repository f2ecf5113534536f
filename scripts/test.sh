#!/usr/bin/env bash
# Builds and runs every test: the core natively under AddressSanitizer and UndefinedBehaviorSanitizer,
# then everything for Windows under Wine, with a virtual display when there is no real one.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

# The sources keep the committed format.
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

# A short run of each fuzz target (25 s each); `scripts/fuzz.sh 600` runs them longer.
scripts/fuzz.sh 25

cmake --preset windows >/dev/null
cmake --build --preset windows
scripts/with-display ctest --preset windows
