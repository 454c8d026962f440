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
using RegStuff = PlatformTest;

TEST_F(RegStuff, ReadsOfEveryKindOfStoredValue) {
    // Each case: the value's name (nullptr: no key at all), type and bytes;
    // what a text read and a number read give (none: the read fails). Text
    // reads start from "kept", number reads from 77; a failed text read
    // empties the text, a failed number read keeps the number.
    using Text = std::optional<std::string>;
    using Number = std::optional<std::int32_t>;
    const std::tuple<const char*, std::uint32_t, Bytes, Text, Number> cases[] = {
        {nullptr, kSz, {}, {}, {}},
        {"Other", kSz, {'x'}, {}, {}},
        {"Name", kSz, {'a', 'b'}, "ab", {}},  // no terminator
        {"Name", kSz, {0}, "", {}},
        {"Name", kDword, {}, {}, {}},  // no bytes at all
        {"Name", kDword, {255, 255, 255, 255}, "4294967295", -1},
        {"Name", kDword, {255, 255, 255, 0}, "16777215", 16777215},  // a zero top byte
        {"Name", kDword, {1, 0, 0, 0, 9}, "1", 1},                   // a fifth byte
        {"Name", 3, {1, 2, 3}, "kept", {}},                          // another type
        {"Name", kSz, Bytes(1024, 'y'), std::string(1024, 'y'), {}},
        {"Name", kSz, Bytes(1025, 'x'), {}, {}},
    };
    for (const auto& c : cases) {
        const auto& [valueName, type, bytes, text, number] = c;
        SetUp();
        if (valueName != nullptr) {
            fake().SetRegBytes(kKey, valueName, type, bytes);
        }
        std::string readText = "kept";
        std::int32_t readNumber = 77;
        const bool textRead = ReadRegistryText(kHklm, kKey, "Name", readText);
        const bool numberRead = ReadRegistryNumber(kHklm, kKey, "Name", readNumber);
        // Reading never creates the key.
        EXPECT_EQ(std::tuple(textRead, readText, numberRead, readNumber, fake().openKeys,
                             fake().keys.empty()),
                  std::tuple(text.has_value(), text.value_or(""), number.has_value(),
                             number.value_or(77), 0, valueName == nullptr))
            << "case " << &c - cases;
    }
}

TEST_F(RegStuff, WritesStoreTextWithoutTerminatorAndDwordsSignedAndFailWhenRefused) {
    // An empty text is stored as one zero byte.
    for (const auto& [text, bytes] : {std::pair("ab", Bytes{'a', 'b'}), std::pair("", Bytes{0})}) {
        EXPECT_TRUE(WriteRegistryText(kHklm, kKey, "Name", text));
        const auto* v = fake().FindValue(kHklm, kKey, "Name");
        EXPECT_TRUE(v != nullptr && v->type == kSz && v->bytes == bytes) << text;
    }
    for (std::int32_t n : {0, 0x12345678, 16777215, -1, 255, 256, INT32_MAX, INT32_MIN}) {
        std::int32_t back = 12345;
        EXPECT_TRUE(WriteRegistryNumber(kHklm, kKey, "N", n) &&
                    ReadRegistryNumber(kHklm, kKey, "N", back) && back == n)
            << n;
    }
    for (bool& refuse : {std::ref(fake().refuseCreate), std::ref(fake().refuseWrites)}) {
        refuse = true;
        EXPECT_FALSE(WriteRegistryText(kHklm, kKey, "Name", "x") ||
                     WriteRegistryNumber(kHklm, kKey, "N", 1));
        refuse = false;
    }
    EXPECT_EQ(fake().openKeys, 0) << "a key was left open";
}

}  // namespace
}  // namespace ostrel
