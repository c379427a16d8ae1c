#include <gtest/gtest.h>

#include "built_in_files.h"
#include "platform/embedded_files.h"
#include "platform/file_system.h"
#include "platform/open_stream.h"

TEST(EmbeddedFiles, SecondRegistrationOfANameKeepsTheFirst) {
  static const unsigned char first[] = "first";
  static const unsigned char second[] = "second entry";
  EXPECT_EQ(RegisterEmbeddedFile("Test/Flare.png", first, 5), 1);
  EXPECT_EQ(RegisterEmbeddedFile("Test/Flare.png", second, 12), 0);
  StreamPtr in = ReadStream("incbin::Test/Flare.png");
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadAll(), "first");
}

TEST(EmbeddedFiles, FileTypeOfEmbeddedLocationsIsZero) {
  static const unsigned char bytes[] = "x";
  RegisterEmbeddedFile("Test/FileType.bin", bytes, 1);
  EXPECT_EQ(FileType("incbin::Test/FileType.bin"), 0);
  EXPECT_EQ(FileType("incbin::Test/NotThere.bin"), 0);
}

TEST(EmbeddedFiles, BuiltInCreditsAreServedWhole) {
  RegisterBuiltInFiles();
  // Registering again changes nothing: every name is taken already.
  EXPECT_EQ(RegisterBuiltInFiles(), 0);
  const EmbeddedFile* credits = FindEmbeddedFile("Inc/Credits.txt");
  ASSERT_NE(credits, nullptr);
  EXPECT_GT(credits->size, 0u);
  StreamPtr in = ReadStream("incbin::Inc/Credits.txt");
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadAll().size(), credits->size);
  EXPECT_TRUE(in->Eof());
}
