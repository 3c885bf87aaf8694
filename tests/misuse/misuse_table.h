// The misuse tables: each row calls one public function with one bad
// argument (Null, a number out of range, NaN, an empty or very long text)
// and checks the answer: the failure result the function names, or the
// exception it names, never a signal, a hang, a huge allocation or a file
// touched.
//
// Every row is a test of its own, so CTest runs it in a process of its own:
// a row that crashes fails alone and cannot hide the rows after it. A row
// that has not finished after kRowSeconds ends its process saying which row
// hung. Each row runs in a fresh current folder holding one file, keep.dat;
// afterwards that file must be unchanged and alone.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/exception.h"
#include "runtime/object.h"
#include "runtime/string.h"
#include "tests/support/temp_dir.h"

namespace tazmix::misuse {

struct Row {
  const char* name;  // the call and its bad argument, as the test's name
  void (*run)();
};

inline constexpr const char* kKeepFile = "keep.dat";
inline constexpr const char* kKeepBytes = "keep me: 0123456789";
inline constexpr unsigned kRowSeconds = 30;

inline const char* running_row = "";

inline void OnRowTimeout(int) {
  static const char kText[] = "\nmisuse row did not finish in time: ";
  (void)!write(STDERR_FILENO, kText, sizeof kText - 1);
  (void)!write(STDERR_FILENO, running_row, std::strlen(running_row));
  (void)!write(STDERR_FILENO, "\n", 1);
  _exit(3);
}

class Table : public ::testing::TestWithParam<Row> {
 protected:
  void SetUp() override {
    running_row = GetParam().name;
    signal(SIGALRM, OnRowTimeout);
    alarm(kRowSeconds);
    previous_ = std::filesystem::current_path().string();
    folder_.Write(kKeepFile, kKeepBytes);
    std::filesystem::current_path(folder_.Path());
  }

  void TearDown() override {
    alarm(0);
    std::filesystem::current_path(previous_);
    EXPECT_EQ(folder_.Read(kKeepFile), kKeepBytes) << "the row touched " << kKeepFile;
    std::vector<std::string> others;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
      if (entry.path().filename() != kKeepFile) others.push_back(entry.path().filename().string());
    }
    EXPECT_TRUE(others.empty()) << "the row left " << others.size() << " file(s), the first " << others[0];
  }

 private:
  testing::TempDir folder_;
  std::string previous_;
};

inline std::string RowName(const ::testing::TestParamInfo<Row>& info) { return info.param.name; }
inline void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// The class of what `call` raised, checked against T, and its text.
template <class T, class F>
void ExpectRaises(F call, const String& text) {
  try {
    call();
    ADD_FAILURE() << "nothing was raised";
  } catch (const Thrown& thrown) {
    EXPECT_NE(thrown.As<T>(), nullptr) << "raised " << thrown.Text().ToUTF8String();
    EXPECT_EQ(thrown.Text(), text);
  }
}

template <class F>
void ExpectNullObject(F call) {
  ExpectRaises<TNullObjectException>(call, "Attempt to access field or method of Null object");
}

// A text far longer than any name or line: 1 Mi units of "x".
inline String LongText() { return String(std::u16string(1 << 20, u'x')); }

}  // namespace tazmix::misuse

// A module's table: `Fixture` derives from misuse::Table, `rows` is its
// array of Row.
#define MISUSE_TABLE(Fixture, rows)        \
  TEST_P(Fixture, Call) { GetParam().run(); } \
  INSTANTIATE_TEST_SUITE_P(, Fixture, ::testing::ValuesIn(rows), ::tazmix::misuse::RowName)
