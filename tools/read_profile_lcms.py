#!/usr/bin/env python3
"""Prints what Little CMS, a real colour-management client, reads from a
saved monitor profile: version, class and spaces, the texts, white point,
primaries, tone curves and the video card gamma table. Exits 1 when Little
CMS cannot open the file or a monitor profile's tags are missing.

    tools/read_profile_lcms.py PROFILE
"""
import ctypes
import sys

lcms = ctypes.CDLL("liblcms2.so.2")


class XYZ(ctypes.Structure):
    _fields_ = [("X", ctypes.c_double), ("Y", ctypes.c_double), ("Z", ctypes.c_double)]


def signature(text):
    return int.from_bytes(text.encode("ascii"), "big")


lcms.cmsOpenProfileFromFile.restype = ctypes.c_void_p
lcms.cmsOpenProfileFromFile.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
lcms.cmsCloseProfile.argtypes = [ctypes.c_void_p]
lcms.cmsGetEncodedICCversion.restype = ctypes.c_uint32
lcms.cmsGetEncodedICCversion.argtypes = [ctypes.c_void_p]
for name in ("cmsGetDeviceClass", "cmsGetColorSpace", "cmsGetPCS"):
    getattr(lcms, name).restype = ctypes.c_uint32
    getattr(lcms, name).argtypes = [ctypes.c_void_p]
lcms.cmsReadTag.restype = ctypes.c_void_p
lcms.cmsReadTag.argtypes = [ctypes.c_void_p, ctypes.c_uint32]
lcms.cmsIsTag.argtypes = [ctypes.c_void_p, ctypes.c_uint32]
lcms.cmsGetProfileInfoASCII.restype = ctypes.c_uint32
lcms.cmsGetProfileInfoASCII.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_char_p,
                                        ctypes.c_char_p, ctypes.c_char_p, ctypes.c_uint32]
lcms.cmsEstimateGamma.restype = ctypes.c_double
lcms.cmsEstimateGamma.argtypes = [ctypes.c_void_p, ctypes.c_double]
lcms.cmsEvalToneCurveFloat.restype = ctypes.c_float
lcms.cmsEvalToneCurveFloat.argtypes = [ctypes.c_void_p, ctypes.c_float]
lcms.cmsGetEncodedCMMversion.restype = ctypes.c_int

INFO_DESCRIPTION, INFO_COPYRIGHT = 0, 3


def info(profile, which):
    buffer = ctypes.create_string_buffer(1024)
    lcms.cmsGetProfileInfoASCII(profile, which, b"en", b"US", buffer, len(buffer))
    return buffer.value.decode("latin-1")


def chromaticity(point):
    total = point.X + point.Y + point.Z
    return (point.X / total, point.Y / total) if total else (0.0, 0.0)


def read_xyz(profile, tag):
    address = lcms.cmsReadTag(profile, signature(tag))
    return XYZ.from_address(address) if address else None


def describe(profile):
    version = lcms.cmsGetEncodedICCversion(profile)
    print("  version %d.%d, class %s, colour space %s, connection space %s" % (
        version >> 24, (version >> 20) & 15, lcms.cmsGetDeviceClass(profile).to_bytes(4, "big").decode().strip(),
        lcms.cmsGetColorSpace(profile).to_bytes(4, "big").decode().strip(),
        lcms.cmsGetPCS(profile).to_bytes(4, "big").decode().strip()))
    print('  description "%s", copyright "%s"' % (info(profile, INFO_DESCRIPTION),
                                                   info(profile, INFO_COPYRIGHT)))
    missing = 0
    for tag, label in (("wtpt", "white point"), ("rXYZ", "red"), ("gXYZ", "green"), ("bXYZ", "blue")):
        point = read_xyz(profile, tag)
        if point is None:
            print("  %s: missing" % label)
            missing += 1
            continue
        x, y = chromaticity(point)
        print("  %s XYZ (%.4f, %.4f, %.4f), xy (%.4f, %.4f)" % (label, point.X, point.Y, point.Z, x, y))
    gammas = []
    for tag in ("rTRC", "gTRC", "bTRC"):
        curve = lcms.cmsReadTag(profile, signature(tag))
        if not curve:
            missing += 1
            continue
        gammas.append("%.2f" % lcms.cmsEstimateGamma(curve, 0.01))
    print("  tone curve gammas %s" % " ".join(gammas))
    return missing + describe_vcgt(profile)


def describe_vcgt(profile):
    table = lcms.cmsReadTag(profile, signature("vcgt"))
    if not table:
        print("  vcgt: missing")
        return 1
    curves = (ctypes.c_void_p * 3).from_address(table)
    levels = []
    for curve in curves:
        levels.append(" ".join("%3d" % round(255 * lcms.cmsEvalToneCurveFloat(curve, v / 255.0))
                               for v in (0, 64, 128, 192, 255)))
    print("  vcgt at inputs 0 64 128 192 255: red %s | green %s | blue %s" % tuple(levels))
    return 0


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip())
        return 2
    path = sys.argv[1]
    profile = lcms.cmsOpenProfileFromFile(path.encode(), b"r")
    if not profile:
        print("Little CMS cannot open %s" % path)
        return 1
    version = lcms.cmsGetEncodedCMMversion()
    print("Little CMS %d.%d reads %s:" % (version // 1000, version % 1000 // 10, path))
    missing = describe(profile)
    lcms.cmsCloseProfile(profile)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
