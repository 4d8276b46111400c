// Written profiles opened by Little CMS, a real client: version, class and
// spaces, the XYZ and curve tags, vcgt, the texts, and a transform to sRGB.
// Prints what Little CMS reports so that the test output documents it.
#include "profile/icc_profile.h"

#include "engine/calibration_record.h"
#include "engine/gamma_ramp.h"
#include "tests/profile/profile_fixtures.h"
#include "wizard/calibration_settings.h"

#include <gtest/gtest.h>
#include <lcms2.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// What the file holds for a value: x 65535 rounded; Little CMS reads the
// number as 16.16 fixed point, that is divided by 65536.
double AsStored(double value) {
    return std::round(value * 65535.0) / 65536.0;
}

class LittleCms : public testing::Test {
  protected:
    void Open() {
        bytes = BuildProfileBytes();
        profile = cmsOpenProfileFromMem(bytes.data(), static_cast<cmsUInt32Number>(bytes.size()));
        ASSERT_NE(nullptr, profile);
    }
    void TearDown() override {
        if (profile != nullptr) cmsCloseProfile(profile);
    }
    std::string Info(cmsInfoType type) {
        char text[1200] = "";
        cmsGetProfileInfoASCII(profile, type, "en", "US", text, sizeof text);
        return text;
    }
    void ExpectXyz(cmsTagSignature tag, const double* written) {
        const cmsCIEXYZ* xyz = static_cast<const cmsCIEXYZ*>(cmsReadTag(profile, tag));
        ASSERT_NE(nullptr, xyz);
        EXPECT_DOUBLE_EQ(AsStored(written[0]), xyz->X);
        EXPECT_DOUBLE_EQ(AsStored(written[1]), xyz->Y);
        EXPECT_DOUBLE_EQ(AsStored(written[2]), xyz->Z);
    }
    std::vector<unsigned char> bytes;
    cmsHPROFILE profile = nullptr;
};

TEST_F(LittleCms, HeaderAndColorants) {
    SetKnownCalibration();
    Open();
    EXPECT_EQ(0x02400000u, cmsGetEncodedICCversion(profile));
    EXPECT_DOUBLE_EQ(2.4, cmsGetProfileVersion(profile));
    EXPECT_EQ(cmsSigDisplayClass, cmsGetDeviceClass(profile));
    EXPECT_EQ(cmsSigRgbData, cmsGetColorSpace(profile));
    EXPECT_EQ(cmsSigXYZData, cmsGetPCS(profile));
    EXPECT_TRUE(cmsIsMatrixShaper(profile));
    ExpectXyz(cmsSigMediaWhitePointTag, CalibrationRecord.whiteXYZ);
    ExpectXyz(cmsSigRedColorantTag, CalibrationRecord.redXYZ);
    ExpectXyz(cmsSigGreenColorantTag, CalibrationRecord.greenXYZ);
    ExpectXyz(cmsSigBlueColorantTag, CalibrationRecord.blueXYZ);
}

TEST_F(LittleCms, GammaCurvesOfBothTargets) {
    const cmsTagSignature curves[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};
    const double gammas[2] = {563 / 256.0, 461 / 256.0};
    for (int gammaIndex = 0; gammaIndex < 2; ++gammaIndex) {
        SetKnownCalibration();
        CalibrationSettings.gammaIndex = gammaIndex;
        Open();
        for (cmsTagSignature tag : curves) {
            const cmsToneCurve* curve = static_cast<const cmsToneCurve*>(cmsReadTag(profile, tag));
            ASSERT_NE(nullptr, curve);
            EXPECT_NEAR(gammas[gammaIndex], cmsEstimateGamma(curve, 0.001), 0.001);
        }
        cmsCloseProfile(profile);
        profile = nullptr;
    }
}

TEST_F(LittleCms, VcgtHoldsTheRamp) {
    SetKnownCalibration();
    Open();
    cmsToneCurve** curves = static_cast<cmsToneCurve**>(cmsReadTag(profile, cmsSigVcgtTag));
    ASSERT_NE(nullptr, curves);
    const unsigned short* blocks[3] = {CorrectionRamp.red, CorrectionRamp.green,
                                       CorrectionRamp.blue};
    for (int c = 0; c < 3; ++c) {
        for (int i = 0; i < 256; ++i) {
            const cmsUInt16Number in = static_cast<cmsUInt16Number>(i * 257);
            // An 8-bit table entry b reads back as b x 257.
            ASSERT_EQ(blocks[c][i] / 256 * 257, cmsEvalToneCurve16(curves[c], in)) << c << " " << i;
        }
    }
}

