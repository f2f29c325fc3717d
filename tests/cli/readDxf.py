# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a DXF file as a CAD program would (Debian's ezdxf) and prints what a test checks:
the version, the audit's errors, the entity types, the closed polylines per layer and the
extents, one fact a line."""
import sys

import ezdxf
from ezdxf import path

document = ezdxf.readfile(sys.argv[1])
auditor = document.audit()
print("version", document.dxfversion)
print("errors", len(auditor.errors))
modelspace = document.modelspace()
print("types", " ".join(sorted({entity.dxftype() for entity in modelspace})))
for layer in ("SCHNITT", "GRAVUR", "HILFSLINIEN"):
    polylines = modelspace.query(f'POLYLINE[layer=="{layer}"]')
    closed = sum(1 for polyline in polylines if polyline.is_closed)
    print("layer", layer, document.layers.get(layer).color, len(polylines), closed)
# The engraved area, each outline flattened to within half a micrometre as a CAM program does.
engraved = 0
for polyline in modelspace.query('POLYLINE[layer=="GRAVUR"]'):
    points = list(path.make_path(polyline).flattening(0.0005))
    engraved += abs(sum(a.x * b.y - b.x * a.y for a, b in zip(points, points[1:]))) / 2
print("area GRAVUR", round(engraved, 1))
print("extmin", " ".join(str(v) for v in document.header["$EXTMIN"][:2]))
print("extmax", " ".join(str(v) for v in document.header["$EXTMAX"][:2]))
