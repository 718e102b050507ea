#pragma once
// The entry points of the OpenGL binding, as X-macro lists: X(name) for the
// functions the dispatch libraries export (OpenGL 1.1 and GLU, whose
// prototypes give their types), X(name, pointer type) for the later ones
// fetched at run time. Each group is named after its version or extension.

// OpenGL 1.1: every function of the version
#define LT_GL_1_1_PROCS(X)      \
    X(glClearIndex)             \
    X(glClearColor)             \
    X(glClear)                  \
    X(glIndexMask)              \
    X(glColorMask)              \
    X(glAlphaFunc)              \
    X(glBlendFunc)              \
    X(glLogicOp)                \
    X(glCullFace)               \
    X(glFrontFace)              \
    X(glPointSize)              \
    X(glLineWidth)              \
    X(glLineStipple)            \
    X(glPolygonMode)            \
    X(glPolygonOffset)          \
    X(glPolygonStipple)         \
    X(glGetPolygonStipple)      \
    X(glEdgeFlag)               \
    X(glEdgeFlagv)              \
    X(glScissor)                \
    X(glClipPlane)              \
    X(glGetClipPlane)           \
    X(glDrawBuffer)             \
    X(glReadBuffer)             \
    X(glEnable)                 \
    X(glDisable)                \
    X(glIsEnabled)              \
    X(glEnableClientState)      \
    X(glDisableClientState)     \
    X(glGetBooleanv)            \
    X(glGetDoublev)             \
    X(glGetFloatv)              \
    X(glGetIntegerv)            \
    X(glPushAttrib)             \
    X(glPopAttrib)              \
    X(glPushClientAttrib)       \
    X(glPopClientAttrib)        \
    X(glRenderMode)             \
    X(glGetError)               \
    X(glGetString)              \
    X(glFinish)                 \
    X(glFlush)                  \
    X(glHint)                   \
    X(glClearDepth)             \
    X(glDepthFunc)              \
    X(glDepthMask)              \
    X(glDepthRange)             \
    X(glClearAccum)             \
    X(glAccum)                  \
    X(glMatrixMode)             \
    X(glOrtho)                  \
    X(glFrustum)                \
    X(glViewport)               \
    X(glPushMatrix)             \
    X(glPopMatrix)              \
    X(glLoadIdentity)           \
    X(glLoadMatrixd)            \
    X(glLoadMatrixf)            \
    X(glMultMatrixd)            \
    X(glMultMatrixf)            \
    X(glRotated)                \
    X(glRotatef)                \
    X(glScaled)                 \
    X(glScalef)                 \
    X(glTranslated)             \
    X(glTranslatef)             \
    X(glIsList)                 \
    X(glDeleteLists)            \
    X(glGenLists)               \
    X(glNewList)                \
    X(glEndList)                \
    X(glCallList)               \
    X(glCallLists)              \
    X(glListBase)               \
    X(glBegin)                  \
    X(glEnd)                    \
    X(glVertex2d)               \
    X(glVertex2f)               \
    X(glVertex2i)               \
    X(glVertex2s)               \
    X(glVertex3d)               \
    X(glVertex3f)               \
    X(glVertex3i)               \
    X(glVertex3s)               \
    X(glVertex4d)               \
    X(glVertex4f)               \
    X(glVertex4i)               \
    X(glVertex4s)               \
    X(glVertex2dv)              \
    X(glVertex2fv)              \
    X(glVertex2iv)              \
    X(glVertex2sv)              \
    X(glVertex3dv)              \
    X(glVertex3fv)              \
    X(glVertex3iv)              \
    X(glVertex3sv)              \
    X(glVertex4dv)              \
    X(glVertex4fv)              \
    X(glVertex4iv)              \
    X(glVertex4sv)              \
    X(glNormal3b)               \
    X(glNormal3d)               \
    X(glNormal3f)               \
    X(glNormal3i)               \
    X(glNormal3s)               \
    X(glNormal3bv)              \
    X(glNormal3dv)              \
    X(glNormal3fv)              \
    X(glNormal3iv)              \
    X(glNormal3sv)              \
    X(glIndexd)                 \
    X(glIndexf)                 \
    X(glIndexi)                 \
    X(glIndexs)                 \
    X(glIndexub)                \
    X(glIndexdv)                \
    X(glIndexfv)                \
    X(glIndexiv)                \
    X(glIndexsv)                \
    X(glIndexubv)               \
    X(glColor3b)                \
    X(glColor3d)                \
    X(glColor3f)                \
    X(glColor3i)                \
    X(glColor3s)                \
    X(glColor3ub)               \
    X(glColor3ui)               \
    X(glColor3us)               \
    X(glColor4b)                \
    X(glColor4d)                \
    X(glColor4f)                \
    X(glColor4i)                \
    X(glColor4s)                \
    X(glColor4ub)               \
    X(glColor4ui)               \
    X(glColor4us)               \
    X(glColor3bv)               \
    X(glColor3dv)               \
    X(glColor3fv)               \
    X(glColor3iv)               \
    X(glColor3sv)               \
    X(glColor3ubv)              \
    X(glColor3uiv)              \
    X(glColor3usv)              \
    X(glColor4bv)               \
    X(glColor4dv)               \
    X(glColor4fv)               \
    X(glColor4iv)               \
    X(glColor4sv)               \
    X(glColor4ubv)              \
    X(glColor4uiv)              \
    X(glColor4usv)              \
    X(glTexCoord1d)             \
    X(glTexCoord1f)             \
    X(glTexCoord1i)             \
    X(glTexCoord1s)             \
    X(glTexCoord2d)             \
    X(glTexCoord2f)             \
    X(glTexCoord2i)             \
    X(glTexCoord2s)             \
    X(glTexCoord3d)             \
    X(glTexCoord3f)             \
    X(glTexCoord3i)             \
    X(glTexCoord3s)             \
    X(glTexCoord4d)             \
    X(glTexCoord4f)             \
    X(glTexCoord4i)             \
    X(glTexCoord4s)             \
    X(glTexCoord1dv)            \
    X(glTexCoord1fv)            \
    X(glTexCoord1iv)            \
    X(glTexCoord1sv)            \
    X(glTexCoord2dv)            \
    X(glTexCoord2fv)            \
    X(glTexCoord2iv)            \
    X(glTexCoord2sv)            \
    X(glTexCoord3dv)            \
    X(glTexCoord3fv)            \
    X(glTexCoord3iv)            \
    X(glTexCoord3sv)            \
    X(glTexCoord4dv)            \
    X(glTexCoord4fv)            \
    X(glTexCoord4iv)            \
    X(glTexCoord4sv)            \
    X(glRasterPos2d)            \
    X(glRasterPos2f)            \
    X(glRasterPos2i)            \
    X(glRasterPos2s)            \
    X(glRasterPos3d)            \
    X(glRasterPos3f)            \
    X(glRasterPos3i)            \
    X(glRasterPos3s)            \
    X(glRasterPos4d)            \
    X(glRasterPos4f)            \
    X(glRasterPos4i)            \
    X(glRasterPos4s)            \
    X(glRasterPos2dv)           \
    X(glRasterPos2fv)           \
    X(glRasterPos2iv)           \
    X(glRasterPos2sv)           \
    X(glRasterPos3dv)           \
    X(glRasterPos3fv)           \
    X(glRasterPos3iv)           \
    X(glRasterPos3sv)           \
    X(glRasterPos4dv)           \
    X(glRasterPos4fv)           \
    X(glRasterPos4iv)           \
    X(glRasterPos4sv)           \
    X(glRectd)                  \
    X(glRectf)                  \
    X(glRecti)                  \
    X(glRects)                  \
    X(glRectdv)                 \
    X(glRectfv)                 \
    X(glRectiv)                 \
    X(glRectsv)                 \
    X(glVertexPointer)          \
    X(glNormalPointer)          \
    X(glColorPointer)           \
    X(glIndexPointer)           \
    X(glTexCoordPointer)        \
    X(glEdgeFlagPointer)        \
    X(glGetPointerv)            \
    X(glArrayElement)           \
    X(glDrawArrays)             \
    X(glDrawElements)           \
    X(glInterleavedArrays)      \
    X(glShadeModel)             \
    X(glLightf)                 \
    X(glLighti)                 \
    X(glLightfv)                \
    X(glLightiv)                \
    X(glGetLightfv)             \
    X(glGetLightiv)             \
    X(glLightModelf)            \
    X(glLightModeli)            \
    X(glLightModelfv)           \
    X(glLightModeliv)           \
    X(glMaterialf)              \
    X(glMateriali)              \
    X(glMaterialfv)             \
    X(glMaterialiv)             \
    X(glGetMaterialfv)          \
    X(glGetMaterialiv)          \
    X(glColorMaterial)          \
    X(glPixelZoom)              \
    X(glPixelStoref)            \
    X(glPixelStorei)            \
    X(glPixelTransferf)         \
    X(glPixelTransferi)         \
    X(glPixelMapfv)             \
    X(glPixelMapuiv)            \
    X(glPixelMapusv)            \
    X(glGetPixelMapfv)          \
    X(glGetPixelMapuiv)         \
    X(glGetPixelMapusv)         \
    X(glBitmap)                 \
    X(glReadPixels)             \
    X(glDrawPixels)             \
    X(glCopyPixels)             \
    X(glStencilFunc)            \
    X(glStencilMask)            \
    X(glStencilOp)              \
    X(glClearStencil)           \
    X(glTexGend)                \
    X(glTexGenf)                \
    X(glTexGeni)                \
    X(glTexGendv)               \
    X(glTexGenfv)               \
    X(glTexGeniv)               \
    X(glGetTexGendv)            \
    X(glGetTexGenfv)            \
    X(glGetTexGeniv)            \
    X(glTexEnvf)                \
    X(glTexEnvi)                \
    X(glTexEnvfv)               \
    X(glTexEnviv)               \
    X(glGetTexEnvfv)            \
    X(glGetTexEnviv)            \
    X(glTexParameterf)          \
    X(glTexParameteri)          \
    X(glTexParameterfv)         \
    X(glTexParameteriv)         \
    X(glGetTexParameterfv)      \
    X(glGetTexParameteriv)      \
    X(glGetTexLevelParameterfv) \
    X(glGetTexLevelParameteriv) \
    X(glTexImage1D)             \
    X(glTexImage2D)             \
    X(glGetTexImage)            \
    X(glGenTextures)            \
    X(glDeleteTextures)         \
    X(glBindTexture)            \
    X(glPrioritizeTextures)     \
    X(glAreTexturesResident)    \
    X(glIsTexture)              \
    X(glTexSubImage1D)          \
    X(glTexSubImage2D)          \
    X(glCopyTexImage1D)         \
    X(glCopyTexImage2D)         \
    X(glCopyTexSubImage1D)      \
    X(glCopyTexSubImage2D)      \
    X(glMap1d)                  \
    X(glMap1f)                  \
    X(glMap2d)                  \
    X(glMap2f)                  \
    X(glGetMapdv)               \
    X(glGetMapfv)               \
    X(glGetMapiv)               \
    X(glEvalCoord1d)            \
    X(glEvalCoord1f)            \
    X(glEvalCoord1dv)           \
    X(glEvalCoord1fv)           \
    X(glEvalCoord2d)            \
    X(glEvalCoord2f)            \
    X(glEvalCoord2dv)           \
    X(glEvalCoord2fv)           \
    X(glMapGrid1d)              \
    X(glMapGrid1f)              \
    X(glMapGrid2d)              \
    X(glMapGrid2f)              \
    X(glEvalPoint1)             \
    X(glEvalPoint2)             \
    X(glEvalMesh1)              \
    X(glEvalMesh2)              \
    X(glFogf)                   \
    X(glFogi)                   \
    X(glFogfv)                  \
    X(glFogiv)                  \
    X(glFeedbackBuffer)         \
    X(glPassThrough)            \
    X(glSelectBuffer)           \
    X(glInitNames)              \
    X(glLoadName)               \
    X(glPushName)               \
    X(glPopName)

