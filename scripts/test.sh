#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test:
#   0. the layout of the C++ files by .clang-format (scripts/format.sh --check);
#   1. the Debian package, built by dpkg-buildpackage from a copy of the tree: the
#      build runs every test (unit, GUI on the offscreen platform, end-to-end over a
#      pseudo-terminal, the real window under xvfb-run); the benchmark programs are
#      then built in the package's build tree;
#   2. the package checked: its files, lintian on the .changes (source and binary
#      packages), the AppStream file, the manual pages against --help, and
#      mandoc, groff, shellcheck and desktop-file-validate on the manual pages,
#      the bash completion and the desktop file;
#   3. the unit tests once more in a clang build with AddressSanitizer and
#      UndefinedBehaviorSanitizer, which also holds the libFuzzer targets (the
#      build starts with stage 1, at the lowest priority);
#   4. each libFuzzer target for FUZZ_SECONDS (default 10) from its seed corpus,
#      one a core at a time.
# Build folders go to BUILD_ROOT (default ./build); test artifacts (screenshots) to
# $BUILD_ROOT/artifacts.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"

echo "== code layout"
bash "$here/scripts/format.sh" --check

root="${BUILD_ROOT:-$here/build}"
mkdir -p "$root" && root=$(cd "$root" && pwd)
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export CALLSETUP_ARTIFACTS="$root/artifacts"
mkdir -p "$CALLSETUP_ARTIFACTS"
stage() { echo "== $1 (at ${SECONDS} s)"; }

# The sanitized build of stage 3 starts now, at the lowest priority: it takes
# the cores only while the package build leaves them idle (its tests mostly
# wait on the simulated unit's line). In a process group of its own (job
# control on), so that a run that ends early ends it too; in the same session,
# or the kernel's per-session groups would give it an equal share. -O1 with
# line tables: what the sanitizers' reports need, built in less time.
sanitize="$root/sanitize"
set -m
nice -n 19 bash -c '
  CC=clang CXX=clang++ cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" -DCALLSETUP_FUZZ=ON -DCALLSETUP_BENCH=OFF &&
  cmake --build "$2" -j "$3"' sanitize "$here" "$sanitize" "$jobs" >"$root/sanitize-build.log" 2>&1 &
sanitize_build=$!
set +m
trap 'kill -- -"$sanitize_build" 2>/dev/null || true' EXIT

