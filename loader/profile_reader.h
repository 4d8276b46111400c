// Velloran's reader of the wizard's monitor profile: the calibration ramp of
// the private mLUT tag and the text of the desc tag. Every position it reads
// is checked against the file's size first, whatever the file holds.
#pragma once

#include "engine/gamma_ramp.h"

#include <cstdint>

// Reads the profile at LoaderProfilePath: its mLUT tag into ramp (768 entries
// in file order) and its description into LoaderDescription. 0 when both tags
// were read, 1 otherwise (no message; the caller reports it).
int ReadProfileLookupTables(GammaRamp* ramp);

// The same, from a file's bytes already in memory (size bytes at block).
int ReadLookupTablesFromBlock(const unsigned char* block, uint32_t size, GammaRamp* ramp);

// Big-endian reads of 4 and 2 bytes at position; the caller checks the bounds.
uint32_t ReadU32BE(const unsigned char* bytes, uint32_t position);
unsigned int ReadU16BE(const unsigned char* bytes, uint32_t position);
