#include "draw2d/vex2d_driver.h"

#include "draw2d/internal/current_drawing.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"

namespace tazmix {

Ref<TImageFrame> TVex2DDriver::CreateFrameFromPixmap(const Ref<TPixmap>&, int32_t) { ThrowNullMethod(); }
void TVex2DDriver::SetBlend(int32_t) { ThrowNullMethod(); }
void TVex2DDriver::SetAlpha(float) { ThrowNullMethod(); }
void TVex2DDriver::SetColor(int32_t, int32_t, int32_t) { ThrowNullMethod(); }
void TVex2DDriver::SetClsColor(int32_t, int32_t, int32_t) { ThrowNullMethod(); }
void TVex2DDriver::SetViewport(int32_t, int32_t, int32_t, int32_t) { ThrowNullMethod(); }
void TVex2DDriver::SetTransform(float, float, float, float) { ThrowNullMethod(); }
void TVex2DDriver::SetLineWidth(float) { ThrowNullMethod(); }
void TVex2DDriver::Cls() { ThrowNullMethod(); }
void TVex2DDriver::Plot(float, float) { ThrowNullMethod(); }
void TVex2DDriver::DrawLine(float, float, float, float, float, float) { ThrowNullMethod(); }
void TVex2DDriver::DrawRect(float, float, float, float, float, float) { ThrowNullMethod(); }
void TVex2DDriver::DrawOval(float, float, float, float, float, float) { ThrowNullMethod(); }
void TVex2DDriver::DrawPoly(const std::vector<float>&, float, float, float, float) { ThrowNullMethod(); }
void TVex2DDriver::DrawPixmap(const Ref<TPixmap>&, int32_t, int32_t) { ThrowNullMethod(); }
Ref<TPixmap> TVex2DDriver::GrabPixmap(int32_t, int32_t, int32_t, int32_t) { ThrowNullMethod(); }
void TVex2DDriver::SetResolution(float, float) { ThrowNullMethod(); }
void TVex2DDriver::SetSurface(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}
FrameStats TVex2DDriver::FrameStatistics() { return {}; }

Ref<TImageFrame> TVex2DDriver::CreateRenderFrame(int32_t, int32_t, int32_t) {
  NoteFailure("the 2D driver can't draw into images");
  return nullptr;
}

int32_t TVex2DDriver::SetRenderTarget(const Ref<TImageFrame>& frame) {
  if (!frame) return 1;
  NoteFailure("the 2D driver can't draw into images");
  return 0;
}

Ref<TPixmap> TVex2DDriver::ReadRenderFrame(const Ref<TImageFrame>&) { return nullptr; }
void TVex2DDriver::WriteRenderFrame(const Ref<TImageFrame>&, const Ref<TPixmap>&) {}

FrameStats LastFrameStats() {
  TVex2DDriver* driver = CurrentVex2DDriver();
  return driver ? driver->FrameStatistics() : FrameStats{};
}

TVex2DDriver* CurrentVex2DDriver() { return Vex2D().driver.get(); }

void SetCurrentVex2DDriver(const Ref<TVex2DDriver>& driver) { Vex2D().driver = driver; }

}  // namespace tazmix