stage "the Debian package: build and every test (dpkg-buildpackage)"
version=$(dpkg-parsechangelog -l "$here/debian/changelog" -S Version)
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
pkg="$root/package"
src="$pkg/callsetup-$version"
rm -rf "$pkg" && mkdir -p "$src"
# The files of the tree as git sees them (tracked and new, not ignored) but the
# build root, so that no build output goes into the source package; a tree
# without git is copied whole but for the build root.
inside=${root#"$here"/}
if git -C "$here" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git -C "$here" ls-files -z --cached --others --exclude-standard \
    | (cd "$here" && while IFS= read -r -d '' f; do
         if [ -e "$f" ] && [[ $f != "$inside"/* ]]; then printf '%s\0' "$f"; fi
       done) \
    | tar -C "$here" --null -T - -cf - | tar -C "$src" -xf -
else
  tar -C "$here" --exclude="./$inside" --exclude=./build -cf - . | tar -C "$src" -xf -
fi
if ! (cd "$src" && dpkg-buildpackage -us -uc -J"$jobs") >"$pkg/build.log" 2>&1; then
  sed -n '/^Test project/,$p' "$pkg/build.log" | tail -n 150
  grep -q '^Test project' "$pkg/build.log" || tail -n 80 "$pkg/build.log"
  echo "dpkg-buildpackage failed: $pkg/build.log"; exit 1
fi
sed -n '/^Test project/,/^Total Test time/p' "$pkg/build.log" | tee "$root/ctest-main.log"
grep -q 'tests passed, 0 tests failed' "$root/ctest-main.log" \
  || { echo "the package build ran no tests"; exit 1; }
obj="$src/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)"
cmake "$obj" -DCALLSETUP_BENCH=ON >/dev/null
cmake --build "$obj" -j "$jobs" >"$pkg/bench-build.log" \
  || { tail -n 40 "$pkg/bench-build.log"; echo "the benchmark programs do not build"; exit 1; }

stage "the package: files, lintian, AppStream, manual pages, mandoc, shellcheck, desktop file"
deb="$pkg/callsetup_${version}_$arch.deb"
dbgsym="$pkg/callsetup-dbgsym_${version}_$arch.deb"
changes="$pkg/callsetup_${version}_$arch.changes"
unpacked="$pkg/unpacked"
rm -rf "$unpacked" && mkdir -p "$unpacked"
dpkg-deb -x "$deb" "$unpacked/main" && dpkg-deb -x "$dbgsym" "$unpacked/dbgsym"
app_id=local.callsetup.callsetup
for f in bin/callsetup bin/callsetup-cli share/applications/$app_id.desktop \
         share/icons/hicolor/scalable/apps/callsetup.svg share/metainfo/$app_id.metainfo.xml \
         share/man/man1/callsetup.1.gz share/man/man1/callsetup-cli.1.gz \
         share/man/zh_CN/man1/callsetup.1.gz share/man/zh_CN/man1/callsetup-cli.1.gz \
         share/bash-completion/completions/callsetup-cli \
         share/doc/callsetup/copyright share/doc/callsetup/changelog.gz; do
  [ -e "$unpacked/main/usr/$f" ] || { echo "not in the package: $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "$(basename "$deb"): Depends: $depends"
for p in libqt6serialport6 libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n; do
  grep -q "$p" <<<"$depends" || { echo "the package does not depend on $p"; exit 1; }
done
# The version of debian/changelog is the one the programs were built with.
shown=$(env -u LANGUAGE LC_ALL=C.UTF-8 "$unpacked/main/usr/bin/callsetup-cli" --version)
[ "$shown" = "callsetup-cli $version" ] \
  || { echo "callsetup-cli --version says \"$shown\", debian/changelog $version"; exit 1; }
# Stripped programs in the package, their debug information (one file per
# program, by build id) in the -dbgsym package.
for program in callsetup callsetup-cli; do
  file "$unpacked/main/usr/bin/$program" | grep -q ', stripped' \
    || { echo "not stripped in the package: $program"; exit 1; }
  id=$(file "$unpacked/main/usr/bin/$program" | sed -E 's/.*BuildID\[sha1\]=([0-9a-f]+).*/\1/')
  [ -f "$unpacked/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] \
    || { echo "no debug information for $program in $(basename "$dbgsym")"; exit 1; }
done
appstreamcli validate --no-net "$unpacked/main/usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate-tree --no-net "$unpacked/main"
man="$unpacked/main/usr/share/man"
bash "$here/packaging/check-manpage.sh" "$unpacked/main/usr/bin/callsetup-cli" \
  "$man/man1/callsetup-cli.1.gz"
bash "$here/packaging/check-manpage.sh" "$unpacked/main/usr/bin/callsetup-cli" \
  "$man/zh_CN/man1/callsetup-cli.1.gz" zh
# Third-party checkers: mandoc and groff on every manual page (no warning), the
# shell checker on the bash completion, desktop-file-validate on the desktop
# file (no hint either).
for page in "$man"/man1/*.1.gz "$man"/zh_CN/man1/*.1.gz; do
  zcat "$page" | mandoc -T lint -W warning \
    || { echo "mandoc: warnings on $page"; exit 1; }
  groff_says=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 \
    >/dev/null)
  [ -z "$groff_says" ] || { echo "$groff_says"; echo "groff: warnings on $page"; exit 1; }
done
shellcheck -s bash "$unpacked/main/usr/share/bash-completion/completions/callsetup-cli"
desktop=$(desktop-file-validate "$unpacked/main/usr/share/applications/$app_id.desktop")
[ -z "$desktop" ] || { echo "$desktop"; echo "desktop-file-validate: not clean"; exit 1; }
# Debian's checker on the source and binary packages: no error or warning but
# the placeholder maintainer address (debian/control, debian/changelog), which
# the .changes and the changelog's signature line repeat.
lintian --fail-on none --tag-display-limit 0 "$changes" 2>&1 | tee "$root/lintian.log"
if grep -E '^[EW]: ' "$root/lintian.log" | grep -vqE ' bogus-mail-host(-in-debian-changelog)? '
then
  echo "lintian reports errors or warnings"; exit 1
fi
ls -l "$deb" "$dbgsym" | awk '{print $5, $NF}'

stage "unit tests with AddressSanitizer and UndefinedBehaviorSanitizer (clang, also fuzz build)"
wait "$sanitize_build" \
  || { tail -n 60 "$root/sanitize-build.log"; echo "the sanitized build failed"; exit 1; }
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$sanitize" --output-on-failure -j "$jobs" --timeout 600 -LE realtime \
  | tee "$root/ctest-sanitize.log"

stage "fuzzing"
# One fuzzer a core at a time; each runs FUZZ_SECONDS from its seed corpus.
export FUZZ_SECONDS="${FUZZ_SECONDS:-10}" here sanitize
fuzz() {
  local name work
  name=$(basename "$1"); name=${name#fuzz_}
  work="$sanitize/corpus-$name"
  mkdir -p "$work"
  "$1" -max_total_time="$FUZZ_SECONDS" -timeout=10 -print_final_stats=0 \
    -artifact_prefix="$sanitize/crash-$name-" "$work" "$here/fuzz/corpus/$name" \
    2>"$sanitize/$name.log" || { echo "$name" >"$sanitize/$name.failed"; }
}
export -f fuzz
rm -f "$sanitize"/*.failed
find "$sanitize/fuzz" -maxdepth 1 -name 'fuzz_*' -type f -executable -print0 \
  | xargs -0 -r -P "$jobs" -I{} bash -c 'fuzz "$1"' fuzz {}
for log in "$sanitize"/*.log; do
  name=$(basename "$log" .log)
  [ -e "$sanitize/fuzz/fuzz_$name" ] || continue
  if [ -e "$sanitize/$name.failed" ]; then
    tail -n 60 "$log"; echo "fuzzer $name found a fault"; exit 1
  fi
  echo "-- $name, $FUZZ_SECONDS s: $(tail -n 1 "$log")"
done

# One closing line over both test runs.
passed=0; total=0
for log in "$root/ctest-main.log" "$root/ctest-sanitize.log"; do
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  n=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  f=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  total=$((total + n)); passed=$((passed + n - f))
done
echo "all stages passed in ${SECONDS} s"
echo "$passed passed, $((total - passed)) failed"
