#include <gtest/gtest.h>

#include <signal.h>

#include <string>

#include "runtime/application.h"
#include "runtime/internal/crash_reporter.h"
#include "runtime/exception.h"
#include "tests/support/child_process.h"

using namespace tazmix;
using namespace tazmix::test;

namespace {

const std::string kHelpers = TAZMIX_TEST_HELPER_DIR;

ChildResult RunHelper(const std::string& name, const std::string& arg) {
  ChildOptions options;
  options.environment = OwnSignalHandlersEnvironment();
  return RunChild(kHelpers + "/" + name, {name, arg}, options);
}

}  // namespace

TEST(UncaughtPath, RuntimeExceptionWritesExactlyItsTextAndExits255) {
  const ChildResult r = RunHelper("uncaught", "runtime");
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.exit_code, 255);
  EXPECT_EQ(r.err, "boom");
}

TEST(UncaughtPath, ThrownStringIsWrittenOneBytePerUnit) {
  const ChildResult r = RunHelper("uncaught", "string");
  EXPECT_EQ(r.exit_code, 255);
  EXPECT_EQ(r.err, "PNG ERROR \xe4");
}

TEST(UncaughtPath, ThrowEscapingANoexceptFunctionTakesTheSamePath) {
  const ChildResult r = RunHelper("uncaught", "noexcept");
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.exit_code, 255);
  EXPECT_EQ(r.err, "escaped");
}

TEST(UncaughtPath, ExitHandlersRunOnUncaughtAndOnEndApplication) {
  ChildResult r = RunHelper("uncaught", "handler");
  EXPECT_EQ(r.exit_code, 255);
  EXPECT_EQ(r.out, "exit handler ran");
  EXPECT_EQ(r.err, "after handler");

  r = RunHelper("uncaught", "end");
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "exit handler ran");
  EXPECT_EQ(r.err, "");
}

TEST(UncaughtPath, MainFunctionsResultIsTheExitCode) {
  const ChildResult r = RunHelper("uncaught", "nothing");
  EXPECT_EQ(r.exit_code, 7);
  EXPECT_EQ(r.err, "");
}

TEST(CrashReporter, ProcessorExceptionsAreNamedAndNeverEndAsSuccess) {
  struct Case {
    const char* kind;
    const char* name;
    int signal_number;
  };
  const Case cases[] = {
      {"divide", "EXCEPTION_INT_DIVIDE_BY_ZERO", SIGFPE},
      {"null", "EXCEPTION_ACCESS_VIOLATION", SIGSEGV},
      {"overflow", "EXCEPTION_STACK_OVERFLOW", SIGSEGV},
      {"illegal", "EXCEPTION_ILLEGAL_INSTRUCTION", SIGILL},
#if defined(__x86_64__) || defined(__i386__)
      {"breakpoint", "EXCEPTION_BREAKPOINT", SIGTRAP},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    const ChildResult r = RunHelper("crash", c.kind);
    EXPECT_FALSE(r.exited && r.exit_code == 0);
    EXPECT_EQ(r.signal_number, c.signal_number);
    EXPECT_EQ(r.err, std::string(c.name) + "\n");
  }
}

TEST(CrashReporter, MessageHookReceivesTheName) {
  const ChildResult r = RunHelper("crash", "hook");
  EXPECT_EQ(r.signal_number, SIGSEGV);
  EXPECT_EQ(r.err, "EXCEPTION_ACCESS_VIOLATION\nhook saw EXCEPTION_ACCESS_VIOLATION");
}

TEST(CrashReporter, SignalCodesMapToTheStandardNames) {
  EXPECT_STREQ(CrashExceptionName(SIGFPE, FPE_INTOVF), "EXCEPTION_INT_OVERFLOW");
  EXPECT_STREQ(CrashExceptionName(SIGFPE, FPE_FLTDIV), "EXCEPTION_FLT_DIVIDE_BY_ZERO");
  EXPECT_STREQ(CrashExceptionName(SIGFPE, FPE_FLTINV), "EXCEPTION_FLT_INVALID_OPERATION");
  EXPECT_STREQ(CrashExceptionName(SIGFPE, FPE_FLTSUB), "EXCEPTION_ARRAY_BOUNDS_EXCEEDED");
  EXPECT_STREQ(CrashExceptionName(SIGBUS, BUS_ADRALN), "EXCEPTION_DATATYPE_MISALIGNMENT");
  EXPECT_STREQ(CrashExceptionName(SIGBUS, BUS_ADRERR), "EXCEPTION_IN_PAGE_ERROR");
  EXPECT_STREQ(CrashExceptionName(SIGILL, ILL_PRVOPC), "EXCEPTION_PRIV_INSTRUCTION");
  EXPECT_STREQ(CrashExceptionName(SIGTRAP, TRAP_TRACE), "EXCEPTION_SINGLE_STEP");
  EXPECT_STREQ(CrashExceptionName(SIGSEGV, SEGV_MAPERR, true), "EXCEPTION_STACK_OVERFLOW");
  // A signal sent by another process is no processor exception.
  EXPECT_STREQ(CrashExceptionName(SIGSEGV, SI_USER), "EXCEPTION_UNKNOWN");
  EXPECT_STREQ(CrashExceptionName(SIGTERM, 0), "EXCEPTION_UNKNOWN");
}

