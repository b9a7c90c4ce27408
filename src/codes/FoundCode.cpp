#include "codes/FoundCode.h"

size_t qHash(const FoundCode &code, size_t seed) noexcept
{
    return qHashMulti(seed, code.id, code.payload, static_cast<int>(code.symbology), code.origin,
                      code.page.value_or(0), code.page.has_value());
}
