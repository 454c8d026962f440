#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "windows/portable/registry_store.h"
#include "windows/fake_registry_values.h"

namespace ostrel::win32 {
namespace {

using platform::ReadStatus;
using Bytes = std::vector<std::uint8_t>;
const std::string kKey = "Software\\Test";

// A registry of keys by root and path, counting the keys left open.
struct FakeRegistry {
    using KeyName = std::pair<RegistryRoot, std::string>;
    std::map<KeyName, RegistryValues> keys;
    std::vector<KeyName> handles;  // key n is handles[n - 1]
    int openKeys = 0;
    bool refuseCreate = false;
    bool refuseWrites = false;
    long queryAnswer = kRegSuccess;  // a refusal the value query answers instead

    RegistryAccess Access() {
        RegistryAccess a;
        a.openKey = [this](RegistryRoot root, const std::string& path, bool create,
                           RegistryKey& key) -> long {
            const KeyName name{root, path};
            if (!keys.contains(name) && (!create || refuseCreate)) {
                return kRegFileNotFound;
            }
            keys[name];
            handles.push_back(name);
            key = handles.size();
            ++openKeys;
            return kRegSuccess;
        };
        a.queryValue = [this](RegistryKey key, const std::string& name, std::uint32_t& type,
                              std::uint8_t* data, std::uint32_t& size) -> long {
            return queryAnswer != kRegSuccess
                       ? queryAnswer
                       : AnswerQuery(keys.at(handles.at(key - 1)), name, type, data, size);
        };
        a.setValue = [this](RegistryKey key, const std::string& name, std::uint32_t type,
                            const std::uint8_t* data, std::uint32_t size) -> long {
            // 5: access denied.
            return refuseWrites
                       ? 5
                       : (keys.at(handles.at(key - 1))[name] = {type, Bytes(data, data + size)},
                          kRegSuccess);
        };
        a.closeKey = [this](RegistryKey) { --openKeys; };
        return a;
    }
};

constexpr RegistryRoot kHklm = RegistryRoot::LocalMachine;
using KeyName = FakeRegistry::KeyName;

TEST(RegistryStore, ReadsEveryKindOfValueAndWritesTextWithoutTerminatorAndNumbersSigned) {
    // Each case: the value's name (nullptr: no key at all), type and bytes;
    // what a text read and a number read give.
    using enum ReadStatus;
    const std::tuple<const char*, std::uint32_t, Bytes, ReadStatus, std::string, ReadStatus,
                     std::int32_t>
        cases[] = {
            {nullptr, kRegSz, {}, Missing, "", Missing, 0},
            {"Other", kRegSz, {'x'}, Missing, "", Missing, 0},
            {"Name", kRegSz, {'a', 'b'}, Value, "ab", WrongType, 0},  // no terminator
            {"Name", kRegSz, {'a', 0}, Value, "a", WrongType, 0},
            {"Name", kRegSz, {0}, Value, "", WrongType, 0},
            {"Name", kRegDword, {}, Failed, "", Failed, 0},  // no bytes at all
            {"Name", kRegDword, {255, 255, 255, 255}, Value, "4294967295", Value, -1},
            // A zero top byte is trimmed and reads as zero.
            {"Name", kRegDword, {255, 255, 255, 0}, Value, "16777215", Value, 16777215},
            {"Name", kRegDword, {1, 2}, Value, "513", Value, 513},
            {"Name", kRegDword, {1, 0, 0, 0, 9}, Value, "1", Value, 1},
            {"Name", 3, {1, 2, 3}, Value, "", WrongType, 0},  // another type
            {"Name", kRegSz, Bytes(1024, 'y'), Value, std::string(1024, 'y'), WrongType, 0},
            {"Name", kRegSz, Bytes(1025, 'x'), Failed, "", Failed, 0},
        };
    for (const auto& c : cases) {
        const auto& [valueName, type, bytes, textStatus, text, numberStatus, number] = c;
        FakeRegistry fake;
        if (valueName != nullptr) {
            fake.keys[KeyName{kHklm, kKey}][valueName] = {type, bytes};
        }
        const auto access = fake.Access();
        const platform::StoredText t = ReadRegistryText(access, kHklm, kKey, "Name");
        const platform::StoredNumber n = ReadRegistryNumber(access, kHklm, kKey, "Name");
        // Reading never creates the key, and leaves none open.
        EXPECT_EQ(
            std::tuple(t.status, t.value, n.status, n.value, fake.openKeys, fake.keys.size()),
            std::tuple(textStatus, text, numberStatus, number, 0, valueName == nullptr ? 0u : 1u))
            << "case " << &c - cases;
    }
    FakeRegistry denied;
    denied.keys[KeyName{kHklm, kKey}]["Name"] = {kRegSz, {'a'}};
    denied.queryAnswer = 5;
    EXPECT_EQ(ReadRegistryText(denied.Access(), kHklm, kKey, "Name").status, ReadStatus::Failed);
    EXPECT_EQ(denied.openKeys, 0);
    FakeRegistry fake;
    const auto access = fake.Access();
    for (const auto& [text, bytes] : {std::pair("ab", Bytes{'a', 'b'}), std::pair("", Bytes{0})}) {
        EXPECT_TRUE(WriteRegistryText(access, RegistryRoot::Users, kKey, "Name", text));
        const auto& v = fake.keys[KeyName{RegistryRoot::Users, kKey}]["Name"];
        EXPECT_EQ(std::pair(v.type, v.bytes), std::pair(kRegSz, bytes)) << text;
    }
    for (std::int32_t n : {0, 0x12345678, 16777215, -1, 255, 256, INT32_MAX, INT32_MIN}) {
        EXPECT_TRUE(WriteRegistryNumber(access, kHklm, kKey, "N", n));
        EXPECT_EQ(ReadRegistryNumber(access, kHklm, kKey, "N").Or(12345), n);
    }
    EXPECT_EQ((fake.keys[{kHklm, kKey}]["N"].bytes), (Bytes{0, 0, 0, 0x80}));  // little-endian
    for (bool* refuse : {&fake.refuseCreate, &fake.refuseWrites}) {
        fake.keys.clear();
        *refuse = true;
        EXPECT_FALSE(WriteRegistryText(access, kHklm, kKey, "Name", "x") ||
                     WriteRegistryNumber(access, kHklm, kKey, "N", 1));
        *refuse = false;
    }
    EXPECT_EQ(fake.openKeys, 0) << "a key was left open";
    EXPECT_EQ(SettingsKeyPath(), "Software\\Ostrel Screen Saver\\Settings");
}

}  // namespace
}  // namespace ostrel::win32
