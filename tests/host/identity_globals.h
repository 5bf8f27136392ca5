#pragma once
// Restores the process-wide OS code and chip flags a test changes.
#include <gtest/gtest.h>

#include "shared/adapter/adapter_identity.h"
#include "shared/system/os_code.h"

class IdentityGlobals : public ::testing::Test {
protected:
    void TearDown() override
    {
        g_OsCode = osCode_;
        g_Supports5GHz = supports5GHz_;
        g_IsHtChip = isHtChip_;
        g_HtChipIndex = htChipIndex_;
        g_NoWpsChip = noWpsChip_;
    }

private:
    int osCode_ = g_OsCode;
    int supports5GHz_ = g_Supports5GHz;
    int isHtChip_ = g_IsHtChip;
    int htChipIndex_ = g_HtChipIndex;
    int noWpsChip_ = g_NoWpsChip;
};
