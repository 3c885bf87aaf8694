#include "runtime/application.h"

#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "runtime/internal/crash_reporter.h"
#include "runtime/exception.h"
#include "runtime/internal/utf8.h"

namespace tazmix {

String StartDirectory;
String ApplicationPath;
String ApplicationDirectory;
String ApplicationTitle("Tazmix Application");
std::vector<String> ApplicationArgs;

namespace {

struct EmbeddedFile {
  String name;
  const uint8_t* data;
  int32_t length;
};

struct ApplicationState {
  std::vector<EmbeddedFile> embedded_files;
  std::vector<const std::type_info*> class_records;
  bool runtime_started = false;
  std::terminate_handler previous_terminate = nullptr;
};

// Built on first use, as files and classes register from static
// initialisers, and never freed, as a terminate during exit still reads it.
ApplicationState& State() {
  static auto* state = new ApplicationState();
  return *state;
}

const EmbeddedFile* FindEmbeddedFile(const String& name) {
  for (const auto& f : State().embedded_files) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

// Kernel paths are UTF-8; a path that is not keeps one character per byte,
// so a strange folder name cannot stop the start.
String PathText(const std::string& bytes) {
  return String(DecodeUtf8(bytes, Utf8Fallback::kBytes)).Replace("\\", "/");
}

std::string CurrentDirectoryBytes() {
  std::string buffer(256, '\0');
  for (;;) {
    if (getcwd(buffer.data(), buffer.size())) return std::string(buffer.c_str());
    if (errno != ERANGE) return std::string();
    buffer.resize(buffer.size() * 2);
  }
}

std::string ProgramPathBytes(const char* argv0) {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) break;
    if (static_cast<size_t>(n) < buffer.size()) return buffer.substr(0, static_cast<size_t>(n));
    buffer.resize(buffer.size() * 2);
  }
  // Without /proc, the invoked name resolved against the start folder.
  if (!argv0) return std::string();
  char* real = realpath(argv0, nullptr);
  if (!real) return std::string(argv0);
  std::string path(real);
  std::free(real);
  return path;
}

void FillGlobals(int argc, char** argv) {
  StartDirectory = PathText(CurrentDirectoryBytes());
  const std::string program = ProgramPathBytes(argc > 0 ? argv[0] : nullptr);
  ApplicationPath = PathText(program);
  ApplicationDirectory = DirectoryOfPath(ApplicationPath);

  // Change to the program's real folder (the bytes as the kernel gave them;
  // "/" for a program at the root, where the text rule yields "").
  const size_t slash = program.find_last_of('/');
  if (slash != std::string::npos) {
    const std::string folder = slash == 0 ? std::string("/") : program.substr(0, slash);
    if (chdir(folder.c_str()) != 0) std::perror("chdir to the program's directory");
  }

  ApplicationArgs.clear();
  for (int i = 0; i < argc; ++i) ApplicationArgs.push_back(String::FromCString(argv[i]));
}

// A Thrown that escapes where no handler can catch it (a destructor, a
// noexcept function, another thread) takes the same uncaught path.
void OnTerminate() {
  if (std::exception_ptr current = std::current_exception()) {
    try {
      std::rethrow_exception(current);
    } catch (const Thrown& thrown) {
      ReportUncaught(thrown);
    } catch (...) {
    }
  }
  if (State().previous_terminate) State().previous_terminate();
  std::abort();
}

}  // namespace

String DirectoryOfPath(const String& path) {
  const int32_t slash = path.FindLast("/");
  if (slash <= 0) return String();
  if (path[slash - 1] == u':') return path.Left(slash + 1);
  return path.Left(slash);
}

int RunApplication(int argc, char** argv, int (*game_main)()) {
  InstallCrashReporter();
  State().previous_terminate = std::set_terminate(OnTerminate);
  FillGlobals(argc, argv);
  try {
    InitRuntime();
    return game_main();
  } catch (const Thrown& thrown) {
    ReportUncaught(thrown);
  }
}

bool BeginModuleInit(bool& done) {
  if (done) return false;
  done = true;
  InitRuntime();
  return true;
}

void InitRuntime() {
  bool& done = State().runtime_started;
  if (done) return;
  done = true;
  RegisterClassRecord(typeid(TTazmoException));
  RegisterClassRecord(typeid(TNullObjectException));
  RegisterClassRecord(typeid(TNullMethodException));
  RegisterClassRecord(typeid(TNullFunctionException));
  RegisterClassRecord(typeid(TArrayBoundsException));
  RegisterClassRecord(typeid(TOutOfDataException));
  RegisterClassRecord(typeid(TRuntimeException));
}

void EndApplication() {
  std::fflush(nullptr);
  std::exit(0);
}

void RegisterExitHandler(void (*handler)()) { std::atexit(handler); }

void RegisterClassRecord(const std::type_info& type) { State().class_records.push_back(&type); }

const std::vector<const std::type_info*>& RegisteredClasses() { return State().class_records; }

int32_t RegisterEmbeddedFile(const String& name, const void* data, int32_t length) {
  if (length < 0 || (!data && length > 0)) return 0;  // no block to hand out
  if (FindEmbeddedFile(name)) return 0;
  auto& files = State().embedded_files;
  files.insert(files.begin(), EmbeddedFile{name, static_cast<const uint8_t*>(data), length});
  return 1;
}

const uint8_t* EmbeddedFileData(const String& name) {
  const EmbeddedFile* f = FindEmbeddedFile(name);
  return f ? f->data : nullptr;
}

int32_t EmbeddedFileLength(const String& name) {
  const EmbeddedFile* f = FindEmbeddedFile(name);
  return f ? f->length : 0;
}

int32_t MilliSecs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const uint64_t ms = uint64_t(now.tv_sec) * 1000u + uint64_t(now.tv_nsec) / 1000000u;
  // The counter wraps like a 32-bit machine counter.
  return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

double Seconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace tazmix
