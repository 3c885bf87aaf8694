// Records every event that runs through the event hook, for tests.
#pragma once

#include <vector>

#include "system/event.h"
#include "system/hook.h"

namespace tazmix::test {

struct SeenEvent {
  int32_t id, data, mods, x, y;
  Object* source;
  Ref<TEvent> event;
};

class EventRecorder {
 public:
  explicit EventRecorder(int32_t priority = 100) : self_(new Holder(this)) {
    InitEvents();
    AddHook(EmitEventHook, Record, self_, priority);
  }
  ~EventRecorder() { RemoveHook(EmitEventHook, Record, self_); }
  EventRecorder(const EventRecorder&) = delete;
  EventRecorder& operator=(const EventRecorder&) = delete;

  const std::vector<SeenEvent>& Events() const { return events_; }
  // Only the events of one kind.
  std::vector<SeenEvent> OfKind(int32_t id) const {
    std::vector<SeenEvent> found;
    for (const SeenEvent& e : events_) {
      if (e.id == id) found.push_back(e);
    }
    return found;
  }
  void Clear() { events_.clear(); }

 private:
  struct Holder : Object {
    explicit Holder(EventRecorder* r) : recorder(r) {}
    EventRecorder* recorder;
  };

  static Ref<Object> Record(int32_t, const Ref<Object>& data, const Ref<Object>& context) {
    auto* holder = static_cast<Holder*>(context.get());
    if (auto event = Cast<TEvent>(data)) {
      holder->recorder->events_.push_back(
          {event->id, event->data, event->mods, event->x, event->y, event->source.get(), event});
    }
    return data;
  }

  Ref<Holder> self_;
  std::vector<SeenEvent> events_;
};

}  // namespace tazmix::test
