// The scenario reader: any bytes are either refused with one printable line
// that names a line of the file, or read and played to the end.
#include "Scenario.h"
#include "ScenarioFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        ParseScenario(text);
    } catch (const ScenarioError& e) {
        if (e.Line < 1 || e.Line > text.count('\n') + 1 || e.What.isEmpty() || e.What.size() > 200)
            std::abort();
        for (QChar ch : e.What)
            if (!ch.isPrint()) std::abort();
        return 0;
    }
    const ScenarioResult result = RunScenario(text, 1);
    if (result.ExitCode != 0 || result.Output.isEmpty()) std::abort();
    return 0;
}
