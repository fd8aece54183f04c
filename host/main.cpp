// tovek8: runs one pile group analysis from the command line through the library's entry.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

#include "host/host.h"
#include "run/itovek8.h"

namespace fs = std::filesystem;
using tovek8::host::HostArguments;

namespace {

constexpr const char* kVersion = "1.0.0";
constexpr std::size_t kMaxPath = 255;  // width of a Names.dat record

int usage_error(const std::string& message) {
  std::cerr << "tovek8: " << message << " (tovek8 --help shows the usage)\n";
  return 2;
}

std::string first_line_of(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

// Shows the latest progress message on the terminal while the analysis runs.
class ProgressWatcher {
 public:
  explicit ProgressWatcher(fs::path file) : file_(std::move(file)) {
    if (::isatty(::fileno(stderr))) thread_ = std::thread([this] { watch(); });
  }
  ~ProgressWatcher() {
    done_ = true;
    if (thread_.joinable()) thread_.join();
  }

 private:
  void watch() {
    std::string shown;
    while (!done_) {
      show_if_new(shown);
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    show_if_new(shown);
    if (!shown.empty()) std::cerr << '\n';
  }
  void show_if_new(std::string& shown) {
    const std::string line = first_line_of(file_);
    if (line.empty() || line == shown) return;
    shown = line;
    std::cerr << "\r\033[K" << line << std::flush;
  }
  fs::path file_;
  std::atomic<bool> done_{false};
  std::thread thread_;
};

int run_names_dir(const std::string& dir) {
  std::error_code ec;
  fs::current_path(dir, ec);
  if (ec) return usage_error("cannot enter " + dir + ": " + ec.message());
  return ITOVEK8(0);
}

int run_input(const HostArguments& args) {
  std::error_code ec;
  const fs::path input = fs::absolute(args.input, ec);
  if (ec || !fs::is_regular_file(input)) return usage_error("no input file " + args.input);
  if (input.string().size() > kMaxPath)
    return usage_error("the path of " + args.input + " is longer than 255 characters");
  const fs::path out_dir = args.output_dir.empty() ? fs::current_path() : fs::path(args.output_dir);
  fs::create_directories(out_dir, ec);
  if (ec) return usage_error("cannot create " + out_dir.string() + ": " + ec.message());

  const std::string stem = input.stem().string();
  const auto files = tovek8::host::report_files(stem);
  {
    std::ofstream names(out_dir / "Names.dat", std::ios::binary);
    names << tovek8::host::names_file_text(kVersion, input.string(), files);
    if (!names) return usage_error("cannot write " + (out_dir / "Names.dat").string());
  }
  fs::current_path(out_dir, ec);
  if (ec) return usage_error("cannot enter " + out_dir.string() + ": " + ec.message());

  int status = 0;
  {
    ProgressWatcher watcher(out_dir / files[6].path);
    status = ITOVEK8(0);
  }
  std::cout << "Reports of " << args.input << " (status " << status << "):\n";
  for (std::size_t i = 0; i < 8; ++i)  // the reports; the scratch files follow them
    std::cout << "  " << files[i].role << ": " << (out_dir / files[i].path).string() << '\n';
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  HostArguments parsed;
  std::string error;
  if (!tovek8::host::parse_arguments(args, parsed, error)) return usage_error(error);
  switch (parsed.mode) {
    case HostArguments::Mode::Help:
      std::cout << tovek8::host::usage_text();
      return 0;
    case HostArguments::Mode::NamesDir:
      return run_names_dir(parsed.names_dir);
    case HostArguments::Mode::Input:
      return run_input(parsed);
  }
  return 2;
}