// GLU 1.3
#define LT_GLU_PROCS(X)        \
    X(gluBeginCurve)           \
    X(gluBeginPolygon)         \
    X(gluBeginSurface)         \
    X(gluBeginTrim)            \
    X(gluBuild1DMipmapLevels)  \
    X(gluBuild1DMipmaps)       \
    X(gluBuild2DMipmapLevels)  \
    X(gluBuild2DMipmaps)       \
    X(gluBuild3DMipmapLevels)  \
    X(gluBuild3DMipmaps)       \
    X(gluCheckExtension)       \
    X(gluCylinder)             \
    X(gluDeleteNurbsRenderer)  \
    X(gluDeleteQuadric)        \
    X(gluDeleteTess)           \
    X(gluDisk)                 \
    X(gluEndCurve)             \
    X(gluEndPolygon)           \
    X(gluEndSurface)           \
    X(gluEndTrim)              \
    X(gluErrorString)          \
    X(gluGetNurbsProperty)     \
    X(gluGetString)            \
    X(gluGetTessProperty)      \
    X(gluLoadSamplingMatrices) \
    X(gluLookAt)               \
    X(gluNewNurbsRenderer)     \
    X(gluNewQuadric)           \
    X(gluNewTess)              \
    X(gluNextContour)          \
    X(gluNurbsCallback)        \
    X(gluNurbsCallbackData)    \
    X(gluNurbsCallbackDataEXT) \
    X(gluNurbsCurve)           \
    X(gluNurbsProperty)        \
    X(gluNurbsSurface)         \
    X(gluOrtho2D)              \
    X(gluPartialDisk)          \
    X(gluPerspective)          \
    X(gluPickMatrix)           \
    X(gluProject)              \
    X(gluPwlCurve)             \
    X(gluQuadricCallback)      \
    X(gluQuadricDrawStyle)     \
    X(gluQuadricNormals)       \
    X(gluQuadricOrientation)   \
    X(gluQuadricTexture)       \
    X(gluScaleImage)           \
    X(gluSphere)               \
    X(gluTessBeginContour)     \
    X(gluTessBeginPolygon)     \
    X(gluTessCallback)         \
    X(gluTessEndContour)       \
    X(gluTessEndPolygon)       \
    X(gluTessNormal)           \
    X(gluTessProperty)         \
    X(gluTessVertex)           \
    X(gluUnProject)            \
    X(gluUnProject4)

