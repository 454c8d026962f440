#include "fakes/source_data.h"

namespace ostrel::fake {

namespace {

void Poke64(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t value) {
    Poke32(bytes, at, static_cast<std::uint32_t>(value));
    Poke32(bytes, at + 4, static_cast<std::uint32_t>(value >> 32));
}

std::size_t Grow(std::vector<std::uint8_t>& bytes, std::size_t length) {
    const std::size_t at = bytes.size();
    bytes.resize(at + length, 0);
    return at;
}

std::size_t RoundUp8(std::size_t n) {
    return (n + 7) / 8 * 8;
}

// A UTF-16 name with its terminating zero, padded to 8 bytes.
std::size_t PutName(std::vector<std::uint8_t>& bytes, const std::string& name) {
    const std::size_t at = Grow(bytes, RoundUp8(2 * (name.size() + 1)));
    for (std::size_t i = 0; i < name.size(); ++i) {
        Poke16(bytes, at + 2 * i, static_cast<unsigned char>(name[i]));
    }
    return at;
}

void PutCounterBlock(PerfBlock& block, const PerfObject& object, std::int64_t idle) {
    const std::size_t length = 8 + 8 * object.counters.size();
    const std::size_t at = Grow(block.bytes, length);
    Poke32(block.bytes, at, static_cast<std::uint32_t>(length));
    for (std::size_t c = 0; c < object.counters.size(); ++c) {
        const std::uint64_t value =
            object.counters[c] == 6 ? static_cast<std::uint64_t>(idle) : 1000003u * (c + 1);
        Poke64(block.bytes, at + 8 + 8 * c, value);
    }
    block.counterBlocksAt.push_back(at);
}

void PutObject(PerfBlock& block, const PerfObject& object) {
    std::vector<std::uint8_t>& b = block.bytes;
    const std::size_t at = Grow(b, 64);
    block.objectsAt.push_back(at);
    const bool processor = object.titleIndex == 238;
    if (processor) {
        block.processorAt = at;
        block.countersAt.clear();
        block.instancesAt.clear();
        block.counterBlocksAt.clear();
    }
    const std::size_t definitions = 64 + 40 * object.counters.size();
    Poke32(b, at + 4, static_cast<std::uint32_t>(definitions));
    Poke32(b, at + 8, 64);
    Poke32(b, at + 12, object.titleIndex);
    Poke32(b, at + 32, static_cast<std::uint32_t>(object.counters.size()));
    Poke32(b, at + 40,
           object.withoutInstances ? 0xFFFFFFFFu
                                   : static_cast<std::uint32_t>(object.instances.size()));
    for (std::size_t c = 0; c < object.counters.size(); ++c) {
        const std::size_t def = Grow(b, 40);
        if (processor) {
            block.countersAt.push_back(def);
        }
        Poke32(b, def, 40);
        Poke32(b, def + 4, object.counters[c]);
        Poke32(b, def + 36, static_cast<std::uint32_t>(8 + 8 * c));
    }
    if (object.withoutInstances) {
        PutCounterBlock(block, object, 0);
    }
    for (const PerfInstance& instance : object.instances) {
        const std::size_t def = Grow(b, 24);
        if (processor) {
            block.instancesAt.push_back(def);
        }
        PutName(b, instance.name);
        Poke32(b, def, static_cast<std::uint32_t>(b.size() - def));
        Poke32(b, def + 16, 24);
        Poke32(b, def + 20, static_cast<std::uint32_t>(2 * (instance.name.size() + 1)));
        PutCounterBlock(block, object, instance.idle);
    }
    Poke32(b, at, static_cast<std::uint32_t>(b.size() - at));
}

}  // namespace

void Poke16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    bytes.at(at) = static_cast<std::uint8_t>(value);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void Poke32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    Poke16(bytes, at, static_cast<std::uint16_t>(value));
    Poke16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

// Only the fields the reader looks at are filled in; the rest stay zero.
PerfBlock BuildPerfBlock(const std::vector<PerfObject>& objects, const PerfTime& time) {
    PerfBlock block;
    std::vector<std::uint8_t>& b = block.bytes;
    b.assign(88, 0);
    const char16_t signature[4] = {u'P', u'E', u'R', u'F'};
    for (std::size_t i = 0; i < 4; ++i) {
        Poke16(b, 2 * i, signature[i]);
    }
    Poke32(b, 28, static_cast<std::uint32_t>(objects.size()));
    const int fields[8] = {time.year, time.month,  2 /* Tuesday */, time.day,
                           time.hour, time.minute, time.second,     time.milliseconds};
    for (std::size_t i = 0; i < 8; ++i) {
        Poke16(b, 36 + 2 * i, static_cast<std::uint16_t>(fields[i]));
    }
    Poke32(b, 24, static_cast<std::uint32_t>(b.size()));  // header length
    for (const PerfObject& object : objects) {
        PutObject(block, object);
    }
    return block;
}

PerfBlock ProcessorBlock(const std::vector<std::int64_t>& idle, const PerfTime& time) {
    PerfObject system;
    system.titleIndex = 2;
    system.counters = {10, 12, 674};
    system.withoutInstances = true;
    PerfObject processor;
    std::int64_t total = 0;
    for (std::size_t i = 0; i < idle.size(); ++i) {
        processor.instances.push_back({std::to_string(i), idle[i]});
        total += idle[i];
    }
    processor.instances.push_back({"_Total", total});
    return BuildPerfBlock({system, processor}, time);
}

std::vector<std::uint8_t> InterfaceTable(
    const std::vector<std::pair<std::uint32_t, std::uint32_t>>& rows) {
    std::vector<std::uint8_t> table(4 + 860 * rows.size(), 0);
    Poke32(table, 0, static_cast<std::uint32_t>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::size_t row = 4 + 860 * i;
        Poke32(table, row + 512, static_cast<std::uint32_t>(i + 1));  // interface index
        Poke32(table, row + 552, rows[i].first);
        Poke32(table, row + 576, rows[i].second);
    }
    return table;
}

}  // namespace ostrel::fake
