#include "fpu_precision.h"

#if defined(_MSC_VER) && defined(_M_IX86)
#include <float.h>
#endif

namespace {

// Round to nearest, every exception masked, 64-bit precision.
constexpr unsigned short kExtendedControlWord = 0x037F;
constexpr unsigned short kPrecisionMask = 0x0300;

}  // namespace

void SetExtendedPrecision()
{
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__i386__) || defined(__x86_64__))
    const unsigned short word = kExtendedControlWord;
    __asm__ __volatile__("fldcw %0" : : "m"(word));
#elif defined(_MSC_VER) && defined(_M_IX86)
    unsigned int current = 0;
    _controlfp_s(&current, _PC_64, _MCW_PC);
#endif
    // MSVC on x64 has no x87 long double: long double is double there.
}

bool HasExtendedPrecision()
{
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__i386__) || defined(__x86_64__))
    unsigned short word = 0;
    __asm__ __volatile__("fnstcw %0" : "=m"(word));
    return (word & kPrecisionMask) == kPrecisionMask;
#else
    return true;
#endif
}
