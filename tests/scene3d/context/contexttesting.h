#pragma once
// Fixtures of the context tests: memory contexts made through the process's
// context manager on the surfaceless display (no X server), freed after the
// test, and a catch for the exceptions handed to the application's handler.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/appexceptions.h"
#include "platform/rtl/exceptions.h"
#include "scene3d/context/context.h"
#include "scene3d/context/contextmanager.h"

class ContextTest : public ::testing::Test {
protected:
    static constexpr int Width = 32;
    static constexpr int Height = 32;

    // A new context of the manager's class, not created.
    T3DContext& NewContext()
    {
        FContexts.push_back(ContextManager()->CreateContext());
        return *FContexts.back();
    }
    // A new memory context, created after Format has set its properties.
    T3DContext& NewMemoryContext(const std::function<void(T3DContext&)>& Format = {})
    {
        T3DContext& context = NewContext();
        if (Format)
            Format(context);
        context.CreateMemoryContext(0, Width, Height, 1);
        return context;
    }
    void TearDown() override
    {
        while (!FContexts.empty())
            FContexts.pop_back();
    }

private:
    std::vector<std::unique_ptr<T3DContext>> FContexts;
};

// The messages of the exceptions given to the application's handler while
// it lives.
class TApplicationExceptions {
public:
    TApplicationExceptions()
    {
        SetApplicationExceptionHandler([this](TObject*, const std::exception_ptr& E) {
            try {
                std::rethrow_exception(E);
            } catch (const Exception& e) {
                FMessages.push_back(e.Message());
            }
        });
    }
    TApplicationExceptions(const TApplicationExceptions&) = delete;
    TApplicationExceptions& operator=(const TApplicationExceptions&) = delete;
    ~TApplicationExceptions() { SetApplicationExceptionHandler(nullptr); }

    const std::vector<std::string>& Messages() const { return FMessages; }

private:
    std::vector<std::string> FMessages;
};
