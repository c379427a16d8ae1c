#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/dir_listing.h"
#include "platform/embedded_files.h"
#include "platform/file_system.h"
#include "support/temp_folder.h"

TEST(FileSystem, FileTypeTellsNothingFileAndFolder) {
  TempFolder folder;
  folder.Write("Tracks/a.trk", "x");
  EXPECT_EQ(FileType(folder / "Tracks/a.trk"), 1);
  EXPECT_EQ(FileType(folder / "Tracks"), 2);
  EXPECT_EQ(FileType(folder / "Tracks/"), 2);
  EXPECT_EQ(FileType(folder.path() + "Tracks\\a.trk"), 1);
  EXPECT_EQ(FileType(folder / "Tracks/b.trk"), 0);
  EXPECT_EQ(FileType(""), 0);
}

TEST(FileSystem, ListingComesInAscendingNameOrder) {
  TempFolder folder;
  for (const char* name : {"Track_2.png", "Track_10.png", "PatTrack_1.png", "Track_1.png", "b", "A"}) {
    folder.Write(std::string("Tiles/") + name, "");
  }
  DirListingPtr listing = ReadDir(folder / "Tiles");
  ASSERT_TRUE(listing);
  std::vector<std::string> names;
  for (std::string name = NextFile(listing.get()); !name.empty(); name = NextFile(listing.get())) {
    names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"A", "PatTrack_1.png", "Track_1.png", "Track_10.png", "Track_2.png", "b"}));
  EXPECT_EQ(NextFile(listing.get()), "");
  CloseDir(listing);
  EXPECT_FALSE(listing);
}

TEST(FileSystem, ListingAMissingFolderGivesNone) {
  TempFolder folder;
  EXPECT_FALSE(ReadDir(folder / "absent"));
  EXPECT_EQ(NextFile(nullptr), "");
}

TEST(FileSystem, CreateDirWithAndWithoutParents) {
  TempFolder folder;
  EXPECT_EQ(CreateDir(folder / "a/b/c"), 0);
  EXPECT_EQ(FileType(folder / "a"), 0);
  EXPECT_EQ(CreateDir(folder / "a/b/c/", true), 1);
  EXPECT_EQ(FileType(folder / "a/b/c"), 2);
  EXPECT_EQ(CreateDir(folder / "a/b"), 1);  // existing: no error
}

TEST(FileSystem, CopyFileFromAnEmbeddedEntry) {
  static const unsigned char bytes[] = "database bytes";
  RegisterEmbeddedFile("Test/Copy/QX.db", bytes, sizeof bytes - 1);
  TempFolder folder;
  EXPECT_EQ(CopyFile("incbin::Test/Copy/QX.db", folder / "QX.db"), 1);
  EXPECT_EQ(folder.Read("QX.db"), "database bytes");
}

TEST(FileSystem, CopyFileOfManyBlocksIsExact) {
  TempFolder folder;
  std::string big;
  for (int i = 0; i < 10000; ++i) big += static_cast<char>(i * 7);
  folder.Write("big.bin", big);
  EXPECT_EQ(CopyFile(folder / "big.bin", folder / "copy.bin"), 1);
  EXPECT_EQ(folder.Read("copy.bin"), big);
}

TEST(FileSystem, CopyFileIntoAMissingFolderCreatesNothing) {
  static const unsigned char bytes[] = "track";
  RegisterEmbeddedFile("Test/Copy/Test_Track.trk", bytes, 5);
  TempFolder folder;
  EXPECT_EQ(CopyFile("incbin::Test/Copy/Test_Track.trk", folder / "Tracks/Test_Track.trk"), 0);
  EXPECT_EQ(FileType(folder / "Tracks"), 0);
  EXPECT_EQ(CopyFile("incbin::Test/Copy/none.trk", folder / "none.trk"), 0);
  EXPECT_EQ(FileType(folder / "none.trk"), 0);
}

TEST(FileSystem, DeleteFileReportsWhetherTheFileIsGone) {
  TempFolder folder;
  folder.Write("old.trk", "x");
  EXPECT_EQ(DeleteFile(folder / "old.trk"), 1);
  EXPECT_EQ(FileType(folder / "old.trk"), 0);
  EXPECT_EQ(DeleteFile(folder / "never.trk"), 1);
  CreateDir(folder / "folder");
  EXPECT_EQ(DeleteFile(folder / "folder"), 1);
  EXPECT_EQ(FileType(folder / "folder"), 2);  // folders are not files: left alone
}

TEST(FileSystem, WritingIntoAReadOnlyFolderFailsCleanly) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempFolder folder;
  CreateDir(folder / "locked");
  std::filesystem::permissions(folder / "locked", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  folder.Write("source.txt", "x");
  EXPECT_EQ(CopyFile(folder / "source.txt", folder / "locked/copy.txt"), 0);
}
