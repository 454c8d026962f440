#include "fakes/fake_settings_store.h"

namespace ostrel::platform {

namespace {

template <typename T>
StoredValue<T> Read(SettingsStore& store, const std::string& name) {
    if (store.failingReads.count(name) != 0) {
        return {ReadStatus::Failed, {}};
    }
    const auto found = store.values.find(name);
    if (found == store.values.end()) {
        return {ReadStatus::Missing, {}};
    }
    const T* value = std::get_if<T>(&found->second);
    return value == nullptr ? StoredValue<T>{ReadStatus::WrongType, {}}
                            : StoredValue<T>{ReadStatus::Value, *value};
}

template <typename T>
bool Write(SettingsStore& store, const std::string& name, const T& value) {
    if (store.failingWrites.count(name) != 0) {
        return false;
    }
    store.values[name] = value;
    return true;
}

}  // namespace

std::string SettingsStore::Shown(const std::string& name) const {
    const auto found = values.find(name);
    if (found == values.end()) {
        return "<none>";
    }
    const auto* number = std::get_if<std::int32_t>(&found->second);
    return number != nullptr ? std::to_string(*number) : std::get<std::string>(found->second);
}

StoredNumber ReadNumberValue(SettingsStore& store, const std::string& name) {
    return Read<std::int32_t>(store, name);
}

StoredText ReadTextValue(SettingsStore& store, const std::string& name) {
    return Read<std::string>(store, name);
}

bool WriteNumberValue(SettingsStore& store, const std::string& name, std::int32_t number) {
    return Write(store, name, number);
}

bool WriteTextValue(SettingsStore& store, const std::string& name, const std::string& text) {
    return Write(store, name, text);
}

StoredText ReadDefaultSaver(SettingsStore& store) {
    if (store.defaultSaverFails) {
        return {ReadStatus::Failed, {}};
    }
    return store.defaultSaver ? StoredText{ReadStatus::Value, *store.defaultSaver} : StoredText{};
}

bool WriteDefaultSaver(SettingsStore& store, const std::string& fileName) {
    if (store.defaultSaverFails) {
        return false;
    }
    store.defaultSaver = fileName;
    return true;
}

}  // namespace ostrel::platform
