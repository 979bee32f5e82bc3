#pragma once
// FNV-1a (64 bits) over what a caller feeds it, for telling two runs apart:
// values by their bytes (floats by their bits, so -0 and 0 differ and nothing
// rounds), texts with their length first so "ab" + "c" and "a" + "bc" differ.
// The world hash (wiring/world_hash.h) feeds it the world; scripts feed it their
// gameplay state through Scripts::HashState.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace Engine {

class StateHasher {
public:
    void Bytes(const void* data, size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) {
            hash_ ^= bytes[i];
            hash_ *= 0x100000001b3ULL;
        }
    }
    template <class T>
    void Value(T value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        Bytes(bytes, sizeof(T));
    }
    void Flag(bool value) { Value(static_cast<uint8_t>(value)); }
    void Text(const std::string& text) {
        Value(static_cast<uint64_t>(text.size()));
        Bytes(text.data(), text.size());
    }
    uint64_t hash() const { return hash_; }

private:
    uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace Engine