// OpenGL 1.2: range elements and 3D textures
#define LT_GL_1_2_PROCS(X)                             \
    X(glDrawRangeElements, PFNGLDRAWRANGEELEMENTSPROC) \
    X(glTexImage3D, PFNGLTEXIMAGE3DPROC)               \
    X(glTexSubImage3D, PFNGLTEXSUBIMAGE3DPROC)         \
    X(glCopyTexSubImage3D, PFNGLCOPYTEXSUBIMAGE3DPROC)

// OpenGL 1.2 imaging subset: colour tables, convolution, histogram, minmax
#define LT_GL_1_2_IMAGING_PROCS(X)                                           \
    X(glColorTable, decltype(&::glColorTable))                               \
    X(glColorTableParameterfv, decltype(&::glColorTableParameterfv))         \
    X(glColorTableParameteriv, decltype(&::glColorTableParameteriv))         \
    X(glCopyColorTable, decltype(&::glCopyColorTable))                       \
    X(glGetColorTable, decltype(&::glGetColorTable))                         \
    X(glGetColorTableParameterfv, decltype(&::glGetColorTableParameterfv))   \
    X(glGetColorTableParameteriv, decltype(&::glGetColorTableParameteriv))   \
    X(glColorSubTable, decltype(&::glColorSubTable))                         \
    X(glCopyColorSubTable, decltype(&::glCopyColorSubTable))                 \
    X(glConvolutionFilter1D, decltype(&::glConvolutionFilter1D))             \
    X(glConvolutionFilter2D, decltype(&::glConvolutionFilter2D))             \
    X(glConvolutionParameterf, decltype(&::glConvolutionParameterf))         \
    X(glConvolutionParameterfv, decltype(&::glConvolutionParameterfv))       \
    X(glConvolutionParameteri, decltype(&::glConvolutionParameteri))         \
    X(glConvolutionParameteriv, decltype(&::glConvolutionParameteriv))       \
    X(glCopyConvolutionFilter1D, decltype(&::glCopyConvolutionFilter1D))     \
    X(glCopyConvolutionFilter2D, decltype(&::glCopyConvolutionFilter2D))     \
    X(glGetConvolutionFilter, decltype(&::glGetConvolutionFilter))           \
    X(glGetConvolutionParameterfv, decltype(&::glGetConvolutionParameterfv)) \
    X(glGetConvolutionParameteriv, decltype(&::glGetConvolutionParameteriv)) \
    X(glGetSeparableFilter, decltype(&::glGetSeparableFilter))               \
    X(glSeparableFilter2D, decltype(&::glSeparableFilter2D))                 \
    X(glGetHistogram, decltype(&::glGetHistogram))                           \
    X(glGetHistogramParameterfv, decltype(&::glGetHistogramParameterfv))     \
    X(glGetHistogramParameteriv, decltype(&::glGetHistogramParameteriv))     \
    X(glGetMinmax, decltype(&::glGetMinmax))                                 \
    X(glGetMinmaxParameterfv, decltype(&::glGetMinmaxParameterfv))           \
    X(glGetMinmaxParameteriv, decltype(&::glGetMinmaxParameteriv))           \
    X(glHistogram, decltype(&::glHistogram))                                 \
    X(glMinmax, decltype(&::glMinmax))                                       \
    X(glResetHistogram, decltype(&::glResetHistogram))                       \
    X(glResetMinmax, decltype(&::glResetMinmax))

// EXT vertex arrays
#define LT_EXT_VERTEX_ARRAY_PROCS(X)                     \
    X(glArrayElementEXT, PFNGLARRAYELEMENTEXTPROC)       \
    X(glColorPointerEXT, PFNGLCOLORPOINTEREXTPROC)       \
    X(glDrawArraysEXT, PFNGLDRAWARRAYSEXTPROC)           \
    X(glEdgeFlagPointerEXT, PFNGLEDGEFLAGPOINTEREXTPROC) \
    X(glGetPointervEXT, PFNGLGETPOINTERVEXTPROC)         \
    X(glIndexPointerEXT, PFNGLINDEXPOINTEREXTPROC)       \
    X(glNormalPointerEXT, PFNGLNORMALPOINTEREXTPROC)     \
    X(glTexCoordPointerEXT, PFNGLTEXCOORDPOINTEREXTPROC) \
    X(glVertexPointerEXT, PFNGLVERTEXPOINTEREXTPROC)

// EXT colour tables
#define LT_EXT_COLOR_TABLE_PROCS(X)                                        \
    X(glColorTableEXT, PFNGLCOLORTABLEEXTPROC)                             \
    X(glGetColorTableEXT, PFNGLGETCOLORTABLEEXTPROC)                       \
    X(glGetColorTableParameterivEXT, PFNGLGETCOLORTABLEPARAMETERIVEXTPROC) \
    X(glGetColorTableParameterfvEXT, PFNGLGETCOLORTABLEPARAMETERFVEXTPROC) \
    X(glColorSubTableEXT, PFNGLCOLORSUBTABLEEXTPROC)                       \
    X(glCopyColorSubTableEXT, PFNGLCOPYCOLORSUBTABLEEXTPROC)

// EXT copy and sub-image textures
#define LT_EXT_COPY_TEXTURE_PROCS(X)                         \
    X(glCopyTexImage1DEXT, PFNGLCOPYTEXIMAGE1DEXTPROC)       \
    X(glCopyTexImage2DEXT, PFNGLCOPYTEXIMAGE2DEXTPROC)       \
    X(glCopyTexSubImage1DEXT, PFNGLCOPYTEXSUBIMAGE1DEXTPROC) \
    X(glCopyTexSubImage2DEXT, PFNGLCOPYTEXSUBIMAGE2DEXTPROC) \
    X(glCopyTexSubImage3DEXT, PFNGLCOPYTEXSUBIMAGE3DEXTPROC) \
    X(glTexSubImage1DEXT, PFNGLTEXSUBIMAGE1DEXTPROC)         \
    X(glTexSubImage2DEXT, PFNGLTEXSUBIMAGE2DEXTPROC)

