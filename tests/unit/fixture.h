#pragma once
// Every test over the fakes starts from a fresh platform and fresh globals.

#include <gtest/gtest.h>

#include "common/global.h"
#include "common/random.h"
#include "fakes/fake_platform.h"

namespace ostrel {

class PlatformTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::ResetFake();
        ResetGlobals();
        SetRandomSource({});
    }
    fake::FakePlatform& fake() { return fake::Fake(); }
};

}  // namespace ostrel
