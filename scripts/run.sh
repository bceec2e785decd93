#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it.
# With no USB serial adapter attached (or with --sim) it starts the simulated
# host unit on a pseudo-terminal and links it as COM1, so the program works end
# to end without hardware.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
build="${BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target callsetup callsetup-sim

shopt -s nullglob
adapters=(/dev/ttyUSB* /dev/ttyACM*)
if [ "${1:-}" != "--sim" ] && [ "${#adapters[@]}" -gt 0 ]; then
  echo "Serial adapter(s) found: ${adapters[*]}"
  echo "COMn is /dev/ttyS(n-1) unless ~/.config/callsetup/dosdevices/comN links elsewhere."
  exec "$build/app/callsetup"
fi

echo "No serial adapter attached: starting the simulated host unit as COM1."
"$build/sim/callsetup-sim" --link com1 </dev/null >/dev/null &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true' EXIT
sleep 0.3
"$build/app/callsetup"
