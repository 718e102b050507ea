// Feeds arbitrary text to the description reader with every component
// library of the program loaded (controls, edit controls, the serial
// component, the datasets), on the offscreen window system, so that real
// components are made from the text. Anything it accepts must write back to
// text that reads again and writes back to the same text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/object.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/application.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Lives as long as the process: freed by the exit handlers after the
    // run, it would take down the window system's application object out of
    // order.
    static TApplication& application = *new TApplication(nullptr);
    application.Initialize();
    // A message box of a component would wait for an operator.
    TApplication::SetMessageBoxHook([](const std::string&, const std::string&, unsigned) { return IDOK; });
    // One class of each library: without them the reader meets only the
    // runtime's own classes.
    for (const char* name : {"TForm", "TButton", "TDBComboBoxLt", "TRsComm", "TClientDataSet", "TSQLQuery"}) {
        if (!FindClassInfo(name)) {
            std::fprintf(stderr, "%s is not registered: its library is not linked\n", name);
            std::abort();
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string written;
    try {
        std::unique_ptr<TComponent> root(TReader(text, "fuzz").ReadComponent(nullptr));
        written = WriteComponentToText(*root);
    } catch (const Exception&) {
        return 0;
    }
    std::unique_ptr<TComponent> again(TReader(written, "rewritten").ReadComponent(nullptr));
    const std::string rewritten = WriteComponentToText(*again);
    if (rewritten != written) {
        std::fprintf(stderr, "written:\n%s\nwritten again:\n%s\n", written.c_str(), rewritten.c_str());
        std::abort();
    }
    return 0;
}
