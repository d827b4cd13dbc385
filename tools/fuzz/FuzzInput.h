#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace FuzzInput {

inline QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Inputs that hold several files separate them with this byte (ASCII record
// separator), which no text file of ours contains.
constexpr char separator = '\x1e';

inline QByteArrayList sections(const QByteArray& input)
{
    return input.split(separator);
}

// A broken promise of the code under test: stop so the fuzzer keeps the input.
inline void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace FuzzInput
