#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it.
# With no USB serial adapter attached (or with --sim) it starts the simulated
# host unit on a pseudo-terminal and links it as COM1 in a links folder of this
# run only, so the program works end to end without hardware and the user's own
# port links stay as they are.
# It builds in $BUILD_ROOT/main (default ./build/main).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
build="${BUILD_ROOT:-$here/build}/main"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target callsetup callsetup-sim

shopt -s nullglob
adapters=(/dev/ttyUSB* /dev/ttyACM*)
if [ "${1:-}" != "--sim" ] && [ "${#adapters[@]}" -gt 0 ]; then
  echo "Serial adapter(s) found: ${adapters[*]}"
  echo "Each item of the port list shows in its tooltip the device it reaches."
  exec "$build/app/callsetup"
fi

echo "No serial adapter attached: starting the simulated host unit as COM1."
links=$(mktemp -d)
export CALLSETUP_PORT_LINKS="$links"
# The simulated unit prints its terminal's path once the link is made.
exec {simout}< <(exec "$build/sim/callsetup-sim" --link com1 </dev/null)
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$links"' EXIT
if ! read -r -u "$simout" pty; then
  echo "The simulated host unit did not start." >&2
  exit 1
fi
echo "Simulated host unit on $pty."
"$build/app/callsetup"
