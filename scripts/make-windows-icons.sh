#!/usr/bin/env bash
# Packs each program's PNG icons (16 to 256 pixels) into the .ico that its Windows resource
# file names: lister_win/veldor.ico and checker_win/tovrin.ico. Run it after changing the
# PNGs; the .ico files are kept in the repository, so that a build needs no Python.
# Usage: scripts/make-windows-icons.sh
set -euo pipefail
cd "$(dirname "$0")/.."
pack() {  # pack OUTPUT PNG...
  python3 - "$@" <<'PY'
import struct, sys
out, pngs = sys.argv[1], sys.argv[2:]
images = [open(p, 'rb').read() for p in pngs]
sizes = [struct.unpack('>II', image[16:24]) for image in images]
offset = 6 + 16 * len(images)
header = struct.pack('<HHH', 0, 1, len(images))
for (width, height), image in zip(sizes, images):
    header += struct.pack('<BBBBHHII', width % 256, height % 256, 0, 0, 1, 32, len(image), offset)
    offset += len(image)
open(out, 'wb').write(header + b''.join(images))
PY
}
pack lister_win/veldor.ico lister_ui/icons/veldor-{16,32,48,256}.png
pack checker_win/tovrin.ico checker_ui/icons/tovrin-{16,32,48,256}.png
