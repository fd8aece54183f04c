// The fixture of the echo table tests: a fresh model and the output file on a scratch file.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/analysis_model.h"
#include "platform/report_channels.h"
#include "tests/test_support.h"

namespace tovek8 {

// A model in the given units system with the constants the entry sets, and the output file
// of the run bound to a scratch file of the test.
class EchoTableTest : public ::testing::Test {
 protected:
  void SetUp() override { fresh_model(1); }

  void fresh_model(int units) {
    model_ = std::make_unique<AnalysisModel>();
    set_unit_labels(*model_, units);
    set_shared_constants(*model_);
    ASSERT_TRUE(reports_.open(kOutputUnit, output_path()));
  }

  // Everything written to the output file so far.
  std::string output() {
    reports_.close(kOutputUnit);
    return test_support::read_file(output_path());
  }

  InputRecords& in() { return model_->input; }

  test_support::ScratchDir dir_;  // declared first: removed after the channels are closed
  std::unique_ptr<AnalysisModel> model_;
  ReportChannels reports_;

 private:
  std::string output_path() const { return (dir_ / "output.txt").string(); }
};

}  // namespace tovek8
