#include <gtest/gtest.h>

#include "platform/embedded_files.h"
#include "platform/open_stream.h"
#include "support/temp_folder.h"

namespace {

std::vector<std::string> ReadAllLines(TStream& stream) {
  std::vector<std::string> lines;
  while (!stream.Eof()) lines.push_back(stream.ReadLine());
  return lines;
}

}  // namespace

struct LineCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

class ReadLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ReadLineTest, SplitsLikeTheGameExpects) {
  TempFolder folder;
  folder.Write("lines.txt", GetParam().bytes);
  StreamPtr stream = ReadStream(folder / "lines.txt");
  ASSERT_TRUE(stream);
  EXPECT_EQ(ReadAllLines(*stream), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, ReadLineTest,
    testing::Values(LineCase{"BareLineFeeds", "a=1\nb=2\n", {"a=1", "b=2"}},
                    LineCase{"CarriageReturnLineFeeds", "a=1\r\nb=2\r\n", {"a=1", "b=2"}},
                    LineCase{"LastLineWithoutEnd", "a=1\nb=2", {"a=1", "b=2"}},
                    LineCase{"StrayCarriageReturnsDropped", "a\r=1\r\r\n", {"a=1"}},
                    LineCase{"ZeroByteEndsALine", std::string("ab\0cd", 5), {"ab", "cd"}},
                    LineCase{"EmptyLinesKept", "\n\nx\n", {"", "", "x"}},
                    LineCase{"HighBytesKeptAsTheyAre", "caf\xE9\n", {"caf\xE9"}},
                    LineCase{"EmptyFile", "", {}}),
    [](const testing::TestParamInfo<LineCase>& c) { return c.param.name; });

TEST(Streams, WriteLineEndsWithCarriageReturnLineFeed) {
  TempFolder folder;
  StreamPtr out = WriteStream(folder / "out.txt");
  ASSERT_TRUE(out);
  out->WriteLine("screenw=800");
  out->WriteLine("");
  out->Close();
  EXPECT_FALSE(out->Failed());
  EXPECT_EQ(folder.Read("out.txt"), "screenw=800\r\n\r\n");
}

TEST(Streams, IntegersAreLittleEndianTwosComplement) {
  TempFolder folder;
  StreamPtr out = WriteStream(folder / "ints.bin");
  ASSERT_TRUE(out);
  for (int value : {1, -1, 0x12345678, INT32_MIN}) out->WriteInt(value);
  out->Close();
  const std::string bytes = folder.Read("ints.bin");
  ASSERT_EQ(bytes.size(), 16u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x01\x00\x00\x00", 4));
  EXPECT_EQ(bytes.substr(4, 4), std::string("\xFF\xFF\xFF\xFF", 4));
  EXPECT_EQ(bytes.substr(8, 4), std::string("\x78\x56\x34\x12", 4));

  StreamPtr in = ReadStream(folder / "ints.bin");
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadInt(), 1);
  EXPECT_EQ(in->ReadInt(), -1);
  EXPECT_EQ(in->ReadInt(), 0x12345678);
  EXPECT_EQ(in->ReadInt(), INT32_MIN);
  EXPECT_TRUE(in->Eof());
  // Reading past the end gives 0 and stays at the end: the track reader stops on Eof.
  EXPECT_EQ(in->ReadInt(), 0);
  EXPECT_TRUE(in->Eof());
}

TEST(Streams, TruncatedIntegerReadsAsZero) {
  TempFolder folder;
  folder.Write("short.bin", std::string("\x05\x00", 2));
  StreamPtr in = ReadStream(folder / "short.bin");
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadInt(), 0);
  EXPECT_TRUE(in->Eof());
}

TEST(Streams, MissingFileOrFolderGivesNoStream) {
  TempFolder folder;
  EXPECT_FALSE(ReadStream(folder / "absent.txt"));
  EXPECT_FALSE(ReadStream(folder.path()));
  EXPECT_FALSE(WriteStream(folder / "no/such/folder/file.txt"));
  EXPECT_FALSE(OpenStream(folder / "x.txt", false, false));
}

TEST(Streams, BackslashesWorkAsSeparators) {
  TempFolder folder;
  folder.Write("Media/Weapons/Shield.png", "png");
  StreamPtr in = ReadStream(folder.path() + "Media\\Weapons\\Shield.png");
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadAll(), "png");
}

TEST(Streams, ReadWriteStreamUpdatesAnExistingFile) {
  TempFolder folder;
  folder.Write("data.bin", "abcdef");
  StreamPtr both = OpenStream(folder / "data.bin", true, true);
  ASSERT_TRUE(both);
  char first[3] = {};
  EXPECT_EQ(both->Read(first, 3), 3u);
  EXPECT_TRUE(both->Seek(0));
  EXPECT_EQ(both->Write("XY", 2), 2u);
  both->Close();
  EXPECT_EQ(folder.Read("data.bin"), "XYcdef");
}

class EmbeddedStreamTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterEmbeddedFile("Test/Streams/entry.bin", kBytes, sizeof kBytes - 1);
  }
  static constexpr unsigned char kBytes[] = "line one\r\nline two";
};

TEST_F(EmbeddedStreamTest, ReadsExactlyTheEntrySizeThenEnds) {
  StreamPtr in = ReadStream("incbin::Test/Streams/entry.bin");
  ASSERT_TRUE(in);
  EXPECT_EQ(in->Size(), static_cast<int64_t>(sizeof kBytes - 1));
  EXPECT_EQ(in->ReadAll(), std::string(reinterpret_cast<const char*>(kBytes), sizeof kBytes - 1));
  EXPECT_TRUE(in->Eof());
  char more = 0;
  EXPECT_EQ(in->Read(&more, 1), 0u);
}

TEST_F(EmbeddedStreamTest, LinesReadAsFromAFile) {
  StreamPtr in = ReadStream("incbin::Test/Streams/entry.bin");
  ASSERT_TRUE(in);
  EXPECT_EQ(ReadAllLines(*in), (std::vector<std::string>{"line one", "line two"}));
}

TEST_F(EmbeddedStreamTest, WritingIsRefused) {
  EXPECT_FALSE(WriteStream("incbin::Test/Streams/entry.bin"));
  EXPECT_FALSE(OpenStream("incbin::Test/Streams/entry.bin", true, true));
}

TEST_F(EmbeddedStreamTest, UnknownOrWronglyCasedNameGivesNoStream) {
  EXPECT_FALSE(ReadStream("incbin::Test/Streams/missing.bin"));
  EXPECT_FALSE(ReadStream("incbin::test/streams/entry.bin"));
}

TEST(Streams, FullDiskShowsAsAFailedStream) {
  StreamPtr out = WriteStream("/dev/full");
  if (!out) GTEST_SKIP() << "no /dev/full here";
  out->WriteLine("lost");
  out->Close();
  EXPECT_TRUE(out->Failed());
}
