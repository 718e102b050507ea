#pragma once
// What the OpenGL implementation of the context activated last offers: its
// version and GLU's, and one flag per extension the engine knows. The flags
// are process-wide; context activation re-reads them.
#include <string_view>

// The extensions looked for in the GL list, as X(flag, name). The names are
// matched as written, one with a leading blank and one without its "GL_".
#define LT_GL_EXTENSION_FLAGS(X)                                           \
    X(TDFX_multisample, "GL_3DFX_multisample")                             \
    X(TDFX_tbuffer, "GL_3DFX_tbuffer")                                     \
    X(TDFX_texture_compression_FXT1, "GL_3DFX_texture_compression_FXT1")   \
    X(ARB_imaging, "GL_ARB_imaging")                                       \
    X(ARB_multisample, " GL_ARB_multisample")                              \
    X(ARB_multitexture, "GL_ARB_multitexture")                             \
    X(ARB_depth_texture, "GL_ARB_depth_texture")                           \
    X(ARB_shadow, "GL_ARB_shadow")                                         \
    X(ARB_texture_border_clamp, "GL_ARB_texture_border_clamp")             \
    X(ARB_texture_compression, "GL_ARB_texture_compression")               \
    X(ARB_texture_cube_map, "GL_ARB_texture_cube_map")                     \
    X(ARB_transpose_matrix, "GL_ARB_transpose_matrix")                     \
    X(ARB_vertex_blend, "GL_ARB_vertex_blend")                             \
    X(ARB_point_parameters, "GL_ARB_point_parameters")                     \
    X(ARB_texture_env_combine, "GL_ARB_texture_env_combine")               \
    X(ARB_texture_env_crossbar, "GL_ARB_texture_env_crossbar")             \
    X(ARB_texture_env_dot3, "GL_ARB_texture_env_dot3")                     \
    X(ARB_vertex_program, "GL_ARB_vertex_program")                         \
    X(ARB_vertex_buffer_object, "GL_ARB_vertex_buffer_object")             \
    X(ARB_shader_objects, "GL_ARB_shader_objects")                         \
    X(ARB_vertex_shader, "GL_ARB_vertex_shader")                           \
    X(ARB_fragment_shader, "GL_ARB_fragment_shader")                       \
    X(ARB_fragment_program, "GL_ARB_fragment_program")                     \
    X(ARB_texture_float, "GL_ARB_texture_float")                           \
    X(ARB_texture_non_power_of_two, "GL_ARB_texture_non_power_of_two")     \
    X(EXT_abgr, "GL_EXT_abgr")                                             \
    X(EXT_bgra, "GL_EXT_bgra")                                             \
    X(EXT_blend_color, "GL_EXT_blend_color")                               \
    X(EXT_blend_func_separate, "GL_EXT_blend_func_separate")               \
    X(EXT_blend_logic_op, "GL_EXT_blend_logic_op")                         \
    X(EXT_blend_minmax, "GL_EXT_blend_minmax")                             \
    X(EXT_blend_subtract, "GL_EXT_blend_subtract")                         \
    X(EXT_Cg_shader, "GL_EXT_Cg_shader")                                   \
    X(EXT_compiled_vertex_array, "GL_EXT_compiled_vertex_array")           \
    X(EXT_copy_texture, "GL_EXT_copy_texture")                             \
    X(EXT_draw_range_elements, "GL_EXT_draw_range_elements")               \
    X(EXT_fog_coord, "GL_EXT_fog_coord")                                   \
    X(EXT_multi_draw_arrays, "GL_EXT_multi_draw_arrays")                   \
    X(EXT_multisample, "GL_EXT_multisample")                               \
    X(EXT_packed_pixels, "GL_EXT_packed_pixels")                           \
    X(EXT_paletted_texture, "GL_EXT_paletted_texture")                     \
    X(EXT_polygon_offset, "GL_EXT_polygon_offset")                         \
    X(EXT_rescale_normal, "GL_EXT_rescale_normal")                         \
    X(EXT_secondary_color, "GL_EXT_secondary_color")                       \
    X(EXT_separate_specular_color, "GL_EXT_separate_specular_color")       \
    X(EXT_shared_texture_palette, "GL_EXT_shared_texture_palette")         \
    X(EXT_stencil_wrap, "GL_EXT_stencil_wrap")                             \
    X(EXT_stencil_two_side, "EXT_stencil_two_side")                        \
    X(EXT_texture_compression_s3tc, "GL_EXT_texture_compression_s3tc")     \
    X(EXT_texture_cube_map, "GL_EXT_texture_cube_map")                     \
    X(EXT_texture_edge_clamp, "GL_EXT_texture_edge_clamp")                 \
    X(EXT_texture_env_add, "GL_EXT_texture_env_add")                       \
    X(EXT_texture_env_combine, "GL_EXT_texture_env_combine")               \
    X(EXT_texture_filter_anisotropic, "GL_EXT_texture_filter_anisotropic") \
    X(EXT_texture_lod_bias, "GL_EXT_texture_lod_bias")                     \
    X(EXT_texture_object, "GL_EXT_texture_object")                         \
    X(EXT_texture3D, "GL_EXT_texture3D")                                   \
    X(EXT_clip_volume_hint, "GL_EXT_clip_volume_hint")                     \
    X(HP_occlusion_test, "GL_HP_occlusion_test")                           \
    X(IBM_rasterpos_clip, "GL_IBM_rasterpos_clip")                         \
    X(KTX_buffer_region, "GL_KTX_buffer_region")                           \
    X(MESA_resize_buffers, "GL_MESA_resize_buffers")                       \
    X(NV_blend_square, "GL_NV_blend_square")                               \
    X(NV_fog_distance, "GL_NV_fog_distance")                               \
    X(NV_light_max_exponent, "GL_NV_light_max_exponent")                   \
    X(NV_register_combiners, "GL_NV_register_combiners")                   \
    X(NV_texgen_reflection, "GL_NV_texgen_reflection")                     \
    X(NV_texture_env_combine4, "GL_NV_texture_env_combine4")               \
    X(NV_vertex_array_range, "GL_NV_vertex_array_range")                   \
    X(NV_multisample_filter_hint, "GL_NV_multisample_filter_hint")         \
    X(NV_vertex_program, "GL_NV_vertex_program")                           \
    X(NV_fence, "GL_NV_fence")                                             \
    X(NV_occlusion_query, "GL_NV_occlusion_query")                         \
    X(NV_texture_rectangle, "GL_NV_texture_rectangle")                     \
    X(ATI_texture_float, "GL_ATI_texture_float")                           \
    X(ATI_draw_buffers, "GL_ATI_draw_buffers")                             \
    X(SGI_color_matrix, "GL_SGI_color_matrix")                             \
    X(SGIS_generate_mipmap, "GL_SGIS_generate_mipmap")                     \
    X(SGIS_multisample, "GL_SGIS_multisample")                             \
    X(SGIS_texture_border_clamp, "GL_SGIS_texture_border_clamp")           \
    X(SGIS_texture_color_mask, "GL_SGIS_texture_color_mask")               \
    X(SGIS_texture_edge_clamp, "GL_SGIS_texture_edge_clamp")               \
    X(SGIS_texture_lod, "GL_SGIS_texture_lod")                             \
    X(SGIX_depth_texture, "GL_SGIX_depth_texture")                         \
    X(SGIX_shadow, "GL_SGIX_shadow")                                       \
    X(SGIX_shadow_ambient, "GL_SGIX_shadow_ambient")                       \
    X(WIN_swap_hint, "GL_WIN_swap_hint")                                   \
    X(WGL_ARB_extensions_string, "WGL_ARB_extensions_string")