// EXT index functions
#define LT_EXT_INDEX_PROCS(X)                        \
    X(glIndexFuncEXT, PFNGLINDEXFUNCEXTPROC)         \
    X(glIndexMaterialEXT, PFNGLINDEXMATERIALEXTPROC)

// EXT polygon offset
#define LT_EXT_POLYGON_OFFSET_PROCS(X)               \
    X(glPolygonOffsetEXT, PFNGLPOLYGONOFFSETEXTPROC)

// EXT texture objects
#define LT_EXT_TEXTURE_OBJECT_PROCS(X)                           \
    X(glAreTexturesResidentEXT, PFNGLARETEXTURESRESIDENTEXTPROC) \
    X(glBindTextureEXT, PFNGLBINDTEXTUREEXTPROC)                 \
    X(glDeleteTexturesEXT, PFNGLDELETETEXTURESEXTPROC)           \
    X(glGenTexturesEXT, PFNGLGENTEXTURESEXTPROC)                 \
    X(glIsTextureEXT, PFNGLISTEXTUREEXTPROC)                     \
    X(glPrioritizeTexturesEXT, PFNGLPRIORITIZETEXTURESEXTPROC)

// EXT compiled vertex arrays
#define LT_EXT_COMPILED_VERTEX_ARRAY_PROCS(X)      \
    X(glLockArraysEXT, PFNGLLOCKARRAYSEXTPROC)     \
    X(glUnlockArraysEXT, PFNGLUNLOCKARRAYSEXTPROC)

// ARB multitexture
#define LT_ARB_MULTITEXTURE_PROCS(X)                             \
    X(glActiveTextureARB, PFNGLACTIVETEXTUREARBPROC)             \
    X(glClientActiveTextureARB, PFNGLCLIENTACTIVETEXTUREARBPROC) \
    X(glMultiTexCoord1dARB, PFNGLMULTITEXCOORD1DARBPROC)         \
    X(glMultiTexCoord1dvARB, PFNGLMULTITEXCOORD1DVARBPROC)       \
    X(glMultiTexCoord1fARB, PFNGLMULTITEXCOORD1FARBPROC)         \
    X(glMultiTexCoord1fvARB, PFNGLMULTITEXCOORD1FVARBPROC)       \
    X(glMultiTexCoord1iARB, PFNGLMULTITEXCOORD1IARBPROC)         \
    X(glMultiTexCoord1ivARB, PFNGLMULTITEXCOORD1IVARBPROC)       \
    X(glMultiTexCoord1sARB, PFNGLMULTITEXCOORD1SARBPROC)         \
    X(glMultiTexCoord1svARB, PFNGLMULTITEXCOORD1SVARBPROC)       \
    X(glMultiTexCoord2dARB, PFNGLMULTITEXCOORD2DARBPROC)         \
    X(glMultiTexCoord2dvARB, PFNGLMULTITEXCOORD2DVARBPROC)       \
    X(glMultiTexCoord2fARB, PFNGLMULTITEXCOORD2FARBPROC)         \
    X(glMultiTexCoord2fvARB, PFNGLMULTITEXCOORD2FVARBPROC)       \
    X(glMultiTexCoord2iARB, PFNGLMULTITEXCOORD2IARBPROC)         \
    X(glMultiTexCoord2ivARB, PFNGLMULTITEXCOORD2IVARBPROC)       \
    X(glMultiTexCoord2sARB, PFNGLMULTITEXCOORD2SARBPROC)         \
    X(glMultiTexCoord2svARB, PFNGLMULTITEXCOORD2SVARBPROC)       \
    X(glMultiTexCoord3dARB, PFNGLMULTITEXCOORD3DARBPROC)         \
    X(glMultiTexCoord3dvARB, PFNGLMULTITEXCOORD3DVARBPROC)       \
    X(glMultiTexCoord3fARB, PFNGLMULTITEXCOORD3FARBPROC)         \
    X(glMultiTexCoord3fvARB, PFNGLMULTITEXCOORD3FVARBPROC)       \
    X(glMultiTexCoord3iARB, PFNGLMULTITEXCOORD3IARBPROC)         \
    X(glMultiTexCoord3ivARB, PFNGLMULTITEXCOORD3IVARBPROC)       \
    X(glMultiTexCoord3sARB, PFNGLMULTITEXCOORD3SARBPROC)         \
    X(glMultiTexCoord3svARB, PFNGLMULTITEXCOORD3SVARBPROC)       \
    X(glMultiTexCoord4dARB, PFNGLMULTITEXCOORD4DARBPROC)         \
    X(glMultiTexCoord4dvARB, PFNGLMULTITEXCOORD4DVARBPROC)       \
    X(glMultiTexCoord4fARB, PFNGLMULTITEXCOORD4FARBPROC)         \
    X(glMultiTexCoord4fvARB, PFNGLMULTITEXCOORD4FVARBPROC)       \
    X(glMultiTexCoord4iARB, PFNGLMULTITEXCOORD4IARBPROC)         \
    X(glMultiTexCoord4ivARB, PFNGLMULTITEXCOORD4IVARBPROC)       \
    X(glMultiTexCoord4sARB, PFNGLMULTITEXCOORD4SARBPROC)         \
    X(glMultiTexCoord4svARB, PFNGLMULTITEXCOORD4SVARBPROC)

// ARB transpose matrices
#define LT_ARB_TRANSPOSE_MATRIX_PROCS(X)                           \
    X(glLoadTransposeMatrixfARB, PFNGLLOADTRANSPOSEMATRIXFARBPROC) \
    X(glLoadTransposeMatrixdARB, PFNGLLOADTRANSPOSEMATRIXDARBPROC) \
    X(glMultTransposeMatrixfARB, PFNGLMULTTRANSPOSEMATRIXFARBPROC) \
    X(glMultTransposeMatrixdARB, PFNGLMULTTRANSPOSEMATRIXDARBPROC)

// ARB multisample
#define LT_ARB_MULTISAMPLE_PROCS(X)                    \
    X(glSampleCoverageARB, PFNGLSAMPLECOVERAGEARBPROC)

