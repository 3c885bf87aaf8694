#include <gtest/gtest.h>

#include <cstring>

#include "pixmap/pixmap_loader.h"
#include "runtime/exception.h"
#include "stream/stream_exception.h"
#include "stream/stream_factory.h"
#include "tests/pixmap/memory_stream.h"

using namespace tazmix;
using namespace pixmap_test;

namespace {

// Loaders that only react to data starting with "FAKE" and otherwise step
// aside, so they can share the process-wide chain with real loaders.
//
// The older one accepts "FAKE1": a 1x1 pixmap.
class AcceptingLoader : public TPixmapLoader {
 public:
  Ref<TPixmap> LoadPixmap(const Ref<TStream>& stream) override {
    char tag[5];
    stream->ReadBytes(tag, 5);
    if (std::memcmp(tag, "FAKE1", 5) != 0) return nullptr;
    return CreatePixmap(1, 1, FORMAT_GREY8, 4);
  }
};

// The newer one, asked first, reads "FAKE" and then fails: a read past the
// end for "1", a runtime error for "2".
class FailingLoader : public TPixmapLoader {
 public:
  Ref<TPixmap> LoadPixmap(const Ref<TStream>& stream) override {
    char tag[4];
    stream->ReadBytes(tag, 4);
    if (std::memcmp(tag, "FAKE", 4) != 0) return nullptr;
    if (stream->ReadByte() == '2') ThrowRuntimeError("broken loader");
    char rest[100];
    stream->ReadBytes(rest, sizeof rest);
    return nullptr;
  }
};

// Hands out memory streams for "pixtest::<data>" and remembers the last one.
class TestStreamFactory : public TStreamFactory {
 public:
  Ref<TStream> CreateStream(const Ref<Object>&, const String& proto, const String& path, bool, bool) override {
    if (proto != String("pixtest")) return nullptr;
    const std::string bytes = path.ToCString();
    last = New<MemoryStream>(Bytes(bytes.begin(), bytes.end()));
    return last;
  }
  Ref<MemoryStream> last;
};

TestStreamFactory& ChainFixture() {
  static TestStreamFactory* factory = [] {
    New<AcceptingLoader>();
    New<FailingLoader>();
    Ref<TestStreamFactory> f = New<TestStreamFactory>();
    return f.get();  // the chain keeps it
  }();
  return *factory;
}

}  // namespace

TEST(PixmapLoaderChain, NewestFirstAndStreamErrorsMeanTryTheNext) {
  TestStreamFactory& factory = ChainFixture();
  EXPECT_NE(dynamic_cast<FailingLoader*>(TPixmapLoader::First()), nullptr);

  // The failing loader's read error is absorbed and the next loader starts
  // again from the same position.
  Ref<TPixmap> p = LoadPixmap(String("pixtest::FAKE1"));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, 1);
  EXPECT_EQ(factory.last->closes, 1);

  // Nobody understands it: Null, and the stream is still closed.
  EXPECT_FALSE(LoadPixmap(String("pixtest::something else")));
  EXPECT_EQ(factory.last->closes, 1);
}

TEST(PixmapLoaderChain, OtherExceptionsReachTheCallerAfterClosing) {
  TestStreamFactory& factory = ChainFixture();
  try {
    LoadPixmap(String("pixtest::FAKE2"));
    ADD_FAILURE() << "no exception";
  } catch (const Thrown& thrown) {
    EXPECT_TRUE(thrown.As<TRuntimeException>());
  }
  EXPECT_EQ(factory.last->closes, 1);
  // A URL nothing can open.
  EXPECT_FALSE(LoadPixmap(String("nosuchprotocol::x")));
}
