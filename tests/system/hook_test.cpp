#include "system/hook.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/exception.h"
#include "system/event.h"

namespace tazmix {
namespace {

// Appends the context's text to the String that travels down the chain.
Ref<Object> AppendContext(int32_t, const Ref<Object>& data, const Ref<Object>& context) {
  String text, mark;
  String::FromObject(data.get(), &text);
  String::FromObject(context.get(), &mark);
  return (text + mark).AsObject();
}

Ref<Object> Swallow(int32_t, const Ref<Object>&, const Ref<Object>&) { return nullptr; }

Ref<Object> Raise(int32_t, const Ref<Object>&, const Ref<Object>&) { Throw(String("stop")); }

String RunChain(int32_t id, const char* start = "") {
  String out;
  Ref<Object> result = RunHooks(id, String(start).AsObject());
  if (!result) return String("<null>");
  String::FromObject(result.get(), &out);
  return out;
}

Ref<Object> Mark(const char* text) { return String(text).AsObject(); }

TEST(Hooks, RunInDescendingPriorityAndInAdditionOrderAmongEquals) {
  const int32_t id = AllocHookId();
  AddHook(id, AppendContext, Mark("a"), 0);
  AddHook(id, AppendContext, Mark("b"), 5);
  AddHook(id, AppendContext, Mark("c"), 0);
  AddHook(id, AppendContext, Mark("d"), 10);
  AddHook(id, AppendContext, Mark("e"), -3);
  EXPECT_EQ(RunChain(id), String("dbace"));
}

TEST(Hooks, AnEmptyChainReturnsItsDataAndAFunctionCanSwallowIt) {
  const int32_t id = AllocHookId();
  EXPECT_EQ(RunChain(id, "same"), String("same"));
  AddHook(id, AppendContext, Mark("x"), 1);
  AddHook(id, Swallow, nullptr, 0);
  EXPECT_EQ(RunChain(id, "in"), String("<null>"));
}

TEST(Hooks, RemoveTakesTheFirstHookWithTheSameFunctionAndContextObject) {
  const int32_t id = AllocHookId();
  Ref<Object> one = Mark("1");
  Ref<Object> two = Mark("2");
  AddHook(id, AppendContext, one, 0);
  AddHook(id, AppendContext, two, 0);
  AddHook(id, AppendContext, one, 0);

  // Same function, an equal text but another object: nothing is removed.
  RemoveHook(id, AppendContext, Mark("1"));
  EXPECT_EQ(RunChain(id), String("121"));
  RemoveHook(id, AppendContext, one);
  EXPECT_EQ(RunChain(id), String("21"));
  RemoveHook(id, Swallow, two);
  EXPECT_EQ(RunChain(id), String("21"));
  RemoveHook(id, AppendContext, two);
  RemoveHook(id, AppendContext, one);
  EXPECT_EQ(RunChain(id, "empty"), String("empty"));
  RemoveHook(id, AppendContext, one);  // nothing left: no effect
}

int32_t removing_hook_id = -1;
Ref<Object> RemoveSelf(int32_t id, const Ref<Object>& data, const Ref<Object>& context) {
  RemoveHook(id, RemoveSelf, context);
  return AppendContext(id, data, context);
}

TEST(Hooks, AFunctionMayRemoveItsOwnHookWhileItRuns) {
  removing_hook_id = AllocHookId();
  AddHook(removing_hook_id, RemoveSelf, Mark("s"), 1);
  AddHook(removing_hook_id, AppendContext, Mark("t"), 0);
  EXPECT_EQ(RunChain(removing_hook_id), String("st"));
  EXPECT_EQ(RunChain(removing_hook_id), String("t"));
}

TEST(Hooks, ARaisingFunctionStopsTheChainAndAnUnsetOneRaisesNullFunction) {
  const int32_t id = AllocHookId();
  AddHook(id, Raise, nullptr, 1);
  AddHook(id, Swallow, nullptr, 0);
  try {
    RunHooks(id, nullptr);
    FAIL() << "no exception";
  } catch (const Thrown& thrown) {
    EXPECT_EQ(thrown.Text(), String("stop"));
  }

  const int32_t unset = AllocHookId();
  AddHook(unset, UnsetHookFunction, nullptr, 0);
  try {
    RunHooks(unset, nullptr);
    FAIL() << "no exception";
  } catch (const Thrown& thrown) {
    EXPECT_NE(thrown.As<TNullFunctionException>(), nullptr);
  }
}

TEST(Hooks, TheEventHookIsTheFirstIdAndTheTableHoldsExactly256) {
  const int32_t first = AllocHookId();
  EXPECT_EQ(EmitEventHook, 0);
  EXPECT_EQ(first, 1);
  for (int32_t expected = 2; expected < 256; ++expected) ASSERT_EQ(AllocHookId(), expected);
  for (int round = 0; round < 2; ++round) {
    try {
      AllocHookId();
      FAIL() << "no exception";
    } catch (const Thrown& thrown) {
      String text;
      ASSERT_TRUE(thrown.IsString(&text));
      EXPECT_EQ(text, String("Too many hook ids"));
    }
  }
}

}  // namespace
}  // namespace tazmix