// ARB compressed textures
#define LT_ARB_TEXTURE_COMPRESSION_PROCS(X)                              \
    X(glCompressedTexImage3DARB, PFNGLCOMPRESSEDTEXIMAGE3DARBPROC)       \
    X(glCompressedTexImage2DARB, PFNGLCOMPRESSEDTEXIMAGE2DARBPROC)       \
    X(glCompressedTexImage1DARB, PFNGLCOMPRESSEDTEXIMAGE1DARBPROC)       \
    X(glCompressedTexSubImage3DARB, PFNGLCOMPRESSEDTEXSUBIMAGE3DARBPROC) \
    X(glCompressedTexSubImage2DARB, PFNGLCOMPRESSEDTEXSUBIMAGE2DARBPROC) \
    X(glCompressedTexSubImage1DARB, PFNGLCOMPRESSEDTEXSUBIMAGE1DARBPROC) \
    X(glGetCompressedTexImageARB, PFNGLGETCOMPRESSEDTEXIMAGEARBPROC)

// ARB point parameters
#define LT_ARB_POINT_PARAMETERS_PROCS(X)                   \
    X(glPointParameterfARB, PFNGLPOINTPARAMETERFARBPROC)   \
    X(glPointParameterfvARB, PFNGLPOINTPARAMETERFVARBPROC)

// ARB vertex blend
#define LT_ARB_VERTEX_BLEND_PROCS(X)                 \
    X(glWeightbvARB, PFNGLWEIGHTBVARBPROC)           \
    X(glWeightsvARB, PFNGLWEIGHTSVARBPROC)           \
    X(glWeightivARB, PFNGLWEIGHTIVARBPROC)           \
    X(glWeightfvARB, PFNGLWEIGHTFVARBPROC)           \
    X(glWeightdvARB, PFNGLWEIGHTDVARBPROC)           \
    X(glWeightubvARB, PFNGLWEIGHTUBVARBPROC)         \
    X(glWeightusvARB, PFNGLWEIGHTUSVARBPROC)         \
    X(glWeightuivARB, PFNGLWEIGHTUIVARBPROC)         \
    X(glWeightPointerARB, PFNGLWEIGHTPOINTERARBPROC) \
    X(glVertexBlendARB, PFNGLVERTEXBLENDARBPROC)

// ARB vertex and fragment programs
#define LT_ARB_PROGRAM_PROCS(X)                                                \
    X(glVertexAttrib1dARB, PFNGLVERTEXATTRIB1DARBPROC)                         \
    X(glVertexAttrib1dvARB, PFNGLVERTEXATTRIB1DVARBPROC)                       \
    X(glVertexAttrib1fARB, PFNGLVERTEXATTRIB1FARBPROC)                         \
    X(glVertexAttrib1fvARB, PFNGLVERTEXATTRIB1FVARBPROC)                       \
    X(glVertexAttrib1sARB, PFNGLVERTEXATTRIB1SARBPROC)                         \
    X(glVertexAttrib1svARB, PFNGLVERTEXATTRIB1SVARBPROC)                       \
    X(glVertexAttrib2dARB, PFNGLVERTEXATTRIB2DARBPROC)                         \
    X(glVertexAttrib2dvARB, PFNGLVERTEXATTRIB2DVARBPROC)                       \
    X(glVertexAttrib2fARB, PFNGLVERTEXATTRIB2FARBPROC)                         \
    X(glVertexAttrib2fvARB, PFNGLVERTEXATTRIB2FVARBPROC)                       \
    X(glVertexAttrib2sARB, PFNGLVERTEXATTRIB2SARBPROC)                         \
    X(glVertexAttrib2svARB, PFNGLVERTEXATTRIB2SVARBPROC)                       \
    X(glVertexAttrib3dARB, PFNGLVERTEXATTRIB3DARBPROC)                         \
    X(glVertexAttrib3dvARB, PFNGLVERTEXATTRIB3DVARBPROC)                       \
    X(glVertexAttrib3fARB, PFNGLVERTEXATTRIB3FARBPROC)                         \
    X(glVertexAttrib3fvARB, PFNGLVERTEXATTRIB3FVARBPROC)                       \
    X(glVertexAttrib3sARB, PFNGLVERTEXATTRIB3SARBPROC)                         \
    X(glVertexAttrib3svARB, PFNGLVERTEXATTRIB3SVARBPROC)                       \
    X(glVertexAttrib4NbvARB, PFNGLVERTEXATTRIB4NBVARBPROC)                     \
    X(glVertexAttrib4NivARB, PFNGLVERTEXATTRIB4NIVARBPROC)                     \
    X(glVertexAttrib4NsvARB, PFNGLVERTEXATTRIB4NSVARBPROC)                     \
    X(glVertexAttrib4NubARB, PFNGLVERTEXATTRIB4NUBARBPROC)                     \
    X(glVertexAttrib4NubvARB, PFNGLVERTEXATTRIB4NUBVARBPROC)                   \
    X(glVertexAttrib4NuivARB, PFNGLVERTEXATTRIB4NUIVARBPROC)                   \
    X(glVertexAttrib4NusvARB, PFNGLVERTEXATTRIB4NUSVARBPROC)                   \
    X(glVertexAttrib4bvARB, PFNGLVERTEXATTRIB4BVARBPROC)                       \
    X(glVertexAttrib4dARB, PFNGLVERTEXATTRIB4DARBPROC)                         \
    X(glVertexAttrib4dvARB, PFNGLVERTEXATTRIB4DVARBPROC)                       \
    X(glVertexAttrib4fARB, PFNGLVERTEXATTRIB4FARBPROC)                         \
    X(glVertexAttrib4fvARB, PFNGLVERTEXATTRIB4FVARBPROC)                       \
    X(glVertexAttrib4ivARB, PFNGLVERTEXATTRIB4IVARBPROC)                       \
    X(glVertexAttrib4sARB, PFNGLVERTEXATTRIB4SARBPROC)                         \
    X(glVertexAttrib4svARB, PFNGLVERTEXATTRIB4SVARBPROC)                       \
    X(glVertexAttrib4ubvARB, PFNGLVERTEXATTRIB4UBVARBPROC)                     \
    X(glVertexAttrib4uivARB, PFNGLVERTEXATTRIB4UIVARBPROC)                     \
    X(glVertexAttrib4usvARB, PFNGLVERTEXATTRIB4USVARBPROC)                     \
    X(glVertexAttribPointerARB, PFNGLVERTEXATTRIBPOINTERARBPROC)               \
    X(glEnableVertexAttribArrayARB, PFNGLENABLEVERTEXATTRIBARRAYARBPROC)       \
    X(glDisableVertexAttribArrayARB, PFNGLDISABLEVERTEXATTRIBARRAYARBPROC)     \
    X(glGetVertexAttribdvARB, PFNGLGETVERTEXATTRIBDVARBPROC)                   \
    X(glGetVertexAttribfvARB, PFNGLGETVERTEXATTRIBFVARBPROC)                   \
    X(glGetVertexAttribivARB, PFNGLGETVERTEXATTRIBIVARBPROC)                   \
    X(glGetVertexAttribPointervARB, PFNGLGETVERTEXATTRIBPOINTERVARBPROC)       \
    X(glProgramStringARB, PFNGLPROGRAMSTRINGARBPROC)                           \
    X(glBindProgramARB, PFNGLBINDPROGRAMARBPROC)                               \
    X(glDeleteProgramsARB, PFNGLDELETEPROGRAMSARBPROC)                         \
    X(glGenProgramsARB, PFNGLGENPROGRAMSARBPROC)                               \
    X(glProgramEnvParameter4dARB, PFNGLPROGRAMENVPARAMETER4DARBPROC)           \
    X(glProgramEnvParameter4dvARB, PFNGLPROGRAMENVPARAMETER4DVARBPROC)         \
    X(glProgramEnvParameter4fARB, PFNGLPROGRAMENVPARAMETER4FARBPROC)           \
    X(glProgramEnvParameter4fvARB, PFNGLPROGRAMENVPARAMETER4FVARBPROC)         \
    X(glProgramLocalParameter4dARB, PFNGLPROGRAMLOCALPARAMETER4DARBPROC)       \
    X(glProgramLocalParameter4dvARB, PFNGLPROGRAMLOCALPARAMETER4DVARBPROC)     \
    X(glProgramLocalParameter4fARB, PFNGLPROGRAMLOCALPARAMETER4FARBPROC)       \
    X(glProgramLocalParameter4fvARB, PFNGLPROGRAMLOCALPARAMETER4FVARBPROC)     \
    X(glGetProgramEnvParameterdvARB, PFNGLGETPROGRAMENVPARAMETERDVARBPROC)     \
    X(glGetProgramEnvParameterfvARB, PFNGLGETPROGRAMENVPARAMETERFVARBPROC)     \
    X(glGetProgramLocalParameterdvARB, PFNGLGETPROGRAMLOCALPARAMETERDVARBPROC) \
    X(glGetProgramLocalParameterfvARB, PFNGLGETPROGRAMLOCALPARAMETERFVARBPROC) \
    X(glGetProgramivARB, PFNGLGETPROGRAMIVARBPROC)                             \
    X(glGetProgramStringARB, PFNGLGETPROGRAMSTRINGARBPROC)                     \
    X(glIsProgramARB, PFNGLISPROGRAMARBPROC)

