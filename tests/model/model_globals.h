#pragma once
// Base of the tests that touch the process-wide language flag: each test
// starts in English and leaves it so.

#include "model/language.h"

#include <gtest/gtest.h>

class ModelGlobalsTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset() { g_bChinese = 0; }
};
