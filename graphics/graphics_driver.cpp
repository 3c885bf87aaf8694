#include "graphics/graphics_driver.h"

#include "runtime/error_report.h"
#include "runtime/exception.h"

namespace tazmix {

TGraphicsDriver* TGraphics::Driver() { ThrowNullMethod(); }
void TGraphics::GetSettings(int32_t&, int32_t&, int32_t&, int32_t&, int32_t&) {
  ThrowNullMethod();
}
void TGraphics::Close() { ThrowNullMethod(); }

int32_t TGraphics::SetFullScreen(int32_t) {
  NoteFailure(String("this graphics cannot switch to full screen"));
  return 0;
}

int32_t TGraphics::FullScreen() { return 0; }

std::vector<Ref<TGraphicsMode>> TGraphicsDriver::GraphicsModes() { ThrowNullMethod(); }
Ref<TGraphics> TGraphicsDriver::AttachGraphics(int32_t, int32_t) { ThrowNullMethod(); }
Ref<TGraphics> TGraphicsDriver::CreateGraphics(int32_t, int32_t, int32_t, int32_t, int32_t) {
  ThrowNullMethod();
}
void TGraphicsDriver::SetGraphics(const Ref<TGraphics>&) { ThrowNullMethod(); }
void TGraphicsDriver::Flip(int32_t) { ThrowNullMethod(); }

}  // namespace tazmix