// The extensions looked for in the GLU list.
#define LT_GLU_EXTENSION_FLAGS(X)                            \
    X(GLUEXT_TEXTURE, "GLU_EXT_TEXTURE")                     \
    X(GLUEXT_object_space_tess, "GLU_EXT_object_space_tess") \
    X(GLUEXT_nurbs_tessellator, "GLU_EXT_nurbs_tessellator")

struct TOpenGLCapabilities {
    bool Version1_0 = true;
    bool Version1_1 = false;
    bool Version1_2 = false;
    bool Version1_3 = false;
    bool Version1_4 = false;
    bool Version1_5 = false;
    bool GLUVersion1_0 = true;
    bool GLUVersion1_1 = false;
    bool GLUVersion1_2 = false;
    bool GLUVersion1_3 = false;
#define LT_DECLARE_EXTENSION_FLAG(Flag, Name) bool Flag = false;
    LT_GL_EXTENSION_FLAGS(LT_DECLARE_EXTENSION_FLAG)
    LT_GLU_EXTENSION_FLAGS(LT_DECLARE_EXTENSION_FLAG)
#undef LT_DECLARE_EXTENSION_FLAG
    // The window-system binding's extensions (WGL_ARB_extensions_string
    // above is one of them too). EGL stands in that binding's place here,
    // so they stay false.
    bool WGL_ARB_multisample = false;
    bool WGL_EXT_swap_control = false;
    bool WGL_ARB_buffer_region = false;
    bool WGL_ARB_pbuffer = false;
    bool WGL_ARB_pixel_format = false;
    bool WGL_ATI_pixel_format_float = false;
};

extern TOpenGLCapabilities GLCaps;

struct TOpenGLVersion {
    int Major = 0;
    int Minor = 0;
    bool operator==(const TOpenGLVersion&) const = default;
};

// The version in a GL_VERSION or GLU_VERSION string: the digits on either
// side of its first point, whatever text comes before or after them
// ("1.5.0 vendor" is 1.5, "OpenGL 2.0" is 2.0). 0.0 when the first point
// lacks a digit on either side or a number does not fit.
TOpenGLVersion ParseVersionString(std::string_view Text);

// Whether an extension list names Name: an occurrence followed by a blank
// or the end of the list. What precedes it is not checked, and the start of
// the list counts as a blank, so a name given with a leading blank is found
// first in the list too.
bool ExtensionListHas(std::string_view List, std::string_view Name);

// The flags for an implementation's version and extension strings; the
// window-system flags stay false.
TOpenGLCapabilities CapabilitiesFor(std::string_view GLVersion, std::string_view GLExtensions,
                                std::string_view GLUVersion, std::string_view GLUExtensions);

// Reads the flags from the current context (GL.glGetString and
// GL.gluGetString), then LoadWGLCapabilities.
void LoadGLCapabilities();
// The window-system extension flags: EGL is the binding here, so there is
// no WGL list and all seven are cleared, WGL_ARB_extensions_string included.
void LoadWGLCapabilities();
