#!/usr/bin/env bash
# lintian on the package that package_test.sh built: no error allowed.
# Exit 77 (skipped) without lintian.
#   lintian_test.sh OUT_DIR
set -euo pipefail
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
debs=("$1"/*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no package in $1" >&2; exit 1; }
report=$(lintian --no-tag-display-limit "${debs[@]}" 2>&1 | grep -v '^running with root privileges' || true)
echo "$report"
if grep -q '^E:' <<<"$report"; then
  echo "FAIL: lintian reports errors" >&2
  exit 1
fi
