#pragma once
// Fixtures of the binding's tests: a real context with the binding loaded
// as context activation loads it, and a saved binding for tests that put
// recording procedures or flags of their own in place.
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/openglapi.h"
#include "tests/support/glcontexttest.h"

// A current context, the libraries loaded, the entry points fetched and the
// flags read; afterwards the libraries are unloaded and the flags put back
// as the test found them, so engine contexts made later in the process see
// the flags their activation read.
class GLBindingTest : public GLContextTest {
protected:
    void SetUp() override
    {
        GLContextTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(LoadGLLibraries());
        LoadGLEntryPoints();
        LoadGLCapabilities();
    }
    void TearDown() override
    {
        UnloadGLLibraries();
        GLCaps = FFoundCaps;
        GLContextTest::TearDown();
    }

private:
    const TOpenGLCapabilities FFoundCaps = GLCaps;
};

// Gives the process the table and flags back that it had when made.
class TSavedGLBinding {
public:
    TSavedGLBinding() = default;
    TSavedGLBinding(const TSavedGLBinding&) = delete;
    TSavedGLBinding& operator=(const TSavedGLBinding&) = delete;
    ~TSavedGLBinding()
    {
        GL = FProcs;
        GLCaps = FCaps;
    }

private:
    const TOpenGLProcs FProcs = GL;
    const TOpenGLCapabilities FCaps = GLCaps;
};
