#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// SHA-256 (FIPS 180-4), fed in pieces. Remembers a file too large to keep
// whole, so that any later change to it is still seen.
class CSha256
{
public:
    using Digest = std::array<unsigned char, 32>;

    CSha256();
    void Update(const unsigned char* bytes, std::size_t count);
    // Ends the message; the object is spent afterwards.
    Digest Finish();

private:
    void Compress(const unsigned char* block);

    std::array<std::uint32_t, 8> m_state;
    std::array<unsigned char, 64> m_block{};
    std::size_t m_blockFill = 0;
    std::uint64_t m_totalBytes = 0;
};
