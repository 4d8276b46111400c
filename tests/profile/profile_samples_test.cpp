// Leaves profiles and logs of known calibrations in the samples folder so
// that other tools (validators, viewers, colour pickers) can be pointed at
// them, and checks that each reads back.
#include "profile/icc_profile.h"
#include "profile/profile_log.h"

#include "loader/loader_state.h"
#include "loader/profile_reader.h"
#include "tests/profile/profile_fixtures.h"
#include "tests/wizard/wizard_run_fixture.h"
#include "text/text_utils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <sys/stat.h>

namespace {

std::string SamplePath(const char* name) {
    mkdir(PRISMOTH_SAMPLES_DIR, 0755);
    return std::string(PRISMOTH_SAMPLES_DIR) + "/" + name;
}

void WriteSampleProfile(const char* name) {
    const std::string path = SamplePath(name);
    OutputFile file;
    ASSERT_EQ(0, CreateOutputFile(path.c_str(), &file));
    ASSERT_EQ(0, WriteProfile(file));
    CopyTextLimited(path.c_str(), LoaderProfilePath, LOADER_PATH_SIZE - 1);
    GammaRamp ramp;
    EXPECT_EQ(0, ReadProfileLookupTables(&ramp)) << path;
}

void WriteSampleLog(const char* name) {
    const std::string log = WriteLogFile(SamplePath(name));
    EXPECT_EQ(LOG_LINE_COUNT, std::count(log.begin(), log.end(), '\n'));
}

TEST(Samples, KnownCalibrations) {
    SetKnownCalibration();
    WriteSampleProfile("worked-example.icm");
    WriteSampleLog("worked-example.txt");
    SetD75Gamma18Calibration();
    WriteSampleProfile("d75-gamma18.icm");
    WriteSampleLog("d75-gamma18.txt");
    SetKnownCalibration();
    const std::string longest(338, 'D'), copyright(338, 'C');
    SetProfileTexts(longest.c_str(), copyright.c_str());
    WriteSampleProfile("longest-texts.icm");
    SetKnownCalibration();
    SetFlatCorrectionRamp();
    WriteSampleProfile("flat-ramp.icm");
}

// A whole calibration of the default virtual monitor through the wizard's
// pages, saved as the wizard saves it.
TEST_F(WizardRun, CalibratedVirtualMonitorSample) {
    SetSettings(0, 0);
    CopyTextLimited("Virtual LCD calibrated", CalibrationSettings.profileDescription, 338);
    GoToAttachPage();
    ASSERT_EQ(0, AdvancePage()) << HostUiLogText(); // skips to the calibration run
    ASSERT_EQ(0, AdvancePage());
    ASSERT_EQ(PAGE_SAVE_PROFILE, currentPage);
    EXPECT_NEAR(2.2, CalibrationRecord.correctedGamma, 0.05);
    WriteSampleProfile("virtual-lcd-calibrated.icm");
    WriteSampleLog("virtual-lcd-calibrated.txt");
    GammaRamp ramp;
    ASSERT_EQ(0, ReadProfileLookupTables(&ramp));
    EXPECT_EQ(0, std::memcmp(&ramp, &CorrectionRamp, sizeof ramp));
    EXPECT_STREQ("Virtual LCD calibrated", LoaderDescription);
}

} // namespace
