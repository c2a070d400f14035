#!/usr/bin/env bash
# Builds the Debian package of this build folder with cpack and checks what
# is in it: every file a user needs and nothing else, the version the programs
# report, dependencies found by dpkg-shlibdeps. Exit 77 (skipped) without the
# Debian tools.
#   package_test.sh CPACK BUILD_DIR OUT_DIR VERSION SOURCE_DIR
set -euo pipefail
cpack=$1 build=$2 out=$3 version=$4 source=$5

for tool in dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (dpkg-dev)"; exit 77; }
done

fail() { echo "FAIL: $*" >&2; status=1; }
status=0

rm -rf "$out" && mkdir -p "$out"
# The build's install_manifest.txt lists a real install for its uninstall;
# packaging must leave it as it is.
manifest_before=$(cat "$build/install_manifest.txt" 2>/dev/null || echo absent)
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; exit 1; }
[ "$(cat "$build/install_manifest.txt" 2>/dev/null || echo absent)" = "$manifest_before" ] ||
  fail "cpack rewrote $build/install_manifest.txt"
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: expected one package, got ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "vandor_${version}_${arch}.deb" ] || fail "package named $(basename "$deb")"

# The files, without the folders.
actual=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
expected=$(
  printf '%s\n' usr/bin/vandor usr/bin/vandor-cli \
    usr/share/applications/org.vandor.Vandor.desktop \
    usr/share/mime/packages/org.vandor.Vandor.xml \
    usr/share/man/man1/vandor.1.gz usr/share/man/man1/vandor-cli.1.gz \
    usr/share/doc/vandor/copyright usr/share/doc/vandor/changelog.gz
  for size in "$source"/res/icons/hicolor/*/; do
    echo "usr/share/icons/hicolor/$(basename "$size")/apps/org.vandor.Vandor.png"
  done
)
expected=$(sort <<<"$expected")
if [ "$actual" != "$expected" ]; then
  fail "the package's files differ from the expected ones (< expected, > packaged):"
  diff <(echo "$expected") <(echo "$actual") >&2 || true
fi

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version: $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6widgets6 libqt6printsupport6; do
  grep -q "\b$lib (>=" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

# What is packaged runs and tells the package's version.
root="$out/root"
dpkg-deb -x "$deb" "$root"
reported=$("$root/usr/bin/vandor-cli" --version) || fail "vandor-cli --version failed"
[ "$reported" = "vandor-cli (Vandor) $version" ] || fail "vandor-cli --version says '$reported'"
for page in "$root"/usr/share/man/man1/*.gz "$root/usr/share/doc/vandor/changelog.gz"; do
  gzip -t "$page" || fail "$page is not a whole gzip file"
done
for page in vandor vandor-cli; do
  zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q "^\.TH ${page^^} 1 .*$version" ||
    fail "$page.1 has no title line with version $version"
done
zcat "$root/usr/share/doc/vandor/changelog.gz" | head -1 | grep -q "^vandor ($version) " ||
  fail "the changelog does not start with version $version"

exit $status
