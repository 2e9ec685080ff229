// The target box's text: whatever it holds, "O.K" sets a target of 25..500,
// and the key filter lets through the typed key or nothing.
#include "SavedRecord.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const int16_t target = TargetFromText(text);
    if (target < 25 || target > 500) std::abort();
    if (size > 0) {
        const int key = data[0];
        const int passed = ModOnlyNumeric(key, text.mid(1), static_cast<int>(size % 4));
        if (passed != 0 && passed != key) std::abort();
    }
    return 0;
}
