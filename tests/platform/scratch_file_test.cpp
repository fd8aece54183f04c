// Sequential scratch files: records written, read back, rewound and stepped back.
#include "platform/scratch_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tovek8 {
namespace {

class ScratchFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ =
        (std::filesystem::temp_directory_path() /
         ("tovek8_scratch_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
          "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name()))
            .string();
    ASSERT_TRUE(file_.open(path_));
  }
  void TearDown() override { file_.close(true); }
  std::string path_;
  ScratchFile file_;
};

TEST_F(ScratchFileTest, RecordsReadBackInOrderAfterRewind) {
  const std::vector<double> a{1.5, -2.25, 3.0};
  ASSERT_TRUE(file_.write_record(a));
  ASSERT_TRUE(file_.write_record(std::string_view("LOAD CASE 1")));
  ASSERT_TRUE(file_.write_record(std::vector<double>{}));
  file_.rewind();
  std::vector<double> values;
  std::string text;
  ASSERT_TRUE(file_.read_record(values));
  EXPECT_EQ(values, a);
  ASSERT_TRUE(file_.read_record(text));
  EXPECT_EQ(text, "LOAD CASE 1");
  ASSERT_TRUE(file_.read_record(values));
  EXPECT_TRUE(values.empty());
  EXPECT_FALSE(file_.read_record(values)) << "end of file";
}

TEST_F(ScratchFileTest, BackspaceRereadsTheLastRecord) {
  ASSERT_TRUE(file_.write_record(std::vector<double>{1.0}));
  ASSERT_TRUE(file_.write_record(std::vector<double>{2.0, 3.0}));
  file_.rewind();
  std::vector<double> values;
  ASSERT_TRUE(file_.read_record(values));
  ASSERT_TRUE(file_.read_record(values));
  ASSERT_TRUE(file_.backspace());
  ASSERT_TRUE(file_.read_record(values));
  EXPECT_EQ(values, (std::vector<double>{2.0, 3.0}));
  ASSERT_TRUE(file_.backspace());
  ASSERT_TRUE(file_.backspace());
  EXPECT_FALSE(file_.backspace()) << "already at the start";
  ASSERT_TRUE(file_.read_record(values));
  EXPECT_EQ(values, (std::vector<double>{1.0}));
}

TEST_F(ScratchFileTest, WritingAfterBackspaceReplacesTheRestOfTheFile) {
  ASSERT_TRUE(file_.write_record(std::vector<double>{1.0}));
  ASSERT_TRUE(file_.write_record(std::vector<double>{2.0}));
  ASSERT_TRUE(file_.backspace());
  ASSERT_TRUE(file_.write_record(std::vector<double>{9.0, 9.5}));
  file_.rewind();
  std::vector<double> values;
  ASSERT_TRUE(file_.read_record(values));
  ASSERT_TRUE(file_.read_record(values));
  EXPECT_EQ(values, (std::vector<double>{9.0, 9.5}));
  EXPECT_FALSE(file_.read_record(values));
}

TEST(ScratchFile, OpenFailsInAMissingDirectory) {
  ScratchFile f;
  EXPECT_FALSE(f.open("/nonexistent-dir-for-tovek8/scratch"));
  EXPECT_FALSE(f.is_open());
  std::vector<double> v;
  EXPECT_FALSE(f.read_record(v));
  EXPECT_FALSE(f.write_record(v));
}

}  // namespace
}  // namespace tovek8