// ARB buffer objects
#define LT_ARB_BUFFER_OBJECT_PROCS(X)                              \
    X(glBindBufferARB, PFNGLBINDBUFFERARBPROC)                     \
    X(glDeleteBuffersARB, PFNGLDELETEBUFFERSARBPROC)               \
    X(glGenBuffersARB, PFNGLGENBUFFERSARBPROC)                     \
    X(glIsBufferARB, PFNGLISBUFFERARBPROC)                         \
    X(glBufferDataARB, PFNGLBUFFERDATAARBPROC)                     \
    X(glBufferSubDataARB, PFNGLBUFFERSUBDATAARBPROC)               \
    X(glGetBufferSubDataARB, PFNGLGETBUFFERSUBDATAARBPROC)         \
    X(glMapBufferARB, PFNGLMAPBUFFERARBPROC)                       \
    X(glUnmapBufferARB, PFNGLUNMAPBUFFERARBPROC)                   \
    X(glGetBufferParameterivARB, PFNGLGETBUFFERPARAMETERIVARBPROC) \
    X(glGetBufferPointervARB, PFNGLGETBUFFERPOINTERVARBPROC)

// ARB shader objects and vertex shaders
#define LT_ARB_SHADER_OBJECTS_PROCS(X)                             \
    X(glDeleteObjectARB, PFNGLDELETEOBJECTARBPROC)                 \
    X(glGetHandleARB, PFNGLGETHANDLEARBPROC)                       \
    X(glDetachObjectARB, PFNGLDETACHOBJECTARBPROC)                 \
    X(glCreateShaderObjectARB, PFNGLCREATESHADEROBJECTARBPROC)     \
    X(glShaderSourceARB, PFNGLSHADERSOURCEARBPROC)                 \
    X(glCompileShaderARB, PFNGLCOMPILESHADERARBPROC)               \
    X(glCreateProgramObjectARB, PFNGLCREATEPROGRAMOBJECTARBPROC)   \
    X(glAttachObjectARB, PFNGLATTACHOBJECTARBPROC)                 \
    X(glLinkProgramARB, PFNGLLINKPROGRAMARBPROC)                   \
    X(glUseProgramObjectARB, PFNGLUSEPROGRAMOBJECTARBPROC)         \
    X(glValidateProgramARB, PFNGLVALIDATEPROGRAMARBPROC)           \
    X(glUniform1fARB, PFNGLUNIFORM1FARBPROC)                       \
    X(glUniform2fARB, PFNGLUNIFORM2FARBPROC)                       \
    X(glUniform3fARB, PFNGLUNIFORM3FARBPROC)                       \
    X(glUniform4fARB, PFNGLUNIFORM4FARBPROC)                       \
    X(glUniform1iARB, PFNGLUNIFORM1IARBPROC)                       \
    X(glUniform2iARB, PFNGLUNIFORM2IARBPROC)                       \
    X(glUniform3iARB, PFNGLUNIFORM3IARBPROC)                       \
    X(glUniform4iARB, PFNGLUNIFORM4IARBPROC)                       \
    X(glUniform1fvARB, PFNGLUNIFORM1FVARBPROC)                     \
    X(glUniform2fvARB, PFNGLUNIFORM2FVARBPROC)                     \
    X(glUniform3fvARB, PFNGLUNIFORM3FVARBPROC)                     \
    X(glUniform4fvARB, PFNGLUNIFORM4FVARBPROC)                     \
    X(glUniform1ivARB, PFNGLUNIFORM1IVARBPROC)                     \
    X(glUniform2ivARB, PFNGLUNIFORM2IVARBPROC)                     \
    X(glUniform3ivARB, PFNGLUNIFORM3IVARBPROC)                     \
    X(glUniform4ivARB, PFNGLUNIFORM4IVARBPROC)                     \
    X(glUniformMatrix2fvARB, PFNGLUNIFORMMATRIX2FVARBPROC)         \
    X(glUniformMatrix3fvARB, PFNGLUNIFORMMATRIX3FVARBPROC)         \
    X(glUniformMatrix4fvARB, PFNGLUNIFORMMATRIX4FVARBPROC)         \
    X(glGetObjectParameterfvARB, PFNGLGETOBJECTPARAMETERFVARBPROC) \
    X(glGetObjectParameterivARB, PFNGLGETOBJECTPARAMETERIVARBPROC) \
    X(glGetInfoLogARB, PFNGLGETINFOLOGARBPROC)                     \
    X(glGetAttachedObjectsARB, PFNGLGETATTACHEDOBJECTSARBPROC)     \
    X(glGetUniformLocationARB, PFNGLGETUNIFORMLOCATIONARBPROC)     \
    X(glGetActiveUniformARB, PFNGLGETACTIVEUNIFORMARBPROC)         \
    X(glGetUniformfvARB, PFNGLGETUNIFORMFVARBPROC)                 \
    X(glGetUniformivARB, PFNGLGETUNIFORMIVARBPROC)                 \
    X(glGetShaderSourceARB, PFNGLGETSHADERSOURCEARBPROC)           \
    X(glBindAttribLocationARB, PFNGLBINDATTRIBLOCATIONARBPROC)     \
    X(glGetActiveAttribARB, PFNGLGETACTIVEATTRIBARBPROC)           \
    X(glGetAttribLocationARB, PFNGLGETATTRIBLOCATIONARBPROC)

