// libFuzzer target: the input data file reader, and the input echo and preparation of what
// it accepts, on arbitrary bytes end cleanly or with a FatalRunError, never with a crash, an
// overrun or undefined behaviour.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>
#include <string_view>

#include "model/analysis_model.h"
#include "model/echo_and_prepare.h"
#include "model/input_reader.h"
#include "platform/fatal_error.h"
#include "platform/report_channels.h"

namespace {

// Ends the lifetime of a model built in the reused block without freeing the block.
struct DestroyModel {
  void operator()(tovek8::AnalysisModel* model) const { model->~AnalysisModel(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static std::FILE* const console = std::fopen("/dev/null", "w");
  // The model is several MB: one heap block serves every input, with a fresh value-initialised
  // (all zero) model built in it each time, so no run sees what the previous one left and no
  // run pays for mapping new pages.
  static void* const block = ::operator new(sizeof(tovek8::AnalysisModel));
  std::unique_ptr<tovek8::AnalysisModel, DestroyModel> model(new (block) tovek8::AnalysisModel());
  tovek8::ReportChannels reports(console);  // no unit open: report writes are dropped
  const std::string_view contents(reinterpret_cast<const char*>(data), size);
  try {
    tovek8::read_input_file(*model, reports, "fuzz.dat", contents);
    // An input the reader accepts must also be printed and prepared without a fault.
    tovek8::set_shared_constants(*model);
    int status = 0;
    tovek8::echo_and_prepare(*model, reports, status);
  } catch (const tovek8::FatalRunError& error) {
    const int status = error.status();
    if (status != tovek8::kStatusInputMalformed && status != tovek8::kStatusInputEnded &&
        status != tovek8::kStatusInputCapacity)
      __builtin_trap();  // the reader ends a run only with the input statuses
  }
  return 0;
}
