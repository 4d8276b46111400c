// The ICC monitor profile (version 2.4) that carries a calibration: header,
// a table of twelve tags, then their data. This writer is the one definition
// of the file; Velloran's reader takes the mLUT and desc tags out of it.
#pragma once

#include "profile/output_file.h"

enum {
    PROFILE_BUFFER_SIZE = 60000, // work buffer; the largest profile is 3526 bytes
    PROFILE_TEXT_LIMIT = 338,    // longest description and copyright text taken
};

// Builds the profile of CalibrationSettings, CalibrationRecord and
// CorrectionRamp in a work buffer and writes it with one write. 0 when every
// byte was written (the file is then closed); 1 when no work buffer can be had
// or the write failed or fell short (the file is then still open and the
// caller closes it).
int WriteProfile(OutputFile file);

// Fills buffer (PROFILE_BUFFER_SIZE bytes, all zero) with the profile as
// WriteProfile writes it, dated now; returns its size in bytes.
int BuildProfile(unsigned char* buffer);

// Big-endian stores: the low 16 bits of value, and all 32 bits.
void PutU16BE(unsigned char* buffer, int offset, unsigned int value);
void PutU32BE(unsigned char* buffer, int offset, unsigned int value);
// n rounded up to a multiple of 4.
int Align4(int n);
