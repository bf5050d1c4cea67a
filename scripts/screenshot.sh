#!/usr/bin/env bash
# Saves the whole virtual display (DISPLAY) as a PNG. Usage: screenshot.sh out.png
set -euo pipefail
out=${1:?usage: screenshot.sh out.png}
import -display "${DISPLAY:?no DISPLAY}" -window root "$out"
