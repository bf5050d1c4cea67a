#!/usr/bin/env bash
# Draws the guides' pictures (docs/pictures/*.png) from the Velmora skin with the native skinpack's
# render command. Usage: scripts/doc-pictures.sh [path/to/skinpack]
# Without an argument it builds skinpack in the native preset first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

skinpack=${1:-}
if [[ -z $skinpack ]]; then
    [[ -f build/native/CMakeCache.txt ]] || cmake --preset native >/dev/null
    cmake --build --preset native --target skinpack >/dev/null
    skinpack=$root/build/native/tools/skinpack/skinpack
fi

# The drawing script needs Pillow, which not every python3 on the path has.
python=
for candidate in /usr/bin/python3 python3; do
    if command -v "$candidate" >/dev/null && "$candidate" -c "import PIL" 2>/dev/null; then
        python=$candidate
        break
    fi
done
if [[ -z $python ]]; then
    echo "doc-pictures: no python3 with Pillow (apt-get install python3-pil)" >&2
    exit 1
fi

"$python" scripts/doc-pictures.py --skinpack "$skinpack" --out docs/pictures
echo "wrote $(ls docs/pictures/*.png | wc -l) pictures to docs/pictures"
