#include <gtest/gtest.h>

#include <string>

#include "bridge/event_queue.h"
#include "bridge/event_text.h"

namespace {

std::string HandOut(EventQueue& queue, size_t capacity) {
  std::string buffer(capacity, '#');
  const size_t length = queue.HandOut(buffer.data(), capacity);
  EXPECT_EQ(buffer[length], '\0');
  return buffer.substr(0, length);
}

TEST(EventQueue, HandsOutWholeEventsThatFitAndKeepsTheRestInOrder) {
  EventQueue queue;
  queue.Append("one!");
  queue.Append("two!");
  queue.Append("three!");
  EXPECT_EQ(HandOut(queue, 10), "one!two!");
  queue.Append("four!");
  EXPECT_EQ(HandOut(queue, 10), "three!");
  EXPECT_EQ(HandOut(queue, 10), "four!");
  EXPECT_TRUE(queue.Empty());
  EXPECT_EQ(HandOut(queue, 10), "");
}

TEST(EventQueue, AnEventLongerThanTheBufferComesInParts) {
  EventQueue queue;
  queue.Append("abcdefghij!");
  queue.Append("k!");
  EXPECT_EQ(HandOut(queue, 5), "abcd");
  EXPECT_EQ(HandOut(queue, 5), "efgh");
  EXPECT_EQ(HandOut(queue, 5), "ij!");
  EXPECT_EQ(HandOut(queue, 5), "k!");
}

TEST(EventQueue, KeepsNulBytesInsideEvents) {
  EventQueue queue;
  queue.Append(std::string("1:2:3:ab\0!", 10));
  EXPECT_EQ(HandOut(queue, 64), std::string("1:2:3:ab\0!", 10));
}

TEST(EventText, PiecesAreCutTo127Characters) {
  EXPECT_EQ(Piece("download=%d!", 12), "download=12!");
  EXPECT_EQ(Piece("%s", std::string(300, 'x').c_str()), std::string(127, 'x'));
}

TEST(EventText, ALongNameIsShortenedSoTheEventKeepsItsEnd) {
  const std::string name(200, 'n');
  const std::string piece = PieceWithName("found=", name.c_str(), ":5!");
  EXPECT_EQ(piece.size(), 127u);
  EXPECT_EQ(piece, "found=" + std::string(127 - 9, 'n') + ":5!");
  EXPECT_EQ(PieceWithName("found=", "Track", ":5!"), "found=Track:5!");
  EXPECT_EQ(PieceWithName("found=", nullptr, ":0!"), "found=:0!");
}

}  // namespace
