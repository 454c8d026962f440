#include <gtest/gtest.h>

#include "fixture.h"
#include "platform/registry.h"
#include "settings/reg_stuff.h"

namespace ostrel {
namespace {

constexpr std::uint32_t kHklm = platform::kHkeyLocalMachine;
const std::string kKey = "Software\\Test";

class RegStuff : public PlatformTest {
  protected:
    void TearDown() override { EXPECT_EQ(fake().openKeys, 0) << "a key was left open"; }
};

TEST_F(RegStuff, MissingKeyFailsBothReadsAndTouchesNothing) {
    std::string text = "kept";
    std::int32_t number = 77;
    EXPECT_FALSE(ReadRegString(kHklm, kKey, "Name", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(ReadRegDword(kHklm, kKey, "Name", number));
    EXPECT_EQ(number, 77);
}

TEST_F(RegStuff, MissingValueFailsWithEmptyText) {
    fake().SetRegText(kKey, "Other", "x");
    std::string text = "kept";
    EXPECT_FALSE(ReadRegString(kHklm, kKey, "Name", text));
    EXPECT_EQ(text, "");
}

TEST_F(RegStuff, TextWithTerminatingZeroLosesIt) {
    fake().SetRegBytes(kKey, "Name", platform::kRegSz, {'a', 'b', 0});
    std::string text;
    EXPECT_TRUE(ReadRegString(kHklm, kKey, "Name", text));
    EXPECT_EQ(text, "ab");
    fake().SetRegBytes(kKey, "Name", platform::kRegSz, {'a', 'b'});
    EXPECT_TRUE(ReadRegString(kHklm, kKey, "Name", text));
    EXPECT_EQ(text, "ab");
}

TEST_F(RegStuff, TextIsStoredWithoutTerminatorAndEmptyAsOneZeroByte) {
    EXPECT_TRUE(WriteRegString(kHklm, kKey, "Name", "Verdana"));
    const auto* v = fake().FindValue(kHklm, kKey, "Name");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->type, platform::kRegSz);
    EXPECT_EQ(std::string(v->bytes.begin(), v->bytes.end()), "Verdana");

    EXPECT_TRUE(WriteRegString(kHklm, kKey, "Empty", ""));
    v = fake().FindValue(kHklm, kKey, "Empty");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->bytes, std::vector<std::uint8_t>{0});
    std::string text = "kept";
    EXPECT_TRUE(ReadRegString(kHklm, kKey, "Empty", text));
    EXPECT_EQ(text, "");
}

TEST_F(RegStuff, DwordsRoundTripSigned) {
    for (std::int32_t n : {0, 16777215, -1, 255, 256, 2147483647, -2147483647 - 1}) {
        EXPECT_TRUE(WriteRegDword(kHklm, kKey, "N", n));
        const auto* v = fake().FindValue(kHklm, kKey, "N");
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->type, platform::kRegDword);
        EXPECT_EQ(v->bytes.size(), 4u);
        std::int32_t back = 12345;
        EXPECT_TRUE(ReadRegDword(kHklm, kKey, "N", back));
        EXPECT_EQ(back, n);
    }
    fake().SetRegDword(kKey, "All", 0xFFFFFFFFu);
    std::int32_t back = 0;
    EXPECT_TRUE(ReadRegDword(kHklm, kKey, "All", back));
    EXPECT_EQ(back, -1);
}

TEST_F(RegStuff, WrongTypesAndOversizedValuesFail) {
    fake().SetRegText(kKey, "Text", "10");
    std::int32_t number = 5;
    EXPECT_FALSE(ReadRegDword(kHklm, kKey, "Text", number));
    EXPECT_EQ(number, 5);

    fake().SetRegText(kKey, "Long", std::string(1025, 'x'));
    std::string text = "kept";
    EXPECT_FALSE(ReadRegString(kHklm, kKey, "Long", text));
    EXPECT_EQ(text, "");
    fake().SetRegText(kKey, "Fits", std::string(1024, 'y'));
    EXPECT_TRUE(ReadRegString(kHklm, kKey, "Fits", text));
    EXPECT_EQ(text.size(), 1024u);
}

TEST_F(RegStuff, OtherTypesReadAsTextLeaveTheCallersText) {
    fake().SetRegBytes(kKey, "Bin", 3, {1, 2, 3});
    std::string text = "kept";
    EXPECT_TRUE(ReadRegString(kHklm, kKey, "Bin", text));
    EXPECT_EQ(text, "kept");
    fake().SetRegDword(kKey, "Num", 300);
    EXPECT_TRUE(ReadRegString(kHklm, kKey, "Num", text));
    EXPECT_EQ(text, "300");
}

TEST_F(RegStuff, ZeroByteValuesAreEmptyTextAndFailedNumbers) {
    fake().SetRegBytes(kKey, "Nothing", platform::kRegSz, {});
    fake().SetRegBytes(kKey, "NoNumber", platform::kRegDword, {});
    std::string text = "kept";
    EXPECT_FALSE(ReadRegString(kHklm, kKey, "Nothing", text));
    EXPECT_EQ(text, "");
    std::int32_t number = 3;
    EXPECT_FALSE(ReadRegDword(kHklm, kKey, "NoNumber", number));
    EXPECT_EQ(number, 3);
}

TEST_F(RegStuff, WritesFailWhenTheKeyOrValueIsRefused) {
    fake().refuseCreate = true;
    EXPECT_FALSE(WriteRegString(kHklm, kKey, "Name", "x"));
    EXPECT_FALSE(WriteRegDword(kHklm, kKey, "N", 1));
    fake().refuseCreate = false;
    fake().refuseWrites = true;
    EXPECT_FALSE(WriteRegString(kHklm, kKey, "Name", "x"));
    EXPECT_FALSE(WriteRegDword(kHklm, kKey, "N", 1));
}

}  // namespace
}  // namespace ostrel
