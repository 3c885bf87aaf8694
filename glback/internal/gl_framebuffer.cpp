#include "glback/internal/gl_framebuffer.h"

#include <GL/gl.h>

#include <cstring>
#include <string>

#include "glback/platform/gl_native.h"
#include "runtime/error_report.h"
#include "runtime/string.h"

namespace tazmix {

namespace {

struct GLVersion {
  int32_t major = 0;
  int32_t minor = 0;
  bool AtLeast(int32_t ma, int32_t mi) const { return major > ma || (major == ma && minor >= mi); }
};

// "4.5 (Compatibility Profile) Mesa 22.3.6" is 4.5; anything else 0.0.
GLVersion ParseVersion(const char* text) {
  GLVersion v;
  if (!text) return v;
  const char* p = text;
  for (; *p >= '0' && *p <= '9' && v.major < 1000; ++p) v.major = v.major * 10 + (*p - '0');
  if (*p++ != '.') return {};
  for (; *p >= '0' && *p <= '9' && v.minor < 1000; ++p) v.minor = v.minor * 10 + (*p - '0');
  return v;
}

// Whether the space-separated list holds the name as a whole word.
bool HasExtension(const char* list, const char* name) {
  if (!list) return false;
  const size_t n = std::strlen(name);
  for (const char* p = std::strstr(list, name); p; p = std::strstr(p + 1, name)) {
    const bool starts = p == list || p[-1] == ' ';
    const bool ends = p[n] == ' ' || p[n] == '\0';
    if (starts && ends) return true;
  }
  return false;
}

template <class F>
void Fetch(F& slot, const std::string& name) {
  slot = reinterpret_cast<F>(GLNativeProcAddress(name.c_str()));
}

// Fills the calls of `kind`; false when GL lacks one of them.
bool FetchCalls(GLFramebufferCalls& calls, int32_t kind) {
  const std::string suffix = kind == GL_FRAMEBUFFERS_EXT ? "EXT" : "";
  Fetch(calls.gen, "glGenFramebuffers" + suffix);
  Fetch(calls.remove, "glDeleteFramebuffers" + suffix);
  Fetch(calls.bind, "glBindFramebuffer" + suffix);
  Fetch(calls.attach, "glFramebufferTexture2D" + suffix);
  Fetch(calls.status, "glCheckFramebufferStatus" + suffix);
  Fetch(calls.mipmaps, "glGenerateMipmap" + suffix);
  calls.kind = kind;
  return calls.gen && calls.remove && calls.bind && calls.attach && calls.status && calls.mipmaps;
}

}  // namespace

int32_t ChooseGLFramebufferKind(const char* version, const char* extensions) {
  if (ParseVersion(version).AtLeast(3, 0)) return GL_FRAMEBUFFERS_CORE;
  if (HasExtension(extensions, "GL_ARB_framebuffer_object")) return GL_FRAMEBUFFERS_ARB;
  if (HasExtension(extensions, "GL_EXT_framebuffer_object")) return GL_FRAMEBUFFERS_EXT;
  return GL_FRAMEBUFFERS_NONE;
}

const GLFramebufferCalls* GLFramebuffers() {
  GLShared& shared = GLBack().shared;
  if (!shared.framebuffer_probed) {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    // Without a current context GL says nothing; ask again when there is one.
    if (!version) {
      NoteFailure("no GL context is current");
      return nullptr;
    }
    const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    shared.framebuffer_probed = true;
    GLFramebufferCalls calls;
    const int32_t kind = ChooseGLFramebufferKind(version, extensions);
    if (kind == GL_FRAMEBUFFERS_NONE) {
      shared.framebuffer_none = std::string("this GL (") + version +
                                ") can't draw into images: it has neither GL 3.0 nor a framebuffer-object extension";
    } else if (!FetchCalls(calls, kind)) {
      shared.framebuffer_none = std::string("this GL (") + version + ") lacks a framebuffer-object function it names";
      calls = GLFramebufferCalls{};
    } else {
      const GLVersion v = ParseVersion(version);
      calls.any_size = v.AtLeast(2, 0) || HasExtension(extensions, "GL_ARB_texture_non_power_of_two");
      if (v.AtLeast(1, 4)) {
        Fetch(calls.blend_separate, "glBlendFuncSeparate");
      } else if (HasExtension(extensions, "GL_EXT_blend_func_separate")) {
        Fetch(calls.blend_separate, "glBlendFuncSeparateEXT");
      }
    }
    shared.framebuffer = calls;
  }
  if (shared.framebuffer.kind == GL_FRAMEBUFFERS_NONE) {
    NoteFailure(String::FromUTF8String(shared.framebuffer_none));
    return nullptr;
  }
  return &shared.framebuffer;
}

}  // namespace tazmix
