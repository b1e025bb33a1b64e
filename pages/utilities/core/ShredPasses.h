#pragma once
// What the file shredder writes, pass by pass: the fixed patterns, the random
// passes and the order of the writes, apart from the file they go to.
#include <array>
#include <cstdint>
#include <random>

namespace shred {

inline constexpr std::uint32_t BlockSize = 32768;
// The number of passes the page asks for: 9 fixed passes of three patterns and 9 random passes.
inline constexpr int Passes = 9;

// One fixed pattern: the byte of the whole blocks and the byte of the rest.
struct Pattern {
    std::uint8_t block;
    std::uint8_t rest;
};
// The rest bytes of patterns 1 and 3 differ from their block bytes.
inline constexpr std::array<Pattern, 3> FixedPatterns{{{0x00, 0x5A}, {0xFF, 0xFF}, {0xFF, 0x8C}}};

// A length as whole blocks and a rest of 0 to BlockSize - 1 bytes.
struct Layout {
    std::uint64_t blocks;
    std::uint32_t rest;
};
constexpr Layout LayoutOf(std::uint64_t length)
{
    return {length / BlockSize, static_cast<std::uint32_t>(length % BlockSize)};
}

// Read-only alone or together with hidden, system and archive: the page asks before it shreds such a file.
bool IsProtected(std::uint32_t attributes);

// Where the passes go.
class Target {
public:
    virtual ~Target() = default;
    // Writes `count` bytes of `value` at the current position.
    virtual void Write(std::uint32_t count, std::uint8_t value) = 0;
    // Back to offset 0.
    virtual void Rewind() = 0;
    // Sends what was written to the storage, past the system's cache.
    virtual void Flush() = 0;
    // Lets the event loop handle what is waiting.
    virtual void YieldToEvents() = 0;
};

// Bytes from 1 to 255, uniformly: a random pass never writes 0.
class RandomBytes {
public:
    explicit RandomBytes(std::uint64_t seed) : engine_(seed) {}
    std::uint8_t Next() { return static_cast<std::uint8_t>(range_(engine_)); }

private:
    std::mt19937_64 engine_;
    std::uniform_int_distribution<int> range_{1, 255};
};

// `passes` fixed passes of the three patterns, then `passes` random passes,
// each pattern and pass over exactly `length` bytes from offset 0 and flushed
// before the next begins: else the cache may keep all but the last, or none.
void Overwrite(std::uint64_t length, int passes, Target& target, RandomBytes& random);

} // namespace shred