TEST_F(LittleCms, TextsReadBack) {
    SetKnownCalibration();
    Open();
    EXPECT_EQ("Test panel", Info(cmsInfoDescription));
    cmsCloseProfile(profile);
    const std::string longest(338, 'w');
    SetProfileTexts(longest.c_str(), "(c) 2024 Orvane");
    Open();
    EXPECT_EQ(longest, Info(cmsInfoDescription));
    EXPECT_EQ("(c) 2024 Orvane", Info(cmsInfoCopyright));
}

// White stays white, black stays black and greys stay neutral on the way
// to sRGB.
TEST_F(LittleCms, TransformToSrgb) {
    SetKnownCalibration();
    Open();
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHTRANSFORM transform =
        cmsCreateTransform(profile, TYPE_RGB_8, srgb, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    ASSERT_NE(nullptr, transform);
    const unsigned char in[9] = {255, 255, 255, 0, 0, 0, 128, 128, 128};
    unsigned char out[9] = {};
    cmsDoTransform(transform, in, out, 3);
    for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(255, out[c], 2) << c;
        EXPECT_NEAR(0, out[3 + c], 1) << c;
        EXPECT_NEAR(out[6], out[6 + c], 2) << c;
    }
    std::printf("[lcms] to sRGB: white -> %d %d %d, black -> %d %d %d, grey 128 -> %d %d %d\n",
                out[0], out[1], out[2], out[3], out[4], out[5], out[6], out[7], out[8]);
    cmsDeleteTransform(transform);
    cmsCloseProfile(srgb);
}

void PrintXyz(cmsHPROFILE profile, cmsTagSignature tag, const char* name) {
    const cmsCIEXYZ* xyz = static_cast<const cmsCIEXYZ*>(cmsReadTag(profile, tag));
    if (xyz != nullptr) std::printf("[lcms] %s %.6f %.6f %.6f\n", name, xyz->X, xyz->Y, xyz->Z);
}

// Not a check: what Little CMS reports for the known calibration's profile.
TEST_F(LittleCms, Dump) {
    SetKnownCalibration();
    Open();
    std::printf("[lcms] version %.1f, class %08x, colour space %08x, PCS %08x, %u tags\n",
                cmsGetProfileVersion(profile), unsigned(cmsGetDeviceClass(profile)),
                unsigned(cmsGetColorSpace(profile)), unsigned(cmsGetPCS(profile)),
                unsigned(cmsGetTagCount(profile)));
    for (cmsInt32Number i = 0; i < cmsGetTagCount(profile); ++i) {
        const cmsTagSignature tag = cmsGetTagSignature(profile, static_cast<cmsUInt32Number>(i));
        std::printf("[lcms] tag %c%c%c%c %s\n", char(tag >> 24), char(tag >> 16), char(tag >> 8),
                    char(tag), cmsReadTag(profile, tag) != nullptr ? "read" : "unknown type");
    }
    std::printf("[lcms] description \"%s\"\n", Info(cmsInfoDescription).c_str());
    PrintXyz(profile, cmsSigMediaWhitePointTag, "wtpt");
    PrintXyz(profile, cmsSigRedColorantTag, "rXYZ");
    PrintXyz(profile, cmsSigGreenColorantTag, "gXYZ");
    PrintXyz(profile, cmsSigBlueColorantTag, "bXYZ");
    const cmsToneCurve* red =
        static_cast<const cmsToneCurve*>(cmsReadTag(profile, cmsSigRedTRCTag));
    ASSERT_NE(nullptr, red);
    std::printf("[lcms] rTRC gamma %.6f\n", cmsEstimateGamma(red, 0.001));
    cmsToneCurve** vcgt = static_cast<cmsToneCurve**>(cmsReadTag(profile, cmsSigVcgtTag));
    ASSERT_NE(nullptr, vcgt);
    std::printf("[lcms] vcgt at 0, 128, 255: red %u %u %u, green %u %u %u, blue %u %u %u\n",
                cmsEvalToneCurve16(vcgt[0], 0), cmsEvalToneCurve16(vcgt[0], 32896),
                cmsEvalToneCurve16(vcgt[0], 65535), cmsEvalToneCurve16(vcgt[1], 0),
                cmsEvalToneCurve16(vcgt[1], 32896), cmsEvalToneCurve16(vcgt[1], 65535),
                cmsEvalToneCurve16(vcgt[2], 0), cmsEvalToneCurve16(vcgt[2], 32896),
                cmsEvalToneCurve16(vcgt[2], 65535));
}

} // namespace
