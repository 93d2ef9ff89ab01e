#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace qx71 {

// SHA-256 (FIPS 180-4), fed in pieces; shown for a downloaded firmware image so the user can
// compare it with the maker's checksum.
class Sha256 {
public:
    Sha256();
    void Update(std::span<const uint8_t> bytes);
    // The digest; the object must not be fed afterwards.
    std::array<uint8_t, 32> Finish();

private:
    void Block(const uint8_t* block);

    std::array<uint32_t, 8> state_;
    std::array<uint8_t, 64> buffer_{};
    size_t buffered_ = 0;
    uint64_t length_ = 0;
};

} // namespace qx71