// NV vertex array range
#define LT_NV_VERTEX_ARRAY_RANGE_PROCS(X)                          \
    X(glFlushVertexArrayRangeNV, PFNGLFLUSHVERTEXARRAYRANGENVPROC) \
    X(glVertexArrayRangeNV, PFNGLVERTEXARRAYRANGENVPROC)

// NV register combiners
#define LT_NV_REGISTER_COMBINERS_PROCS(X)                                                \
    X(glCombinerParameterfvNV, PFNGLCOMBINERPARAMETERFVNVPROC)                           \
    X(glCombinerParameterfNV, PFNGLCOMBINERPARAMETERFNVPROC)                             \
    X(glCombinerParameterivNV, PFNGLCOMBINERPARAMETERIVNVPROC)                           \
    X(glCombinerParameteriNV, PFNGLCOMBINERPARAMETERINVPROC)                             \
    X(glCombinerInputNV, PFNGLCOMBINERINPUTNVPROC)                                       \
    X(glCombinerOutputNV, PFNGLCOMBINEROUTPUTNVPROC)                                     \
    X(glFinalCombinerInputNV, PFNGLFINALCOMBINERINPUTNVPROC)                             \
    X(glGetCombinerInputParameterfvNV, PFNGLGETCOMBINERINPUTPARAMETERFVNVPROC)           \
    X(glGetCombinerInputParameterivNV, PFNGLGETCOMBINERINPUTPARAMETERIVNVPROC)           \
    X(glGetCombinerOutputParameterfvNV, PFNGLGETCOMBINEROUTPUTPARAMETERFVNVPROC)         \
    X(glGetCombinerOutputParameterivNV, PFNGLGETCOMBINEROUTPUTPARAMETERIVNVPROC)         \
    X(glGetFinalCombinerInputParameterfvNV, PFNGLGETFINALCOMBINERINPUTPARAMETERFVNVPROC) \
    X(glGetFinalCombinerInputParameterivNV, PFNGLGETFINALCOMBINERINPUTPARAMETERIVNVPROC)

// NV vertex program
#define LT_NV_VERTEX_PROGRAM_PROCS(X)                                  \
    X(glAreProgramsResidentNV, PFNGLAREPROGRAMSRESIDENTNVPROC)         \
    X(glBindProgramNV, PFNGLBINDPROGRAMNVPROC)                         \
    X(glDeleteProgramsNV, PFNGLDELETEPROGRAMSNVPROC)                   \
    X(glExecuteProgramNV, PFNGLEXECUTEPROGRAMNVPROC)                   \
    X(glGenProgramsNV, PFNGLGENPROGRAMSNVPROC)                         \
    X(glGetProgramParameterdvNV, PFNGLGETPROGRAMPARAMETERDVNVPROC)     \
    X(glGetProgramParameterfvNV, PFNGLGETPROGRAMPARAMETERFVNVPROC)     \
    X(glGetProgramivNV, PFNGLGETPROGRAMIVNVPROC)                       \
    X(glGetProgramStringNV, PFNGLGETPROGRAMSTRINGNVPROC)               \
    X(glGetTrackMatrixivNV, PFNGLGETTRACKMATRIXIVNVPROC)               \
    X(glGetVertexAttribdvNV, PFNGLGETVERTEXATTRIBDVNVPROC)             \
    X(glGetVertexAttribfvNV, PFNGLGETVERTEXATTRIBFVNVPROC)             \
    X(glGetVertexAttribivNV, PFNGLGETVERTEXATTRIBIVNVPROC)             \
    X(glGetVertexAttribPointervNV, PFNGLGETVERTEXATTRIBPOINTERVNVPROC) \
    X(glIsProgramNV, PFNGLISPROGRAMNVPROC)                             \
    X(glLoadProgramNV, PFNGLLOADPROGRAMNVPROC)                         \
    X(glProgramParameter4dNV, PFNGLPROGRAMPARAMETER4DNVPROC)           \
    X(glProgramParameter4dvNV, PFNGLPROGRAMPARAMETER4DVNVPROC)         \
    X(glProgramParameter4fNV, PFNGLPROGRAMPARAMETER4FNVPROC)           \
    X(glProgramParameter4fvNV, PFNGLPROGRAMPARAMETER4FVNVPROC)         \
    X(glProgramParameters4dvNV, PFNGLPROGRAMPARAMETERS4DVNVPROC)       \
    X(glProgramParameters4fvNV, PFNGLPROGRAMPARAMETERS4FVNVPROC)       \
    X(glRequestResidentProgramsNV, PFNGLREQUESTRESIDENTPROGRAMSNVPROC) \
    X(glTrackMatrixNV, PFNGLTRACKMATRIXNVPROC)                         \
    X(glVertexAttribPointerNV, PFNGLVERTEXATTRIBPOINTERNVPROC)         \
    X(glVertexAttrib1dNV, PFNGLVERTEXATTRIB1DNVPROC)                   \
    X(glVertexAttrib1dvNV, PFNGLVERTEXATTRIB1DVNVPROC)                 \
    X(glVertexAttrib1fNV, PFNGLVERTEXATTRIB1FNVPROC)                   \
    X(glVertexAttrib1fvNV, PFNGLVERTEXATTRIB1FVNVPROC)                 \
    X(glVertexAttrib1sNV, PFNGLVERTEXATTRIB1SNVPROC)                   \
    X(glVertexAttrib1svNV, PFNGLVERTEXATTRIB1SVNVPROC)                 \
    X(glVertexAttrib2dNV, PFNGLVERTEXATTRIB2DNVPROC)                   \
    X(glVertexAttrib2dvNV, PFNGLVERTEXATTRIB2DVNVPROC)                 \
    X(glVertexAttrib2fNV, PFNGLVERTEXATTRIB2FNVPROC)                   \
    X(glVertexAttrib2fvNV, PFNGLVERTEXATTRIB2FVNVPROC)                 \
    X(glVertexAttrib2sNV, PFNGLVERTEXATTRIB2SNVPROC)                   \
    X(glVertexAttrib2svNV, PFNGLVERTEXATTRIB2SVNVPROC)                 \
    X(glVertexAttrib3dNV, PFNGLVERTEXATTRIB3DNVPROC)                   \
    X(glVertexAttrib3dvNV, PFNGLVERTEXATTRIB3DVNVPROC)                 \
    X(glVertexAttrib3fNV, PFNGLVERTEXATTRIB3FNVPROC)                   \
    X(glVertexAttrib3fvNV, PFNGLVERTEXATTRIB3FVNVPROC)                 \
    X(glVertexAttrib3sNV, PFNGLVERTEXATTRIB3SNVPROC)                   \
    X(glVertexAttrib3svNV, PFNGLVERTEXATTRIB3SVNVPROC)                 \
    X(glVertexAttrib4dNV, PFNGLVERTEXATTRIB4DNVPROC)                   \
    X(glVertexAttrib4dvNV, PFNGLVERTEXATTRIB4DVNVPROC)                 \
    X(glVertexAttrib4fNV, PFNGLVERTEXATTRIB4FNVPROC)                   \
    X(glVertexAttrib4fvNV, PFNGLVERTEXATTRIB4FVNVPROC)                 \
    X(glVertexAttrib4sNV, PFNGLVERTEXATTRIB4SNVPROC)                   \
    X(glVertexAttrib4svNV, PFNGLVERTEXATTRIB4SVNVPROC)                 \
    X(glVertexAttrib4ubNV, PFNGLVERTEXATTRIB4UBNVPROC)                 \
    X(glVertexAttrib4ubvNV, PFNGLVERTEXATTRIB4UBVNVPROC)               \
    X(glVertexAttribs1dvNV, PFNGLVERTEXATTRIBS1DVNVPROC)               \
    X(glVertexAttribs1fvNV, PFNGLVERTEXATTRIBS1FVNVPROC)               \
    X(glVertexAttribs1svNV, PFNGLVERTEXATTRIBS1SVNVPROC)               \
    X(glVertexAttribs2dvNV, PFNGLVERTEXATTRIBS2DVNVPROC)               \
    X(glVertexAttribs2fvNV, PFNGLVERTEXATTRIBS2FVNVPROC)               \
    X(glVertexAttribs2svNV, PFNGLVERTEXATTRIBS2SVNVPROC)               \
    X(glVertexAttribs3dvNV, PFNGLVERTEXATTRIBS3DVNVPROC)               \
    X(glVertexAttribs3fvNV, PFNGLVERTEXATTRIBS3FVNVPROC)               \
    X(glVertexAttribs3svNV, PFNGLVERTEXATTRIBS3SVNVPROC)               \
    X(glVertexAttribs4dvNV, PFNGLVERTEXATTRIBS4DVNVPROC)               \
    X(glVertexAttribs4fvNV, PFNGLVERTEXATTRIBS4FVNVPROC)               \
    X(glVertexAttribs4svNV, PFNGLVERTEXATTRIBS4SVNVPROC)               \
    X(glVertexAttribs4ubvNV, PFNGLVERTEXATTRIBS4UBVNVPROC)

