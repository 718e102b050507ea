#include "platform/gl/glloader.h"

#include <EGL/egl.h>

void* GLProcAddress(const char* Name)
{
    return reinterpret_cast<void*>(eglGetProcAddress(Name));
}
