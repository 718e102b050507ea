#pragma once
// Tests that look at the OpenGL calls the engine makes: while a recorder
// lives, the state calls of the binding's table are recorded as lines of
// text, the function's name without "gl" and its arguments, integers in hex
// and floats in decimal ("Enable be2", "AlphaFunc 206 0.5",
// "Materialfv 404 1600 0 0 0 1"). The table is given back afterwards.
#include <sstream>
#include <string>
#include <vector>

#include "tests/scene3d/opengl/glbindingtest.h"

class TOpenGLCallRecorder {
public:
    TOpenGLCallRecorder();
    TOpenGLCallRecorder(const TOpenGLCallRecorder&) = delete;
    TOpenGLCallRecorder& operator=(const TOpenGLCallRecorder&) = delete;

    // The calls recorded since the last look.
    static std::vector<std::string> Sent()
    {
        std::vector<std::string> sent;
        sent.swap(Calls());
        return sent;
    }

private:
    static std::vector<std::string>& Calls()
    {
        static std::vector<std::string> calls;
        return calls;
    }
    template <typename... Args>
    static std::string Line(const char* Name, Args... args)
    {
        std::ostringstream call;
        call << Name << std::hex;
        ((call << ' ' << args), ...);
        return call.str();
    }
    template <typename... Args>
    static void Record(const char* Name, Args... args)
    {
        Calls().push_back(Line(Name, args...));
    }
    static void RecordColor(const std::string& Call, const GLfloat* Color)
    {
        std::ostringstream line;
        line << Call;
        for (int i = 0; i < 4; ++i)
            line << ' ' << Color[i];
        Calls().push_back(line.str());
    }

    TSavedGLBinding FSaved;
};

inline TOpenGLCallRecorder::TOpenGLCallRecorder()
{
    GL.glEnable = [](GLenum cap) { Record("Enable", cap); };
    GL.glDisable = [](GLenum cap) { Record("Disable", cap); };
    GL.glPolygonMode = [](GLenum face, GLenum mode) { Record("PolygonMode", face, mode); };
    GL.glMaterialfv = [](GLenum face, GLenum name, const GLfloat* color) {
        RecordColor(Line("Materialfv", face, name), color);
    };
    GL.glMateriali = [](GLenum face, GLenum name, GLint value) { Record("Materiali", face, name, value); };
    GL.glColor4fv = [](const GLfloat* color) { RecordColor("Color4fv", color); };
    GL.glBlendFunc = [](GLenum source, GLenum target) { Record("BlendFunc", source, target); };
    GL.glAlphaFunc = [](GLenum function, GLclampf reference) { Record("AlphaFunc", function, reference); };
    GL.glBindTexture = [](GLenum target, GLuint name) { Record("BindTexture", target, name); };
    GL.glMatrixMode = [](GLenum mode) { Record("MatrixMode", mode); };
    GL.glLoadMatrixf = [](const GLfloat* m) { Record("LoadMatrixf", m[0], m[12]); };
    GL.glLoadIdentity = [] { Record("LoadIdentity"); };
    GL.glFrontFace = [](GLenum mode) { Record("FrontFace", mode); };
    Calls().clear();
}