// NV fence
#define LT_NV_FENCE_PROCS(X)                     \
    X(glDeleteFencesNV, PFNGLDELETEFENCESNVPROC) \
    X(glGenFencesNV, PFNGLGENFENCESNVPROC)       \
    X(glIsFenceNV, PFNGLISFENCENVPROC)           \
    X(glTestFenceNV, PFNGLTESTFENCENVPROC)       \
    X(glGetFenceivNV, PFNGLGETFENCEIVNVPROC)     \
    X(glFinishFenceNV, PFNGLFINISHFENCENVPROC)   \
    X(glSetFenceNV, PFNGLSETFENCENVPROC)

// NV occlusion query
#define LT_NV_OCCLUSION_QUERY_PROCS(X)                               \
    X(glGenOcclusionQueriesNV, PFNGLGENOCCLUSIONQUERIESNVPROC)       \
    X(glDeleteOcclusionQueriesNV, PFNGLDELETEOCCLUSIONQUERIESNVPROC) \
    X(glIsOcclusionQueryNV, PFNGLISOCCLUSIONQUERYNVPROC)             \
    X(glBeginOcclusionQueryNV, PFNGLBEGINOCCLUSIONQUERYNVPROC)       \
    X(glEndOcclusionQueryNV, PFNGLENDOCCLUSIONQUERYNVPROC)           \
    X(glGetOcclusionQueryivNV, PFNGLGETOCCLUSIONQUERYIVNVPROC)       \
    X(glGetOcclusionQueryuivNV, PFNGLGETOCCLUSIONQUERYUIVNVPROC)

// ATI draw buffers
#define LT_ATI_DRAW_BUFFERS_PROCS(X)             \
    X(glDrawBuffersATI, PFNGLDRAWBUFFERSATIPROC)

// Everything beyond OpenGL 1.1, fetched with a context current.
#define LT_GL_EXTENSION_PROCS(X)          \
    LT_GL_1_2_PROCS(X)                    \
    LT_GL_1_2_IMAGING_PROCS(X)            \
    LT_EXT_VERTEX_ARRAY_PROCS(X)          \
    LT_EXT_COLOR_TABLE_PROCS(X)           \
    LT_EXT_COPY_TEXTURE_PROCS(X)          \
    LT_EXT_INDEX_PROCS(X)                 \
    LT_EXT_POLYGON_OFFSET_PROCS(X)        \
    LT_EXT_TEXTURE_OBJECT_PROCS(X)        \
    LT_EXT_COMPILED_VERTEX_ARRAY_PROCS(X) \
    LT_ARB_MULTITEXTURE_PROCS(X)          \
    LT_ARB_TRANSPOSE_MATRIX_PROCS(X)      \
    LT_ARB_MULTISAMPLE_PROCS(X)           \
    LT_ARB_TEXTURE_COMPRESSION_PROCS(X)   \
    LT_ARB_POINT_PARAMETERS_PROCS(X)      \
    LT_ARB_VERTEX_BLEND_PROCS(X)          \
    LT_ARB_PROGRAM_PROCS(X)               \
    LT_ARB_BUFFER_OBJECT_PROCS(X)         \
    LT_ARB_SHADER_OBJECTS_PROCS(X)        \
    LT_NV_VERTEX_ARRAY_RANGE_PROCS(X)     \
    LT_NV_REGISTER_COMBINERS_PROCS(X)     \
    LT_NV_VERTEX_PROGRAM_PROCS(X)         \
    LT_NV_FENCE_PROCS(X)                  \
    LT_NV_OCCLUSION_QUERY_PROCS(X)        \
    LT_ATI_DRAW_BUFFERS_PROCS(X)
