#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test:
#   0. the layout of the C++ files by .clang-format (scripts/format.sh --check);
#   1. the unit, GUI (offscreen), end-to-end (pseudo-terminal) and real-window (Xvfb) tests;
#   2. the unit tests once more in a clang build with AddressSanitizer and
#      UndefinedBehaviorSanitizer, which also holds the libFuzzer targets;
#   3. installation and the Debian packages, checked by lintian and appstreamcli;
#   4. each libFuzzer target for FUZZ_SECONDS (default 30) from its seed corpus.
# Build folders go to BUILD_ROOT (default ./build); test artifacts (screenshots) to
# $BUILD_ROOT/artifacts.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"

echo "== code layout"
bash "$here/scripts/format.sh" --check

root="${BUILD_ROOT:-$here/build}"
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export CALLSETUP_ARTIFACTS="$root/artifacts"
mkdir -p "$CALLSETUP_ARTIFACTS"

echo "== build and test"
cmake -S "$here" -B "$root/main" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/main" -j "$jobs"
ctest --test-dir "$root/main" --output-on-failure -j "$jobs" --timeout 300 | tee "$root/ctest-main.log"

echo "== unit tests with AddressSanitizer and UndefinedBehaviorSanitizer (clang, also the fuzz build)"
CC=clang CXX=clang++ cmake -S "$here" -B "$root/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCALLSETUP_FUZZ=ON -DCALLSETUP_BENCH=OFF
cmake --build "$root/sanitize" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/sanitize" --output-on-failure -j "$jobs" --timeout 600 -LE realtime \
  | tee "$root/ctest-sanitize.log"

echo "== install and package"
rm -rf "$root/stage"
DESTDIR="$root/stage" cmake --install "$root/main" --prefix /usr >/dev/null
app_id=local.callsetup.callsetup
for f in bin/callsetup bin/callsetup-cli share/applications/$app_id.desktop \
         share/icons/hicolor/scalable/apps/callsetup.svg share/metainfo/$app_id.metainfo.xml \
         share/man/man1/callsetup.1.gz share/man/man1/callsetup-cli.1.gz \
         share/doc/callsetup/copyright share/doc/callsetup/changelog.gz; do
  [ -e "$root/stage/usr/$f" ] || { echo "not installed: $f"; exit 1; }
done
appstreamcli validate --no-net "$root/stage/usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate-tree --no-net "$root/stage"
bash "$here/packaging/check-manpage.sh" "$root/stage/usr/bin/callsetup-cli" \
  "$root/stage/usr/share/man/man1/callsetup-cli.1.gz"
rm -f "$root"/main/callsetup_*.deb "$root"/main/callsetup-dbgsym_*.ddeb
(cd "$root/main" && cpack -G DEB >/dev/null)
deb=$(ls "$root"/main/callsetup_*.deb)
dbgsym=$(ls "$root"/main/callsetup-dbgsym_*.ddeb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "$(basename "$deb"): Depends: $depends"
for p in libqt6serialport6 libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n; do
  grep -q "$p" <<<"$depends" || { echo "the package does not depend on $p"; exit 1; }
done
# Stripped programs in the package, their debug information (one file per
# program, by build id) in the -dbgsym package.
unpacked="$root/unpacked"
rm -rf "$unpacked" && mkdir -p "$unpacked"
dpkg-deb -x "$deb" "$unpacked/main" && dpkg-deb -x "$dbgsym" "$unpacked/dbgsym"
for program in callsetup callsetup-cli; do
  file "$unpacked/main/usr/bin/$program" | grep -q ', stripped' \
    || { echo "not stripped in the package: $program"; exit 1; }
  id=$(file "$unpacked/main/usr/bin/$program" | sed -E 's/.*BuildID\[sha1\]=([0-9a-f]+).*/\1/')
  [ -f "$unpacked/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] \
    || { echo "no debug information for $program in $(basename "$dbgsym")"; exit 1; }
done
# Debian's checker: no error or warning but the placeholder maintainer address
# (set CALLSETUP_MAINTAINER), which the changelog's signature line repeats.
lintian --fail-on none --tag-display-limit 0 "$deb" "$dbgsym" | tee "$root/lintian.log"
if grep -E '^[EW]: ' "$root/lintian.log" | grep -vqE ' bogus-mail-host(-in-debian-changelog)? '
then
  echo "lintian reports errors or warnings"; exit 1
fi
ls -l "$deb" "$dbgsym" | awk '{print $5, $NF}'

echo "== fuzzing"
seconds="${FUZZ_SECONDS:-30}"
for fuzzer in "$root"/sanitize/fuzz/fuzz_*; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer"); name=${name#fuzz_}
  work="$root/sanitize/corpus-$name"
  mkdir -p "$work"
  echo "-- $name: $seconds s"
  "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=0 \
    -artifact_prefix="$root/sanitize/crash-$name-" "$work" "$here/fuzz/corpus/$name" 2>"$root/sanitize/$name.log" \
    || { tail -n 60 "$root/sanitize/$name.log"; echo "fuzzer $name found a fault"; exit 1; }
  tail -n 1 "$root/sanitize/$name.log"
done

# One closing line over both test runs.
passed=0; total=0
for log in "$root/ctest-main.log" "$root/ctest-sanitize.log"; do
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  n=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  f=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  total=$((total + n)); passed=$((passed + n - f))
done
echo "all stages passed"
echo "$passed passed, $((total - passed)) failed"
