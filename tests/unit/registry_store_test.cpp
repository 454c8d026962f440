#include <gtest/gtest.h>

#include <optional>

#include "fixture.h"
#include "platform/registry.h"
#include "settings/registry_store.h"

namespace ostrel {
namespace {

constexpr std::uint32_t kHklm = platform::kHkeyLocalMachine;
constexpr std::uint32_t kSz = platform::kRegSz, kDword = platform::kRegDword;
const std::string kKey = "Software\\Test";
using Bytes = std::vector<std::uint8_t>;

class RegStuff : public PlatformTest {
  protected:
    void TearDown() override { EXPECT_EQ(fake().openKeys, 0) << "a key was left open"; }
};

TEST_F(RegStuff, ReadsOfEveryKindOfStoredValue) {
    // Text reads start from "kept", number reads from 77; a failed number read keeps it.
    const struct {
        const char* what;
        const char* valueName;  // stored under this name; nullptr: no key at all
        std::uint32_t type;
        Bytes bytes;
        std::optional<std::string> text;  // none: the text read fails
        std::optional<std::int32_t> number;
    } cases[] = {
        {"missing key", nullptr, kSz, {}, {}, {}},
        {"missing value", "Other", kSz, {'x'}, {}, {}},
        {"terminated text", "Name", kSz, {'a', 'b', 0}, "ab", {}},
        {"unterminated text", "Name", kSz, {'a', 'b'}, "ab", {}},
        {"empty text", "Name", kSz, {0}, "", {}},
        {"no bytes of text", "Name", kSz, {}, {}, {}},
        {"no bytes of number", "Name", kDword, {}, {}, {}},
        {"all bits", "Name", kDword, {255, 255, 255, 255}, "4294967295", -1},
        {"16777215", "Name", kDword, {255, 255, 255, 0}, "16777215", 16777215},
        {"a fifth byte", "Name", kDword, {1, 0, 0, 0, 9}, "1", 1},
        {"other type", "Name", 3, {1, 2, 3}, "kept", {}},
        {"text of digits", "Name", kSz, {'1', '0'}, "10", {}},
        {"1024 bytes", "Name", kSz, Bytes(1024, 'y'), std::string(1024, 'y'), {}},
        {"1025 bytes", "Name", kSz, Bytes(1025, 'x'), {}, {}},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.valueName != nullptr) {
            fake().SetRegBytes(kKey, c.valueName, c.type, c.bytes);
        }
        std::string text = "kept";
        EXPECT_EQ(ReadRegistryText(kHklm, kKey, "Name", text), c.text.has_value()) << c.what;
        EXPECT_EQ(text, c.text.value_or("")) << c.what;
        std::int32_t number = 77;
        EXPECT_EQ(ReadRegistryNumber(kHklm, kKey, "Name", number), c.number.has_value()) << c.what;
        EXPECT_EQ(number, c.number.value_or(77)) << c.what;
        EXPECT_EQ(fake().openKeys, 0) << c.what;
    }
}

TEST_F(RegStuff, WritesStoreTextWithoutTerminatorAndDwordsSignedAndFailWhenRefused) {
    for (const std::string text : {"Verdana", ""}) {  // empty as one zero byte
        EXPECT_TRUE(WriteRegistryText(kHklm, kKey, "Name", text));
        const auto* v = fake().FindValue(kHklm, kKey, "Name");
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->type, kSz);
        EXPECT_EQ(v->bytes, text.empty() ? Bytes{0} : Bytes(text.begin(), text.end()));
    }
    for (std::int32_t n : {0, 16777215, -1, 255, 256, INT32_MAX, INT32_MIN}) {
        EXPECT_TRUE(WriteRegistryNumber(kHklm, kKey, "N", n));
        std::int32_t back = 12345;
        EXPECT_TRUE(ReadRegistryNumber(kHklm, kKey, "N", back));
        EXPECT_EQ(back, n);
    }
    for (bool& refuse : {std::ref(fake().refuseCreate), std::ref(fake().refuseWrites)}) {
        refuse = true;
        EXPECT_FALSE(WriteRegistryText(kHklm, kKey, "Name", "x"));
        EXPECT_FALSE(WriteRegistryNumber(kHklm, kKey, "N", 1));
        refuse = false;
    }
}

}  // namespace
}  // namespace ostrel
