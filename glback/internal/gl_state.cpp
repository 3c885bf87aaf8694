#include "glback/internal/gl_state.h"

// Complete, for the drivers the state holds.
#include "glback/gl_graphics.h"
#include "glback/gl_vex2d_driver.h"

namespace tazmix {

GLBackState::GLBackState() : context(&none) {}
GLBackState::~GLBackState() = default;

// The GL back end's one mutable object.
GLBackState gl_back_state;

void SelectGLContextState(int32_t handle) {
  GLBackState& b = GLBack();
  b.current_handle = handle;
  if (handle == 0) {
    b.context = &b.none;
    return;
  }
  std::unique_ptr<GLContext>& slot = b.contexts[handle];
  if (!slot) slot = std::make_unique<GLContext>();
  b.context = slot.get();
}

void DropGLContextState(int32_t handle) {
  GLBackState& b = GLBack();
  const auto it = b.contexts.find(handle);
  if (it == b.contexts.end()) return;
  if (b.context == it->second.get()) {
    b.context = &b.none;
    b.current_handle = 0;
  }
  b.contexts.erase(it);
}

}  // namespace tazmix
