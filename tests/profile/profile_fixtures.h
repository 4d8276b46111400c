// Known calibrations and small file helpers shared by the profile, log and
// reader tests.
#pragma once

#include <string>
#include <vector>

// The calibration of an sRGB-like LCD: description "Test panel" (10
// characters), no copyright, D65, gamma 2.2, measured values for every log
// line, and a correction ramp whose three channels differ.
void SetKnownCalibration();
// The same with target white D75 and target gamma 1.8.
void SetD75Gamma18Calibration();
void SetProfileTexts(const char* description, const char* copyright);
// Entry i = 256 i in all three channels.
void SetFlatCorrectionRamp();

// The profile of the current settings and record, as WriteProfile writes it.
std::vector<unsigned char> BuildProfileBytes();
// Writes the profile log of the current calibration to path; its text.
std::string WriteLogFile(const std::string& path);
// A path for a scratch file, unique to this process.
std::string TestFilePath(const char* name);
// The whole file, or an empty string when it cannot be read.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes);
