#pragma once
// The EGL config for a format request. eglChooseConfig treats sizes as
// minimums and puts the most colour bits first, so its answer is filtered:
// red, green and blue exactly as asked (a request for 5-6-5 gets no 8-8-8,
// one for 8-8-8 no 10-10-10), the window's visual when drawing into a
// window, and no sample buffers unless samples were asked for.
#include <EGL/egl.h>

#include "scene3d/context/formatrequest.h"

// The first matching config; nullptr when none matches. Visual 0 accepts any
// visual.
EGLConfig ChooseEGLConfig(EGLDisplay Display, const T3DFormatRequest& Request, EGLint Visual);