TEST(StartUp, RunFromAnotherFolderChangesToTheProgramsFolder) {
  TempFolder start;
  const std::string program = kHelpers + "/start_folder";
  ChildOptions options;
  options.working_directory = start.Path();
  const ChildResult r = RunChild(program, {"./invoked as", "-x", "b c", "\xe4"}, options);
  ASSERT_EQ(r.exit_code, 0) << r.err;

  const std::string folder = RealPath(kHelpers);
  const std::string expected = start.Path() + "\n" +   // StartDirectory
                               folder + "/start_folder\n" +  // ApplicationPath
                               folder + "\n" +       // ApplicationDirectory
                               folder + "\n" +       // the current directory
                               "./invoked as\n-x\nb c\n\xe4\n";  // ApplicationArgs
  EXPECT_EQ(r.out, expected);
}

TEST(StartUp, DirectoryOfPath) {
  EXPECT_EQ(DirectoryOfPath("/usr/games/vindra"), String("/usr/games"));
  EXPECT_EQ(DirectoryOfPath("C:/vindra.exe"), String("C:/"));
  EXPECT_EQ(DirectoryOfPath("C:/Games/vindra.exe"), String("C:/Games"));
  EXPECT_EQ(DirectoryOfPath("/vindra"), String());
  EXPECT_EQ(DirectoryOfPath("vindra"), String());
  EXPECT_EQ(DirectoryOfPath(""), String());
}

TEST(ModuleInit, RuntimeBaseRegistersTheExceptionClassesOnce) {
  InitRuntime();
  InitRuntime();
  bool done = false;
  EXPECT_TRUE(BeginModuleInit(done));
  EXPECT_TRUE(done);
  EXPECT_FALSE(BeginModuleInit(done));

  const auto& classes = RegisteredClasses();
  const std::type_info* expected[] = {&typeid(TTazmoException),        &typeid(TNullObjectException),
                                      &typeid(TNullMethodException),   &typeid(TNullFunctionException),
                                      &typeid(TArrayBoundsException),  &typeid(TOutOfDataException),
                                      &typeid(TRuntimeException)};
  size_t first = 0;
  while (first < classes.size() && *classes[first] != typeid(TTazmoException)) ++first;
  ASSERT_LE(first + 7, classes.size());
  for (size_t i = 0; i < 7; ++i) EXPECT_EQ(*classes[first + i], *expected[i]) << i;
  size_t count = 0;
  for (const auto* c : classes) count += *c == typeid(TRuntimeException);
  EXPECT_EQ(count, 1u);
}

TEST(EmbeddedFiles, FirstRegistrationWinsAndNamesMatchExactly) {
  static const uint8_t font_a[] = {1, 2, 3};
  static const uint8_t font_b[] = {9};
  EXPECT_EQ(RegisterEmbeddedFile("test-font.bin", font_a, 3), 1);
  EXPECT_EQ(RegisterEmbeddedFile("test-font.bin", font_b, 1), 0);
  EXPECT_EQ(EmbeddedFileData("test-font.bin"), font_a);
  EXPECT_EQ(EmbeddedFileLength("test-font.bin"), 3);
  EXPECT_EQ(EmbeddedFileData("TEST-FONT.BIN"), nullptr);
  EXPECT_EQ(EmbeddedFileLength("test-font"), 0);
}

TEST(Clock, MilliSecsAdvancesAcrossADelay) {
  const int32_t before = MilliSecs();
  Delay(30);
  const int32_t slept = MilliSecs() - before;  // wrapping difference
  EXPECT_GE(slept, 29);
  EXPECT_LT(slept, 5000);

  const int32_t again = MilliSecs();
  Delay(-100);
  EXPECT_LT(MilliSecs() - again, 1000);
}
