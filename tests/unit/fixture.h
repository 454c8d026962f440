#pragma once
// Every test over the fakes starts from a fresh platform and the real random
// generator.

#include <gtest/gtest.h>

#include "common/random.h"
#include "fakes/fake_platform.h"

namespace ostrel {

class PlatformTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::ResetFake();
        SetRandomSource({});
    }
    fake::FakePlatform& fake() { return fake::Fake(); }
};

}  // namespace ostrel
