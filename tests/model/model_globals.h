#pragma once
// Base of the tests that touch the process-wide language flag and band values:
// each test starts from the values of a fresh process (English, zero band
// code, limits 136/174/400/480 MHz) and leaves them so.

#include "model/band.h"
#include "model/language.h"

#include <gtest/gtest.h>

class ModelGlobalsTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset() {
        g_bChinese = 0;
        ResetBandValues();
    }
};

// Limits as after any decode: 136..174 MHz and 400..520 MHz.
inline void SetDecodedLimits() {
    SetBandLimitsMhz({136, 174, 400, 520});
}
