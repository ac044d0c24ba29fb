#!/usr/bin/env bash
# Records the expected WGS-84 positions of a set of earth-centred points with
# proj's cs2cs, for the GPS log decoder tests (which then need no proj).
# Usage: bash tests/device/record_ecef_fixture.sh > tests/fixtures/gpslog/ecef_wgs84.txt
set -euo pipefail
geo=$(python3 - <<'PY'
import random
random.seed(7)
pts = [(0.0, 0.0, 0.0), (179.99999, 0.00001, 10.0), (-179.5, -0.5, 0.0),
       (11.5, 48.1, 520.0), (-70.6, -33.4, 570.0), (139.7, 35.7, 40.0),
       (0.0, 89.99, 0.0), (45.0, -89.9, 2800.0), (-122.4, 37.8, 100000.0)]
for _ in range(40):
    pts.append((random.uniform(-180, 180), random.uniform(-89.5, 89.5), random.uniform(-400, 9000)))
for lon, lat, h in pts:
    print(f"{lon:.9f} {lat:.9f} {h:.3f}")
PY
)
ecef=$(printf '%s\n' "$geo" | cs2cs -f %.4f +proj=longlat +datum=WGS84 +to +proj=geocent +datum=WGS84 |
       awk '{ printf "%d %d %d\n", ($1<0?$1-0.5:$1+0.5), ($2<0?$2-0.5:$2+0.5), ($3<0?$3-0.5:$3+0.5) }')
back=$(printf '%s\n' "$ecef" | cs2cs -f %.12f +proj=geocent +datum=WGS84 +to +proj=longlat +datum=WGS84)
echo "# X Y Z (metres, earth-centred) -> longitude latitude (degrees) height, by cs2cs $(cs2cs 2>&1 | head -1 | awk '{print $2}' | tr -d ,)"
paste -d' ' <(printf '%s\n' "$ecef") <(printf '%s\n' "$back" | awk '{print $1, $2, $3}')
