"""From longitude/latitude to map pixels: Mercator latitude, an affine fit of
the provinces' historical centres onto the centroids of their hit rectangles,
then a thin-plate spline that lands every control point exactly where the
click geometry wants it."""
import json
import os

import numpy as np
from scipy.interpolate import RBFInterpolator

HERE = os.path.dirname(os.path.abspath(__file__))
LAND = os.path.join(HERE, 'node_modules', 'world-atlas', 'land-50m.json')

# Everything that can reach the picture, with room for the spline's pull.
LON_MIN, LON_MAX, LAT_MIN, LAT_MAX = -25.0, 70.0, 8.0, 70.0


def mercator(lon, lat):
    lon = np.asarray(lon, dtype=float)
    lat = np.clip(np.asarray(lat, dtype=float), -85, 85)
    y = np.degrees(np.log(np.tan(np.pi / 4 + np.radians(lat) / 2)))
    return np.stack([lon, -y], axis=-1)


def _decode_arcs(topo):
    sx, sy = topo['transform']['scale']
    tx, ty = topo['transform']['translate']
    arcs = []
    for arc in topo['arcs']:
        a = np.cumsum(np.array(arc, dtype=float), axis=0)
        arcs.append(np.column_stack([a[:, 0] * sx + tx, a[:, 1] * sy + ty]))
    return arcs


def _ring(arcs, indices):
    parts = []
    for i in indices:
        a = arcs[i] if i >= 0 else arcs[~i][::-1]
        parts.append(a if not parts else a[1:])
    return np.concatenate(parts)


def _clip(ring, lo, hi, axis, keep_above):
    """Sutherland-Hodgman against one axis-parallel line."""
    out = []
    n = len(ring)
    if n == 0:
        return ring
    edge = lo if keep_above else hi

    def inside(p):
        return p[axis] >= edge if keep_above else p[axis] <= edge

    prev = ring[-1]
    for cur in ring:
        ci, pi = inside(cur), inside(prev)
        if ci != pi:
            t = (edge - prev[axis]) / (cur[axis] - prev[axis])
            out.append(prev + t * (cur - prev))
        if ci:
            out.append(cur)
        prev = cur
    return np.array(out) if out else np.zeros((0, 2))


def clip_ring(ring):
    r = ring
    for axis, lo, hi in ((0, LON_MIN, LON_MAX), (1, LAT_MIN, LAT_MAX)):
        r = _clip(r, lo, hi, axis, True)
        r = _clip(r, lo, hi, axis, False)
        if len(r) < 3:
            return None
    return r


def land_polygons():
    """Natural Earth land at 1:50m as [(outer ring, [holes])] in lon/lat,
    cut to the part of the world the map can show."""
    topo = json.load(open(LAND))
    arcs = _decode_arcs(topo)
    polys = []
    for geom in topo['objects']['land']['geometries']:
        groups = geom['arcs'] if geom['type'] == 'MultiPolygon' else [geom['arcs']]
        for rings in groups:
            outer = _ring(arcs, rings[0])
            lo, hi = outer.min(axis=0), outer.max(axis=0)
            if hi[0] < LON_MIN or lo[0] > LON_MAX or hi[1] < LAT_MIN or lo[1] > LAT_MAX:
                continue
            outer = clip_ring(outer)
            if outer is None:
                continue
            holes = [h for h in (clip_ring(_ring(arcs, r)) for r in rings[1:]) if h is not None]
            polys.append((outer, holes))
    return polys


class Warp:
    def __init__(self, centres, anchors):
        """centres: [(lon, lat, x, y)] fitted by the affine step and pinned by
        the spline; anchors: [(lon, lat, x, y)] pinned by the spline only."""
        src = mercator([c[0] for c in centres], [c[1] for c in centres])
        dst = np.array([(c[2], c[3]) for c in centres], dtype=float)
        a = np.column_stack([src, np.ones(len(src))])
        self.affine, *_ = np.linalg.lstsq(a, dst, rcond=None)
        fitted = a @ self.affine
        self.centre_residuals = np.hypot(*(fitted - dst).T)
        self.affine_rms = float(np.sqrt(np.mean(self.centre_residuals ** 2)))
        pts = centres + anchors
        self.control_geo = np.array([(p[0], p[1]) for p in pts], dtype=float)
        self.control_px = np.array([(p[2], p[3]) for p in pts], dtype=float)
        base = self._affine(self.control_geo)
        self.spline = RBFInterpolator(base, self.control_px - base,
                                      kernel='thin_plate_spline', smoothing=0.0)

    def _affine(self, lonlat):
        m = mercator(lonlat[:, 0], lonlat[:, 1])
        return np.column_stack([m, np.ones(len(m))]) @ self.affine

    def __call__(self, lonlat):
        lonlat = np.asarray(lonlat, dtype=float).reshape(-1, 2)
        base = self._affine(lonlat)
        return base + self.spline(base)


def latitude_field(warp, width, height):
    """Latitude under every map pixel, for the colour of land that belongs
    to no province (parchment in the north, sand in the deserts)."""
    from scipy.interpolate import griddata
    lon, lat = np.meshgrid(np.arange(LON_MIN, LON_MAX, 0.25), np.arange(LAT_MIN, LAT_MAX, 0.25))
    geo = np.column_stack([lon.ravel(), lat.ravel()])
    px = warp(geo)
    gy, gx = np.mgrid[0:height, 0:width]
    field = griddata(px, geo[:, 1], (gx, gy), method='linear')
    far = np.isnan(field)
    if far.any():
        field[far] = griddata(px, geo[:, 1], (gx[far], gy[far]), method='nearest')
    return field
