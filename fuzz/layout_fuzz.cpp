// Layout text through the parser and the reader (with the test's fake classes), then through the
// writer: whatever reads must write text that reads back and writes the same again.
#include "../tests/layout/FakeComponents.h"
#include "core/Error.h"
#include "layout/LayoutReader.h"
#include "layout/LayoutWriter.h"

#include <cstdlib>
#include <string>

using namespace layout;
using namespace layout::test;

namespace {

std::string readAndWrite(const std::string& text, const ClassRegistry& registry) {
    FakeForm form;
    readLayout(form, text, "fuzz", registry);
    WriteOptions options;
    options.parentOf = [](const core::Component* c) -> const core::Component* {
        auto* control = dynamic_cast<const FakeControl*>(c);
        return control ? control->parent : nullptr;
    };
    return writeLayout(form, options);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ClassRegistry registry = fakeRegistry();
    eventLog().clear();
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string first;
    try {
        first = readAndWrite(text, registry);
    } catch (const core::Error&) {
        if (liveControls() != 0)
            std::abort(); // a failed read left components behind
        return 0;
    }
    eventLog().clear();
    // Written text must read back to the same text.
    if (readAndWrite(first, registry) != first)
        std::abort();
    return 0;
}
